#include "core/HospitalSettings.h"

#include "core/App.h"
#include "platform/db/Connection.h"
#include "platform/vb/Conversions.h"

#include <functional>

namespace ward {

namespace {

// Runs one step with its error ignored, as every step of the settings load is.
void Ignoring(const std::function<void()>& step) {
    try {
        step();
    } catch (const std::exception&) {
    }
}

void ClearFlags(HospitalSettings& s) {
    for (bool* flag : {&s.IsNursePrint,
                       &s.IsLBDirectCharging,
                       &s.IsXRDirectCharging,
                       &s.IsUSDirectCharging,
                       &s.IsCTDirectCharging,
                       &s.IsHSDirectCharging,
                       &s.IsShowAmount,
                       &s.IsPrintChargeSlip,
                       &s.IsCutoffClearance,
                       &s.IsValidateRoomTransfer,
                       &s.IsAllowRoomTransferWithPendingRequest,
                       &s.IsAllowClinicalAssessmentWithoutValidation,
                       &s.IsAllowEntryOfReasonForCancellation,
                       &s.IsAllowByPassClinicalDepartmentCashBasis,
                       &s.IsStat,
                       &s.IsAllowPostReturnZODE,
                       &s.IsAllowSupervisorCodeForCancellationOfCharges,
                       &s.AutoBillingDate,
                       &s.IsAllowNurseToDischarge,
                       &s.AllowZeroOnHand,
                       &s.PHQtyBaseFrequency,
                       &s.IsCompanyPrice,
                       &s.HighAlert,
                       &s.PHICOneDay,
                       &s.NurseResultDispositionOnly,
                       &s.NoRequestingAfterFinalNotice,
                       &s.ValidateUnusedMedClearance,
                       &s.PrintPHCSRequest,
                       &s.AppendDrugDescCharge})
        *flag = false;
    s.PSIOxygenComputationType = 0;
}

// Each column is read on its own: a Null or unconvertible value leaves that one variable as it was.
void ReadText(const db::Recordset& rs, const char* column, std::string& target) {
    Ignoring([&] { target = vb::CStr(rs.Fields(column)); });
}

void ReadFlag(const db::Recordset& rs, const char* column, bool& target) {
    Ignoring([&] { target = vb::CBool(rs.Fields(column)); });
}

void ReadHospitalInfo(const db::Recordset& rs, HospitalSettings& s) {
    ReadText(rs, "Company", s.HospitalName);
    ReadText(rs, "Address1", s.HospitalAddress);
    ReadFlag(rs, "Bygeneric", s.ByGeneric);
    ReadText(rs, "MTSServerName", s.MTSServerName);
    ReadFlag(rs, "IsNursePrint", s.IsNursePrint);
    ReadText(rs, "PhoneNum", s.HospitalPhone);
    ReadText(rs, "ClientName", s.ClientName);
    ReadFlag(rs, "IsLBDirectCharging", s.IsLBDirectCharging);
    ReadFlag(rs, "IsXRDirectCharging", s.IsXRDirectCharging);
    ReadFlag(rs, "IsUSDirectCharging", s.IsUSDirectCharging);
    ReadFlag(rs, "IsCTDirectCharging", s.IsCTDirectCharging);
    ReadFlag(rs, "IsHSDirectCharging", s.IsHSDirectCharging);
    ReadFlag(rs, "IsShowAmount", s.IsShowAmount);
    ReadFlag(rs, "IsPrintChargeSlip", s.IsPrintChargeSlip);
    ReadFlag(rs, "IsCutoffClearance", s.IsCutoffClearance);
    Ignoring([&] { s.CutoffClearanceTime = vb::CDate(rs.Fields("CutoffClearanceTime")); });
    ReadFlag(rs, "IsValidateRoomTransfer", s.IsValidateRoomTransfer);
    ReadFlag(rs, "IsAllowRoomTransferWithPendingRequest", s.IsAllowRoomTransferWithPendingRequest);
    ReadFlag(rs, "IsAllowClinicalAssessmentWithoutValidation", s.IsAllowClinicalAssessmentWithoutValidation);
    ReadFlag(rs, "IsAllowEntryOfReasonForCancellation", s.IsAllowEntryOfReasonForCancellation);
    ReadFlag(rs, "IsAllowByPassClinicalDepartmentCashBasis", s.IsAllowByPassClinicalDepartmentCashBasis);
    Ignoring([&] { s.PSIOxygenComputationType = vb::CInt(rs.Fields("PSIOxygenComputationType")); });
    ReadFlag(rs, "isStat", s.IsStat);
    ReadFlag(rs, "IsAllowPostReturnZODE", s.IsAllowPostReturnZODE);
    ReadFlag(rs, "IsAllowSupervisorCodeForCancellationOfCharges", s.IsAllowSupervisorCodeForCancellationOfCharges);
    ReadFlag(rs, "AutoBillingDate", s.AutoBillingDate);
    ReadFlag(rs, "IsAllowNurseToDischarge", s.IsAllowNurseToDischarge);
    ReadFlag(rs, "AllowZeroOnHand", s.AllowZeroOnHand);
    ReadFlag(rs, "PHQtyBaseFrequency", s.PHQtyBaseFrequency);
    ReadFlag(rs, "IsCompanyPrice", s.IsCompanyPrice);
    ReadFlag(rs, "HighAlert", s.HighAlert);
}

void ReadNursingSettings(const db::Recordset& rs, HospitalSettings& s) {
    ReadFlag(rs, "PHICOneDay", s.PHICOneDay);
    ReadFlag(rs, "NurseResultDispositionOnly", s.NurseResultDispositionOnly);
    ReadFlag(rs, "NoRequestingAfterFinalNotice", s.NoRequestingAfterFinalNotice);
    ReadFlag(rs, "ValidateUnusedMedClearance", s.ValidateUnusedMedClearance);
    ReadFlag(rs, "PrintPHCSRequest", s.PrintPHCSRequest);
    ReadFlag(rs, "AppendDrugDescCharge", s.AppendDrugDescCharge);
}

// Reads the first row of a settings query, if it has one.
void ReadFirstRow(App& app, const char* sql, const std::function<void(const db::Recordset&)>& read) {
    db::Recordset rs = app.Connection().Open(sql, db::CursorType::Dynamic, db::LockType::ReadOnly);
    if (!rs.Eof())
        read(rs);
    rs.Close();
}

// The three reads of the settings, each passed to the step runner.
void LoadSettings(App& app, const std::function<void(const std::function<void()>&)>& run) {
    ClearFlags(app);
    run([&] {
        ReadFirstRow(app, "Select * from PATIENT_DATA..tbHospitalInfo",
                     [&](const db::Recordset& rs) { ReadHospitalInfo(rs, app); });
    });
    run([&] {
        ReadFirstRow(
            app,
            "Select PHICOneDay,NurseResultDispositionOnly,NoRequestingAfterFinalNotice,ValidateUnusedMedClearance,"
            "PrintPHCSRequest,AppendDrugDescCharge From STATION..tbNursing_Settings",
            [&](const db::Recordset& rs) { ReadNursingSettings(rs, app); });
    });
    run([&] { app.Parameters().LoadParameters(app); });
}

} // namespace

void LoadHospitalSettings(App& app) { LoadSettings(app, Ignoring); }

void LoadHospitalSettingsOrFail(App& app) {
    LoadSettings(app, [](const std::function<void()>& step) { step(); });
}

} // namespace ward
