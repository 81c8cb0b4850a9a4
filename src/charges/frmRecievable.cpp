#include "charges/frmRecievable.h"

#include "charges/frmSearchRecievable.h"
#include "chart/ChartHandOver.h"
#include "core/App.h"
#include "core/HospitalSettings.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"
#include "platform/forms/Layout.h"
#include "platform/vb/Format.h"
#include "platform/vb/Runtime.h"

namespace ward {

namespace {

constexpr const char* DateTimePattern = "mm/dd/yyyy hh:mm:ss AM/PM";

std::string FullName(const components::PatientData& patient) {
    return vb::RTrim(patient.Lastname) + " ," + vb::RTrim(patient.FirstName) + " " + vb::RTrim(patient.MiddleName);
}

// No text for a missing date (Null, Empty or 0).
std::string BirthDateText(const vb::Variant& date) {
    if (date.IsNull() || date.IsEmpty() || (vb::IsNumeric(date) && vb::CDbl(date) == 0))
        return "";
    return vb::CStr(date);
}

// A date in the header's pattern; a missing date (0) shows no date rather than the calendar's day zero.
std::string DateTimeText(const vb::Variant& date) {
    return BirthDateText(date).empty() ? "" : vb::Format(date, DateTimePattern);
}

std::string Text(const vb::Variant& value) { return value.IsNull() || value.IsEmpty() ? "" : vb::CStr(value); }

} // namespace

frmRecievable::frmRecievable(App& app)
    : ChargeEntryWindow(app, "Recievable Update"),
      entry(app, mshflexEntry, txtEntry, lblMessage, ReceivableEntryGrid(lvwDepartments)),
      itemEntry(app, *this, entry, txtId, txtRoom,
                ReceivableItemEntry([this] { return PickedInPatient(); },
                                    [&app] { return vb::Trim(app.CurRoomClassID); })) {
    txtEntry.KeyDown = [this](int& KeyCode, int) { itemEntry.txtEntry_KeyDown(KeyCode); };
    mshflexList.Click = [this] { mshflexList_Click(); };
    Command1.On(&forms::Control::Click, [this](int Index) { Command1_Click(Index); });
}

void frmRecievable::Design() {
    SetCaption("Recievable Update");
    SetMDIChild(true);
    SetKeyPreview(true);
    SetInnerSize(12000, 9000);
    lblNotice.SetVisible(false);
    cmdClose.SetVisible(false);
    forms::Layout layout(*this);
    DesignHeader(layout, lblHeader);

    fraDepartments.SetCaption("Department Codes");
    fraMessage.SetCaption("Message");
    lvwDepartments.AddColumnHeader(0, "", "Code", 900);
    lvwDepartments.AddColumnHeader(0, "", "Department", 2400);
    layout.Row({{&fraDepartments, 3900}, {&fraMessage}}, 1500);
    forms::Layout(fraDepartments).Full(lvwDepartments, 1080);
    lblMessage.SetWordWrap(true);
    forms::Layout(fraMessage).Full(lblMessage, 900);

    mshflexEntry.SetRows(2);
    mshflexEntry.SetCols(19);
    layout.Full(mshflexEntry, 2400);
    txtEntry.SetVisible(false);

    lblNote.SetCaption("Note  :  To cancel charges, click on the list of charges entered.Use the Arrow Keys to choose "
                       "and then press the Enter Key or Double Click the Charges..");
    lblNote.SetWordWrap(true);
    layout.Full(lblNote, 600);

    fraList.SetCaption("List of Charges Entered");
    layout.Group(fraList, [&](forms::Layout& inside) { inside.Full(mshflexList, 1800); });
    txtMessage.SetText("No Charges Entered");
    txtMessage.SetLocked(true);
    txtMessage.SetOverlay(true);
    txtMessage.Move(mshflexList.Left() + 600, mshflexList.Top() + 600, 3000, 315);

    const char* captions[] = {"&Save", "&Ignore", "E&xit", "Search Patient", "&Delete", "&List of Charges Entered"};
    for (int i = 0; i < 6; ++i)
        Command1.Load(i).SetCaption(captions[i]);
    Command1(0).SetEnabled(false);
    cmdOption.Load(0).SetCaption("Re-print ChargeSlip");
    cmdOption(0).SetEnabled(false);
    cmdOption.Load(1).SetCaption("Cancel Charges");
    cmdOption(1).SetEnabled(false);
    layout
        .Buttons({&cmdOption(0), &cmdOption(1), &Command1(0), &Command1(1), &Command1(2), &Command1(3), &Command1(4),
                  &Command1(5)})
        .FitFormHeight();
}

void frmRecievable::Form_Load() {
    KeepCurrentPatient();
    app.ChargeSlipAllocated = false;
    app.ReceivableHospNum.clear();
    app.ReceivableIdNum.clear();
    app.ReceivableMembership.clear();
    app.ReceivableGuarantor.clear();
    app.ReceivableAdmType.clear();
    entry.SetUp();
    mshflexList.SetEnabled(false);
    LoadChargingCodes();
}

// Emptied first, so that a set-up run again lists each code once.
void frmRecievable::LoadChargingCodes() {
    db::Recordset rs =
        app.Connection().Open("STATION..sp_SNCU_ChargingCodes", db::CursorType::ForwardOnly, db::LockType::ReadOnly);
    ListDepartments(rs, lvwDepartments);
    rs.Close();
}

void frmRecievable::Command1_Click(int Index) {
    switch (Index) {
    case 0:
        // Posting late charges is not built yet: the nurse is told so rather than left thinking they were saved.
        MsgBox("Saving late charges is not available in this version of the program. Nothing was saved.",
               forms::vbInformation, "Notification");
        break;
    case 1:
        entry.IgnoreRows();
        break;
    case 2:
        Unload();
        break;
    case 3:
        SearchPatient();
        break;
    case 4:
        entry.DeleteCurrentRow(*this);
        break;
    case 5:
        MsgBox("The list of charges entered is not available in this version of the program.", forms::vbInformation,
               "Notification");
        break;
    default:
        break;
    }
}

void frmRecievable::SearchPatient() {
    app.Forms.Get<frmSearchRecievable>().ShowModal();
    if (!app.ReceivableHospNum.empty() && !app.ReceivableIdNum.empty()) {
        const bool loaded = LoadReceivablePatient();
        Command1(0).SetEnabled(loaded);
        if (!loaded)
            MsgBox("No Records Found.", forms::vbInformation, "Notification");
    }
    if (CanReceiveFocus(txtEntry))
        txtEntry.SetFocus();
}

bool frmRecievable::PickedInPatient() {
    return !app.Forms.IsLoaded<frmSearchRecievable>() || app.Forms.Instance<frmSearchRecievable>().PickedInPatient();
}

void frmRecievable::EmptyHeader() {
    for (forms::TextBox* box : {&txtPatient, &txtSex, &txtStatus, &txtDob, &txtDiagnosis, &txtAge, &txtPno, &txtId,
                                &txtRoom, &txtDateAdmitted, &txtDateDischarged, &txtDoctor2, &txtDoctor3, &txtDoctor1,
                                &txtBloodType})
        box->SetText("");
}

bool frmRecievable::LoadReceivablePatient() {
    EmptyHeader();
    const bool outPatient = vb::Right(vb::Trim(app.ReceivableIdNum), 1) == "B";
    const bool loaded = outPatient ? LoadOutPatient() : LoadInPatient();
    // Without an admission there is nothing to ask the ADM type of.
    if (loaded)
        ReadAdmTypeMembership();
    return loaded;
}

bool frmRecievable::LoadInPatient() {
    if (!app.PatientSearch->ValidateAdmission(app.ReceivableIdNum))
        return false;
    components::AdmissionObject& admission = app.PatientSearch->Admission();
    const components::PatientObject& patient = admission.Patient();
    txtPatient.SetText(FullName(patient));
    txtSex.SetText(patient.Sex);
    txtStatus.SetText(patient.CivilStatus.Description);
    txtDob.SetText(BirthDateText(patient.BirthDate));
    txtDiagnosis.SetText(admission.History.AdmittingDiagnosis);
    app.CurStationName = admission.Room.Station.Description;
    txtAge.SetText(Text(admission.Age));
    txtPno.SetText(admission.HospitalNumber);
    txtId.SetText(admission.IdNumber);
    txtRoom.SetText(admission.Room.RoomID);
    app.CurRoomClassID = admission.Room.RoomClassID;
    txtDateAdmitted.SetText(DateTimeText(admission.AdmissionDate));
    txtDateDischarged.SetText(DateTimeText(admission.DischargeDate));
    txtDoctor2.SetText(admission.AttendingDoctor1.CompleteName);
    txtDoctor3.SetText(admission.AttendingDoctor2.CompleteName);
    txtDoctor1.SetText(admission.AdmittingDoctor.CompleteName);
    if (app.PatientSearch->ValidatePatient(txtPno.Text())) {
        const components::PatientObject& master = app.PatientSearch->PatientMaster();
        app.HeaderAddress = master.Address.CompleteAddress;
        app.CurAccountNum = master.Account.AccountNumber;
        txtBloodType.SetText(master.BloodType);
    }
    ReadDiet();
    return true;
}

void frmRecievable::ReadDiet() {
    db::Recordset rs = app.Connection().Open(
        "SELECT tbCoDiet.Diet,tbpatient2.DietID FROM PATIENT_DATA..tbpatient2 AS tbpatient2 LEFT OUTER JOIN "
        "BUILD_FILE..tbCoDiet AS tbCoDiet ON tbpatient2.DietID = tbCoDiet.DietID where tbpatient2.Idnum = " +
            db::SqlQuote(txtId.Text()),
        db::CursorType::ForwardOnly, db::LockType::ReadOnly);
    txtAdiet.SetText(rs.Eof() ? "" : Text(rs.Fields("Diet")));
    rs.Close();
}

bool frmRecievable::LoadOutPatient() {
    components::OutPatientObject& visit = app.PatientSearch->PatientClass().clsOutPatient();
    if (!visit.OpenOutPatient(app.ReceivableIdNum, app.ReceivableHospNum))
        return false;
    app.CurRoomClassID = "A";
    app.CurRoomID = "OPD";
    components::PatientObject& patient = visit.Patient();
    if (patient.LoadPatient(app.ReceivableHospNum)) {
        txtPatient.SetText(FullName(patient));
        txtSex.SetText(patient.Sex);
        txtStatus.SetText(patient.CivilStatus.Description);
        txtDob.SetText(BirthDateText(patient.BirthDate));
        txtAge.SetText(Text(patient.Age));
        txtPno.SetText(patient.HospitalNumber);
        txtRoom.SetText("ER/OPD");
        app.CurStationName = "ER/OP Department";
        app.CurAccountNum = patient.Account.AccountNumber;
        txtId.SetText(visit.IdNumber);
        txtDoctor2.SetText(visit.Doctor2.CompleteName);
        txtDoctor3.SetText(visit.Doctor3.CompleteName);
        txtDoctor1.SetText(visit.Doctor1.CompleteName);
    }
    txtDoctor2.SetText(visit.Doctor1.CompleteName);
    txtDateAdmitted.SetText(DateTimeText(visit.AdmissionDate));
    txtDateDischarged.SetText(DateTimeText(visit.DischargeDate));
    return true;
}

void frmRecievable::ReadAdmTypeMembership() {
    db::Recordset rs = app.Connection().Open("Station..sp_Get_Patient_ADMTypeMembership " +
                                                 db::SqlQuote(vb::Trim(txtId.Text())),
                                             db::CursorType::ForwardOnly, db::LockType::ReadOnly);
    if (!rs.Eof()) {
        app.ReceivableMembership = Text(rs.Fields("Membership"));
        app.ReceivableAdmType = Text(rs.Fields("ADMType"));
    }
    rs.Close();
}

void frmRecievable::KeepCurrentPatient() {
    kept = {app.CurIdNum,      app.CurPatientName, app.CurPatientAddress, app.CurRoomClassID,   app.CurRoomID,
            app.CurStationName, app.CurAccountNum,  app.HeaderAddress,     app.CurAdmissionDate, app.CurDischargeDate};
}

// The station's current patient gets back what the receivable patient overwrote, unless the patient list has
// chosen another patient since.
void frmRecievable::RestoreCurrentPatient() {
    if (app.CurIdNum != kept.IdNum)
        return;
    app.CurPatientName = kept.PatientName;
    app.CurPatientAddress = kept.PatientAddress;
    app.CurRoomClassID = kept.RoomClassID;
    app.CurRoomID = kept.RoomID;
    app.CurStationName = kept.StationName;
    app.CurAccountNum = kept.AccountNum;
    app.HeaderAddress = kept.HeaderAddress;
    app.CurAdmissionDate = kept.AdmissionDate;
    app.CurDischargeDate = kept.DischargeDate;
}

void frmRecievable::Form_Unload(int& Cancel) {
    (void)Cancel;
    const std::string idNum = vb::Trim(app.CurIdNum);
    if (!idNum.empty()) {
        if (vb::Right(idNum, 1) != "B") {
            if (app.PatientSearch->ValidateAdmission(app.CurIdNum))
                app.PatientSearch->Admission().Refresh();
        } else {
            components::OutPatientObject& visit = app.PatientSearch->PatientClass().clsOutPatient();
            if (visit.OpenOutPatient(app.CurIdNum, app.CurHospNum))
                visit.Refresh();
        }
    }
    RestoreCurrentPatient();
    if (app.Forms.IsLoaded<frmSearchRecievable>())
        app.Forms.Instance<frmSearchRecievable>().Unload();
}

void frmRecievable::Form_KeyDown(int& KeyCode, int Shift) {
    (void)Shift;
    entry.FormKeyDown(KeyCode);
}

void frmRecievable::Form_KeyPress(int& KeyAscii) { EntryGrid::FormKeyPress(KeyAscii); }

void frmRecievable::mshflexList_Click() {
    LoadHospitalSettings(app);
    cmdOption(0).SetEnabled(app.IsPrintChargeSlip);
    cmdOption(1).SetEnabled(true);
    cmdOption(1).SetVisible(true);
}

} // namespace ward
