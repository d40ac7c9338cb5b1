// The demo through the real module at its fastest pace, on a virtual clock:
// how many steps of the delay timer and how many whole demo games a second
// of processor time plays.

#include <chrono>
#include <cstdio>

#include "game/virtual_host.h"

using namespace tallimor;

int main() {
    Virtualhost host;
    Tallimormod& m = host.mod;
    m.State().Random = RandomSource(20261207);
    m.Hsbspeed_Change(0);
    m.Mnudemo_Click();
    long steps = 0, games = 0;
    bool ending = false;
    const auto started = std::chrono::steady_clock::now();
    double seconds = 0;
    while (seconds < 5.0) {
        for (int i = 0; i < 200; ++i) {
            if (!m.Demo || !host.Step()) {
                std::fprintf(stderr, "the demo stopped: %s\n", m.State().Gamestatus.c_str());
                return 1;
            }
            ++steps;
            const bool next = m.State().Gamestatus == "Next Demo";
            if (next && !ending) ++games;
            ending = next;
        }
        seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    }
    std::printf("demo steps per second: %.0f steps/s\n", static_cast<double>(steps) / seconds);
    std::printf("demo games per second: %.1f games/s\n", static_cast<double>(games) / seconds);
    return 0;
}
