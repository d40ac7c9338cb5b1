#pragma once
// The program's logo: a row of colour boxes over the black and white hint
// boxes that answer it, on a wooden board.  The Help windows show it.

#include <QPixmap>

namespace tallimor {

QPixmap Logopicture(int side);

}  // namespace tallimor
