#pragma once
// What the program is waiting for: the wait-state stack, its time-out and the
// status line.  The states are data of their own, named by identifier only.
// No window here: the main window keeps its timer and status bar in step with
// the stack after every change.

#include <cstdint>
#include <string>
#include <string_view>

#include "rules/game_clock.h"

namespace tallimor {

// What a time-out does for the player.  Pressing a message-box button does
// nothing when no box is open.
enum class WaitAction {
    None,
    Startdemo,        // idle screen: the demo starts
    Cmdcancel,        // Game Setting Menu closes as by its Cancel
    Cmdcontinue,      // Top Five list closes
    Givepreparation,  // hide the preparation frames, then Finishgame
    Finishgame,       // the game is given up
    Cmdshowresult,    // the hint is accepted
    Cmdokname,        // the Top Five name is taken as entered
    Filecancel,       // the file dialog is cancelled
    Cmdokabout,
    Cmdokinstr,
    PressCmdmid,  // the single button, or the middle of three
    PressCmdr2,   // the right of two
    PressCmdr3,   // the right of three
};

struct WaitStateInfo {
    std::string_view id;
    int16_t timeout;  // seconds the state is entered with; 0 for none
    std::string_view status;
    WaitAction action;
};

// A plain state replaces the whole stack; a pushed one (entered with a
// trailing "+") goes on top of it.  nullptr for an identifier of neither table.
const WaitStateInfo* Findplainstate(std::string_view id);
const WaitStateInfo* Findpushedstate(std::string_view id);

// The status text of a state (unpadded).  "Frgetstring1" counts the trials
// left from `starttrial`.
std::string Statustext(std::string_view state, bool pushed, int starttrial);

// Ten blanks, the text, and blanks up to 230 characters in all.
std::string Padstatus(const std::string& text);

// The padded status line for the current state of a stack string.
std::string Statusline(const std::string& stack, int starttrial);

class WaitStack {
   public:
    explicit WaitStack(TimeSource now);

    // Enters a state with a time-out (0: none).  "Nochange" keeps the stack
    // and only restarts or stops the time-out; a state ending in "+" with a
    // time-out is pushed onto the stack.
    void Setwait(int16_t timeout, const std::string& state);
    // Enters a state without touching the time-out.
    void Setdirect(const std::string& state);
    // Removes the top state; a stack without "+" stays as it is.
    void Pop();

    // Restores after a pushed window closes.
    void R1();  // About, Instructions
    void R2();  // Cancel of the Quit question
    void R3();  // Cancel of the End Game question
    void R4();  // messages of the file dialog

    // The action a timer tick calls for: None before the time-out is reached.
    // Once reached, the action is due on every tick while the state stays.
    WaitAction Tmrwait_Timer() const;

    const std::string& Stack() const { return stack_; }
    std::string Current() const;
    bool Currentpushed() const { return stack_.find('+') != std::string::npos; }
    bool Timerenabled() const { return enabled_; }
    int16_t Timeout() const { return timeout_; }
    // The status line for the current state, padded.
    std::string Statusline() const;

    int Starttrial = 1;  // of the game in play, for the guessing state's status

   private:
    TimeSource now_;
    std::string stack_;
    double start_ = 0;
    int16_t timeout_ = 0;
    bool enabled_ = false;
};

}  // namespace tallimor
