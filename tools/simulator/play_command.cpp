#include <algorithm>
#include <cstdio>
#include <sstream>

#include "commands.h"
#include "game/virtual_host.h"
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
    const GameSettings s = options.Setting();
    const std::string order = options.Text("colour-order");
    std::string sortedOrder = order;
    std::sort(sortedOrder.begin(), sortedOrder.end());
    if (sortedOrder != Colourdigits(s))
        throw UsageError("--colour-order must hold each of the digits " + Colourdigits(s) + " once");
    Gamepreset preset;
    preset.colourOrder = order;
    preset.answer = Validcode(s, "answer", options.Text("answer"));

    if (options.Has("start") || options.Has("given")) {
        const long start = options.Number("start", 2, 9);
        std::stringstream list(options.Text("given"));
        for (std::string code; std::getline(list, code, ',');) {
            Validcode(s, "given", code);
            if (code == preset.answer) throw UsageError("a given guess equals the answer");
            if (std::find(preset.given.begin(), preset.given.end(), code) != preset.given.end())
                throw UsageError("the given guess " + code + " appears twice");
            preset.given.push_back(code);
        }
        if (static_cast<long>(preset.given.size()) != start - 1)
            throw UsageError("--given must list " + std::to_string(start - 1) + " guesses for --start " +
                             std::to_string(start));
    }
    Virtualhost host;
    host.mod.Probe.trialRecorded = [](int trial, const std::string& guess, const Hint& hint) {
        std::printf("%d %s %d %d\n", trial, guess.c_str(), hint.Blacks, hint.Whites);
    };
    switch (Playwatched(host, s, preset)) {
        case Watchedend::Win:
            std::printf("win %d\n", host.mod.State().Attempts);
            break;
        case Watchedend::Lost:
            std::printf("lost\n");
            break;
        case Watchedend::Bug:
            std::printf("bug\n");
            break;
    }
    return 0;
}

}  // namespace tallimor::sim
