#pragma once
// The Top Five list of each setting: who qualifies, where a new entry goes,
// and the texts of the list panel with the computer's statistics beside it.

#include <string>

#include "records/winners_file.h"
#include "rules/game_settings.h"

namespace tallimor {

constexpr size_t kNamelength = 15;  // characters a name may have

// The element of place 0 to 4 of the setting's list (its own start and hints
// included), or -1.
int Placeindex(const GameSettings& s, int place);

// A win of `seconds` and `attempts` beats the fifth place: fewer seconds, or
// as many seconds and fewer attempts.
bool Qualifies(const WinnersRecord& record, const GameSettings& s, int seconds, int attempts);

// Puts the entry before the first place it beats or equals, moving the rest
// down; the fifth place drops out.  Returns the place taken, or -1.
int Placeentry(WinnersRecord& record, const GameSettings& s, const std::string& name, int seconds,
               int seconds_stored, int attempts);

// The list panel's columns (a line per place and a blank line after it) and
// its statistics text.
struct Winnerstexts {
    std::string names, times, attempts, data;
};
Winnerstexts Showwinnerstexts(const WinnersRecord& record, const GameSettings& s);

// A number with one decimal and no digit before the point below 1: ".5", "4.3".
std::string Onedecimal(double value);

}  // namespace tallimor
