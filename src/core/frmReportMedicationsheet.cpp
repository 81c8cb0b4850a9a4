#include "core/frmReportMedicationsheet.h"

#include "core/App.h"

namespace ward {

frmReportMedicationsheet::frmReportMedicationsheet(App& app) : ReportViewerWindow(app, 100) {}

void frmReportMedicationsheet::Form_Resize() {
    try {
        FillWindow();
    } catch (const std::exception&) {
        // A window made too small to hold the viewer keeps it where it was.
    }
}

void frmReportMedicationsheet::Form_Unload(int& /*Cancel*/) { app.CurrentReport.reset(); }

} // namespace ward
