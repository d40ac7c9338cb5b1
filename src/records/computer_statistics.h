#pragma once
// The computer's own statistics: the update after each counted win, the
// order of the simulation run over every secret code, and the order of the
// settings that the Initialize Statistics run walks through.

#include <cstdint>
#include <string>

#include "records/winners_file.h"
#include "rules/game_settings.h"

namespace tallimor {

// Statistics stop growing past this many counted games of a setting.
constexpr int16_t kPopulationLimit = 30000;

// The element of the setting's statistics (its own start and hints
// included), or -1.
int Statisticsindex(const GameSettings& s);

// Adds a win of `attempts` to the setting's population and average (its own
// Startfrom and Hinterrors included), in single precision.
void Updatestatistics(WinnersRecord& record, const GameSettings& s, int attempts);

// The first and the last valid code of the setting in odometer order.
std::string Firstcode(const GameSettings& s);
std::string Lastcode(const GameSettings& s);
// The alphabet of the odometer: the colours in play, then 'b' for an
// unspecified length.
std::string Simalphabet(const GameSettings& s);
// Steps `code` to the next valid code in odometer order; false after the last.
bool Nextcode(const GameSettings& s, std::string& code);

// The summary of a simulation run.
struct SimulationSummary {
    int32_t Simcount = 0;
    int32_t Simtotal = 0;
    int16_t Simmaxattempts = 0;
    int16_t Simmaxtrials = 0;
    void Add(int attempts, int trials);
    std::string Text() const;
};

// The first setting of the Initialize Statistics run, and the step to the
// next game of it (`gamecount` counts 1..games within a setting).  False when
// the run is over.
GameSettings Firststatsetting();
bool Nextstatgame(GameSettings& s, int& gamecount, int games = 10);

}  // namespace tallimor
