#pragma once

#include "platform/forms/ControlArray.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

namespace ward {

class App;

// A supervisor signs in at the nurse's workstation to approve an action. One attempt per showing: an approval leaves
// SupervisorID and ApprovalRemark ("Allowed ") set and the supervisor's name in ValidatedUserName; a refusal, Close or
// Escape leaves both empty.
class frmSupervisorAccessCode : public forms::Form {
public:
    explicit frmSupervisorAccessCode(App& app);

    forms::Label lblHeading{*this, "lblHeading"};
    forms::Label lblInstruction{*this, "lblInstruction"};
    forms::Label lblUserID{*this, "lblUserID"};
    forms::TextBox txtUserID{*this, "txtUserID"};
    forms::Label lblAccessCode{*this, "lblAccessCode"};
    forms::TextBox txtAccessCode{*this, "txtAccessCode"};
    forms::ControlArray<forms::CommandButton> cmdOption{*this, "cmdOption"}; // 0 OK, 1 Close

private:
    void Design() override;
    void Form_Load() override;
    void Form_KeyPress(int& KeyAscii) override;
    void txtUserID_KeyPress(int& KeyAscii);
    void txtAccessCode_KeyPress(int& KeyAscii);
    void cmdOption_Click(int Index);
    void Approve();
    bool ValidateAccessCode();
    void CloseWithoutApproval();

    App& app;
};

} // namespace ward
