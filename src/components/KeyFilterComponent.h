#pragma once

#include "Component.h"

namespace components {

// Kappoch.KeyPress: key filters for typed key codes.
class KeyFilterComponent : public Component {
public:
    // The key code to use instead: a lower-case letter gives its upper-case code, every other code is unchanged.
    virtual std::int16_t AllUppers(std::int16_t keyAscii) = 0;
    // True for a digit key.
    virtual bool IsNumber(std::int16_t keyAscii) = 0;
};

} // namespace components
