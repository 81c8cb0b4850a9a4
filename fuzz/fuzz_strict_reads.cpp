#include "FuzzInput.h"
#include "platform/vb/Conversions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const vb::Variant text = FuzzInput(data, size).Rest();
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
