#pragma once

#include "charges/ChargeEntryWindow.h"

namespace ward {

// Assessments for the clinical departments' services to the admission whose header the chart copied in.
class frmAssessmentClinical : public ChargeEntryWindow {
public:
    explicit frmAssessmentClinical(App& app) : ChargeEntryWindow(app, "Assessment Entry For Clinical Department") {}
};

} // namespace ward
