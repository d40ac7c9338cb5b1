#include "ui/startup.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace tallimor {

bool Wideenough(int screenwidth) { return screenwidth >= 800; }

QString Narrowscreentext() {
    return "This programme must be run at 800 x 600 resolution or higher.\n"
           "The current display is not correct.\n"
           "Please change the resolution before running the programme again.";
}

QString Secondinstancetext() { return "You are not allowed to start this programme more than once."; }

Instancelock::Instancelock(const QString& path) {
    fd_ = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ < 0) return;
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        refused_ = errno == EWOULDBLOCK;
        ::close(fd_);
        fd_ = -1;
    }
}

Instancelock::~Instancelock() {
    if (fd_ >= 0) ::close(fd_);
}

QString Instancelockpath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    QDir().mkpath(folder);
    // One lock per executable: a copy in another folder keeps its records
    // there, so it may run beside this one.
    const QString executable = QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath();
    const QByteArray key = QCryptographicHash::hash(executable.toUtf8(), QCryptographicHash::Sha1).toHex();
    return QDir(folder).filePath("tallimor-" + QString::fromLatin1(key.left(16)) + ".lock");
}

namespace {

QString Withslash(QString folder) {
    if (!folder.endsWith('/')) folder += '/';
    return folder;
}

// The folder can be made and a file written in it.  Asked by writing, since
// permission bits tell nothing about a read-only file system or about root.
bool Writable(const QString& folder) {
    if (!QDir().mkpath(folder)) return false;
    QTemporaryFile probe(folder + ".tallimor-XXXXXX");
    return probe.open();
}

}  // namespace

bool Isbuildfolder(const QString& programFolder) {
    return QFileInfo::exists(Withslash(programFolder) + "CMakeCache.txt");
}

Datafolder Choosedatafolder(const QString& programFolder) {
    const QString program = Withslash(programFolder);
    if (Isbuildfolder(program)) return {program, {}};
    // As the XDG base directory rules have it, a relative XDG_DATA_HOME is ignored.
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (!QDir::isAbsolutePath(base)) {
        const QString home = qEnvironmentVariable("HOME");
        if (!QDir::isAbsolutePath(home)) return {};
        base = Withslash(home) + ".local/share";
    }
    const QString data = Withslash(QDir::cleanPath(base)) + "Tallimor/";
    if (!Writable(data)) return {{}, data};
    Seedrecords(program, data);
    return {data, {}};
}

void Seedrecords(const QString& programFolder, const QString& folder) {
    const QDir seeded(Withslash(programFolder) + "Winners");
    const QString target = Withslash(folder) + "Winners/";
    if (QDir(target).exists() || !seeded.exists()) return;
    QDir().mkpath(target);
    for (const QString& name : seeded.entryList({"Winners*"}, QDir::Files))
        QFile::copy(seeded.filePath(name), target + name);
}

}  // namespace tallimor
