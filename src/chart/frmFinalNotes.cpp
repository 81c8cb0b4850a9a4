#include "chart/frmFinal.h"

namespace ward {

void frmFinal::DesignNotesPage() {}

void frmFinal::LoadNurseNotes() {}

} // namespace ward
