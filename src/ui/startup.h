#pragma once
// The checks made before any window opens: one running instance of the
// executable a user, and a screen wide enough for the main window.

#include <QString>

namespace tallimor {

// The main window is laid out across 800 pixels; the height is not asked for.
bool Wideenough(int screenwidth);
QString Narrowscreentext();
QString Secondinstancetext();

// An exclusive lock on a file, held while the object lives.  The system lets
// it go when the holder ends, however it ends, so a crash leaves no stale lock.
class Instancelock {
   public:
    explicit Instancelock(const QString& path);
    ~Instancelock();
    Instancelock(const Instancelock&) = delete;
    Instancelock& operator=(const Instancelock&) = delete;

    // Another holder has the lock.  A lock file that cannot be made at all
    // refuses nobody: the program then cannot tell, and starts.
    bool Refused() const { return refused_; }

   private:
    int fd_ = -1;
    bool refused_ = false;
};

// The lock file of this executable in the user's runtime folder.
QString Instancelockpath();

}  // namespace tallimor
