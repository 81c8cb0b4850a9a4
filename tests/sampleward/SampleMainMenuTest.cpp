#include "SampleWardApp.h"
#include "platform/reports/TemplateReportEngine.h"
#include "platform/vb/DateTime.h"
#include "platform/vb/Format.h"
#include "sampleward/SampleWard.h"
#include "shell/UserRights.h"
#include "testkit/RecordingReportEngine.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using testing::HasSubstr;
using testing::IsEmpty;
using testing::Not;

std::string DaysFromToday(int days) { return vb::FormatDate(vb::DateAdd("d", days, sampleward::Now()), "mm/dd/yyyy"); }

struct MenuReport {
    std::string file;
    std::vector<vb::Variant> values;
    std::vector<std::string> shown;
    std::vector<std::string> notShown;
};

// The values each report takes from the main menu, for the sample nurse and the sample in-patient.
std::vector<MenuReport> Cases() {
    const std::string station = "Tessun Zentari -  SURGICAL INTENSIVE CARE UNIT";
    const std::string hospital = "TESSUN SAMPLE HOSPITAL", address = "1 SAMPLE AVENUE, ZENTARI CITY";
    const std::string in = sampleward::InPatientIdNum, hosp = sampleward::InPatientHospNum;
    return {
        {"Audit_report.RPT",
         {DaysFromToday(-1), DaysFromToday(0), hospital, address, "SCN AUDIT REPORT"},
         {"RETURNED PARACETAMOL 500MG TAB UNDER CM000101", "N1002", "REQUESTED COMPLETE BLOOD COUNT"},
         {"POSTED CHARGE SLIP"}},
        {"Monthly_Report.RPT",
         {hospital, address, "MONTHLY SCN REPORT", DaysFromToday(-30), DaysFromToday(0)},
         {"LB", "XR", "Total"},
         {"No requests"}},
        {"Diet_List.Rpt",
         {"SIC", hospital, address, station + " - Diet List"},
         {"VILLANUEVA, ROBERTO SALAZAR", "SOFT DIET", "SANTOS, MARIA LOPEZ", "REGULAR DIET"},
         {"TORRES", "FLORES", "MERCADO"}},
        {"CensusByStation_PSH.rpt",
         {DaysFromToday(0)},
         {"VILLANUEVA, ROBERTO SALAZAR", "ADMITTED", "TORRES, RAMON VILLA", "DISCHARGED"},
         {"FLORES", "MERCADO"}},
        {"NurseDischargeReport.rpt",
         {station, hospital, address},
         {"TORRES, RAMON VILLA", "SORIANO, MIGUEL CRUZ"},
         {"VILLANUEVA"}},
        {"Nurse_Station_Income_Detailed.RPT",
         {DaysFromToday(-7), DaysFromToday(0), "SIC", true},
         {"CARDIAC MONITOR (PER DAY)", "PARACETAMOL 500MG TAB (RETURNED)", "4,381.00"},
         {}},
        {"Nurse_Station_Income_Summary.RPT",
         {DaysFromToday(-7), DaysFromToday(0), "SIC", true},
         {"790.00", "1,500.00", "4,381.00"},
         {"CARDIAC MONITOR"}},
        {"Patient_Ledger.RPT",
         {hospital, address, "", "PATIENT'S SCN LEDGER", "VILLANUEVA, ROBERTO SALAZAR", "17 BONIFACIO STREET", hosp,
          "PERSONAL", in, hosp, DaysFromToday(-3), "", "SIC-02", hosp, in, "SU"},
         {"WOUND DRESSING", "OXYGEN TANK", "1,950.00"},
         {"No charges"}},
        {"PatientDischargeNoticeStatus.RPT",
         {"SIC"},
         {in, "Final notice sent to billing", "Preliminary (not final)"},
         {"no discharge notices"}},
        {"List_of_RequestOrders.Rpt", {in}, {"XR-0000212", "LB-0000451", "PENDING"}, {"No requests"}},
    };
}

void PrintTo(const MenuReport& report, std::ostream* os) { *os << report.file; }

class SampleMainMenuReport : public testing::TestWithParam<MenuReport> {};

TEST_P(SampleMainMenuReport, ShowsTheSampleRowsWithEveryStatementAnswered) {
    const MenuReport& c = GetParam();
    std::unique_ptr<sampleward::SampleServer> ward = sampleward::OpenSampleWard();
    const std::string text = samplewardtest::LaidOutOnSampleWard(*ward, c.file, c.values);
    for (const std::string& expected : c.shown)
        EXPECT_THAT(text, HasSubstr(expected));
    for (const std::string& absent : c.notShown)
        EXPECT_THAT(text, Not(HasSubstr(absent)));
    EXPECT_THAT(ward->Unanswered(), IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(MainMenu, SampleMainMenuReport, testing::ValuesIn(Cases()), [](const auto& info) {
    std::string name;
    for (const char c : info.param.file)
        name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
});

// The second sample nurse lets the main menu's refusals be tried: the receivable update, both income reports and the
// charge-slip setting are the first nurse's only.
TEST(SampleMainMenu, TheSecondNurseLacksTheRightsTheFirstHolds) {
    samplewardtest::SampleWardApp ward;
    for (const char* right : {"13", "18", "20", "21"}) {
        SCOPED_TRACE(right);
        EXPECT_TRUE(ward::HasUserRight(ward.app, right, sampleward::SampleNurseID));
        EXPECT_FALSE(ward::HasUserRight(ward.app, right, "N1002"));
    }
    EXPECT_TRUE(ward::HasUserRight(ward.app, "3", "N1002"));
    EXPECT_THAT(ward.server->Unanswered(), IsEmpty());
}

} // namespace
