#include "FuzzInput.h"
#include "platform/vb/Conversions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = FuzzInput(data, size).Rest();
    Expecting([&] { vb::Val(text); });
    Expecting([&] { vb::Str(vb::Val(text)); });
    return 0;
}
