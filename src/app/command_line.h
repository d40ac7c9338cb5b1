#pragma once
// The game's command line: --help and --version are answered before any
// window or display is asked for; every other argument is left to Qt.

#include <optional>
#include <string>

namespace tallimor {

// The text to print for `--help` or `--version` (the only argument), or
// nothing when the game is to start.
std::optional<std::string> Commandlinetext(int argc, const char* const* argv);

}  // namespace tallimor
