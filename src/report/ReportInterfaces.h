#pragma once
// The interfaces through which callers use the report and its elements.
// Elements are shared through std::shared_ptr; asking an element for another
// interface is std::dynamic_pointer_cast. An owner link is a plain back
// reference and never keeps the owner alive.
#include "report/ReportUnits.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class IMeasuringCanvas;
class IReport3;
// The screen or bitmap canvas of the drawing layer that pages draw on.
class IReport3Canvas;
class IReport3Row;
class IReport3Cell;
class IReport3Text;
class IReport3Page;

// What every report element answers.
class IReport3Base {
public:
    virtual ~IReport3Base() = default;
    // The element this one belongs to; none for the report and for page texts.
    virtual std::shared_ptr<IReport3Base> GetOwner() const = 0;
    // The element's change notification.
    virtual void Changed() = 0;
    virtual void SetName(const std::string& name) = 0;
    virtual const std::string& GetName() const = 0;
};

// A free text of a cell, or a positioned box of a page (a page text).
class IReport3Text : public virtual IReport3Base {
public:
    // Adds a copy of the text to the report's current page, offset by (x, y).
    virtual void PlaceAt(TLength x, TLength y) = 0;
    // Makes the text a picture: "!EMF" and the Base64 form of the metafile's bytes.
    virtual void SetMetafile(std::string_view metafileBytes) = 0;
    // Draws a line (kind 0) or bar chart of the values into the text as a picture.
    virtual void DrawChart(const std::vector<std::string>& labels, int kind,
                           const std::vector<std::string>& seriesNames, int option,
                           const std::vector<double>& values) = 0;
    // Insets of the text box in pixels.
    virtual void SetInnerRect(const TIntRect& rect) = 0;
    virtual TIntRect GetInnerRect() const = 0;
    virtual void SetX(TLength x) = 0;
    virtual TLength GetX() const = 0;
    virtual void SetY(TLength y) = 0;
    virtual TLength GetY() const = 0;
    virtual void SetW(TLength w) = 0;
    virtual TLength GetW() const = 0;
    virtual void SetH(TLength h) = 0;
    virtual TLength GetH() const = 0;
    virtual void SetText(const std::string& text) = 0;
    virtual const std::string& GetText() const = 0;
    virtual void SetFont(const std::string& name) = 0;
    virtual const std::string& GetFont() const = 0;
    virtual void SetFontSize(std::int32_t size) = 0;
    virtual std::int32_t GetFontSize() const = 0;
    virtual void SetFontStyle(TFontStyle style) = 0;
    virtual TFontStyle GetFontStyle() const = 0;
    virtual void SetFrame(const std::string& frame) = 0;
    virtual const std::string& GetFrame() const = 0;
    virtual void SetAlign(std::int32_t align) = 0;
    virtual std::int32_t GetAlign() const = 0;
    virtual void SetColor(TColor color) = 0;
    virtual TColor GetColor() const = 0;
};

// A horizontal band of cells.
class IReport3Row : public virtual IReport3Base {
public:
    // A new cell, appended last, with the row's colour.
    virtual std::shared_ptr<IReport3Cell> AddCell(const std::string& widthSpec) = 0;
    // AddCell, then the text, alignment, frame and the row's colour.
    virtual std::shared_ptr<IReport3Cell> AddTextCell(const std::string& widthSpec,
                                                      const std::string& text,
                                                      const std::string& frame,
                                                      std::int32_t align) = 0;
    // AddTextCell, then the font size and style.
    virtual std::shared_ptr<IReport3Cell>
    AddStyledCell(const std::string& widthSpec, const std::string& text, const std::string& frame,
                  std::int32_t align, std::int32_t fontSize, TFontStyle fontStyle) = 0;
    // Lays the row out onto the report's current page with its top-left corner at (x, y).
    virtual void PlaceAt(TLength x, TLength y) = 0;
    virtual std::int32_t CellCount() const = 0;
    // 1-based; none out of range.
    virtual std::shared_ptr<IReport3Cell> GetCell(std::int32_t number) const = 0;
    // The report the row belongs to, through its cell if nested; none when detached.
    virtual std::shared_ptr<IReport3> GetReport() const = 0;
    virtual void SetInnerRect(const TIntRect& rect) = 0;
    virtual TIntRect GetInnerRect() const = 0;
    // The minimum height.
    virtual void SetHeight(TLength height) = 0;
    // The laid-out height: the minimum height or the tallest cell.
    virtual TLength GetHeight() const = 0;
    // The row repeated at the top of every page this row begins. Not owned:
    // the header stays a row of whoever made it.
    virtual void SetHeader(const std::shared_ptr<IReport3Row>& header) = 0;
    virtual std::shared_ptr<IReport3Row> GetHeader() const = 0;
    virtual void SetFont(const std::string& name) = 0;
    virtual const std::string& GetFont() const = 0;
    virtual void SetFontSize(std::int32_t size) = 0;
    virtual std::int32_t GetFontSize() const = 0;
    virtual void SetFontStyle(TFontStyle style) = 0;
    virtual TFontStyle GetFontStyle() const = 0;
    virtual void SetFrame(const std::string& frame) = 0;
    virtual const std::string& GetFrame() const = 0;
    virtual void SetOrientation(TOrientation orientation) = 0;
    virtual TOrientation GetOrientation() const = 0;
    virtual void SetPageFeed(bool pageFeed) = 0;
    virtual bool GetPageFeed() const = 0;
    virtual void SetColor(TColor color) = 0;
    virtual TColor GetColor() const = 0;
};

