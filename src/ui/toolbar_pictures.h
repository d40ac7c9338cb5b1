#pragma once
// The pictures of the 13 toolbar buttons: vector pictograms, each drawn at
// the sizes a toolbar uses on ordinary and high-density screens.

#include <QIcon>
#include <QImage>

namespace tallimor {

// The picture of toolbar button `index` (1 to 13: settings, new game, load,
// save, end game, music, animation, demo, mouse input, keyboard input,
// colour display, number display, quit); a null icon for any other index.
// The style greys it out for a disabled button.
QIcon Toolbarpicture(int index);

// The picture of button `index` (1 to 13) alone, `side` pixels square, on a
// transparent ground: one of the sizes the icon above holds.
QImage Toolbarimage(int index, int side);

}  // namespace tallimor
