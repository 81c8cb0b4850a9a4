#include "assessments/frmCashAssessment.h"
#include "chart/frmFinal.h"
#include "testkit/FixtureChart.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace testkit;
namespace fixture = testkit::ward_fixture;

namespace {

const std::string RightsQuery = "SELECT * FROM STATION..tbNurseUserRights WHERE EmployeeID = 'N0001'";
const std::string ChargingCodes = "STATION..sp_SNCU_ChargingCodes";
const std::string NotUnderCashBasis = "The patient's account has not been placed under cash basis \r\n for ( ZODE "
                                      "Charges ). Please use the Post Charges Option to enter charges.";

std::string WardCashBasisCheck(const std::string& idNum) {
    return "SELECT Isnull(OkeySU,0) as OKeySU FROM Patient_data..tbPatient2 WHERE IDNum ='" + idNum + "'";
}

// The chart of an admission, opened by a nurse holding right 9, with its header boxes filled.
struct Opener {
    TestApp test;
    ward::frmFinal& chart;
    std::size_t mark = 0;

    explicit Opener(const std::string& idNum, const std::string& hospNum) : chart(Open(test, idNum, hospNum)) {
        test.server.On(RightsQuery).Returns({"EmployeeID", "EmployeeRights"}, {{fixture::NurseCode, "|9|"}});
        test.app.StationID = fixture::StationID;
        chart.txtPatient.SetText("DELA CRUZ, JUAN PEREZ");
        chart.txtRoom.SetText("SIC-03");
        chart.txtDiagnosis.SetText("ACUTE APPENDICITIS");
        mark = test.server.Mark();
    }
    static ward::frmFinal& Open(TestApp& test, const std::string& idNum, const std::string& hospNum) {
        fixture::AddPeople(test);
        return fixture::OpenChart(test, idNum, hospNum);
    }

    void ChargingCodesAre(const std::vector<Row>& rows) {
        test.server.On(ChargingCodes).Returns({"RevenueID", "ItemName"}, rows);
    }
    void Press() { Click(chart.cmdNextPatient(7)); }
    ward::frmCashAssessment& Window() { return test.app.Forms.Instance<ward::frmCashAssessment>(); }
};

TEST(CashAssessmentOpener, RefusesAnInPatientWhoseWardChargesAreNotUnderCashBasis) {
    const std::vector<std::pair<std::string, std::vector<Row>>> cases = {
        {"OkeySU set", {{1}}},
        {"no tbPatient2 row", {}},
    };
    for (const auto& [name, rows] : cases) {
        Opener o(fixture::InPatientIdNum, fixture::InPatientHospNum);
        o.test.server.On(WardCashBasisCheck(fixture::InPatientIdNum)).Returns({"OKeySU"}, rows);
        o.test.host.ExpectMsgBox(NotUnderCashBasis).Title("Message").Buttons(forms::vbExclamation + forms::vbOKOnly);
        o.Press();
        EXPECT_EQ(o.test.server.Statements(o.mark),
                  (std::vector<std::string>{RightsQuery, WardCashBasisCheck(fixture::InPatientIdNum)}))
            << name;
        EXPECT_FALSE(o.test.app.Forms.IsLoaded<ward::frmCashAssessment>()) << name;
    }
}

TEST(CashAssessmentOpener, OpensForAnInPatientUnderCashBasisWithTheChartsHeader) {
    Opener o(fixture::InPatientIdNum, fixture::InPatientHospNum);
    o.test.server.On(WardCashBasisCheck(fixture::InPatientIdNum)).Returns({"OKeySU"}, {{vb::Variant::Null()}});
    o.ChargingCodesAre({{"SU", "NURSING SERVICES"}, {"OX", "OXYGEN"}, {"MD", "DOCTOR'S FEE"}});
    o.Press();
    ward::frmCashAssessment& window = o.Window();
    EXPECT_EQ(o.test.server.Statements(o.mark),
              (std::vector<std::string>{RightsQuery, WardCashBasisCheck(fixture::InPatientIdNum), ChargingCodes}));
    EXPECT_EQ(o.test.host.ModelessShows(), (std::vector<std::string>{"frmFinal", "frmCashAssessment"}));
    EXPECT_EQ(window.Caption(), "Cash Assessment Entry");
    EXPECT_EQ(window.lblDeptCode.Caption(), "SIC");
    ASSERT_EQ(window.lvwDepartments.ListItemCount(), 3);
    EXPECT_EQ(window.lvwDepartments.ListItems(3).Text(), "MD");
    EXPECT_EQ(window.lvwDepartments.ListItems(3).SubItems(1), "DOCTOR'S FEE");
    EXPECT_EQ(window.txtId.Text(), fixture::InPatientIdNum);
    EXPECT_EQ(window.txtPno.Text(), fixture::InPatientHospNum);
    EXPECT_EQ(window.txtPatient.Text(), "DELA CRUZ, JUAN PEREZ");
    EXPECT_EQ(window.txtRoom.Text(), "SIC-03");
    EXPECT_EQ(window.txtDiagnosis.Text(), "ACUTE APPENDICITIS");
}

TEST(CashAssessmentOpener, AnOutPatientVisitOpensWithoutTheCashBasisCheckAndAnEmptyList) {
    Opener o(fixture::OutPatientIdNum, fixture::OutPatientHospNum);
    o.ChargingCodesAre({});
    o.Press();
    EXPECT_EQ(o.test.server.Statements(o.mark), (std::vector<std::string>{RightsQuery, ChargingCodes}));
    EXPECT_EQ(o.Window().lvwDepartments.ListItemCount(), 0);
    EXPECT_EQ(o.Window().txtId.Text(), fixture::OutPatientIdNum);
    EXPECT_EQ(o.test.host.ModelessShows().back(), "frmCashAssessment");
}

TEST(CashAssessmentOpener, OpenedAgainListsEachCodeOnceAndTakesTheHeaderAgain) {
    Opener o(fixture::OutPatientIdNum, fixture::OutPatientHospNum);
    o.ChargingCodesAre({{"SU", "NURSING SERVICES"}, {"OX", "OXYGEN"}});
    o.Press();
    o.Window().txtPatient.SetText("someone typed here");
    o.Press();
    EXPECT_EQ(o.Window().lvwDepartments.ListItemCount(), 2);
    EXPECT_EQ(o.Window().txtPatient.Text(), "DELA CRUZ, JUAN PEREZ");
}

TEST(CashAssessmentOpener, AFailingChargingCodesListLeavesTheWindowUnloaded) {
    Opener o(fixture::OutPatientIdNum, fixture::OutPatientHospNum);
    o.test.server.On(ChargingCodes).Fails("Query timeout expired", 0);
    o.test.host.ExpectMsgBox("Query timeout expired\n\nPlease notify your IT department.").Title("Notification");
    o.Press();
    EXPECT_FALSE(o.test.app.Forms.IsLoaded<ward::frmCashAssessment>());
}

} // namespace
