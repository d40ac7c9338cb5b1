#include "ui/fmabout.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "game/window_captions.h"
#include "ui/logo.h"
#include "ui/panel_widgets.h"
#include "ui/placement.h"

namespace tallimor {

using panel::Q;

Fmabout::Fmabout(QWidget* parent) : Okdialog(parent) {
    setObjectName("Fmabout");
    setWindowTitle(Q(Caption("Fmabout")));
    auto* piclogo = new QLabel(this);
    piclogo->setObjectName("Piclogo");
    piclogo->setPixmap(Logopicture(72));
    piclogo->setGeometry(16, 16, 72, 72);
    auto* lblabout = new QLabel(this);
    lblabout->setObjectName("Lblabout");
    lblabout->setWordWrap(true);
    lblabout->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The version is the application's, set at start from the changelog.
    const QString version = QCoreApplication::applicationVersion();
    lblabout->setText(Q(Caption("Fmmain")) + (version.isEmpty() ? QString() : " " + version) +
                      Q(Caption("Lblabout")));
    // As high as the paragraph needs in the font the system gives.
    lblabout->setGeometry(104, 16, 320, lblabout->heightForWidth(320));
    auto* ok = new QPushButton(Q(Caption("Cmdokabout")), this);
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

}  // namespace tallimor
