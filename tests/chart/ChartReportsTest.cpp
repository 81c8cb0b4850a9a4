#include "chart/frmFinal.h"
#include "core/frmReport.h"
#include "core/frmReportViewer.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/DateSerialNumber.h"
#include "testkit/FixtureChart.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace testkit;
namespace fixture = testkit::ward_fixture;

namespace {

const std::string RightsQuery = "SELECT * FROM STATION..tbNurseUserRights WHERE EmployeeID = 'N0001'";
const std::string ServerDateQuery = "select GETDATE() AS Tdate";

// The chart of the fixture's in-patient, shown, for a nurse holding these rights.
struct ChartWithReports {
    TestApp test;
    ward::frmFinal& chart;

    explicit ChartWithReports(const std::string& rights, const fixture::SettingChanges& settings = {})
        : chart(Open(test, settings)) {
        test.server.On(RightsQuery).Returns({"EmployeeID", "EmployeeRights"}, {{"N0001", rights}});
        test.app.StationID = fixture::StationID;
        test.app.StationName = fixture::StationName;
    }

    static ward::frmFinal& Open(TestApp& test, const fixture::SettingChanges& settings) {
        fixture::AddPeople(test);
        test.app.ServerDate = vb::MakeDate({2026, 12, 10, 23, 59, 0});
        return fixture::OpenChart(test, fixture::InPatientIdNum, fixture::InPatientHospNum, settings);
    }

    int RowOf(const std::string& code) const {
        for (int row = 1; row < chart.mshflexReports.Rows(); ++row) {
            if (chart.mshflexReports.TextMatrix(row, 1) == code)
                return row;
        }
        ADD_FAILURE() << "no report of type " << code;
        return 1;
    }

    void CloseTheViewer() {
        test.host.OnModal<ward::frmReportViewer>(
            [](ward::frmReportViewer& viewer) { EXPECT_TRUE(CloseWindow(viewer)); });
    }

    // The nurse's answer to the date dialog; both empty is a cancel.
    void AnswerDates(std::string from, std::string to, std::string expectedCaption = "") {
        test.host.OnModal<ward::frmReport>([this, from, to, expectedCaption](ward::frmReport& dialog) {
            if (!expectedCaption.empty()) {
                EXPECT_EQ(dialog.Caption(), expectedCaption);
            }
            EXPECT_TRUE(CloseWindow(dialog));
            test.app.ReportDateFrom = from;
            test.app.ReportDateTo = to;
        });
    }

