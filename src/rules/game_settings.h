#pragma once
// The seven setting choices of a game and the values derived from them.

#include <cstdint>
#include <string>
#include <type_traits>

namespace tallimor {

// The choices of a game, each a code counted from 1 in the order of its
// setting list (the length kind: 1 fixed, 0 unspecified).  The numbers are
// those the records files and saved games store; Code() gives them.
enum class Guesser : int16_t { Player = 1, Computer = 2, Watch = 3 };  // "You guess", ...
enum class Startpoint : int16_t { Trial1 = 1, Middle = 2 };
enum class Lengthkind : int16_t { Unspecified = 0, Fixed = 1 };
enum class Hintkind : int16_t { Noerror = 1, Mayerr = 2 };  // "No error", "May contain error(s)"
enum class Ordering : int16_t { Fixed = 1, Random = 2 };    // "Fixed order", "Random order"

template <class Choice>
requires std::is_enum_v<Choice>
constexpr int16_t Code(Choice c) { return static_cast<int16_t>(c); }

// The numbers (colours, length, trial, repeat) are themselves.
struct GameSettings {
    Guesser Who = Guesser::Player;
    int16_t Colours = 10;  // 5..10
    Startpoint Startfrom = Startpoint::Trial1;
    int16_t Starttrial = 1;  // 1..9
    int16_t Codelength = 3;  // fixed length L, or maximum M of an unspecified length
    Lengthkind Fixedlength = Lengthkind::Fixed;
    int16_t Blankroom = 0;    // most blanks a code may hold
    int16_t Lengthclass = 3;  // L, or M + 5 for an unspecified length
    Hintkind Hinterrors = Hintkind::Noerror;
    Ordering Ordertype = Ordering::Fixed;
    int16_t MaxRepeat = 1;  // 1 none; Codelength means any number of times

    bool Playerguesses() const { return Who == Guesser::Player; }
    bool Computerguesses() const { return Who == Guesser::Computer; }
    bool Computerplays() const { return Who == Guesser::Watch; }  // "Watch computer play"
    bool Middlestart() const { return Startfrom == Startpoint::Middle; }
    bool Fixedcodelength() const { return Fixedlength == Lengthkind::Fixed; }
    bool Errorsallowed() const { return Hinterrors == Hintkind::Mayerr; }
    bool Fixedorder() const { return Ordertype == Ordering::Fixed; }
    bool Randomorder() const { return Ordertype == Ordering::Random; }
    bool Unlimitedrepeat() const { return MaxRepeat == Codelength; }

    // Builds a consistent setting from its main choices, given as the codes
    // above (derives the rest).
    static GameSettings Make(int colours, int length, bool fixedLength, int ordertype, int maxRepeat,
                             int who = 1, int startfrom = 1, int hinterrors = 1);

    friend bool operator==(const GameSettings&, const GameSettings&) = default;
};

// Lengthclass = Codelength for a fixed length, Codelength + 5 otherwise.
void Setlengthclass(GameSettings& s);

// The texts the setting summary panel shows.
std::string Whotext(Guesser who);
std::string Lengthtext(const GameSettings& s);
std::string Repeattext(const GameSettings& s);
std::string Settitletext();
std::string Setcontenttext(const GameSettings& s, const std::string& gamestatus);

}  // namespace tallimor
