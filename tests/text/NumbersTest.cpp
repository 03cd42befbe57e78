#include "text/Numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(TextToFloat, ReadsTheDecimalCommaSignAndExponent) {
    EXPECT_EQ(TextToFloat("2,5"), 2.5);
    EXPECT_EQ(TextToFloat("  -12,25  "), -12.25);
    EXPECT_EQ(TextToFloat("+7"), 7.0);
    EXPECT_EQ(TextToFloat(",5"), 0.5);
    EXPECT_EQ(TextToFloat("3,"), 3.0);
    EXPECT_EQ(TextToFloat("1,5E3"), 1500.0);
    EXPECT_EQ(TextToFloat("1e-2"), 0.01);
    EXPECT_EQ(TextToFloat("0,1"), 0.1); // correctly rounded, as a literal
}

TEST(TextToFloat, RejectsEverythingElse) {
    for (const char* text : {"", " ", ",", "-", "2.5", "1 000", "1,5x", "e5", "1e", "1e+", "--1",
                             "1,2,3", "inf", "nan", "0x10", "1e400"}) {
        EXPECT_FALSE(TextToFloat(text).has_value()) << text;
    }
    EXPECT_EQ(TextToFloatDef("abc", -1.5), -1.5);
}

TEST(TextToFloat, UsesTheGivenDecimalSeparator) {
    TFormatSettings dot;
    dot.DecimalSeparator = '.';
    EXPECT_EQ(TextToFloat("2.5", dot), 2.5);
    EXPECT_FALSE(TextToFloat("2,5", dot).has_value());
}

TEST(TextToInt, ReadsDecimalAndHexadecimalWithinRange) {
    EXPECT_EQ(TextToInt(" 42 "), 42);
    EXPECT_EQ(TextToInt("-17"), -17);
    EXPECT_EQ(TextToInt("$1F"), 31);
    EXPECT_EQ(TextToInt("0x1f"), 31);
    EXPECT_EQ(TextToInt("-$10"), -16);
    EXPECT_EQ(TextToInt("$FFFFFFFFFFFFFFFF"), -1);
    EXPECT_EQ(TextToInt("9223372036854775807"), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(TextToInt("-9223372036854775808"), std::numeric_limits<std::int64_t>::min());
    for (const char* text :
         {"", "-", "9223372036854775808", "-9223372036854775809", "99999999999999999999", "$",
          "$10000000000000000", "1,5", "1 2", "+-1", "0x", "12a"}) {
        EXPECT_FALSE(TextToInt(text).has_value()) << text;
    }
    EXPECT_EQ(TextToIntDef("x", 7), 7);
}

TEST(FloatToText, WritesFifteenDigitsWithoutTrailingZeros) {
    EXPECT_EQ(FloatToText(2.5), "2,5");
    EXPECT_EQ(FloatToText(0), "0");
    EXPECT_EQ(FloatToText(-0.0), "0");
    EXPECT_EQ(FloatToText(100), "100");
    EXPECT_EQ(FloatToText(-1234.5), "-1234,5");
    EXPECT_EQ(FloatToText(0.1 + 0.2), "0,3");
    EXPECT_EQ(FloatToText(1.0 / 3), "0,333333333333333");
    EXPECT_EQ(FloatToText(2.0 / 3), "0,666666666666667");
    EXPECT_EQ(FloatToText(123456789012345.0), "123456789012345");
    EXPECT_EQ(FloatToText(0.0001), "0,0001");
}

TEST(FloatToText, SwitchesToExponentFormForLargeAndSmallValues) {
    EXPECT_EQ(FloatToText(1e20), "1E20");
    EXPECT_EQ(FloatToText(1e-10), "1E-10");
    EXPECT_EQ(FloatToText(1e15), "1E15");
    EXPECT_EQ(FloatToText(-1.5e-5), "-1,5E-5");
    EXPECT_EQ(FloatToText(999999999999999.9), "1E15"); // rounding adds a digit
    EXPECT_EQ(FloatToText(std::numeric_limits<double>::max()), "1,79769313486232E308");
    EXPECT_EQ(FloatToText(std::numeric_limits<double>::denorm_min()), "4,94065645841247E-324");
    EXPECT_EQ(FloatToText(std::nan("")), "NAN");
    EXPECT_EQ(FloatToText(-HUGE_VAL), "-INF");
}

TEST(FloatToFixed, RoundsHalfAwayFromZeroOnTheExactValue) {
    EXPECT_EQ(FloatToFixed(0.125, 2, ','), "0,13"); // exactly half
    EXPECT_EQ(FloatToFixed(-0.125, 2, ','), "-0,13");
    EXPECT_EQ(FloatToFixed(2.675, 2, ','), "2,67"); // really 2.67499999...
    EXPECT_EQ(FloatToFixed(1.005, 2, ','), "1,00"); // really 1.00499999...
    EXPECT_EQ(FloatToFixed(0.5, 0, ','), "1");
    EXPECT_EQ(FloatToFixed(9.995, 2, ','), "9,99");
    EXPECT_EQ(FloatToFixed(99.5, 0, ','), "100");
    EXPECT_EQ(FloatToFixed(-0.001, 2, ','), "0,00"); // no "-0,00"
    EXPECT_EQ(FloatToFixed(1e-300, 3, '.'), "0.000");
    EXPECT_EQ(FloatToFixed(1234567.891, 1, ',', ' '), "1 234 567,9");
    EXPECT_EQ(FloatToFixed(-999.999, 2, ',', ' '), "-1 000,00");
    EXPECT_EQ(FloatToFixed(123, 2, ',', ' '), "123,00");
    EXPECT_EQ(FloatToFixed(1e21, 0, ','), "1000000000000000000000");
}

TEST(HexToInt, CountsNonDigitsAsZeroAndWraps) {
    EXPECT_EQ(HexToInt("1F"), 31);
    EXPECT_EQ(HexToInt("1G"), 16);
    EXPECT_EQ(HexToInt("ff"), 255);
    EXPECT_EQ(HexToInt(""), 0);
    EXPECT_EQ(HexToInt("FFFFFFFF"), -1);
    EXPECT_EQ(HexToInt("100000001"), 1);
}
