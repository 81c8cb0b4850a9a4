#include "NumberText.h"

#include "VbError.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace vb {

namespace {

constexpr long kExponentLimit = 100000;

// A decimal number taken apart: digits before and after the point and a power of ten.
struct NumberParts {
    bool negative = false;
    std::string intDigits;
    std::string fracDigits;
    long exponent = 0;
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int DigitValue(char c) {
    if (IsDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 99;
}

void AddExponentDigit(long& exponent, char digit) {
    if (exponent < kExponentLimit)
        exponent = exponent * 10 + (digit - '0');
}

// The value of the parts; an infinite value when it overflows a double, zero when it underflows.
double Compose(const NumberParts& parts) {
    const std::size_t firstInt = parts.intDigits.find_first_not_of('0');
    const std::size_t firstFrac = parts.fracDigits.find_first_not_of('0');
    if (firstInt == std::string::npos && firstFrac == std::string::npos)
        return parts.negative ? -0.0 : 0.0;
    std::string text = parts.intDigits.empty() ? "0" : parts.intDigits;
    if (!parts.fracDigits.empty())
        text += "." + parts.fracDigits;
    text += "e" + std::to_string(parts.exponent);
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        const long magnitude = firstInt != std::string::npos
                                   ? static_cast<long>(parts.intDigits.size() - firstInt) + parts.exponent
                                   : parts.exponent - static_cast<long>(firstFrac);
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return parts.negative ? -value : value;
}

// A number written in base 16 or 8 is a 16-bit value when it fits in 16 bits and a 32-bit one otherwise, so
// "&HFFFF" is -1 and "&H10000" is 65536.
double RadixValue(std::uint64_t value, bool tooLong) {
    if (tooLong || value > 0xFFFFFFFFull)
        return std::numeric_limits<double>::infinity();
    if (value <= 0xFFFF)
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

int RadixOf(char letter) {
    if (letter == 'H' || letter == 'h')
        return 16;
    if (letter == 'O' || letter == 'o')
        return 8;
    return 0;
}

// Reads a value of the given radix from text; skipBlank says which characters may stand between the digits.
template <typename Skip> double ReadRadix(std::string_view text, std::size_t& pos, int radix, Skip skipBlank) {
    std::uint64_t value = 0;
    bool tooLong = false;
    for (; pos < text.size(); ++pos) {
        if (skipBlank(text[pos]))
            continue;
        const int digit = DigitValue(text[pos]);
        if (digit >= radix)
            break;
        if (value > 0xFFFFFFFFull)
            tooLong = true;
        else
            value = value * radix + digit;
    }
    return RadixValue(value, tooLong);
}

bool IsValBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

double Checked(double value) {
    if (std::isinf(value))
        RaiseOverflow();
    return value;
}

} // namespace

DecimalDigits ToDecimalDigits(double value, int significant) {
    DecimalDigits result;
    result.negative = std::signbit(value);
    if (value == 0 || !std::isfinite(value))
        return result;
    char buffer[64];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, significant - 1)
            .ptr;
    const std::string_view text(buffer, end - buffer);
    const std::size_t e = text.find('e');
    for (char c : text.substr(0, e)) {
        if (IsDigit(c))
            result.digits += c;
    }
    result.digits.erase(result.digits.find_last_not_of('0') + 1);
    result.exponent = std::atoi(std::string(text.substr(e + 1)).c_str());
    return result;
}

std::string ScaledDigits(const DecimalDigits& value, int decimals, HalfRounding halves) {
    const long keep = static_cast<long>(value.exponent) + 1 + decimals;
    const auto size = static_cast<long>(value.digits.size());
    if (value.digits.empty() || keep < 0)
        return "";
    std::string kept = value.digits.substr(0, static_cast<std::size_t>(std::min(keep, size)));
    kept.resize(static_cast<std::size_t>(keep), '0');
    bool up = false;
    if (keep < size) {
        const char next = value.digits[keep];
        const bool moreAfter = keep + 1 < size; // digits never end in a zero
        const bool lastOdd = !kept.empty() && (kept.back() - '0') % 2 == 1;
        up = next > '5' || (next == '5' && (halves == HalfRounding::AwayFromZero || moreAfter || lastOdd));
    }
    if (up) {
        std::size_t i = kept.size();
        while (i > 0 && kept[i - 1] == '9')
            kept[--i] = '0';
        if (i == 0)
            kept.insert(kept.begin(), '1');
        else
            ++kept[i - 1];
    }
    kept.erase(0, std::min(kept.find_first_not_of('0'), kept.size()));
    return kept;
}

std::string NumberText(double value, int significant) {
    if (!std::isfinite(value))
        RaiseOverflow();
    const DecimalDigits d = ToDecimalDigits(value, significant);
    if (d.digits.empty())
        return "0";
    std::string out = d.negative ? "-" : "";
    const int e = d.exponent;
    if (e >= -4 && e < significant) {
        if (e >= 0) {
            std::string intPart = d.digits.substr(0, e + 1);
            intPart.resize(e + 1, '0');
            out += intPart;
            if (d.digits.size() > static_cast<std::size_t>(e + 1))
                out += "." + d.digits.substr(e + 1);
        } else {
            out += "0." + std::string(-e - 1, '0') + d.digits;
        }
        return out;
    }
    out += d.digits.substr(0, 1);
    if (d.digits.size() > 1)
        out += "." + d.digits.substr(1);
    const std::string power = std::to_string(std::abs(e));
    out += std::string(e < 0 ? "E-" : "E+") + (power.size() < 2 ? "0" : "") + power;
    return out;
}

std::string WholeNumberText(long long value) { return std::to_string(value); }

namespace {

std::string_view TrimmedBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool TakeSign(std::string_view& text, bool atEnd, bool& negative) {
    if (text.empty())
        return false;
    const char c = atEnd ? text.back() : text.front();
    if (c != '+' && c != '-')
        return false;
    negative = c == '-';
    text = atEnd ? text.substr(0, text.size() - 1) : text.substr(1);
    return true;
}

// Digits with US thousands separators, a point, an exponent; the whole text.
std::optional<NumberParts> ReadDecimal(std::string_view text) {
    NumberParts parts;
    std::size_t pos = 0;
    for (; pos < text.size() && (IsDigit(text[pos]) || (text[pos] == ',' && !parts.intDigits.empty())); ++pos) {
        if (text[pos] != ',')
            parts.intDigits += text[pos];
    }
    if (pos < text.size() && text[pos] == '.') {
        for (++pos; pos < text.size() && IsDigit(text[pos]); ++pos)
            parts.fracDigits += text[pos];
    }
    if (parts.intDigits.empty() && parts.fracDigits.empty())
        return std::nullopt;
    if (pos < text.size() && std::string_view("eEdD").find(text[pos]) != std::string_view::npos) {
        ++pos;
        bool negativeExponent = false;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
            negativeExponent = text[pos++] == '-';
        if (pos == text.size() || !IsDigit(text[pos]))
            return std::nullopt;
        for (; pos < text.size() && IsDigit(text[pos]); ++pos)
            AddExponentDigit(parts.exponent, text[pos]);
        if (negativeExponent)
            parts.exponent = -parts.exponent;
    }
    if (pos != text.size())
        return std::nullopt;
    return parts;
}

} // namespace

std::optional<double> ReadNumber(std::string_view text) {
    text = TrimmedBlanks(text);
    if (text.size() > 2 && text[0] == '&' && RadixOf(text[1]) != 0) {
        std::size_t pos = 2;
        const double value = ReadRadix(text, pos, RadixOf(text[1]), [](char) { return false; });
        if (pos != text.size())
            return std::nullopt;
        return value;
    }
    // A negative amount may stand in parentheses, as the "#,##0.00;(#,##0.00)" pattern writes it.
    const bool parenthesised = text.size() >= 2 && text.front() == '(' && text.back() == ')';
    if (parenthesised)
        text = TrimmedBlanks(text.substr(1, text.size() - 2));
    bool negative = false;
    bool hasSign = TakeSign(text, false, negative);
    if (!text.empty() && text.front() == '$')
        text = text.substr(1);
    if (!hasSign)
        hasSign = TakeSign(text, false, negative);
    if (!hasSign && !parenthesised)
        hasSign = TakeSign(text, true, negative);
    if (parenthesised && hasSign)
        return std::nullopt;
    std::optional<NumberParts> parts = ReadDecimal(text);
    if (!parts)
        return std::nullopt;
    parts->negative = negative || parenthesised;
    return Compose(*parts);
}

double Val(std::string_view text) {
    std::size_t pos = 0;
    const auto skipBlanks = [&] {
        while (pos < text.size() && IsValBlank(text[pos]))
            ++pos;
    };
    skipBlanks();
    if (pos + 1 < text.size() && text[pos] == '&') {
        const int radix = RadixOf(text[pos + 1]);
        if (radix == 0)
            return 0;
        pos += 2;
        return Checked(ReadRadix(text, pos, radix, IsValBlank));
    }
    NumberParts parts;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        parts.negative = text[pos++] == '-';
    bool seenPoint = false;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (IsValBlank(c))
            continue;
        if (IsDigit(c))
            (seenPoint ? parts.fracDigits : parts.intDigits) += c;
        else if (c == '.' && !seenPoint)
            seenPoint = true;
        else
            break;
    }
    if (parts.intDigits.empty() && parts.fracDigits.empty())
        return 0;
    if (pos < text.size() && std::string_view("eEdD").find(text[pos]) != std::string_view::npos) {
        ++pos;
        skipBlanks();
        bool negativeExponent = false;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
            negativeExponent = text[pos++] == '-';
        for (; pos < text.size(); ++pos) {
            if (IsDigit(text[pos]))
                AddExponentDigit(parts.exponent, text[pos]);
            else if (!IsValBlank(text[pos]))
                break;
        }
        if (negativeExponent)
            parts.exponent = -parts.exponent;
    }
    return Checked(Compose(parts));
}

double Val(const std::string& text) { return Val(std::string_view(text)); }
double Val(const char* text) { return Val(std::string_view(text)); }

double RoundHalfEven(double value) {
    if (std::fabs(value - std::trunc(value)) == 0.5)
        return 2.0 * std::round(value / 2.0);
    return std::round(value);
}

} // namespace vb
