#pragma once
// The fixed captions of the windows: the menus with their access keys and
// function keys, and the titles, labels and buttons of the panels and the
// small windows.  Every front end takes its captions from here, so a change
// of wording touches one line.  The texts that change in play are the
// module's description; these never do.

#include <array>
#include <string_view>

namespace tallimor {

// A menu or a menu item.  `parent` is the menu that holds it ("" for the
// menu bar); "&" marks the access key; `fkey` is 1 to 9 for F1 to F9, 0 for
// none.  A name of "-" is a separator.
struct Menuitem {
    std::string_view name, parent, caption;
    int fkey = 0;
    bool checkable = false;
};

inline constexpr std::array<Menuitem, 24> kMenuitems{{
    {"Mnugame", "", "Game(&G)"},
    {"Mnuset", "Mnugame", "Game Setting(&G)", 1},
    {"Mnunew", "Mnugame", "New Game(&N)", 2},
    {"Mnuload", "Mnugame", "Load Game(&L)", 3},
    {"Mnusaving", "Mnugame", "Save Game(&S)"},
    {"Mnusave", "Mnusaving", "Save(&S)", 4},
    {"Mnusaveas", "Mnusaving", "Save As(&A)"},
    {"Mnuend", "Mnugame", "End Game(&E)", 5},
    {"-", "Mnugame", ""},
    {"Mnuquit", "Mnugame", "Quit(&Q)", 6},
    {"Mnumedia", "", "Multimedia(&M)"},
    {"Mnumusic", "Mnumedia", "On/Off Music(&M)", 7},
    {"Mnuani", "Mnumedia", "On/Off Animation(&A)", 8},
    {"Mnudemo", "Mnumedia", "Start Demo(&D)", 9},
    {"Mnuoption", "", "Options(&O)"},
    {"Mnuinput", "Mnuoption", "Input Method(&I)"},
    {"Mnumouse", "Mnuinput", "Mouse(&M)", 0, true},
    {"Mnukey", "Mnuinput", "Keyboard(&K)", 0, true},
    {"Mnudisplay", "Mnuoption", "Display Mode(&D)"},
    {"Mnucolour", "Mnudisplay", "Colour(&C)", 0, true},
    {"Mnunumber", "Mnudisplay", "Number(&N)", 0, true},
    {"Mnuhelp", "", "Help(&H)"},
    {"Mnuinstr", "Mnuhelp", "Brief Instructions(&I)"},
    {"Mnuabout", "Mnuhelp", "About Tallimor(&A)"},
}};

// The caption of a menu or item by its name ("" for none).
constexpr std::string_view Menucaption(std::string_view name) {
    for (const Menuitem& m : kMenuitems)
        if (m.name == name) return m.caption;
    return {};
}

// A caption of a control, by the control's name.
struct Windowcaption {
    std::string_view control, text;
};

inline constexpr std::array<Windowcaption, 78> kWindowcaptions{{
    // The main window.
    {"Fmmain", "Tallimor"},
    {"Picrecord", "TALLIMOR"},
    {"Picupper", "   Trial      Guess and hint"},
    {"Frsetting", "Game Setting"},
    {"Frcolour", "Colour Panel"},
    {"Frgetstring", "Your Guess"},
    {"Frinput", "Your Guess"},
    {"Cmdsubcol", "Submit"},
    {"Cmdsubnum", "Submit"},
    {"Cmderror", "Error"},
    {"Frshowresult", "Result"},
    {"Cmdshowresult", "OK"},
    // The Game Setting Menu.
    {"Lblset", "Game Setting Menu"},
    {"Lblgametype", "Who guesses?"},
    {"Lblcolourno", "Number of Colours"},
    {"Lblstart", "Start from"},
    {"Lblgamelength", "Length of Code"},
    {"Lblhint", "Hints contain error(s)?"},
    {"Lblgameorder", "Order Type"},
    {"Lblgamerepeat", "Colour repeated?"},
    {"Cmdstart", "Start  Game"},
    {"Cmdcancel", "Cancel"},
    {"Cmdtop", "TOP FIVE List"},
    {"Cmdsimulate", "Simulate"},
    {"Cmdinitstat", "Initialize Statistics"},
    {"Cmdstat", "See Statistics"},
    // The computer's game.
    {"Lbltrialno", "Choose the trial number at which you want me to start guessing."},
    {"Cmdoktrial", "OK"},
    {"Lblmark", "Shall I do the marking for you?"},
    {"Optyesmark", "Yes"},
    {"Optnomark", "No"},
    {"Cmdokmark", "OK"},
    {"Lblaskcode",
     "Now write down a secret code for me to guess. When you are ready, press the Ready button."},
    {"Cmdready", "Ready"},
    {"Frgetresult", "Your Marking"},
    {"Cmdgetresult", "OK"},
    {"Cmdwin", "WIN"},
    // The Top Five.
    {"Lblwinners", "TOP   FIVE"},
    {"Lblplayer", "Players' Name"},
    {"Lbltimespent", "Time spent"},
    {"Lblnotrials", "No. of Attempts"},
    {"Lblstat", "Computer Statistics"},
    {"Cmdcontinue", "Continue"},
    {"Fredit", "Edit"},
    {"Txtplayer", "Name"},
    {"Txtduration", "Seconds"},
    {"Txtattempt", "Attempts"},
    {"Txtpopulation", "Population"},
    {"Txtaverage", "Average"},
    {"Cmdgo", "Go"},
    {"Lblgetname", "Congratulation! You have entered the TOP FIVE list, please input your name."},
    {"Lblcharacter", "(Do not enter more than 15 characters. You have 1 minute's  time to do this.)"},
    {"Cmdokname", "OK"},
    // The demo.
    {"Lblscroll", "Use the scrollbar below to adjust the speed of demo."},
    {"Lblfast", "fast"},
    {"Lblslow", "slow"},
    // The Open and Save As window.
    {"Fmfiles", "Open/Save As"},
    {"Lbllook", "Look in:"},
    {"Lblname", "File name:"},
    {"Lbltype", "Files of type:"},
    {"Cbfiles", "All mm files(*.mm)"},
    {"Lbldelete", "To delete a file, just highlight the file name and press the Delete key."},
    {"Cmdopen", "Open"},
    {"Cmdsave", "Save"},
    {"Fmfiles_Cmdcancel", "Cancel"},
    // The statistics window, About and the title window.
    {"Cmdexport", "Export..."},  // the page's: a saved game as a download
    {"Cmdimport", "Import..."},  // the page's: a saved game from the computer
    {"Fmstat", "Statistics"},
    {"Cmdback", "BACK"},
    {"Fmabout", "About Tallimor"},
    // About: the program's name and version come before this.
    {"Lblabout",
     ", a game of breaking colour codes, written by the Tallimor developers. "
     "You may play it with the computer in either role, or watch it play against itself. "
     "Tallimor is free software: you may share and change it under the GNU General Public "
     "License, version 3 or later. It comes with no warranty of any kind."},
    {"Cmdokabout", "OK"},
    {"Cmdokinstr", "OK"},
    {"Systemboxok", "OK"},
    {"Lbltallimor", "TALLIMOR"},
    {"Lbldesign", "Designed and written by the Tallimor developers"},
    {"Lbltitlestart", "Click mouse to start."},
    {"Password", "Input password"},
}};

constexpr std::string_view Caption(std::string_view control) {
    for (const Windowcaption& c : kWindowcaptions)
        if (c.control == control) return c.text;
    return {};
}

// The word the title window asks for before it switches designer mode on.
inline constexpr std::string_view kDesignerpassword = "583016";

// The refusal of a second instance of the program.
inline constexpr std::string_view kSecondinstancetext =
    "You are not allowed to start this programme more than once.";

// Brief Instructions: one entry a printed line; the leading blanks are part of the text.
enum class Instructionkind { Body, Heading, Note };
struct Instructionline {
    Instructionkind kind;
    std::string_view text;
};
inline constexpr std::string_view kInstructionstitle = "Brief Instructions";
inline constexpr std::array<Instructionline, 26> kInstructions{{
    {Instructionkind::Body, ""},
    {Instructionkind::Heading, " GAME TYPE"},
    {Instructionkind::Body, ""},
    {Instructionkind::Body, " This programme has the richest variations of the classical"},
    {Instructionkind::Body, " Tallimor game.  There are altogether 1424 different variations"},
    {Instructionkind::Body, " available.  You may see all these variations in the Game Setting"},
    {Instructionkind::Body, " Menu.  Choose a game setting from this menu."},
    {Instructionkind::Body, " You may choose to be the Codebreaker or the Codemaker.  You may "},
    {Instructionkind::Body, " also choose to watch the computer play the game with itself."},
    {Instructionkind::Body, ""},
    {Instructionkind::Heading, " THE GAME"},
    {Instructionkind::Body, ""},
    {Instructionkind::Body, " The Codemaker thinks of a colour string (the secret code) using"},
    {Instructionkind::Body, " any combination of colours in the Colour Panel.  The Codebreaker"},
    {Instructionkind::Body, " will try to duplicate the exact colours and positions of the"},
    {Instructionkind::Body, " secret code. Each time the Codebreaker makes a guess, the"},
    {Instructionkind::Body, " Codemaker must give information by displaying black and white"},
    {Instructionkind::Body, " boxes.  A black box is displayed for every colour box which is"},
    {Instructionkind::Body, " the same colour and in exactly the same position as one of the"},
    {Instructionkind::Body, " colour boxes in the secret code, while a white box is displayed"},
    {Instructionkind::Body, " for each colour box which is matched in colour but not position."},
    {Instructionkind::Body, " When the Codebreaker duplicates the secret code, he wins the"},
    {Instructionkind::Body, " game."},
    {Instructionkind::Body, ""},
    {Instructionkind::Note, "N.B. For detailed instructions of this programme, please read the"},
    {Instructionkind::Note, "HTML file named Vbintro.html attached with this programme."},
}};

}  // namespace tallimor
