#include "Format.h"

#include "Conversions.h"
#include "DateText.h"
#include "Decimal.h"
#include "Utf8.h"

#include <cmath>

namespace vb {

namespace {

// The pattern that a named format stands for; the pattern itself when it is not a name.
std::string_view ExpandNamed(std::string_view pattern) {
    struct Named {
        std::string_view name;
        std::string_view pattern;
    };
    static constexpr Named kNamed[] = {
        {"general date", "c"},
        {"long date", "dddd, mmmm dd, yyyy"},
        {"medium date", "dd-mmm-yy"},
        {"short date", "m/d/yyyy"},
        {"long time", "h:mm:ss AM/PM"},
        {"medium time", "hh:mm AM/PM"},
        {"short time", "hh:mm"},
        {"currency", "$#,##0.00;($#,##0.00)"},
        {"fixed", "0.00"},
        {"standard", "#,##0.00"},
        {"percent", "0.00%"},
    };
    const std::string lower = AsciiLower(pattern);
    for (const Named& named : kNamed) {
        if (lower == named.name)
            return named.pattern;
    }
    return pattern;
}

// The named number formats whose names would otherwise read as date letters.
bool IsNumberName(std::string_view pattern) {
    const std::string lower = AsciiLower(pattern);
    return lower == "general number" || lower == "yes/no" || lower == "true/false" || lower == "on/off";
}

// "Yes/No", "True/False" and "On/Off" answer for a number; nothing for any other pattern.
std::optional<std::string> TruthWords(std::string_view pattern, double number) {
    const std::string lower = AsciiLower(pattern);
    if (lower == "yes/no")
        return number != 0 ? "Yes" : "No";
    if (lower == "true/false")
        return number != 0 ? "True" : "False";
    if (lower == "on/off")
        return number != 0 ? "On" : "Off";
    return std::nullopt;
}

std::string FormatNumberAs(double number, std::string_view pattern, bool datePattern) {
    if (AsciiLower(pattern) == "general number")
        return NumberText(number, 15);
    if (const std::optional<std::string> words = TruthWords(pattern, number))
        return *words;
    if (!datePattern)
        return FormatNumber(number, pattern);
    if (!IsInDateRange(number))
        return NumberText(number, 15);
    return FormatDate(Date{number}, pattern);
}

std::string FormatDecimal(Decimal value, std::string_view pattern) {
    if (AsciiLower(pattern) == "general number")
        return DecimalText(value);
    if (const std::optional<std::string> words = TruthWords(pattern, value.units != 0 ? 1 : 0))
        return *words;
    return FormatNumber(DigitsOf(value), pattern);
}

std::string FormatText(const std::string& text, std::string_view pattern, bool datePattern) {
    if (text.empty())
        return "";
    if (datePattern) {
        if (const std::optional<Date> date = ReadDateText(text))
            return FormatDate(*date, pattern);
    }
    const std::optional<double> number = ReadNumber(text);
    if (!number || !std::isfinite(*number))
        return text;
    if (datePattern && !IsInDateRange(*number))
        return text;
    return FormatNumberAs(*number, pattern, datePattern);
}

} // namespace

std::string Format(const Variant& value, std::string_view pattern) {
    if (value.IsNull() || value.IsEmpty())
        return "";
    if (pattern.empty())
        return CStr(value);
    pattern = ExpandNamed(pattern);
    const bool datePattern = !IsNumberName(pattern) && IsDatePattern(pattern);
    if (value.IsString())
        return FormatText(value.AsString(), pattern, datePattern);
    if (value.IsDate() && datePattern)
        return FormatDate(value.AsDate(), pattern);
    if (value.Type() == VarType::Decimal && !datePattern)
        return FormatDecimal(value.AsDecimal(), pattern);
    return FormatNumberAs(CDbl(value), pattern, datePattern);
}

} // namespace vb
