#pragma once

#include "DateSerialNumber.h"

#include <optional>
#include <string>
#include <string_view>

namespace vb {

// A Date holds 1/1/100 12:00:00 AM to 12/31/9999 11:59:59 PM: a serial that rounds to a second of those days.
bool IsInDateRange(double serial);
// The parts of a date; Overflow outside the range above.
DateParts DatePartsOf(Date date);

// The date texts the program meets, month first: "3/1/2024", "03/01/2024 01:05:00 PM", "03/01/2024 13:05:00",
// "2024/03/01", the driver's "2024-03-01 13:05:00.000" (also with "T"), a month by name ("Jan 5, 2024",
// "5-Jan-2024", the server's "Jan  5 2024  1:07PM"), and a time alone ("1:00:00 AM", "13:05"), which falls on day
// zero. Any other text is no date: "13/1/2024" is refused rather than read day first.
std::optional<Date> ReadDateText(std::string_view text);

// A date as text in the short date and long time forms: "3/1/2024 1:05:00 PM"; the date alone when the time is
// midnight, the time alone on day zero (12/30/1899).
std::string DateText(Date date);

} // namespace vb
