#include "SampleWardApp.h"
#include "chart/frmFinal.h"
#include "core/frmReportViewer.h"
#include "platform/reports/TemplateReportEngine.h"
#include "platform/vb/DateTime.h"
#include "platform/vb/Format.h"
#include "sampleward/SampleWard.h"
#include "testkit/RecordingReportEngine.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using testing::HasSubstr;
using testing::IsEmpty;
using testing::Not;

std::string DaysFromToday(int days) { return vb::FormatDate(vb::DateAdd("d", days, sampleward::Now()), "mm/dd/yyyy"); }

struct ChartReport {
    std::string name;
    std::string file;
    std::vector<vb::Variant> values;
    std::vector<std::string> shown;
    std::vector<std::string> notShown;
};

const std::vector<vb::Variant> InPatientStatement = {sampleward::InPatientIdNum,
                                                     "1 SAMPLE AVENUE, ZENTARI CITY",
                                                     "VILLANUEVA ,ROBERTO SALAZAR",
                                                     "17 BONIFACIO STREET, ZENTARI CITY",
                                                     sampleward::InPatientHospNum,
                                                     "PERSONAL",
                                                     sampleward::InPatientHospNum,
                                                     DaysFromToday(-3),
                                                     "",
                                                     "SIC-02",
                                                     "4500",
                                                     "09:30:00 AM",
                                                     "",
                                                     "",
                                                     "",
                                                     "DIAZ, CLARA MENDOZA",
                                                     "NAVARRO, TERESA LOPEZ"};

std::vector<ChartReport> Cases() {
    const std::string inPatient = sampleward::InPatientIdNum;
    const std::string outPatient = sampleward::OutPatientIdNum;
    const std::string station = "Tessun Zentari -  SURGICAL INTENSIVE CARE UNIT";
    return {
        {"statement of account: departments, hospital bill without the doctors' fees, then the fees",
         "StatementOfAccountPatientsLedgerByDepartment.RPT",
         InPatientStatement,
         {"Charges by Department", "790.00", "4,381.00", "Hospital Bill", "CARDIAC MONITOR (PER DAY)",
          "PARACETAMOL 500MG TAB (RETURNED)", "2,881.00", "Medical Fees", "NAVARRO, TERESA LOPEZ", "ADMISSION FEE",
          "1,500.00"},
         {"Department MD", "No hospital charges"}},
        {"the station's processed requests of the last days, by patient",
         "List_Of_Proccess_Request_AllPatient.rpt",
         {DaysFromToday(-3), DaysFromToday(0), "SIC", station},
         {inPatient + "   VILLANUEVA, ROBERTO SALAZAR", "CHEST PA", "RADTECH1"},
         {"COMPLETE BLOOD COUNT", "MERCADO"}},
        {"no processed request requested today",
         "List_Of_Proccess_Request_AllPatient.rpt",
         {DaysFromToday(0), DaysFromToday(0), "SIC", station},
         {"The station has no processed requests in this period."},
         {"CHEST PA"}},
        {"another station's processed requests",
         "List_Of_Proccess_Request_AllPatient.rpt",
         {DaysFromToday(-3), DaysFromToday(0), "ER", station},
         {"The station has no processed requests in this period."},
         {"CHEST PA"}},
        {"posted medicines with the return counted out and amounts shown",
         "Posted Medicines.RPT",
         {inPatient, true},
         {"VILLANUEVA, ROBERTO SALAZAR", "SIC-02", "PARACETAMOL 500MG TAB", "Returned", "CM000101",
          "CEFUROXIME 750MG VIAL", "790.00"},
         {"SYRINGE"}},
        {"posted medicines without amounts", "Posted Medicines.RPT", {inPatient, false}, {"CEFUROXIME"}, {"770.00"}},
        {"posted supplies", "Posted Supplies.RPT", {inPatient, true}, {"SYRINGE 5ML", "21.00"}, {"PARACETAMOL"}},
        {"an out-patient's posted medicines",
         "Posted Medicines.RPT",
         {outPatient, true},
         {"MERCADO, ISABEL RAMOS", "No medicines are posted to this admission."},
         {}},
        {"one nursing note",
         "NursesNotes.rpt",
         {inPatient, 1002.0, "1 SAMPLE AVENUE, ZENTARI CITY"},
         {"Complained of pain at the incision site", "2PM-10PM", "N1002"},
         {"Slept through"}},
        {"every nursing note of the admission",
         "NursesNotes_PrintAll.rpt",
         {inPatient, "DIAZ, CLARA MENDOZA"},
         {"Received from the recovery room", "Complained of pain", "Slept through the night"},
         {"Wound dressing"}},
        {"the vital-signs sheet",
         "Vital Signs.rpt",
         {inPatient, "VILLANUEVA ,ROBERTO SALAZAR", DaysFromToday(-3), inPatient, sampleward::InPatientHospNum,
          "SIC-02", "MALE", "54"},
         {"VILLANUEVA ,ROBERTO SALAZAR", "120/80", "130/85", "125/80"},
         {"110/70"}},
        {"the admission's processed requests at the station",
         "List_Of_Proccess_Request_New.rpt",
         {inPatient, "SIC"},
         {"VILLANUEVA, ROBERTO SALAZAR", "CHEST PA", "RADTECH1", "DR. SANTOS"},
         {"COMPLETE BLOOD COUNT"}},
    };
}

