#include "chart/frmFinal.h"

#include "core/App.h"
#include "requestentry/frmRequest.h"

namespace ward {

void frmFinal::WireRequestEntry() {
    cmdLabMore.Click = [this] { cmdLabMore_Click(); };
    cmdUltraMore.Click = [this] { cmdUltraMore_Click(); };
    cmdXrayMore.Click = [this] { cmdXrayMore_Click(); };
}

void frmFinal::cmdLabMore_Click() { OpenRequestDialog(openers::cmdLabMore, "Laboratory Request Entry"); }

void frmFinal::cmdUltraMore_Click() { OpenRequestDialog(openers::cmdUltraMore, "Ultrasound Request Entry"); }

void frmFinal::cmdXrayMore_Click() { OpenRequestDialog(openers::cmdXrayMore, "Xray Request Entry"); }

// The caption's touch loads the dialog, whose load reads the by-pass flag before the department is known.
void frmFinal::OpenRequestDialog(const RequestOpener& opener, const std::string& caption) {
    auto showDialog = [this, &opener, &caption] {
        app.Forms.Get<frmRequest>().SetCaption(caption);
        app.Forms.Get<frmRequest>().txtDept.SetText(opener.DeptCode);
        app.Forms.Get<frmRequest>().SetDepartment(opener.DeptCode);
        app.Forms.Get<frmRequest>().ShowModal();
    };
    if (PassSearchGate(app, opener, txtId, StatBypassApprovals, showDialog) == GateAnswer::Passed)
        showDialog();
}

} // namespace ward
