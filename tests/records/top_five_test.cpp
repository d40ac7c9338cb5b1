#include "records/top_five.h"

#include <gtest/gtest.h>

namespace tallimor {
namespace {

const GameSettings kSetting = GameSettings::Make(6, 4, true, 2, 1, 1);

void Put(WinnersRecord& r, int place, const std::string& name, int seconds, int attempts) {
    const auto i = static_cast<size_t>(Placeindex(kSetting, place));
    r.Topname[i] = name;
    r.Toptime[i] = static_cast<int16_t>(seconds);
    r.Topattempts[i] = static_cast<int16_t>(attempts);
}

std::string Names(const WinnersRecord& r) {
    std::string out;
    for (int p = 0; p < 5; ++p) out += r.Topname[static_cast<size_t>(Placeindex(kSetting, p))] + ";";
    return out;
}

TEST(TopFiveTest, EntriesGoByTimeThenAttemptsAndTheFifthDropsOut) {
    WinnersRecord r;
    EXPECT_EQ(Placeentry(r, kSetting, "first", 50, 50, 9), 0);  // an empty list takes any win first
    EXPECT_EQ(Placeentry(r, kSetting, "better", 40, 40, 9), 0);
    EXPECT_EQ(Names(r), "better;first;;;;");

    WinnersRecord full;
    Put(full, 0, "a", 10, 5);
    Put(full, 1, "b", 20, 3);
    Put(full, 2, "c", 20, 4);
    Put(full, 3, "d", 25, 2);
    Put(full, 4, "e", 30, 6);
    EXPECT_EQ(Placeentry(full, kSetting, "new", 20, 20, 6), 3);  // after both of 20 s, before 25 s
    EXPECT_EQ(Names(full), "a;b;c;new;d;");
    EXPECT_EQ(Placeentry(full, kSetting, "same", 20, 20, 3), 1);  // equal goes before
    EXPECT_EQ(Names(full), "a;same;b;c;new;");
    // The fifth place is now (20 s, 6): only fewer seconds, or as many with fewer attempts, beat it.
    EXPECT_EQ((std::vector<bool>{Qualifies(full, kSetting, 20, 5), Qualifies(full, kSetting, 20, 6),
                                 Qualifies(full, kSetting, 21, 1), Qualifies(full, kSetting, 19, 27)}),
              (std::vector<bool>{true, false, false, true}));
}

TEST(TopFiveTest, TheListTextsLeaveFreePlacesBlank) {
    WinnersRecord r;
    Put(r, 0, "Ann", 65, 4);
    Winnerstexts t = Showwinnerstexts(r, kSetting);
    EXPECT_EQ(t.names, " 1.  Ann\n\n 2.  \n\n 3.  \n\n 4.  \n\n 5.  \n\n");
    EXPECT_EQ(t.times, "1 minute 5 seconds\n\n\n\n\n\n\n\n\n\n");
    EXPECT_EQ(t.attempts, "4\n\n\n\n\n\n\n\n\n\n");
    // The statistics lines are read in the flow tests.
    EXPECT_EQ(Onedecimal(0.5) + " " + Onedecimal(12.04), ".5 12.0");
}

}  // namespace
}  // namespace tallimor
