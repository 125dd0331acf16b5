// What check mode counts as a number: only text the player reads whole.
#include "demo/NumberText.h"

#include <gtest/gtest.h>

TEST(NumberText, ReadsOnlyWhatThePlayerReadsWhole) {
    EXPECT_TRUE(isIntegerText(" -12 "));
    EXPECT_FALSE(isIntegerText("12px"));
    EXPECT_FALSE(isIntegerText(""));
    EXPECT_FALSE(isIntegerText("1.5"));
    EXPECT_TRUE(isNumberText("0.5"));
    EXPECT_TRUE(isNumberText("-3e2"));
    EXPECT_FALSE(isNumberText("0,5"));
    EXPECT_FALSE(isNumberText("yes"));
    EXPECT_TRUE(isNumberListText("1, 2 ,3", 3));
    EXPECT_FALSE(isNumberListText("1,2", 3));
    EXPECT_FALSE(isNumberListText("1,2,3,4", 3));
    EXPECT_FALSE(isNumberListText("1;2;3", 3));
}
