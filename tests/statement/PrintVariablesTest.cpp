// The report variables of a statement.
#include "statement/PrintVariables.h"
#include "store/Schemas.h"
#include "support/TableSupport.h"
#include "text/FormatSettings.h"

#include <gtest/gtest.h>

namespace {

using testing_support::EmptyTable;

class PrintVariables : public ::testing::Test {
protected:
    void SetUp() override {
        ApplyMainWindowFormatSettings();
        firms_.Append();
        firms_.FieldByName("Name").SetString("Плательщик");
        firms_.FieldByName("INN").SetString("111");
        firms_.Post();
        firms_.Append();
        firms_.FieldByName("Name").SetString("Получатель");
        firms_.FieldByName("INN").SetString("7707083893");
        firms_.FieldByName("Account").SetString("40702810");
        firms_.FieldByName("CreditAccount").SetString("30101810");
        firms_.Post();
        banks_.Append();
        banks_.FieldByName("Name").SetString("Банк А");
        banks_.FieldByName("BIK").SetString("044525225");
        banks_.FieldByName("DebitAccount").SetString("301");
        banks_.Post();
        banks_.Append();
        banks_.FieldByName("Name").SetString("Банк Б");
        banks_.FieldByName("BIK").SetString("044525000");
        banks_.Post();

        statement_.Datetime = 42795.5;
        statement_.BagNumber = "12";
        statement_.Counts[0] = "1";
        statement_.Counts[5] = "3";
        statement_.Counts[11] = "2";
        statement_.Sources = {{"02", "Торговая выручка", "5301,00"}, {"05", "Прочие", ""}};
        statement_.FromFirm = 1;
        statement_.ToFirm = 2;
        statement_.FromBank = 1;
        statement_.ToBank = 2;
        statement_.Field39 = "Текст";
    }
    void TearDown() override { InitFormatSettings(); }

    TTable firms_ = EmptyTable(FirmsFieldDefs());
    TTable banks_ = EmptyTable(BanksFieldDefs());
    TStatement statement_;
};

} // namespace

TEST_F(PrintVariables, OneSourceGivesTheFullListInOrder) {
    const TVariableList expected = {
        {"Datetime", "42795,50"},
        {"Bag", "12"},
        {"Sum", "5301,00"},
        {"TextSum", "Пять тысяч триста один рубль 00 копеек"},
        {"FromFirm", "Плательщик"},
        {"ToFirm", "Получатель"},
        {"FromBank", "Банк А"},
        {"ToBank", "Банк Б"},
        {"Field39", "Текст"},
        {"INN", "7707083893"},
        {"Account", "40702810"},
        {"Credit", "30101810"},
        {"FromBankBIK", "044525225"},
        {"Debit", "301"},
        {"ToBankBIK", "044525000"},
        {"N5000", "1"},
        {"S5000", "5000,00"},
        {"N2000", "0"},
        {"S2000", "0,00"},
        {"N1000", "0"},
        {"S1000", "0,00"},
        {"N500", "0"},
        {"S500", "0,00"},
        {"N200", "0"},
        {"S200", "0,00"},
        {"N100", "3"},
        {"S100", "300,00"},
        {"N50", "0"},
        {"S50", "0,00"},
        {"N10", "0"},
        {"S10", "0,00"},
        {"N5", "0"},
        {"S5", "0,00"},
        {"N2", "0"},
        {"S2", "0,00"},
        {"N1", "0"},
        {"S1", "0,00"},
        {"N05", "2"},
        {"S05", "1,00"},
        {"N01", "0"},
        {"S01", "0,00"},
        {"N005", "0"},
        {"S005", "0,00"},
        {"N001", "0"},
        {"S001", "0,00"},
        {"Sym1", "02"},
        {"SrcSum1", "5 301,00"},
        {"Source", "Торговая выручка"},
    };
    EXPECT_EQ(BuildPrintVariables(statement_, firms_, banks_), expected);
}

TEST_F(PrintVariables, UsedSourcesAreNumberedWithoutGaps) {
    statement_.Sources = {{"01", "Первый", ""}, {"02", "Второй", "5000"}, {"03", "Третий", "301"}};
    const TVariableList variables = BuildPrintVariables(statement_, firms_, banks_);
    const TVariableList tail(variables.end() - 5, variables.end());
    const TVariableList expected = {{"Sym1", "02"},
                                    {"SrcSum1", "5 000,00"},
                                    {"Sym2", "03"},
                                    {"SrcSum2", "301,00"},
                                    {"Source", "Второй, Третий"}};
    EXPECT_EQ(tail, expected);
}

TEST_F(PrintVariables, SourceSumsRoundTiesUp) {
    statement_.Sources = {{"02", "Выручка", "1234,125"}, {"03", "Прочее", "0,005"}};
    const TVariableList variables = BuildPrintVariables(statement_, firms_, banks_);
    const TVariableList tail(variables.end() - 5, variables.end() - 1);
    const TVariableList expected = {
        {"Sym1", "02"}, {"SrcSum1", "1 234,13"}, {"Sym2", "03"}, {"SrcSum2", "0,01"}};
    EXPECT_EQ(tail, expected);
}

TEST_F(PrintVariables, UnknownFirmsAndBanksGiveEmptyValues) {
    statement_.ToFirm = 0;
    statement_.ToBank = 77;
    statement_.Sources = {{"02", "", "5301"}};
    const TVariableList variables = BuildPrintVariables(statement_, firms_, banks_);
    auto value = [&](const char* name) {
        for (const auto& [key, text] : variables) {
            if (key == name) {
                return text;
            }
        }
        return std::string("<none>");
    };
    EXPECT_EQ(value("ToFirm"), "");
    EXPECT_EQ(value("INN"), ""); // not the paying firm's
    EXPECT_EQ(value("Account"), "");
    EXPECT_EQ(value("ToBank"), "");
    EXPECT_EQ(value("ToBankBIK"), "");
    EXPECT_EQ(value("FromBankBIK"), "044525225");
    EXPECT_EQ(value("Source"), ""); // one used source without a name
}
