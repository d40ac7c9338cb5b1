#pragma once
// The statistics list of the designer's statistics window: three lines for
// every setting of every number of colours, naming the choices by the texts
// the Game Setting Menu's lists hold at the moment the list is built.

#include <string>
#include <vector>

#include "records/winners_file.h"

namespace tallimor {

// Settings of 5 to 10 colours that the menu allows, and the lines they take.
constexpr int kStatisticssettings = 1424;
constexpr int kStatisticslines = 3 * kStatisticssettings;

// The items of the menu lists Cborder, Cbstart and Cbhint.  A choice beyond
// a list's current items is named by an empty text.
struct Statisticslabels {
    std::vector<std::string> order, start, hint;
};

// Appends the three lines of one setting: its description, its population
// and average ("0     0" for none), and an empty line.
void Showlist(std::vector<std::string>& lines, const WinnersRecord& record, const Statisticslabels& labels,
              int colours, int lengthclass, int ordertype, int startfrom, int hinterrors, int maxrepeat);

// Appends the lines of every setting of `colours` colours, fixed lengths
// first, then the unspecified ones, each with both order types, both starts,
// both kinds of hints and every repetition.
void Showcolours(std::vector<std::string>& lines, const WinnersRecord& record, const Statisticslabels& labels,
                 int colours);

}  // namespace tallimor
