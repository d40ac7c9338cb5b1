#pragma once
// What the simulator, the benchmark and the tests may give a game instead of
// drawing it, and what they hear of its steps.  The program leaves both empty.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "reasoning/wrong_hints.h"
#include "rules/game_state.h"

namespace tallimor {

// What a game is given instead of drawing it, for the simulator and for
// replays: the secret code, the computer's colour order, and the guesses of
// the trials before the start trial.  Empty fields are drawn as usual.
struct Gamepreset {
    std::string answer;
    std::string colourOrder;
    std::vector<std::string> given;
    // The trials that get a wrong hint in a game whose hints may contain
    // errors, instead of the drawn ones.
    std::optional<std::string> errorTrials;
};

// Observers for the simulator and the benchmark; empty in the program.
struct Gameprobe {
    // A trial of the computer's game has got its hint (given trials too).
    std::function<void(int trial, const std::string& guess, const Hint& hint)> trialRecorded;
    // One search of the computer took this many seconds.
    std::function<void(double seconds)> searched;
    // The computer found its hints inconsistent (Checkedtrial given).
    std::function<void(int checkedtrial)> inconsistent;
    // The wrong hints were corrected, in the order they were given.
    std::function<void(const Correctedhints& corrected)> corrected;
};

}  // namespace tallimor
