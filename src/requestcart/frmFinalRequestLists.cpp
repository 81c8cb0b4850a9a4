#include "chart/frmFinal.h"

#include "components/NurseActivityComponents.h"
#include "core/App.h"
#include "core/ErrorReporting.h"
#include "core/ExamChecks.h"
#include "core/ModuleHelpers.h"
#include "core/ReportPrinting.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"
#include "platform/forms/Layout.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/Strings.h"
#include "shell/UserRights.h"
#include "shell/frmTransaction_UserValidation.h"

namespace ward {

namespace {

constexpr int kListHeight = 1500;

// The headings of the request lists' columns 1 to 11, and the fields of a processed or resulted request that fill
// them, spelled as the request component names them.
const char* const kHeadings[] = {"ITEM DESCRIPTION", "QTY",          "DEPT",         "REQUEST DATE/TIME",
                                 "Code",             "REQUESTED BY", "PROCESS DATE/TIME", "PROCESSED BY",
                                 "RESULT DATE/TIME", "RESULT BY",    "REMARKS"};
const char* const kFields[] = {"ITEM DESCRIPTION", "QTY",          "DEPT",         "Request Date/Time",
                               "Code",             "REQUESTED BY", "PROCESS DATE/TIME", "PROCESSED BY",
                               "RESULT DATE/TIME", "RESULT BY",    "Remarks"};
// The assessment list's widths; column 5, the amount, shows only with IsShowAmount.
const int kAssessmentWidths[] = {1, 0, 0, 1000, 0, 0, 0, 0, 2500, 1000, 0, 1000};

struct PendingPrintout {
    const char* label;
    const char* toolTip;
    const char* caption;
};
const PendingPrintout kPendingPrintouts[] = {
    {"Pending Requests Current Station", "View All Pending Request in current Station",
     "List of All Pending Requests By Station"},
    {"Pending Requests All Station", "View All Pending Request in All Station",
     "List of All Pending Requests By All Station"},
};

// A thirteenth or a fifth of the grid's width, as a whole number of twips with halves to even.
int PartOfWidth(const forms::MSHFlexGrid& grid, int parts) {
    const float width = static_cast<float>(grid.Width());
    return static_cast<int>(vb::CLng(static_cast<double>(width / static_cast<float>(parts))));
}

} // namespace

// The three request lists, the assessments under them with the printouts of the pending requests beside.
void frmFinal::DesignRequestListsPage() {
    const char* captions[] = {"Processed Requests", "Pending Requests", "Exams with Results"};
    forms::Layout layout(tabSSTab1, {}, 1);
    for (int i = 0; i < 3; ++i) {
        lblProcessed.Load(i).SetCaption(captions[i]);
        layout.Full(lblProcessed(i)).Full(mshflexProcessed.Load(i), kListHeight);
    }
    fraList.SetCaption("List of Assessment Entered");
    txtMessage.SetText("No Assessment Entered........");
    txtMessage.SetLocked(true);
    cmdView.SetCaption("Refresh");
    const int rest = tabSSTab1.Height() - layout.Top() - 120;
    const int side = 3000;
    layout.Row({{&fraList}, {&cmdView, side}}, rest);
    // The frame's grid, with the message over its rows; the printouts and Refresh in the column beside it.
    mshflexList.SetContainer(&fraList);
    mshflexList.Move(120, 240, fraList.Width() - 240, fraList.Height() - 360);
    txtMessage.SetContainer(&fraList);
    txtMessage.SetOverlay(true);
    txtMessage.Move(mshflexList.Left() + 240, mshflexList.Top() + 480, mshflexList.Width() - 480, 315);
    const int left = cmdView.Left();
    int top = cmdView.Top();
    for (int i = 0; i < 2; ++i) {
        forms::Image& image = imgPendingRequest.Load(i);
        forms::Label& label = lblPendingRequest.Load(i);
        image.SetContainer(&tabSSTab1, 1);
        label.SetContainer(&tabSSTab1, 1);
        image.SetPicture(forms::Picture{app.GetHost().AppPath() + "/Pictures/reports/report0" +
                                        std::to_string(i + 1) + ".png"});
        image.SetStretch(true);
        image.Move(left, top, 480, 480);
        image.SetToolTipText(kPendingPrintouts[i].toolTip);
        label.SetCaption(kPendingPrintouts[i].label);
        label.Move(left + 600, top + 120, side - 600, 315);
        top += 600;
    }
    cmdView.Move(left, top, 1215, 375);
}

void frmFinal::WireRequestLists() {
    cmdView.Click = [this] { cmdView_Click(); };
    mshflexProcessed.On(&forms::Control::DblClick, [this](int Index) { mshflexProcessed_DblClick(Index); });
    imgPendingRequest.On(&forms::Control::Click, [this](int Index) { imgPendingRequest_Click(Index); });
}

// Every list from scratch, for the admission txtId holds. An error leaves the lists as far as they got.
void frmFinal::Get_CanPenProc() {
    LayOutRequestList(mshflexProcessed(0), 12);
    LayOutRequestList(mshflexProcessed(1), 13);
    LayOutRequestList(mshflexProcessed(2), 12);
    app.Connection().SetCursorLocation(db::CursorLocation::Client);
    ListPendingRequests();
    ListRequestsRowByRow(mshflexProcessed(0), "1");
    ListRequestsRowByRow(mshflexProcessed(2), "3");
    ListAssessments();
}

void frmFinal::LayOutRequestList(forms::MSHFlexGrid& grid, int cols) {
    grid.Clear();
    grid.SetRows(2);
    grid.SetCols(cols);
    grid.SetColWidth(0, 1);
    const int narrow = PartOfWidth(grid, 13);
    const int wide = PartOfWidth(grid, 5);
    const int c0 = grid.ColWidth(0);
    const int widths[] = {c0 + 3000, narrow, narrow,   c0 + 2000, narrow,   wide,
                          c0 + 2000, wide,   c0 + 2000, wide,     c0 + 3000};
    for (int col = 1; col <= 11; ++col)
        grid.SetColWidth(col, widths[col - 1]);
    for (int col = 1; col <= 11; ++col)
        grid.SetTextMatrix(0, col, kHeadings[col - 1]);
    if (cols == 13)
        grid.SetColWidth(12, 1000);
}

// The pending requests come bound as the component gives them: the first field is never empty, the last is the
// request's key.
void frmFinal::ListPendingRequests() {
    forms::MSHFlexGrid& grid = mshflexProcessed(1);
    db::Recordset rs = app.RequestObject->GetRequests(app.Connection().ConnectionString(), txtId.Text(), "2");
    if (rs.Eof()) {
        grid.SetRows(2);
        grid.SetEnabled(false);
    } else {
        grid.SetDataSource(rs);
        grid.SetEnabled(true);
    }
    rs.Close();
}

// Each request its own row, in the component's order, with the progress of the list on the chart's bar.
void frmFinal::ListRequestsRowByRow(forms::MSHFlexGrid& grid, const std::string& kind) {
    db::Recordset rs = app.RequestObject->GetRequests(app.Connection().ConnectionString(), txtId.Text(), kind);
    if (rs.Eof()) {
        grid.SetFormatString(" |<ITEM DESCRIPTION" + vb::Space(37) + "|QTY|DEPT|<DATE/TIME" + vb::Space(21) + "|<Code");
        grid.SetRows(2);
        grid.SetEnabled(false);
        rs.Close();
        return;
    }
    grid.SetEnabled(true);
    for (int row = 1; !rs.Eof(); rs.MoveNext(), ++row) {
        const float done = static_cast<float>(rs.AbsolutePosition()) / static_cast<float>(rs.RecordCount()) * 100.0f;
        ProgressBarMeter.SetValue(done);
        if (row > 1)
            grid.AddItem("");
        for (int col = 1; col <= 11; ++col)
            grid.SetTextMatrix(row, col, forms::GridTextOf(rs.Fields(kFields[col - 1])));
    }
    rs.Close();
}

void frmFinal::ListAssessments() {
    mshflexList.Clear();
    mshflexList.SetRows(2);
    mshflexList.SetCols(12);
    for (int col = 0; col < 12; ++col)
        mshflexList.SetColWidth(col, col == 5 && app.IsShowAmount ? 3000 : kAssessmentWidths[col]);
    db::Recordset rs = app.Connection().Open("STATION..sp_Nurse_Clinical_AssessmentStatus " +
                                                 db::SqlQuote(txtId.Text()),
                                             db::CursorType::Static, db::LockType::ReadOnly);
    mshflexList.SetDataSource(rs);
    if (mshflexList.Rows() == 1) {
        txtMessage.SetVisible(true);
    } else {
        txtMessage.SetVisible(false);
        mshflexList.SetRow(1);
    }
    rs.Close();
}

void frmFinal::cmdView_Click() {
    try {
        Get_CanPenProc();
    } catch (const std::exception& error) {
        ShowErrorMessage(app, error);
    }
}

// Any of the lists, for a nurse who may cancel requests; only a pending request is cancelled, and the lists are
// reloaded after every double-click but a refused one.
void frmFinal::mshflexProcessed_DblClick(int Index) {
    try {
        if (!HasUserRight(app, "2")) {
            MsgBox("Sorry you don't have access right to Cancel Requested Exams.", forms::vbInformation, "Message");
            return;
        }
        if (Index == 1)
            CancelPendingRequest();
        Get_CanPenProc();
    } catch (const std::exception& error) {
        MsgBox(std::string("Error While Canceling Request  ") + error.what(), forms::vbOKOnly);
    }
}

bool frmFinal::SignForRequests() {
    return ValidateActingUser(app, std::string("Entered request(s) will not be save! ") + "\r\n" +
                                       "Do you want to save and send the request(s)?");
}

void frmFinal::CancelPendingRequest() {
    forms::MSHFlexGrid& pending = mshflexProcessed(1);
    const auto key = [&pending] { return pending.TextMatrix(pending.Row(), pending.Cols() - 1); };
    if (IsRequestLocked(app, key()))
        return;
    if (MsgBox("Are you sure you want to Cancel this request?", forms::vbYesNo + forms::vbQuestion) != forms::vbYes)
        return;
    if (!SignForRequests())
        return;
    RefreshServerDate(app);
    db::TransactionGuard transaction(app.Connection());
    app.Connection().Execute("STATION..sp_Nurse_Revoke_Request " + db::SqlQuote(vb::Trim(key())) + "," +
                             db::SqlQuote(app.ValidatedUserID));
    transaction.Commit();
}

// The pending requests of this station (item 0) or of every station; the patient on the chart plays no part.
void frmFinal::imgPendingRequest_Click(int Index) {
    try {
        const std::string station = Index == 0 ? app.StationID : std::string();
        OpenReport(app, app.GetHost().AppPath() + "\\Reports\\List_Of_All_PendingRequest_ByAll_Station.Rpt",
                   {station});
        ShowReport(app, false, kPendingPrintouts[Index == 0 ? 0 : 1].caption, false, false);
    } catch (const std::exception& error) {
        ShowErrorMessage(app, error);
    }
}

} // namespace ward
