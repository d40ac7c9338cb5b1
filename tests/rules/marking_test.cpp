#include "rules/marking.h"

#include <gtest/gtest.h>

#include <tuple>

#include "rules/texts.h"

namespace tallimor {
namespace {

Hint H(int b, int w, int bh = 0) {
    return Hint{static_cast<int16_t>(b), static_cast<int16_t>(w), static_cast<int16_t>(bh)};
}

TEST(MarkcodeTest, BlacksWhitesAndBlankHits) {
    const GameSettings random4 = GameSettings::Make(6, 4, true, 2, 4);
    const GameSettings unspecified = GameSettings::Make(7, 5, false, 2, 5);
    const GameSettings fixedOrder = GameSettings::Make(6, 4, true, 1, 4);
    // Each answer position is used once ("1111"); a blank paired with a blank
    // elsewhere counts nothing but uses both up ("0b12b").  In a fixed-order
    // game the blacks count every correct colour, the whites stay as counted
    // before adding.
    const std::vector<std::tuple<GameSettings, const char*, const char*, Hint>> cases = {
        {random4, "1312", "1123", H(1, 3)},    {random4, "1123", "1123", H(4, 0)},
        {random4, "4444", "1123", H(0, 0)},    {random4, "1111", "1123", H(2, 0)},
        {random4, "2211", "1123", H(0, 3)},    {unspecified, "0b12b", "012bb", H(1, 2, 1)},
        {fixedOrder, "0112", "0113", H(3, 0)}, {fixedOrder, "0123", "1234", H(3, 3)},
    };
    for (const auto& [s, guess, answer, hint] : cases) EXPECT_EQ(Markcode(s, guess, answer), hint) << guess;

    EXPECT_FALSE(Iswin(unspecified, H(1, 2, 1), 2));
    EXPECT_TRUE(Iswin(unspecified, Markcode(unspecified, "012bb", "012bb"), 2));
}

GameState Playing(int who) {
    GameState g;
    g.Settings = GameSettings::Make(6, 4, true, 2, 4, who, 1, 2);
    g.Answer = "1123";
    g.Gamestatus = GameStatus::Playing;
    return g;
}

// Marks `guess` in a game of that status: whether the hint is to be shown,
// and the trial counter after.
std::pair<bool, int> MarkAs(GameState& g, const char* status, const char* guess) {
    g.Gamestatus = Gamestatusnamed(status).value();
    g.Guessstr = guess;
    return {Mark(g), g.Currenttrial};  // a braced list is evaluated in order
}

// The wrong hints Mark makes at their trials are met in the computer's game tests.
TEST(MarkTest, AdvancesThePlayersCounterAndSaysWhenToShowTheHint) {
    GameState g = Playing(1);
    EXPECT_EQ(MarkAs(g, "Playing", "1312"), std::pair(true, 1));
    EXPECT_EQ(g.Result, H(1, 3));
    EXPECT_EQ(MarkAs(g, "Playing", "1123"), std::pair(false, 2)) << "a win shows no hint panel";
    EXPECT_EQ(MarkAs(g, "Continue Playing", "0000"), std::pair(true, 3));
    EXPECT_EQ(MarkAs(g, "Preparation", "0000"), std::pair(false, 3)) << "the early trials of a middle start";
    g.Settings.Who = Guesser::Computer;
    EXPECT_EQ(MarkAs(g, "Playing", "0000"), std::pair(false, 3)) << "the computer counts its own trials";
}

TEST(ProcessmarkTest, HintTotalDependsOnTheOrderType) {
    GameState g = Playing(1);
    g.Currenttrial = 5;
    g.Guessstr = "1312";
    g.Result = H(1, 3);
    Processmark(g);
    EXPECT_EQ(g.Record[5], (TrialRecord{"1312", 1, 3, 4}));
    g.Settings.Ordertype = Ordering::Fixed;
    g.Result = H(4, 3);
    Processmark(g);
    EXPECT_EQ(g.Record[5].HintTotal, 4);
}

// "colour", "time", "hint" and "is" agree with their counts in the
// texts the flow and the computer's game tests read.
TEST(PluralTest, HasTakesHaveForMore) { EXPECT_EQ(Plural("has", 1) + "|" + Plural("has", 2), "has|have"); }

}  // namespace
}  // namespace tallimor
