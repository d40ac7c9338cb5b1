#pragma once
// Uniform draws in [0, 1).  Every game takes its chance from one of these, so
// a test can fix the draws and a simulation can replay a run from its seed.

#include <cstdint>
#include <functional>
#include <random>

namespace tallimor {

class RandomSource {
   public:
    using DrawFunction = std::function<double()>;

    RandomSource();  // seeded from the clock
    explicit RandomSource(uint64_t seed);
    // Draws come from `draws`, which must return values in [0, 1).
    explicit RandomSource(DrawFunction draws);

    double Draw();
    void Seed(uint64_t seed);
    // Starts a fresh stream from the clock when this source is the clock's;
    // a seeded or fixed source keeps its stream, so its games replay.
    void Reseed();

   private:
    std::mt19937_64 engine_;
    DrawFunction fixed_;
    bool clockSeeded_ = false;
};

}  // namespace tallimor
