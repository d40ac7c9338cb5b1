#include "rules/player_game.h"

#include <gtest/gtest.h>

#include <set>

#include "rules/code_string.h"
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
    EXPECT_EQ(std::tuple(g.Answer, g.Currenttrial, g.Finaltrial, g.ErrorTrials, g.Record[3]),
              std::tuple("", 0, 0, "", TrialRecord{}));
}

// Fixed order without repetition has ten codes of three from five: the nine
// trials before the start must be all of them but the answer.
TEST(Playearlytrials, FillsTheTrialsBeforeTheStartWithDistinctMarkedMisses) {
    GameState g = Game(GameSettings::Make(5, 3, true, 1, 1, 1, 2));
    g.Settings.Starttrial = 10;
    g.Answer = "012";
    g.Gamestatus = GameStatus::Preparation;
    Playearlytrials(g);
    EXPECT_EQ(g.Currenttrial, 9);
    std::set<std::string> guesses;
    for (int t = 1; t <= 9; ++t) {
        const TrialRecord& row = g.Record[t];
        ASSERT_TRUE(Isvalidcode(g.Settings, row.Trialguess)) << row.Trialguess;
        EXPECT_NE(row.Trialguess, g.Answer);
        guesses.insert(row.Trialguess);
        const Hint h = Markcode(g.Settings, row.Trialguess, g.Answer);  // the count is the whole hint
        EXPECT_EQ(row, (TrialRecord{row.Trialguess, h.Blacks, h.Whites, h.Blacks}));
    }
    EXPECT_TRUE(guesses.size() == 9 && g.Record[10].Trialguess.empty());
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
    g.Settings.Ordertype = Ordering::Fixed;
    EXPECT_EQ(texts(2, 1), (Texts{"Trial: 3", "You have got 2 correct colours.", ""}));
}

// The prompts' own texts are read in the flow tests; here who is offered the
// Error button, and the codemaker's prompts, which name the trial.
TEST(Getstringprompts, FollowTheRoleTheLengthAndTheErrorSetting) {
    GameState g = Game(GameSettings::Make(8, 5, false, 2, 1));
    auto prompts = [&](int trial) {
        g.Currenttrial = static_cast<int16_t>(trial);
        const Prompts p = Getstringprompts(g);
        return std::tuple(p.getstring, p.input, p.errorButton);
    };
    g.Gamestatus = GameStatus::Playing;
    const auto plain = prompts(1);
    EXPECT_FALSE(std::get<2>(plain));
    g.Settings.Hinterrors = Hintkind::Mayerr;
    EXPECT_EQ(prompts(0), plain) << "nothing to claim before the first hint";
    EXPECT_TRUE(std::get<2>(prompts(1)));
    g.Gamestatus = GameStatus::Continueplaying;
    EXPECT_EQ(prompts(1), plain);

    g.Settings = GameSettings::Make(8, 5, true, 2, 1, 2);
    EXPECT_EQ(prompts(4),
              std::tuple("Input a string for Trial 4 by dragging or double-clicking the colours.",
                         "Input a string for Trial 4 below. Use numbers to represent colours.", false));
}

}  // namespace
}  // namespace tallimor
