#pragma once

#include "testkit/TestApp.h"

#include <string>
#include <utility>
#include <vector>

// The ward that tests of every part of the program share: the surgical ICU "SIC", its settings and ward parameters,
// a few employees with their rights, and two admissions. Add to it rather than copy it.
namespace testkit::ward_fixture {

inline constexpr const char* StationID = "SIC";
inline constexpr const char* StationName = "SURGICAL INTENSIVE CARE UNIT";
inline constexpr const char* HospitalName = "TESSUN GENERAL HOSPITAL";
inline constexpr const char* HospitalAddress = "12 MABINI STREET, ZENTARI CITY";
inline constexpr const char* MTSServerName = "MTS01";

// The logged-in nurse (the log-in component's employee), an acting nurse, and a supervisor.
struct Employee {
    std::string code;
    std::string name;
    std::string rights; // as stored: each right number preceded by "|"
};
const std::vector<Employee>& Employees();
inline constexpr const char* NurseCode = "N0001";
inline constexpr const char* ActingNurseCode = "N0002";
inline constexpr const char* SupervisorCode = "S0001";

// An in-patient admission in room SIC-03 (class C) and an out-patient visit, whose number ends in "B".
inline constexpr const char* InPatientHospNum = "100234";
inline constexpr const char* InPatientIdNum = "2026001234";
inline constexpr const char* OutPatientHospNum = "100577";
inline constexpr const char* OutPatientIdNum = "2026004410B";

inline constexpr const char* HospitalInfoQuery = "Select * from PATIENT_DATA..tbHospitalInfo";
inline constexpr const char* NursingSettingsQuery =
    "Select PHICOneDay,NurseResultDispositionOnly,NoRequestingAfterFinalNotice,ValidateUnusedMedClearance,"
    "PrintPHCSRequest,AppendDrugDescCharge From STATION..tbNursing_Settings";
inline constexpr const char* NurseSetupQuery = "select * from STATION..tbNurseSetup where status = '1'";

// The active rows of STATION..tbNurseSetup: Field and value.
std::vector<Row> NurseSetupRows();

// Declares the answers of the settings queries (hospital info, nursing settings, ward parameters): the fixture's, or
// with the hospital's ByGeneric and the ward parameters given.
void DeclareSettings(ScriptedServer& server);
void DeclareSettings(ScriptedServer& server, bool byGeneric, const std::vector<Row>& nurseSetupRows);
// The fixture's settings with some columns of the hospital's row changed ("IsShowAmount", true).
using SettingChanges = std::vector<std::pair<std::string, vb::Variant>>;
void DeclareSettings(ScriptedServer& server, const SettingChanges& hospitalChanges);
// The same with the ward parameters given (NurseSetupRows() and more, for instance).
void DeclareSettings(ScriptedServer& server, const SettingChanges& hospitalChanges,
                     const std::vector<Row>& nurseSetupRows);
// Declares the station row and every employee's rights row.
void DeclareStationAndEmployees(ScriptedServer& server);
// Gives the patient search, the patient-info object and the log-in component the fixture's people.
void AddPeople(TestApp& test);
// All of the above.
void Install(TestApp& test);
// What the main window's start-up reads: the station, the server's date and the settings, with the fakes handed
// over to it (TestApp::LetStartUpCreateTheFakes).
void PrepareStartUp(TestApp& test);

} // namespace testkit::ward_fixture
