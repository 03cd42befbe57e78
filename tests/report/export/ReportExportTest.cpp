// The workbook and separated values made from a report's rows and cells.
#include "report/export/ReportExport.h"

#include "report/export/ExcelStyle.h"
#include "report/export/ExcelText.h"

#include "report/ReportError.h"

#include "report/ReportTestSupport.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace report_test;

namespace {

using TLines = std::vector<std::string>;

const TExcelXMLWorksheet& Sheet(const TExcelXML& book) {
    return book.Worksheets().at(0);
}

std::string Column(int index, int width) {
    return "    <Column ss:Index=\"" + IntText(index) + "\" ss:AutoFitWidth=\"0\" ss:Width=\"" +
           IntText(width) + "\"/>";
}

std::string Row(const std::string& height) {
    return "    <Row ss:AutoFitHeight=\"0\" ss:Height=\"" + height + "\">";
}

std::string Cell(const std::string& parts, const std::string& text) {
    return "     <Cell" + parts + "><Data ss:Type=\"String\">" + text + "</Data></Cell>";
}

// A row of cells of whole millimetres, texts "a", "b", ...
std::shared_ptr<IReport3Row> AddRowOfCells(IReport3& report, double height,
                                           const std::vector<int>& widths) {
    const auto row = report.AddRow(Mm(height));
    char text = 'a';
    for (const int width : widths)
        row->AddCell(IntText(width))->SetText(std::string(1, text++));
    return row;
}

} // namespace

TEST(ExportWorkbook, TwoCellsMakeTwoColumnsOfOneRow) {
    const auto report = MakeReport();
    AddRowOfCells(*report, 5, {40, 60});
    const TExcelXML book = BuildWorkbook(*report);
    EXPECT_FALSE(Sheet(book).Landscape);
    EXPECT_EQ(Sheet(book).ColumnLines, (TLines{Column(1, 120), Column(2, 180)}));
    EXPECT_EQ(Sheet(book).RowLines,
              (TLines{Row("15.00"), Cell(" ss:Index=\"1\" ss:StyleID=\"s101\"", "a"),
                      Cell(" ss:Index=\"2\" ss:StyleID=\"s101\"", "b")}));
    ASSERT_EQ(book.Styles().size(), 1u);
    EXPECT_TRUE(book.Styles()[0].WrapText);
    EXPECT_EQ(book.Styles()[0].FontName, "Arial");
    EXPECT_EQ(book.Styles()[0].Alignment, 5);
}

TEST(ExportWorkbook, ANestedRowSpanningTheCellsAboveMergesAcross) {
    const auto report = MakeReport();
    const auto outer = report->AddRow(Mm(5))->AddCell("40");
    outer->SetText("hidden");
    const auto first = outer->AddRow(Mm(5));
    first->AddCell("20")->SetText("a");
    first->AddCell("20")->SetText("b");
    outer->AddRow(Mm(5))->AddCell("40")->SetText("c");
    const TExcelXML book = BuildWorkbook(*report);
    EXPECT_EQ(Sheet(book).ColumnLines, (TLines{Column(1, 60), Column(2, 60)}));
    EXPECT_EQ(Sheet(book).RowLines,
              (TLines{Row("15.00"), Cell(" ss:Index=\"1\" ss:StyleID=\"s101\"", "a"),
                      Cell(" ss:Index=\"2\" ss:StyleID=\"s101\"", "b"), "    </Row>", Row("15.00"),
                      Cell(" ss:MergeAcross=\"1\" ss:Index=\"1\" ss:StyleID=\"s101\"", "c")}));
}

