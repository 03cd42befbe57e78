// Widths, heights and placing of rows, cells and free texts.
#include "ReportTestSupport.h"
#include "report/TReport3Page.h"

#include <gtest/gtest.h>

using namespace report_test;

TEST(CellWidth, PercentageOfThePrintableWidthFollowsTheOrientation) {
    const auto report = MakeReport();
    const auto cell = report->AddRow(Mm(5))->AddCell("50%");
    EXPECT_EQ(cell->GetWidth(), Mm(95));
    report->GetPage(1)->SetOrientation(kOrientationLandscape);
    EXPECT_EQ(cell->GetWidth(), Mm(138.5));
    // Looking at the width creates no page.
    EXPECT_EQ(report->PageCount(), 1);
}

TEST(CellWidth, PercentagesAreReadWithTheDecimalComma) {
    const auto report = MakeReport();
    const auto row = report->AddRow(Mm(5));
    EXPECT_EQ(row->AddCell("12,5%")->GetWidth(), Mm(23.75));
    EXPECT_EQ(row->AddCell("12.5%")->GetWidth(), Mm(22.8));
    EXPECT_EQ(row->AddCell("about 10% or so")->GetWidth(), Mm(19));
    EXPECT_EQ(row->AddCell("x%")->GetWidth(), 0);
}

TEST(CellWidth, WholeMillimetresWidenedByNestedRows) {
    const auto report = MakeReport();
    const auto row = report->AddRow(Mm(5));
    EXPECT_EQ(row->AddCell("12.5")->GetWidth(), 0);
    const auto cell = row->AddCell("abc");
    EXPECT_EQ(cell->GetWidth(), 0);
    const auto nested = cell->AddRow(Mm(5));
    nested->AddCell("20");
    nested->AddCell("30");
    EXPECT_EQ(cell->GetWidth(), Mm(50));
    // A percentage cell is a share of the cell it is nested in and does not widen it.
    const auto wide = row->AddCell("80");
    wide->AddRow(Mm(5))->AddCell("25%");
    EXPECT_EQ(wide->GetWidth(), Mm(80));
    EXPECT_EQ(wide->Rows()[0]->GetCell(1)->GetWidth(), Mm(20));
}

TEST(CellWidth, APercentageOfAnEnclosingCellItWidensEndsTheRecursion) {
    const auto report = MakeReport();
    const auto cell = report->AddRow(Mm(5))->AddCell("40");
    const auto nested = cell->AddRow(Mm(5));
    nested->AddCell("50%");
    nested->AddCell("30");
    // The share is taken of the 40 mm of the width text alone: 20 + 30.
    EXPECT_EQ(cell->GetWidth(), Mm(50));
    EXPECT_EQ(nested->GetCell(1)->GetWidth(), Mm(25));
}

TEST(RowHeight, TallestOfOwnHeightAndCells) {
    const auto report = MakeReport();
    const auto row = report->AddRow(Mm(5));
    EXPECT_EQ(row->GetHeight(), Mm(5));
    const auto cell = row->AddCell("50");
    cell->AddRow(Mm(6));
    cell->AddRow(Mm(7));
    EXPECT_EQ(cell->GetHeight(), Mm(13));
    EXPECT_EQ(row->GetHeight(), Mm(13));
    row->SetHeight(Mm(20));
    EXPECT_EQ(row->GetHeight(), Mm(20));
}

TEST(RowHeight, AutoHeightCellsMeasureTheSameInAndOutsideBuild) {
    const auto report = MakeReport();
    const auto row = report->AddRow(Mm(1));
    const auto cell = row->AddCell("20"); // 79 pixels of box: 13 characters of 6 pixels
    cell->SetText("aaaa bbbb cccc dddd");
    cell->SetAutoHeight(true);
    cell->SetInnerRect({0, 2, 0, 1});
    // Two lines of 15 pixels, the insets and one pixel: 34 pixels, 8,5 mm.
    EXPECT_EQ(cell->GetHeight(), Mm(8.5));
    EXPECT_EQ(row->GetHeight(), Mm(8.5));
    EXPECT_EQ(report->GetCanvas(), nullptr);
    report->Build();
    EXPECT_EQ(Texts(*report->GetPage(1)).back()->GetH(), Mm(8.5));
    EXPECT_EQ(cell->GetHeight(), Mm(8.5));
}

