#pragma once
// Tallimormod: the game module.  It holds all the state a run has and every
// procedure that moves a game on; the main window forwards each event to a
// handler named by control and event and then draws what Describe() says.
// No window and no real time here: the clock is injected and the timers are
// logical, so a test plays an hour-long game in milliseconds.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "game/guess_row.h"
#include "game/logical_timers.h"
#include "game/main_view.h"
#include "game/message_table.h"
#include "game/wait_states.h"
#include "reasoning/engine.h"
#include "reasoning/wrong_hints.h"
#include "records/computer_statistics.h"
#include "records/winners_file.h"
#include "rules/code_input.h"
#include "rules/game_clock.h"
#include "rules/game_state.h"
#include "rules/player_game.h"
#include "rules/setting_lists.h"
#include "savegame/saved_game_file.h"

namespace tallimor {

// What a game is given instead of drawing it, for the simulator and for
// replays: the secret code, the computer's colour order, and the guesses of
// the trials before the start trial.  Empty fields are drawn as usual.
struct Gamepreset {
    std::string answer;
    std::string colourOrder;
    std::vector<std::string> given;
    // The trials that get a wrong hint in a game whose hints may contain
    // errors, instead of the drawn ones.
    std::optional<std::string> errorTrials;
};

// Observers for the simulator and the benchmark; empty in the program.
struct Gameprobe {
    // A trial of the computer's game has got its hint (given trials too).
    std::function<void(int trial, const std::string& guess, const Hint& hint)> trialRecorded;
    // One search of the computer took this many seconds.
    std::function<void(double seconds)> searched;
    // The computer found its hints inconsistent (Checkedtrial given).
    std::function<void(int checkedtrial)> inconsistent;
    // The wrong hints were corrected, in the order they were given.
    std::function<void(const Correctedhints& corrected)> corrected;
};

// Whether the game on show has been saved or loaded.  A loaded game does not
// enter the Top Five.
enum class SaveStatus { Unsaved, Saved, Loaded };
std::string_view Savestatustext(SaveStatus status);  // "Unsaved", "Saved" or "Loaded"

// Whose games the delay timer plays one after another.
enum class Runkind { None, Demo, Initstat, Simulate };

// The demo and the animation: the demo's panel, the player's display mode
// while the demo draws its own, and what the window's figure is told.
struct Demostate {
    Demoview view;
    std::optional<Displaymode> playerDisplay;  // the player's display mode, while the demo draws its own
    bool animation = true;
    unsigned placed = 0, winlaps = 0, popups = 0;
};

// The computer's statistics runs and the statistics window.
struct Statisticsstate {
    int gamecount = 0;  // the game of the current setting in the Initialize Statistics run
    std::string firstcode, lastcode, simcode;  // the simulation's codes: first, last, in play
    SimulationSummary sim;
    bool statistics = false;  // the statistics window is open in place of the main window
    std::shared_ptr<const std::vector<std::string>> statlines;
    std::optional<Systemboxview> systembox;
    unsigned systemboxes = 0;
};

// The Top Five list and its editor: the name typed, and the list on show.
struct Topfivestate {
    std::string nameText;
    Winnersview view;
    bool fromMenu = false;  // the list was opened from the Game Setting Menu
};

// The Open and Save As window: the window on show, how many have opened,
// the folder of the game and the file chosen in it.
struct Filewindowstate {
    std::string gamefolder, chosenfile;
    std::optional<Fileview> window;
    unsigned windows = 0;
};

class Tallimormod {
   public:
    // `recordsFolder`: where the records files live, ending in "/".
    // `clock`: the time the game clock and the time-outs read.
    explicit Tallimormod(std::string recordsFolder = "", TimeSource clock = {});
    // The engine holds references into the module and the timers call back
    // into it: a copy would point back into the original.
    Tallimormod(const Tallimormod&) = delete;
    Tallimormod& operator=(const Tallimormod&) = delete;

    // What the window shows now.
    Mainview Describe() const;

