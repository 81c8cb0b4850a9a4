#include "Conversions.h"

#include "DateText.h"
#include "Decimal.h"
#include "Strings.h"
#include "Utf8.h"
#include "VbError.h"

#include <cmath>
#include <limits>

namespace vb {

namespace {

constexpr double kCurrencyScale = 10000.0;

double CurrencyAsDouble(Currency value) { return static_cast<double>(value.scaled) / kCurrencyScale; }

double NumberFromText(const std::string& text) {
    const std::optional<double> number = ReadNumber(text);
    if (!number)
        RaiseTypeMismatch();
    if (std::isinf(*number))
        RaiseOverflow();
    return *number;
}

template <typename Whole> Whole RoundToWhole(const Variant& value) {
    double number = 0;
    if (value.Type() == VarType::Currency) {
        // Exact on the scaled amount, so a half is a half.
        const std::int64_t scaled = value.AsCurrency().scaled;
        const std::int64_t whole = scaled / 10000;
        const std::int64_t rest = scaled % 10000;
        number = static_cast<double>(whole) + static_cast<double>(rest) / kCurrencyScale;
    } else {
        number = CDbl(value);
    }
    const double rounded = RoundHalfEven(number);
    if (!(rounded >= std::numeric_limits<Whole>::min() && rounded <= std::numeric_limits<Whole>::max()))
        RaiseOverflow();
    return static_cast<Whole>(rounded);
}

// Exact, so no digit of a wide amount is lost on the way.
Currency CurrencyOfDecimal(Decimal value) {
    const Decimal rounded = RoundDecimal(value, 4);
    const __int128 limit = std::numeric_limits<std::int64_t>::max();
    __int128 scaled = rounded.units;
    for (int scale = rounded.scale; scale < 4 && scaled <= limit && scaled >= -limit; ++scale)
        scaled *= 10;
    if (scaled > limit || scaled < -limit - 1)
        RaiseOverflow();
    return Currency{static_cast<std::int64_t>(scaled)};
}

} // namespace

Decimal CDec(const Variant& value) {
    switch (value.Type()) {
    case VarType::Decimal:
        return value.AsDecimal();
    case VarType::Currency:
        return MakeDecimal(value.AsCurrency().scaled, 4);
    case VarType::Single:
        return DecimalOf(ToDecimalDigits(value.AsSingle(), 7));
    case VarType::String:
        if (const std::optional<Decimal> exact = ReadDecimal(Trim(value.AsString())))
            return *exact;
        break;
    default:
        break;
    }
    const double number = CDbl(value);
    if (!std::isfinite(number))
        RaiseOverflow();
    return DecimalOf(ToDecimalDigits(number, 15));
}

std::string CurrencyText(Currency value) {
    const bool negative = value.scaled < 0;
    const std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(value.scaled) : static_cast<std::uint64_t>(value.scaled);
    std::string text = std::to_string(magnitude / 10000);
    std::string fraction = std::to_string(magnitude % 10000);
    fraction.insert(0, 4 - fraction.size(), '0');
    fraction.erase(fraction.find_last_not_of('0') + 1);
    if (!fraction.empty())
        text += "." + fraction;
    return (negative ? "-" : "") + text;
}

std::string CStr(const Variant& value) {
    switch (value.Type()) {
    case VarType::Empty:
        return "";
    case VarType::Null:
        RaiseInvalidUseOfNull();
    case VarType::Boolean:
        return value.AsBoolean() ? "True" : "False";
    case VarType::Integer:
        return WholeNumberText(value.AsInteger());
    case VarType::Long:
        return WholeNumberText(value.AsLong());
    case VarType::Single:
        return NumberText(value.AsSingle(), 7);
    case VarType::Double:
        return NumberText(value.AsDouble(), 15);
    case VarType::Currency:
        return CurrencyText(value.AsCurrency());
    case VarType::Date:
        return DateText(value.AsDate());
    case VarType::String:
        return value.AsString();
    case VarType::Decimal:
        return DecimalText(value.AsDecimal());
    }
    RaiseTypeMismatch();
}

double CDbl(const Variant& value) {
    switch (value.Type()) {
    case VarType::Empty:
        return 0;
    case VarType::Null:
        RaiseInvalidUseOfNull();
    case VarType::Boolean:
        return value.AsBoolean() ? -1 : 0;
    case VarType::Integer:
        return value.AsInteger();
    case VarType::Long:
        return value.AsLong();
    case VarType::Single:
        return value.AsSingle();
    case VarType::Double:
        return value.AsDouble();
    case VarType::Currency:
        return CurrencyAsDouble(value.AsCurrency());
    case VarType::Date:
        return value.AsDate().serial;
    case VarType::String:
        return NumberFromText(value.AsString());
    case VarType::Decimal:
        return DecimalToDouble(value.AsDecimal());
    }
    RaiseTypeMismatch();
}

float CSng(const Variant& value) {
    const double number = CDbl(value);
    if (std::fabs(number) > std::numeric_limits<float>::max())
        RaiseOverflow();
    return static_cast<float>(number);
}

std::int16_t CInt(const Variant& value) { return RoundToWhole<std::int16_t>(value); }
std::int32_t CLng(const Variant& value) { return RoundToWhole<std::int32_t>(value); }

Currency CCur(const Variant& value) {
    switch (value.Type()) {
    case VarType::Currency:
        return value.AsCurrency();
    case VarType::Integer:
        return Currency{value.AsInteger() * 10000LL};
    case VarType::Long:
        return Currency{value.AsLong() * 10000LL};
    case VarType::Decimal:
        return CurrencyOfDecimal(value.AsDecimal());
    default:
        break;
    }
    const double number = CDbl(value);
    // Rounded on the decimal form, so 0.00015 is a half and goes to 0.0002.
    const DecimalDigits decimal = ToDecimalDigits(number, 15);
    if (!std::isfinite(number) || decimal.exponent > 14)
        RaiseOverflow();
    const std::string digits = ScaledDigits(decimal, 4, HalfRounding::ToEven);
    const std::uint64_t magnitude = digits.empty() ? 0 : std::stoull(digits);
    const std::uint64_t limit = decimal.negative ? 9223372036854775808ull : 9223372036854775807ull;
    if (magnitude > limit)
        RaiseOverflow();
    return Currency{decimal.negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude)};
}

