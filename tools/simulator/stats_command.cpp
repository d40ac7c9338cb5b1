#include <array>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "commands.h"
#include "game/virtual_host.h"
#include "records/computer_statistics.h"
#include "records/winners_file.h"

namespace tallimor::sim {

namespace {

// A reproducible build sets SOURCE_DATE_EPOCH (seconds since 1970, UTC);
// the seeded files then carry that time as their stamp instead of the time
// they were written.  A value that is not a whole number stops the run.
std::optional<double> Buildstamp() {
    const char* text = std::getenv("SOURCE_DATE_EPOCH");
    if (!text || !*text) return std::nullopt;
    const std::string epoch = text;
    if (epoch.find_first_not_of("0123456789") != std::string::npos || epoch.size() > 12)
        throw UsageError("SOURCE_DATE_EPOCH must be a whole number of seconds, not '" + epoch + "'");
    return static_cast<double>(std::stoll(epoch)) / 86400.0 + 25569.0;  // 1 January 1970 is day 25569
}

}  // namespace

int Initstatscommand(const Options& options) {
    const std::filesystem::path folder = options.Text("dir");
    const int games = static_cast<int>(options.Number("games", 1, 30000, 10));
    const uint64_t seed = options.Seed();
    const std::optional<double> stamp = Buildstamp();

    // A write of an earlier run that was cut off is finished first, as the
    // program does when it starts.  Then every file is read: a file that
    // cannot be used stops the run before anything is written.
    Tidyrecords(folder);
    std::array<WinnersRecord, 11> records;
    for (int colours = 5; colours <= 10; ++colours) {
        const WinnersResult read = Readwinners(folder, colours, records[static_cast<size_t>(colours)]);
        if (!read.Usable()) {
            std::fprintf(stderr, "%s\n", read.message.c_str());
            return 1;
        }
    }

    Virtualhost host;
    host.mod.Chance().Seed(seed);
    GameSettings s = Firststatsetting();
    int gamecount = 1;
    long played = 0, counted = 0;
    do {
        if (Playwatched(host, s) == Watchedend::Win) {
            Updatestatistics(records[static_cast<size_t>(s.Colours)], host.mod.State().Settings,
                             host.mod.State().Attempts);
            ++counted;
        }
        ++played;
    } while (Nextstatgame(s, gamecount, games));

    const WinnersResult written = Writeallwinners(folder, records, stamp);
    if (!written.Usable()) {
        std::fprintf(stderr, "%s\n", written.message.c_str());
        return 1;
    }
    std::printf("%ld games played, %ld wins counted\n", played, counted);
    return 0;
}

// What the program does with a records folder when it starts, alone: for
// scripts that cut a run off and look at what the player would find.
int Tidycommand(const Options& options) {
    Tidyrecords(std::filesystem::path(options.Text("dir")));
    return 0;
}

}  // namespace tallimor::sim
