// The computer's side of a game, played through the module's events: the
// preparation, the player's marking, the computer's own marking, its wrong
// hints and their correction, and the player's Error claim.

#include <gtest/gtest.h>

#include "game/game_fixture.h"
#include "reasoning/wrong_hints.h"
#include "records/winners_file.h"
#include "rules/marking.h"

namespace tallimor {
namespace {

// Left unanswered, the marking choice and the trial of a middle start each
// give the game up after five minutes.
TEST(ComputerGame, ThePlayerMarksFromAMiddleStartAndAnUnansweredPreparationGivesTheGameUp) {
    Game g;
    g.Start(kComputer);
    g.h.Advance(300);
    EXPECT_TRUE(g.Shown(Panel::Picfore) && !g.Shown(Panel::Frmark));
    g.Start(With(kComputer, L::Start, "Middle"));
    g.h.Advance(299);
    EXPECT_TRUE(g.Shown(Panel::Frtrialno));
    g.h.Advance(1);
    EXPECT_TRUE(g.Shown(Panel::Picfore) && !g.Shown(Panel::Frtrialno));

    g.Start(With(kComputer, L::Start, "Middle"));
    Mainview v = g.V();
    EXPECT_EQ(v.trialno.items.front() + v.trialno.items.back(), "29");
    g.m.Cbtrialno_Click("3");
    g.m.Enter_Keypress();
    EXPECT_TRUE(g.Shown(Panel::Frmark) && !g.V().markYes);  // the player marks unless he says otherwise
    g.m.Cmdokmark_Click();
    EXPECT_TRUE(g.Shown(Panel::Fraskcode) && g.Shown(Panel::Frcolour));
    g.m.Enter_Keypress();
    g.m.Mnukey_Click();
    g.Type("0123");
    v = g.V();
    // The trials before the start are the player's own input.
    EXPECT_EQ(v.entry.myguess + "|" + v.entry.correctLabel,
              "Your input is|How many correct colours in correct position?");
    EXPECT_FALSE(v.entry.winShown);
    EXPECT_EQ(v.focus, Control::Txtcorrect);
    g.m.Txtcorrect_KeyPress('0');
    EXPECT_EQ(g.V().defaultControl, Control::None);  // both counts are needed
    g.m.Txtwrong_KeyPress('2');
    g.m.Enter_Keypress();
    g.Type("4501");
    g.Counts('0', '3');
    // The computer takes both in as given and guesses trial 3 itself.
    g.h.Runcomputer();
    v = g.V();
    ASSERT_TRUE(v.Shown(Panel::Frgetresult));
    EXPECT_EQ(v.entry.trials + "|" + v.entry.myguess, "Trial: 3|My guess is");
    EXPECT_TRUE(v.entry.winShown && v.Shown(Panel::Lbltime) && v.menus.Mnusaving);
    EXPECT_EQ(v.board.rows.at(2).Trialguess, "4501");
    const std::string guess = v.entry.guess;
    g.m.Cmdwin_Click();
    v = g.V();
    EXPECT_EQ(g.Boxtext(), "Win!  I have tried 1 time.\nPlease choose one option below.");
    EXPECT_EQ(v.answer, guess);  // the winning guess is the code the player kept
    EXPECT_EQ(v.board.rows.at(3).Trialblack, 4);
}

TEST(ComputerGame, TheCountsOfferedNeverExceedWhatTheGuessCanGet) {
    Game g;
    g.Startmarking({{L::Who, "Computer guesses"},
                    {L::Colour, "8"},
                    {L::Length, "Unspecified (3 - 6)"},
                    {L::Order, "Random order"},
                    {L::Start, "Middle"}});  // Trial 2 by default: the player enters trial 1
    g.m.Mnukey_Click();
    g.Type("01bb23");
    g.m.Mnumouse_Click();  // switching while marking refills the lists
    ASSERT_TRUE(g.Shown(Panel::Frgetresult));
    EXPECT_EQ(g.V().entry.correct.items.back() + g.V().entry.wrong.items.back(), "44");  // 2 of 6 blank

    Game h;
    h.Startmarking(With(kComputer, L::Start, "Middle"));
    h.Drop("0123");
    ASSERT_TRUE(h.Shown(Panel::Frgetresult));
    EXPECT_EQ(h.V().entry.correct.items.back(), "3");  // four blacks are given with WIN
    EXPECT_FALSE(h.V().entry.okEnabled);
    h.m.Cbwrong_Click("1");
    EXPECT_EQ(h.V().entry.correct.items.back(), "2");
    h.m.Cbwrong_Click("0");
    h.m.Cbcorrect_Click("3");
    EXPECT_EQ(h.V().entry.wrong.items, std::vector<std::string>{"0"});
    EXPECT_TRUE(h.V().entry.okEnabled);
    h.m.Mnukey_Click();  // the same limits on typed counts
    h.m.Txtwrong_KeyPress('1');
    h.m.Txtcorrect_KeyPress('3');
    EXPECT_EQ(h.V().entry.correctText, "");
    h.m.Txtcorrect_KeyPress('2');
    h.m.Txtcorrect_KeyPress('1');  // one digit a box
    h.m.Txtwrong_KeyPress('\b');
    h.m.Txtwrong_KeyPress('x');
    EXPECT_EQ(h.V().entry.correctText + "|" + h.V().entry.wrongText, "2|");
    EXPECT_FALSE(h.V().entry.okEnabled);
}

TEST(ComputerGame, HintsThatFitNoCodeStopTheGame) {
    for (const bool second : {false, true}) {
        Game g;
        g.Startmarking();
        g.h.Runcomputer();
        g.m.Mnukey_Click();
        if (second) {  // all four colours, none in place: the next guess holds them too
            g.Counts('0', '4');
            g.h.Runcomputer();
        }
        g.Counts('0', '0');  // and no colour of it at all: two colours cannot fill four places
        EXPECT_EQ(g.Boxid(), "Error Detected");
        EXPECT_EQ(g.Boxtext(), std::string("Hey!  The ") + (second ? "hints" : "hint") + " you gave me " +
                                   (second ? "are" : "is") +
                                   " inconsistent!  I cannot continue. Please choose one option below.");
        EXPECT_FALSE(g.Running(Timerid::Tmrrec));
    }
}

// Saved from its closing box and loaded in a later run, the game brings back
// the input method, the display mode and the marking choice.
TEST(ComputerGame, TheComputerMarksAgainstTheCodeThePlayerEntersAndALoadKeepsTheChoices) {
    Game g("computer-marks");
    g.m.Mnunumber_Click();
    g.Start(With(kComputer, L::Start, "Middle"));
    g.m.Cbtrialno_Click("3");
    g.m.Cmdoktrial_Click();
    g.m.Optyesmark_Click();
    g.m.Cmdokmark_Click();
    g.m.Mnukey_Click();
    EXPECT_EQ(g.V().inputPrompt, "Input a string for me to guess below. Use numbers to represent colours.");
    g.Type("5432");
    g.Type("5432");
    EXPECT_EQ(g.Boxtext(), "Hey!  You have input the same string as the answer. Input again!");
    g.Press(Msgbutton::Cmdmid);
    g.Type("0123");
    g.Type("0145");
    EXPECT_EQ(g.V().board.rows.at(2).Trialwhite, 2);  // 0145 against 5432: 4 and 5 elsewhere
    EXPECT_FALSE(g.V().menus.Mnugame);                // the player only watches now
    g.h.Runcomputer();
    ASSERT_EQ(g.Boxid(), "Win");
    const GameState& s = g.m.State();
    EXPECT_EQ(s.Record[s.Currenttrial].Trialguess, "5432");
    EXPECT_EQ(s.Attempts, s.Currenttrial - 2);
    g.Press(Msgbutton::Cmdl3);
    g.Choose("choices");
    Game later("computer-marks-loaded");
    later.Loadfrom(g, "choices");
    const Mainview v = later.V();
    EXPECT_TRUE(v.keyboard && v.markYes);
    EXPECT_EQ(v.display, Displaymode::Number);
}

struct Watched : Game {
    explicit Watched(const std::string& answer, const std::string& errors) {
        m.Preset = {answer, "012345", {}, errors};
        GameSettings s = GameSettings::Make(6, 4, true, 2, 1, 3);
        s.Hinterrors = Hintkind::Mayerr;
        m.Newgame(s);
        h.Runcomputer();
    }
};

TEST(ComputerGame, TheComputerFindsAndCorrectsItsOwnWrongHint) {
    Watched g("2541", "2");
    EXPECT_EQ(g.Boxid(), "Continue Playing");
    const int found = g.m.State().Currenttrial;
    EXPECT_EQ(g.Boxtext(),
              "I have detected an error in the " + std::string(found == 1 ? "hint" : "hints") +
                  ". Press the OK button. The error will be corrected and I will continue guessing.");
    const std::string second = g.V().board.rows.at(2).Trialguess;
    g.h.Advance(60);  // the OK presses itself
    g.h.Runcomputer();
    EXPECT_EQ(g.Boxid(), "Win");
    const GameState& s = g.m.State();
    EXPECT_EQ(s.Record[2].Trialguess, second);  // the earlier guesses stay
    EXPECT_EQ(s.Record[2].Trialblack, Markcode(s.Settings, second, "2541").Blacks);
    EXPECT_EQ(g.m.Errorrecord(), "2*" + std::string(1, char('0' + s.Record[2].Trialblack)) + "*" +
                                     std::string(1, char('0' + s.Record[2].Trialwhite)));

    Watched w("0123", "1");  // the first guess is the code, and its hint is made wrong
    EXPECT_EQ(w.m.State().Record[1].Trialblack, 3);
    w.Press(Msgbutton::Cmdmid);
    w.h.Step();
    EXPECT_EQ(w.Boxtext(),
              "After correcting the error, it is found that I already got the correct answer at Trial "
              "1.\nPlease choose one option below.");
    EXPECT_EQ(w.m.State().Attempts, w.m.Wronghints().Checkedtrial);  // the trials the computer used
}

TEST(ComputerGame, TheErrorClaimIsJudgedByTheHints) {
    Game sorry;
    sorry.Startclaim("2541", "5");
    EXPECT_FALSE(sorry.V().errorEnabled);  // nothing to claim before a hint
    sorry.Guess("0123");
    ASSERT_TRUE(sorry.V().errorEnabled);
    sorry.m.Cmderror_Click();
    Mainview v = sorry.V();
    EXPECT_EQ(v.box->title, "Hint(s) Consistent");
    EXPECT_TRUE(v.box->text.starts_with("Sorry!  The hint I gave you is consistent.")) << "one hint given";
    EXPECT_EQ(v.answercaption, "Possible Answer");
    EXPECT_EQ(Markcode(sorry.m.State().Settings, "0123", v.answer).Whites, 2);  // it fits the hint given
    EXPECT_TRUE(v.board.corrected.empty());
    EXPECT_FALSE(sorry.Running(Timerid::Tmrrec));

    // A claim after the trial that made the hints impossible comes too late:
    // the game ends with the secret code shown.
    Game late;
    late.Startclaim("2541", "2");
    for (const char* guess : {"0123", "1032", "4501"}) late.Guess(guess);
    late.m.Cmderror_Click();
    v = late.V();
    ASSERT_TRUE(v.box);
    EXPECT_EQ(late.Boxid() + "|" + v.box->title, "Wrong Detection|Late Detection of Error");
    EXPECT_EQ(v.box->text,
              "Too late!  In fact, the error occurred in Trial 2. You should have detected it in Trial 2.\n"
              "Choose one option below.");
    EXPECT_EQ(v.answercaption + v.answer, "Answer2541");
    EXPECT_FALSE(late.Running(Timerid::Tmrrec) || v.Shown(Panel::Frinput) || v.Shown(Panel::Frerror));
    late.h.Advance(900);  // End
    EXPECT_TRUE(late.Shown(Panel::Picfore));

    // Right before the first own guess: no code fits trials 1 to 3 already, by
    // their positions.  The corrected row is marked from the correction to the game's end.
    Game early;
    early.Startclaim("2541", "1", {"4051", "5204", "2543", "2105"});
    early.m.Cmderror_Click();
    EXPECT_EQ(early.Boxid(), "Continue Playing");
    EXPECT_TRUE(early.Boxtext().starts_with("You are right!  In fact, there is an error in Trial 1."));
    EXPECT_TRUE(early.V().board.corrected.empty()) << "not before the correction";
    early.Press(Msgbutton::Cmdmid);
    v = early.V();
    EXPECT_EQ(v.board.rows.at(1).Trialblack, 1);  // 4051 against 2541: the 1 in place
    EXPECT_EQ(v.board.corrected, std::set<int>{1});
    EXPECT_FALSE(v.errorEnabled);  // one correction a game
    EXPECT_EQ(early.m.State().Currenttrial, 4);
    early.Guess("0123");
    EXPECT_EQ(early.V().board.corrected, std::set<int>{1}) << "kept while the game goes on";
    early.Endgame();
    early.h.Advance(0.001);
    early.Press(Msgbutton::Cmdr3);  // End of "Show Answer"
    ASSERT_TRUE(early.Shown(Panel::Picfore));
    EXPECT_TRUE(early.V().board.corrected.empty());

    Game hidden;
    hidden.Startclaim("012", "1", {}, 5);
    for (const char* guess : {"012", "013", "014"})
        hidden.Guess(guess);  // the first is right, but told otherwise
    hidden.m.Cmderror_Click();
    hidden.Press(Msgbutton::Cmdmid);
    hidden.h.Step();
    EXPECT_EQ(hidden.Boxtext(),
              "After correcting the error, it is found that you already got the correct answer at "
              "Trial 1.\nPlease choose one option below.");
    EXPECT_EQ(hidden.m.State().Attempts, 3);  // counted to the trial the claim came after

    Game lucky;
    lucky.Startclaim("2541", "1");
    lucky.Guess("0123");
    lucky.Type("2541");
    EXPECT_EQ(lucky.Boxtext(),
              "Well!  You have got the correct answer by pure luck. Haven't you noticed the error "
              "in Trial 1?\nPlease choose one option below.");
}

TEST(ComputerGame, WrongHintsAreDrawnAndMadeAsTheRulesSay) {
    const auto draws = [](std::vector<double> d) {
        return RandomSource([d, i = size_t{0}]() mutable { return d[i++ % d.size()]; });
    };
    // Trial and draws: beyond trial 9, two trials, one, and trial 9 with no room after it.
    for (const auto& [trials, d, drawn] :
         std::vector<std::tuple<int, std::vector<double>, std::string>>{{12, {0.95}, "9"},
                                                                        {10, {0.2, 0.751, 0.5}, "36"},
                                                                        {10, {0.2, 0.750}, "3"},
                                                                        {10, {0.8, 0.9, 0.9}, "9"}}) {
        RandomSource r = draws(d);
        EXPECT_EQ(Geterrortrial(trials, r), drawn);
    }

    GameState g;
    g.Settings = GameSettings::Make(6, 4, true, 2, 1, 1);
    WrongHintState w;
    for (const auto& [hint, made] :
         std::vector<std::pair<Hint, Hint>>{{{0, 0, 0}, {1, 0, 0}},
                                            {{0, 2, 0}, {0, 1, 0}},
                                            {{4, 0, 0}, {3, 0, 0}},
                                            {{2, 1, 0}, {1, 1, 0}},  // a black goes before a white
                                            {{1, 3, 0}, {0, 3, 0}}}) {
        g.Result = hint;
        Makeerror(g, w);
        EXPECT_EQ(g.Result.Blacks * 10 + g.Result.Whites, made.Blacks * 10 + made.Whites);
    }
    EXPECT_EQ(w.TrueBlacks + "|" + w.TrueWhites, "00421|02013");
    EXPECT_TRUE(w.WinHidden && w.ErrorPending);
}

TEST(ComputerGame, AWatchedWinWithoutErrorsCountsInTheStatistics) {
    Game g("statistics");
    GameSettings s = GameSettings::Make(6, 4, true, 2, 1, 3);
    const auto index = static_cast<size_t>(Settingindex(4, 2, 1, 1, 1));
    ASSERT_EQ(Playwatched(g.h, s, {"2541", "012345", {}, {}}), Watchedend::Win);
    WinnersRecord r;
    ASSERT_TRUE(Readwinners(g.folder, 6, r).Usable());
    EXPECT_EQ(r.Population[index], 1);
    EXPECT_FLOAT_EQ(r.Average[index], g.m.State().Attempts);
    s.Hinterrors = Hintkind::Mayerr;
    Playwatched(g.h, s, {"2541", "012345", {}, {"2"}});
    ASSERT_TRUE(Readwinners(g.folder, 6, r).Usable());
    EXPECT_EQ(r.Population[index], 1);
}

}  // namespace
}  // namespace tallimor
