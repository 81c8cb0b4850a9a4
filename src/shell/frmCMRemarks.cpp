#include "shell/frmCMRemarks.h"

#include "core/App.h"
#include "core/ErrorReporting.h"
#include "platform/db/Connection.h"
#include "platform/forms/Layout.h"

namespace ward {

frmCMRemarks::frmCMRemarks(App& app) : Form(app.Forms), app(app) {
    mshFlexCMRemarks.DblClick = [this] { mshFlexCMRemarks_DblClick(); };
    mshFlexCMRemarks.KeyPress = [this](int& KeyAscii) { mshFlexCMRemarks_KeyPress(KeyAscii); };
    imgLegend.Click = [this] { imgLegend_Click(); };
}

void frmCMRemarks::Design() {
    SetCaption("CM Remarks");
    SetBorderStyle(3);
    SetInnerSize(4200, 3600);
    fraMessage.SetCaption("Important Message");
    lblMessage.SetCaption("Double-click the list to select the CM Remark(s) or use the arrow keys Up/Down to choose "
                          "then press Enter Key.");
    lblMessage.SetWordWrap(true);
    imgLegend.SetToolTipText("Close");
    forms::Layout(*this)
        .Row({{&lblDoctor}, {&imgLegend, 480}})
        .Full(mshFlexCMRemarks, 1800)
        .Group(fraMessage, [this](forms::Layout& inside) { inside.Full(lblMessage, 480); })
        .FitFormHeight();
}

void frmCMRemarks::Form_Load() {
    selectedRemarks.clear();
    try {
        LoadCMRemarks();
    } catch (const std::exception& error) {
        ShowErrorMessage(app, error);
    }
}

void frmCMRemarks::LoadCMRemarks() {
    mshFlexCMRemarks.Clear();
    mshFlexCMRemarks.SetCols(3);
    mshFlexCMRemarks.SetRows(2);
    mshFlexCMRemarks.SetColWidth(0, 0);
    mshFlexCMRemarks.SetColWidth(1, 800);
    mshFlexCMRemarks.SetColWidth(2, 2500);
    db::Recordset rs;
    rs.SetCursorLocation(db::CursorLocation::Client);
    rs.Open("STATION..sp_Nurse_Get_CMRemarks 11", app.Connection(), db::CursorType::Static, db::LockType::ReadOnly);
    if (rs.Eof()) {
        mshFlexCMRemarks.SetEnabled(false);
    } else {
        mshFlexCMRemarks.SetDataSource(rs);
        mshFlexCMRemarks.SetEnabled(true);
    }
    rs.Close();
    lblDoctor.SetCaption("List of CM Remarks");
}

void frmCMRemarks::mshFlexCMRemarks_DblClick() { ChooseCurrentRow(); }

void frmCMRemarks::mshFlexCMRemarks_KeyPress(int& KeyAscii) {
    if (KeyAscii == forms::vbKeyReturn)
        ChooseCurrentRow();
}

void frmCMRemarks::imgLegend_Click() { Unload(); }

void frmCMRemarks::ChooseCurrentRow() {
    selectedRemarks = mshFlexCMRemarks.TextMatrix(mshFlexCMRemarks.Row(), 2);
    Unload();
}

} // namespace ward
