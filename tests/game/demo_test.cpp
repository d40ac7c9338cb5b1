// The unattended demo through the module's events: its random settings, its
// pace, its message panel in place of the boxes, the menus it takes away and
// the click on the record that ends it.

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <set>

#include "game/game_fixture.h"

namespace tallimor {
namespace {

// The first draws as given (a setting's), the rest from a seeded stream.
RandomSource Draws(std::vector<double> first, uint64_t seed = 1) {
    auto stream = std::make_shared<std::mt19937_64>(seed);
    auto given = std::make_shared<std::vector<double>>(std::move(first));
    auto next = std::make_shared<size_t>(0);
    return RandomSource([=] {
        if (*next < given->size()) return (*given)[(*next)++];
        return std::uniform_real_distribution<double>(0, 1)(*stream);
    });
}

// Display Colour, 8 colours, Trial 1, length 4, fixed, random order, no
// repetition, and the hints `hints` (0.0 "No error", 0.9 "May contain error(s)").
std::vector<double> Eightfour(double hints) { return {0.0, 0.5, 0.0, 0.3, 0.9, 0.9, 0.0, hints}; }

TEST(Demo, TheSpeedBarsEndsPaceTheComputersTrials) {
    for (const auto& [value, interval] : {std::pair{0, 1}, {100, 1000}, {50, 500}}) {
        Game g;
        g.m.Hsbspeed_Change(value);
        EXPECT_EQ(g.m.Timers()[static_cast<size_t>(Timerid::Tmrdelay)].interval, interval) << value;
        g.m.Chance() = Draws(Eightfour(0.0));
        g.m.Mnudemo_Click();
        // The first trial is the computer's own: it is marked one interval later.
        const auto marked = [&] { return g.V().board.rows.count(1) == 1; };
        g.h.Advance((interval - 1) / 1000.0);
        EXPECT_FALSE(marked()) << value;
        g.h.Advance(0.001);
        EXPECT_TRUE(marked()) << value;
    }
}

TEST(Demo, ARandomSettingKeepsItsRangesAndFiveColoursMeanLengthThreeFixed) {
    Game g;
    g.m.Mnudemo_Click();
    std::set<std::pair<int, int>> lengths;  // colours and length
    std::set<int> repeats, fixedness, starts, orders, hints, displays;
    for (uint64_t seed = 1; seed <= 2000; ++seed) {
        g.m.Chance() = RandomSource(seed);
        g.m.Startdemo();
        const GameSettings& s = g.m.State().Settings;
        ASSERT_EQ(s.Who, Guesser::Watch);
        ASSERT_TRUE(s.Colours >= 5 && s.Colours <= 10) << seed;
        ASSERT_TRUE(s.Codelength >= 3 && s.Codelength <= s.Colours - 2) << seed;
        ASSERT_TRUE(s.MaxRepeat >= 1 && s.MaxRepeat <= s.Codelength) << seed;
        // Five colours leave room for a length of 3 only, and that length is always fixed.
        ASSERT_TRUE(s.Colours > 5 || (s.Codelength == 3 && s.Fixedcodelength() && s.Blankroom == 0)) << seed;
        ASSERT_TRUE(s.Codelength > 3 || s.Fixedcodelength()) << seed;
        if (s.Codelength > 3) fixedness.insert(Code(s.Fixedlength));
        lengths.insert({s.Colours, s.Codelength});
        repeats.insert(s.MaxRepeat);
        starts.insert(Code(s.Startfrom));
        orders.insert(Code(s.Ordertype));
        hints.insert(Code(s.Hinterrors));
        displays.insert(static_cast<int>(g.V().display));
    }
    // Every length of every number of colours comes up, and both ways of each choice.
    EXPECT_EQ(lengths.size(), 21u);
    EXPECT_EQ(repeats.size(), 8u);
    for (const auto* both : {&fixedness, &starts, &orders, &hints, &displays}) EXPECT_EQ(both->size(), 2u);
}

// Outside the demo a right click on the sky or on a player's record offers
// the Game menu, and Escape is not taken.
TEST(Demo, OffersNothingFromTheMenusTheToolbarOrTheRecordAndOnlyItTakesEscape) {
    Game g;
    g.m.Picfore_MouseDown(2);
    g.Start(kSixFour);
    g.m.Picrecord_MouseDown(2);
    EXPECT_EQ(g.V().gamemenuPopups, 2u);
    EXPECT_FALSE(g.m.Escape_Keypress());
    EXPECT_EQ(g.Stack(), "Frgetstring1");
    g.Endgame();
    ASSERT_TRUE(g.Shown(Panel::Picfore));

    g.m.Mnudemo_Click();
    ASSERT_TRUE(g.m.Demorunning());
    const Mainview before = g.V();
    EXPECT_FALSE(before.menus.Mnugame || before.menus.Mnumedia || before.menus.Mnuoption ||
                 before.menus.Mnuhelp || before.menus.Mnuquit);
    EXPECT_EQ(before.toolbar, decltype(before.toolbar){});
    for (int i = 1; i <= 13; ++i) g.m.Tlbgame_Click(i);
    g.m.Mnuani_Click();
    g.m.Mnudemo_Click();
    g.m.Mnuset_Click();
    g.m.Mnuquit_Click();
    g.m.Picrecord_MouseDown(2);
    const Mainview after = g.V();
    EXPECT_FALSE(after.box.has_value() || !after.animation.on || after.Shown(Panel::Frmenu));
    EXPECT_EQ(after.gamemenuPopups, 2u);
    EXPECT_EQ(after.setcontent, before.setcontent);  // the same game goes on
    EXPECT_EQ(g.Stack(), "Demo");
}

TEST(Demo, AGameWithWrongHintsIsCorrectedInThePanelAndTheNextGameFollows) {
    Game g;
    g.m.Hsbspeed_Change(0);
    g.m.Chance() = Draws(Eightfour(0.9), 7);
    g.m.Preset.answer = "3517";
    g.m.Preset.errorTrials = "2";
    g.m.Mnudemo_Click();
    Mainview v = g.V();
    EXPECT_EQ(v.title + "|" + v.board.heading, "Demo|DEMO");
    EXPECT_EQ(v.demo.text, "I am thinking. Please wait a while.\n");
    EXPECT_TRUE(v.demo.shown && v.demo.icon == 'i' && v.Shown(Panel::Franswer));
    EXPECT_EQ(v.answer, "3517");

    std::vector<std::pair<char, std::string>> said;
    while (Gamestatustext(g.m.State().Gamestatus) != "Next Demo") {
        ASSERT_TRUE(g.h.Step());
        ASSERT_FALSE(g.m.Box().has_value()) << g.Boxtext();
        ASSERT_EQ(g.Stack(), "Demo");
        v = g.V();
        if (said.empty() || said.back().second != v.demo.text) said.emplace_back(v.demo.icon, v.demo.text);
    }
    ASSERT_GE(said.size(), 3u);
    EXPECT_EQ(said[said.size() - 3], std::pair('X', std::string("I have detected an error in the hints.")));
    EXPECT_EQ(said[said.size() - 2],
              std::pair('i', std::string("The error has been corrected and I continue guessing.")));
    const int trials = g.m.State().Currenttrial;
    EXPECT_EQ(said.back(), std::pair('!', "Win!  I have tried " + std::to_string(trials) + " times."));
    // One second later the next game begins with a setting of its own.
    g.m.Preset = {};
    g.h.Advance(0.999);
    EXPECT_EQ(Gamestatustext(g.m.State().Gamestatus), "Next Demo");
    g.h.Advance(0.001);
    v = g.V();
    EXPECT_TRUE(g.m.State().Playing());
    EXPECT_EQ(v.demo.text, "I am thinking. Please wait a while.\n");
}

// The demo starts after five idle minutes, counted again after Quit is
// cancelled.  A click on the record and the Escape key end it alike: the
// player's setting, display mode, menus and toolbar are back, and the idle
// screen's five minutes start afresh.
TEST(Demo, StartsAfterFiveIdleMinutesAndAClickOnTheRecordOrEscapeEndsItOnTheIdleScreen) {
    for (const bool escape : {false, true}) {
        SCOPED_TRACE(escape ? "Escape" : "click");
        Game g;
        g.Start({{L::Colour, "7"}});
        g.Endgame();
        g.m.Mnunumber_Click();
        const Mainview idle = g.V();
        EXPECT_FALSE(g.m.Escape_Keypress());  // on the idle screen Escape is not taken
        g.h.Advance(200);
        g.m.Mnuquit_Click();
        g.h.Advance(30);
        g.Press(Msgbutton::Cmdr2);  // Cancel: the idle screen's five minutes count again from here
        EXPECT_FALSE(g.V().quit);
        g.h.Advance(299);
        EXPECT_FALSE(g.m.Demorunning());
        g.h.Advance(2);
        ASSERT_TRUE(g.m.Demorunning());
        g.h.Advance(20);
        EXPECT_TRUE(g.V().demo.speedShown && g.Shown(Panel::Picrecord) && !g.Shown(Panel::Picfore));

        if (escape)
            EXPECT_TRUE(g.m.Escape_Keypress());
        else
            g.m.Picrecord_MouseDown(1);
        const Mainview v = g.V();
        EXPECT_FALSE(g.m.Demorunning() || g.Running(Timerid::Tmrdelay));
        EXPECT_FALSE(v.demo.shown || v.demo.speedShown);
        EXPECT_TRUE(v.Shown(Panel::Picfore) && !v.Shown(Panel::Picrecord));
        EXPECT_EQ(v.title + "|" + g.Stack() + "|" + Trim(v.status),
                  idle.title + "|Picfore|" + Trim(idle.status));
        EXPECT_EQ(v.lists, idle.lists);
        EXPECT_EQ(v.display, Displaymode::Number);
        EXPECT_EQ(v.menus, idle.menus);
        EXPECT_EQ(v.toolbar, idle.toolbar);
        g.m.Picrecord_MouseDown(1);  // a click on the idle screen does nothing more
        g.h.Advance(299);
        EXPECT_FALSE(g.m.Demorunning());
    }
}

}  // namespace
}  // namespace tallimor
