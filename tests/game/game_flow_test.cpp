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

TEST(GameFlow, APlayerWinsAtTrialThreeByMouse) {
    Game g;
    g.Start(kSixFour, "0123");
    Mainview v = g.V();
    EXPECT_EQ(v.title, "New Game - Unsaved");
    EXPECT_TRUE(v.Shown(Panel::Frgetstring) && v.Shown(Panel::Frcolour) && !v.Shown(Panel::Frinput) &&
                !v.Shown(Panel::Picfore));
    EXPECT_EQ(v.getstringPrompt, "Input your guess by dragging or double-clicking the colours.");
    EXPECT_EQ(v.timelabel, "Time spent:  0 second");
    EXPECT_TRUE(v.setcontent.ends_with("\nPlaying"));
    EXPECT_EQ(g.Status(),
              "Input your guess.  Please notice you are allowed to try at most 27 times or 1 hour.");

    const std::pair<std::string, std::string> misses[] = {
        {"1230",
         "You have got 0 correct colours in correct position.|"
         "You have got 4 correct colours in wrong position."},
        {"0321",
         "You have got 2 correct colours in correct position.|"
         "You have got 2 correct colours in wrong position."}};
    int trial = 0;
    for (const auto& [guess, texts] : misses) {
        g.Drop(guess);
        v = g.V();
        ++trial;
        EXPECT_TRUE(v.Shown(Panel::Frshowresult) && !v.Shown(Panel::Frgetstring));
        EXPECT_EQ(v.trials, "Trial: " + std::to_string(trial));
        EXPECT_EQ(v.correct + "|" + v.wrong, texts);
        EXPECT_EQ(
            g.Status(),
            "Press the OK button.  Please notice the OK button is pressed automatically in one minute.");
        g.m.Cmdshowresult_Click();
        EXPECT_EQ(g.V().board.rows.at(trial).Trialguess, guess);
    }
    g.h.Advance(125);
    g.Drop("0123");
    v = g.V();
    ASSERT_TRUE(v.box);
    EXPECT_EQ(v.box->title, "Win");
    EXPECT_EQ(v.box->text,
              "Win!  You have tried 3 times and spent 2 minutes 5 seconds.\nPlease choose one option below.");
    EXPECT_EQ(g.Stack(), "Win");
    EXPECT_TRUE(v.Shown(Panel::Franswer) && !v.Shown(Panel::Lbltime));
    EXPECT_EQ(v.answer, "0123");

    g.Press(Msgbutton::Cmdmid);  // Change Display: the box stays
    EXPECT_EQ(g.Boxid(), "Win");
    EXPECT_EQ(g.V().display, Displaymode::Number);
    g.Press(Msgbutton::Cmdr3);
    v = g.V();
    EXPECT_FALSE(v.box);
    EXPECT_TRUE(v.Shown(Panel::Picfore) && !v.Shown(Panel::Picrecord) && !v.Shown(Panel::Franswer));
    EXPECT_EQ(v.title, "Tallimor");
    EXPECT_EQ(g.Stack(), "Picfore");
    EXPECT_FALSE(g.Running(Timerid::Tmrrec));
}

