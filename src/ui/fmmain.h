#pragma once
// The main window: every panel of the game lives here.  It shows the game
// state and forwards each event to a handler named by control and event; a
// test calls the same handlers, ticks the timers and reads the panels.

#include <QMainWindow>
#include <array>
#include <functional>

#include "records/winners_file.h"
#include "rules/code_input.h"
#include "rules/game_clock.h"
#include "rules/game_state.h"
#include "rules/setting_lists.h"
#include "ui/board.h"
#include "ui/guess_row.h"
#include "ui/message_table.h"
#include "ui/piece_cell.h"
#include "ui/wait_states.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTimer;

namespace tallimor {

class Fmmessage;

// Which commands the menus offer.  Held for every command of the program,
// also those that later work adds to the window, so the availability rules
// stay whole; Settlb copies it onto the items the window has.
struct Menustate {
    bool Mnugame = true, Mnumedia = true, Mnuoption = true, Mnuhelp = true;
    bool Mnuset = true, Mnunew = true, Mnuload = true, Mnusaving = false, Mnuend = false, Mnudemo = true,
         Mnuquit = true;
};

// The parts of the program that other work supplies: the computer's side of
// a game, the demo, the Top Five list and saving.  An empty hook is a part
// that is not there yet, and the window offers nothing that needs it.
struct Fmmainhooks {
    std::function<void()> Clearreasoning;   // empties the computer's per-trial and per-colour tables
    std::function<void()> Drawcolourorder;  // draws the computer's colour order for a game
    std::function<void()> Geterrortrial;    // chooses State().ErrorTrials for a game with wrong hints
    std::function<void()> Computerguess;    // Getguess when the computer guesses
    std::function<void()> Computergame;     // the start of a "Computer guesses" game
    std::function<void()> Cmderror_Click;   // the player claims a wrong hint
    std::function<void()> Startdemo;        // the idle screen timed out
    std::function<void()> Topfivecheck;     // "End" of a win that may enter the Top Five list
    std::function<void()> Savefile;         // "Save File" of a closing message
    std::function<void()> Endprogram;       // "OK" on the Quit question; quits the application when empty
};

// The program folder: the executable's folder, ending in "/".
QString Programfolder();
// Where records are written: the program folder, or the user's data folder
// (same layout) when the program folder cannot be written.
QString Recordsfolder(const QString& programFolder);

class Fmmain : public QMainWindow {
    Q_OBJECT
   public:
    // `clock` gives the time for the game clock and the time-outs.
    explicit Fmmain(const QString& programFolder = Programfolder(), TimeSource clock = {},
                    QWidget* parent = nullptr);
    ~Fmmain() override;

    Fmmainhooks hooks;

    // Menu commands.
    void Mnuset_Click();
    void Mnunew_Click();
    void Mnuend_Click();
    void Mnuquit_Click();
    void Mnumouse_Click();
    void Mnukey_Click();
    void Mnucolour_Click() { Setdisplay(Displaymode::Colour); }
    void Mnunumber_Click() { Setdisplay(Displaymode::Number); }
    void Setdisplay(Displaymode mode);

    // The Game Setting Menu.
    void Cmdstart_Click();
    void Cmdcancel_Click();

    // The game.
    WinnersResult Initialize();
    void Startgame();
    void Getguess();
    void Getstring();
    void Submitguess();
    void Showresult();
    void Cmdshowresult_Click();
    void Win();
    void Gameover();
    void Finishgame();
    void Showsetting();
    void Showrecord(int trial);
    void Showanswer(const QString& caption);

    // Mouse and keyboard input.
    void Lblcolour_DblClick(int colour);
    void Lblstring_DblClick(int position);
    void Lblstring_DragDrop(DragSource source, int position);
    void Frcolour_DragDrop(DragSource source);
    void Submitok();
    void Cmdsubcol_Click();
    void Txtinput_Change(const QString& text);
    void Cmdsubnum_Click();

    // Timers.
    void Tmrwait_Timer();
    void Tmrrec_Timer();
    void Tmrbuffer_Timer();
    QTimer* Tmrwait() const { return tmrwait_; }
    QTimer* Tmrrec() const { return tmrrec_; }
    QTimer* Tmrbuffer() const { return tmrbuffer_; }

