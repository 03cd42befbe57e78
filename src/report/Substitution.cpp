#include "report/Substitution.h"

#include "report/FormatPadded.h"
#include "report/NumberText.h"
#include "text/DateTime.h"
#include "text/Errors.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

bool ContainsAny(std::string_view text, std::string_view letters) {
    return text.find_first_of(letters) != std::string_view::npos;
}

// A number that is no date (outside the years 1 to 9999) formats as day 0.
std::string FormatDate(std::string_view pattern, double value) {
    try {
        return FormatDateTime(pattern, value);
    } catch (const EConvertError&) {
        return FormatDateTime(pattern, 0.0);
    }
}

// Truncation after a small nudge, so that 2,9999999 counts as 3.
std::int64_t TruncatedInteger(double value) {
    constexpr double limit = 9223372036854775808.0;
    const double truncated = std::trunc(value + 0.00001);
    if (truncated >= limit)
        return INT64_MAX;
    return static_cast<std::int64_t>(std::max(truncated, -limit));
}

std::string Placeholder(std::string_view name, std::string_view format,
                        const TVariableLookup& lookup) {
    const std::string value = lookup(name);
    if (format.empty())
        return value;
    if (ContainsAny(format, "#"))
        return FormatDate(format.substr(1), ReadNumber(value));
    const std::string padded = "%" + std::string(format);
    if (ContainsAny(format, "fng"))
        return FormatPadded(padded, ReadNumber(value));
    if (ContainsAny(format, "dxX"))
        return FormatPadded(padded, TruncatedInteger(ReadNumber(value)));
    return "";
}

} // namespace

std::string SubstituteVariables(std::string_view text, const TVariableLookup& lookup) {
    std::string out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const char c = text[pos++];
        if (c != '{' || (pos < text.size() && text[pos] == '{')) {
            out += c;
            continue;
        }
        const std::size_t close = std::min(text.find('}', pos), text.size());
        const std::string_view body = text.substr(pos, close - pos);
        pos = std::min(close + 1, text.size());
        const std::size_t firstColon = body.find(':');
        const std::string_view name = body.substr(0, firstColon);
        const std::string_view format = firstColon == std::string_view::npos
                                            ? std::string_view()
                                            : body.substr(body.rfind(':') + 1);
        out += Placeholder(name, format, lookup);
    }
    return out;
}
