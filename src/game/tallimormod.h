#pragma once
// Tallimormod: the game module.  It holds all the state a run has and every
// procedure that moves a game on; a front end (the Qt window, the web page)
// forwards each event to a handler named by control and event and then draws
// what Describe() says.  No window and no real time here: the clock is
// injected and the timers are logical, so a test plays an hour-long game in
// milliseconds.
//
// The shape of a run:
//   title ── Form_Activate ──▶ idle screen ── Mnuset_Click ──▶ Game Setting Menu
//   Cmdstart_Click ──▶ Initialize, Startgame, then one trial after another:
//     the player guesses:   Getguess ▶ Getstring ▶ Submitguess ▶ Showresult
//     the computer guesses: Computerguess ▶ Showresult, or Getresult when
//                           the player marks ▶ Record
//     a wrong hint:         Cmderror_Click ▶ Errorcase / Inconsistent ▶ Correction
//   ──▶ Win or Gameover ▶ Finishgame ▶ the Top Five ▶ idle screen
// Everything that waits for the player enters a Wait (wait_states.h), whose
// time-out the wait timer counts; every box is a Message (message_table.h),
// and an Afterbox names what follows once it is answered.  The demo and the
// statistics runs play games one after another on the delay timer.
//
// The member functions below are grouped by the file that defines them; the
// state of a run heads the private part, one member a part (run_parts.h).

#include <memory>
#include <optional>
#include <string>

#include "game/game_hooks.h"
#include "game/logical_timers.h"
#include "game/main_view.h"
#include "game/message_table.h"
#include "game/run_parts.h"
#include "game/wait_states.h"
#include "reasoning/engine.h"
#include "reasoning/wrong_hints.h"
#include "records/winners_file.h"
#include "rules/game_clock.h"
#include "rules/game_state.h"
#include "rules/setting_lists.h"
#include "savegame/saved_game_file.h"

namespace tallimor {

class Tallimormod {
   public:
    // `recordsFolder`: where the records files live, ending in "/".
    // `clock`: the time the game clock and the time-outs read.
    explicit Tallimormod(std::string recordsFolder = "", TimeSource clock = {});
    // The engine holds references into the module and the timers call back
    // into it: a copy would point back into the original.
    Tallimormod(const Tallimormod&) = delete;
    Tallimormod& operator=(const Tallimormod&) = delete;

    // ---- tallimormod.cpp: what the window shows now, keys, timers
    Mainview Describe() const;
    // The Enter key in the main window: presses the default button of the panel on show.
    void Enter_Keypress();
    // A host calls Fire when a running timer is due.
    const Timerset& Timers() const { return timers_; }
    void Fire(Timerid timer);

    // ---- setting_menu.cpp: the Game Setting Menu
    void Mnuset_Click();
    void Mnunew_Click();
    void Cblist_Click(SettingList list, const std::string& text);
    void Cmdstart_Click();
    void Cmdcancel_Click();

    // ---- toolbar.cpp
    void Mnumusic_Click();
    // A toolbar button (1 to 13): the command of its menu item, when offered.
    void Tlbgame_Click(int index);

    // ---- game_start.cpp
    WinnersResult Initialize();
    void Startgame();
    void Getguess();

    // ---- guess_input.cpp: the player's guess, with the mouse or the keyboard
    void Getstring();
    void Mnumouse_Click();
    void Mnukey_Click();
    void Mnucolour_Click() { Setdisplay(Displaymode::Colour); }
    void Mnunumber_Click() { Setdisplay(Displaymode::Number); }
    void Setdisplay(Displaymode mode);
    // A press on a colour: one that cannot be taken now says why.
    void Lblcolour_MouseDown(int colour);
    void Lblcolour_DblClick(int colour);
    void Lblstring_DblClick(int position);
    void Lblstring_DragDrop(DragSource source, int position);  // dropped on a position of the row
    void Frcolour_DragDrop(DragSource source);                 // dropped back on the Colour Panel
    void Cmdsubcol_Click();
    void Txtinput_Change(const std::string& text);
    void Cmdsubnum_Click();
    void Submitguess();

