#include "report/FormatPadded.h"

#include <gtest/gtest.h>

TEST(FormatPadded, FloatExamples) {
    EXPECT_EQ(FormatPadded("%.2f", 1234.5), "1234,50");
    EXPECT_EQ(FormatPadded("%10.2f", 1234.5), "   1234,50");
    EXPECT_EQ(FormatPadded("%010.1f", 1234.5), "00001234,5");
    EXPECT_EQ(FormatPadded("%&..2f", 1234.5), "1234.50");
}

TEST(FormatPadded, IntegerExamples) {
    EXPECT_EQ(FormatPadded("%-8d", 1234), "1234    ");
    EXPECT_EQ(FormatPadded("%3d", 1234), "234");
    EXPECT_EQ(FormatPadded("%06d", 1234), "001234");
}
