#pragma once

#include "NumberText.h"
#include "Variant.h"

#include <string>
#include <string_view>

namespace vb {

// The runtime's Format. A pattern with date letters (d m y h n s w q, AM/PM) is a date pattern: "mm/dd/yyyy",
// "MM/DD/YYYY hh:mm:ss AM/PM" (letters in any case; m right after an hour or right before a second is the minute;
// h and hh give a 12-hour clock when the pattern has AM/PM), "h:00:00 AM/PM". Any other pattern is a number
// pattern: "0" and "#" digits, "." point, "," grouping, "%" percent, sections "positive;negative;zero", and literal
// characters. Numbers round half away from zero on their 15-significant-digit decimal form: Format(2.5, "0") is
// "3", Format(12.345, "#####.##") is "12.35".
// A text that reads as a number takes a number pattern, one that reads as a date or time takes a date pattern, any
// other text comes back unchanged. Null, Empty and an empty text give "". An empty pattern gives CStr.
// The named formats "General Date", "Long Date", "Medium Date", "Short Date", "Long Time", "Medium Time",
// "Short Time", "General Number", "Currency", "Fixed", "Standard", "Percent", "Yes/No", "True/False" and "On/Off"
// are known as well.
std::string Format(const Variant& value, std::string_view pattern = "");

// The two kinds of pattern, exposed for callers that format values they have already read.
std::string FormatNumber(double value, std::string_view pattern);
// A number pattern on every digit of a decimal form (how a Decimal is formatted).
std::string FormatNumber(DecimalDigits value, std::string_view pattern);
std::string FormatDate(Date date, std::string_view pattern);
bool IsDatePattern(std::string_view pattern);

} // namespace vb
