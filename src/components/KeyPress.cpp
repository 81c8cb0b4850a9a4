#include "components/KeyPress.h"

#include "platform/vb/Strings.h"

namespace components {

std::int16_t KeyPress::AllUppers(std::int16_t keyAscii) {
    // 0 is a key a handler already dropped; codes outside the code page are no letters.
    if (keyAscii <= 0 || keyAscii > 255)
        return keyAscii;
    return static_cast<std::int16_t>(vb::Asc(vb::UCase(vb::Chr(keyAscii))));
}

} // namespace components
