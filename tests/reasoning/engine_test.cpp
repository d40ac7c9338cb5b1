#include "reasoning/engine.h"

#include <gtest/gtest.h>

#include "game/virtual_host.h"
#include "rules/code_string.h"
#include "rules/marking.h"

namespace tallimor {
namespace {

struct Transcript {
    std::vector<std::string> guesses;
    Watchedend end = Watchedend::Bug;
    int attempts = 0;
};

Transcript PlayGame(const GameSettings& s, const std::string& order, const std::string& answer,
                    const std::vector<std::string>& given = {}) {
    Virtualhost host;
    Transcript t;
    host.mod.Probe.trialRecorded = [&](int, const std::string& guess, const Hint&) {
        t.guesses.push_back(guess);
    };
    t.end = Playwatched(host, s, Gamepreset{answer, order, given});
    t.attempts = host.mod.State().Attempts;
    return t;
}

// The first guess of a game, with no hint to satisfy.
std::string FirstGuess(const GameSettings& s, const std::string& order) {
    GameState g;
    g.Settings = s;
    g.Settings.Who = 3;
    EngineTables tables;
    tables.ColourOrder = order;
    WrongHintState wrong;
    Engine engine(g, tables, wrong);
    const Conclusion c = engine.Getguess();
    EXPECT_EQ(c.kind, Conclusion::Kind::Delaytimer);
    EXPECT_TRUE(c.owntrial);
    EXPECT_EQ(g.Currenttrial, 1);
    return g.Guessstr;
}

TEST(EngineFirstGuessTest, FollowsTheColourOrder) {
    // No repetition: the first L colours of the colour order.
    EXPECT_EQ(FirstGuess(GameSettings::Make(10, 5, true, 2, 1), "7302948615"), "73029");
    // Any repetition: about half the room in the first colour, half the rest next.
    EXPECT_EQ(FirstGuess(GameSettings::Make(6, 4, true, 2, 4), "501234"), "5501");
    EXPECT_EQ(FirstGuess(GameSettings::Make(10, 8, true, 2, 8), "9876543210"), "99998876");
    // A limit of two copies caps the first colour.
    EXPECT_EQ(FirstGuess(GameSettings::Make(10, 7, true, 2, 2), "9876543210"), "9988776");
    // "Fixed order": the same colours, sorted.
    EXPECT_EQ(FirstGuess(GameSettings::Make(6, 4, true, 1, 4), "501234"), "0155");
    // An unspecified length: blanks come last in the pool, so none in a first guess.
    EXPECT_EQ(FirstGuess(GameSettings::Make(7, 5, false, 2, 5), "6543210"), "66654");
}

TEST(EngineGameTest, AHandTracedGame) {
    // 012 gets one white.  Trial 1's greedy choice keeps 0; the two free places
    // take the untested 3 and 4 by the halving fill: 340 (0 white, since 0 may
    // not stand where trial 1 had it... it stands last).  Two whites; then the
    // composition {1,3,4} placed away from every earlier colour gives 134, two
    // blacks, and the only code left is 234.
    const Transcript t = PlayGame(GameSettings::Make(5, 3, true, 2, 1), "01234", "234");
    EXPECT_EQ(t.guesses, (std::vector<std::string>{"012", "340", "134", "234"}));
    EXPECT_EQ(t.end, Watchedend::Win);
    EXPECT_EQ(t.attempts, 4);
}

TEST(EngineGameTest, AHandTracedFixedOrderGame) {
    // 0122 (2 correct): the greedy choice keeps one 0 and one 1, the room goes
    // to more copies of the colours already in the code: 0111.  Then more 0s,
    // the untested 3 and 4 by halving, a further 3, and last the untested 5.
    const Transcript t = PlayGame(GameSettings::Make(6, 4, true, 1, 4), "210345", "0135");
    EXPECT_EQ(t.guesses, (std::vector<std::string>{"0122", "0111", "0001", "0134", "0133", "0135"}));
    EXPECT_EQ(t.attempts, 6);
}

TEST(EngineGameTest, AMiddleStartFromTheComputersOwnGuessesPlaysOnTheSame) {
    // Given the guesses the computer itself would have played, a game that
    // starts in the middle must go on exactly as the game from trial 1.
    struct Case {
        GameSettings s;
        std::string order, answer;
    };
    const std::vector<Case> cases = {
        {GameSettings::Make(8, 5, true, 2, 2), "40731652", "14470"},
        {GameSettings::Make(10, 6, false, 2, 6), "9081726354", "33b9b0"},
        {GameSettings::Make(9, 6, true, 1, 3), "802461357", "001558"},
        {GameSettings::Make(10, 8, true, 2, 8), "5190283746", "77123400"},
    };
    for (const Case& c : cases) {
        const Transcript full = PlayGame(c.s, c.order, c.answer);
        ASSERT_EQ(full.end, Watchedend::Win);
        for (size_t start = 2; start <= std::min<size_t>(full.guesses.size(), 9); ++start) {
            std::vector<std::string> given(full.guesses.begin(),
                                           full.guesses.begin() + static_cast<long>(start - 1));
            const Transcript middle = PlayGame(c.s, c.order, c.answer, given);
            EXPECT_EQ(middle.guesses, full.guesses) << c.answer << " from trial " << start;
            EXPECT_EQ(middle.attempts, full.attempts - static_cast<int>(start) + 1);
        }
    }
}

TEST(EngineGameTest, GivenTrialsAreTakenInAndTheOwnGuessesAgreeWithThem) {
    const GameSettings s = GameSettings::Make(7, 4, true, 2, 1);
    const Transcript t = PlayGame(s, "6543210", "0123", {"4560", "1450", "6012"});
    ASSERT_EQ(t.end, Watchedend::Win);
    ASSERT_GE(t.guesses.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(t.guesses.begin(), t.guesses.begin() + 3),
              (std::vector<std::string>{"4560", "1450", "6012"}));
    for (size_t i = 3; i < t.guesses.size(); ++i)
        for (size_t j = 0; j < i; ++j) {
            const Hint had = Markcode(s, t.guesses[j], "0123");
            EXPECT_EQ(Markcode(s, t.guesses[j], t.guesses[i]), had)
                << t.guesses[i] << " against " << t.guesses[j];
        }
}

// A game in which the player marks the computer's guesses.
struct MarkedByPlayer {
    GameState g;
    EngineTables tables;
    WrongHintState wrong;
    Engine engine{g, tables, wrong};

