#include "testkit/FixturePatientList.h"

#include "platform/db/SqlText.h"
#include "shell/frmSearch.h"

namespace testkit::ward_fixture {

std::string PatientListQuery(char type, const std::string& lastName, const std::string& hospNum,
                             const std::string& idNum) {
    return std::string("STATION..sp_Get_SNCU_PatientList '") + type + "'," + db::SqlQuote(lastName) + "," +
           db::SqlQuote(hospNum) + "," + db::SqlQuote(idNum);
}

const std::vector<std::string>& PatientListColumns() {
    static const std::vector<std::string> columns = {"HospNum", "IDNum",       "PatientName", "AdmDate",
                                                     "DcrDate", "BillingDate", "CashBasis",   "CashBasisText"};
    return columns;
}

Row PatientListRow(const std::string& hospNum, const std::string& idNum, const std::string& name,
                   const std::string& billingDate, const std::string& flag, const std::string& cashBasisText) {
    return {hospNum, idNum, name, "12/08/2026 09:30 AM", "", billingDate, flag, cashBasisText};
}

std::vector<Row> ManyAdmissions(int count) {
    std::vector<Row> rows;
    for (int i = 1; i <= count; ++i) {
        const bool billed = i % 4 == 0;
        const bool cashBasis = !billed && i % 5 == 0;
        rows.push_back(PatientListRow(std::to_string(300000 + i), std::to_string(2026000000 + i),
                                      "PATIENT " + std::to_string(i), billed ? "12/10/2026 07:00 AM" : "",
                                      cashBasis ? "1" : "0", cashBasis ? "CASH BASIS: LABORATORY." : ""));
    }
    return rows;
}

Row InPatientListRow() { return PatientListRow(InPatientHospNum, InPatientIdNum, "DELA CRUZ, JUAN PEREZ"); }

ward::frmSearch& OpenPatientList(TestApp& test, const std::vector<Row>& rows) {
    test.server.On(PatientListQuery()).Returns(PatientListColumns(), rows);
    ward::frmSearch& list = test.app.Forms.Get<ward::frmSearch>();
    list.Show();
    return list;
}

} // namespace testkit::ward_fixture
