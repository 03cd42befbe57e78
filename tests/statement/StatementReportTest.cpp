// A report readied for one statement: variables, margins and the form.
#include "statement/StatementReport.h"
#include "report/TReport3.h"
#include "support/TestSupport.h"
#include "text/Errors.h"

#include <gtest/gtest.h>

TEST(StatementReport, LoadsTheFormOfTheFolderWithTheVariablesAndMargins) {
    const testing_support::TempDir dir;
    testing_support::WriteFile(dir.path() / std::filesystem::path(u8"Ведомость.rt3"),
                               "row(h=5) { cell(w=\"50\", text=\"{Bag}/{Sum}\"); }");
    const auto report = TReport3::Create();
    LoadStatementReport(*report, {{"Bag", "12"}, {"Sum", "5301,00"}}, dir.path());
    report->Build();
    ASSERT_EQ(report->PageCount(), 1);
    const auto text = report->GetPage(1)->GetText(1);
    EXPECT_EQ(text->GetText(), "12/5301,00");
    EXPECT_EQ(text->GetX(), 80000);
    EXPECT_EQ(text->GetY(), 80000);
    EXPECT_EQ(report->GetReportCode(), "");
}

TEST(StatementReport, AMissingFormIsNamedBeforeAnythingIsSet) {
    const testing_support::TempDir dir;
    const auto report = TReport3::Create();
    EXPECT_THROW(LoadStatementReport(*report, {{"Bag", "12"}}, dir.path()), EFileError);
    EXPECT_EQ(report->GetVariable("Bag"), "");
}
