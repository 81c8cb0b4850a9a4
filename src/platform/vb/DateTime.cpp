#include "DateTime.h"

#include "Conversions.h"
#include "DateText.h"
#include "Utf8.h"
#include "VbError.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace vb {

namespace {

enum class Interval { Year, Quarter, Month, DayOfYear, Day, Weekday, Week, Hour, Minute, Second };

constexpr long long kSecondsPerDay = 86400;

Interval IntervalOf(std::string_view text) {
    struct Named {
        std::string_view name;
        Interval interval;
    };
    static constexpr Named kIntervals[] = {
        {"yyyy", Interval::Year}, {"q", Interval::Quarter}, {"m", Interval::Month}, {"y", Interval::DayOfYear},
        {"d", Interval::Day},     {"w", Interval::Weekday}, {"ww", Interval::Week}, {"h", Interval::Hour},
        {"n", Interval::Minute},  {"s", Interval::Second},
    };
    const std::string lower = AsciiLower(text);
    for (const Named& named : kIntervals) {
        if (lower == named.name)
            return named.interval;
    }
    RaiseInvalidProcedureCall();
}

long long FloorDiv(long long a, long long b) { return a / b - ((a % b != 0 && (a < 0) != (b < 0)) ? 1 : 0); }

// A date as a day number (days since 12/30/1899 on the calendar) and the whole second of that day.
struct Moment {
    long long day = 0;
    long long second = 0;
    long long TotalSeconds() const { return day * kSecondsPerDay + second; }
};

long long DayNumber(int year, int month, int day) {
    return DaysFromCivil(year, month, day) - DaysFromCivil(1899, 12, 30);
}

Moment MomentOf(const DateParts& p) {
    return {DayNumber(p.year, p.month, p.day), p.hour * 3600LL + p.minute * 60LL + p.second};
}

Date DateOfSeconds(long long totalSeconds) {
    const long long day = FloorDiv(totalSeconds, kSecondsPerDay);
    const long long second = totalSeconds - day * kSecondsPerDay;
    DateParts p;
    CivilFromDays(day + DaysFromCivil(1899, 12, 30), p.year, p.month, p.day);
    p.hour = static_cast<int>(second / 3600);
    p.minute = static_cast<int>(second / 60 % 60);
    p.second = static_cast<int>(second % 60);
    return MakeDate(p);
}

// About 10,000 years in seconds: beyond every valid date, and small enough that a count of weeks times the seconds
// of a week stays inside 64 bits.
constexpr long long kSecondsLimit = 400000000000LL;

Date CheckedDateOfSeconds(long long totalSeconds) {
    if (totalSeconds < -kSecondsLimit || totalSeconds > kSecondsLimit)
        RaiseInvalidProcedureCall();
    const Date date = DateOfSeconds(totalSeconds);
    if (!IsInDateRange(date.serial))
        RaiseInvalidProcedureCall();
    return date;
}

// 1 for Sunday ... 7 for Saturday, shifted so that firstDayOfWeek is 1.
int WeekdayOfDay(long long dayNumber, int firstDayOfWeek) {
    if (firstDayOfWeek < 0 || firstDayOfWeek > 7)
        RaiseInvalidProcedureCall();
    if (firstDayOfWeek == vbUseSystemDayOfWeek)
        firstDayOfWeek = vbSunday;
    // Day 0, 12/30/1899, was a Saturday.
    const long long sundayBased = ((dayNumber + 6) % 7 + 7) % 7 + 1;
    return static_cast<int>((sundayBased - firstDayOfWeek + 7) % 7 + 1);
}

long long WeekStart(long long dayNumber, int firstDayOfWeek) {
    return dayNumber - (WeekdayOfDay(dayNumber, firstDayOfWeek) - 1);
}

long long MonthIndex(const DateParts& p) { return p.year * 12LL + p.month - 1; }
long long QuarterIndex(const DateParts& p) { return p.year * 4LL + (p.month - 1) / 3; }

DateParts PartsOf(const Variant& date) { return DatePartsOf(CDate(date)); }

Date AddMonths(const DateParts& start, long long months) {
    if (months < -200000 || months > 200000)
        RaiseInvalidProcedureCall();
    const long long index = MonthIndex(start) + months;
    DateParts p = start;
    p.year = static_cast<int>(FloorDiv(index, 12));
    p.month = static_cast<int>(index - p.year * 12LL) + 1;
    if (p.year < 100 || p.year > 9999)
        RaiseInvalidProcedureCall();
    p.day = std::min(p.day, DaysInMonth(p.year, p.month));
    return MakeDate(p);
}

long long WholeCount(double number) {
    const double rounded = RoundHalfEven(number);
    if (!(std::fabs(rounded) <= static_cast<double>(kSecondsLimit)))
        RaiseInvalidProcedureCall();
    return static_cast<long long>(rounded);
}

} // namespace

