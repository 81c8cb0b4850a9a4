#include "requestentry/ExamPicker.h"

#include "chart/frmFinal.h"
#include "core/App.h"
#include "core/ExamChecks.h"
#include "platform/forms/Layout.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/Strings.h"
#include "requestcart/ExamAmount.h"
#include "requestcart/RequestGate.h"
#include "requestcart/frmRemarks.h"

namespace ward {

namespace {

std::string DescriptionOf(const std::string& line) { return vb::Trim(vb::Left(line, 45)); }
std::string DepartmentOf(const std::string& line) { return vb::Trim(vb::Mid(line, 51, 2)); }
std::string CodeOf(const std::string& line) { return vb::Trim(vb::Mid(line, 54, 4)); }
// The status checks take the code from the line's end: the same code unless a catalogue code outgrew its field.
std::string LastFourOf(const std::string& line) { return vb::Trim(vb::Right(line, 4)); }

frmFinal& Chart(App& app) { return app.Forms.Instance<frmFinal>(); }

} // namespace

ExamPicker::ExamPicker(App& app, std::string caption, PickerRules rules, forms::ListBox& list,
                       forms::TextBox& departmentBox, forms::CommandButton& closeButton)
    : Form(app.Forms), app(app), caption(std::move(caption)), rules(std::move(rules)), list(list),
      departmentBox(departmentBox), closeButton(closeButton) {}

// The controls are built after this base, so their handlers are set here.
void ExamPicker::Design() {
    list.Click = [this] { ExamList_Click(); };
    closeButton.Click = [this] { CloseButton_Click(); };
    SetCaption(caption);
    SetBorderStyle(3);
    SetControlBox(rules.HasCloseBox);
    SetInnerSize(7800, 5200);
    list.SetStyle(forms::vbListBoxCheckbox);
    list.SetSorted(true);
    forms::Font fixedPitch;
    fixedPitch.Name = "Courier New";
    list.SetFont(fixedPitch);
    departmentBox.SetVisible(false);
    closeButton.SetCaption("&Close");
    closeButton.SetCancel(true);
    forms::Layout(*this).Full(list, 4200).Full(departmentBox).Buttons({&closeButton});
}

// The close box hides the window as Close does: unloaded, it would come back with an empty list.
void ExamPicker::Form_QueryUnload(int& Cancel, int UnloadMode) {
    if (UnloadMode != forms::vbFormControlMenu)
        return;
    Cancel = 1;
    CloseButton_Click();
}

// The click goes by the line's tick after it: an unticked line always leaves the cart.
void ExamPicker::ExamList_Click() {
    const int index = list.ListIndex();
    if (index < 0)
        return;
    clickedLine = list.List(index);
    IsExamInOrders();
    if (!list.Selected(index)) {
        RemoveOrderRow();
        return;
    }
    try {
        PickExam();
    } catch (...) {
        // No line stays ticked without its row.
        if (list.ListIndex() >= 0 && list.Selected(list.ListIndex()))
            RestoreClickedLine(list, clickedLine);
        throw;
    }
}

void ExamPicker::PickExam() {
    const std::string& idNum = Chart(app).txtId.Text();
    const std::string code = LastFourOf(clickedLine);
    if (CheckExamStatus(app, idNum, code, rules.DeptCode) || ConfirmRepeatRequest(app, idNum, code, rules.DeptCode)) {
        RestoreClickedLine(list, clickedLine);
        return;
    }
    if (examInOrders)
        return;
    app.Forms.Instance<frmRemarks>().DeptID = rules.DeptCode;
    frmRemarks& remarks = app.Forms.Get<frmRemarks>();
    remarks.lblSpecimen(1).SetEnabled(false);
    remarks.cmdSpecimen.SetEnabled(false);
    remarks.ShowModal();
    if (rules.PricesExams) {
        app.ExamAmount = "";
        LookUpExamAmount(app, DepartmentOf(clickedLine), CodeOf(clickedLine), idNum);
    }
    WriteCartRow();
}

// Row 1 is reused while it is empty. Its amount and flags may be left from an exam taken out: every cell is written.
void ExamPicker::WriteCartRow() {
    forms::MSHFlexGrid& grid = Chart(app).mshflexOrders;
    int row = 1;
    if (!grid.TextMatrix(1, 1).empty()) {
        grid.SetRows(grid.Rows() + 1);
        row = grid.Rows() - 1;
    }
    const std::string cells[] = {DepartmentOf(clickedLine),
                                 CodeOf(clickedLine),
                                 DescriptionOf(clickedLine),
                                 "1",
                                 rules.PricesExams ? app.ExamAmount : "",
                                 "",
                                 rules.PricesExams ? app.ExamStatYN : "",
                                 app.ExamRemarks,
                                 list.Name(),
                                 clickedLine,
                                 vb::CStr(list.ListIndex()),
                                 app.SpecimenCode,
                                 app.TransplantID,
                                 app.DialysisID,
                                 app.AMPickUp ? "1" : "0",
                                 "0"};
    for (int col = 1; col <= 16; ++col)
        grid.SetTextMatrix(row, col, cells[col - 1]);
}

void ExamPicker::IsExamInOrders() {
    const forms::MSHFlexGrid& grid = Chart(app).mshflexOrders;
    examInOrders = false;
    for (int row = 1; row < grid.Rows(); ++row)
        if (grid.TextMatrix(row, 10) == clickedLine) {
            examInOrders = true;
            return;
        }
}

// The cart keeps one data row: the last one is emptied instead of removed.
void ExamPicker::RemoveOrderRow() {
    forms::MSHFlexGrid& grid = Chart(app).mshflexOrders;
    const int rows = grid.Rows();
    for (int row = 1; row < rows; ++row) {
        if (grid.TextMatrix(row, 10) != clickedLine)
            continue;
        if (rows > 2) {
            grid.RemoveItem(row);
        } else {
            for (int col = 0; col < grid.Cols(); ++col)
                if (rules.BlanksWholeRow || (col >= 1 && col <= 11 && col != 5))
                    grid.SetTextMatrix(row, col, "");
        }
        return;
    }
}

void ExamPicker::CloseButton_Click() {
    forms::ListBox& others = Chart(app).lstListOthers;
    const int count = others.ListCount();
    for (int index = 0; index < count; ++index) {
        if (vb::Trim(departmentBox.Text()) != vb::Trim(others.List(index)))
            continue;
        others.RemoveItem(index);
        others.AddItem(departmentBox.Text());
        others.Refresh();
    }
    Hide();
}

} // namespace ward
