#pragma once
// The module's timers as data: whether each runs and how often it ticks.  A
// host makes them tick: the program with real timers, a test or the
// simulator with a virtual clock.

#include <array>

namespace tallimor {

enum class Timerid {
    Tmrwait,    // 1000 ms: the time-outs of the waits
    Tmrrec,     // 100 ms: the game clock
    Tmrbuffer,  // 1 ms, one tick: the deferred closing step
    Tmrdelay,   // 1 ms: one step of the computer playing by itself
};
constexpr int kTimers = 4;

struct Logicaltimer {
    bool enabled = false;
    int interval = 1000;      // milliseconds
    unsigned generation = 0;  // counts the starts: a host restarts its timer when it changes
};

using Timerset = std::array<Logicaltimer, kTimers>;

}  // namespace tallimor
