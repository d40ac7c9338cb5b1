// The hint of a trial: the result panel, its OK, and what follows it (the
// next trial, the warning before the last one, or the end after trial 27);
// with the board, the answer and the setting summary it writes to.

#include "game/tallimormod.h"
#include "rules/marking.h"

namespace tallimor {

void Tallimormod::Showresult() {
    Show(Panel::Frshowresult);
    screen_.result = Showresulttexts(g_);
    screen_.resultHint = g_.Result;
    Setwait(Wait::Frshowresult);
}

void Tallimormod::Cmdshowresult_Click() {
    if (!Isshown(Panel::Frshowresult)) return;
    Acceptpendinghint();
    if (g_.Currenttrial == kLastTrial - 1 && clock_.Timespent < kGameSeconds) {
        Messagebox(Message::Warning, kLastchancetext, Afterbox::Nexttrial);
        return;
    }
    Nexttrial();
}

void Tallimormod::Nexttrial() {
    // A hint is shown only for a guess that did not win, so after the hint of
    // the last trial the game is over, whatever the counts: with blanks, or
    // in a "Fixed order" game, a miss can count as many colours as a win.
    if (g_.Currenttrial >= kLastTrial) {
        Showrecord(kLastTrial);
        Record();
        Gameover();
    } else {
        Getguess();
    }
}

// The hint on display is recorded: by its OK, or before the hour ends the game.
void Tallimormod::Acceptpendinghint() {
    if (!Isshown(Panel::Frshowresult)) return;
    Setwait(Wait::None);
    Hide(Panel::Frshowresult);
    Showrecord(g_.Currenttrial);
    Record();
}

void Tallimormod::Showrecord(int trial) {
    if (trial < 1 || trial > kLastTrial) return;
    screen_.board.rows[trial] = TrialRecord{g_.Guessstr, g_.Result.Blacks, g_.Result.Whites, 0};
}

void Tallimormod::Showanswer(const std::string& caption) {
    screen_.answerCaption = caption;
    screen_.answerShown = g_.Answer;
    Show(Panel::Franswer);
    Hide(Panel::Frerror);
}

void Tallimormod::Showsetting() {
    screen_.settingStatus = std::string(Gamestatustext(g_.Gamestatus));
    Show(Panel::Frsetting);
}

}  // namespace tallimor
