#include "charges/frmCharge.h"

#include "core/App.h"
#include "core/HospitalSettings.h"
#include "core/ReportPrinting.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"
#include "platform/vb/Runtime.h"

namespace ward {

namespace {

constexpr const char* kSlipDateTime = "mm/dd/yyyy hh:mm:ss AM/PM";

const char* SlipTemplate(int answer) {
    return answer == forms::vbYes ? "Charge_Slip_New.RPT" : "Charge_Slip_BlankForm.RPT";
}

} // namespace

void frmCharge::PrintSavedChargeSlip(const std::string& slip) {
    const int answer = MsgBox("Print Charge Slip! [YES] Pre-printed Form [NO] Blank Paper",
                              forms::vbYesNo + forms::vbInformation + forms::vbDefaultButton2, "Message");
    const std::string date = vb::Format(app.ServerDate, kSlipDateTime);
    PrintChargeSlip(SlipTemplate(answer),
                    ChargeSlipValues(slip, date, app.ValidatedUserName,
                                     "(" + vb::Trim(app.ValidatedUserID) + ") " + app.ValidatedUserName,
                                     "ORIGINAL COPY"),
                    "Print ChargeSlip");
}

// The slip of the posted charge on the list's current row, named after the nurse signed in now.
void frmCharge::ReprintChargeSlip() {
    LoadHospitalSettings(app);
    if (!app.IsPrintChargeSlip)
        return;
    const int row = mshflexList.Row();
    const std::string slip = vb::Trim(mshflexList.TextMatrix(row, 6));
    if (row < mshflexList.FixedRows() || vb::Trim(mshflexList.TextMatrix(row, 2)).empty() || slip.empty()) {
        MsgBox("Please select a charge from the list of charges entered.", forms::vbInformation, "Message");
        return;
    }
    app.Connection().Execute("STATION..sp_SCN_ReprintChargeSlip " + db::SqlQuote(slip));
    const int answer = MsgBox("Re-print Charge Slip! [YES] Pre-printed Form [NO] Blank Paper",
                              forms::vbYesNo + forms::vbInformation + forms::vbDefaultButton2, "Message");
    const std::string date = vb::Format(vb::Trim(mshflexList.TextMatrix(row, 7)), kSlipDateTime);
    const std::string name = app.CurrentUser->EmployeeName();
    PrintChargeSlip(SlipTemplate(answer),
                    ChargeSlipValues(slip, date, name, "(" + vb::Trim(app.CurrentUser->EmployeeCode()) + ") " + name,
                                     "REPRINTED COPY"),
                    "Reprint ChargeSlip");
}

void frmCharge::PrintChargeSlip(const std::string& file, const std::vector<vb::Variant>& values,
                                const std::string& caption) {
    OpenReport(app, app.GetHost().AppPath() + "\\Reports\\" + file, values);
    ShowReport(app, false, caption, false, false);
}

std::vector<vb::Variant> frmCharge::ChargeSlipValues(const std::string& slip, const std::string& date,
                                                     const std::string& userName, const std::string& userLabel,
                                                     const std::string& copy) {
    return {slip,
            txtPatient.Text(),
            txtPno.Text(),
            vb::Trim(txtAge.Text()) + " / " + vb::Trim(txtSex.Text()),
            app.PhicMembership,
            app.CurGuarantor,
            txtRoom.Text(),
            txtId.Text(),
            date,
            date,
            txtDoctor2.Text(),
            app.AdmType,
            userName,
            userLabel,
            userName,
            copy};
}

} // namespace ward
