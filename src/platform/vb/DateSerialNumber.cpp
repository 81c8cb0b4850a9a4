#include "DateSerialNumber.h"

#include <cmath>

namespace vb {

namespace {

constexpr long long kEpochOffset = 25569; // days from 12/30/1899 to 1/1/1970
constexpr long long kSecondsPerDay = 86400;

} // namespace

long long DaysFromCivil(int year, int month, int day) {
    long long y = year - (month <= 2 ? 1 : 0);
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yearOfEra = y - era * 400;
    const long long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

void CivilFromDays(long long days, int& year, int& month, int& day) {
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long dayOfEra = days - era * 146097;
    const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long mp = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
}

int DaysInMonth(int year, int month) {
    const int nextYear = month == 12 ? year + 1 : year;
    const int nextMonth = month == 12 ? 1 : month + 1;
    return static_cast<int>(DaysFromCivil(nextYear, nextMonth, 1) - DaysFromCivil(year, month, 1));
}

Date MakeDate(const DateParts& parts) {
    const long long days = DaysFromCivil(parts.year, parts.month, parts.day) + kEpochOffset;
    const double time = (parts.hour * 3600.0 + parts.minute * 60.0 + parts.second) / kSecondsPerDay;
    return Date{days >= 0 ? days + time : days - time};
}

DateParts SplitDate(Date date) {
    double whole = std::trunc(date.serial);
    double fraction = std::fabs(date.serial - whole);
    long long seconds = std::llround(fraction * kSecondsPerDay);
    if (seconds >= kSecondsPerDay) {
        seconds -= kSecondsPerDay;
        whole += date.serial < 0 ? -1 : 1;
    }
    DateParts parts;
    CivilFromDays(static_cast<long long>(whole) - kEpochOffset, parts.year, parts.month, parts.day);
    parts.hour = static_cast<int>(seconds / 3600);
    parts.minute = static_cast<int>(seconds / 60 % 60);
    parts.second = static_cast<int>(seconds % 60);
    return parts;
}

} // namespace vb
