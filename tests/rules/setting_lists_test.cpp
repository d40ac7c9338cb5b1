#include "rules/setting_lists.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace tallimor {
namespace {

using Items = std::vector<std::string>;

Items Lengths(std::initializer_list<int> fixed, std::initializer_list<int> unspecified) {
    Items items;
    for (int l : fixed) items.push_back(std::to_string(l));
    for (int m : unspecified) items.push_back(SettingLists::UnspecifiedText(m));
    return items;
}

// A player's pick written "List=item text"; false when the list does not offer it.
bool Pick(SettingLists& lists, const std::string& pick) {
    static const std::map<std::string, SettingList> names = {
        {"Who", SettingList::Who},       {"Colour", SettingList::Colour}, {"Start", SettingList::Start},
        {"Length", SettingList::Length}, {"Hint", SettingList::Hint},     {"Order", SettingList::Order},
        {"Repeat", SettingList::Repeat}};
    const size_t eq = pick.find('=');
    return lists.Choose(names.at(pick.substr(0, eq)), pick.substr(eq + 1));
}

SettingLists Picked(const Items& picks) {
    SettingLists lists;
    for (const std::string& pick : picks) EXPECT_TRUE(Pick(lists, pick)) << pick;
    return lists;
}

GameSettings Updated(const SettingLists& lists) {
    GameSettings s;
    lists.Updatesetting(s);
    return s;
}

const Items kAllLengths = Lengths({3, 4, 5, 6, 7, 8}, {4, 5, 6, 7, 8});

TEST(SettingListsTest, StartContentsAndShownItems) {
    SettingLists lists;
    EXPECT_EQ(lists.Cbwho.items, (Items{"You guess", "Computer guesses", "Watch computer play"}));
    EXPECT_EQ(lists.Cbcolour.items, (Items{"5", "6", "7", "8", "9", "10"}));
    EXPECT_EQ(lists.Cblength.items, kAllLengths);
    EXPECT_EQ(lists.Cbrepeat.items,
              (Items{"No repetition", "Each colour at most 2 times", "May be repeated any times"}));
    EXPECT_EQ((Items{lists.Cbcolour.Text(), lists.Cblength.Text(), lists.Cbstart.Text(), lists.Cbhint.Text(),
                     lists.Cborder.Text()}),
              (Items{"10", "3", "Trial 1", "No error", "Fixed order"}));
    EXPECT_EQ(std::pair(lists.Minlength, lists.Maxlength), std::pair(3, 8));
    EXPECT_EQ(Updated(lists), GameSettings{});
}

TEST(SettingListsTest, ColourCountLimitsTheLengths) {
    SettingLists lists;
    for (const auto& [colour, lengths, longest] : std::vector<std::tuple<std::string, Items, int>>{
             {"5", Lengths({3}, {}), 3}, {"6", Lengths({3, 4}, {4}), 4}, {"10", kAllLengths, 8}}) {
        ASSERT_TRUE(Pick(lists, "Colour=" + colour));
        EXPECT_EQ(lists.Cblength.items, lengths) << colour;
        EXPECT_EQ(lists.Maxlength, longest) << colour;
    }
    EXPECT_EQ(lists.Cblength.Text(), "3");
}

TEST(SettingListsTest, LengthsGiveAndTakeColoursAndRepetitionLimits) {
    Items repeat{"No repetition"};
    for (int k = 2; k <= 7; ++k) repeat.push_back(SettingLists::AtMostText(k));
    repeat.push_back("May be repeated any times");
    for (const std::string length : {"8", "Unspecified (3 - 8)"}) {
        const SettingLists lists = Picked({"Length=" + length});
        EXPECT_EQ(lists.Cbcolour.items, Items{"10"}) << length;
        EXPECT_EQ(lists.Cbrepeat.items, repeat) << length;
    }
    // A shorter length gives colours back and takes limits away.
    const SettingLists lists =
        Picked({"Length=8", "Repeat=May be repeated any times", "Length=Unspecified (3 - 4)"});
    EXPECT_EQ(lists.Cbcolour.items, (Items{"6", "7", "8", "9", "10"}));
    EXPECT_EQ(lists.Cbcolour.Text(), "10");
    EXPECT_EQ(lists.Cbrepeat.items, (Items{"No repetition", "Each colour at most 2 times",
                                           "Each colour at most 3 times", "May be repeated any times"}));
    EXPECT_EQ(lists.Cbrepeat.Text(), "May be repeated any times");
}

TEST(SettingListsTest, RepetitionLimitRaisesTheShortestLength) {
    SettingLists lists = Picked({"Length=6", "Repeat=Each colour at most 4 times"});
    EXPECT_EQ(lists.Cblength.items, Lengths({5, 6, 7, 8}, {5, 6, 7, 8}));
    EXPECT_EQ(std::pair(lists.Minlength, lists.Cblength.Text()), std::pair(5, std::string("6")));
    // Going back to "No repetition" puts the short lengths back in order.
    ASSERT_TRUE(Pick(lists, "Repeat=No repetition"));
    EXPECT_EQ(lists.Cblength.items, kAllLengths);
    EXPECT_EQ(std::pair(lists.Minlength, lists.Cblength.Text()), std::pair(3, std::string("6")));

    // With the limit kept, fewer colours cut the lengths from the top only.
    lists = Picked({"Length=Unspecified (3 - 5)", "Repeat=Each colour at most 4 times", "Colour=7"});
    EXPECT_EQ(lists.Cblength.items, Lengths({5}, {5}));
    ASSERT_TRUE(Pick(lists, "Colour=9"));
    EXPECT_EQ(lists.Cblength.items, Lengths({5, 6, 7}, {5, 6, 7}));
    const GameSettings s = Updated(lists);
    EXPECT_EQ(std::tuple(s.Colours, s.Codelength, s.Fixedlength, s.Blankroom, s.MaxRepeat, s.Lengthclass),
              std::tuple(9, 5, 0, 2, 4, 10));
}

TEST(SettingListsTest, ComputerGuessesAndWrongHintsExcludeEachOther) {
    SettingLists lists = Picked({"Who=Computer guesses"});
    EXPECT_EQ(lists.Cbhint.items, Items{"No error"});
    EXPECT_FALSE(lists.TopFiveAvailable());
    ASSERT_TRUE(Pick(lists, "Who=Watch computer play"));
    EXPECT_EQ(lists.Cbhint.items, (Items{"No error", "May contain error(s)"}));

    ASSERT_TRUE(Pick(lists, "Hint=May contain error(s)"));
    EXPECT_EQ(lists.Cbwho.items, (Items{"You guess", "Watch computer play"}));
    EXPECT_EQ(lists.Cbwho.Text(), "Watch computer play");
    EXPECT_FALSE(Pick(lists, "Who=Computer guesses"));
    ASSERT_TRUE(Pick(lists, "Hint=No error"));
    EXPECT_EQ(lists.Cbwho.items, (Items{"You guess", "Computer guesses", "Watch computer play"}));
    EXPECT_EQ(lists.Cbwho.Text(), "Watch computer play");
    EXPECT_EQ(Updated(lists).Who, 3);
    ASSERT_TRUE(Pick(lists, "Who=You guess"));
    EXPECT_TRUE(lists.TopFiveAvailable());
}

TEST(SettingListsTest, SummaryTextsAndAnyTimesStoredAsTheMaximum) {
    GameSettings s = Updated(Picked({"Length=Unspecified (3 - 6)", "Repeat=May be repeated any times",
                                     "Order=Random order", "Start=Middle"}));
    EXPECT_EQ(std::tuple(s.MaxRepeat, s.Ordertype, s.Startfrom, s.Lengthclass), std::tuple(6, 2, 2, 11));
    s.Starttrial = 4;
    EXPECT_EQ(Setcontenttext(s, "Playing"),
              "You guess\n10\nMiddle (Trial 4)\nUnspecified (3 - 6)\nNo error\nRandom order\n"
              "May be repeated any times\nPlaying");
    s = GameSettings::Make(7, 5, true, 1, 3, 1, 1, 2);
    EXPECT_EQ(Setcontenttext(s, "Preparation"),
              "You guess\n7\nTrial 1\n5\nMay contain error(s)\nFixed order\n"
              "Each colour at most 3 times\nPreparation");
    s.MaxRepeat = 1;
    EXPECT_EQ(Repeattext(s), "No repetition");
}

// Walks every colour, every length it offers and every repetition that
// length offers, through the rules alone, as a player picking in the menu.
// The pick of repetition never takes the shown length or colour away.
TEST(SettingListsTest, EveryAllowedCombinationCountsTo178And1424Variations) {
    std::set<std::tuple<int, std::string, std::string>> seen;
    for (const std::string& colour : SettingLists().Cbcolour.items) {
        const std::string c = "Colour=" + colour;
        for (const std::string& length : Items(Picked({c}).Cblength.items)) {
            const std::string l = "Length=" + length;
            for (const std::string& repeat : Items(Picked({c, l}).Cbrepeat.items)) {
                const SettingLists lists = Picked({c, l, "Repeat=" + repeat});
                ASSERT_EQ(std::pair(lists.Cbcolour.Text(), lists.Cblength.Text()), std::pair(colour, length));
                const GameSettings s = Updated(lists);
                ASSERT_TRUE(s.Colours >= s.Codelength + 2 && s.MaxRepeat <= s.Codelength) << c << l << repeat;
                seen.insert({s.Colours, length, repeat});
            }
        }
    }
    EXPECT_EQ(seen.size(), 178u);
    SettingLists lists;
    EXPECT_EQ(
        seen.size() * lists.Cbstart.items.size() * lists.Cbhint.items.size() * lists.Cborder.items.size(),
        1424u);
}

TEST(SettingListsTest, RestorePutsBackEveryListAfterAnyChange) {
    // The picks before the menu was opened, then the picks before its Cancel.
    const std::vector<std::pair<Items, Items>> cases = {
        {{"Colour=6"}, {"Colour=10", "Length=8", "Repeat=Each colour at most 6 times"}},
        {{"Length=8", "Repeat=Each colour at most 7 times"},
         {"Repeat=No repetition", "Length=3", "Colour=5"}},
        {{"Colour=8", "Length=Unspecified (3 - 6)", "Repeat=May be repeated any times",
          "Who=Computer guesses", "Order=Random order"},
         {"Who=You guess", "Hint=May contain error(s)", "Repeat=No repetition", "Length=4", "Colour=6"}},
        {{"Length=7", "Repeat=Each colour at most 5 times", "Hint=May contain error(s)"},
         {"Repeat=No repetition", "Length=3", "Colour=5", "Hint=No error", "Who=Computer guesses"}},
    };
    for (const auto& [before, changes] : cases) {
        SettingLists expected = Picked(before);
        SettingLists lists = expected;
        const SavedSetting saved = lists.Save();
        for (const std::string& pick : changes) ASSERT_TRUE(Pick(lists, pick)) << pick;
        lists.Restore(saved);
        for (int list = 0; list <= static_cast<int>(SettingList::Repeat); ++list) {
            const ChoiceList& got = lists.List(SettingList(list));
            const ChoiceList& want = expected.List(SettingList(list));
            EXPECT_EQ(std::pair(got.items, got.Text()), std::pair(want.items, want.Text())) << before.back();
        }
        EXPECT_EQ(std::pair(lists.Minlength, lists.Maxlength),
                  std::pair(expected.Minlength, expected.Maxlength));
    }
}

}  // namespace
}  // namespace tallimor
