// What the editors' fields take as typed, and the earn-source editor's OK.
#include "statement/EarnSourceInput.h"
#include "statement/EditorKeys.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The text a field ends with after typing `keys` through `filter`.
template <class TFilter> std::string Typed(TFilter filter, const std::string& keys) {
    std::string text;
    for (char c : keys) {
        const auto taken = filter(c);
        if (!taken) {
            continue;
        }
        if (*taken == kBackspace) {
            if (!text.empty()) {
                text.pop_back();
            }
        } else {
            text += *taken;
        }
    }
    return text;
}

} // namespace

TEST(EditorKeys, EachFieldTakesOnlyItsCharacters) {
    EXPECT_EQ(Typed(FreeTextKey, "A&<b>^ c\r\t\x01x\by'~"), "Ab cy'~");
    EXPECT_EQ(Typed(CountKey, "1a2 -3,4\b5\r"), "1235");
    EXPECT_EQ(Typed(AmountKey, "12.5"), "12,5");
    EXPECT_EQ(Typed(AmountKey, "1/2<3>4?5б6ю7Б8Ю9"), "1,2,3,4,5,6,7,8,9");
    EXPECT_EQ(Typed(AmountKey, "-1e5 x\r"), "15");
    EXPECT_EQ(Typed(SymbolKey, "0a2\r"), "02");
    EXPECT_EQ(Typed(SourceNameKey, "A&'<>^~b\r\nc"), "Abc");
}

TEST(EditorKeys, EnterWalksTheCountsDownToSaving) {
    EXPECT_EQ(NextCashRow(1), 2);
    EXPECT_EQ(NextCashRow(14), 15);
    EXPECT_EQ(NextCashRow(15), 0);
}

TEST(EarnSourceInput, TrimsThenJudgesSymbolBeforeName) {
    TEarnSourceInput input{" 005\t", "  Аренда \r\n"};
    EXPECT_EQ(CheckEarnSourceInput(input), TEarnSourceFault::None);
    EXPECT_EQ(input.Symbol, "005");
    EXPECT_EQ(input.Name, "Аренда");

    for (const char* symbol : {"", " ", "0", "00", "000", "1000", "1 2", "x"}) {
        TEarnSourceInput bad{symbol, "<forbidden too>"};
        EXPECT_EQ(CheckEarnSourceInput(bad), TEarnSourceFault::Symbol) << symbol;
    }
    TEarnSourceInput pasted{"5", "Выручка & прочее"};
    EXPECT_EQ(CheckEarnSourceInput(pasted), TEarnSourceFault::Name);
    TEarnSourceInput unnamed{"7", "   "};
    EXPECT_EQ(CheckEarnSourceInput(unnamed), TEarnSourceFault::None);
    EXPECT_EQ(unnamed.Name, "");
}
