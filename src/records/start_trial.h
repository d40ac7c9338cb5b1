#pragma once
// The start trial of a game that starts in the middle, drawn from the
// computer's average number of attempts in the setting.

#include <filesystem>

#include "records/winners_file.h"
#include "rules/game_state.h"

namespace tallimor {

// The computer's average for the setting's "Trial 1" and "No error" games.
float Averageattempts(const WinnersRecord& record, const GameSettings& s);

// The integer part of average + r, at most 9 and at least 1 (an average below
// 1, which no real game gives, would otherwise start at trial 0).
int16_t Starttrialfor(double average, double r);

// Sets Settings.Starttrial from the records file of the setting's number of
// colours, read into `buffer`.  A records file that cannot be used counts as
// holding no statistics; its problem is returned for the player to see.
WinnersResult Getstarttrial(GameState& g, const std::filesystem::path& programFolder, WinnersRecord& buffer);

}  // namespace tallimor
