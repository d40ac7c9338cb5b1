#pragma once
// The program's two mouse cursors, read from the cursor files of its folder:
// "Icon/Wait04.cur" while the computer thinks, "Icon/H_point.cur" over the
// colour and guess panels and while a position is dragged.

#include <QCursor>
#include <QString>

namespace tallimor {

enum class Cursorkind { Wait, Point };

// The cursor of `kind` from `programFolder` (ending in "/"), with the hot
// spot its file names; the system's cursor of that kind when the file is
// missing, damaged or names a hot spot outside its picture.
QCursor Programcursor(const QString& programFolder, Cursorkind kind);

}  // namespace tallimor
