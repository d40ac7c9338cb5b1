// Start-up: one instance of the executable a user, a screen wide enough,
// then the main window built hidden behind the title, which reveals it when
// it goes.

#include <QApplication>
#include <QMessageBox>
#include <QScreen>

#include "ui/fmmain.h"
#include "ui/fmtitle.h"
#include "ui/startup.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tallimor");
    using namespace tallimor;

    const Instancelock lock(Instancelockpath());
    if (lock.Refused()) {
        QMessageBox::critical(nullptr, "Tallimor", Secondinstancetext());
        return 1;
    }
    // The window is laid out in the screen's own (device-independent) pixels.
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || !Wideenough(screen->geometry().width())) {
        QMessageBox::critical(nullptr, "Tallimor", Narrowscreentext());
        return 1;
    }

    Fmmain window;  // its load ends on the idle screen
    Fmtitle title;
    QObject::connect(&title, &Fmtitle::Started, &window, [&window](bool designer) {
        if (designer) window.Setdesigner();
        window.show();
    });
    title.show();
    return QApplication::exec();
}
