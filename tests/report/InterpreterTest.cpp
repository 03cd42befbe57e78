// The structural template statements: row, cell, text, for, if, include,
// defaults, and the dispatcher's names and errors.
#include "ReportTestSupport.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace report_test;
using testing_support::TempDir;
using testing_support::WriteFile;

TEST(Interpreter, AnEmptyTemplateMakesNothing) {
    const auto report = MakeReport();
    Interpret(*report, "# only a comment\n");
    EXPECT_EQ(report->RowCount(), 0);
    report->Build();
    EXPECT_EQ(report->PageCount(), 0);
}

TEST(Interpreter, StatementNamesIgnoreCase) {
    const auto report = MakeReport();
    Interpret(*report, "Row(h=7); ROW(); row() { CELL(w=30); }");
    ASSERT_EQ(report->RowCount(), 3);
    EXPECT_EQ(report->GetRow(1)->GetHeight(), Mm(7));
    EXPECT_EQ(report->GetRow(2)->GetHeight(), Mm(5));
    EXPECT_EQ(report->GetRow(3)->GetCell(1)->GetWidthSpec(), "30");
    EXPECT_EQ(InterpretError(*report, "rows();"), "Недопустимый раздел: rows");
    EXPECT_EQ(InterpretError(*report, "Bogus(a=1);"), "Недопустимый раздел: Bogus");
}

TEST(Interpreter, RowAttributes) {
    const auto report = MakeReport();
    Interpret(*report, "row(h=12.5, name=\"head\");"
                       "row(header=\"head\", pagefeed=1, pageorientation=\"Landscape\");"
                       "row(header=\"later\", pagefeed=\"yes\", pageorientation=\"up\");"
                       "row(name=\"later\", h=\"12.5\");");
    const auto head = report->GetRow(1);
    EXPECT_EQ(head->GetHeight(), Mm(12.5));
    EXPECT_EQ(head->GetName(), "head");
    const auto second = report->GetRow(2);
    EXPECT_EQ(second->GetHeader(), head);
    EXPECT_TRUE(second->GetPageFeed());
    EXPECT_EQ(second->GetOrientation(), kOrientationLandscape);
    // A header defined later is not found; malformed flags and lengths give false and 0.
    const auto third = report->GetRow(3);
    EXPECT_EQ(third->GetHeader(), nullptr);
    EXPECT_FALSE(third->GetPageFeed());
    EXPECT_EQ(third->GetOrientation(), kOrientationUnset);
    EXPECT_EQ(report->GetRow(4)->GetHeight(), 0);
}

TEST(Interpreter, CellAttributesAndDefaults) {
    const auto report = MakeReport();
    report->SetVariable("Sum", "12,5", false);
    Interpret(*report,
              "defaults(font=\"Times\", fontsize=12, fontstyle=\"italic\");"
              "row() {"
              "  cell(name=\"c\", text=\"Sum: {Sum:.2f}\", frame=\"1010\", align=3);"
              "  cell(w=\"30%\", font=\"Courier\", fontsize=8, fontstyle=\"bold;underline\");"
              "  cell(w=30%);"
              "}");
    const auto row = report->GetRow(1);
    const auto first = row->GetCell(1);
    EXPECT_EQ(first->GetWidthSpec(), "100%");
    EXPECT_EQ(first->GetName(), "c");
    EXPECT_EQ(first->GetText(), "Sum: 12,50");
    EXPECT_EQ(first->GetFrame(), "1010");
    EXPECT_EQ(first->GetAlign(), 3);
    EXPECT_EQ(first->GetFont(), "Times");
    EXPECT_EQ(first->GetFontSize(), 12);
    EXPECT_EQ(first->GetFontStyle(), kFontItalic);
    const auto second = row->GetCell(2);
    EXPECT_EQ(second->GetFont(), "Courier");
    EXPECT_EQ(second->GetFontSize(), 8);
    EXPECT_EQ(second->GetFontStyle(), kFontBold | kFontUnderline);
    // Unquoted, the "%" is a token of its own: 30 millimetres.
    EXPECT_EQ(row->GetCell(3)->GetWidthSpec(), "30");
    EXPECT_EQ(row->GetCell(3)->GetWidth(), Mm(30));
}