    // ---- hint_display.cpp: a hint on show
    void Showresult();
    void Cmdshowresult_Click();

    // ---- computer_preparation.cpp: the computer's game before its first guess
    // Starts a game with this setting, as "Start  Game" does with the lists'.
    void Newgame(const GameSettings& settings);
    void Cbtrialno_Click(const std::string& text);
    void Cmdoktrial_Click();
    void Optyesmark_Click();
    void Optnomark_Click();
    void Cmdokmark_Click();
    void Cmdready_Click();

    // ---- computer_game.cpp
    void Tmrdelay_Timer();

    // ---- hint_entry.cpp: the player marks the computer's guess
    void Getresult();
    void Cbcorrect_Click(const std::string& text);
    void Cbwrong_Click(const std::string& text);
    // A key typed into a count box: a digit, or '\b' for backspace.
    void Txtcorrect_KeyPress(char key);
    void Txtwrong_KeyPress(char key);
    void Cmdgetresult_Click();
    void Cmdwin_Click();

    // ---- inconsistency_and_claims.cpp: wrong hints, the player's and the computer's
    void Cmderror_Click();
    void Errorcase();
    void Inconsistent();
    void Correction();

    // ---- game_end.cpp
    void Win();
    // `lasttrial`: the 27th trial was missed (otherwise the hour is over).
    void Gameover(bool lasttrial = false);
    void Finishgame();
    void Mnuend_Click();
    void Mnuquit_Click();
    void Tmrrec_Timer();
    void Tmrbuffer_Timer();

    // ---- top_five_list.cpp: the Top Five, its name entry and the designer's editor
    void Checkwinners();
    void Showwinners();
    void Txtname_Change(const std::string& text);
    void Cmdokname_Click();
    void Cmdcontinue_Click();
    void Cmdtop_Click();
    void Cbedit_Click(const std::string& text);
    void Txtedit_Change(Editfield field, const std::string& text);
    void Cmdgo_Click();

    // ---- designer_mode.cpp, no_home.cpp
    // The main window has become active; `designer`: the password was given at the title.
    void Form_Activate(bool designer);
    // Designer mode: the list carries an editor of its places and statistics.
    bool Designermode() const { return designer_; }
    // Told once at start, on the idle screen: records and saved games cannot
    // be kept, because `tried` (the user's data folder) cannot be written, or,
    // when `tried` is empty, because no home folder is set.
    void Nohome(const std::string& tried);

    // ---- help_and_about.cpp
    void Mnuinstr_Click();
    void Cmdokinstr_Click();
    void Mnuabout_Click();
    void Cmdokabout_Click();

    // ---- saved_games.cpp
    void Mnuload_Click();
    void Mnusave_Click();
    void Mnusaveas_Click();
    // Writes the game to `path` and goes on as the game's status says.
    void Savegame(const std::string& path);
    // Reads the game at `path` and shows it, or goes on with it.
    void Loadgame(const std::string& path);
    SaveStatus Savestatus() const { return savestatus_; }
    const std::string& Gamefile() const { return gamefile_; }
    // Where the file window starts: the records folder's "Files/".
    std::string Gamesfolder() const;

    // ---- file_window.cpp: the Open and Save As window
    void Drvfiles_Change(int place);
    void Dirfiles_Change(const std::string& folder);
    void Filfiles_Click(int file);
    void Filfiles_DblClick(int file);
    void Txtfiles_Change(const std::string& text);
    void Cmdopen_Click();
    void Cmdsave_Click();
    void Fmfiles_Cmdcancel_Click();
    void Fmfiles_Delete_KeyUp();  // the Delete key: the highlighted file is offered for deletion

    // ---- waits_and_messages.cpp: the wait stack, the status bar, the open box
    // Enters a wait with its own time-out, or with another one.
    void Setwait(Wait state);
    void Setwait(Wait state, int16_t timeout);
    // Restarts the time-out of the wait on show, or stops it with 0.
    void Retimewait(int16_t timeout);
    void Showstatus();
    void Tmrwait_Timer();
    void Messagebutton_Click(Msgbutton button);

