// The five-minute warning and the end of the hour over whatever the player
// has open: after the warning's OK the game goes on where the player can act,
// and at the hour it ends with its closing box.

#include <gtest/gtest.h>

#include <functional>

#include "game/game_fixture.h"
#include "records/computer_statistics.h"

namespace tallimor {
namespace {

// A "You guess" game of 2541 whose hint of trial 2 is wrong, typed by
// keyboard, with trial 1 played; or a "Computer guesses" game the player
// marks against 2541, with one guess marked.
void Begin(Game& g, int who) {
    if (who == 1) return g.Startclaim("2541", "2"), g.Guess("0123");
    g.Startmarking();
    g.Mark("2541");
}

// Plays on with guesses that miss, in the simulation's order, until the
// last-chance warning is open.
void Lastchance(Game& g) {
    for (std::string guess = "0123"; g.Boxid() != "Warning" && Nextcode(g.m.State().Settings, guess);)
        if (guess != "2541") g.Guess(guess);
}

struct Opened {
    const char* name;
    int who;
    std::function<void(Game&)> open;
    std::string box;        // the box open before the clock's event ("" none)
    size_t rowsAfterOk;     // rows on the board once the warning's OK is pressed
    int16_t whiteOfTrial2;  // its white count then (-1: no trial 2)
};

const std::vector<Opened> kOpened{
    {"guessing", 1, [](Game&) {}, "", 1, -1},
    {"hint", 1, [](Game& g) { g.Type("1045"); }, "", 2, 2},  // accepted for the player
    {"endgame", 1, [](Game& g) { g.m.Mnuend_Click(); }, "Mnuend", 1, -1},
    {"quit", 1, [](Game& g) { g.m.Mnuquit_Click(); }, "Mnuquit", 1, -1},
    {"same", 1, [](Game& g) { g.Type("0123"); }, "Same", 1, -1},
    {"instructions", 1, [](Game& g) { g.m.Mnuinstr_Click(); }, "", 1, -1},
    {"about", 1, [](Game& g) { g.m.Mnuabout_Click(); }, "", 1, -1},
    {"saveas", 1, [](Game& g) { g.m.Mnusaveas_Click(); }, "", 1, -1},
    {"nofile", 1, [](Game& g) { g.Saveas(""); }, "Nofile", 1, -1},
    {"overwrite", 1, [](Game& g) { g.Saveas("x"), g.Saveas("x"); }, "Overwrite", 1, -1},
    {"lastchance", 1, Lastchance, "Warning", 26, -1},
    // The claim is right: the correction the box announces is made after the warning.
    {"claim", 1, [](Game& g) { g.Guess("1032"), g.m.Cmderror_Click(); }, "Continue Playing", 2, 2},
    {"marking", 2, [](Game&) {}, "", 1, -1},
    {"marking-endgame", 2, [](Game& g) { g.m.Mnuend_Click(); }, "Mnuend", 1, -1},
    {"marking-about", 2, [](Game& g) { g.m.Mnuabout_Click(); }, "", 1, -1},
};

TEST(ClockWarningFlow, AfterTheWarningsOkThePlayerGoesOnWhateverWasOpen) {
    for (const Opened& c : kOpened) {
        SCOPED_TRACE(c.name);
        Game g(std::string("warning-") + c.name);
        Begin(g, c.who);
        g.h.Advance(3290);
        c.open(g);
        ASSERT_EQ(g.Boxid(), c.box);
        g.h.Advance(10);
        ASSERT_EQ(g.Boxid(), "Warning");
        EXPECT_FALSE(g.V().files || g.V().instructions || g.V().about);
        g.Press(Msgbutton::Cmdmid);
        const Mainview v = g.V();
        EXPECT_FALSE(v.box);
        EXPECT_EQ(v.board.rows.size(), c.rowsAfterOk);
        if (c.whiteOfTrial2 >= 0) {
            EXPECT_EQ(v.board.rows.at(2).Trialwhite, c.whiteOfTrial2);
        }
        EXPECT_EQ(g.Stack(), c.who == 1 ? "Frgetstring1" : "Frgetresult");
        EXPECT_TRUE(v.Shown(c.who == 1 ? Panel::Frinput : Panel::Frgetresult));
        EXPECT_TRUE(g.Running(Timerid::Tmrrec));
    }
}

TEST(ClockWarningFlow, TheHourEndsTheGameWhateverWasOpen) {
    for (const Opened& c : kOpened) {
        SCOPED_TRACE(c.name);
        Game g(std::string("hour-") + c.name);
        Begin(g, c.who);
        g.h.Advance(3590);  // the warning's own minute has pressed its OK
        c.open(g);
        g.h.Advance(11);
        ASSERT_EQ(g.Boxid(), "Gameover1");
        EXPECT_EQ(g.Boxtext(), std::string(c.who == 1 ? "Gameover! You have already spent one hour."
                                                      : "Time is up! You have already spent one hour.") +
                                   "\nPlease choose one option below.");
        EXPECT_FALSE(g.V().files || g.V().instructions || g.V().about);
        EXPECT_FALSE(g.Running(Timerid::Tmrrec));
        g.h.Advance(900);  // End, pressed by its time-out
        EXPECT_TRUE(g.Shown(Panel::Picfore));
    }
}

}  // namespace
}  // namespace tallimor
