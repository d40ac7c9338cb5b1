#include <algorithm>
#include <cstdio>
#include <sstream>

#include "commands.h"
#include "reasoning/watched_game.h"
#include "rules/code_string.h"
#include "rules/marking.h"

namespace tallimor::sim {

namespace {

std::string Validcode(const GameSettings& s, const std::string& name, const std::string& code) {
    if (!Isvalidcode(s, code))
        throw UsageError("--" + name + " '" + code + "' is not a code of this setting");
    return code;
}

}  // namespace

std::string Describe(const GameSettings& s) {
    return std::to_string(s.Colours) + " colours, length " + Lengthtext(s) + ", " +
           (s.fixedOrder() ? "Fixed order" : "Random order") + ", " + Repeattext(s);
}

int Markcommand(const Options& options) {
    const GameSettings s = options.Setting();
    const std::string answer = Validcode(s, "answer", options.Text("answer"));
    const std::string guess = Validcode(s, "guess", options.Text("guess"));
    const Hint h = Markcode(s, guess, answer);
    std::printf("%d %d %d\n", h.Blacks, h.Whites, h.Blankhits);
    return 0;
}

int Play(const Options& options) {
    WatchedGame w;
    w.game.Settings = options.Setting();
    const GameSettings& s = w.game.Settings;
    const std::string order = options.Text("colour-order");
    std::string sortedOrder = order;
    std::sort(sortedOrder.begin(), sortedOrder.end());
    if (sortedOrder != Colourdigits(s))
        throw UsageError("--colour-order must hold each of the digits " + Colourdigits(s) + " once");
    const std::string answer = Validcode(s, "answer", options.Text("answer"));

    std::vector<std::string> given;
    if (options.Has("start") || options.Has("given")) {
        const long start = options.Number("start", 2, 9);
        std::stringstream list(options.Text("given"));
        for (std::string code; std::getline(list, code, ',');) {
            Validcode(s, "given", code);
            if (code == answer) throw UsageError("a given guess equals the answer");
            if (std::find(given.begin(), given.end(), code) != given.end())
                throw UsageError("the given guess " + code + " appears twice");
            given.push_back(code);
        }
        if (static_cast<long>(given.size()) != start - 1)
            throw UsageError("--given must list " + std::to_string(start - 1) + " guesses for --start " +
                             std::to_string(start));
    }
    w.Initialize(answer, given, order);
    const WatchedGame::End end = w.Play([](int trial, const std::string& guess, const Hint& hint) {
        std::printf("%d %s %d %d\n", trial, guess.c_str(), hint.Blacks, hint.Whites);
    });
    switch (end) {
        case WatchedGame::End::Win:
            std::printf("win %d\n", w.game.Attempts);
            break;
        case WatchedGame::End::Lost:
            std::printf("lost\n");
            break;
        case WatchedGame::End::Bug:
            std::printf("bug\n");
            break;
    }
    return 0;
}

}  // namespace tallimor::sim
