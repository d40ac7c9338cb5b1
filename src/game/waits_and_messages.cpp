// Waiting and messages: the wait states with their time-outs and status
// text, the open message box, and what each of its buttons does.

#include "game/tallimormod.h"
#include "savegame/file_folders.h"

namespace tallimor {

void Tallimormod::Setwait(Wait state) {
    wait_.Enter(state);
    Syncwait();
}

void Tallimormod::Setwait(Wait state, int16_t timeout) {
    wait_.Enter(state, timeout);
    Syncwait();
}

void Tallimormod::Retimewait(int16_t timeout) {
    wait_.Retime(timeout);
    Syncwait();
}

void Tallimormod::Syncwait() {
    // A running wait timer keeps its beat; the time-out counts from the wait's own start.
    if (!wait_.Timerenabled())
        Stoptimer(Timerid::Tmrwait);
    else if (!timers_[static_cast<size_t>(Timerid::Tmrwait)].enabled)
        Starttimer(Timerid::Tmrwait);
    Showstatus();
}

void Tallimormod::Showstatus() { screen_.shownWait = wait_.Current(); }

void Tallimormod::Tmrwait_Timer() {
    switch (wait_.Tmrwait_Timer()) {
        case WaitAction::Cmdcancel:
            Cmdcancel_Click();
            break;
        case WaitAction::Givepreparation:
        case WaitAction::Finishgame:
            Finishgame();
            break;
        case WaitAction::Cmdshowresult:
            Cmdshowresult_Click();
            break;
        case WaitAction::PressCmdmid:
            Messagebutton_Click(Msgbutton::Cmdmid);
            break;
        case WaitAction::PressCmdr2:
            Messagebutton_Click(Msgbutton::Cmdr2);
            break;
        case WaitAction::PressCmdr3:
            Messagebutton_Click(Msgbutton::Cmdr3);
            break;
        // The demo, the Top Five list and its name entry, the file window and
        // the About and Instructions windows come with their own flows.
        case WaitAction::Startdemo:
            Startdemo();
            break;
        case WaitAction::Cmdcontinue:
            Cmdcontinue_Click();
            break;
        case WaitAction::Cmdokname:
            Cmdokname_Click();
            break;
        case WaitAction::Filecancel:
            Fmfiles_Cmdcancel_Click();
            break;
        case WaitAction::Cmdokabout:
            Cmdokabout_Click();
            break;
        case WaitAction::Cmdokinstr:
            Cmdokinstr_Click();
            break;
        case WaitAction::None:
            break;
    }
}

void Tallimormod::Messagebox(Message id, const std::string& text, Afterbox after) {
    const MessageInfo& info = Messageinfo(id);
    if (box_) Closesecondary(false);
    Boxview box;
    box.serial = ++boxes_;
    box.id = id;
    box.title = info.title;
    box.text = text;
    box.icon = info.icon;
    box.buttons = info.buttons;
    for (size_t i = 0; i < box.captions.size(); ++i) box.captions[i] = info.captions[i];
    box.defaultButton = info.defaultButton;
    // A game is saved from its closing box; the demo's boxes do not offer it.
    box.saveOffered = Buttonaction(Msgbutton::Cmdl3, id) == MessageAction::Savefile;
    box_ = std::move(box);
    after_ = after;
    Setwait(info.wait);
}

void Tallimormod::Unloadbox() {
    if (!box_) return;
    box_.reset();
    unloadedAfter_ = after_;
    after_ = Afterbox::None;
}

bool Tallimormod::Closesecondary(bool runAfter) {
    if (!box_) return false;
    Unloadbox();
    Setwait(Wait::None);
    const Afterbox after = unloadedAfter_;
    unloadedAfter_ = Afterbox::None;
    if (runAfter) Runafter(after);
    return true;
}

void Tallimormod::Correctwronghints() {
    wait_.Setdirect(Wait::Thinking);
    Showstatus();
    Correction();
}

void Tallimormod::Runafter(Afterbox after) {
    switch (after) {
        case Afterbox::None:
            break;
        case Afterbox::Startplay:
            Startplay();
            break;
        case Afterbox::Getstring:
            Getstring();
            break;
        case Afterbox::Nexttrial:
            Nexttrial();
            break;
        case Afterbox::Fiveminutes:
            // The wait the warning interrupted comes back.
            if (correctionSwept_) {
                correctionSwept_ = false;
                Correctwronghints();
            } else if (Isshown(Panel::Frshowresult)) {
                Cmdshowresult_Click();
            } else if (Entering() && g_.Settings.Playerguesses()) {
                wait_.Setdirect(Wait::Frgetstring1);
                Showstatus();
            } else if (Isshown(Panel::Frgetresult)) {
                wait_.Setdirect(Wait::Frgetresult);
                Showstatus();
            }
            break;
        case Afterbox::Winbox:
            Winbox();
            break;
        case Afterbox::Finishgame:
            Finishgame();
            break;
        case Afterbox::Showwinners:
            Showwinners();
            break;
        case Afterbox::Clearwait:
            Setwait(Wait::None);
            break;
    }
}

namespace {

bool Buttonshown(const Boxview& box, Msgbutton b) {
    switch (box.buttons) {
        case 1:
            return b == Msgbutton::Cmdmid;
        case 2:
            return b == Msgbutton::Cmdl2 || b == Msgbutton::Cmdr2;
        default:
            return b == Msgbutton::Cmdl3 || b == Msgbutton::Cmdmid || b == Msgbutton::Cmdr3;
    }
}

}  // namespace

void Tallimormod::Messagebutton_Click(Msgbutton button) {
    if (!box_ || !Buttonshown(*box_, button)) return;
    if (button == Msgbutton::Cmdl3 && !box_->saveOffered) return;
    unloadedAfter_ = Afterbox::None;
    const Message id = box_->id;
    switch (Buttonaction(button, id)) {
        case MessageAction::Endgameok:
            Unloadbox();
            Stoptimer(Timerid::Tmrrec);
            for (Panel p : {Panel::Lbltime, Panel::Frgetstring, Panel::Frinput, Panel::Frcolour,
                            Panel::Frshowresult, Panel::Frgetresult})
                Hide(p);
            if (g_.Settings.Playerguesses() && g_.Currenttrial >= 1) {
                g_.Gamestatus = GameStatus::Endgame;
                Showsetting();
                Showanswer("Answer");
                clock_.Timespent = kGameSeconds;
                bufferPending_ = true;
                Starttimer(Timerid::Tmrbuffer);
            } else {
                Setwait(Wait::None);
                Finishgame();
            }
            break;
        case MessageAction::Quitok:
            Unloadbox();
            quit_ = true;
            break;
        case MessageAction::Toggledisplay:
            Setdisplay(screen_.display == Displaymode::Colour ? Displaymode::Number : Displaymode::Colour);
            break;
        case MessageAction::Winend:
            Setwait(Wait::None);
            Unloadbox();
            // A win past the hour or at the last trial cannot enter the list.
            if (clock_.Timespent < kGameSeconds && g_.Currenttrial < kLastTrial)
                Checkwinners();
            else
                Finishgame();
            break;
        case MessageAction::Gameover0ok:
        case MessageAction::End:
            Setwait(Wait::None);
            Unloadbox();
            Finishgame();
            break;
        case MessageAction::Close:
            Unloadbox();
            break;
        case MessageAction::Endgamecancel:
            Unloadbox();
            wait_.R3();
            Syncwait();
            break;
        case MessageAction::Quitcancel:
            Unloadbox();
            wait_.R2();
            Syncwait();
            break;
        case MessageAction::Continueplayingok:
            Unloadbox();
            Correctwronghints();
            break;
        case MessageAction::Finish:
            Setwait(Wait::None);
            Unloadbox();
            Cmdcancel_Click();
            break;
        case MessageAction::Savefile:
            Unloadbox();
            Openfilewindow(false);
            Setwait(Wait::None);
            Setwait(Wait::Mnusave, kSavefromabox);
            break;
        case MessageAction::Nofileyes:
        case MessageAction::Notexistok:
            Unloadbox();
            wait_.Pop();
            Retimewait(kRestoredtimeout);
            break;
        case MessageAction::Overwriteyes:
            Unloadbox();
            wait_.Pop();
            Retimewait(0);
            Savegame(files_.chosenfile);
            break;
        case MessageAction::Deleteyes: {
            Unloadbox();
            wait_.Pop();
            const bool gone = Removefile(files_.chosenfile);
            if (files_.window) Showfolder(Currentfolder());
            Retimewait(kRestoredtimeout);
            if (!gone) Notready(Fileerror::Nofileaccess, files_.chosenfile);
            break;
        }
        case MessageAction::Notreadyok:
            wait_.Pop();
            Unloadbox();
            // Back to the games folder's place, which can be read.
            if (files_.window && !Showfolder(Gamesfolder())) Showfolder("/");
            Retimewait(kRestoredtimeout);
            break;
        case MessageAction::Notenterok:
            Unloadbox();
            Retimewait(0);
            Resumeloaded();
            Placefigure();
            Getguess();
            break;
        case MessageAction::Nofileno:
            Unloadbox();
            wait_.Pop();
            Fmfiles_Cmdcancel_Click();
            break;
        case MessageAction::Filenorestore:
            Unloadbox();
            wait_.R4();
            Syncwait();
            break;
        case MessageAction::None:
            break;
    }
    const Afterbox after = unloadedAfter_;
    unloadedAfter_ = Afterbox::None;
    Runafter(after);
}

}  // namespace tallimor
