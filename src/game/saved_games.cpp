// Saved games: Save and Save As from the menu, writing a game and going on
// as its status says, and loading one, shown for examination when it is
// finished and continued where it stood when it is not.

#include <algorithm>

#include "game/tallimormod.h"
#include "rules/code_string.h"

namespace tallimor {

namespace {

constexpr const char* kToolongtext =
    "This game cannot be saved: its guesses need more room than a saved game has.";

bool Endsthegame(GameStatus status) {
    using S = GameStatus;
    return status == S::Errordetected || status == S::Endgame || status == S::Hintsconsistent ||
           status == S::Latedetection || status == S::Gameover;
}

}  // namespace

std::string Tallimormod::Gamesfolder() const { return recordsFolder_ + "Files/"; }

void Tallimormod::Setfinaltrial() {
    // The computer's current guess has no hint yet.
    g_.Finaltrial = static_cast<int16_t>(g_.Settings.Playerguesses() ? g_.Currenttrial : g_.Currenttrial - 1);
}

void Tallimormod::Mnusave_Click() {
    if (!menus_.Mnusaving || box_ || files_.window) return;
    if (savestatus_ == SaveStatus::Unsaved) {
        Mnusaveas_Click();
        return;
    }
    Setfinaltrial();
    Savegame(gamefile_);
}

void Tallimormod::Mnusaveas_Click() {
    if (!menus_.Mnusaving || box_ || files_.window) return;
    Setfinaltrial();
    Openfilewindow(false);
    Setwait(Wait::Mnusave);
}

void Tallimormod::Mnuload_Click() {
    if (!menus_.Mnuload || box_ || files_.window) return;
    demoOn_ = false;
    Openfilewindow(true);
    Setwait(Wait::Load);
}

void Tallimormod::Savegame(const std::string& path) {
    if (timers_[static_cast<size_t>(Timerid::Tmrrec)].enabled) clock_.Calculatetime();
    SavedGameFile game;
    const GameSettings& s = g_.Settings;
    game.Who = Code(s.Who);
    game.Inputmethod = input_.keyboard ? "Keyboard" : "Mouse";
    game.Displaymode = screen_.display == Displaymode::Colour ? "Colour" : "Number";
    game.Markflag = marking_.computerMarks ? -1 : 0;
    game.Colours = s.Colours, game.Startfrom = Code(s.Startfrom), game.Starttrial = s.Starttrial;
    game.Codelength = s.Codelength, game.Fixedlength = Code(s.Fixedlength),
    game.Hinterrors = Code(s.Hinterrors);
    game.Ordertype = Code(s.Ordertype), game.MaxRepeat = s.MaxRepeat;
    game.Gamestatus = Gamestatustext(g_.Gamestatus);
    game.Currenttrial = g_.Currenttrial;
    game.Finaltrial = g_.Finaltrial;
    game.Answer = g_.Answer;
    for (size_t t = 0; t < kTrialRows; ++t) {
        const TrialRecord& row = g_.Record[static_cast<int>(t)];
        game.Trialguess[t] = row.Trialguess;
        game.Trialblack[t] = row.Trialblack, game.Trialwhite[t] = row.Trialwhite;
        game.HintTotal[t] = row.HintTotal;
        game.TrialColours[t] = tables_.TrialColours[t];
        game.TrialLayers[t] = tables_.TrialLayers[t];
        game.TrialChoice[t] = tables_.TrialChoice[t];
    }
    game.ErrorPending = wrong_.ErrorPending ? -1 : 0;
    game.ErrorTrials = g_.ErrorTrials;
    game.TrueBlacks = wrong_.TrueBlacks, game.TrueWhites = wrong_.TrueWhites;
    game.Checkedtrial = wrong_.Checkedtrial;
    game.ColourOrder = tables_.ColourOrder;
    game.Guessstr = g_.Guessstr;
    game.MaxTested = tables_.MaxTested, game.Saturation = tables_.Saturation;
    // Past the hour the game is over whatever the clock says (a machine
    // that slept may give hours): it keeps the first second over.
    game.Timespent = std::min(clock_.Timespent, kLongestgame);

    const SavedGameResult saved = Writesavedgame(path, game, savedBuffer_);
    // Nothing is closed or changed unless the file is written: the player may
    // try another place, or go back to the game.
    if (saved.status == SavedGameStatus::TooLong) {
        Messagebox(Message::Toolong, kToolongtext);
        return;
    }
    // The disk box is for a place that is not there; any other failure
    // gives the system's reason.
    if (saved.status == SavedGameStatus::Noplace) {
        Notready(Fileerror::Nofileaccess, path);
        return;
    }
    if (!saved.Ok()) {
        Messagebox(Message::Notsaved,
                   "The game cannot be saved: " + saved.reason + ".\nNothing has been changed.");
        return;
    }
    Closefilewindow();
    gamefile_ = path;
    if (savestatus_ == SaveStatus::Unsaved) savestatus_ = SaveStatus::Saved;
    wait_.Pop();
    if (Endsthegame(g_.Gamestatus)) {
        Finishgame();
    } else if (g_.Gamestatus == GameStatus::Win) {
        if (s.Playerguesses() && clock_.Timespent < kGameSeconds && g_.Currenttrial < kLastTrial)
            Checkwinners();
        else
            Finishgame();
    } else {
        screen_.title = "Saved Game - " + gamefile_;
        Retimewait(0);
    }
}

void Tallimormod::Loadgame(const std::string& path) {
    const SavedGameResult loaded = Readsavedgame(path, savedBuffer_);
    if (loaded.status == SavedGameStatus::Unreadable) {
        Notready(Fileerror::Nofileaccess, path);
        return;
    }
    // A damaged file changes nothing: the window stays for another choice.
    if (!loaded.Ok()) {
        Messagebox(Message::Notvalid, "The file " + loaded.reason + ".\nNothing has been loaded.");
        return;
    }
    saved_ = lists_.Save();
    Closefilewindow();
    Restoregame(savedBuffer_);
    gamefile_ = path;
    savestatus_ = SaveStatus::Loaded;
    screen_.title = "Loaded Game - " + gamefile_;
    menus_.Mnuset = menus_.Mnunew = menus_.Mnuload = menus_.Mnusaving = menus_.Mnudemo = false;
    menus_.Mnuend = true;
    Hide(Panel::Picfore);
    Show(Panel::Picupper);
    Show(Panel::Picrecord);
    if (!g_.Playing()) {
        Showsetting();
        if (g_.Gamestatus == GameStatus::Hintsconsistent)
            Showanswer("Possible Answer");
        else if (Storesanswer(savedBuffer_))
            Showanswer("Answer");
        Messagebox(Message::Notgame,
                   "Here is the result of a previous game.\nPress the FINISH button after you have finished "
                   "examining the result.");
    } else if (!g_.Settings.Playerguesses()) {
        Resumeloaded();
        if (Storesreasoning(savedBuffer_)) {
            Getresult();
        } else {
            // Saved before the clock counted its first second, the file holds
            // no reasoning: the computer takes the stored trials in again as
            // given and then guesses on.
            wrong_.Checkedtrial = std::max(wrong_.Checkedtrial, g_.Finaltrial);
            g_.Currenttrial = 0;
            Getguess();
        }
    } else {
        Messagebox(Message::Notenter,
                   "Please notice that for a loaded game, you will not\nenter the Top Five List even if you "
                   "break the record.");
    }
}

void Tallimormod::Restoregame(const SavedGameFile& f) {
    input_.keyboard = f.Inputmethod == "Keyboard";
    Setdisplay(f.Displaymode == "Number" ? Displaymode::Number : Displaymode::Colour);
    if (f.Who == Code(Guesser::Computer)) marking_.computerMarks = f.Markflag != 0;
    GameSettings s = GameSettings::Make(f.Colours, f.Codelength, f.Fixedlength == Code(Lengthkind::Fixed),
                                        f.Ordertype, f.MaxRepeat, f.Who, f.Startfrom, f.Hinterrors);
    s.Starttrial = f.Starttrial;
    g_.Settings = s;
    Clearrec(g_);
    // The reader lets through only the statuses a game can be saved in.
    g_.Gamestatus = Gamestatusnamed(f.Gamestatus).value_or(GameStatus::None);
    wrong_.Clear();
    wrong_.ErrorPending = f.ErrorPending != 0;
    wrong_.TrueBlacks = f.TrueBlacks, wrong_.TrueWhites = f.TrueWhites;
    wrong_.Checkedtrial = f.Checkedtrial;
    g_.ErrorTrials = f.ErrorTrials;
    errorRecord_.clear();
    g_.Finaltrial = f.Finaltrial;
    clock_.Timeoffset = clock_.Timespent = f.Timespent;
    clock_.Timetext = Converttime(f.Timespent);
    g_.Currenttrial = f.Currenttrial;
    wait_.Starttrial = s.Starttrial;

    screen_.board.rows.clear();
    screen_.board.corrected.clear();
    screen_.board.codelength = s.Codelength;
    screen_.board.fixedOrder = s.Fixedorder();
    screen_.board.heading = "RECORD";
    for (int t = 1; t <= f.Finaltrial; ++t) {
        const size_t i = static_cast<size_t>(t);
        // The total the engine reasons with follows from the counts; the
        // file holds it only beside the reasoning it belongs to.
        const int16_t total =
            s.Fixedorder() ? f.Trialblack[i] : static_cast<int16_t>(f.Trialblack[i] + f.Trialwhite[i]);
        g_.Record[t] = TrialRecord{f.Trialguess[i], f.Trialblack[i], f.Trialwhite[i], total};
        screen_.board.rows[t] = g_.Record[t];
    }
    reported_ = f.Finaltrial;
    if (Storesanswer(f)) {
        g_.Answer = f.Answer;
        g_.Answerblanks = static_cast<int16_t>(Countchar(g_.Answer, kBlank));
    }
    tables_ = EngineTables{};
    engine_.emplace(g_, tables_, wrong_);
    if (Storesreasoning(f)) {
        tables_.ColourOrder = f.ColourOrder;
        g_.Guessstr = f.Guessstr;
        tables_.MaxTested = f.MaxTested, tables_.Saturation = f.Saturation;
        for (int t = 0; t <= f.Finaltrial; ++t) {
            const size_t i = static_cast<size_t>(t);
            tables_.TrialColours[i] = f.TrialColours[i];
            tables_.TrialLayers[i] = f.TrialLayers[i];
            tables_.TrialChoice[i] = f.TrialChoice[i];
            g_.Record[t].HintTotal = f.HintTotal[i];
        }
    }
    // A game the computer reasons about, or whose hints a claim may question,
    // needs a colour order; one saved without its reasoning gets a new one.
    if (tables_.ColourOrder.empty() && (!s.Playerguesses() || s.Errorsallowed())) {
        if (Preset.colourOrder.empty())
            engine_->Drawcolourorder();
        else
            tables_.ColourOrder = Preset.colourOrder;
    }
    tables_.NoConsistentCode = false;
}

void Tallimormod::Resumeloaded() {
    clock_.Start(clock_.Timeoffset);
    Show(Panel::Lbltime);
    clock_.Calculatetime();
    warned_ = clock_.Timespent >= kWarningSeconds;
    Starttimer(Timerid::Tmrrec);
}

}  // namespace tallimor
