#include "text/Words.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

// Money of whole roubles and kopecks.
Money Rub(std::int64_t roubles, std::int64_t kopecks = 0) {
    return roubles * kMoneyScale + kopecks * (kMoneyScale / 100);
}

} // namespace

TEST(HundredsInWords, WritesOneGroupOfThreeDigits) {
    EXPECT_EQ(HundredsInWords("000", false), "");
    EXPECT_EQ(HundredsInWords("010", false), "десять ");
    EXPECT_EQ(HundredsInWords("211", false), "двести одиннадцать ");
    EXPECT_EQ(HundredsInWords("999", false), "девятьсот девяносто девять ");
    EXPECT_EQ(HundredsInWords("101", false), "сто один ");
    EXPECT_EQ(HundredsInWords("101", true), "сто одна ");
    EXPECT_EQ(HundredsInWords("042", true), "сорок две ");
    EXPECT_EQ(HundredsInWords("013", true), "тринадцать ");
    EXPECT_EQ(HundredsInWords("003", true), "три ");
    EXPECT_EQ(HundredsInWords("700", false), "семьсот ");
}

TEST(HundredsInWords, ToleratesGroupsOfAnotherShape) {
    EXPECT_EQ(HundredsInWords("", false), "");
    EXPECT_EQ(HundredsInWords("5", false), "пять ");
    EXPECT_EQ(HundredsInWords("1234", false), "двести тридцать четыре ");
    EXPECT_EQ(HundredsInWords("1x3", false), "сто три ");
}

TEST(NumberInWords, WritesTheWholePartCapitalisedWithATrailingBlank) {
    EXPECT_EQ(NumberInWords(0), "Ноль ");
    EXPECT_EQ(NumberInWords(Rub(7)), "Семь ");
    EXPECT_EQ(NumberInWords(Rub(1000000)), "Один миллион ");
    EXPECT_EQ(NumberInWords(Rub(2021)), "Две тысячи двадцать один ");
    EXPECT_EQ(NumberInWords(Rub(11000)), "Одиннадцать тысяч ");
    EXPECT_EQ(NumberInWords(Rub(1234567)),
              "Один миллион двести тридцать четыре тысячи пятьсот шестьдесят семь ");
    EXPECT_EQ(NumberInWords(Rub(7, 99)), "Семь ");
    EXPECT_EQ(NumberInWords(Rub(7) - 10), "Семь "); // a thousandth short still counts
    EXPECT_EQ(NumberInWords(Rub(7) - 11), "Шесть ");
}

TEST(AmountInWords, ChoosesTheRoubleFormByTheLastTwoDigits) {
    EXPECT_EQ(AmountInWords(0), "Ноль рублей 00 копеек");
    EXPECT_EQ(AmountInWords(Rub(1)), "Один рубль 00 копеек");
    EXPECT_EQ(AmountInWords(Rub(2)), "Два рубля 00 копеек");
    EXPECT_EQ(AmountInWords(Rub(5)), "Пять рублей 00 копеек");
    EXPECT_EQ(AmountInWords(Rub(2500)), "Две тысячи пятьсот рублей 00 копеек");
    for (const std::int64_t n : {11, 12, 13, 14, 111, 112, 1011, 1014, 20, 100, 1000000}) {
        EXPECT_TRUE(AmountInWords(Rub(n)).ends_with(" рублей 00 копеек")) << n;
    }
    for (const std::int64_t n : {21, 31, 91, 101, 1001, 1000001}) {
        EXPECT_TRUE(AmountInWords(Rub(n)).ends_with(" рубль 00 копеек")) << n;
    }
    for (const std::int64_t n : {3, 4, 22, 24, 94, 1004, 2000002}) {
        EXPECT_TRUE(AmountInWords(Rub(n)).ends_with(" рубля 00 копеек")) << n;
    }
}

TEST(AmountInWords, ChoosesEachScaleWordByItsGroupsLastTwoDigits) {
    const auto says = [](std::int64_t roubles, const char* words) {
        return AmountInWords(Rub(roubles)).find(words) != std::string::npos;
    };
    for (const std::int64_t n : {21, 101, 341}) { // 1 itself: see below, capitalised
        EXPECT_TRUE(says(n * 1000, "одна тысяча ")) << n;
        EXPECT_TRUE(says(n * 1000000, "один миллион ")) << n;
        EXPECT_TRUE(says(n * 1000000000, "один миллиард ")) << n;
    }
    for (const std::int64_t n : {2, 3, 4, 22, 104, 993}) {
        EXPECT_TRUE(says(n * 1000, " тысячи ")) << n;
        EXPECT_TRUE(says(n * 1000000, " миллиона ")) << n;
        EXPECT_TRUE(says(n * 1000000000, " миллиарда ")) << n;
    }
    for (const std::int64_t n : {5, 10, 11, 12, 14, 19, 20, 100, 111, 114, 999}) {
        EXPECT_TRUE(says(n * 1000, " тысяч ")) << n;
        EXPECT_TRUE(says(n * 1000000, " миллионов ")) << n;
        EXPECT_TRUE(says(n * 1000000000, " миллиардов ")) << n;
    }
}

