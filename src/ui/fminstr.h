#pragma once
// The Brief Instructions window: a fixed text in two sections, printed line
// by line on a light blue picture, and its OK, handed to its owner as every
// OK window's is.

#include "ui/ok_dialog.h"

namespace tallimor {

class Fminstr : public Okdialog {
   public:
    explicit Fminstr(QWidget* parent = nullptr);
};

}  // namespace tallimor
