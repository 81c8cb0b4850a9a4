#include "core/AccountChecks.h"

#include "core/App.h"
#include "core/RecordsetChecks.h"
#include "platform/db/SqlText.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/Operators.h"
#include "platform/vb/Strings.h"

namespace ward {

namespace {

std::string IdNumArgument(const std::string& IdNum) { return db::SqlQuote(vb::Trim(IdNum)); }

} // namespace

bool IsBillingDateSet(const vb::Variant& billingDate) {
    if (billingDate.IsNull() || billingDate.IsEmpty())
        return false;
    if (billingDate.IsString()) {
        if (vb::Trim(vb::CStr(billingDate)).empty())
            return false;
        if (vb::IsDate(billingDate))
            return vb::CDbl(vb::CDate(billingDate)) != 0;
    }
    return vb::IsTrue(vb::NotEqual(billingDate, std::int16_t{0}));
}

bool IsDepartmentCleared(App& app, const std::string& IdNum, const std::string& DeptCode) {
    return FirstRowOr(
        app,
        "STATION..sp_Nurse_Check_ClearedDepartment " + IdNumArgument(IdNum) + "," + db::SqlQuote(vb::Trim(DeptCode)),
        false, [](const db::Recordset& rs) { return !vb::ConcatText(rs.Fields("ClearDate")).empty(); },
        db::CursorType::Dynamic);
}

bool IsCashBasisSU(App& app, const std::string& IdNum) {
    return FirstRowOr(app,
                      "SELECT Isnull(OkeySU,0) as OKeySU "
                      "FROM Patient_data..tbPatient2 "
                      "WHERE IDNum =" +
                          IdNumArgument(IdNum),
                      false, [](const db::Recordset& rs) { return !vb::IsTrue(rs.Fields("OKeySU")); });
}

bool IsPatientsMed(App& app, const std::string& IdNum) {
    return FirstRowOr(app,
                      "Select Isnull(PatientsMed,0) as PatientsMed from Patient_data..tbPatient2 where IDNum =" +
                          IdNumArgument(IdNum),
                      false, [](const db::Recordset& rs) { return vb::IsTrue(rs.Fields("PatientsMed")); });
}

bool IsMaintainedRoom(App& app, const std::string& IdNum) {
    return ReturnsRow(app, "STATION..sp_Nurse_Check_Maintained_Room " + IdNumArgument(IdNum));
}

bool IsSeniorCitizen(App& app, const std::string& IdNum) {
    return ReturnsRow(app, "Station..sp_Nurse_Check_Patient_IsSeniorCitizen " + IdNumArgument(IdNum));
}

bool IsReceivableUpdate(App& app, const std::string& IdNum) {
    return FirstRowOr(app, "PATIENT_DATA..sp_Check_Patient_For_ReceivableUpdate " + IdNumArgument(IdNum), false,
                      [](const db::Recordset& rs) { return vb::IsTrue(rs.Fields("IsReceivableUpdate")); });
}

bool IsAccountClosed(App& app) {
    components::AdmissionObject& admission = app.PatientSearch->Admission();
    admission.Refresh();
    if (!IsBillingDateSet(admission.BillingDate))
        return false;
    app.Forms.MsgBox("The patient's account has already been closed. \r\n\r\n"
                     "If you have transaction to make, please notify the Billing staff"
                     " immediately for further instructions.",
                     forms::vbOKOnly + forms::vbExclamation, "Notification");
    return true;
}

bool HasICRow(const forms::MSHFlexGrid& Grid) {
    for (int row = 1; row < Grid.Rows(); ++row)
        if (vb::Trim(Grid.TextMatrix(row, 1)) == "IC")
            return true;
    return false;
}

bool ChargeSlipExists(App& app, const std::string& ChargeSlip) {
    const std::string slip = db::SqlQuote(vb::Trim(ChargeSlip));
    if (app.Parameters().FifteenCSlipFormat())
        return ReturnsRow(app,
                          "Select Refnum From BILLING..tbBillDailyBill Where Refnum = " + slip + " Union All " +
                              " Select Refnum From BILLING..tbBillOPDailyOut Where Refnum = " + slip + " Union All " +
                              " Select Refnum From BILLING..tbCashAssessment Where Refnum = " + slip + " Union All " +
                              " Select Refnum From BILLING..tbBillOPDailyOut Where ChargeSlip = " + slip +
                              " Union All " + " Select Refnum From INVENTORY..tbInvStockcard Where Refnum = " + slip);
    return ReturnsRow(app, "Select Refnum From BILLING..tbBillDailyBill Where Refnum = " + slip + " Union All " +
                               " Select Refnum From BILLING..tbBillOPDailyOut Where Refnum = " + slip + " Union All " +
                               " Select Refnum From BILLING..tbBillOPDailyOut Where ChargeSlip = " + slip +
                               " Union All " + " Select Refnum From INVENTORY..tbInvStockcard Where Refnum = " + slip);
}

void ShowNextChargeSlip(App& app, forms::ControlArray<forms::Label>& lblCS) {
    db::Recordset rs = app.Connection().Open("Select * from STATION..tbSCNChargeSlip", db::CursorType::Dynamic,
                                             db::LockType::Optimistic);
    if (!rs.Eof()) {
        lblCS(1).SetCaption("");
        lblCS(1).SetCaption(vb::Trim(vb::CStr(rs.Fields("ChargeSlip"))));
    }
    rs.Close();
}

} // namespace ward
