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
    g.Answer = "0000";
    g.Currenttrial = g.Finaltrial = 5;
    g.ErrorTrials = "3";
    g.Record[3] = TrialRecord{"3210", 2, 1, 3};
    Clearrec(g);
    EXPECT_EQ(std::tuple(g.Answer, g.Currenttrial, g.Finaltrial, g.ErrorTrials), std::tuple("", 0, 0, ""));
    const TrialRecord& row = g.Record[3];
    EXPECT_EQ(std::tuple(row.Trialguess, row.Trialblack, row.Trialwhite, row.HintTotal),
              std::tuple("", 0, 0, 0));
    g.Answer = "1111";
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
        const Hint h = Markcode(g.Settings, row.Trialguess, g.Answer);
        EXPECT_EQ(std::tuple(row.Trialblack, row.Trialwhite, row.HintTotal),
                  std::tuple(h.Blacks, h.Whites, h.Blacks + h.Whites));
    }
    EXPECT_EQ(guesses.size(), 4u);
    EXPECT_EQ(g.Record[5].Trialguess, "");
}

using Texts = std::vector<std::string>;

TEST(Showresulttexts, CountsTakeTheirPluralsAndTheOrderTypeDecidesTheLines) {
    GameState g = Game(GameSettings::Make(6, 4, true, 2, 1));
    auto texts = [&](int blacks, int whites) {
        g.Result = Hint{static_cast<int16_t>(blacks), static_cast<int16_t>(whites), 0};
        const ResultTexts t = Showresulttexts(g);
        return Texts{t.trials, t.correct, t.wrong};
    };
    g.Currenttrial = 3;
    EXPECT_EQ(texts(1, 0), (Texts{"Trial: 3", "You have got 1 correct colour in correct position.",
                                  "You have got 0 correct colours in wrong position."}));
    g.Settings.Ordertype = 1;
    EXPECT_EQ(texts(2, 1), (Texts{"Trial: 3", "You have got 2 correct colours.", ""}));
}

TEST(Getstringprompts, FollowTheRoleTheLengthAndTheErrorSetting) {
    GameState g = Game(GameSettings::Make(8, 5, false, 2, 1));
    auto prompts = [&](int trial) {
        g.Currenttrial = static_cast<int16_t>(trial);
        const Prompts p = Getstringprompts(g);
        return std::tuple(p.getstring, p.input, p.errorButton);
    };
    const std::string guess = "Input your guess by dragging or double-clicking the colours.";
    const std::string typed =
        "Input your guess below. Use numbers to represent colours. Use 'b' to represent a blank space.";
    const std::string claim = "Input your guess, or press the Error button, if you think there is an error.";
    g.Gamestatus = "Playing";
    EXPECT_EQ(prompts(0), std::tuple(guess, typed, false));
    g.Settings.Hinterrors = 2;
    EXPECT_EQ(prompts(0), std::tuple(guess, typed, false)) << "nothing to claim before the first hint";
    EXPECT_EQ(prompts(1), std::tuple(claim, claim, true));
    g.Gamestatus = "Continue Playing";
    EXPECT_EQ(prompts(1), std::tuple(guess, typed, false));

    g.Settings = GameSettings::Make(8, 5, true, 2, 1, 2);
    EXPECT_EQ(std::get<1>(prompts(0)),
              "Input a string for me to guess below. Use numbers to represent colours.");
    EXPECT_EQ(prompts(4),
              std::tuple("Input a string for Trial 4 by dragging or double-clicking the colours.",
                         "Input a string for Trial 4 below. Use numbers to represent colours.", false));
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
