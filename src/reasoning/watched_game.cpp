#include "reasoning/watched_game.h"

#include <chrono>

#include "rules/code_string.h"
#include "rules/marking.h"

namespace tallimor {

Markstep Computermark(GameState& g) {
    Mark(g);
    Processmark(g);
    if (Iswin(g)) {
        g.Finaltrial = g.Currenttrial;
        g.Attempts = static_cast<int16_t>(g.Currenttrial - g.Settings.Starttrial + 1);
        g.Gamestatus = "Win";
        return Markstep::Win;
    }
    // A missed last trial ends the computer's game as it ends the player's.
    if (g.Currenttrial >= kLastTrial) {
        g.Finaltrial = g.Currenttrial;
        g.Gamestatus = "Gameover";
        return Markstep::Gameover;
    }
    return Markstep::Nextguess;
}

void WatchedGame::Initialize(const std::string& answer, const std::vector<std::string>& given,
                             const std::string& colourOrder) {
    GameState& g = game;
    g.Settings.Who = 3;
    g.Currenttrial = 0;
    g.Finaltrial = 0;
    g.Attempts = 0;
    g.Record.Clear();
    g.ErrorTrials.clear();
    wrong.Clear();
    tables.Clear();
    if (colourOrder.empty()) {
        Engine(g, tables, wrong).Drawcolourorder();
    } else {
        tables.ColourOrder = colourOrder;
    }
    if (answer.empty()) {
        Makecode(g, MakeTarget::Answer);
    } else {
        g.Answer = answer;
        g.Answerblanks = static_cast<int16_t>(Countchar(answer, kBlank));
    }
    g.Gamestatus = "Preparation";
    g.Settings.Starttrial = static_cast<int16_t>(given.empty() ? 1 : given.size() + 1);
    g.Settings.Startfrom = given.empty() ? 1 : 2;
    for (size_t i = 0; i < given.size(); ++i) {
        g.Currenttrial = static_cast<int16_t>(i + 1);
        g.Guessstr = given[i];
        Mark(g);
        Processmark(g);
    }
    g.Currenttrial = 0;
}

WatchedGame::End WatchedGame::Play(const TrialObserver& onTrial, const ThinkObserver& onThink) {
    GameState& g = game;
    if (onTrial) {
        for (int t = 1; t < g.Settings.Starttrial; ++t) {
            const TrialRecord& row = g.Record[t];
            onTrial(t, row.Trialguess, Hint{row.Trialblack, row.Trialwhite, 0});
        }
    }
    g.Gamestatus = "Playing";
    Engine engine(g, tables, wrong);
    engine.Setcomputermarks(true);
    for (;;) {
        const auto started = std::chrono::steady_clock::now();
        const Conclusion c = engine.Getguess();
        if (onThink)
            onThink(std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
        if (c.kind != Conclusion::Kind::Delaytimer) return End::Bug;
        if (!c.owntrial) continue;  // a given trial: its hint is already recorded
        const Markstep step = Computermark(g);
        if (onTrial) onTrial(g.Currenttrial, g.Guessstr, g.Result);
        if (step == Markstep::Win) return End::Win;
        if (step == Markstep::Gameover) return End::Lost;
    }
}

}  // namespace tallimor