    // ---- menus
    void Mnuset_Click();
    void Mnunew_Click();
    void Mnuend_Click();
    void Mnuquit_Click();
    void Mnumouse_Click();
    void Mnukey_Click();
    void Mnumusic_Click();
    // A toolbar button (1 to 13): the command of its menu item, when offered.
    void Tlbgame_Click(int index);
    void Mnucolour_Click() { Setdisplay(Displaymode::Colour); }
    void Mnunumber_Click() { Setdisplay(Displaymode::Number); }

    // ---- the Game Setting Menu
    void Cblist_Click(SettingList list, const std::string& text);
    void Cmdstart_Click();
    void Cmdcancel_Click();

    // ---- input of a guess
    // A press on a colour: one that cannot be taken now says why.
    void Lblcolour_MouseDown(int colour);
    void Lblcolour_DblClick(int colour);
    void Lblstring_DblClick(int position);
    void Lblstring_DragDrop(DragSource source, int position);  // dropped on a position of the row
    void Frcolour_DragDrop(DragSource source);                 // dropped back on the Colour Panel
    void Cmdsubcol_Click();
    void Txtinput_Change(const std::string& text);
    void Cmdsubnum_Click();
    void Cmdshowresult_Click();

    // ---- the preparation of the computer's game
    void Cbtrialno_Click(const std::string& text);
    void Cmdoktrial_Click();
    void Optyesmark_Click();
    void Optnomark_Click();
    void Cmdokmark_Click();
    void Cmdready_Click();

    // ---- the player marks the computer's guess
    void Cbcorrect_Click(const std::string& text);
    void Cbwrong_Click(const std::string& text);
    // A key typed into a count box: a digit, or '\b' for backspace.
    void Txtcorrect_KeyPress(char key);
    void Txtwrong_KeyPress(char key);
    void Cmdgetresult_Click();
    void Cmdwin_Click();

    // ---- the player's claim that a hint is wrong
    void Cmderror_Click();

    // ---- the Top Five
    void Txtname_Change(const std::string& text);
    void Cmdokname_Click();
    void Cmdcontinue_Click();
    void Cmdtop_Click();
    void Cbedit_Click(const std::string& text);
    void Txtedit_Change(Editfield field, const std::string& text);
    void Cmdgo_Click();
    void Checkwinners();
    void Showwinners();
    // Designer mode (Form_Activate): the list carries an editor of its places and statistics.
    bool Designermode() const { return designer_; }

    // ---- the Help menu's windows, and designer mode
    void Mnuinstr_Click();
    void Cmdokinstr_Click();
    void Mnuabout_Click();
    void Cmdokabout_Click();
    // The main window has become active; `designer`: the password was given at the title.
    void Form_Activate(bool designer);
    // Told once at start, on the idle screen: records and saved games cannot
    // be kept, because `tried` (the user's data folder) cannot be written, or,
    // when `tried` is empty, because no home folder is set.
    void Nohome(const std::string& tried);
    void Cmdsimulate_Click();
    void Cmdinitstat_Click();
    void Cmdstat_Click();

    // ---- saved games and the Open and Save As window
    void Mnuload_Click();
    void Mnusave_Click();
    void Mnusaveas_Click();
    void Drvfiles_Change(int place);
    void Dirfiles_Change(const std::string& folder);
    void Filfiles_Click(int file);
    void Filfiles_DblClick(int file);
    void Txtfiles_Change(const std::string& text);
    void Cmdopen_Click();
    void Cmdsave_Click();
    void Fmfiles_Cmdcancel_Click();
    void Fmfiles_Delete_KeyUp();  // the Delete key: the highlighted file is offered for deletion
    // Writes the game to `path` and goes on as the game's status says.
    void Savegame(const std::string& path);
    // Reads the game at `path` and shows it, or goes on with it.
    void Loadgame(const std::string& path);
    SaveStatus Savestatus() const { return savestatus_; }
    const std::string& Gamefile() const { return gamefile_; }
    // Where the file window starts: the records folder's "Files/".
    std::string Gamesfolder() const;