bool CBool(const Variant& value) {
    if (value.IsString()) {
        const std::string word = AsciiLower(Trim(value.AsString()));
        if (word == "true")
            return true;
        if (word == "false")
            return false;
    }
    if (value.Type() == VarType::Currency)
        return value.AsCurrency().scaled != 0;
    return CDbl(value) != 0;
}

Date CDate(const Variant& value) {
    if (value.IsDate())
        return value.AsDate();
    if (value.IsString()) {
        const std::optional<Date> date = ReadDateText(value.AsString());
        if (!date)
            RaiseTypeMismatch();
        return *date;
    }
    const double serial = CDbl(value);
    if (!IsInDateRange(serial))
        RaiseOverflow();
    return Date{serial};
}

double Val(const Variant& value) { return Val(CStr(value)); }

std::string Str(const Variant& value) {
    if (value.IsEmpty())
        return " 0";
    std::string text = value.IsString() ? NumberText(CDbl(value), 15) : CStr(value);
    if (value.IsDate() || value.Type() == VarType::Boolean)
        return text;
    const bool negative = !text.empty() && text[0] == '-';
    const std::size_t digits = negative ? 1 : 0;
    if (text.compare(digits, 2, "0.") == 0)
        text.erase(digits, 1);
    return negative ? text : " " + text;
}

std::string Hex(const Variant& value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::uint32_t bits = 0;
    int width = 8;
    if (value.Type() == VarType::Integer || value.Type() == VarType::Boolean) {
        bits = static_cast<std::uint16_t>(CInt(value));
        width = 4;
    } else {
        bits = static_cast<std::uint32_t>(CLng(value));
    }
    std::string text;
    do {
        text.insert(text.begin(), kDigits[bits & 0xF]);
        bits >>= 4;
    } while (bits != 0 && static_cast<int>(text.size()) < width);
    return text;
}

bool IsNumeric(const Variant& value) {
    switch (value.Type()) {
    case VarType::Null:
    case VarType::Date:
        return false;
    case VarType::String: {
        const std::optional<double> number = ReadNumber(value.AsString());
        return number && std::isfinite(*number);
    }
    default:
        return true;
    }
}

bool IsDate(const Variant& value) {
    if (value.IsDate())
        return true;
    return value.IsString() && ReadDateText(value.AsString()).has_value();
}

bool IsNull(const Variant& value) { return value.IsNull(); }
bool IsEmpty(const Variant& value) { return value.IsEmpty(); }

double Round(double value, int decimals) {
    if (decimals < 0)
        RaiseInvalidProcedureCall();
    if (decimals == 0)
        return RoundHalfEven(value);
    const double scale = std::pow(10.0, decimals);
    const double scaled = value * scale;
    if (!std::isfinite(scaled))
        return value;
    return RoundHalfEven(scaled) / scale;
}

double Int(double value) { return std::floor(value); }
double Fix(double value) { return std::trunc(value); }

} // namespace vb
