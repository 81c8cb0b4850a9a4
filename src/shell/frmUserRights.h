#pragma once

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include "platform/forms/Grid.h"
#include "platform/forms/Lists.h"

namespace ward {

class App;

// Searches an employee of the station, shows the rights the employee holds as ticks in the list of right items, and
// saves the ticked rights for the ID in the employee box.
class frmUserRights : public forms::Form {
public:
    explicit frmUserRights(App& app);

    forms::Frame fraEmployee{*this, "fraEmployee"};
    forms::Label lblEmployeeID{*this, "lblEmployeeID"};
    forms::TextBox txtEmployeeID{*this, "txtEmployeeID"};
    forms::CommandButton cmdSearch{*this, "cmdSearch"};
    forms::Label lblEmployee{*this, "lblEmployee"};
    forms::TextBox txtEmployee{*this, "txtEmployee"};
    forms::Frame fmeUsers{*this, "fmeUsers"};
    forms::MSHFlexGrid grdUsers{*this, "grdUsers"};
    forms::Frame fraRights{*this, "fraRights"};
    forms::ListBox lstRights{*this, "lstRights"};
    forms::CheckBox chkSelectAll{*this, "chkSelectAll"};
    forms::CommandButton cmdSave{*this, "cmdSave"};
    forms::CommandButton cmdClose{*this, "cmdClose"};

private:
    void Design() override;
    void Form_Load() override;
    void Form_KeyPress(int& KeyAscii) override;
    void cmdSearch_Click();
    void txtEmployeeID_KeyPress(int& KeyAscii);
    void txtEmployeeID_KeyDown(int& KeyCode, int Shift);
    void grdUsers_DblClick();
    void grdUsers_KeyPress(int& KeyAscii);
    void chkSelectAll_Click();
    void cmdSave_Click();
    void cmdClose_Click();
    void LoadRightItems();
    void Search();
    void PickEmployee();
    void LoadEmployeeRights();
    void TickAll(bool value);

    App& app;
};

} // namespace ward
