#include "ui/ok_dialog.h"

#include <QCloseEvent>

namespace tallimor {

void Okdialog::closeEvent(QCloseEvent* event) {
    // The close box is the window's OK: the owner closes it.
    event->ignore();
    emit Okpressed();
}

}  // namespace tallimor
