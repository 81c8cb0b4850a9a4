#include "shell/clsCurrentuser.h"

#include "core/App.h"
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/SqlText.h"
#include "platform/vb/Strings.h"
#include "shell/AccessCheck.h"
#include "shell/frmCF4Entry.h"
#include "shell/frmConfirmAccessCode.h"
#include "shell/frmLogIn.h"

namespace ward {

void clsCF4::ShowEntry() {
    frmCF4Entry& window = app.Forms.Instance<frmCF4Entry>();
    window.EntryTitle = Title;
    window.ShowModal();
}

bool clsCF4::ValidateRequirements() {
    return app.Forms.MsgBox("PhilHealth CF4 entries are kept outside this program.\r\nIs the CF4 of admission " +
                                IdNum + " complete?",
                            forms::vbYesNo | forms::vbQuestion, "CF4 (Philhealth)") == forms::vbYes;
}

clsCurrentuser::clsCurrentuser(App& app, std::shared_ptr<Connector> connector, std::filesystem::path connectionFile)
    : app(app), connector(std::move(connector)), connectionFile(std::move(connectionFile)), classes(app) {}

clsCurrentuser::~clsCurrentuser() = default;

void clsCurrentuser::ShowMain() {
    SignOut();
    connection.reset();
    if (IsSampleWard())
        contents = {ConnectionSettings{}, {}};
    else
        contents = ReadConnectionFile(connectionFile);
    settings = contents.Settings.value_or(ConnectionSettings{});
    frmLogIn& dialog = app.Forms.Instance<frmLogIn>();
    dialog.User = this;
    dialog.ShowModal();
    dialog.User = nullptr;
    if (!signedIn)
        connection.reset();
}

db::Connection& clsCurrentuser::SQLConnection() {
    if (!Connected())
        db::RaiseObjectClosed();
    return *connection;
}

std::string clsCurrentuser::servername() const { return connector->ServerName(settings); }

bool clsCurrentuser::checkusersettings() {
    if (!Connected())
        return false;
    frmConfirmAccessCode& dialog = app.Forms.Instance<frmConfirmAccessCode>();
    dialog.User = this;
    dialog.ShowModal();
    dialog.User = nullptr;
    return dialog.Passed;
}

std::string clsCurrentuser::ConnectionDescription() const {
    if (IsSampleWard())
        return "SAMPLE WARD: nothing is saved";
    if (!contents.Settings)
        return contents.Problem;
    const std::string port = settings.Port == 1433 ? "" : ":" + std::to_string(settings.Port);
    return "Server " + servername() + port + ", database " + settings.Database;
}

void clsCurrentuser::UseConnection(const ConnectionSettings& newSettings) {
    connection.reset();
    contents = {newSettings, {}};
    settings = newSettings;
}

bool clsCurrentuser::LogIn(const std::string& userID, const std::string& accessCode) {
    if (!contents.Settings) {
        app.Forms.MsgBox(contents.Problem, forms::vbOKOnly | forms::vbExclamation, "Log In");
        return false;
    }
    if (!connection && !Connect())
        return false;
    std::optional<std::string> name;
    try {
        name = CheckUser(userID, accessCode);
    } catch (const std::exception& error) {
        // The connection may be what failed: the next attempt starts on a new one.
        connection.reset();
        app.Forms.MsgBox(std::string("The server could not check the user.\n\n") + error.what(),
                         forms::vbOKOnly | forms::vbCritical, "Log In");
        return false;
    }
    if (!name) {
        app.Forms.MsgBox("The user ID or access code is not accepted for this department.",
                         forms::vbOKOnly | forms::vbInformation, "Log In");
        return false;
    }
    employeeCode = vb::Trim(userID);
    employeeName = *name;
    initial = InitialsOf(employeeName);
    signedIn = true;
    return true;
}

std::optional<std::string> clsCurrentuser::CheckUser(const std::string& userID, const std::string& accessCode) {
    if (!connection)
        db::RaiseObjectClosed();
    return AcceptedUserName(*connection, "Station..sp_Check_User_Department_Access " + db::SqlQuote(vb::Trim(userID)) +
                                             "," + db::SqlQuote(EncipheredAccessCode(accessCode)) + "," +
                                             db::SqlQuote(passwordDeptCode));
}

void clsCurrentuser::SignOut() {
    signedIn = false;
    employeeCode.clear();
    employeeName.clear();
    initial.clear();
}

bool clsCurrentuser::Connect() {
    try {
        connection = connector->Connect(settings);
        return true;
    } catch (const std::exception& error) {
        app.Forms.MsgBox("Cannot connect to " + servername() + ".\n\n" + error.what(),
                         forms::vbOKOnly | forms::vbCritical, "Log In");
        return false;
    }
}

std::string InitialsOf(const std::string& employeeName) {
    const std::size_t comma = employeeName.find(',');
    const std::string lastName = vb::Trim(employeeName.substr(0, comma));
    std::string initials;
    if (comma != std::string::npos) {
        for (const std::string& word : vb::Split(vb::Trim(employeeName.substr(comma + 1)), " ")) {
            if (!word.empty())
                initials += word[0];
        }
    }
    if (!lastName.empty())
        initials += lastName[0];
    return vb::UCase(initials);
}

void RegisterLoginComponent(components::ComponentFactory& factory, App& app, std::shared_ptr<Connector> connector) {
    factory.Register("Zentari_User.clsCurrentuser",
                     [&app, connector] { return std::make_unique<clsCurrentuser>(app, connector); });
}

} // namespace ward
