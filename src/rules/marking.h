#pragma once
// Marking a guess against the secret code, and recording the marked trial.

#include <string_view>

#include "rules/game_record.h"
#include "rules/game_settings.h"
#include "rules/game_state.h"

namespace tallimor {

// The true hint of `guess` against `answer`.  In a "Fixed order" game
// Blacks counts every correct colour, whatever its position.
Hint Markcode(const GameSettings& s, std::string_view guess, std::string_view answer);

// The win test: the guess is the secret code exactly.
bool Iswin(const GameSettings& s, const Hint& hint, int answerblanks);
inline bool Iswin(const GameState& g) { return Iswin(g.Settings, g.Result, g.Answerblanks); }

// Marks Guessstr against Answer into g.Result.  In the player's game it first
// advances the trial counter; a trial named in ErrorTrials gets its hint
// altered by Makeerror.  Returns true when the hint is to be shown to the
// player (a player's guess that did not win).
bool Mark(GameState& g);

// Row Currenttrial of the game record takes the marked guess.
void Processmark(GameState& g);

}  // namespace tallimor