    // Waits and messages.
    void Setwait(int16_t timeout, const std::string& state);
    void Showstatus();
    // Opens the message box for `id` with `text`; `after` runs once a button
    // has unloaded it, as the code after a modal show would.
    void Showmessage(const std::string& id, const QString& text, std::function<void()> after = {});
    void Messagebutton_Click(Msgbutton button);
    Fmmessage* Message() const { return message_; }  // the open box, or nullptr

    GameState& State() { return g_; }
    GameClock& Clock() { return clock_; }
    const WaitStack& Waitstack() const { return wait_; }
    const Menustate& Menus() const { return menus_; }
    SettingLists& Lists() { return lists_; }
    const GuessRow& Row() const { return row_; }
    bool Keyboardinput() const { return keyboard_; }
    Displaymode Display() const { return display_; }
    const QString& Recordsfolderpath() const { return recordsFolder_; }

   protected:
    void keyPressEvent(QKeyEvent* event) override;

   private:
    void Buildmenus();
    void Buildpanels();
    void Buildsettingmenu(QWidget* central);
    void Settlb();
    void Refreshlists();
    void Listchosen(SettingList list, QComboBox* box, int index);
    bool Roleavailable() const;
    void Drawrow();
    void Refreshpanel();
    void Rowchanged();
    bool Entering() const;
    void Syncwait();  // the timer and the status bar follow the wait stack
    void Unloadmessage();
    bool Closesecondary(bool runAfter);
    void Startplay();

    QString programFolder_;
    QString recordsFolder_;
    GameState g_;
    GameClock clock_;
    WaitStack wait_;
    SettingLists lists_;
    SavedSetting saved_;
    Menustate menus_;
    GuessRow row_;
    TypedInput typed_;
    WinnersRecord winners_;
    bool keyboard_ = false;
    Displaymode display_ = Displaymode::Colour;
    bool warned_ = false;  // the five-minute warning of this game has been given
    bool refreshingLists_ = false;
    bool bufferPending_ = false;  // the deferred closing step is due

    Fmmessage* message_ = nullptr;
    std::function<void()> afterMessage_;
    std::function<void()> pendingAfter_;

    QTimer* tmrwait_;
    QTimer* tmrrec_;
    QTimer* tmrbuffer_;

    // Menus.
    QMenu* mnugame_ = nullptr;
    QMenu* mnuoption_ = nullptr;
    QAction* mnuset_ = nullptr;
    QAction* mnunew_ = nullptr;
    QAction* mnuend_ = nullptr;
    QAction* mnuquit_ = nullptr;
    QAction* mnumouse_ = nullptr;
    QAction* mnukey_ = nullptr;
    QAction* mnucolour_ = nullptr;
    QAction* mnunumber_ = nullptr;

    // Panels.
    IdlePicture* picfore_ = nullptr;
    QLabel* picupper_ = nullptr;
    RecordBoard* picrecord_ = nullptr;
    QGroupBox* frmenu_ = nullptr;
    std::array<QComboBox*, 7> lists_boxes_{};
    QPushButton* cmdstart_ = nullptr;
    QPushButton* cmdcancel_ = nullptr;
    QGroupBox* frsetting_ = nullptr;
    QLabel* lblsettitle_ = nullptr;
    QLabel* lblsetcontent_ = nullptr;
    QLabel* lbltime_ = nullptr;
    QGroupBox* franswer_ = nullptr;
    CodeView* picanswer_ = nullptr;
    DropPanel* frcolour_ = nullptr;
    std::array<PieceCell*, 10> colourcells_{};
    QGroupBox* frgetstring_ = nullptr;
    QLabel* lblgetstring_ = nullptr;
    std::array<PieceCell*, kRowcells> stringcells_{};
    QPushButton* cmdsubcol_ = nullptr;
    QGroupBox* frinput_ = nullptr;
    QLabel* lblinput_ = nullptr;
    QLineEdit* txtinput_ = nullptr;
    QPushButton* cmdsubnum_ = nullptr;
    QGroupBox* frerror_ = nullptr;
    QPushButton* cmderror_ = nullptr;
    QGroupBox* frshowresult_ = nullptr;
    QLabel* lbltrials_ = nullptr;
    QGroupBox* frcorrect_ = nullptr;
    QLabel* lblcorrect_ = nullptr;
    HintBoxes* piccorrect_ = nullptr;
    QGroupBox* frwrong_ = nullptr;
    QLabel* lblwrong_ = nullptr;
    HintBoxes* picwrong_ = nullptr;
    QPushButton* cmdshowresult_ = nullptr;
    QLabel* stbmenu_ = nullptr;
};

}  // namespace tallimor