    void Print(const std::string& code) { DoubleClickCell(chart.mshflexReports, RowOf(code), 3); }
};

struct ReportCase {
    std::string code;
    std::vector<std::string> before; // statements sent after the settings, before the report opens
    std::string file;
    std::vector<std::string> values;
    std::string caption;
    bool groupTree = false;
    bool dates = false;
};

std::vector<ReportCase> ReportCases(bool showAmount) {
    const std::string amount = showAmount ? "True (Boolean)" : "False (Boolean)";
    const std::string station = fixture::StationID, name = fixture::StationName;
    return {
        {"0",
         {},
         "Diet_List.Rpt",
         {station, fixture::HospitalName, fixture::HospitalAddress, name + " - Diet List"},
         "Diet List"},
        {"1",
         {ServerDateQuery, "PATIENT_DATA..sp_Adm_CensusByStation '2026/12/11','SIC'"},
         "CensusByStation_PSH.rpt",
         {"12/11/2026"},
         "Census Report by Station"},
        {"2",
         {ServerDateQuery, "STATION..Nurse_dischargeList 'SIC','12/11/2026'"},
         "NurseDischargeReport.rpt",
         {name, fixture::HospitalName, fixture::HospitalAddress},
         "Discharged List"},
        {"3",
         {},
         "List_Of_Proccess_Request_AllPatient.rpt",
         {"12/01/2026", "12/10/2026", station, name},
         "List of Request and Orders",
         true,
         true},
        {"4", {}, "Posted Medicines.RPT", {fixture::InPatientIdNum, amount}, ""},
        {"5", {}, "Posted Supplies.RPT", {fixture::InPatientIdNum, amount}, ""},
        {"6", {}, "List_Of_Proccess_Request_New.rpt", {fixture::InPatientIdNum, station}, "List of Processed Request"},
        {"7", {}, "PatientDischargeNoticeStatus.RPT", {station}, "Patient Discharge Notice Status"},
        {"8",
         {RightsQuery},
         "Nurse_Station_Income_Detailed.RPT",
         {"12/01/2026", "12/10/2026", station, amount},
         "Income Report (Detailed)",
         false,
         true},
        {"9",
         {RightsQuery},
         "Nurse_Station_Income_Summary.RPT",
         {"12/01/2026", "12/10/2026", station, amount},
         "Income Report (Summary)",
         false,
         true},
    };
}

TEST(ChartReports, PrintEachTypeWithItsTemplateValuesAndCaption) {
    for (bool showAmount : {false, true}) {
        for (const ReportCase& r : ReportCases(showAmount)) {
            ChartWithReports c("|18|21|", {{"IsShowAmount", showAmount}});
            c.test.server.On(ServerDateQuery).Returns({"Tdate"}, {{vb::MakeDate({2026, 12, 11, 0, 15, 0})}});
            for (const std::string& statement : r.before) {
                if (statement.starts_with("PATIENT_DATA..") || statement.starts_with("STATION..Nurse_"))
                    c.test.server.On(statement).Affects(0);
            }
            if (r.dates)
                c.AnswerDates("12/01/2026", "12/10/2026");
            c.CloseTheViewer();
            const std::size_t mark = c.test.server.Mark();

            c.Print(r.code);

            const std::string name = "type " + r.code + (showAmount ? " with amounts" : "");
            std::vector<std::string> sent = {fixture::HospitalInfoQuery, fixture::NursingSettingsQuery,
                                             fixture::NurseSetupQuery};
            sent.insert(sent.end(), r.before.begin(), r.before.end());
            EXPECT_EQ(c.test.server.Statements(mark), sent) << name;
            ASSERT_EQ(c.test.reportEngine.Reports().size(), 1u) << name;
            const RecordedReport& report = c.test.reportEngine.Last();
            EXPECT_EQ(report.path, c.test.host.AppPath() + "\\Reports\\" + r.file) << name;
            EXPECT_EQ(ShownValues(report.values), r.values) << name;
            EXPECT_EQ(report.output, RecordedReport::Output::Viewed) << name;
            EXPECT_EQ(report.viewer.Caption, r.caption) << name;
            EXPECT_EQ(report.viewer.ShowGroupTree, r.groupTree) << name;
        }
    }
}

TEST(ChartReports, AnUnknownTypeDoesNothing) {
    ChartWithReports c("|18|21|");
    c.chart.mshflexReports.SetTextMatrix(1, 1, "12");
    const std::size_t mark = c.test.server.Mark();
    DoubleClickCell(c.chart.mshflexReports, 1, 3);
    EXPECT_EQ(c.test.server.Statements(mark),
              (std::vector<std::string>{fixture::HospitalInfoQuery, fixture::NursingSettingsQuery,
                                        fixture::NurseSetupQuery}));
    EXPECT_THAT(c.test.reportEngine.Reports(), testing::IsEmpty());
}

TEST(ChartReports, IncomeReportsAskTheirRightBeforeTheDates) {
    const std::vector<std::pair<std::string, std::string>> refusals = {
        {"8", "Sorry you don't have access right to view Detailed Income Report."},
        {"9", "Sorry you don't have access right to view Summary Income Report."}};
    for (const auto& [code, message] : refusals) {
        ChartWithReports c("|19|");
        c.test.host.ExpectMsgBox(message).Title("Message").Buttons(forms::vbInformation + forms::vbOKOnly);
        c.Print(code);
        EXPECT_THAT(c.test.host.ModalShows(), testing::IsEmpty()) << code;
        EXPECT_THAT(c.test.reportEngine.Reports(), testing::IsEmpty()) << code;
    }
}

TEST(ChartReports, StopSilentlyWhenTheDatesAreNotGiven) {
    struct DateCase {
        std::string code;
        std::string from, to;
        bool prints;
    };
    const std::vector<DateCase> cases = {
        {"3", "", "", false}, {"3", "12/01/2026", "", false}, {"3", "", "12/10/2026", false},
        {"8", "", "", false}, {"9", "", "", false},           {"8", "12/01/2026", "", true},
    };
    for (const DateCase& d : cases) {
        ChartWithReports c("|18|21|");
        c.AnswerDates(d.from, d.to, d.code == "3" ? "" : "Enter Report Date for Income Report");
        if (d.prints)
            c.CloseTheViewer();
        c.Print(d.code);
        EXPECT_EQ(c.test.reportEngine.Reports().size(), d.prints ? 1u : 0u) << d.code << " " << d.from << "-" << d.to;
        EXPECT_TRUE(c.test.host.MessageBoxes().empty());
    }
}

TEST(ChartReports, AFailureIsShownAndNothingPrints) {
    ChartWithReports c("|18|21|");
    c.test.server.On("select GETDATE() AS Tdate").Fails("Connection lost", 11);
    c.test.host.ExpectMsgBox("Connection lost\n\nPlease notify your IT department.").Title("Notification");
    c.Print("1");
    EXPECT_THAT(c.test.reportEngine.Reports(), testing::IsEmpty());
}

TEST(ChartReports, GiveTheFirstRowsTheirIconsByPosition) {
    ChartWithReports c("|1|");
    const forms::MSHFlexGrid& grid = c.chart.mshflexReports;
    auto picture = [&](int number) {
        return c.test.host.AppPath() + "/Pictures/reports/report0" + std::to_string(number) + ".png";
    };
    const forms::Picture expected[] = {
        {picture(1)},
        {picture(2)},
        {picture(3), {{picture(4), 0xFFFFFF}}},
        {picture(6), {{picture(5), 0xFFFFFF}}},
        {picture(5)},
        {picture(7)},
        {picture(8)},
    };
    for (int row = 1; row <= 7; ++row) {
        EXPECT_EQ(grid.FormatOf(row, 2).Picture, expected[row - 1]) << "row " << row;
        EXPECT_EQ(grid.RowHeight(row), 280) << "row " << row;
    }
}

// The statement of account of the chart's patient as the report engine received it.
struct Statement {
    ChartWithReports c;
    Statement() : c("|17|19|") {
        c.chart.txtPatient.SetText("DELA CRUZ ,JUAN PEREZ");
        c.chart.txtDateAdmitted.SetText("12/07/2026 09:30:00 AM");
        c.chart.txtRoom.SetText("SIC-03");
        c.chart.txtDoctor2.SetText("DR. ANTONIO REYES");
        c.test.app.CurRoomRate = "4500";
    }
    const RecordedReport& Show() {
        c.CloseTheViewer();
        PressKey(c.chart, forms::vbKeyF11);
        return c.test.reportEngine.Last();
    }
};

TEST(StatementOfAccount, HandsTheTemplateTheAdmissionInOrderWithBothSubreports) {
    Statement s;
    const RecordedReport& report = s.Show();
    EXPECT_EQ(report.path, s.c.test.host.AppPath() + "\\Reports\\StatementOfAccountPatientsLedgerByDepartment.RPT");
    EXPECT_EQ(ShownValues(report.values),
              (std::vector<std::string>{fixture::InPatientIdNum, fixture::HospitalAddress, "DELA CRUZ ,JUAN PEREZ",
                                        "45 RIZAL AVENUE, ZENTARI CITY", fixture::InPatientHospNum, "PERSONAL",
                                        fixture::InPatientHospNum, "12/07/2026", "", "SIC-03", "4500", "09:30:00 AM",
                                        "", "", "", "SANTOS, MARIA", "DR. ANTONIO REYES"}));
    ASSERT_EQ(report.subreports.size(), 2u);
    EXPECT_EQ(report.subreports[0].name, "HospitalBill");
    EXPECT_EQ(ShownValues(report.subreports[0].values), (std::vector<std::string>{fixture::InPatientIdNum}));
    EXPECT_EQ(report.subreports[1].name, "MedicalFee");
    EXPECT_EQ(ShownValues(report.subreports[1].values), (std::vector<std::string>{fixture::InPatientIdNum}));
    EXPECT_EQ(report.viewer.Caption, "Statement Of Accounts");
    EXPECT_FALSE(report.viewer.ShowGroupTree);
    EXPECT_TRUE(report.viewer.PrintButton);
    EXPECT_TRUE(s.c.test.app.AllowReportPrint);
}

TEST(StatementOfAccount, NamesTheCompanyOfAnotherAccountAndTheDischargeOfADischargedPatient) {
    Statement s;
    s.c.test.patientSearch.patientMaster.patients[fixture::InPatientHospNum].Account = {"C-0042", " ACME CORP "};
    s.c.chart.txtDateDischarged.SetText("12/10/2026 04:15:00 PM");
    const std::vector<std::string> values = ShownValues(s.Show().values);
    EXPECT_EQ(values[4], "C-0042");
    EXPECT_EQ(values[5], "ACME CORP");
    EXPECT_EQ(values[8], "12/10/2026");
    EXPECT_EQ(values[12], "04:15:00 PM");
}

TEST(StatementOfAccount, LeavesThePatientsAddressAndAccountEmptyWhenTheMasterDoesNotLoad) {
    Statement s;
    s.c.test.patientSearch.patientMaster.Address.CompleteAddress = "ANOTHER PATIENT'S ADDRESS";
    s.c.chart.txtPno.SetText("999999");
    const std::vector<std::string> values = ShownValues(s.Show().values);
    EXPECT_EQ(values[3], "");
    EXPECT_EQ(values[4], "");
    EXPECT_EQ(values[5], "");
}

TEST(StatementOfAccount, OffersPrintingOnlyByItsRightAndGivesItBackAfterwards) {
    ChartWithReports c("|19|");
    c.test.app.AllowReportPrint = false;
    c.CloseTheViewer();
    PressKey(c.chart, forms::vbKeyF11);
    EXPECT_FALSE(c.test.reportEngine.Last().viewer.PrintButton);
    EXPECT_TRUE(c.test.app.AllowReportPrint);
}

TEST(StatementOfAccount, IsRefusedWithoutItsRight) {
    ChartWithReports c("|17|");
    c.test.host.ExpectMsgBox("Sorry you don't have access right to View Statement Of Account.")
        .Title("Message")
        .Buttons(forms::vbInformation + forms::vbOKOnly);
    PressKey(c.chart, forms::vbKeyF11);
    EXPECT_THAT(c.test.reportEngine.Reports(), testing::IsEmpty());
}

} // namespace
