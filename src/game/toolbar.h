#pragma once
// The toolbar: thirteen buttons, each standing for a menu command and
// offered exactly when the menus offer that command.

#include <array>
#include <string_view>

#include "game/main_view.h"

namespace tallimor {

constexpr int kToolbuttons = 13;

// The tool tip of button `index` (1 to 13).  Button 7 names what a press does
// to the animation, so it reads by whether the animation is on.
std::string_view Tooltip(int index, bool animationOn = true);

// Which buttons can be pressed (entries 1 to 13; entry 0 is unused).  A
// button follows its menu item and the menu that holds it, since the toolbar
// must never offer what the menus refuse.  The music button stays off: the
// program has no music.
std::array<bool, kToolbuttons + 1> Settlb(const Menustate& menus);

// Which buttons stand pressed (entries 1 to 13): the animation button while
// the animation is on, and of the four option buttons the input method and
// the display mode in force, as the menus' check marks say.
std::array<bool, kToolbuttons + 1> Toolbarpressed(bool keyboard, Displaymode display, bool animationOn);

}  // namespace tallimor
