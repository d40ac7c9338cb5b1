// The About window names the version the program was started with (the
// changelog's, set at start) and the licence the program is under.

#include <QCoreApplication>
#include <QLabel>
#include <QtTest>

#include "ui/fmabout.h"

using namespace tallimor;

class AboutWindowTest : public QObject {
    Q_OBJECT

   private slots:
    void theCreditNamesTheVersionAndTheLicence() {
        QCoreApplication::setApplicationVersion("7.3");
        Fmabout about;
        const auto* label = about.findChild<QLabel*>("Lblabout");
        QVERIFY(label);
        QVERIFY2(label->text().startsWith("Tallimor 7.3, "), qPrintable(label->text()));
        QVERIFY(label->text().contains("GNU General Public License, version 3 or later"));
        // The whole paragraph fits above the OK button.
        const auto* ok = about.findChild<QWidget*>("Cmdokabout");
        QVERIFY(ok && label->geometry().bottom() < ok->geometry().top());
        QVERIFY(label->heightForWidth(label->width()) <= label->height());
    }
};

QTEST_MAIN(AboutWindowTest)
#include "about_window_test.moc"
