#pragma once
// A writer of spreadsheet workbooks in the XML Spreadsheet 2003 format, which
// Excel opens directly. Each call appends finished lines; saving joins them
// into the file. Cell styles are collected on the fly: a cell written with
// the current settings shares an existing identical style or gets a new one.
//
// Texts are Windows-1251 in the program and UTF-8 in the file. Row heights
// are written with a decimal point whatever the program's conventions, and
// nothing process-wide is touched while formatting.
#include "report/export/ExcelStyle.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// Fixed-point values with four decimals, as a count of ten-thousandths.
using TExcelFixed = std::int64_t;
inline constexpr TExcelFixed kExcelFixedScale = 10000;

// One worksheet: its Column and Row/Cell lines, in call order.
struct TExcelXMLWorksheet {
    std::vector<std::string> RowLines;
    std::vector<std::string> ColumnLines;
    std::string Name;
    bool Landscape = false;
    bool FitToPage = false;
    bool FitToWidth = true;
};

class TExcelXML {
public:
    // One worksheet "Лист 1", landscape.
    TExcelXML();

    // The settings the next cell written with style 0 takes.
    std::string CurFontName = "Arial Cyr";
    int CurFontSize = 10;
    std::uint8_t CurFontStyle = 0; // bit 0 bold, bit 1 italic
    int CurAlignment = 7;
    std::string CurNumberFormat;
    std::string CurBorders = "0000"; // weights left, top, right, bottom
    bool CurWrapText = false;
    std::int32_t CurColor = kExcelNoColor;

    // Appends a worksheet; it becomes the active one.
    void NewWorksheet(std::string_view name, bool landscape);
    // The active worksheet's orientation.
    void SetLandscape(bool landscape);
    // Appends a Column line to the active worksheet.
    void WriteColumn(std::int64_t index, std::int64_t width);
    // Closes the open row, if any, and opens a new one; a height not above 0
    // leaves the height to the spreadsheet.
    void WriteRow(TExcelFixed height);
    // Appends a string cell to the active worksheet's open row. Style 0 takes
    // the style of the current settings; spans above 1 merge; a column index
    // above 0 places the cell.
    void WriteCell(std::string_view text, int styleId, std::int64_t columnSpan,
                   std::int64_t rowSpan, std::int64_t columnIndex);
    // The identifier of the style equal to the current settings, created when new.
    int StyleIdFor();

    // The whole file: lines ended by CR LF, then one empty line.
    std::string WorkbookText() const;
    // Writes WorkbookText to the file, replacing it safely; EFileError on failure.
    void SaveToFile(const std::filesystem::path& fileName) const;

    const std::vector<TExcelXMLWorksheet>& Worksheets() const { return worksheets_; }
    const std::vector<TExcelStyle>& Styles() const { return styles_; }

private:
    TExcelXMLWorksheet& active() { return worksheets_.back(); }

    std::vector<TExcelXMLWorksheet> worksheets_;
    std::vector<TExcelStyle> styles_;
};
