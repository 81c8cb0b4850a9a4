#pragma once

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include "platform/forms/Grid.h"

namespace ward {

class App;

// Finds an employee of the station and hands back the code and name in PickedEmployeeCode and PickedEmployeeName;
// both are empty when the picker was closed without a pick.
class frmUser : public forms::Form {
public:
    explicit frmUser(App& app);

    forms::Label lblEmployeeID{*this, "lblEmployeeID"};
    forms::TextBox txtEmployeeID{*this, "txtEmployeeID"};
    forms::CommandButton cmdSearch{*this, "cmdSearch"};
    forms::Label lblEmployee{*this, "lblEmployee"};
    forms::TextBox txtEmployee{*this, "txtEmployee"};
    forms::Frame fmeUsers{*this, "fmeUsers"};
    forms::MSHFlexGrid grdUsers{*this, "grdUsers"};
    forms::CommandButton cmdClose{*this, "cmdClose"};

private:
    void Design() override;
    void Form_Load() override;
    void Form_KeyPress(int& KeyAscii) override;
    void cmdSearch_Click();
    void txtEmployeeID_KeyPress(int& KeyAscii);
    void txtEmployeeID_KeyDown(int& KeyCode, int Shift);
    void grdUsers_DblClick();
    void cmdClose_Click();
    void Search();

    App& app;
};

} // namespace ward
