#include "records/computer_statistics.h"

#include <algorithm>
#include <cstdio>

#include "rules/code_string.h"

namespace tallimor {

int Statisticsindex(const GameSettings& s) {
    GameSettings indexed = s;
    Setlengthclass(indexed);
    return Settingindex(indexed.Lengthclass, Code(indexed.Ordertype), Code(indexed.Startfrom),
                        Code(indexed.Hinterrors), indexed.MaxRepeat);
}

void Updatestatistics(WinnersRecord& record, const GameSettings& s, int attempts) {
    const int i = Statisticsindex(s);
    if (i < 0) return;
    int16_t& population = record.Population[static_cast<size_t>(i)];
    float& average = record.Average[static_cast<size_t>(i)];
    if (population > kPopulationLimit) return;
    const float n = static_cast<float>(population);
    attempts = std::clamp(attempts, 1, static_cast<int>(kEmptyTopattempts));
    // Rounding must not carry the average past what the reader accepts.
    average = std::clamp((average * n + static_cast<float>(attempts)) / (n + 1.0f), 1.0f,
                         static_cast<float>(kEmptyTopattempts));
    ++population;
}

std::string Simalphabet(const GameSettings& s) {
    std::string alphabet = Colourdigits(s);
    if (!s.Fixedcodelength()) alphabet += kBlank;
    return alphabet;
}

std::string Firstcode(const GameSettings& s) {
    std::string code;
    const size_t length = static_cast<size_t>(s.Codelength);
    for (char k = '0'; code.size() < length && k <= '9'; ++k)
        code.append(std::min<size_t>(static_cast<size_t>(s.MaxRepeat), length - code.size()), k);
    return code;
}

std::string Lastcode(const GameSettings& s) {
    const size_t length = static_cast<size_t>(s.Codelength);
    std::string code(s.Fixedcodelength() ? 0 : static_cast<size_t>(s.Blankroom), kBlank);
    for (int k = 0; code.size() < length && k < s.Colours; ++k)
        code.append(std::min<size_t>(static_cast<size_t>(s.MaxRepeat), length - code.size()),
                    static_cast<char>('0' + s.Colours - 1 - k));
    if (s.Fixedorder()) Sortcode(code);
    return code;
}

bool Nextcode(const GameSettings& s, std::string& code) {
    const std::string alphabet = Simalphabet(s);
    const std::string last = Lastcode(s);
    if (code == last) return false;
    const char top = alphabet.back();
    do {
        // Odometer over the alphabet, rightmost position first.
        size_t i = code.size();
        while (i > 0 && code[i - 1] == top) code[--i] = '0';
        if (i == 0) return false;  // wrapped round: nothing after the last code
        code[i - 1] = alphabet[alphabet.find(code[i - 1]) + 1];
    } while (!Checkinput(s, code, alphabet));
    return true;
}

void SimulationSummary::Add(int attempts, int trials) {
    ++Simcount;
    Simtotal += attempts;
    Simmaxattempts = static_cast<int16_t>(std::max<int>(Simmaxattempts, attempts));
    Simmaxtrials = static_cast<int16_t>(std::max<int>(Simmaxtrials, trials));
}

std::string SimulationSummary::Text() const {
    char quotient[64] = "0";
    if (Simcount != 0)
        std::snprintf(quotient, sizeof quotient, "%.15g", static_cast<double>(Simtotal) / Simcount);
    return "Average number of attempts: " + std::to_string(Simtotal) + " / " + std::to_string(Simcount) +
           " = " + quotient + "\nMaximum number of attempts: " + std::to_string(Simmaxattempts) +
           "\nMaximum number of trials: " + std::to_string(Simmaxtrials);
}

GameSettings Firststatsetting() { return GameSettings::Make(5, 3, true, 1, 1, 3, 1, 1); }

bool Nextstatgame(GameSettings& s, int& gamecount, int games) {
    auto fresh = [&] {
        s.Ordertype = Ordering::Fixed;
        s.MaxRepeat = 1;
        gamecount = 1;
    };
    if (gamecount < games) {
        ++gamecount;
    } else if (s.MaxRepeat < s.Codelength) {
        ++s.MaxRepeat;
        gamecount = 1;
    } else if (s.Fixedorder()) {
        fresh();
        s.Ordertype = Ordering::Random;
    } else if (s.Codelength < s.Colours - 2) {
        ++s.Codelength;
        s.Blankroom = s.Fixedcodelength() ? 0 : static_cast<int16_t>(s.Codelength - 3);
        fresh();
    } else if (s.Fixedcodelength() && s.Colours >= 6) {
        s.Fixedlength = Lengthkind::Unspecified;
        s.Codelength = 4;
        s.Blankroom = 1;
        fresh();
    } else if (s.Colours >= 10) {
        return false;
    } else {
        ++s.Colours;
        s.Codelength = 3;
        s.Fixedlength = Lengthkind::Fixed;
        s.Blankroom = 0;
        fresh();
    }
    Setlengthclass(s);
    return true;
}

}  // namespace tallimor
