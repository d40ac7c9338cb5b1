// What the program sets up as it starts: the data folder (an installed
// program folder is never written, even by root), the screen and
// single-instance checks, the title window, the cursors and toolbar pictures.

#include "ui/startup.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "ui/cursors.h"
#include "ui/fmtitle.h"
#include "ui/toolbar_pictures.h"

using namespace tallimor;

namespace {

void Writefile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray Readfile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every path under `folder` with its size, to see that nothing was added or changed.
QStringList Contents(const QString& folder) {
    QStringList all;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) all << it.next() + " " + QString::number(it.fileInfo().size());
    all.sort();
    return all;
}

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT

    QTemporaryDir root_;
    QString program_;  // an installed program folder with its seeded records
    QByteArray home_, xdg_;

   private slots:
    void init() {
        home_ = qgetenv("HOME");
        xdg_ = qgetenv("XDG_DATA_HOME");
        program_ = root_.filePath("lib/games/tallimor/");
        Writefile(program_ + "Winners/Winners5", "five");
        Writefile(program_ + "Winners/Winners10", "ten");
        Writefile(program_ + "Icon/Wait04.cur", "cursor");
        qunsetenv("XDG_DATA_HOME");
        qputenv("HOME", root_.filePath("ann").toUtf8());
    }
    void cleanup() {
        qputenv("HOME", home_);
        xdg_.isNull() ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", xdg_);
        QDir(root_.path()).removeRecursively();
        QDir().mkpath(root_.path());
    }

    void aBuildFolderKeepsEverythingInItself() {
        Writefile(program_ + "CMakeCache.txt", "");
        qputenv("XDG_DATA_HOME", root_.filePath("xdg").toUtf8());
        QVERIFY(Isbuildfolder(program_));
        const Datafolder data = Choosedatafolder(program_.chopped(1));  // with or without the "/"
        QCOMPARE(data.folder, program_);
        QVERIFY(!QFileInfo::exists(root_.filePath("xdg")) && !QFileInfo::exists(root_.filePath("ann")));
    }

    void anInstalledFolderIsNeverWrittenAndTheHomeDataFolderIsSeededOnce() {
        QVERIFY(!Isbuildfolder(program_));
        const QStringList before = Contents(program_);
        const QString expected = root_.filePath("ann/.local/share/Tallimor/");
        QCOMPARE(Choosedatafolder(program_).folder, expected);
        QCOMPARE(Readfile(expected + "Winners/Winners5") + Readfile(expected + "Winners/Winners10"),
                 QByteArray("fiveten"));
        QCOMPARE(Contents(program_), before);  // writable here, yet untouched
        // The player's own records are never replaced by the seeded ones.
        Writefile(expected + "Winners/Winners5", "mine");
        QFile::remove(expected + "Winners/Winners10");
        QCOMPARE(Choosedatafolder(program_).folder, expected);
        QCOMPARE(Readfile(expected + "Winners/Winners5"), QByteArray("mine"));
        QVERIFY(!QFileInfo::exists(expected + "Winners/Winners10"));
        QCOMPARE(QDir(expected).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{"Winners"});  // the probe of writing leaves nothing behind
    }

    void anAbsoluteXdgDataHomeComesBeforeHomeAndARelativeOneIsIgnored() {
        qputenv("XDG_DATA_HOME", root_.filePath("xdg/").toUtf8());
        QCOMPARE(Choosedatafolder(program_).folder, root_.filePath("xdg/Tallimor/"));
        qputenv("XDG_DATA_HOME", "relative/share");
        QCOMPARE(Choosedatafolder(program_).folder, root_.filePath("ann/.local/share/Tallimor/"));
    }

    void aDataFolderThatCannotBeMadeIsNamedAsTriedAndWithoutAHomeNoneIs() {
        // A file where the folder should be stops root as well as anyone.
        Writefile(root_.filePath("ann/.local"), "not a folder");
        Datafolder data = Choosedatafolder(program_);
        QVERIFY(data.folder.isEmpty() && data.tried == root_.filePath("ann/.local/share/Tallimor/"));
        for (const char* home : {static_cast<const char*>(nullptr), ""}) {
            home ? qputenv("HOME", home) : qunsetenv("HOME");
            data = Choosedatafolder(program_);
            QVERIFY(data.folder.isEmpty() && data.tried.isEmpty());
        }
    }

    void onlyTheWidthIsCheckedAndOneInstanceRuns() {
        QVERIFY(Wideenough(800) && !Wideenough(799));  // whatever the height, 480 included
        QTemporaryDir dir;
        const QString path = dir.filePath("tallimor.lock");
        {
            const Instancelock first(path);
            QVERIFY(!first.Refused() && Instancelock(path).Refused());
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
        inputbox()->setTextValue("583017");
        inputbox()->accept();
        QVERIFY(countdown->isActive() && countdown->remainingTime() > 4700);
        QVERIFY(title.isVisible() && started.isEmpty());

        QTest::mouseClick(credit, Qt::RightButton, ctrlalt);
        inputbox()->setTextValue("583016");
        inputbox()->accept();
        QVERIFY(!title.isVisible() && !countdown->isActive());
        QCOMPARE(started, QList<QList<QVariant>>{{true}});
    }

    void aClickOnTheBackgroundStartsWithoutDesignerMode() {
        Fmtitle title;
        QSignalSpy started(&title, &Fmtitle::Started);
        title.show();
        QTest::mouseClick(title.findChild<QLabel*>("Lblstart"), Qt::LeftButton);
        QVERIFY(started.isEmpty());
        QTest::mouseClick(&title, Qt::LeftButton, {}, QPoint(6, 6));
        QCOMPARE(started, QList<QList<QVariant>>{{false}});
    }

    // The build lays the cursor files next to this test, in the program folder.
    void cursorFilesLoadWithTheirHotSpots() {
        const QString folder = QCoreApplication::applicationDirPath() + "/";
        const QCursor point = Programcursor(folder, Cursorkind::Point);
        QCOMPARE(point.shape(), Qt::BitmapCursor);
        QCOMPARE(point.hotSpot(), QPoint(11, 1));  // the tip of the index finger
        QVERIFY(qAlpha(point.pixmap().toImage().pixel(point.hotSpot())) > 0);
        const QCursor wait = Programcursor(folder, Cursorkind::Wait);
        QCOMPARE(std::tuple(wait.shape(), wait.hotSpot(), wait.pixmap().size()),
                 std::tuple(Qt::BitmapCursor, QPoint(16, 16), QSize(32, 32)));
    }

    void aMissingOrDamagedFileGivesTheSystemCursor() {
        QTemporaryDir folder;
        const QString path = folder.path() + "/";
        QVERIFY(Programcursor(path, Cursorkind::Wait).shape() == Qt::WaitCursor &&
                Programcursor(path, Cursorkind::Point).shape() == Qt::PointingHandCursor);

        const QByteArray bytes = Readfile(QCoreApplication::applicationDirPath() + "/Icon/H_point.cur");
        QVERIFY(!bytes.isEmpty());
        QByteArray farHotspot = bytes;
        farHotspot[10] = char(200);  // x of the hot spot, beyond the 32-pixel picture
        QByteArray icon = bytes;
        icon[2] = 1;  // an icon, which has no hot spot
        for (const QByteArray& damaged :
             {bytes.left(30), bytes.left(1000), QByteArray(4286, 'x'), farHotspot, icon}) {
            Writefile(path + "Icon/H_point.cur", damaged);
            QCOMPARE(Programcursor(path, Cursorkind::Point).shape(), Qt::PointingHandCursor);
        }
    }

    void everyToolbarButtonHasAPictureOfItsOwn() {
        QVERIFY(Toolbarpicture(0).isNull() && Toolbarpicture(14).isNull());
        QList<QImage> seen;
        for (int index = 1; index <= 13; ++index) {
            const QIcon icon = Toolbarpicture(index);
            for (int side : {24, 48}) {  // drawn, about a sixth of it at least
                const QImage image = icon.pixmap(side).toImage();
                int opaque = 0;
                for (int p = 0; p < side * side; ++p) opaque += qAlpha(image.pixel(p % side, p / side)) > 0;
                QVERIFY2(image.size() == QSize(side, side) && opaque > side * side / 6,
                         qPrintable(QString::number(index)));
            }
            const QImage picture = icon.pixmap(24).toImage();
            QVERIFY2(!seen.contains(picture), qPrintable(QString::number(index)));
            seen.append(picture);
        }
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
