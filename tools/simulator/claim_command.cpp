// claim: a "You guess" game whose hints may contain errors, played with the
// given guesses to the Error button, and the verdict on the claim.

#include <algorithm>
#include <cstdio>

#include "commands.h"
#include "game/virtual_host.h"

namespace tallimor::sim {

namespace {

// The box's text on one line, each line feed written as "\n".
std::string Oneline(const std::string& text) {
    std::string out;
    for (char c : text) out += c == '\n' ? std::string("\\n") : std::string(1, c);
    return out;
}

bool Boxis(const Tallimormod& m, Message id) { return m.Box() && m.Box()->id == id; }

}  // namespace

int Claimcommand(const Options& options) {
    GameSettings s = options.Setting();
    s.Who = Guesser::Player;
    s.Hinterrors = Hintkind::Mayerr;
    if (!options.Has("errors")) throw UsageError("--errors is required");
    if (!options.Has("guesses")) throw UsageError("--guesses is required");
    const Gamepreset preset = Readpreset(options, s);
    const std::vector<std::string> guesses = Codelist(options.Text("guesses"));
    std::vector<std::string> seen = preset.given;
    for (const std::string& code : guesses) {
        Validcode(s, "guesses", code);
        if (std::find(seen.begin(), seen.end(), code) != seen.end())
            throw UsageError("the guess " + code + " appears twice");
        seen.push_back(code);
    }
    if (guesses.empty() && preset.given.empty())
        throw UsageError("--guesses must list a guess when the game starts at trial 1");

    Virtualhost host;
    Tallimormod& m = host.mod;
    Printtrials(m);
    m.Preset = preset;
    m.Mnukey_Click();
    m.Newgame(s);
    for (const std::string& guess : guesses) {
        m.Txtinput_Change(guess);
        m.Cmdsubnum_Click();
        if (Boxis(m, Message::Win)) {
            std::printf("win %d\n", m.State().Attempts);
            return 0;
        }
        m.Cmdshowresult_Click();
        if (Boxis(m, Message::Warning)) m.Messagebutton_Click(Msgbutton::Cmdmid);  // before the last trial
        if (m.State().Gamestatus == GameStatus::Gameover) {
            std::printf("lost\n");
            return 0;
        }
    }
    m.Cmderror_Click();
    const GameState& g = m.State();
    if (Boxis(m, Message::Continueplaying))
        std::printf("right\n");
    else if (g.Gamestatus == GameStatus::Latedetection)
        std::printf("late %d\n", m.Wronghints().DetectTrial - 1);
    else if (g.Gamestatus == GameStatus::Hintsconsistent)
        std::printf("consistent %s\n", g.Answer.c_str());
    else
        std::printf("bug\n");
    std::printf("text %s\n", m.Box() ? Oneline(m.Box()->text).c_str() : "");
    return 0;
}

}  // namespace tallimor::sim
