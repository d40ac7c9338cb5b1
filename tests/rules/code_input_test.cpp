#include "rules/code_input.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace tallimor {
namespace {

// Each keystroke: the text typed, then whether it is kept, what the box holds
// and whether submitting is offered.  A refused keystroke leaves the last good
// text; a deletion is a change like any other.
TEST(TypedInputTest, RefusedKeystrokesRollBackAndSubmitNeedsFullLength) {
    using Step = std::tuple<std::string, bool, std::string, bool>;
    const std::vector<Step> fixed = {
        {"1", true, "1", false},      {"10", false, "1", false},      {"1b", false, "1", false},
        {"11", true, "11", false},    {"112", true, "112", false},    {"1126", false, "112", false},
        {"1124", true, "1124", true}, {"11245", false, "1124", true}, {"112", true, "112", false}};
    const std::vector<Step> unspecified = {{"0b1b2", true, "0b1b2", true},
                                           {"01bb", true, "01bb", false},
                                           {"01bbb", false, "01bb", false},
                                           {"01bb1", false, "01bb", false}};
    for (const auto& [s, steps] : {std::pair(GameSettings::Make(6, 4, true, 1, 4), fixed),
                                   std::pair(GameSettings::Make(7, 5, false, 2, 1), unspecified)}) {
        TypedInput input;
        for (const Step& step : steps) {
            const auto out = input.Txtinput_Change(s, std::get<0>(step));
            EXPECT_EQ(Step(std::get<0>(step), out.accepted, out.text, out.submitEnabled), step);
        }
    }
}

TEST(SubmissionTest, RepeatedGuessesAndTheAnswerAreRefused) {
    GameState g;
    g.Settings = GameSettings::Make(6, 4, true, 2, 4, 1);
    g.Answer = "1123";
    g.Record[1].Trialguess = g.Guessstr = "0011";
    g.Currenttrial = 1;
    EXPECT_EQ(Checksubmission(g, false), Refusal::SameAsPrevious);
    g.Guessstr = "1123";
    EXPECT_EQ(Checksubmission(g, false), Refusal::None) << "the player may guess the answer";
    // The player as Codemaker enters the early trials of a middle start.
    g.Settings.Who = 2;
    g.Settings.Starttrial = 4;
    g.Currenttrial = 3;
    EXPECT_EQ(Checksubmission(g, true), Refusal::SameAsAnswer);
    EXPECT_EQ(Checksubmission(g, false), Refusal::None) << "the player marks: no answer known";
    g.Currenttrial = 4;
    EXPECT_EQ(Checksubmission(g, true), Refusal::None);

    EXPECT_EQ(Refusaltext(Refusal::SameAsPrevious),
              "Hey!  The string you input is the same as a previous one. Input again!");
    EXPECT_EQ(Refusaltext(Refusal::SameAsAnswer),
              "Hey!  You have input the same string as the answer. Input again!");
    EXPECT_EQ(Refusaltext(Refusal::None), "");
}

}  // namespace
}  // namespace tallimor
