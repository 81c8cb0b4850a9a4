#pragma once

#include "charges/ChargeEntryWindow.h"

namespace ward {

// Charges posted to the account of the admission whose header the chart copied in.
class frmCharge : public ChargeEntryWindow {
public:
    explicit frmCharge(App& app) : ChargeEntryWindow(app, "Post Charges") {}
};

} // namespace ward
