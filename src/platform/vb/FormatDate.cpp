#include "DateText.h"
#include "DateTime.h"
#include "Format.h"
#include "Utf8.h"

#include <vector>

namespace vb {

namespace {

enum class DateField {
    Literal,
    DayOfYear,
    Year2,
    Year4,
    Month,
    Month2,
    MonthAbbreviation,
    MonthName,
    Day,
    Day2,
    DayAbbreviation,
    DayName,
    ShortDate,
    LongDate,
    Hour,
    Hour2,
    Minute,
    Minute2,
    Second,
    Second2,
    HalfDay,
    Quarter,
    WeekdayNumber,
    WeekOfYear,
    GeneralDate,
    LongTime,
};

struct DateToken {
    DateField field = DateField::Literal;
    std::string text; // the literal, or how AM/PM is spelt
};

constexpr const char* kMonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                       "July",    "August",   "September", "October", "November", "December"};
constexpr const char* kDayNames[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

std::size_t RunLength(std::string_view pattern, std::size_t start) {
    std::size_t end = start;
    while (end < pattern.size() && Lower(pattern[end]) == Lower(pattern[start]))
        ++end;
    return end - start;
}

DateField FieldOfRun(char letter, std::size_t length) {
    switch (letter) {
    case 'd': {
        constexpr DateField days[] = {DateField::Day,     DateField::Day2,      DateField::DayAbbreviation,
                                      DateField::DayName, DateField::ShortDate, DateField::LongDate};
        return days[std::min<std::size_t>(length, 6) - 1];
    }
    case 'm': {
        constexpr DateField months[] = {DateField::Month, DateField::Month2, DateField::MonthAbbreviation,
                                        DateField::MonthName};
        return months[std::min<std::size_t>(length, 4) - 1];
    }
    case 'y':
        return length == 1 ? DateField::DayOfYear : (length < 4 ? DateField::Year2 : DateField::Year4);
    case 'h':
        return length == 1 ? DateField::Hour : DateField::Hour2;
    case 'n':
        return length == 1 ? DateField::Minute : DateField::Minute2;
    case 's':
        return length == 1 ? DateField::Second : DateField::Second2;
    case 'w':
        return length == 1 ? DateField::WeekdayNumber : DateField::WeekOfYear;
    case 'q':
        return DateField::Quarter;
    case 'c':
        return DateField::GeneralDate;
    default:
        return DateField::Literal;
    }
}

// The spelling of an AM/PM marker at the start of rest, or "" when there is none.
std::string_view HalfDayMarker(std::string_view rest) {
    for (std::string_view marker : {"am/pm", "a/p", "ampm"}) {
        if (rest.size() < marker.size())
            continue;
        bool same = true;
        for (std::size_t i = 0; i < marker.size(); ++i)
            same = same && Lower(rest[i]) == marker[i];
        if (same)
            return rest.substr(0, marker.size());
    }
    return {};
}

std::vector<DateToken> Tokenize(std::string_view pattern) {
    std::vector<DateToken> tokens;
    const auto literal = [&](std::string_view text) { tokens.push_back({DateField::Literal, std::string(text)}); };
    for (std::size_t i = 0; i < pattern.size();) {
        const char c = Lower(pattern[i]);
        if (c == '"') {
            const std::size_t end = std::min(pattern.find('"', i + 1), pattern.size());
            literal(pattern.substr(i + 1, end - i - 1));
            i = end + 1;
        } else if (c == '\\') {
            if (i + 1 < pattern.size())
                literal(pattern.substr(i + 1, 1));
            i += 2;
        } else if (const std::string_view marker = HalfDayMarker(pattern.substr(i)); !marker.empty()) {
            tokens.push_back({DateField::HalfDay, std::string(marker)});
            i += marker.size();
        } else if (c == 't' && RunLength(pattern, i) == 5) {
            tokens.push_back({DateField::LongTime, {}});
            i += 5;
        } else if (std::string_view("dmyhnswqc").find(c) != std::string_view::npos) {
            const std::size_t length = RunLength(pattern, i);
            if (c == 'y' && length == 3) {
                tokens.push_back({DateField::Year2, {}});
                tokens.push_back({DateField::DayOfYear, {}});
            } else {
                tokens.push_back({FieldOfRun(c, length), {}});
            }
            i += length;
        } else {
            literal(pattern.substr(i, 1));
            ++i;
        }
    }
    return tokens;
}

bool IsHourField(DateField f) { return f == DateField::Hour || f == DateField::Hour2; }
bool IsSecondField(DateField f) { return f == DateField::Second || f == DateField::Second2; }

// "m" and "mm" are the minute right after an hour or right before a second, literals between not counting.
void ResolveMinutes(std::vector<DateToken>& tokens) {
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i].field != DateField::Month && tokens[i].field != DateField::Month2)
            continue;
        bool minute = false;
        for (std::size_t j = i; j-- > 0;) {
            if (tokens[j].field != DateField::Literal) {
                minute = IsHourField(tokens[j].field);
                break;
            }
        }
        for (std::size_t j = i + 1; j < tokens.size() && !minute; ++j) {
            if (tokens[j].field != DateField::Literal) {
                minute = IsSecondField(tokens[j].field);
                break;
            }
        }
        if (minute)
            tokens[i].field = tokens[i].field == DateField::Month ? DateField::Minute : DateField::Minute2;
    }
}

