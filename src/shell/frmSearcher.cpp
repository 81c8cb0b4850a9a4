#include "shell/frmSearcher.h"

#include "core/App.h"
#include "core/ErrorReporting.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"
#include "platform/forms/Layout.h"
#include "platform/vb/Strings.h"

namespace ward {

namespace {

constexpr int FrameWidth = 7725;

// The text as it stands between the quotes of a string literal, every quote in it doubled.
std::string InsideQuotes(const std::string& text) {
    const std::string literal = db::SqlQuote(text);
    return literal.substr(1, literal.size() - 2);
}

} // namespace

frmSearcher::frmSearcher(App& app) : Form(app.Forms), app(app) {
    txtSearchStr.GotFocus = [this] { txtSearchStr_GotFocus(); };
    txtSearchStr.KeyDown = [this](int& KeyCode, int Shift) { txtSearchStr_KeyDown(KeyCode, Shift); };
    txtSearchStr.KeyPress = [this](int& KeyAscii) { txtSearchStr_KeyPress(KeyAscii); };
    grdDispWindow.RowColChange = [this] { grdDispWindow_RowColChange(); };
    grdDispWindow.DblClick = [this] { grdDispWindow_DblClick(); };
    grdDispWindow.KeyPress = [this](int& KeyAscii) { grdDispWindow_KeyPress(KeyAscii); };
    cmdSelect.Click = [this] { cmdSelect_Click(); };
    cmdCancel.Click = [this] { cmdCancel_Click(); };
}

void frmSearcher::Design() {
    SetBorderStyle(3);
    SetInnerSize(FrameWidth + 1215 + 3 * 120, 4800);
    forms::Font title;
    title.Size = 12;
    title.Bold = true;
    lblTitle.SetFont(title);
    lblHospital.SetAlignment(forms::vbRightJustify);
    fraRecords.SetCaption("Records List");
    grdDispWindow.SetCols(3);
    grdDispWindow.SetSelectionMode(forms::flexSelectionByRow);
    cmdSelect.SetCaption("SELECT");
    cmdCancel.SetCaption("CANCEL");

    forms::Layout layout(*this);
    layout.Row({{&lblTitle, 5400}, {&lblHospital}}, 375).Row({{&lblSTitle, 1200}, {&txtSearchStr, 6405}});
    const int top = layout.Top();
    fraRecords.Move(layout.Left(), top, FrameWidth, 3600);
    forms::Layout(fraRecords).Full(grdDispWindow, 3120);
    const int buttonsLeft = layout.Left() + FrameWidth + 120;
    cmdSelect.Move(buttonsLeft, top + 240, 1215, 375);
    cmdCancel.Move(buttonsLeft, top + 240 + 375 + 120, 1215, 375);
    SetInnerSize(ScaleWidth(), top + 3600 + 120);
}

void frmSearcher::Form_Load() {
    valid = false;
    RunSearch(Criteria);
    lblHospital.SetCaption(app.CurHospNum);
    SetCaption(SearchCaption);
    lblTitle.SetCaption(SearchCaption);
    lblSTitle.SetCaption(SearchCaption);
    BoldTitleRow();
    if (grdDispWindow.Rows() > 1) {
        grdDispWindow.SetRow(1);
        grdDispWindow.SetCol(1);
    } else {
        grdDispWindow.SetCol(1);
    }
    const int widths[] = {200, 4150, 2000};
    for (int col = 0; col < 3 && col < grdDispWindow.Cols(); ++col)
        grdDispWindow.SetColWidth(col, widths[col]);
}

void frmSearcher::Form_Activate() { txtSearchStr.SetFocus(); }

void frmSearcher::Form_QueryUnload(int& Cancel, int UnloadMode) {
    (void)Cancel;
    if (UnloadMode == forms::vbFormControlMenu)
        valid = false;
}

void frmSearcher::txtSearchStr_GotFocus() {
    txtSearchStr.SetSelStart(0);
    txtSearchStr.SetSelLength(static_cast<int>(txtSearchStr.Text().size()));
}

void frmSearcher::txtSearchStr_KeyDown(int& KeyCode, int Shift) {
    (void)Shift;
    if (KeyCode != forms::vbKeyDown)
        return;
    grdDispWindow.SetRow(grdDispWindow.TopRow());
    grdDispWindow.SetFocus();
}

void frmSearcher::txtSearchStr_KeyPress(int& KeyAscii) {
    if (KeyAscii == forms::vbKeyReturn) {
        KeyAscii = 0;
        RunSearch(txtSearchStr.Text());
    } else if (KeyAscii > 0 && KeyAscii <= 255) {
        KeyAscii = vb::Asc(vb::UCase(vb::Chr(KeyAscii)));
    }
}

// The title row names the columns; only a row of the list is written into the box.
void frmSearcher::grdDispWindow_RowColChange() {
    const int row = grdDispWindow.Row();
    if (row >= grdDispWindow.FixedRows())
        txtSearchStr.SetText(grdDispWindow.TextMatrix(row, 1));
}

void frmSearcher::grdDispWindow_DblClick() {
    if (cmdSelect.Enabled())
        ChooseCurrentRow();
}

void frmSearcher::grdDispWindow_KeyPress(int& KeyAscii) {
    if (KeyAscii == forms::vbKeyReturn && cmdSelect.Enabled())
        ChooseCurrentRow();
}

void frmSearcher::cmdSelect_Click() { ChooseCurrentRow(); }

void frmSearcher::cmdCancel_Click() {
    valid = false;
    Unload();
}

void frmSearcher::RunSearch(const std::string& text) {
    const std::string sql = vb::Replace(Query, "##", InsideQuotes(text));
    grdDispWindow.Clear();
    try {
        ListResult(sql);
    } catch (const std::exception& error) {
        // A list the server could not give is an empty one: nothing of the last list can be chosen.
        grdDispWindow.SetRows(grdDispWindow.FixedRows());
        ShowErrorMessage(app, error);
    }
    cmdSelect.SetEnabled(grdDispWindow.Rows() > 1);
}

void frmSearcher::ListResult(const std::string& sql) {
    db::Recordset rs = app.Connection().Execute(sql);
    grdDispWindow.SetDataSource(rs);
    rs.Close();
}

void frmSearcher::BoldTitleRow() {
    for (int col = 1; col < grdDispWindow.Cols(); ++col) {
        grdDispWindow.SetRow(0);
        grdDispWindow.SetCol(col);
        grdDispWindow.SetCellFontBold(true);
    }
}

void frmSearcher::ChooseCurrentRow() {
    const int row = grdDispWindow.Row();
    code = grdDispWindow.TextMatrix(row, 2);
    description = grdDispWindow.TextMatrix(row, 1);
    valid = true;
    Unload();
}

} // namespace ward
