#include "ui/fmmain.h"

#include <QLabel>

namespace tallimor {

Fmmain::Fmmain(QWidget* parent) : QMainWindow(parent) {
    setObjectName("Fmmain");
    setWindowTitle("Tallimor");
    auto* Picfore = new QLabel(this);
    Picfore->setObjectName("Picfore");
    Picfore->setAlignment(Qt::AlignCenter);
    Picfore->setText("Tallimor");
    setCentralWidget(Picfore);
    resize(800, 560);
}

}  // namespace tallimor
