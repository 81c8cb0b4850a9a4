#include "shell/frmUser.h"

#include "core/App.h"
#include "platform/forms/Layout.h"
#include "shell/EmployeeSearch.h"

namespace ward {

frmUser::frmUser(App& app) : Form(app.Forms), app(app) {
    cmdSearch.Click = [this] { cmdSearch_Click(); };
    txtEmployeeID.KeyPress = [this](int& KeyAscii) { txtEmployeeID_KeyPress(KeyAscii); };
    txtEmployeeID.KeyDown = [this](int& KeyCode, int Shift) { txtEmployeeID_KeyDown(KeyCode, Shift); };
    grdUsers.DblClick = [this] { grdUsers_DblClick(); };
    cmdClose.Click = [this] { cmdClose_Click(); };
}

void frmUser::Design() {
    SetCaption("List Of Users");
    SetBorderStyle(3);
    SetKeyPreview(true);
    SetInnerSize(6600, 3600);
    lblEmployeeID.SetCaption("Employee ID :");
    cmdSearch.SetCaption("...");
    cmdSearch.SetToolTipText("Search");
    lblEmployee.SetCaption("Employee :");
    txtEmployee.SetLocked(true);
    fmeUsers.SetCaption("List Of Users");
    fmeUsers.SetVisible(false);
    SetUserGridHeader(grdUsers);
    cmdClose.SetCaption("&Close");
    forms::Layout(*this)
        .Row({{&lblEmployeeID, 1500}, {&txtEmployeeID}, {&cmdSearch, 375}})
        .Row(lblEmployee, txtEmployee)
        .Group(fmeUsers, [this](forms::Layout& inside) { inside.Full(grdUsers, 2100); })
        .Buttons({&cmdClose})
        .FitFormHeight();
}

void frmUser::Form_Load() {
    txtEmployee.SetText("");
    txtEmployeeID.SetText("");
    app.PickedEmployeeCode.clear();
    app.PickedEmployeeName.clear();
}

void frmUser::Form_KeyPress(int& KeyAscii) {
    if (KeyAscii == '\'')
        KeyAscii = 0;
}

void frmUser::cmdSearch_Click() { Search(); }

void frmUser::txtEmployeeID_KeyPress(int& KeyAscii) {
    if (KeyAscii == forms::vbKeyReturn) {
        KeyAscii = 0;
        Search();
    }
}

void frmUser::txtEmployeeID_KeyDown(int& KeyCode, int Shift) {
    (void)Shift;
    if (KeyCode == forms::vbKeyDown && !grdUsers.TextMatrix(1, 1).empty())
        grdUsers.SetFocus();
}

// Unlike the user-rights window, an empty result leaves the frame as it was.
void frmUser::Search() {
    const bool found = SearchNurseUsers(app, grdUsers, txtEmployeeID.Text());
    grdUsers.SetVisible(true);
    if (!found)
        return;
    fmeUsers.SetVisible(true);
    grdUsers.SetFocus();
}

void frmUser::grdUsers_DblClick() {
    const int row = grdUsers.Row();
    txtEmployeeID.SetText(grdUsers.TextMatrix(row, 1));
    app.PickedEmployeeCode = grdUsers.TextMatrix(row, 1);
    txtEmployee.SetText(grdUsers.TextMatrix(row, 2));
    app.PickedEmployeeName = grdUsers.TextMatrix(row, 2);
    Unload();
}

void frmUser::cmdClose_Click() { Unload(); }

} // namespace ward
