#include "text/DateTime.h"

#include "text/Errors.h"
#include "text/Numbers.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <ctime>

namespace {

constexpr std::int64_t kMsPerDay = 86400000;
constexpr std::int64_t kFirstDay = -693593;   // 1 January 0001
constexpr std::int64_t kLastDay = 2958465;    // 31 December 9999
constexpr std::int64_t kUnixEpochDay = 25569; // 1 January 1970

bool IsLeapYear(int year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Days since 1 January 1970 of a date of the proleptic Gregorian calendar
// (H. Hinnant's days_from_civil).
std::int64_t DaysFromCivil(std::int64_t year, int month, int day) {
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

void CivilFromDays(std::int64_t days, TDateTimeParts& parts) {
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t monthIndex = (5 * dayOfYear + 2) / 153;
    parts.Day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    parts.Month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    parts.Year = static_cast<int>(yearOfEra + era * 400 + (parts.Month <= 2 ? 1 : 0));
}

[[noreturn]] void FailRange(TDateTime value) {
    throw EConvertError("Значение " + FloatToText(value) + " не является датой");
}

void AppendNumber(std::string& out, int value, int minDigits) {
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + value % 10));
        value /= 10;
    } while (value != 0);
    if (static_cast<int>(digits.size()) < minDigits) {
        out.append(minDigits - digits.size(), '0');
    }
    out += digits;
}

char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
}

// Whether `text` starts with `prefix`, Latin letters compared without case.
bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (Upper(text[i]) != prefix[i]) {
            return false;
        }
    }
    return true;
}

// Writes a value by the classic pattern letters. Patterns of the settings
// (short date, long time...) are written through the same code; nesting stops
// at two levels, so a settings pattern naming itself cannot recurse forever.
class TDateFormatter {
public:
    TDateFormatter(TDateTime value, const TFormatSettings& settings)
        : parts_(DecodeDateTime(value)), settings_(settings) {}

    void Append(std::string_view pattern, int depth);
    std::string Take() { return std::move(out_); }

private:
    bool IsMidnight() const {
        return parts_.Hour == 0 && parts_.Minute == 0 && parts_.Second == 0 &&
               parts_.Millisecond == 0;
    }
    // Whether the hours at `pos` are on the 12-hour clock: an am/pm marker
    // follows before the next hour or any other "a".
    static bool TwelveHourClockAt(std::string_view pattern, std::size_t pos);
    // Writes the am/pm marker at `pos` and returns its length; 0 when the "a"
    // there is no marker.
    std::size_t AppendAmPm(std::string_view pattern, std::size_t pos);

    TDateTimeParts parts_;
    const TFormatSettings& settings_;
    std::string out_;
};

bool TDateFormatter::TwelveHourClockAt(std::string_view pattern, std::size_t pos) {
    bool quoted = false;
    for (; pos < pattern.size(); ++pos) {
        const char c = Upper(pattern[pos]);
        if (c == '"' || c == '\'') {
            quoted = !quoted;
        } else if (quoted) {
            continue;
        } else if (c == 'A') {
            const std::string_view rest = pattern.substr(pos);
            return StartsWithNoCase(rest, "AM/PM") || StartsWithNoCase(rest, "A/P") ||
                   StartsWithNoCase(rest, "AMPM");
        } else if (c == 'H') {
            return false;
        }
    }
    return false;
}

std::size_t TDateFormatter::AppendAmPm(std::string_view pattern, std::size_t pos) {
    const std::string_view rest = pattern.substr(pos);
    const bool am = parts_.Hour < 12;
    // The marker is written in the case the pattern gives it.
    if (StartsWithNoCase(rest, "AM/PM")) {
        out_ += am ? rest.substr(0, 2) : rest.substr(3, 2);
        return 5;
    }
    if (StartsWithNoCase(rest, "A/P")) {
        out_ += am ? rest[0] : rest[2];
        return 3;
    }
    if (StartsWithNoCase(rest, "AMPM")) {
        out_ += am ? settings_.TimeAMString : settings_.TimePMString;
        return 4;
    }
    return 0;
}

