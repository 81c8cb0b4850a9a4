#include "shell/frmUserRights.h"

#include "core/App.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"
#include "platform/forms/Layout.h"
#include "platform/vb/Operators.h"
#include "platform/vb/Strings.h"
#include "shell/EmployeeSearch.h"
#include "shell/UserRights.h"

namespace ward {

namespace {

// A right item's number: the last two characters of its list line, trimmed.
std::string ItemNumberOf(const std::string& line) { return vb::Trim(vb::Right(line, 2)); }

} // namespace

frmUserRights::frmUserRights(App& app) : Form(app.Forms), app(app) {
    cmdSearch.Click = [this] { cmdSearch_Click(); };
    txtEmployeeID.KeyPress = [this](int& KeyAscii) { txtEmployeeID_KeyPress(KeyAscii); };
    txtEmployeeID.KeyDown = [this](int& KeyCode, int Shift) { txtEmployeeID_KeyDown(KeyCode, Shift); };
    grdUsers.DblClick = [this] { grdUsers_DblClick(); };
    grdUsers.KeyPress = [this](int& KeyAscii) { grdUsers_KeyPress(KeyAscii); };
    chkSelectAll.Click = [this] { chkSelectAll_Click(); };
    cmdSave.Click = [this] { cmdSave_Click(); };
    cmdClose.Click = [this] { cmdClose_Click(); };
}

void frmUserRights::Design() {
    SetCaption("User Rights");
    SetBorderStyle(3);
    SetKeyPreview(true);
    SetInnerSize(6600, 6000);
    fraEmployee.SetCaption("1. Select User");
    lblEmployeeID.SetCaption("Employee ID :");
    cmdSearch.SetCaption("...");
    cmdSearch.SetToolTipText("Search");
    lblEmployee.SetCaption("Employee :");
    txtEmployee.SetLocked(true);
    fmeUsers.SetCaption("List Of Users");
    fmeUsers.SetVisible(false);
    fmeUsers.SetOverlay(true);
    SetUserGridHeader(grdUsers);
    fraRights.SetCaption("2. Select User Rights");
    lstRights.SetStyle(forms::vbListBoxCheckbox);
    forms::Font fixedPitch;
    fixedPitch.Name = "Courier New";
    lstRights.SetFont(fixedPitch);
    chkSelectAll.SetCaption("Select &All");
    cmdSave.SetCaption("&Save");
    cmdClose.SetCaption("&Close");
    forms::Layout layout(*this);
    layout.Group(fraEmployee, [this](forms::Layout& inside) {
        inside.Row({{&lblEmployeeID, 1500}, {&txtEmployeeID}, {&cmdSearch, 375}}).Row(lblEmployee, txtEmployee);
    });
    const int listTop = layout.Top();
    layout.Group(fraRights, [this](forms::Layout& inside) { inside.Full(lstRights, 3000).Full(chkSelectAll); })
        .Buttons({&cmdSave, &cmdClose})
        .FitFormHeight();
    // The search result floats over the rights while an employee is being chosen.
    forms::Layout(*this).Skip(listTop - 120).Group(fmeUsers, [this](forms::Layout& inside) {
        inside.Full(grdUsers, 2400);
    });
}

void frmUserRights::Form_Load() {
    LoadRightItems();
    fraRights.SetEnabled(false);
    cmdSave.SetEnabled(false);
}

void frmUserRights::LoadRightItems() {
    lstRights.Clear();
    db::Recordset rs;
    rs.SetCursorLocation(db::CursorLocation::Client);
    rs.Open("Select Description,ItemID From  STATION..tbNurseUserSettings Where Status = 'A'", app.Connection(),
            db::CursorType::Static, db::LockType::ReadOnly);
    for (; !rs.Eof(); rs.MoveNext())
        lstRights.AddItem(vb::Concat(rs.Fields("Description"), vb::Space(120), rs.Fields("ItemID")));
    rs.Close();
}

// Text typed here goes into the search and the save; an apostrophe is never taken.
void frmUserRights::Form_KeyPress(int& KeyAscii) {
    if (KeyAscii == '\'')
        KeyAscii = 0;
}

void frmUserRights::cmdSearch_Click() { Search(); }

void frmUserRights::txtEmployeeID_KeyPress(int& KeyAscii) {
    if (KeyAscii == forms::vbKeyReturn) {
        KeyAscii = 0;
        Search();
    }
}

void frmUserRights::txtEmployeeID_KeyDown(int& KeyCode, int Shift) {
    (void)Shift;
    if (KeyCode == forms::vbKeyDown && !grdUsers.TextMatrix(1, 1).empty())
        grdUsers.SetFocus();
}

void frmUserRights::Search() {
    fmeUsers.SetVisible(true);
    const bool found = SearchNurseUsers(app, grdUsers, txtEmployeeID.Text());
    fmeUsers.SetEnabled(found);
    grdUsers.SetVisible(true);
    if (found)
        grdUsers.SetFocus();
}

void frmUserRights::grdUsers_DblClick() { PickEmployee(); }

void frmUserRights::grdUsers_KeyPress(int& KeyAscii) {
    if (KeyAscii == forms::vbKeyReturn)
        PickEmployee();
}

void frmUserRights::PickEmployee() {
    txtEmployeeID.SetText(grdUsers.TextMatrix(grdUsers.Row(), 1));
    txtEmployee.SetText(grdUsers.TextMatrix(grdUsers.Row(), 2));
    TickAll(false);
    LoadEmployeeRights();
    fmeUsers.SetVisible(false);
    fraRights.SetEnabled(true);
    cmdSave.SetEnabled(true);
}

void frmUserRights::LoadEmployeeRights() {
    const std::string rights =
        ReadRightsText(app, "SELECT EmployeeRights FROM STATION..tbNurseUserRights WHERE EmployeeID = " +
                                db::SqlQuote(vb::Trim(txtEmployeeID.Text())));
    for (const std::string& element : GrantedElements(rights)) {
        for (int line = 0; line < lstRights.ListCount(); ++line) {
            if (ItemNumberOf(lstRights.List(line)) == element) {
                lstRights.SetSelected(line, true);
                break;
            }
        }
    }
}

void frmUserRights::chkSelectAll_Click() { TickAll(chkSelectAll.Value() == forms::vbChecked); }

void frmUserRights::TickAll(bool value) {
    for (int line = 0; line < lstRights.ListCount(); ++line)
        lstRights.SetSelected(line, value);
}

void frmUserRights::cmdSave_Click() {
    std::string rights;
    for (int line = 0; line < lstRights.ListCount(); ++line) {
        if (lstRights.Selected(line))
            rights += "|" + ItemNumberOf(lstRights.List(line));
    }
    app.Connection().Execute("STATION..spNurse_SaveUserRights " + db::SqlQuote(vb::Trim(txtEmployeeID.Text())) + "," +
                             db::SqlQuote(rights) + "," + db::SqlQuote(app.CurrentUser->EmployeeCode()));
    MsgBox("User rights updated", forms::vbOKOnly | forms::vbInformation, "Notification");
    Unload();
}

void frmUserRights::cmdClose_Click() { Unload(); }

} // namespace ward
