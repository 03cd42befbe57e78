#include "report/export/ExcelStyle.h"

#include "report/export/ExcelText.h"

#include <array>
#include <tuple>

namespace {

// Horizontal and vertical attributes of codes 1 to 9; 1 and 4 leave the
// horizontal placement to the spreadsheet.
constexpr std::array<const char*, 9> kAlignments = {
    "ss:Vertical=\"Top\"",
    "ss:Horizontal=\"Center\" ss:Vertical=\"Top\"",
    "ss:Horizontal=\"Right\" ss:Vertical=\"Top\"",
    "ss:Vertical=\"Center\"",
    "ss:Horizontal=\"Center\" ss:Vertical=\"Center\"",
    "ss:Horizontal=\"Right\" ss:Vertical=\"Center\"",
    "ss:Horizontal=\"Left\" ss:Vertical=\"Bottom\"",
    "ss:Horizontal=\"Center\" ss:Vertical=\"Bottom\"",
    "ss:Horizontal=\"Right\" ss:Vertical=\"Bottom\"",
};
constexpr int kCentred = 5;

// A side has a line only for a weight digit; anything else would make the
// file unreadable, so it means no line, as it does on the page.
bool IsWeight(char c) {
    return c >= '1' && c <= '9';
}

std::string BorderLine(const char* position, char weight) {
    return std::string("    <Border ss:Position=\"") + position +
           "\" ss:LineStyle=\"Continuous\" ss:Weight=\"" + weight + "\"/>";
}

} // namespace

bool TExcelStyle::SameLook(const TExcelStyle& other) const {
    return std::tie(FontName, FontSize, FontStyle, Alignment, NumberFormat, Borders, WrapText,
                    Color) == std::tie(other.FontName, other.FontSize, other.FontStyle,
                                       other.Alignment, other.NumberFormat, other.Borders,
                                       other.WrapText, other.Color);
}

std::string ExcelAlignmentLine(int alignment, bool wrapText) {
    const int code = alignment >= 1 && alignment <= 9 ? alignment : kCentred;
    return std::string("   <Alignment ") + kAlignments[code - 1] +
           (wrapText ? " ss:WrapText=\"1\"/>" : "/>");
}

std::vector<std::string> ExcelStyleLines(const TExcelStyle& style) {
    std::vector<std::string> lines;
    lines.push_back("  <Style ss:ID=\"s" + IntText(style.Id) + "\">");
    lines.push_back(ExcelAlignmentLine(style.Alignment, style.WrapText));

    std::string borders = style.Borders;
    if (borders.size() < 4)
        borders.resize(4, '0');
    if (borders != "0000") {
        lines.push_back("   <Borders>");
        // Left, top, right, bottom in the text; the file lists them bottom first.
        static constexpr std::array<std::pair<const char*, int>, 4> kSides = {
            {{"Bottom", 3}, {"Left", 0}, {"Right", 2}, {"Top", 1}}};
        for (const auto& [position, index] : kSides)
            if (IsWeight(borders[index]))
                lines.push_back(BorderLine(position, borders[index]));
        lines.push_back("   </Borders>");
    }

    std::string font = "   <Font ss:FontName=\"" + EscapeCellText(style.FontName) +
                       "\" x:CharSet=\"204\" ss:Size=\"" + IntText(style.FontSize) + "\"";
    if (style.FontStyle & 1)
        font += " ss:Bold=\"1\"";
    if (style.FontStyle & 2)
        font += " ss:Italic=\"1\"";
    lines.push_back(font + "/>");

    if (!style.NumberFormat.empty())
        lines.push_back("   <NumberFormat ss:Format=\"" + EscapeCellText(style.NumberFormat) +
                        "\"/>");
    if (style.Color != kExcelNoColor)
        lines.push_back("   <Interior ss:Color=\"#" + HexColorText(style.Color) +
                        "\" ss:Pattern=\"Solid\"/>");
    lines.push_back("  </Style>");
    return lines;
}
