#pragma once
// Where the windows opened over the main window stand: each has its own
// place on the screen, and is moved in from there as far as it must to stay
// whole on the screen, the window manager's frame included.

#include <QPoint>

class QWidget;

namespace tallimor {

// Room kept for the frame the window manager puts round a window.
constexpr int kTitlebar = 30;  // above it
constexpr int kBorder = 4;     // at its sides and below it

// Moves `window` (not yet shown, its size set) so that its frame's top-left
// corner is at `where`, or as near to it as keeps it on its screen's free area.
void Placewhole(QWidget* window, QPoint where);

}  // namespace tallimor
