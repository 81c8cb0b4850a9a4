#include "shell/frmTransaction_UserValidation.h"

#include "core/App.h"
#include "platform/db/SqlText.h"
#include "platform/forms/Layout.h"
#include "platform/vb/Strings.h"
#include "shell/AccessCheck.h"
#include "shell/SignInLayout.h"
#include "shell/frmCMRemarks.h"

namespace ward {

frmTransaction_UserValidation::frmTransaction_UserValidation(App& app) : Form(app.Forms), app(app) {
    txtUserID.KeyPress = [this](int& KeyAscii) { txtUserID_KeyPress(KeyAscii); };
    txtAccessCode.KeyPress = [this](int& KeyAscii) { txtAccessCode_KeyPress(KeyAscii); };
    cmdOK.Click = [this] { cmdOK_Click(); };
    Command1.Click = [this] { Command1_Click(); };
}

void frmTransaction_UserValidation::Design() {
    SetCaption("Access Code Entry");
    SetControlBox(false);
    fraRemarks.SetCaption("Reason of Cancellation/Return");
    txtRemarks.SetMultiLine(true);
    Command1.SetCaption("Search CM Remarks");
    cmdOK.SetCaption("OK");
    forms::Layout layout =
        DesignSignIn(*this, {lblHeading, "Access Code Entry", lblInstruction, "Please sign in to validate user...",
                             lblUserID, "User Code / ID", txtUserID, lblAccessCode, "User Password", txtAccessCode});
    // The reason and OK start below what the posting layout's height shows.
    SetHeight(PostingHeight);
    layout.Skip(ScaleHeight() + 60 - layout.Top())
        .Group(fraRemarks,
               [this](forms::Layout& inside) {
                   inside.Row({{&txtRemarks}, {&Command1, 1700}}, 600);
               })
        .Buttons({&cmdOK});
}

void frmTransaction_UserValidation::Form_Load() {
    app.ValidatedUserID.clear();
    app.ValidatedUserName.clear();
    SetHeight(PostOrCancel != 0 ? CancellationHeight : PostingHeight);
}

void frmTransaction_UserValidation::Form_KeyPress(int& KeyAscii) {
    if (KeyAscii == '\'') {
        KeyAscii = 0;
    } else if (KeyAscii == forms::vbKeyEscape) {
        KeyAscii = 0;
        app.ValidatedUserID.clear();
        Unload();
    }
}

void frmTransaction_UserValidation::Form_Unload(int& Cancel) {
    (void)Cancel;
    PostOrCancel = 0;
}

void frmTransaction_UserValidation::txtUserID_KeyPress(int& KeyAscii) {
    if (KeyAscii == forms::vbKeyReturn) {
        KeyAscii = 0;
        MoveToNextControl();
    }
}

void frmTransaction_UserValidation::txtAccessCode_KeyPress(int& KeyAscii) {
    if (KeyAscii == forms::vbKeyReturn) {
        KeyAscii = 0;
        Validate();
    }
}

void frmTransaction_UserValidation::cmdOK_Click() { Validate(); }

void frmTransaction_UserValidation::Validate() {
    if (!ValidateAccessCode()) {
        MsgBox("Unauthorized user for this department(" + vb::Trim(app.StationID) + "-" + vb::Trim(app.StationName) +
                   ")",
               forms::vbOKOnly | forms::vbInformation, "Notification");
        app.ValidatedUserID.clear();
        Unload();
        return;
    }
    app.ValidatedUserID = vb::Trim(txtUserID.Text());
    if (PostOrCancel == 1 && app.IsAllowEntryOfReasonForCancellation && !TakeReason())
        return;
    Unload();
}

bool frmTransaction_UserValidation::ValidateAccessCode() {
    app.ValidatedUserName.clear();
    std::optional<std::string> name = AcceptedUserName(
        app, "Station..sp_Check_User_Department_Access " + db::SqlQuote(vb::Trim(txtUserID.Text())) + "," +
                 db::SqlQuote(EncipheredAccessCode(txtAccessCode.Text())) + "," + db::SqlQuote("ZODE"));
    if (!name)
        return false;
    app.ValidatedUserName = *name;
    return true;
}

bool frmTransaction_UserValidation::TakeReason() {
    app.ApprovalRemark.clear();
    const std::string& reason = txtRemarks.Text();
    if (vb::Trim(vb::Replace(vb::Replace(reason, "\r", ""), "\n", "")).empty()) {
        MsgBox("Please enter reason of cancellation.", forms::vbOKOnly | forms::vbCritical, "Notification");
        txtRemarks.SetFocus();
        return false;
    }
    app.ApprovalRemark = vb::Trim(vb::Replace(vb::Replace(reason, "\r", " "), "\n", " "));
    return true;
}

void frmTransaction_UserValidation::Command1_Click() {
    frmCMRemarks& picker = app.Forms.Instance<frmCMRemarks>();
    picker.ShowModal();
    const std::string chosen = picker.SelectedRemarks();
    if (chosen.empty())
        return;
    const std::string& reason = txtRemarks.Text();
    if (vb::InStr(reason, vb::Trim(chosen)) > 0)
        return;
    txtRemarks.SetText(vb::Trim(reason).empty() ? reason + chosen : reason + ", " + chosen);
}

bool ValidateActingUser(App& app, const std::string& retryQuestion) {
    for (;;) {
        app.Forms.Get<frmTransaction_UserValidation>().ShowModal();
        if (!app.ValidatedUserID.empty())
            return true;
        if (app.Forms.MsgBox(retryQuestion, forms::vbYesNo + forms::vbInformation, "Message") != forms::vbYes)
            return false;
    }
}

} // namespace ward
