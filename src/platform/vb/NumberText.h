#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vb {

// The decimal form of a number: value = 0.d1d2d3... x 10^(exponent + 1), that is, d1 stands at 10^exponent.
// digits has no leading or trailing zeros; it is empty for zero.
struct DecimalDigits {
    std::string digits;
    int exponent = 0;
    bool negative = false;
};

// A finite double rounded to a number of significant digits (15 for Double, 7 for Single).
DecimalDigits ToDecimalDigits(double value, int significant);

enum class HalfRounding { AwayFromZero, ToEven };

// The digits of |value| x 10^decimals rounded to a whole number on the decimal form, without leading zeros ("" for
// zero).
std::string ScaledDigits(const DecimalDigits& value, int decimals, HalfRounding halves);

// The plain text of a number as the runtime writes it: the significant digits, no trailing zeros, "0" before a
// leading point, and the exponent form ("1E-05", "1.5E+15") outside 1E-4 <= |x| < 10^significant.
std::string NumberText(double value, int significant);

// A whole number written from a double that holds one exactly enough (Integer, Long).
std::string WholeNumberText(long long value);

// The whole text read as a number: blanks around it, a sign in front or at the end, a "$", US thousands
// separators, a point, an exponent, parentheses for a negative amount, or "&H"/"&O" prefixes. Nothing when the text
// is not a number; an infinite value when it is one out of range.
std::optional<double> ReadNumber(std::string_view text);

// The number the text begins with, as Val reads it.
double Val(std::string_view text);
double Val(const std::string& text);
double Val(const char* text);

// Rounding to a whole number with halves going to the even neighbour (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double value);

} // namespace vb
