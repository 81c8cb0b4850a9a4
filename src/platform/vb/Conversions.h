#pragma once

#include "NumberText.h"
#include "Variant.h"

#include <cstdint>
#include <string>

namespace vb {

// The workstation's regional conventions are fixed to US English throughout this runtime: "." as decimal point,
// "," as thousands separator, short date M/d/yyyy, long date "dddd, MMMM dd, yyyy", long time h:mm:ss AM/PM.

// Conversions of a value. Null raises "Invalid use of Null"; a text that is not a number (or date) raises
// "Type mismatch"; a value out of the target's range raises "Overflow".
std::string CStr(const Variant& value);
double CDbl(const Variant& value);
float CSng(const Variant& value);
// Whole numbers round half to even: 2.5 -> 2, 3.5 -> 4.
std::int16_t CInt(const Variant& value);
std::int32_t CLng(const Variant& value);
Currency CCur(const Variant& value);
// Exact from whole numbers, Currency and plain decimal text; a Double or Single by its 15 (7) significant digits.
Decimal CDec(const Variant& value);
bool CBool(const Variant& value);
Date CDate(const Variant& value);

// Val of the value's text; Null raises "Invalid use of Null".
double Val(const Variant& value);
// The number's text with a blank in the sign place of a non-negative number and no "0" before a leading point.
std::string Str(const Variant& value);
// Upper-case hexadecimal digits of the value rounded to a whole number; a negative Integer gives four digits,
// any other negative value eight.
std::string Hex(const Variant& value);

bool IsNumeric(const Variant& value);
bool IsDate(const Variant& value);
bool IsNull(const Variant& value);
bool IsEmpty(const Variant& value);

// Round to a number of decimals, halves to even as the runtime's Round does.
double Round(double value, int decimals = 0);
// The whole number at or below the value, and the whole part toward zero.
double Int(double value);
double Fix(double value);

// The exact text of a Currency: up to four decimals, no trailing zeros.
std::string CurrencyText(Currency value);

} // namespace vb
