#include "testkit/FixtureSignIn.h"

#include "platform/forms/Constants.h"
#include "shell/frmSupervisorAccessCode.h"
#include "shell/frmTransaction_UserValidation.h"
#include "testkit/UserActions.h"

#include <stdexcept>

namespace testkit::ward_fixture {

const std::vector<SignIn>& SignIns() {
    static const std::vector<SignIn> signIns = {
        {NurseCode, "NURSE01", "5BEE 8132B20 371", {"SANTOS", "MARIA", "LOPEZ"}, "SANTOS, MARIA LOPEZ"},
        {ActingNurseCode, "ANA2026", "5BDB66EE6CCCADA6", {"REYES", "ANA", vb::Variant::Null()}, "REYES, ANA "},
        {SupervisorCode, "BOSS99", "5BDA66F0 91218", {"CRUZ", "ELENA", "DIAZ"}, "CRUZ, ELENA DIAZ"},
    };
    return signIns;
}

const SignIn& SignInOf(const std::string& employeeCode) {
    for (const SignIn& signIn : SignIns()) {
        if (signIn.code == employeeCode)
            return signIn;
    }
    throw std::invalid_argument("No fixture sign-in for " + employeeCode);
}

std::string ActingUserCheck(const std::string& userID, const std::string& enciphered) {
    return "Station..sp_Check_User_Department_Access '" + userID + "','" + enciphered + "','ZODE'";
}

std::string SupervisorCheck(const std::string& userID, const std::string& enciphered) {
    return "STATION..sp_Check_User_Department_Access '" + userID + "','" + enciphered + "','" + StationID + "'";
}

const std::vector<std::string>& SignInColumns() {
    static const std::vector<std::string> columns = {"Lastname", "FirstName", "MiddleName"};
    return columns;
}

void DeclareSignIns(ScriptedServer& server) {
    for (const SignIn& signIn : SignIns()) {
        server.On(ActingUserCheck(signIn.code, signIn.enciphered)).Returns(SignInColumns(), {signIn.nameRow});
        server.On(SupervisorCheck(signIn.code, signIn.enciphered)).Returns(SignInColumns(), {signIn.nameRow});
    }
}

namespace {

template <class Dialog> void TypeSignIn(Dialog& dialog, const SignIn& signIn) {
    Type(dialog.txtUserID, signIn.code);
    PressKey(dialog.txtUserID, forms::vbKeyReturn);
    Type(dialog.txtAccessCode, signIn.accessCode);
    PressKey(dialog.txtAccessCode, forms::vbKeyReturn);
}

} // namespace

void SignInAsActingUser(TestApp& test, const std::string& employeeCode) {
    const SignIn& signIn = SignInOf(employeeCode);
    test.host.OnModal<ward::frmTransaction_UserValidation>(
        [signIn](ward::frmTransaction_UserValidation& dialog) { TypeSignIn(dialog, signIn); });
}

void SignInAsSupervisor(TestApp& test, const std::string& employeeCode) {
    const SignIn& signIn = SignInOf(employeeCode);
    test.host.OnModal<ward::frmSupervisorAccessCode>(
        [signIn](ward::frmSupervisorAccessCode& dialog) { TypeSignIn(dialog, signIn); });
}

} // namespace testkit::ward_fixture
