#include "game/guess_row.h"

#include <gtest/gtest.h>

namespace tallimor {
namespace {

GuessRow Row(const GameSettings& s) {
    GuessRow row;
    row.Reset(s);
    return row;
}

TEST(GuessRow, FixedOrderRowsStandSortedWithEmptyPositionsLast) {
    GuessRow row = Row(GameSettings::Make(10, 4, true, 1, 1));
    for (int c : {7, 2, 5}) row.Fillcolour(c);
    EXPECT_EQ(std::tuple(row.Codestring(), row.Submitok(), row.Guessblanks()), std::tuple("257b", false, 1));
    // A drop goes where a double-click would put it, whatever the target.
    EXPECT_TRUE(row.Dropcolour(0, 3));
    EXPECT_EQ(std::tuple(row.Codestring(), row.Submitok()), std::tuple("0257", true));
    EXPECT_TRUE(row.Emptyposition(1));
    EXPECT_EQ(row.Codestring(), "057b");
}

TEST(GuessRow, RandomOrderDropsReplaceMoveAndExchange) {
    GuessRow row = Row(GameSettings::Make(8, 6, true, 2, 2));
    EXPECT_TRUE(row.Dropcolour(3, 1));
    EXPECT_TRUE(row.Dropcolour(4, 4));
    EXPECT_EQ(row.Codestring(), "b3bb4b");
    EXPECT_TRUE(row.Moveposition(1, 4));  // onto a filled position: exchange
    EXPECT_EQ(row.Codestring(), "b4bb3b");
    EXPECT_TRUE(row.Moveposition(4, 5));  // onto an empty one: move
    EXPECT_EQ(row.Codestring(), "b4bbb3");
    EXPECT_TRUE(row.Dropcolour(6, 1));  // replaces 4, which is free again
    EXPECT_EQ(std::tuple(row.Codestring(), row.Count(4), row.Count(6)), std::tuple("b6bbb3", 0, 1));
    EXPECT_FALSE(row.Moveposition(0, 2)) << "an empty position carries nothing";
}

// What the row refuses at the limit is read with the refusals the player is told.
TEST(GuessRow, TheRepetitionLimitTakesTheBorderUntilACopyIsTakenOut) {
    GuessRow row = Row(GameSettings::Make(8, 5, true, 2, 2));
    EXPECT_TRUE(row.Fillcolour(3));
    EXPECT_TRUE(row.Hasborder(3));
    EXPECT_TRUE(row.Fillcolour(3));
    EXPECT_FALSE(row.Hasborder(3));
    EXPECT_TRUE(row.Emptyposition(0));
    EXPECT_TRUE(row.Hasborder(3)) << "taking one copy out gives the border back";
    // Colours beyond the game's number of colours are never offered.
    EXPECT_FALSE(row.Hasborder(8));
    EXPECT_FALSE(row.Dropcolour(9, 2));
}

TEST(GuessRow, UnspecifiedLengthsMaySubmitWithinTheirBlankRoom) {
    GuessRow row = Row(GameSettings::Make(7, 5, false, 2, 1));  // up to two blanks
    for (int c : {0, 1}) row.Fillcolour(c);
    row.Dropcolour(4, 4);
    EXPECT_EQ(std::tuple(row.Codestring(), row.Submitok()), std::tuple("01bb4", true));
    for (int c : {2, 3}) row.Fillcolour(c);
    EXPECT_EQ(row.Codestring(), "01234");
}

}  // namespace
}  // namespace tallimor
