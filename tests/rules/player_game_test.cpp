#include "rules/player_game.h"

#include <gtest/gtest.h>

#include <set>

#include "rules/marking.h"

namespace tallimor {
namespace {

GameState Game(const GameSettings& s) {
    GameState g;
    g.Settings = s;
    g.Random.Seed(7);
    return g;
}

TEST(Clearrec, EmptiesTheRecordAndCountersOfAGame) {
    GameState g = Game(GameSettings::Make(6, 4, true, 2, 1));
    g.Answer = std::string(4, '0');
    g.Currenttrial = 5;
    g.Finaltrial = 5;
    g.ErrorTrials.assign(1, '3');
    g.Record[3].Trialguess = "3210";
    g.Record[3].Trialblack = 2;
    Clearrec(g);
    EXPECT_EQ(g.Answer, "");
    EXPECT_EQ(g.Currenttrial, 0);
    EXPECT_EQ(g.Finaltrial, 0);
    EXPECT_EQ(g.ErrorTrials, "");
    EXPECT_EQ(g.Record[3].Trialguess, "");
    EXPECT_EQ(g.Record[3].Trialblack, 0);

    g.Answer = std::string(4, '1');
    Clearrec(g, true);
    EXPECT_EQ(g.Answer, "1111");
}

TEST(Playearlytrials, FillsTheTrialsBeforeTheStartWithDistinctMarkedMisses) {
    GameState g = Game(GameSettings::Make(5, 3, true, 2, 1, 1, 2));
    g.Settings.Starttrial = 5;
    g.Answer = "012";
    g.Gamestatus = "Preparation";
    Playearlytrials(g);
    EXPECT_EQ(g.Currenttrial, 4);
    std::set<std::string> guesses;
    for (int t = 1; t <= 4; ++t) {
        const TrialRecord& row = g.Record[t];
        ASSERT_EQ(row.Trialguess.size(), 3u);
        EXPECT_NE(row.Trialguess, g.Answer);
        guesses.insert(row.Trialguess);
        Hint h = Markcode(g.Settings, row.Trialguess, g.Answer);
        EXPECT_EQ(row.Trialblack, h.Blacks);
        EXPECT_EQ(row.Trialwhite, h.Whites);
        EXPECT_EQ(row.HintTotal, h.Blacks + h.Whites);
    }
    EXPECT_EQ(guesses.size(), 4u);
    EXPECT_EQ(g.Record[5].Trialguess, "");
}

TEST(Showresulttexts, CountsTakeTheirPluralsAndTheOrderTypeDecidesTheLines) {
    GameState g = Game(GameSettings::Make(6, 4, true, 2, 1));
    g.Currenttrial = 3;
    g.Result = Hint{1, 0, 0};
    ResultTexts t = Showresulttexts(g);
    EXPECT_EQ(t.trials, "Trial: 3");
    EXPECT_EQ(t.correct, "You have got 1 correct colour in correct position.");
    EXPECT_EQ(t.wrong, "You have got 0 correct colours in wrong position.");

    g.Settings.Ordertype = 1;
    g.Result = Hint{2, 1, 0};
    t = Showresulttexts(g);
    EXPECT_EQ(t.correct, "You have got 2 correct colours.");
    EXPECT_EQ(t.wrong, "");
}

TEST(Getstringprompts, FollowTheRoleTheLengthAndTheErrorSetting) {
    GameState g = Game(GameSettings::Make(8, 5, false, 2, 1));
    g.Gamestatus = "Playing";
    Prompts p = Getstringprompts(g);
    EXPECT_EQ(p.getstring, "Input your guess by dragging or double-clicking the colours.");
    EXPECT_EQ(
        p.input,
        "Input your guess below. Use numbers to represent colours. Use 'b' to represent a blank space.");
    EXPECT_FALSE(p.errorButton);

    g.Settings.Hinterrors = 2;
    EXPECT_FALSE(Getstringprompts(g).errorButton);  // nothing to claim before the first hint
    g.Currenttrial = 1;
    p = Getstringprompts(g);
    EXPECT_TRUE(p.errorButton);
    EXPECT_EQ(p.input, "Input your guess, or press the Error button, if you think there is an error.");
    EXPECT_EQ(p.getstring, p.input);
    g.Gamestatus = "Continue Playing";
    EXPECT_FALSE(Getstringprompts(g).errorButton);

    g.Settings = GameSettings::Make(8, 5, true, 2, 1, 2);
    g.Currenttrial = 0;
    EXPECT_EQ(Getstringprompts(g).input,
              "Input a string for me to guess below. Use numbers to represent colours.");
    g.Currenttrial = 4;
    p = Getstringprompts(g);
    EXPECT_EQ(p.getstring, "Input a string for Trial 4 by dragging or double-clicking the colours.");
    EXPECT_EQ(p.input, "Input a string for Trial 4 below. Use numbers to represent colours.");
}

TEST(Closingtexts, WinAndGameoverReadAsThePlayerExpects) {
    EXPECT_EQ(Wintext(1, "5 seconds"), "Win!  You have tried 1 time and spent 5 seconds.");
    EXPECT_EQ(Wintext(3, "2 minutes "), "Win!  You have tried 3 times and spent 2 minutes .");
    EXPECT_EQ(Choosetext("x"), "x\nPlease choose one option below.");

    GameState g = Game(GameSettings::Make(6, 4, true, 2, 1));
    g.Currenttrial = 27;
    EXPECT_EQ(Gameovertext(g), "Gameover! You have already reached the last trial.");
    g.Currenttrial = 12;
    EXPECT_EQ(Gameovertext(g), "Gameover! You have already spent one hour.");
    g.Settings.Who = 3;
    EXPECT_EQ(Gameovertext(g), "Time is up! You have already spent one hour.");
}

}  // namespace
}  // namespace tallimor