// A cell of a row: a text, nested rows stacked inside it and free texts.
class IReport3Cell : public virtual IReport3Base {
public:
    // A new nested row of that minimum height, appended last.
    virtual std::shared_ptr<IReport3Row> AddRow(TLength height) = 0;
    // A new free text, appended last.
    virtual std::shared_ptr<IReport3Text> AddText() = 0;
    virtual void PlaceAt(TLength x, TLength y) = 0;
    // Content height: the nested rows, or the measured text of an auto-height cell.
    virtual TLength GetHeight() const = 0;
    // Width resolved from the width text ("40" or "100%").
    virtual TLength GetWidth() const = 0;
    virtual void SetInnerRect(const TIntRect& rect) = 0;
    virtual TIntRect GetInnerRect() const = 0;
    // Whole millimetres ("40") or a percentage ("100%").
    virtual void SetWidthSpec(const std::string& widthText) = 0;
    virtual const std::string& GetWidthSpec() const = 0;
    virtual void SetText(const std::string& text) = 0;
    virtual const std::string& GetText() const = 0;
    virtual void SetFrame(const std::string& frame) = 0;
    virtual const std::string& GetFrame() const = 0;
    virtual void SetFont(const std::string& name) = 0;
    virtual const std::string& GetFont() const = 0;
    virtual void SetFontSize(std::int32_t size) = 0;
    virtual std::int32_t GetFontSize() const = 0;
    virtual void SetFontStyle(TFontStyle style) = 0;
    virtual TFontStyle GetFontStyle() const = 0;
    virtual void SetAlign(std::int32_t align) = 0;
    virtual std::int32_t GetAlign() const = 0;
    virtual void SetColor(TColor color) = 0;
    virtual TColor GetColor() const = 0;
    virtual void SetAutoHeight(bool autoHeight) = 0;
    virtual bool GetAutoHeight() const = 0;
    // The nested rows, in order.
    virtual std::vector<std::shared_ptr<IReport3Row>> Rows() const = 0;
};

// One built page: page texts in drawing order, size and orientation.
class IReport3Page : public virtual IReport3Base {
public:
    // A new page text (no owner), appended last.
    virtual std::shared_ptr<IReport3Text> AddText() = 0;
    // Removes all page texts.
    virtual void Clear() = 0;
    // Marks the page image for redrawing.
    virtual void Invalidate() = 0;
    // Draws the page at a zoom percentage and pixel offsets; none: the printer.
    virtual void Draw(IReport3Canvas* canvas, std::int32_t zoom, std::int32_t x,
                      std::int32_t y) = 0;
    virtual void SaveToMetafile(const std::filesystem::path& fileName) = 0;
    virtual void Print() = 0;
    virtual std::int32_t TextCount() const = 0;
    // 1-based; none out of range.
    virtual std::shared_ptr<IReport3Text> GetText(std::int32_t number) const = 0;
    // Whole millimetres.
    virtual void SetWidth(std::int32_t width) = 0;
    virtual std::int32_t GetWidth() const = 0;
    virtual void SetHeight(std::int32_t height) = 0;
    virtual std::int32_t GetHeight() const = 0;
    // Sets the size for the orientation and moves the page-number and
    // report-code texts to their places on it.
    virtual void SetOrientation(TOrientation orientation) = 0;
    virtual TOrientation GetOrientation() const = 0;
    // The 1-based number the page was created with.
    virtual std::int32_t GetNumber() const = 0;
};

// One error raised while Build placed a row: its 0-based index and message.
struct TBuildError {
    std::int32_t RowIndex = 0;
    std::string Message;
    bool operator==(const TBuildError&) const = default;
};

