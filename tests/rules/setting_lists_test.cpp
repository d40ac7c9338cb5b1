#include "rules/setting_lists.h"

#include <gtest/gtest.h>

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

TEST(SettingListsTest, StartContentsAndShownItems) {
    SettingLists lists;
    EXPECT_EQ(lists.Cbwho.items, (Items{"You guess", "Computer guesses", "Watch computer play"}));
    EXPECT_EQ(lists.Cbcolour.Text(), "10");
    EXPECT_EQ(lists.Cbcolour.items, (Items{"5", "6", "7", "8", "9", "10"}));
    EXPECT_EQ(lists.Cblength.items, Lengths({3, 4, 5, 6, 7, 8}, {4, 5, 6, 7, 8}));
    EXPECT_EQ(lists.Cblength.Text(), "3");
    EXPECT_EQ(lists.Cbrepeat.items,
              (Items{"No repetition", "Each colour at most 2 times", "May be repeated any times"}));
    EXPECT_EQ(lists.Cbstart.Text(), "Trial 1");
    EXPECT_EQ(lists.Cbhint.Text(), "No error");
    EXPECT_EQ(lists.Cborder.Text(), "Fixed order");
    EXPECT_EQ(lists.Minlength, 3);
    EXPECT_EQ(lists.Maxlength, 8);

    GameSettings s;
    lists.Updatesetting(s);
    EXPECT_EQ(s, GameSettings{});
}

TEST(SettingListsTest, ColourCountLimitsTheLengths) {
    SettingLists lists;
    ASSERT_TRUE(lists.Choose(SettingList::Colour, "5"));
    EXPECT_EQ(lists.Cblength.items, Lengths({3}, {}));
    EXPECT_EQ(lists.Maxlength, 3);
    ASSERT_TRUE(lists.Choose(SettingList::Colour, "6"));
    EXPECT_EQ(lists.Cblength.items, Lengths({3, 4}, {4}));
    ASSERT_TRUE(lists.Choose(SettingList::Colour, "10"));
    EXPECT_EQ(lists.Cblength.items, Lengths({3, 4, 5, 6, 7, 8}, {4, 5, 6, 7, 8}));
    EXPECT_EQ(lists.Cblength.Text(), "3");
}

TEST(SettingListsTest, LongestLengthsLeaveOnlyTenColoursAndOfferEveryLimit) {
    for (const std::string length : {"8", "Unspecified (3 - 8)"}) {
        SettingLists lists;
        ASSERT_TRUE(lists.Choose(SettingList::Length, length));
        EXPECT_EQ(lists.Cbcolour.items, Items{"10"}) << length;
        Items repeat{"No repetition"};
        for (int k = 2; k <= 7; ++k) repeat.push_back(SettingLists::AtMostText(k));
        repeat.push_back("May be repeated any times");
        EXPECT_EQ(lists.Cbrepeat.items, repeat) << length;
    }
}

TEST(SettingListsTest, ShorterLengthGivesBackColoursAndTakesAwayLimits) {
    SettingLists lists;
    lists.Choose(SettingList::Length, "8");
    lists.Choose(SettingList::Repeat, "May be repeated any times");
    ASSERT_TRUE(lists.Choose(SettingList::Length, "Unspecified (3 - 4)"));
    EXPECT_EQ(lists.Cbcolour.items, (Items{"6", "7", "8", "9", "10"}));
    EXPECT_EQ(lists.Cbcolour.Text(), "10");
    EXPECT_EQ(lists.Cbrepeat.items, (Items{"No repetition", "Each colour at most 2 times",
                                           "Each colour at most 3 times", "May be repeated any times"}));
    EXPECT_EQ(lists.Cbrepeat.Text(), "May be repeated any times");
}

TEST(SettingListsTest, RepetitionLimitRaisesTheShortestLength) {
    SettingLists lists;
    lists.Choose(SettingList::Length, "6");
    ASSERT_TRUE(lists.Choose(SettingList::Repeat, "Each colour at most 4 times"));
    EXPECT_EQ(lists.Cblength.items, Lengths({5, 6, 7, 8}, {5, 6, 7, 8}));
    EXPECT_EQ(lists.Minlength, 5);
    EXPECT_EQ(lists.Cblength.Text(), "6");
    // Going back to "No repetition" puts the short lengths back in order.
    ASSERT_TRUE(lists.Choose(SettingList::Repeat, "No repetition"));
    EXPECT_EQ(lists.Cblength.items, Lengths({3, 4, 5, 6, 7, 8}, {4, 5, 6, 7, 8}));
    EXPECT_EQ(lists.Minlength, 3);
    EXPECT_EQ(lists.Cblength.Text(), "6");
}

