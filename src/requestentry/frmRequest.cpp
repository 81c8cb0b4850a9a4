#include "requestentry/frmRequest.h"

#include "chart/frmFinal.h"
#include "core/App.h"
#include "core/ExamChecks.h"
#include "core/LabProfiles.h"
#include "core/PhilHealthRules.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/Operators.h"
#include "platform/vb/Strings.h"
#include "requestcart/frmRemarks.h"

namespace ward {

namespace {

constexpr int kCols = 14;
constexpr int kUnitAmountCol = 13;
constexpr int kGridWidth = 11295;

// What the code search answered for the picked exam, whatever its department's record.
struct PickedExam {
    std::string code;
    std::string name;
    std::string section;
    const components::RateInfo* rates = nullptr;
};

// How one department's exams are looked up, priced and limited in quantity.
struct DepartmentLookup {
    int kind;
    std::string rateLetters;
    PickedExam (*picked)(const components::CodeSearchComponent&);
    // Null: the quantity stays skipped.
    double (*maxQty)(App&, const std::string&);
};

PickedExam XrayPick(const components::CodeSearchComponent& search) {
    const auto& record = search.XrayExamRecord();
    return {record.ResultCode, record.XrayExam, "", &record};
}
PickedExam LabPick(const components::CodeSearchComponent& search) {
    const auto& record = search.LabExamRecord();
    return {record.ResultCode, record.LabExam, record.LabSectionID, &record};
}
PickedExam UltrasoundPick(const components::CodeSearchComponent& search) {
    const auto& record = search.UltrasoundRecord();
    return {record.ResultCode, record.UltraExam, "", &record};
}
PickedExam OtherRevenuePick(const components::CodeSearchComponent& search) {
    const auto& record = search.OtherRevenueRecord();
    return {record.ResultCode, record.OtherRevenue, "", &record};
}

// Any department but these three lists its exams among the other revenues of its own section.
const DepartmentLookup& LookupOf(const std::string& dept) {
    static const DepartmentLookup xray{29, "ABCDE", XrayPick, GetXrayExamMaxQty};
    static const DepartmentLookup lab{18, "ABCDE", LabPick, GetLabExamMaxQty};
    static const DepartmentLookup ultrasound{27, "ABCDE", UltrasoundPick, GetUltrasoundExamMaxQty};
    static const DepartmentLookup other{21, "ABCDEFGH", OtherRevenuePick, nullptr};
    if (dept == "XR")
        return xray;
    if (dept == "LB")
        return lab;
    if (dept == "US")
        return ultrasound;
    return other;
}

// The price of the room class among the department's letters; none for another class.
std::string PriceOf(const PickedExam& exam, const std::string& rateLetters, const std::string& roomClass) {
    if (roomClass.size() != 1 || rateLetters.find(roomClass) == std::string::npos)
        return "";
    std::optional<vb::Variant> rate = exam.rates->Rate(roomClass);
    return rate ? vb::ConcatText(*rate) : "";
}

bool HoldsNumber(const std::string& text) { return !vb::Trim(text).empty() && vb::IsNumeric(text); }

std::string WithoutLineBreaks(std::string text) {
    for (char& c : text)
        if (c == '\r' || c == '\n')
            c = ' ';
    return text;
}

const char* HintOf(int col) {
    switch (col) {
    case 1:
        return "Type the Examination Code or First Letter(s) of the Examination name then Press the <Enter> Key";
    case 6:
        return "Type [Y]-YES if the Exam. is STAT and [N]-NO if it is Routine";
    case 7:
        return "Type additional Remarks.....";
    default:
        return "";
    }
}

} // namespace

frmRequest::frmRequest(App& app) : Form(app.Forms), app(app) {
    mshflexEntry.EnterCell = [this] { mshflexEntry_EnterCell(); };
    mshflexEntry.LeaveCell = [this] { mshflexEntry_LeaveCell(); };
    txtEntry.GotFocus = [this] { txtEntry_GotFocus(); };
    txtEntry.KeyDown = [this](int& KeyCode, int Shift) { txtEntry_KeyDown(KeyCode, Shift); };
    txtEntry.KeyPress = [this](int& KeyAscii) { txtEntry_KeyPress(KeyAscii); };
    cmdOption.On(&forms::Control::Click, [this](int Index) { cmdOption_Click(Index); });
}

void frmRequest::Design() {
    SetInnerSize(11520, 4530);
    SetBorderStyle(1);
    SetKeyPreview(true);
    fraReq.SetCaption("");
    fraReq.Move(60, 0, 11415, 3855);
    mshflexEntry.SetContainer(&fraReq);
    mshflexEntry.Move(60, 180, kGridWidth, 3600);
    txtEntry.SetContainer(&fraReq);
    txtEntry.SetOverlay(true);
    txtEntry.SetBackColor(0x00FFFFC0);
    forms::Font editorFont;
    editorFont.Name = "Arial";
    editorFont.Size = 9;
    editorFont.Bold = true;
    txtEntry.SetFont(editorFont);
    txtEntry.Move(60 + 25, 180 + 25, 849, forms::GridDefaultRowHeight);
    txtEntry.SetTabIndex(0);
    fraMessage.SetCaption("Message");
    fraMessage.Move(60, 3900, 7155, 555);
    lblMessage.SetContainer(&fraMessage);
    lblMessage.Move(60, 180, 6975, 315);
    const std::pair<int, const char*> buttons[] = {{9240, "&Accept"}, {10380, "&Exit"}, {8040, "&Delete"}};
    for (int index = 0; index < 3; ++index) {
        forms::CommandButton& button = cmdOption.Load(index);
        button.SetCaption(buttons[index].second);
        button.Move(buttons[index].first, 3960, 1035, 435);
    }
    txtDept.SetVisible(false);
    mshflexProfileList.SetVisible(false);
    mshflexProfileList.Move(60, 180, 7500, 900);
    mshflexProfileList.SetOverlay(true);
}

void frmRequest::Form_Load() {
    ColumnMaxLength = {0, 4, 45, 2, 6, 3, 1, 100};
    SkippedColumns = {};
    if (app.CashBasisStatBypass)
        SkippedColumns[4] = 6;
    NumericColumns = {};
    NumericColumns[3] = true;
    txtEntry.SetText("");
    rowCounter = 1;
    DesignEntryGrid();
    txtEntry.SetHeight(mshflexEntry.CellHeight());
    txtEntry.SetMaxLength(ColumnMaxLengthOf(mshflexEntry.Col()));
    PutTextBox(mshflexEntry.Col(), mshflexEntry.Row());
    DesignProfileGrid();
}

void frmRequest::DesignEntryGrid() {
    forms::MSHFlexGrid& grid = mshflexEntry;
    grid.Clear();
    grid.SetRedraw(false);
    grid.SetRows(2);
    grid.SetFormatString(
        " |<CODE|<DESCRIPTION                                      |<QTY|<AMOUNT|<SECTION|STAT|<REMARKS");
    grid.SetCols(kCols);
    const int thirteenth = vb::CLng(static_cast<double>(grid.Width()) / 13);
    grid.SetColWidth(0, 1);
    grid.SetColWidth(2, grid.ColWidth(0) + 4000);
    grid.SetColWidth(1, thirteenth);
    grid.SetColWidth(3, thirteenth);
    grid.SetColWidth(4, 1);
    grid.SetColWidth(5, thirteenth + 200);
    grid.SetColWidth(6, thirteenth);
    grid.SetColWidth(7, thirteenth + 2650);
    for (int col = 8; col < kCols; ++col)
        grid.SetColWidth(col, 0);
    grid.SetRedraw(true);
    grid.SetRow(1);
    grid.SetCol(1);
}

void frmRequest::DesignProfileGrid() {
    forms::MSHFlexGrid& grid = mshflexProfileList;
    grid.Clear();
    grid.SetRows(2);
    grid.SetCols(5);
    grid.SetFormatString(" |<ExamID|<ExamName                         |<ProfileID|<ProfileName                      ");
    const int widths[] = {1, 700, 2000, 700, 2000};
    for (int col = 0; col < 5; ++col)
        grid.SetColWidth(col, widths[col]);
}

// The laboratory takes a quantity by default, the other departments do not.
void frmRequest::Form_Activate() { SkipColumns(vb::Trim(department) == "LB"); }

// DESCRIPTION, AMOUNT and SECTION are always passed over, QTY unless it takes entries; entry 3 is left as it was
// when QTY takes entries.
void frmRequest::SkipColumns(bool quantityTaken) {
    SkippedColumns[0] = 2;
    if (quantityTaken) {
        SkippedColumns[1] = 4;
        SkippedColumns[2] = 5;
    } else {
        SkippedColumns[1] = 3;
        SkippedColumns[2] = 4;
        SkippedColumns[3] = 5;
    }
}

int frmRequest::ColumnMaxLengthOf(int col) const {
    return col >= 0 && col < 8 ? ColumnMaxLength[static_cast<std::size_t>(col)] : 0;
}

void frmRequest::Form_KeyDown(int& KeyCode, int Shift) {
    (void)Shift;
    if (KeyCode == forms::vbKeyF3)
        DeleteRow(mshflexEntry.Row());
}

void frmRequest::Form_KeyPress(int& KeyAscii) {
    if (KeyAscii == 39)
        KeyAscii = 0;
}

bool frmRequest::ExcemptCol(int Col) const {
    for (std::size_t entry = 0; entry <= 5; ++entry)
        if (SkippedColumns[entry] == Col)
            return true;
    return false;
}

void frmRequest::PutTextBox(int Col, int Row) {
    forms::MSHFlexGrid& grid = mshflexEntry;
    if (!ExcemptCol(Col)) {
        lblMessage.SetCaption("");
        lblMessage.SetCaption(HintOf(Col));
        txtEntry.Move(grid.Left() + grid.ColPos(Col) + 25, grid.Top() + grid.RowPos(Row) + 25, grid.ColWidth(Col) - 20,
                      txtEntry.Height());
        if (!txtEntry.Visible())
            txtEntry.SetVisible(true);
    }
    txtEntry.SetText(grid.TextMatrix(Row, Col));
}

void frmRequest::mshflexEntry_EnterCell() {
    forms::MSHFlexGrid& grid = mshflexEntry;
    txtEntry.SetMaxLength(ColumnMaxLengthOf(grid.Col()));
    txtEntry.SetText(grid.Text());
    PutTextBox(grid.Col(), grid.Row());
    // Placing the editor sets its text again, which drops a selection made before.
    txtEntry.SetSelStart(0);
    txtEntry.SetSelLength(static_cast<int>(txtEntry.Text().size()));
    if (txtEntry.Visible() && CanReceiveFocus(txtEntry))
        txtEntry.SetFocus();
}

// Text typed and not committed with Enter is dropped.
void frmRequest::mshflexEntry_LeaveCell() {
    txtEntry.SetVisible(false);
    txtEntry.SetText("");
    if (mshflexEntry.Col() < 7 && CompleteRow(mshflexEntry.Row()))
        AddRow(mshflexEntry.Row());
}

void frmRequest::txtEntry_GotFocus() { txtEntry.SetMaxLength(ColumnMaxLengthOf(mshflexEntry.Col())); }

void frmRequest::txtEntry_KeyPress(int& KeyAscii) {
    const int col = mshflexEntry.Col();
    if (col >= 0 && col < 8 && NumericColumns[static_cast<std::size_t>(col)]) {
        if (!(KeyAscii == 0 || KeyAscii == 8 || (KeyAscii >= 46 && KeyAscii <= 57)))
            KeyAscii = 0;
        return;
    }
    KeyAscii = app.KeyFilter->AllUppers(static_cast<std::int16_t>(KeyAscii));
}

void frmRequest::txtEntry_KeyDown(int& KeyCode, int Shift) {
    (void)Shift;
    forms::MSHFlexGrid& grid = mshflexEntry;
    const int R = grid.Row();
    const int C = grid.Col();
    const int lastRow = grid.Rows() - 1;
    switch (KeyCode) {
    case forms::vbKeyReturn:
        if (!EnterInColumn(C))
            return;
        if (CompleteRow(R))
            AddRow(R);
        if (C == 7) {
            grid.SetCol(1);
            if (R != grid.Rows() - 1)
                grid.SetRow(R + 1);
        } else {
            MoveToNextEntryColumn(R, C);
        }
        break;
    case forms::vbKeyHome:
        for (int col = C - 1; col >= 1; --col) {
            if (!ExcemptCol(col)) {
                grid.SetCol(col);
                break;
            }
        }
        break;
    case forms::vbKeyEnd:
        for (int col = C + 1; col <= 7; ++col) {
            if (!ExcemptCol(col)) {
                grid.SetCol(col);
                break;
            }
        }
        break;
    case forms::vbKeyUp:
        if (R > 1)
            grid.SetRow(R - 1);
        break;
    case forms::vbKeyDown:
        if (R != lastRow)
            grid.SetRow(R + 1);
        break;
    case forms::vbKeyLeft:
    case forms::vbKeyRight:
        mshflexEntry_EnterCell();
        return;
    default:
        return;
    }
    txtEntry.SetMaxLength(ColumnMaxLengthOf(grid.Col()));
    mshflexEntry_EnterCell();
}

void frmRequest::MoveToNextEntryColumn(int row, int col) {
    (void)row;
    for (int next = col + 1; next <= 7; ++next) {
        if (!ExcemptCol(next)) {
            mshflexEntry.SetCol(next);
            return;
        }
    }
}

bool frmRequest::EnterInColumn(int col) {
    switch (col) {
    case 1:
        return EnterCode();
    case 3:
        return EnterQuantity();
    case 6:
    case 7:
        mshflexEntry.SetTextMatrix(mshflexEntry.Row(), col, txtEntry.Text());
        return true;
    default:
        return true;
    }
}

bool frmRequest::CompleteRow(int Row) const {
    for (int col = 1; col <= 4; ++col)
        if (mshflexEntry.TextMatrix(Row, col).empty())
            return false;
    return true;
}

// There is never more than one empty row at the end.
void frmRequest::AddRow(int Row) {
    forms::MSHFlexGrid& grid = mshflexEntry;
    if (grid.Rows() < 3) {
        if (!CompleteRow(Row))
            return;
    } else if (!CompleteRow(grid.Rows() - 1) || !CompleteRow(Row)) {
        return;
    }
    ++rowCounter;
    grid.AddItem("");
    grid.SetTextMatrix(grid.Rows() - 1, 0, vb::CStr(rowCounter));
}

void frmRequest::ClearCells(int row, int lastCol) {
    for (int col = 1; col <= lastCol; ++col)
        mshflexEntry.SetTextMatrix(row, col, "");
    mshflexEntry.SetTextMatrix(row, kUnitAmountCol, "");
}

// A row's exam leaves the dialog with its profile's members; the cursor follows the editor to the last row's code.
void frmRequest::DeleteRow(int Row) {
    forms::MSHFlexGrid& grid = mshflexEntry;
    RemoveExamFromProfileList(vb::Trim(grid.TextMatrix(Row, 1)), mshflexProfileList);
    if (Row == grid.FixedRows()) {
        ClearCells(grid.Row(), 12);
    } else {
        grid.RemoveItem(Row);
        --rowCounter;
    }
    const int lastRow = grid.Rows() - 1;
    grid.SetRow(lastRow);
    grid.SetCol(1);
    txtEntry.SetText(grid.TextMatrix(lastRow, 1));
    if (CanReceiveFocus(txtEntry))
        txtEntry.SetFocus();
    PutTextBox(1, lastRow);
}

bool frmRequest::QualifiedRow(int Row) const {
    for (int col = 1; col <= 12; ++col)
        if (!vb::Trim(mshflexEntry.TextMatrix(Row, col)).empty())
            return true;
    return false;
}

void frmRequest::cmdOption_Click(int Index) {
    switch (Index) {
    case 0:
        Accept();
        break;
    case 1:
        Unload();
        break;
    case 2:
        DeleteCurrentRow();
        break;
    default:
        break;
    }
}

void frmRequest::DeleteCurrentRow() {
    forms::MSHFlexGrid& grid = mshflexEntry;
    if (!QualifiedRow(grid.Row())) {
        MsgBox("Row cannot be deleted because there are no entries yet.", forms::vbInformation, "MESSAGE");
        return;
    }
    if (MsgBox("Are you sure to delete the request?", forms::vbQuestion + forms::vbYesNo, "MESSAGE") != forms::vbYes)
        return;
    RemoveExamFromProfileList(vb::Trim(grid.TextMatrix(grid.Row(), 1)), mshflexProfileList);
    if (grid.Rows() < 3) {
        txtEntry.SetText("");
        ClearCells(grid.Row(), 12);
    } else {
        grid.RemoveItem(grid.Row());
        txtEntry.SetText(grid.TextMatrix(grid.Row(), grid.Col()));
    }
    for (int row = 1; row < grid.Rows(); ++row)
        grid.SetTextMatrix(row, 0, vb::CStr(row));
}

// Enter in CODE: the look-up, its refusals, the remarks and the quantity rule.
bool frmRequest::EnterCode() {
    const int row = mshflexEntry.Row();
    if (!FillRowFromSearch(row))
        return false;
    if (RefusedExam(row))
        return false;
    if (vb::Trim(txtDept.Text()) == "LB" && ProfileStops(row))
        return false;
    AskRemarks(row);
    const DepartmentLookup& lookup = LookupOf(vb::Trim(txtDept.Text()));
    if (lookup.maxQty != nullptr)
        SkipColumns(lookup.maxQty(app, mshflexEntry.TextMatrix(row, 1)) > 1);
    return true;
}

bool frmRequest::FillRowFromSearch(int row) {
    forms::MSHFlexGrid& grid = mshflexEntry;
    const std::string dept = vb::Trim(txtDept.Text());
    const DepartmentLookup& lookup = LookupOf(dept);
    if (lookup.kind == 21)
        app.CodeSearch->SetOtherSectionID(dept);
    if (!app.CodeSearch->SearchListing(vb::Trim(txtEntry.Text()), lookup.kind))
        return false;
    // The exam the row held leaves it, and its profile's members with it.
    RemoveExamFromProfileList(vb::Trim(grid.TextMatrix(row, 1)), mshflexProfileList);
    const PickedExam exam = lookup.picked(*app.CodeSearch);
    txtEntry.SetText(exam.code);
    grid.SetTextMatrix(row, 1, exam.code);
    grid.SetTextMatrix(row, 2, exam.name);
    std::string amount = PriceOf(exam, lookup.rateLetters, vb::Trim(app.CurRoomClassID));
    if (app.Parameters().AllowInternationalRate() && IsInternationalPatient(app, Chart().txtId.Text()) &&
        HoldsNumber(amount))
        amount = vb::CStr(vb::CDbl(amount) * 1.1);
    grid.SetTextMatrix(row, 4, amount);
    grid.SetTextMatrix(row, kUnitAmountCol, amount);
    if (dept == "LB")
        grid.SetTextMatrix(row, 5, exam.section);
    grid.SetTextMatrix(row, 3, "1");
    grid.SetTextMatrix(row, 6, app.CashBasisStatBypass ? "Y" : "N");
    return true;
}

bool frmRequest::RefusedExam(int row) {
    const std::string dept = vb::Trim(txtDept.Text());
    const std::string idNum = Chart().txtId.Text();
    constexpr int exclamation = forms::vbExclamation + forms::vbOKOnly;
    if (Check_Code(txtEntry.Text())) {
        MsgBox("Can't Request the Same Examination.", exclamation, "Message");
        txtEntry.SetText("");
        ClearRow(row);
        return true;
    }
    if (Check_Code_Exist(txtEntry.Text())) {
        MsgBox("Examination is already in the Orders List.", exclamation, "Message");
        txtEntry.SetText("");
        ClearRow(row);
        return true;
    }
    const std::string code = vb::Trim(mshflexEntry.TextMatrix(row, 1));
    if (CheckExamStatus(app, idNum, code, dept) || ConfirmRepeatRequest(app, idNum, code, dept)) {
        ClearRow(row);
        return true;
    }
    return false;
}

// A laboratory profile takes the place of its members among the dialog's rows or else in the chart's cart, and its
// row stays as looked up, without remarks; a member is refused beside its profile, here or in the chart. True when
// the look-up ends there.
bool frmRequest::ProfileStops(int row) {
    frmFinal& chart = Chart();
    if (LoadProfileExams(app, vb::Trim(txtEntry.Text()), mshflexProfileList)) {
        if (CheckOrdersInProfile(app, mshflexProfileList, mshflexEntry, 1)) {
            RemoveProfileExamsFromOrders(mshflexProfileList, mshflexEntry, 1, chart.lstListLaboratory);
            return true;
        }
        if (CheckOrdersInProfile(app, mshflexProfileList, chart.mshflexOrders, 2)) {
            RemoveProfileExamsFromOrders(mshflexProfileList, chart.mshflexOrders, 2, chart.lstListLaboratory);
            return true;
        }
        return false;
    }
    const std::string code = vb::Trim(mshflexEntry.TextMatrix(row, 1));
    if (CheckExamInProfile(app, code, mshflexProfileList) || CheckExamInProfile(app, code, chart.mshflexProfileList)) {
        ClearRow(row);
        return true;
    }
    return false;
}

void frmRequest::AskRemarks(int row) {
    forms::MSHFlexGrid& grid = mshflexEntry;
    const std::string dept = vb::Trim(txtDept.Text());
    if (dept == "LB") {
        frmRemarks& remarks = app.Forms.Instance<frmRemarks>();
        remarks.ExamID = vb::Trim(grid.TextMatrix(row, 1));
        remarks.DeptID = "LB";
    } else {
        frmRemarks& remarks = app.Forms.Get<frmRemarks>();
        remarks.lblSpecimen(1).SetEnabled(false);
        remarks.cmdSpecimen.SetEnabled(false);
        if (dept == "XR" || dept == "US")
            app.Forms.Instance<frmRemarks>().DeptID = dept;
    }
    app.Forms.Instance<frmRemarks>().ShowModal();
    grid.SetTextMatrix(row, 6, app.ExamStatYN);
    grid.SetTextMatrix(row, 7, WithoutLineBreaks(app.ExamRemarks));
    grid.SetTextMatrix(row, 8, app.SpecimenCode);
    grid.SetTextMatrix(row, 9, app.TransplantID);
    grid.SetTextMatrix(row, 10, app.DialysisID);
    grid.SetTextMatrix(row, 11, app.AMPickUp ? "1" : "0");
    grid.SetTextMatrix(row, 12, app.UsePortableMachine ? "1" : "0");
}

// A refused exam leaves an empty row where the cursor stands; its hidden portable-machine flag stays.
void frmRequest::ClearRow(int row) { ClearCells(row, 11); }

bool frmRequest::EnterQuantity() {
    forms::MSHFlexGrid& grid = mshflexEntry;
    const int row = grid.Row();
    const DepartmentLookup& lookup = LookupOf(vb::Trim(department));
    if (lookup.maxQty == nullptr)
        return true;
    const double maxQty = lookup.maxQty(app, grid.TextMatrix(row, 1));
    const double quantity = vb::Val(txtEntry.Text());
    if (quantity <= 0 || quantity > maxQty) {
        MsgBox("Quantity should be > 0 and <= " + vb::CStr(maxQty) + ".", forms::vbOKOnly);
        mshflexEntry_EnterCell();
        return false;
    }
    grid.SetTextMatrix(row, 3, txtEntry.Text());
    const std::string unitAmount = grid.TextMatrix(row, kUnitAmountCol);
    grid.SetTextMatrix(
        row, 4, HoldsNumber(unitAmount) ? vb::CStr(vb::Val(grid.TextMatrix(row, 3)) * vb::CDbl(unitAmount)) : "");
    return true;
}

bool frmRequest::Check_Code(const std::string& Code) const {
    const forms::MSHFlexGrid& grid = mshflexEntry;
    for (int row = 1; row < grid.Rows(); ++row)
        if (row != grid.Row() && vb::Trim(grid.TextMatrix(row, 1)) == vb::Trim(Code))
            return true;
    return false;
}

bool frmRequest::Check_Code_Exist(const std::string& Code) const {
    const forms::MSHFlexGrid& orders = Chart().mshflexOrders;
    for (int row = 1; row < orders.Rows(); ++row)
        if (vb::Trim(orders.TextMatrix(row, 1)) == vb::Trim(txtDept.Text()) &&
            vb::Trim(orders.TextMatrix(row, 2)) == vb::Trim(Code))
            return true;
    return false;
}

// Each row holding a code becomes a cart row: the department, the visible columns and the remarks dialog's values.
void frmRequest::Accept() {
    forms::MSHFlexGrid& grid = mshflexEntry;
    forms::MSHFlexGrid& orders = Chart().mshflexOrders;
    for (int i = 1; i < grid.Rows(); ++i) {
        if (grid.TextMatrix(i, 1).empty())
            continue;
        int target = 1;
        if (!orders.TextMatrix(1, 1).empty()) {
            orders.SetRows(orders.Rows() + 1);
            target = orders.Rows() - 1;
        }
        orders.SetTextMatrix(target, 1, vb::Trim(txtDept.Text()));
        for (int col = 1; col <= 7; ++col)
            orders.SetTextMatrix(target, col + 1, grid.TextMatrix(i, col));
        for (int col = 8; col <= 12; ++col)
            orders.SetTextMatrix(target, col + 4, grid.TextMatrix(i, col));
    }
    CopyProfileList();
    Unload();
}

void frmRequest::CopyProfileList() {
    forms::MSHFlexGrid& source = mshflexProfileList;
    forms::MSHFlexGrid& target = Chart().mshflexProfileList;
    if (source.TextMatrix(1, 1).empty() && source.Rows() <= 2)
        return;
    for (int j = 1; j < source.Rows(); ++j) {
        int row = 1;
        if (!target.TextMatrix(1, 1).empty()) {
            target.SetRows(target.Rows() + 1);
            row = target.Rows() - 1;
        }
        for (int col = 1; col <= 4; ++col)
            target.SetTextMatrix(row, col, source.TextMatrix(j, col));
    }
}

frmFinal& frmRequest::Chart() const { return app.Forms.Instance<frmFinal>(); }

} // namespace ward
