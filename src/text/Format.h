#pragma once
// The run-time library's format function, with the conversions the program
// uses, each "%" ["-"] [width] ["." precision] letter (letters in either case):
//   %d %u  decimal; the precision is the least number of digits, zero padded
//          ("%.3d" of -5 is "-005"); %u takes the 64-bit pattern
//   %x %X  upper-case hexadecimal of the 64-bit pattern, precision as for %d
//   %s     text; the precision cuts it to that many characters
//   %f %n  fixed decimals (precision, default 2); %n groups the digits with the
//          thousands separator ("%.2n" of 12345.6 is "12 345,60")
//   %m     as %n with the currency decimals by default, then the currency text
//   %e     "1,23450000000000E+003": precision digits in all (default 15)
//   %g     general, precision significant digits (default 15): "2,5", "1E20"
//   %%     a percent sign
// A width pads with blanks on the left ("-": on the right) and never cuts.
// Numbers use the decimal separator and thousands separator of the given
// conventions; nothing here touches the C locale. Floats round decimally,
// half away from zero, on the exact value of the double (2.675 is really
// 2.67499999..., so "%.2f" gives "2,67"; 0.125 gives "0,13").
#include "text/FormatSettings.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

// One argument of Format: an integer, a float or a text.
class FormatArg {
public:
    FormatArg(int v) : value_(static_cast<std::int64_t>(v)) {}
    FormatArg(long v) : value_(static_cast<std::int64_t>(v)) {}
    FormatArg(long long v) : value_(static_cast<std::int64_t>(v)) {}
    FormatArg(unsigned v) : value_(static_cast<std::int64_t>(v)) {}
    // Sizes and counts; a value above the int64 range keeps its 64-bit pattern.
    FormatArg(unsigned long v) : value_(static_cast<std::int64_t>(v)) {}
    FormatArg(unsigned long long v) : value_(static_cast<std::int64_t>(v)) {}
    FormatArg(double v) : value_(v) {}
    FormatArg(const char* v) : value_(std::string_view(v ? v : "")) {} // null: empty text
    FormatArg(std::string_view v) : value_(v) {}
    FormatArg(const std::string& v) : value_(std::string_view(v)) {}

    const std::variant<std::int64_t, double, std::string_view>& value() const { return value_; }

private:
    std::variant<std::int64_t, double, std::string_view> value_;
};

// Formats like the run-time library. A conversion whose argument is missing or
// of the wrong kind (a float for %d, a number for %s, a text for %f; an integer
// is fine for the float conversions), or a broken pattern, raises EConvertError.
std::string Format(std::string_view pattern, std::initializer_list<FormatArg> args,
                   const TFormatSettings& settings = AppFormatSettings());
