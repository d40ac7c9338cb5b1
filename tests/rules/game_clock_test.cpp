#include "rules/game_clock.h"

#include <gtest/gtest.h>

namespace tallimor {
namespace {

TEST(Converttime, WritesSecondsAndMinutesInWords) {
    std::string texts;
    for (int seconds : {0, 1, 2, 60, 61, 120, 125, 3599}) texts += Converttime(seconds) + "|";
    EXPECT_EQ(texts,
              "0 second|1 second|2 seconds|1 minute |1 minute 1 second|2 minutes |2 minutes 5 seconds|"
              "59 minutes 59 seconds|");
}

TEST(GameClock, CountsWholeSecondsFromStartWithItsOffset) {
    double now = 1000.25;
    GameClock clock([&] { return now; });
    clock.Start(0);
    EXPECT_EQ(clock.Calculatetime(), 0);
    now += 59.9;
    EXPECT_EQ(clock.Calculatetime(), 59);
    now += 0.1;
    EXPECT_EQ(clock.Calculatetime(), 60);
    // The hour is passed rather than wrapped to zero.
    now = 1000.25 + 3601;
    EXPECT_EQ(clock.Calculatetime(), 3601);
    now += 1e9;  // far beyond: held at the 16-bit limit rather than overflowing
    EXPECT_EQ(clock.Calculatetime(), 32767);

    clock.Start(100);  // a loaded game carries its time in
    now += 5;
    EXPECT_EQ(clock.Calculatetime(), 105);
    now -= 100;  // a source that steps back counts nothing negative
    EXPECT_EQ(clock.Calculatetime(), 100);
}

}  // namespace
}  // namespace tallimor
