#include "chart/frmFinal.h"

namespace ward {

void frmFinal::DesignORSchedulePage() {}

void frmFinal::InitORScheduler() {}

void frmFinal::ResetScheduleRequest() {}

} // namespace ward
