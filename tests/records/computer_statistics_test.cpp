#include "records/computer_statistics.h"

#include <gtest/gtest.h>

#include <set>

#include "rules/code_string.h"

namespace tallimor {
namespace {

std::vector<std::string> Everycode(const GameSettings& s) {
    std::vector<std::string> codes;
    for (std::string code = Firstcode(s);;) {
        codes.push_back(code);
        if (!Nextcode(s, code)) break;
    }
    return codes;
}

TEST(SimulationOrderTest, FirstAndLastCodesAndTheirCount) {
    const GameSettings random = GameSettings::Make(5, 3, true, 2, 1);
    EXPECT_EQ(Firstcode(random), "012");
    EXPECT_EQ(Lastcode(random), "432");
    EXPECT_EQ(Everycode(random).size(), 60u);

    const GameSettings fixed = GameSettings::Make(5, 3, true, 1, 1);
    EXPECT_EQ(Lastcode(fixed), "234");
    const auto fixedCodes = Everycode(fixed);
    EXPECT_EQ(fixedCodes.size(), 10u);
    EXPECT_EQ(fixedCodes.front(), "012");
    EXPECT_EQ(fixedCodes.back(), "234");

    const GameSettings blanks = GameSettings::Make(6, 5, false, 2, 5);
    EXPECT_EQ(Firstcode(blanks), "00000");
    EXPECT_EQ(Lastcode(blanks), "bb555");
    EXPECT_EQ(Firstcode(GameSettings::Make(8, 5, true, 2, 2)), "00112");
    EXPECT_EQ(Lastcode(GameSettings::Make(8, 5, true, 2, 2)), "77665");
}

TEST(SimulationOrderTest, EveryValidCodeExactlyOnceInRisingOrder) {
    for (const GameSettings& s :
         {GameSettings::Make(6, 4, true, 2, 4), GameSettings::Make(6, 4, false, 2, 2),
          GameSettings::Make(7, 5, false, 1, 3), GameSettings::Make(6, 4, true, 2, 1)}) {
        const auto codes = Everycode(s);
        // Count the valid codes independently: every string over the alphabet.
        const std::string alphabet = Simalphabet(s);
        size_t valid = 0;
        std::string code(static_cast<size_t>(s.Codelength), alphabet[0]);
        std::vector<size_t> digit(code.size(), 0);
        for (;;) {
            if (Checkinput(s, code, alphabet)) ++valid;
            size_t i = code.size();
            while (i > 0 && digit[i - 1] + 1 == alphabet.size()) {
                digit[i - 1] = 0;
                code[i - 1] = alphabet[0];
                --i;
            }
            if (i == 0) break;
            code[i - 1] = alphabet[++digit[i - 1]];
        }
        EXPECT_EQ(codes.size(), valid) << Lengthtext(s);
        EXPECT_EQ(std::set<std::string>(codes.begin(), codes.end()).size(), codes.size());
        for (size_t i = 1; i < codes.size(); ++i) {
            auto rank = [&](const std::string& c) {
                std::string r;
                for (char ch : c) r += static_cast<char>('a' + alphabet.find(ch));
                return r;
            };
            ASSERT_LT(rank(codes[i - 1]), rank(codes[i]));
        }
        EXPECT_EQ(codes.back(), Lastcode(s));
    }
}

TEST(SimulationSummaryTest, TextWithFifteenSignificantDigits) {
    SimulationSummary summary;
    summary.Simtotal = 130;
    summary.Simcount = 30;
    summary.Simmaxattempts = 7;
    summary.Simmaxtrials = 8;
    EXPECT_EQ(summary.Text(),
              "Average number of attempts: 130 / 30 = 4.33333333333333\n"
              "Maximum number of attempts: 7\nMaximum number of trials: 8");
    SimulationSummary added;
    added.Add(5, 5);
    added.Add(3, 7);
    EXPECT_EQ(added.Text(),
              "Average number of attempts: 8 / 2 = 4\nMaximum number of attempts: 5\n"
              "Maximum number of trials: 7");
}

TEST(StatisticsUpdateTest, RunningAverageInItsOwnSetting) {
    WinnersRecord r;
    GameSettings s = GameSettings::Make(7, 4, false, 2, 4, 3, 2, 1);
    const size_t own = static_cast<size_t>(Settingindex(9, 2, 2, 1, 4));
    Updatestatistics(r, s, 4);
    EXPECT_EQ(r.Population[own], 1);
    EXPECT_EQ(r.Average[own], 4.0f);
    Updatestatistics(r, s, 5);
    EXPECT_EQ(r.Population[own], 2);
    EXPECT_EQ(r.Average[own], 4.5f);
    EXPECT_EQ(r.Population[static_cast<size_t>(Settingindex(9, 2, 1, 1, 4))], 0)
        << "the Trial 1 element is untouched";

    r.Population[own] = 30000;
    Updatestatistics(r, s, 9);
    EXPECT_EQ(r.Population[own], 30001);
    const float average = r.Average[own];
    Updatestatistics(r, s, 1);
    EXPECT_EQ(r.Population[own], 30001) << "statistics stop growing";
    EXPECT_EQ(r.Average[own], average);
}

TEST(InitialiseStatisticsOrderTest, WalksEverySettingOnce) {
    GameSettings s = Firststatsetting();
    EXPECT_EQ(s, GameSettings::Make(5, 3, true, 1, 1, 3, 1, 1));
    int gamecount = 1;
    std::vector<std::string> seen;
    std::set<std::string> distinct;
    do {
        const std::string key = std::to_string(s.Colours) + "/" + Lengthtext(s) + "/" +
                                std::to_string(s.Ordertype) + "/" + std::to_string(s.MaxRepeat);
        if (gamecount == 1) {
            seen.push_back(key);
            distinct.insert(key);
        }
        ASSERT_GE(s.Colours, s.Codelength + 2);
        ASSERT_EQ(s.Blankroom, s.Fixedlength == 1 ? 0 : s.Codelength - 3);
        ASSERT_EQ(s.Who, 3);
        ASSERT_EQ(s.Startfrom, 1);
        ASSERT_EQ(s.Hinterrors, 1);
    } while (Nextstatgame(s, gamecount, 2));
    EXPECT_EQ(seen.size(), 356u) << "178 colour, length and repetition choices in both order types";
    EXPECT_EQ(distinct.size(), 356u);
    EXPECT_EQ(seen[0], "5/3/1/1");
    EXPECT_EQ(seen[3], "5/3/2/1");
    EXPECT_EQ(seen[6], "6/3/1/1");
    EXPECT_EQ(seen.back(), "10/Unspecified (3 - 8)/2/8");
}

}  // namespace
}  // namespace tallimor
