#include "chart/frmFinal.h"

#include "core/App.h"
#include "platform/forms/Layout.h"
#include "requestentry/frmNeuRoExams.h"
#include "shell/frmSearch.h"

namespace ward {

// The action bar down the right side, its buttons in the nurse's order, and the way back to the patient list.
void frmFinal::DesignActionBar() {
    const int left = fraHeader.Left() + fraHeader.Width() + 120;
    picActionBar.Move(left, fraHeader.Top(), ScaleWidth() - left - 120, ScaleHeight() - fraHeader.Top() - 120);
    struct Action {
        int index;
        const char* caption;
    };
    const Action actions[] = {{1, "&Pharmacy"},
                              {2, "&Central Supply"},
                              {3, "Change &Diet"},
                              {0, "Height and Weight"},
                              {6, "Send Clearance"},
                              {5, "Post Charges"},
                              {11, "Clinical Assessment"},
                              {10, "Add Additional Doctor's"},
                              {7, "CASH Assessment Entry"},
                              {4, "Discharge Patient / Room Transfer"},
                              {9, "Entry for Medicines Administered"}};
    forms::LayoutMetrics metrics;
    metrics.RowGap = 90;
    forms::Layout layout(picActionBar, metrics);
    for (const Action& action : actions) {
        layout.Full(cmdNextPatient.Load(action.index), 480);
        cmdNextPatient(action.index).SetCaption(action.caption);
    }
    cmdExit.SetCaption("&Back to Patient List");
    layout.Skip(240).Full(cmdExit, 480);
}

void frmFinal::cmdExit_Click() {
    if (MsgBox("Do you want to Exit?", forms::vbYesNo + forms::vbQuestion, "Message") != forms::vbYes)
        return;
    UnloadDepartmentPickers();
    app.Forms.Instance<frmNeuRoExams>().Unload();
    Unload();
    // A list the nurse has closed is not opened again just to be given the focus.
    if (!app.Forms.IsLoaded<frmSearch>())
        return;
    frmSearch& list = app.Forms.Instance<frmSearch>();
    for (forms::Label* link : list.lblProcedures.Elements())
        link->SetEnabled(false);
    if (list.Visible() && list.CanReceiveFocus(list.mshflexList))
        list.mshflexList.SetFocus();
}

void frmFinal::OpenPharmacyEntry() {}

void frmFinal::CSR() {}

} // namespace ward
