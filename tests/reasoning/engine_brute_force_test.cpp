// Whole games against many secret codes: every guess the computer plays must
// agree with every hint it has received, and every game must be won.

#include <gtest/gtest.h>

#include "game/virtual_host.h"
#include "records/computer_statistics.h"
#include "rules/code_string.h"
#include "rules/every_setting.h"
#include "rules/marking.h"

namespace tallimor {
namespace {

// Plays one game against `answer` with a freshly drawn colour order; false on
// a failure, which is reported.
bool PlayChecked(Virtualhost& host, const GameSettings& s, std::string answer) {
    auto game = [&] {
        return std::to_string(s.Colours) + " colours, " + Lengthtext(s) +
               (s.Fixedorder() ? ", fixed" : ", random") + ", repeat " + std::to_string(s.MaxRepeat) +
               ", answer " + answer + ", order " + host.mod.Tables().ColourOrder;
    };
    std::vector<std::pair<std::string, Hint>> seen;
    bool agrees = true;
    host.mod.Probe.trialRecorded = [&](int, const std::string& guess, const Hint& hint) {
        EXPECT_TRUE(Isvalidcode(s, guess)) << guess;
        for (const auto& [earlier, earlierHint] : seen) {
            // Were `guess` the secret code, the earlier guess would get the same
            // hint; in a "Fixed order" game only the count of correct colours is one.
            const Hint wouldGet = Markcode(s, earlier, guess);
            if (wouldGet.Blacks != earlierHint.Blacks ||
                (s.Randomorder() && wouldGet.Whites != earlierHint.Whites)) {
                agrees = false;
                ADD_FAILURE() << game() << ": guess " << guess << " disagrees with the hint of " << earlier;
            }
        }
        seen.emplace_back(guess, hint);
    };
    const Watchedend end = Playwatched(host, s, Gamepreset{answer, "", {}, {}});
    EXPECT_EQ(end, Watchedend::Win) << game();
    return end == Watchedend::Win && agrees && host.mod.State().Attempts > 0;
}

TEST(EngineBruteForceTest, EveryCodeOfSmallSettingsIsFoundConsistently) {
    RandomSource orders(2024);
    for (const GameSettings& s : Everysetting(5, 7, 5, 3)) {
        Virtualhost host;
        host.mod.Chance() = orders;
        for (std::string code = Firstcode(s);;) {
            ASSERT_TRUE(PlayChecked(host, s, code));
            if (!Nextcode(s, code)) break;
        }
        orders = host.mod.State().Random;
    }
}

TEST(EngineBruteForceTest, RandomGamesOfEveryLargerSettingAreWon) {
    Virtualhost host;
    GameState draw;
    draw.Random.Seed(77);
    for (const GameSettings& s : Everysetting(8, 10, 8, 3)) {
        for (int n = 0; n < 6; ++n) {
            draw.Settings = s;
            Makecode(draw, MakeTarget::Answer);
            ASSERT_TRUE(PlayChecked(host, s, draw.Answer));
        }
    }
}

}  // namespace
}  // namespace tallimor
