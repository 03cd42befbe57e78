// Finding a statement in the main list: the text without regard to case,
// and the next row going round.
#include "store/DocumentSearch.h"

#include <gtest/gtest.h>

#include <vector>

TEST(DocumentSearch, FindsTextInAnyCaseOfLatinAndCyrillicLetters) {
    const TTextFinder finder("ёлка ab");
    EXPECT_TRUE(finder.FoundIn("ООО ЁЛКА AB"));
    EXPECT_TRUE(finder.FoundIn("ёлка ab"));
    EXPECT_FALSE(finder.FoundIn("елка ab"));
    EXPECT_FALSE(finder.FoundIn("ёлка"));
    EXPECT_TRUE(TTextFinder("12 345,6").FoundIn("12 345,60"));
    EXPECT_FALSE(TTextFinder("").FoundIn("anything"));
}

TEST(DocumentSearch, TheNextRowGoesRoundAndTriesTheCurrentOneLast) {
    const std::vector<bool> holds = {false, true, false, true, false}; // rows 1..5
    const auto found = [&](int row) { return holds[row - 1]; };
    EXPECT_EQ(FindNextRow(1, 5, 1, found), 2);
    EXPECT_EQ(FindNextRow(1, 5, 2, found), 4);
    EXPECT_EQ(FindNextRow(1, 5, 4, found), 2);
    EXPECT_EQ(FindNextRow(1, 5, 0, found), 2);
    const auto only3 = [](int row) { return row == 3; };
    EXPECT_EQ(FindNextRow(1, 5, 3, only3), 3);
    EXPECT_EQ(FindNextRow(1, 5, 2, [](int) { return false; }), 0);
    EXPECT_EQ(FindNextRow(1, 0, 0, found), 0);
}
