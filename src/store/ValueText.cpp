#include "store/ValueText.h"
#include "store/LatinCase.h"

#include "text/DateTime.h"

#include <charconv>
#include <cmath>

namespace {

void AppendDigits(std::string& out, long long value, int width = 0) {
    char buffer[24];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    for (auto n = end - buffer; n < width; ++n) {
        out += '0';
    }
    out.append(buffer, end);
}

void AppendDate(std::string& out, const TDateTimeParts& parts) {
    AppendDigits(out, parts.Year, 4);
    AppendDigits(out, parts.Month, 2);
    AppendDigits(out, parts.Day, 2);
}

void AppendTime(std::string& out, const TDateTimeParts& parts) {
    AppendDigits(out, parts.Hour, 2);
    out += ':';
    AppendDigits(out, parts.Minute, 2);
    out += ':';
    AppendDigits(out, parts.Second * 1000 + parts.Millisecond, 5);
}

bool IsMidnight(const TDateTimeParts& p) {
    return p.Hour == 0 && p.Minute == 0 && p.Second == 0 && p.Millisecond == 0;
}

// Plain digits, as the writer puts them, without the generic routine; at most
// 18 of them, which cannot overflow. False for anything else.
bool ParsePlainDigits(std::string_view text, long long& out) {
    if (text.empty() || text.size() > 18) {
        return false;
    }
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
        value = value * 10 + (c - '0');
    }
    out = value;
    return true;
}

template <typename T> bool ParseNumber(std::string_view text, T& out) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && end == text.data() + text.size();
}

bool ParseFixedDigits(std::string_view text, int& out) {
    if (text.empty()) {
        return false;
    }
    out = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
        out = out * 10 + (c - '0');
    }
    return true;
}

// yyyymmdd, the year of four digits or more.
bool ParseDatePart(std::string_view text, int& year, int& month, int& day) {
    if (text.size() < 8 || text.size() > 9) {
        return false;
    }
    const std::size_t y = text.size() - 4;
    return ParseFixedDigits(text.substr(0, y), year) &&
           ParseFixedDigits(text.substr(y, 2), month) && ParseFixedDigits(text.substr(y + 2), day);
}

// hh:mm:sssss (milliseconds of the minute) or hh:mm:ss[.fff].
bool ParseTimePart(std::string_view text, int& hour, int& minute, int& millis) {
    if (text.size() < 8 || text[2] != ':' || text[5] != ':') {
        return false;
    }
    if (!ParseFixedDigits(text.substr(0, 2), hour) ||
        !ParseFixedDigits(text.substr(3, 2), minute)) {
        return false;
    }
    std::string_view seconds = text.substr(6);
    if (seconds.size() == 5) {
        return ParseFixedDigits(seconds, millis) && millis < 60000;
    }
    int whole = 0;
    if (!ParseFixedDigits(seconds.substr(0, 2), whole)) {
        return false;
    }
    int fraction = 0;
    if (seconds.size() > 2) {
        const std::string_view digits = seconds.substr(3);
        if (seconds[2] != '.' || digits.empty() || digits.size() > 3 ||
            !ParseFixedDigits(digits, fraction)) {
            return false;
        }
        for (auto n = digits.size(); n < 3; ++n) {
            fraction *= 10;
        }
    }
    millis = whole * 1000 + fraction;
    return whole < 60;
}

bool ParseDateTime(std::string_view text, double& out) {
    int year = 1899, month = 12, day = 30, hour = 0, minute = 0, millis = 0;
    const auto t = text.find('T');
    const bool timeOnly = t == std::string_view::npos && text.find(':') != std::string_view::npos;
    if (timeOnly) {
        if (!ParseTimePart(text, hour, minute, millis)) {
            return false;
        }
    } else if (!ParseDatePart(text.substr(0, t), year, month, day) ||
               (t != std::string_view::npos &&
                !ParseTimePart(text.substr(t + 1), hour, minute, millis))) {
        return false;
    }
    const auto value = EncodeDateTime(year, month, day, hour, minute, millis / 1000, millis % 1000);
    if (!value) {
        return false;
    }
    out = *value;
    return true;
}

} // namespace

void AppendValueText(std::string& out, TFieldType type, const TValue& value) {
    switch (value.Kind()) {
    case TValue::TKind::Integer:
        if (ValueKindOf(type) == TValueKind::Boolean) {
            out += value.Integer() != 0 ? "TRUE" : "FALSE";
        } else {
            AppendDigits(out, value.Integer());
        }
        break;
    case TValue::TKind::Float:
        if (ValueKindOf(type) == TValueKind::DateTime) {
            const TDateTimeParts parts = DecodeDateTime(value.Float());
            if (type == TFieldType::Time) {
                AppendTime(out, parts);
                return;
            }
            AppendDate(out, parts);
            if (type != TFieldType::Date && !IsMidnight(parts)) {
                out += 'T';
                AppendTime(out, parts);
            }
        } else {
            char buffer[32];
            const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value.Float(),
                                                 std::chars_format::general, 16);
            out.append(buffer, end);
        }
        break;
    case TValue::TKind::Text:
        out += value.Text();
        break;
    case TValue::TKind::Empty:
        break;
    }
}

bool ParseValueText(TFieldType type, std::string_view text, TValue& out) {
    switch (ValueKindOf(type)) {
    case TValueKind::Integer: {
        long long value = 0;
        const TIntRange range = IntRangeOf(type);
        if ((!ParsePlainDigits(text, value) && !ParseNumber(text, value)) || value < range.Min ||
            value > range.Max) {
            return false;
        }
        out = TValue(static_cast<std::int64_t>(value));
        return true;
    }
    case TValueKind::Boolean:
        if (EqualLatinNoCase(text, "TRUE") || text == "1") {
            out = TValue(std::int64_t{1});
        } else if (EqualLatinNoCase(text, "FALSE") || text == "0") {
            out = TValue(std::int64_t{0});
        } else {
            return false;
        }
        return true;
    case TValueKind::Float: {
        double value = 0;
        if (!ParseNumber(text, value) || !std::isfinite(value)) {
            return false;
        }
        out = TValue(value);
        return true;
    }
    case TValueKind::DateTime: {
        double value = 0;
        if (!ParseDateTime(text, value)) {
            return false;
        }
        out = TValue(value);
        return true;
    }
    case TValueKind::Text:
        if (type == TFieldType::Fixed || type == TFieldType::FixedFmt) {
            double check = 0;
            if (!ParseNumber(text, check)) {
                return false;
            }
        }
        out = TValue(text);
        return true;
    case TValueKind::Nested:
        break;
    }
    return false;
}
