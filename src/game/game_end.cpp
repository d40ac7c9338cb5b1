// The end of a game: the win, the game over, the clock that ends an hour's
// game, the End Game and Quit questions, the deferred closing step, and the
// return to the idle screen.

#include "game/tallimormod.h"

namespace tallimor {

void Tallimormod::Win() {
    g_.Finaltrial = g_.Currenttrial;
    g_.Attempts = static_cast<int16_t>(g_.Currenttrial - g_.Settings.Starttrial + 1);
    g_.Gamestatus = "Win";
    Showsetting();
    Stoptimer(Timerid::Tmrrec);
    Hide(Panel::Lbltime);
    Showanswer("Answer");
    std::string text;
    if (g_.Settings.Who == 1) {
        clock_.Calculatetime();
        clock_.Recordtime = clock_.Timespent;
        clock_.Recordtimetext = clock_.Timetext;
        text = Wintext(g_.Attempts, clock_.Recordtimetext);
    } else {
        text =
            "Win!  I have tried " + std::to_string(g_.Attempts) + (g_.Attempts == 1 ? " time." : " times.");
    }
    Messagebox("Win", Choosetext(text));
}

void Tallimormod::Gameover() {
    if (g_.Gamestatus == "Gameover") return;  // the game ends once
    if (g_.Settings.Who == 2) --g_.Currenttrial;
    g_.Finaltrial = g_.Currenttrial;
    g_.Gamestatus = "Gameover";
    Showsetting();
    clock_.Calculatetime();
    Stoptimer(Timerid::Tmrrec);
    Stoptimer(Timerid::Tmrdelay);
    for (Panel p : {Panel::Frshowresult, Panel::Frgetstring, Panel::Frinput, Panel::Frcolour, Panel::Lbltime})
        Hide(p);
    const std::string text = Gameovertext(g_);
    if (g_.Settings.Who == 1) {
        if (g_.Currenttrial > 0) Showanswer("Answer");
        if (g_.Currenttrial == kLastTrial) Showrecord(kLastTrial);
    }
    if (g_.Currenttrial == 0)
        Messagebox("Gameover0", text);
    else
        Messagebox("Gameover1", Choosetext(text));
}

void Tallimormod::Finishgame() {
    title_ = "Tallimor";
    Stoptimer(Timerid::Tmrrec);
    Stoptimer(Timerid::Tmrdelay);
    clock_.Timeoffset = 0;
    shown_.fill(false);
    board_.rows.clear();
    Show(Panel::Picfore);
    menus_.Mnugame = menus_.Mnumedia = menus_.Mnuoption = menus_.Mnuhelp = true;
    menus_.Mnuset = menus_.Mnunew = menus_.Mnuload = menus_.Mnudemo = menus_.Mnuquit = true;
    menus_.Mnusaving = menus_.Mnuend = false;
    Setwait(300, "Picfore");
}

void Tallimormod::Tmrrec_Timer() {
    const int16_t spent = clock_.Calculatetime();
    if (spent > kGameSeconds) {
        // Whatever was open is swept away: the game is over.
        Closesecondary(false);
        Acceptpendinghint();
        Gameover();
    } else if (spent >= kWarningSeconds && !warned_) {
        // Given once, even when a tick was missed on the very second.
        warned_ = true;
        Closesecondary(true);
        Messagebox("Warning", kFiveminutestext, Afterbox::Fiveminutes);
    }
}

void Tallimormod::Tmrbuffer_Timer() {
    Stoptimer(Timerid::Tmrbuffer);
    // One step per start, whether the tick or a direct call comes first.
    if (!bufferPending_) return;
    bufferPending_ = false;
    if (g_.Gamestatus != "Win")
        Messagebox("Franswer", Choosetext(kShowanswertext));
    else
        Win();
}

void Tallimormod::Mnuend_Click() {
    if (!menus_.Mnuend) return;
    g_.Finaltrial = g_.Currenttrial;
    Messagebox("Mnuend", kEndgametext);
}

void Tallimormod::Mnuquit_Click() {
    if (!menus_.Mnuquit) return;
    Messagebox("Mnuquit", kQuittext);
}

}  // namespace tallimor
