#pragma once
// The checks on a code the player types or submits.

#include <string>

#include "rules/code_string.h"
#include "rules/game_state.h"

namespace tallimor {

// The typed-input filter: a keystroke that would make the text invalid is
// undone, and the submit button is offered only at full length.
class TypedInput {
   public:
    struct Outcome {
        std::string text;  // what the text box holds after the change
        bool accepted = false;
        bool submitEnabled = false;             // also the default button when enabled
        Inputrefusal why = Inputrefusal::None;  // of a refused keystroke
    };

    Outcome Txtinput_Change(const GameSettings& s, const std::string& text);
    void Clear() { Lastinput.clear(); }
    const std::string& Last() const { return Lastinput; }

   private:
    std::string Lastinput;
};

// Why a submitted guess is refused.
enum class Refusal { None, SameAsAnswer, SameAsPrevious };

// `markingByComputer`: the player, as Codemaker, let the computer mark.
Refusal Checksubmission(const GameState& g, bool markingByComputer);
// The "Hey!" message of a refusal ("" for none).
std::string Refusaltext(Refusal r);

}  // namespace tallimor
