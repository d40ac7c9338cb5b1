#include "game/wait_states.h"

#include <gtest/gtest.h>

namespace tallimor {
namespace {

class WaitStackTest : public ::testing::Test {
   protected:
    double now = 5000;
    WaitStack wait{[this] { return now; }};
};

TEST_F(WaitStackTest, PlainStatesReplaceAndPushedStatesStack) {
    wait.Setwait(300, "Frmenu");
    EXPECT_EQ(wait.Stack(), "Frmenu");
    wait.Setwait(60, "Fmabout+");
    EXPECT_EQ(wait.Stack(), "Fmabout+Frmenu");
    EXPECT_EQ(wait.Current(), "Fmabout");
    EXPECT_EQ(wait.Statusline(), Padstatus(std::string(Findpushedstate("Fmabout")->status)));
    wait.Pop();
    EXPECT_EQ(wait.Stack(), "Frmenu");
    wait.Pop();  // nothing to pop
    EXPECT_EQ(wait.Stack(), "Frmenu");

    wait.Setwait(60, "Mnuquit+");
    wait.Setwait(900, "Win");  // a plain state discards what was pushed below it
    EXPECT_EQ(wait.Stack(), "Win");

    wait.Setwait(0, "Mnuend+");  // without a time-out nothing is pushed
    EXPECT_EQ(wait.Stack(), "Mnuend+");

    wait.Setwait(0, "");
    wait.Setwait(60, "Mnuend+");  // pushed onto an empty stack, popped back to it
    EXPECT_EQ(wait.Stack(), "Mnuend+");
    wait.Pop();
    EXPECT_EQ(wait.Stack(), "");
}

TEST_F(WaitStackTest, NochangeRestartsOrStopsTheTimeOutOnly) {
    wait.Setwait(60, "Frshowresult");
    now += 50;
    wait.Setwait(0, "Nochange");
    EXPECT_FALSE(wait.Timerenabled());
    EXPECT_EQ(wait.Stack(), "Frshowresult");
    EXPECT_EQ(wait.Timeout(), 60);  // kept for a later restart
    wait.Setwait(60, "Nochange");
    now += 59;
    EXPECT_EQ(wait.Tmrwait_Timer(), WaitAction::None);
    now += 1;
    EXPECT_EQ(wait.Tmrwait_Timer(), WaitAction::Cmdshowresult);
}

TEST_F(WaitStackTest, ATimeOutFiresOnceReachedAndKeepsFiringWhileTheStateStays) {
    wait.Setwait(300, "Picfore");
    now += 299.9;
    EXPECT_EQ(wait.Tmrwait_Timer(), WaitAction::None);
    now += 0.1;
    EXPECT_EQ(wait.Tmrwait_Timer(), WaitAction::Startdemo);
    now += 1;
    EXPECT_EQ(wait.Tmrwait_Timer(), WaitAction::Startdemo);
    now += 7200;  // past any hour: still due, not wrapped to a fresh count
    EXPECT_EQ(wait.Tmrwait_Timer(), WaitAction::Startdemo);
    wait.Setwait(0, "Nochange");
    EXPECT_EQ(wait.Tmrwait_Timer(), WaitAction::None);
}

TEST_F(WaitStackTest, EachStateTimesOutIntoItsOwnAction) {
    struct Case {
        const char* state;
        int16_t timeout;
        WaitAction action;
    };
    const Case cases[] = {
        {"Frmenu", 300, WaitAction::Cmdcancel},        {"Frshowresult", 60, WaitAction::Cmdshowresult},
        {"Win", 900, WaitAction::PressCmdr3},          {"Gameover1", 900, WaitAction::PressCmdr3},
        {"Franswer", 900, WaitAction::PressCmdr3},     {"Gameover0", 60, WaitAction::PressCmdmid},
        {"Warning", 60, WaitAction::PressCmdmid},      {"Same", 900, WaitAction::PressCmdmid},
        {"Frgetstring2", 300, WaitAction::Finishgame}, {"Mnuend+", 60, WaitAction::PressCmdr2},
        {"Mnuquit+", 60, WaitAction::PressCmdr2},      {"Notgame", 900, WaitAction::PressCmdr2},
        {"Nosuchstate", 60, WaitAction::None},
    };
    for (const Case& c : cases) {
        wait.Setwait(0, "Frgetstring1");
        wait.Setwait(c.timeout, c.state);
        now += c.timeout;
        EXPECT_EQ(wait.Tmrwait_Timer(), c.action) << c.state;
    }
    // A pushed state acts by the pushed table even over a plain one below.
    wait.Setwait(300, "Frmenu");
    wait.Setwait(60, "Fmabout+");
    now += 60;
    EXPECT_EQ(wait.Tmrwait_Timer(), WaitAction::Cmdokabout);
}

TEST_F(WaitStackTest, DirectSetsLeaveTheTimeOutAlone) {
    wait.Setwait(60, "Warning");
    wait.Setdirect("Frgetstring1");
    EXPECT_TRUE(wait.Timerenabled());
    now += 60;
    EXPECT_EQ(wait.Tmrwait_Timer(), WaitAction::None);  // the guess itself has no time-out
}

TEST_F(WaitStackTest, RestoresGiveTheInterruptedStateItsTimeOutBack) {
    // R1 over the idle screen: its full five minutes again.
    wait.Setwait(300, "Picfore");
    wait.Setwait(60, "Fmabout+");
    wait.R1();
    EXPECT_EQ(wait.Stack(), "Picfore");
    EXPECT_EQ(wait.Timeout(), 300);
    EXPECT_TRUE(wait.Timerenabled());
    // R1 over anything else: 60 seconds.
    wait.Setwait(900, "Win");
    wait.Setwait(300, "Instruct+");
    wait.R1();
    EXPECT_EQ(wait.Stack(), "Win");
    EXPECT_EQ(wait.Timeout(), 60);

    // R2 over an empty stack keeps the timer stopped; over the idle screen 300.
    wait.Setwait(0, "");
    wait.Setwait(60, "Mnuquit+");
    wait.R2();
    EXPECT_EQ(wait.Stack(), "");
    EXPECT_FALSE(wait.Timerenabled());
    wait.Setwait(300, "Picfore");
    wait.Setwait(60, "Mnuquit+");
    wait.R2();
    EXPECT_EQ(wait.Timeout(), 300);
    EXPECT_TRUE(wait.Timerenabled());

    // R3: the restored state runs without a time-out.
    wait.Setwait(60, "Frshowresult");
    wait.Setwait(60, "Mnuend+");
    wait.R3();
    EXPECT_EQ(wait.Stack(), "Frshowresult");
    EXPECT_FALSE(wait.Timerenabled());

    // R4: 60 seconds.
    wait.Setwait(300, "Mnusave+");
    wait.Setwait(60, "Overwrite+");
    wait.R4();
    EXPECT_EQ(wait.Stack(), "Mnusave+Frshowresult");
    EXPECT_EQ(wait.Timeout(), 60);
}

TEST(Statusline, IsPaddedToTwoHundredThirtyWithTenLeadingBlanks) {
    const std::string idle = Padstatus(Statustext("Picfore", false, 1));
    EXPECT_EQ(idle.size(), 230u);
    EXPECT_EQ(idle.substr(0, 20), "          Choose an ");
    EXPECT_EQ(Padstatus("").size(), 230u);
    EXPECT_EQ(Padstatus("").find_first_not_of(' '), std::string::npos);
    EXPECT_EQ(Statustext("Same", false, 1), "");
    EXPECT_EQ(Statustext("Unknown", false, 1), "");
}

TEST(Statusline, GuessingCountsTheTrialsLeftFromTheStartTrial) {
    EXPECT_EQ(Statustext("Frgetstring1", false, 1),
              "Input your guess.  Please notice you are allowed to try at most 27 times or 1 hour.");
    EXPECT_EQ(Statustext("Frgetstring1", false, 9),
              "Input your guess.  Please notice you are allowed to try at most 19 times or 1 hour.");
}

}  // namespace
}  // namespace tallimor
