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
    // Fixed order, any repetition: out of order, a blank in a fixed length, a
    // colour not in play and one too many are refused.
    const std::vector<Step> fixed = {
        {"1", true, "1", false},      {"10", false, "1", false},      {"1b", false, "1", false},
        {"11", true, "11", false},    {"112", true, "112", false},    {"1126", false, "112", false},
        {"1124", true, "1124", true}, {"11245", false, "1124", true}, {"112", true, "112", false}};
    // Up to two blanks, which may come first; no repetition.
    const std::vector<Step> unspecified = {{"bb", true, "bb", false},
                                           {"0b1b2", true, "0b1b2", true},
                                           {"01bb", true, "01bb", false},
                                           {"01bbb", false, "01bb", false},
                                           {"01bb1", false, "01bb", false}};
    // No repetition; at most two copies.
    const std::vector<Step> once = {{"93", true, "93", false}, {"933", false, "93", false}};
    const std::vector<Step> twice = {{"330", true, "330", false}, {"3303", false, "330", false}};
    // Fixed order with blanks: the blanks come last.
    const std::vector<Step> blanksLast = {{"0117bb", true, "0117bb", true}, {"01b7", false, "0117bb", true}};
    for (const auto& [s, steps] : {std::pair(GameSettings::Make(6, 4, true, 1, 4), fixed),
                                   std::pair(GameSettings::Make(7, 5, false, 2, 1), unspecified),
                                   std::pair(GameSettings::Make(10, 4, true, 2, 1), once),
                                   std::pair(GameSettings::Make(10, 5, true, 2, 2), twice),
                                   std::pair(GameSettings::Make(8, 6, false, 1, 6), blanksLast)}) {
        TypedInput input;
        for (const Step& step : steps) {
            const auto out = input.Txtinput_Change(s, std::get<0>(step));
            EXPECT_EQ(Step(std::get<0>(step), out.accepted, out.text, out.submitEnabled), step);
        }
    }
}

// Repeats, guesses of the answer and both refusal texts are met in the flow
// tests; here the early trials of a middle start the Codemaker enters.
TEST(SubmissionTest, OnlyTheEarlyTrialsTheCodemakerEntersMayNotBeTheAnswer) {
    GameState g;
    g.Settings = GameSettings::Make(6, 4, true, 2, 4, 2);
    g.Settings.Starttrial = 4;
    g.Answer = g.Guessstr = "1123";
    g.Currenttrial = 3;
    EXPECT_EQ(Checksubmission(g, true), Refusal::SameAsAnswer);
    EXPECT_EQ(Checksubmission(g, false), Refusal::None) << "the player marks: no answer known";
    g.Currenttrial = 4;
    EXPECT_EQ(Checksubmission(g, true), Refusal::None);
}

}  // namespace
}  // namespace tallimor
