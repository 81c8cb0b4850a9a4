#pragma once

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

#include <cstdint>
#include <string>

namespace ward {

class App;

// The acting user signs in before a save, posting or cancellation is attributed to them. One attempt per showing:
// an accepted user leaves ValidatedUserID and ValidatedUserName set; a refusal or Escape leaves ValidatedUserID empty.
// With PostOrCancel = 1 the window also shows the reason of a cancellation or return, which the reason setting
// makes required (ApprovalRemark). PostOrCancel goes back to 0 whenever the window closes.
class frmTransaction_UserValidation : public forms::Form {
public:
    explicit frmTransaction_UserValidation(App& app);

    std::int16_t PostOrCancel = 0;

    forms::Label lblHeading{*this, "lblHeading"};
    forms::Label lblInstruction{*this, "lblInstruction"};
    forms::Label lblUserID{*this, "lblUserID"};
    forms::TextBox txtUserID{*this, "txtUserID"};
    forms::Label lblAccessCode{*this, "lblAccessCode"};
    forms::TextBox txtAccessCode{*this, "txtAccessCode"};
    forms::Frame fraRemarks{*this, "fraRemarks"};
    forms::TextBox txtRemarks{*this, "txtRemarks"};
    forms::CommandButton Command1{*this, "Command1"};
    forms::CommandButton cmdOK{*this, "cmdOK"};

    // Window heights of the two layouts, in twips.
    static constexpr int PostingHeight = 2505;
    static constexpr int CancellationHeight = 4155;

private:
    void Design() override;
    void Form_Load() override;
    void Form_KeyPress(int& KeyAscii) override;
    void Form_Unload(int& Cancel) override;
    void txtUserID_KeyPress(int& KeyAscii);
    void txtAccessCode_KeyPress(int& KeyAscii);
    void cmdOK_Click();
    void Command1_Click();
    void Validate();
    bool ValidateAccessCode();
    // False when the reason is required and missing; the window then stays open.
    bool TakeReason();

    App& app;
};

// Shows the acting-user dialog until a user signs in (true) or the nurse answers No to the retry question (false).
bool ValidateActingUser(App& app, const std::string& retryQuestion);

} // namespace ward
