#include "report/ReportVariables.h"

#include "text/Errors.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The message of the error the call raises, or "" when it raises none.
template <typename Call> std::string ErrorOf(Call call) {
    try {
        call();
    } catch (const EAppError& error) {
        return error.what();
    }
    return "";
}

} // namespace

TEST(ReportVariables, PlainNamesAreCaseSensitiveAndKeepTheirOrder) {
    TReportVariables vars;
    vars.Set("b", "1", false);
    vars.Set("a", "2", false);
    vars.Set("B", "3", false);
    vars.Set("b", "4", false);
    EXPECT_EQ(vars.Get("b"), "4");
    EXPECT_EQ(vars.Get("B"), "3");
    EXPECT_EQ(vars.Get("missing"), "");
    EXPECT_EQ(vars.Get(""), "");
    ASSERT_EQ(vars.Items().size(), 3u);
    EXPECT_EQ(vars.Items()[0].Name, "b");
    EXPECT_EQ(vars.Items()[0].Value, "4");
    EXPECT_EQ(vars.Items()[2].Name, "B");

    vars.Set("", "x", false);
    EXPECT_EQ(vars.Items().size(), 3u);
    vars.Clear();
    EXPECT_TRUE(vars.Items().empty());
    EXPECT_EQ(vars.Get("a"), "");
    vars.Set("a", "5", false);
    EXPECT_EQ(vars.Get("a"), "5");
}

TEST(ReportVariables, EvaluatedAssignmentsUseTheDecimalComma) {
    TReportVariables vars;
    vars.Set("x", "1.5", true);
    EXPECT_EQ(vars.Get("x"), "1,5");
    vars.Set("y", "1.5 + 1", true);
    EXPECT_EQ(vars.Get("y"), "2,5");
    vars.Set("z", "1.5 + 1", false);
    EXPECT_EQ(vars.Get("z"), "1.5 + 1");
}

TEST(ReportVariables, IndexedAssignmentExtendsTheLines) {
    TReportVariables vars;
    vars.Set("a[3]", "x", false);
    EXPECT_EQ(vars.Get("a"), "\r\n\r\nx\r\n");
    EXPECT_EQ(vars.Get("a[0]"), "3");
    EXPECT_EQ(vars.Get("a[2]"), "");
    EXPECT_EQ(vars.Get("a[3]"), "x");
    EXPECT_EQ(vars.Get("a[4]"), "");
    vars.Set("a[1]", "first", false);
    EXPECT_EQ(vars.Get("a"), "first\r\n\r\nx\r\n");
    EXPECT_EQ(vars.Items().size(), 1u);
}

TEST(ReportVariables, ElementsAreTheLinesOfTheBaseValue) {
    TReportVariables vars;
    vars.Set("list", "one\ntwo\rthree\r\nfour", false);
    EXPECT_EQ(vars.Get("list[0]"), "4");
    EXPECT_EQ(vars.Get("list[2]"), "two");
    EXPECT_EQ(vars.Get("list[4]"), "four");
    vars.Set("minus", "-1", false);
    EXPECT_EQ(vars.Get("list[minus]"), "");
    EXPECT_EQ(vars.Get("list[abc]"), "one"); // not an integer: the first element
    EXPECT_EQ(vars.Get("list[00]"), "");     // only the text "0" asks for the count
    EXPECT_EQ(vars.Get("nothing[1]"), "");
    EXPECT_EQ(vars.Get("nothing[0]"), "");
    EXPECT_EQ(vars.Get("empty[0]"), "");
    vars.Set("empty", "", false);
    EXPECT_EQ(vars.Get("empty[0]"), "0");

    // An element holding a line break becomes two elements.
    vars.Set("list[2]", "2a\r\n2b", false);
    EXPECT_EQ(vars.Get("list[0]"), "5");
    EXPECT_EQ(vars.Get("list[3]"), "2b");
}

TEST(ReportVariables, ElementsReadAfterAChangeAreTheNewOnes) {
    TReportVariables vars;
    vars.Set("list", "a\r\nb\r\n", false);
    vars.Set("other", "x\r\n", false);
    EXPECT_EQ(vars.Get("list[2]"), "b");
    EXPECT_EQ(vars.Get("other[1]"), "x");
    vars.Set("list", "long first\r\n", false);
    EXPECT_EQ(vars.Get("list[0]"), "1");
    EXPECT_EQ(vars.Get("list[1]"), "long first");
    EXPECT_EQ(vars.Get("list[2]"), "");
    EXPECT_EQ(vars.Get("other[1]"), "x");
    vars.Clear();
    vars.Set("other", "y", false);
    EXPECT_EQ(vars.Get("other[1]"), "y");
    EXPECT_EQ(vars.Get("list[0]"), "");
}

TEST(ReportVariables, IndexesAreExpressions) {
    TReportVariables vars;
    vars.Set("a", "x\r\ny\r\nz\r\n", false);
    vars.Set("i", "2", false);
    EXPECT_EQ(vars.Get("a[i]"), "y");
    EXPECT_EQ(vars.Get("a[i+1]"), "z");
    EXPECT_EQ(vars.Substitute("{a[i+1]}"), "z");
    vars.Set("a[i]", "Y", false);
    EXPECT_EQ(vars.Get("a[2]"), "Y");
    vars.Set("a[i + 2]", "W", false);
    EXPECT_EQ(vars.Get("a[4]"), "W");
    vars.Set("j", "1", false);
    vars.Set("b", "p\r\nq\r\n", false);
    EXPECT_EQ(vars.Get("b[a[j]]"), "p"); // a[1] is "x": not an integer
}

TEST(ReportVariables, NamesWithEmptyBracketsArePlain) {
    TReportVariables vars;
    vars.Set("list[]", "current", false);
    EXPECT_EQ(vars.Get("list[]"), "current");
    EXPECT_EQ(vars.Get("list"), "");
}

TEST(ReportVariables, MalformedIndexedNames) {
    TReportVariables vars;
    vars.Set("x", "abc", false);
    for (const char* name : {"a[0]", "a[x]", "a[-1]", "a[2000000]"})
        EXPECT_EQ(ErrorOf([&] { vars.Set(name, "v", false); }),
                  std::string("Ошибка в имени переменной \"") + name + "\"");
    for (const char* name : {"a[1]b", "a[1", "a[1][2]"})
        EXPECT_EQ(ErrorOf([&] { vars.Set(name, "v", false); }),
                  std::string("Ошибка в имени переменной: \"") + name + "\"");
    EXPECT_EQ(vars.Items().size(), 1u);
}

TEST(ReportVariables, DeeplyNestedIndexesRaiseInsteadOfExhaustingTheStack) {
    TReportVariables vars;
    vars.Set("a", "1\r\n", false);
    std::string name = "1";
    for (int i = 0; i < 2000; ++i)
        name = "a[" + name + "]";
    EXPECT_NE(ErrorOf([&] { vars.Get(name); }), "");
    EXPECT_EQ(vars.Get("a[a[a[1]]]"), "1");
}
