#include "rules/code_string.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <tuple>

#include "rules/every_setting.h"

namespace tallimor {
namespace {

TEST(SortcodeTest, DigitsAscendingBlanksLast) {
    for (auto [code, sorted] :
         {std::pair<std::string, std::string>{"b3b102", "0123bb"}, {"9bb", "9bb"}, {"bbb98", "89bbb"}}) {
        Sortcode(code);
        EXPECT_EQ(code, sorted);
    }
}

TEST(CheckinputTest, TypedTextRules) {
    const GameSettings settings[] = {
        GameSettings::Make(6, 4, true, 1, 4), GameSettings::Make(7, 5, false, 2, 5),
        GameSettings::Make(10, 4, true, 2, 1), GameSettings::Make(10, 5, true, 2, 2),
        GameSettings::Make(8, 6, false, 1, 6)};
    // Setting, text, valid.  Fixed order: "10" is out of order, blanks come
    // last.  No blanks in a fixed length, nothing longer than the code, no
    // colour not in play; three blanks exceed a room of two.
    const std::vector<std::tuple<int, const char*, bool>> cases = {
        {0, "1", true},    {0, "10", false},    {0, "01", true},    {0, "b", false},     {0, "01234", false},
        {0, "016", false}, {1, "01bbb", false}, {1, "0b1b2", true}, {1, "bb", true},     {2, "93", true},
        {2, "933", false}, {3, "3303", false},  {3, "3403", true},  {4, "0117bb", true}, {4, "01b7", false}};
    for (const auto& [setting, text, valid] : cases) {
        const GameSettings& s = settings[setting];
        const std::string alphabet =
            std::string("0123456789").substr(0, static_cast<size_t>(s.Colours)) + "b";
        EXPECT_EQ(Checkinput(s, text, alphabet), valid) << text << " in setting " << setting;
    }
}

TEST(MakecodeTest, EveryCodeIsValidInEverySetting) {
    GameState g;
    g.Random.Seed(12345);
    for (const GameSettings& s : Everysetting(5, 10)) {
        g.Settings = s;
        for (int n = 0; n < 40; ++n) {
            Makecode(g, MakeTarget::Answer);
            ASSERT_TRUE(Isvalidcode(s, g.Answer)) << g.Answer << " colours " << s.Colours;
            ASSERT_EQ(g.Answerblanks, Countchar(g.Answer, kBlank));
            ASSERT_TRUE(s.randomOrder() || std::is_sorted(g.Answer.begin(), g.Answer.end())) << g.Answer;
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
    EXPECT_EQ(g.Answer, "3503");
    EXPECT_EQ(next, draws.size());
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

TEST(MakecodeTest, RandomGuessDiffersFromAnswerAndEarlierGuesses) {
    GameState g;
    g.Settings = GameSettings::Make(5, 3, true, 1, 1);  // only 10 codes in all
    g.Random = RandomSource(99);
    Makecode(g, MakeTarget::Answer);
    for (int t = 1; t <= 9; ++t) {
        g.Currenttrial = static_cast<int16_t>(t);
        Makecode(g, MakeTarget::Guessstr);
        ASSERT_NE(g.Guessstr, g.Answer);
        for (int earlier = 1; earlier < t; ++earlier) ASSERT_NE(g.Record[earlier].Trialguess, g.Guessstr);
        g.Record[t].Trialguess = g.Guessstr;
    }
}

TEST(IsnewguessTest, ThePlayerAndTheComputerCountTrialsDifferently) {
    GameState g;
    g.Record[1].Trialguess = "012";
    g.Record[2].Trialguess = g.Guessstr = "345";
    g.Currenttrial = 2;
    EXPECT_FALSE(Isnewguess(g));
    g.Settings.Who = 2;  // the computer's counter already counts the trial being made
    EXPECT_TRUE(Isnewguess(g));
    g.Currenttrial = 3;
    EXPECT_FALSE(Isnewguess(g));
}

}  // namespace
}  // namespace tallimor
