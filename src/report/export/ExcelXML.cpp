#include "report/export/ExcelXML.h"

#include "report/export/ExcelText.h"
#include "text/SafeFile.h"

#include <algorithm>

namespace {

// Everything of the file before the worksheets' own styles.
constexpr const char* kHeadLines[] = {
    "<?xml version=\"1.0\"?>",
    "<?mso-application progid=\"Excel.Sheet\"?>",
    "<Workbook xmlns=\"urn:schemas-microsoft-com:office:spreadsheet\"",
    " xmlns:o=\"urn:schemas-microsoft-com:office:office\"",
    " xmlns:x=\"urn:schemas-microsoft-com:office:excel\"",
    " xmlns:ss=\"urn:schemas-microsoft-com:office:spreadsheet\"",
    " xmlns:html=\"http://www.w3.org/TR/REC-html40\">",
    " <DocumentProperties xmlns=\"urn:schemas-microsoft-com:office:office\">",
    "  <Author>-</Author>",
    "  <Version>11.6360</Version>",
    " </DocumentProperties>",
    " <ExcelWorkbook xmlns=\"urn:schemas-microsoft-com:office:excel\">",
    "  <RefModeR1C1/>",
    "  <ProtectStructure>False</ProtectStructure>",
    "  <ProtectWindows>False</ProtectWindows>",
    " </ExcelWorkbook>",
    " <Styles>",
    "  <Style ss:ID=\"Default\" ss:Name=\"Normal\">",
    "   <Alignment ss:Vertical=\"Bottom\"/>",
    "   <Borders/>",
    "   <Font ss:FontName=\"Arial Cyr\" x:CharSet=\"204\"/>",
    "   <Interior/>",
    "   <NumberFormat/>",
    "   <Protection/>",
    "  </Style>",
};

// Page set-up: margins 15 mm top and bottom, 20 mm left, 12 mm right, in inches.
constexpr const char* kPageMarginLines[] = {
    "    <PageMargins x:Bottom=\"0.59055118110236227\" x:Left=\"0.78740157480314965\"",
    "     x:Right=\"0.47244094488188981\" x:Top=\"0.59055118110236227\"/>",
    "   </PageSetup>",
};

// Paper A4 (size index 9) and the rest of the worksheet's options.
constexpr const char* kPrintLines[] = {
    "    <ValidPrinterInfo/>",
    "    <PaperSizeIndex>9</PaperSizeIndex>",
    "    <Scale>95</Scale>",
    "    <HorizontalResolution>600</HorizontalResolution>",
    "    <VerticalResolution>0</VerticalResolution>",
    "   </Print>",
    "   <Selected/>",
    "   <Panes>",
    "    <Pane>",
    "     <Number>3</Number>",
    "     <ActiveRow>1</ActiveRow>",
    "     <ActiveCol>1</ActiveCol>",
    "    </Pane>",
    "   </Panes>",
    "   <ProtectObjects>False</ProtectObjects>",
    "   <ProtectScenarios>False</ProtectScenarios>",
    "  </WorksheetOptions>",
    " </Worksheet>",
};

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kRowEnd = "    </Row>";

void AddLine(std::string& out, std::string_view line) {
    out += line;
    out += kLineEnd;
}

template <typename Lines> void AddLines(std::string& out, const Lines& lines) {
    for (const auto& line : lines)
        AddLine(out, line);
}

void AddWorksheet(std::string& out, const TExcelXMLWorksheet& sheet) {
    AddLine(out, " <Worksheet ss:Name=\"" + EscapeCellText(sheet.Name) + "\">");
    AddLine(out, "  <Table x:FullColumns=\"1\" x:FullRows=\"1\">");
    AddLines(out, sheet.ColumnLines);
    AddLines(out, sheet.RowLines);
    if (!sheet.RowLines.empty())
        AddLine(out, kRowEnd);
    AddLine(out, "  </Table>");
    AddLine(out, "  <WorksheetOptions xmlns=\"urn:schemas-microsoft-com:office:excel\">");
    AddLine(out, "   <PageSetup>");
    if (sheet.Landscape)
        AddLine(out, "    <Layout x:Orientation=\"Landscape\"/>");
    AddLines(out, kPageMarginLines);
    if (sheet.FitToPage || sheet.FitToWidth)
        AddLine(out, "   <FitToPage/>");
    AddLine(out, "   <Print>");
    if (sheet.FitToWidth)
        AddLine(out, "   <FitHeight>0</FitHeight>");
    AddLines(out, kPrintLines);
}

} // namespace

