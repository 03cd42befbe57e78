#include "report/ComputingStatements.h"

#include "support/TestSupport.h"
#include "text/Errors.h"
#include "text/Markup.h"
#include "text/TemplateParser.h"
#include "text/TextCase.h"

#include <gtest/gtest.h>

using testing_support::W;

namespace {

class Statements : public testing::Test {
protected:
    // Parses the template text and runs each of its statements in order.
    void Run(std::string_view text) {
        const auto sentence = ParseTemplateText(text);
        const auto root = SentenceToNode(*sentence);
        for (int i = 0; i < root->ChildCount(); ++i) {
            const TNode& statement = root->GetChild(i);
            RunComputingStatement(vars, LowerCaseCyr(statement.Name()), statement);
        }
    }

    // The message of the error running the text raises, or "".
    std::string ErrorOf(std::string_view text) {
        try {
            Run(text);
        } catch (const EAppError& error) {
            return error.what();
        }
        return "";
    }

    std::string Get(std::string_view name) const { return vars.Get(name); }

    TReportVariables vars;
};

} // namespace

TEST(ComputingStatementNames, AreTheLowerCaseNames) {
    for (const char* name : {"set", "setstr", "add", "round", "strtrim", "strpos", "numstr"})
        EXPECT_TRUE(IsComputingStatement(name)) << name;
    for (const char* name : {"row", "if", "for", "SET", "trim", ""})
        EXPECT_FALSE(IsComputingStatement(name)) << name;
}

TEST_F(Statements, AssignmentsEvaluateAndSetStrKeepsText) {
    Run("x = 1.5 + 1; y = x * 2; setstr(s=\"a + b\", t=\"{pagenumber}\"); set(z=\"y\");");
    EXPECT_EQ(Get("x"), "2,5");
    EXPECT_EQ(Get("y"), "5");
    EXPECT_EQ(Get("s"), "a + b");
    EXPECT_EQ(Get("t"), "{pagenumber}");
    EXPECT_EQ(Get("z"), "5");
    EXPECT_EQ(ErrorOf("x = \"two words\";"), "Ошибка в выражении");
}

TEST_F(Statements, AddAddsTheLiteralToTheVariable) {
    Run("setstr(n=\"2\"); add(n=3.5, m=1);");
    EXPECT_EQ(Get("n"), "5,5");
    EXPECT_EQ(Get("m"), "1");
}

TEST_F(Statements, AssignmentsWithABlockRaiseAfterTheirWork) {
    for (const char* name : {"set", "setstr", "add"}) {
        const std::string target = std::string("a_") + name;
        EXPECT_EQ(ErrorOf(name + ("(" + target + "=1) { b = 2; }")),
                  std::string("Блок \"") + name + "\" в шаблоне отчета не закрыт");
        EXPECT_EQ(Get(target), "1");
        EXPECT_EQ(Get("b"), "");
    }
    // Function blocks ignore a block and do not run it.
    Run("setstr(s=\"abc\"); strlen(n, s) { b = 2; }");
    EXPECT_EQ(Get("n"), "3");
    EXPECT_EQ(Get("b"), "");
}

TEST_F(Statements, RoundFloorFracNeg) {
    Run("setstr(a=\"2,5\", b=\"2,4\", c=\"12,345\", d=\"7\", e=\"-12,345\", f=\"-2,5\");"
        "round(r1, a); round(r2, b); floor(f1, a); floor(f2, f);"
        "frac(q1, c); frac(q2, d); frac(q3, e); neg(n1, a); neg(n2, zero);");
    EXPECT_EQ(Get("r1"), "3");
    EXPECT_EQ(Get("r2"), "2");
    EXPECT_EQ(Get("f1"), "2");
    EXPECT_EQ(Get("f2"), "-3");
    EXPECT_EQ(Get("q1"), "0,35");
    EXPECT_EQ(Get("q2"), "0,00");
    EXPECT_EQ(Get("q3"), "-0,34");
    EXPECT_EQ(Get("n1"), "-2,5");
    EXPECT_EQ(Get("n2"), "0");
}

TEST_F(Statements, RoundingOutOfRangeRaises) {
    Run("setstr(big=\"1E300\");");
    EXPECT_EQ(ErrorOf("round(r, big);"), "Переполнение при вычислении");
    EXPECT_EQ(Get("r"), "");
}

TEST_F(Statements, ItemCountsAreCheckedBeforeAnyWork) {
    Run("setstr(r=\"kept\");");
    EXPECT_EQ(ErrorOf("round(r);"), "Блок \"round\" в шаблоне отчета должен содержать 2 элемента");
    EXPECT_EQ(ErrorOf("strcmp(r, a);"),
              "Блок \"strcmp\" в шаблоне отчета должен содержать 3 элемента");
    EXPECT_EQ(ErrorOf("strtrim(r, a);"),
              "Блок \"trim\" в шаблоне отчета должен содержать 1 элемент");
    EXPECT_EQ(ErrorOf("strcat(r=\"x\", \"y\");"),
              "Блок \"strcat\" в шаблоне отчета должен содержать 2 элемента");
    EXPECT_EQ(ErrorOf("substr(r, s);"), "Ошибка в параметрах функции \"substr\"");
    EXPECT_EQ(ErrorOf("strpos(r, s, a, b, c, d);"), "Ошибка в параметрах функции \"strpos\"");
    EXPECT_EQ(ErrorOf("strreplace(r, s, \"a\", \"b\", \"c\");"),
              "Ошибка в параметрах функции \"strreplace\"");
    EXPECT_EQ(Get("r"), "kept");
}