Date DateAdd(std::string_view interval, double number, const Variant& date) {
    const Interval unit = IntervalOf(interval);
    const DateParts start = PartsOf(date);
    const long long count = WholeCount(number);
    const long long seconds = MomentOf(start).TotalSeconds();
    switch (unit) {
    case Interval::Year:
        return AddMonths(start, count * 12);
    case Interval::Quarter:
        return AddMonths(start, count * 3);
    case Interval::Month:
        return AddMonths(start, count);
    case Interval::DayOfYear:
    case Interval::Day:
    case Interval::Weekday:
        return CheckedDateOfSeconds(seconds + count * kSecondsPerDay);
    case Interval::Week:
        return CheckedDateOfSeconds(seconds + count * 7 * kSecondsPerDay);
    case Interval::Hour:
        return CheckedDateOfSeconds(seconds + count * 3600);
    case Interval::Minute:
        return CheckedDateOfSeconds(seconds + count * 60);
    case Interval::Second:
        return CheckedDateOfSeconds(seconds + count);
    }
    RaiseInvalidProcedureCall();
}

long long DateDiff(std::string_view interval, const Variant& date1, const Variant& date2, int firstDayOfWeek) {
    const Interval unit = IntervalOf(interval);
    const DateParts p1 = PartsOf(date1);
    const DateParts p2 = PartsOf(date2);
    const Moment m1 = MomentOf(p1);
    const Moment m2 = MomentOf(p2);
    switch (unit) {
    case Interval::Year:
        return p2.year - p1.year;
    case Interval::Quarter:
        return QuarterIndex(p2) - QuarterIndex(p1);
    case Interval::Month:
        return MonthIndex(p2) - MonthIndex(p1);
    case Interval::DayOfYear:
    case Interval::Day:
        return m2.day - m1.day;
    case Interval::Weekday:
        return (m2.day - m1.day) / 7;
    case Interval::Week:
        return (WeekStart(m2.day, firstDayOfWeek) - WeekStart(m1.day, firstDayOfWeek)) / 7;
    case Interval::Hour:
        return FloorDiv(m2.TotalSeconds(), 3600) - FloorDiv(m1.TotalSeconds(), 3600);
    case Interval::Minute:
        return FloorDiv(m2.TotalSeconds(), 60) - FloorDiv(m1.TotalSeconds(), 60);
    case Interval::Second:
        return m2.TotalSeconds() - m1.TotalSeconds();
    }
    RaiseInvalidProcedureCall();
}

int DatePart(std::string_view interval, const Variant& date, int firstDayOfWeek) {
    const Interval unit = IntervalOf(interval);
    const DateParts p = PartsOf(date);
    const long long day = MomentOf(p).day;
    switch (unit) {
    case Interval::Year:
        return p.year;
    case Interval::Quarter:
        return (p.month - 1) / 3 + 1;
    case Interval::Month:
        return p.month;
    case Interval::DayOfYear:
        return static_cast<int>(day - DayNumber(p.year, 1, 1)) + 1;
    case Interval::Day:
        return p.day;
    case Interval::Weekday:
        return WeekdayOfDay(day, firstDayOfWeek);
    case Interval::Week:
        return static_cast<int>((WeekStart(day, firstDayOfWeek) - WeekStart(DayNumber(p.year, 1, 1), firstDayOfWeek)) /
                                7) +
               1;
    case Interval::Hour:
        return p.hour;
    case Interval::Minute:
        return p.minute;
    case Interval::Second:
        return p.second;
    }
    RaiseInvalidProcedureCall();
}

int Weekday(const Variant& date, int firstDayOfWeek) {
    return WeekdayOfDay(MomentOf(PartsOf(date)).day, firstDayOfWeek);
}

Date DateSerial(int year, int month, int day) {
    if (year >= 0 && year < 30)
        year += 2000;
    else if (year >= 30 && year < 100)
        year += 1900;
    const long long monthIndex = year * 12LL + month - 1LL;
    const long long fullYear = FloorDiv(monthIndex, 12);
    if (fullYear < 100 || fullYear > 9999)
        RaiseInvalidProcedureCall();
    const int firstMonth = static_cast<int>(monthIndex - fullYear * 12) + 1;
    const long long dayNumber = DayNumber(static_cast<int>(fullYear), firstMonth, 1) + day - 1LL;
    return CheckedDateOfSeconds(dayNumber * kSecondsPerDay);
}

Date TimeSerial(int hour, int minute, int second) {
    return CheckedDateOfSeconds(hour * 3600LL + minute * 60LL + second);
}

Date DateValue(const Variant& date) {
    DateParts p = PartsOf(date);
    p.hour = p.minute = p.second = 0;
    return MakeDate(p);
}

Date TimeValue(const Variant& date) {
    const DateParts p = PartsOf(date);
    return TimeSerial(p.hour, p.minute, p.second);
}

int Year(const Variant& date) { return PartsOf(date).year; }
int Month(const Variant& date) { return PartsOf(date).month; }
int Day(const Variant& date) { return PartsOf(date).day; }
int Hour(const Variant& date) { return PartsOf(date).hour; }
int Minute(const Variant& date) { return PartsOf(date).minute; }
int Second(const Variant& date) { return PartsOf(date).second; }

} // namespace vb