TExcelXML::TExcelXML() {
    NewWorksheet("Лист 1", true);
}

void TExcelXML::NewWorksheet(std::string_view name, bool landscape) {
    TExcelXMLWorksheet sheet;
    sheet.Name = name;
    sheet.Landscape = landscape;
    worksheets_.push_back(std::move(sheet));
}

void TExcelXML::SetLandscape(bool landscape) {
    active().Landscape = landscape;
}

void TExcelXML::WriteColumn(std::int64_t index, std::int64_t width) {
    active().ColumnLines.push_back("    <Column ss:Index=\"" + IntText(index) +
                                   "\" ss:AutoFitWidth=\"0\" ss:Width=\"" + IntText(width) +
                                   "\"/>");
}

void TExcelXML::WriteRow(TExcelFixed height) {
    auto& lines = active().RowLines;
    if (!lines.empty())
        lines.emplace_back(kRowEnd);
    if (height > 0)
        lines.push_back("    <Row ss:AutoFitHeight=\"0\" ss:Height=\"" + HundredthsText(height) +
                        "\">");
    else
        lines.emplace_back("    <Row>");
}

void TExcelXML::WriteCell(std::string_view text, int styleId, std::int64_t columnSpan,
                          std::int64_t rowSpan, std::int64_t columnIndex) {
    if (styleId == 0)
        styleId = StyleIdFor();
    std::string line = "     <Cell";
    if (columnSpan > 1)
        line += " ss:MergeAcross=\"" + IntText(columnSpan - 1) + "\"";
    if (rowSpan > 1)
        line += " ss:MergeDown=\"" + IntText(rowSpan - 1) + "\"";
    if (columnIndex > 0)
        line += " ss:Index=\"" + IntText(columnIndex) + "\"";
    if (styleId > 0)
        line += " ss:StyleID=\"s" + IntText(styleId) + "\"";
    line += "><Data ss:Type=\"String\">";
    line += EscapeCellText(text);
    line += "</Data></Cell>";
    active().RowLines.push_back(std::move(line));
}

int TExcelXML::StyleIdFor() {
    TExcelStyle wanted;
    wanted.FontName = CurFontName;
    wanted.FontSize = CurFontSize;
    wanted.FontStyle = CurFontStyle;
    wanted.Alignment = CurAlignment;
    wanted.NumberFormat = CurNumberFormat;
    wanted.Borders = CurBorders;
    wanted.WrapText = CurWrapText;
    wanted.Color = CurColor;
    int highest = 100;
    for (const auto& style : styles_) {
        highest = std::max(highest, style.Id);
        if (style.SameLook(wanted))
            return style.Id;
    }
    wanted.Id = highest + 1;
    styles_.push_back(std::move(wanted));
    return styles_.back().Id;
}

std::string TExcelXML::WorkbookText() const {
    std::string out;
    AddLines(out, kHeadLines);
    for (const auto& style : styles_)
        AddLines(out, ExcelStyleLines(style));
    AddLine(out, " </Styles>");
    for (const auto& sheet : worksheets_)
        AddWorksheet(out, sheet);
    AddLine(out, "</Workbook>");
    AddLine(out, "");
    return out;
}

void TExcelXML::SaveToFile(const std::filesystem::path& fileName) const {
    WriteFileAtomically(fileName, WorkbookText());
}
