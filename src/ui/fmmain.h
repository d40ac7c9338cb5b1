#pragma once
// The main window.  It holds the widgets of every panel and no game flow:
// each event goes to the game module's handler named by control and event,
// and after it the window draws what the module describes, touching only
// what changed.  The module's logical timers run on real timers here.

#include <QCursor>
#include <QMainWindow>
#include <array>
#include <optional>

#include "game/tallimormod.h"
#include "ui/board.h"
#include "ui/piece_cell.h"

class QAction;
class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QMessageBox;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTimer;
class QToolBar;

namespace tallimor {

class Animation;
class Fmabout;
class Fmfiles;
class Fminstr;
class Fmmessage;
class Fmstat;

// The program folder: the executable's folder, ending in "/".
QString Programfolder();
// Where records are written: the program folder, or the user's data folder
// (same layout) when the program folder cannot be written.
QString Recordsfolder(const QString& programFolder);

class Fmmain : public QMainWindow {
    Q_OBJECT
   public:
    // `clock` gives the time for the game clock and the time-outs.
    // `recordsFolder`: where records and saved games go; empty for Recordsfolder(programFolder).
    explicit Fmmain(const QString& programFolder = Programfolder(), TimeSource clock = {},
                    QWidget* parent = nullptr, const QString& recordsFolder = {});
    ~Fmmain() override;

    Tallimormod& Module() { return mod_; }
    // Draws what the module describes now (after every event the window forwards).
    void Render();
    Fmmessage* Message() const { return message_; }  // the open box, or nullptr
    QTimer* Timer(Timerid t) const { return timers_[static_cast<size_t>(t)]; }
    // A tick of a timer, as its real timer delivers it.
    void Tick(Timerid t) {
        Forward([&] { mod_.Fire(t); });
    }
    // Designer mode, switched on at the title: the module hears of it when the window becomes active.
    void Setdesigner() { designer_ = true; }

   protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Form_Activate, on the first show and on every activation.
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    // Form_Unload: closing the window ends the program at once.
    void closeEvent(QCloseEvent* event) override;

   private:
    void Buildmenus();
    void Buildpanels();
    // The toolbar, and the program's cursors from its folder.
    void Buildtoolbar();
    void Rendertoolbar(const Mainview& v, bool all, const Mainview& was);
    void Setcursors();
    void Buildsettingmenu(QWidget* central);
    // The panels of the computer's game: its preparation and the player's marking.
    void Buildcomputerpanels(QWidget* central);
    // The Top Five: the name entry, the list and its editor.
    void Buildtopfive(QWidget* central);
    void Rendertopfive(const Mainview& v, bool all, const Mainview& was);
    // The Help menu's windows and the designer's buttons of the Game Setting Menu.
    void Builddesigner();
    void Renderhelp(const Mainview& v, bool all, const Mainview& was);
    // Runs a handler of the module, then draws.
    template <class F>
    void Forward(F&& handler) {
        handler();
        Render();
    }
    void Renderlists(const Mainview& v);
    void Renderrow(const Mainview& v);
    void Renderresult(const Mainview& v);
    void Rendercomputer(const Mainview& v, bool all, const Mainview& was);
    // A key typed into a count box goes to the module, which alone edits the
    // box; true when the key was taken.
    bool Countkey(QObject* watched, const QKeyEvent* key);
    void Renderbox(const Mainview& v);
    void Renderfiles(const Mainview& v);
    // Gives the focus to the control the module names; back from a box, to the window.
    void Renderfocus(const Mainview& v, bool boxClosed);
    void Synctimers();
    QWidget* Panelwidget(Panel p) const;
    QPushButton* Controlbutton(Control c) const;

    QString programFolder_;
    Tallimormod mod_;
    std::optional<Mainview> last_;  // what was drawn last
    std::array<unsigned, kTimers> timerGenerations_{};
    bool rendering_ = false;  // list changes made while drawing are not the player's

    Fmmessage* message_ = nullptr;
    Fmfiles* files_ = nullptr;  // the Open and Save As window, while it is open
    unsigned messageSerial_ = 0;
    std::array<QTimer*, kTimers> timers_{};

