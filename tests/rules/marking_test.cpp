#include "rules/marking.h"

#include <gtest/gtest.h>

#include "rules/texts.h"

namespace tallimor {
namespace {

Hint H(int b, int w, int bh) {
    return Hint{static_cast<int16_t>(b), static_cast<int16_t>(w), static_cast<int16_t>(bh)};
}

TEST(MarkcodeTest, BlacksWhitesAndBlankHits) {
    GameSettings random4 = GameSettings::Make(6, 4, true, 2, 4);
    EXPECT_EQ(Markcode(random4, "1312", "1123"), H(1, 3, 0));
    EXPECT_EQ(Markcode(random4, "1123", "1123"), H(4, 0, 0));
    EXPECT_EQ(Markcode(random4, "4444", "1123"), H(0, 0, 0));
    EXPECT_EQ(Markcode(random4, "1111", "1123"), H(2, 0, 0)) << "each answer position is used once";
    EXPECT_EQ(Markcode(random4, "2211", "1123"), H(0, 3, 0));

    GameSettings unspecified = GameSettings::Make(7, 5, false, 2, 5);
    // A blank paired with a blank elsewhere counts nothing but uses both up.
    EXPECT_EQ(Markcode(unspecified, "0b12b", "012bb"), H(1, 2, 1));
    EXPECT_FALSE(Iswin(unspecified, H(1, 2, 1), 2));
    EXPECT_TRUE(Iswin(unspecified, Markcode(unspecified, "012bb", "012bb"), 2));
    EXPECT_FALSE(Iswin(unspecified, Markcode(unspecified, "0120b", "012bb"), 2))
        << "a colour where the answer has a blank is no win";

    GameSettings fixedOrder = GameSettings::Make(6, 4, true, 1, 4);
    Hint fixed = Markcode(fixedOrder, "0112", "0113");
    EXPECT_EQ(fixed.Blacks, 3);
    EXPECT_EQ(fixed.Whites, 0);
    EXPECT_EQ(Markcode(fixedOrder, "0123", "1234").Blacks, 3);
    EXPECT_EQ(Markcode(fixedOrder, "0123", "1234").Whites, 3) << "whites stay as counted before adding";
}

GameState Playing(int who) {
    GameState g;
    g.Settings = GameSettings::Make(6, 4, true, 2, 4, who, 1, 2);
    g.Answer = "1123";
    g.Gamestatus = "Playing";
    return g;
}

TEST(MarkTest, AdvancesThePlayersCounterAndSaysWhenToShowTheHint) {
    GameState g = Playing(1);
    g.Guessstr = "1312";
    EXPECT_TRUE(Mark(g));
    EXPECT_EQ(g.Currenttrial, 1);
    EXPECT_EQ(g.Result, H(1, 3, 0));
    g.Guessstr = "1123";
    EXPECT_FALSE(Mark(g)) << "a win shows no hint panel";
    EXPECT_EQ(g.Currenttrial, 2);

    g.Gamestatus = "Continue Playing";
    g.Guessstr = "0000";
    EXPECT_TRUE(Mark(g));
    EXPECT_EQ(g.Currenttrial, 3);

    g.Gamestatus = "Preparation";  // the early trials of a middle start
    EXPECT_FALSE(Mark(g));
    EXPECT_EQ(g.Currenttrial, 3);

    GameState computer = Playing(2);
    computer.Currenttrial = 4;
    computer.Guessstr = "0000";
    EXPECT_FALSE(Mark(computer));
    EXPECT_EQ(computer.Currenttrial, 4);
}

TEST(MarkTest, WrongHintTrialsCallMakeerrorOnceAtTheirTrial) {
    GameState g = Playing(1);
    g.ErrorTrials = "24";
    int calls = 0;
    g.Makeerror = [&](GameState& state) {
        ++calls;
        state.Result.Blacks = static_cast<int16_t>(state.Result.Blacks - 1);
    };
    g.Guessstr = "0000";
    Mark(g);  // trial 1
    EXPECT_EQ(calls, 0);
    g.Guessstr = "1123";
    EXPECT_TRUE(Mark(g)) << "an exact guess with a falsified hint goes on";
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(g.Result.Blacks, 3);

    g.Settings.Hinterrors = 1;  // no wrong hints in a "No error" game
    g.Currenttrial = 3;
    Mark(g);
    EXPECT_EQ(calls, 1);
}

TEST(ProcessmarkTest, HintTotalDependsOnTheOrderType) {
    GameState g = Playing(1);
    g.Currenttrial = 5;
    g.Guessstr = "1312";
    g.Result = H(1, 3, 0);
    Processmark(g);
    EXPECT_EQ(g.Record[5].Trialguess, "1312");
    EXPECT_EQ(g.Record[5].Trialblack, 1);
    EXPECT_EQ(g.Record[5].Trialwhite, 3);
    EXPECT_EQ(g.Record[5].HintTotal, 4);
    g.Settings.Ordertype = 1;
    g.Result = H(4, 3, 0);
    Processmark(g);
    EXPECT_EQ(g.Record[5].HintTotal, 4);
}

TEST(PluralTest, AgreesWithTheCount) {
    EXPECT_EQ(Plural("colour", 1), "colour");
    EXPECT_EQ(Plural("colour", 0), "colours");
    EXPECT_EQ(Plural("colour", 2), "colours");
    EXPECT_EQ(Plural("is", 1), "is");
    EXPECT_EQ(Plural("is", 3), "are");
    EXPECT_EQ(Plural("has", 2), "have");
    EXPECT_EQ(Plural("hint", 2), "hints");
}

}  // namespace
}  // namespace tallimor
