#pragma once
// Date-times as day numbers: whole days since 30 December 1899, the time of
// day as the fraction. Formatting by pattern follows the classic letters
// (d dd ddd dddd ddddd dddddd m mm mmm mmmm yy yyyy h hh n nn s ss z zzz t tt
// c am/pm AM/PM a/p "..." '...'), m after h or hh meaning minutes.
#include "text/FormatSettings.h"

#include <optional>
#include <string>
#include <string_view>

using TDateTime = double;

struct TDateTimeParts {
    int Year = 1899, Month = 12, Day = 30;
    int Hour = 0, Minute = 0, Second = 0, Millisecond = 0;
    int DayOfWeek = 6; // 0 Sunday ... 6 Saturday
};

// Day number of a calendar date and time; nothing for an impossible date.
std::optional<TDateTime> EncodeDateTime(int year, int month, int day, int hour = 0,
                                        int minute = 0, int second = 0, int millisecond = 0);

// Calendar date and time of a day number (the time rounded to milliseconds).
TDateTimeParts DecodeDateTime(TDateTime value);

// The current local date and time.
TDateTime Now();

// The value formatted by pattern; an empty pattern means "c".
std::string FormatDateTime(std::string_view pattern, TDateTime value,
                           const TFormatSettings& settings = AppFormatSettings());
