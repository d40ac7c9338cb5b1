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
    if (Isshown(Panel::Frgetresult)) return marking_.entry.okEnabled ? Control::Cmdgetresult : Control::None;
    if (Isshown(Panel::Frgetname)) return Control::Cmdokname;
    if (Isshown(Panel::Picwinners)) return Control::Cmdcontinue;
    if (Isshown(Panel::Frinput)) return screen_.subnum ? Control::Cmdsubnum : Control::None;
    if (Isshown(Panel::Frgetstring)) return screen_.subcol ? Control::Cmdsubcol : Control::None;
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
    v.title = screen_.title;
    v.status = Padstatus(Statustext(screen_.shownWait, wait_.Starttrial));
    v.thinking = wait_.Current() == Wait::Thinking;
    v.shown = screen_.shown;
    v.menus = menus_;
    v.toolbar = Settlb(menus_);
    v.keyboard = input_.keyboard;
    v.display = screen_.display;

    const std::array<const ChoiceList*, 7> lists{&lists_.Cbwho,    &lists_.Cbcolour, &lists_.Cbstart,
                                                 &lists_.Cblength, &lists_.Cbhint,   &lists_.Cborder,
                                                 &lists_.Cbrepeat};
    for (size_t i = 0; i < lists.size(); ++i) v.lists[i] = {lists[i]->items, lists[i]->shown};
    v.startEnabled = true;

    v.setcontent = Setcontenttext(g_.Settings, screen_.settingStatus);
    v.timelabel = Timelabeltext(clock_.Timetext);
    v.answercaption = screen_.answerCaption;
    v.answer = screen_.answerShown;

    v.colours = g_.Settings.Colours;
    // The panel is not used for typing, so no colour offers itself then.
    for (int c = 0; c < 10; ++c)
        v.colourBorder[static_cast<size_t>(c)] = !input_.keyboard && input_.row.Hasborder(c);
    if (Isshown(Panel::Frcolour))
        for (int c = 0; c < 10; ++c)
            v.colourTip[static_cast<size_t>(c)] = Colourtip(
                g_.Settings, input_.keyboard, input_.row.Hasborder(c), input_.row.Guessblanks() == 0);
    v.rowlength = input_.row.Length();
    v.blanks = g_.Settings.Blankroom > 0;
    for (int p = 0; p < kRowcells; ++p) v.row[static_cast<size_t>(p)] = input_.row.Cell(p);
    v.getstringPrompt = screen_.prompts.getstring;
    v.inputPrompt = screen_.prompts.input;
    v.inputText = input_.text;
    v.subcolEnabled = screen_.subcol;
    v.subnumEnabled = screen_.subnum;
    v.refusal = Refusalline(screen_.refusal, g_.Settings, input_.keyboard);
    v.errorEnabled = Isshown(Panel::Frerror);

    v.trials = screen_.result.trials;
    v.correct = screen_.result.correct;
    v.wrong = screen_.result.wrong;
    v.blacks = screen_.resultHint.Blacks;
    v.whites = screen_.resultHint.Whites;
    v.fixedOrder = g_.Settings.Fixedorder();

    v.trialno = marking_.trialno;
    v.markYes = marking_.computerMarks;
    v.entry = marking_.entry;

    v.topEnabled = lists_.Cbwho.Text() == "You guess";
    v.nametext = top_.nameText;
    v.winners = top_.view;

    v.board = screen_.board;
    // A mark stays only with its row: the board cleared at the end of a game takes it too.
    std::erase_if(v.board.corrected, [this](int trial) { return !screen_.board.rows.count(trial); });
    v.defaultControl = Defaultcontrol();
    const bool covered = box_ || files_.window;
    if (!covered && Isshown(Panel::Frinput) && !Isshown(Panel::Frshowresult))
        v.focus = Control::Txtinput;
    else if (!covered && Isshown(Panel::Frgetname))
        v.focus = Control::Txtname;
    else if (!covered && Isshown(Panel::Frgetresult) && input_.keyboard)
        v.focus = Control::Txtcorrect;
    else
        v.focus = v.defaultControl;
    v.box = box_;
    v.files = files_.window;
    v.quit = quit_;
    v.instructions = help_.instructions;
    v.about = help_.about;
    v.designerButtons = designer_;
    Describedemo(v);
    v.toolbarPressed = Toolbarpressed(input_.keyboard, screen_.display, v.animation.on);
    Describestatistics(v);
    return v;
}

}  // namespace tallimor
