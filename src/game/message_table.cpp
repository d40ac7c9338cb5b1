#include "game/message_table.h"

namespace tallimor {

const char* const kEndgametext = "Are you sure you want to end this game?";
const char* const kQuittext = "Are you sure you want to quit this programme?";

namespace {

using B = Msgbutton;
// Captions: Cmdl2, Cmdl3, Cmdmid, Cmdr3, Cmdr2.
constexpr std::array<std::string_view, 5> kOkCancel{"OK", "", "", "", "Cancel"};
constexpr std::array<std::string_view, 5> kYesNo{"Yes", "", "", "", "No"};
constexpr std::array<std::string_view, 5> kOk{"", "", "OK", "", ""};
constexpr std::array<std::string_view, 5> kDisplayFinish{"Change Display", "", "", "", "FINISH"};
constexpr std::array<std::string_view, 5> kClosing{"", "Save File", "Change Display", "End", ""};

constexpr std::array kMessages{
    MessageInfo{"Mnuend", "End Game?", '?', 2, kOkCancel, B::Cmdl2, "Mnuend+", 60},
    MessageInfo{"Mnuquit", "Quit Programme?", '?', 2, kOkCancel, B::Cmdl2, "Mnuquit+", 60},
    MessageInfo{"Bug", "Bug", '?', 2, kDisplayFinish, B::Cmdl2, "", 0},
    MessageInfo{"Nofile", "No File Name", '?', 2, kYesNo, B::Cmdr2, "Nofile+", 60},
    MessageInfo{"Notready", "Disk Not Ready", 'X', 1, kOk, B::Cmdmid, "Notready+", 60},
    MessageInfo{"Notexist", "File Not Exist", 'X', 1, kOk, B::Cmdmid, "Notexist+", 60},
    MessageInfo{"Overwrite", "Overwrite File?", '?', 2, kYesNo, B::Cmdr2, "Overwrite+", 60},
    MessageInfo{"Delete", "Delete File?", '?', 2, kYesNo, B::Cmdl2, "Delete+", 60},
    // A file that holds no game, a game too long for a file, and a file
    // that cannot be written: the file window stays for another choice.
    MessageInfo{"Notvalid", "Damaged File", 'X', 1, kOk, B::Cmdmid, "Notvalid+", 60},
    MessageInfo{"Toolong", "Game Too Long", 'X', 1, kOk, B::Cmdmid, "Toolong+", 60},
    MessageInfo{"Notsaved", "Game Not Saved", 'X', 1, kOk, B::Cmdmid, "Notsaved+", 60},
    MessageInfo{"Notgame", "Result of Previous Game", 'i', 2, kDisplayFinish, B::Cmdr2, "Notgame", 900},
    MessageInfo{"Notenter", "Loaded Game", 'i', 1, kOk, B::Cmdmid, "Notenter", 60},
    MessageInfo{"Win", "Win", '!', 3, kClosing, B::Cmdr3, "Win", 900},
    MessageInfo{"Error Detected", "Error Detected", 'X', 3, kClosing, B::Cmdr3, "Error Detected", 900},
    MessageInfo{"Continue Playing", "Error Detected", 'i', 1, kOk, B::Cmdmid, "Continue Playing", 60},
    MessageInfo{"Gameover0", "Gameover", '!', 1, kOk, B::Cmdmid, "Gameover0", 60},
    MessageInfo{"Gameover1", "Gameover", '!', 3, kClosing, B::Cmdr3, "Gameover1", 900},
    MessageInfo{"Same", "Inappropriate Input", '!', 1, kOk, B::Cmdmid, "Same", 900},
    // Titled by the game status when it is raised.
    MessageInfo{"Wrong Detection", "", 'X', 3, kClosing, B::Cmdr3, "Wrong Detection", 900},
    MessageInfo{"Warning", "Warning", '!', 1, kOk, B::Cmdmid, "Warning", 60},
    MessageInfo{"Franswer", "Show Answer", 'i', 3, kClosing, B::Cmdr3, "Franswer", 900},
    // A records file that cannot be used: reported, then the game goes on.
    MessageInfo{"Recordsfile", "Records File", 'X', 1, kOk, B::Cmdmid, "Recordsfile", 60},
    // No folder to keep records and saved games in: told once at start.
    MessageInfo{"Nohome", "Records Not Kept", '!', 1, kOk, B::Cmdmid, "Nohome", 60},
    // The designer typed something that is not a number into the list's editor.
    MessageInfo{"Notnumber", "Inappropriate Input", '!', 1, kOk, B::Cmdmid, "Notnumber", 60},
};

bool Isclosing(std::string_view id) {
    return id == "Franswer" || id == "Win" || id == "Error Detected" || id == "Wrong Detection" ||
           id == "Gameover1";
}

}  // namespace

const MessageInfo* Findmessage(std::string_view id) {
    for (const MessageInfo& info : kMessages)
        if (info.id == id) return &info;
    return nullptr;
}

std::string Iconfile(char letter) {
    switch (letter) {
        case 'X':
            return "Icon/W95mbx01.ico";
        case '?':
            return "Icon/W95mbx02.ico";
        case '!':
            return "Icon/W95mbx03.ico";
        case 'i':
            return "Icon/W95mbx04.ico";
        default:
            return "";
    }
}

MessageAction Buttonaction(Msgbutton button, std::string_view id) {
    using A = MessageAction;
    switch (button) {
        case B::Cmdl2:
            if (id == "Mnuend") return A::Endgameok;
            if (id == "Mnuquit") return A::Quitok;
            if (id == "Nofile") return A::Nofileyes;
            if (id == "Overwrite") return A::Overwriteyes;
            if (id == "Delete") return A::Deleteyes;
            if (id == "Notgame" || id == "Bug") return A::Toggledisplay;
            return A::None;
        case B::Cmdl3:
            return Isclosing(id) ? A::Savefile : A::None;
        case B::Cmdmid:
            if (id == "Gameover0") return A::Gameover0ok;
            if (id == "Notready") return A::Notreadyok;
            if (id == "Notexist" || id == "Notvalid" || id == "Toolong" || id == "Notsaved")
                return A::Notexistok;
            if (id == "Notenter") return A::Notenterok;
            if (id == "Same" || id == "Warning" || id == "Recordsfile" || id == "Notnumber" || id == "Nohome")
                return A::Close;
            if (id == "Continue Playing") return A::Continueplayingok;
            if (Isclosing(id)) return A::Toggledisplay;
            return A::None;
        case B::Cmdr2:
            if (id == "Mnuend") return A::Endgamecancel;
            if (id == "Mnuquit") return A::Quitcancel;
            if (id == "Nofile") return A::Nofileno;
            if (id == "Overwrite" || id == "Delete") return A::Filenorestore;
            if (id == "Notgame" || id == "Bug") return A::Finish;
            return A::None;
        case B::Cmdr3:
            if (id == "Win") return A::Winend;
            if (Isclosing(id)) return A::End;
            return A::None;
    }
    return A::None;
}

}  // namespace tallimor
