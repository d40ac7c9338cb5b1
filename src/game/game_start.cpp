// The start of a game, shared by every role: the record is cleared, the
// secret code made, the trials before a middle start played, and the clock
// or the computer's delay timer set going.

#include "game/tallimormod.h"
#include "records/start_trial.h"
#include "rules/code_string.h"
#include "rules/marking.h"

namespace tallimor {

void Tallimormod::Newgame(const GameSettings& settings) {
    g_.Settings = settings;
    Hide(Panel::Frmenu);
    Setwait(0, "");
    if (g_.Settings.Who == 2) return;  // the player's preparation panels come with the computer's game
    const WinnersResult records = Initialize();
    if (!records.Usable()) {
        // The game goes on from trial 1 once the player has read why.
        Messagebox("Recordsfile", records.message, Afterbox::Startplay);
        return;
    }
    Startplay();
}

void Tallimormod::Startplay() {
    Startgame();
    Getguess();
}

WinnersResult Tallimormod::Initialize() {
    WinnersResult records;
    Clearrec(g_);
    wrong_.Clear();
    tables_.Clear();
    engine_.emplace(g_, tables_, wrong_);
    title_ = "New Game - Unsaved";
    Hide(Panel::Picfore);
    Show(Panel::Picupper);
    board_.rows.clear();
    board_.codelength = g_.Settings.Codelength;
    board_.fixedOrder = g_.Settings.fixedOrder();
    board_.heading = "RECORD";
    Show(Panel::Picrecord);
    const GameSettings& s = g_.Settings;
    if (s.Who != 1 || s.Hinterrors == 2) {
        if (Preset.colourOrder.empty())
            engine_->Drawcolourorder();
        else
            tables_.ColourOrder = Preset.colourOrder;
    }
    if (s.Who == 1 || s.Who == 3) {
        if (Preset.answer.empty()) {
            Makecode(g_, MakeTarget::Answer);
        } else {
            g_.Answer = Preset.answer;
            g_.Answerblanks = static_cast<int16_t>(Countchar(g_.Answer, kBlank));
        }
    }
    g_.Gamestatus = "Preparation";
    // Wrong hints are chosen with the computer's wrong-hint flow; until then
    // no trial gets one.
    g_.ErrorTrials.clear();
    if (s.Startfrom == 1 && Preset.given.empty()) {
        g_.Settings.Starttrial = 1;
    } else if (!Preset.given.empty()) {
        g_.Settings.Startfrom = 2;
        g_.Settings.Starttrial = static_cast<int16_t>(Preset.given.size() + 1);
        for (size_t i = 0; i < Preset.given.size(); ++i) {
            g_.Currenttrial = static_cast<int16_t>(i + 1);
            g_.Guessstr = Preset.given[i];
            Mark(g_);
            Showrecord(g_.Currenttrial);
            Processmark(g_);
        }
    } else if (s.Who != 2) {
        records = Getstarttrial(g_, recordsFolder_, winners_);
        Playearlytrials(g_);
        for (int t = 1; t < g_.Settings.Starttrial; ++t) board_.rows[t] = g_.Record[t];
    }
    if (Probe.trialRecorded && s.Who != 1)
        for (int t = 1; t < g_.Settings.Starttrial; ++t)
            Probe.trialRecorded(t, g_.Record[t].Trialguess,
                                Hint{g_.Record[t].Trialblack, g_.Record[t].Trialwhite, 0});
    g_.Currenttrial = static_cast<int16_t>(s.Who == 1 ? g_.Settings.Starttrial - 1 : 0);
    wait_.Starttrial = g_.Settings.Starttrial;
    menus_.Mnuset = menus_.Mnunew = menus_.Mnuload = menus_.Mnusaving = menus_.Mnudemo = false;
    menus_.Mnuend = true;
    return records;
}

void Tallimormod::Startgame() {
    g_.Gamestatus = "Playing";
    if (g_.Settings.Who == 1) {
        clock_.Start(0);
        Show(Panel::Lbltime);
        warned_ = false;
        Starttimer(Timerid::Tmrrec);
        return;
    }
    // A game the player only watches: the delay timer carries it, a step a tick.
    menus_.Mnugame = menus_.Mnumedia = menus_.Mnuoption = menus_.Mnuhelp = false;
    Showsetting();
    Showanswer("Answer");
}

void Tallimormod::Getguess() {
    if (g_.Settings.Who == 1)
        Getstring();
    else
        Computerguess();
}

}  // namespace tallimor
