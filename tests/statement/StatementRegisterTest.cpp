// The register of a period over hand-made tables: which statements, in what
// order, with what sums; and the cash fields it can read.
#include "statement/StatementRegister.h"
#include "EditorTestSupport.h"
#include "statement/CashField.h"
#include "statement/EarnSources.h"

#include <gtest/gtest.h>

#include <map>

namespace {

TDateTime Day(int year, int month, int day, int hour = 0, int minute = 0) {
    return *EncodeDateTime(year, month, day, hour, minute);
}

class Register : public EditorStore {
protected:
    void SetUp() override {
        EditorStore::SetUp();
        alpha_ = AddFirm("Альфа");
        beta_ = AddFirm("Бета");
        bank_ = AddBank("Сбербанк");
        TXNod& sources = store_.EarnSources();
        BuildEarnSourceList(sources); // 1: "Торговая выручка", 02
        AddEarnSource(sources, "Прочие", "11");
        AddEarnSource(sources, "Возврат", "02");
    }

    // A statement of `counts` (denomination row, count), its amounts on the
    // earn sources as typed; its ID.
    std::int64_t Add(TDateTime when, const std::string& bag, std::int64_t firm,
                     std::vector<std::pair<int, const char*>> counts,
                     std::vector<const char*> amounts) {
        TStatement statement;
        for (const auto& [row, count] : counts) {
            statement.Counts[row - 1] = count;
        }
        for (const char* amount : amounts) {
            statement.Sources.push_back({"", "", amount});
        }
        return AddRaw(when, bag, firm, EncodeCash(statement), 0);
    }

    std::int64_t AddRaw(TDateTime when, const std::string& bag, std::int64_t firm,
                        const std::string& cash, double sum) {
        TTable& documents = store_.Documents();
        documents.Append();
        documents.FieldByName("Datetime").SetDateTime(when);
        documents.FieldByName("BagNumber").SetString(bag);
        documents.FieldByName("FromFirm").SetInteger(firm);
        documents.FieldByName("ToFirm").SetInteger(beta_);
        documents.FieldByName("ToBank").SetInteger(bank_);
        documents.FieldByName("Cash").SetString(cash);
        documents.FieldByName("CashSum").SetFloat(sum);
        documents.Post();
        return documents.FieldByName("ID").AsInteger();
    }

    std::map<std::string, std::string> Build(TDateTime from, TDateTime to, std::int64_t firm = 0) {
        const TVariableList variables = BuildRegisterVariables(store_, {from, to, firm});
        return {variables.begin(), variables.end()};
    }

