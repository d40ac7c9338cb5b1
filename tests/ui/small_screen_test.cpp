// The program accepts an 800 x 600 screen, so every window must be whole on
// it, under a title bar: the test runs on an offscreen screen of that size.

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/fmabout.h"
#include "ui/fmfiles.h"
#include "ui/fminstr.h"
#include "ui/fmmain.h"
#include "ui/fmmessage.h"
#include "ui/fmstat.h"
#include "ui/fmtitle.h"
#include "ui/placement.h"

using namespace tallimor;

namespace {

// The screen the window manager leaves free on the smallest screen the program accepts.
const QRect kScreen(0, 0, 800, 600);

// Names the controls that stick out of the panel they belong to.
QStringList Outside(const QWidget* panel) {
    QStringList out;
    for (const QWidget* child : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow()) continue;
        if (!panel->rect().contains(child->geometry())) out << child->objectName();
        out << Outside(child);
    }
    return out;
}

}  // namespace

class SmallScreenTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;

   private slots:
    void theMainWindowIsWholeUnderATitleBarAndKeepsTheRecordReadable() {
        QCOMPARE(QGuiApplication::primaryScreen()->geometry(), kScreen);
        Fmmain w(folder_.path());
        w.Setdesigner();  // the Game Setting Menu at its tallest, with the designer's buttons
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY2(w.width() <= 800 && w.height() <= 570,
                 qPrintable(QString("%1 x %2").arg(w.width()).arg(w.height())));
        // The status bar is in the window, and every panel's controls are in their panel.
        const QWidget* central = w.centralWidget();
        QVERIFY(w.rect().contains(w.statusBar()->geometry()));
        QVERIFY2(Outside(central).isEmpty(), qPrintable(Outside(central).join(", ")));

        // The status bar holds every line of the texts it shows.
        auto* status = w.findChild<QLabel*>("Stbmenu");
        for (auto step : {+[](Tallimormod&) {}, +[](Tallimormod& m) { m.Mnuset_Click(); },
                          +[](Tallimormod& m) { m.Mnuinstr_Click(); }}) {
            step(w.Module());
            w.Render();
            QVERIFY2(status->heightForWidth(status->width()) <= status->height(), qPrintable(status->text()));
        }
        // In a game, the setting's eight lines fit their frame.
        w.Module().Mnunew_Click();
        w.Render();
        for (const char* name : {"Lblsettitle", "Lblsetcontent"}) {
            auto* label = w.findChild<QLabel*>(name);
            QVERIFY2(label->text().count('\n') == 7 && label->sizeHint().height() <= label->height(), name);
        }

        // Each of the 27 rows is at least a line of its trial number's text high, and the last one is whole.
        auto* record = w.findChild<RecordBoard*>("Picrecord");
        const int pitch = record->Guessbox(2, 0).y() - record->Guessbox(1, 0).y();
        QFont small = record->font();
        small.setPointSize(8);
        QVERIFY2(pitch >= QFontMetrics(small).height(), qPrintable(QString::number(pitch)));
        QVERIFY(record->Guessbox(kLastTrial, 0).y() + pitch / 2 <= record->height());
    }

    void everyOtherWindowIsWholeWhereItStands() {
        QWidget owner;
        Fminstr instr(&owner);
        QCoreApplication::setApplicationVersion("7.3");
        Fmabout about(&owner);
        Fmtitle title;
        Fmmessage box(folder_.path() + "/", &owner);
        box.Messagebox(3, '!', "", "Save File", "Change Display", "End", "", Msgbutton::Cmdr3, "Win", "Win");
        Fmfiles files([](const std::function<void(Tallimormod&)>&) {}, &owner);
        Fmstat statistics(&owner);  // placed by the system: only its size is the program's
        // Each with the frame a window manager puts round it, where it stands.
        for (const QWidget* w :
             std::initializer_list<const QWidget*>{&instr, &about, &title, &box, &files, &statistics})
            QVERIFY2(
                kScreen.contains(QRect(w->pos(), w->size()).adjusted(0, 0, 2 * kBorder, kTitlebar + kBorder)),
                qPrintable(w->objectName()));

        // The About text names the version, whole above its OK button.
        const auto* label = about.findChild<QLabel*>("Lblabout");
        QVERIFY2(label->text().startsWith("Tallimor 7.3, "), qPrintable(label->text()));
        QVERIFY(label->geometry().bottom() < about.findChild<QWidget*>("Cmdokabout")->geometry().top() &&
                label->heightForWidth(label->width()) <= label->height());
    }

    void aWindowTooLowOrTooFarRightIsMovedInJustEnough() {
        QWidget w;
        w.resize(300, 200);
        for (const auto& [asked, placed] : {std::pair{QPoint(100, 50), QPoint(100, 50)},
                                            {QPoint(700, 50), QPoint(800 - 300 - 2 * kBorder, 50)},
                                            {QPoint(100, 500), QPoint(100, 600 - 200 - kTitlebar - kBorder)},
                                            {QPoint(-20, -5), QPoint(0, 0)}}) {
            Placewhole(&w, asked);
            QCOMPARE(w.pos(), placed);
        }
        w.resize(900, 700);  // larger than the screen: its corner stays on it
        Placewhole(&w, QPoint(50, 50));
        QCOMPARE(w.pos(), QPoint(0, 0));
    }
};

int main(int argc, char** argv) {
    // An offscreen screen of 800 x 600 pixels at the usual density.
    QTemporaryDir dir;
    QFile config(dir.filePath("screen.json"));
    if (!config.open(QIODevice::WriteOnly) ||
        config.write(R"({"synchronousWindowSystemEvents": true, "windowFrameMargins": false, )"
                     R"("screens": [{"name": "small", "x": 0, "y": 0, "width": 800, "height": 600, )"
                     R"("logicalDpi": 96, "logicalBaseDpi": 96}]})") < 0)
        return 1;
    config.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config.fileName()).toUtf8());
    QApplication app(argc, argv);
    SmallScreenTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "small_screen_test.moc"
