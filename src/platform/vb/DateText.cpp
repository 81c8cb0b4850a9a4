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
        const std::size_t end = text.find_first_not_of("0123456789", pos);
        return end != pos && end != std::string_view::npos && (text[end] == '/' || text[end] == '-');
    }

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
        int digits1 = 0, digits2 = 0, digits3 = 0;
        const int first = Number(4, digits1);
        if (digits1 == 0)
            return false;
        const char separator = text[pos++];
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
            parts.year = digits3 == 4 ? third : (third < 30 ? 2000 + third : 1900 + third);
        }
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
