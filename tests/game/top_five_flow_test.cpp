// The Top Five through the module: a qualifying win asks for a name and
// shows the list, also when saved from its box; the list opens from the menu
// and goes back to it; the designer's editor refuses what is not a number.

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <iterator>

#include "game/game_fixture.h"
#include "records/computer_statistics.h"
#include "records/top_five.h"

namespace tallimor {
namespace {

// The second win is saved from its closing box on the way to the list, and
// loaded afterwards is shown for examination.
TEST(TopFiveFlow, AQualifyingWinAsksForANameAndShowsTheListWithItsEntryMarked) {
    Game g("topfive");
    g.Start(kSixFour, "0123");
    g.h.Advance(42);
    g.Drop("0123");
    g.Press(Msgbutton::Cmdr3);  // End
    Mainview v = g.V();
    ASSERT_TRUE(v.Shown(Panel::Frgetname));
    EXPECT_FALSE(v.Shown(Panel::Franswer) || v.menus.Mnuend);
    EXPECT_EQ(std::pair(v.focus, g.Stack()), std::pair(Control::Txtname, std::string("Frgetname")));
    g.m.Txtname_Change("Bartholomew Quince");
    EXPECT_EQ(g.V().nametext, "Bartholomew Qui");  // 15 characters
    g.m.Enter_Keypress();
    v = g.V();
    ASSERT_TRUE(v.Shown(Panel::Picwinners));
    EXPECT_EQ(v.winners.names.substr(0, 21), " 1.  Bartholomew Qui\n");
    EXPECT_EQ(v.winners.times.substr(0, 10), "42 seconds");
    EXPECT_EQ(v.winners.head,
              "No. of Colours: 6     Trial 1     Length: 4     No error     Random order     No repetition");
    EXPECT_EQ(v.winners.newplace, 0);
    g.h.Advance(60);  // the list closes itself
    EXPECT_TRUE(g.Shown(Panel::Picfore));

    // A slower win goes second, marked once it has its name; left alone, the name is "xxx".
    g.Start(kSixFour, "0123");
    g.h.Advance(43);
    g.Drop("0123");
    g.Press(Msgbutton::Cmdl3);  // Save File
    EXPECT_EQ(g.Stack(), "Mnusave+");
    g.Choose("won.mm");
    ASSERT_TRUE(g.Shown(Panel::Frgetname));
    EXPECT_EQ(g.V().winners.newplace, -1);
    g.h.Advance(60);
    EXPECT_EQ(g.V().winners.names.substr(0, 30), " 1.  Bartholomew Qui\n\n 2.  xxx");
    EXPECT_EQ(g.V().winners.newplace, 1);
    g.m.Cmdcontinue_Click();

    g.m.Mnuload_Click();
    g.Choose("won");
    EXPECT_EQ(g.Boxid(), "Notgame");
    EXPECT_EQ(g.V().answercaption + g.V().answer, "Answer0123");
    g.h.Advance(899);
    EXPECT_EQ(g.Boxid(), "Notgame");
    g.h.Advance(1);  // FINISH, pressed by its time-out
    EXPECT_TRUE(g.Shown(Panel::Picfore));

    // From the menu, the list marks nothing and goes back to the menu.
    g.m.Mnuset_Click();
    g.m.Cmdtop_Click();
    ASSERT_TRUE(g.Shown(Panel::Picwinners));
    EXPECT_EQ(g.V().winners.newplace, -1);
    g.m.Cmdcontinue_Click();
    EXPECT_EQ(g.Stack(), "Frmenu");
    g.m.Cmdtop_Click();
    g.h.Advance(60);  // left alone, it closes back to the menu too
    EXPECT_TRUE(g.Shown(Panel::Frmenu) && !g.Shown(Panel::Picwinners));
    EXPECT_EQ(g.Stack(), "Frmenu");
}

// The editor writes only what the records reader takes back, so an edited
// file always reads again.
TEST(TopFiveFlow, TheDesignersEditorWritesOnlyWhatTheRecordsFileHolds) {
    Game g("editor");
    g.m.Form_Activate(true);
    g.m.Mnuset_Click();
    for (const auto& [list, text] : kSixFour) g.m.Cblist_Click(list, text);
    g.m.Cmdtop_Click();
    ASSERT_TRUE(g.Shown(Panel::Fredit));
    EXPECT_EQ(g.V().winners.population + "|" + g.V().winners.duration, "0|3600");
    g.m.Cbedit_Click("2");
    const auto fill = [&g](const char* population, const char* average, const char* duration,
                           const char* attempt) {
        g.m.Txtedit_Change(Editfield::Population, population);
        g.m.Txtedit_Change(Editfield::Average, average);
        g.m.Txtedit_Change(Editfield::Duration, duration);
        g.m.Txtedit_Change(Editfield::Attempt, attempt);
        g.m.Cmdgo_Click();
    };
    g.m.Txtedit_Change(Editfield::Player, "Cy");
    fill("10", "4.5", "77", "3");
    WinnersRecord r;
    ASSERT_EQ(Readwinners(g.folder, 6, r).status, WinnersStatus::Ok);
    const GameSettings s = g.m.State().Settings;
    const auto place = static_cast<size_t>(Placeindex(s, 1));
    EXPECT_EQ(r.Topname[place], "Cy");
    EXPECT_EQ(g.V().winners.data, "Population Size:   10\nAverage No. of Attempts:   4.5");

    // Population, average, seconds, attempts.
    const std::vector<std::array<const char*, 4>> refused{
        {"10", "4.5", "77", "0"},      {"10", "4.5", "77", "0.4"},  {"10", "4.5", "77", "28"},
        {"10", "4.5", "77", "-3"},     {"10", "4.5", "-1", "3"},    {"10", "4.5", "3601", "3"},
        {"10", "4.5", "1e300", "3"},   {"10", "-0.5", "77", "3"},   {"10", "27.5", "77", "3"},
        {"10", "nan", "77", "3"},      {"10", "inf", "77", "3"},    {"10", "0.5", "77", "3"},
        {"-1", "4.5", "77", "3"},      {"32768", "4.5", "77", "3"}, {"1e300", "4.5", "77", "3"},
        {"10", "4.5", "77", "-1e300"}, {"ten", "4.5", "77", "3"}};
    const std::string path = (g.folder / "Winners" / "Winners6").string();
    const auto bytes = [&path] {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    const std::string before = bytes();
    for (const auto& [population, average, duration, attempt] : refused) {
        SCOPED_TRACE(std::string(population) + " " + average + " " + duration + " " + attempt);
        g.m.Cbedit_Click("2");
        fill(population, average, duration, attempt);
        EXPECT_EQ(g.Boxid(), "Notnumber");
        g.Press(Msgbutton::Cmdmid);
        EXPECT_EQ(bytes(), before);
    }

    // The edges of what a game can leave are written and read back.
    g.m.Cbedit_Click("2");
    fill("0", "0", "3600", "27");
    ASSERT_EQ(Readwinners(g.folder, 6, r).status, WinnersStatus::Ok);
    EXPECT_EQ(r.Toptime[place] * 100 + r.Topattempts[place], 360027);
    g.m.Cbedit_Click("2");
    fill("32767", "27", "0", "1");
    ASSERT_EQ(Readwinners(g.folder, 6, r).status, WinnersStatus::Ok);
    EXPECT_EQ(r.Toptime[place] * 100 + r.Topattempts[place], 1);
    EXPECT_EQ(r.Population[static_cast<size_t>(Statisticsindex(s))], 32767);
}

}  // namespace
}  // namespace tallimor
