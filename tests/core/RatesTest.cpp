#include "core/Rates.h"
#include "chart/frmFinal.h"
#include "platform/vb/Conversions.h"
#include "testkit/FixtureChart.h"
#include "testkit/FixtureWard.h"

#include <gtest/gtest.h>

#include <functional>

using namespace testkit;
namespace fixture = testkit::ward_fixture;

namespace {

struct LookupCase {
    const char* name;
    std::function<std::string(ward::App&)> call; // the answer as text
    std::string statement;
    std::vector<std::string> columns;
    std::vector<Row> rows;
    std::string expected;
};

class RateLookups : public ::testing::TestWithParam<LookupCase> {};

TEST_P(RateLookups, SendTheirStatementAndReadTheFirstRow) {
    const LookupCase& c = GetParam();
    TestApp test;
    test.server.On(c.statement).Returns(c.columns, c.rows);

    EXPECT_EQ(c.call(test.app), c.expected);
    EXPECT_TRUE(test.server.SentExactly({c.statement}));
}

std::string Text(double value) { return vb::CStr(value); }
std::string Text(bool value) { return value ? "True" : "False"; }

const std::string Package = "Select * from INVENTORY..tbInvPackage where packageid ='PK01'";
const std::vector<std::string> PackageColumns = {"PackageID", "RateA", "RateB", "RateC", "RateD", "RateE"};
const std::vector<Row> PackageRow = {{"PK01", 1500.0, 2500.0, vb::Variant::Null(), 12.5, -40.0}};

std::function<std::string(ward::App&)> PackageRate(std::string rateClass) {
    return [rateClass](ward::App& app) { return ward::GetPackageRate(app, " PK01 ", rateClass); };
}

const std::string DoctorsRate = "STATION..sp_Nurse_Get_Doctors_Rate 'D045','C'";
const std::string DoctorBill =
    "Select * from BUILD_FILE..tbCoDoctorBill Where DoctorID ='D045' and Status = 1 and Amount >0";
const std::string InPatientPackage =
    "Select A.*,Isnull(B.Package,'') AS Package from Patient_data..tbPatient2 A Left Outer Join "
    "Build_file..tbCoADmPackage B On A.PackageID = B.PackageID Where A.IDnum ='2026001234'";
const std::string OutPatientPackage =
    "Select A.*,Isnull(B.Package,'') AS Package from Patient_data..tbOutPatient A Left Outer Join "
    "Build_file..tbCoADmPackage B On A.PackageID = B.PackageID Where A.IDnum ='2026001234'";

std::function<std::string(ward::App&)> AdmissionPackage(std::string patientType) {
    return [patientType](ward::App& app) { return ward::GetAdmissionPackage(app, "2026001234 ", patientType); };
}

INSTANTIATE_TEST_SUITE_P(
    Members, RateLookups,
    ::testing::Values(
        LookupCase{"ARCode",
                   [](ward::App& app) { return ward::GetARCode(app, " LB", "ICU ", "1"); },
                   "STATION..sp_Get_ARCodes 'LB','ICU','1'",
                   {"ARCode"},
                   {{"1201-05"}},
                   "1201-05"},
        LookupCase{"ARCodeNull",
                   [](ward::App& app) { return ward::GetARCode(app, "LB", "ICU", "1"); },
                   "STATION..sp_Get_ARCodes 'LB','ICU','1'",
                   {"ARCode"},
                   {{vb::Variant::Null()}},
                   ""},
        LookupCase{"ARCodeNone",
                   [](ward::App& app) { return ward::GetARCode(app, "LB", "SU", "2"); },
                   "STATION..sp_Get_ARCodes 'LB','SU','2'",
                   {"ARCode"},
                   {},
                   ""},
        LookupCase{"RoomClass",
                   [](ward::App& app) { return ward::GetRoomClassification(app, " SIC-03 "); },
                   "STATION..sp_Nurse_Get_RoomClassification 'SIC-03'",
                   {"RoomClassID"},
                   {{"C"}},
                   "C"},
        LookupCase{"RoomClassNone",
                   [](ward::App& app) { return ward::GetRoomClassification(app, "ER/OPD"); },
                   "STATION..sp_Nurse_Get_RoomClassification 'ER/OPD'",
                   {"RoomClassID"},
                   {},
                   ""},
        LookupCase{"PackageRateA", PackageRate("A"), Package, PackageColumns, PackageRow, " 1500"},
        LookupCase{"PackageRateB", PackageRate(" B "), Package, PackageColumns, PackageRow, " 2500"},
        LookupCase{"PackageRateFraction", PackageRate("D"), Package, PackageColumns, PackageRow, " 12.5"},
        LookupCase{"PackageRateNegative", PackageRate("E"), Package, PackageColumns, PackageRow, "-40"},
        LookupCase{"PackageRateNull", PackageRate("C"), Package, PackageColumns, PackageRow, ""},
        LookupCase{"PackageRateClassF", PackageRate("F"), Package, PackageColumns, PackageRow, ""},
        LookupCase{"PackageRateLowerCase", PackageRate("a"), Package, PackageColumns, PackageRow, ""},
        LookupCase{"PackageRateNoPackage", PackageRate("A"), Package, PackageColumns, {}, ""},
        LookupCase{"DoctorsRate",
                   [](ward::App& app) { return Text(ward::GetDoctorsRate(app, "D045 ", " C")); },
                   DoctorsRate,
                   {"Amount"},
                   {{750.5}},
                   "750.5"},
        LookupCase{"DoctorsRateNone",
                   [](ward::App& app) { return Text(ward::GetDoctorsRate(app, "D045", "C")); },
                   DoctorsRate,
                   {"Amount"},
                   {},
                   "0"},
        LookupCase{"DoctorBill",
                   [](ward::App& app) { return Text(ward::HasDoctorBill(app, " D045")); },
                   DoctorBill,
                   {"DoctorID"},
                   {{"D045"}},
                   "True"},
        LookupCase{"DoctorBillNone",
                   [](ward::App& app) { return Text(ward::HasDoctorBill(app, "D045")); },
                   DoctorBill,
                   {"DoctorID"},
                   {},
                   "False"},
        LookupCase{"OPDRateType",
                   [](ward::App& app) { return ward::GetOPDRateType(app, " 2026004410B"); },
                   "PATIENT_DATA..sp_Get_OPD_Classification '2026004410B'",
                   {"RateType"},
                   {{"B"}},
                   "B"},
        LookupCase{"OPDRateTypeNone",
                   [](ward::App& app) { return ward::GetOPDRateType(app, "2026004410B"); },
                   "PATIENT_DATA..sp_Get_OPD_Classification '2026004410B'",
                   {"RateType"},
                   {},
                   ""},
        LookupCase{"InventoryType",
                   [](ward::App& app) { return ward::GetInventoryType(app, " 12 "); },
                   "Select Isnull(InventoryType,'') As InventoryType From INVENTORY..tbInvLocation Where "
                   "LocationID ='12'",
                   {"InventoryType"},
                   {{"C"}},
                   "C"},
        LookupCase{"InventoryTypeNone",
                   [](ward::App& app) { return ward::GetInventoryType(app, "99"); },
                   "Select Isnull(InventoryType,'') As InventoryType From INVENTORY..tbInvLocation Where "
                   "LocationID ='99'",
                   {"InventoryType"},
                   {},
                   ""},
        LookupCase{"AdmissionPackageInPatient",
                   AdmissionPackage(" I "),
                   InPatientPackage,
                   {"IDnum", "Package"},
                   {{"2026001234", "MATERNITY "}},
                   "MATERNITY "},
        LookupCase{"AdmissionPackageOutPatient",
                   AdmissionPackage("O"),
                   OutPatientPackage,
                   {"IDnum", "Package"},
                   {{"2026001234", "DIALYSIS"}},
                   "DIALYSIS"},
        LookupCase{"AdmissionPackageB", AdmissionPackage("B"), OutPatientPackage, {"Package"}, {}, ""},
        LookupCase{"AdmissionPackageNoType", AdmissionPackage(""), OutPatientPackage, {"Package"}, {}, ""},
        LookupCase{"AdmissionPackageLowerCase", AdmissionPackage("i"), OutPatientPackage, {"Package"}, {}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

const std::string PackageInfoQuery(const std::string& idNum) {
    return "select isnull(A.transplantID,'0') as transplantID,isnull(A.dialysisID,'0') as dialysisID,  "
           "isnull(B.Description,'') As Package, IsNull(A.VIP,0) As VIP   from PATIENT_DATA..tbPatient2 A  "
           "LEFT OUTER JOIN build_file..tbExecPackageCode B On A.PackageId = B.PackageID  Where A.idnum = '" +
           idNum + "'";
}
const std::vector<std::string> PackageInfoColumns = {"transplantID", "dialysisID", "Package", "VIP"};
const std::string SeniorCheck = "Station..sp_Nurse_Check_Patient_IsSeniorCitizen '2026001234'";

struct Chart {
    TestApp test;
    ward::frmFinal& chart = ward_fixture::LoadEmptyChart(test);
    const std::size_t afterLoad = test.server.Mark();

    explicit Chart(const std::string& idNum) {
        chart.txtId.SetText(idNum);
        chart.SetCaption("Clinical Procedure");
    }
    void Show() { ward::ShowPatientPackageInfo(test.app, chart.txtId, chart); }
};

TEST(ShowPatientPackageInfo, AVipSeniorWithAnExecutivePackageAndNoAdmissionPackage) {
    Chart c("2026001234");
    c.test.server.On(PackageInfoQuery("2026001234"))
        .Returns(PackageInfoColumns, {{std::int32_t{1}, std::int32_t{2}, " GOLD EXECUTIVE ", true}});
    c.test.server.On(SeniorCheck).Returns({"IDNum"}, {{"2026001234"}});
    c.test.server.On(InPatientPackage).Returns({"Package"}, {{""}});

    c.Show();

    EXPECT_EQ(c.chart.Caption(), "Executive Package Type : GOLD EXECUTIVE          ( Patient is Tag As VIP PATIENT ) "
                                 "( Patient is Senior Citizen )");
    EXPECT_TRUE(
        c.test.server.SentExactly({PackageInfoQuery("2026001234"), SeniorCheck, InPatientPackage}, c.afterLoad));
    EXPECT_EQ(c.test.app.TransplantID, "1");
    EXPECT_EQ(c.test.app.DialysisID, "2");
    EXPECT_EQ(c.test.app.TransplantText, "Transplant");
    EXPECT_EQ(c.test.app.DialysisText, "Post-Dialysis");
}

TEST(ShowPatientPackageInfo, RunTwiceWithoutAnExecutivePackageAddsTheNotesAgain) {
    Chart c("2026001234");
    c.test.server.On(PackageInfoQuery("2026001234")).Returns(PackageInfoColumns, {{"0", "0", "", true}});
    c.test.server.On(SeniorCheck).Returns({"IDNum"}, {{"2026001234"}});
    c.test.server.On(InPatientPackage).Returns({"Package"}, {{"MATERNITY"}});

    c.Show();
    c.Show();

    const std::string notes =
        "          ( Patient is Tag As VIP PATIENT ) ( Patient is Senior Citizen )Executive Package Type : MATERNITY";
    EXPECT_EQ(c.chart.Caption(), "Clinical Procedure" + notes + notes);
    EXPECT_EQ(c.test.app.TransplantText, "Non_Transplant");
    EXPECT_EQ(c.test.app.DialysisText, "None");
}

TEST(ShowPatientPackageInfo, AnOutPatientsPackageComesFromTheVisitUntrimmed) {
    Chart c("2026001234B");
    c.test.server.On(PackageInfoQuery("2026001234B")).Returns(PackageInfoColumns, {{"0", "1", "", false}});
    c.test.server.On("Station..sp_Nurse_Check_Patient_IsSeniorCitizen '2026001234B'").Returns({"IDNum"}, {});
    const std::string visitPackage =
        "Select A.*,Isnull(B.Package,'') AS Package from Patient_data..tbOutPatient A Left Outer Join "
        "Build_file..tbCoADmPackage B On A.PackageID = B.PackageID Where A.IDnum ='2026001234B'";
    c.test.server.On(visitPackage).Returns({"Package"}, {{"DIALYSIS "}});

    c.Show();

    EXPECT_EQ(c.chart.Caption(), "Clinical ProcedureExecutive Package Type : DIALYSIS ");
    EXPECT_EQ(c.test.app.DialysisText, "Pre-Dialysis");
}

TEST(ShowPatientPackageInfo, UnknownStatusCodesKeepTheirTextsAndNoRowChangesNothing) {
    Chart c("2026001234");
    c.test.app.TransplantText = "Transplant";
    c.test.app.DialysisText = "Pre-Dialysis";
    c.test.server.On(PackageInfoQuery("2026001234")).Returns(PackageInfoColumns, {{"2", "3", "", false}});
    c.test.server.On(SeniorCheck).Returns({"IDNum"}, {});
    c.test.server.On(InPatientPackage).Returns({"Package"}, {});

    c.Show();

    EXPECT_EQ(c.test.app.TransplantID, "2");
    EXPECT_EQ(c.test.app.TransplantText, "Transplant");
    EXPECT_EQ(c.test.app.DialysisText, "Pre-Dialysis");
    EXPECT_EQ(c.chart.Caption(), "Clinical Procedure");

    Chart none("2026009999");
    none.test.app.TransplantID = "1";
    none.test.server.On(PackageInfoQuery("2026009999")).Returns(PackageInfoColumns, {});
    none.Show();
    EXPECT_EQ(none.test.app.TransplantID, "1");
    EXPECT_EQ(none.chart.Caption(), "Clinical Procedure");
    EXPECT_EQ(none.test.server.Sent().size(), none.afterLoad + 1);
}

TEST(SavePatientOtherInfo, WritesTheStatusForTheChartsAdmission) {
    Chart c("2026001234");
    c.test.app.TransplantID = "1";
    c.test.app.DialysisID = "0";
    const std::string update = "STATION..sp_Nurse_Update_OtherInfo '2026001234','1','0','I'";
    c.test.server.On(update).Affects(1);

    ward::SavePatientOtherInfo(c.test.app, c.chart.txtId);

    EXPECT_TRUE(c.test.server.SentExactly({update}, c.afterLoad));
}

} // namespace
