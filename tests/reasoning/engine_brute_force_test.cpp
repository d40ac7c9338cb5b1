// Whole games against many secret codes: every guess the computer plays must
// agree with every hint it has received, and every game must be won.

#include <gtest/gtest.h>

#include "reasoning/watched_game.h"
#include "records/computer_statistics.h"
#include "rules/code_string.h"
#include "rules/marking.h"

namespace tallimor {
namespace {

std::string Describe(const GameSettings& s) {
    return std::to_string(s.Colours) + " colours, " + Lengthtext(s) +
           (s.fixedOrder() ? ", fixed" : ", random") + ", repeat " + std::to_string(s.MaxRepeat);
}

// Plays one game and checks it; returns the attempts (0 on failure).
int PlayChecked(WatchedGame& w, const GameSettings& s, const std::string& answer, const std::string& order) {
    w.game.Settings = s;
    w.Initialize(answer, {}, order);
    std::vector<std::pair<std::string, Hint>> seen;
    bool agrees = true;
    const auto end = w.Play([&](int, const std::string& guess, const Hint& hint) {
        EXPECT_TRUE(Isvalidcode(s, guess)) << guess;
        for (const auto& [earlier, earlierHint] : seen) {
            // Were `guess` the secret code, the earlier guess would get the same hint.
            Hint wouldGet = Markcode(s, earlier, guess);
            // In a "Fixed order" game only the count of correct colours is a hint.
            if (wouldGet.Blacks != earlierHint.Blacks ||
                (s.randomOrder() && wouldGet.Whites != earlierHint.Whites)) {
                agrees = false;
                ADD_FAILURE() << Describe(s) << " answer " << answer << " order " << order << ": guess "
                              << guess << " disagrees with the hint of " << earlier;
            }
        }
        seen.emplace_back(guess, hint);
    });
    EXPECT_EQ(end, WatchedGame::End::Win) << Describe(s) << " answer " << answer << " order " << order;
    return end == WatchedGame::End::Win && agrees ? w.game.Attempts : 0;
}

TEST(EngineBruteForceTest, EveryCodeOfSmallSettingsIsFoundConsistently) {
    RandomSource orders(2024);
    for (int colours = 5; colours <= 7; ++colours) {
        for (bool fixed : {true, false}) {
            for (int length = fixed ? 3 : 4; length <= colours - 2 && length <= 5; ++length) {
                for (int order = 1; order <= 2; ++order) {
                    for (int repeat = 1; repeat <= length; ++repeat) {
                        const GameSettings s = GameSettings::Make(colours, length, fixed, order, repeat, 3);
                        WatchedGame w;
                        w.game.Random = orders;
                        int games = 0;
                        for (std::string code = Firstcode(s);; ++games) {
                            Engine(w.game, w.tables, w.wrong).Drawcolourorder();
                            ASSERT_GT(PlayChecked(w, s, code, w.tables.ColourOrder), 0);
                            if (!Nextcode(s, code)) break;
                        }
                        orders = w.game.Random;
                    }
                }
            }
        }
    }
}

TEST(EngineBruteForceTest, RandomGamesOfEveryLargerSettingAreWon) {
    WatchedGame w;
    w.game.Random.Seed(77);
    for (int colours = 8; colours <= 10; ++colours) {
        for (bool fixed : {true, false}) {
            for (int length = fixed ? 3 : 4; length <= colours - 2; ++length) {
                for (int order = 1; order <= 2; ++order) {
                    for (int repeat = 1; repeat <= length; ++repeat) {
                        const GameSettings s = GameSettings::Make(colours, length, fixed, order, repeat, 3);
                        for (int n = 0; n < 6; ++n) {
                            w.game.Settings = s;
                            Makecode(w.game, MakeTarget::Answer);
                            const std::string answer = w.game.Answer;
                            Engine(w.game, w.tables, w.wrong).Drawcolourorder();
                            ASSERT_GT(PlayChecked(w, s, answer, w.tables.ColourOrder), 0);
                        }
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace tallimor
