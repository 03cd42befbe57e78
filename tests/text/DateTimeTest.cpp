#include "text/DateTime.h"

#include "text/Errors.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TDateTime Date(int year, int month, int day, int hour = 0, int minute = 0, int second = 0,
               int ms = 0) {
    return EncodeDateTime(year, month, day, hour, minute, second, ms).value();
}

} // namespace

TEST(DateTime, CountsDaysFromTheEndOf1899) {
    EXPECT_EQ(Date(1899, 12, 30), 0.0);
    EXPECT_EQ(Date(1900, 1, 1), 2.0);
    EXPECT_EQ(Date(2017, 3, 1), 42795.0);
    EXPECT_EQ(Date(2017, 3, 1, 12), 42795.5);
    EXPECT_EQ(Date(1, 1, 1), -693593.0);
    EXPECT_EQ(Date(9999, 12, 31), 2958465.0);
    EXPECT_EQ(Date(2000, 2, 29), 36585.0);
}

TEST(DateTime, KeepsTheTimeAsAPositiveFractionBefore1899) {
    EXPECT_EQ(Date(1899, 12, 29, 6), -1.25);
    const TDateTimeParts parts = DecodeDateTime(-1.25);
    EXPECT_EQ(parts.Day, 29);
    EXPECT_EQ(parts.Hour, 6);
    EXPECT_EQ(DecodeDateTime(-0.25).Day, 30);
    EXPECT_EQ(DecodeDateTime(-0.25).Hour, 6);
}

TEST(DateTime, RefusesImpossibleDates) {
    EXPECT_FALSE(EncodeDateTime(2017, 2, 29));
    EXPECT_FALSE(EncodeDateTime(1900, 2, 29));
    EXPECT_FALSE(EncodeDateTime(2017, 13, 1));
    EXPECT_FALSE(EncodeDateTime(2017, 4, 31));
    EXPECT_FALSE(EncodeDateTime(0, 1, 1));
    EXPECT_FALSE(EncodeDateTime(10000, 1, 1));
    EXPECT_FALSE(EncodeDateTime(2017, 1, 1, 24));
    EXPECT_FALSE(EncodeDateTime(2017, 1, 1, 0, 60));
    EXPECT_FALSE(EncodeDateTime(2017, 1, 1, 0, 0, 0, 1000));
    EXPECT_FALSE(EncodeDateTime(2017, 1, 1, -1));
    for (const double value : {std::nan(""), HUGE_VAL, 1e20, -693594.0, 2958466.0}) {
        EXPECT_THROW(DecodeDateTime(value), EConvertError) << value;
        EXPECT_THROW(FormatDateTime("dd", value), EConvertError) << value;
    }
}

TEST(DateTime, DecodesEveryPartAndRoundsToMilliseconds) {
    const TDateTimeParts parts = DecodeDateTime(Date(2024, 2, 29, 23, 59, 58, 999));
    EXPECT_EQ(parts.Year, 2024);
    EXPECT_EQ(parts.Month, 2);
    EXPECT_EQ(parts.Day, 29);
    EXPECT_EQ(parts.Hour, 23);
    EXPECT_EQ(parts.Minute, 59);
    EXPECT_EQ(parts.Second, 58);
    EXPECT_EQ(parts.Millisecond, 999);
    EXPECT_EQ(parts.DayOfWeek, 4); // Thursday
    // A hair before midnight is the next day, not hour 24.
    const TDateTimeParts next = DecodeDateTime(Date(2017, 3, 1) - 1e-10);
    EXPECT_EQ(next.Day, 1);
    EXPECT_EQ(next.Hour, 0);
    EXPECT_EQ(DecodeDateTime(Date(2017, 3, 2) - 1e-10).Day, 2);
    const TDateTimeParts last = DecodeDateTime(std::nextafter(2958466.0, 0.0));
    EXPECT_EQ(last.Year, 9999);
    EXPECT_EQ(last.Millisecond, 999);
}

TEST(DateTime, NowIsToday) {
    const TDateTime now = Now();
    EXPECT_GT(now, Date(2020, 1, 1));
    EXPECT_LT(now, Date(2200, 1, 1));
}

