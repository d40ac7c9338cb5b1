#pragma once
// The window-free steps of a game and the texts the player reads during it:
// clearing the record, the random trials before a middle start, the hint
// texts, the prompts and the closing messages.

#include <string>

#include "rules/game_state.h"

namespace tallimor {

// Empties the record and the trial counters of a new game.  The secret code
// is cleared too, unless the computer is simulating games with a given code.
void Clearrec(GameState& g, bool keepAnswer = false);

// Plays trials 1 to Starttrial - 1 with random guesses, each differing from
// the secret code and from the earlier ones, marked and recorded.  The game
// status must not contain "Playing", so the counter is set here, not by Mark.
void Playearlytrials(GameState& g);

// The texts of the result panel for the hint in g.Result.
struct ResultTexts {
    std::string trials;   // "Trial: 3"
    std::string correct;  // black (or, in a "Fixed order" game, all correct) colours
    std::string wrong;    // white colours; empty in a "Fixed order" game
};
ResultTexts Showresulttexts(const GameState& g);

// The prompts of the mouse and keyboard input panels for the next string,
// and whether the Error button is offered beside them.
struct Prompts {
    std::string getstring;  // mouse panel
    std::string input;      // keyboard panel
    bool errorButton = false;
};
Prompts Getstringprompts(const GameState& g);

// The closing messages of a game, without the line that asks for a choice.
std::string Wintext(int attempts, const std::string& recordtimetext);
// `lasttrial`: the 27th trial was missed (otherwise the hour is over).
std::string Gameovertext(const GameState& g, bool lasttrial = false);
// A closing message followed by the line that asks for a choice.
std::string Choosetext(const std::string& text);

extern const char* const kLastchancetext;   // before the last trial
extern const char* const kFiveminutestext;  // five minutes before the hour
extern const char* const kShowanswertext;   // after an ended game

}  // namespace tallimor
