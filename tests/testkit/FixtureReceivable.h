#pragma once

#include "testkit/FixtureChart.h"
#include "testkit/FixtureWard.h"

#include <string>
#include <vector>

namespace ward {
class frmRecievable;
class frmSearchRecievable;
} // namespace ward

// The receivable patient search of the fixture ward: its list statement, its rows and the checks a pick makes.
namespace testkit::ward_fixture {

// The list statement for a patient type ('A' in-patients, 'O' out-patients) and the three search texts.
std::string ReceivableSearchQuery(const std::string& type, const std::string& lastName = "",
                                  const std::string& hospNum = "", const std::string& idNum = "");
const std::vector<std::string>& ReceivableSearchColumns();
Row ReceivablePatientRow(const std::string& hospNum, const std::string& idNum, const std::string& name,
                         const vb::Variant& billingDate = vb::Variant());
// The cash-basis check of one row's admission, for "I" or "O".
std::string CashBasisCheck(const std::string& idNum, const std::string& typeIO);
// Whether the admission may still take late charges.
std::string ReceivableUpdateCheck(const std::string& idNum);
void DeclareReceivableUpdate(ScriptedServer& server, const std::string& idNum, bool allowed);

// The search window shown (modeless, for the test's keys) with the fixture's people.
ward::frmSearchRecievable& LoadReceivableSearch(TestApp& test);
// Runs a search of that type with the rows given, none of them on cash basis.
void SearchReceivables(TestApp& test, bool inPatient, const std::vector<Row>& rows);

// The receivable window's charging codes (the fixture's departments) and its patient load.
inline constexpr const char* ChargingCodesQuery = "STATION..sp_SNCU_ChargingCodes";
void DeclareChargingCodes(ScriptedServer& server);
// The diet and ADM-type answers of one admission.
void DeclareReceivableLoad(ScriptedServer& server, const std::string& idNum, const vb::Variant& diet = "SOFT DIET");

// The receivable window opened on the fixture ward (settings, people, charging codes answered).
ward::frmRecievable& OpenReceivableWindow(TestApp& test);
// "Search Patient" with the search window picking that patient under the patient type given.
void PickReceivablePatient(TestApp& test, const std::string& hospNum, const std::string& idNum, bool inPatient);

} // namespace testkit::ward_fixture
