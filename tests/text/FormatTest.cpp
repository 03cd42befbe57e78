#include "text/Format.h"

#include "text/Errors.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

TEST(Format, WritesIntegersWithPrecisionAsMinimumDigits) {
    EXPECT_EQ(Format("%d", {42}), "42");
    EXPECT_EQ(Format("%.3d", {5}), "005");
    EXPECT_EQ(Format("%.3d", {-5}), "-005");
    EXPECT_EQ(Format("%.12d", {2021}), "000000002021");
    EXPECT_EQ(Format("%.2d", {123}), "123");
    EXPECT_EQ(Format("%d", {INT64_MIN}), "-9223372036854775808");
    EXPECT_EQ(Format("%u", {-1}), "18446744073709551615");
    EXPECT_EQ(Format("%x %X %.4x", {255, 255, 10}), "FF FF 000A");
    EXPECT_EQ(Format("%x", {-1}), "FFFFFFFFFFFFFFFF");
    EXPECT_EQ(Format("%D", {std::size_t{7}}), "7");
}

TEST(Format, PadsToTheWidthOnEitherSideButNeverCuts) {
    EXPECT_EQ(Format("[%5d]", {42}), "[   42]");
    EXPECT_EQ(Format("[%-5d]", {42}), "[42   ]");
    EXPECT_EQ(Format("[%5.3d]", {7}), "[  007]");
    EXPECT_EQ(Format("[%2d]", {12345}), "[12345]");
    EXPECT_EQ(Format("[%-6s|%6s]", {"ab", "cd"}), "[ab    |    cd]");
    EXPECT_EQ(Format("[%.3s]", {"abcdef"}), "[abc]");
    EXPECT_EQ(Format("[%8.2f]", {3.14159}), "[    3,14]");
}

TEST(Format, WritesFloatsWithTheDecimalComma) {
    EXPECT_EQ(Format("%f", {2.5}), "2,50");
    EXPECT_EQ(Format("%.2f", {1234.5}), "1234,50");
    EXPECT_EQ(Format("%.0f", {2.5}), "3");
    EXPECT_EQ(Format("%.3f", {-0.0005}), "-0,001");
    EXPECT_EQ(Format("%.2f", {5}), "5,00");
    EXPECT_EQ(Format("%e", {1234.5}), "1,23450000000000E+003");
    EXPECT_EQ(Format("%.3e", {-0.00012345}), "-1,23E-004");
    EXPECT_EQ(Format("%.1e", {0.0}), "0E+000");
    EXPECT_EQ(Format("%g %g %g", {2.5, 1e20, 1e-10}), "2,5 1E20 1E-10");
    EXPECT_EQ(Format("%.3g", {1234.5}), "1,23E3");
    EXPECT_EQ(Format("%.0g %.1g", {5.0, 25.0}), "5 3E1");
    TFormatSettings dot;
    dot.DecimalSeparator = '.';
    EXPECT_EQ(Format("%.1f", {0.25}, dot), "0.3");
}

TEST(Format, GroupsDigitsOnlyWhenThereIsAThousandsSeparator) {
    EXPECT_EQ(Format("%.2n", {12345.6}), "12345,60"); // start-up: none
    ApplyMainWindowFormatSettings();
    EXPECT_EQ(Format("%.2n", {12345.6}), "12 345,60");
    EXPECT_EQ(Format("%n", {-1234567.0}), "-1 234 567,00");
    EXPECT_EQ(Format("%.0n", {999.5}), "1 000");
    EXPECT_EQ(Format("%m", {1500.0}), "1 500,00 р.");
    InitFormatSettings();
    EXPECT_EQ(Format("%.2n", {12345.6}), "12345,60");
}

TEST(Format, CopiesTextAndPercentSigns) {
    EXPECT_EQ(Format("", {}), "");
    EXPECT_EQ(Format("100%% готово", {}), "100% готово");
    EXPECT_EQ(Format("%s рублей %.2d копеек", {"Пять", 7}), "Пять рублей 07 копеек");
    EXPECT_EQ(Format("лишний аргумент", {1}), "лишний аргумент");
    EXPECT_EQ(Format("[%s]", {static_cast<const char*>(nullptr)}), "[]");
}

TEST(Format, RefusesMissingOrMismatchedArgumentsWithAClearMessage) {
    const auto message = [](std::string_view pattern, std::initializer_list<FormatArg> args) {
        try {
            Format(pattern, args);
        } catch (const EConvertError& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(message("%d и %d", {1}), "Формат \"%d\": не хватает аргумента");
    EXPECT_EQ(message("%d", {1.5}), "Формат \"%d\" несовместим с аргументом");
    EXPECT_EQ(message("%-5s", {3}), "Формат \"%-5s\" несовместим с аргументом");
    EXPECT_EQ(message("%.2f", {"1,5"}), "Формат \"%.2f\" несовместим с аргументом");
    EXPECT_EQ(message("%y", {1}), "Неверный формат \"%y\"");
    EXPECT_EQ(message("%q", {}), "Неверный формат \"%q\"");
    EXPECT_EQ(message("итого %", {1}), "Неверный формат \"%\"");
    EXPECT_EQ(message("%5.", {1}), "Неверный формат \"%5.\"");
    EXPECT_EQ(message("%999999999d", {1}), "Неверный формат \"%999999999\"");
}