TEST(Interpreter, FreeTexts) {
    const auto report = MakeReport();
    report->SetVariable("who", "Petrov", false);
    Interpret(*report, "row() { cell(w=50) { text(x=12.5, y=\"12,5\", w=\"12.5\", text=\"{who}\"); "
                       "text(); } }");
    ASSERT_EQ(report->GetRow(1)->CellCount(), 1);
    report->Build();
    const auto texts = Texts(*report->GetPage(1));
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[1]->GetX(), Mm(22.5));
    EXPECT_EQ(texts[1]->GetY(), Mm(22.5));
    EXPECT_EQ(texts[1]->GetW(), 0);
    EXPECT_EQ(texts[1]->GetText(), "Petrov");
    EXPECT_EQ(texts[2]->GetW(), 0);
    EXPECT_EQ(texts[2]->GetH(), 0);
    EXPECT_EQ(texts[2]->GetColor(), kNoColor);
}

TEST(Interpreter, StatementsOutsideTheirContextFail) {
    const auto report = MakeReport();
    EXPECT_EQ(InterpretError(*report, "text();"), "Неизвестный интерфейс в ParseCell");
    EXPECT_EQ(InterpretError(*report, "row() { text(); }"), "Неизвестный интерфейс в ParseCell");
    EXPECT_EQ(InterpretError(*report, "cell();"), "Неизвестный интерфейс в ParseCell");
    EXPECT_EQ(InterpretError(*report, "row() { row(); }"), "Неизвестный интерфейс в ParseRow");
    // What was made before the error stays.
    EXPECT_EQ(report->RowCount(), 2);
}

TEST(Interpreter, RowsNestInsideCells) {
    const auto report = MakeReport();
    Interpret(*report, "row() { cell(w=\"abc\") { row(h=6) { cell(w=20); cell(w=30); } "
                       "row(h=7); } }");
    const auto cell = report->GetRow(1)->GetCell(1);
    EXPECT_EQ(cell->GetWidth(), Mm(50));
    EXPECT_EQ(report->GetRow(1)->GetHeight(), Mm(13));
}

TEST(Interpreter, ForCountsAndLeavesTheLastValue) {
    const auto report = MakeReport();
    Interpret(*report, "for(var=\"i\", n=3) { row() { cell(text=\"{i}\"); } }"
                       "for(n=0) { row(); } for(n=\"-2\") { row(); } for() { row(h=9); }");
    ASSERT_EQ(report->RowCount(), 4);
    EXPECT_EQ(report->GetRow(3)->GetCell(1)->GetText(), "3");
    EXPECT_EQ(report->GetRow(4)->GetHeight(), Mm(9));
    EXPECT_EQ(report->GetVariable("i"), "3");
}

TEST(Interpreter, ForOverTheElementsOfAList) {
    const auto report = MakeReport();
    report->SetVariable("list[1]", "a", false);
    report->SetVariable("list[3]", "c", false);
    Interpret(*report, "for(var=\"list[]\") { row() { cell(text=\"{list#}={list[]}\"); } }"
                       "for(var=\"none[]\") { row(); }");
    ASSERT_EQ(report->RowCount(), 3);
    EXPECT_EQ(report->GetRow(1)->GetCell(1)->GetText(), "1=a");
    EXPECT_EQ(report->GetRow(2)->GetCell(1)->GetText(), "2=");
    EXPECT_EQ(report->GetRow(3)->GetCell(1)->GetText(), "3=c");
}

TEST(Interpreter, Conditions) {
    const auto report = MakeReport();
    report->SetVariable("k", "10", false);
    report->SetVariable("s", "abc", false);
    report->SetVariable("t", "xyz", false);
    const auto holds = [&](const std::string& condition) {
        report->SetVariable("hit", "", false);
        Interpret(*report, "if (" + condition + ") { hit = 1; }");
        return report->GetVariable("hit") == "1";
    };
    EXPECT_TRUE(holds("k = 10"));
    EXPECT_TRUE(holds("k = 10.00001"));
    EXPECT_FALSE(holds("k = 10.001"));
    EXPECT_TRUE(holds("k <> 9"));
    EXPECT_TRUE(holds("k > 9.5"));
    EXPECT_FALSE(holds("k < 10"));
    EXPECT_TRUE(holds("k >= 10"));
    EXPECT_TRUE(holds("k <= 10"));
    EXPECT_FALSE(holds("s = t"));
    EXPECT_TRUE(holds("s <> t"));
    EXPECT_TRUE(holds("s > t"));
    EXPECT_FALSE(holds("s < 5"));
    EXPECT_EQ(InterpretError(*report, "if (k + 1 > 5) { }"),
              "Количество аргументов в операторе условия не 3");
    EXPECT_EQ(InterpretError(*report, "IF (k > 5) { }"),
              "Количество аргументов в операторе условия не 3");
}

TEST(Interpreter, ComputingStatementsRunInTheDispatcher) {
    const auto report = MakeReport();
    Interpret(*report, "x = 1.5 + 1; SetStr(y=\"text\"); round(r, x);");
    EXPECT_EQ(report->GetVariable("x"), "2,5");
    EXPECT_EQ(report->GetVariable("y"), "text");
    EXPECT_EQ(report->GetVariable("r"), "3");
}

