// Hints that fit no code: the computer's report of them, the correction of
// the wrong hints it gave itself, and the player's Error claim with the
// replay that judges it.

#include <algorithm>

#include "game/tallimormod.h"
#include "reasoning/wrong_hints.h"
#include "rules/code_string.h"

namespace tallimor {

void Tallimormod::Inconsistent() {
    g_.Gamestatus = GameStatus::Errordetected;
    Showsetting();
    if (g_.Settings.Computerguesses() && !marking_.computerMarks) {
        // The player's own hints: nothing to correct, the game stops here.
        Stoptimer(Timerid::Tmrrec);
        g_.Finaltrial = static_cast<int16_t>(std::max(g_.Currenttrial - 1, g_.Settings.Starttrial - 1));
        Messagebox(Message::Errordetected, Heytext(g_.Finaltrial));
        return;
    }
    std::string text;
    if (g_.Settings.Playerguesses()) {
        text = Rightclaimtext(g_, wrong_);
    } else {
        text = Detectedtext(g_.Currenttrial, wrong_);
        if (Probe.inconsistent) Probe.inconsistent(wrong_.Checkedtrial);
    }
    if (demoOn_) {
        Demodetected();  // the demo asks nothing: its next step corrects the hints
        return;
    }
    Messagebox(Message::Continueplaying, text);
}

void Tallimormod::Correction() {
    g_.Gamestatus = GameStatus::Continueplaying;
    const auto corrected = Correcthints(g_, wrong_, errorRecord_);
    for (const auto& [trial, row] : corrected) {
        screen_.board.rows[trial] = row;
        screen_.board.corrected.insert(trial);
    }
    if (Probe.corrected) Probe.corrected(corrected);
    if (wrong_.WinHidden) {
        // The guess that got the wrong hint was the code: the win is shown
        // once this step is over, counted to the last trial checked.
        g_.Gamestatus = GameStatus::Win;
        g_.Currenttrial = wrong_.Checkedtrial;
        bufferPending_ = true;
        Starttimer(Timerid::Tmrbuffer);
        return;
    }
    if (g_.Settings.Playerguesses()) {
        g_.Currenttrial = wrong_.Checkedtrial;
    } else {
        // Replays the checked trials with the true hints, then guesses anew.
        tables_.Clear();
        g_.Guessblanks = 0;
        g_.Currenttrial = 0;
    }
    if (demoOn_) Democorrected();
    Getguess();
}

void Tallimormod::Cmderror_Click() {
    if (!Isshown(Panel::Frerror) || box_) return;
    for (Panel p : {Panel::Frerror, Panel::Frgetstring, Panel::Frinput, Panel::Frcolour, Panel::Frshowresult,
                    Panel::Frgetresult})
        Hide(p);
    wrong_.Checkedtrial = g_.Currenttrial;
    wrong_.DetectTrial = 0;
    tables_.Clear();
    g_.Currenttrial = 0;
    wrong_.Replaycount = 1;
    Conclude(engine_->Nextguess());
}

void Tallimormod::Errorcase() {
    const Claimverdict verdict = Judgeclaim(g_, wrong_);
    if (verdict == Claimverdict::Right) {
        Inconsistent();
        return;
    }
    // A wrong claim ends the game, and with it the clock.
    Stoptimer(Timerid::Tmrrec);
    std::string text;
    if (verdict == Claimverdict::Late) {
        Showanswer("Answer");
        g_.Gamestatus = GameStatus::Latedetection;
        text = Latetext(g_, wrong_);
    } else {
        --g_.Currenttrial;
        g_.Answer = g_.Guessstr;  // a code that fits every hint given
        g_.Answerblanks = static_cast<int16_t>(Countchar(g_.Answer, kBlank));
        Showanswer("Possible Answer");
        g_.Gamestatus = GameStatus::Hintsconsistent;
        text = Consistenttext(g_.Currenttrial);
    }
    Showsetting();
    Messagebox(Message::Wrongdetection, text + "\nChoose one option below.");
    if (box_) box_->title = Gamestatustext(g_.Gamestatus);
}

}  // namespace tallimor
