#include "charges/DialogCallers.h"

#include "charges/frmDoctorsFee.h"
#include "charges/frmPSIReading.h"
#include "core/App.h"
#include "core/HospitalSettings.h"
#include "platform/vb/Runtime.h"

namespace ward {

bool AskPSIOxygen(forms::Form& window) {
    return window.MsgBox("Is this a PSI Oxygen?", forms::vbYesNo + forms::vbQuestion + forms::vbDefaultButton2,
                         "Message") == forms::vbYes;
}

void ClearPSIReadings(forms::MSHFlexGrid& grid, int row) {
    grid.SetTextMatrix(row, 11, "0");
    for (int col = 12; col <= 14; ++col)
        grid.SetTextMatrix(row, col, "");
}

void ChargeByPSIReading(App& app, forms::MSHFlexGrid& grid, int row, PSICaller caller) {
    app.PSIReading = 0;
    grid.SetTextMatrix(row, 11, "1");
    for (int col = 12; col <= 14; ++col)
        grid.SetTextMatrix(row, col, "");
    frmPSIReading& dialog = app.Forms.Instance<frmPSIReading>();
    dialog.Code = grid.TextMatrix(row, 2);
    dialog.Description = grid.TextMatrix(row, 3);
    dialog.Grid = &grid;
    dialog.SelectedRow = static_cast<std::int16_t>(row);
    dialog.ShowModal();
    ApplyPSIAmountRule(app, grid, row, caller);
}

void ApplyPSIAmountRule(App& app, forms::MSHFlexGrid& grid, int row, PSICaller caller) {
    const int reading = app.PSIReading;
    if (reading > 0)
        grid.SetTextMatrix(row, 4, vb::Str(app.PSIReading));
    else
        grid.SetTextMatrix(row, 4, caller == PSICaller::ClinicalAssessment ? "" : "1");
    const double unitPrice = vb::Val(grid.TextMatrix(row, 5));
    if (caller == PSICaller::ClinicalAssessment) {
        grid.SetTextMatrix(row, 6, reading >= 100 ? vb::CStr(unitPrice * reading / 100) : grid.TextMatrix(row, 5));
        return;
    }
    if (caller == PSICaller::ChargeWindow)
        LoadHospitalSettings(app);
    if (app.PSIOxygenComputationType == 1) {
        grid.SetTextMatrix(row, 6, vb::CStr(vb::Val(grid.TextMatrix(row, 4)) * unitPrice));
    } else if (reading >= 100) {
        grid.SetTextMatrix(row, 6, vb::CStr(unitPrice * reading / 100));
    } else if (reading >= 1) {
        grid.SetTextMatrix(row, 6, grid.TextMatrix(row, 5));
    } else {
        ClearPSIReadings(grid, row);
        grid.SetTextMatrix(row, 6, vb::CStr(vb::Val(grid.TextMatrix(row, 4)) * vb::CDbl(grid.TextMatrix(row, 5))));
    }
}

std::optional<double> PickDoctorsFee(App& app, forms::Form& window, const std::string& doctorCode,
                                     const std::string& doctorName) {
    frmDoctorsFee& picker = app.Forms.Instance<frmDoctorsFee>();
    picker.DoctorCode = doctorCode;
    picker.DoctorName = doctorName;
    if (!picker.SearchRecord()) {
        window.MsgBox("No Record(s) found in the Doctor's Fee table! \r\nPlease contact EDP for further assistance.",
                      forms::vbOKOnly + forms::vbCritical, "Message");
        return std::nullopt;
    }
    picker.ShowModal();
    return picker.SelectedDoctorFee;
}

} // namespace ward
