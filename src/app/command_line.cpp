#include "command_line.h"

namespace tallimor {

std::optional<std::string> Commandlinetext(int argc, const char* const* argv) {
    if (argc != 2) return std::nullopt;
    const std::string argument = argv[1];
    if (argument == "--version") return std::string("tallimor ") + TALLIMOR_VERSION + "\n";
    if (argument != "--help") return std::nullopt;
    return "usage: tallimor [--help | --version]\n"
           "Tallimor is a single-player code-breaking game: break a secret code of\n"
           "coloured boxes, let the computer break yours, or watch it play both sides.\n"
           "\n"
           "Without arguments it opens its window; a second start is refused.\n"
           "Records and saved games are kept in $XDG_DATA_HOME/Tallimor/, by default\n"
           "~/.local/share/Tallimor/; a program started from its build folder keeps\n"
           "them in that folder.\n"
           "\n"
           "  --help     print this text and exit\n"
           "  --version  print the version and exit\n";
}

}  // namespace tallimor
