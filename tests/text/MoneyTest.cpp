#include "text/Money.h"
#include "text/Format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {
constexpr Money kMax = std::numeric_limits<Money>::max();
constexpr Money kMin = std::numeric_limits<Money>::min();
} // namespace

TEST(TextToMoney, ReadsExactlyWithEitherDecimalMark) {
    EXPECT_EQ(TextToMoney("12,34"), 123400);
    EXPECT_EQ(TextToMoney("12.34"), 123400);
    EXPECT_EQ(TextToMoney(" -5 "), -50000);
    EXPECT_EQ(TextToMoney("0,0001"), 1);
    EXPECT_EQ(TextToMoney(",5"), 5000);
    EXPECT_EQ(TextToMoney("+7,"), 70000);
    EXPECT_EQ(TextToMoney("0,1"), 1000); // no float in between
    EXPECT_EQ(TextToMoney("922337203685477,5807"), kMax);
    EXPECT_EQ(TextToMoney("-922337203685477,5808"), kMin);
}

TEST(TextToMoney, RoundsAFifthDecimalHalfToEven) {
    EXPECT_EQ(TextToMoney("0,00005"), 0);
    EXPECT_EQ(TextToMoney("0,00015"), 2);
    EXPECT_EQ(TextToMoney("0,000050001"), 1);
    EXPECT_EQ(TextToMoney("0,00014999"), 1);
    EXPECT_EQ(TextToMoney("-0,00016"), -2);
}

TEST(TextToMoney, RejectsTextThatIsNoNumberOrOutOfRange) {
    for (const char* text :
         {"", " ", "-", ",", "1,2,3", "1 000", "12р", "1e5", "--1", "0x10", "922337203685477,5808",
          "-922337203685477,5809", "99999999999999999999999"}) {
        EXPECT_FALSE(TextToMoney(text).has_value()) << text;
    }
}

TEST(MoneyToText, RoundsHalfAwayFromZeroAndGroupsOnRequest) {
    EXPECT_EQ(MoneyToText(123400), "12,34");
    EXPECT_EQ(MoneyToText(0), "0,00");
    EXPECT_EQ(MoneyToText(-50000), "-5,00");
    EXPECT_EQ(MoneyToText(50), "0,01");  // 0,005: half, up
    EXPECT_EQ(MoneyToText(150), "0,02"); // 0,015
    EXPECT_EQ(MoneyToText(1250), "0,13");
    EXPECT_EQ(MoneyToText(-1250), "-0,13");
    EXPECT_EQ(MoneyToText(26750), "2,68"); // exact, unlike the float 2.675
    EXPECT_EQ(MoneyToText(49), "0,00");
    EXPECT_EQ(MoneyToText(51), "0,01");
    EXPECT_EQ(MoneyToText(-51), "-0,01");
    EXPECT_EQ(MoneyToText(-49), "0,00"); // no "-0,00"
    EXPECT_EQ(MoneyToText(99995), "10,00");
    EXPECT_EQ(MoneyToText(123456789, 4), "12345,6789");
    EXPECT_EQ(MoneyToText(125000, 0), "13");
    EXPECT_EQ(MoneyToText(135000, 0), "14");
    EXPECT_EQ(MoneyToText(-125000, 0), "-13");
    EXPECT_EQ(MoneyToText(kMin, 4), "-922337203685477,5808");
    EXPECT_EQ(MoneyToText(kMax, 2), "922337203685477,58");
    TFormatSettings grouped;
    grouped.ThousandSeparator = ' ';
    EXPECT_EQ(MoneyToText(123456789000, 2, true, grouped), "12 345 678,90");
    EXPECT_EQ(MoneyToText(123456789000, 2, false, grouped), "12345678,90");
    EXPECT_EQ(MoneyToText(1230000, 2, true, grouped), "123,00");
    EXPECT_EQ(MoneyToText(-10000000, 2, true, grouped), "-1 000,00");
    EXPECT_EQ(MoneyToText(123456789000, 2, true), "12345678,90"); // start-up: no separator
}

TEST(MoneyToText, TiesRoundAsTheFloatFormatsDo) {
    // Eighths are exact in binary, so the float formats see the same ties.
    TFormatSettings grouped;
    grouped.ThousandSeparator = ' ';
    for (const Money whole : {Money{0}, Money{7}, Money{12345}}) {
        for (const Money eighth : {1250, 3750, 6250, 8750}) {
            for (const Money amount :
                 {whole * kMoneyScale + eighth, -(whole * kMoneyScale + eighth)}) {
                const double value = MoneyToDouble(amount);
                EXPECT_EQ(MoneyToText(amount), Format("%.2f", {value})) << amount;
                EXPECT_EQ(MoneyToText(amount, 2, true, grouped), Format("%.2n", {value}, grouped))
                    << amount;
            }
        }
    }
}

TEST(MoneyToText, TakesDecimalsOutsideZeroToFourAsTheNearestEnd) {
    EXPECT_EQ(MoneyToText(123456, -3), "12");
    EXPECT_EQ(MoneyToText(123456, 9), "12,3456");
}

TEST(MoneyFromDouble, RoundsToTenThousandthsAndSaturates) {
    EXPECT_EQ(MoneyFromDouble(1234567.89), 12345678900);
    EXPECT_EQ(MoneyFromDouble(-0.01), -100);
    EXPECT_EQ(MoneyFromDouble(0.00025), 2); // 2.5 units: to even
    EXPECT_EQ(MoneyFromDouble(0.00035), 4);
    EXPECT_EQ(MoneyFromDouble(1e300), kMax);
    EXPECT_EQ(MoneyFromDouble(-HUGE_VAL), kMin);
    EXPECT_EQ(MoneyFromDouble(std::nan("")), 0);
    EXPECT_EQ(MoneyToDouble(12345678900), 1234567.89);
    EXPECT_EQ(MoneyFromDouble(MoneyToDouble(-123456789)), -123456789);
}