TEST(SettingListsTest, RepetitionLimitThenFewerColours) {
    SettingLists lists;
    lists.Choose(SettingList::Length, "Unspecified (3 - 5)");
    lists.Choose(SettingList::Repeat, "Each colour at most 4 times");
    EXPECT_EQ(lists.Cblength.items, Lengths({5, 6, 7, 8}, {5, 6, 7, 8}));
    lists.Choose(SettingList::Colour, "7");
    EXPECT_EQ(lists.Cblength.items, Lengths({5}, {5}));
    lists.Choose(SettingList::Colour, "9");
    EXPECT_EQ(lists.Cblength.items, Lengths({5, 6, 7}, {5, 6, 7}));
    GameSettings s;
    lists.Updatesetting(s);
    EXPECT_EQ(s.Colours, 9);
    EXPECT_EQ(s.Codelength, 5);
    EXPECT_EQ(s.Fixedlength, 0);
    EXPECT_EQ(s.Blankroom, 2);
    EXPECT_EQ(s.MaxRepeat, 4);
    EXPECT_EQ(s.Lengthclass, 10);
}

TEST(SettingListsTest, ComputerGuessesAndWrongHintsExcludeEachOther) {
    SettingLists lists;
    ASSERT_TRUE(lists.Choose(SettingList::Who, "Computer guesses"));
    EXPECT_EQ(lists.Cbhint.items, Items{"No error"});
    EXPECT_FALSE(lists.TopFiveAvailable());
    ASSERT_TRUE(lists.Choose(SettingList::Who, "Watch computer play"));
    EXPECT_EQ(lists.Cbhint.items, (Items{"No error", "May contain error(s)"}));

    ASSERT_TRUE(lists.Choose(SettingList::Hint, "May contain error(s)"));
    EXPECT_EQ(lists.Cbwho.items, (Items{"You guess", "Watch computer play"}));
    EXPECT_EQ(lists.Cbwho.Text(), "Watch computer play");
    EXPECT_FALSE(lists.Choose(SettingList::Who, "Computer guesses"));
    ASSERT_TRUE(lists.Choose(SettingList::Hint, "No error"));
    EXPECT_EQ(lists.Cbwho.items, (Items{"You guess", "Computer guesses", "Watch computer play"}));
    EXPECT_EQ(lists.Cbwho.Text(), "Watch computer play");

    GameSettings s;
    lists.Updatesetting(s);
    EXPECT_EQ(s.Who, 3);
    ASSERT_TRUE(lists.Choose(SettingList::Who, "You guess"));
    EXPECT_TRUE(lists.TopFiveAvailable());
}

TEST(SettingListsTest, AnyTimesWithUnspecifiedLengthStoresTheMaximum) {
    SettingLists lists;
    lists.Choose(SettingList::Length, "Unspecified (3 - 6)");
    lists.Choose(SettingList::Repeat, "May be repeated any times");
    lists.Choose(SettingList::Order, "Random order");
    lists.Choose(SettingList::Start, "Middle");
    GameSettings s;
    lists.Updatesetting(s);
    EXPECT_EQ(s.MaxRepeat, 6);
    EXPECT_EQ(s.Ordertype, 2);
    EXPECT_EQ(s.Startfrom, 2);
    EXPECT_EQ(s.Lengthclass, 11);
    s.Starttrial = 4;
    EXPECT_EQ(Setcontenttext(s, "Playing"),
              "You guess\n10\nMiddle (Trial 4)\nUnspecified (3 - 6)\nNo error\nRandom order\n"
              "May be repeated any times\nPlaying");
}

TEST(SettingListsTest, SummaryTexts) {
    EXPECT_EQ(Settitletext(),
              "Who guesses?\nNumber of colours:\nStart from:\nLength of code:\n"
              "Hints contain error(s)?\nOrder type:\nColour repeated? \nGame status:");
    GameSettings s = GameSettings::Make(7, 5, true, 1, 3, 1, 1, 2);
    EXPECT_EQ(Setcontenttext(s, "Preparation"),
              "You guess\n7\nTrial 1\n5\nMay contain error(s)\nFixed order\n"
              "Each colour at most 3 times\nPreparation");
    s.MaxRepeat = 1;
    EXPECT_EQ(Repeattext(s), "No repetition");
}

