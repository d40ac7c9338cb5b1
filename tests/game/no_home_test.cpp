// Without a folder to keep records in, the player is told once at start in
// the program's own message box; answered or timed out, the idle screen
// follows as if nothing had happened.

#include <gtest/gtest.h>

#include "game/game_fixture.h"

namespace tallimor {
namespace {

TEST(Nohome, NamesTheFolderTriedOrTheMissingHomeAndReturnsToTheIdleScreen) {
    for (const bool answered : {true, false}) {  // the folder's box is answered, the other times out
        Game g;
        g.m.Nohome(answered ? "/home/ann/.local/share/Tallimor/" : "");
        ASSERT_EQ(g.Boxid(), "Nohome");
        EXPECT_EQ(g.Boxtext(),
                  "Records and saved games cannot be kept: " +
                      std::string(answered ? "the folder /home/ann/.local/share/Tallimor/ cannot be written"
                                           : "no home folder is set (HOME)") +
                      ".  They last only until the programme ends.");
        if (answered) {
            g.Press(Msgbutton::Cmdmid);
        } else {
            g.h.Advance(59);
            EXPECT_EQ(g.Boxid(), "Nohome");
            g.h.Advance(2);  // its minute runs out
        }
        EXPECT_EQ(g.Boxid() + g.Stack(), "Picfore");
        // The idle screen's five minutes start again: the demo comes after 300 s.
        g.h.Advance(298);
        EXPECT_FALSE(g.m.Demorunning());
        g.h.Advance(3);
        EXPECT_TRUE(g.m.Demorunning());
    }
}

TEST(Nohome, IsNotRaisedOverAnythingButTheIdleScreen) {
    Game g;
    g.m.Mnuset_Click();
    g.m.Nohome("/x/");
    EXPECT_EQ(g.Boxid() + g.Stack(), "Frmenu");
    g.m.Cmdcancel_Click();
    g.m.Mnuquit_Click();
    g.m.Nohome("/x/");
    EXPECT_EQ(g.Boxid(), "Mnuquit");
}

}  // namespace
}  // namespace tallimor
