#pragma once

#include "NumberText.h"
#include "Variant.h"

#include <optional>
#include <string>
#include <string_view>

namespace vb {

// As many digits as the server's widest decimal column holds.
inline constexpr int kDecimalDigits = 38;

// units x 10^-scale with the trailing zeros of the fraction dropped; raises "Overflow" past 38 digits.
Decimal MakeDecimal(__int128 units, int scale);

// Plain decimal text ("-12.50", "123456789012345678", ".5"): nothing when the text is anything else or holds more
// digits than a Decimal does.
std::optional<Decimal> ReadDecimal(std::string_view text);

// Every digit, a point only before a fraction, never an exponent: "123456789012345678", "-0.000001".
std::string DecimalText(Decimal value);

// The double nearest to the value.
double DecimalToDouble(Decimal value);

// The value with at most this many decimals, a half going to the even neighbour.
Decimal RoundDecimal(Decimal value, int decimals);

// -1, 0 or 1, on every digit.
int CompareDecimals(Decimal a, Decimal b);

// The value in the decimal form the number formats work on.
DecimalDigits DigitsOf(Decimal value);
// The decimal form as a Decimal; raises "Overflow" when it needs more than 38 digits before the fortieth decimal.
Decimal DecimalOf(const DecimalDigits& value);

} // namespace vb
