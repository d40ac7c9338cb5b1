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

// Where records and saved games are kept.
struct Datafolder {
    QString folder;  // ending in "/"; empty when there is no folder to keep them in
    QString tried;   // the user's data folder that could not be used; empty when no home folder is set
};

// A build folder holds the CMakeCache.txt of its build; an installed
// program folder never does.
bool Isbuildfolder(const QString& programFolder);

// A build folder keeps records and saved games in itself.  An installed
// program, whoever runs it, keeps them in the user's data folder,
// $XDG_DATA_HOME/Tallimor/ or else $HOME/.local/share/Tallimor/, made and
// seeded with the program's own records the first time; it never writes
// into its own folder, even where it could.
Datafolder Choosedatafolder(const QString& programFolder);

// Copies the records the program came with (its folder's Winners/) into
// `folder`, unless `folder` has a Winners/ of its own already.
void Seedrecords(const QString& programFolder, const QString& folder);

}  // namespace tallimor
