#pragma once

#include "Variant.h"

#include <optional>
#include <string>

namespace vb {

// The language's operators on values.
//  - Null passes through arithmetic and comparisons: Null + 1 and Null = 1 are Null.
//  - "&" joins texts and takes Null as "" (Null & Null alone is Null). Mind C++ precedence: "&" binds more loosely
//    than "==", so write a & b in parentheses inside a comparison, or use Concat.
//  - "+" joins two texts; a text with a number is read strictly as a number ("Type mismatch" when it is none).
//  - Results take the wider operand type (Integer, Long, Single, Double, Currency); an Integer or Long result that
//    does not fit moves up to Long or Double, a Currency result that does not fit raises "Overflow".
//  - Date + number and Date - number give a Date; Date - Date gives the days between as a Double.
//  - "/" gives a Double (a Single for two Integer or Single operands); dividing by zero raises "Division by zero"
//    and 0 / 0 "Overflow".

Variant operator&(const Variant& left, const Variant& right);
Variant operator+(const Variant& left, const Variant& right);
Variant operator-(const Variant& left, const Variant& right);
Variant operator*(const Variant& left, const Variant& right);
Variant operator/(const Variant& left, const Variant& right);
Variant operator-(const Variant& value);
// The "\" operator: both sides rounded to whole numbers, the quotient cut toward zero.
Variant IntDiv(const Variant& left, const Variant& right);
// The "Mod" operator: both sides rounded to whole numbers; the remainder takes the sign of the left side.
Variant Mod(const Variant& left, const Variant& right);

// Comparisons as the language makes them; the result is a Boolean, or Null when either side is Null. Texts compare
// byte by byte, case-sensitive; a text against a number is read as a number, against a date as a date; Empty is
// 0 against a number and "" against a text.
Variant Equal(const Variant& left, const Variant& right);
Variant NotEqual(const Variant& left, const Variant& right);
Variant Less(const Variant& left, const Variant& right);
Variant LessEqual(const Variant& left, const Variant& right);
Variant Greater(const Variant& left, const Variant& right);
Variant GreaterEqual(const Variant& left, const Variant& right);
// -1, 0 or 1; nothing when either side is Null.
std::optional<int> Compare(const Variant& left, const Variant& right);

// How an If reads a condition: Null is False; anything else goes through CBool.
bool IsTrue(const Variant& condition);

// The text "&" gives a value: Null as "", anything else through CStr.
std::string ConcatText(const Variant& value);
// Joins the texts of any number of values, Null as "".
template <typename... Values> std::string Concat(const Values&... values) {
    return (std::string() + ... + ConcatText(values));
}

} // namespace vb