    explicit MarkedByPlayer(const GameSettings& s, const std::string& order) {
        g.Settings = s;
        g.Settings.Who = 2;
        g.Gamestatus = "Playing";
        tables.ColourOrder = order;
        engine.Setcomputermarks(false);
    }
    Conclusion Answer(int blacks, int whites) {
        g.Result = Hint{static_cast<int16_t>(blacks), static_cast<int16_t>(whites), 0};
        Processmark(g);
        return engine.Getguess();
    }
};

TEST(EngineConclusionTest, ThePlayerMarksEachOwnGuess) {
    MarkedByPlayer game(GameSettings::Make(6, 4, true, 2, 1), "012345");
    Conclusion c = game.engine.Getguess();
    EXPECT_EQ(c.kind, Conclusion::Kind::Getresult);
    EXPECT_EQ(game.g.Guessstr, "0123");
    c = game.Answer(0, 0);  // none of 0123: only 4 and 5 are left, too few
    EXPECT_EQ(c.kind, Conclusion::Kind::Inconsistent);
}

TEST(EngineConclusionTest, AWinningGuessAnsweredWithAHintIsInconsistent) {
    // With blanks in the guess the player may give every colour as black
    // without pressing WIN; the same guess then comes out of the next search,
    // so the hint cannot be right.
    MarkedByPlayer game(GameSettings::Make(7, 6, false, 2, 6), "0123456");
    const std::string secret = "3bb4b5";
    Conclusion c = game.engine.Getguess();
    for (int n = 0; n < 26 && game.g.Guessstr != secret; ++n) {
        ASSERT_EQ(c.kind, Conclusion::Kind::Getresult);
        const Hint truth = Markcode(game.g.Settings, game.g.Guessstr, secret);
        c = game.Answer(truth.Blacks, truth.Whites);
    }
    ASSERT_EQ(game.g.Guessstr, secret);
    ASSERT_EQ(c.kind, Conclusion::Kind::Getresult);
    const int trial = game.g.Currenttrial;
    c = game.Answer(3, 0);
    EXPECT_EQ(c.kind, Conclusion::Kind::Inconsistent);
    EXPECT_EQ(game.g.Currenttrial, trial + 1);
}

TEST(EngineConclusionTest, NoCodeWithoutAPendingErrorIsABugAndStepsTheTrialBack) {
    GameState g;
    g.Settings = GameSettings::Make(5, 3, true, 2, 1, 3);
    g.Gamestatus = "Playing";
    EngineTables tables;
    tables.ColourOrder = "01234";
    WrongHintState wrong;
    Engine engine(g, tables, wrong);
    ASSERT_EQ(engine.Getguess().kind, Conclusion::Kind::Delaytimer);
    g.Result = Hint{0, 0, 0};  // "012" has no colour of a 3-colour code from 5: impossible
    Processmark(g);
    const Conclusion c = engine.Getguess();
    EXPECT_EQ(c.kind, Conclusion::Kind::Showbug);
    EXPECT_EQ(c.bugguess, "");
    EXPECT_TRUE(tables.NoConsistentCode);
    EXPECT_EQ(g.Currenttrial, 1);
    EXPECT_EQ(Showbugtext(""), "This programme has a bug. Please choose one option below.");
    EXPECT_EQ(Showbugtext("012"),
              "This programme has a bug. My next guess is 012. Please choose one option below.");
}

TEST(EngineConclusionTest, WithAPendingErrorTheComputerReportsTheInconsistency) {
    GameState g;
    g.Settings = GameSettings::Make(5, 3, true, 2, 1, 3, 1, 2);
    g.Gamestatus = "Playing";
    g.ErrorTrials = "1";
    EngineTables tables;
    tables.ColourOrder = "01234";
    WrongHintState wrong;
    wrong.ErrorPending = true;
    Engine engine(g, tables, wrong);
    engine.Getguess();
    g.Result = Hint{0, 0, 0};
    Processmark(g);
    EXPECT_EQ(engine.Getguess().kind, Conclusion::Kind::Inconsistent);
    EXPECT_EQ(wrong.Checkedtrial, 1);
}

// The player claims an error: the engine replays the recorded trials.
struct Claim {
    GameState g;
    EngineTables tables;
    WrongHintState wrong;