// Called by Build for every row that could not be placed.
using TBuildErrorHandler = std::function<void(const TBuildError&)>;

// The report: rows from a template, variables, defaults and the built pages.
class IReport3 : public virtual IReport3Base {
public:
    // Pixels of a length on the measuring canvas (4 per millimetre).
    virtual std::int64_t ToPixels(TLength length) const = 0;
    // Calls Changed; no effect on the report.
    virtual void Update() = 0;
    // Discards all pages and all variables (as Clear).
    virtual void Reset() = 0;
    // Discards all pages and all variables; rows stay.
    virtual void Clear() = 0;
    // Lays the rows out into pages; does nothing once built.
    virtual void Build() = 0;
    // Build, then the preview window.
    virtual void Preview() = 0;
    virtual void ExportWorkbook(const std::filesystem::path& fileName) = 0;
    virtual void ExportText(const std::filesystem::path& fileName) = 0;
    // Reads and interprets a template file; a missing file is ignored.
    virtual void LoadTemplate(const std::filesystem::path& fileName) = 0;
    // Reads a page-text file (a missing one gives no pages) and remembers its name.
    virtual void LoadPagesFromFile(const std::filesystem::path& fileName) = 0;
    // Rebuilds the pages from the page-text format.
    virtual void LoadPagesFromText(const std::string& text) = 0;
    virtual void SavePagesToFile(const std::filesystem::path& fileName) = 0;
    // All pages in the page-text format.
    virtual std::string GetPagesText() const = 0;
    // A new top-level row of that minimum height, appended last.
    virtual std::shared_ptr<IReport3Row> AddRow(TLength height) = 0;
    // 1-based; creates the missing pages; none below 1.
    virtual std::shared_ptr<IReport3Page> GetPage(std::int32_t number) = 0;
    virtual void SetVariable(const std::string& name, const std::string& value, bool evaluate) = 0;
    virtual std::string GetVariable(const std::string& name) = 0;
    // The first top-level row named exactly so; none when there is none.
    virtual std::shared_ptr<IReport3Base> FindRow(const std::string& name) const = 0;
    virtual std::int32_t RowCount() const = 0;
    // 1-based; none out of range.
    virtual std::shared_ptr<IReport3Row> GetRow(std::int32_t number) const = 0;
    // The measuring canvas; none outside Build.
    virtual IMeasuringCanvas* GetCanvas() const = 0;
    // Page margins in whole millimetres.
    virtual void SetMargins(const TIntRect& margins) = 0;
    virtual TIntRect GetMargins() const = 0;
    // The text-box insets (pixels) new rows take over.
    virtual void SetInnerRect(const TIntRect& rect) = 0;
    virtual TIntRect GetInnerRect() const = 0;
    // The page row placement writes onto.
    virtual void SetCurrentPage(std::int32_t number) = 0;
    virtual std::int32_t GetCurrentPage() const = 0;
    virtual std::int32_t PageCount() const = 0;
    virtual void SetFontName(const std::string& name) = 0;
    virtual const std::string& GetFontName() const = 0;
    virtual void SetFontSize(std::int32_t size) = 0;
    virtual std::int32_t GetFontSize() const = 0;
    virtual void SetFontStyle(TFontStyle style) = 0;
    virtual TFontStyle GetFontStyle() const = 0;
    // A spare row of the report; nothing places it.
    virtual std::shared_ptr<IReport3Row> GetHeaderRow() const = 0;
    // The row placed on every page below the bottom margin line.
    virtual std::shared_ptr<IReport3Row> GetFooterRow() const = 0;
    virtual void SetEditable(bool editable) = 0;
    virtual bool GetEditable() const = 0;
    virtual void SetFileName(const std::filesystem::path& fileName) = 0;
    virtual const std::filesystem::path& GetFileName() const = 0;
    virtual void SetPageNumbers(bool pageNumbers) = 0;
    virtual bool GetPageNumbers() const = 0;
    virtual void SetReportCode(const std::string& code) = 0;
    virtual const std::string& GetReportCode() const = 0;
    virtual void SetCanSave(bool canSave) = 0;
    virtual bool GetCanSave() const = 0;
    virtual void SetCanPrint(bool canPrint) = 0;
    virtual bool GetCanPrint() const = 0;
    // The rows the last Build could not place, in order.
    virtual const std::vector<TBuildError>& GetBuildErrors() const = 0;
    // Told of each such row as it happens (the preview shows a message box).
    virtual void SetBuildErrorHandler(TBuildErrorHandler handler) = 0;
};
