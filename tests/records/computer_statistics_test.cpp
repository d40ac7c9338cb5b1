#include "records/computer_statistics.h"

#include <gtest/gtest.h>

#include <set>

#include "rules/code_string.h"

namespace tallimor {
namespace {

TEST(SimulationOrderTest, EveryValidCodeExactlyOnceInRisingOrder) {
    // Colours, length, fixed length, order type, repetition limit, first and last codes.
    const std::vector<std::tuple<int, int, bool, int, int, const char*, const char*>> cases = {
        {5, 3, true, 2, 1, "012", "432"},      {5, 3, true, 1, 1, "012", "234"},
        {6, 5, false, 2, 5, "00000", "bb555"}, {8, 5, true, 2, 2, "00112", "77665"},
        {6, 4, true, 2, 4, "0000", "5555"},    {6, 4, false, 2, 2, "0011", "b554"},
        {7, 5, false, 1, 3, "00011", "666bb"}, {6, 4, true, 2, 1, "0123", "5432"}};
    for (const auto& [colours, length, fixed, order, repeat, first, last] : cases) {
        const GameSettings s = GameSettings::Make(colours, length, fixed, order, repeat);
        EXPECT_EQ(std::tuple(Firstcode(s), Lastcode(s)), std::tuple(first, last));
        // Count the valid codes independently: every string over the colours
        // in play and, for an unspecified length, the blank.
        const std::string alphabet = std::string("0123456789").substr(0, s.Colours) + (fixed ? "" : "b");
        size_t strings = 1, valid = 0;
        for (int i = 0; i < length; ++i) strings *= alphabet.size();
        for (size_t n = 0; n < strings; ++n) {
            std::string code;
            for (size_t rest = n; code.size() < static_cast<size_t>(length); rest /= alphabet.size())
                code.insert(code.begin(), alphabet[rest % alphabet.size()]);
            valid += Checkinput(s, code, alphabet) ? 1 : 0;
        }
        std::vector<std::string> codes{Firstcode(s)};
        for (std::string code = codes[0]; Nextcode(s, code);) codes.push_back(code);
        EXPECT_EQ(std::pair(codes.size(), codes.back()), std::pair(valid, std::string(last)));
        // Rising order ('b' after the digits) also means no code comes twice.
        for (size_t i = 1; i < codes.size(); ++i) ASSERT_LT(codes[i - 1], codes[i]);
    }
}

TEST(SimulationSummaryTest, TextWithFifteenSignificantDigits) {
    SimulationSummary summary;
    for (const auto& [attempts, trials] : {std::pair(5, 5), {3, 7}, {5, 2}}) summary.Add(attempts, trials);
    EXPECT_EQ(summary.Text(),
              "Average number of attempts: 13 / 3 = 4.33333333333333\n"
              "Maximum number of attempts: 5\nMaximum number of trials: 7");
}

TEST(StatisticsUpdateTest, RunningAverageInItsOwnSetting) {
    WinnersRecord r;
    const GameSettings s = GameSettings::Make(7, 4, false, 2, 4, 3, 2, 1);
    const size_t own = static_cast<size_t>(Settingindex(9, 2, 2, 1, 4));
    auto update = [&](int attempts) {
        Updatestatistics(r, s, attempts);
        return std::pair<int, float>(r.Population[own], r.Average[own]);
    };
    const std::pair inTurn{update(4), update(5)};  // a braced list runs in order
    EXPECT_EQ(inTurn, std::pair(std::pair(1, 4.0f), std::pair(2, 4.5f)));
    EXPECT_EQ(r.Population[static_cast<size_t>(Settingindex(9, 2, 1, 1, 4))], 0)
        << "the Trial 1 element is untouched";
    r.Population[own] = 30000;
    const auto last = update(9);
    EXPECT_EQ(std::pair(last.first, update(1)), std::pair(30001, last)) << "statistics stop growing";
    // Whatever an update writes, the reader takes back.
    r.Population[own] = 29000;
    r.Average[own] = 27;
    for (int i = 0; i < 500; ++i) update(27);
    WinnersRecord back;
    EXPECT_TRUE(Decodewinners(Encodewinners(r).data(), kWinnersRecordLength, back));
}

TEST(InitialiseStatisticsOrderTest, WalksEverySettingOnce) {
    GameSettings s = Firststatsetting();
    EXPECT_EQ(s, GameSettings::Make(5, 3, true, 1, 1, 3, 1, 1));
    int gamecount = 1;
    std::vector<std::string> seen;
    do {
        if (gamecount == 1)
            seen.push_back(std::to_string(s.Colours) + "/" + Lengthtext(s) + "/" +
                           std::to_string(Code(s.Ordertype)) + "/" + std::to_string(s.MaxRepeat));
        ASSERT_GE(s.Colours, s.Codelength + 2);
        ASSERT_EQ(s.Blankroom, s.Fixedcodelength() ? 0 : s.Codelength - 3);
        ASSERT_EQ(std::tuple(s.Who, s.Startfrom, s.Hinterrors),
                  std::tuple(Guesser::Watch, Startpoint::Trial1, Hintkind::Noerror));
    } while (Nextstatgame(s, gamecount, 2));
    // 178 colour, length and repetition choices in both order types, each once.
    EXPECT_EQ(std::pair(seen.size(), std::set<std::string>(seen.begin(), seen.end()).size()),
              std::pair(356ul, 356ul));
    EXPECT_EQ(seen[3] + " " + seen[6] + " " + seen.back(), "5/3/2/1 6/3/1/1 10/Unspecified (3 - 8)/2/8");
}

}  // namespace
}  // namespace tallimor
