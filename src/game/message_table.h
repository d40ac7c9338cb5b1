#pragma once
// The program's messages: for each identifier its title, icon, buttons and
// wait, and what each button does.  No window here; the message box shows
// what this table says and the main window carries out the actions.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "game/wait_states.h"

namespace tallimor {

// The five buttons of the message box, in the order their captions are given.
enum class Msgbutton { Cmdl2, Cmdl3, Cmdmid, Cmdr3, Cmdr2 };

// Every message the program raises.
enum class Message {
    Mnuend,
    Mnuquit,
    Bug,
    Nofile,
    Notready,
    Notexist,
    Overwrite,
    Delete,
    Notvalid,
    Toolong,
    Notsaved,
    Notgame,
    Notenter,
    Win,
    Errordetected,
    Continueplaying,
    Gameover0,
    Gameover1,
    Same,
    Wrongdetection,
    Warning,
    Franswer,
    Recordsfile,
    Nohome,
    Notnumber,
};
constexpr size_t kMessages = static_cast<size_t>(Message::Notnumber) + 1;

struct MessageInfo {
    Message id;
    std::string_view name;  // the identifier the box carries as its tag
    std::string_view title;
    char icon;    // 'X' error, '?' question, '!' warning or result, 'i' information
    int buttons;  // 1: Cmdmid; 2: Cmdl2 and Cmdr2; 3: Cmdl3, Cmdmid and Cmdr3
    std::array<std::string_view, 5> captions;  // Cmdl2, Cmdl3, Cmdmid, Cmdr3, Cmdr2
    Msgbutton defaultButton;
    Wait wait;  // the wait state entered, with its time-out
};

// The row of a message.
const MessageInfo& Messageinfo(Message id);

// The picture file of an icon letter, relative to the program folder; empty
// for a letter without one.
std::string Iconfile(char letter);

// What a button does for a message.  None: the button is not listed for the
// message, so nothing happens and the box stays open.
enum class MessageAction {
    None,
    Endgameok,          // end the game, showing the answer to a player who guessed
    Quitok,             // end the program
    Nofileyes,          // back to the file dialog
    Overwriteyes,       // save over the file
    Deleteyes,          // delete the selected file
    Toggledisplay,      // switch colour and number display; the box stays open
    Savefile,           // open the Save As dialog
    Gameover0ok,        // the box closes and the game ends
    Notreadyok,         // the file dialog's drive is reset
    Notexistok,         // back to the file dialog
    Notenterok,         // a loaded game is resumed
    Close,              // the box closes; what follows it goes on
    Continueplayingok,  // the corrected game goes on
    Endgamecancel,      // restore the interrupted wait without a time-out
    Quitcancel,         // restore the interrupted wait
    Nofileno,           // the file dialog is cancelled
    Filenorestore,      // back to the file dialog
    Finish,             // back to the idle screen as by the menu's Cancel
    End,                // the game ends
    Winend,             // the game ends, through the Top Five check when it qualifies
};

MessageAction Buttonaction(Msgbutton button, Message id);

// Texts of the two confirmations.
extern const char* const kEndgametext;
extern const char* const kQuittext;

}  // namespace tallimor