    // ---- statistics_runs.cpp: the computer's statistics runs and window
    void Cmdsimulate_Click();
    void Cmdinitstat_Click();
    void Cmdstat_Click();
    void Initstat();       // the next game of the Initialize Statistics run
    void Simulate();       // the next game of the simulation
    void Cmdback_Click();  // BACK of the statistics window
    void Systembox_Ok();   // OK of the system's message box

    // ---- demo.cpp: the demo and the animation
    void Mnudemo_Click();
    void Mnuani_Click();
    // The first game of a demo, or the next one while the demo runs.
    void Startdemo();
    void Hsbspeed_Change(int value);
    // A press on the record: 1 the left button, 2 the right one.
    void Picrecord_MouseDown(int button);
    void Picfore_MouseDown(int button);
    // The Escape key in the main window: while the demo or a statistics run
    // plays, it ends it as a left click on the record does.  True when it did.
    bool Escape_Keypress();
    // On from the first game of a demo or of a statistics run until it ends.
    bool Demorunning() const { return demoOn_; }
    // Whose games the delay timer plays one after another.
    Runkind Runmode() const { return runmode_; }

    // ---- state, for the window, the simulator and tests
    const GameState& State() const { return g_; }
    const GameClock& Clock() const { return clock_; }
    const WaitStack& Waitstack() const { return wait_; }
    const EngineTables& Tables() const { return tables_; }
    const WrongHintState& Wronghints() const { return wrong_; }
    const GuessRow& Row() const { return input_.row; }
    const std::optional<Boxview>& Box() const { return box_; }
    bool Computermarks() const { return marking_.computerMarks; }
    const std::string& Errorrecord() const { return errorRecord_; }
    Displaymode Display() const { return screen_.display; }
    const std::string& Recordsfolder() const { return recordsFolder_; }

    // ---- hooks for the simulator, the benchmark and tests (game_hooks.h):
    // what a game is given instead of drawing it, who hears of its steps, and
    // the chance the module draws from (a replay sets it to a seeded source).
    Gamepreset Preset;
    Gameprobe Probe;
    RandomSource& Chance() { return g_.Random; }

   private:
    // The steps that follow a box once it is unloaded, as the code after a
    // modal show would: named, so the box itself stays plain data.
    enum class Afterbox {
        None,
        Startplay,
        Getstring,
        Nexttrial,
        Fiveminutes,
        Winbox,
        Finishgame,
        Showwinners,
        Clearwait
    };
    // Why a place or a file could not be reached; each is told in its own words.
    enum class Fileerror {
        Nofolder,     // the folder cannot be listed (error 52)
        Noplace,      // the place (drive) cannot be read (error 68)
        Nofileaccess  // the file itself cannot be read, written or deleted (error 71)
    };

    // ---- the state of a run
    std::string recordsFolder_;
    // The game in play.
    GameState g_;
    GameClock clock_;
    EngineTables tables_;
    std::optional<Engine> engine_;
    WrongHintState wrong_;
    std::string errorRecord_;       // the corrected wrong hints, as saved with a game
    int reported_ = 0;              // the last trial the probe was told of
    bool warned_ = false;           // the five-minute warning of this game has been given
    bool correctionSwept_ = false;  // the warning came over "Continue Playing"
    bool bufferPending_ = false;    // the deferred closing step is due
    bool quit_ = false;
    // The setting, the input and the screen.
    SettingLists lists_;
    SavedSetting saved_;
    Inputstate input_;
    Markingstate marking_;
    Screenstate screen_;
    Menustate menus_;
    bool designer_ = false;
    // The waits, the open box and the timers.
    WaitStack wait_;
    std::optional<Boxview> box_;
    Afterbox after_ = Afterbox::None;          // of the open box
    Afterbox unloadedAfter_ = Afterbox::None;  // of the box a button has just unloaded
    unsigned boxes_ = 0;
    Timerset timers_;
    // The records, saved games and the feature windows.
    WinnersRecord winners_;
    std::string winText_;        // the text of the Win box, kept while a records problem is read
    SavedGameFile savedBuffer_;  // kept from one save or load to the next
    SaveStatus savestatus_ = SaveStatus::Unsaved;
    std::string gamefile_;
    Topfivestate top_;
    Filewindowstate files_;
    Helpwindows help_;
    Demostate demo_;
    Statisticsstate stats_;
    bool demoOn_ = false;
    Runkind runmode_ = Runkind::None;

