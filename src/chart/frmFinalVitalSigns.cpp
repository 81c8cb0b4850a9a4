#include "chart/frmFinal.h"

namespace ward {

void frmFinal::DesignVitalSignsPage() {}

void frmFinal::Get_VitalSigns() {}

} // namespace ward
