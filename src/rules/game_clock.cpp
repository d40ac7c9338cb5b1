#include "rules/game_clock.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace tallimor {

TimeSource Steadytime() {
    return [] {
        using namespace std::chrono;
        return duration<double>(steady_clock::now().time_since_epoch()).count();
    };
}

std::string Converttime(int seconds) {
    if (seconds < 60) return std::to_string(seconds) + (seconds < 2 ? " second" : " seconds");
    const int minutes = seconds / 60;
    const int rest = seconds % 60;
    std::string text = std::to_string(minutes) + (minutes < 2 ? " minute " : " minutes ");
    if (rest == 1)
        text += "1 second";
    else if (rest > 1)
        text += std::to_string(rest) + " seconds";
    return text;
}

std::string Timelabeltext(const std::string& timetext) { return "Time spent:  " + timetext; }

GameClock::GameClock(TimeSource now) : now_(now ? std::move(now) : Steadytime()) {}

void GameClock::Start(int16_t offset) {
    starttime_ = now_();
    Timeoffset = offset;
    Timespent = offset;
    Timetext = Converttime(offset);
}

int16_t GameClock::Calculatetime() {
    // Whole hours count too: a game must be able to pass its hour to end.
    const double elapsed = std::max(0.0, std::floor(now_() - starttime_));
    const double total = std::min(32767.0, Timeoffset + elapsed);
    Timespent = static_cast<int16_t>(total);
    Timetext = Converttime(Timespent);
    return Timespent;
}

}  // namespace tallimor
