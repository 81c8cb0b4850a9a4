#pragma once

#include "testkit/FixtureWard.h"

#include <string>
#include <vector>

namespace ward {
class frmCharge;
} // namespace ward

// The charge window of the fixture ward, opened as the chart opens it.
namespace testkit::ward_fixture {

// The posted charges of an admission at the station, and the columns the server lists them in.
std::string PostedChargesQuery(const std::string& idNum = InPatientIdNum, const std::string& hospNum = InPatientHospNum);
const std::vector<std::string>& PostedChargesColumns();
// One posted line: department, item, description, quantity, amount, slip, marker, location.
Row PostedCharge(const char* dept, const char* item, const char* description, const char* quantity,
                 const char* amount, const char* slip, const char* marker = "", const char* location = "");

// The CDF check of the window's set-up, for a patient without CDF: the statements and their answers.
std::vector<std::string> NoCdfStatements(const std::string& idNum = InPatientIdNum,
                                         const std::string& hospNum = InPatientHospNum);
void DeclareNoCdf(ScriptedServer& server, const std::string& idNum = InPatientIdNum,
                  const std::string& hospNum = InPatientHospNum);

// The departments the chart lists in the window.
inline const std::vector<std::pair<std::string, std::string>> ChargingCodes = {
    {"SU", "NURSING SERVICES"}, {"PH", "PHARMACY"}, {"CS", "CENTRAL SUPPLY"}, {"MD", "DOCTOR'S FEE"}, {"OX", "OXYGEN"}};

// An oxygen tank of the admission: the charge slip of the posting that opened it, and whether it is still open.
struct Tank {
    std::string slip;
    bool open = true;
};
// What the charge window asks of a tank: whether a row exists for the slip, whether it is open, and whether the
// admission has any open tank.
std::string TankRecordQuery(const std::string& slip, const std::string& idNum = InPatientIdNum);
std::string OpenTankQuery(const std::string& slip, const std::string& idNum = InPatientIdNum);
std::string AnyOpenTankQuery(const std::string& idNum = InPatientIdNum);
// The tank rows of the admission; a slip without one is answered with no row.
void DeclareTanks(ScriptedServer& server, const std::vector<Tank>& tanks);

struct ChargeWindowSetUp {
    SettingChanges hospital;
    std::vector<Row> wardParameters = NurseSetupRows();
    std::vector<Row> posted;
    std::vector<Tank> tanks;
    std::string room = "SIC-03";
};

// The window loaded for the fixture's in-patient (the current patient of the chart), its departments listed, the
// chart's header copied in and shown; its set-up and its first list of posted charges are answered.
ward::frmCharge& OpenChargeWindow(TestApp& test, const ChargeWindowSetUp& setUp = {});

} // namespace testkit::ward_fixture
