// Where records and saved games go: a build folder keeps them in itself; an
// installed program folder is never written, even where it could be (as it
// can for root), and its records go to the user's data folder, seeded once.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/startup.h"

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

// Every path under `folder`, to see that nothing was added.
QStringList Contents(const QString& folder) {
    QStringList all;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) all << it.next();
    all.sort();
    return all;
}

}  // namespace

class DataFolderTest : public QObject {
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
        if (xdg_.isNull())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", xdg_);
        QDir(root_.path()).removeRecursively();
        QDir().mkpath(root_.path());
    }

    void aBuildFolderKeepsEverythingInItself() {
        Writefile(program_ + "CMakeCache.txt", "");
        qputenv("XDG_DATA_HOME", root_.filePath("xdg").toUtf8());
        QVERIFY(Isbuildfolder(program_));
        const Datafolder data = Choosedatafolder(program_.chopped(1));  // with or without the "/"
        QCOMPARE(data.folder, program_);
        QVERIFY(!QFileInfo::exists(root_.filePath("xdg")));
        QVERIFY(!QFileInfo::exists(root_.filePath("ann")));
    }

    void anInstalledFolderIsNeverWrittenAndTheHomeDataFolderIsSeededOnce() {
        QVERIFY(!Isbuildfolder(program_));
        const QStringList before = Contents(program_);
        const Datafolder data = Choosedatafolder(program_);
        const QString expected = root_.filePath("ann/.local/share/Tallimor/");
        QCOMPARE(data.folder, expected);
        QVERIFY(data.tried.isEmpty());
        QCOMPARE(Readfile(expected + "Winners/Winners5"), QByteArray("five"));
        QCOMPARE(Readfile(expected + "Winners/Winners10"), QByteArray("ten"));
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
        QVERIFY(data.folder.isEmpty());
        QCOMPARE(data.tried, root_.filePath("ann/.local/share/Tallimor/"));
        for (const char* home : {static_cast<const char*>(nullptr), ""}) {
            home ? qputenv("HOME", home) : qunsetenv("HOME");
            data = Choosedatafolder(program_);
            QVERIFY(data.folder.isEmpty() && data.tried.isEmpty());
        }
    }

    void seedingAFolderOfTheRunCopiesTheProgramsRecords() {
        const QString scratch = root_.filePath("scratch/");
        Seedrecords(program_, scratch);
        QCOMPARE(Readfile(scratch + "Winners/Winners10"), QByteArray("ten"));
        QVERIFY(!QFileInfo::exists(scratch + "Winners/Wait04.cur"));
    }
};

QTEST_MAIN(DataFolderTest)
#include "data_folder_test.moc"
