#pragma once

#include "core/frmReportViewer.h"

namespace ward {

// The viewer of the slips and sheets that ask for it: zoom 100 percent, the print button always enabled, and
// AllowReportPrint left as it is.
class frmReportMedicationsheet : public ReportViewerWindow {
public:
    explicit frmReportMedicationsheet(App& app);

private:
    bool PrintButtonEnabled() const override { return true; }
    void Form_Resize() override;
    void Form_Unload(int& Cancel) override;
};

} // namespace ward
