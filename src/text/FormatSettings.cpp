#include "text/FormatSettings.h"

namespace {

TFormatSettings MakeStartupSettings() {
    TFormatSettings s;
    s.LongMonthNames = {"января", "февраля", "марта",    "апреля",  "мая",    "июня",
                        "июля",   "августа", "сентября", "октября", "ноября", "декабря"};
    s.ShortMonthNames = {"янв", "фев", "мар", "апр", "май", "июн",
                         "июл", "авг", "сен", "окт", "ноя", "дек"};
    s.LongDayNames = {"Воскресенье", "Понедельник", "Вторник", "Среда",
                      "Четверг",     "Пятница",     "Суббота"};
    s.ShortDayNames = {"Вс", "Пн", "Вт", "Ср", "Чт", "Пт", "Сб"};
    return s;
}

} // namespace

TFormatSettings& AppFormatSettings() {
    static TFormatSettings settings = MakeStartupSettings();
    return settings;
}

TFormatSettings& ExprFormatSettings() {
    static TFormatSettings settings = MakeStartupSettings();
    return settings;
}

void InitFormatSettings() {
    AppFormatSettings() = MakeStartupSettings();
    ExprFormatSettings() = MakeStartupSettings();
}

void ApplyMainWindowFormatSettings() {
    TFormatSettings& s = AppFormatSettings();
    const TFormatSettings startup = MakeStartupSettings();
    s.LongMonthNames = startup.LongMonthNames;
    s.LongDayNames = startup.LongDayNames;
    s.DecimalSeparator = ',';
    s.ThousandSeparator = ' ';
    // Amounts a template prints with "n" are grouped as the windows show them.
    ExprFormatSettings().ThousandSeparator = ' ';
}
