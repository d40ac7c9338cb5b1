#include "rules/game_clock.h"

#include <gtest/gtest.h>

namespace tallimor {
namespace {

TEST(Converttime, WritesSecondsAndMinutesInWords) {
    const std::vector<std::pair<int, std::string>> cases = {
        {0, "0 second"},     {1, "1 second"},
        {2, "2 seconds"},    {59, "59 seconds"},
        {60, "1 minute "},   {61, "1 minute 1 second"},
        {120, "2 minutes "}, {125, "2 minutes 5 seconds"},
        {180, "3 minutes "}, {3599, "59 minutes 59 seconds"}};
    for (const auto& [seconds, text] : cases) EXPECT_EQ(Converttime(seconds), text) << seconds;
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
