#pragma once
// The run-time library's format function, with the conversions the program
// uses: %d %u %x %X %s %f %e %g %n %m %%, each with optional "-" (left
// justify), width and ".precision" as the classic format function reads
// them. Numbers use the decimal separator and thousands separator of the
// given conventions; nothing here touches the C locale.
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
    FormatArg(double v) : value_(v) {}
    FormatArg(const char* v) : value_(std::string_view(v)) {}
    FormatArg(std::string_view v) : value_(v) {}
    FormatArg(const std::string& v) : value_(std::string_view(v)) {}

    const std::variant<std::int64_t, double, std::string_view>& value() const { return value_; }

private:
    std::variant<std::int64_t, double, std::string_view> value_;
};

// Formats like the run-time library; a conversion whose argument is missing
// or of the wrong kind raises EConvertError.
std::string Format(std::string_view pattern, std::initializer_list<FormatArg> args,
                   const TFormatSettings& settings = AppFormatSettings());