    Conclusion Judge() {
        Engine engine(g, tables, wrong);
        wrong.Checkedtrial = g.Currenttrial;
        tables.Clear();
        g.Currenttrial = 0;
        wrong.Replaycount = 1;
        return engine.Nextguess();
    }
};

TEST(EngineClaimTest, ConsistentHintsEndTheReplayWithAPossibleAnswer) {
    Claim claim;
    claim.g.Settings = GameSettings::Make(6, 4, true, 2, 1, 1, 1, 2);
    claim.g.Answer = "0123";
    claim.tables.ColourOrder = "543210";
    for (const char* guess : {"4501", "2345"}) {
        ++claim.g.Currenttrial;
        claim.g.Guessstr = guess;
        claim.g.Result = Markcode(claim.g.Settings, guess, claim.g.Answer);
        Processmark(claim.g);
    }
    const Conclusion c = claim.Judge();
    EXPECT_EQ(c.kind, Conclusion::Kind::Errorcase);
    EXPECT_EQ(claim.wrong.DetectTrial, 0);
    EXPECT_EQ(claim.g.Currenttrial, 3);
    EXPECT_EQ(claim.wrong.Replaycount, 4);
    for (int t = 1; t <= 2; ++t)
        EXPECT_EQ(Markcode(claim.g.Settings, claim.g.Record[t].Trialguess, claim.g.Guessstr),
                  Markcode(claim.g.Settings, claim.g.Record[t].Trialguess, claim.g.Answer));
}

TEST(EngineClaimTest, AWrongHintIsFoundAtTheTrialAfterIt) {
    Claim claim;
    claim.g.Settings = GameSettings::Make(6, 4, true, 2, 1, 1, 1, 2);
    claim.g.Answer = "0123";
    claim.g.ErrorTrials = "2";
    claim.wrong.ErrorPending = true;
    claim.tables.ColourOrder = "012345";
    const std::vector<std::pair<std::string, Hint>> trials = {
        {"4501", Hint{0, 2, 0}},
        {"2345", Hint{0, 0, 0}},  // the truth is 0 black, 2 white
        {"0124", Hint{3, 0, 0}}};
    for (const auto& [guess, hint] : trials) {
        ++claim.g.Currenttrial;
        claim.g.Guessstr = guess;
        claim.g.Result = hint;
        Processmark(claim.g);
    }
    const Conclusion c = claim.Judge();
    EXPECT_EQ(c.kind, Conclusion::Kind::Errorcase);
    EXPECT_EQ(claim.wrong.DetectTrial, 3) << "hints 1 and 2 leave only 4 and 5 with too few others";
}

TEST(NextcombinationTest, RunsThroughPositionSetsInLexicographicOrder) {
    std::string c = "12";
    std::vector<std::string> seen = {c};
    while (Nextcombination(c, 4)) seen.push_back(c);
    EXPECT_EQ(seen, (std::vector<std::string>{"12", "13", "14", "23", "24", "34"}));
    c = "678";
    EXPECT_FALSE(Nextcombination(c, 8));
    c = "1";
    int n = 1;
    while (Nextcombination(c, 8)) ++n;
    EXPECT_EQ(n, 8);
    EXPECT_EQ(Expandcounts("21", "25"), "225");
    EXPECT_EQ(Expandcounts("030", "7#b"), "###");
}

}  // namespace
}  // namespace tallimor
