#include "testkit/FixtureReceivable.h"

#include "charges/frmRecievable.h"
#include "charges/frmSearchRecievable.h"
#include "testkit/FixtureCharge.h"
#include "testkit/FixtureChart.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/DateSerialNumber.h"
#include "testkit/UserActions.h"

namespace testkit::ward_fixture {

std::string ReceivableSearchQuery(const std::string& type, const std::string& lastName, const std::string& hospNum,
                                  const std::string& idNum) {
    return "STATION.. sp_Get_Recievable_SNCUPatient  '" + type + "','" + lastName + "','" + hospNum + "','" + idNum +
           "'";
}

const std::vector<std::string>& ReceivableSearchColumns() {
    static const std::vector<std::string> columns = {"Hospital #",     "Admission #",     "Patient Name",
                                                     "Admission Date", "Discharged Date", "Billing Date"};
    return columns;
}

Row ReceivablePatientRow(const std::string& hospNum, const std::string& idNum, const std::string& name,
                         const vb::Variant& billingDate) {
    return {hospNum, idNum, name, vb::MakeDate({2026, 12, 1, 9, 15, 0}), vb::MakeDate({2026, 12, 8, 14, 0, 0}),
            billingDate};
}

std::string CashBasisCheck(const std::string& idNum, const std::string& typeIO) {
    return "Station..sp_Nurse_Check_Patient_If_CashBasis '" + idNum + "','" + typeIO + "'";
}

std::string ReceivableUpdateCheck(const std::string& idNum) {
    return "PATIENT_DATA..sp_Check_Patient_For_ReceivableUpdate '" + idNum + "'";
}

void DeclareReceivableUpdate(ScriptedServer& server, const std::string& idNum, bool allowed) {
    server.On(ReceivableUpdateCheck(idNum)).Returns({"IsReceivableUpdate"}, {{allowed}});
}

ward::frmSearchRecievable& LoadReceivableSearch(TestApp& test) {
    AddPeople(test);
    ward::frmSearchRecievable& window = test.app.Forms.Instance<ward::frmSearchRecievable>();
    window.Show();
    return window;
}

void SearchReceivables(TestApp& test, bool inPatient, const std::vector<Row>& rows) {
    ward::frmSearchRecievable& window = test.app.Forms.Instance<ward::frmSearchRecievable>();
    const std::string io = inPatient ? "I" : "O";
    test.server.On(ReceivableSearchQuery(inPatient ? "A" : "O")).Returns(ReceivableSearchColumns(), rows);
    for (const Row& row : rows)
        test.server.On(CashBasisCheck(vb::CStr(row[1]), io)).Returns({"IDNum"}, {});
    window.optPatientType(inPatient ? 0 : 1).SetValue(true);
    PressKey(window.txtSearch(0), forms::vbKeyReturn);
}

void DeclareChargingCodes(ScriptedServer& server) {
    std::vector<Row> rows;
    for (const auto& [code, name] : ChargingCodes)
        rows.push_back({code, name});
    server.On(ChargingCodesQuery).Returns({"RevenueID", "ItemName"}, rows);
}

void DeclareReceivableLoad(ScriptedServer& server, const std::string& idNum, const vb::Variant& diet) {
    server.On(DietQuery(idNum)).Returns({"Diet", "DietID"}, {{diet, "D1"}});
    server.On(MembershipQuery(idNum)).Returns({"Membership", "ADMType"}, {{"MEMBER", "REG"}});
}

ward::frmRecievable& OpenReceivableWindow(TestApp& test) {
    Install(test);
    DeclareChargingCodes(test.server);
    ward::frmRecievable& window = test.app.Forms.Instance<ward::frmRecievable>();
    window.Show();
    return window;
}

void PickReceivablePatient(TestApp& test, const std::string& hospNum, const std::string& idNum, bool inPatient) {
    test.host.OnModal<ward::frmSearchRecievable>([&test, hospNum, idNum, inPatient](ward::frmSearchRecievable& s) {
        SearchReceivables(test, inPatient, {ReceivablePatientRow(hospNum, idNum, "PATIENT")});
        DeclareReceivableUpdate(test.server, idNum, true);
        DoubleClickCell(s.mshflexList, 1, 2);
    });
    Click(test.app.Forms.Instance<ward::frmRecievable>().Command1(3));
}

} // namespace testkit::ward_fixture
