#pragma once
// A game in which the computer makes the code, guesses and marks, played to
// its end without a window: the statistics runs, the simulator and the
// benchmark play these.

#include <functional>
#include <string>
#include <vector>

#include "reasoning/engine.h"

namespace tallimor {

// One step of the delay timer for the computer's own trial when the computer
// marks: mark Guessstr against the secret code and record the trial.
enum class Markstep { Nextguess, Win, Gameover };
Markstep Computermark(GameState& g);

struct WatchedGame {
    GameState game;
    EngineTables tables;
    WrongHintState wrong;

    enum class End { Win, Lost, Bug };

    // Sets the game up as a new one: clears the record and the engine's
    // tables and draws the colour order; then makes a secret code unless
    // `answer` is given.  `given` are the guesses of the trials before the
    // start trial (a "Middle" game), marked against the secret code.  A
    // given `colourOrder` replaces the drawn one.
    void Initialize(const std::string& answer = "", const std::vector<std::string>& given = {},
                    const std::string& colourOrder = "");

    // Plays from the first guess to the end.  `onTrial` sees every marked
    // trial; `onThink` every search with the seconds it took.
    using TrialObserver = std::function<void(int trial, const std::string& guess, const Hint& hint)>;
    using ThinkObserver = std::function<void(double seconds)>;
    End Play(const TrialObserver& onTrial = nullptr, const ThinkObserver& onThink = nullptr);
};

}  // namespace tallimor
