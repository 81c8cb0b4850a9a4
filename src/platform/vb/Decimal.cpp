#include "Decimal.h"

#include "VbError.h"

#include <algorithm>
#include <cstdlib>

namespace vb {

namespace {

using Int128 = __int128;
using Uint128 = unsigned __int128;

Int128 PowerOfTen(int exponent) {
    Int128 power = 1;
    for (int i = 0; i < exponent; ++i)
        power *= 10;
    return power;
}

const Int128 kLimit = PowerOfTen(kDecimalDigits); // first value with too many digits

Uint128 Magnitude(Int128 value) { return value < 0 ? Uint128(0) - Uint128(value) : Uint128(value); }

std::string DigitText(Uint128 value) {
    std::string text;
    do {
        text.insert(text.begin(), static_cast<char>('0' + static_cast<int>(value % 10)));
        value /= 10;
    } while (value != 0);
    return text;
}

// The digits as a whole number; nothing when there are too many of them.
std::optional<Int128> WholeOf(std::string_view digits) {
    digits.remove_prefix(std::min(digits.find_first_not_of('0'), digits.size()));
    if (digits.size() > static_cast<std::size_t>(kDecimalDigits))
        return std::nullopt;
    Int128 units = 0;
    for (char c : digits)
        units = units * 10 + (c - '0');
    return units;
}

bool AllDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

Decimal MakeDecimal(Int128 units, int scale) {
    while (scale > 0 && units % 10 == 0) {
        units /= 10;
        --scale;
    }
    for (; scale < 0; ++scale) {
        if (units >= kLimit / 10 || units <= -kLimit / 10)
            RaiseOverflow();
        units *= 10;
    }
    if (units >= kLimit || units <= -kLimit)
        RaiseOverflow();
    return Decimal{units, units == 0 ? 0 : scale};
}

std::optional<Decimal> ReadDecimal(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    if ((whole.empty() && fraction.empty()) || !AllDigits(whole) || !AllDigits(fraction))
        return std::nullopt;
    const std::optional<Int128> units = WholeOf(std::string(whole) + std::string(fraction));
    if (!units)
        return std::nullopt;
    return MakeDecimal(negative ? -*units : *units, static_cast<int>(fraction.size()));
}

std::string DecimalText(Decimal value) {
    std::string digits = DigitText(Magnitude(value.units));
    if (value.scale > 0) {
        if (digits.size() <= static_cast<std::size_t>(value.scale))
            digits.insert(0, value.scale + 1 - digits.size(), '0');
        digits.insert(digits.size() - value.scale, ".");
    }
    return (value.units < 0 ? "-" : "") + digits;
}

double DecimalToDouble(Decimal value) { return std::strtod(DecimalText(value).c_str(), nullptr); }

Decimal RoundDecimal(Decimal value, int decimals) {
    if (value.scale <= decimals)
        return value;
    const Int128 divisor = PowerOfTen(value.scale - decimals);
    Int128 quotient = value.units / divisor;
    const Uint128 twice = Magnitude(value.units % divisor) * 2;
    if (twice > Uint128(divisor) || (twice == Uint128(divisor) && quotient % 2 != 0))
        quotient += value.units < 0 ? -1 : 1;
    return MakeDecimal(quotient, decimals);
}

int CompareDecimals(Decimal a, Decimal b) {
    const auto sign = [](Int128 units) { return units < 0 ? -1 : (units > 0 ? 1 : 0); };
    if (sign(a.units) != sign(b.units))
        return sign(a.units) < sign(b.units) ? -1 : 1;
    // Brought to one scale; a side that would outgrow 128 bits there is the larger in magnitude.
    Decimal& fewer = a.scale < b.scale ? a : b;
    const Decimal& other = a.scale < b.scale ? b : a;
    const Int128 factor = PowerOfTen(other.scale - fewer.scale);
    if (Magnitude(fewer.units) > Magnitude(kLimit) / Uint128(factor)) {
        const int larger = sign(fewer.units);
        return &fewer == &a ? larger : -larger;
    }
    fewer.units *= factor;
    fewer.scale = other.scale;
    return a.units < b.units ? -1 : (a.units > b.units ? 1 : 0);
}

DecimalDigits DigitsOf(Decimal value) {
    DecimalDigits digits;
    if (value.units == 0)
        return digits;
    digits.negative = value.units < 0;
    digits.digits = DigitText(Magnitude(value.units));
    digits.exponent = static_cast<int>(digits.digits.size()) - 1 - value.scale;
    digits.digits.erase(digits.digits.find_last_not_of('0') + 1);
    return digits;
}

Decimal DecimalOf(const DecimalDigits& value) {
    const int decimals = std::clamp(static_cast<int>(value.digits.size()) - 1 - value.exponent, 0, kDecimalDigits);
    const std::optional<Int128> units = WholeOf(ScaledDigits(value, decimals, HalfRounding::ToEven));
    if (!units)
        RaiseOverflow();
    return MakeDecimal(value.negative ? -*units : *units, decimals);
}

} // namespace vb