TEST(GameFlow, TypedGuessesAreFilteredAndEnterSubmitsThenAccepts) {
    Game g;
    g.m.Mnukey_Click();
    g.Start(kSixFour, "2503");
    EXPECT_TRUE(g.Shown(Panel::Frinput) && !g.Shown(Panel::Frgetstring));
    EXPECT_EQ(g.V().focus, Control::Txtinput);
    EXPECT_EQ(g.V().inputPrompt, "Input your guess below. Use numbers to represent colours.");
    g.m.Txtinput_Change("11");  // no repetition: the keystroke is undone
    EXPECT_EQ(g.V().inputText, "");
    g.m.Enter_Keypress();  // not yet a whole guess: Enter does nothing
    EXPECT_TRUE(g.Shown(Panel::Frinput));
    for (const char* text : {"10", "102", "1023"}) g.m.Txtinput_Change(text);
    EXPECT_TRUE(g.V().subnumEnabled);
    EXPECT_EQ(g.V().defaultControl, Control::Cmdsubnum);
    g.m.Enter_Keypress();  // one Enter submits and shows the hint
    EXPECT_TRUE(g.Shown(Panel::Frshowresult));
    EXPECT_TRUE(g.V().board.rows.empty());
    EXPECT_EQ(g.V().focus, Control::Cmdshowresult);
    g.m.Enter_Keypress();  // the next one accepts it
    EXPECT_EQ(g.V().board.rows.at(1).Trialguess, "1023");
    EXPECT_TRUE(g.Shown(Panel::Frinput));
    g.h.Advance(61);
    for (const char* text : {"2", "25", "250", "2503"}) g.m.Txtinput_Change(text);
    g.m.Enter_Keypress();
    EXPECT_EQ(g.Boxtext(),
              "Win!  You have tried 2 times and spent 1 minute 1 second.\nPlease choose one option below.");
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
            const std::string guess = trial == 27 ? "01234" : miss;
            for (char c : guess) g.m.Lblcolour_DblClick(c - '0');
            g.m.Cmdsubcol_Click();
            ASSERT_EQ(g.V().trials, "Trial: " + std::to_string(trial));
            g.m.Cmdshowresult_Click();
            if (trial == 26) {
                EXPECT_EQ(g.Boxid(), "Warning");
                EXPECT_EQ(g.Boxtext(), "Please notice you only have one more chance to guess!");
                EXPECT_FALSE(g.Shown(Panel::Frgetstring));  // the next guess waits for the OK
                g.Press(Msgbutton::Cmdmid);
                EXPECT_TRUE(g.Shown(Panel::Frgetstring));
            } else if (trial < 26) {
                ASSERT_FALSE(g.m.Box());
            }
        }
        EXPECT_EQ(g.m.State().Record[27].Trialblack, 3);
        const Mainview v = g.V();
        EXPECT_EQ(g.Boxid(), "Gameover1");
        EXPECT_EQ(g.Boxtext(),
                  "Gameover! You have already reached the last trial.\nPlease choose one option below.");
        EXPECT_EQ(v.answer, "012bb");
        EXPECT_TRUE(v.Shown(Panel::Franswer) && !v.Shown(Panel::Frgetstring) && !v.Shown(Panel::Frcolour));
        EXPECT_EQ(v.board.rows.size(), 27u);
        EXPECT_EQ(g.m.State().Finaltrial, 27);
    }
}

TEST(GameFlow, FiveMinutesBeforeTheHourTheWarningAcceptsTheHintOnDisplay) {
    Game g;
    g.Start(kSixFour, "0123");
    g.h.Advance(3290);
    g.Drop("1230");
    g.h.Advance(9);
    EXPECT_FALSE(g.m.Box());
    EXPECT_EQ(g.V().timelabel, "Time spent:  54 minutes 59 seconds");
    g.h.Advance(1);
    EXPECT_EQ(g.Boxid(), "Warning");
    EXPECT_EQ(g.Boxtext(), "Please notice this game is over in five minutes!");
    EXPECT_EQ(g.Stack(), "Warning");
    EXPECT_TRUE(g.Shown(Panel::Frshowresult));
    g.h.Advance(0.9);  // the same second ticks on: one warning is enough
    g.Press(Msgbutton::Cmdmid);
    EXPECT_FALSE(g.m.Box());
    EXPECT_EQ(g.V().board.rows.count(1), 1u);
    EXPECT_TRUE(g.Shown(Panel::Frgetstring));
    EXPECT_TRUE(g.Status().starts_with("Input your guess."));

    // The hour ends the game, recording the hint on display first (its box and End: the clock-warning table).
    g.h.Advance(290);
    g.Drop("0321");
    g.h.Advance(11);
    EXPECT_EQ(g.Boxid(), "Gameover1");
    EXPECT_EQ(g.m.State().Record[2].Trialguess, "0321");
    EXPECT_TRUE(g.Shown(Panel::Franswer) && !g.Shown(Panel::Frshowresult));
}

TEST(GameFlow, AnHourWithoutAGuessShowsNoAnswer) {
    Game g;
    g.Start(kSixFour);
    g.h.Advance(3300);
    EXPECT_EQ(g.Boxid(), "Warning");
    g.h.Advance(60);  // its time-out presses OK
    EXPECT_FALSE(g.m.Box());
    EXPECT_TRUE(g.Shown(Panel::Frgetstring));
    g.h.Advance(241);
    const Mainview v = g.V();
    ASSERT_TRUE(v.box);
    EXPECT_EQ(Messageinfo(v.box->id).name, "Gameover0");
    EXPECT_EQ(v.box->text, "Gameover! You have already spent one hour.");
    EXPECT_FALSE(v.Shown(Panel::Franswer) || v.Shown(Panel::Frgetstring) || v.Shown(Panel::Lbltime));
    EXPECT_FALSE(g.Running(Timerid::Tmrrec));
    g.h.Advance(60);
    EXPECT_TRUE(g.Shown(Panel::Picfore));
}

