#include "report/ReportVariables.h"

#include "text/Errors.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class Expression : public testing::Test {
protected:
    std::string Eval(std::string_view text) const { return vars.Evaluate(text); }

    std::string ErrorOf(std::string_view text) const {
        try {
            vars.Evaluate(text);
        } catch (const EAppError& error) {
            return error.what();
        }
        return "";
    }

    TReportVariables vars;
};

} // namespace

TEST_F(Expression, LeftToRightWithoutPrecedence) {
    EXPECT_EQ(Eval("2 + 3 * 4"), "20");
    EXPECT_EQ(Eval("10 / 4"), "2,5");
    EXPECT_EQ(Eval("7 % 3"), "1");
    EXPECT_EQ(Eval("1 - 3"), "-2");
    EXPECT_EQ(Eval("1.5 + 1,5"), "3");
    EXPECT_EQ(Eval("1 / 3"), "0,333333333333333");
    EXPECT_EQ(Eval("5 +"), "5"); // a trailing operator keeps the result
    EXPECT_EQ(Eval(""), "");
    EXPECT_EQ(Eval("  "), "");
}

TEST_F(Expression, ALoneOperandKeepsItsText) {
    vars.Set("name", "abc", false);
    vars.Set("n", "007", false);
    EXPECT_EQ(Eval("name"), "abc");
    EXPECT_EQ(Eval("n"), "007");
    EXPECT_EQ(Eval("12.50"), "12,50");
    EXPECT_EQ(Eval("name + 1"), "1"); // text that is no number counts as 0
    EXPECT_EQ(Eval("n * 2"), "14");
    EXPECT_EQ(Eval("undefined"), "");
}

TEST_F(Expression, NamesMayHoldIndexesAndCyrillicLetters) {
    vars.Set("list", "10\r\n20\r\n", false);
    vars.Set("Сумма", "5", false);
    vars.Set("a.b_1", "2", false);
    EXPECT_EQ(Eval("list[2] + list[1]"), "30");
    EXPECT_EQ(Eval("Сумма * a.b_1"), "10");
}

TEST_F(Expression, SkippedCharacters) {
    EXPECT_EQ(Eval("1 <+> 2"), "3"); // "<" and ">" are no tokens
    EXPECT_EQ(Eval("\t2\r\n* 3"), "6");
}

TEST_F(Expression, MisplacedTokens) {
    for (const char* text : {"\"text\"", "-5", "(1)", "1 = 2", "1 2", "1 + (2)", "1 ; 2", "a b"})
        EXPECT_EQ(ErrorOf(text), "Ошибка в выражении") << text;
}

TEST_F(Expression, RemainderTruncatesWithTheSignOfTheLeftSide) {
    vars.Set("x", "2,99999", false);
    vars.Set("three", "3", false);
    vars.Set("minus7", "-7", false);
    EXPECT_EQ(Eval("x % 3"), "0");     // a literal divisor nudges both sides
    EXPECT_EQ(Eval("x % three"), "2"); // a named one does not
    EXPECT_EQ(Eval("minus7 % three"), "-1");
    EXPECT_EQ(Eval("7.9 % 2"), "1");
}

TEST_F(Expression, DivisionByZeroRaises) {
    vars.Set("half", "0,5", false);
    for (const char* text : {"1 / 0", "5 % 0", "5 % half", "1 / undefined"})
        EXPECT_EQ(ErrorOf(text).rfind("Деление на ноль", 0), 0u) << text;
}

TEST_F(Expression, OverflowRaisesAndHugeTextReadsAsZero) {
    vars.Set("big", "1E308", false);
    vars.Set("huge", "1e999", false);
    EXPECT_EQ(ErrorOf("big * 10"), "Переполнение при вычислении");
    EXPECT_EQ(ErrorOf("big % 7"), "Переполнение при вычислении");
    EXPECT_EQ(Eval("huge + 1"), "1");
}
