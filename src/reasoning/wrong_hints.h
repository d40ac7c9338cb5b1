#pragma once
// The computer as Codemaker may give wrong hints: which trials get one, how a
// hint is falsified, how the true hints are put back, how a player's Error
// claim is judged, and the texts that tell of each.

#include <string>
#include <vector>

#include "reasoning/engine_state.h"
#include "rules/game_state.h"

namespace tallimor {

// The trials that get a wrong hint, from the computer's average number of
// attempts in the setting: the first within the average, a second one to
// five trials later with a chance of 249 in 1000, both within trial 9.
std::string Geterrortrial(double average, RandomSource& random);

// Falsifies g.Result, the true hint of the current trial, and keeps the true
// counts: one black fewer, else one white fewer, else one black.
void Makeerror(GameState& g, WrongHintState& w);

// Puts the true hints back into the record, empties ErrorTrials (no further
// wrong hint this game) and clears ErrorPending.  Returns the corrected rows
// in the order the wrong hints were given; `errorrecord` gets the text kept
// with a saved game.
using Correctedhints = std::vector<std::pair<int, TrialRecord>>;  // trial, its true row
Correctedhints Correcthints(GameState& g, WrongHintState& w, std::string& errorrecord);

// The verdict on an Error claim once its replay has ended.
enum class Claimverdict { Right, Late, Consistent };
Claimverdict Judgeclaim(const GameState& g, const WrongHintState& w);

// The messages.  Counts of hints are trial counters as the game has them.
std::string Heytext(int hints);  // the player's own hints fit no code
std::string Rightclaimtext(const GameState& g, const WrongHintState& w);
std::string Detectedtext(int hints, const WrongHintState& w);  // the computer found its own error
std::string Latetext(const GameState& g, const WrongHintState& w);
std::string Consistenttext(int hints);
std::string Luckywintext(const GameState& g, const WrongHintState& w);  // a win past an unclaimed error
std::string Hiddenwintext(bool player, const WrongHintState& w);        // a win found by the correction

}  // namespace tallimor
