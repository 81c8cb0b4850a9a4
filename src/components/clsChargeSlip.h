#pragma once

#include "components/ChargeSlipListComponent.h"

namespace components {

// Mibrault.clsChargeSlip. The program only offers it the connection; nothing else of it is ever called.
class clsChargeSlip : public ChargeSlipListComponent {
public:
    // The text holds the password: it is neither kept nor shown.
    bool InitConnection(const std::string&) override { return true; }
};

} // namespace components
