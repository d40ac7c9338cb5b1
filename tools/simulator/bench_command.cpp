// Speed of the computer code-breaker over every setting it can play.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "commands.h"
#include "game/virtual_host.h"

namespace tallimor::sim {

namespace {

std::vector<GameSettings> Everysetting() {
    std::vector<GameSettings> all;
    for (int colours = 5; colours <= 10; ++colours)
        for (bool fixed : {true, false})
            for (int length = fixed ? 3 : 4; length <= colours - 2; ++length)
                for (int order = 1; order <= 2; ++order)
                    for (int repeat = 1; repeat <= length; ++repeat)
                        all.push_back(GameSettings::Make(colours, length, fixed, order, repeat, 3));
    return all;
}

}  // namespace

int Benchcommand(const Options& options) {
    const int games = static_cast<int>(options.Number("games", 1, 100000, 100));
    const uint64_t seed = options.Seed();
    const std::vector<GameSettings> settings = Everysetting();

    std::vector<double> thinks;
    double slowest = 0;
    GameSettings slowestSetting;
    std::string slowestGame;
    long totalGames = 0, wins = 0, attempts = 0, unfinished = 0;
    Virtualhost host;
    Tallimormod& m = host.mod;
    m.Chance().Seed(seed);
    const GameSettings* current = nullptr;
    m.Probe.searched = [&](double seconds) {
        thinks.push_back(seconds);
        if (seconds > slowest) {
            slowest = seconds;
            slowestSetting = *current;
            slowestGame = "answer " + m.State().Answer + ", colour order " + m.Tables().ColourOrder +
                          ", trial " + std::to_string(m.State().Currenttrial);
        }
    };
    const auto started = std::chrono::steady_clock::now();
    for (const GameSettings& s : settings) {
        current = &s;
        for (int n = 0; n < games; ++n) {
            const Watchedend end = Playwatched(host, s);
            ++totalGames;
            if (end == Watchedend::Win) {
                ++wins;
                attempts += m.State().Attempts;
            } else {
                ++unfinished;
            }
        }
    }
    const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::sort(thinks.begin(), thinks.end());
    auto at = [&](double q) {
        return thinks.empty() ? 0.0 : thinks[static_cast<size_t>(q * (thinks.size() - 1))];
    };

    std::printf("settings: %zu (every colour, length and repetition, both order types), %d games each\n",
                settings.size(), games);
    std::printf("games: %ld in %.2f s, %.0f games per second (one thread)\n", totalGames, elapsed,
                static_cast<double>(totalGames) / elapsed);
    std::printf(
        "guesses: %zu; think time per guess: median %.1f us, 99th percentile %.1f us, maximum %.3f ms\n",
        thinks.size(), at(0.5) * 1e6, at(0.99) * 1e6, slowest * 1e3);
    std::printf("slowest guess: %s; %s\n", Describe(slowestSetting).c_str(), slowestGame.c_str());
    std::printf("average attempts: %.3f over %ld wins; games without a win: %ld\n",
                wins ? static_cast<double>(attempts) / static_cast<double>(wins) : 0.0, wins, unfinished);
    return 0;
}

}  // namespace tallimor::sim
