#pragma once
// The rules' share of the module state: the setting, the secret code, the
// guess being made, the game record and the trial counter of one game.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "rules/game_record.h"
#include "rules/game_settings.h"
#include "rules/random_source.h"

namespace tallimor {

// Where a game stands.  The setting summary shows its text and a saved game
// stores it; None is the empty text of no game.
enum class GameStatus {
    None,
    Preparation,
    Playing,
    Continueplaying,  // a wrong hint has been corrected and the game goes on
    Win,
    Gameover,
    Errordetected,
    Endgame,
    Hintsconsistent,  // the player claimed a wrong hint that was not there
    Latedetection,    // the player claimed a wrong hint too late
    Nextdemo,         // between two games of a demo or a statistics run
};

// "", "Preparation", "Playing", "Continue Playing", "Win", "Gameover",
// "Error Detected", "End Game", "Hint(s) Consistent",
// "Late Detection of Error" and "Next Demo".
std::string_view Gamestatustext(GameStatus status);
// The status of a text; none for a text that names no status.
std::optional<GameStatus> Gamestatusnamed(std::string_view text);

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
    GameStatus Gamestatus = GameStatus::None;
    GameRecord Record;

    // The trials (1 to 9) that get a wrong hint, one digit each; "" when none.
    std::string ErrorTrials;
    // Alters the hint of a wrong-hint trial; installed by the reasoning layer.
    std::function<void(GameState&)> Makeerror;

    RandomSource Random;

    bool Playing() const {
        return Gamestatus == GameStatus::Playing || Gamestatus == GameStatus::Continueplaying;
    }
};

}  // namespace tallimor
