#include "game/tallimormod.h"

#include "game/input_refusals.h"
#include "game/toolbar.h"
#include "reasoning/wrong_hints.h"
#include "rules/game_settings.h"

namespace tallimor {

std::string_view Savestatustext(SaveStatus status) {
    switch (status) {
        case SaveStatus::Unsaved:
            return "Unsaved";
        case SaveStatus::Saved:
            return "Saved";
        case SaveStatus::Loaded:
            return "Loaded";
    }
    return "";
}

Tallimormod::Tallimormod(std::string recordsFolder, TimeSource clock)
    : recordsFolder_(std::move(recordsFolder)),
      clock_(clock ? clock : Steadytime()),
      wait_(clock ? clock : Steadytime()) {
    timers_[static_cast<size_t>(Timerid::Tmrwait)].interval = 1000;
    timers_[static_cast<size_t>(Timerid::Tmrrec)].interval = 100;
    timers_[static_cast<size_t>(Timerid::Tmrbuffer)].interval = 1;
    timers_[static_cast<size_t>(Timerid::Tmrdelay)].interval = 1;
    g_.Makeerror = [this](GameState& g) { tallimor::Makeerror(g, wrong_); };
    // A write cut off in an earlier run is finished, and its temporaries go.
    if (!recordsFolder_.empty()) {
        Tidyrecords(recordsFolder_);
        Removeleftovergames(Gamesfolder());
    }
    // The load ends on the idle screen, with mouse input and colour display.
    Finishgame();
}

// ------------------------------------------------------------------ timers

void Tallimormod::Starttimer(Timerid t) {
    Logicaltimer& timer = timers_[static_cast<size_t>(t)];
    timer.enabled = true;
    ++timer.generation;
}

void Tallimormod::Stoptimer(Timerid t) { timers_[static_cast<size_t>(t)].enabled = false; }

void Tallimormod::Fire(Timerid timer) {
    if (!timers_[static_cast<size_t>(timer)].enabled) return;
    switch (timer) {
        case Timerid::Tmrwait:
            Tmrwait_Timer();
            break;
        case Timerid::Tmrrec:
            Tmrrec_Timer();
            break;
        case Timerid::Tmrbuffer:
            Tmrbuffer_Timer();
            break;
        case Timerid::Tmrdelay:
            Tmrdelay_Timer();
            break;
    }
}

// ------------------------------------------------------------------ Enter

Control Tallimormod::Defaultcontrol() const {
    if (box_ || files_.window) return Control::None;  // a window over the main window takes Enter itself
    if (Isshown(Panel::Frshowresult)) return Control::Cmdshowresult;
    if (Isshown(Panel::Frmenu)) return Control::Cmdstart;
    if (Isshown(Panel::Frtrialno)) return Control::Cmdoktrial;
    if (Isshown(Panel::Frmark)) return Control::Cmdokmark;
    if (Isshown(Panel::Fraskcode)) return Control::Cmdready;
    if (Isshown(Panel::Frgetresult)) return entry_.okEnabled ? Control::Cmdgetresult : Control::None;
    if (Isshown(Panel::Frgetname)) return Control::Cmdokname;
    if (Isshown(Panel::Picwinners)) return Control::Cmdcontinue;
    if (Isshown(Panel::Frinput)) return subnum_ ? Control::Cmdsubnum : Control::None;
    if (Isshown(Panel::Frgetstring)) return subcol_ ? Control::Cmdsubcol : Control::None;
    return Control::None;
}

void Tallimormod::Enter_Keypress() {
    const Control target = Defaultcontrol();
    // Enter at a guess that cannot be submitted yet says why.
    if (target == Control::None && !box_ && !files_.window) {
        if (Isshown(Panel::Frinput)) Cmdsubnum_Click();
        if (Isshown(Panel::Frgetstring)) Cmdsubcol_Click();
    }
    switch (target) {
        case Control::Cmdstart:
            Cmdstart_Click();
            break;
        case Control::Cmdsubcol:
            Cmdsubcol_Click();
            break;
        case Control::Cmdsubnum:
            Cmdsubnum_Click();
            break;
        case Control::Cmdshowresult:
            Cmdshowresult_Click();
            break;
        case Control::Cmdoktrial:
            Cmdoktrial_Click();
            break;
        case Control::Cmdokmark:
            Cmdokmark_Click();
            break;
        case Control::Cmdready:
            Cmdready_Click();
            break;
        case Control::Cmdgetresult:
            Cmdgetresult_Click();
            break;
        case Control::Cmdokname:
            Cmdokname_Click();
            break;
        case Control::Cmdcontinue:
            Cmdcontinue_Click();
            break;
        case Control::Txtinput:
        case Control::Txtcorrect:
        case Control::Txtname:
        case Control::None:
            break;
    }
}

// ------------------------------------------------------------ description

Mainview Tallimormod::Describe() const {
    Mainview v;
    v.title = title_;
    v.status = Padstatus(Statustext(shownWait_, wait_.Starttrial));
    v.thinking = wait_.Current() == Wait::Thinking;
    v.shown = shown_;
    v.menus = menus_;
    v.toolbar = Settlb(menus_);
    v.keyboard = keyboard_;
    v.display = display_;

    const std::array<const ChoiceList*, 7> lists{&lists_.Cbwho,    &lists_.Cbcolour, &lists_.Cbstart,
                                                 &lists_.Cblength, &lists_.Cbhint,   &lists_.Cborder,
                                                 &lists_.Cbrepeat};
    for (size_t i = 0; i < lists.size(); ++i) v.lists[i] = {lists[i]->items, lists[i]->shown};
    v.startEnabled = true;

    v.setcontent = Setcontenttext(g_.Settings, settingStatus_);
    v.timelabel = Timelabeltext(clock_.Timetext);
    v.answercaption = answerCaption_;
    v.answer = answerShown_;

    v.colours = g_.Settings.Colours;
    // The panel is not used for typing, so no colour offers itself then.
    for (int c = 0; c < 10; ++c) v.colourBorder[static_cast<size_t>(c)] = !keyboard_ && row_.Hasborder(c);
    if (Isshown(Panel::Frcolour))
        for (int c = 0; c < 10; ++c)
            v.colourTip[static_cast<size_t>(c)] =
                Colourtip(g_.Settings, keyboard_, row_.Hasborder(c), row_.Guessblanks() == 0);
    v.rowlength = row_.Length();
    v.blanks = g_.Settings.Blankroom > 0;
    for (int p = 0; p < kRowcells; ++p) v.row[static_cast<size_t>(p)] = row_.Cell(p);
    v.getstringPrompt = prompts_.getstring;
    v.inputPrompt = prompts_.input;
    v.inputText = inputText_;
    v.subcolEnabled = subcol_;
    v.subnumEnabled = subnum_;
    v.refusal = Refusalline(refusal_, g_.Settings, keyboard_);
    v.errorEnabled = Isshown(Panel::Frerror);

    v.trials = result_.trials;
    v.correct = result_.correct;
    v.wrong = result_.wrong;
    v.blacks = resultHint_.Blacks;
    v.whites = resultHint_.Whites;
    v.fixedOrder = g_.Settings.Fixedorder();

    v.trialno = trialno_;
    v.markYes = computerMarks_;
    v.entry = entry_;

    v.topEnabled = lists_.Cbwho.Text() == "You guess";
    v.nametext = top_.nameText;
    v.winners = top_.view;

    v.board = board_;
    // A mark stays only with its row: the board cleared at the end of a game takes it too.
    std::erase_if(v.board.corrected, [this](int trial) { return !board_.rows.count(trial); });
    v.defaultControl = Defaultcontrol();
    const bool covered = box_ || files_.window;
    if (!covered && Isshown(Panel::Frinput) && !Isshown(Panel::Frshowresult))
        v.focus = Control::Txtinput;
    else if (!covered && Isshown(Panel::Frgetname))
        v.focus = Control::Txtname;
    else if (!covered && Isshown(Panel::Frgetresult) && keyboard_)
        v.focus = Control::Txtcorrect;
    else
        v.focus = v.defaultControl;
    v.box = box_;
    v.files = files_.window;
    v.quit = quit_;
    v.instructions = instructions_;
    v.about = about_;
    v.designerButtons = designer_;
    Describedemo(v);
    v.toolbarPressed = Toolbarpressed(keyboard_, display_, v.animation.on);
    Describestatistics(v);
    return v;
}

}  // namespace tallimor
