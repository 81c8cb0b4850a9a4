#include "FuzzInput.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/Format.h"

#include <cmath>

namespace {

// A number written as text reads back to the same text, and a formatted amount reads back as the amount. Near the
// largest double the 15-digit text rounds beyond it and reads back as an Overflow, as the runtime's did.
void CheckRoundTrip(double number) {
    if (!std::isfinite(number))
        return;
    const std::string text = vb::CStr(number);
    if (vb::CStr(vb::CDbl(text)) != text || vb::Val(text) != vb::CDbl(text))
        __builtin_trap();
    if (std::fabs(number) < 1e12) {
        const double amount = vb::CDbl(vb::Format(number, "#,##0.00;(#,##0.00)"));
        if (std::fabs(amount - number) > 0.0050001 + std::fabs(number) * 1e-14)
            __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const double number = input.Take<double>();
    Expecting([&] { CheckRoundTrip(number); });
    const vb::Variant text = input.Rest();
    Expecting([&] { vb::CDbl(text); });
    Expecting([&] { vb::CSng(text); });
    Expecting([&] { vb::CInt(text); });
    Expecting([&] { vb::CLng(text); });
    Expecting([&] { vb::CCur(text); });
    Expecting([&] { vb::CBool(text); });
    Expecting([&] { vb::CStr(vb::CCur(text)); });
    vb::IsNumeric(text);
    return 0;
}
