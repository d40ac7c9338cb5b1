// The Help menu's two windows: the Brief Instructions and About.  Each
// pushes its wait over whatever it interrupts, and its OK (or the time-out
// that presses it) closes it and gives the interrupted wait a fresh
// time-out.

#include "game/tallimormod.h"

namespace tallimor {

void Tallimormod::Mnuinstr_Click() {
    if (!menus_.Mnuhelp || box_ || instructions_ || about_) return;
    instructions_ = true;
    Setwait(Wait::Instruct);
}

void Tallimormod::Cmdokinstr_Click() {
    if (!instructions_) return;
    instructions_ = false;
    wait_.R1();
    Syncwait();
}

void Tallimormod::Mnuabout_Click() {
    if (!menus_.Mnuhelp || box_ || instructions_ || about_) return;
    about_ = true;
    Setwait(Wait::Fmabout);
}

void Tallimormod::Cmdokabout_Click() {
    if (!about_) return;
    about_ = false;
    wait_.R1();
    Syncwait();
}

}  // namespace tallimor
