#include <cstdio>
#include <thread>
#include <vector>

#include "commands.h"
#include "game/virtual_host.h"
#include "records/computer_statistics.h"

namespace tallimor::sim {

int Simulatecommand(const Options& options) {
    const GameSettings s = options.Setting();
    const uint64_t seed = options.Seed();
    const unsigned threads = static_cast<unsigned>(options.Number("threads", 1, 64, 1));

    // Every valid code once, in odometer order, each with a colour order drawn
    // from the one seeded source: the games do not depend on the threads.
    std::vector<std::string> answers;
    for (std::string code = Firstcode(s);;) {
        answers.push_back(code);
        if (!Nextcode(s, code)) break;
    }
    std::vector<std::string> orders(answers.size());
    {
        GameState draw;
        draw.Settings = s;
        draw.Random.Seed(seed);
        EngineTables tables;
        WrongHintState wrong;
        Engine engine(draw, tables, wrong);
        for (auto& order : orders) {
            engine.Drawcolourorder();
            order = tables.ColourOrder;
        }
    }

    struct Outcome {
        Watchedend end = Watchedend::Bug;
        int attempts = 0;
        int trials = 0;
    };
    std::vector<Outcome> outcomes(answers.size());
    auto work = [&](size_t first, size_t step) {
        Virtualhost host;
        for (size_t i = first; i < answers.size(); i += step) {
            outcomes[i].end = Playwatched(host, s, Gamepreset{answers[i], orders[i], {}, {}});
            outcomes[i].attempts = host.mod.State().Attempts;
            outcomes[i].trials = host.mod.State().Currenttrial;
        }
    };
    std::vector<std::thread> pool;
    for (unsigned t = 1; t < threads; ++t) pool.emplace_back(work, t, threads);
    work(0, threads);
    for (auto& thread : pool) thread.join();

    SimulationSummary summary;
    size_t unfinished = 0;
    for (const Outcome& o : outcomes) {
        if (o.end == Watchedend::Win)
            summary.Add(o.attempts, o.trials);
        else
            ++unfinished;
    }
    std::printf("%s\n", summary.Text().c_str());
    if (unfinished != 0) std::fprintf(stderr, "%zu games did not end in a win\n", unfinished);
    return unfinished == 0 ? 0 : 1;
}

}  // namespace tallimor::sim
