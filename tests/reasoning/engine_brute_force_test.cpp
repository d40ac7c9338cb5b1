// Whole games against many secret codes: every guess the computer plays must
// agree with every hint it has received, and every game must be won.

#include <gtest/gtest.h>

#include "game/virtual_host.h"
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
int PlayChecked(Virtualhost& host, const GameSettings& s, const std::string& answer,
                const std::string& order) {
    std::vector<std::pair<std::string, Hint>> seen;
    bool agrees = true;
    host.mod.Probe.trialRecorded = [&](int, const std::string& guess, const Hint& hint) {
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
    };
    const Watchedend end = Playwatched(host, s, Gamepreset{answer, order, {}});
    EXPECT_EQ(end, Watchedend::Win) << Describe(s) << " answer " << answer << " order " << order;
    return end == Watchedend::Win && agrees ? host.mod.State().Attempts : 0;
}

TEST(EngineBruteForceTest, EveryCodeOfSmallSettingsIsFoundConsistently) {
    RandomSource orders(2024);
    for (int colours = 5; colours <= 7; ++colours) {
        for (bool fixed : {true, false}) {
            for (int length = fixed ? 3 : 4; length <= colours - 2 && length <= 5; ++length) {
                for (int order = 1; order <= 2; ++order) {
                    for (int repeat = 1; repeat <= length; ++repeat) {
                        const GameSettings s = GameSettings::Make(colours, length, fixed, order, repeat, 3);
                        Virtualhost host;
                        GameState draw;
                        draw.Settings = s;
                        draw.Random = orders;
                        EngineTables tables;
                        WrongHintState wrong;
                        for (std::string code = Firstcode(s);;) {
                            Engine(draw, tables, wrong).Drawcolourorder();
                            ASSERT_GT(PlayChecked(host, s, code, tables.ColourOrder), 0);
                            if (!Nextcode(s, code)) break;
                        }
                        orders = draw.Random;
                    }
                }
            }
        }
    }
}

TEST(EngineBruteForceTest, RandomGamesOfEveryLargerSettingAreWon) {
    Virtualhost host;
    GameState draw;
    draw.Random.Seed(77);
    EngineTables tables;
    WrongHintState wrong;
    for (int colours = 8; colours <= 10; ++colours) {
        for (bool fixed : {true, false}) {
            for (int length = fixed ? 3 : 4; length <= colours - 2; ++length) {
                for (int order = 1; order <= 2; ++order) {
                    for (int repeat = 1; repeat <= length; ++repeat) {
                        const GameSettings s = GameSettings::Make(colours, length, fixed, order, repeat, 3);
                        for (int n = 0; n < 6; ++n) {
                            draw.Settings = s;
                            Makecode(draw, MakeTarget::Answer);
                            Engine(draw, tables, wrong).Drawcolourorder();
                            ASSERT_GT(PlayChecked(host, s, draw.Answer, tables.ColourOrder), 0);
                        }
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace tallimor
