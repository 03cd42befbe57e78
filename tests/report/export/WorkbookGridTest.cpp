#include "report/export/WorkbookGrid.h"

#include "report/export/ExcelText.h"

#include <gtest/gtest.h>

namespace {

constexpr std::int64_t kMm = 10000;

TExportedCell Look(const std::string& text) {
    TExportedCell cell;
    cell.Text = text;
    return cell;
}

} // namespace

TEST(WorkbookGrid, LengthsRoundToThirdsOfAMillimetreHalfToEven) {
    EXPECT_EQ(ToGridUnits(40 * kMm), 120);
    EXPECT_EQ(ToGridUnits(5000), 2);    // 1.5
    EXPECT_EQ(ToGridUnits(15000), 4);   // 4.5
    EXPECT_EQ(ToGridUnits(125000), 38); // 37.5
    EXPECT_EQ(ToGridUnits(-5000), -2);
    EXPECT_EQ(ToGridUnits(-15000), -4);
    EXPECT_EQ(ToGridUnits(3333), 1);
    EXPECT_EQ(ToGridUnits(INT64_MAX), 2767011611056433);
    EXPECT_EQ(ToGridUnits(INT64_MIN), -2767011611056433);
}

TEST(WorkbookGrid, FrameCodesBecomeFourBorderWeights) {
    EXPECT_EQ(FrameToBorders("1"), "1111");
    EXPECT_EQ(FrameToBorders("1b2b1b2b"), "1212");
    EXPECT_EQ(FrameToBorders("1b2b1b2bxyz"), "1b2b1b2bxyz"); // only eight are reduced
    EXPECT_EQ(FrameToBorders("1b2b1b2"), "1b2b1b2");
    EXPECT_EQ(FrameToBorders("1010"), "1010");
    EXPECT_EQ(FrameToBorders("12"), "12");
    EXPECT_EQ(FrameToBorders(""), "");
}

TEST(WorkbookGrid, FarEdgesMissedByOneUnitStillLandOnTheGrid) {
    // 12,5 mm: the position rounds to 38 and the width to 38, but the far
    // edge at 25 mm is boundary 75.
    TWorkbookGrid grid;
    for (const std::int64_t x : {0L, 125000L, 250000L, 350000L})
        grid.AddColumnBoundary(x);
    grid.AddRowBoundary(5 * kMm);
    grid.AddCell(0, 0, 125000, 5 * kMm, Look("a"));
    grid.AddCell(125000, 0, 250000, 5 * kMm, Look("b"));
    grid.AddCell(250000, 0, 350000, 5 * kMm, Look("c"));
    grid.Resolve();
    EXPECT_EQ(grid.ColumnBoundaries(), (std::vector<std::int64_t>{0, 38, 75, 105}));
    ASSERT_EQ(grid.Cells().size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(grid.Cells()[i].Left, static_cast<std::int64_t>(i));
        EXPECT_EQ(grid.Cells()[i].Width, 1);
        EXPECT_EQ(grid.Cells()[i].Height, 1);
    }
}

TEST(WorkbookGrid, AShortCellSpansTheNearestRowBoundary) {
    TWorkbookGrid grid;
    grid.AddColumnBoundary(10 * kMm);
    grid.AddRowBoundary(10 * kMm);
    grid.AddRowBoundary(20 * kMm);
    grid.AddCell(0, 0, 10 * kMm, 14 * kMm, Look("a"));
    grid.Resolve();
    ASSERT_EQ(grid.Cells().size(), 1u);
    EXPECT_EQ(grid.Cells()[0].Height, 1);
}

TEST(WorkbookGrid, CellsCoveringNoColumnOrRowHaveNoWorksheetCell) {
    TWorkbookGrid grid;
    grid.AddColumnBoundary(10 * kMm);
    grid.AddRowBoundary(5 * kMm);
    grid.AddCell(0, 0, 0, 5 * kMm, Look("zero width"));
    grid.AddCell(0, 0, 1000, 5 * kMm, Look("a tenth of a millimetre"));
    grid.AddCell(0, 0, -kMm, 5 * kMm, Look("negative"));
    grid.AddCell(0, 0, 10 * kMm, 0, Look("zero height"));
    grid.AddCell(10 * kMm, 0, 20 * kMm, 5 * kMm, Look("after the last boundary"));
    grid.Resolve();
    EXPECT_TRUE(grid.Cells().empty());
    TExcelXML book;
    grid.WriteTo(book);
    EXPECT_EQ(book.Worksheets()[0].RowLines,
              (std::vector<std::string>{"    <Row ss:AutoFitHeight=\"0\" ss:Height=\"15.00\">"}));
}

TEST(WorkbookGrid, HugeRowsAreHeldAtTheLargestHeight) {
    TWorkbookGrid grid;
    grid.AddRowBoundary(INT64_MIN);
    grid.AddRowBoundary(INT64_MAX);
    grid.Resolve();
    TExcelXML book;
    grid.WriteTo(book);
    EXPECT_EQ(book.Worksheets()[0].RowLines.at(0),
              "    <Row ss:AutoFitHeight=\"0\" ss:Height=\"922337203685477.00\">");
}

TEST(WorkbookGrid, OverlappingCellsKeepOnlyWhatIsStillFree) {
    // Columns 0, 10, 20, 30 mm; rows 0, 5, 10 mm.
    TWorkbookGrid grid;
    grid.AddRowBoundary(10 * kMm);
    grid.AddColumnBoundary(30 * kMm);
    grid.AddCell(0, 0, 20 * kMm, 10 * kMm, Look("A"));
    grid.AddCell(0, 0, 10 * kMm, 5 * kMm, Look("under A"));
    grid.AddCell(20 * kMm, 0, 30 * kMm, 5 * kMm, Look("C"));
    grid.AddCell(10 * kMm, 5 * kMm, 30 * kMm, 10 * kMm, Look("B"));
    grid.AddCell(10 * kMm, 5 * kMm, 30 * kMm, 10 * kMm, Look("under B"));
    grid.Resolve();
    const auto where = [](const TExportedCell& cell) {
        return cell.Text + " " + IntText(cell.Left) + IntText(cell.Top) + IntText(cell.Width) +
               IntText(cell.Height);
    };
    std::vector<std::string> placed;
    for (const auto& cell : grid.Cells())
        placed.push_back(where(cell));
    EXPECT_EQ(placed, (std::vector<std::string>{"A 0022", "C 2011", "B 2111"}));
}
