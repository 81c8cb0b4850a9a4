#include "requestentry/frmPTRequestEntry.h"

#include "core/App.h"
#include "core/ErrorReporting.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"
#include "platform/forms/Layout.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/Strings.h"
#include "shell/frmTransaction_UserValidation.h"

#include <optional>

namespace ward {

namespace {

constexpr int kNotice = forms::vbOKOnly | forms::vbInformation;
constexpr int DoctorList = 1;
constexpr int StatusCol = 5;
constexpr int RequestNumberCol = 10;

constexpr const char* kListFormat = "  |<Remarks   |<Requesting MD|<Date Requested  |<Requested By  |<Status |<Process "
                                    "Date  |<Processed By  |<Revoke Date    |<Revoked By   |<Request No.";
constexpr int kListWidths[] = {3000, 2000, 1500, 2000, 1000, 1500, 2000, 1500, 2000, 2000};

std::string RequestListQuery(const std::string& idNum) { return "STATION..LoadPTRequests " + db::SqlQuote(idNum); }

std::string StatusOf(const std::string& status) { return vb::UCase(vb::Trim(status)); }

} // namespace

frmPTRequestEntry::frmPTRequestEntry(App& app) : Form(app.Forms), app(app) {
    Command1.On(&forms::Control::Click, [this](int Index) { Command1_Click(Index); });
    cmdRevoke.Click = [this] { cmdRevoke_Click(); };
    mshflexList.Click = [this] { cmdRevoke.SetEnabled(true); };
    txtRequestingDoctor.On(&forms::Control::KeyPress,
                           [this](int Index, int& KeyAscii) { txtRequestingDoctor_KeyPress(Index, KeyAscii); });
    txtRequestingDoctor.On(&forms::Control::Validate,
                           [this](int Index, bool& Cancel) { txtRequestingDoctor_Validate(Index, Cancel); });
    cmdReqDoc.Click = [this] { cmdReqDoc_Click(); };
}

void frmPTRequestEntry::Design() {
    SetCaption("Rehabilitation Medicine - Request Entry");
    SetBorderStyle(3);
    SetControlBox(false);
    SetInnerSize(11400, 8400);
    DesignHeader();
    DesignNewRequest();
    fraList.SetCaption("List of Requests Entered");
    txtMessage.SetText("No Requests Entered");
    Command1.Load(0).SetCaption("&Save");
    Command1.Load(2).SetCaption("&Close");
    Command1.Load(6).SetCaption("&Refresh ");
    cmdRevoke.SetCaption("Revoke");
    forms::Layout(*this)
        .Skip(fraHeader.Height() + 120)
        .Skip(fraNew.Height() + 120)
        .Group(fraList, [&](forms::Layout& inside) { inside.Full(mshflexList, 3000).Full(txtMessage); })
        .Buttons({&cmdRevoke, &Command1(6), &Command1(0), &Command1(2)})
        .FitFormHeight();
}

void frmPTRequestEntry::DesignHeader() {
    struct Box {
        const char* caption;
        forms::TextBox* box;
    };
    const Box boxes[] = {{"Patient Name", &txtPatient},
                         {"Admission #", &txtId},
                         {"Hospital #", &txtPno},
                         {"Admitting Dr.", &txtDoctor1},
                         {"Attending Dr.", &txtDoctor2},
                         {"Room #", &txtRoom},
                         {"Adm. Date", &txtDateAdmitted},
                         {"Birthdate", &txtDob},
                         {"Age", &txtAge},
                         {"Sex", &txtSex}};
    forms::Layout(*this).Group(fraHeader, [&](forms::Layout& inside) {
        for (int row = 0; row < 10; row += 2) {
            forms::Label& left = lblHeader.Load(row);
            forms::Label& right = lblHeader.Load(row + 1);
            left.SetCaption(boxes[row].caption);
            right.SetCaption(boxes[row + 1].caption);
            inside.Row({{&left, 1300}, {boxes[row].box, 4000}, {&right, 1300}, {boxes[row + 1].box}});
        }
    });
    for (const Box& box : boxes)
        box.box->SetLocked(true);
}

void frmPTRequestEntry::DesignNewRequest() {
    fraNew.SetCaption("New Request");
    lblRequestingDoctor.SetCaption("Requesting MD:");
    lblRemarks.SetCaption("Remarks:");
    forms::TextBox& code = txtRequestingDoctor.Load(1);
    forms::TextBox& name = txtRequestingDoctor.Load(0);
    code.SetTabIndex(0);
    name.SetTabIndex(1);
    cmdReqDoc.SetCaption("...");
    txtRemarks.SetMultiLine(true);
    forms::Layout(*this).Skip(fraHeader.Height() + 120).Group(fraNew, [&](forms::Layout& inside) {
        inside.Row({{&lblRequestingDoctor, 1300}, {&code, 900}, {&cmdReqDoc, 375}, {&name}})
            .Row({{&lblRemarks, 1300}, {&txtRemarks}}, 900);
    });
}

void frmPTRequestEntry::Form_Load() {
    txtPatient.SetText(PName);
    txtDoctor1.SetText(AdmMD);
    txtDoctor2.SetText(AtnMD);
    txtId.SetText(ID);
    txtPno.SetText(Hosp);
    txtDateAdmitted.SetText(AdmDate);
    txtDob.SetText(Bdate);
    txtRoom.SetText(Room);
    txtAge.SetText(Age);
    txtSex.SetText(Sex);
    RefreshList();
}

void frmPTRequestEntry::Command1_Click(int Index) {
    switch (Index) {
    case 0:
        if (vb::Trim(NameBox().Text()).empty() || vb::Trim(CodeBox().Text()).empty()) {
            MsgBox("Please provide requesting doctor.", kNotice, "Notification");
            CodeBox().SetFocus();
            return;
        }
        if (vb::Trim(txtRemarks.Text()).empty()) {
            MsgBox("Please provide remarks written by requesting doctor.", kNotice, "Notification");
            txtRemarks.SetFocus();
            return;
        }
        SavePTRequest();
        RefreshList();
        break;
    case 2:
        if (MsgBox("Are you sure to close Rehabilitation Medicine request entry?", forms::vbYesNo | forms::vbQuestion,
                   "Confirmation") == forms::vbYes)
            Unload();
        break;
    case 6:
        RefreshList();
        break;
    default:
        break;
    }
}

void frmPTRequestEntry::RefreshList() {
    InitRequestGrid();
    LoadRequestList();
    cmdRevoke.SetEnabled(false);
}

void frmPTRequestEntry::InitRequestGrid() {
    mshflexList.Clear();
    mshflexList.SetCols(10);
    mshflexList.SetRows(2);
    mshflexList.SetFormatString(kListFormat);
    for (int col = 1; col <= 10; ++col)
        mshflexList.SetColWidth(col, kListWidths[col - 1]);
}

// The grid keeps the layout's titles over the bound rows.
void frmPTRequestEntry::LoadRequestList() {
    try {
        db::Recordset rs =
            app.Connection().Open(RequestListQuery(txtId.Text()), db::CursorType::ForwardOnly, db::LockType::ReadOnly);
        if (!rs.Eof()) {
            std::vector<std::string> titles;
            for (int col = 0; col < mshflexList.Cols(); ++col)
                titles.push_back(mshflexList.TextMatrix(0, col));
            mshflexList.SetDataSource(rs);
            for (int col = 0; col < mshflexList.Cols() && col < static_cast<int>(titles.size()); ++col)
                mshflexList.SetTextMatrix(0, col, titles[static_cast<std::size_t>(col)]);
        }
        rs.Close();
        MarkRequestStatus();
    } catch (const std::exception& error) {
        ShowErrorMessage(app, error);
    }
}

void frmPTRequestEntry::MarkRequestStatus() {
    for (int row = 1; row < mshflexList.Rows(); ++row) {
        const std::string status = StatusOf(mshflexList.TextMatrix(row, StatusCol));
        forms::Color color;
        if (status == "CANCELED")
            color = forms::RGB(255, 0, 0);
        else if (status == "PROCESSED")
            color = forms::RGB(0, 255, 0);
        else
            continue;
        for (int col = 1; col < mshflexList.Cols(); ++col) {
            mshflexList.SetRow(row);
            mshflexList.SetCol(col);
            mshflexList.SetCellForeColor(color);
        }
    }
}

void frmPTRequestEntry::SavePTRequest() {
    try {
        app.Forms.Get<frmTransaction_UserValidation>().ShowModal();
        if (app.ValidatedUserID.empty())
            return;
        app.Connection().Execute(
            std::string("INSERT INTO STATION..tbNursePTRequestLink (IDNum, NurseID, Remarks, RequestDocID, "
                        "RequestDate, Status) ") +
            "VALUES (" + db::SqlQuote(txtId.Text()) + "," + db::SqlQuote(app.ValidatedUserID) + ", " +
            db::SqlQuote(txtRemarks.Text()) + "," + db::SqlQuote(CodeBox().Text()) + ",GETDATE(),'P')");
        MsgBox("PT request successfully saved.", kNotice, "Notification");
        NameBox().SetText("");
        CodeBox().SetText("");
        txtRemarks.SetText("");
    } catch (const std::exception& error) {
        ShowErrorMessage(app, error);
    }
}

void frmPTRequestEntry::cmdRevoke_Click() {
    const int row = mshflexList.Row();
    const std::string status = StatusOf(mshflexList.TextMatrix(row, StatusCol));
    if (status == "PROCESSED") {
        MsgBox("Sorry, this item was already processed by Rehabilitation Medicine.", kNotice, "Notification");
        return;
    }
    if (status == "CANCELED") {
        MsgBox("Sorry, this item is already canceled.", kNotice, "Notification");
        return;
    }
    const std::string requestNumber = mshflexList.TextMatrix(row, RequestNumberCol);
    if (requestNumber.empty()) {
        MsgBox("Please select item to cancel.", kNotice, "Notification");
        return;
    }
    CancelPTRequest(requestNumber);
}

// The list may be older than the department's last change: the request is read again right before it is revoked.
void frmPTRequestEntry::CancelPTRequest(const std::string& requestNumber) {
    try {
        app.Forms.Get<frmTransaction_UserValidation>().ShowModal();
        if (app.ValidatedUserID.empty())
            return;
        if (!StillRevocable(requestNumber)) {
            RefreshList();
            return;
        }
        {
            db::TransactionGuard transaction(app.Connection());
            app.Connection().Execute(std::string("UPDATE STATION..tbNursePTRequestLink ") + "SET Status = 'C' " +
                                     "WHERE Requestnum = " + db::SqlQuote(requestNumber));
            InsertStationLog(app, txtId.Text(), "CANCELED PT REQUEST: " + requestNumber, app.ValidatedUserID,
                             app.StationID);
            transaction.Commit();
        }
        MsgBox("Item was successfully canceled.", kNotice, "Notification");
        RefreshList();
    } catch (const std::exception& error) {
        ShowErrorMessage(app, error);
    }
}

bool frmPTRequestEntry::StillRevocable(const std::string& requestNumber) {
    db::Recordset rs =
        app.Connection().Open(RequestListQuery(txtId.Text()), db::CursorType::ForwardOnly, db::LockType::ReadOnly);
    std::optional<std::string> status;
    for (; !rs.Eof() && !status; rs.MoveNext()) {
        if (rs.FieldCount() >= RequestNumberCol &&
            vb::Trim(vb::CStr(rs.Fields(RequestNumberCol - 1))) == vb::Trim(requestNumber)) {
            const vb::Variant& value = rs.Fields(StatusCol - 1);
            status = StatusOf(value.IsNull() ? "" : vb::CStr(value));
        }
    }
    rs.Close();
    if (!status) {
        MsgBox("Please select item to cancel.", kNotice, "Notification");
        return false;
    }
    if (*status == "PROCESSED") {
        MsgBox("Sorry, this item was already processed by Rehabilitation Medicine.", kNotice, "Notification");
        return false;
    }
    if (*status == "CANCELED") {
        MsgBox("Sorry, this item is already canceled.", kNotice, "Notification");
        return false;
    }
    return true;
}

void frmPTRequestEntry::txtRequestingDoctor_KeyPress(int Index, int& KeyAscii) {
    if (KeyAscii == forms::vbKeyReturn) {
        KeyAscii = 0;
        if (Index == 1) {
            NameBox().SetText("");
            CheckDoctorCode(nullptr);
        } else {
            MoveToNextControl();
        }
        return;
    }
    KeyAscii = app.KeyFilter->AllUppers(static_cast<std::int16_t>(KeyAscii));
}

void frmPTRequestEntry::txtRequestingDoctor_Validate(int Index, bool& Cancel) {
    if (checking)
        return;
    if (!CheckDoctorCode(&txtRequestingDoctor(Index)))
        Cancel = true;
}

bool frmPTRequestEntry::CheckDoctorCode(forms::TextBox* leaving) {
    const std::string code = vb::Trim(CodeBox().Text());
    if (code != "0") {
        NameBox().SetEnabled(false);
        if (!app.CodeSearch->SearchListing(code, DoctorList)) {
            MsgBox("Doctor code not exist.", kNotice, "Notification");
            return false;
        }
        ShowDoctor();
        return true;
    }
    NameBox().SetEnabled(true);
    if (leaving == nullptr)
        FocusNameBox();
    if (!NameBox().Text().empty())
        return true;
    MsgBox("Please enter the name of the requesting doctor.", forms::vbOKOnly | forms::vbExclamation, "Notification");
    // From the code box the focus goes on to the name; from the name box it stays there.
    if (leaving != &NameBox())
        FocusNameBox();
    return false;
}

// The focus moves without asking the box it leaves again.
void frmPTRequestEntry::FocusNameBox() {
    if (!Visible() || !CanReceiveFocus(NameBox()))
        return;
    checking = true;
    MoveFocus(NameBox());
    checking = false;
}

void frmPTRequestEntry::ShowDoctor() {
    const components::DoctorRecordInfo& doctor = app.CodeSearch->DoctorRecord();
    CodeBox().SetText(doctor.ResultCode);
    NameBox().SetText(vb::Trim(doctor.Lastname) + ", " + vb::Trim(doctor.FirstName));
}

void frmPTRequestEntry::cmdReqDoc_Click() {
    if (!app.CodeSearch->SearchListing(vb::Trim(CodeBox().Text()), DoctorList)) {
        MsgBox("Doctor code does not exist.", kNotice, "Notification");
        return;
    }
    ShowDoctor();
}

} // namespace ward
