#pragma once
// The padded formatter of cell and text values: characters are copied, "%%"
// gives "%", and a conversion
//     "%" ["-"] ["&" mark] [width] ["." precision] letter
// writes the one argument. "-" pads on the right instead of the left; the
// mark replaces the decimal separator of the expression conventions; a width
// beginning with "0" pads with zeros; the precision defaults to 2 and is
// taken modulo 10 above 10. Letters:
//     d       decimal integer (a float rounded to the nearest, half to even)
//     f       fixed point with exactly `precision` decimals
//     n       as f, digits grouped by the expression conventions' separator
//     s       text as it is
//     g       general format, up to 15 significant digits (precision ignored)
//     x, X    hexadecimal of the 64-bit two's complement, lower or upper case
// A number converted by "s" writes its decimal or general text; a text
// converted by a number letter is read as a number (0 when it is not one).
// A converted text longer than the width keeps its last width characters
// ("s" its first); a shorter one is padded ("s" always with blanks).
// The argument belongs to the first conversion: any later conversion, a
// conversion with an unknown letter and one cut off by the end of the
// format write nothing. Widths above 1024 count as 1024; a float that is not
// finite formats as 0.
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

// The one argument of FormatPadded: an integer, a 64-bit integer, a float or a text.
class FormatPaddedArg {
public:
    FormatPaddedArg(int v) : value_(static_cast<std::int64_t>(v)) {}
    FormatPaddedArg(long v) : value_(static_cast<std::int64_t>(v)) {}
    FormatPaddedArg(long long v) : value_(static_cast<std::int64_t>(v)) {}
    FormatPaddedArg(double v) : value_(v) {}
    FormatPaddedArg(const char* v) : value_(std::string_view(v)) {}
    FormatPaddedArg(std::string_view v) : value_(v) {}
    FormatPaddedArg(const std::string& v) : value_(std::string_view(v)) {}

    const std::variant<std::int64_t, double, std::string_view>& value() const { return value_; }

private:
    std::variant<std::int64_t, double, std::string_view> value_;
};

// The format with its conversion filled from the argument.
std::string FormatPadded(std::string_view format, const FormatPaddedArg& argument);
