#include "chart/frmFinal.h"
#include "core/AccountChecks.h"
#include "core/App.h"
#include "core/ModuleHelpers.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/Strings.h"
#include "platform/vb/VbError.h"
#include "shell/frmSearch.h"
#include "shell/frmTransaction_UserValidation.h"
#include "shell/mdiOrMenu.h"

namespace ward {

namespace {

// The chart's page each link opens.
constexpr int kLinkTabs[] = {0, 2, 6};

// A value as text; Null and Empty give no text.
std::string Text(const vb::Variant& value) { return value.IsNull() || value.IsEmpty() ? "" : vb::CStr(value); }

// A discharge date as text; 0 means none.
std::string DischargeText(const vb::Variant& date) {
    if (vb::IsNumeric(date) && vb::CDbl(date) == 0)
        return "";
    return Text(date);
}

// The transfer's number as the statement takes it, unquoted: only a whole number may stand there, so that no text
// of the row can reach the statement.
std::string TransferNumber(const std::string& transNum) {
    const bool digits = !transNum.empty() && transNum.find_first_not_of("0123456789") == std::string::npos;
    if (!digits)
        vb::RaiseTypeMismatch();
    return transNum;
}

} // namespace

void frmSearch::mshflexList_Click() { ChooseCurrentRow(); }

// Makes the current row's patient and admission the current ones; false when the admission is not found.
bool frmSearch::ChooseCurrentRow() {
    for (forms::Label* link : lblProcedures.Elements())
        link->SetEnabled(true);
    app.CurHospNum.clear();
    app.CurIdNum.clear();
    const int row = mshflexList.Row();
    app.CurHospNum = mshflexList.TextMatrix(row, 1);
    app.CurIdNum = mshflexList.TextMatrix(row, 2);
    app.SearchRow2 = app.SearchRow = static_cast<std::int16_t>(row);
    if (app.PatientSearch->ValidatePatient(vb::Trim(app.CurHospNum))) {
        components::PatientObject& patient = app.PatientSearch->PatientMaster();
        app.CurPatientName =
            vb::Trim(patient.Lastname) + " ," + vb::Trim(patient.FirstName) + " " + vb::Trim(patient.MiddleName);
        app.CurPatientAddress = patient.Address.CompleteAddress;
    } else {
        // Another patient's name beside this admission would put printouts under the wrong person.
        app.CurPatientName.clear();
        app.CurPatientAddress.clear();
    }
    if (!app.PatientSearch->ValidateAdmission(app.CurIdNum)) {
        MsgBox("No records found.", forms::vbInformation + forms::vbOKOnly, "Notification");
        return false;
    }
    TakeAdmission();
    mdiOrMenu& main = app.Forms.Instance<mdiOrMenu>();
    for (forms::Menu* menu : {&main.mnuInquiry, &main.mnuRS, &main.mnuInfo, &main.mnuLedger})
        menu->SetEnabled(true);
    main.mnuMaintained.SetEnabled(IsMaintainedRoom(app, app.CurIdNum));
    chosenIdNum = vb::Trim(app.CurIdNum);
    return true;
}

void frmSearch::TakeAdmission() {
    const components::AdmissionObject& admission = app.PatientSearch->Admission();
    app.CurRoomClassID = admission.Room.RoomClassID;
    app.CurRoomID = admission.Room.RoomID;
    app.CurRoomRate = vb::CStr(vb::Variant(admission.Room.RoomRate));
    app.CurAdmissionDate = Text(admission.AdmissionDate);
    app.CurDischargeDate = DischargeText(admission.DischargeDate);
    app.CurAccountNum = vb::Trim(admission.Account.AccountNumber);
    if (app.CurAccountNum.empty())
        app.CurAccountNum = vb::Trim(app.CurHospNum);
    app.CurGuarantor = vb::Trim(app.CurAccountNum) != vb::Trim(app.CurHospNum) ? admission.Account.Company : "PERSONAL";
}

void frmSearch::mshflexList_DblClick() {
    MarkChartForReload();
    if (CheckPendingRoomTransfer()) {
        Form_Load();
        return;
    }
    OpenChart(mshflexList.TextMatrix(app.SearchRow2, 1), mshflexList.TextMatrix(app.SearchRow2, 2), 0);
}

void frmSearch::mshflexList_KeyDown(int& KeyCode) {
    if (KeyCode != forms::vbKeyReturn)
        return;
    mshflexList_Click();
    mshflexList_DblClick();
}

// A link acts on the current row; a row moved to without a click is chosen first, so that the menus and the
// current-patient variables follow the chart that opens.
void frmSearch::lblProcedures_Click(int Index) {
    const int row = mshflexList.Row();
    const std::string hospNum = mshflexList.TextMatrix(row, 1);
    const std::string idNum = mshflexList.TextMatrix(row, 2);
    if (vb::Trim(idNum) != chosenIdNum)
        ChooseCurrentRow();
    MarkChartForReload();
    if (!OpenChart(hospNum, idNum, kLinkTabs[Index]))
        return;
    Command1_Click();
    MakeOpenedAdmissionCurrent(idNum);
}

void frmSearch::MarkChartForReload() {
    for (bool* flag :
         {&app.ReloadXrayResults, &app.ReloadVitalSigns, &app.ReloadClinicalSummary, &app.ReloadORSchedule,
          &app.ReloadUltrasoundResults, &app.ReloadCTResults, &app.ReloadLabResults, &app.ReloadHeartResults,
          &app.ReloadPTResults, &app.ReloadNuclearResults, &app.ReloadPulmoResults, &app.ReloadNeuroExams})
        *flag = true;
}

// Shows the admission in the chart on that page; false when the chart did not open. A chart holding another
// admission is closed first, as its own button closes it, so that the new numbers never sit beside the old
// patient's header.
bool frmSearch::OpenChart(const std::string& hospNum, const std::string& idNum, int tab) {
    if (app.Forms.IsLoaded<frmFinal>()) {
        frmFinal& open = app.Forms.Instance<frmFinal>();
        if (vb::Trim(open.txtId.Text()) != vb::Trim(idNum)) {
            open.cmdExit_Click();
            if (open.IsLoaded())
                return false;
        }
    }
    frmFinal& chart = app.Forms.Get<frmFinal>();
    // A chart whose set-up failed has shown its error and unloaded itself.
    if (!chart.IsLoaded())
        return false;
    chart.txtPno.SetText(hospNum);
    chart.txtId.SetText(idNum);
    chart.tabSSTab1.SetTab(tab);
    chart.Show();
    return true;
}

// After the list's search the chart's admission is the current one again, not row 1.
void frmSearch::MakeOpenedAdmissionCurrent(const std::string& idNum) {
    for (int row = 1; row < mshflexList.Rows(); ++row) {
        if (!mshflexList.TextMatrix(row, 1).empty() && vb::Trim(mshflexList.TextMatrix(row, 2)) == vb::Trim(idNum)) {
            if (row != mshflexList.Row())
                mshflexList.SetRow(row);
            return;
        }
    }
    frmFinal& chart = app.Forms.Instance<frmFinal>();
    app.CurHospNum = chart.txtPno.Text();
    app.CurIdNum = chart.txtId.Text();
}

bool frmSearch::CheckPendingRoomTransfer() {
    db::Recordset rs = app.Connection().Open(
        "Select Isnull(RecordStatus,'') As Status,OriginalRoomID As OldRoomID,DestinationRoomID As NewRoomID,"
        "TransNum from Patient_data..tbRoom_Transfer_Communication Where IDNum =" +
            db::SqlQuote(vb::Trim(app.CurIdNum)) + " and Isnull(RecordStatus,'')=''",
        db::CursorType::ForwardOnly, db::LockType::ReadOnly);
    struct Close {
        db::Recordset& rs;
        ~Close() {
            if (rs.State() == db::ObjectState::Open)
                rs.Close();
        }
    } close{rs};
    if (rs.Eof() || !vb::Trim(Text(rs.Fields("Status"))).empty())
        return false;
    const std::string oldRoom = vb::Trim(Text(rs.Fields("OldRoomID")));
    const std::string newRoom = vb::Trim(Text(rs.Fields("NewRoomID")));
    const std::string transNum = vb::Trim(Text(rs.Fields("TransNum")));
    const int answer =
        MsgBox("Record(s) indicate that this Patient was transfered from Room:" + oldRoom + " To:" + newRoom +
                   "\n\rPlease confirm first the transfer before doing any "
                   "transactions.\n\rDo you want to confirm the Room Transfer?",
               forms::vbYesNo + forms::vbCritical, "Message");
    if (answer == forms::vbYes)
        return ConfirmRoomTransfer(oldRoom, newRoom, transNum);
    return RevokeRoomTransfer(oldRoom, newRoom, transNum);
}

// True when the list is to be reloaded: the nurse gave up before confirming.
bool frmSearch::ConfirmRoomTransfer(const std::string& oldRoom, const std::string& newRoom,
                                    const std::string& transNum) {
    if (!ValidateActingUser(app,
                            "Transaction will not be save. \r\nDo you want to save and confirm the room transfer?"))
        return true;
    if (MsgBox("Are you sure you want to Confirm this transfer?", forms::vbYesNo + forms::vbQuestion, "MESSAGE") !=
        forms::vbYes)
        return true;
    RefreshServerDate(app);
    SendRoomTransferAction(oldRoom, newRoom, transNum, 1);
    MsgBox("Room Transfer successfully confirmed.", forms::vbInformation + forms::vbOKOnly, "Message");
    return false;
}

// Always true: revoked or left, the transfer keeps the chart closed.
bool frmSearch::RevokeRoomTransfer(const std::string& oldRoom, const std::string& newRoom,
                                   const std::string& transNum) {
    if (MsgBox("Do you want to revoke/cancel the Room Transfer request?", forms::vbYesNo + forms::vbCritical,
               "Message") != forms::vbYes)
        return true;
    if (!ValidateActingUser(app, "Transaction will not be saved. \r\nDo you want to revoke/cancel the room transfer?"))
        return true;
    SendRoomTransferAction(oldRoom, newRoom, transNum, 2);
    MsgBox("Room Transfer successfully revoked.", forms::vbInformation + forms::vbOKOnly, "Message");
    return true;
}

void frmSearch::SendRoomTransferAction(const std::string& oldRoom, const std::string& newRoom,
                                       const std::string& transNum, int action) {
    app.Connection().Execute("STATION..sp_Nurse_Update_NotificationForRoomTransfer " +
                             db::SqlQuote(vb::Trim(app.CurHospNum)) + "," + db::SqlQuote(vb::Trim(app.CurIdNum)) + "," +
                             db::SqlQuote(app.ValidatedUserID) + "," + db::SqlQuote(oldRoom) + "," +
                             db::SqlQuote(newRoom) + "," + TransferNumber(transNum) + "," + std::to_string(action));
}

} // namespace ward
