#include "FuzzInput.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/DateText.h"
#include "platform/vb/DateTime.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = FuzzInput(data, size).Rest();
    const std::optional<vb::Date> date = vb::ReadDateText(text);
    if (date) {
        // Whatever reads as a date is in range, writes as text and reads back to the same second.
        const std::string written = vb::DateText(*date);
        const std::optional<vb::Date> again = vb::ReadDateText(written);
        if (!again || vb::DateText(*again) != written)
            __builtin_trap();
        Expecting([&] { vb::DateAdd("m", 1, *date); });
        Expecting([&] { vb::DateDiff("n", *date, vb::Date{0}); });
        vb::Weekday(*date);
    }
    Expecting([&] { vb::CDate(text); });
    vb::IsDate(text);
    return 0;
}