TEST(Placing, NestedRowsStackInsideTheirCell) {
    const auto report = MakeReport();
    const auto row = report->AddRow(Mm(5));
    const auto cell = row->AddTextCell("50", "outer", "1", 5);
    cell->AddRow(Mm(6))->AddTextCell("50", "first", "", 5);
    cell->AddRow(Mm(7))->AddTextCell("50", "second", "", 5);
    row->AddTextCell("10", "right", "", 5);
    row->PlaceAt(Mm(10), Mm(20));
    const auto texts = Texts(*report->GetPage(1));
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0]->GetText(), "outer");
    EXPECT_EQ(texts[0]->GetH(), Mm(13));
    EXPECT_EQ(texts[1]->GetText(), "first");
    EXPECT_EQ(texts[1]->GetY(), Mm(20));
    EXPECT_EQ(texts[1]->GetH(), Mm(6));
    EXPECT_EQ(texts[2]->GetY(), Mm(26));
    EXPECT_EQ(texts[2]->GetH(), Mm(7));
    EXPECT_EQ(texts[3]->GetText(), "right");
    EXPECT_EQ(texts[3]->GetX(), Mm(60));
    EXPECT_EQ(texts[3]->GetH(), Mm(13));
}

TEST(Placing, CellBoxesCopyTheCellAndFreeTextsKeepZeroInsets) {
    const auto report = MakeReport();
    const auto cell = report->AddRow(Mm(5))->AddStyledCell("40", "t", "1010", 3, 14, kFontItalic);
    cell->SetColor(0x00FF00);
    cell->SetInnerRect({4, 3, 2, 1});
    const auto text = cell->AddText();
    text->SetX(Mm(5));
    text->SetY(Mm(1));
    text->SetText("free");
    cell->PlaceAt(Mm(30), Mm(10));
    const auto texts = Texts(*report->GetPage(1));
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0]->GetFrame(), "1010");
    EXPECT_EQ(texts[0]->GetAlign(), 3);
    EXPECT_EQ(texts[0]->GetFontSize(), 14);
    EXPECT_EQ(texts[0]->GetFontStyle(), kFontItalic);
    EXPECT_EQ(texts[0]->GetColor(), 0x00FF00);
    EXPECT_EQ(texts[0]->GetInnerRect(), (TIntRect{4, 3, 2, 1}));
    EXPECT_EQ(texts[1]->GetX(), Mm(35));
    EXPECT_EQ(texts[1]->GetY(), Mm(11));
    EXPECT_EQ(texts[1]->GetW(), Mm(20));
    EXPECT_EQ(texts[1]->GetInnerRect(), TIntRect{});
    // Page texts are copies.
    cell->SetText("changed");
    EXPECT_EQ(texts[0]->GetText(), "t");
}

TEST(Placing, NegativeSizesBecomeZeroAndHugeOnesDoNotOverflow) {
    const auto report = MakeReport();
    const auto narrow = report->AddRow(-Mm(5));
    narrow->AddCell("-20");
    narrow->PlaceAt(Mm(1), Mm(1));
    const auto wide = report->AddRow(Mm(5));
    wide->AddCell("20");
    wide->AddCell("9223372036854775807");
    wide->AddCell("5");
    wide->PlaceAt(Mm(1), Mm(1));
    const auto texts = Texts(*report->GetPage(1));
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0]->GetW(), 0);
    EXPECT_EQ(texts[0]->GetH(), 0);
    EXPECT_EQ(texts[3]->GetX(), std::numeric_limits<TLength>::max());
}

TEST(Units, PixelsAndRounding) {
    EXPECT_EQ(ToPixels(2100000), 840);
    EXPECT_EQ(ToPixels(2970000), 1188);
    EXPECT_EQ(ToPixels(1250), 1);  // 0,50001 pixels
    EXPECT_EQ(ToPixels(3749), 1);  // 1,49961
    EXPECT_EQ(ToPixels(-1250), 0); // -0,49999
    EXPECT_EQ(RoundLength(2.5L), 2);
    EXPECT_EQ(RoundLength(3.5L), 4);
    EXPECT_EQ(RoundLength(1e30L), std::numeric_limits<TLength>::max());
    EXPECT_EQ(AddLengths(std::numeric_limits<TLength>::min(), -1),
              std::numeric_limits<TLength>::min());
}
