// The computer as Codebreaker: each guess comes from the consistency search,
// and while the computer marks its own guesses the delay timer carries the
// game on, one trial a tick.

#include <chrono>

#include "game/tallimormod.h"
#include "rules/marking.h"

namespace tallimor {

void Tallimormod::Computerguess() {
    wait_.Setdirect("Thinking");
    Showstatus();
    engine_->Setcomputermarks(g_.Settings.Who == 3);
    Conclusion c;
    if (Probe.searched) {
        const auto started = std::chrono::steady_clock::now();
        c = engine_->Getguess();
        Probe.searched(std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
    } else {
        c = engine_->Getguess();
    }
    switch (c.kind) {
        case Conclusion::Kind::Delaytimer:
            Starttimer(Timerid::Tmrdelay);
            break;
        case Conclusion::Kind::Showbug:
            Showbug(c.bugguess);
            break;
        // The player's marking and the wrong hints are played with the
        // computer's game in the window; the roles that reach them cannot
        // be started yet.
        case Conclusion::Kind::Getresult:
        case Conclusion::Kind::Inconsistent:
        case Conclusion::Kind::Errorcase:
            break;
    }
}

void Tallimormod::Tmrdelay_Timer() {
    Stoptimer(Timerid::Tmrdelay);
    if (!g_.Playing()) return;
    const bool own = g_.Currenttrial >= g_.Settings.Starttrial && g_.Currenttrial > wrong_.Checkedtrial;
    if (!own) {
        // A given trial: its hint is recorded already.
        Getguess();
        return;
    }
    Showsetting();
    Mark(g_);
    Showrecord(g_.Currenttrial);
    Processmark(g_);
    if (Probe.trialRecorded) Probe.trialRecorded(g_.Currenttrial, g_.Guessstr, g_.Result);
    if (Iswin(g_))
        Win();
    else if (g_.Currenttrial >= kLastTrial)
        Gameover();  // a missed last trial ends the computer's game as it ends the player's
    else
        Getguess();
}

void Tallimormod::Showbug(const std::string& guess) {
    Stoptimer(Timerid::Tmrdelay);
    Messagebox("Bug", Showbugtext(guess));
}

}  // namespace tallimor
