#include "chart/frmFinal.h"

#include "core/App.h"
#include "core/ErrorReporting.h"
#include "core/ExamChecks.h"
#include "core/HospitalSettings.h"
#include "core/LabProfiles.h"
#include "core/ModuleHelpers.h"
#include "core/RecordsetChecks.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"
#include "platform/forms/Layout.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/Format.h"
#include "platform/vb/Operators.h"
#include "platform/vb/Strings.h"
#include "requestcart/ExamAmount.h"
#include "requestcart/LabRequestForm.h"
#include "requestcart/frmRemarks.h"
#include "requestentry/frmAudio.h"
#include "requestentry/frmCTfile.h"
#include "requestentry/frmHeart.h"
#include "requestentry/frmNeuRoExams.h"
#include "requestentry/frmNuclear.h"
#include "requestentry/frmPTFile.h"
#include "requestentry/frmRTfile.h"
#include "shell/frmRequestingDoctor.h"
#include "shell/frmTransaction_UserValidation.h"

#include <optional>
#include <set>

namespace ward {

namespace {

void UseFixedPitch(forms::ListBox& list) {
    list.SetStyle(forms::vbListBoxCheckbox);
    list.SetSorted(true);
    forms::Font fixedPitch;
    fixedPitch.Name = "Courier New";
    list.SetFont(fixedPitch);
}

// The fields of a quick-list line, by position: 1-45 the description, 51-52 the department, then the section and
// code of a laboratory line (53-55, 56-59) or the code of an x-ray or ultrasound line (54-57).
std::string DescriptionOf(const std::string& line) { return vb::Trim(vb::Left(line, 45)); }
std::string DepartmentOf(const std::string& line) { return vb::Trim(vb::Mid(line, 51, 2)); }
std::string LastFourOf(const std::string& line) { return vb::Trim(vb::Right(line, 4)); }

void ClearCells(forms::MSHFlexGrid& grid, int row, std::initializer_list<int> cols) {
    for (int col : cols)
        grid.SetTextMatrix(row, col, "");
}

// A click that fails before its row is written leaves no line ticked without a row.
void UntickAfterFailure(forms::ListBox& list, const std::string& line) {
    const int index = list.ListIndex();
    if (index >= 0 && list.Selected(index))
        RestoreClickedLine(list, line);
}

constexpr int kExclamation = forms::vbExclamation + forms::vbOKOnly;

// A sent or given-up cart closes five of the pickers; the heart station's and neurology's stay as they are.
void UnloadPickersOfSentCart(App& app) {
    app.Forms.Instance<frmPTFile>().Unload();
    app.Forms.Instance<frmCTfile>().Unload();
    app.Forms.Instance<frmRTfile>().Unload();
    app.Forms.Instance<frmAudio>().Unload();
    app.Forms.Instance<frmNuclear>().Unload();
}

// One cart row as the save reads it, trimmed: 1 department, 2 code, 3 description, 4 quantity, 5 amount,
// 6 section, 7 STAT, 8 remarks, 12 specimen, 15 morning pick-up, 16 portable machine.
struct CartRow {
    std::string dept, code, description, quantity, amount, section, stat, remarks, specimen, amPickUp, portable;
};

// The cart's cells as the save sends them, each trimmed.
CartRow ReadCartRow(const forms::MSHFlexGrid& grid, int row) {
    const auto cell = [&](int col) { return vb::Trim(grid.TextMatrix(row, col)); };
    return {cell(1), cell(2), cell(3), cell(4), cell(5), cell(6), cell(7), cell(8), cell(12), cell(15), cell(16)};
}

// The text of a field of the statement's first row (a Null as the empty text), or nothing without a row.
std::optional<std::string> FieldOfFirstRow(App& app, const std::string& sql, const char* field) {
    return FirstRowOr(app, sql, std::optional<std::string>(),
                      [field](const db::Recordset& rs) { return vb::ConcatText(rs.Fields(field)); });
}

// A number typed into a cell as the server takes it unquoted: its leading number, 0 when it has none.
std::string LeadingNumber(const std::string& text) { return vb::CStr(vb::Val(vb::Trim(text))); }

// True when the patient has left the chart's room; the nurse has been told where to.
bool CheckRoomTransfer(App& app, frmFinal& chart) {
    db::Recordset rs =
        app.Connection().Open("STATION..Nurse_CheckPatientRoom " + db::SqlQuote(chart.txtId.Text()) + "," +
                                  db::SqlQuote(chart.txtPno.Text()) + "," + db::SqlQuote(chart.txtRoom.Text()),
                              db::CursorType::Dynamic, db::LockType::ReadOnly);
    bool moved = false;
    if (!rs.Eof()) {
        app.Forms.MsgBox("Patient is transfered to room " + vb::ConcatText(rs.Fields("RoomID")) + "  -" +
                             vb::ConcatText(rs.Fields("StationID")),
                         forms::vbOKOnly);
        moved = true;
    }
    rs.Close();
    return moved;
}

// The 24 arguments of one request line; the time stamp is the save's one server date.
std::string NurseLogBookLine(App& app, const frmFinal& chart, const CartRow& line) {
    const auto q = [](const std::string& value) { return db::SqlQuote(value); };
    return "STATION..Nurse_AppendNurseLogBook " + q(chart.txtPno.Text()) + "," + q(chart.txtId.Text()) + ",'I'," +
           q(line.code) + "," + q(line.amount) + "," + q(line.quantity) + ",' '," + q(line.section) + "," +
           q(vb::Format(app.ServerDate, "MM/DD/YYYY HH:MM:SS AM/PM")) + "," + q(line.dept) + "," +
           q(app.RequestingDoctorCode) + ",' '," + q(app.ValidatedUserID) + "," + q(line.remarks) + "," +
           q(line.description) + "," + q(app.StationID) + "," + q(line.stat) + ",'0'," + q(line.specimen) + "," +
           q(vb::Trim(app.TransplantID)) + "," + q(vb::Trim(app.DialysisID)) + "," + LeadingNumber(line.amPickUp) +
           "," + q(app.RequestingDoctorName) + "," + LeadingNumber(line.portable);
}

// The pending request line of the row; the server's first match, which may be an earlier request of the exam.
std::string RequestNumberOf(App& app, const frmFinal& chart, const CartRow& line) {
    return FieldOfFirstRow(app,
                           "Select Isnull(Requestnum,'') Requestnum From STATION..tbNurseCommunicationFile Where IDNum "
                           "=" +
                               db::SqlQuote(vb::Trim(chart.txtId.Text())) +
                               " and RevenueID =" + db::SqlQuote(line.dept) +
                               " and ItemID = " + db::SqlQuote(line.code) + " and Isnull(RecordStatus,'') = ''",
                           "Requestnum")
        .value_or("");
}

using CartDepartments = std::set<std::string>;

// Every row's request line and request number, a laboratory row's priority, and the note for billing of a row whose
// department a supervisor let through the cash basis for this cart.
CartDepartments WriteCartRows(App& app, frmFinal& chart) {
    CartDepartments departments;
    const forms::MSHFlexGrid& grid = chart.mshflexOrders;
    for (int row = 1; row < grid.Rows(); ++row) {
        const CartRow line = ReadCartRow(grid, row);
        app.Connection().Execute(NurseLogBookLine(app, chart, line));
        if (line.dept == "LB")
            app.Connection().Execute("STATION..sp_Nurse_SaveStatRequest " + db::SqlQuote(line.code) + "," +
                                     db::SqlQuote(line.specimen) + "," + db::SqlQuote(line.section) + "," +
                                     db::SqlQuote(app.ValidatedUserID) + "," + db::SqlQuote(line.stat) + "," +
                                     db::SqlQuote(app.StationID) + "," +
                                     db::SqlQuote(vb::Format(app.ServerDate, "mm/dd/yyyy hh:mm:ss AM/PM")));
        departments.insert(line.dept);
        const std::string requestNum = RequestNumberOf(app, chart, line);
        auto approval = chart.StatBypassApprovals.find(line.dept);
        if (approval != chart.StatBypassApprovals.end())
            app.Connection().Execute("Station..sp_Nurse_Append_tbBillAdjustInfo " +
                                     db::SqlQuote(vb::Trim(chart.txtId.Text())) + "," + db::SqlQuote(line.dept) + "," +
                                     db::SqlQuote(line.code) + "," + LeadingNumber(line.amount) + "," +
                                     db::SqlQuote(vb::Trim(approval->second.SupervisorID)) + ",1," +
                                     db::SqlQuote(vb::Trim(requestNum)) + "," +
                                     db::SqlQuote(vb::Trim(approval->second.ApprovalRemark) +
                                                  " Note: By pass Cash Basis Condition For STAT Request."));
    }
    return departments;
}

std::string ReferenceNumbersQuery(App& app, const frmFinal& chart, const std::string& requestNum,
                                  const std::string& kind) {
    return "STATION..sp_Nurse_Get_RequestNum_ReferenceNum " + db::SqlQuote(chart.txtId.Text()) + "," +
           db::SqlQuote(app.ValidatedUserID) + "," + db::SqlQuote(requestNum) + "," + db::SqlQuote(kind);
}

// The laboratory charges the saved requests at once and gives the reference its request form prints.
void ChargeLaboratoryDirectly(App& app, const frmFinal& chart, bool hasLaboratoryRows) {
    const std::string stamp = vb::Format(app.ServerDate, "mm/dd/yyyy hh:mm:ss AM/PM");
    if (hasLaboratoryRows) {
        if (std::optional<std::string> requestNum =
                FieldOfFirstRow(app, ReferenceNumbersQuery(app, chart, "", ""), "RequestNum"))
            app.LabRequestNum = *requestNum;
        db::Recordset printed = app.Connection().Open("STATION..spNurse_PrintToWard " + db::SqlQuote(stamp) + "," +
                                                          db::SqlQuote(app.StationID),
                                                      db::CursorType::ForwardOnly, db::LockType::ReadOnly);
        printed.Close();
        app.Connection().Execute("LABORATORY..Lab_NurseCharging2 " + db::SqlQuote(vb::Trim(chart.txtId.Text())));
    }
    app.LabReferenceNum = "";
    if (hasLaboratoryRows) {
        if (std::optional<std::string> referenceNum =
                FieldOfFirstRow(app, ReferenceNumbersQuery(app, chart, app.LabRequestNum, "X"), "ReferenceNum"))
            app.LabReferenceNum = *referenceNum;
    }
}

void ChargeOtherDepartments(App& app, const frmFinal& chart, const CartDepartments& departments) {
    const std::pair<const char*, bool> charging[] = {{"XR", app.IsXRDirectCharging},
                                                     {"US", app.IsUSDirectCharging},
                                                     {"CT", app.IsCTDirectCharging},
                                                     {"HS", app.IsHSDirectCharging}};
    for (const auto& [dept, on] : charging) {
        if (on && departments.count(dept))
            app.Connection().Execute("STATION..sp_Nurse_Save_" + std::string(dept) + "Charging " +
                                     db::SqlQuote(vb::Trim(chart.txtId.Text())) + "," +
                                     db::SqlQuote(vb::Trim(app.ValidatedUserID)));
    }
}

// Every row, its laboratory priority, its by-pass note and the departments' direct charges in one transaction; true
// when it was committed. The laboratory request form follows the commit and cannot undo it.
bool SaveRequestCart(App& app, frmFinal& chart) {
    CartDepartments departments;
    try {
        db::TransactionGuard transaction(app.Connection());
        RefreshServerDate(app);
        LoadHospitalSettingsOrFail(app);
        app.Connection().Execute("DELETE STATION..tbNurse_StatRequest Where UserID = " +
                                 db::SqlQuote(app.ValidatedUserID));
        app.Connection().Execute("DELETE STATION..tbNurse_DepartmentCharging Where UserID = " +
                                 db::SqlQuote(app.ValidatedUserID));
        departments = WriteCartRows(app, chart);
        // No save sends or prints an earlier save's numbers, which may be another patient's.
        if (departments.count("LB")) {
            app.LabRequestNum = "";
            app.LabReferenceNum = "";
        }
        if (app.IsLBDirectCharging)
            ChargeLaboratoryDirectly(app, chart, departments.count("LB") > 0);
        ChargeOtherDepartments(app, chart, departments);
        transaction.Commit();
    } catch (const std::exception& error) {
        app.Forms.MsgBox(std::string("Error While Saving Request  ") + error.what(), forms::vbOKOnly);
        return false;
    }
    if (departments.count("LB")) {
        try {
            SaveLabRequestForms(app, chart);
        } catch (const std::exception& error) {
            app.Forms.MsgBox(std::string("Request(s) saved. Error While Preparing Laboratory Request Form  ") +
                                 error.what(),
                             forms::vbExclamation + forms::vbOKOnly, "Message");
        }
    }
    return true;
}

// A count of the user's staged priority rows; nothing asks it.
[[maybe_unused]] bool HasStatRequests(App& app, const std::string& UserID) {
    return FirstRowOr(app,
                      "Select count(*) Exams from STATION..tbNurse_StatRequest where UserID = " + db::SqlQuote(UserID),
                      false, [](const db::Recordset& rs) { return vb::Val(rs.Fields("Exams")) > 0; });
}

} // namespace

// The quick lists with their search buttons, the request cart beside the report list, the hidden profile grid.
void frmFinal::DesignSendRequestsPage() {
    for (forms::ListBox* list : {&lstListLaboratory, &lstListXray, &lstListUltra, &lstListOthers})
        UseFixedPitch(*list);
    cmdLabMore.SetCaption("Search Laboratory Exams");
    cmdXrayMore.SetCaption("Search Xray Exams");
    cmdUltraMore.SetCaption("Search Ultrasound Exams");
    cmdSave.SetCaption("&Save");
    cmdDelete.SetCaption("&Delete");
    forms::Layout page(tabSSTab1, {}, 0);
    page.Row({{&lstListLaboratory}, {&lstListXray}, {&lstListUltra}, {&lstListOthers}}, 2700)
        .Row({{&cmdLabMore}, {&cmdXrayMore}, {&cmdUltraMore}}, 375);
    // The cart with its buttons and the report list take the rest of the page; the profile grid is never shown.
    const int rest = tabSSTab1.Height() - page.Top() - 2 * 120 - 375 - 60;
    page.Row({{&mshflexOrders}, {&mshflexReports, 5400}}, rest).Row({{&cmdSave, 1215}, {&cmdDelete, 1215}}, 375);
    mshflexProfileList.SetContainer(&tabSSTab1, 0);
    mshflexProfileList.Move(mshflexOrders.Left(), mshflexOrders.Top(), mshflexOrders.Width(), 900);
    mshflexProfileList.SetVisible(false);
}

void frmFinal::WireRequestCart() {
    lstListLaboratory.Click = [this] { lstListLaboratory_Click(); };
    lstListXray.Click = [this] { lstListXray_Click(); };
    lstListUltra.Click = [this] { lstListUltra_Click(); };
    mshflexOrders.DblClick = [this] { mshflexOrders_DblClick(); };
    cmdDelete.Click = [this] { cmdDelete_Click(); };
    cmdSave.Click = [this] { cmdSave_Click(); };
    WireRequestLists();
}

// A tick set by code, with no line chosen, orders nothing.
void frmFinal::lstListXray_Click() {
    if (lstListXray.ListIndex() >= 0)
        PickFromImagingList(lstListXray, openers::lstListXray, "XR");
}

// The ultrasound list leaves the remarks dialog's department as the last showing left it.
void frmFinal::lstListUltra_Click() {
    if (lstListUltra.ListIndex() >= 0)
        PickFromImagingList(lstListUltra, openers::lstListUltra, "");
}

void frmFinal::PickFromImagingList(forms::ListBox& list, const RequestOpener& opener,
                                   const std::string& remarksDeptID) {
    CurrentExamCode = "";
    if (!PassQuickListGate(app, opener, txtId, list, SavedListLine))
        return;
    SavedListLine = list.Text();
    CurrentExamCode = LastFourOf(SavedListLine);
    if (!list.Selected(list.ListIndex())) {
        RemoveOrderRow(DepartmentOf(SavedListLine));
        return;
    }
    try {
        PickImagingExam(list, opener, remarksDeptID);
    } catch (...) {
        UntickAfterFailure(list, SavedListLine);
        throw;
    }
}

void frmFinal::PickImagingExam(forms::ListBox& list, const RequestOpener& opener, const std::string& remarksDeptID) {
    if (!ExamMayBeOrdered(list, opener.DeptCode))
        return;
    frmRemarks& remarks = app.Forms.Get<frmRemarks>();
    remarks.lblSpecimen(1).SetEnabled(false);
    remarks.cmdSpecimen.SetEnabled(false);
    if (!remarksDeptID.empty())
        app.Forms.Instance<frmRemarks>().DeptID = remarksDeptID;
    remarks.ShowModal();
    const std::string code = vb::Trim(vb::Mid(SavedListLine, 54, 4));
    LookUpExamAmount(app, DepartmentOf(SavedListLine), code, txtId.Text());
    AddCartRow(list, code, "");
}

void frmFinal::lstListLaboratory_Click() {
    forms::ListBox& list = lstListLaboratory;
    if (list.ListIndex() < 0)
        return;
    CurrentExamCode = "";
    if (!PassQuickListGate(app, openers::lstListLaboratory, txtId, list, SavedListLine))
        return;
    SavedListLine = list.Text();
    CurrentExamCode = LastFourOf(SavedListLine);
    if (!list.Selected(list.ListIndex())) {
        RemoveExamFromProfileList(CurrentExamCode, mshflexProfileList);
        RemoveOrderRow(DepartmentOf(SavedListLine));
        return;
    }
    try {
        PickLaboratoryExam();
    } catch (...) {
        // A profile's members stay in the profile grid only beside the profile's row.
        RemoveExamFromProfileList(CurrentExamCode, mshflexProfileList);
        UntickAfterFailure(list, SavedListLine);
        throw;
    }
}

// A profile takes the place of its members already in the cart; a member is refused beside its profile.
void frmFinal::PickLaboratoryExam() {
    forms::ListBox& list = lstListLaboratory;
    if (!ExamMayBeOrdered(list, "LB"))
        return;
    if (LoadProfileExams(app, CurrentExamCode, mshflexProfileList)) {
        if (CheckOrdersInProfile(app, mshflexProfileList, mshflexOrders, 2))
            RemoveProfileExamsFromOrders(mshflexProfileList, mshflexOrders, 2, lstListLaboratory);
    } else if (CheckExamInProfile(app, CurrentExamCode, mshflexProfileList)) {
        RestoreClickedLine(list, SavedListLine);
        return;
    }
    const std::string code = vb::Trim(vb::Mid(SavedListLine, 56, 4));
    frmRemarks& remarks = app.Forms.Instance<frmRemarks>();
    remarks.ExamID = code;
    remarks.DeptID = "LB";
    remarks.ShowModal();
    LookUpExamAmount(app, DepartmentOf(SavedListLine), code, txtId.Text());
    AddCartRow(list, code, vb::Trim(vb::Mid(SavedListLine, 53, 3)));
}

// The duplicate is looked for first but reported only after the server's checks, whose messages come first.
bool frmFinal::ExamMayBeOrdered(forms::ListBox& list, const std::string& deptCode) {
    IsExamInOrders(DepartmentOf(SavedListLine));
    if (CheckExamStatus(app, txtId.Text(), CurrentExamCode, deptCode) ||
        ConfirmRepeatRequest(app, txtId.Text(), CurrentExamCode, deptCode)) {
        RestoreClickedLine(list, SavedListLine);
        return false;
    }
    if (ExamAlreadyInOrders) {
        MsgBox("Examination is already in the Orders List.", kExclamation, "Message");
        RestoreClickedLine(list, SavedListLine);
        return false;
    }
    return true;
}

// The row of the clicked line, with what the remarks dialog and the amount look-up left behind.
void frmFinal::AddCartRow(forms::ListBox& list, const std::string& code, const std::string& section) {
    forms::MSHFlexGrid& grid = mshflexOrders;
    int row = 1;
    if (!grid.TextMatrix(1, 1).empty()) {
        grid.SetRows(grid.Rows() + 1);
        row = grid.Rows() - 1;
    }
    const std::string cells[] = {DepartmentOf(SavedListLine),
                                 code,
                                 DescriptionOf(SavedListLine),
                                 "1",
                                 app.ExamAmount,
                                 section,
                                 app.ExamStatYN,
                                 app.ExamRemarks,
                                 list.Name(),
                                 SavedListLine,
                                 vb::CStr(list.ListIndex()),
                                 app.SpecimenCode,
                                 app.TransplantID,
                                 app.DialysisID,
                                 app.AMPickUp ? "1" : "0",
                                 app.UsePortableMachine ? "1" : "0"};
    for (int col = 1; col <= 16; ++col)
        grid.SetTextMatrix(row, col, cells[col - 1]);
}

void frmFinal::IsExamInOrders(const std::string& deptCode) {
    ExamAlreadyInOrders = false;
    for (int row = 1; row < mshflexOrders.Rows(); ++row) {
        if (vb::Trim(mshflexOrders.TextMatrix(row, 2)) == vb::Trim(CurrentExamCode) &&
            vb::Trim(mshflexOrders.TextMatrix(row, 1)) == deptCode) {
            ExamAlreadyInOrders = true;
            return;
        }
    }
}

// The cart keeps one data row: the last one is emptied instead, its amount and hidden flags left as they were.
void frmFinal::RemoveOrderRow(const std::string& deptCode) {
    forms::MSHFlexGrid& grid = mshflexOrders;
    for (int row = 1; row < grid.Rows(); ++row) {
        if (vb::Trim(grid.TextMatrix(row, 2)) != vb::Trim(CurrentExamCode) ||
            vb::Trim(grid.TextMatrix(row, 1)) != deptCode)
            continue;
        if (grid.Rows() > 2)
            grid.RemoveItem(row);
        else
            ClearCells(grid, row, {1, 2, 3, 4, 6, 7, 8, 9, 10, 11});
        return;
    }
}

// The current row goes back to the list it came from, unticked; a profile takes its members out of the profile grid.
void frmFinal::mshflexOrders_DblClick() {
    forms::MSHFlexGrid& grid = mshflexOrders;
    const int row = grid.Row();
    if (forms::ListBox* list = ListNamed(grid.TextMatrix(row, 9)))
        UntickQuickListLine(*list, grid.TextMatrix(row, 10));
    RemoveExamFromProfileList(vb::Trim(grid.TextMatrix(row, 2)), mshflexProfileList);
    if (grid.Rows() == 2)
        ClearCells(grid, row, {1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16});
    else
        grid.RemoveItem(row);
}

void frmFinal::cmdDelete_Click() { mshflexOrders_DblClick(); }

// The quick lists and the department pickers' lists a cart row names; the pickers keep their lists while hidden.
forms::ListBox* frmFinal::ListNamed(const std::string& name) {
    if (name == "lstListUltra")
        return &lstListUltra;
    if (name == "lstListXray")
        return &lstListXray;
    if (name == "lstListLaboratory")
        return &lstListLaboratory;
    if (name == "lstListAudio")
        return &app.Forms.Instance<frmAudio>().ExamList();
    if (name == "lstListCT")
        return &app.Forms.Instance<frmCTfile>().ExamList();
    if (name == "lstListHS")
        return &app.Forms.Instance<frmHeart>().ExamList();
    if (name == "lstListNuclear")
        return &app.Forms.Instance<frmNuclear>().ExamList();
    if (name == "lstListPT")
        return &app.Forms.Instance<frmPTFile>().ExamList();
    if (name == "lstListRTS")
        return &app.Forms.Instance<frmRTfile>().ExamList();
    if (name == "lstListNeuro")
        return &app.Forms.Instance<frmNeuRoExams>().ExamList();
    return nullptr;
}

// The cart goes once the patient is found in the chart's room and a nurse has signed for it; a cart that failed to
// go, or whose room could not be checked, stays for another try; a sent or given-up cart is emptied.
void frmFinal::cmdSave_Click() {
    if (mshflexOrders.TextMatrix(1, 1).empty()) {
        MsgBox("No data to save.", forms::vbInformation + forms::vbOKOnly, "Notification");
        return;
    }
    try {
        if (CheckRoomTransfer(app, *this)) {
            UnloadPickersOfSentCart(app);
            Form_Initialize();
            return;
        }
    } catch (const std::exception& error) {
        ShowErrorMessage(app, error);
        return;
    }
    bool keepCart = false;
    if (SignForRequests()) {
        cmdSave.SetEnabled(false);
        app.Forms.Get<frmRequestingDoctor>().ShowModal();
        keepCart = !SaveRequestCart(app, *this);
    }
    try {
        Get_CanPenProc();
    } catch (const std::exception& error) {
        ShowErrorMessage(app, error);
    }
    if (!keepCart) {
        UnloadPickersOfSentCart(app);
        Form_Initialize();
    }
    cmdSave.SetEnabled(true);
}

} // namespace ward