    // The Enter key in the main window: presses the default button of the panel on show.
    void Enter_Keypress();

    // ---- the open message box
    void Messagebutton_Click(Msgbutton button);

    // ---- timers: a host calls Fire when a running timer is due
    const Timerset& Timers() const { return timers_; }
    void Fire(Timerid timer);
    void Tmrwait_Timer();
    void Tmrrec_Timer();
    void Tmrbuffer_Timer();
    void Tmrdelay_Timer();

    // ---- the computer's statistics runs and the statistics window
    void Initstat();       // the next game of the Initialize Statistics run
    void Simulate();       // the next game of the simulation
    void Cmdback_Click();  // BACK of the statistics window
    void Systembox_Ok();   // OK of the system's message box

    // ---- the demo and the animation
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

    // ---- procedures of a game
    // Starts a game with this setting, as "Start  Game" does with the lists'.
    void Newgame(const GameSettings& settings);
    WinnersResult Initialize();
    void Startgame();
    void Getguess();
    void Getstring();
    void Submitguess();
    void Showresult();
    void Getresult();
    void Inconsistent();
    void Correction();
    void Errorcase();
    void Win();
    // `lasttrial`: the 27th trial was missed (otherwise the hour is over).
    void Gameover(bool lasttrial = false);
    void Finishgame();
    void Setdisplay(Displaymode mode);
    // Enters a wait with its own time-out, or with another one.
    void Setwait(Wait state);
    void Setwait(Wait state, int16_t timeout);
    // Restarts the time-out of the wait on show, or stops it with 0.
    void Retimewait(int16_t timeout);
    void Showstatus();

    // ---- state, for the window, the simulator and tests
    const GameState& State() const { return g_; }
    const GameClock& Clock() const { return clock_; }
    const WaitStack& Waitstack() const { return wait_; }
    const EngineTables& Tables() const { return tables_; }
    const WrongHintState& Wronghints() const { return wrong_; }
    const GuessRow& Row() const { return row_; }
    const std::optional<Boxview>& Box() const { return box_; }
    bool Computermarks() const { return computerMarks_; }
    const std::string& Errorrecord() const { return errorRecord_; }
    Displaymode Display() const { return display_; }
    const std::string& Recordsfolder() const { return recordsFolder_; }

    // ---- hooks for the simulator, the benchmark and tests: what a game is
    // given instead of drawing it, who hears of its steps, and the chance the
    // module draws from (a replay sets it to a seeded source).
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

    Control Defaultcontrol() const;
    void Startfromlists();
    void Startplay();
    void Show(Panel p, bool shown = true) { shown_[static_cast<size_t>(p)] = shown; }
    void Hide(Panel p) { Show(p, false); }
    bool Isshown(Panel p) const { return shown_[static_cast<size_t>(p)]; }
    bool Entering() const { return Isshown(Panel::Frgetstring) || Isshown(Panel::Frinput); }
    void Showsetting();
    void Showrecord(int trial);
    void Showanswer(const std::string& caption);
    void Submitok();
    void Nexttrial();
    void Acceptpendinghint();
    void Computerguess();
    void Conclude(const Conclusion& c);
    void Showbug(const std::string& guess);
    void Record();  // Processmark, and the trial reported once
    void Computercode();
    void Askmarking();
    void Fillcounts();
    int Largestblack(int white) const;
    int Largestwhite(int black) const;
    void Resultok();
    void Winbox();
    bool Updatecomputerstatistics();
    bool Readrecords(Afterbox after);             // false: the file's problem is shown
    void Updatewinners(const std::string& name);  // true: a records problem is shown first

    void Starttimer(Timerid t);
    void Stoptimer(Timerid t);
    void Syncwait();
    void Messagebox(Message id, const std::string& text, Afterbox after = Afterbox::None);
    void Unloadbox();
    bool Closesecondary(bool runAfter);
    void Correctwronghints();  // OK of "Continue Playing"
    void Runafter(Afterbox after);

