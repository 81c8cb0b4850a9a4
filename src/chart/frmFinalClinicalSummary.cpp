#include "chart/frmFinal.h"

namespace ward {

void frmFinal::DesignClinicalSummaryPage() {}

void frmFinal::LoadClinicalSummary() {}

} // namespace ward
