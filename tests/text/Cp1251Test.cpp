#include "text/Cp1251.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

using testing_support::W;

TEST(Cp1251, LiteralsInTheProgramAreWindows1251) {
    EXPECT_EQ(std::string("Ёё"), "\xA8\xB8");
    EXPECT_EQ(W(u8"Ведомость"), "Ведомость");
}

TEST(Cp1251, EveryByteSurvivesARoundTripThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(all)), all);
}

TEST(Cp1251, MatchesTheSystemCodecWhereItKnowsTheByte) {
    const std::string text = "Препроводительная ведомость № 5 «тест» — ё";
    EXPECT_EQ(Cp1251ToUtf8(text),
              reinterpret_cast<const char*>(u8"Препроводительная ведомость № 5 «тест» — ё"));
}

TEST(Cp1251, UnrepresentableAndMalformedInputBecomesQuestionMarks) {
    const auto* mixed = reinterpret_cast<const char*>(u8"a€b中c😀d");
    EXPECT_EQ(Utf8ToCp1251(mixed), "a\x88"
                                   "b?c?d");
    EXPECT_EQ(Utf8ToCp1251("x\xC3(y"), "x?(y");     // lead byte without continuation
    EXPECT_EQ(Utf8ToCp1251("\xE2\x82"), "??");      // truncated at the end
    EXPECT_EQ(Utf8ToCp1251("\xC0\xAF"), "??");      // overlong
    EXPECT_EQ(Utf8ToCp1251("\xED\xA0\x80"), "???"); // surrogate
}

#include "text/Paths.h"

TEST(Paths, FileNamesAreUtf8OnDiskAndWindows1251InTheProgram) {
    const std::filesystem::path path = PathFromText("Ведомость.rt3");
    EXPECT_EQ(path.string(), reinterpret_cast<const char*>(u8"Ведомость.rt3"));
    EXPECT_EQ(PathToText(path), "Ведомость.rt3");
}