    // ---- tallimormod.cpp
    Control Defaultcontrol() const;
    void Starttimer(Timerid t);
    void Stoptimer(Timerid t);
    void Show(Panel p, bool shown = true) { screen_.shown[static_cast<size_t>(p)] = shown; }
    void Hide(Panel p) { Show(p, false); }
    bool Isshown(Panel p) const { return screen_.shown[static_cast<size_t>(p)]; }
    bool Entering() const { return Isshown(Panel::Frgetstring) || Isshown(Panel::Frinput); }

    // ---- setting_menu.cpp, game_start.cpp, guess_input.cpp
    void Startfromlists();
    void Startplay();
    void Submitok();

    // ---- hint_display.cpp
    void Showsetting();
    void Showrecord(int trial);
    void Showanswer(const std::string& caption);
    void Nexttrial();
    void Acceptpendinghint();

    // ---- computer_preparation.cpp, computer_game.cpp
    void Computercode();
    void Askmarking();
    void Computerguess();
    void Conclude(const Conclusion& c);
    void Showbug(const std::string& guess);
    void Record();  // Processmark, and the trial reported once

    // ---- hint_entry.cpp
    void Fillcounts();
    int Largestblack(int white) const;
    int Largestwhite(int black) const;
    void Resultok();

    // ---- game_end.cpp
    void Winbox();
    bool Updatecomputerstatistics();
    void Closewindows();

    // ---- top_five_list.cpp
    bool Readrecords(Afterbox after);             // false: the file's problem is shown
    void Updatewinners(const std::string& name);  // a records problem, if any, is shown first

    // ---- waits_and_messages.cpp
    void Syncwait();
    void Messagebox(Message id, const std::string& text, Afterbox after = Afterbox::None);
    void Unloadbox();
    bool Closesecondary(bool runAfter);
    void Correctwronghints();  // OK of "Continue Playing"
    void Runafter(Afterbox after);

    // ---- help_and_about.cpp
    // `open`: the flag of the window; one of the two at a time.
    void Openhelpwindow(bool& open, Wait wait);
    void Closehelpwindow(bool& open);

    // ---- saved_games.cpp, file_window.cpp
    void Setfinaltrial();
    void Restoregame(const SavedGameFile& f);
    void Resumeloaded();
    void Openfilewindow(bool opening);
    bool Showfolder(const std::string& folder);  // false: the folder cannot be listed
    bool Buildchosenfile();                      // false: the name is empty and Nofile asks
    void Notready(Fileerror error, const std::string& path = "");
    void Closefilewindow() { files_.window.reset(); }
    std::string Currentfolder() const { return files_.window ? files_.window->chain.back() : "/"; }

    // ---- demo.cpp
    void Beginrun(Runkind mode);
    void Describedemo(Mainview& v) const;
    void Demomessage(char icon, const std::string& text);
    void Demothinking();
    void Demodetected();
    void Democorrected();
    void Demoend(const std::string& text);  // a demo game is over: its text, then the next game
    bool Demostep();                        // a step of the delay timer that belongs to the demo
    void Nextdemo();
    bool Enddemo();  // false: no demo was running
    int Speedinterval() const;
    void Pacedelay(bool owntrial);
    void Placefigure();

    // ---- statistics_runs.cpp
    bool Runrecordsusable(int firstcolours, int lastcolours);  // false: a file's problem is shown
    void Startrungame();
    bool Nextrungame();  // a step of the delay timer between two games of a run
    void Countsimgame();
    void Endrun();  // a run has been stopped as a demo is
    void Showsummary();
    void Describestatistics(Mainview& v) const;
};

}  // namespace tallimor
