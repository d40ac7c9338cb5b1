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
