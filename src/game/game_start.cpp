// The start of a game, shared by every role: the record is cleared, the
// secret code made, the trials before a middle start played, and the clock
// or the computer's delay timer set going.

#include "game/tallimormod.h"
#include "reasoning/wrong_hints.h"
#include "records/start_trial.h"
#include "rules/code_string.h"
#include "rules/marking.h"

namespace tallimor {

void Tallimormod::Startplay() {
    Startgame();
    Getguess();
}

WinnersResult Tallimormod::Initialize() {
    WinnersResult records;
    Clearrec(g_);
    wrong_.Clear();
    tables_.Clear();
    errorRecord_.clear();
    reported_ = 0;
    engine_.emplace(g_, tables_, wrong_);
    screen_.title = demoOn_ ? "Demo" : "New Game - Unsaved";
    savestatus_ = SaveStatus::Unsaved;
    Hide(Panel::Picfore);
    Show(Panel::Picupper);
    screen_.board.rows.clear();
    screen_.board.corrected.clear();
    screen_.board.codelength = g_.Settings.Codelength;
    screen_.board.fixedOrder = g_.Settings.Fixedorder();
    screen_.board.heading = "RECORD";
    Show(Panel::Picrecord);
    const GameSettings& s = g_.Settings;
    if (!s.Playerguesses() || s.Errorsallowed()) {
        if (Preset.colourOrder.empty())
            engine_->Drawcolourorder();
        else
            tables_.ColourOrder = Preset.colourOrder;
    }
    if (s.Playerguesses() || s.Computerplays()) {
        if (Preset.answer.empty()) {
            Makecode(g_, MakeTarget::Answer);
        } else {
            g_.Answer = Preset.answer;
            g_.Answerblanks = static_cast<int16_t>(Countchar(g_.Answer, kBlank));
        }
    }
    g_.Gamestatus = GameStatus::Preparation;
    g_.ErrorTrials.clear();
    if (s.Errorsallowed()) {
        if (Preset.errorTrials) {
            g_.ErrorTrials = *Preset.errorTrials;
        } else {
            // An empty records folder is a run without records files.
            float average = 0;
            if (!recordsFolder_.empty()) {
                records = Readwinners(recordsFolder_, s.Colours, winners_);
                if (records.Usable()) average = Averageattempts(winners_, s);
            }
            g_.ErrorTrials = Geterrortrial(average, g_.Random);
        }
    }
    if (!s.Middlestart() && (Preset.given.empty() || s.Computerguesses())) {
        g_.Settings.Starttrial = 1;
    } else if (!Preset.given.empty() && !s.Computerguesses()) {
        g_.Settings.Startfrom = Startpoint::Middle;
        g_.Settings.Starttrial = static_cast<int16_t>(Preset.given.size() + 1);
        for (size_t i = 0; i < Preset.given.size(); ++i) {
            g_.Currenttrial = static_cast<int16_t>(i + 1);
            g_.Guessstr = Preset.given[i];
            Mark(g_);
            Showrecord(g_.Currenttrial);
            Processmark(g_);
        }
    } else if (!s.Computerguesses()) {
        const WinnersResult read = Getstarttrial(g_, recordsFolder_, winners_);
        if (records.Usable()) records = read;
        Playearlytrials(g_);
        for (int t = 1; t < g_.Settings.Starttrial; ++t) screen_.board.rows[t] = g_.Record[t];
    }
    if (Probe.trialRecorded && !s.Computerguesses())
        for (int t = 1; t < g_.Settings.Starttrial; ++t)
            Probe.trialRecorded(t, g_.Record[t].Trialguess,
                                Hint{g_.Record[t].Trialblack, g_.Record[t].Trialwhite, 0});
    if (!s.Computerguesses()) reported_ = g_.Settings.Starttrial - 1;
    g_.Currenttrial = static_cast<int16_t>(s.Playerguesses() ? g_.Settings.Starttrial - 1 : 0);
    wait_.Starttrial = g_.Settings.Starttrial;
    menus_.Mnuset = menus_.Mnunew = menus_.Mnuload = menus_.Mnusaving = menus_.Mnudemo = false;
    menus_.Mnuend = true;
    return records;
}

void Tallimormod::Startgame() {
    g_.Gamestatus = GameStatus::Playing;
    // The player takes part when guessing or when marking the computer's guesses.
    if (g_.Settings.Playerguesses() || (g_.Settings.Computerguesses() && !marking_.computerMarks)) {
        clock_.Start(0);
        Show(Panel::Lbltime);
        warned_ = false;
        Starttimer(Timerid::Tmrrec);
        Placefigure();
        return;
    }
    // A game the player only watches: the delay timer carries it, a step a tick.
    menus_.Mnugame = menus_.Mnumedia = menus_.Mnuoption = menus_.Mnuhelp = false;
    Showsetting();
    Showanswer("Answer");
    if (wait_.Current() == Wait::Demo) screen_.board.heading = "DEMO";
    Pacedelay(wait_.Current() == Wait::Demo);
}

void Tallimormod::Getguess() {
    if (g_.Settings.Playerguesses())
        Getstring();
    else
        Computerguess();
}

}  // namespace tallimor
