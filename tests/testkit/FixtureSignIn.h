#pragma once

#include "testkit/FixtureWard.h"

#include <string>
#include <vector>

// How the fixture ward's employees sign in to the acting-user and supervisor dialogs.
namespace testkit::ward_fixture {

struct SignIn {
    std::string code;       // the employee code, as in Employees()
    std::string accessCode; // as the employee types it
    std::string enciphered; // as the server receives it
    Row nameRow;            // Lastname, FirstName, MiddleName as the server answers
    std::string fullName;   // "Lastname, FirstName MiddleName", as the dialogs build it
};
const std::vector<SignIn>& SignIns();
const SignIn& SignInOf(const std::string& employeeCode);

// The statements the acting-user dialog and the supervisor dialog send.
std::string ActingUserCheck(const std::string& userID, const std::string& enciphered);
std::string SupervisorCheck(const std::string& userID, const std::string& enciphered);
// The columns of the server's answer to either check.
const std::vector<std::string>& SignInColumns();

// Declares that both checks accept every fixture employee with the right access code.
void DeclareSignIns(ScriptedServer& server);

// The next acting-user dialog is answered by this employee typing ID and access code and pressing Enter; the
// supervisor dialog likewise. Declare the sign-ins (and the rights rows for the supervisor) first.
void SignInAsActingUser(TestApp& test, const std::string& employeeCode);
void SignInAsSupervisor(TestApp& test, const std::string& employeeCode);

} // namespace testkit::ward_fixture
