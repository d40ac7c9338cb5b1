#pragma once
// The record of one game: a row per trial, trials 1 to 27 (row 0 stays empty).

#include <array>
#include <cstdint>
#include <string>

namespace tallimor {

constexpr int kLastTrial = 27;
constexpr int kTrialRows = 28;

struct TrialRecord {
    std::string Trialguess;
    int16_t Trialblack = 0;
    int16_t Trialwhite = 0;
    int16_t HintTotal = 0;
    friend bool operator==(const TrialRecord&, const TrialRecord&) = default;
};

struct GameRecord {
    std::array<TrialRecord, kTrialRows> trials{};

    TrialRecord& operator[](int trial) { return trials.at(static_cast<size_t>(trial)); }
    const TrialRecord& operator[](int trial) const { return trials.at(static_cast<size_t>(trial)); }
    void Clear() { trials.fill(TrialRecord{}); }
};

// The result of marking a guess against the secret code.
struct Hint {
    int16_t Blacks = 0;
    int16_t Whites = 0;
    int16_t Blankhits = 0;
    friend bool operator==(const Hint&, const Hint&) = default;
};

}  // namespace tallimor
