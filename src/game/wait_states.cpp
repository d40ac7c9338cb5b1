#include "game/wait_states.h"

#include <array>
#include <cmath>

namespace tallimor {

namespace {

constexpr std::string_view kPressOk1 =
    "Press the OK button.  Please notice the OK button is pressed automatically in one minute.";
constexpr std::string_view kPressOne15 =
    "Press one button.  Please notice the End button is pressed automatically in 15 minutes.";
constexpr std::string_view kGiveUp =
    "Choose one option and press the OK button.  If you do not give your response in 5 minutes, it is "
    "assumed that you give up this game.";
constexpr std::string_view kNofile =
    "Press one button. Please notice the No button is pressed automatically in one minute.";

constexpr std::array<WaitStateInfo, kWaits> kStates{{
    WaitStateInfo{Wait::None, "", false, 0, "", WaitAction::None},
    WaitStateInfo{Wait::Picfore, "Picfore", false, 300,
                  "Choose an option from the pulldown menu or the toolbar. Demo will start automatically "
                  "in five minutes.",
                  WaitAction::Startdemo},
    WaitStateInfo{Wait::Frmenu, "Frmenu", false, 300,
                  "Choose a game setting from this menu and then press the Start Game button.  Please "
                  "notice this menu will be closed automatically in 5 minutes.",
                  WaitAction::Cmdcancel},
    WaitStateInfo{Wait::Picwinners, "Picwinners", false, 60,
                  "Press the Continue button.  Please notice this list will be closed automatically in "
                  "one minute.",
                  WaitAction::Cmdcontinue},
    WaitStateInfo{Wait::Frtrialno, "Frtrialno", false, 300, kGiveUp, WaitAction::Givepreparation},
    WaitStateInfo{Wait::Frmark, "Frmark", false, 300, kGiveUp, WaitAction::Givepreparation},
    WaitStateInfo{Wait::Fraskcode, "Fraskcode", false, 300,
                  "Press the Ready button when you are ready.  If you do not do so in 5 minutes, it is "
                  "assumed that you give up this game.",
                  WaitAction::Finishgame},
    // Its text counts the trials left, see Statustext.
    WaitStateInfo{Wait::Frgetstring1, "Frgetstring1", false, 0, "", WaitAction::None},
    WaitStateInfo{Wait::Frgetstring2, "Frgetstring2", false, 300,
                  "Input a colour string and press the Submit button.  If you do not do so in 5 minutes, "
                  "it is assumed that you give up this game.",
                  WaitAction::Finishgame},
    WaitStateInfo{Wait::Frshowresult, "Frshowresult", false, 60,
                  "Press the OK button.  Please notice the OK button is pressed automatically in one "
                  "minute.",
                  WaitAction::Cmdshowresult},
    WaitStateInfo{Wait::Frgetresult, "Frgetresult", false, 0,
                  "Please tell me how many marks I have got.  This game will be ended automatically in "
                  "one hour.",
                  WaitAction::None},
    WaitStateInfo{Wait::Thinking, "Thinking", false, 0, "I am thinking.  Please wait a while.",
                  WaitAction::None},
    WaitStateInfo{Wait::Demo, "Demo", false, 0, "Demo is now on.  Click mouse on the cloud area to end demo.",
                  WaitAction::None},
    WaitStateInfo{Wait::Frgetname, "Frgetname", false, 60,
                  "Input your name.  Please notice if you do not input anything, your name will be "
                  "assumed to be xxx.",
                  WaitAction::Cmdokname},
    WaitStateInfo{Wait::Load, "Load", false, 300,
                  "Input a file name and press the Open button.  If you do not do so in 5 minutes, it is "
                  "assumed that you do not want to load a game.",
                  WaitAction::Filecancel},
    WaitStateInfo{Wait::Win, "Win", false, 900, kPressOne15, WaitAction::PressCmdr3},
    WaitStateInfo{Wait::Errordetected, "Error Detected", false, 900, kPressOne15, WaitAction::PressCmdr3},
    WaitStateInfo{Wait::Wrongdetection, "Wrong Detection", false, 900, kPressOne15, WaitAction::PressCmdr3},
    WaitStateInfo{Wait::Gameover1, "Gameover1", false, 900, kPressOne15, WaitAction::PressCmdr3},
    WaitStateInfo{Wait::Franswer, "Franswer", false, 900, kPressOne15, WaitAction::PressCmdr3},
    WaitStateInfo{Wait::Notgame, "Notgame", false, 900,
                  "Press the FINISH button after you have finished examining the result.  Please notice "
                  "the FINISH button is pressed automatically in 15 minutes.",
                  WaitAction::PressCmdr2},
    WaitStateInfo{Wait::Same, "Same", false, 900, "", WaitAction::PressCmdmid},
    WaitStateInfo{Wait::Continueplaying, "Continue Playing", false, 60, kPressOk1, WaitAction::PressCmdmid},
    WaitStateInfo{Wait::Gameover0, "Gameover0", false, 60, kPressOk1, WaitAction::PressCmdmid},
    WaitStateInfo{Wait::Warning, "Warning", false, 60, kPressOk1, WaitAction::PressCmdmid},
    WaitStateInfo{Wait::Notenter, "Notenter", false, 60, kPressOk1, WaitAction::PressCmdmid},
    // A records file that cannot be used, reported before a game goes on.
    WaitStateInfo{Wait::Recordsfile, "Recordsfile", false, 60, kPressOk1, WaitAction::PressCmdmid},
    WaitStateInfo{Wait::Notnumber, "Notnumber", false, 60, kPressOk1, WaitAction::PressCmdmid},
    // No folder to keep records in, told at start; the idle screen follows.
    WaitStateInfo{Wait::Nohome, "Nohome", false, 60, kPressOk1, WaitAction::PressCmdmid},
    WaitStateInfo{Wait::Fmabout, "Fmabout", true, 60, kPressOk1, WaitAction::Cmdokabout},
    WaitStateInfo{Wait::Instruct, "Instruct", true, 300,
                  "Press the OK button.  Please notice the OK button is pressed automatically in five "
                  "minutes.",
                  WaitAction::Cmdokinstr},
    // The text announces OK, but an unanswered question must not end the
    // game or the program: its time-out cancels.
    WaitStateInfo{Wait::Mnuend, "Mnuend", true, 60,
                  "Press one button.  Please notice the OK button is pressed automatically in one minute.",
                  WaitAction::PressCmdr2},
    WaitStateInfo{Wait::Mnuquit, "Mnuquit", true, 60,
                  "Press one button.  Please notice the OK button is pressed automatically in one minute.",
                  WaitAction::PressCmdr2},
    WaitStateInfo{Wait::Mnusave, "Mnusave", true, 300,
                  "Input a file name and press the Save button.  If you do not do so in 5 minutes, it is "
                  "assumed that you do not want to save the game.",
                  WaitAction::Filecancel},
    WaitStateInfo{Wait::Nofile, "Nofile", true, 60, kNofile, WaitAction::PressCmdr2},
    WaitStateInfo{Wait::Overwrite, "Overwrite", true, 60, kNofile, WaitAction::PressCmdr2},
    WaitStateInfo{Wait::Delete, "Delete", true, 60,
                  "Press one button.  If you do not do so in one minute, it is assumed that you do not "
                  "want to delete the file.",
                  WaitAction::PressCmdr2},
    WaitStateInfo{Wait::Notready, "Notready", true, 60, kPressOk1, WaitAction::PressCmdmid},
    WaitStateInfo{Wait::Notexist, "Notexist", true, 60, kPressOk1, WaitAction::PressCmdmid},
    WaitStateInfo{Wait::Notvalid, "Notvalid", true, 60, kPressOk1, WaitAction::PressCmdmid},
    WaitStateInfo{Wait::Toolong, "Toolong", true, 60, kPressOk1, WaitAction::PressCmdmid},
    WaitStateInfo{Wait::Notsaved, "Notsaved", true, 60, kPressOk1, WaitAction::PressCmdmid},
}};

constexpr bool Inorder() {
    for (size_t i = 0; i < kStates.size(); ++i)
        if (static_cast<size_t>(kStates[i].id) != i) return false;
    return true;
}
static_assert(Inorder(), "the wait-state table has one row for each state, in order");

}  // namespace

const WaitStateInfo& Waitinfo(Wait state) { return kStates[static_cast<size_t>(state)]; }

std::string Statustext(Wait state, int starttrial) {
    if (state == Wait::Frgetstring1)
        return "Input your guess.  Please notice you are allowed to try at most " +
               std::to_string(28 - starttrial) + " times or 1 hour.";
    return std::string(Waitinfo(state).status);
}

std::string Padstatus(const std::string& text) {
    std::string line(10, ' ');
    line += text;
    if (text.size() < 220) line.append(220 - text.size(), ' ');
    return line;
}

WaitStack::WaitStack(TimeSource now) : now_(now ? std::move(now) : Steadytime()) {}

void WaitStack::Enter(Wait state, int16_t timeout) {
    Retime(timeout);
    if (timeout == 0 || !Waitinfo(state).pushed) entries_.clear();
    entries_.insert(entries_.begin(), state);
}

void WaitStack::Retime(int16_t timeout) {
    if (timeout != 0) {
        start_ = now_();
        enabled_ = true;
        timeout_ = timeout;
    } else {
        enabled_ = false;
    }
}

void WaitStack::Setdirect(Wait state) { entries_.assign(1, state); }

void WaitStack::Pop() {
    if (Currentpushed()) entries_.erase(entries_.begin());
}

std::string WaitStack::Stack() const {
    std::string text;
    for (Wait w : entries_) {
        text += Waitinfo(w).name;
        if (Waitinfo(w).pushed) text += '+';
    }
    return text;
}

void WaitStack::R1() {
    Pop();
    Retime(0);
    if (Current() == Wait::Picfore)
        Enter(Wait::Picfore);
    else
        Retime(kRestoredtimeout);
}

void WaitStack::R2() {
    Pop();
    Retime(0);
    if (Current() == Wait::None) return;  // an empty stack stays without a time-out
    if (Current() == Wait::Picfore)
        Enter(Wait::Picfore);
    else
        Retime(kRestoredtimeout);
}

void WaitStack::R3() {
    Pop();
    Retime(0);
}

void WaitStack::R4() {
    Pop();
    Retime(kRestoredtimeout);
}

WaitAction WaitStack::Tmrwait_Timer() const {
    if (!enabled_) return WaitAction::None;
    const double elapsed = std::floor(now_() - start_);
    if (elapsed < timeout_) return WaitAction::None;
    return Waitinfo(Current()).action;
}

std::string WaitStack::Statusline() const { return Padstatus(Statustext(Current(), Starttrial)); }

}  // namespace tallimor
