#include "game/wait_states.h"

#include <gtest/gtest.h>

// The stack on its own, for what a flow cannot reach or cannot tell apart;
// the waits' time-outs a player meets are read in the flow tests.

namespace tallimor {
namespace {

class WaitStackTest : public ::testing::Test {
   protected:
    double now = 5000;
    WaitStack wait{[this] { return now; }};
    std::string Enter(Wait state, int16_t timeout) { return wait.Enter(state, timeout), wait.Stack(); }
    std::string Pop() { return wait.Pop(), wait.Stack(); }
    // Lets `seconds` pass and ticks the wait timer.
    WaitAction Tick(double seconds) {
        now += seconds;
        return wait.Tmrwait_Timer();
    }
};

TEST_F(WaitStackTest, PlainStatesReplaceAndPushedStatesStack) {
    EXPECT_EQ(Enter(Wait::Frmenu, 300), "Frmenu");
    EXPECT_EQ(Enter(Wait::Fmabout, 60), "Fmabout+Frmenu");
    EXPECT_EQ(wait.Statusline(), Padstatus(std::string(Waitinfo(Wait::Fmabout).status)));
    EXPECT_EQ(Pop(), "Frmenu");
    EXPECT_EQ(Pop(), "Frmenu") << "nothing to pop";
    Enter(Wait::Mnuquit, 60);
    EXPECT_EQ(Enter(Wait::Win, 900), "Win") << "a plain state discards what was pushed below it";
    EXPECT_EQ(Enter(Wait::Mnuend, 0), "Mnuend+") << "without a time-out nothing is pushed";
    Enter(Wait::None, 0);
    EXPECT_EQ(Enter(Wait::Mnuend, 60), "Mnuend+") << "pushed onto an empty stack";
    EXPECT_EQ(Pop(), "");
}

TEST_F(WaitStackTest, TimeOutsFireOnceReachedAndRetimingOrDirectSetsOnlyTouchTheTimer) {
    wait.Enter(Wait::Picfore, 300);
    EXPECT_EQ(Tick(299.9), WaitAction::None);
    // Once due, the action stays due on every tick while the state stays, past
    // any hour too rather than wrapping to a fresh count.
    for (double step : {0.1, 1.0, 7200.0}) EXPECT_EQ(Tick(step), WaitAction::Startdemo) << step;
    wait.Retime(0);
    EXPECT_EQ(Tick(0), WaitAction::None);

    wait.Enter(Wait::Frshowresult, 60);
    now += 50;
    wait.Retime(0);
    EXPECT_EQ(std::tuple(wait.Timerenabled(), wait.Stack(), wait.Timeout()),
              std::tuple(false, "Frshowresult", 60))
        << "the time-out is kept for a later restart";
    wait.Retime(60);
    EXPECT_EQ(Tick(59), WaitAction::None);
    EXPECT_EQ(Tick(1), WaitAction::Cmdshowresult);

    wait.Enter(Wait::Warning, 60);
    wait.Setdirect(Wait::Frgetstring1);
    EXPECT_TRUE(wait.Timerenabled());
    EXPECT_EQ(Tick(60), WaitAction::None) << "the guess itself has no time-out";
}

// The Ready of the computer's game, the code the player enters for it and the
// marking of its guesses are met in flows that never wait them out; a pushed
// state acts by the pushed table even over a plain one below.
TEST_F(WaitStackTest, StatesNoFlowWaitsOutTimeOutIntoTheirOwnAction) {
    for (const auto& [state, action] : {std::pair{Wait::Fraskcode, WaitAction::Finishgame},
                                        {Wait::Frgetstring2, WaitAction::Finishgame},
                                        {Wait::Frgetresult, WaitAction::None}}) {
        wait.Enter(state);  // with its own time-out
        EXPECT_EQ(Tick(299), WaitAction::None) << Waitinfo(state).name;
        EXPECT_EQ(Tick(1), action) << Waitinfo(state).name;
    }
    wait.Enter(Wait::Frmenu, 300);
    wait.Enter(Wait::Fmabout, 60);
    EXPECT_EQ(Tick(60), WaitAction::Cmdokabout);
}

// The flows restore over the idle screen and over a game; an empty stack
// (the statistics window's) is left stopped.
TEST_F(WaitStackTest, TheQuitCancelKeepsAnEmptyStackStopped) {
    wait.Enter(Wait::None, 0);
    wait.Enter(Wait::Mnuquit, 60);
    wait.R2();
    EXPECT_EQ(std::pair(wait.Stack(), wait.Timerenabled()), std::pair(std::string(), false));
}

}  // namespace
}  // namespace tallimor
