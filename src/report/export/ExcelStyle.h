#pragma once
// One cell style of the workbook and the Style element it is written as.
#include <cstdint>
#include <string>
#include <vector>

// The fill colour that means "no fill".
inline constexpr std::int32_t kExcelNoColor = 0x1FFFFFFF;

// A style handed out to cells; written as "s" and its identifier (s101).
struct TExcelStyle {
    int Id = 0;
    std::string FontName;
    int FontSize = 10;
    std::uint8_t FontStyle = 0; // bit 0 bold, bit 1 italic
    int Alignment = 7;          // 1 to 9, laid out like a numeric keypad
    std::string NumberFormat;   // empty: none
    std::string Borders;        // weights left, top, right, bottom; "0": none
    bool WrapText = false;
    std::int32_t Color = kExcelNoColor; // 0xRRGGBB as the file writes it

    // Everything but the identifier is equal.
    bool SameLook(const TExcelStyle& other) const;
};

// The Alignment line of an alignment code (any code outside 1 to 9 centres).
std::string ExcelAlignmentLine(int alignment, bool wrapText);

// The lines of the style's Style element, from "<Style" to "</Style>".
// Font name and number format are escaped like cell text, so that no name
// breaks the file; plain names are written as they are.
std::vector<std::string> ExcelStyleLines(const TExcelStyle& style);
