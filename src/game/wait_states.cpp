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

constexpr std::array kPlain{
    WaitStateInfo{"Picfore", 300,
                  "Choose an option from the pulldown menu or the toolbar. Demo will start automatically "
                  "in five minutes.",
                  WaitAction::Startdemo},
    WaitStateInfo{"Frmenu", 300,
                  "Choose a game setting from this menu and then press the Start Game button.  Please "
                  "notice this menu will be closed automatically in 5 minutes.",
                  WaitAction::Cmdcancel},
    WaitStateInfo{"Picwinners", 60,
                  "Press the Continue button.  Please notice this list will be closed automatically in "
                  "one minute.",
                  WaitAction::Cmdcontinue},
    WaitStateInfo{"Frtrialno", 300, kGiveUp, WaitAction::Givepreparation},
    WaitStateInfo{"Frmark", 300, kGiveUp, WaitAction::Givepreparation},
    WaitStateInfo{"Fraskcode", 300,
                  "Press the Ready button when you are ready.  If you do not do so in 5 minutes, it is "
                  "assumed that you give up this game.",
                  WaitAction::Finishgame},
    // Its text counts the trials left, see Statustext.
    WaitStateInfo{"Frgetstring1", 0, "", WaitAction::None},
    WaitStateInfo{"Frgetstring2", 300,
                  "Input a colour string and press the Submit button.  If you do not do so in 5 minutes, "
                  "it is assumed that you give up this game.",
                  WaitAction::Finishgame},
    WaitStateInfo{"Frshowresult", 60,
                  "Press the OK button.  Please notice the OK button is pressed automatically in one "
                  "minute.",
                  WaitAction::Cmdshowresult},
    WaitStateInfo{"Frgetresult", 0,
                  "Please tell me how many marks I have got.  This game will be ended automatically in "
                  "one hour.",
                  WaitAction::None},
    WaitStateInfo{"Thinking", 0, "I am thinking.  Please wait a while.", WaitAction::None},
    WaitStateInfo{"Demo", 0, "Demo is now on.  Click mouse on the cloud area to end demo.", WaitAction::None},
    WaitStateInfo{"Frgetname", 60,
                  "Input your name.  Please notice if you do not input anything, your name will be "
                  "assumed to be xxx.",
                  WaitAction::Cmdokname},
    WaitStateInfo{"Load", 300,
                  "Input a file name and press the Open button.  If you do not do so in 5 minutes, it is "
                  "assumed that you do not want to load a game.",
                  WaitAction::Filecancel},
    WaitStateInfo{"Win", 900, kPressOne15, WaitAction::PressCmdr3},
    WaitStateInfo{"Error Detected", 900, kPressOne15, WaitAction::PressCmdr3},
    WaitStateInfo{"Wrong Detection", 900, kPressOne15, WaitAction::PressCmdr3},
    WaitStateInfo{"Gameover1", 900, kPressOne15, WaitAction::PressCmdr3},
    WaitStateInfo{"Franswer", 900, kPressOne15, WaitAction::PressCmdr3},
    WaitStateInfo{"Notgame", 900,
                  "Press the FINISH button after you have finished examining the result.  Please notice "
                  "the FINISH button is pressed automatically in 15 minutes.",
                  WaitAction::PressCmdr2},
    WaitStateInfo{"Same", 900, "", WaitAction::PressCmdmid},
    WaitStateInfo{"Continue Playing", 60, kPressOk1, WaitAction::PressCmdmid},
    WaitStateInfo{"Gameover0", 60, kPressOk1, WaitAction::PressCmdmid},
    WaitStateInfo{"Warning", 60, kPressOk1, WaitAction::PressCmdmid},
    WaitStateInfo{"Notenter", 60, kPressOk1, WaitAction::PressCmdmid},
    // A records file that cannot be used, reported before a game goes on.
    WaitStateInfo{"Recordsfile", 60, kPressOk1, WaitAction::PressCmdmid},
    WaitStateInfo{"Notnumber", 60, kPressOk1, WaitAction::PressCmdmid},
    // No folder to keep records in, told at start; the idle screen follows.
    WaitStateInfo{"Nohome", 60, kPressOk1, WaitAction::PressCmdmid},
};

