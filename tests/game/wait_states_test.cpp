#include "game/wait_states.h"

#include <gtest/gtest.h>

namespace tallimor {
namespace {

// The state of a name as the stack's text writes it ("Fmabout+" for a pushed one).
Wait Named(std::string_view text) {
    const bool pushed = !text.empty() && text.back() == '+';
    if (pushed) text.remove_suffix(1);
    for (size_t i = 0; i < kWaits; ++i) {
        const WaitStateInfo& info = Waitinfo(static_cast<Wait>(i));
        if (info.name == text && info.pushed == pushed) return info.id;
    }
    ADD_FAILURE() << "no state " << text;
    return Wait::None;
}

// Enters a state by its text, or with "Nochange" only restarts or stops the time-out.
void Setwait(WaitStack& wait, int16_t timeout, std::string_view state) {
    if (state == "Nochange")
        wait.Retime(timeout);
    else
        wait.Enter(Named(state), timeout);
}

class WaitStackTest : public ::testing::Test {
   protected:
    double now = 5000;
    WaitStack wait{[this] { return now; }};
    // Lets `seconds` pass and ticks the wait timer.
    WaitAction Tick(double seconds) {
        now += seconds;
        return wait.Tmrwait_Timer();
    }
};

TEST_F(WaitStackTest, PlainStatesReplaceAndPushedStatesStack) {
    auto enter = [&](int16_t timeout, const char* state) {
        return Setwait(wait, timeout, state), wait.Stack();
    };
    auto pop = [&] { return wait.Pop(), wait.Stack(); };
    EXPECT_EQ(enter(300, "Frmenu"), "Frmenu");
    EXPECT_EQ(enter(60, "Fmabout+"), "Fmabout+Frmenu");
    EXPECT_EQ(wait.Current(), Wait::Fmabout);
    EXPECT_EQ(wait.Statusline(), Padstatus(std::string(Waitinfo(Wait::Fmabout).status)));
    EXPECT_EQ(pop(), "Frmenu");
    EXPECT_EQ(pop(), "Frmenu") << "nothing to pop";
    enter(60, "Mnuquit+");
    EXPECT_EQ(enter(900, "Win"), "Win") << "a plain state discards what was pushed below it";
    EXPECT_EQ(enter(0, "Mnuend+"), "Mnuend+") << "without a time-out nothing is pushed";
    enter(0, "");
    EXPECT_EQ(enter(60, "Mnuend+"), "Mnuend+") << "pushed onto an empty stack";
    EXPECT_EQ(pop(), "");
}

TEST_F(WaitStackTest, TimeOutsFireOnceReachedAndNochangeOrDirectSetsOnlyTouchTheTimer) {
    Setwait(wait, 300, "Picfore");
    EXPECT_EQ(Tick(299.9), WaitAction::None);
    // Once due, the action stays due on every tick while the state stays, past
    // any hour too rather than wrapping to a fresh count.
    for (double step : {0.1, 1.0, 7200.0}) {
        EXPECT_EQ(Tick(step), WaitAction::Startdemo) << step;
    }
    Setwait(wait, 0, "Nochange");
    EXPECT_EQ(Tick(0), WaitAction::None);

    Setwait(wait, 60, "Frshowresult");
    now += 50;
    Setwait(wait, 0, "Nochange");
    EXPECT_EQ(std::tuple(wait.Timerenabled(), wait.Stack(), wait.Timeout()),
              std::tuple(false, "Frshowresult", 60))
        << "the time-out is kept for a later restart";
    Setwait(wait, 60, "Nochange");
    EXPECT_EQ(Tick(59), WaitAction::None);
    EXPECT_EQ(Tick(1), WaitAction::Cmdshowresult);

    Setwait(wait, 60, "Warning");
    wait.Setdirect(Wait::Frgetstring1);
    EXPECT_TRUE(wait.Timerenabled());
    EXPECT_EQ(Tick(60), WaitAction::None) << "the guess itself has no time-out";
}

TEST_F(WaitStackTest, EachStateTimesOutIntoItsOwnAction) {
    // The boxes' own states are checked with the message table and the flows.
    const std::vector<std::tuple<const char*, int16_t, WaitAction>> cases = {
        {"Frmenu", 300, WaitAction::Cmdcancel},        {"Frshowresult", 60, WaitAction::Cmdshowresult},
        {"Frgetstring2", 300, WaitAction::Finishgame}, {"Mnuend+", 60, WaitAction::PressCmdr2},
        {"Notgame", 900, WaitAction::PressCmdr2},      {"Frgetresult", 60, WaitAction::None}};
    for (const auto& [state, timeout, action] : cases) {
        Setwait(wait, 0, "Frgetstring1");
        Setwait(wait, timeout, state);
        EXPECT_EQ(Tick(timeout), action) << state;
    }
    // A pushed state acts by the pushed table even over a plain one below.
    Setwait(wait, 300, "Frmenu");
    Setwait(wait, 60, "Fmabout+");
    EXPECT_EQ(Tick(60), WaitAction::Cmdokabout);
}

TEST_F(WaitStackTest, RestoresGiveTheInterruptedStateItsTimeOutBack) {
    // The states entered, the restore, the stack and the time-out after it (0:
    // stopped).  R1 gives the idle screen five minutes, anything else 60
    // seconds; R2 keeps an empty stack stopped; R3 restores without a time-out.
    using Entered = std::vector<std::pair<int16_t, const char*>>;
    const std::vector<std::tuple<Entered, void (WaitStack::*)(), const char*, int>> cases = {
        {{{300, "Picfore"}, {60, "Fmabout+"}}, &WaitStack::R1, "Picfore", 300},
        {{{900, "Win"}, {300, "Instruct+"}}, &WaitStack::R1, "Win", 60},
        {{{0, ""}, {60, "Mnuquit+"}}, &WaitStack::R2, "", 0},
        {{{300, "Picfore"}, {60, "Mnuquit+"}}, &WaitStack::R2, "Picfore", 300},
        {{{60, "Frshowresult"}, {60, "Mnuend+"}}, &WaitStack::R3, "Frshowresult", 0},
        {{{60, "Frshowresult"}, {300, "Mnusave+"}, {60, "Overwrite+"}},
         &WaitStack::R4,
         "Mnusave+Frshowresult",
         60}};
    for (const auto& [entered, restore, stack, timeout] : cases) {
        for (const auto& [seconds, state] : entered) Setwait(wait, seconds, state);
        (wait.*restore)();
        EXPECT_EQ(std::tuple(wait.Stack(), wait.Timerenabled(), wait.Timerenabled() ? wait.Timeout() : 0),
                  std::tuple(stack, timeout > 0, timeout))
            << entered.back().second;
    }
}

TEST(Statusline, IsPaddedToTwoHundredThirty) {
    const std::string idle = Padstatus(Statustext(Wait::Picfore, 1));
    EXPECT_EQ(idle.size(), 230u);
    EXPECT_EQ(idle.substr(0, 20), "          Choose an ");
    EXPECT_EQ(Padstatus(""), std::string(230, ' '));
    EXPECT_EQ(Statustext(Wait::Same, 1) + Statustext(Wait::None, 1), "");
    EXPECT_EQ(Statustext(Wait::Frgetstring1, 9),
              "Input your guess.  Please notice you are allowed to try at most 19 times or 1 hour.");
}

}  // namespace
}  // namespace tallimor
