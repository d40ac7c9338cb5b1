// The Help menu's two windows: the Brief Instructions and About.  Each
// pushes its wait over whatever it interrupts, and its OK (or the time-out
// that presses it) closes it and gives the interrupted wait a fresh
// time-out.

#include "game/tallimormod.h"

namespace tallimor {

void Tallimormod::Openhelpwindow(bool& open, Wait wait) {
    if (!menus_.Mnuhelp || box_ || instructions_ || about_) return;
    open = true;
    Setwait(wait);
}

void Tallimormod::Closehelpwindow(bool& open) {
    if (!open) return;
    open = false;
    wait_.R1();
    Syncwait();
}

void Tallimormod::Mnuinstr_Click() { Openhelpwindow(instructions_, Wait::Instruct); }
void Tallimormod::Cmdokinstr_Click() { Closehelpwindow(instructions_); }
void Tallimormod::Mnuabout_Click() { Openhelpwindow(about_, Wait::Fmabout); }
void Tallimormod::Cmdokabout_Click() { Closehelpwindow(about_); }

}  // namespace tallimor
