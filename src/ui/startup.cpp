#include "ui/startup.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "game/window_captions.h"

namespace tallimor {

bool Wideenough(int screenwidth) { return screenwidth >= 800; }

QString Narrowscreentext() {
    return "This programme must be run at 800 x 600 resolution or higher.\n"
           "The current display is not correct.\n"
           "Please change the resolution before running the programme again.";
}

QString Secondinstancetext() { return QString::fromUtf8(kSecondinstancetext.data(), kSecondinstancetext.size()); }

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

}  // namespace tallimor
