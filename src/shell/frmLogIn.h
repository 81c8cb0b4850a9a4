#pragma once

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

namespace ward {

class App;
class clsCurrentuser;

// The nurse signs in at the start of the run; the window also shows, and through Connection... sets, the server and
// database the workstation uses. It stays open through every refusal until a sign-in succeeds or the nurse cancels.
class frmLogIn : public forms::Form {
public:
    explicit frmLogIn(App& app);

    // The component the window signs in for; set before each showing.
    clsCurrentuser* User = nullptr;

    forms::Label lblHeading{*this, "lblHeading"};
    forms::Label lblInstruction{*this, "lblInstruction"};
    forms::Label lblUserID{*this, "lblUserID"};
    forms::TextBox txtUserID{*this, "txtUserID"};
    forms::Label lblAccessCode{*this, "lblAccessCode"};
    forms::TextBox txtAccessCode{*this, "txtAccessCode"};
    forms::Label lblConnection{*this, "lblConnection"};
    forms::CommandButton cmdLogIn{*this, "cmdLogIn"};
    forms::CommandButton cmdCancel{*this, "cmdCancel"};
    forms::CommandButton cmdConnection{*this, "cmdConnection"};

private:
    void Design() override;
    void Form_Load() override;
    void cmdLogIn_Click();
    void cmdCancel_Click();
    void cmdConnection_Click();
    void ShowConnection();

    App& app;
};

} // namespace ward
