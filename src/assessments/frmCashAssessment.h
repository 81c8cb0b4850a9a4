#pragma once

#include "charges/ChargeEntryWindow.h"

namespace ward {

// Cash assessments of the admission whose header the chart copied in, settled at the cashier.
class frmCashAssessment : public ChargeEntryWindow {
public:
    explicit frmCashAssessment(App& app) : ChargeEntryWindow(app, "Cash Assessment Entry") {}
};

} // namespace ward