// Walks every colour, every length it offers and every repetition that
// length offers, through the rules alone, as a player picking in the menu.
TEST(SettingListsTest, EveryAllowedCombinationCountsTo178And1424Variations) {
    std::set<std::tuple<int, std::string, std::string>> seen;
    SettingLists colours;
    for (const std::string& colour : Items(colours.Cbcolour.items)) {
        SettingLists byColour;
        ASSERT_TRUE(byColour.Choose(SettingList::Colour, colour));
        for (const std::string& length : Items(byColour.Cblength.items)) {
            SettingLists byLength = byColour;
            ASSERT_TRUE(byLength.Choose(SettingList::Length, length));
            for (const std::string& repeat : Items(byLength.Cbrepeat.items)) {
                SettingLists lists = byLength;
                ASSERT_TRUE(lists.Choose(SettingList::Repeat, repeat));
                // The pick of repetition never takes the shown length or colour away.
                ASSERT_EQ(lists.Cbcolour.Text(), colour);
                ASSERT_EQ(lists.Cblength.Text(), length);
                GameSettings s;
                lists.Updatesetting(s);
                ASSERT_GE(s.Colours, s.Codelength + 2);
                ASSERT_LE(s.MaxRepeat, s.Codelength);
                seen.insert({s.Colours, length, repeat});
            }
        }
    }
    EXPECT_EQ(seen.size(), 178u);
    SettingLists lists;
    const size_t variations =
        seen.size() * lists.Cbstart.items.size() * lists.Cbhint.items.size() * lists.Cborder.items.size();
    EXPECT_EQ(variations, 1424u);
}

TEST(SettingListsTest, RestorePutsBackEveryListAfterAnyChange) {
    struct Case {
        std::vector<std::pair<SettingList, std::string>> saved, changed;
    };
    const std::vector<Case> cases = {
        {{{SettingList::Colour, "6"}},
         {{SettingList::Colour, "10"},
          {SettingList::Length, "8"},
          {SettingList::Repeat, "Each colour at most 6 times"}}},
        {{{SettingList::Length, "8"}, {SettingList::Repeat, "Each colour at most 7 times"}},
         {{SettingList::Repeat, "No repetition"}, {SettingList::Length, "3"}, {SettingList::Colour, "5"}}},
        {{{SettingList::Colour, "8"},
          {SettingList::Length, "Unspecified (3 - 6)"},
          {SettingList::Repeat, "May be repeated any times"},
          {SettingList::Who, "Computer guesses"},
          {SettingList::Order, "Random order"}},
         {{SettingList::Who, "You guess"},
          {SettingList::Hint, "May contain error(s)"},
          {SettingList::Repeat, "No repetition"},
          {SettingList::Length, "4"},
          {SettingList::Colour, "6"}}},
        {{{SettingList::Length, "7"},
          {SettingList::Repeat, "Each colour at most 5 times"},
          {SettingList::Hint, "May contain error(s)"}},
         {{SettingList::Repeat, "No repetition"},
          {SettingList::Length, "3"},
          {SettingList::Colour, "5"},
          {SettingList::Hint, "No error"},
          {SettingList::Who, "Computer guesses"}}},
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        SettingLists expected;
        for (const auto& [list, text] : cases[i].saved) ASSERT_TRUE(expected.Choose(list, text)) << i;
        SettingLists lists = expected;
        SavedSetting saved = lists.Save();
        for (const auto& [list, text] : cases[i].changed) ASSERT_TRUE(lists.Choose(list, text)) << i;
        lists.Restore(saved);
        for (SettingList list :
             {SettingList::Who, SettingList::Colour, SettingList::Start, SettingList::Length,
              SettingList::Hint, SettingList::Order, SettingList::Repeat}) {
            EXPECT_EQ(lists.List(list).items, expected.List(list).items) << "case " << i;
            EXPECT_EQ(lists.List(list).Text(), expected.List(list).Text()) << "case " << i;
        }
        EXPECT_EQ(lists.Minlength, expected.Minlength) << i;
        EXPECT_EQ(lists.Maxlength, expected.Maxlength) << i;
    }
}

}  // namespace
}  // namespace tallimor
