#pragma once
// The seven setting choices of a game and the values derived from them.

#include <cstdint>
#include <string>

namespace tallimor {

// Every field is a small code counted from 1 in the order of the setting
// lists, except the numbers (colours, length, trial, repeat) themselves.
struct GameSettings {
    int16_t Who = 1;          // 1 you guess, 2 computer guesses, 3 watch computer play
    int16_t Colours = 10;     // 5..10
    int16_t Startfrom = 1;    // 1 "Trial 1", 2 "Middle"
    int16_t Starttrial = 1;   // 1..9
    int16_t Codelength = 3;   // fixed length L, or maximum M of an unspecified length
    int16_t Fixedlength = 1;  // 1 fixed, 0 unspecified
    int16_t Blankroom = 0;    // most blanks a code may hold
    int16_t Lengthclass = 3;  // L, or M + 5 for an unspecified length
    int16_t Hinterrors = 1;   // 1 "No error", 2 "May contain error(s)"
    int16_t Ordertype = 1;    // 1 "Fixed order", 2 "Random order"
    int16_t MaxRepeat = 1;    // 1 none; Codelength means any number of times

    bool fixedOrder() const { return Ordertype == 1; }
    bool randomOrder() const { return Ordertype == 2; }
    bool unlimitedRepeat() const { return MaxRepeat == Codelength; }

    // Builds a consistent setting from its main choices (derives the rest).
    static GameSettings Make(int colours, int length, bool fixedLength, int ordertype, int maxRepeat,
                             int who = 1, int startfrom = 1, int hinterrors = 1);

    friend bool operator==(const GameSettings&, const GameSettings&) = default;
};

// Lengthclass = Codelength for a fixed length, Codelength + 5 otherwise.
void Setlengthclass(GameSettings& s);

// The texts the setting summary panel shows.
std::string Whotext(int who);
std::string Lengthtext(const GameSettings& s);
std::string Repeattext(const GameSettings& s);
std::string Settitletext();
std::string Setcontenttext(const GameSettings& s, const std::string& gamestatus);

}  // namespace tallimor
