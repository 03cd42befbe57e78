// Element defaults, ownership and lifetime of the report's elements.
#include "ReportTestSupport.h"

#include <gtest/gtest.h>

using namespace report_test;

TEST(ReportElements, NewElementsCarryTheirDefaults) {
    const auto report = MakeReport();
    EXPECT_EQ(report->GetMargins(), (TIntRect{10, 10, 10, 10}));
    EXPECT_EQ(report->GetCurrentPage(), 1);
    EXPECT_EQ(report->GetFontName(), "Arial");
    EXPECT_EQ(report->GetFontSize(), 10);
    EXPECT_TRUE(report->GetCanSave());
    EXPECT_TRUE(report->GetCanPrint());
    EXPECT_EQ(report->GetFooterRow()->GetHeight(), Mm(5));
    EXPECT_EQ(report->GetHeaderRow()->GetHeight(), Mm(5));

    const auto row = report->AddRow(Mm(7));
    const auto cell = row->AddCell("40");
    EXPECT_EQ(cell->GetAlign(), 5);
    EXPECT_EQ(cell->GetColor(), kNoColor);
    const auto text = cell->AddText();
    EXPECT_EQ(text->GetW(), Mm(20));
    EXPECT_EQ(text->GetH(), Mm(5));
    EXPECT_EQ(text->GetAlign(), 5);
}

TEST(ReportElements, RowsAndCellsInheritFontsFromTheirOwners) {
    const auto report = MakeReport();
    report->SetFontName("Times");
    report->SetFontSize(12);
    report->SetFontStyle(kFontBold);
    report->SetInnerRect({1, 2, 3, 4});
    const auto row = report->AddRow(Mm(5));
    EXPECT_EQ(row->GetFont(), "Times");
    EXPECT_EQ(row->GetFontSize(), 12);
    EXPECT_EQ(row->GetFontStyle(), kFontBold);
    EXPECT_EQ(row->GetInnerRect(), (TIntRect{1, 2, 3, 4}));

    row->SetFrame("1");
    row->SetColor(255);
    const auto cell = row->AddTextCell("50%", "a", "2", 7);
    EXPECT_EQ(cell->GetFont(), "Times");
    EXPECT_EQ(cell->GetFrame(), "2");
    EXPECT_EQ(cell->GetColor(), 255);
    EXPECT_EQ(cell->GetAlign(), 7);
    cell->SetFontSize(9);
    const auto nested = cell->AddRow(Mm(3));
    EXPECT_EQ(nested->GetFontSize(), 9);
    EXPECT_EQ(nested->GetFrame(), "2");
    EXPECT_EQ(nested->GetReport(), report);

    // A text takes nothing from its cell.
    EXPECT_EQ(cell->AddText()->GetFont(), "Arial");
}

TEST(ReportElements, LookupsOutOfRangeGiveNone) {
    const auto report = MakeReport();
    const auto row = report->AddRow(Mm(5));
    row->SetName("body");
    row->AddCell("10");
    EXPECT_EQ(report->GetRow(0), nullptr);
    EXPECT_EQ(report->GetRow(2), nullptr);
    EXPECT_EQ(report->GetRow(1), row);
    EXPECT_EQ(row->GetCell(0), nullptr);
    EXPECT_EQ(row->GetCell(2), nullptr);
    EXPECT_EQ(report->FindRow("body"), row);
    EXPECT_EQ(report->FindRow("Body"), nullptr);
    EXPECT_EQ(report->GetPage(0), nullptr);
    EXPECT_EQ(report->GetPage(1)->GetText(1), nullptr);
}

TEST(ReportElements, ElementsGoWithTheLastReference) {
    std::weak_ptr<IReport3> weakReport;
    std::weak_ptr<IReport3Row> weakRow;
    std::weak_ptr<IReport3Text> weakText;
    {
        const auto report = MakeReport();
        weakReport = report;
        const auto row = report->AddRow(Mm(5));
        weakRow = row;
        // A row naming itself as header must not keep itself alive.
        row->SetHeader(row);
        weakText = row->AddCell("10")->AddRow(Mm(1))->AddCell("5")->AddText();
        report->GetPage(2)->AddText();
    }
    EXPECT_TRUE(weakReport.expired());
    EXPECT_TRUE(weakRow.expired());
    EXPECT_TRUE(weakText.expired());
}

TEST(ReportElements, AnElementOutlivingItsOwnerLosesTheLink) {
    std::shared_ptr<IReport3Row> row;
    std::shared_ptr<IReport3Text> text;
    {
        const auto report = MakeReport();
        row = report->AddRow(Mm(5));
        text = row->AddCell("10")->AddText();
        EXPECT_EQ(row->GetOwner(), report);
    }
    EXPECT_EQ(row->GetOwner(), nullptr);
    EXPECT_EQ(row->GetReport(), nullptr);
    // The cell still lives through the row.
    EXPECT_NE(text->GetOwner(), nullptr);
    row.reset();
    EXPECT_EQ(text->GetOwner(), nullptr);
    text->PlaceAt(0, 0); // finds no report: places nothing
}

TEST(ReportElements, AskingForInterfacesFollowsTheElementKind) {
    const auto report = MakeReport();
    const std::shared_ptr<IReport3Base> base = report->AddRow(Mm(5));
    EXPECT_NE(std::dynamic_pointer_cast<IReport3Row>(base), nullptr);
    EXPECT_EQ(std::dynamic_pointer_cast<IReport3Cell>(base), nullptr);
    EXPECT_EQ(std::dynamic_pointer_cast<IReport3>(base->GetOwner()), report);
}

TEST(ReportElements, CellsRefuseRowsNestedBeyondTheLimit) {
    const auto report = MakeReport();
    std::shared_ptr<IReport3Row> row = report->AddRow(Mm(1));
    for (int depth = 1; depth <= kMaxRowNesting; ++depth) {
        row = row->AddCell("1")->AddRow(Mm(1));
    }
    EXPECT_THROW(row->AddCell("1")->AddRow(Mm(1)), EReportError);
    // Layout and destruction of the deepest allowed nesting stay within the stack.
    EXPECT_EQ(report->GetRow(1)->GetHeight(), Mm(1));
    report->Build();
    EXPECT_EQ(report->PageCount(), 1);
}

TEST(ReportElements, MetafilesAreKeptAsBase64Text) {
    const auto text = MakeReport()->AddRow(Mm(5))->AddCell("10")->AddText();
    text->SetMetafile(std::string("\x01\x02\x03\xff", 4));
    EXPECT_EQ(text->GetText(), "!EMFAQID/w==");
    text->SetMetafile("ab");
    EXPECT_EQ(text->GetText(), "!EMFYWI=");
    EXPECT_THROW(text->DrawChart({"a"}, 0, {"s"}, 0, {1.0}), EAppError);
}
