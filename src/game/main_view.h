#pragma once
// What the main window shows, as plain data: the module fills it in, the
// window draws it.  Nothing here knows of widgets.

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "game/message_table.h"
#include "rules/game_record.h"

namespace tallimor {

enum class Displaymode { Colour, Number };

// What a drag carries: a colour of the Colour Panel or a position of the guess row.
struct DragSource {
    enum Kind { Colour, Position };
    Kind kind = Colour;
    int index = 0;
    friend bool operator==(const DragSource&, const DragSource&) = default;
};

// The panels of the main window that come and go during a game.
enum class Panel {
    Picfore,       // the idle picture
    Picupper,      // the heading over the board
    Picrecord,     // the board
    Frmenu,        // the Game Setting Menu
    Frsetting,     // the setting summary
    Lbltime,       // the time spent
    Franswer,      // the answer
    Frcolour,      // the Colour Panel
    Frgetstring,   // mouse input of a guess
    Frinput,       // keyboard input of a guess
    Frerror,       // the Error button
    Frshowresult,  // the hint of a trial
    Frtrialno,     // the trial at which the computer starts guessing
    Frmark,        // "Shall I do the marking for you?"
    Fraskcode,     // the player writes a secret code down and presses Ready
    Frgetresult,   // the player marks the computer's guess
    Frgetname,     // a Top Five name is typed
    Picwinners,    // the Top Five list
    Fredit,        // the designer's editor of the list
};
constexpr int kPanels = 19;

// Which commands the menus offer.  Held for every command of the program, so
// the availability rules stay whole; the window copies it onto the items it has.
struct Menustate {
    bool Mnugame = true, Mnumedia = true, Mnuoption = true, Mnuhelp = true;
    bool Mnuset = true, Mnunew = true, Mnuload = true, Mnusaving = false, Mnuend = false, Mnudemo = true,
         Mnuquit = true;
    bool Tlbgame = true;  // false: every toolbar button is off, whatever the menus say
    friend bool operator==(const Menustate&, const Menustate&) = default;
};

// The controls of the main window that take Enter or the focus.
enum class Control {
    None,
    Cmdstart,
    Cmdsubcol,
    Cmdsubnum,
    Cmdshowresult,
    Txtinput,
    Cmdoktrial,
    Cmdokmark,
    Cmdready,
    Cmdgetresult,
    Txtcorrect,
    Cmdokname,
    Txtname,
    Cmdcontinue,
};

// The boxes of the designer's editor.
enum class Editfield { Player, Duration, Attempt, Population, Average };

// The open message box.  A new box gets a new serial, so two boxes with the
// same text in a row are still two boxes.
struct Boxview {
    unsigned serial = 0;
    Message id = Message::Same;  // the message identifier (the box's Tag)
    std::string title;
    std::string text;
    char icon = 0;
    int buttons = 1;                      // 1: Cmdmid; 2: Cmdl2, Cmdr2; 3: Cmdl3, Cmdmid, Cmdr3
    std::array<std::string, 5> captions;  // Cmdl2, Cmdl3, Cmdmid, Cmdr3, Cmdr2
    Msgbutton defaultButton = Msgbutton::Cmdmid;
    bool saveOffered = false;  // "Save File" can be pressed
    friend bool operator==(const Boxview&, const Boxview&) = default;
};

struct Listview {
    std::vector<std::string> items;
    int shown = 0;
    friend bool operator==(const Listview&, const Listview&) = default;
};

// The board: the rows drawn so far, and how they are laid out.
struct Boardview {
    std::map<int, TrialRecord> rows;
    int codelength = 4;
    bool fixedOrder = true;
    std::string heading = "RECORD";
    std::set<int> corrected;  // trials whose wrong hint has been put right: their rows carry a mark
    friend bool operator==(const Boardview&, const Boardview&) = default;
};

// The marking entry: the computer's guess and the counts the player gives it.
struct Resultentryview {
    std::string trials;        // Lbltrials2
    std::string myguess;       // Lblmyguess
    std::string guess;         // Picguess
    std::string correctLabel;  // Lblgetcorr
    std::string wrongLabel;    // Lblgetwrong
    bool wrongShown = false;   // Frgetwrong: a "Random order" game asks for both counts
    // Mouse input picks from the lists, keyboard input types one digit a box.
    Listview correct, wrong;
    std::string correctText, wrongText;
    bool okEnabled = false;  // Cmdgetresult
    bool winShown = false;   // Cmdwin
    friend bool operator==(const Resultentryview&, const Resultentryview&) = default;
};

// The Top Five list of a setting and, in designer mode, its editor.
struct Winnersview {
    std::string head;                                            // Lblhead: the setting
    std::string names, times, attempts;                          // the three columns of the five places
    std::string data;                                            // Lbldata: the computer's statistics
    Listview place;                                              // Cbedit
    std::string player, duration, attempt, population, average;  // the editor's boxes
    int newplace = -1;  // the place (0 to 4) just taken by a name entry, marked for the player; -1 none
    friend bool operator==(const Winnersview&, const Winnersview&) = default;
};

// The Open and Save As window.
struct Fileview {
    std::string caption;  // "Open" or "Save As"
    bool opening = true;  // Cmdopen is shown and default; otherwise Cmdsave
    Listview places;      // Drvfiles
    // Dirfiles: the folders from the root down to the current one, each a full
    // path ending in "/", then the current folder's subfolders by name.
    std::vector<std::string> chain, folders;
    std::vector<std::string> files;  // Filfiles: the saved games of the folder
    int highlighted = -1;            // the file picked in Filfiles
    std::string name;                // Txtfiles
    unsigned serial = 0;             // a new showing: the name box takes the focus
    friend bool operator==(const Fileview&, const Fileview&) = default;
};

// The demo's panels: its message panel with an icon, and its speed bar.
struct Demoview {
    bool shown = false;              // Picdemo
    char icon = 'i';                 // Piclogo: the picture of a message icon letter
    std::string text;                // Lbldemo
    bool speedShown = false;         // Frscroll
    int speed = 50, speedMax = 100;  // Hsbspeed: its maximum is the slowest pace
    friend bool operator==(const Demoview&, const Demoview&) = default;
};

// The flying figure over the record and the scrolling sky of the idle picture.
struct Animationview {
    bool on = true;        // the switch of Mnuani and toolbar button 7
    bool fly = false;      // the figure flies: the clock is shown and the player takes part
    int trial = 0;         // the trial whose part of the record the figure flies along
    unsigned placed = 0;   // a new count: the figure starts again just left of the record
    unsigned winlaps = 0;  // a new count: the player has won, the figure flies a lap of honour
    friend bool operator==(const Animationview&, const Animationview&) = default;
};

// The system's own message box (not the program's): an information icon,
// one OK button.  A new box gets a new serial.
struct Systemboxview {
    unsigned serial = 0;
    std::string title, text;
    friend bool operator==(const Systemboxview&, const Systemboxview&) = default;
};

struct Mainview {
    std::string title;      // the window caption
    std::string status;     // the status bar, padded as it is shown
    bool thinking = false;  // the computer is reasoning: the window shows the wait cursor
    std::array<bool, kPanels> shown{};
    bool Shown(Panel p) const { return shown[static_cast<size_t>(p)]; }

