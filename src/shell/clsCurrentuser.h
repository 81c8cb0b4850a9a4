#pragma once

#include "components/ComponentFactory.h"
#include "components/LoginComponent.h"
#include "shell/ConnectionFile.h"
#include "shell/Connector.h"

#include <filesystem>
#include <memory>
#include <string>

namespace ward {

class App;

// The CF4 object of the class library. CF4 entries are kept by a program of their own, so ShowEntry only says so,
// and ValidateRequirements asks the nurse, who can look there: answering True unasked would let every discharge
// order through.
class clsCF4 : public components::CF4Component {
public:
    explicit clsCF4(App& app) : app(app) {}

    std::string IdNum, StationID, Title, HospitalName, HospitalAddress, ReportPath, EmployeeCode;
    bool ShowPrint = true;

    void SetIdNum(const std::string& value) override { IdNum = value; }
    void SetStationID(const std::string& value) override { StationID = value; }
    void SetTitle(const std::string& value) override { Title = value; }
    void SetShowPrint(bool value) override { ShowPrint = value; }
    void SetHospitalName(const std::string& value) override { HospitalName = value; }
    void SetHospitalAddress(const std::string& value) override { HospitalAddress = value; }
    void SetReportPath(const std::string& value) override { ReportPath = value; }
    void SetEmployeeCode(const std::string& value) override { EmployeeCode = value; }
    void ShowEntry() override;
    // The caller shows nothing of its own when the answer is No.
    bool ValidateRequirements() override;

private:
    App& app;
};

// The log-in component's class library: one CF4 object for the whole run.
class ZentariClasses : public components::ClassLibrary {
public:
    explicit ZentariClasses(App& app) : cf4(std::make_shared<ward::clsCF4>(app)) {}

    bool UseClasses = false;

    void SetUseClasses(bool value) override { UseClasses = value; }
    // Our classes read nothing ahead, so there is nothing to prepare.
    void initwithdb() override {}
    std::shared_ptr<components::CF4Component> clsCF4() override { return cf4; }

private:
    std::shared_ptr<ward::clsCF4> cf4;
};

// Zentari_User.clsCurrentuser: signs the nurse in through frmLogIn on the workstation's connection and holds that
// connection for the whole run.
class clsCurrentuser : public components::LoginComponent {
public:
    clsCurrentuser(App& app, std::shared_ptr<Connector> connector,
                   std::filesystem::path connectionFile = DefaultConnectionFilePath());
    ~clsCurrentuser() override;

    void SetPasswordDeptCode(const std::string& value) override { passwordDeptCode = value; }
    void SethwndParentForm(std::intptr_t handle) override { hwndParent = handle; }
    std::intptr_t hwndParentForm() const { return hwndParent; }
    // Every showing starts signed out; closing the dialog without signing in closes the connection.
    void ShowMain() override;
    bool Connected() const override { return signedIn && connection != nullptr; }
    // Raises the closed-object error while no one is signed in.
    db::Connection& SQLConnection() override;
    std::string EmployeeCode() const override { return employeeCode; }
    std::string EmployeeName() const override { return employeeName; }
    std::string Initial() const override { return initial; }
    std::string servername() const override;
    std::string Database() const override { return settings.Database; }
    std::string ServerPassword() const override { return settings.Password; }
    // Nothing read from the server names a user of every station.
    std::string Station() const override { return "SIC"; }
    // Asks the signed-in user's access code again (frmConfirmAccessCode); false when it is wrong or not given.
    bool checkusersettings() override;
    components::ClassLibrary& ZENTARIClasses() override { return classes; }

    // What the log-in window works with.
    bool IsSampleWard() const { return connector->IsSampleWard(); }
    const std::filesystem::path& ConnectionFile() const { return connectionFile; }
    const ConnectionFileContents& ConnectionInUse() const { return contents; }
    // The server and database the log-in will use, or why it cannot.
    std::string ConnectionDescription() const;
    // Takes newly saved settings; an open connection to the old ones is closed.
    void UseConnection(const ConnectionSettings& newSettings);
    // Connects when not connected, then has the server check the user for the department. Every refusal is shown
    // to the user; true when signed in.
    bool LogIn(const std::string& userID, const std::string& accessCode);
    // Runs the server's check of this user and access code for the department: the user's name, or nothing.
    std::optional<std::string> CheckUser(const std::string& userID, const std::string& accessCode);

private:
    void SignOut();
    bool Connect();

    App& app;
    std::shared_ptr<Connector> connector;
    std::filesystem::path connectionFile;
    ConnectionFileContents contents;
    ConnectionSettings settings;
    std::unique_ptr<db::Connection> connection;
    ZentariClasses classes;
    std::string passwordDeptCode;
    std::intptr_t hwndParent = 0;
    bool signedIn = false;
    std::string employeeCode, employeeName, initial;
};

// The initials of "Lastname, FirstName MiddleName": each given name's first letter, then the last name's.
std::string InitialsOf(const std::string& employeeName);

// Registers Zentari_User.clsCurrentuser: each component made signs in through the connector.
void RegisterLoginComponent(components::ComponentFactory& factory, App& app, std::shared_ptr<Connector> connector);

} // namespace ward
