#pragma once

#include "Variant.h"

namespace vb {

// A calendar date and time of day, as the parts of a Date value.
struct DateParts {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
    friend bool operator==(const DateParts&, const DateParts&) = default;
};

// Dates before 12/30/1899 keep the platform's encoding: the whole days count back from it while the fraction still
// counts the time of day forward, so -1.25 is 12/29/1899 6:00 AM.
Date MakeDate(const DateParts& parts);
DateParts SplitDate(Date date);

// Days since 1/1/1970 for a proleptic Gregorian date, and back.
long long DaysFromCivil(int year, int month, int day);
void CivilFromDays(long long days, int& year, int& month, int& day);
int DaysInMonth(int year, int month);

} // namespace vb
