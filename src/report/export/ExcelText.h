#pragma once
// Text pieces of the workbook file: escaped text and numbers as the file
// writes them. The file is UTF-8, the program's texts are Windows-1251.
#include <cstdint>
#include <string>
#include <string_view>

// Cell text for the file: line feed, double quote, ampersand and the angle
// brackets as character references, then UTF-8. A carriage return and the
// apostrophe stay. Control characters that XML cannot carry (all below a
// blank except tab, line feed and carriage return) become "?", so no text
// makes the workbook unreadable. Safe inside attribute values too.
std::string EscapeCellText(std::string_view text);

// A decimal integer, whatever the process's conventions.
std::string IntText(std::int64_t value);

// A fixed-point value held in ten-thousandths, with two decimals and a point
// ("12.35" for 123460), rounded half away from zero like the classic format.
std::string HundredthsText(std::int64_t tenThousandths);

// The low 24 bits as six upper-case hexadecimal digits.
std::string HexColorText(std::int32_t color);
