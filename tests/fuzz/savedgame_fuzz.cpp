// Fuzz target for the saved-game reader: a refused file leaves the buffer as
// it was; a record it accepts is one the writer writes back to the same
// bytes and the reader accepts again, and one a fresh game module loads and
// plays on for a few steps without a trial past 27 or a crash.
#include <stdlib.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "game/virtual_host.h"
#include "records/computer_statistics.h"
#include "savegame/saved_game_file.h"

using namespace tallimor;

static void Require(bool ok, const char* what) {
    if (!ok) std::fprintf(stderr, "saved game fuzz target: %s\n", what), std::abort();
}

// A file the module can load: one per run, rewritten for every input.
static const std::string& Scratchfile() {
    static const std::string path = [] {
        std::string folder = "/tmp/tallimor-fuzz-XXXXXX";
        Require(::mkdtemp(folder.data()) != nullptr, "no scratch folder");
        return folder + "/game.mm";
    }();
    return path;
}

// A code of the setting that is neither the answer nor an earlier guess, so
// the game goes on to its next trial; "" when the search finds none soon.
static std::string Missingguess(const GameState& g) {
    std::string code = Firstcode(g.Settings);
    for (int tries = 0; tries < 4000; ++tries) {
        bool used = code == g.Answer;
        for (int t = 1; t <= kLastTrial && !used; ++t) used = g.Record[t].Trialguess == code;
        if (!used) return code;
        if (!Nextcode(g.Settings, code)) break;
    }
    return "";
}

static void Requiresound(const Tallimormod& m) {
    const GameState& g = m.State();
    Require(g.Currenttrial >= 0 && g.Currenttrial <= kLastTrial, "the trial counter left 0 to 27");
    Require(g.Finaltrial >= 0 && g.Finaltrial <= kLastTrial, "the stored trials left 0 to 27");
    const Mainview v = m.Describe();
    Require(v.board.rows.empty() || v.board.rows.rbegin()->first <= kLastTrial,
            "the board shows a trial past 27");
    if (v.box) {
        Require(v.box->id != Message::Notvalid, "an accepted file was refused by the module");
        for (const char* past : {"tried 28", "tried 29", "Trial 28"})
            Require(v.box->text.find(past) == std::string::npos, "a message counts past trial 27");
    }
}

// Loads the record into a fresh module and plays a few steps as a player
// would: answer every box with its default button, guess codes that miss,
// mark the computer's guesses with no correct colours, and let time pass.
static void Playloaded(const std::vector<uint8_t>& bytes) {
    {
        std::ofstream out(Scratchfile(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    Virtualhost host("");
    Tallimormod& m = host.mod;
    m.Loadgame(Scratchfile());
    Require(m.Savestatus() == SaveStatus::Loaded, "an accepted file was not loaded");
    for (int step = 0; step < 12; ++step) {
        Requiresound(m);
        const Mainview v = m.Describe();
        if (v.box) {
            m.Messagebutton_Click(v.box->defaultButton);
        } else if (v.files) {
            m.Fmfiles_Cmdcancel_Click();
        } else if (v.Shown(Panel::Frgetstring) || v.Shown(Panel::Frinput)) {
            const std::string guess = Missingguess(m.State());
            if (guess.empty()) break;
            if (!v.keyboard) m.Mnukey_Click();
            m.Txtinput_Change(guess);
            m.Cmdsubnum_Click();
        } else if (v.Shown(Panel::Frshowresult)) {
            m.Cmdshowresult_Click();
        } else if (v.Shown(Panel::Frgetresult)) {
            if (!v.keyboard) m.Mnukey_Click();
            m.Txtcorrect_KeyPress('0');
            m.Txtwrong_KeyPress('0');
            m.Cmdgetresult_Click();
        } else if (!host.Step()) {
            break;  // nothing waits for the player and no timer runs: the game has ended
        }
    }
    Requiresound(m);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SavedGameFile before;
    before.Gamestatus = "stale", before.Trialguess[5] = "0123";  // what a refusal must keep
    SavedGameFile buffer = before;
    const std::string why = Decodesavedgame(data, size, buffer);
    if (!why.empty()) {
        Require(buffer == before, "a refused file changed the buffer");
        return 0;
    }
    Require(Checksavedgame(buffer).empty(), "an accepted record fails its own check");
    const std::vector<uint8_t> bytes = Encodesavedgame(buffer);
    Require(bytes.size() == kSavedGameRecordLength, "an accepted record does not fit a record");
    SavedGameFile again;
    Require(Decodesavedgame(bytes.data(), bytes.size(), again).empty() && again == buffer,
            "a written record read back differently");
    Require(Encodesavedgame(again) == bytes, "a record written twice gave other bytes");
    Playloaded(bytes);
    return 0;
}
