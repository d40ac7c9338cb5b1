// The computer as Codebreaker: each guess comes from the consistency search,
// whose end decides the next step; while the computer marks its own guesses
// the delay timer carries the game on, one trial a tick.

#include <chrono>

#include "game/tallimormod.h"
#include "rules/marking.h"

namespace tallimor {

void Tallimormod::Computerguess() {
    if (wait_.Current() == Wait::Demo) {
        Demothinking();  // the demo's panel says so, and its wait stays
    } else {
        wait_.Setdirect(Wait::Thinking);
        Showstatus();
    }
    engine_->Setcomputermarks(marking_.computerMarks);
    if (!Probe.searched) {
        Conclude(engine_->Getguess());
        return;
    }
    const auto started = std::chrono::steady_clock::now();
    const Conclusion c = engine_->Getguess();
    Probe.searched(std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
    Conclude(c);
}

void Tallimormod::Conclude(const Conclusion& c) {
    switch (c.kind) {
        case Conclusion::Kind::Delaytimer:
            Pacedelay(c.owntrial);
            Starttimer(Timerid::Tmrdelay);
            break;
        case Conclusion::Kind::Getresult:
            Getresult();
            break;
        case Conclusion::Kind::Inconsistent:
            Inconsistent();
            break;
        case Conclusion::Kind::Errorcase:
            Errorcase();
            break;
        case Conclusion::Kind::Showbug:
            Showbug(c.bugguess);
            break;
    }
}

void Tallimormod::Tmrdelay_Timer() {
    Stoptimer(Timerid::Tmrdelay);
    if (Nextrungame()) return;  // between two games of a statistics run
    if (Demostep()) return;
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
    Record();
    if (Iswin(g_))
        Win();
    else if (g_.Currenttrial >= kLastTrial)
        Gameover(true);
    else
        Getguess();
}

void Tallimormod::Record() {
    Processmark(g_);
    // A trial is told of once, when its hint is first recorded.
    if (g_.Currenttrial <= reported_) return;
    reported_ = g_.Currenttrial;
    if (Probe.trialRecorded) Probe.trialRecorded(g_.Currenttrial, g_.Guessstr, g_.Result);
}

void Tallimormod::Showbug(const std::string& guess) {
    Stoptimer(Timerid::Tmrdelay);
    Stoptimer(Timerid::Tmrrec);
    Messagebox(Message::Bug, Showbugtext(guess));
}

}  // namespace tallimor
