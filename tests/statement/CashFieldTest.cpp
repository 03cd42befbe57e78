// The cash field: tags, encoding, decoding of any text, and the exact total.
#include "statement/CashField.h"
#include "statement/Tags.h"
#include "text/Errors.h"

#include <gtest/gtest.h>

namespace {

const char kExample[] = "<5000>1<2000>0<1000>0<500>0<200>0<100>3<50>0<10>0<5>0<2>0<1>0"
                        "<05>2<01>0<005>0<001>0<SI>1<SS1>5301,00";

TStatement WithSources(int count) {
    TStatement statement;
    for (int i = 0; i < count; ++i) {
        statement.Sources.push_back({"0" + std::string(1, static_cast<char>('1' + i)), "S", ""});
    }
    return statement;
}

} // namespace

TEST(Tags, MatchWholeTagsWithoutRegardToLatinCase) {
    const std::string text = "<001>5<01>4<1>3<SS10>7,5<SS1>2<si>3";
    EXPECT_EQ(GetTagValue(text, "1", "-"), "3");
    EXPECT_EQ(GetTagValue(text, "01", "-"), "4");
    EXPECT_EQ(GetTagValue(text, "SS1", "-"), "2");
    EXPECT_EQ(GetTagValue(text, "ss10", "-"), "7,5");
    EXPECT_EQ(GetTagValue(text, "SI", "-"), "3");
    EXPECT_EQ(GetTagValue(text, "2", "-"), "-");
    EXPECT_EQ(GetTagValue("<a>", "a", "-"), ""); // a tag at the very end
    EXPECT_EQ(GetTagValue("[a]1[b]2", "b", "-", "[]"), "2");
    EXPECT_EQ(GetTagValue("<a>1", "a", "-", "[[["), "1"); // any other pair means "<>"
    EXPECT_EQ(GetTagFloat(text, "SS10", "<>", -1), 7.5);
    EXPECT_EQ(GetTagFloat(text, "x", "<>", -1), -1);
    EXPECT_EQ(GetTagInt(text, "SI", 0), 3);
    EXPECT_EQ(GetTagInt("<SI>99999999999", "SI", -2), -2);
}

TEST(CashField, ExampleIsEncodedByteForByte) {
    TStatement statement = WithSources(2);
    statement.Counts[0] = "1";
    statement.Counts[5] = "3";
    statement.Counts[11] = "2";
    statement.Counts[12] = "x"; // not a number: written as 0
    statement.Sources[0].Amount = "5301";
    statement.Sources[1].Amount = "0";
    statement.CurrentSource = 1;
    EXPECT_EQ(EncodeCash(statement), kExample);
    EXPECT_EQ(CashTotal(statement.Counts), 5301 * kMoneyScale);
}

TEST(CashField, SourceAmountsRoundTiesUpAsTheDecodedOnesDo) {
    TStatement statement = WithSources(3);
    statement.Sources[0].Amount = "0,125";
    statement.Sources[1].Amount = "1234,005";
    statement.Sources[2].Amount = "0,004";
    const std::string cash = EncodeCash(statement);
    EXPECT_EQ(cash.substr(cash.find("<SI>")), "<SI>1<SS1>0,13<SS2>1234,01<SS3>0,00");
    // Shown as "%.2f" when read back, so the editor shows what was stored.
    TStatement typed = WithSources(1);
    DecodeCash("<SS1>0,125", typed);
    EXPECT_EQ(typed.Sources[0].Amount, "0,13");
}

TEST(CashField, DecodingShowsCountsAmountsAndTheCurrentSource) {
    TStatement statement = WithSources(3);
    DecodeCash(std::string(kExample) + "<SS3>0,5<SI>2", statement);
    EXPECT_EQ(statement.Counts[0], "1");
    EXPECT_EQ(statement.Counts[1], ""); // a count of 0 is an empty cell
    EXPECT_EQ(statement.Counts[11], "2");
    EXPECT_EQ(statement.Sources[0].Amount, "5301,00");
    EXPECT_EQ(statement.Sources[1].Amount, "");
    EXPECT_EQ(statement.Sources[2].Amount, "0,50");
    EXPECT_EQ(statement.CurrentSource, 1); // the first <SI> counts
}

TEST(CashField, CurrentSourceFallsBackToTheFirst) {
    for (const char* cash : {"", "<SI>4", "<SI>0", "<SI>-1", "<SI>x", "<si>3"}) {
        TStatement statement = WithSources(3);
        statement.CurrentSource = 2;
        DecodeCash(cash, statement);
        EXPECT_EQ(statement.CurrentSource, std::string(cash) == "<si>3" ? 3 : 1) << cash;
    }
}

TEST(CashField, AmountsOfSourcesThatNoLongerExistAreDropped) {
    TStatement statement = WithSources(1);
    DecodeCash("<SI>1<SS1>10,00<SS2>20,00", statement);
    EXPECT_EQ(statement.Sources[0].Amount, "10,00");
    EXPECT_EQ(EncodeCash(statement).find("<SS2>"), std::string::npos);
}

TEST(CashField, AnyTextDecodesWithoutError) {
    for (const char* cash : {"<<<>>>", "<5000>", "<5000>-3<100>1e3<05>99999999999", "<SS1>abc",
                             "<SS1>-5,00", "\xFF\x00<", "<SI>2147483648"}) {
        TStatement statement = WithSources(2);
        EXPECT_NO_THROW(DecodeCash(cash, statement)) << cash;
        for (const std::string& count : statement.Counts) {
            EXPECT_TRUE(count.empty()) << cash;
        }
        EXPECT_EQ(statement.Sources[0].Amount, "");
        EXPECT_EQ(statement.CurrentSource, 1);
    }
}

TEST(CashField, TotalIsExactInFixedPoint) {
    std::array<std::string, kDenominationCount> counts;
    counts[13] = "3"; // 5 kopecks
    counts[14] = "1"; // 1 kopeck
    EXPECT_EQ(CashTotal(counts), 1600);
    counts.fill("1");
    counts[3] = "";
    counts[4] = "two";
    EXPECT_EQ(CashTotal(counts), (8868 - 700) * kMoneyScale + 6600);
    counts.fill("");
    counts[0] = "9223372036854775807";
    EXPECT_THROW(CashTotal(counts), EConvertError);
}