    // Menus.
    QMenu* mnugame_ = nullptr;
    QMenu* mnuoption_ = nullptr;
    QAction* mnuset_ = nullptr;
    QAction* mnunew_ = nullptr;
    QAction* mnuload_ = nullptr;
    QMenu* mnumedia_ = nullptr;
    QAction* mnudemo_ = nullptr;
    QMenu* mnusaving_ = nullptr;
    QAction* mnusave_ = nullptr;
    QAction* mnusaveas_ = nullptr;
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
    std::array<QComboBox*, 7> listBoxes_{};
    QPushButton* cmdstart_ = nullptr;
    QPushButton* cmdcancel_ = nullptr;
    QGroupBox* frsetting_ = nullptr;
    QLabel* lblsetcontent_ = nullptr;
    QLabel* lbltime_ = nullptr;
    QGroupBox* franswer_ = nullptr;
    CodeView* picanswer_ = nullptr;
    DropPanel* frcolour_ = nullptr;
    std::array<PieceCell*, 10> colourcells_{};
    QGroupBox* frgetstring_ = nullptr;
    QLabel* lblgetstring_ = nullptr;
    std::array<PieceCell*, 8> stringcells_{};
    QPushButton* cmdsubcol_ = nullptr;
    QGroupBox* frinput_ = nullptr;
    QLabel* lblinput_ = nullptr;
    QLineEdit* txtinput_ = nullptr;
    QPushButton* cmdsubnum_ = nullptr;
    // Why the last input was refused, in the free space of each guess panel.
    QLabel* lblgetrefusal_ = nullptr;
    QLabel* lblinputrefusal_ = nullptr;
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

    // The computer's game.
    QGroupBox* frtrialno_ = nullptr;
    QComboBox* cbtrialno_ = nullptr;
    QPushButton* cmdoktrial_ = nullptr;
    QGroupBox* frmark_ = nullptr;
    QRadioButton* optyesmark_ = nullptr;
    QRadioButton* optnomark_ = nullptr;
    QPushButton* cmdokmark_ = nullptr;
    QGroupBox* fraskcode_ = nullptr;
    QPushButton* cmdready_ = nullptr;
    QGroupBox* frgetresult_ = nullptr;
    QPushButton* cmdtop_ = nullptr;
    QGroupBox* picwinners_ = nullptr;
    QLabel* lblhead_ = nullptr;
    QLabel* lblname_ = nullptr;
    QLabel* lbllisttime_ = nullptr;
    QLabel* lblattempt_ = nullptr;
    QLabel* lblnewentry_ = nullptr;  // the band behind the place just entered
    QLabel* lbldata_ = nullptr;
    QPushButton* cmdcontinue_ = nullptr;
    QGroupBox* fredit_ = nullptr;
    QComboBox* cbedit_ = nullptr;
    std::array<QLineEdit*, 5> editboxes_{};  // Txtplayer, Txtduration, Txtattempt, Txtpopulation, Txtaverage
    QPushButton* cmdgo_ = nullptr;
    QGroupBox* frgetname_ = nullptr;
    QLineEdit* txtname_ = nullptr;
    QPushButton* cmdokname_ = nullptr;
    QLabel* lbltrials2_ = nullptr;
    QLabel* lblmyguess_ = nullptr;
    CodeView* picguess_ = nullptr;
    QGroupBox* frgetcorr_ = nullptr;
    QLabel* lblgetcorr_ = nullptr;
    QComboBox* cbcorrect_ = nullptr;
    QLineEdit* txtcorrect_ = nullptr;
    QGroupBox* frgetwrong_ = nullptr;
    QLabel* lblgetwrong_ = nullptr;
    QComboBox* cbwrong_ = nullptr;
    QLineEdit* txtwrong_ = nullptr;
    QPushButton* cmdgetresult_ = nullptr;
    QPushButton* cmdwin_ = nullptr;

    QLabel* stbmenu_ = nullptr;
    QToolBar* tlbgame_ = nullptr;
    std::array<QAction*, 14> toolbuttons_{};  // 1 to 13
    QCursor waitcursor_;

    // The Help menu, its windows while they are open, and designer mode.
    QMenu* mnuhelp_ = nullptr;
    Fminstr* fminstr_ = nullptr;
    Fmabout* fmabout_ = nullptr;
    QPushButton* cmdsimulate_ = nullptr;
    QPushButton* cmdinitstat_ = nullptr;
    QPushButton* cmdseestat_ = nullptr;
    bool designer_ = false;

    // The demo's message panel and speed bar, the record's presses and the animation (demo_panel.cpp).
    void Builddemo(QWidget* central);
    void Renderdemo(const Mainview& v, bool all, const Mainview& was);
    QGroupBox* picdemo_ = nullptr;
    QLabel* piclogo_ = nullptr;
    QLabel* lbldemo_ = nullptr;
    QGroupBox* frscroll_ = nullptr;
    QScrollBar* hsbspeed_ = nullptr;
    Animation* animation_ = nullptr;

    // The statistics window in place of this one, and the system's box of a simulation (fmstat.cpp).
    void Renderstatistics(const Mainview& v);
    Fmstat* fmstat_ = nullptr;
    bool statisticsShown_ = false;
    std::shared_ptr<const std::vector<std::string>> statlines_;  // what the list holds
    QMessageBox* systembox_ = nullptr;
    unsigned systemboxSerial_ = 0;
};

}  // namespace tallimor