constexpr std::array kPushed{
    WaitStateInfo{"Fmabout", 60, kPressOk1, WaitAction::Cmdokabout},
    WaitStateInfo{"Instruct", 300,
                  "Press the OK button.  Please notice the OK button is pressed automatically in five "
                  "minutes.",
                  WaitAction::Cmdokinstr},
    // The text announces OK, but an unanswered question must not end the
    // game or the program: its time-out cancels.
    WaitStateInfo{"Mnuend", 60,
                  "Press one button.  Please notice the OK button is pressed automatically in one minute.",
                  WaitAction::PressCmdr2},
    WaitStateInfo{"Mnuquit", 60,
                  "Press one button.  Please notice the OK button is pressed automatically in one minute.",
                  WaitAction::PressCmdr2},
    WaitStateInfo{"Mnusave", 300,
                  "Input a file name and press the Save button.  If you do not do so in 5 minutes, it is "
                  "assumed that you do not want to save the game.",
                  WaitAction::Filecancel},
    WaitStateInfo{"Nofile", 60, kNofile, WaitAction::PressCmdr2},
    WaitStateInfo{"Overwrite", 60, kNofile, WaitAction::PressCmdr2},
    WaitStateInfo{"Delete", 60,
                  "Press one button.  If you do not do so in one minute, it is assumed that you do not "
                  "want to delete the file.",
                  WaitAction::PressCmdr2},
    WaitStateInfo{"Notready", 60, kPressOk1, WaitAction::PressCmdmid},
    WaitStateInfo{"Notexist", 60, kPressOk1, WaitAction::PressCmdmid},
    WaitStateInfo{"Notvalid", 60, kPressOk1, WaitAction::PressCmdmid},
    WaitStateInfo{"Toolong", 60, kPressOk1, WaitAction::PressCmdmid},
};

template <size_t N>
const WaitStateInfo* Find(const std::array<WaitStateInfo, N>& table, std::string_view id) {
    for (const WaitStateInfo& info : table)
        if (info.id == id) return &info;
    return nullptr;
}

}  // namespace

const WaitStateInfo* Findplainstate(std::string_view id) { return Find(kPlain, id); }
const WaitStateInfo* Findpushedstate(std::string_view id) { return Find(kPushed, id); }

std::string Statustext(std::string_view state, bool pushed, int starttrial) {
    if (!pushed && state == "Frgetstring1")
        return "Input your guess.  Please notice you are allowed to try at most " +
               std::to_string(28 - starttrial) + " times or 1 hour.";
    const WaitStateInfo* info = pushed ? Findpushedstate(state) : Findplainstate(state);
    return info ? std::string(info->status) : std::string();
}

std::string Padstatus(const std::string& text) {
    std::string line(10, ' ');
    line += text;
    if (text.size() < 220) line.append(220 - text.size(), ' ');
    return line;
}

WaitStack::WaitStack(TimeSource now) : now_(now ? std::move(now) : Steadytime()) {}

void WaitStack::Setwait(int16_t timeout, const std::string& state) {
    if (timeout != 0) {
        start_ = now_();
        enabled_ = true;
        timeout_ = timeout;
    } else {
        enabled_ = false;
    }
    if (state == "Nochange") return;
    if (timeout != 0 && !state.empty() && state.back() == '+')
        stack_ = state + stack_;
    else
        stack_ = state;
}

void WaitStack::Setdirect(const std::string& state) { stack_ = state; }

void WaitStack::Pop() {
    const size_t plus = stack_.find('+');
    if (plus != std::string::npos) stack_ = stack_.substr(plus + 1);
}

std::string WaitStack::Current() const { return stack_.substr(0, stack_.find('+')); }

void WaitStack::R1() {
    Pop();
    Setwait(0, "Nochange");
    if (Current() == "Picfore")
        Setwait(300, "Picfore");
    else
        Setwait(60, "Nochange");
}

void WaitStack::R2() {
    Pop();
    Setwait(0, "Nochange");
    if (stack_.empty()) return;
    if (Current() == "Picfore")
        Setwait(300, "Picfore");
    else
        Setwait(60, "Nochange");
}

void WaitStack::R3() {
    Pop();
    Setwait(0, "Nochange");
}

void WaitStack::R4() {
    Pop();
    Setwait(60, "Nochange");
}

WaitAction WaitStack::Tmrwait_Timer() const {
    if (!enabled_) return WaitAction::None;
    const double elapsed = std::floor(now_() - start_);
    if (elapsed < timeout_) return WaitAction::None;
    const WaitStateInfo* info = Currentpushed() ? Findpushedstate(Current()) : Findplainstate(stack_);
    return info ? info->action : WaitAction::None;
}

std::string Statusline(const std::string& stack, int starttrial) {
    const size_t plus = stack.find('+');
    return Padstatus(Statustext(stack.substr(0, plus), plus != std::string::npos, starttrial));
}

std::string WaitStack::Statusline() const { return tallimor::Statusline(stack_, Starttrial); }

}  // namespace tallimor
