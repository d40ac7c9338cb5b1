#pragma once
// The rules' share of the module state: the setting, the secret code, the
// guess being made, the game record and the trial counter of one game.

#include <cstdint>
#include <functional>
#include <string>

#include "rules/game_record.h"
#include "rules/game_settings.h"
#include "rules/random_source.h"

namespace tallimor {

struct GameState {
    GameSettings Settings;

    std::string Answer;  // the secret code
    int16_t Answerblanks = 0;
    std::string Guessstr;  // the guess being made or marked
    int16_t Guessblanks = 0;
    Hint Result;  // Blacks, Whites, Blankhits of the last marking

    int16_t Currenttrial = 0;
    int16_t Finaltrial = 0;
    int16_t Attempts = 0;
    std::string Gamestatus;
    GameRecord Record;

    // The trials (1 to 9) that get a wrong hint, one digit each; "" when none.
    std::string ErrorTrials;
    // Alters the hint of a wrong-hint trial; installed by the reasoning layer.
    std::function<void(GameState&)> Makeerror;

    RandomSource Random;

    bool Playing() const { return Gamestatus.find("Playing") != std::string::npos; }
};

}  // namespace tallimor
