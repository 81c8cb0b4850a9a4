#pragma once

#include "Variant.h"

#include <string_view>

namespace vb {

// Days of the week as the runtime numbers them; 0 means the workstation's first day, which is Sunday.
constexpr int vbUseSystemDayOfWeek = 0;
constexpr int vbSunday = 1;
constexpr int vbMonday = 2;
constexpr int vbTuesday = 3;
constexpr int vbWednesday = 4;
constexpr int vbThursday = 5;
constexpr int vbFriday = 6;
constexpr int vbSaturday = 7;

// Intervals are the runtime's: "yyyy" year, "q" quarter, "m" month, "y" day of year, "d" day, "w" weekday,
// "ww" week, "h" hour, "n" minute, "s" second. Date arguments take a Date or anything CDate reads.

// Adds whole intervals (number is rounded to a whole number); adding months keeps the day when the month has it and
// takes the month's last day otherwise (1/31 + 1 month is 2/29 in a leap year).
Date DateAdd(std::string_view interval, double number, const Variant& date);
// Counts the interval boundaries crossed from date1 to date2: 10:00:59 to 10:01:00 is one minute, 12/31 to 1/1 one
// year. "w" counts whole weeks of seven days, "ww" the Sundays (or firstDayOfWeek) crossed.
long long DateDiff(std::string_view interval, const Variant& date1, const Variant& date2,
                   int firstDayOfWeek = vbSunday);
// One part of a date; "w" is the weekday, "ww" the week of the year counted from the week of January 1.
int DatePart(std::string_view interval, const Variant& date, int firstDayOfWeek = vbSunday);
// 1 for firstDayOfWeek (Sunday unless given) to 7.
int Weekday(const Variant& date, int firstDayOfWeek = vbSunday);

// Month and day beyond their range carry over (month 13 is January of the next year, day 0 the last day of the
// month before); years 0 to 29 mean 2000 to 2029 and 30 to 99 mean 1930 to 1999.
Date DateSerial(int year, int month, int day);
// A time on day zero; hours, minutes and seconds beyond their range carry over.
Date TimeSerial(int hour, int minute, int second);
// The date alone and the time alone (on day zero) of a value.
Date DateValue(const Variant& date);
Date TimeValue(const Variant& date);

int Year(const Variant& date);
int Month(const Variant& date);
int Day(const Variant& date);
int Hour(const Variant& date);
int Minute(const Variant& date);
int Second(const Variant& date);

} // namespace vb
