#pragma once
// Codes and guesses as text: one character per position, a colour digit or
// 'b' for a blank of an unspecified-length code.  In a "Fixed order" game a
// code always stands sorted: digits ascending, blanks last.

#include <string>
#include <string_view>

#include "rules/game_settings.h"
#include "rules/game_state.h"

namespace tallimor {

constexpr char kBlank = 'b';
constexpr char kUnfilled = '#';  // a position not yet filled while a code is made

// The colour digits in play: "01234" with 5 colours, "0123456789" with 10.
std::string Colourdigits(const GameSettings& s);

int Countchar(std::string_view text, char ch);

// Canonical order in place: digits ascending, blanks last.
void Sortcode(std::string& code);

// Why a text cannot be (the beginning of) a code of the setting: the first
// rule it breaks, in the order a player meets them.
enum class Inputrefusal {
    None,
    Full,       // more characters than the code has positions
    Notcolour,  // a character that is no colour in play (nor a blank)
    Blanks,     // more blanks than the setting allows (any, with a fixed length)
    Repeat,     // a colour more often than the setting allows
    Order,      // a "Fixed order" code out of ascending order, or a blank before a colour
    Unfilled,   // submitted before every position was given
    Keyboard,   // the Colour Panel was used while keyboard input is on
};
Inputrefusal Whyrefused(const GameSettings& s, std::string_view text, std::string_view alphabet);

// True when `text` may be (the beginning of) a code of the setting, using
// the characters of `alphabet` in their order.
bool Checkinput(const GameSettings& s, std::string_view text, std::string_view alphabet);

// True when the code is a complete, valid code of the setting.
bool Isvalidcode(const GameSettings& s, std::string_view code);

enum class MakeTarget { Answer, Guessstr };
// Makes a random code: the secret code, or a random guess for the current
// trial that differs from the secret code and from every earlier guess.
void Makecode(GameState& g, MakeTarget target);

// True when Guessstr differs from every earlier guess of the game.
bool Isnewguess(const GameState& g);

}  // namespace tallimor
