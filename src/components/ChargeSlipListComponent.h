#pragma once

#include "Component.h"

namespace components {

// Mibrault.clsChargeSlip: the charge-slip pick list.
class ChargeSlipListComponent : public Component {
public:
    virtual bool InitConnection(const std::string& connectionString) = 0;
};

} // namespace components
