// tallimor-sim: the computer code-breaker without a window, for scripts,
// statistics and benchmarks.

#include <cstdio>
#include <string>

#include "commands.h"

namespace {

const char* const kUsage =
    "usage: tallimor-sim play|claim|simulate|mark|init-stats|tidy|bench [options] "
    "(setting: --colours C --length L [--unspecified] --order fixed|random --repeat K)";

// --help: every command with its options, as the manual page gives them.
const char* const kHelp =
    "usage: tallimor-sim COMMAND [options]\n"
    "The computer code-breaker of Tallimor without a window.\n"
    "\n"
    "A setting is --colours C --length L [--unspecified] --order fixed|random --repeat K\n"
    "(C 5 to 10, L 3 to 8 and at most C - 2, K the most copies of one colour, K = L: any).\n"
    "\n"
    "  play SETTING --colour-order DIGITS --answer CODE [--start N --given G1,G2,...]\n"
    "       [--errors DIGITS]\n"
    "      the computer breaks CODE; one line per hint, then win, lost or bug\n"
    "  claim SETTING --colour-order DIGITS --answer CODE --errors DIGITS --guesses G1,G2,...\n"
    "       [--start N --given H1,H2,...]\n"
    "      plays the guesses, then claims a wrong hint and prints the verdict\n"
    "  simulate SETTING [--seed S] [--threads T]\n"
    "      plays every code of the setting and prints the average of attempts\n"
    "  mark SETTING --answer CODE --guess CODE\n"
    "      prints the blacks, whites and blank hits of the guess\n"
    "  init-stats --dir FOLDER [--games N] [--seed S]\n"
    "      writes the computer's statistics into FOLDER/Winners/Winners5 to Winners10\n"
    "  bench [--games N] [--seed S]\n"
    "      times the computer's guesses over every setting\n"
    "\n"
    "  --help     print this text and exit\n"
    "  --version  print the version and exit\n"
    "\n"
    "Exit status: 0 done; 1 a game of simulate did not end in a win, or init-stats\n"
    "could not use a records file; 2 a usage error.\n";

}  // namespace

int main(int argc, char** argv) {
    using namespace tallimor::sim;
    const std::string command = argc > 1 ? argv[1] : "";
    if (argc == 2 && command == "--help") {
        std::fputs(kHelp, stdout);
        return 0;
    }
    if (argc == 2 && command == "--version") {
        std::printf("tallimor-sim %s\n", TALLIMOR_VERSION);
        return 0;
    }
    try {
        const std::vector<std::string> setting = {"colours", "length", "unspecified", "order", "repeat"};
        auto with = [&](std::vector<std::string> names) {
            names.insert(names.end(), setting.begin(), setting.end());
            return names;
        };
        if (command == "play") {
            Options options(argc, argv, 2, {"unspecified"});
            options.Allow(with({"colour-order", "answer", "start", "given", "errors"}));
            return Play(options);
        }
        if (command == "claim") {
            Options options(argc, argv, 2, {"unspecified"});
            options.Allow(with({"colour-order", "answer", "start", "given", "errors", "guesses"}));
            return Claimcommand(options);
        }
        if (command == "simulate") {
            Options options(argc, argv, 2, {"unspecified"});
            options.Allow(with({"seed", "threads"}));
            return Simulatecommand(options);
        }
        if (command == "mark") {
            Options options(argc, argv, 2, {"unspecified"});
            options.Allow(with({"answer", "guess"}));
            return Markcommand(options);
        }
        if (command == "init-stats") {
            Options options(argc, argv, 2, {});
            options.Allow({"dir", "games", "seed"});
            return Initstatscommand(options);
        }
        if (command == "tidy") {
            Options options(argc, argv, 2, {});
            options.Allow({"dir"});
            return Tidycommand(options);
        }
        if (command == "bench") {
            Options options(argc, argv, 2, {});
            options.Allow({"games", "seed"});
            return Benchcommand(options);
        }
        throw UsageError(command.empty() ? "no command" : "unknown command '" + command + "'");
    } catch (const UsageError& e) {
        std::fprintf(stderr, "%s: %s\n", kUsage, e.what());
        return 2;
    }
}
