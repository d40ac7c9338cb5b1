#pragma once
// A module on a clock of its own, for tests and the simulator: time moves
// only when the host is told to move it, and every timer tick that falls due
// meanwhile fires in order, so an hour's game plays in milliseconds.

#include <array>
#include <cstdint>
#include <string>

#include "game/tallimormod.h"

namespace tallimor {

class Virtualhost {
   public:
    explicit Virtualhost(std::string recordsFolder = "", double startSeconds = 50000);
    // The module's clock reads this host: a copy would read the original's.
    Virtualhost(const Virtualhost&) = delete;
    Virtualhost& operator=(const Virtualhost&) = delete;

    // Moves the clock on, firing every tick that falls due on the way.
    void Advance(double seconds);
    // Fires the next due tick, moving the clock to it; false when no timer runs.
    bool Step();
    // Steps while the computer is playing by itself.
    void Runcomputer();
    double Now() const { return static_cast<double>(nowms_) / 1000.0; }

   private:
    // Declared before the module, so it holds the start time when the
    // module's constructor first reads the clock.
    int64_t nowms_;

   public:
    Tallimormod mod;

   private:
    bool Stepuntil(int64_t limit);
    void Sync();

    std::array<int64_t, kTimers> due_{};
    std::array<unsigned, kTimers> seen_{};
    std::array<bool, kTimers> armed_{};
};

// How a "Watch computer play" game ended.
enum class Watchedend { Win, Lost, Bug };

// Plays one "Watch computer play" game of `settings` from its start to its
// closing box, which is then answered as the player would leave it (End or
// FINISH), so the module is back on the idle screen.  A wrong hint the
// computer detects is corrected with the OK the player would press.  State().Attempts and
// the record keep the game.
Watchedend Playwatched(Virtualhost& host, const GameSettings& settings, const Gamepreset& preset = {});

}  // namespace tallimor