TEST(FormatDateTime, WritesDatesWithGenitiveMonths) {
    const TDateTime date = Date(2017, 3, 1, 12);
    EXPECT_EQ(FormatDateTime("d mmmm yyyy", date), "1 марта 2017");
    EXPECT_EQ(FormatDateTime("dd.mm.yyyy   t", date), "01.03.2017   12:00");
    EXPECT_EQ(FormatDateTime("ddddd", date), "01.03.2017");
    EXPECT_EQ(FormatDateTime("dddddd", date), "1 марта 2017");
    EXPECT_EQ(FormatDateTime("DD.MM.YY", date), "01.03.17");
    EXPECT_EQ(FormatDateTime("d.m.y mmm", date), "1.3.17 мар");
    EXPECT_EQ(FormatDateTime("dddd, ddd", date), "Среда, Ср");
    EXPECT_EQ(FormatDateTime("yyyy", Date(5, 1, 1)), "0005");
}

TEST(FormatDateTime, ReadsMAfterHoursAsMinutes) {
    const TDateTime time = Date(2017, 3, 1, 9, 5, 7, 45);
    EXPECT_EQ(FormatDateTime("h:m:s", time), "9:5:7");
    EXPECT_EQ(FormatDateTime("hh:mm:ss.zzz", time), "09:05:07.045");
    EXPECT_EQ(FormatDateTime("hh:nn z", time), "09:05 45");
    EXPECT_EQ(FormatDateTime("hh' ч 'mm", time), "09 ч 05");
    EXPECT_EQ(FormatDateTime("hh d mm", time), "09 1 03"); // a day between: month again
    EXPECT_EQ(FormatDateTime("mm hh", time), "03 09");
    EXPECT_EQ(FormatDateTime("t | tt", time), "9:05 | 9:05:07");
}

TEST(FormatDateTime, WritesTheTwelveHourClock) {
    const TDateTime evening = Date(2017, 3, 1, 21, 30);
    EXPECT_EQ(FormatDateTime("h:nn am/pm", evening), "9:30 pm");
    EXPECT_EQ(FormatDateTime("h:nn AM/PM", Date(2017, 3, 1, 0, 15)), "12:15 AM");
    EXPECT_EQ(FormatDateTime("hh a/p", Date(2017, 3, 1, 12)), "12 p");
    EXPECT_EQ(FormatDateTime("h ampm", evening), "9 PM");
    EXPECT_EQ(FormatDateTime("h \"am/pm\"", evening), "21 am/pm"); // quoted: no marker
    EXPECT_EQ(FormatDateTime("h:nn Дата", evening), "21:30 Дата");
}

TEST(FormatDateTime, WritesCAndLiteralsAndSeparators) {
    EXPECT_EQ(FormatDateTime("c", Date(2017, 3, 1)), "01.03.2017");
    EXPECT_EQ(FormatDateTime("", Date(2017, 3, 1, 8, 5, 3)), "01.03.2017 8:05:03");
    EXPECT_EQ(FormatDateTime("\"dd\" dd 'mm' mm", Date(2017, 3, 1)), "dd 01 mm 03");
    EXPECT_EQ(FormatDateTime("dd/mm hh:nn", Date(2017, 3, 1, 8, 5)), "01.03 08:05");
    EXPECT_EQ(FormatDateTime("dd 'не закрыто", Date(2017, 3, 1)), "01 не закрыто");
}

TEST(FormatDateTime, StopsSettingsPatternsThatNameThemselves) {
    TFormatSettings looping = AppFormatSettings();
    looping.ShortDateFormat = "dd.mm.yyyy (ddddd)";
    looping.LongTimeFormat = "hh:nn [tt]";
    // Each pattern is written out twice inside the call, the third time not.
    EXPECT_EQ(FormatDateTime("ddddd", Date(2017, 3, 1), looping), "01.03.2017 (01.03.2017 ())");
    EXPECT_EQ(FormatDateTime("tt", Date(2017, 3, 1, 9, 5), looping), "09:05 [09:05 []]");
    EXPECT_EQ(FormatDateTime("c", Date(2017, 3, 1, 9, 5), looping),
              "01.03.2017 (01.03.2017 ()) 09:05 [09:05 []]");
}
