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
    // The hour is passed rather than wrapped to zero; far beyond, the time is
    // held at the 16-bit limit rather than overflowing.  A loaded game carries
    // its time in (100 s), and a source that steps back counts nothing negative.
    // Start (-1: none), seconds the source moves on, the time counted.
    const std::vector<std::tuple<int, double, int>> steps = {
        {0, 0, 0},        {-1, 59.9, 59}, {-1, 0.1, 60},  {-1, 3541, 3601},
        {-1, 1e9, 32767}, {100, 5, 105},  {-1, -100, 100}};
    for (const auto& [start, step, counted] : steps) {
        if (start >= 0) clock.Start(start);
        now += step;
        EXPECT_EQ(clock.Calculatetime(), counted) << step;
    }
}

}  // namespace
}  // namespace tallimor
