#include <algorithm>
#include <cstdio>
#include <sstream>

#include "commands.h"
#include "game/virtual_host.h"
#include "rules/code_string.h"
#include "rules/marking.h"

namespace tallimor::sim {

std::string Validcode(const GameSettings& s, const std::string& name, const std::string& code) {
    if (!Isvalidcode(s, code))
        throw UsageError("--" + name + " '" + code + "' is not a code of this setting");
    return code;
}

std::string Describe(const GameSettings& s) {
    return std::to_string(s.Colours) + " colours, length " + Lengthtext(s) + ", " +
           (s.Fixedorder() ? "Fixed order" : "Random order") + ", " + Repeattext(s);
}

int Markcommand(const Options& options) {
    const GameSettings s = options.Setting();
    const std::string answer = Validcode(s, "answer", options.Text("answer"));
    const std::string guess = Validcode(s, "guess", options.Text("guess"));
    const Hint h = Markcode(s, guess, answer);
    std::printf("%d %d %d\n", h.Blacks, h.Whites, h.Blankhits);
    return 0;
}

Gamepreset Readpreset(const Options& options, const GameSettings& s) {
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
        for (const std::string& code : Codelist(options.Text("given"))) {
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
    if (options.Has("errors")) {
        const std::string e = options.Text("errors");
        const bool digits = !e.empty() && e.size() <= 2 &&
                            std::all_of(e.begin(), e.end(), [](char c) { return c >= '1' && c <= '9'; });
        if (!digits || (e.size() == 2 && e[0] >= e[1]))
            throw UsageError("--errors must be one or two ascending digits from 1 to 9");
        preset.errorTrials = e;
    }
    return preset;
}

std::vector<std::string> Codelist(const std::string& text) {
    std::vector<std::string> codes;
    std::stringstream list(text);
    for (std::string code; std::getline(list, code, ',');) codes.push_back(code);
    return codes;
}

void Printtrials(Tallimormod& m) {
    m.Probe.trialRecorded = [](int trial, const std::string& guess, const Hint& hint) {
        std::printf("%d %s %d %d\n", trial, guess.c_str(), hint.Blacks, hint.Whites);
    };
}

int Play(const Options& options) {
    GameSettings s = options.Setting();
    const Gamepreset preset = Readpreset(options, s);
    if (preset.errorTrials) s.Hinterrors = Hintkind::Mayerr;
    Virtualhost host;
    Printtrials(host.mod);
    host.mod.Probe.inconsistent = [](int checkedtrial) { std::printf("inconsistent %d\n", checkedtrial); };
    host.mod.Probe.corrected = [](const Correctedhints& corrected) {
        std::printf("corrected");
        for (const auto& [trial, row] : corrected)
            std::printf(" %d:%d:%d", trial, row.Trialblack, row.Trialwhite);
        std::printf("\n");
    };
    switch (Playwatched(host, s, preset)) {
        case Watchedend::Win:
            std::printf("win %d", host.mod.State().Attempts);
            if (host.mod.Wronghints().WinHidden && !host.mod.Errorrecord().empty())
                std::printf(" hidden %d", host.mod.Wronghints().WinTrial);
            std::printf("\n");
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
