#include "shell/frmConnection.h"

#include "core/App.h"
#include "platform/forms/Layout.h"
#include "platform/vb/Strings.h"
#include "shell/ConnectionFile.h"

namespace ward {

frmConnection::frmConnection(App& app) : Form(app.Forms) {
    cmdSave.Click = [this] { cmdSave_Click(); };
    cmdCancel.Click = [this] { Unload(); };
}

void frmConnection::Design() {
    SetCaption("Connection");
    SetBorderStyle(3);
    SetInnerSize(5400, 2000);
    lblServer.SetCaption("Server");
    lblPort.SetCaption("Port");
    lblDatabase.SetCaption("Database");
    lblLogin.SetCaption("SQL Login");
    lblPassword.SetCaption("Password");
    txtPassword.SetPasswordChar('*');
    lblFile.SetWordWrap(true);
    cmdSave.SetCaption("Save");
    cmdSave.SetDefault(true);
    cmdCancel.SetCaption("Cancel");
    cmdCancel.SetCancel(true);
    forms::Layout(*this)
        .Row(lblServer, txtServer)
        .Row(lblPort, txtPort, 900)
        .Row(lblDatabase, txtDatabase)
        .Row(lblLogin, txtLogin)
        .Row(lblPassword, txtPassword)
        .Full(lblFile, 630)
        .Buttons({&cmdSave, &cmdCancel})
        .FitFormHeight();
}

void frmConnection::Form_Load() {
    Saved = false;
    txtServer.SetText(Settings.Server);
    txtPort.SetText(std::to_string(Settings.Port));
    txtDatabase.SetText(Settings.Database);
    txtLogin.SetText(Settings.Login);
    txtPassword.SetText(Settings.Password);
    lblFile.SetCaption("Kept in " + File.string() + ", readable by you only.");
}

void frmConnection::cmdSave_Click() {
    if (!CheckEntries())
        return;
    ConnectionSettings entered{vb::Trim(txtServer.Text()), *ParsePort(vb::Trim(txtPort.Text())),
                               vb::Trim(txtDatabase.Text()), vb::Trim(txtLogin.Text()), txtPassword.Text()};
    try {
        WriteConnectionFile(File, entered);
    } catch (const std::exception& error) {
        MsgBox(std::string("The connection was not saved.\n\n") + error.what(), forms::vbOKOnly | forms::vbCritical,
               "Connection");
        return;
    }
    Settings = entered;
    Saved = true;
    Unload();
}

bool frmConnection::CheckEntries() {
    const struct {
        forms::TextBox& box;
        bool wrong;
        const char* message;
    } checks[] = {
        {txtServer, vb::Trim(txtServer.Text()).empty(), "Please enter the server."},
        {txtPort, !ParsePort(vb::Trim(txtPort.Text())), "The port must be a number from 1 to 65535."},
        {txtDatabase, vb::Trim(txtDatabase.Text()).empty(), "Please enter the database."},
        {txtLogin, vb::Trim(txtLogin.Text()).empty(), "Please enter the SQL login."},
    };
    for (const auto& check : checks) {
        if (check.wrong) {
            MsgBox(check.message, forms::vbOKOnly | forms::vbExclamation, "Connection");
            check.box.SetFocus();
            return false;
        }
    }
    return true;
}

} // namespace ward
