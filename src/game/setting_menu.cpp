// The Game Setting Menu: opening it, the picks of its lists, its Start and
// Cancel, and New Game, which starts the setting of the last game again.

#include "game/tallimormod.h"

namespace tallimor {

void Tallimormod::Mnuset_Click() {
    if (!menus_.Mnuset) return;
    saved_ = lists_.Save();
    Show(Panel::Frmenu);
    menus_.Mnuset = menus_.Mnunew = menus_.Mnuload = menus_.Mnusaving = menus_.Mnuend = menus_.Mnudemo =
        false;
    Setwait(Wait::Frmenu);
}

void Tallimormod::Cblist_Click(SettingList list, const std::string& text) {
    if (!Isshown(Panel::Frmenu)) return;
    lists_.Choose(list, text);
}

void Tallimormod::Mnunew_Click() {
    if (menus_.Mnunew) Startfromlists();
}

void Tallimormod::Cmdstart_Click() {
    // The button goes with its menu: hidden, it starts nothing.
    if (Isshown(Panel::Frmenu)) Startfromlists();
}

void Tallimormod::Startfromlists() {
    GameSettings s = g_.Settings;
    lists_.Updatesetting(s);
    Newgame(s);
}

void Tallimormod::Cmdcancel_Click() {
    const bool demo = Enddemo();
    Setwait(Wait::None);
    Setdisplay(screen_.display);
    // Only an open menu or a demo has texts to put back; otherwise the lists stand as chosen.
    if (Isshown(Panel::Frmenu) || demo) lists_.Restore(saved_);
    Hide(Panel::Frmenu);
    Finishgame();
    Endrun();  // a simulation then shows its summary
}

}  // namespace tallimor
