#include "chart/frmFinal.h"

#include "platform/forms/Layout.h"

namespace ward {

// The day of the operation.
void frmFinal::DesignORSchedulePage() { forms::Layout(tabSSTab1, {}, 7).Row({{&MonthView1, 3600}}, 2700); }

void frmFinal::InitORScheduler() {}

void frmFinal::ResetScheduleRequest() {}

} // namespace ward
