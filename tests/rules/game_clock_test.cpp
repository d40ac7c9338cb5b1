#include "rules/game_clock.h"

#include <gtest/gtest.h>

namespace tallimor {
namespace {

TEST(Converttime, WritesSecondsAndMinutesInWords) {
    EXPECT_EQ(Converttime(0), "0 second");
    EXPECT_EQ(Converttime(1), "1 second");
    EXPECT_EQ(Converttime(2), "2 seconds");
    EXPECT_EQ(Converttime(59), "59 seconds");
    EXPECT_EQ(Converttime(60), "1 minute ");
    EXPECT_EQ(Converttime(61), "1 minute 1 second");
    EXPECT_EQ(Converttime(125), "2 minutes 5 seconds");
    EXPECT_EQ(Converttime(120), "2 minutes ");
    EXPECT_EQ(Converttime(180), "3 minutes ");
    EXPECT_EQ(Converttime(3599), "59 minutes 59 seconds");
    EXPECT_EQ(Timelabeltext("0 second"), "Time spent:  0 second");
}

TEST(GameClock, CountsWholeSecondsFromStartWithItsOffset) {
    double now = 1000.25;
    GameClock clock([&] { return now; });
    clock.Start(0);
    EXPECT_EQ(clock.Calculatetime(), 0);
    EXPECT_EQ(clock.Timetext, "0 second");
    now += 59.9;
    EXPECT_EQ(clock.Calculatetime(), 59);
    now += 0.1;
    EXPECT_EQ(clock.Calculatetime(), 60);
    EXPECT_EQ(clock.Timetext, "1 minute ");

    clock.Start(100);  // a loaded game carries its time in
    now += 5;
    EXPECT_EQ(clock.Calculatetime(), 105);
}

TEST(GameClock, PassesTheHourInsteadOfWrappingToZero) {
    double now = 0;
    GameClock clock([&] { return now; });
    clock.Start(0);
    now = 3600;
    EXPECT_EQ(clock.Calculatetime(), 3600);
    now = 3601;
    EXPECT_EQ(clock.Calculatetime(), 3601);
    now = 1e9;  // far beyond: held at the 16-bit limit rather than overflowing
    EXPECT_EQ(clock.Calculatetime(), 32767);
}

TEST(GameClock, ASourceThatStepsBackCountsNothingNegative) {
    double now = 500;
    GameClock clock([&] { return now; });
    clock.Start(10);
    now = 400;
    EXPECT_EQ(clock.Calculatetime(), 10);
}

}  // namespace
}  // namespace tallimor
