#include "rules/code_input.h"

#include <gtest/gtest.h>

namespace tallimor {
namespace {

TEST(TypedInputTest, RefusedKeystrokesRollBackAndSubmitNeedsFullLength) {
    GameSettings s = GameSettings::Make(6, 4, true, 1, 4);
    TypedInput input;
    auto out = input.Txtinput_Change(s, "1");
    EXPECT_TRUE(out.accepted);
    out = input.Txtinput_Change(s, "10");
    EXPECT_FALSE(out.accepted);
    EXPECT_EQ(out.text, "1");
    out = input.Txtinput_Change(s, "1b");
    EXPECT_FALSE(out.accepted) << "no blanks in a fixed length";
    EXPECT_EQ(out.text, "1");
    EXPECT_FALSE(out.submitEnabled);
    EXPECT_TRUE(input.Txtinput_Change(s, "11").accepted);
    EXPECT_FALSE(input.Txtinput_Change(s, "112").submitEnabled);
    out = input.Txtinput_Change(s, "1124");
    EXPECT_TRUE(out.submitEnabled);
    out = input.Txtinput_Change(s, "11245");
    EXPECT_FALSE(out.accepted);
    EXPECT_EQ(out.text, "1124");
    EXPECT_TRUE(out.submitEnabled);
    out = input.Txtinput_Change(s, "112");  // a deletion is a change like any other
    EXPECT_TRUE(out.accepted);
    EXPECT_FALSE(out.submitEnabled);
}

TEST(TypedInputTest, BlanksInAnUnspecifiedLength) {
    GameSettings s = GameSettings::Make(7, 5, false, 2, 1);
    TypedInput input;
    EXPECT_TRUE(input.Txtinput_Change(s, "0b1b2").submitEnabled);
    input.Clear();
    EXPECT_TRUE(input.Txtinput_Change(s, "01bb").accepted);
    auto out = input.Txtinput_Change(s, "01bbb");
    EXPECT_FALSE(out.accepted);
    EXPECT_EQ(out.text, "01bb");
    EXPECT_FALSE(input.Txtinput_Change(s, "01bb1").accepted) << "no repetition";
}

TEST(SubmissionTest, RepeatedGuessesAndTheAnswerAreRefused) {
    GameState g;
    g.Settings = GameSettings::Make(6, 4, true, 2, 4, 1);
    g.Answer = "1123";
    g.Record[1].Trialguess = "0011";
    g.Currenttrial = 1;
    g.Guessstr = "0011";
    EXPECT_EQ(Checksubmission(g, false), Refusal::SameAsPrevious);
    EXPECT_EQ(Refusaltext(Refusal::SameAsPrevious),
              "Hey!  The string you input is the same as a previous one. Input again!");
    g.Guessstr = "1123";
    EXPECT_EQ(Checksubmission(g, false), Refusal::None) << "the player may guess the answer";

    // The player as Codemaker enters the early trials of a middle start.
    g.Settings.Who = 2;
    g.Settings.Starttrial = 4;
    g.Currenttrial = 3;
    EXPECT_EQ(Checksubmission(g, true), Refusal::SameAsAnswer);
    EXPECT_EQ(Refusaltext(Refusal::SameAsAnswer),
              "Hey!  You have input the same string as the answer. Input again!");
    EXPECT_EQ(Checksubmission(g, false), Refusal::None) << "the player marks: no answer known";
    g.Currenttrial = 4;
    EXPECT_EQ(Checksubmission(g, true), Refusal::None);
}

}  // namespace
}  // namespace tallimor
