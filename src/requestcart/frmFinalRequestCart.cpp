#include "chart/frmFinal.h"

#include "core/App.h"
#include "core/ExamChecks.h"
#include "core/LabProfiles.h"
#include "platform/forms/Layout.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/Strings.h"
#include "requestcart/ExamAmount.h"
#include "requestcart/frmRemarks.h"
#include "requestentry/frmAudio.h"
#include "requestentry/frmCTfile.h"
#include "requestentry/frmHeart.h"
#include "requestentry/frmNeuRoExams.h"
#include "requestentry/frmNuclear.h"
#include "requestentry/frmPTFile.h"
#include "requestentry/frmRTfile.h"

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

// The nurse's requests: processed, pending, and exams with results.
void frmFinal::DesignRequestListsPage() {
    const char* captions[] = {"Processed Requests", "Pending Requests", "Exams with Results"};
    forms::Layout layout(tabSSTab1, {}, 1);
    for (int i = 0; i < 3; ++i) {
        lblProcessed.Load(i).SetCaption(captions[i]);
        layout.Full(lblProcessed(i)).Full(mshflexProcessed.Load(i), 1900);
    }
}

void frmFinal::Get_CanPenProc() {}

void frmFinal::WireRequestCart() {
    lstListLaboratory.Click = [this] { lstListLaboratory_Click(); };
    lstListXray.Click = [this] { lstListXray_Click(); };
    lstListUltra.Click = [this] { lstListUltra_Click(); };
    mshflexOrders.DblClick = [this] { mshflexOrders_DblClick(); };
    cmdDelete.Click = [this] { cmdDelete_Click(); };
    cmdSave.Click = [this] { cmdSave_Click(); };
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

void frmFinal::cmdSave_Click() {}

} // namespace ward
