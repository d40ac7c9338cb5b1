// Designer mode: switched on by the password at the title, it shows the
// statistics buttons of the Game Setting Menu and the Top Five editor.  It
// cannot be switched off again during a run.

#include "game/tallimormod.h"

namespace tallimor {

void Tallimormod::Form_Activate(bool designer) {
    if (designer) designer_ = true;
}

}  // namespace tallimor