void TDateFormatter::Append(std::string_view pattern, int depth) {
    if (depth > 2) {
        return;
    }
    char lastToken = ' ';
    std::size_t pos = 0;
    while (pos < pattern.size()) {
        const char c = pattern[pos];
        char token = Upper(c);
        std::size_t count = 1;
        if (token >= 'A' && token <= 'Z') {
            while (pos + count < pattern.size() && Upper(pattern[pos + count]) == token) {
                ++count;
            }
            if (token == 'M' && lastToken == 'H') {
                token = 'N';
            }
            lastToken = token;
        }
        switch (token) {
        case 'Y':
            if (count <= 2) {
                AppendNumber(out_, parts_.Year % 100, 2);
            } else {
                AppendNumber(out_, parts_.Year, 4);
            }
            break;
        case 'M':
            if (count <= 2) {
                AppendNumber(out_, parts_.Month, static_cast<int>(count));
            } else {
                out_ += (count == 3 ? settings_.ShortMonthNames
                                    : settings_.LongMonthNames)[parts_.Month - 1];
            }
            break;
        case 'D':
            if (count <= 2) {
                AppendNumber(out_, parts_.Day, static_cast<int>(count));
            } else if (count <= 4) {
                out_ += (count == 3 ? settings_.ShortDayNames
                                    : settings_.LongDayNames)[parts_.DayOfWeek];
            } else {
                Append(count == 5 ? settings_.ShortDateFormat : settings_.LongDateFormat,
                       depth + 1);
            }
            break;
        case 'H': {
            int hour = parts_.Hour;
            if (TwelveHourClockAt(pattern, pos + count)) {
                hour = hour % 12 == 0 ? 12 : hour % 12;
            }
            AppendNumber(out_, hour, count == 1 ? 1 : 2);
            break;
        }
        case 'N':
            AppendNumber(out_, parts_.Minute, count == 1 ? 1 : 2);
            break;
        case 'S':
            AppendNumber(out_, parts_.Second, count == 1 ? 1 : 2);
            break;
        case 'Z':
            AppendNumber(out_, parts_.Millisecond, count < 3 ? 1 : 3);
            break;
        case 'T':
            Append(count == 1 ? settings_.ShortTimeFormat : settings_.LongTimeFormat, depth + 1);
            break;
        case 'C':
            Append(settings_.ShortDateFormat, depth + 1);
            if (!IsMidnight()) {
                out_ += ' ';
                Append(settings_.LongTimeFormat, depth + 1);
            }
            break;
        case 'A':
            count = AppendAmPm(pattern, pos);
            if (count == 0) {
                out_ += c;
                count = 1;
            }
            break;
        case '"':
        case '\'': {
            const std::size_t close = pattern.find(c, pos + 1);
            const std::size_t end = close == std::string_view::npos ? pattern.size() : close;
            out_.append(pattern.substr(pos + 1, end - pos - 1));
            count = end + 1 - pos;
            break;
        }
        case '/':
            out_ += settings_.DateSeparator;
            break;
        case ':':
            out_ += settings_.TimeSeparator;
            break;
        default:
            out_.append(pattern.substr(pos, count));
            break;
        }
        pos += count;
    }
}

} // namespace

std::optional<TDateTime> EncodeDateTime(int year, int month, int day, int hour, int minute,
                                        int second, int millisecond) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
        day > DaysInMonth(year, month) || hour < 0 || hour > 23 || minute < 0 || minute > 59 ||
        second < 0 || second > 59 || millisecond < 0 || millisecond > 999) {
        return std::nullopt;
    }
    const auto days = static_cast<double>(DaysFromCivil(year, month, day) + kUnixEpochDay);
    const double time =
        static_cast<double>(((hour * 60 + minute) * 60 + second) * 1000 + millisecond) /
        static_cast<double>(kMsPerDay);
    // Before 30 December 1899 the number is negative but its fraction is still
    // the time of day: 29 December 1899, 6:00 is -1.25.
    return days < 0 ? days - time : days + time;
}

TDateTimeParts DecodeDateTime(TDateTime value) {
    if (!std::isfinite(value) || std::trunc(value) < static_cast<double>(kFirstDay) ||
        std::trunc(value) > static_cast<double>(kLastDay)) {
        FailRange(value);
    }
    auto day = static_cast<std::int64_t>(std::trunc(value));
    auto ms = static_cast<std::int64_t>(
        std::llround(std::fabs(value - std::trunc(value)) * static_cast<double>(kMsPerDay)));
    if (ms == kMsPerDay) {
        // Rounded up to the next midnight, which lies further from day 0; at
        // the ends of the calendar the last millisecond of the day stays.
        const std::int64_t next = day + (value < 0 ? -1 : 1);
        if (next < kFirstDay || next > kLastDay) {
            ms = kMsPerDay - 1;
        } else {
            ms = 0;
            day = next;
        }
    }
    TDateTimeParts parts;
    CivilFromDays(day - kUnixEpochDay, parts);
    parts.Hour = static_cast<int>(ms / 3600000);
    parts.Minute = static_cast<int>(ms / 60000 % 60);
    parts.Second = static_cast<int>(ms / 1000 % 60);
    parts.Millisecond = static_cast<int>(ms % 1000);
    parts.DayOfWeek = static_cast<int>(((day + 6) % 7 + 7) % 7); // day 0 was a Saturday
    return parts;
}

TDateTime Now() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch() %
                                                                          std::chrono::seconds(1))
                        .count();
    return EncodeDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                          local.tm_min, std::min(local.tm_sec, 59), static_cast<int>(ms))
        .value_or(0);
}

std::string FormatDateTime(std::string_view pattern, TDateTime value,
                           const TFormatSettings& settings) {
    TDateFormatter formatter(value, settings);
    formatter.Append(pattern.empty() ? "c" : pattern, 0);
    return formatter.Take();
}
