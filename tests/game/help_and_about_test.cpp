// The Help menu's windows push their wait over what they interrupt; their OK,
// pressed or timed out, gives the interrupted wait a fresh time-out.

#include <gtest/gtest.h>

#include "game/game_fixture.h"

namespace tallimor {
namespace {

TEST(HelpAndAbout, AboutOverTheSettingMenuGivesTheMenuAMinuteAgain) {
    Game g;
    g.m.Mnuset_Click();
    g.h.Advance(100);
    g.m.Mnuabout_Click();
    EXPECT_TRUE(g.V().about);
    EXPECT_EQ(g.Stack(), "Fmabout+Frmenu");
    g.m.Mnuinstr_Click();  // one window at a time
    EXPECT_FALSE(g.V().instructions);
    g.h.Advance(30);
    g.m.Cmdokabout_Click();
    EXPECT_FALSE(g.V().about);
    EXPECT_EQ(g.Stack(), "Frmenu");
    // The menu's own five minutes would run out 170 s from here; it gets 60.
    g.h.Advance(59);
    EXPECT_TRUE(g.Shown(Panel::Frmenu));
    g.h.Advance(2);
    EXPECT_FALSE(g.Shown(Panel::Frmenu));
    EXPECT_EQ(g.Stack(), "Picfore");
}

TEST(HelpAndAbout, InstructionsCloseThemselvesAfterFiveMinutesAndTheIdleScreenGetsItsFiveAgain) {
    Game g;
    g.h.Advance(200);  // of the idle screen's 300
    g.m.Mnuinstr_Click();
    EXPECT_TRUE(g.V().instructions);
    EXPECT_EQ(g.Stack(), "Instruct+Picfore");
    g.h.Advance(298);
    EXPECT_TRUE(g.V().instructions);
    g.h.Advance(3);
    EXPECT_FALSE(g.V().instructions);
    EXPECT_EQ(g.Stack(), "Picfore");
    EXPECT_EQ(std::tuple(g.m.Waitstack().Timerenabled(), g.m.Waitstack().Timeout()), std::tuple(true, 300));
}

}  // namespace
}  // namespace tallimor