    Menustate menus;
    std::array<bool, 14> toolbar{};  // buttons 1 to 13 that can be pressed
    bool keyboard = false;           // Options > Input Method
    Displaymode display = Displaymode::Colour;
    // Buttons 1 to 13 that stand pressed: the toggles in force.
    std::array<bool, 14> toolbarPressed{};

    // The Game Setting Menu: Cbwho, Cbcolour, Cbstart, Cblength, Cbhint, Cborder, Cbrepeat.
    std::array<Listview, 7> lists;
    bool startEnabled = true;

    std::string setcontent;  // the setting summary's values
    std::string timelabel;
    std::string answercaption;
    std::string answer;

    // The Colour Panel and the guess row.
    int colours = 10;                     // colour boxes shown
    std::array<bool, 10> colourBorder{};  // a colour that may still be taken
    // A colour's tool tip: why it cannot be taken now, or "".
    std::array<std::string, 10> colourTip;
    int rowlength = 0;
    bool blanks = false;       // an empty position is submitted as a blank
    std::array<int, 8> row{};  // a colour, or 99 for an empty position
    std::string getstringPrompt, inputPrompt;
    std::string inputText;  // what the keyboard panel's text box holds
    bool subcolEnabled = false, subnumEnabled = false;
    // One line in the guess panel: why the last input was refused, until one is taken.
    std::string refusal;
    bool errorEnabled = false;

    // The result panel.
    std::string trials, correct, wrong;
    int blacks = 0, whites = 0;
    bool fixedOrder = true;  // one count only, drawn in grey

    // The preparation of the computer's game.
    Listview trialno;      // Cbtrialno
    bool markYes = false;  // Optyesmark is chosen (else Optnomark)
    Resultentryview entry;

    // The Top Five.
    bool topEnabled = true;  // Cmdtop: only "You guess" has a list
    std::string nametext;    // Txtname
    Winnersview winners;

    Boardview board;
    // Enter presses the default button of the panel on show, and only one;
    // the focus goes to the guess's text box or to that button.
    Control defaultControl = Control::None;
    Control focus = Control::None;
    std::optional<Boxview> box;
    std::optional<Fileview> files;  // the file window, while it is open
    bool quit = false;              // the player confirmed Quit

    // The Help menu's windows that are open, and the designer's buttons of
    // the Game Setting Menu (Simulate, Initialize Statistics, See Statistics).
    bool instructions = false, about = false;
    bool designerButtons = false;

    Demoview demo;
    Animationview animation;
    unsigned gamemenuPopups = 0;  // a new count: a right click on the record pops up the Game menu

    // The statistics window, open in place of the main window, which is hidden
    // meanwhile; a new filling of its list is a new pointer.  And the box that
    // reports a simulation run.
    bool statistics = false;
    std::shared_ptr<const std::vector<std::string>> statlines;  // Lststat
    std::optional<Systemboxview> systembox;
};

}  // namespace tallimor
