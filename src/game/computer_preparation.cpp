// The preparation of a "Computer guesses" game: the trial at which the
// computer starts, who marks its guesses, the secret code (or the player's
// Ready), and the guesses of the trials before a middle start.

#include "game/tallimormod.h"
#include "rules/code_string.h"
#include "rules/marking.h"

namespace tallimor {

void Tallimormod::Newgame(const GameSettings& settings) {
    g_.Settings = settings;
    Hide(Panel::Frmenu);
    Setwait(Wait::None);
    marking_.computerMarks = g_.Settings.Computerplays();
    if (g_.Settings.Computerguesses()) {
        if (!g_.Settings.Middlestart()) {
            g_.Settings.Starttrial = 1;
            Askmarking();
            return;
        }
        marking_.trialno = {{"2", "3", "4", "5", "6", "7", "8", "9"}, 0};
        Show(Panel::Frtrialno);
        Setwait(Wait::Frtrialno);
        return;
    }
    const WinnersResult records = Initialize();
    if (!records.Usable()) {
        // The game goes on once the player has read why.
        Messagebox(Message::Recordsfile, records.message, Afterbox::Startplay);
        return;
    }
    Startplay();
}

void Tallimormod::Cbtrialno_Click(const std::string& text) {
    if (!Isshown(Panel::Frtrialno)) return;
    for (size_t i = 0; i < marking_.trialno.items.size(); ++i)
        if (marking_.trialno.items[i] == text) marking_.trialno.shown = static_cast<int>(i);
}

void Tallimormod::Cmdoktrial_Click() {
    if (!Isshown(Panel::Frtrialno)) return;
    g_.Settings.Starttrial =
        static_cast<int16_t>(std::stoi(marking_.trialno.items[static_cast<size_t>(marking_.trialno.shown)]));
    Hide(Panel::Frtrialno);
    Askmarking();
}

void Tallimormod::Askmarking() {
    if (g_.Settings.Errorsallowed()) {
        // Wrong hints are the computer's to give, so it marks without asking.
        marking_.computerMarks = true;
        Show(Panel::Frmark);
        Cmdokmark_Click();
        return;
    }
    marking_.computerMarks = false;
    Show(Panel::Frmark);
    Setwait(Wait::Frmark);
}

void Tallimormod::Optyesmark_Click() {
    if (Isshown(Panel::Frmark)) marking_.computerMarks = true;
}

void Tallimormod::Optnomark_Click() {
    if (Isshown(Panel::Frmark)) marking_.computerMarks = false;
}

void Tallimormod::Cmdokmark_Click() {
    if (!Isshown(Panel::Frmark)) return;
    Setwait(Wait::None);
    Initialize();
    Hide(Panel::Frmark);
    if (marking_.computerMarks) {
        Getstring();  // the secret code the computer marks against
        return;
    }
    input_.row.Reset(g_.Settings);
    Show(Panel::Frcolour);
    Showsetting();
    Show(Panel::Fraskcode);
    Setwait(Wait::Fraskcode);
}

void Tallimormod::Cmdready_Click() {
    if (!Isshown(Panel::Fraskcode)) return;
    Setwait(Wait::None);
    for (Panel p : {Panel::Fraskcode, Panel::Frcolour, Panel::Frsetting, Panel::Frgetresult}) Hide(p);
    if (g_.Settings.Starttrial == 1) {
        Startplay();
    } else {
        g_.Currenttrial = 1;
        Getstring();
    }
}

// A string the player has entered in a "Computer guesses" game.
void Tallimormod::Computercode() {
    if (!marking_.computerMarks) {
        Getresult();  // a trial before the start: the player gives its hint too
        return;
    }
    if (g_.Currenttrial == 0) {
        g_.Answer = g_.Guessstr;
        g_.Answerblanks = g_.Guessblanks;
        if (g_.Settings.Starttrial == 1) {
            Startplay();
        } else {
            g_.Currenttrial = 1;
            Getstring();
        }
        return;
    }
    Mark(g_);
    Showrecord(g_.Currenttrial);
    Record();
    if (g_.Currenttrial >= g_.Settings.Starttrial - 1) {
        g_.Currenttrial = 0;  // the computer takes these trials in as given
        Startplay();
    } else {
        ++g_.Currenttrial;
        Getstring();
    }
}

}  // namespace tallimor
