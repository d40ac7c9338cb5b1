// The computer's statistics runs through the module: the simulation plays
// every code of the menu's setting once and reports in the system's box, also
// when it is ended early; Initialize Statistics counts its games in the
// records files; the statistics window lists every setting and goes back to
// the menu.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "game/game_fixture.h"
#include "records/statistics_list.h"

namespace tallimor {
namespace {

const Picks kFiveThree{
    {L::Colour, "5"}, {L::Length, "3"}, {L::Order, "Random order"}, {L::Repeat, "No repetition"}};

void Opendesignermenu(Game& g, const Picks& picks = {}) {
    g.m.Form_Activate(true);
    g.m.Mnuset_Click();
    for (const auto& [list, text] : picks) g.m.Cblist_Click(list, text);
}

bool Anytoolbutton(const Mainview& v) {
    return std::find(v.toolbar.begin(), v.toolbar.end(), true) != v.toolbar.end();
}

TEST(StatisticsRunsFlow, SimulationPlaysEveryCodeOnceAndShowsItsSummary) {
    Game g;
    std::vector<std::string> won;  // the winning guess of each game: its secret code
    int trials = 0, longest = 0, atonce = 0;
    g.m.Probe.trialRecorded = [&](int trial, const std::string& guess, const Hint& hint) {
        ++trials;
        longest = std::max(longest, trial);
        if (hint.Blacks == 3) won.push_back(guess), atonce += trial == 1;
    };
    g.m.Chance() = RandomSource(1);  // a run with a win at the first guess, which counts as well
    Opendesignermenu(g, kFiveThree);
    g.m.Cmdsimulate_Click();
    Mainview v = g.V();
    EXPECT_EQ(g.Stack(), "Demo");
    EXPECT_FALSE(v.menus.Mnugame || v.menus.Mnumedia || v.menus.Mnuoption || v.menus.Mnuhelp ||
                 Anytoolbutton(v));

    g.h.Runcomputer();  // the whole run: no box is raised while it plays
    EXPECT_FALSE(g.m.Box());
    ASSERT_EQ(won.size(), 60u);
    ASSERT_GT(atonce, 0);
    // The order itself is the records tests'.
    EXPECT_EQ(std::pair(won.front(), won.back()), std::pair(std::string("012"), std::string("432")));
    g.h.Step();
    v = g.V();
    ASSERT_TRUE(v.systembox);
    SimulationSummary expected{60, trials, static_cast<int16_t>(longest), static_cast<int16_t>(longest)};
    EXPECT_EQ(v.systembox->title + "|" + v.systembox->text, "Statistics|" + expected.Text());
    EXPECT_EQ(g.Stack(), "Picfore");
    EXPECT_TRUE(v.menus.Mnugame && v.toolbar[1]);
    g.m.Systembox_Ok();
    EXPECT_FALSE(g.V().systembox);
}

TEST(StatisticsRunsFlow, ASimulationEndedByAClickOnTheRecordSummarisesTheGamesSoFar) {
    // Escape ends a run as it ends the demo: by the click, as the demo tests show.
    struct Case {
        int wins;      // games won before the click, all counted
        bool between;  // the click comes in the second between two games
    };
    for (const Case c : {Case{5, true}, Case{5, false}, Case{0, false}}) {
        SCOPED_TRACE(c.wins * 10 + c.between);
        Game g;
        Opendesignermenu(g, kFiveThree);
        g.m.Cmdsimulate_Click();
        int wins = 0;
        while (wins < c.wins || (!c.between && Gamestatustext(g.m.State().Gamestatus) != "Playing")) {
            const bool waiting = Gamestatustext(g.m.State().Gamestatus) == "Next Demo";
            ASSERT_TRUE(g.h.Step());
            if (!waiting && Gamestatustext(g.m.State().Gamestatus) == "Next Demo") ++wins;
        }
        if (c.between) g.h.Advance(0.5);
        ASSERT_EQ(Gamestatustext(g.m.State().Gamestatus), c.between ? "Next Demo" : "Playing");
        g.m.Picrecord_MouseDown(1);
        EXPECT_FALSE(g.Running(Timerid::Tmrdelay));
        EXPECT_EQ(g.Stack(), "Picfore");
        g.h.Advance(1);
        const Mainview v = g.V();
        ASSERT_EQ(v.systembox.has_value(), c.wins > 0);
        if (c.wins > 0)
            EXPECT_NE(v.systembox->text.find(" / " + std::to_string(c.wins) + " = "), std::string::npos);
        EXPECT_EQ(g.m.Runmode(), Runkind::None);
    }
}

TEST(StatisticsRunsFlow, InitializeStatisticsCountsTenGamesOfASettingInItsFile) {
    Game g("initstat");
    const auto first = static_cast<size_t>(Settingindex(3, 1, 1, 1, 1));
    const auto second = static_cast<size_t>(Settingindex(3, 1, 1, 1, 2));
    // A file that cannot be used stops the run before it starts.
    std::ofstream(g.folder / "Winners" / "Winners8") << "short";
    Opendesignermenu(g);
    g.m.Cmdinitstat_Click();
    EXPECT_EQ(std::pair(g.Boxid(), g.m.Demorunning()), std::pair(std::string("Recordsfile"), false));
    g.Press(Msgbutton::Cmdmid);
    std::filesystem::remove(g.folder / "Winners" / "Winners8");

    g.m.Mnuset_Click();
    g.m.Cmdinitstat_Click();
    EXPECT_EQ(g.m.State().Settings, GameSettings::Make(5, 3, true, 1, 1, 3, 1, 1));
    // Ten games of the first setting; the second setting's first game is then in play.
    for (int steps = 0; g.m.State().Settings.MaxRepeat == 1 && steps < 10000; ++steps) {
        ASSERT_TRUE(g.h.Step());
        ASSERT_FALSE(g.m.Box());
    }
    EXPECT_EQ(g.Stack(), "Demo");
    WinnersRecord r;
    ASSERT_TRUE(Readwinners(g.folder, 5, r).Usable());
    EXPECT_EQ((std::pair{r.Population[first], r.Population[second]}), (std::pair<int16_t, int16_t>{10, 0}));
    EXPECT_GE(r.Average[first], 1.0f);
    g.m.Picrecord_MouseDown(1);
    const Mainview v = g.V();
    EXPECT_TRUE(v.menus.Mnugame && v.Shown(Panel::Picfore) && Anytoolbutton(v));
    EXPECT_FALSE(v.systembox);
}

TEST(StatisticsRunsFlow, InitializeStatisticsEndsAfterItsLastSettingInTheDemosWait) {
    Game g;  // no records files: the run plays alone
    long games = 0;
    g.m.Probe.trialRecorded = [&](int trial, const std::string&, const Hint&) { games += trial == 1; };
    Opendesignermenu(g, kFiveThree);
    g.m.Cmdinitstat_Click();
    g.h.Runcomputer();
    EXPECT_EQ(games, 3560);  // ten games of each of the 356 settings
    EXPECT_EQ(g.Stack(), "Demo");
    EXPECT_FALSE(g.V().menus.Mnugame);
    EXPECT_EQ(g.m.State().Settings, GameSettings::Make(5, 3, true, 2, 1))
        << "the menu's setting is current again";
}

TEST(StatisticsWindowFlow, ListsEverySettingByTheMenusTextsAndGoesBackToTheMenu) {
    Game g("statlist");
    WinnersRecord r;
    const auto kept = static_cast<size_t>(Settingindex(9, 2, 2, 2, 2));
    r.Population[kept] = 12;
    r.Average[kept] = 13.0f / 3.0f;
    ASSERT_TRUE(Writewinners(g.folder, 7, r).Usable());
    // The hint list of "Computer guesses" offers "No error" only.
    Opendesignermenu(g, {{L::Who, "Computer guesses"}});
    g.m.Cmdstat_Click();
    Mainview v = g.V();
    ASSERT_TRUE(v.statistics && v.statlines);
    const std::vector<std::string>& lines = *v.statlines;
    ASSERT_EQ(lines.size(), static_cast<size_t>(kStatisticslines));
    EXPECT_EQ(std::vector(lines.begin(), lines.begin() + 3),
              (std::vector<std::string>{"5 colours   3  Fixed order  Trial 1  No error  No repetition",
                                        "0     0", ""}));
    EXPECT_EQ(lines[9], "5 colours   3  Fixed order  Trial 1    No repetition")
        << "after the three repetitions";
    const auto found =
        std::find(lines.begin(), lines.end(),
                  "7 colours   Unspecified (3 - 4)  Random order  Middle    Each colour at most 2 times");
    ASSERT_NE(found, lines.end());
    EXPECT_EQ(found[1], "12     4.333333");
    EXPECT_EQ(lines[lines.size() - 3],
              "10 colours   Unspecified (3 - 8)  Random order  Middle    May be repeated any times");
    EXPECT_EQ(g.Stack(), "");

    g.m.Cmdback_Click();
    v = g.V();
    EXPECT_FALSE(v.statistics);
    EXPECT_TRUE(v.Shown(Panel::Frmenu));
    EXPECT_EQ(std::pair(g.Stack(), g.m.Waitstack().Timeout()), std::pair(std::string("Frmenu"), int16_t{60}));
}

}  // namespace
}  // namespace tallimor
