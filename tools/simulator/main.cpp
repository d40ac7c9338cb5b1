// tallimor-sim: the computer code-breaker without a window, for scripts,
// statistics and benchmarks.

#include <cstdio>
#include <string>

#include "commands.h"

namespace {

const char* const kUsage =
    "usage: tallimor-sim play|claim|simulate|mark|init-stats|tidy|bench [options] "
    "(setting: --colours C --length L [--unspecified] --order fixed|random --repeat K)";

}  // namespace

int main(int argc, char** argv) {
    using namespace tallimor::sim;
    const std::string command = argc > 1 ? argv[1] : "";
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
