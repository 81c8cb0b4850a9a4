#pragma once

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

namespace ward {

class App;
class clsCurrentuser;

// The signed-in user types the access code again before a protected screen opens. One attempt per showing; Passed
// tells the caller whether the server accepted it.
class frmConfirmAccessCode : public forms::Form {
public:
    explicit frmConfirmAccessCode(App& app);

    // The signed-in user's component; set before each showing.
    clsCurrentuser* User = nullptr;
    bool Passed = false;

    forms::Label lblInstruction{*this, "lblInstruction"};
    forms::Label lblAccessCode{*this, "lblAccessCode"};
    forms::TextBox txtAccessCode{*this, "txtAccessCode"};
    forms::CommandButton cmdOK{*this, "cmdOK"};
    forms::CommandButton cmdCancel{*this, "cmdCancel"};

private:
    void Design() override;
    void Form_Load() override { Passed = false; }
    void cmdOK_Click();
};

} // namespace ward
