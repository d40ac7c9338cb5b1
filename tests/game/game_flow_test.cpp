// Whole games played through the game module on a virtual clock, without a
// window: what the player would see is read from the module's description.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "game/game_fixture.h"
#include "records/computer_statistics.h"
#include "records/winners_file.h"
#include "rules/marking.h"

namespace tallimor {
namespace {

TEST(GameFlow, APlayerWinsAtTrialThreeByMouseAfterARepeatedGuessIsRefused) {
    Game g;
    g.Start(kSixFour, "0123");
    Mainview v = g.V();
    EXPECT_EQ(v.title, "New Game - Unsaved");
    EXPECT_TRUE(v.Shown(Panel::Frgetstring) && v.Shown(Panel::Frcolour) && !v.Shown(Panel::Frinput));
    EXPECT_TRUE(v.setcontent.ends_with("\nPlaying"));
    EXPECT_EQ(g.Status(),
              "Input your guess.  Please notice you are allowed to try at most 27 times or 1 hour.");

    g.Drop("1230");
    v = g.V();
    EXPECT_TRUE(v.Shown(Panel::Frshowresult) && !v.Shown(Panel::Frgetstring));
    EXPECT_EQ(v.trials + "|" + v.correct + "|" + v.wrong,
              "Trial: 1|You have got 0 correct colours in correct position.|"
              "You have got 4 correct colours in wrong position.");
    g.h.Advance(60);  // the hint's OK presses itself
    EXPECT_TRUE(g.Shown(Panel::Frgetstring));
    EXPECT_FALSE(g.Running(Timerid::Tmrwait));  // the guess itself waits without a time-out

    // A repeated guess is refused and asked for again, in the same trial.
    g.Drop("1230");
    EXPECT_EQ(g.Boxid(), "Same");
    EXPECT_FALSE(g.Shown(Panel::Frgetstring));
    g.h.Advance(899);
    EXPECT_TRUE(g.m.Box());
    g.h.Advance(1);
    EXPECT_EQ(std::tuple(g.Boxid(), g.m.Row().Guessblanks(), g.m.State().Currenttrial, g.Stack()),
              std::tuple("", 4, 1, "Frgetstring1"))
        << "an empty row for the same trial";

    g.Drop("0321");
    g.m.Cmdshowresult_Click();
    EXPECT_EQ(g.V().board.rows.at(1).Trialguess + g.V().board.rows.at(2).Trialguess, "12300321");
    g.h.Advance(125);
    g.Drop("0123");
    v = g.V();
    EXPECT_EQ(
        g.Boxtext(),
        "Win!  You have tried 3 times and spent 18 minutes 5 seconds.\nPlease choose one option below.");
    EXPECT_TRUE(v.Shown(Panel::Franswer) && !v.Shown(Panel::Lbltime));
    EXPECT_EQ(v.answer, "0123");

    g.Press(Msgbutton::Cmdmid);  // Change Display: the box stays
    EXPECT_EQ(std::pair(g.Boxid(), g.V().display), std::pair(std::string("Win"), Displaymode::Number));
    g.Press(Msgbutton::Cmdr3);
    v = g.V();
    EXPECT_TRUE(v.Shown(Panel::Picfore) && !v.Shown(Panel::Picrecord) && !v.Shown(Panel::Franswer));
    EXPECT_EQ(v.title, "Tallimor");
    EXPECT_FALSE(g.Running(Timerid::Tmrrec));
}

// After the hint of trial 27 a guess that did not win ends the game, even
// when it counts as many colours as a win would (answer 012bb, guess 01234).
TEST(GameFlow, TheHintOfTrialTwentySevenEndsTheGameInBothOrderTypes) {
    for (const char* order : {"Fixed order", "Random order"}) {
        SCOPED_TRACE(order);
        Game g;
        g.Start({{L::Length, "Unspecified (3 - 5)"}, {L::Order, order}}, "012bb");
        std::string miss = "01234";  // the misses: the five-colour sets after it, in rising order
        for (int trial = 1; trial <= 27; ++trial) {
            ASSERT_TRUE(trial == 27 || Nextcode(GameSettings::Make(10, 5, true, 1, 1), miss));
            for (char c : trial == 27 ? std::string("01234") : miss) g.m.Lblcolour_DblClick(c - '0');
            g.m.Cmdsubcol_Click();
            ASSERT_EQ(g.V().trials, "Trial: " + std::to_string(trial));
            g.m.Cmdshowresult_Click();
            if (trial == 26) {
                EXPECT_EQ(g.Boxid(), "Warning");
                EXPECT_FALSE(g.Shown(Panel::Frgetstring));  // the next guess waits for the OK
                g.Press(Msgbutton::Cmdmid);
            } else if (trial < 26) {
                ASSERT_FALSE(g.m.Box());
            }
        }
        EXPECT_EQ(g.m.State().Record[27].Trialblack, 3);
        const Mainview v = g.V();
        EXPECT_EQ(g.Boxid(), "Gameover1");
        EXPECT_EQ(v.answer, "012bb");
        EXPECT_TRUE(v.Shown(Panel::Franswer) && !v.Shown(Panel::Frgetstring) && !v.Shown(Panel::Frcolour));
        EXPECT_EQ(std::pair(v.board.rows.size(), g.m.State().Finaltrial), std::pair(size_t{27}, int16_t{27}));
    }
}

// What is open when the warning or the hour comes is the clock-warning table's;
// here the second each comes at, and that the warning comes once.
TEST(GameFlow, TheWarningComesOnceAtFiftyFiveMinutesAndTheHourRecordsTheHintOnDisplay) {
    Game g;
    g.Start(kSixFour, "0123");
    g.h.Advance(3299);
    EXPECT_FALSE(g.m.Box());
    EXPECT_EQ(g.V().timelabel, "Time spent:  54 minutes 59 seconds");
    g.h.Advance(1);
    EXPECT_EQ(g.Boxid(), "Warning");
    g.h.Advance(0.9);  // the same second ticks on: one warning is enough
    g.Press(Msgbutton::Cmdmid);
    g.h.Advance(290);
    EXPECT_FALSE(g.m.Box());
    g.Drop("0321");
    g.h.Advance(11);
    EXPECT_EQ(g.Boxid(), "Gameover1");
    EXPECT_EQ(g.m.State().Record[1].Trialguess, "0321");
    EXPECT_TRUE(g.Shown(Panel::Franswer) && !g.Shown(Panel::Frshowresult));
}

TEST(GameFlow, AnHourWithoutAGuessShowsNoAnswer) {
    Game g;
    g.Start(kSixFour);
    g.h.Advance(3360);  // the warning's time-out presses its OK
    EXPECT_FALSE(g.m.Box());
    g.h.Advance(241);
    const Mainview v = g.V();
    EXPECT_EQ(g.Boxid(), "Gameover0");
    EXPECT_FALSE(v.Shown(Panel::Franswer) || v.Shown(Panel::Frgetstring) || v.Shown(Panel::Lbltime));
    EXPECT_FALSE(g.Running(Timerid::Tmrrec));
    g.h.Advance(60);
    EXPECT_TRUE(g.Shown(Panel::Picfore));
}

TEST(GameFlow, EndGameAsksAndShowsTheAnswerOrCancelsBack) {
    Game g;
    g.Start(kSixFour);
    g.m.Mnuend_Click();  // before the first guess: nothing to show
    EXPECT_EQ(g.Boxid(), "Mnuend");
    g.Press(Msgbutton::Cmdl2);
    EXPECT_TRUE(g.Shown(Panel::Picfore) && !g.Shown(Panel::Franswer));

    g.Start(kSixFour, "0123");
    g.Drop("1230");
    g.m.Cmdshowresult_Click();
    g.m.Mnuend_Click();
    EXPECT_EQ(g.Boxid(), "Mnuend");
    g.h.Advance(60);  // unanswered, it cancels: the game goes on
    EXPECT_EQ(g.Boxid() + g.Stack(), "Frgetstring1");
    EXPECT_FALSE(g.Running(Timerid::Tmrwait));

    g.Endgame();
    EXPECT_FALSE(g.m.Box());
    EXPECT_TRUE(!g.Shown(Panel::Frgetstring) && g.Shown(Panel::Franswer));
    g.h.Advance(0.001);     // the deferred step opens its box once the handler is done
    g.m.Tmrbuffer_Timer();  // a late tick opens no second box
    EXPECT_EQ(g.Boxid(), "Franswer");
    g.Press(Msgbutton::Cmdr3);
    EXPECT_TRUE(g.Shown(Panel::Picfore));

    // F2 starts a new game with the setting of the last one.
    g.m.Mnunew_Click();
    EXPECT_EQ(std::pair(g.m.State().Settings.Colours, g.m.State().Currenttrial),
              std::pair(int16_t{6}, int16_t{0}));
    EXPECT_TRUE(g.Shown(Panel::Frgetstring));

    // Quit asks first; unanswered, it cancels back to the interrupted wait.
    g.m.Mnuquit_Click();
    EXPECT_EQ(g.Boxid(), "Mnuquit");
    g.h.Advance(60);
    EXPECT_EQ(g.Stack(), "Frgetstring1");
    g.m.Mnuquit_Click();
    g.Press(Msgbutton::Cmdl2);
    EXPECT_TRUE(g.V().quit);
}

TEST(GameFlow, TheSettingMenuStartsOnlyWhileItIsShownAndItsTimeOutCancels) {
    Game g;
    EXPECT_EQ(g.Stack(), "Picfore");
    g.m.Mnuset_Click();
    EXPECT_FALSE(g.V().menus.Mnuset || g.V().menus.Mnunew);
    EXPECT_EQ(g.Stack(), "Frmenu");
    g.m.Cblist_Click(L::Length, "8");
    EXPECT_EQ(g.V().lists[1].items, std::vector<std::string>{"10"});
    g.h.Advance(299);
    EXPECT_TRUE(g.Shown(Panel::Frmenu));
    g.h.Advance(1);
    const Mainview v = g.V();
    EXPECT_FALSE(v.Shown(Panel::Frmenu));
    EXPECT_EQ(v.lists[3].items[static_cast<size_t>(v.lists[3].shown)], "3");  // the lists are put back

    g.m.Cmdstart_Click();  // a hidden Start starts nothing
    EXPECT_TRUE(g.Shown(Panel::Picfore));
    g.m.Mnuset_Click();
    g.m.Enter_Keypress();  // Enter presses Start
    EXPECT_TRUE(g.Shown(Panel::Frgetstring));
    const std::string answer = g.m.State().Answer;
    g.m.Enter_Keypress();  // nothing to submit yet: the game stays
    g.m.Cmdstart_Click();
    EXPECT_EQ(g.m.State().Answer, answer);
}

// Typed digits are filtered, and Enter submits a whole guess and then accepts
// its hint; switching the input method starts the guess afresh.
TEST(GameFlow, MouseAndKeyboardInputAndEnterSubmitsThenAccepts) {
    Game g;
    g.Start({{L::Length, "4"}}, "0235");  // ten colours, fixed order, no repetition
    for (int c : {9, 0, 4, 2}) g.m.Lblcolour_DblClick(c);
    EXPECT_EQ(g.V().defaultControl, Control::Cmdsubcol);
    g.m.Mnukey_Click();
    Mainview v = g.V();
    EXPECT_TRUE(v.Shown(Panel::Frinput) && !v.Shown(Panel::Frgetstring) && v.Shown(Panel::Frcolour));
    EXPECT_EQ(v.focus, Control::Txtinput);
    for (bool border : v.colourBorder) EXPECT_FALSE(border);
    g.m.Txtinput_Change("11");  // no repetition: the keystroke is undone
    EXPECT_EQ(g.V().inputText, "");
    g.m.Txtinput_Change("15");
    g.m.Enter_Keypress();  // not yet a whole guess: Enter does nothing
    EXPECT_TRUE(g.Shown(Panel::Frinput));
    g.m.Mnumouse_Click();
    EXPECT_TRUE(g.Shown(Panel::Frgetstring) && !g.Shown(Panel::Frinput));
    EXPECT_EQ(g.m.Row().Guessblanks(), 4);
    g.m.Enter_Keypress();
    for (int c : {9, 0, 4, 7}) g.m.Lblcolour_DblClick(c);
    g.m.Enter_Keypress();  // one Enter submits and shows the hint
    EXPECT_TRUE(g.Shown(Panel::Frshowresult) && g.V().board.rows.empty());
    EXPECT_EQ(g.V().focus, Control::Cmdshowresult);
    g.m.Enter_Keypress();  // the next one accepts it
    EXPECT_EQ(std::pair(g.V().board.rows.at(1).Trialguess, g.m.State().Currenttrial),
              std::pair(std::string("0479"), int16_t{1}));
    g.m.Mnukey_Click();
    g.m.Txtinput_Change("0235");
    EXPECT_EQ(g.V().defaultControl, Control::Cmdsubnum);
    g.m.Enter_Keypress();
    EXPECT_EQ(g.Boxid(), "Win");
}

TEST(GameFlow, AMiddleStartPlaysTheEarlyTrialsAndCountsFromTheStart) {
    Game g("middle");
    WinnersRecord record;
    record.Average[static_cast<size_t>(Settingindex(3, 1, 1, 1, 1))] = 12.0f;
    ASSERT_TRUE(Writewinners(g.folder, 10, record).Usable());
    g.Start({{L::Start, "Middle"}});
    EXPECT_EQ(g.V().board.rows.size(), 8u);
    EXPECT_EQ(g.Status(),
              "Input your guess.  Please notice you are allowed to try at most 19 times or 1 hour.");
    // Fixed order: any arrangement of the right colours wins.
    for (char c : g.m.State().Answer) g.m.Lblcolour_DblClick(c - '0');
    g.m.Cmdsubcol_Click();
    EXPECT_EQ(g.Boxtext(),
              "Win!  You have tried 1 time and spent 0 second.\nPlease choose one option below.");
}

TEST(GameFlow, ADamagedRecordsFileIsReportedAndLeftAlone) {
    Game g("damaged");
    std::ofstream(g.folder / "Winners" / "Winners10", std::ios::binary)
        << std::string(kWinnersRecordLength, '\xFF');
    g.Start({{L::Start, "Middle"}});
    EXPECT_EQ(g.m.Box()->title, "Records File");
    EXPECT_NE(g.Boxtext().find("damaged"), std::string::npos);
    EXPECT_FALSE(g.Running(Timerid::Tmrrec));  // the clock waits for the player
    g.Press(Msgbutton::Cmdmid);
    EXPECT_TRUE(g.Running(Timerid::Tmrrec));
    EXPECT_EQ(g.m.State().Settings.Starttrial, 1);
    EXPECT_TRUE(g.Shown(Panel::Frgetstring));
}

}  // namespace
}  // namespace tallimor
