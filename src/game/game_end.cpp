// The end of a game: the win, the game over, the clock that ends an hour's
// game, the End Game and Quit questions, the deferred closing step, and the
// return to the idle screen.

#include "game/tallimormod.h"
#include "records/computer_statistics.h"
#include "rules/texts.h"

namespace tallimor {

void Tallimormod::Win() {
    const bool player = g_.Settings.Playerguesses();
    if (player && demo_.animation) ++demo_.winlaps;  // the figure's lap of honour
    if (!player && wrong_.ErrorPending) {
        // The computer cannot find the code past a wrong hint it has not seen through.
        Showbug("");
        return;
    }
    g_.Finaltrial = g_.Currenttrial;
    g_.Attempts = static_cast<int16_t>(g_.Currenttrial - g_.Settings.Starttrial + 1);
    g_.Gamestatus = GameStatus::Win;
    Showsetting();
    Stoptimer(Timerid::Tmrrec);
    Stoptimer(Timerid::Tmrdelay);
    Hide(Panel::Lbltime);
    if (g_.Settings.Computerguesses() && !marking_.computerMarks) {
        // The player kept the code to himself: the winning guess is it.
        g_.Answer = g_.Guessstr;
        g_.Answerblanks = g_.Guessblanks;
    }
    Showanswer("Answer");
    const bool hidden = wrong_.WinHidden && !errorRecord_.empty();
    if (player && wrong_.ErrorPending) {
        winText_ = Luckywintext(g_, wrong_);
    } else if (player) {
        clock_.Calculatetime();
        clock_.Recordtime = clock_.Timespent;
        clock_.Recordtimetext = clock_.Timetext;
        winText_ = hidden ? Hiddenwintext(true, wrong_) : Wintext(g_.Attempts, clock_.Recordtimetext);
    } else {
        winText_ =
            hidden ? Hiddenwintext(false, wrong_)
                   : "Win!  I have tried " + std::to_string(g_.Attempts) + Plural(" time", g_.Attempts) + ".";
    }
    if (g_.Settings.Computerplays() && !g_.Settings.Errorsallowed() && Updatecomputerstatistics()) return;
    Winbox();
}

void Tallimormod::Winbox() {
    if (demoOn_)
        Demoend(winText_);
    else
        Messagebox(Message::Win, Choosetext(winText_));
}

bool Tallimormod::Updatecomputerstatistics() {
    if (recordsFolder_.empty()) return false;  // a run without records files
    WinnersResult result = Readwinners(recordsFolder_, g_.Settings.Colours, winners_);
    if (result.Usable()) {
        Updatestatistics(winners_, g_.Settings, g_.Attempts);
        result = Writewinners(recordsFolder_, g_.Settings.Colours, winners_);
    }
    if (result.Usable()) return false;
    // The file is left as it was; the win is shown once the player has read why.
    Messagebox(Message::Recordsfile, result.message, Afterbox::Winbox);
    return true;
}

void Tallimormod::Gameover(bool lasttrial) {
    if (g_.Gamestatus == GameStatus::Gameover) return;  // the game ends once
    // Out of time, the computer's trial in progress has no hint yet.
    if (g_.Settings.Computerguesses() && !lasttrial) --g_.Currenttrial;
    g_.Finaltrial = g_.Currenttrial;
    g_.Gamestatus = GameStatus::Gameover;
    Showsetting();
    clock_.Calculatetime();
    Stoptimer(Timerid::Tmrrec);
    Stoptimer(Timerid::Tmrdelay);
    for (Panel p : {Panel::Frshowresult, Panel::Frgetstring, Panel::Frinput, Panel::Frgetresult,
                    Panel::Frcolour, Panel::Lbltime})
        Hide(p);
    const std::string text = Gameovertext(g_, lasttrial);
    if (g_.Settings.Playerguesses()) {
        if (g_.Currenttrial > 0) Showanswer("Answer");
        if (g_.Currenttrial == kLastTrial) Showrecord(kLastTrial);
    } else if (lasttrial && !g_.Answer.empty()) {
        Showanswer("Answer");
    }
    if (demoOn_) {
        Demoend(text);
        return;
    }
    if (g_.Currenttrial == 0)
        Messagebox(Message::Gameover0, text);
    else
        Messagebox(Message::Gameover1, Choosetext(text));
}

// The file window and the Help windows give way to what the clock raises,
// and to the idle screen: their waits are gone with them.
void Tallimormod::Closewindows() {
    Closefilewindow();
    help_.instructions = help_.about = false;
}

void Tallimormod::Finishgame() {
    Closewindows();
    screen_.title = "Tallimor";
    Stoptimer(Timerid::Tmrrec);
    Stoptimer(Timerid::Tmrdelay);
    clock_.Timeoffset = 0;
    screen_.shown.fill(false);
    screen_.board.rows.clear();
    Show(Panel::Picfore);
    menus_.Mnugame = menus_.Mnumedia = menus_.Mnuoption = menus_.Mnuhelp = true;
    menus_.Mnuset = menus_.Mnunew = menus_.Mnuload = menus_.Mnudemo = menus_.Mnuquit = true;
    menus_.Mnusaving = menus_.Mnuend = false;
    Setwait(Wait::Picfore);
}

void Tallimormod::Tmrrec_Timer() {
    const int16_t spent = clock_.Calculatetime();
    if (spent > kGameSeconds) {
        // Whatever was open is swept away: the game is over.
        Closewindows();
        Closesecondary(false);
        Acceptpendinghint();
        Gameover();
    } else if (spent >= kWarningSeconds && !warned_) {
        // Given once, even when a tick was missed on the very second.
        warned_ = true;
        Closewindows();
        // The game cannot go on without the correction this box announces:
        // it is made once the warning has been read.
        correctionSwept_ = box_ && box_->id == Message::Continueplaying;
        Closesecondary(true);
        Messagebox(Message::Warning, kFiveminutestext, Afterbox::Fiveminutes);
    }
}

void Tallimormod::Tmrbuffer_Timer() {
    Stoptimer(Timerid::Tmrbuffer);
    // A simulation run has ended: its summary.
    if (runmode_ == Runkind::Simulate && g_.Gamestatus == GameStatus::None) return Showsummary();
    // One step per start, whether the tick or a direct call comes first.
    if (!bufferPending_) return;
    bufferPending_ = false;
    if (g_.Gamestatus != GameStatus::Win)
        Messagebox(Message::Franswer, Choosetext(kShowanswertext));
    else
        Win();
}

void Tallimormod::Mnuend_Click() {
    if (!menus_.Mnuend) return;
    g_.Finaltrial = g_.Currenttrial;
    Messagebox(Message::Mnuend, kEndgametext);
}

void Tallimormod::Mnuquit_Click() {
    if (!menus_.Mnuquit) return;
    Messagebox(Message::Mnuquit, kQuittext);
}

}  // namespace tallimor
