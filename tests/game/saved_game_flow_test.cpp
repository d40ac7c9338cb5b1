// Saved games through the module: Save, Save As and the file window's
// questions; a game loaded in a later run goes on where it stood, the
// computer's reasoning included; a damaged or unwritable file changes nothing.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "game/game_fixture.h"

namespace tallimor {
namespace {

namespace fs = std::filesystem;

// A player's game of 0123 with trial 1, 4501, played.
void Playone(Game& g) {
    g.Start(kSixFour, "0123");
    g.Drop("4501");
    g.m.Cmdshowresult_Click();
}

TEST(SavedGameFlow, APlayersGameSavedInPlayGoesOnInALaterRun) {
    Game g("save-player");
    Playone(g);
    g.h.Advance(75);
    g.m.Mnusave_Click();  // never saved: as Save As
    ASSERT_TRUE(g.V().files);
    EXPECT_EQ(g.V().files->caption, "Save As");
    g.Choose("game");
    const std::string file = g.Path("game.mm");
    EXPECT_EQ(g.V().title, "Saved Game - " + file);
    EXPECT_EQ(std::string(Savestatustext(g.m.Savestatus())) + g.Stack(), "SavedFrgetstring1");
    EXPECT_EQ(fs::file_size(file), 722u);

    Game later("load-player");
    later.m.Mnuload_Click();
    later.m.Dirfiles_Change("/");
    later.Choose(file.substr(1));  // a path typed from the root
    EXPECT_EQ(later.Boxid(), "Notenter");
    EXPECT_EQ(later.V().title, "Loaded Game - " + file);
    EXPECT_EQ(later.V().board.rows.at(1).Trialguess, "4501");
    EXPECT_FALSE(later.V().menus.Mnuset || later.V().menus.Mnusaving || !later.V().menus.Mnuend);
    later.h.Advance(70);  // the box's OK, pressed by its time-out after a minute, and ten seconds more
    EXPECT_EQ(later.m.Clock().Timespent, 85);  // the clock goes on from the saved seconds
    later.m.Mnusave_Click();                   // back to its own file without asking
    EXPECT_FALSE(later.V().files);
    EXPECT_EQ(std::string(Savestatustext(later.m.Savestatus())) + later.V().title,
              "LoadedSaved Game - " + file);
    later.Drop("0123");
    later.Press(Msgbutton::Cmdr3);  // End: a loaded game never enters the Top Five list
    EXPECT_TRUE(later.Shown(Panel::Picfore));
}

// Saved after some seconds the file holds the computer's reasoning; saved
// at once it does not, and the loaded game takes the marked trials in again.
TEST(SavedGameFlow, TheComputersReasoningGoesOnAfterALoad) {
    const std::string code = "61340";
    for (const int seconds : {3, 0}) {
        SCOPED_TRACE(seconds);
        const std::string name = "reasoning-" + std::to_string(seconds);
        Game g("save-" + name);
        g.Startmarking(
            {{L::Who, "Computer guesses"}, {L::Colour, "7"}, {L::Length, "5"}, {L::Order, "Random order"}});
        g.h.Advance(seconds);
        g.Mark(code);
        g.Mark(code);
        const int16_t trial = g.m.State().Currenttrial;
        g.m.Mnusaveas_Click();
        EXPECT_EQ(g.m.State().Finaltrial, trial - 1);  // the guess on show has no hint yet
        g.Choose("computer");
        Game later("load-" + name);
        later.m.Preset.colourOrder = g.m.Tables().ColourOrder;  // for the same guesses without reasoning
        later.m.Mnuload_Click();
        later.m.Dirfiles_Change(g.folder.string() + "/Files");
        later.m.Filfiles_DblClick(0);
        later.h.Advance(1);
        ASSERT_TRUE(later.Shown(Panel::Frgetresult));
        EXPECT_FALSE(later.m.Box());
        // Both runs make the same guesses from here to the win.
        for (int guard = 0; Gamestatustext(g.m.State().Gamestatus) == "Playing" && guard < 20; ++guard) {
            ASSERT_EQ(later.m.State().Guessstr + later.V().entry.trials,
                      g.m.State().Guessstr + g.V().entry.trials);
            g.Mark(code);
            later.Mark(code);
        }
        EXPECT_EQ(std::string(Gamestatustext(later.m.State().Gamestatus)) + later.m.State().Answer,
                  "Win" + code);
    }
}

// The Error claim of a loaded game replays the loaded hints as the run that
// saved it would have.
TEST(SavedGameFlow, AClaimAfterALoadGetsTheVerdictOfTheRunThatSaved) {
    struct Claim {
        const char* name;
        const char* errors;  // the trials with a wrong hint
        std::vector<std::string> guesses;
        std::string verdict;
    };
    const std::vector<Claim> claims{
        {"right", "2", {"0123", "1032"}, "You are right!  In fact, there is an error in Trial 2."},
        {"late", "2", {"0123", "1032", "4501"}, "Too late!  In fact, the error occurred in Trial 2."},
        {"sorry", "5", {"0123", "1032"}, "Sorry!  The hints I gave you are consistent."},
    };
    for (const Claim& c : claims) {
        SCOPED_TRACE(c.name);
        Game g(std::string("claim-save-") + c.name);
        g.Startclaim("2541", c.errors);
        for (const std::string& guess : c.guesses) g.Guess(guess);
        g.Saveas("claim");
        g.m.Cmderror_Click();
        ASSERT_TRUE(g.Boxtext().starts_with(c.verdict)) << g.Boxtext();

        Game later(std::string("claim-load-") + c.name);
        later.Loadfrom(g, "claim");
        later.Press(Msgbutton::Cmdmid);  // OK of "Notenter"
        later.m.Cmderror_Click();
        EXPECT_EQ(later.Boxid() + "|" + later.Boxtext(), g.Boxid() + "|" + g.Boxtext());
    }
}

// The warning comes once a game, counted on the game's own clock.
TEST(SavedGameFlow, ALoadedGameIsWarnedOnlyIfItWasNotYet) {
    for (const int saved : {3290, 3310}) {
        SCOPED_TRACE(saved);
        Game g("warned-save-" + std::to_string(saved));
        Playone(g);
        g.h.Advance(saved);
        if (g.Boxid() == "Warning") g.Press(Msgbutton::Cmdmid);
        g.Saveas("late");
        Game later("warned-load-" + std::to_string(saved));
        later.Loadfrom(g, "late");
        later.Press(Msgbutton::Cmdmid);  // OK of "Notenter"
        later.h.Advance(20);
        EXPECT_EQ(later.Boxid(), saved < 3300 ? "Warning" : "");
        later.h.Advance(3601 - saved - 20);
        EXPECT_EQ(later.Boxid(), "Gameover1");
    }
}

TEST(SavedGameFlow, TheFileWindowsQuestionsAndMessagesRestoreIt) {
    Game g("file-window");
    Playone(g);
    g.Saveas("");
    EXPECT_EQ(g.Stack(), "Nofile+Mnusave+Frgetstring1");
    g.Press(Msgbutton::Cmdl2);  // Yes: back to the window with a minute
    EXPECT_EQ(g.Stack() + std::to_string(g.m.Waitstack().Timeout()), "Mnusave+Frgetstring160");
    g.Choose("one");
    g.Saveas("one.MM");  // not ".mm": a new file
    EXPECT_TRUE(fs::exists(g.Path("one.MM.mm")));
    g.Saveas("one");
    EXPECT_EQ(g.Boxtext(), "The file " + g.Path("one.mm") + " already exits!  Overwrite?");
    g.Press(Msgbutton::Cmdr2);  // No
    ASSERT_TRUE(g.V().files);
    g.m.Fmfiles_Delete_KeyUp();  // nothing highlighted: nothing to delete
    EXPECT_FALSE(g.m.Box());
    g.m.Filfiles_Click(1);  // "one.mm"
    g.m.Fmfiles_Delete_KeyUp();
    EXPECT_EQ(g.Boxid(), "Delete");
    g.Press(Msgbutton::Cmdl2);
    EXPECT_EQ(g.V().files->files, std::vector<std::string>{"one.MM.mm"});
    g.m.Fmfiles_Cmdcancel_Click();
    EXPECT_EQ(g.Stack() + std::to_string(g.m.Waitstack().Timeout()), "Frgetstring160");
    EXPECT_EQ(g.m.Gamefile(), g.Path("one.MM.mm"));  // the last file saved to

    // A folder that cannot be written keeps the window, says why, and writes nothing.
    const fs::path locked = g.folder / "locked";
    fs::create_directories(locked);
    chmod(locked.c_str(), 0555);
    g.m.Mnusaveas_Click();
    g.m.Dirfiles_Change(locked.string());
    g.Choose("x");
    EXPECT_EQ(g.Boxid() + ": " + g.Boxtext(), "Notsaved: The game cannot be saved: " + locked.string() +
                                                  " is read-only.\nNothing has been changed.");
    g.Press(Msgbutton::Cmdmid);
    ASSERT_TRUE(g.V().files);
    EXPECT_EQ(g.V().files->chain.back(), locked.string() + "/");
    EXPECT_TRUE(fs::is_empty(locked));
    // A folder gone since it was shown is a place that is not there.
    chmod(locked.c_str(), 0755);
    fs::remove(locked);
    g.Choose("x");
    EXPECT_EQ(g.Boxtext(), "Disk not ready! Please insert the disk containing the file\n" + locked.string() +
                               "/x.mm and try again.");
    g.Press(Msgbutton::Cmdmid);
    ASSERT_TRUE(g.V().files);
    EXPECT_EQ(g.V().files->chain.back(), g.folder.string() + "/Files/");
    g.h.Advance(60);  // the window's minute runs out: Cancel
    EXPECT_FALSE(g.V().files);
    EXPECT_EQ(g.Stack(), "Frgetstring1");
}

TEST(SavedGameFlow, AGameTooLongForTheRecordIsRefusedBeforeAnythingIsWritten) {
    Game g("too-long");
    g.Start({{L::Length, "8"}, {L::Repeat, "May be repeated any times"}}, "01234567");
    g.m.Mnukey_Click();
    for (int t = 0; t < 27; ++t) {  // 27 different guesses, each in order
        const int last = t < 10 ? t : t < 19 ? t - 9 : t - 17, before = t < 10 ? 0 : t < 19 ? 1 : 2;
        g.Guess("000000" + std::to_string(before) + std::to_string(last));
        if (g.Boxid() == "Warning") g.Press(Msgbutton::Cmdmid);  // the last chance
    }
    ASSERT_EQ(g.Boxid(), "Gameover1");
    g.Press(Msgbutton::Cmdl3);  // Save File
    g.Choose("long");
    EXPECT_EQ(g.Boxid(), "Toolong");
    EXPECT_FALSE(fs::exists(g.Path("long.mm")));
    g.Press(Msgbutton::Cmdmid);
    EXPECT_TRUE(g.V().files);  // another choice, or Cancel
}

TEST(SavedGameFlow, ADamagedOrMissingFileChangesNothing) {
    Game g("damaged");
    fs::create_directories(g.folder / "Files");
    std::ofstream(g.folder / "Files" / "bad.mm") << std::string(722, '\x07');
    g.m.Mnuload_Click();
    g.Choose("gone");
    EXPECT_EQ(g.Boxtext(), "The file " + g.Path("gone.mm") + " does not exist!  Try again.");
    g.Press(Msgbutton::Cmdmid);
    g.Choose("bad");
    EXPECT_EQ(g.Stack(), "Notvalid+Load");
    g.h.Advance(60);  // OK by its time-out: back to the window
    EXPECT_TRUE(g.V().files && !g.Shown(Panel::Picupper));
    EXPECT_EQ(g.V().title, "Tallimor");
    g.h.Advance(300);  // the window's five minutes: Cancel, back to the idle screen
    EXPECT_EQ(g.Stack(), "Picfore");
    EXPECT_TRUE(g.Shown(Panel::Picfore));
}

// Only the program's own temporaries go: the records' are the records tests'.
TEST(SavedGameFlow, TheProgramStartsByRemovingTheTemporariesOfKilledSaves) {
    Game g("leftovers");
    fs::create_directories(g.folder / "Files");
    const std::vector<std::string> ours{"Files/game.mm.tallimor-x1Y2z3", "Winners/Winners5.tallimor-A1b2C3"};
    const std::vector<std::string> others{"Files/game.mm.backup", "Files/notes.tallimor-x1Y2z3",
                                          "Files/game.mm"};
    for (const auto& name : ours) std::ofstream(g.folder / name) << "left";
    for (const auto& name : others) std::ofstream(g.folder / name) << "kept";
    Virtualhost next(g.folder.string() + "/");  // the program starts again
    for (const auto& name : ours) EXPECT_FALSE(fs::exists(g.folder / name)) << name;
    for (const auto& name : others) EXPECT_TRUE(fs::exists(g.folder / name)) << name;
}

}  // namespace
}  // namespace tallimor
