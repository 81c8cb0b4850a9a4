#include "platform/vb/Variant.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    vb::Variant text(std::string(reinterpret_cast<const char *>(data), size));
    vb::Variant copy = text;
    return copy == text ? 0 : 1;
}
