#include "DateText.h"

#include "VbError.h"

#include <cmath>

namespace vb {

namespace {

// Reads the date and time texts left to right.
class DateReader {
public:
    explicit DateReader(std::string_view text) : text(text) {}

    std::optional<Date> Read() {
        SkipBlanks();
        if (AtEnd())
            return std::nullopt;
        const bool hasDate = StartsWithDate();
        DateParts parts;
        bool iso = false;
        if (hasDate) {
            if (!ReadDate(parts, iso))
                return std::nullopt;
            const std::size_t beforeBlanks = pos;
            SkipBlanks();
            if (AtEnd())
                return MakeDate(parts);
            if (pos == beforeBlanks && iso && text[pos] == 'T')
                ++pos;
            else if (pos == beforeBlanks)
                return std::nullopt;
        }
        double fraction = 0;
        if (!ReadTime(parts, fraction))
            return std::nullopt;
        SkipBlanks();
        if (!AtEnd())
            return std::nullopt;
        const Date whole = MakeDate(parts);
        const Date date{whole.serial + (whole.serial < 0 ? -fraction : fraction) / 86400.0};
        if (!IsInDateRange(date.serial))
            return std::nullopt;
        return date;
    }

private:
    bool AtEnd() const { return pos >= text.size(); }

    bool StartsWithDate() const {
        if (IsLetter(text[pos]))
            return true;
        const std::size_t end = text.find_first_not_of("0123456789", pos);
        return end != pos && end != std::string_view::npos &&
               (text[end] == '/' || text[end] == '-' || (text[end] == ' ' && StartsWithDayAndMonthName()));
    }

    // "5 Jan 2024": the day, blanks, then a letter.
    bool StartsWithDayAndMonthName() const {
        const std::size_t word = text.find_first_not_of("0123456789 ", pos);
        return word != std::string_view::npos && IsLetter(text[word]);
    }

    static bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

    void SkipBlanks() {
        while (!AtEnd() && text[pos] == ' ')
            ++pos;
    }

    int Number(int maxDigits, int& digits) {
        int value = 0;
        digits = 0;
        while (!AtEnd() && text[pos] >= '0' && text[pos] <= '9' && digits < maxDigits + 1) {
            value = value * 10 + (text[pos++] - '0');
            ++digits;
        }
        if (digits > maxDigits)
            digits = 0;
        return value;
    }

    bool Expect(char c) {
        if (AtEnd() || text[pos] != c)
            return false;
        ++pos;
        return true;
    }

    bool ReadDate(DateParts& parts, bool& iso) {
        if (IsLetter(text[pos]))
            return ReadMonthFirst(parts);
        int digits1 = 0, digits2 = 0, digits3 = 0;
        const int first = Number(4, digits1);
        if (digits1 == 0)
            return false;
        const char separator = text[pos];
        if (separator == ' ' || IsLetterAt(pos + 1))
            return ReadDayFirst(first, digits1, parts);
        ++pos;
        const int second = Number(2, digits2);
        if (digits2 == 0 || !Expect(separator))
            return false;
        const int third = Number(4, digits3);
        if (digits1 == 4) {
            if (digits3 == 0 || digits3 > 2)
                return false;
            parts.year = first, parts.month = second, parts.day = third;
            iso = separator == '-';
        } else {
            if (digits1 > 2 || digits3 == 0 || digits3 == 3)
                return false;
            parts.month = first, parts.day = second;
            parts.year = FullYear(third, digits3);
        }
        return IsValidDay(parts);
    }

    // "Jan 5, 2024", "January 5 2024", and the server's "Jan  5 2024".
    bool ReadMonthFirst(DateParts& parts) {
        parts.month = MonthName();
        if (parts.month == 0 || !SkipAtLeastOneBlank())
            return false;
        int dayDigits = 0;
        parts.day = Number(2, dayDigits);
        if (dayDigits == 0)
            return false;
        const bool comma = Expect(',');
        if (!SkipAtLeastOneBlank() && !comma)
            return false;
        return ReadYear(parts);
    }

    // "5-Jan-2024", "5/Jan/2024", "5 Jan 2024": the day is known to be first only because the month is a name.
    bool ReadDayFirst(int day, int dayDigits, DateParts& parts) {
        if (dayDigits > 2)
            return false;
        parts.day = day;
        const char separator = text[pos];
        if (separator == ' ')
            SkipBlanks();
        else if (separator == '-' || separator == '/')
            ++pos;
        else
            return false;
        parts.month = MonthName();
        if (parts.month == 0)
            return false;
        if (separator == ' ' ? !SkipAtLeastOneBlank() : !Expect(separator))
            return false;
        return ReadYear(parts);
    }

