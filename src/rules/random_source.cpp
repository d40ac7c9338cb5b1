#include "rules/random_source.h"

#include <chrono>

namespace tallimor {

namespace {

uint64_t Clockseed() {
    return static_cast<uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

}  // namespace

RandomSource::RandomSource() : engine_(Clockseed()), clockSeeded_(true) {}

RandomSource::RandomSource(uint64_t seed) : engine_(seed) {}

RandomSource::RandomSource(DrawFunction draws) : fixed_(std::move(draws)) {}

double RandomSource::Draw() {
    if (fixed_) return fixed_();
    // 53 random bits give every representable double in [0, 1) evenly.
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

void RandomSource::Seed(uint64_t seed) {
    fixed_ = nullptr;
    clockSeeded_ = false;
    engine_.seed(seed);
}

void RandomSource::Reseed() {
    if (clockSeeded_) engine_.seed(Clockseed());
}

}  // namespace tallimor
