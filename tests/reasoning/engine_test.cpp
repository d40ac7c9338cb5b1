#include "reasoning/engine.h"

#include <gtest/gtest.h>

#include "game/virtual_host.h"
#include "rules/code_string.h"
#include "rules/marking.h"

namespace tallimor {
namespace {

using Guesses = std::vector<std::string>;

// A whole game in which the computer makes every guess and marks it, which
// must end in a win: the guesses played and the attempts counted.
std::pair<Guesses, int> PlayGame(const GameSettings& s, const std::string& order, const std::string& answer,
                                 const Guesses& given = {}) {
    Virtualhost host;
    Guesses guesses;
    host.mod.Probe.trialRecorded = [&](int, const std::string& guess, const Hint&) {
        guesses.push_back(guess);
    };
    EXPECT_EQ(Playwatched(host, s, Gamepreset{answer, order, given, {}}), Watchedend::Win)
        << answer << " with " << given.size() << " given";
    return {guesses, host.mod.State().Attempts};
}

// A game driven trial by trial, the test giving the hints.
struct EngineGame {
    GameState g;
    EngineTables tables;
    WrongHintState wrong;
    Engine engine{g, tables, wrong};

    EngineGame(const GameSettings& s, const std::string& order) {
        g.Settings = s;
        g.Gamestatus = GameStatus::Playing;
        tables.ColourOrder = order;
    }
    // Records the current trial with its hint and asks for the next guess.
    Conclusion Answer(int blacks, int whites) {
        g.Result = Hint{static_cast<int16_t>(blacks), static_cast<int16_t>(whites), 0};
        Processmark(g);
        return engine.Getguess();
    }
};

TEST(EngineFirstGuessTest, FollowsTheColourOrder) {
    // No repetition: the first L colours of the colour order.  Any repetition:
    // about half the room in the first colour, half the rest next; a limit of
    // two copies caps the first colour.  "Fixed order": the same colours,
    // sorted.  An unspecified length: blanks come last in the pool, so none in
    // a first guess.
    // Colours, length, fixed length, order type, repetition limit, colour order, first guess.
    const std::vector<std::tuple<int, int, bool, int, int, const char*, const char*>> cases = {
        {10, 5, true, 2, 1, "7302948615", "73029"},    {6, 4, true, 2, 4, "501234", "5501"},
        {10, 8, true, 2, 8, "9876543210", "99998876"}, {10, 7, true, 2, 2, "9876543210", "9988776"},
        {6, 4, true, 1, 4, "501234", "0155"},          {7, 5, false, 2, 5, "6543210", "66654"}};
    for (const auto& [colours, length, fixed, ordertype, repeat, order, first] : cases) {
        EngineGame game(GameSettings::Make(colours, length, fixed, ordertype, repeat, 3), order);
        const Conclusion c = game.engine.Getguess();
        EXPECT_EQ(std::tuple(game.g.Guessstr, c.kind, c.owntrial, game.g.Currenttrial),
                  std::tuple(first, Conclusion::Kind::Delaytimer, true, 1));
    }
}

// The game of 5 colours, length 3, against 234 (012, 340, 134, 234) is read
// through the simulator's command line: from trial 1 with a wrong hint it
// corrects, and from trial 3 after 012 and 340.
TEST(EngineGameTest, HandTracedGames) {
    // Any repetition: half the room in the first colour (3310), then one colour a guess.
    EXPECT_EQ(PlayGame(GameSettings::Make(6, 4, true, 2, 4), "310524", "5512"),
              std::pair(Guesses{"3310", "0000", "1111", "5512"}, 4));
    // Fixed order, 0122 (2 correct): the greedy choice keeps one 0 and one 1,
    // the room goes to more copies of the colours already in the code: 0111.
    // Then more 0s, the untested 3 and 4 by halving, a further 3, and last the
    // untested 5.
    EXPECT_EQ(PlayGame(GameSettings::Make(6, 4, true, 1, 4), "210345", "0135"),
              std::pair(Guesses{"0122", "0111", "0001", "0134", "0133", "0135"}, 6));
}

TEST(EngineGameTest, AMiddleStartFromTheComputersOwnGuessesPlaysOnTheSame) {
    // Given the guesses the computer itself would have played, a game that
    // starts in the middle must go on exactly as the game from trial 1.
    const std::vector<std::tuple<int, int, bool, int, int, const char*, const char*>> cases = {
        {8, 5, true, 2, 2, "40731652", "14470"},
        {10, 6, false, 2, 6, "9081726354", "33b9b0"},
        {9, 6, true, 1, 3, "802461357", "001558"},
        {10, 8, true, 2, 8, "5190283746", "77123400"}};
    for (const auto& [colours, length, fixed, ordertype, repeat, order, answer] : cases) {
        const GameSettings s = GameSettings::Make(colours, length, fixed, ordertype, repeat);
        const auto [guesses, attempts] = PlayGame(s, order, answer);
        for (size_t start = 2; start <= std::min<size_t>(guesses.size(), 9); ++start) {
            const Guesses given(guesses.begin(), guesses.begin() + static_cast<long>(start - 1));
            EXPECT_EQ(PlayGame(s, order, answer, given),
                      std::pair(guesses, attempts - static_cast<int>(start) + 1))
                << answer << " from trial " << start;
        }
    }
}

TEST(EngineConclusionTest, AllBlacksWithoutWinOnAGuessWithBlanksIsInconsistent) {
    // The player may give every colour of a guess with blanks as black without
    // pressing WIN; the same guess then comes out of the next search, so the
    // hint cannot be right.  (Hints that fit no code are met in the game tests.)
    EngineGame blanks(GameSettings::Make(7, 6, false, 2, 6, 2), "0123456");
    blanks.engine.Setcomputermarks(false);
    const std::string secret = "3bb4b5";
    Conclusion c = blanks.engine.Getguess();
    for (int n = 0; n < 26 && blanks.g.Guessstr != secret; ++n) {
        ASSERT_EQ(c.kind, Conclusion::Kind::Getresult);
        const Hint truth = Markcode(blanks.g.Settings, blanks.g.Guessstr, secret);
        c = blanks.Answer(truth.Blacks, truth.Whites);
    }
    ASSERT_EQ(std::pair(blanks.g.Guessstr, c.kind), std::pair(secret, Conclusion::Kind::Getresult));
    const int trial = blanks.g.Currenttrial;
    EXPECT_EQ(blanks.Answer(3, 0).kind, Conclusion::Kind::Inconsistent);
    EXPECT_EQ(blanks.g.Currenttrial, trial + 1);
}

TEST(EngineConclusionTest, NoCodeLeftInTheComputersOwnMarkingIsABug) {
    // "012" has no colour of a 3-colour code from 5: impossible.
    EngineGame game(GameSettings::Make(5, 3, true, 2, 1, 3), "01234");
    ASSERT_EQ(game.engine.Getguess().kind, Conclusion::Kind::Delaytimer);
    const Conclusion c = game.Answer(0, 0);
    EXPECT_EQ(std::pair(c.kind, c.bugguess), std::pair(Conclusion::Kind::Showbug, std::string()));
    EXPECT_TRUE(game.tables.NoConsistentCode);
    EXPECT_EQ(game.g.Currenttrial, 1) << "the trial steps back";
    EXPECT_EQ(Showbugtext("012"),
              "This programme has a bug. My next guess is 012. Please choose one option below.");
}

}  // namespace
}  // namespace tallimor
