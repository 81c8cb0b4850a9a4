#include "FuzzInput.h"
#include "platform/vb/Strings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const int start = input.Take<std::uint8_t>() % 8;
    const int length = input.Take<std::uint8_t>() % 8;
    const std::string text = input.Rest();
    const std::string find = vb::Left(text, 2);
    Expecting([&] { vb::Mid(text, start, length); });
    Expecting([&] { vb::InStr(start, text, find); });
    Expecting([&] { vb::InStrRev(text, find, start); });
    Expecting([&] { vb::Replace(text, find, "x", start == 0 ? 1 : start, length); });
    Expecting([&] { vb::Asc(text); });
    vb::Split(text, find);
    if (vb::Len(vb::UCase(text)) != vb::Len(text) || vb::Len(vb::LCase(text)) != vb::Len(text))
        __builtin_trap();
    vb::Trim(text);
    return 0;
}
