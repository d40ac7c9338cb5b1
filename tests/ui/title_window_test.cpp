// Start-up: the screen and single-instance checks, and the title window's
// designer switch, which only Ctrl+Alt with the right button on the credit
// opens, and whose countdown waits while the password is asked.

#include <QInputDialog>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "ui/fmtitle.h"
#include "ui/startup.h"

using namespace tallimor;

class TitleWindowTest : public QObject {
    Q_OBJECT

   private slots:
    void onlyTheWidthIsChecked() {
        QVERIFY(Wideenough(800));  // whatever the height, 480 included
        QVERIFY(!Wideenough(799));
    }

    void aSecondHolderOfTheInstanceLockIsRefusedWhileTheFirstHoldsIt() {
        QTemporaryDir dir;
        const QString path = dir.filePath("tallimor.lock");
        {
            const Instancelock first(path);
            QVERIFY(!first.Refused());
            QVERIFY(Instancelock(path).Refused());
        }
        QVERIFY(!Instancelock(path).Refused());
    }

    void theDesignersClickAsksForThePasswordAndAWrongOneRestartsTheCountdown() {
        Fmtitle title;
        QSignalSpy started(&title, &Fmtitle::Started);
        title.show();
        auto* credit = title.findChild<QLabel*>("Lbldesign");
        auto* countdown = title.findChild<QTimer*>("Tmrtitle");
        auto inputbox = [&]() -> QInputDialog* {
            for (QInputDialog* box : title.findChildren<QInputDialog*>())
                if (box->isVisible()) return box;
            return nullptr;
        };
        const auto ctrlalt = Qt::ControlModifier | Qt::AltModifier;
        for (const auto& [button, modifiers] :
             {std::pair(Qt::RightButton, ctrlalt | Qt::ShiftModifier), std::pair(Qt::LeftButton, ctrlalt),
              std::pair(Qt::RightButton, Qt::KeyboardModifiers(Qt::ControlModifier))}) {
            QTest::mouseClick(credit, button, modifiers);
            QVERIFY(!inputbox() && countdown->isActive() && title.isVisible());
        }
        // The countdown is a coarse timer, within 5% of its 5 seconds.
        QTest::qWait(800);
        QVERIFY(countdown->remainingTime() < 4600);

        QTest::mouseClick(credit, Qt::RightButton, ctrlalt);
        QVERIFY(inputbox() && !countdown->isActive());
        QCOMPARE(inputbox()->labelText(), QString("Input password"));
        inputbox()->setTextValue("583017");
        inputbox()->accept();
        QVERIFY(countdown->isActive() && countdown->remainingTime() > 4700);
        QVERIFY(title.isVisible() && started.isEmpty());

        QTest::mouseClick(credit, Qt::RightButton, ctrlalt);
        inputbox()->setTextValue("583016");
        inputbox()->accept();
        QVERIFY(!title.isVisible() && !countdown->isActive());
        QCOMPARE(started.count(), 1);
        QCOMPARE(started.first().first().toBool(), true);
    }

    void aClickOnTheBackgroundStartsWithoutDesignerMode() {
        Fmtitle title;
        QSignalSpy started(&title, &Fmtitle::Started);
        title.show();
        QTest::mouseClick(title.findChild<QLabel*>("Lblstart"), Qt::LeftButton);
        QVERIFY(started.isEmpty());
        QTest::mouseClick(&title, Qt::LeftButton, {}, QPoint(6, 6));
        QCOMPARE(started.count(), 1);
        QCOMPARE(started.first().first().toBool(), false);
    }
};

QTEST_MAIN(TitleWindowTest)
#include "title_window_test.moc"
