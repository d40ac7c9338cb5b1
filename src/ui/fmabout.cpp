#include "ui/fmabout.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "ui/logo.h"
#include "ui/placement.h"

namespace tallimor {

Fmabout::Fmabout(QWidget* parent) : QDialog(parent) {
    setObjectName("Fmabout");
    setWindowTitle("About Tallimor");
    auto* piclogo = new QLabel(this);
    piclogo->setObjectName("Piclogo");
    piclogo->setPixmap(Logopicture(72));
    piclogo->setGeometry(16, 16, 72, 72);
    auto* lblabout = new QLabel(this);
    lblabout->setObjectName("Lblabout");
    lblabout->setWordWrap(true);
    lblabout->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblabout->setText(
        "Tallimor, a game of breaking colour codes, written by the Tallimor developers. "
        "You may play it with the computer in either role, or watch it play against itself. "
        "The program may be copied and passed on freely, as long as it is not changed "
        "and nothing is charged for it; it comes with no warranty of any kind.");
    // As high as the paragraph needs in the font the system gives.
    lblabout->setGeometry(104, 16, 320, lblabout->heightForWidth(320));
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("Cmdokabout");
    ok->setDefault(true);
    ok->setGeometry(172, std::max(piclogo->geometry().bottom(), lblabout->geometry().bottom()) + 16, 96, 30);
    setFixedSize(440, ok->geometry().bottom() + 15);
    connect(ok, &QPushButton::clicked, this, &Fmabout::Okpressed);
    // A quarter of the way down and across the screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        Placewhole(this, {area.left() + area.width() / 4, area.top() + area.height() / 4});
    }
}

void Fmabout::closeEvent(QCloseEvent* event) {
    // The close box is the window's OK: the owner closes it.
    event->ignore();
    emit Okpressed();
}

}  // namespace tallimor
