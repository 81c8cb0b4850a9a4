#include "assessments/frmAssessmentClinical.h"
#include "assessments/frmCashAssessment.h"
#include "charges/frmCharge.h"
#include "chart/ChartHandOver.h"
#include "chart/frmFinal.h"
#include "core/AccountChecks.h"
#include "core/App.h"
#include "core/HospitalSettings.h"
#include "core/ModuleHelpers.h"
#include "discharge/frmDischargeMenu.h"
#include "discharge/frmDoctors.h"
#include "discharge/frmHBPS.h"
#include "discharge/frmPostDiet.h"
#include "pharmacy/frmAdministeredMeds.h"
#include "pharmacy/frmCSREntry.h"
#include "pharmacy/frmHtWt.h"
#include "pharmacy/frmPHEntry.h"
#include "pharmacy/frmPharmacyRequest.h"
#include "platform/db/SqlText.h"
#include "platform/forms/Layout.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/Format.h"
#include "platform/vb/Operators.h"
#include "platform/vb/Strings.h"
#include "requestentry/frmNeuRoExams.h"
#include "shell/UserRights.h"
#include "shell/frmMessage.h"
#include "shell/frmSearch.h"
#include "shell/frmSupervisorAccessCode.h"

namespace ward {

namespace {

constexpr int kInformation = forms::vbInformation + forms::vbOKOnly;
constexpr int kExclamation = forms::vbExclamation + forms::vbOKOnly;

} // namespace

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

// Requests still in the cart are offered for sending before the nurse confirms leaving the chart.
void frmFinal::cmdExit_Click() {
    std::string question = "Do you want to Exit?";
    if (CartHoldsRequests()) {
        app.Forms.Get<frmMessage>().ShowModal();
        if (app.MessageAnswer) {
            tabSSTab1.SetTab(0);
            cmdSave_Click();
        }
        question = "Do you want to exit?";
    }
    if (MsgBox(question, forms::vbYesNo + forms::vbQuestion, "Message") != forms::vbYes)
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

bool frmFinal::CartHoldsRequests() const {
    const int rows = mshflexOrders.Rows();
    return rows > 2 || (rows == 2 && !mshflexOrders.TextMatrix(1, 1).empty());
}

void frmFinal::cmdNextPatient_Click(int Index) {
    switch (Index) {
    case 0:
        OpenHeightAndWeight();
        break;
    case 1:
        if (AskRight("1", "Sorry you don't have access right to Request Medicines."))
            RequestFromPharmacy("PH");
        break;
    case 2:
        if (AskRight("1", "Sorry you don't have access right to Request Central Supplies."))
            RequestFromPharmacy("CS");
        break;
    case 3:
        if (AskRight("6", "Sorry you don't have access right to Post New Diet."))
            ChangeDiet();
        break;
    case 4:
        if (MayDischargeOrTransfer())
            app.Forms.Get<frmDischargeMenu>().ShowModal();
        break;
    case 5:
        if (AskRight("3", "Sorry you don't have access right to Post Charges."))
            OpenWardCharges();
        break;
    case 6:
        if (AskRight("6", "Sorry you don't have access right to Send Clearance/Discharge Order."))
            SendClearance();
        break;
    case 7:
        if (AskRight("9", "Sorry you don't have access right for Assessment Entry."))
            OpenCashAssessmentEntry();
        break;
    case 9:
        app.Forms.Get<frmAdministeredMeds>().ShowModal();
        break;
    case 10:
        OpenDoctors();
        break;
    case 11:
        OpenClinicalAssessment();
        break;
    default:
        break;
    }
}

// The gate's Cleared step. The ward's own charges are "charges to make", every other department's "requests".
bool frmFinal::RefusedAsCleared(const std::string& deptCode, const std::string& toMake) {
    if (!IsDepartmentCleared(app, txtId.Text(), deptCode))
        return false;
    std::string cleared;
    if (deptCode == "PH")
        cleared = "Patient is already cleared by (Pharmacy Department). ";
    else if (deptCode == "CS")
        cleared = "Patient is already cleared by (Central Supply Department). ";
    else if (deptCode == "DT")
        cleared = "Patient is already cleared by (Dietary Department). ";
    else
        cleared = "Patient is already cleared by (ZODE Department). ";
    MsgBox(cleared + "If you have " + toMake + " to make, notify the Billing staff" +
               " immediately for further instructions.",
           kInformation, "Message");
    return true;
}

// The patient search holds the admission validated last, which the patient list changes behind an open chart: the
// chart's own admission is made current before its billing state is read.
bool frmFinal::RefusedAsUnknownAdmission() {
    if (!app.PatientSearch->ValidateAdmission(txtId.Text())) {
        MsgBox("No records found.", kInformation, "Notification");
        return true;
    }
    app.PatientSearch->Admission().Refresh();
    return false;
}

// The gate's Closed step, on the admission just refreshed; its sentence and title differ between the entry points.
bool frmFinal::RefusedAsClosed(const std::string& closedSentence, const std::string& title) {
    if (!IsBillingDateSet(app.PatientSearch->Admission().BillingDate))
        return false;
    MsgBox(closedSentence + "If you have charges to make, notify the Billing staff" +
               " immediately for further instructions.",
           kExclamation, title);
    return true;
}

bool frmFinal::RefusedAsCashBasis(bool underCashBasis, const std::string& departmentText) {
    if (!underCashBasis)
        return false;
    MsgBox("The patient's account has been placed under cash basis " + departmentText +
               "Please advise the patient/watcher to see the Billing staff immediately for further instructions.",
           kExclamation, "Message");
    return true;
}

// Buttons 1 and 2: the pharmacy or supplies menu. A cleared or closed account still reloads the request lists.
void frmFinal::RequestFromPharmacy(const std::string& revenue) {
    if (RefusedAsCleared(revenue, "requests")) {
        Get_CanPenProc();
        return;
    }
    if (revenue == "PH" && IsPatientsMed(app, txtId.Text()))
        MsgBox("Records indicate that this Patient is under patients medicine.", kInformation, "Message");
    if (RefusedAsUnknownAdmission())
        return;
    if (RefusedAsClosed("The patient's account has already been closed . ", "Message")) {
        Get_CanPenProc();
        return;
    }
    frmPharmacyRequest& menu = app.Forms.Instance<frmPharmacyRequest>();
    menu.IdNum = txtId.Text();
    menu.HospNum = txtPno.Text();
    menu.SetRevenue = revenue;
    menu.ShowModal();
    Get_CanPenProc();
}

void frmFinal::ChangeDiet() {
    if (RefusedAsCleared("DT", "requests"))
        return;
    app.Forms.Get<frmPostDiet>().ShowModal();
    ReadCurrentDiet();
}

void frmFinal::ReadCurrentDiet() {
    db::Recordset rs = app.Connection().Open(
        "SELECT tbCoDiet.Diet,tbpatient2.DietID FROM PATIENT_DATA..tbpatient2 AS tbpatient2 LEFT OUTER JOIN "
        "BUILD_FILE..tbCoDiet AS tbCoDiet ON tbpatient2.DietID = tbCoDiet.DietID where tbpatient2.Idnum = " +
            db::SqlQuote(txtId.Text()),
        db::CursorType::ForwardOnly, db::LockType::ReadOnly);
    txtAdiet.SetText(rs.Eof() ? "" : vb::ConcatText(rs.Fields("Diet")));
    rs.Close();
}

void frmFinal::OpenHeightAndWeight() {
    app.Forms.Get<frmHtWt>().ShowModal();
    app.PatientSearch->Admission().Refresh();
}

bool frmFinal::MayDischargeOrTransfer() {
    const bool mayTransfer = HasUserRight(app, "5");
    const bool mayDischarge = HasUserRight(app, "4");
    if (mayTransfer || mayDischarge)
        return true;
    MsgBox("Sorry you don't have access right to Discharge and Transfer Room of Patient.", kInformation, "Message");
    return false;
}

// Button 6: the discharge order goes to billing only before the cut-off, with no request pending and no remote
// control charged.
void frmFinal::SendClearance() {
    if (ClearanceCutOffPassed() || HasPendingRequests() || HasRemoteControlCharges())
        return;
    app.Forms.Get<frmHBPS>().ShowModal();
    app.PatientSearch->Admission().Refresh();
}

// The cut-off is today's date at the hospital's clearance time, compared with the server's time read now: the time
// held since the last dated action may be hours old.
bool frmFinal::ClearanceCutOffPassed() {
    LoadHospitalSettings(app);
    if (!app.IsCutoffClearance)
        return false;
    RefreshServerDate(app);
    const std::string time = vb::Format(app.CutoffClearanceTime, " hh:mm:ss AM/PM");
    const vb::Date cutOff = vb::CDate(vb::Format(app.ServerDate, "mm/dd/yyyy") + time);
    if (cutOff.serial > app.ServerDate.serial)
        return false;
    MsgBox("Sending of Clearance/Discharge Order! is up to " + time + " only." + "\r\n" +
               "Please notify the Billing staff immediately for further instructions.",
           kInformation, "Message");
    return true;
}

bool frmFinal::HasPendingRequests() {
    Get_CanPenProc();
    if (mshflexProcessed(1).TextMatrix(1, 1).empty())
        return false;
    MsgBox("You can`t send discharge order at this time.There are still pending requests.", kInformation, "Message");
    return true;
}

// Only the first row counts; an amount the server leaves Null charges nothing.
bool frmFinal::HasRemoteControlCharges() {
    db::Recordset rs =
        app.Connection().Open("Station..sp_Check_RemoteControl_Charges " + db::SqlQuote(vb::Trim(txtId.Text())),
                              db::CursorType::ForwardOnly, db::LockType::ReadOnly);
    const bool charged = !rs.Eof() && !rs.Fields("Amount").IsNull() && vb::CDbl(rs.Fields("Amount")) > 0;
    rs.Close();
    if (!charged)
        return false;
    MsgBox(std::string("Records indicate that the Patient has Remote Control Charges! ") + "\r\n" +
               "Please credit first the remote control charge before sending Discharge Order.",
           kInformation, "Message");
    return true;
}

void frmFinal::OpenDoctors() {
    frmDoctors& doctors = app.Forms.Instance<frmDoctors>();
    doctors.SMSMode = false;
    doctors.IdNum = txtId.Text();
    doctors.PName = txtPatient.Text();
    doctors.ShowModal();
    LoadPatientHeader();
}

void frmFinal::OpenWardCharges() {
    if (RefusedAsUnknownAdmission() || RefusedAsCleared("SU", "charges") ||
        RefusedAsClosed("The patient's account has already been closed . ", "Message") ||
        RefusedAsCashBasis(IsCashBasisSU(app, txtId.Text()), "for ( ZODE Charges ) by the Billing Officer. "))
        return;
    if (vb::Trim(app.PatientSearch->Admission().Room.RoomClassID).empty()) {
        MsgBox("Patient Has Incomplete Admission Records! Please Refer to the Admission Dept. To Check His/Her "
               "Record Especially the Room.",
               forms::vbCritical + forms::vbOKOnly, "Message");
        return;
    }
    frmCharge& charge = FillDepartments<frmCharge>(app, "STATION..sp_SNCU_ChargingCodes");
    charge.lblDeptCode.SetCaption(app.StationID);
    charge.SetCaption("POST CHARGES");
    CopyHeaderBoxes(HeaderBoxesOf(*this), HeaderBoxesOf(charge));
    charge.Show();
}

// No right and no billing gate: the server lists the departments the nurse may assess.
void frmFinal::OpenClinicalAssessment() {
    LoadHospitalSettings(app);
    frmAssessmentClinical& assessment = FillDepartments<frmAssessmentClinical>(
        app, "STATION..sp_Nurse_Get_Assess_ClinicalDeparment " + db::SqlQuote(vb::Trim(txtId.Text())) + "," +
                 (app.IsAllowClinicalAssessmentWithoutValidation ? "1" : "0"));
    assessment.lblDeptCode.SetCaption(app.StationID);
    CopyHeaderBoxes(HeaderBoxesOf(*this), HeaderBoxesOf(assessment));
    assessment.Show();
}

// In-patients are assessed in cash only while their ward charges are under cash basis; out-patients always.
void frmFinal::OpenCashAssessmentEntry() {
    const std::string idNum = txtId.Text();
    if (vb::Right(idNum, 1) != "B" && !IsOkeySU(app, idNum)) {
        MsgBox(std::string("The patient's account has not been placed under cash basis ") + "\r\n" +
                   " for ( ZODE Charges ). Please use the Post Charges Option to enter charges.",
               kExclamation, "Message");
        return;
    }
    frmCashAssessment& assessment = FillDepartments<frmCashAssessment>(app, "STATION..sp_SNCU_ChargingCodes");
    assessment.lblDeptCode.SetCaption(app.StationID);
    assessment.SetCaption("Cash Assessment Entry");
    CopyHeaderBoxes(HeaderBoxesOf(*this), HeaderBoxesOf(assessment));
    assessment.Show();
}

void frmFinal::OpenPharmacyEntry() {
    if (RefusedAsUnknownAdmission() || RefusedAsClosed("The patient's account has already been closed . ", ""))
        return;
    if (RefusedAsCashBasis(!app.PatientSearch->Admission().OkeyPH.value_or(false),
                           "for ( Pharmacy Charges ) by the Billing Officer. "))
        return;
    frmPHEntry& entry = app.Forms.Instance<frmPHEntry>();
    entry.IdNum = txtId.Text();
    entry.HospNum = txtPno.Text();
    entry.ShowModal();
    Get_CanPenProc();
}

void frmFinal::CSR() {
    if (RefusedAsUnknownAdmission() || RefusedAsClosed("The patient's account has already been closed. ", ""))
        return;
    if (!RefusedAsCashBasis(!app.PatientSearch->Admission().OkeyCS.value_or(false),
                            "for ( Central Supply Charges ) by the Billing Officer. ")) {
        app.Forms.Get<frmCSREntry>().ShowModal();
        Get_CanPenProc();
        return;
    }
    app.CashBasisStatBypass = false;
    LoadHospitalSettings(app);
    if (app.IsAllowByPassClinicalDepartmentCashBasis)
        EnterSuppliesAsStat();
}

// A supervisor's log-in lets a STAT request through the cash basis; the nurse may try again after a refusal.
void frmFinal::EnterSuppliesAsStat() {
    if (MsgBox(std::string("Note: You can by pass the cash basis condition if the request is really a 'STAT'.") +
                   "\n\r" + "Provided that you will enter the reason for the STAT request and a Supervisor Log-in." +
                   "\n\r\n\r" + "Do you want to proceed?",
               forms::vbYesNo + forms::vbInformation, "Message") != forms::vbYes)
        return;
    for (;;) {
        app.Forms.Get<frmSupervisorAccessCode>().ShowModal();
        if (!vb::Trim(app.SupervisorID).empty()) {
            app.ValidatedUserID = app.SupervisorID;
            ShowSuppliesEntry();
            Get_CanPenProc();
            return;
        }
        if (MsgBox(std::string("Selected transaction will not continue! ") + "\r\n" +
                       "Are you sure you want to by pass the cash basis condition if the request is really a 'STAT'?",
                   forms::vbYesNo + forms::vbInformation, "Message") != forms::vbYes)
            return;
    }
}

void frmFinal::ShowSuppliesEntry() {
    StatBypassShowing bypass(app);
    app.Forms.Get<frmCSREntry>().ShowModal();
}

} // namespace ward
