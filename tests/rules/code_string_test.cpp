#include "rules/code_string.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <tuple>

#include "rules/every_setting.h"

namespace tallimor {
namespace {

TEST(MakecodeTest, EveryCodeIsValidInEverySetting) {
    GameState g;
    g.Random.Seed(12345);
    for (const GameSettings& s : Everysetting(5, 10)) {
        g.Settings = s;
        for (int n = 0; n < 40; ++n) {
            Makecode(g, MakeTarget::Answer);
            ASSERT_TRUE(Isvalidcode(s, g.Answer)) << g.Answer << " colours " << s.Colours;
            ASSERT_EQ(g.Answerblanks, Countchar(g.Answer, kBlank));
            // Fixed order: sorted, the blanks last.
            ASSERT_TRUE(s.Randomorder() || std::is_sorted(g.Answer.begin(), g.Answer.end())) << g.Answer;
        }
    }
}

TEST(MakecodeTest, FollowsTheDrawsStepByStep) {
    // 6 colours, length 4, any repetition, Random order.  Draws: colour
    // index 0.5*6=3 -> '3'; copies 0.4*4=1 -> 2; positions 0.0 -> '1', 0.99*3=2
    // -> position 4; next colour from "01245": 0.0 -> '0'; copies 0.0 -> 1;
    // position from "23": 0.6*2=1 -> 3; colour 0.99*4 -> '5'; copies 1; position 2.
    const std::vector<double> draws = {0.5, 0.4, 0.0, 0.99, 0.0, 0.0, 0.6, 0.99, 0.0, 0.0};
    size_t next = 0;
    GameState g;
    g.Settings = GameSettings::Make(6, 4, true, 2, 4);
    g.Random = RandomSource([&] { return draws.at(next++); });
    Makecode(g, MakeTarget::Answer);
    EXPECT_EQ(std::pair(g.Answer, next), std::pair(std::string("3503"), draws.size())) << "every draw used";
}

TEST(MakecodeTest, BlankCountIsUniformOverTheRoom) {
    GameState g;
    g.Settings = GameSettings::Make(10, 8, false, 2, 8);
    g.Random = RandomSource(777);
    std::array<int, 6> counts{};
    const int games = 12000;
    for (int n = 0; n < games; ++n) {
        Makecode(g, MakeTarget::Answer);
        ASSERT_LE(g.Answerblanks, 5);
        ++counts[static_cast<size_t>(g.Answerblanks)];
    }
    for (int c : counts) EXPECT_NEAR(c, games / 6, 250);
}

TEST(IsnewguessTest, ThePlayerAndTheComputerCountTrialsDifferently) {
    GameState g;
    g.Record[1].Trialguess = "012";
    g.Record[2].Trialguess = g.Guessstr = "345";
    g.Currenttrial = 2;
    EXPECT_FALSE(Isnewguess(g));
    g.Settings.Who = Guesser::Computer;  // the computer's counter already counts the trial being made
    EXPECT_TRUE(Isnewguess(g));
    g.Currenttrial = 3;
    EXPECT_FALSE(Isnewguess(g));
}

}  // namespace
}  // namespace tallimor
