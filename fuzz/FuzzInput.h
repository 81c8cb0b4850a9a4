#pragma once

#include "platform/vb/VbError.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

// Runs one call on fuzzed input: the runtime's own errors are expected answers; anything else escapes and fails.
template <typename Call> void Expecting(Call call) {
    try {
        call();
    } catch (const vb::VbError&) {
    }
}

// Takes typed values from the front of the fuzzer's bytes.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data(data), size(size) {}

    template <typename T> T Take() {
        T value{};
        const std::size_t n = std::min(sizeof(T), size - used);
        std::memcpy(&value, data + used, n);
        used += n;
        return value;
    }

    std::string Rest() const { return std::string(reinterpret_cast<const char*>(data) + used, size - used); }

private:
    const std::uint8_t* data;
    std::size_t size;
    std::size_t used = 0;
};
