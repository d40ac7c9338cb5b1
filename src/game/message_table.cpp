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

constexpr std::array<MessageInfo, kMessages> kTable{{
    MessageInfo{Message::Mnuend, "Mnuend", "End Game?", '?', 2, kOkCancel, B::Cmdl2, Wait::Mnuend},
    MessageInfo{Message::Mnuquit, "Mnuquit", "Quit Programme?", '?', 2, kOkCancel, B::Cmdl2, Wait::Mnuquit},
    MessageInfo{Message::Bug, "Bug", "Bug", '?', 2, kDisplayFinish, B::Cmdl2, Wait::None},
    MessageInfo{Message::Nofile, "Nofile", "No File Name", '?', 2, kYesNo, B::Cmdr2, Wait::Nofile},
    MessageInfo{Message::Notready, "Notready", "Disk Not Ready", 'X', 1, kOk, B::Cmdmid, Wait::Notready},
    MessageInfo{Message::Notexist, "Notexist", "File Not Exist", 'X', 1, kOk, B::Cmdmid, Wait::Notexist},
    MessageInfo{Message::Overwrite, "Overwrite", "Overwrite File?", '?', 2, kYesNo, B::Cmdr2,
                Wait::Overwrite},
    MessageInfo{Message::Delete, "Delete", "Delete File?", '?', 2, kYesNo, B::Cmdl2, Wait::Delete},
    // A file that holds no game, a game too long for a file, and a file
    // that cannot be written: the file window stays for another choice.
    MessageInfo{Message::Notvalid, "Notvalid", "Damaged File", 'X', 1, kOk, B::Cmdmid, Wait::Notvalid},
    MessageInfo{Message::Toolong, "Toolong", "Game Too Long", 'X', 1, kOk, B::Cmdmid, Wait::Toolong},
    MessageInfo{Message::Notsaved, "Notsaved", "Game Not Saved", 'X', 1, kOk, B::Cmdmid, Wait::Notsaved},
    MessageInfo{Message::Notgame, "Notgame", "Result of Previous Game", 'i', 2, kDisplayFinish, B::Cmdr2,
                Wait::Notgame},
    MessageInfo{Message::Notenter, "Notenter", "Loaded Game", 'i', 1, kOk, B::Cmdmid, Wait::Notenter},
    MessageInfo{Message::Win, "Win", "Win", '!', 3, kClosing, B::Cmdr3, Wait::Win},
    MessageInfo{Message::Errordetected, "Error Detected", "Error Detected", 'X', 3, kClosing, B::Cmdr3,
                Wait::Errordetected},
    MessageInfo{Message::Continueplaying, "Continue Playing", "Error Detected", 'i', 1, kOk, B::Cmdmid,
                Wait::Continueplaying},
    MessageInfo{Message::Gameover0, "Gameover0", "Gameover", '!', 1, kOk, B::Cmdmid, Wait::Gameover0},
    MessageInfo{Message::Gameover1, "Gameover1", "Gameover", '!', 3, kClosing, B::Cmdr3, Wait::Gameover1},
    MessageInfo{Message::Same, "Same", "Inappropriate Input", '!', 1, kOk, B::Cmdmid, Wait::Same},
    // Titled by the game status when it is raised.
    MessageInfo{Message::Wrongdetection, "Wrong Detection", "", 'X', 3, kClosing, B::Cmdr3,
                Wait::Wrongdetection},
    MessageInfo{Message::Warning, "Warning", "Warning", '!', 1, kOk, B::Cmdmid, Wait::Warning},
    MessageInfo{Message::Franswer, "Franswer", "Show Answer", 'i', 3, kClosing, B::Cmdr3, Wait::Franswer},
    // A records file that cannot be used: reported, then the game goes on.
    MessageInfo{Message::Recordsfile, "Recordsfile", "Records File", 'X', 1, kOk, B::Cmdmid,
                Wait::Recordsfile},
    // No folder to keep records and saved games in: told once at start.
    MessageInfo{Message::Nohome, "Nohome", "Records Not Kept", '!', 1, kOk, B::Cmdmid, Wait::Nohome},
    // The designer typed something that is not a number into the list's editor.
    MessageInfo{Message::Notnumber, "Notnumber", "Inappropriate Input", '!', 1, kOk, B::Cmdmid,
                Wait::Notnumber},
}};

constexpr bool Inorder() {
    for (size_t i = 0; i < kTable.size(); ++i)
        if (static_cast<size_t>(kTable[i].id) != i) return false;
    return true;
}
static_assert(Inorder(), "the message table has one row for each message, in order");

using M = Message;

bool Isclosing(Message id) {
    return id == M::Franswer || id == M::Win || id == M::Errordetected || id == M::Wrongdetection ||
           id == M::Gameover1;
}

}  // namespace

const MessageInfo& Messageinfo(Message id) { return kTable[static_cast<size_t>(id)]; }

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

MessageAction Buttonaction(Msgbutton button, Message id) {
    using A = MessageAction;
    switch (button) {
        case B::Cmdl2:
            if (id == M::Mnuend) return A::Endgameok;
            if (id == M::Mnuquit) return A::Quitok;
            if (id == M::Nofile) return A::Nofileyes;
            if (id == M::Overwrite) return A::Overwriteyes;
            if (id == M::Delete) return A::Deleteyes;
            if (id == M::Notgame || id == M::Bug) return A::Toggledisplay;
            return A::None;
        case B::Cmdl3:
            return Isclosing(id) ? A::Savefile : A::None;
        case B::Cmdmid:
            if (id == M::Gameover0) return A::Gameover0ok;
            if (id == M::Notready) return A::Notreadyok;
            if (id == M::Notexist || id == M::Notvalid || id == M::Toolong || id == M::Notsaved)
                return A::Notexistok;
            if (id == M::Notenter) return A::Notenterok;
            if (id == M::Same || id == M::Warning || id == M::Recordsfile || id == M::Notnumber ||
                id == M::Nohome)
                return A::Close;
            if (id == M::Continueplaying) return A::Continueplayingok;
            if (Isclosing(id)) return A::Toggledisplay;
            return A::None;
        case B::Cmdr2:
            if (id == M::Mnuend) return A::Endgamecancel;
            if (id == M::Mnuquit) return A::Quitcancel;
            if (id == M::Nofile) return A::Nofileno;
            if (id == M::Overwrite || id == M::Delete) return A::Filenorestore;
            if (id == M::Notgame || id == M::Bug) return A::Finish;
            return A::None;
        case B::Cmdr3:
            if (id == M::Win) return A::Winend;
            if (Isclosing(id)) return A::End;
            return A::None;
    }
    return A::None;
}

}  // namespace tallimor
