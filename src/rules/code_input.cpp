#include "rules/code_input.h"

#include "rules/code_string.h"

namespace tallimor {

TypedInput::Outcome TypedInput::Txtinput_Change(const GameSettings& s, const std::string& text) {
    Outcome out;
    out.why = Whyrefused(s, text, Colourdigits(s) + kBlank);
    out.accepted = out.why == Inputrefusal::None;
    if (out.accepted) Lastinput = text;
    out.text = Lastinput;
    out.submitEnabled = Lastinput.size() == static_cast<size_t>(s.Codelength);
    return out;
}

Refusal Checksubmission(const GameState& g, bool markingByComputer) {
    if (g.Settings.Computerguesses() && g.Currenttrial <= g.Settings.Starttrial - 1 && markingByComputer &&
        g.Guessstr == g.Answer)
        return Refusal::SameAsAnswer;
    if (!Isnewguess(g)) return Refusal::SameAsPrevious;
    return Refusal::None;
}

std::string Refusaltext(Refusal r) {
    switch (r) {
        case Refusal::SameAsAnswer:
            return "Hey!  You have input the same string as the answer. Input again!";
        case Refusal::SameAsPrevious:
            return "Hey!  The string you input is the same as a previous one. Input again!";
        case Refusal::None:
            break;
    }
    return "";
}

}  // namespace tallimor
