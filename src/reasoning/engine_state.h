#pragma once
// What the computer knows while it breaks a code: the tables its search keeps
// from trial to trial (saved with a game), and the work state of one search.

#include <array>
#include <cstdint>
#include <string>

#include "rules/game_record.h"

namespace tallimor {

// The tables that carry the hypothesis from one trial to the next.  Digit
// strings hold one decimal digit per colour slot.
struct EngineTables {
    std::string ColourOrder;                           // the colours in play, in this game's order
    std::array<int16_t, 10> MaxTested{};               // most copies of a colour in any guess so far
    std::array<int16_t, 10> Saturation{};              // layer copies the hypothesis keeps out of the code
    std::array<std::string, kTrialRows> TrialColours;  // colours a trial tests more often than before
    std::array<std::string, kTrialRows> TrialLayers;   // how many more copies, per colour
    std::array<std::string, kTrialRows> TrialChoice;   // how many of those the hypothesis puts in the code
    bool NoConsistentCode = false;

    // Empties everything but the colour order, as before a replay.
    void Clear();
};

// The state of the wrong hints and of the Error claim that the search reads.
struct WrongHintState {
    bool ErrorPending = false;  // a wrong hint was given and not corrected
    std::string TrueBlacks;     // true counts of each wrong hint given, one digit each
    std::string TrueWhites;
    bool WinHidden = false;  // a wrong hint was given to an exactly right guess
    int16_t WinTrial = 0;
    int16_t Checkedtrial = 0;  // the last trial whose hints are known to be right
    int16_t Replaycount = 0;   // trials replayed while an Error claim is judged
    int16_t DetectTrial = 0;   // where that replay found the hints impossible

    void Clear() { *this = WrongHintState{}; }
};

}  // namespace tallimor
