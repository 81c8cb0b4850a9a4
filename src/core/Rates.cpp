#include "core/Rates.h"

#include "core/AccountChecks.h"
#include "core/App.h"
#include "core/RecordsetChecks.h"
#include "platform/db/SqlText.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/Operators.h"
#include "platform/vb/Strings.h"

#include <optional>

namespace ward {

namespace {

std::string TextColumn(App& app, const std::string& sql, const char* column) {
    return FirstRowOr(app, sql, std::string(),
                      [column](const db::Recordset& rs) { return vb::ConcatText(rs.Fields(column)); });
}

struct PackageInfo {
    std::string transplantID, dialysisID, package;
    bool vip;
};

std::string ZeroWhenNull(const vb::Variant& value) { return value.IsNull() ? "0" : vb::CStr(value); }

} // namespace

std::string GetARCode(App& app, const std::string& RevenueCode, const std::string& UnitCode, const std::string& Mode) {
    return TextColumn(app,
                      "STATION..sp_Get_ARCodes " + db::SqlQuote(vb::Trim(RevenueCode)) + "," +
                          db::SqlQuote(vb::Trim(UnitCode)) + "," + db::SqlQuote(vb::Trim(Mode)),
                      "ARCode");
}

std::string GetRoomClassification(App& app, const std::string& RoomID) {
    return TextColumn(app, "STATION..sp_Nurse_Get_RoomClassification " + db::SqlQuote(vb::Trim(RoomID)), "RoomClassID");
}

std::string GetPackageRate(App& app, const std::string& PackageID, const std::string& RateClass) {
    const std::string rateClass = vb::Trim(RateClass);
    return FirstRowOr(
        app, "Select * from INVENTORY..tbInvPackage where packageid =" + db::SqlQuote(vb::Trim(PackageID)),
        std::string(), [&](const db::Recordset& rs) -> std::string {
            if (rateClass != "A" && rateClass != "B" && rateClass != "C" && rateClass != "D" && rateClass != "E")
                return "";
            const vb::Variant& rate = rs.Fields("Rate" + rateClass);
            return rate.IsNull() ? "" : vb::Str(rate);
        });
}

double GetDoctorsRate(App& app, const std::string& DoctorCode, const std::string& RateClass) {
    return FirstRowOr(app,
                      "STATION..sp_Nurse_Get_Doctors_Rate " + db::SqlQuote(vb::Trim(DoctorCode)) + "," +
                          db::SqlQuote(vb::Trim(RateClass)),
                      0.0, [](const db::Recordset& rs) {
                          const vb::Variant& amount = rs.Fields("Amount");
                          return amount.IsNull() ? 0.0 : vb::CDbl(amount);
                      });
}

bool HasDoctorBill(App& app, const std::string& DoctorCode) {
    return ReturnsRow(app, "Select * from BUILD_FILE..tbCoDoctorBill Where DoctorID =" +
                               db::SqlQuote(vb::Trim(DoctorCode)) + " and Status = 1 and Amount >0");
}

std::string GetOPDRateType(App& app, const std::string& IdNum) {
    return TextColumn(app, "PATIENT_DATA..sp_Get_OPD_Classification " + db::SqlQuote(vb::Trim(IdNum)), "RateType");
}

std::string GetInventoryType(App& app, const std::string& LocationID) {
    return TextColumn(app,
                      "Select Isnull(InventoryType,'') As InventoryType From INVENTORY..tbInvLocation Where "
                      "LocationID =" +
                          db::SqlQuote(vb::Trim(LocationID)),
                      "InventoryType");
}

std::string GetAdmissionPackage(App& app, const std::string& IdNum, const std::string& PatientType) {
    const std::string idNum = db::SqlQuote(vb::Trim(IdNum));
    return TextColumn(app,
                      vb::Trim(PatientType) == "I"
                          ? "Select A.*,Isnull(B.Package,'') AS Package from Patient_data..tbPatient2 A Left Outer "
                            "Join Build_file..tbCoADmPackage B On A.PackageID = B.PackageID Where A.IDnum =" +
                                idNum
                          : "Select A.*,Isnull(B.Package,'') AS Package from Patient_data..tbOutPatient A Left Outer "
                            "Join Build_file..tbCoADmPackage B On A.PackageID = B.PackageID Where A.IDnum =" +
                                idNum,
                      "Package");
}

void ShowPatientPackageInfo(App& app, const forms::TextBox& txtId, forms::Form& chart) {
    const std::string IdNum = txtId.Text();
    std::optional<PackageInfo> info = FirstRowOr(
        app,
        "select isnull(A.transplantID,'0') as transplantID,isnull(A.dialysisID,'0') as dialysisID, "
        " isnull(B.Description,'') As Package, IsNull(A.VIP,0) As VIP  "
        " from PATIENT_DATA..tbPatient2 A "
        " LEFT OUTER JOIN build_file..tbExecPackageCode B On A.PackageId = B.PackageID "
        " Where A.idnum = " +
            db::SqlQuote(IdNum),
        std::optional<PackageInfo>(), [](const db::Recordset& rs) {
            return PackageInfo{ZeroWhenNull(rs.Fields("transplantID")), ZeroWhenNull(rs.Fields("dialysisID")),
                               vb::ConcatText(rs.Fields("Package")), vb::IsTrue(rs.Fields("VIP"))};
        });
    if (!info)
        return;
    app.TransplantID = info->transplantID;
    app.DialysisID = info->dialysisID;
    if (!vb::Trim(info->package).empty())
        chart.SetCaption(" Executive Package Type : " + vb::Trim(info->package));
    if (info->vip)
        chart.SetCaption(vb::Trim(chart.Caption()) + vb::Space(10) + "( Patient is Tag As VIP PATIENT )");
    if (IsSeniorCitizen(app, IdNum))
        chart.SetCaption(vb::Trim(chart.Caption()) + " ( Patient is Senior Citizen )");
    const std::string patientType = vb::Right(vb::Trim(IdNum), 1) == "B" ? "O" : "I";
    const std::string admissionPackage = GetAdmissionPackage(app, IdNum, patientType);
    if (!vb::Trim(admissionPackage).empty())
        chart.SetCaption(vb::Trim(chart.Caption()) + "Executive Package Type : " + admissionPackage);
    else
        chart.SetCaption(vb::Trim(chart.Caption()));

    SetTransplantAndDialysisTexts(app);
}

void SetTransplantAndDialysisTexts(App& app) { SetTransplantAndDialysisTexts(app, app.TransplantID, app.DialysisID); }

void SetTransplantAndDialysisTexts(App& app, const std::string& transplantID, const std::string& dialysisID) {
    const std::string transplant = vb::Trim(transplantID);
    if (transplant == "0")
        app.TransplantText = "Non_Transplant";
    else if (transplant == "1")
        app.TransplantText = "Transplant";
    const std::string dialysis = vb::Trim(dialysisID);
    if (dialysis == "0")
        app.DialysisText = "None";
    else if (dialysis == "1")
        app.DialysisText = "Pre-Dialysis";
    else if (dialysis == "2")
        app.DialysisText = "Post-Dialysis";
}

void SavePatientOtherInfo(App& app, const forms::TextBox& txtId) {
    app.Connection().Execute("STATION..sp_Nurse_Update_OtherInfo " + db::SqlQuote(txtId.Text()) + "," +
                             db::SqlQuote(app.TransplantID) + "," + db::SqlQuote(app.DialysisID) + ",'I'");
}

} // namespace ward
