#pragma once
// What the program is waiting for: the wait-state stack, its time-out and the
// status line.  The states are data of their own, named by identifier only.
// No window here: the main window keeps its timer and status bar in step with
// the stack after every change.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

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

// Every point at which the program waits.  The plain states come first; a
// pushed one (from Fmabout on) belongs to a window that opens over any other
// wait and goes on top of the stack.  A message box waits in the state of
// its own name.
enum class Wait {
    None,  // nothing: the empty state
    Picfore,
    Frmenu,
    Picwinners,
    Frtrialno,
    Frmark,
    Fraskcode,
    Frgetstring1,
    Frgetstring2,
    Frshowresult,
    Frgetresult,
    Thinking,
    Demo,
    Frgetname,
    Load,
    Win,
    Errordetected,
    Wrongdetection,
    Gameover1,
    Franswer,
    Notgame,
    Same,
    Continueplaying,
    Gameover0,
    Warning,
    Notenter,
    Recordsfile,
    Notnumber,
    Nohome,
    Fmabout,
    Instruct,
    Mnuend,
    Mnuquit,
    Mnusave,
    Nofile,
    Overwrite,
    Delete,
    Notready,
    Notexist,
    Notvalid,
    Toolong,
    Notsaved,
};
constexpr size_t kWaits = static_cast<size_t>(Wait::Notsaved) + 1;

struct WaitStateInfo {
    Wait id;
    std::string_view name;  // as the stack's text holds it
    bool pushed;
    int16_t timeout;  // seconds the state is entered with; 0 for none
    std::string_view status;
    WaitAction action;
};

// The row of a state.
const WaitStateInfo& Waitinfo(Wait state);

// The status text of a state (unpadded).  "Frgetstring1" counts the trials
// left from `starttrial`.
std::string Statustext(Wait state, int starttrial);

// Ten blanks, the text, and blanks up to 230 characters in all.
std::string Padstatus(const std::string& text);

// Time-outs some waits are given instead of their own.
constexpr int16_t kRestoredtimeout = 60;  // a wait given back after a window over it closes
// The Game Setting Menu, back from the statistics window: a minute, as the
// player has already chosen once.
constexpr int16_t kBackfromstatistics = 60;
// Save As opened from a game's closing box: a minute, the box's own pace.
constexpr int16_t kSavefromabox = 60;

class WaitStack {
   public:
    explicit WaitStack(TimeSource now);

    // Enters a state with the time-out of its row: a pushed one goes on top of
    // the stack, a plain one replaces it.
    void Enter(Wait state) { Enter(state, Waitinfo(state).timeout); }
    // The same with another time-out (0: none, and then nothing is pushed).
    void Enter(Wait state, int16_t timeout);
    // Restarts the time-out of the state on top, or stops it with 0.
    void Retime(int16_t timeout);
    // Enters a state without touching the time-out.
    void Setdirect(Wait state);
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

    // The stack as text: each pushed state followed by "+", then the plain one.
    std::string Stack() const;
    Wait Current() const { return entries_.empty() ? Wait::None : entries_.front(); }
    bool Currentpushed() const { return !entries_.empty() && Waitinfo(entries_.front()).pushed; }
    bool Timerenabled() const { return enabled_; }
    int16_t Timeout() const { return timeout_; }
    // The status line for the current state, padded.
    std::string Statusline() const;

    int Starttrial = 1;  // of the game in play, for the guessing state's status

   private:
    TimeSource now_;
    std::vector<Wait> entries_;  // the top first
    double start_ = 0;
    int16_t timeout_ = 0;
    bool enabled_ = false;
};

}  // namespace tallimor