void PrintTo(const ChartReport& report, std::ostream* os) { *os << report.name; }

class SampleChartReport : public testing::TestWithParam<ChartReport> {};

TEST_P(SampleChartReport, PrintsTheSampleRowsWithEveryStatementAnswered) {
    const ChartReport& c = GetParam();
    std::unique_ptr<sampleward::SampleServer> ward = sampleward::OpenSampleWard();
    const std::string text =
        samplewardtest::LaidOutOnSampleWard(*ward, c.file, c.values, [&c](reports::Report& report) {
            for (const char* subreport : {"HospitalBill", "MedicalFee"})
                if (c.file.starts_with("StatementOfAccount"))
                    reports::SetParameterValues(report.OpenSubreport(subreport), {c.values.front()});
        });

    for (const std::string& expected : c.shown)
        EXPECT_THAT(text, HasSubstr(expected));
    for (const std::string& absent : c.notShown)
        EXPECT_THAT(text, Not(HasSubstr(absent)));
    EXPECT_THAT(ward->Unanswered(), IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(ChartReports, SampleChartReport, testing::ValuesIn(Cases()), [](const auto& info) {
    std::string name;
    for (const char c : info.param.name)
        name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
});

// The whole way: the chart opened on the sample in-patient prints its reports of the admission and the statement of
// account through the program's engine, from the rows the sample ward holds.
TEST(SampleChartReports, TheChartPrintsTheAdmissionsReportsAndItsStatementOfAccount) {
    samplewardtest::SampleWardApp ward;
    ward.host.SetAppPath(testkit::RecordingReportEngine::ShippedTemplates().parent_path().string());
    ward.app.ReportEngine = std::make_shared<reports::TemplateReportEngine>(*ward.server);
    ward::frmFinal& chart = ward.app.Forms.Get<ward::frmFinal>();
    chart.txtPno.SetText(sampleward::InPatientHospNum);
    chart.txtId.SetText(sampleward::InPatientIdNum);
    chart.Show();
    ward.host.FireTimer(chart.Timer1);
    std::vector<std::string> printed;
    auto read = [&](ward::frmReportViewer& viewer) {
        printed.push_back(viewer.CRViewer1.ReportSource<const reports::Document>()->PlainText());
        viewer.Unload();
    };
    forms::MSHFlexGrid& list = chart.mshflexReports;
    for (const char* code : {"4", "5", "6"}) {
        ward.host.OnModal<ward::frmReportViewer>(read);
        for (int row = 1; row < list.Rows(); ++row)
            if (list.TextMatrix(row, 1) == code)
                testkit::DoubleClickCell(list, row, 3);
    }
    ward.host.OnModal<ward::frmReportViewer>(read);
    testkit::PressKey(chart, forms::vbKeyF11);

    ASSERT_EQ(printed.size(), 4u);
    EXPECT_THAT(printed[0], HasSubstr("CEFUROXIME 750MG VIAL"));
    EXPECT_THAT(printed[1], HasSubstr("SYRINGE 5ML"));
    EXPECT_THAT(printed[2], HasSubstr("RADTECH1"));
    EXPECT_THAT(printed[3], HasSubstr(sampleward::InPatientIdNum));
    EXPECT_THAT(printed[3], HasSubstr("NAVARRO, TERESA LOPEZ"));
    EXPECT_THAT(printed[3], HasSubstr("4,381.00"));
    EXPECT_THAT(ward.server->Unanswered(), IsEmpty());
}

} // namespace
