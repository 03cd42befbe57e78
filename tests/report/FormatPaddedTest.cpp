#include "report/FormatPadded.h"

#include "text/FormatSettings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

TEST(FormatPadded, FixedPoint) {
    EXPECT_EQ(FormatPadded("%.2f", 1234.5), "1234,50");
    EXPECT_EQ(FormatPadded("%10.2f", 1234.5), "   1234,50");
    EXPECT_EQ(FormatPadded("%010.1f", 1234.5), "00001234,5");
    EXPECT_EQ(FormatPadded("%&..2f", 1234.5), "1234.50");
    EXPECT_EQ(FormatPadded("%.2f", 0.05), "0,05");
    EXPECT_EQ(FormatPadded("%.2f", -0.5), "-0,50");
    EXPECT_EQ(FormatPadded("%.2f", -0.001), "0,00");
    EXPECT_EQ(FormatPadded("%.0f", 1234.4), "1234");
    EXPECT_EQ(FormatPadded("%4.2f", 1234.5), "4,50"); // the last width characters
}

TEST(FormatPadded, PrecisionDefaultsToTwoAndWrapsAboveTen) {
    EXPECT_EQ(FormatPadded("%f", 1.5), "1,50");
    EXPECT_EQ(FormatPadded("%.f", 1.5), "1,50");
    EXPECT_EQ(FormatPadded("%.10f", 1.5), "1,5000000000");
    EXPECT_EQ(FormatPadded("%.12f", 1.5), "1,50");
    EXPECT_EQ(FormatPadded("%.999999999999999999993f", 1.5), "1,500");
}

TEST(FormatPadded, Integers) {
    EXPECT_EQ(FormatPadded("%-8d", 1234), "1234    ");
    EXPECT_EQ(FormatPadded("%3d", 1234), "234");
    EXPECT_EQ(FormatPadded("%06d", 1234), "001234");
    EXPECT_EQ(FormatPadded("%d", std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
    EXPECT_EQ(FormatPadded("%d", -2.6), "-3");
    EXPECT_EQ(FormatPadded("%d", 1e20), "100000000000000000000");
}

TEST(FormatPadded, Texts) {
    EXPECT_EQ(FormatPadded("%5s", "ab"), "   ab");
    EXPECT_EQ(FormatPadded("%-5s|", "ab"), "ab   |");
    EXPECT_EQ(FormatPadded("%05s", "ab"), "   ab");
    EXPECT_EQ(FormatPadded("%2s", "abcd"), "ab"); // the first width characters
}

TEST(FormatPadded, ArgumentsOfAnotherKindAreConverted) {
    EXPECT_EQ(FormatPadded("%s", 1.5), "1,5");
    EXPECT_EQ(FormatPadded("%s", 42), "42");
    EXPECT_EQ(FormatPadded("%d", "12,6"), "13");
    EXPECT_EQ(FormatPadded("%.1f", "abc"), "0,0");
}

TEST(FormatPadded, GeneralAndHexadecimal) {
    EXPECT_EQ(FormatPadded("%g", 1234.5), "1234,5");
    EXPECT_EQ(FormatPadded("%&.g", 1234.5), "1234.5");
    EXPECT_EQ(FormatPadded("%8g", 0.25), "    0,25");
    EXPECT_EQ(FormatPadded("%x", 255), "ff");
    EXPECT_EQ(FormatPadded("%04X", 255), "00FF");
    EXPECT_EQ(FormatPadded("%X", -1), "FFFFFFFFFFFFFFFF");
}

TEST(FormatPadded, GroupsDigitsWithTheExpressionSeparator) {
    EXPECT_EQ(FormatPadded("%.2n", 1234567.5), "1234567,50");
    TFormatSettings& settings = ExprFormatSettings();
    const char saved = settings.ThousandSeparator;
    settings.ThousandSeparator = ' ';
    EXPECT_EQ(FormatPadded("%.2n", 1234567.5), "1 234 567,50");
    EXPECT_EQ(FormatPadded("%.2n", -123.0), "-123,00");
    EXPECT_EQ(FormatPadded("%.0n", 123456.0), "123 456");
    settings.ThousandSeparator = saved;
}

TEST(FormatPadded, TheProgramsSettingsGroupTemplateAmountsAsTheWindowsDo) {
    ApplyMainWindowFormatSettings();
    EXPECT_EQ(FormatPadded("%.2n", 5301.0), "5 301,00");
    EXPECT_EQ(FormatPadded("%.2f", 5301.0), "5301,00");
    EXPECT_EQ(FormatPadded("%g", 5301.0), "5301");
    InitFormatSettings();
    EXPECT_EQ(FormatPadded("%.2n", 5301.0), "5301,00");
}

TEST(FormatPadded, TextAroundAndEscapedPercent) {
    EXPECT_EQ(FormatPadded("Итого: %.2f руб.", 1234.5), "Итого: 1234,50 руб.");
    EXPECT_EQ(FormatPadded("%d%%", 50), "50%");
    EXPECT_EQ(FormatPadded("no conversion", 1), "no conversion");
}

TEST(FormatPadded, OnlyTheFirstConversionHasAnArgument) {
    EXPECT_EQ(FormatPadded("%d and %5d.", 5), "5 and .");
    EXPECT_EQ(FormatPadded("[%q]", 5), "[]");
    EXPECT_EQ(FormatPadded("[%q] %d", 5), "[] ");
    EXPECT_EQ(FormatPadded("abc%5", 5), "abc");
    EXPECT_EQ(FormatPadded("abc%&", 5), "abc");
}

TEST(FormatPadded, ExtremeInputStaysBounded) {
    EXPECT_EQ(FormatPadded("%99999999999999999999d", 1).size(), 1024u);
    EXPECT_EQ(FormatPadded("%.2f", std::nan("")), "0,00");
    EXPECT_EQ(FormatPadded("%.2f", std::numeric_limits<double>::infinity()), "0,00");
    // Too large to scale by 10^10: the exact digits of the double 1e305.
    const std::string huge = FormatPadded("%.10f", 1e305);
    EXPECT_EQ(huge.size(), 305u + 11u);
    EXPECT_EQ(huge.substr(0, 20), "99999999999999993925");
    EXPECT_EQ(huge.substr(huge.size() - 11), ",0000000000");
    EXPECT_EQ(FormatPadded("%x", 1e300), "7fffffffffffffff");
}