std::string Padded(int value, std::size_t width) {
    std::string text = std::to_string(value);
    if (text.size() < width)
        text.insert(0, width - text.size(), '0');
    return text;
}

std::string HalfDayText(const std::string& spelling, bool afternoon) {
    if (AsciiLower(spelling) == "ampm")
        return afternoon ? "PM" : "AM";
    // "AM/PM" and "A/P" keep the case of the half they show.
    const std::size_t slash = spelling.find('/');
    return afternoon ? spelling.substr(slash + 1) : spelling.substr(0, slash);
}

std::string RenderToken(const DateToken& token, Date date, const DateParts& p, bool twelveHour) {
    const int hour = twelveHour ? (p.hour % 12 == 0 ? 12 : p.hour % 12) : p.hour;
    switch (token.field) {
    case DateField::Literal:
        return token.text;
    case DateField::DayOfYear:
        return std::to_string(DatePart("y", date));
    case DateField::Year2:
        return Padded(p.year % 100, 2);
    case DateField::Year4:
        return Padded(p.year, 4);
    case DateField::Month:
        return std::to_string(p.month);
    case DateField::Month2:
        return Padded(p.month, 2);
    case DateField::MonthAbbreviation:
        return std::string(kMonthNames[p.month - 1]).substr(0, 3);
    case DateField::MonthName:
        return kMonthNames[p.month - 1];
    case DateField::Day:
        return std::to_string(p.day);
    case DateField::Day2:
        return Padded(p.day, 2);
    case DateField::DayAbbreviation:
        return std::string(kDayNames[Weekday(date) - 1]).substr(0, 3);
    case DateField::DayName:
        return kDayNames[Weekday(date) - 1];
    case DateField::ShortDate:
        return FormatDate(date, "m/d/yyyy");
    case DateField::LongDate:
        return FormatDate(date, "dddd, mmmm dd, yyyy");
    case DateField::Hour:
        return std::to_string(hour);
    case DateField::Hour2:
        return Padded(hour, 2);
    case DateField::Minute:
        return std::to_string(p.minute);
    case DateField::Minute2:
        return Padded(p.minute, 2);
    case DateField::Second:
        return std::to_string(p.second);
    case DateField::Second2:
        return Padded(p.second, 2);
    case DateField::HalfDay:
        return HalfDayText(token.text, p.hour >= 12);
    case DateField::Quarter:
        return std::to_string((p.month - 1) / 3 + 1);
    case DateField::WeekdayNumber:
        return std::to_string(Weekday(date));
    case DateField::WeekOfYear:
        return std::to_string(DatePart("ww", date));
    case DateField::GeneralDate:
        return DateText(date);
    case DateField::LongTime:
        return FormatDate(date, "h:mm:ss AM/PM");
    }
    return {};
}

} // namespace

bool IsDatePattern(std::string_view pattern) {
    for (const DateToken& token : Tokenize(pattern)) {
        if (token.field != DateField::Literal)
            return true;
    }
    return false;
}

std::string FormatDate(Date date, std::string_view pattern) {
    const DateParts parts = DatePartsOf(date);
    std::vector<DateToken> tokens = Tokenize(pattern);
    ResolveMinutes(tokens);
    bool twelveHour = false;
    for (const DateToken& token : tokens)
        twelveHour = twelveHour || token.field == DateField::HalfDay;
    std::string out;
    for (const DateToken& token : tokens)
        out += RenderToken(token, date, parts, twelveHour);
    return out;
}

} // namespace vb
