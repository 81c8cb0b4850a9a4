#include "shell/frmLogIn.h"

#include "core/App.h"
#include "platform/forms/Layout.h"
#include "platform/vb/Strings.h"
#include "shell/SignInLayout.h"
#include "shell/clsCurrentuser.h"
#include "shell/frmConnection.h"

namespace ward {

frmLogIn::frmLogIn(App& app) : Form(app.Forms), app(app) {
    cmdLogIn.Click = [this] { cmdLogIn_Click(); };
    cmdCancel.Click = [this] { cmdCancel_Click(); };
    cmdConnection.Click = [this] { cmdConnection_Click(); };
}

void frmLogIn::Design() {
    SetCaption("Log In");
    cmdLogIn.SetCaption("Log In");
    cmdLogIn.SetDefault(true);
    cmdCancel.SetCaption("Cancel");
    cmdCancel.SetCancel(true);
    cmdConnection.SetCaption("Connection...");
    lblConnection.SetWordWrap(true);
    DesignSignIn(*this, {lblHeading, "Log In", lblInstruction, "Please sign in with your user ID and access code.",
                         lblUserID, "User ID", txtUserID, lblAccessCode, "Access Code", txtAccessCode})
        .Full(lblConnection, 630)
        .Buttons({&cmdConnection, &cmdLogIn, &cmdCancel})
        .FitFormHeight();
}

void frmLogIn::Form_Load() { ShowConnection(); }

void frmLogIn::cmdLogIn_Click() {
    if (User == nullptr)
        return;
    // Enter presses Log In from either box: an empty box is where the nurse has still to type.
    if (vb::Trim(txtUserID.Text()).empty()) {
        txtUserID.SetFocus();
        return;
    }
    if (txtAccessCode.Text().empty()) {
        txtAccessCode.SetFocus();
        return;
    }
    if (User->LogIn(txtUserID.Text(), txtAccessCode.Text())) {
        Unload();
        return;
    }
    txtAccessCode.SetText("");
    txtAccessCode.SetFocus();
}

void frmLogIn::cmdCancel_Click() { Unload(); }

void frmLogIn::cmdConnection_Click() {
    if (User == nullptr)
        return;
    frmConnection& dialog = app.Forms.Instance<frmConnection>();
    dialog.File = User->ConnectionFile();
    dialog.Settings = User->ConnectionInUse().Settings.value_or(ConnectionSettings{});
    dialog.ShowModal();
    if (!dialog.Saved)
        return;
    User->UseConnection(dialog.Settings);
    ShowConnection();
}

void frmLogIn::ShowConnection() {
    lblConnection.SetCaption(User != nullptr ? User->ConnectionDescription() : "");
    cmdConnection.SetEnabled(User == nullptr || !User->IsSampleWard());
}

} // namespace ward
