#include "report/export/WorkbookGrid.h"

#include "report/export/GridCoverage.h"

#include <algorithm>
#include <limits>

namespace {

constexpr std::int64_t kLengthUnitsPerMm = 10000; // three grid units in each

void SortUnique(std::vector<std::int64_t>& list) {
    std::sort(list.begin(), list.end());
    list.erase(std::unique(list.begin(), list.end()), list.end());
}

// The position in [from, end) of the value nearest to `value` in a sorted
// list (the lower one of two equally near). `from` must be a valid position.
std::size_t Nearest(const std::vector<std::int64_t>& list, std::size_t from, std::int64_t value) {
    const auto begin = list.begin() + static_cast<std::ptrdiff_t>(from);
    auto it = std::lower_bound(begin, list.end(), value);
    if (it == list.end() || (it != begin && value - *(it - 1) <= *it - value))
        --it;
    return static_cast<std::size_t>(it - list.begin());
}

// The span [start, end) of a cell's edges on a sorted boundary list: the
// start is the boundary at `near`, the end the nearest one after it to `far`.
// Nothing when the cell covers no interval.
bool Span(const std::vector<std::int64_t>& list, std::int64_t near, std::int64_t far,
          std::int64_t& start, std::int64_t& count) {
    if (list.empty())
        return false;
    const std::size_t first = Nearest(list, 0, near);
    if (first + 1 >= list.size() || far <= list[first])
        return false;
    start = static_cast<std::int64_t>(first);
    count = static_cast<std::int64_t>(Nearest(list, first + 1, far) - first);
    return true;
}

// Grid units as the writer's fixed-point heights, held at the largest value.
TExcelFixed GridToFixed(std::int64_t units) {
    constexpr std::int64_t kLimit = std::numeric_limits<std::int64_t>::max() / kExcelFixedScale;
    return std::min(units, kLimit) * kExcelFixedScale;
}

// Keeps the part of the cell's area that the cells placed before leave free:
// from the first free column of its top row, as far right and down as nothing
// is covered. False when its top row has no free column.
bool Claim(TGridCoverage& coverage, TExportedCell& cell) {
    const auto top = static_cast<std::size_t>(cell.Top);
    const std::int64_t end = cell.Left + cell.Width;
    const std::int64_t first = coverage.FirstFree(top, cell.Left, end);
    if (first == end)
        return false;
    const std::int64_t last = coverage.FreeUntil(top, first, end);
    std::int64_t rows = 1;
    for (; rows < cell.Height; ++rows) {
        const std::size_t row = top + static_cast<std::size_t>(rows);
        if (coverage.FirstFree(row, first, last) != first ||
            coverage.FreeUntil(row, first, last) != last)
            break;
    }
    for (std::int64_t r = 0; r < rows; ++r)
        coverage.Cover(top + static_cast<std::size_t>(r), first, last);
    cell.Left = first;
    cell.Width = last - first;
    cell.Height = rows;
    return true;
}

} // namespace

std::int64_t ToGridUnits(std::int64_t length) {
    const __int128 scaled = static_cast<__int128>(length) * 3;
    __int128 quotient = scaled / kLengthUnitsPerMm;
    __int128 remainder = scaled % kLengthUnitsPerMm;
    if (remainder < 0) {
        --quotient;
        remainder += kLengthUnitsPerMm;
    }
    const __int128 half = kLengthUnitsPerMm / 2;
    if (remainder > half || (remainder == half && quotient % 2 != 0))
        ++quotient;
    return static_cast<std::int64_t>(quotient);
}

void TWorkbookGrid::AddColumnBoundary(std::int64_t x) {
    columns_.push_back(ToGridUnits(x));
}

void TWorkbookGrid::AddRowBoundary(std::int64_t y) {
    rows_.push_back(ToGridUnits(y));
}

void TWorkbookGrid::AddCell(std::int64_t left, std::int64_t top, std::int64_t right,
                            std::int64_t bottom, TExportedCell cell) {
    AddColumnBoundary(left);
    AddRowBoundary(top);
    cell.Left = ToGridUnits(left);
    cell.Top = ToGridUnits(top);
    pending_.push_back({std::move(cell), ToGridUnits(right), ToGridUnits(bottom)});
}

void TWorkbookGrid::Resolve() {
    SortUnique(columns_);
    SortUnique(rows_);
    std::vector<TExportedCell> matched;
    for (const auto& pending : pending_) {
        TExportedCell cell = pending.cell;
        if (Span(columns_, cell.Left, pending.right, cell.Left, cell.Width) &&
            Span(rows_, cell.Top, pending.bottom, cell.Top, cell.Height))
            matched.push_back(std::move(cell));
    }
    std::stable_sort(matched.begin(), matched.end(), [](const auto& a, const auto& b) {
        return a.Top != b.Top ? a.Top < b.Top : a.Left < b.Left;
    });
    // A cell moved right by the ones before it only moves past columns they
    // cover, so the order by row, then column, holds.
    TGridCoverage coverage(rows_.size());
    placed_.clear();
    for (auto& cell : matched)
        if (Claim(coverage, cell))
            placed_.push_back(std::move(cell));
}

void TWorkbookGrid::WriteTo(TExcelXML& book) const {
    for (std::size_t q = 1; q < columns_.size(); ++q)
        book.WriteColumn(static_cast<std::int64_t>(q), columns_[q] - columns_[q - 1]);
    auto cell = placed_.begin();
    for (std::size_t q = 0; q + 1 < rows_.size(); ++q) {
        book.WriteRow(GridToFixed(rows_[q + 1] - rows_[q]));
        for (; cell != placed_.end() && cell->Top == static_cast<std::int64_t>(q); ++cell) {
            book.CurAlignment = cell->Align;
            book.CurBorders = FrameToBorders(cell->Frame);
            book.CurFontName = cell->Font;
            book.CurFontSize = cell->FontSize;
            book.CurFontStyle = cell->FontStyle;
            book.WriteCell(cell->Text, 0, cell->Width, cell->Height, cell->Left + 1);
        }
    }
}

std::string FrameToBorders(const std::string& frame) {
    if (frame.size() == 1)
        return std::string(4, frame[0]);
    // Width and style per side: the widths are the workbook's border weights.
    if (frame.size() == 8)
        return {frame[0], frame[2], frame[4], frame[6]};
    return frame;
}
