#pragma once

#include "testkit/FixtureSignIn.h"
#include "testkit/FixtureWard.h"
#include "testkit/TestApp.h"

namespace shelltest {

namespace fixture = testkit::ward_fixture;

// The fixture ward's station, employees, rights and sign-ins.
inline void InstallSignInWorld(testkit::TestApp& test) {
    fixture::DeclareStationAndEmployees(test.server);
    fixture::DeclareSignIns(test.server);
    test.app.StationName = fixture::StationName;
}

inline const char* Unauthorized = "Unauthorized user for this department(SIC-SURGICAL INTENSIVE CARE UNIT)";

inline std::string RightsQuery(const std::string& employee) {
    return "SELECT * FROM STATION..tbNurseUserRights WHERE EmployeeID = '" + employee + "'";
}

} // namespace shelltest
