#pragma once

#include "Component.h"

#include <memory>

namespace components {

// The CF4 object of the log-in component's class library: one shared instance, so that what one caller sets on it
// (IdNum, EmployeeCode) is what the next caller validates.
class CF4Component : public Component {
public:
    virtual void SetIdNum(const std::string& value) = 0;
    virtual void SetStationID(const std::string& value) = 0;
    virtual void SetTitle(const std::string& value) = 0;
    virtual void SetShowPrint(bool value) = 0;
    virtual void SetHospitalName(const std::string& value) = 0;
    virtual void SetHospitalAddress(const std::string& value) = 0;
    virtual void SetReportPath(const std::string& value) = 0;
    virtual void SetEmployeeCode(const std::string& value) = 0;
    // Shows the component's own CF4 entry window of the admission; returns when it closes.
    virtual void ShowEntry() = 0;
    // True when the admission's CF4 requirements are complete.
    virtual bool ValidateRequirements() = 0;
};

// The log-in component's class library (ZENTARIClasses).
class ClassLibrary {
public:
    virtual ~ClassLibrary() = default;
    virtual void SetUseClasses(bool value) = 0;
    virtual void initwithdb() = 0;
    // Always the same instance.
    virtual std::shared_ptr<CF4Component> clsCF4() = 0;
};

// Zentari_User.clsCurrentuser: the log-in dialog, the program's one database connection and the logged-in employee.
class LoginComponent : public Component {
public:
    virtual void SetPasswordDeptCode(const std::string& value) = 0;
    virtual void SethwndParentForm(std::intptr_t handle) = 0;
    // Shows the log-in dialog, owned by the main window; returns when it closes.
    virtual void ShowMain() = 0;
    // True exactly when the log-in succeeded and SQLConnection is open.
    virtual bool Connected() const = 0;
    virtual db::Connection& SQLConnection() = 0;
    virtual std::string EmployeeCode() const = 0;
    virtual std::string EmployeeName() const = 0;
    virtual std::string Initial() const = 0;
    virtual std::string servername() const = 0;
    virtual std::string Database() const = 0;
    virtual std::string ServerPassword() const = 0;
    // The employee's station; "ALL" for a user of every station.
    virtual std::string Station() const = 0;
    // Asks for and checks the user's password before the user-rights screen opens.
    virtual bool checkusersettings() = 0;
    virtual ClassLibrary& ZENTARIClasses() = 0;
};

} // namespace components
