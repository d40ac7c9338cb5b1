// The Help menu's two windows: the Brief Instructions and About.  Each
// pushes its wait over whatever it interrupts, and its OK (or the time-out
// that presses it) closes it and gives the interrupted wait a fresh
// time-out.

#include "game/tallimormod.h"

namespace tallimor {

void Tallimormod::Openhelpwindow(bool& open, Wait wait) {
    if (!menus_.Mnuhelp || box_ || help_.instructions || help_.about) return;
    open = true;
    Setwait(wait);
}

void Tallimormod::Closehelpwindow(bool& open) {
    if (!open) return;
    open = false;
    wait_.R1();
    Syncwait();
}

void Tallimormod::Mnuinstr_Click() { Openhelpwindow(help_.instructions, Wait::Instruct); }
void Tallimormod::Cmdokinstr_Click() { Closehelpwindow(help_.instructions); }
void Tallimormod::Mnuabout_Click() { Openhelpwindow(help_.about, Wait::Fmabout); }
void Tallimormod::Cmdokabout_Click() { Closehelpwindow(help_.about); }

}  // namespace tallimor
