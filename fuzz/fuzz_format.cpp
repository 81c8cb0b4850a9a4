#include "FuzzInput.h"
#include "platform/vb/Format.h"

#include <cmath>
#include <iterator>

namespace {

constexpr const char* kPatterns[] = {
    "mm/dd/yyyy",
    "MM/DD/YYYY",
    "mm/dd/yyyy hh:mm:ss AM/PM",
    "MM/DD/YYYY hh:mm:ss AM/PM",
    " hh:mm:ss AM/PM",
    "hh:mm:ss AM/PM",
    "mm/dd/yyyy hh:mm:ss",
    "yyyy/mm/dd",
    "mm/dd/yy",
    "h:00:00 AM/PM",
    "mm/dd/yyyy ",
    "#,##0.00;(#,##0.00)",
    "###,###,##0.00",
    "###0.00",
    "0.00",
    "#####.##",
    "####.############",
    "####.000000000000",
    "##########.############",
    "000000",
    "0",
    "Long Date",
    "General Date",
    "0.00%",
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const char* pattern = kPatterns[input.Take<std::uint8_t>() % std::size(kPatterns)];
    const auto kind = input.Take<std::uint8_t>() % 5;
    const double number = input.Take<double>();
    vb::Variant value;
    switch (kind) {
    case 0:
        value = number;
        break;
    case 1:
        value = vb::Date{number};
        break;
    case 2:
        value = vb::Currency{input.Take<std::int64_t>()};
        break;
    case 3:
        value = static_cast<std::int32_t>(input.Take<std::int32_t>());
        break;
    default:
        value = input.Rest();
        break;
    }
    Expecting([&] { vb::Format(value, pattern); });
    // Any finite number in the range of amounts formats without an error.
    if (std::isfinite(number) && std::fabs(number) < 1e300)
        vb::Format(number, "#,##0.00;(#,##0.00)");
    return 0;
}
