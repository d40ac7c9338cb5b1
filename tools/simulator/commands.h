#pragma once

#include "options.h"

namespace tallimor::sim {

int Play(const Options& options);
int Markcommand(const Options& options);
int Simulatecommand(const Options& options);
int Initstatscommand(const Options& options);
int Benchcommand(const Options& options);

// "10 colours, length 5, Random order, No repetition"
std::string Describe(const GameSettings& s);

}  // namespace tallimor::sim
