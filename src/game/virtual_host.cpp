#include "game/virtual_host.h"

#include <cmath>
#include <limits>

namespace tallimor {

Virtualhost::Virtualhost(std::string recordsFolder, double startSeconds)
    : nowms_(static_cast<int64_t>(std::llround(startSeconds * 1000))),
      mod(std::move(recordsFolder), [this] { return Now(); }) {}

void Virtualhost::Sync() {
    const Timerset& timers = mod.Timers();
    for (size_t i = 0; i < timers.size(); ++i) {
        const Logicaltimer& t = timers[i];
        if (!t.enabled) {
            armed_[i] = false;
        } else if (!armed_[i] || seen_[i] != t.generation) {
            // A started (or restarted) timer ticks first one interval from now.
            armed_[i] = true;
            seen_[i] = t.generation;
            due_[i] = nowms_ + t.interval;
        }
    }
}

bool Virtualhost::Stepuntil(int64_t limit) {
    Sync();
    int next = -1;
    for (int i = 0; i < kTimers; ++i)
        if (armed_[static_cast<size_t>(i)] && due_[static_cast<size_t>(i)] <= limit &&
            (next < 0 || due_[static_cast<size_t>(i)] < due_[static_cast<size_t>(next)]))
            next = i;
    if (next < 0) return false;
    const auto n = static_cast<size_t>(next);
    nowms_ = due_[n];
    due_[n] += mod.Timers()[n].interval;
    mod.Fire(static_cast<Timerid>(next));
    return true;
}

bool Virtualhost::Step() { return Stepuntil(std::numeric_limits<int64_t>::max()); }

void Virtualhost::Advance(double seconds) {
    const int64_t target = nowms_ + static_cast<int64_t>(std::llround(seconds * 1000));
    while (Stepuntil(target)) {
    }
    nowms_ = target;
}

void Virtualhost::Runcomputer() {
    while (mod.Timers()[static_cast<size_t>(Timerid::Tmrdelay)].enabled && Step()) {
    }
}

Watchedend Playwatched(Virtualhost& host, const GameSettings& settings, const Gamepreset& preset) {
    Tallimormod& m = host.mod;
    m.Preset = preset;
    GameSettings s = settings;
    s.Who = Guesser::Watch;
    m.Newgame(s);
    for (;;) {
        host.Runcomputer();
        if (m.Box() && m.Box()->id == Message::Continueplaying) {
            m.Messagebutton_Click(Msgbutton::Cmdmid);  // the player lets the computer correct itself
        } else if (m.Timers()[static_cast<size_t>(Timerid::Tmrbuffer)].enabled) {
            host.Step();  // the win a correction uncovered
        } else {
            break;
        }
    }
    const GameStatus status = m.State().Gamestatus;
    const Watchedend end = status == GameStatus::Win        ? Watchedend::Win
                           : status == GameStatus::Gameover ? Watchedend::Lost
                                                            : Watchedend::Bug;
    if (m.Box()) m.Messagebutton_Click(m.Box()->buttons == 3 ? Msgbutton::Cmdr3 : Msgbutton::Cmdr2);
    return end;
}

}  // namespace tallimor
