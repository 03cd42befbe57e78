#pragma once
// Process-wide conventions for numbers and dates. Two records exist: the one
// every window and the report engine format with, and the one the
// expression evaluator uses. Both start with the program's values (decimal
// comma, no thousands separator, genitive months) before anything else runs.
#include <array>
#include <string>

struct TFormatSettings {
    char DecimalSeparator = ',';
    char ThousandSeparator = '\0'; // '\0': numbers are not grouped
    int CurrencyDecimals = 2;
    std::string CurrencyString = "р."; // after the amount: "12,00 р."
    char DateSeparator = '.';
    char TimeSeparator = ':';
    std::string ShortDateFormat = "dd.MM.yyyy";
    std::string LongDateFormat = "d MMMM yyyy";
    std::string ShortTimeFormat = "h:mm";
    std::string LongTimeFormat = "h:mm:ss";
    std::string TimeAMString = "AM";
    std::string TimePMString = "PM";
    std::array<std::string, 12> ShortMonthNames; // January first
    std::array<std::string, 12> LongMonthNames;  // genitive: "января" ...
    std::array<std::string, 7> ShortDayNames;    // Sunday first
    std::array<std::string, 7> LongDayNames;     // Sunday first: "Воскресенье" ...
};

// The conventions the program formats with.
TFormatSettings& AppFormatSettings();

// The conventions of the template expression evaluator.
TFormatSettings& ExprFormatSettings();

// Sets both records to the start-up values.
void InitFormatSettings();

// What the main window's creation adds at run time: digits grouped by a
// blank, in the program's formats and in the "n" conversions of templates.
void ApplyMainWindowFormatSettings();