TEST(Interpreter, IncludeAtTheReportLevelAndInACell) {
    const TempDir dir;
    WriteFile(dir / "part.rt3", "row(h=8, name=\"inner\");");
    WriteFile(dir / "texts.rt3", "text(x=1, text=\"included\");");
    const auto report = MakeReport();
    const std::string part = (dir / "part.rt3").string();
    const std::string texts = (dir / "texts.rt3").string();
    Interpret(*report, "include(\"" + part + "\"); row() { include(file=\"" + part +
                           "\"); cell() { include(\"" + texts + "\"); } }" + "include(\"" +
                           (dir / "missing.rt3").string() + "\");");
    ASSERT_EQ(report->RowCount(), 3);
    EXPECT_EQ(report->GetRow(1)->GetName(), "inner");
    // Included at the report level from within a row: after that row.
    EXPECT_EQ(report->GetRow(3)->GetName(), "inner");
    report->Build();
    EXPECT_EQ(TextContents(*report->GetPage(1)), (std::vector<std::string>{"", "included"}));

    EXPECT_NE(InterpretError(*report, "row() { cell() { include(\"" +
                                          (dir / "missing.rt3").string() + "\"); } }"),
              "");
    EXPECT_EQ(InterpretError(*report, "include(\"" + part + "\") { row(); }"),
              "Блок \"include\" в шаблоне отчета не закрыт");
}

TEST(Interpreter, AFileIncludingItselfIsRefused) {
    const TempDir dir;
    const std::string a = (dir / "a.rt3").string();
    const std::string b = (dir / "b.rt3").string();
    WriteFile(dir / "a.rt3", "row(name=\"a\"); include(\"" + b + "\");");
    WriteFile(dir / "b.rt3", "row(name=\"b\"); include(\"" + a + "\");");
    const auto report = MakeReport();
    try {
        report->LoadTemplate(a);
        FAIL() << "no error";
    } catch (const EReportError& error) {
        EXPECT_EQ(std::string(error.what()), "Шаблон \"" + a + "\" включает сам себя");
    }
    EXPECT_EQ(report->RowCount(), 2);
    // The same file twice in a row is no cycle.
    WriteFile(dir / "c.rt3", "include(\"" + (dir / "d.rt3").string() + "\"); include(\"" +
                                 (dir / "d.rt3").string() + "\");");
    WriteFile(dir / "d.rt3", "row();");
    const auto other = MakeReport();
    other->LoadTemplate((dir / "c.rt3").string());
    EXPECT_EQ(other->RowCount(), 2);
}

TEST(Interpreter, DeepNestingAndEndlessLoopsEndWithAnError) {
    const auto report = MakeReport();
    std::string deep;
    for (int i = 0; i < 2000; ++i) {
        deep += "if (1 = 1) {";
    }
    EXPECT_EQ(InterpretError(*report, deep), "Операторы шаблона вложены слишком глубоко");
    report->TemplateRun().SetStatementLimit(1000);
    EXPECT_EQ(InterpretError(*report, "for(n=2000000000) { }"),
              "Шаблон выполняет слишком много операторов");
}

TEST(LoadTemplate, AMissingFileChangesNothingButTheFlags) {
    const auto report = MakeReport();
    report->AddRow(Mm(5))->AddCell("10");
    report->SetVariable("v", "1", false);
    report->Build();
    report->SetFileName("old.rp3");
    report->LoadTemplate("");
    EXPECT_FALSE(report->IsBuilt());
    EXPECT_EQ(report->GetFileName(), "");
    report->LoadTemplate("/no/such/template.rt3");
    EXPECT_EQ(report->RowCount(), 1);
    EXPECT_EQ(report->PageCount(), 1);
    EXPECT_EQ(report->GetVariable("v"), "1");
}

TEST(LoadTemplate, AppendsRowsAndRaisesInterpreterErrors) {
    const TempDir dir;
    WriteFile(dir / "t.rt3", "row(); row();\r\nrow() { cell() { bogus(); } }");
    const auto report = MakeReport();
    const std::string name = (dir / "t.rt3").string();
    EXPECT_THROW(report->LoadTemplate(name), EAppError);
    EXPECT_EQ(report->RowCount(), 3);
    WriteFile(dir / "t.rt3", "row();");
    report->LoadTemplate(name);
    report->LoadTemplate(name);
    EXPECT_EQ(report->RowCount(), 5);
    EXPECT_THROW(report->LoadTemplate(dir.path().string()), EAppError);
}
