#pragma once

#include "components/KeyFilterComponent.h"

namespace components {

// Kappoch.KeyPress. Key codes are those of the workstation's code page (Windows-1252), as typed keys arrive.
class KeyPress : public KeyFilterComponent {
public:
    std::int16_t AllUppers(std::int16_t keyAscii) override;
    bool IsNumber(std::int16_t keyAscii) override { return keyAscii >= '0' && keyAscii <= '9'; }
};

} // namespace components
