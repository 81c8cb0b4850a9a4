#include "chart/frmScheduleRequestStatus.h"

#include "core/App.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"
#include "platform/forms/Layout.h"
#include "platform/vb/Strings.h"

namespace ward {

frmScheduleRequestStatus::frmScheduleRequestStatus(App& app) : Form(app.Forms), app(app) {
    mshflexPending.Click = [this] { mshflexPending_Click(); };
    mshflexPending.EnterCell = [this] { ShowRecordNumber(); };
    cmdPending.On(&forms::Control::Click, [this](int Index) { cmdPending_Click(Index); });
}

void frmScheduleRequestStatus::Design() {
    SetCaption("List of Request Entered");
    SetBorderStyle(3);
    SetInnerSize(14400, 5400);
    fraPendingRequest.SetCaption("");
    lblHint.SetCaption("Click on the List to Select a Patient.");
    lblRecNo.SetCaption("Rec. No.");
    lblRecNum.SetCaption("");
    cmdPending.Load(1).SetCaption("Revoke");
    cmdPending.Load(2).SetCaption("Exit");
    forms::Layout layout(*this);
    layout.Group(fraPendingRequest, [this](forms::Layout& inside) { inside.Full(mshflexPending, 3840); });
    layout.Row({{&lblHint, 4800}, {&lblRecNo, 900}, {&lblRecNum, 2400}, {&cmdPending(1), 1215}, {&cmdPending(2), 1215}},
               375);
    layout.FitFormHeight();
}

void frmScheduleRequestStatus::Form_Load() { LoadRequests(); }

void frmScheduleRequestStatus::LoadRequests() {
    forms::MSHFlexGrid& grid = mshflexPending;
    grid.Clear();
    grid.SetCols(10);
    grid.SetRows(2);
    const int widths[] = {1, 2500, 2500, 2500, 2500, 1800, 1000, 1000, 1000, 5000};
    for (int col = 0; col < 10; ++col)
        grid.SetColWidth(col, widths[col]);
    db::Recordset rs = app.Connection().Open("SCHEDULE..sp_ListORSchedule_Request " + db::SqlQuote(app.StationID),
                                             db::CursorType::ForwardOnly, db::LockType::ReadOnly);
    if (!rs.Eof()) {
        grid.SetDataSource(rs);
        fraPendingRequest.SetVisible(true);
    }
    rs.Close();
    const bool hasRequest = !grid.TextMatrix(1, 1).empty();
    if (hasRequest || grid.Rows() > 2) {
        grid.SetEnabled(true);
    } else {
        grid.SetRows(2);
        grid.SetEnabled(false);
    }
    if (hasRequest && grid.Rows() > 1)
        ShowRecordNumber();
    cmdPending(1).SetEnabled(false);
}

void frmScheduleRequestStatus::ShowRecordNumber() {
    lblRecNum.SetCaption(std::to_string(mshflexPending.Row()) + "  out of  " +
                         std::to_string(mshflexPending.Rows() - 1));
}

void frmScheduleRequestStatus::mshflexPending_Click() { cmdPending(1).SetEnabled(true); }

void frmScheduleRequestStatus::cmdPending_Click(int Index) {
    if (Index == 1)
        Revoke();
    else if (Index == 2)
        Unload();
}

void frmScheduleRequestStatus::Revoke() {
    const int row = mshflexPending.Row();
    const std::string status = vb::Trim(mshflexPending.TextMatrix(row, 8));
    if (status == "Revoked") {
        MsgBox("Can't revoke this request. It is already been REVOKED.", forms::vbExclamation, "Notification");
        return;
    }
    if (status == "Confirmed") {
        MsgBox("Can't revoke this request. It is already been CONFIRMED.", forms::vbExclamation, "Notification");
        return;
    }
    if (MsgBox("Are you sure you to revoke  this request?", forms::vbYesNo + forms::vbQuestion, "Message") ==
        forms::vbNo)
        return;
    try {
        app.Connection().Execute(
            "SCHEDULE..sp_Revoke_ORSchedule_Request " + db::SqlQuote(mshflexPending.TextMatrix(row, 6)) + "," +
            db::SqlQuote(mshflexPending.TextMatrix(row, 7)) + "," + db::SqlQuote(app.CurrentUser->EmployeeCode()));
    } catch (const std::exception& error) {
        MsgBox(std::string(error.what()) + "\n\nThe request was not revoked.", forms::vbOKOnly + forms::vbCritical,
               "Message");
        return;
    }
    MsgBox("Data Successfully Revoked.", forms::vbExclamation, "Message");
    LoadRequests();
}

} // namespace ward
