#include "report/export/LayoutWalk.h"

namespace {

// Walks the row at (x, y); its height.
TLength WalkRow(const IReport3Row& row, TLength x, TLength y, TLayoutVisitor& visitor) {
    const TLength height = row.GetHeight();
    for (std::int32_t n = 1; n <= row.CellCount(); ++n) {
        const auto cell = row.GetCell(n);
        if (!cell)
            continue;
        const TLength width = cell->GetWidth();
        const auto rows = cell->Rows();
        visitor.Cell(*cell, !rows.empty(), x, y, width, height);
        TLength nestedY = y;
        for (const auto& nested : rows)
            if (nested)
                nestedY = AddLengths(nestedY, WalkRow(*nested, x, nestedY, visitor));
        x = AddLengths(x, width);
    }
    visitor.RowEnd(x, AddLengths(y, height));
    return height;
}

} // namespace

void WalkLayout(const IReport3& report, TLayoutVisitor& visitor) {
    TLength y = 0;
    for (std::int32_t n = 1; n <= report.RowCount(); ++n)
        if (const auto row = report.GetRow(n))
            y = AddLengths(y, WalkRow(*row, 0, y, visitor));
}
