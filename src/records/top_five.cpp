#include "records/top_five.h"

#include <cmath>
#include <cstdio>

#include "records/computer_statistics.h"
#include "rules/game_clock.h"

namespace tallimor {

int Placeindex(const GameSettings& s, int place) {
    GameSettings indexed = s;
    Setlengthclass(indexed);
    return Topindex(indexed.Lengthclass, Code(indexed.Ordertype), Code(indexed.Startfrom),
                    Code(indexed.Hinterrors), indexed.MaxRepeat, place);
}

bool Qualifies(const WinnersRecord& record, const GameSettings& s, int seconds, int attempts) {
    const int last = Placeindex(s, 4);
    if (last < 0) return false;
    const int16_t time = record.Toptime[static_cast<size_t>(last)];
    return seconds < time || (seconds == time && attempts < record.Topattempts[static_cast<size_t>(last)]);
}

int Placeentry(WinnersRecord& record, const GameSettings& s, const std::string& name, int seconds,
               int seconds_stored, int attempts) {
    int p = 0;
    for (; p < 5; ++p) {
        const size_t i = static_cast<size_t>(Placeindex(s, p));
        if (record.Toptime[i] > seconds ||
            (record.Toptime[i] == seconds && record.Topattempts[i] >= attempts))
            break;
    }
    if (p > 4 || Placeindex(s, 0) < 0) return -1;
    for (int q = 4; q > p; --q) {
        const size_t to = static_cast<size_t>(Placeindex(s, q)),
                     from = static_cast<size_t>(Placeindex(s, q - 1));
        record.Topname[to] = record.Topname[from];
        record.Toptime[to] = record.Toptime[from];
        record.Topattempts[to] = record.Topattempts[from];
    }
    const size_t at = static_cast<size_t>(Placeindex(s, p));
    record.Topname[at] = name;
    record.Toptime[at] = static_cast<int16_t>(seconds_stored);
    record.Topattempts[at] = static_cast<int16_t>(attempts);
    return p;
}

std::string Onedecimal(double value) {
    char text[32];
    // Halves round up, as a format "#.0" does.
    std::snprintf(text, sizeof text, "%.1f", std::floor(value * 10 + 0.5) / 10);
    // No digit before the point below 1.
    return text[0] == '0' ? std::string(text + 1) : std::string(text);
}

Winnerstexts Showwinnerstexts(const WinnersRecord& record, const GameSettings& s) {
    Winnerstexts t;
    const int setting = Statisticsindex(s);
    const int16_t population = setting < 0 ? 0 : record.Population[static_cast<size_t>(setting)];
    if (population == 0)
        t.data = "\n                  No Data Available";
    else
        t.data = std::string("Population Size:   ").append(std::to_string(population)) +
                 "\nAverage No. of Attempts:   " + Onedecimal(record.Average[static_cast<size_t>(setting)]);
    for (int place = 0; place < 5 && setting >= 0; ++place) {
        const size_t i = static_cast<size_t>(Placeindex(s, place));
        t.names.append(" ")
            .append(std::to_string(place + 1))
            .append(".  ")
            .append(record.Topname[i])
            .append("\n\n");
        if (record.Toptime[i] != kEmptyToptime) t.times += Converttime(record.Toptime[i]);
        t.times += "\n\n";
        if (record.Topattempts[i] != kEmptyTopattempts) t.attempts += std::to_string(record.Topattempts[i]);
        t.attempts += "\n\n";
    }
    return t;
}

}  // namespace tallimor
