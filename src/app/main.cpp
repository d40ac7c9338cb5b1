// Start-up: the command line's --help and --version, then one instance of
// the executable a user, a screen wide enough, the folder for records and
// saved games, and the main window built hidden behind the title, which
// reveals it when it goes.

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QScreen>
#include <QTemporaryDir>
#include <cstdio>

#include "command_line.h"
#include "ui/fmmain.h"
#include "ui/fmtitle.h"
#include "ui/startup.h"

int main(int argc, char* argv[]) {
    using namespace tallimor;
    // Answered without a window, so they work where there is no display.
    if (const auto text = Commandlinetext(argc, argv)) {
        std::fputs(text->c_str(), stdout);
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName("Tallimor");
    QApplication::setApplicationVersion(TALLIMOR_VERSION);
    // Docks and task switchers find the menu entry's name and icon by this.
    QGuiApplication::setDesktopFileName("org.example.tallimor");
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QString(":/icons/%1x%1/tallimor.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);

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

    // Without a folder to keep them in, records and saved games live in a
    // folder of this run's own, and the player is told so once the window shows.
    const QString programFolder = Programfolder();
    const Datafolder data = Choosedatafolder(programFolder);
    QTemporaryDir scratch;
    QString records = data.folder;
    if (records.isEmpty() && scratch.isValid()) {
        records = scratch.path() + "/";
        Seedrecords(programFolder, records);
    }
    // Not even a temporary folder: writes go where they fail and are reported.
    if (records.isEmpty()) records = data.tried.isEmpty() ? "/nonexistent/Tallimor/" : data.tried;

    Fmmain window(programFolder, {}, nullptr, records);  // its load ends on the idle screen
    Fmtitle title;
    const bool kept = !data.folder.isEmpty();
    QObject::connect(&title, &Fmtitle::Started, &window, [&window, kept, tried = data.tried](bool designer) {
        if (designer) window.Setdesigner();
        window.show();
        if (!kept) {
            window.Module().Nohome(tried.toStdString());
            window.Render();
        }
    });
    title.show();
    return QApplication::exec();
}
