#include "ui/placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace tallimor {

void Placewhole(QWidget* window, QPoint where) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    // The farthest right and down the frame's corner may go; never past the
    // free area's own corner, even for a window larger than the screen.
    const int right = std::max(area.left(), area.right() + 1 - window->width() - 2 * kBorder);
    const int bottom = std::max(area.top(), area.bottom() + 1 - window->height() - kTitlebar - kBorder);
    window->move(std::clamp(where.x(), area.left(), right), std::clamp(where.y(), area.top(), bottom));
}

}  // namespace tallimor
