#include "shell/frmConfirmAccessCode.h"

#include "core/App.h"
#include "platform/forms/Layout.h"
#include "shell/clsCurrentuser.h"

namespace ward {

frmConfirmAccessCode::frmConfirmAccessCode(App& app) : Form(app.Forms) {
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdCancel.Click = [this] { Unload(); };
}

void frmConfirmAccessCode::Design() {
    SetCaption("Access Code");
    SetBorderStyle(3);
    SetInnerSize(4200, 1500);
    lblInstruction.SetCaption("Please enter your access code again.");
    lblAccessCode.SetCaption("Access Code");
    txtAccessCode.SetPasswordChar('*');
    cmdOK.SetCaption("OK");
    cmdOK.SetDefault(true);
    cmdCancel.SetCaption("Cancel");
    cmdCancel.SetCancel(true);
    forms::Layout(*this)
        .Full(lblInstruction)
        .Row(lblAccessCode, txtAccessCode)
        .Buttons({&cmdOK, &cmdCancel})
        .FitFormHeight();
}

void frmConfirmAccessCode::cmdOK_Click() {
    Passed = User != nullptr && User->CheckUser(User->EmployeeCode(), txtAccessCode.Text()).has_value();
    Unload();
}

} // namespace ward