TEST(GameFlow, ARepeatedGuessIsRefusedAndAskedForAgain) {
    Game g;
    g.Start(kSixFour, "0123");
    g.Drop("1230");
    g.h.Advance(60);  // the hint's OK presses itself
    EXPECT_TRUE(g.Shown(Panel::Frgetstring));
    EXPECT_FALSE(g.Running(Timerid::Tmrwait));  // the guess itself waits without a time-out
    g.Drop("1230");
    EXPECT_EQ(g.Boxid(), "Same");
    EXPECT_EQ(g.m.Box()->title, "Inappropriate Input");
    EXPECT_EQ(g.Boxtext(), "Hey!  The string you input is the same as a previous one. Input again!");
    EXPECT_FALSE(g.Shown(Panel::Frgetstring));
    g.h.Advance(899);
    EXPECT_TRUE(g.m.Box());
    g.h.Advance(1);
    EXPECT_FALSE(g.m.Box());
    EXPECT_TRUE(g.Shown(Panel::Frgetstring));
    EXPECT_EQ(g.m.Row().Guessblanks(), 4);  // an empty row for the same trial
    EXPECT_EQ(g.m.State().Currenttrial, 1);
    EXPECT_EQ(g.Stack(), "Frgetstring1");
}

TEST(GameFlow, EndGameAsksAndShowsTheAnswerOrCancelsBack) {
    Game g;
    g.Start(kSixFour);
    EXPECT_TRUE(g.V().menus.Mnuend);
    g.m.Mnuend_Click();  // before the first guess: nothing to show
    EXPECT_EQ(g.m.Box()->title, "End Game?");
    g.Press(Msgbutton::Cmdl2);
    EXPECT_TRUE(g.Shown(Panel::Picfore) && !g.Shown(Panel::Franswer));

    g.Start(kSixFour, "0123");
    g.Drop("1230");
    EXPECT_FALSE(g.V().menus.Mnuend || g.V().menus.Mnuoption);
    g.m.Cmdshowresult_Click();
    EXPECT_TRUE(g.V().menus.Mnuend && g.V().menus.Mnuoption && g.V().menus.Mnusaving);
    g.m.Mnuend_Click();
    EXPECT_EQ(g.Boxtext(), "Are you sure you want to end this game?");
    EXPECT_EQ(g.Stack(), "Mnuend+Frgetstring1");
    g.h.Advance(60);  // unanswered, it cancels: the game goes on
    EXPECT_FALSE(g.m.Box());
    EXPECT_EQ(g.Stack(), "Frgetstring1");
    EXPECT_FALSE(g.Running(Timerid::Tmrwait));
    EXPECT_TRUE(g.Shown(Panel::Frgetstring));

    g.m.Mnuend_Click();
    g.Press(Msgbutton::Cmdl2);
    EXPECT_FALSE(g.m.Box());
    EXPECT_TRUE(!g.Shown(Panel::Frgetstring) && g.Shown(Panel::Franswer));
    EXPECT_EQ(Gamestatustext(g.m.State().Gamestatus), "End Game");
    g.h.Advance(0.001);     // the deferred step opens its box once the handler is done
    g.m.Tmrbuffer_Timer();  // a late tick opens no second box
    EXPECT_EQ(g.m.Box()->title, "Show Answer");
    EXPECT_EQ(g.Boxtext(),
              "You may see the answer in the Answer Frame now.\nPlease choose one option below.");
    EXPECT_EQ(g.m.Box()->icon, 'i');
    g.Press(Msgbutton::Cmdr3);
    EXPECT_TRUE(g.Shown(Panel::Picfore));

    // F2 starts a new game with the setting of the last one.
    g.m.Mnunew_Click();
    EXPECT_EQ(g.m.State().Settings.Colours, 6);
    EXPECT_EQ(g.m.State().Currenttrial, 0);
    EXPECT_TRUE(g.Shown(Panel::Frgetstring));

    // Quit asks first; unanswered, it cancels back to the interrupted wait.
    g.m.Mnuquit_Click();
    EXPECT_EQ(g.Boxtext(), "Are you sure you want to quit this programme?");
    EXPECT_EQ(g.Stack(), "Mnuquit+Frgetstring1");
    g.h.Advance(60);
    EXPECT_EQ(g.Stack(), "Frgetstring1");
    g.m.Mnuquit_Click();
    g.Press(Msgbutton::Cmdl2);
    EXPECT_TRUE(g.V().quit);
}