    std::string recordsFolder_;
    GameState g_;
    GameClock clock_;
    WaitStack wait_;
    EngineTables tables_;
    WrongHintState wrong_;
    std::optional<Engine> engine_;
    SettingLists lists_;
    SavedSetting saved_;
    Menustate menus_;
    GuessRow row_;
    TypedInput typed_;
    std::string inputText_;
    WinnersRecord winners_;
    bool keyboard_ = false;
    bool computerMarks_ = false;  // Optyesmark: the computer marks its own guesses
    std::string errorRecord_;     // the corrected wrong hints, as saved with a game
    int reported_ = 0;            // the last trial the probe was told of
    std::string winText_;         // the text of the Win box, kept while a records problem is read
    // The marking entry.
    Listview trialno_;
    Resultentryview entry_;
    bool listPicked_ = false;  // a count has been picked from a list
    Topfivestate top_;
    Displaymode display_ = Displaymode::Colour;
    bool warned_ = false;           // the five-minute warning of this game has been given
    bool correctionSwept_ = false;  // the warning came over "Continue Playing"
    bool bufferPending_ = false;    // the deferred closing step is due
    bool quit_ = false;
    bool designer_ = false;

    // What the panels show.
    std::array<bool, kPanels> shown_{};
    std::string title_ = "Tallimor";
    std::string settingStatus_;    // the game status the setting summary was drawn with
    Wait shownWait_ = Wait::None;  // the wait the status bar was written for
    std::string answerCaption_ = "Answer", answerShown_;
    Prompts prompts_;
    bool subcol_ = false, subnum_ = false;
    Inputrefusal refusal_ = Inputrefusal::None;  // the last input refused, until one is accepted
    ResultTexts result_;
    Hint resultHint_;
    Boardview board_;

    // Saved games.
    void Setfinaltrial();
    void Openfilewindow(bool opening);
    bool Showfolder(const std::string& folder);  // false: the folder cannot be listed
    bool Buildchosenfile();                      // false: the name is empty and Nofile asks
    // Why a place or a file could not be reached; each is told in its own words.
    enum class Fileerror {
        Nofolder,     // the folder cannot be listed (error 52)
        Noplace,      // the place (drive) cannot be read (error 68)
        Nofileaccess  // the file itself cannot be read, written or deleted (error 71)
    };
    void Notready(Fileerror error, const std::string& path = "");
    void Closefilewindow() { files_.window.reset(); }
    void Closewindows();
    std::string Currentfolder() const { return files_.window ? files_.window->chain.back() : "/"; }
    void Restoregame(const SavedGameFile& f);
    void Resumeloaded();
    SavedGameFile savedBuffer_;  // kept from one save or load to the next
    SaveStatus savestatus_ = SaveStatus::Unsaved;
    std::string gamefile_;
    Filewindowstate files_;

    std::optional<Boxview> box_;
    Afterbox after_ = Afterbox::None;          // of the open box
    Afterbox unloadedAfter_ = Afterbox::None;  // of the box a button has just unloaded
    unsigned boxes_ = 0;

    // The Help menu's windows that are open.
    bool instructions_ = false, about_ = false;
    // `open`: the flag of the window; one of the two at a time.
    void Openhelpwindow(bool& open, Wait wait);
    void Closehelpwindow(bool& open);

    // The demo and the animation (demo.cpp).
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
    Demostate demo_;
    bool demoOn_ = false;
    Runkind runmode_ = Runkind::None;

    // The statistics runs and the statistics window (statistics_runs.cpp).
    void Beginrun(Runkind mode);
    bool Runrecordsusable(int firstcolours, int lastcolours);  // false: a file's problem is shown
    void Startrungame();
    bool Nextrungame();  // a step of the delay timer between two games of a run
    void Countsimgame();
    void Endrun();  // a run has been stopped as a demo is
    void Showsummary();
    void Describestatistics(Mainview& v) const;
    Statisticsstate stats_;

    Timerset timers_;
};

}  // namespace tallimor