TEST(ExportWorkbook, NestedRowsOfNeighbouringCellsShareTheSortedRowBoundaries) {
    const auto report = MakeReport();
    const auto row = report->AddRow(Mm(5));
    const auto left = row->AddCell("10");
    left->AddRow(Mm(5))->AddCell("10")->SetText("L1");
    left->AddRow(Mm(5))->AddCell("10")->SetText("L2");
    const auto right = row->AddCell("10");
    right->AddRow(Mm(3))->AddCell("10")->SetText("R1");
    right->AddRow(Mm(7))->AddCell("10")->SetText("R2");
    row->AddCell("10")->SetText("X");
    const TExcelXML book = BuildWorkbook(*report);
    const std::string style = " ss:StyleID=\"s101\"";
    EXPECT_EQ(Sheet(book).RowLines,
              (TLines{Row("9.00"), Cell(" ss:MergeDown=\"1\" ss:Index=\"1\"" + style, "L1"),
                      Cell(" ss:Index=\"2\"" + style, "R1"),
                      Cell(" ss:MergeDown=\"2\" ss:Index=\"3\"" + style, "X"), "    </Row>",
                      Row("6.00"), Cell(" ss:MergeDown=\"1\" ss:Index=\"2\"" + style, "R2"),
                      "    </Row>", Row("15.00"), Cell(" ss:Index=\"1\"" + style, "L2")}));
}

TEST(ExportWorkbook, ACellAtTwelveAndAHalfMillimetresLandsOnTheGrid) {
    // Position and width round to 38 units each, but the cell ends at 75.
    const auto report = MakeReport();
    const auto row = report->AddRow(Mm(5));
    const auto outer = row->AddCell("25");
    const auto nested = outer->AddRow(Mm(5));
    nested->AddCell("50%")->SetText("a");
    nested->AddCell("50%")->SetText("b");
    row->AddCell("10")->SetText("c");
    const TExcelXML book = BuildWorkbook(*report);
    EXPECT_EQ(Sheet(book).ColumnLines, (TLines{Column(1, 38), Column(2, 37), Column(3, 30)}));
    EXPECT_EQ(Sheet(book).RowLines,
              (TLines{Row("15.00"), Cell(" ss:Index=\"1\" ss:StyleID=\"s101\"", "a"),
                      Cell(" ss:Index=\"2\" ss:StyleID=\"s101\"", "b"),
                      Cell(" ss:Index=\"3\" ss:StyleID=\"s101\"", "c")}));
}

TEST(ExportWorkbook, CellsKeepTheirLookInTheirStyle) {
    const auto report = MakeReport();
    const auto row = report->AddRow(Mm(5));
    const auto cell = row->AddStyledCell("40", "x", "1b2b1b2b", 3, 12, kFontBold);
    cell->SetFont("Times");
    row->AddTextCell("40", "y", "1", 3);
    const TExcelXML book = BuildWorkbook(*report);
    ASSERT_EQ(book.Styles().size(), 2u);
    EXPECT_EQ(book.Styles()[0].Borders, "1212");
    EXPECT_EQ(book.Styles()[0].FontName, "Times");
    EXPECT_EQ(book.Styles()[0].FontSize, 12);
    EXPECT_EQ(book.Styles()[0].FontStyle, kFontBold);
    EXPECT_EQ(book.Styles()[0].Alignment, 3);
    EXPECT_EQ(book.Styles()[1].Borders, "1111");
}

TEST(ExportWorkbook, OnlyAnEightCharacterFrameIsReducedToItsWidths) {
    const auto report = MakeReport();
    const auto row = report->AddRow(Mm(5));
    row->AddStyledCell("40", "x", "2b1b2b1b", 5, 10, 0);
    row->AddStyledCell("40", "y", "2b1b2b1b3", 5, 10, 0);
    const TExcelXML book = BuildWorkbook(*report);
    ASSERT_EQ(book.Styles().size(), 2u);
    EXPECT_EQ(book.Styles()[0].Borders, "2121");
    // Any other length goes to the writer as it is, which reads the first four
    // characters and skips what is no weight.
    EXPECT_EQ(book.Styles()[1].Borders, "2b1b2b1b3");
    const std::vector<std::string> lines = ExcelStyleLines(book.Styles()[1]);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 2, lines.begin() + 6),
              (std::vector<std::string>{
                  "   <Borders>",
                  "    <Border ss:Position=\"Left\" ss:LineStyle=\"Continuous\" ss:Weight=\"2\"/>",
                  "    <Border ss:Position=\"Right\" ss:LineStyle=\"Continuous\" ss:Weight=\"1\"/>",
                  "   </Borders>"}));
}

