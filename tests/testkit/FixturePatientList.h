#pragma once

#include "testkit/FixtureWard.h"

#include <string>
#include <vector>

namespace ward {
class frmSearch;
} // namespace ward

// The station's patient list on the fixture ward.
namespace testkit::ward_fixture {

// The list procedure for a search type ('C' the station, 'A' all) and the three boxes as typed.
std::string PatientListQuery(char type = 'C', const std::string& lastName = "", const std::string& hospNum = "",
                             const std::string& idNum = "");
// The procedure's columns: hospital and admission numbers, name, admission, discharge and billing dates, the
// cash-basis flag and its text.
const std::vector<std::string>& PatientListColumns();
// One row of the list: plain unless billed or flagged.
Row PatientListRow(const std::string& hospNum, const std::string& idNum, const std::string& name,
                   const std::string& billingDate = "", const std::string& flag = "0",
                   const std::string& cashBasisText = "");
// As many admissions as asked, for measuring: every fourth billed, every fifth of the others on cash basis.
std::vector<Row> ManyAdmissions(int count);
// The fixture's in-patient as the list shows it.
Row InPatientListRow();

// The list window loaded on these rows (the first search, with empty boxes) and shown.
ward::frmSearch& OpenPatientList(TestApp& test, const std::vector<Row>& rows);

} // namespace testkit::ward_fixture
