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

TEST(SettingListsTest, EachPickRebuildsTheListsItRules) {
    using L = SettingList;
    Items repeat8{"No repetition"};
    for (int k = 2; k <= 7; ++k) repeat8.push_back(SettingLists::AtMostText(k));
    repeat8.push_back("May be repeated any times");
    const Items repeat4{repeat8[0], repeat8[1], repeat8[2], repeat8[7]};
    const std::string four = "Repeat=Each colour at most 4 times";
    const Items shorter{"Length=8", "Repeat=May be repeated any times", "Length=Unspecified (3 - 4)"};
    const Items seven{"Length=Unspecified (3 - 5)", four, "Colour=7"},
        nine{seven[0], four, seven[2], "Colour=9"};
    const Items watch{"Who=Computer guesses", "Who=Watch computer play"};
    const Items errors{watch[0], watch[1], "Hint=May contain error(s)"};
    const Items who = SettingLists().Cbwho.items;
    // Picks made in turn, then one list: the items it offers and the one it shows.
    const std::vector<std::tuple<Items, SettingList, Items, std::string>> cases = {
        // The colour count limits the lengths.
        {{"Colour=5"}, L::Length, Lengths({3}, {}), "3"},
        {{"Colour=6"}, L::Length, Lengths({3, 4}, {4}), "3"},
        {{"Colour=5", "Colour=6", "Colour=10"}, L::Length, kAllLengths, "3"},
        // A length takes colours and gives repetition limits; a shorter one
        // gives colours back and takes limits away.
        {{"Length=8"}, L::Colour, {"10"}, "10"},
        {{"Length=8"}, L::Repeat, repeat8, "No repetition"},
        {{"Length=Unspecified (3 - 8)"}, L::Repeat, repeat8, "No repetition"},
        {shorter, L::Colour, {"6", "7", "8", "9", "10"}, "10"},
        {shorter, L::Repeat, repeat4, "May be repeated any times"},
        // A repetition limit raises the shortest length, "No repetition" puts
        // the short ones back in order; fewer colours cut from the top only.
        {{"Length=6", four}, L::Length, Lengths({5, 6, 7, 8}, {5, 6, 7, 8}), "6"},
        {{"Length=6", four, "Repeat=No repetition"}, L::Length, kAllLengths, "6"},
        {seven, L::Length, Lengths({5}, {5}), "Unspecified (3 - 5)"},
        {nine, L::Length, Lengths({5, 6, 7}, {5, 6, 7}), "Unspecified (3 - 5)"},
        // The computer's guesses and wrong hints exclude each other.
        {{watch[0]}, L::Hint, {"No error"}, "No error"},
        {watch, L::Hint, {"No error", "May contain error(s)"}, "No error"},
        {errors, L::Who, {"You guess", "Watch computer play"}, "Watch computer play"},
        {{watch[0], watch[1], errors[2], "Hint=No error"}, L::Who, who, "Watch computer play"},
    };
    for (const auto& [picks, list, items, shown] : cases) {
        SettingLists lists = Picked(picks);
        EXPECT_EQ(std::pair(lists.List(list).items, lists.List(list).Text()), std::pair(items, shown))
            << picks.back();
    }
    SettingLists lists = Picked(nine);
    const GameSettings s = Updated(lists);
    EXPECT_EQ(
        std::tuple(s.Colours, s.Codelength, Code(s.Fixedlength), s.Blankroom, s.MaxRepeat, s.Lengthclass),
        std::tuple(9, 5, 0, 2, 4, 10));
    lists = Picked(errors);
    EXPECT_TRUE(!Pick(lists, "Who=Computer guesses") && Updated(lists).Who == Guesser::Watch);
}

// The lists shown at start give the default setting.
TEST(SettingListsTest, SummaryTextsAndAnyTimesStoredAsTheMaximum) {
    EXPECT_EQ(Updated(SettingLists()), GameSettings{});
    GameSettings s = Updated(Picked({"Length=Unspecified (3 - 6)", "Repeat=May be repeated any times",
                                     "Order=Random order", "Start=Middle"}));
    EXPECT_EQ(std::tuple(s.MaxRepeat, Code(s.Ordertype), Code(s.Startfrom), s.Lengthclass),
              std::tuple(6, 2, 2, 11));
    s.Starttrial = 4;
    EXPECT_EQ(Setcontenttext(s, "Playing"),
              "You guess\n10\nMiddle (Trial 4)\nUnspecified (3 - 6)\nNo error\nRandom order\n"
              "May be repeated any times\nPlaying");
    EXPECT_EQ(Setcontenttext(GameSettings::Make(7, 5, true, 1, 3, 1, 1, 2), "Preparation"),
              "You guess\n7\nTrial 1\n5\nMay contain error(s)\nFixed order\n"
              "Each colour at most 3 times\nPreparation");
}

// Walks every colour, every length it offers and every repetition that
// length offers, through the rules alone, as a player picking in the menu.
// The pick of repetition never takes the shown length or colour away.
TEST(SettingListsTest, EveryAllowedCombinationCountsTo178) {
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
}

TEST(SettingListsTest, RestorePutsBackEveryListAfterAnyChange) {
    // The picks before the menu was opened, then the picks before its Cancel.
    const std::vector<std::pair<Items, Items>> cases = {
        {{"Colour=6"}, {"Colour=10", "Length=8", "Repeat=Each colour at most 6 times"}},
        {{"Colour=8", "Length=Unspecified (3 - 6)", "Repeat=May be repeated any times",
          "Who=Computer guesses", "Order=Random order"},
         {"Who=You guess", "Hint=May contain error(s)", "Repeat=No repetition", "Length=4", "Colour=6"}},
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