TEST(ExportWorkbook, AnEmptyReportGivesOneEmptyWorksheet) {
    const auto report = MakeReport();
    const TExcelXML book = BuildWorkbook(*report);
    ASSERT_EQ(book.Worksheets().size(), 1u);
    EXPECT_TRUE(Sheet(book).ColumnLines.empty());
    EXPECT_TRUE(Sheet(book).RowLines.empty());
    EXPECT_TRUE(book.Styles().empty());
}

TEST(ExportWorkbook, ZeroWidthAndRowsWiderThanThePageStillMakeAGrid) {
    const auto report = MakeReport();
    AddRowOfCells(*report, 5, {0, 500, 0, 900});
    const auto empty = report->AddRow(0);
    empty->AddCell("0");
    const TExcelXML book = BuildWorkbook(*report);
    EXPECT_EQ(Sheet(book).ColumnLines, (TLines{Column(1, 1500), Column(2, 2700)}));
    EXPECT_EQ(Sheet(book).RowLines,
              (TLines{Row("15.00"), Cell(" ss:Index=\"1\" ss:StyleID=\"s101\"", "b"),
                      Cell(" ss:Index=\"2\" ss:StyleID=\"s101\"", "d")}));
}

TEST(ExportText, CellsWithTextsLineByLine) {
    const auto report = MakeReport();
    const auto first = report->AddRow(Mm(5));
    first->AddCell("10")->SetText("A");
    first->AddCell("10");
    first->AddCell("10")->SetText("C");
    report->AddRow(Mm(5))->AddCell("10")->SetText("D");
    EXPECT_EQ(SeparatedValues(*report), "A;C;\r\nD;\r\n");
}

TEST(ExportText, ACellWithNestedRowsComesBeforeThemAndNothingIsQuoted) {
    const auto report = MakeReport();
    const auto row = report->AddRow(Mm(5));
    const auto outer = row->AddCell("20");
    outer->SetText("outer;\r\n");
    outer->AddRow(Mm(5))->AddCell("20")->SetText("\"in\"");
    outer->AddRow(Mm(5))->AddCell("20")->SetText("below");
    row->AddCell("10")->SetText("right");
    EXPECT_EQ(SeparatedValues(*report), "outer;\r\n;\"in\";right;\r\nbelow;\r\n");
}

TEST(ExportText, AnEmptyReportGivesAnEmptyText) {
    EXPECT_EQ(SeparatedValues(*MakeReport()), "");
}

TEST(ExportWorkbook, ACellDrawnOverItsNeighbourKeepsTheFreeColumns) {
    const auto report = MakeReport();
    AddRowOfCells(*report, 5, {30, -10, 20});
    const TExcelXML book = BuildWorkbook(*report);
    EXPECT_EQ(Sheet(book).ColumnLines, (TLines{Column(1, 60), Column(2, 30), Column(3, 30)}));
    EXPECT_EQ(
        Sheet(book).RowLines,
        (TLines{Row("15.00"), Cell(" ss:MergeAcross=\"1\" ss:Index=\"1\" ss:StyleID=\"s101\"", "a"),
                Cell(" ss:Index=\"3\" ss:StyleID=\"s101\"", "c")}));
}

TEST(ReportExporters, TheReportsOwnExportsWriteWhatItsServicesWrite) {
    const testing_support::TempDir dir;
    const std::string book = (dir / "book.xml").string();
    const std::string text = (dir / "book.csv").string();
    const auto without = report_test::MakeReport();
    EXPECT_THROW(without->ExportWorkbook(book), EReportError);
    EXPECT_THROW(without->ExportText(text), EReportError);

    const auto report =
        TReport3::Create({.ExportWorkbook = &ExportWorkbook, .ExportText = &ExportText});
    AddRowOfCells(*report, 5, {40, 60});
    report->ExportWorkbook(book);
    report->ExportText(text);
    EXPECT_EQ(testing_support::ReadFile(book), BuildWorkbook(*report).WorkbookText());
    EXPECT_EQ(testing_support::ReadFile(text), "a;b;\r\n");
}
