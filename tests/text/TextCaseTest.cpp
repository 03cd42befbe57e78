#include "text/TextCase.h"

#include <gtest/gtest.h>

TEST(TextCase, ChangesLatinAndCyrillicLettersOnly) {
    EXPECT_EQ(UpperCaseCyr("ёжик"), "ЁЖИК");
    EXPECT_EQ(LowerCaseCyr("ЁЖ"), "ёж");
    EXPECT_EQ(UpperCaseCyr("abz АБВ эюя, 12-3!"), "ABZ АБВ ЭЮЯ, 12-3!");
    EXPECT_EQ(LowerCaseCyr("AZ ЭЮЯ абв, 12-3!"), "az эюя абв, 12-3!");
    std::string others; // every byte that is no letter, "№" and "«" among them
    for (int b = 1; b < 256; ++b) {
        const bool letter =
            (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || b >= 0xC0 || b == 0xA8 || b == 0xB8;
        if (!letter) {
            others += static_cast<char>(b);
        }
    }
    EXPECT_EQ(UpperCaseCyr(others), others);
    EXPECT_EQ(LowerCaseCyr(others), others);
    EXPECT_EQ(UpperCaseCyr(std::string("a\0b", 3)), std::string("A\0B", 3));
}
