#pragma once
// The About window: the logo, a paragraph of credit and notice, and OK,
// handed to its owner as every OK window's is.

#include "ui/ok_dialog.h"

namespace tallimor {

class Fmabout : public Okdialog {
   public:
    explicit Fmabout(QWidget* parent = nullptr);
};

}  // namespace tallimor
