#pragma once
// The guess panel's word on an input it refused, and the Colour Panel's tool
// tips: the one place these texts live, so every front end shows the same.

#include <string>

#include "rules/code_string.h"
#include "rules/game_settings.h"

namespace tallimor {

// One short line on why the input was refused ("" for none).  `keyboard`:
// the guess is being typed rather than placed with the mouse.
std::string Refusalline(Inputrefusal why, const GameSettings& s, bool keyboard);

// The tool tip of a colour of the Colour Panel while a guess is entered: why
// it cannot be taken now, or "" when it can.  `rowFull`: no position is empty.
std::string Colourtip(const GameSettings& s, bool keyboard, bool hasBorder, bool rowFull);

}  // namespace tallimor
