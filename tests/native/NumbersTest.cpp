#include <gtest/gtest.h>

#include "script/Numbers.h"

TEST(Numbers, ReadLikeTheCLibraryAndClamp) {
    EXPECT_EQ(ReadNumber("  42xyz"), 42);
    EXPECT_EQ(ReadNumber("-17"), -17);
    EXPECT_EQ(ReadNumber("+8"), 8);
    EXPECT_EQ(ReadNumber("abc"), 0);
    EXPECT_EQ(ReadNumber(""), 0);
    EXPECT_EQ(ReadNumber("- 5"), 0);
    EXPECT_EQ(ReadNumber("99999999999999999999"), 2147483647);
    EXPECT_EQ(ReadNumber("-99999999999999999999"), -2147483647 - 1);
    EXPECT_EQ(ReadNumber("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(ReadFlag("7"), 1);
    EXPECT_EQ(ReadFlag("x"), 0);
    EXPECT_EQ(ReadColourComponent("256"), 0);
    EXPECT_EQ(ReadColourComponent("-1"), 255);
    EXPECT_EQ(ReadColourComponent("300"), 44);
}

TEST(Numbers, ReadingTellsWholeAndClamped) {
    const NumberReading padded = ReadNumberText(" -12 ");
    EXPECT_EQ(padded.Value, -12);
    EXPECT_TRUE(padded.Whole);
    EXPECT_FALSE(padded.Clamped);
    EXPECT_FALSE(ReadNumberText("12px").Whole);
    EXPECT_FALSE(ReadNumberText("").Whole);
    EXPECT_FALSE(ReadNumberText("-").Whole);
    EXPECT_FALSE(ReadNumberText("-2147483648").Clamped);
    EXPECT_TRUE(ReadNumberText("-2147483649").Clamped);
    EXPECT_TRUE(ReadNumberText("2147483648").Clamped);
    EXPECT_TRUE(ReadNumberText("99999999999999999999").Clamped);
}
