#include "records/start_trial.h"

#include <algorithm>
#include <cmath>

namespace tallimor {

float Averageattempts(const WinnersRecord& record, const GameSettings& s) {
    GameSettings indexed = s;
    Setlengthclass(indexed);
    int i = Settingindex(indexed.Lengthclass, Code(indexed.Ordertype), 1, 1, indexed.MaxRepeat);
    return i < 0 ? 0.0f : record.Average[static_cast<size_t>(i)];
}

int16_t Starttrialfor(double average, double r) {
    double value = std::floor(average + r);
    if (!std::isfinite(value)) value = 1;
    return static_cast<int16_t>(std::clamp(value, 1.0, 9.0));
}

WinnersResult Getstarttrial(GameState& g, const std::filesystem::path& programFolder, WinnersRecord& buffer) {
    Setlengthclass(g.Settings);
    WinnersResult result = Readwinners(programFolder, g.Settings.Colours, buffer);
    double average = result.Usable() ? Averageattempts(buffer, g.Settings) : 0.0;
    g.Settings.Starttrial = Starttrialfor(average, g.Random.Draw());
    return result;
}

}  // namespace tallimor