TEST_F(Statements, StringFunctions) {
    vars.Set("s", W(u8"  Ёжик и Fox\t"), false);
    Run("strcpy(c, s); strlen(n, s); strupper(u, s); strlower(l, s); strtrim(s);"
        "setstr(t=\"ab\"); strcat(t, \"cd\"); strvcat(t, s);");
    EXPECT_EQ(Get("c"), W(u8"  Ёжик и Fox\t"));
    EXPECT_EQ(Get("n"), "13");
    EXPECT_EQ(Get("u"), W(u8"  ЁЖИК И FOX\t"));
    EXPECT_EQ(Get("l"), W(u8"  ёжик и fox\t"));
    EXPECT_EQ(Get("s"), W(u8"Ёжик и Fox"));
    EXPECT_EQ(Get("t"), W(u8"abcdЁжик и Fox"));
}

TEST_F(Statements, Comparisons) {
    Run("setstr(a=\"x\", b=\"x\", c=\"X\");"
        "strcmp(r1, a, \"x\"); strcmp(r2, a, \"X\"); strvcmp(r3, a, b); strvcmp(r4, a, c);");
    EXPECT_EQ(Get("r1"), "0");
    EXPECT_EQ(Get("r2"), "1");
    EXPECT_EQ(Get("r3"), "0");
    EXPECT_EQ(Get("r4"), "1");
}

TEST_F(Statements, AmountsInWords) {
    Run("setstr(Sum=\"1234567,89\"); rubstr(w, Sum); numstr(n, Sum);");
    EXPECT_EQ(Get("w"), W(u8"Один миллион двести тридцать четыре тысячи пятьсот шестьдесят "
                          u8"семь рублей 89 копеек"));
    EXPECT_EQ(Get("n"), W(u8"Один миллион двести тридцать четыре тысячи пятьсот шестьдесят семь "));
}

TEST_F(Statements, StrReplaceTakesVariablesOrLiterals) {
    Run("setstr(s=\"a-b-c\", f=\"-\", t=\"+\");"
        "strreplace(r1, s, \"-\", \"=\"); strreplace(r2, s, f, t);"
        "strreplace(r3, s, f, \"/\"); strreplace(r4, s, \"-\", t);"
        "strreplace(r5, s, \"\", \"x\"); strreplace(r6, s, \"-\", \"\");");
    EXPECT_EQ(Get("r1"), "a=b=c");
    EXPECT_EQ(Get("r2"), "a+b+c");
    EXPECT_EQ(Get("r3"), "a/b/c");
    EXPECT_EQ(Get("r4"), "a+b+c");
    EXPECT_EQ(Get("r5"), "a-b-c");
    EXPECT_EQ(Get("r6"), "abc");
}

TEST_F(Statements, SubStrPacksItsArguments) {
    Run("setstr(s=\"abcdef\", i=\"2\", n=\"3\");"
        "substr(r1, s, 2, 3); substr(r2, s, i, n); substr(r3, s, i, 1);"
        "substr(r4, s, 1, n); substr(r5, s, 4); substr(r6, s, i);"
        "substr(r7, s, 6, 2); substr(r8, s, 4, 10); substr(r9, s, 1, 0);");
    EXPECT_EQ(Get("r1"), "cde");
    EXPECT_EQ(Get("r2"), "cde");
    EXPECT_EQ(Get("r3"), "c");
    EXPECT_EQ(Get("r4"), "bcd");
    EXPECT_EQ(Get("r5"), "ef");
    EXPECT_EQ(Get("r6"), "cdef");
    EXPECT_EQ(Get("r7"), ""); // start at the length
    EXPECT_EQ(Get("r8"), "ef");
    EXPECT_EQ(Get("r9"), "");
}

TEST_F(Statements, SubStrRejectsNegativeNumbers) {
    Run("setstr(s=\"abc\", m=\"-1\");");
    EXPECT_EQ(ErrorOf("substr(r, s, m, 1);"),
              "Ошибка в функции \"substr\": номер символа меньше 0");
    EXPECT_EQ(ErrorOf("substr(r, s, 0, m);"),
              "Ошибка в функции \"substr\": количество символов меньше 0");
}

TEST_F(Statements, StrPosCountsFromTheStartOfTheSource) {
    Run("setstr(s=\"abcabc\", b=\"b\", k=\"2\");"
        "strpos(p1, s, \"b\"); strpos(p2, s, \"b\", 2); strpos(p3, s, b, k);"
        "strpos(p4, s, b, 5); strpos(p5, s, \"b\", k); strpos(p6, s, \"x\");"
        "strpos(p7, s, \"c\", 100);");
    EXPECT_EQ(Get("p1"), "1");
    EXPECT_EQ(Get("p2"), "4");
    EXPECT_EQ(Get("p3"), "4");
    EXPECT_EQ(Get("p4"), "-1");
    EXPECT_EQ(Get("p5"), "4");
    EXPECT_EQ(Get("p6"), "-1");
    EXPECT_EQ(Get("p7"), "-1");
}