TEST(GameFlow, TheSettingMenuStartsOnlyWhileItIsShownAndItsTimeOutCancels) {
    Game g;
    Mainview v = g.V();
    EXPECT_TRUE(v.menus.Mnuset && v.menus.Mnunew && !v.menus.Mnuend);
    EXPECT_EQ(g.Status(),
              "Choose an option from the pulldown menu or the toolbar. Demo will start automatically in five "
              "minutes.");
    g.m.Mnuset_Click();
    EXPECT_FALSE(g.V().menus.Mnuset || g.V().menus.Mnunew);
    EXPECT_TRUE(g.Status().ends_with("will be closed automatically in 5 minutes.")) << g.Status();
    g.m.Cblist_Click(L::Length, "8");
    EXPECT_EQ(g.V().lists[1].items, std::vector<std::string>{"10"});
    EXPECT_EQ(g.V().defaultControl, Control::Cmdstart);
    g.h.Advance(299);
    EXPECT_TRUE(g.Shown(Panel::Frmenu));
    g.h.Advance(1);
    v = g.V();
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

TEST(GameFlow, MouseInputFollowsTheRowAndTheInputMethodStartsItAfresh) {
    Game g;
    g.Start({{L::Length, "4"}});  // ten colours, fixed order, no repetition
    for (int c : {9, 0, 4, 2}) g.m.Lblcolour_DblClick(c);
    EXPECT_EQ(g.V().defaultControl, Control::Cmdsubcol);
    g.m.Mnukey_Click();
    Mainview v = g.V();
    EXPECT_TRUE(v.keyboard && v.Shown(Panel::Frinput) && !v.Shown(Panel::Frgetstring) &&
                v.Shown(Panel::Frcolour));
    for (bool border : v.colourBorder) EXPECT_FALSE(border);
    g.m.Lblcolour_DblClick(3);  // the panel takes no double-click while typing
    g.m.Txtinput_Change("15");
    g.m.Mnumouse_Click();
    v = g.V();
    EXPECT_TRUE(v.Shown(Panel::Frgetstring) && !v.Shown(Panel::Frinput));
    EXPECT_EQ(g.m.Row().Guessblanks(), 4);
    g.m.Enter_Keypress();
    g.m.Mnunumber_Click();
    EXPECT_EQ(g.V().display, Displaymode::Number);
    for (int c : {9, 0, 4, 7}) g.m.Lblcolour_DblClick(c);
    g.m.Enter_Keypress();
    EXPECT_EQ(g.m.State().Guessstr, "0479");
    EXPECT_EQ(g.m.State().Currenttrial, 1);
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
    const std::string junk(kWinnersRecordLength, '\xFF');
    std::ofstream(g.folder / "Winners" / "Winners10", std::ios::binary) << junk;
    g.Start({{L::Start, "Middle"}});
    EXPECT_EQ(g.m.Box()->title, "Records File");
    EXPECT_NE(g.Boxtext().find("damaged"), std::string::npos);
    EXPECT_FALSE(g.Running(Timerid::Tmrrec));  // the clock waits for the player
    g.Press(Msgbutton::Cmdmid);
    EXPECT_TRUE(g.Running(Timerid::Tmrrec));
    EXPECT_EQ(g.m.State().Settings.Starttrial, 1);
    EXPECT_TRUE(g.Shown(Panel::Frgetstring));  // the file itself is left alone, as the records tests show
}

// The computer's guesses in this game are traced in the engine tests.
TEST(GameFlow, AWatchedGameShowsTheAnswerAndIsPlayedOnTheDelayTimer) {
    Virtualhost h;
    h.mod.Preset = {"5512", "310524", {}, {}};
    h.mod.Newgame(GameSettings::Make(6, 4, true, 2, 4, 3));
    EXPECT_EQ(h.mod.Describe().answer, "5512");
    h.Runcomputer();
    EXPECT_EQ(h.mod.Box()->text, "Win!  I have tried 4 times.\nPlease choose one option below.");
}

}  // namespace
}  // namespace tallimor
