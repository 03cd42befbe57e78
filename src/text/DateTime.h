#pragma once
// Date-times as day numbers: whole days since 30 December 1899, the time of
// day as the fraction. Before that day the number is negative and, by the
// classic convention, its fraction is still the time of day whatever the
// sign: 29 December 1899, 6:00 is -1.25 (so -0.25 is 30 December, 6:00).
// Years 1 to 9999 are dates; any other number is not.
//
// Formatting by pattern follows the classic letters, either case:
//   d dd        day, ddd dddd short and long day name, ddddd the short date,
//               dddddd the long date
//   m mm        month, mmm mmmm short and long (genitive) month name; right
//               after h or hh, m and mm are minutes
//   yy yyyy     year; h hh, n nn, s ss hours, minutes, seconds; z zzz ms
//   t tt        short and long time; c short date, then a blank and the long
//               time unless the time is exactly midnight
//   am/pm a/p   12-hour clock for the hours before, marker in the pattern's
//               case; ampm uses the settings' AM and PM texts
//   "..." '...' literal text; / and : the date and time separators
// Every other character is copied.
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
std::optional<TDateTime> EncodeDateTime(int year, int month, int day, int hour = 0, int minute = 0,
                                        int second = 0, int millisecond = 0);

// Calendar date and time of a day number (the time rounded to milliseconds).
// A number that is no date (NaN, outside years 1 to 9999) raises EConvertError.
TDateTimeParts DecodeDateTime(TDateTime value);

// The current local date and time.
TDateTime Now();

// The value formatted by pattern; an empty pattern means "c". Raises
// EConvertError as DecodeDateTime does.
std::string FormatDateTime(std::string_view pattern, TDateTime value,
                           const TFormatSettings& settings = AppFormatSettings());
