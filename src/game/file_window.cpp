// The Open and Save As window: the place, folder and file lists, the typed
// name and the path it gives, Open, Save, Cancel, the Delete key, and the
// questions and messages it raises on the way.

#include <cstdlib>

#include "game/tallimormod.h"
#include "savegame/file_folders.h"

namespace tallimor {

void Tallimormod::Openfilewindow(bool opening) {
    Fileview w;
    w.caption = opening ? "Open" : "Save As";
    w.opening = opening;
    w.serial = ++files_.windows;
    const char* home = std::getenv("HOME");
    w.places.items = Placelist(home ? home : "");
    w.chain = {"/"};
    files_.window = std::move(w);
    // The window starts in the games folder, made when it is missing; a
    // folder that cannot be listed gives way to the home folder.
    Makefolder(Gamesfolder());
    if (!Showfolder(Gamesfolder()) && !(home && Showfolder(home))) Showfolder("/");
}

bool Tallimormod::Showfolder(const std::string& folder) {
    const std::string path = Normalfolder(folder);
    Foldercontents contents = Listfolder(path);
    if (!contents.ok) return false;
    Fileview& w = *files_.window;
    w.chain = Folderchain(path);
    w.folders = std::move(contents.folders);
    w.files = std::move(contents.files);
    w.highlighted = -1;
    w.name.clear();
    w.places.shown = Placeof(w.places.items, path);
    return true;
}

void Tallimormod::Drvfiles_Change(int place) {
    if (!files_.window || box_ || place < 0 || place >= static_cast<int>(files_.window->places.items.size()))
        return;
    const std::string chosen = files_.window->places.items[static_cast<size_t>(place)];
    if (!Showfolder(chosen)) {
        files_.window->places.shown = place;
        Notready(Fileerror::Noplace);
    }
}

void Tallimormod::Dirfiles_Change(const std::string& folder) {
    if (files_.window && !box_ && !Showfolder(folder)) Notready(Fileerror::Nofolder);
}

void Tallimormod::Txtfiles_Change(const std::string& text) {
    if (files_.window && !box_) files_.window->name = text;
}

void Tallimormod::Filfiles_Click(int file) {
    if (!files_.window || box_ || file < 0 || file >= static_cast<int>(files_.window->files.size())) return;
    files_.window->highlighted = file;
    files_.window->name = files_.window->files[static_cast<size_t>(file)];
}

void Tallimormod::Filfiles_DblClick(int file) {
    Filfiles_Click(file);
    if (!files_.window || files_.window->highlighted != file) return;
    if (files_.window->opening)
        Cmdopen_Click();
    else
        Cmdsave_Click();
}

bool Tallimormod::Buildchosenfile() {
    const Fileview& w = *files_.window;
    if (w.name.empty()) {
        Messagebox(Message::Nofile, std::string("You haven't specified a file name.\nDo you still want to ") +
                                        (w.opening ? "load a game?" : "save the game?"));
        return false;
    }
    files_.gamefolder = Currentfolder();
    files_.chosenfile = Gamepath(files_.gamefolder, w.name);
    return true;
}

void Tallimormod::Cmdopen_Click() {
    if (!files_.window || box_ || !files_.window->opening || !Buildchosenfile()) return;
    switch (Lookupfile(files_.chosenfile)) {
        case Fileexistence::Missing:
            Messagebox(Message::Notexist, "The file " + files_.chosenfile + " does not exist!  Try again.");
            break;
        case Fileexistence::Unreadable:
            Notready(Fileerror::Nofolder);
            break;
        case Fileexistence::Exists:
            Loadgame(files_.chosenfile);
            break;
    }
}

void Tallimormod::Cmdsave_Click() {
    if (!files_.window || box_ || files_.window->opening || !Buildchosenfile()) return;
    switch (Lookupfile(files_.chosenfile)) {
        case Fileexistence::Exists:
            Messagebox(Message::Overwrite, "The file " + files_.chosenfile + " already exits!  Overwrite?");
            break;
        case Fileexistence::Unreadable:
            Notready(Fileerror::Nofolder);
            break;
        case Fileexistence::Missing:
            Savegame(files_.chosenfile);
            break;
    }
}

void Tallimormod::Fmfiles_Delete_KeyUp() {
    if (!files_.window || box_ || files_.window->highlighted < 0) return;
    const Fileview& w = *files_.window;
    files_.gamefolder = Currentfolder();
    files_.chosenfile = files_.gamefolder + w.files[static_cast<size_t>(w.highlighted)];
    Messagebox(Message::Delete, "Are you sure you want to delete the file " + files_.chosenfile + "?");
}

void Tallimormod::Fmfiles_Cmdcancel_Click() {
    if (!files_.window) return;
    const bool opening = files_.window->opening;
    Closefilewindow();
    Retimewait(0);
    // Open is offered on the idle screen only, so cancelling it ends there
    // whatever status the last game left behind.
    if (opening || !g_.Playing()) {
        Finishgame();
        Showstatus();
        return;
    }
    wait_.Pop();
    if (wait_.Current() != Wait::None) Retimewait(kRestoredtimeout);
    Showstatus();
}

void Tallimormod::Notready(Fileerror error, const std::string& path) {
    // A place on this system is a folder, so the message names all of it.
    std::string place = "/";
    if (files_.window && !files_.window->places.items.empty())
        place = files_.window->places.items[static_cast<size_t>(files_.window->places.shown)];
    std::string text;
    if (error == Fileerror::Noplace)
        text = "Drive " + place + " not ready!  Try again.";
    else if (error == Fileerror::Nofolder)
        text = "Disk not ready! Please insert a disk in drive " + place + ".";
    else
        text = "Disk not ready! Please insert the disk containing the file\n" + path + " and try again.";
    Messagebox(Message::Notready, text);
}

}  // namespace tallimor
