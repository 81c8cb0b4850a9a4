#include "chart/frmFinal.h"

#include "components/PatientRecords.h"
#include "core/App.h"
#include "core/Rates.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"
#include "platform/forms/Layout.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/Format.h"
#include "platform/vb/Operators.h"
#include "platform/vb/Strings.h"

namespace ward {

namespace {

constexpr int kActionBarWidth = 3360;
constexpr int kLabelWidth = 1100;

// A date the patient search gives as 0 (or not at all) when there is none.
bool IsNoDate(const vb::Variant& date) {
    return date.IsNull() || date.IsEmpty() || vb::IsTrue(vb::Equal(date, vb::Variant(std::int32_t{0})));
}

// A date as text in the platform's default form, empty for none.
std::string DateText(const vb::Variant& date) { return IsNoDate(date) ? std::string() : vb::CStr(date); }

std::string DateTimeText(const vb::Variant& date) {
    return IsNoDate(date) ? std::string() : vb::Format(date, "mm/dd/yyyy hh:mm:ss AM/PM");
}

std::string TextOrEmpty(const vb::Variant& value) { return value.IsNull() ? std::string() : vb::CStr(value); }

} // namespace

// The header: the open admission's boxes, read-only, with their labels; the PhilHealth type at the end of its row.
void frmFinal::DesignHeader() {
    fraHeader.SetCaption("");
    fraHeader.Move(120, 60, ScaleWidth() - kActionBarWidth - 240, 2400);
    const char* captions[] = {"Patient Name",
                              "Hospital#",
                              "Admission#",
                              "Room #",
                              "Sex",
                              "Age",
                              "Birthdate",
                              "Status",
                              "ADM. Date",
                              "DCR. Date",
                              "B.T.",
                              "Ht.                 cm.",
                              "Wt.                kg.",
                              "Diet",
                              "Admitting Dr.:",
                              "Attending Dr.:",
                              "Attending Dr.:",
                              "Diagnosis"};
    int index = 0;
    for (const char* caption : captions)
        lblHeader.Load(index++).SetCaption(caption);
    lblPhilhealth.Load(0).SetCaption("PHIC TYPE ");
    lblPhilhealth.Load(1).SetCaption(" ");
    for (forms::TextBox* box : {&txtPatient, &txtPno, &txtId, &txtRoom, &txtSex, &txtAge, &txtDob, &txtStatus,
                                &txtDateAdmitted, &txtDateDischarged, &txtBloodType, &txtHt, &txtWt, &txtAdiet,
                                &txtDoctor1, &txtDoctor2, &txtDoctor3, &txtDiagnosis})
        box->SetLocked(true);
    auto label = [this](int i) { return forms::Cell{&lblHeader(i), kLabelWidth}; };
    forms::LayoutMetrics metrics;
    metrics.RowGap = 60;
    forms::Layout layout(fraHeader, metrics);
    layout.Row({label(0), {&txtPatient}, label(1), {&txtPno, 1500}, label(2), {&txtId, 1500}})
        .Row({label(3), {&txtRoom}, label(4), {&txtSex}, label(5), {&txtAge}, label(6), {&txtDob}})
        .Row({label(7),
              {&txtStatus, 1100},
              label(8),
              {&txtDateAdmitted},
              label(9),
              {&txtDateDischarged},
              label(10),
              {&txtBloodType, 700}})
        .Row({label(11),
              {&txtHt, 1000},
              label(12),
              {&txtWt, 1000},
              label(13),
              {&txtAdiet},
              {&lblPhilhealth(0), kLabelWidth},
              {&lblPhilhealth(1)}})
        .Row({label(14), {&txtDoctor1}, label(15), {&txtDoctor2}, label(16), {&txtDoctor3}})
        .Row({label(17), {&txtDiagnosis}});
    fraHeader.SetHeight(layout.UsedHeight());
}

// The panel that covers the pages while the chart loads, hidden until then.
void frmFinal::DesignLoadingPanel() {
    pctMeter.SetOverlay(true);
    pctMeter.Move(tabSSTab1.Left() + tabSSTab1.Width() / 4, tabSSTab1.Top() + tabSSTab1.Height() / 3,
                  tabSSTab1.Width() / 2, 1200);
    lblMeter.SetCaption("Loading, please wait...");
    forms::Layout(pctMeter).Full(lblMeter).Full(ProgressBarMeter);
    pctMeter.SetVisible(false);
}

// Writes the open admission into the header and the current-patient variables, reloads the request lists and the
// caption, and sets what the cash-basis flags allow. A refused admission leaves everything but the PhilHealth type as
// it was.
void frmFinal::LoadPatientHeader() {
    app.PhicTypeText = "";
    app.PhicMembership = "";
    app.AdmType = "";
    lblPhilhealth(1).SetCaption(" ");
    app.PatientSearch->Admission().Refresh();
    if (!app.PatientSearch->ValidateAdmission(txtId.Text()))
        return;
    WritePatientBoxes();
    WriteAdmissionBoxes();
    WritePatientMaster();
    WriteDiet();
    ReadMembership();
    ShowPhilhealthType();
    ReloadRequestLists();
    SetCaption(captionOfLoad);
    ShowPatientPackageInfo(app, txtId, *this);
    ApplyCashBasisFlags();
}

void frmFinal::WritePatientBoxes() {
    const components::AdmissionObject& admission = app.PatientSearch->Admission();
    const components::PatientObject& patient = app.PatientSearch->Admission().Patient();
    txtPatient.SetText(vb::RTrim(patient.Lastname) + " ," + vb::RTrim(patient.FirstName) + " " +
                       vb::RTrim(patient.MiddleName));
    txtSex.SetText(patient.Sex);
    txtStatus.SetText(patient.CivilStatus.Description);
    txtDob.SetText(DateText(patient.BirthDate));
    const components::HistoryInfo& history = admission.History;
    txtDiagnosis.SetText(history.AdmittingDiagnosis);
    txtADMDiagnosis.SetText(history.AdmittingDiagnosis);
    txtChiefComplaints.SetText(history.ChiefComplaint);
    txtImpression.SetText(history.AdmittingImpression);
    txtHt.SetText(history.Height);
    txtWt.SetText(history.Weight);
}

void frmFinal::WriteAdmissionBoxes() {
    const components::AdmissionObject& admission = app.PatientSearch->Admission();
    app.CurAdmissionDate = DateText(admission.AdmissionDate);
    app.CurDischargeDate = DateText(admission.DischargeDate);
    txtAge.SetText(TextOrEmpty(admission.Age));
    txtRoom.SetText(admission.Room.RoomID);
    app.CurRoomClassID = admission.Room.RoomClassID;
    app.CurRoomRate = vb::CStr(admission.Room.RoomRate);
    txtDateAdmitted.SetText(DateTimeText(admission.AdmissionDate));
    txtDateDischarged.SetText(DateTimeText(admission.DischargeDate));
    txtMannerOfAdmission.SetText(admission.HowAdmitted.Description);
    app.AttendingDoctor1Code = admission.AttendingDoctor1.Code;
    txtDoctor2.SetText(admission.AttendingDoctor1.CompleteName);
    txtDoctor3.SetText(admission.AttendingDoctor2.CompleteName);
    txtDoctor1.SetText(admission.AdmittingDoctor.CompleteName);
}

// A patient whose master record does not load keeps the blood type, address and account of the load before.
void frmFinal::WritePatientMaster() {
    components::PatientObject& master = app.PatientSearch->PatientMaster();
    if (!master.LoadPatient(txtPno.Text()))
        return;
    app.HeaderAddress = master.Address.CompleteAddress;
    app.CurAccountNum = master.Account.AccountNumber;
    txtBloodType.SetText(master.BloodType);
}

void frmFinal::WriteDiet() {
    db::Recordset rs = app.Connection().Open(
        "SELECT tbCoDiet.Diet,tbpatient2.DietID FROM PATIENT_DATA..tbpatient2 AS tbpatient2 LEFT OUTER JOIN "
        "BUILD_FILE..tbCoDiet AS tbCoDiet ON tbpatient2.DietID = tbCoDiet.DietID where tbpatient2.Idnum = " +
            db::SqlQuote(txtId.Text()),
        db::CursorType::ForwardOnly, db::LockType::ReadOnly);
    txtAdiet.SetText(rs.Eof() ? std::string() : TextOrEmpty(rs.Fields("Diet")));
    rs.Close();
}

void frmFinal::ReadMembership() {
    db::Recordset rs =
        app.Connection().Open("Station..sp_Get_Patient_ADMTypeMembership " + db::SqlQuote(vb::Trim(txtId.Text())),
                              db::CursorType::ForwardOnly, db::LockType::ReadOnly);
    if (!rs.Eof()) {
        app.PhicMembership = TextOrEmpty(rs.Fields("Membership"));
        app.AdmType = TextOrEmpty(rs.Fields("ADMType"));
        app.PhicTypeText = app.PhicMembership;
    }
    rs.Close();
}

// An in-patient shows the membership itself; an out-patient only whether the master says member. A blank text is
// no membership for either.
void frmFinal::ShowPhilhealthType() {
    if (!components::records::IsVisitNumber(txtId.Text())) {
        const std::string membership = vb::Trim(app.PhicTypeText);
        lblPhilhealth(1).SetCaption(" " + (membership.empty() ? std::string("NON-PHIC") : membership));
        return;
    }
    db::Recordset rs = app.Connection().Open(
        "Select Isnull(Philhealth,'0') As Philhealth From PATIENT_DATA..tbMaster2 Where Hospnum = " +
            db::SqlQuote(vb::Trim(txtPno.Text())),
        db::CursorType::ForwardOnly, db::LockType::ReadOnly);
    if (!rs.Eof())
        app.PhicTypeText = TextOrEmpty(rs.Fields("Philhealth"));
    rs.Close();
    const std::string philhealth = vb::Trim(app.PhicTypeText);
    lblPhilhealth(1).SetCaption(philhealth == "0" || philhealth.empty() ? " NON-PHIC" : " WITH-PHIC");
}

// The panel covers the pages while the request lists reload, and goes away also when they fail to.
void frmFinal::ReloadRequestLists() {
    lblMeter.SetCaption("Loading Patient Records");
    lblMeter.SetEnabled(true);
    pctMeter.SetVisible(true);
    try {
        Get_CanPenProc();
    } catch (...) {
        pctMeter.SetVisible(false);
        throw;
    }
    pctMeter.SetVisible(false);
}

// Billing's cash basis for a department closes its quick list and opens the clinical assessment; a flag billing has
// not set yet (Null) lets the department charge. Nothing here disables a search or pharmacy button.
void frmFinal::ApplyCashBasisFlags() {
    forms::CommandButton& clinicalAssessment = cmdNextPatient(11);
    if (app.IsAllowClinicalAssessmentWithoutValidation) {
        clinicalAssessment.SetEnabled(true);
        return;
    }
    clinicalAssessment.SetEnabled(false);
    components::AdmissionObject& admission = app.PatientSearch->Admission();
    admission.Refresh();
    struct Department {
        const components::NullableFlag& okey;
        forms::ListBox* quickList;
        forms::CommandButton* opens;
    };
    const Department departments[] = {
        {admission.OkeyLab, &lstListLaboratory, &cmdLabMore},
        {admission.OkeyXray, &lstListXray, &cmdXrayMore},
        {admission.OkeyUltra, &lstListUltra, &cmdUltraMore},
        {admission.OkeyPH, nullptr, &cmdNextPatient(1)},
        {admission.OkeyCS, nullptr, &cmdNextPatient(2)},
        {admission.OkeyCT, nullptr, nullptr},
        {admission.OkeyPT, nullptr, nullptr},
        {admission.OkeyHS, nullptr, nullptr},
        {admission.OkeyRTS, nullptr, nullptr},
        {admission.OkeyNU, nullptr, nullptr},
    };
    for (const Department& department : departments) {
        const bool mayCharge = department.okey.value_or(true);
        if (department.quickList)
            department.quickList->SetEnabled(mayCharge);
        if (mayCharge && department.opens)
            department.opens->SetEnabled(true);
        if (!mayCharge)
            clinicalAssessment.SetEnabled(true);
    }
}

void frmFinal::txtPatient_KeyPress(int& KeyAscii) {
    // Codes outside the code page are no letters; 0 is a key already dropped.
    if (KeyAscii > 0 && KeyAscii <= 255)
        KeyAscii = vb::Asc(vb::UCase(vb::Chr(KeyAscii)));
}

} // namespace ward
