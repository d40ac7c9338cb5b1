// Whole games against many secret codes: every guess the computer plays must
// agree with every hint it has received, and every game must be won.

#include <gtest/gtest.h>

#include "reasoning/watched_game.h"
#include "records/computer_statistics.h"
#include "rules/code_string.h"
#include "rules/every_setting.h"
#include "rules/marking.h"

namespace tallimor {
namespace {

// Plays one game against `answer` with a freshly drawn colour order; false on
// a failure, which is reported.
bool PlayChecked(WatchedGame& w, const GameSettings& s, std::string answer) {
    w.game.Settings = s;
    w.Initialize(answer);
    const std::string& order = w.tables.ColourOrder;
    const std::string game = std::to_string(s.Colours) + " colours, " + Lengthtext(s) +
                             (s.fixedOrder() ? ", fixed" : ", random") + ", repeat " +
                             std::to_string(s.MaxRepeat) + ", answer " + answer + ", order " + order;
    std::vector<std::pair<std::string, Hint>> seen;
    bool agrees = true;
    const auto end = w.Play([&](int, const std::string& guess, const Hint& hint) {
        EXPECT_TRUE(Isvalidcode(s, guess)) << guess;
        for (const auto& [earlier, earlierHint] : seen) {
            // Were `guess` the secret code, the earlier guess would get the same
            // hint; in a "Fixed order" game only the count of correct colours is one.
            const Hint wouldGet = Markcode(s, earlier, guess);
            if (wouldGet.Blacks != earlierHint.Blacks ||
                (s.randomOrder() && wouldGet.Whites != earlierHint.Whites)) {
                agrees = false;
                ADD_FAILURE() << game << ": guess " << guess << " disagrees with the hint of " << earlier;
            }
        }
        seen.emplace_back(guess, hint);
    });
    EXPECT_EQ(end, WatchedGame::End::Win) << game;
    return end == WatchedGame::End::Win && agrees && w.game.Attempts > 0;
}

TEST(EngineBruteForceTest, EveryCodeOfSmallSettingsIsFoundConsistently) {
    RandomSource orders(2024);
    for (const GameSettings& s : Everysetting(5, 7, 5, 3)) {
        WatchedGame w;
        w.game.Random = orders;
        for (std::string code = Firstcode(s);;) {
            ASSERT_TRUE(PlayChecked(w, s, code));
            if (!Nextcode(s, code)) break;
        }
        orders = w.game.Random;
    }
}

TEST(EngineBruteForceTest, RandomGamesOfEveryLargerSettingAreWon) {
    WatchedGame w;
    w.game.Random.Seed(77);
    for (const GameSettings& s : Everysetting(8, 10, 8, 3)) {
        for (int n = 0; n < 6; ++n) {
            w.game.Settings = s;
            Makecode(w.game, MakeTarget::Answer);
            ASSERT_TRUE(PlayChecked(w, s, w.game.Answer));
        }
    }
}

}  // namespace
}  // namespace tallimor