    bool ReadYear(DateParts& parts) {
        int digits = 0;
        const int year = Number(4, digits);
        if (digits == 0 || digits == 3)
            return false;
        parts.year = FullYear(year, digits);
        return IsValidDay(parts);
    }

    // The month's English name, whole or its first three letters, in any case; 0 when the word is none.
    int MonthName() {
        static constexpr std::string_view kNames[] = {"january",   "february", "march",    "april",
                                                      "may",       "june",     "july",     "august",
                                                      "september", "october",  "november", "december"};
        std::string word;
        while (!AtEnd() && IsLetter(text[pos]))
            word += static_cast<char>(text[pos++] | 0x20);
        if (word.size() < 3)
            return 0;
        for (int month = 1; month <= 12; ++month) {
            const std::string_view name = kNames[month - 1];
            if (word == name || word == name.substr(0, 3))
                return month;
        }
        return 0;
    }

    bool IsLetterAt(std::size_t at) const { return at < text.size() && IsLetter(text[at]); }

    bool SkipAtLeastOneBlank() {
        const std::size_t before = pos;
        SkipBlanks();
        return pos != before;
    }

    static int FullYear(int year, int digits) { return digits == 4 ? year : (year < 30 ? 2000 + year : 1900 + year); }

    static bool IsValidDay(const DateParts& parts) {
        return parts.year >= 100 && parts.month >= 1 && parts.month <= 12 && parts.day >= 1 &&
               parts.day <= DaysInMonth(parts.year, parts.month);
    }

    bool ReadTime(DateParts& parts, double& fraction) {
        int digits = 0;
        parts.hour = Number(2, digits);
        if (digits == 0 || !Expect(':'))
            return false;
        parts.minute = Number(2, digits);
        if (digits == 0)
            return false;
        if (Expect(':')) {
            parts.second = Number(2, digits);
            if (digits == 0)
                return false;
            if (Expect('.'))
                fraction = Fraction();
        }
        if (parts.minute > 59 || parts.second > 59)
            return false;
        SkipBlanks();
        return ReadHalfOfDay(parts.hour);
    }

    double Fraction() {
        double value = 0, scale = 0.1;
        while (!AtEnd() && text[pos] >= '0' && text[pos] <= '9') {
            value += (text[pos++] - '0') * scale;
            scale /= 10;
        }
        return value;
    }

    bool ReadHalfOfDay(int& hour) {
        const std::string_view rest = text.substr(pos);
        const bool am = rest.size() >= 2 && (rest[0] == 'A' || rest[0] == 'a') && (rest[1] == 'M' || rest[1] == 'm');
        const bool pm = rest.size() >= 2 && (rest[0] == 'P' || rest[0] == 'p') && (rest[1] == 'M' || rest[1] == 'm');
        if (!am && !pm)
            return hour <= 23;
        pos += 2;
        if (hour < 1 || hour > 12)
            return false;
        hour = hour % 12 + (pm ? 12 : 0);
        return true;
    }

    std::string_view text;
    std::size_t pos = 0;
};

std::string TwoDigits(int value) { return (value < 10 ? "0" : "") + std::to_string(value); }

} // namespace

bool IsInDateRange(double serial) {
    constexpr double halfSecond = 0.5 / 86400;
    // -657434 is 1/1/100; its times count down to -657435 (exclusive).
    return serial > -657435.0 + halfSecond && serial < 2958466.0 - halfSecond;
}

DateParts DatePartsOf(Date date) {
    if (!IsInDateRange(date.serial))
        RaiseOverflow();
    return SplitDate(date);
}

std::optional<Date> ReadDateText(std::string_view text) { return DateReader(text).Read(); }

std::string DateText(Date date) {
    const DateParts p = DatePartsOf(date);
    std::string year = std::to_string(p.year);
    year.insert(0, year.size() < 4 ? 4 - year.size() : 0, '0');
    const std::string dateText = std::to_string(p.month) + "/" + std::to_string(p.day) + "/" + year;
    const int hour12 = p.hour % 12 == 0 ? 12 : p.hour % 12;
    const std::string timeText =
        std::to_string(hour12) + ":" + TwoDigits(p.minute) + ":" + TwoDigits(p.second) + (p.hour < 12 ? " AM" : " PM");
    const bool dayZero = p.year == 1899 && p.month == 12 && p.day == 30;
    if (dayZero)
        return timeText;
    if (p.hour == 0 && p.minute == 0 && p.second == 0)
        return dateText;
    return dateText + " " + timeText;
}

} // namespace vb
