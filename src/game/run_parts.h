#pragma once
// The parts of a run's state that belong to one feature each.  The module
// (tallimormod.h) holds one member of each; the wait and message machinery,
// the game in play and the records stay in the module itself.

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/guess_row.h"
#include "game/main_view.h"
#include "game/wait_states.h"
#include "records/computer_statistics.h"
#include "rules/code_input.h"
#include "rules/code_string.h"
#include "rules/game_record.h"
#include "rules/player_game.h"

namespace tallimor {

// Whether the game on show has been saved or loaded.  A loaded game does not
// enter the Top Five.
enum class SaveStatus { Unsaved, Saved, Loaded };
std::string_view Savestatustext(SaveStatus status);  // "Unsaved", "Saved" or "Loaded"

// Whose games the delay timer plays one after another.
enum class Runkind { None, Demo, Initstat, Simulate };

// What the main window's panels and status bar show, apart from the menus,
// open box and the feature windows.
struct Screenstate {
    std::array<bool, kPanels> shown{};
    Displaymode display = Displaymode::Colour;
    std::string title = "Tallimor";
    std::string settingStatus;    // the game status the setting summary was drawn with
    Wait shownWait = Wait::None;  // the wait the status bar was written for
    std::string answerCaption = "Answer", answerShown;
    Prompts prompts;
    bool subcol = false, subnum = false;        // the Submit buttons are offered
    Inputrefusal refusal = Inputrefusal::None;  // the last input refused, until one is accepted
    ResultTexts result;
    Hint resultHint;
    Boardview board;
};

// The player's guess while it is entered, with the mouse or the keyboard.
struct Inputstate {
    GuessRow row;
    TypedInput typed;
    std::string text;  // the keyboard panel's text
    bool keyboard = false;
};

// The marking of the computer's guesses: who marks, the trial chosen in the
// preparation, and the counts the player enters.
struct Markingstate {
    bool computerMarks = false;  // Optyesmark: the computer marks its own guesses
    Listview trialno;
    Resultentryview entry;
    bool listPicked = false;  // a count has been picked from a list
};

// The Help menu's windows that are open, one at a time.
struct Helpwindows {
    bool instructions = false, about = false;
};

// The demo and the animation: the demo's panel, the player's display mode
// while the demo draws its own, and what the window's figure is told.
struct Demostate {
    Demoview view;
    std::optional<Displaymode> playerDisplay;  // the player's display mode, while the demo draws its own
    bool animation = true;
    unsigned placed = 0, winlaps = 0, popups = 0;
};

// The computer's statistics runs and the statistics window.
struct Statisticsstate {
    int gamecount = 0;  // the game of the current setting in the Initialize Statistics run
    std::string firstcode, lastcode, simcode;  // the simulation's codes: first, last, in play
    SimulationSummary sim;
    bool windowOpen = false;  // the statistics window is open in place of the main window
    std::shared_ptr<const std::vector<std::string>> statlines;
    std::optional<Systemboxview> systembox;
    unsigned systemboxes = 0;
};

// The Top Five list and its editor: the name typed, and the list on show.
struct Topfivestate {
    std::string nameText;
    Winnersview view;
    bool fromMenu = false;  // the list was opened from the Game Setting Menu
};

// The Open and Save As window: the window on show, how many have opened,
// the folder of the game and the file chosen in it.
struct Filewindowstate {
    std::string gamefolder, chosenfile;
    std::optional<Fileview> window;
    unsigned windows = 0;
};

}  // namespace tallimor
