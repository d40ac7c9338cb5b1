// tallimor-sim script: a "You guess" game of the menu's first setting played
// from a seed with the mouse's handlers (double-clicks, Submit, OK), then
// ended with End Game.  Prints what the player reads at each step, so the
// browser edition's tests can compare the page with the module run natively.
// With --save NAME the closing box's "Save File" saves the game in the file
// window as NAME, in the Files/ folder of --dir (a program folder).
// --hint-errors plays "May contain error(s)" and prints the trials that get
// a wrong hint.

#include <cstdio>
#include <string>

#include "commands.h"
#include "game/virtual_host.h"

namespace tallimor::sim {

namespace {

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

void Printstatus(const Tallimormod& m) { std::printf("status %s\n", Trimmed(m.Describe().status).c_str()); }

}  // namespace

int Scriptcommand(const Options& options) {
    std::string folder = options.Text("dir", "");
    if (!folder.empty() && folder.back() != '/') folder += '/';
    Virtualhost host(folder);
    Tallimormod& m = host.mod;
    m.Chance().Seed(static_cast<uint64_t>(options.Number("seed", 0, 2147483647)));
    m.Form_Activate(false);
    m.Mnuset_Click();
    Printstatus(m);
    if (options.Has("hint-errors")) m.Cblist_Click(SettingList::Hint, "May contain error(s)");
    m.Cmdstart_Click();
    Printstatus(m);
    if (options.Has("hint-errors")) std::printf("errors %s\n", m.State().ErrorTrials.c_str());
    for (const std::string& guess : Codelist(options.Text("guesses"))) {
        for (char c : guess) m.Lblcolour_DblClick(c - '0');
        m.Cmdsubcol_Click();
        Printstatus(m);
        if (m.Box()) break;
        m.Cmdshowresult_Click();
        Printstatus(m);
    }
    if (!m.Box()) {
        m.Mnuend_Click();
        Printstatus(m);
        m.Messagebutton_Click(m.Box()->defaultButton);
        while (!m.Box() && host.Step()) {
        }
    }
    const Mainview v = m.Describe();
    // The rows as the board shows them: a "Fixed order" game shows one count.
    for (const auto& [trial, row] : v.board.rows) {
        std::printf("row %d %s %d", trial, row.Trialguess.c_str(), row.Trialblack);
        if (!v.board.fixedOrder) std::printf(" %d", row.Trialwhite);
        std::printf("\n");
    }
    std::printf("answer %s\n", v.answer.c_str());
    if (v.box) std::printf("box %s | %s\n", v.box->title.c_str(), v.box->text.c_str());
    Printstatus(m);
    if (options.Has("save") && v.box && v.box->saveOffered) {
        m.Messagebutton_Click(Msgbutton::Cmdl3);
        m.Txtfiles_Change(options.Text("save"));
        m.Cmdsave_Click();
        std::printf("saved %s\n", m.Gamefile().c_str());
    }
    return 0;
}

}  // namespace tallimor::sim
