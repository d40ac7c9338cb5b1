#include "rules/code_string.h"

#include <gtest/gtest.h>

#include <array>
#include <deque>

namespace tallimor {
namespace {

GameSettings Setting(int colours, int length, bool fixed, int order, int repeat) {
    return GameSettings::Make(colours, length, fixed, order, repeat);
}

TEST(SortcodeTest, DigitsAscendingBlanksLast) {
    std::string code = "b3b102";
    Sortcode(code);
    EXPECT_EQ(code, "0123bb");
    code = "9bb";
    Sortcode(code);
    EXPECT_EQ(code, "9bb");
    code = "bbb98";
    Sortcode(code);
    EXPECT_EQ(code, "89bbb");
}

TEST(CheckinputTest, TypedTextRules) {
    const std::string alphabet6 = "012345b";
    GameSettings fixedOrder = Setting(6, 4, true, 1, 4);
    EXPECT_TRUE(Checkinput(fixedOrder, "1", alphabet6));
    EXPECT_FALSE(Checkinput(fixedOrder, "10", alphabet6)) << "out of order in a Fixed order game";
    EXPECT_TRUE(Checkinput(fixedOrder, "01", alphabet6));
    EXPECT_FALSE(Checkinput(fixedOrder, "b", alphabet6)) << "no blanks in a fixed length";
    EXPECT_FALSE(Checkinput(fixedOrder, "01234", alphabet6)) << "longer than the code";
    EXPECT_FALSE(Checkinput(fixedOrder, "016", alphabet6)) << "colour not in play";

    GameSettings unspecified = Setting(7, 5, false, 2, 5);
    const std::string alphabet7 = "0123456b";
    EXPECT_FALSE(Checkinput(unspecified, "01bbb", alphabet7)) << "three blanks exceed the room of two";
    EXPECT_TRUE(Checkinput(unspecified, "0b1b2", alphabet7));
    EXPECT_TRUE(Checkinput(unspecified, "bb", alphabet7));

    GameSettings noRepeat = Setting(10, 4, true, 2, 1);
    EXPECT_TRUE(Checkinput(noRepeat, "93", "0123456789b"));
    EXPECT_FALSE(Checkinput(noRepeat, "933", "0123456789b"));
    GameSettings twice = Setting(10, 5, true, 2, 2);
    EXPECT_TRUE(Checkinput(twice, "3303", "0123456789b") == false);
    EXPECT_TRUE(Checkinput(twice, "3403", "0123456789b"));

    GameSettings fixedOrderBlanks = Setting(8, 6, false, 1, 6);
    EXPECT_TRUE(Checkinput(fixedOrderBlanks, "0117bb", "01234567b"));
    EXPECT_FALSE(Checkinput(fixedOrderBlanks, "01b7", "01234567b")) << "blanks come last";
}

TEST(MakecodeTest, EveryCodeIsValidInEverySetting) {
    RandomSource random(12345);
    for (int colours = 5; colours <= 10; ++colours) {
        for (int length = 3; length <= colours - 2; ++length) {
            for (bool fixed : {true, false}) {
                if (!fixed && length < 4) continue;
                for (int order = 1; order <= 2; ++order) {
                    for (int repeat = 1; repeat <= length; ++repeat) {
                        GameState g;
                        g.Settings = Setting(colours, length, fixed, order, repeat);
                        g.Random = random;
                        for (int n = 0; n < 40; ++n) {
                            Makecode(g, MakeTarget::Answer);
                            ASSERT_TRUE(Isvalidcode(g.Settings, g.Answer))
                                << g.Answer << " colours " << colours << " length " << length;
                            ASSERT_EQ(g.Answerblanks, Countchar(g.Answer, kBlank));
                            std::string sorted = g.Answer;
                            if (order == 1) Sortcode(sorted);
                            ASSERT_EQ(sorted, g.Answer);
                        }
                        random = g.Random;
                    }
                }
            }
        }
    }
}

TEST(MakecodeTest, FollowsTheDrawsStepByStep) {
    // 6 colours, length 4, any repetition, Random order.  Draws: colour
    // index 0.5*6=3 -> '3'; copies 0.4*4=1 -> 2; positions 0.0 -> '1', 0.99*3=2
    // -> position 4; next colour from "01245": 0.0 -> '0'; copies 0.0 -> 1;
    // position from "23": 0.6*2=1 -> 3; colour 0.99*4 -> '5'; copies 1; position 2.
    std::deque<double> draws = {0.5, 0.4, 0.0, 0.99, 0.0, 0.0, 0.6, 0.99, 0.0, 0.0};
    GameState g;
    g.Settings = Setting(6, 4, true, 2, 4);
    g.Random = RandomSource([&] {
        double d = draws.front();
        draws.pop_front();
        return d;
    });
    Makecode(g, MakeTarget::Answer);
    EXPECT_EQ(g.Answer, "3503");
    EXPECT_TRUE(draws.empty());
}

TEST(MakecodeTest, BlankCountIsUniformOverTheRoom) {
    GameState g;
    g.Settings = Setting(10, 8, false, 2, 8);
    g.Random = RandomSource(777);
    std::array<int, 6> counts{};
    const int games = 12000;
    for (int n = 0; n < games; ++n) {
        Makecode(g, MakeTarget::Answer);
        ASSERT_LE(g.Answerblanks, 5);
        ++counts[static_cast<size_t>(g.Answerblanks)];
    }
    for (int c : counts) {
        EXPECT_GT(c, games / 6 - 250);
        EXPECT_LT(c, games / 6 + 250);
    }
}

TEST(MakecodeTest, RandomGuessDiffersFromAnswerAndEarlierGuesses) {
    GameState g;
    g.Settings = Setting(5, 3, true, 1, 1);  // only 10 codes in all
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
    g.Record[2].Trialguess = "345";
    g.Guessstr = "345";
    g.Currenttrial = 2;
    g.Settings.Who = 1;
    EXPECT_FALSE(Isnewguess(g));
    g.Settings.Who = 2;  // the computer's counter already counts the trial being made
    EXPECT_TRUE(Isnewguess(g));
    g.Currenttrial = 3;
    EXPECT_FALSE(Isnewguess(g));
}

}  // namespace
}  // namespace tallimor
