#pragma once
// A game module on a virtual clock, with the moves a player makes and what
// the player would read, for the flow tests.

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "fresh_folder.h"
#include "game/virtual_host.h"
#include "rules/marking.h"

namespace tallimor {

using L = SettingList;
using Picks = std::vector<std::pair<SettingList, std::string>>;

inline const Picks kSixFour{{L::Colour, "6"}, {L::Length, "4"}, {L::Order, "Random order"}};
inline const Picks kComputer{{L::Who, "Computer guesses"},
                             {L::Colour, "6"},
                             {L::Length, "4"},
                             {L::Order, "Random order"},
                             {L::Repeat, "No repetition"}};

inline Picks With(Picks picks, SettingList list, const std::string& text) {
    picks.emplace_back(list, text);
    return picks;
}

inline std::string Trim(const std::string& s) {
    const size_t first = s.find_first_not_of(' ');
    return first == std::string::npos ? "" : s.substr(first, s.find_last_not_of(' ') - first + 1);
}

struct Game {
    std::filesystem::path folder;
    Virtualhost h;
    Tallimormod& m = h.mod;

    explicit Game(const std::string& name = "")
        : folder(name.empty() ? "" : Freshfolder("flow-" + name)),
          h(name.empty() ? "" : folder.string() + "/") {
        if (!name.empty()) std::filesystem::create_directories(folder / "Winners");
    }
    ~Game() {
        if (!folder.empty()) std::filesystem::remove_all(folder);
    }

    Mainview V() const { return m.Describe(); }
    std::string Status() const { return Trim(V().status); }
    std::string Stack() const { return m.Waitstack().Stack(); }
    std::string Boxid() const { return m.Box() ? std::string(Messageinfo(m.Box()->id).name) : ""; }
    std::string Boxtext() const { return m.Box() ? m.Box()->text : ""; }
    bool Shown(Panel p) const { return V().Shown(p); }
    bool Running(Timerid t) const { return m.Timers()[static_cast<size_t>(t)].enabled; }

    void Start(const Picks& picks, const std::string& answer = "") {
        m.Mnuset_Click();
        for (const auto& [list, text] : picks) m.Cblist_Click(list, text);
        m.Preset.answer = answer;
        m.Cmdstart_Click();
    }
    // A "Computer guesses" game the player marks, past its preparation with
    // the trial and marking offered: the first guess asked for is on show.
    // The computer's colour order is given: a drawn one now and then finds
    // the player's code at once, and the game would be over too soon.
    void Startmarking(const Picks& picks = kComputer) {
        Start(picks);
        m.Preset.colourOrder =
            std::string("0123456789").substr(0, static_cast<size_t>(m.State().Settings.Colours));
        m.Cmdoktrial_Click();
        m.Cmdokmark_Click();
        m.Cmdready_Click();
    }
    // Places each colour on its position with the mouse and submits.
    void Drop(const std::string& code) {
        for (size_t p = 0; p < code.size(); ++p)
            if (code[p] != 'b')
                m.Lblstring_DragDrop({DragSource::Colour, code[p] - '0'}, static_cast<int>(p));
        m.Cmdsubcol_Click();
    }
    void Press(Msgbutton b) { m.Messagebutton_Click(b); }
    // Game > End Game, and its OK.
    void Endgame() {
        m.Mnuend_Click();
        Press(Msgbutton::Cmdl2);
    }
    // Types a code by keyboard and submits it; Guess also takes its hint in.
    void Type(const std::string& code) {
        m.Txtinput_Change(code);
        m.Cmdsubnum_Click();
    }
    void Guess(const std::string& code) {
        Type(code);
        m.Cmdshowresult_Click();
    }
    // Starts a "You guess" game of `answer`, typed by keyboard, whose hints at
    // the trials in `errors` are wrong, with the guesses `given` of a middle start.
    void Startclaim(const std::string& answer, const std::string& errors, std::vector<std::string> given = {},
                    int colours = 6) {
        m.Preset = {answer, std::string("0123456789").substr(0, static_cast<size_t>(colours)),
                    std::move(given), errors};
        GameSettings s = GameSettings::Make(colours, static_cast<int>(answer.size()), true, 2, 1, 1);
        s.Hinterrors = Hintkind::Mayerr;
        m.Mnukey_Click();
        m.Newgame(s);
    }
    // The player types both counts of the guess on show and presses OK.
    void Counts(char blacks, char whites) {
        m.Txtcorrect_KeyPress(blacks);
        m.Txtwrong_KeyPress(whites);
        m.Cmdgetresult_Click();
    }
    // The player marks the computer's guess truly against `code`.
    void Mark(const std::string& code) {
        if (m.State().Guessstr == code) return m.Cmdwin_Click();
        const Hint h = Markcode(m.State().Settings, m.State().Guessstr, code);
        m.Cbwrong_Click(std::to_string(h.Whites));
        m.Cbcorrect_Click(std::to_string(h.Blacks));
        m.Cmdgetresult_Click();
    }
    // Types a name into the open file window and presses its Open or Save.
    void Choose(const std::string& name) {
        m.Txtfiles_Change(name);
        V().files->opening ? m.Cmdopen_Click() : m.Cmdsave_Click();
    }
    void Saveas(const std::string& name) {
        m.Mnusaveas_Click();
        Choose(name);
    }
    // Loads the game `saver` saved as `name`.
    void Loadfrom(const Game& saver, const std::string& name) {
        m.Mnuload_Click();
        m.Dirfiles_Change(saver.folder.string() + "/Files");
        Choose(name);
    }
    std::string Path(const std::string& name) const { return folder.string() + "/Files/" + name; }
};

}  // namespace tallimor
