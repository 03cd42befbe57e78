#include "report/export/ReportExport.h"

#include "report/export/LayoutWalk.h"
#include "report/export/SeparatedValues.h"
#include "report/export/WorkbookGrid.h"
#include "text/SafeFile.h"

namespace {

// Every edge becomes a boundary; every cell without nested rows a worksheet
// cell. A cell with nested rows shows only through them.
class TGridCollector : public TLayoutVisitor {
public:
    explicit TGridCollector(TWorkbookGrid& grid) : grid_(grid) {}

    void Cell(const IReport3Cell& cell, bool hasRows, TLength x, TLength y, TLength width,
              TLength rowHeight) override {
        if (hasRows) {
            grid_.AddColumnBoundary(x);
            grid_.AddRowBoundary(y);
            return;
        }
        const TLength own = cell.GetHeight();
        const TLength height = own != 0 ? own : rowHeight;
        TExportedCell exported;
        exported.Text = cell.GetText();
        exported.Frame = cell.GetFrame();
        exported.Align = cell.GetAlign();
        exported.Font = cell.GetFont();
        exported.FontSize = cell.GetFontSize();
        exported.FontStyle = cell.GetFontStyle();
        grid_.AddCell(x, y, AddLengths(x, width), AddLengths(y, height), std::move(exported));
    }

    void RowEnd(TLength right, TLength bottom) override {
        grid_.AddColumnBoundary(right);
        grid_.AddRowBoundary(bottom);
    }

private:
    TWorkbookGrid& grid_;
};

// Every cell with a text, its nested rows' cells after it.
class TTextCollector : public TLayoutVisitor {
public:
    void Cell(const IReport3Cell& cell, bool, TLength x, TLength y, TLength, TLength) override {
        if (!cell.GetText().empty())
            cells.push_back({x, y, cell.GetText()});
    }
    void RowEnd(TLength, TLength) override {}

    std::vector<TSimpleExportedCell> cells;
};

} // namespace

TExcelXML BuildWorkbook(const IReport3& report) {
    TWorkbookGrid grid;
    TGridCollector collector(grid);
    WalkLayout(report, collector);
    grid.Resolve();
    TExcelXML book;
    book.SetLandscape(false);
    book.CurWrapText = true;
    grid.WriteTo(book);
    return book;
}

void ExportWorkbook(const IReport3& report, const std::filesystem::path& fileName) {
    BuildWorkbook(report).SaveToFile(fileName);
}

std::string SeparatedValues(const IReport3& report) {
    TTextCollector collector;
    WalkLayout(report, collector);
    return SeparatedValuesText(std::move(collector.cells));
}

void ExportText(const IReport3& report, const std::filesystem::path& fileName) {
    WriteFileAtomically(fileName, SeparatedValues(report));
}