TEST(AmountInWords, ChoosesTheScaleFormsAndSkipsEmptyGroups) {
    EXPECT_EQ(AmountInWords(Rub(1000)), "Одна тысяча рублей 00 копеек");
    EXPECT_EQ(AmountInWords(Rub(2000)), "Две тысячи рублей 00 копеек");
    EXPECT_EQ(AmountInWords(Rub(5000)), "Пять тысяч рублей 00 копеек");
    EXPECT_EQ(AmountInWords(Rub(11000)), "Одиннадцать тысяч рублей 00 копеек");
    EXPECT_EQ(AmountInWords(Rub(21000)), "Двадцать одна тысяча рублей 00 копеек");
    EXPECT_EQ(AmountInWords(Rub(14000)), "Четырнадцать тысяч рублей 00 копеек");
    EXPECT_EQ(AmountInWords(Rub(1000000)), "Один миллион рублей 00 копеек");
    EXPECT_EQ(AmountInWords(Rub(3000000)), "Три миллиона рублей 00 копеек");
    EXPECT_EQ(AmountInWords(Rub(12000000)), "Двенадцать миллионов рублей 00 копеек");
    EXPECT_EQ(AmountInWords(Rub(2000000000)), "Два миллиарда рублей 00 копеек");
    EXPECT_EQ(AmountInWords(Rub(1000000000)), "Один миллиард рублей 00 копеек");
    EXPECT_EQ(AmountInWords(Rub(5000000000)), "Пять миллиардов рублей 00 копеек");
    EXPECT_EQ(AmountInWords(Rub(1000001000)), "Один миллиард одна тысяча рублей 00 копеек");
    EXPECT_EQ(AmountInWords(Rub(3112, 22)), "Три тысячи сто двенадцать рублей 22 копейки");
    EXPECT_EQ(AmountInWords(Rub(1234567, 89)),
              "Один миллион двести тридцать четыре тысячи пятьсот шестьдесят семь рублей 89 "
              "копеек");
    EXPECT_EQ(AmountInWords(Rub(999999999999, 99)),
              "Девятьсот девяносто девять миллиардов девятьсот девяносто девять миллионов "
              "девятьсот девяносто девять тысяч девятьсот девяносто девять рублей 99 копеек");
}

TEST(AmountInWords, ChoosesTheKopeckFormByTheFigure) {
    EXPECT_EQ(AmountInWords(Rub(0, 1)), "Ноль рублей 01 копейка");
    EXPECT_EQ(AmountInWords(Rub(0, 2)), "Ноль рублей 02 копейки");
    EXPECT_EQ(AmountInWords(Rub(0, 5)), "Ноль рублей 05 копеек");
    EXPECT_EQ(AmountInWords(Rub(0, 11)), "Ноль рублей 11 копеек");
    EXPECT_EQ(AmountInWords(Rub(0, 14)), "Ноль рублей 14 копеек");
    EXPECT_EQ(AmountInWords(Rub(0, 21)), "Ноль рублей 21 копейка");
    EXPECT_EQ(AmountInWords(Rub(0, 24)), "Ноль рублей 24 копейки");
    EXPECT_EQ(AmountInWords(Rub(0, 10)), "Ноль рублей 10 копеек");
    EXPECT_EQ(AmountInWords(Rub(1, 91)), "Один рубль 91 копейка");
}

TEST(AmountInWords, RoundsToWholeKopecksOnceForFigureWordAndRoubles) {
    EXPECT_EQ(AmountInWords(49), "Ноль рублей 00 копеек");   // 0,0049
    EXPECT_EQ(AmountInWords(50), "Ноль рублей 01 копейка");  // 0,0050: half up
    EXPECT_EQ(AmountInWords(149), "Ноль рублей 01 копейка"); // not "01 копейки"
    EXPECT_EQ(AmountInWords(9950), "Один рубль 00 копеек");  // 0,995: the rouble is kept
    EXPECT_EQ(AmountInWords(Rub(999999999999, 99) + 50), "Один триллион рублей 00 копеек");
}

TEST(AmountInWords, WritesAmountsBeyondTheStatementRange) {
    EXPECT_EQ(AmountInWords(-Rub(5, 50)), "Минус пять рублей 50 копеек");
    EXPECT_EQ(AmountInWords(-Rub(0, 1)), "Минус ноль рублей 01 копейка");
    EXPECT_EQ(AmountInWords(-49), "Ноль рублей 00 копеек");
    EXPECT_EQ(NumberInWords(-Rub(21)), "Минус двадцать один ");
    EXPECT_EQ(NumberInWords(-Rub(0, 50)), "Ноль ");
    EXPECT_EQ(AmountInWords(Rub(1000000000000)), "Один триллион рублей 00 копеек");
    EXPECT_EQ(AmountInWords(std::numeric_limits<Money>::max()),
              "Девятьсот двадцать два триллиона триста тридцать семь миллиардов двести три "
              "миллиона шестьсот восемьдесят пять тысяч четыреста семьдесят семь рублей 58 "
              "копеек");
    EXPECT_EQ(AmountInWords(std::numeric_limits<Money>::min()),
              "Минус девятьсот двадцать два триллиона триста тридцать семь миллиардов двести "
              "три миллиона шестьсот восемьдесят пять тысяч четыреста семьдесят семь рублей 58 "
              "копеек");
}
