#pragma once

#include <string>
#include <vector>

#include "game/tallimormod.h"
#include "options.h"

namespace tallimor::sim {

int Play(const Options& options);
int Markcommand(const Options& options);
int Simulatecommand(const Options& options);
int Initstatscommand(const Options& options);
int Tidycommand(const Options& options);
int Benchcommand(const Options& options);
int Claimcommand(const Options& options);

// The answer, colour order, given trials and wrong-hint trials of --answer,
// --colour-order, --start, --given and --errors, checked against the setting.
Gamepreset Readpreset(const Options& options, const GameSettings& s);
// `code` when it is a code of the setting; a usage error naming --`name` otherwise.
std::string Validcode(const GameSettings& s, const std::string& name, const std::string& code);
// "012,345" as its codes; "" as none.
std::vector<std::string> Codelist(const std::string& text);
// Prints "<trial> <guess> <blacks> <whites>" as each trial's hint is recorded.
void Printtrials(Tallimormod& m);

// "10 colours, length 5, Random order, No repetition"
std::string Describe(const GameSettings& s);

}  // namespace tallimor::sim
