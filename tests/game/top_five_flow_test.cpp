// The Top Five through the module: a qualifying win asks for a name and
// shows the list; the list opens from the menu and goes back to it; the
// designer's editor refuses what is not a number.

#include <gtest/gtest.h>

#include "game/game_fixture.h"
#include "records/top_five.h"

namespace tallimor {
namespace {

void Winfirst(Game& g) {
    g.Start(kSixFour, "0123");
    g.h.Advance(42);
    g.Drop("0123");
    g.Press(Msgbutton::Cmdr3);  // End
}

TEST(TopFiveFlow, AQualifyingWinAsksForANameAndShowsTheList) {
    Game g("topfive");
    Winfirst(g);
    Mainview v = g.V();
    ASSERT_TRUE(v.Shown(Panel::Frgetname));
    EXPECT_FALSE(v.Shown(Panel::Franswer) || v.menus.Mnuend);
    EXPECT_EQ(v.focus, Control::Txtname);
    EXPECT_EQ(
        g.Status(),
        "Input your name.  Please notice if you do not input anything, your name will be assumed to be xxx.");
    g.m.Txtname_Change("Bartholomew Quince");
    EXPECT_EQ(g.V().nametext, "Bartholomew Qui");  // 15 characters
    g.m.Enter_Keypress();
    v = g.V();
    ASSERT_TRUE(v.Shown(Panel::Picwinners));
    EXPECT_EQ(v.winners.names.substr(0, 21), " 1.  Bartholomew Qui\n");
    EXPECT_EQ(v.winners.times.substr(0, 10), "42 seconds");
    EXPECT_EQ(v.winners.head,
              "No. of Colours: 6     Trial 1     Length: 4     No error     Random order     No repetition");
    g.h.Advance(60);  // the list closes itself
    EXPECT_TRUE(g.Shown(Panel::Picfore));

    // The same seconds and attempts again go before the first; left alone, the name is "xxx".
    Winfirst(g);
    g.h.Advance(60);
    EXPECT_EQ(g.V().winners.names.substr(0, 30), " 1.  xxx\n\n 2.  Bartholomew Qui");

    // From the menu, the list goes back to the menu, game played or not.
    g.Press(Msgbutton::Cmdmid);
    g.m.Cmdcontinue_Click();
    g.m.Mnuset_Click();
    g.m.Cmdtop_Click();
    ASSERT_TRUE(g.Shown(Panel::Picwinners));
    g.m.Cmdcontinue_Click();
    EXPECT_TRUE(g.Shown(Panel::Frmenu));
    EXPECT_EQ(g.Stack(), "Frmenu");
}

TEST(TopFiveFlow, TheDesignersEditorWritesOnlyNumbers) {
    Game g("editor");
    g.m.Designer = true;
    g.m.Mnuset_Click();
    for (const auto& [list, text] : kSixFour) g.m.Cblist_Click(list, text);
    g.m.Cmdtop_Click();
    ASSERT_TRUE(g.Shown(Panel::Fredit));
    EXPECT_EQ(g.V().winners.population + "|" + g.V().winners.duration, "0|3600");
    g.m.Cbedit_Click("2");
    g.m.Txtedit_Change(Editfield::Player, "Cy");
    g.m.Txtedit_Change(Editfield::Duration, "77");
    g.m.Txtedit_Change(Editfield::Attempt, "3");
    g.m.Txtedit_Change(Editfield::Population, "ten");
    g.m.Cmdgo_Click();
    EXPECT_EQ(g.Boxid(), "Notnumber");
    g.Press(Msgbutton::Cmdmid);
    WinnersRecord r;
    EXPECT_EQ(Readwinners(g.folder, 6, r).status, WinnersStatus::Fresh);  // nothing written
    g.m.Txtedit_Change(Editfield::Population, "10");
    g.m.Txtedit_Change(Editfield::Average, "4.5");
    g.m.Cmdgo_Click();
    ASSERT_EQ(Readwinners(g.folder, 6, r).status, WinnersStatus::Ok);
    GameSettings s = g.m.State().Settings;
    EXPECT_EQ(r.Topname[static_cast<size_t>(Placeindex(s, 1))], "Cy");
    EXPECT_EQ(g.V().winners.data, "Population Size:   10\nAverage No. of Attempts:   4.5");
}

}  // namespace
}  // namespace tallimor