    std::int64_t alpha_ = 0, beta_ = 0, bank_ = 0;
};

TEST_F(Register, ListsTheDaysOfThePeriodInDateOrderWithExactSums) {
    Add(Day(2024, 3, 31, 23, 59), "before", alpha_, {{1, "1"}}, {"5000"});
    Add(Day(2024, 4, 30, 23, 59), "last", alpha_, {{15, "7"}}, {"", "0,07"});
    // 0,1 + 0,2 + 0,05 in kopecks: exact in the money type.
    Add(Day(2024, 4, 1), "first", beta_, {{13, "3"}, {14, "1"}}, {"0,3", "", "0,05"});
    Add(Day(2024, 5, 1), "after", alpha_, {{1, "1"}}, {"5000"});
    Add(Day(2024, 4, 15, 12), "middle", alpha_, {{1, "2"}, {6, "3"}}, {"10000", "300"});
    Add(Day(2024, 4, 15, 9), "morning", alpha_, {{8, "1"}}, {"10"});

    auto shown = Build(Day(2024, 4, 1, 18), Day(2024, 4, 30, 6));
    EXPECT_EQ(shown["DateFrom"], "01.04.2024");
    EXPECT_EQ(shown["DateTo"], "30.04.2024");
    EXPECT_EQ(shown["Firm"], "");
    EXPECT_EQ(shown["Count"], "4");
    EXPECT_EQ(shown["RowBag"], "first\r\nmorning\r\nmiddle\r\nlast\r\n");
    EXPECT_EQ(shown["RowDate"], "01.04.2024\r\n15.04.2024\r\n15.04.2024\r\n30.04.2024\r\n");
    EXPECT_EQ(shown["RowFromFirm"], "Бета\r\nАльфа\r\nАльфа\r\nАльфа\r\n");
    EXPECT_EQ(shown["RowToFirm"], "Бета\r\nБета\r\nБета\r\nБета\r\n");
    EXPECT_EQ(shown["RowToBank"], "Сбербанк\r\nСбербанк\r\nСбербанк\r\nСбербанк\r\n");
    EXPECT_EQ(shown["RowSum"], "0,35\r\n10,00\r\n10 300,00\r\n0,07\r\n");
    EXPECT_EQ(shown["RowMark"], "\r\n\r\n\r\n\r\n");
    EXPECT_EQ(shown["Total"], "10 310,42");
    EXPECT_EQ(shown["Unread"], "0");
    // Symbol 02 gathers both of its sources.
    EXPECT_EQ(shown["SymbolCode"], "02\r\n11\r\n");
    EXPECT_EQ(shown["SymbolName"], "Торговая выручка, Возврат\r\nПрочие\r\n");
    EXPECT_EQ(shown["SymbolSum"], "10 010,35\r\n300,07\r\n");

    shown = Build(Day(2024, 4, 1), Day(2024, 4, 30), beta_);
    EXPECT_EQ(shown["Firm"], "Бета");
    EXPECT_EQ(shown["RowBag"], "first\r\n");
    EXPECT_EQ(shown["Total"], "0,35");
}

TEST_F(Register, AnUnreadableCashFieldIsListedMarkedAndCountsAsZero) {
    Add(Day(2024, 4, 2), "good", alpha_, {{3, "1"}}, {"1000"});
    AddRaw(Day(2024, 4, 3), "empty", alpha_, "", 700);
    AddRaw(Day(2024, 4, 4), "split", alpha_,
           "<5000>0<2000>0<1000>1<500>0<200>0<100>0<50>0<10>0<5>0<2>0"
           "<1>0<05>0<01>0<005>0<001>0<SI>1<SS1>900,00",
           1000);
    // A line break in a name stays inside its statement's element.
    ASSERT_TRUE(store_.Firms().Locate(alpha_));
    store_.Firms().Edit();
    store_.Firms().FieldByName("Name").SetString("Аль\r\nфа");
    store_.Firms().Post();

    auto shown = Build(Day(2024, 4, 1), Day(2024, 4, 30));
    EXPECT_EQ(shown["Count"], "3");
    EXPECT_EQ(shown["RowSum"], "1 000,00\r\n700,00\r\n1 000,00\r\n");
    EXPECT_EQ(shown["RowMark"], "\r\n*\r\n*\r\n");
    EXPECT_EQ(shown["Unread"], "2");
    EXPECT_EQ(shown["Total"], "1 000,00");
    EXPECT_EQ(shown["SymbolSum"], "1 000,00\r\n");
    EXPECT_EQ(shown["RowFromFirm"], "Аль  фа\r\nАль  фа\r\nАль  фа\r\n");
}

TEST_F(Register, AnEmptyPeriodHasNoRows) {
    Add(Day(2024, 4, 2), "april", alpha_, {{3, "1"}}, {"1000"});
    auto shown = Build(Day(2024, 5, 1), Day(2024, 5, 31));
    EXPECT_EQ(shown["Count"], "0");
    EXPECT_EQ(shown["Total"], "0,00");
    EXPECT_EQ(shown["RowDate"], "");
    EXPECT_EQ(shown["SymbolCode"], "");
}

TEST(RegisterPeriod, StartsWithTheMonthAndRefusesAnInvertedPeriod) {
    TRegisterQuery query = DefaultRegisterQuery(Day(2024, 2, 15, 13, 30));
    EXPECT_EQ(query.DateFrom, Day(2024, 2, 1));
    EXPECT_EQ(query.DateTo, Day(2024, 2, 29));
    EXPECT_EQ(query.FirmID, 0);
    query = DefaultRegisterQuery(Day(2023, 12, 31, 23, 59));
    EXPECT_EQ(query.DateFrom, Day(2023, 12, 1));
    EXPECT_EQ(query.DateTo, Day(2023, 12, 31));
    EXPECT_EQ(CheckRegisterPeriod(query), "");
    EXPECT_EQ(CheckRegisterPeriod({Day(2024, 1, 1, 23), Day(2024, 1, 1, 1), 0}), "");
    EXPECT_EQ(CheckRegisterPeriod({Day(2024, 1, 2), Day(2024, 1, 1, 23), 0}),
              "Начало периода позже его конца");
}

TEST(CashSplit, ReadsOnlyAFieldWhoseEveryPartIsThere) {
    const std::string counts = "<5000>1<2000>0<1000>0<500>0<200>0<100>3<50>0<10>0<5>0<2>0<1>0"
                               "<05>2<01>0<005>0<001>0";
    auto split = ReadCashSplit(counts + "<SI>2<SS1>5000,00<SS2>301,00", 2);
    ASSERT_TRUE(split);
    EXPECT_EQ(split->Total, 5301 * kMoneyScale);
    EXPECT_EQ(split->Amounts, (std::vector<Money>{5000 * kMoneyScale, 301 * kMoneyScale}));
    // Tags in any case, as the editor reads them.
    EXPECT_TRUE(ReadCashSplit(counts + "<si>1<ss1>5301,00", 1));

    EXPECT_FALSE(ReadCashSplit(counts.substr(7) + "<SS1>5301,00", 1)); // no <5000>
    EXPECT_FALSE(ReadCashSplit("<5000>-1" + counts.substr(7) + "<SS1>5301,00", 1));
    EXPECT_FALSE(ReadCashSplit("<5000>x" + counts.substr(7) + "<SS1>5301,00", 1));
    EXPECT_FALSE(ReadCashSplit(counts + "<SS1>5300,99", 1)); // does not add up
    EXPECT_FALSE(ReadCashSplit(counts + "<SS1>abc", 1));     // no amount
    EXPECT_FALSE(ReadCashSplit(counts + "<SS2>5301,00", 1)); // a source not listed
    EXPECT_FALSE(ReadCashSplit("<5000>999999999999999" + counts.substr(7), 1)); // range
}

} // namespace
