#pragma once
// The grid a workbook export rebuilds from the laid-out cells. Every left and
// right edge of a cell becomes a column boundary, every top and bottom edge a
// row boundary, in grid units of a third of a millimetre (0.945 pt, close
// enough to the workbook's points to use them as they are). Each cell then
// spans the columns and rows between its edges.
//
// A cell's far edge is rounded from the exact sum of position and size and
// matched to the nearest boundary after its near edge, so a cell at 12,5 mm,
// whose separately rounded position and width miss the boundary by one unit,
// still lands on the grid. A cell that covers no column or no row (narrower
// than a grid unit) has no worksheet cell.
//
// Cells may overlap on the page (nested rows wider than their percentage
// cell, negative widths); in the worksheet a cell keeps the part of its area
// that cells before it (by row, then column) leave free, starting at the
// first free column of its top row, and is left out only when its top row
// has none.
#include "report/export/ExcelXML.h"

#include <cstdint>
#include <string>
#include <vector>

// A length (ten-thousandths of a millimetre) in grid units, half to even.
std::int64_t ToGridUnits(std::int64_t length);

// One worksheet cell: position and spans, then what the cell shows.
struct TExportedCell {
    // Grid units until matched; then the 0-based column, the 0-based row and
    // the number of columns and rows spanned.
    std::int64_t Left = 0, Top = 0, Width = 0, Height = 0;
    std::string Text;
    std::string Frame;
    int Align = 5;
    std::string Font;
    int FontSize = 10;
    std::uint8_t FontStyle = 0;
};

class TWorkbookGrid {
public:
    // Edges in ten-thousandths of a millimetre.
    void AddColumnBoundary(std::int64_t x);
    void AddRowBoundary(std::int64_t y);
    // A cell by its exact edges; its Left..Height are ignored.
    void AddCell(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom,
                 TExportedCell cell);

    // Sorts the boundaries and matches the cells to them; then the getters
    // below describe the worksheet.
    void Resolve();
    const std::vector<std::int64_t>& ColumnBoundaries() const { return columns_; }
    const std::vector<std::int64_t>& RowBoundaries() const { return rows_; }
    // The matched cells by row, then column.
    const std::vector<TExportedCell>& Cells() const { return placed_; }

    // Columns, rows and cells into the writer's active worksheet.
    void WriteTo(TExcelXML& book) const;

private:
    // A cell with its far edges in grid units, waiting for the boundaries.
    struct TPendingCell {
        TExportedCell cell;
        std::int64_t right = 0, bottom = 0;
    };

    std::vector<std::int64_t> columns_;
    std::vector<std::int64_t> rows_;
    std::vector<TPendingCell> pending_;
    std::vector<TExportedCell> placed_;
};

// The frame code as four border weights: "1" gives "1111", eight characters
// keep their width characters 1, 3, 5 and 7, others stay as they are.
std::string FrameToBorders(const std::string& frame);
