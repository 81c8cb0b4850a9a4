#include "testkit/FixtureChart.h"

#include "chart/frmFinal.h"
#include "platform/db/SqlText.h"
#include "platform/vb/Strings.h"

namespace testkit::ward_fixture {

namespace {

const std::vector<std::string> ExamColumns = {"Status", "Description", "Code"};
const std::vector<std::string> CommonExamColumns = {"Status", "Description", "Code", "Common"};

} // namespace

std::vector<Row> ReportListRows() {
    return {{"4", "", "Charged Medicines"},   {"1", "", "Daily Census"},       {"0", "", "Diet List"},
            {"2", "", "Discharged Patients"}, {"8", "", "Income (Detailed)"},  {"9", "", "Income (Summary)"},
            {"7", "", "Notice of Discharge"}, {"6", "", "Processed Requests"}, {"3", "", "Requests and Orders"},
            {"5", "", "Supplies Charged"}};
}

const std::vector<ExamCatalogue>& ExamCatalogues() {
    static const std::vector<ExamCatalogue> catalogues = {
        {"STATION..LaboratoryExams",
         {"Status", "Description", "Code", "sectioncode", "Common"},
         {{"A", "CBC", "101", "HEM", "Y"},
          {"A", "FASTING BLOOD SUGAR", "1024", "CHE", "Y"},
          {"A", "Urinalysis", "330", "CM", "N"}}},
        {"STATION..XrayExams", CommonExamColumns, {{"A", "CHEST PA", "12", "Y"}, {"A", "SKULL APL", "15", "N"}}},
        {"STATION..UltraExams", CommonExamColumns, {{"A", "WHOLE ABDOMEN", "210", "Y"}}},
        {"STATION..OtherExams", {"RevenueID", "ItemName"}, {{"CT", "CT SCAN"}, {"PT", "PHYSICAL THERAPY"}}},
        {"STATION..PTExams", ExamColumns, {{"A", "ULTRASOUND THERAPY", "501"}}},
        {"STATION..CTExams", ExamColumns, {{"A", "CT BRAIN PLAIN", "601"}, {"I", "CT ORBIT", "602"}}},
        {"STATION..RTSExams", ExamColumns, {{"A", "NEBULIZATION", "701"}}},
        {"STATION..AudioExams", ExamColumns, {{"A", "PURE TONE AUDIOMETRY", "801"}}},
        {"STATION..HSExams", ExamColumns, {{"A", "ECG 12 LEADS", "901"}}},
        {"STATION..NuclearExams", ExamColumns, {{"A", "THYROID SCAN", "951"}}},
        {"STATION..NeuroExams", ExamColumns, {{"A", "EEG", "971"}}},
    };
    return catalogues;
}

std::string AdmissionPackageQuery(const std::string& idNum) {
    return "Select A.*,Isnull(B.Package,'') AS Package from Patient_data..tbPatient2 A Left Outer Join "
           "Build_file..tbCoADmPackage B On A.PackageID = B.PackageID Where A.IDnum =" +
           db::SqlQuote(idNum);
}

std::string DietQuery(const std::string& idNum) {
    return "SELECT tbCoDiet.Diet,tbpatient2.DietID FROM PATIENT_DATA..tbpatient2 AS tbpatient2 LEFT OUTER JOIN "
           "BUILD_FILE..tbCoDiet AS tbCoDiet ON tbpatient2.DietID = tbCoDiet.DietID where tbpatient2.Idnum = " +
           db::SqlQuote(idNum);
}

std::string MembershipQuery(const std::string& idNum) {
    return "Station..sp_Get_Patient_ADMTypeMembership " + db::SqlQuote(vb::Trim(idNum));
}

std::string PhilhealthQuery(const std::string& hospNum) {
    return "Select Isnull(Philhealth,'0') As Philhealth From PATIENT_DATA..tbMaster2 Where Hospnum = " +
           db::SqlQuote(vb::Trim(hospNum));
}

std::string PackageInfoQuery(const std::string& idNum) {
    return "select isnull(A.transplantID,'0') as transplantID,isnull(A.dialysisID,'0') as dialysisID, "
           " isnull(B.Description,'') As Package, IsNull(A.VIP,0) As VIP  "
           " from PATIENT_DATA..tbPatient2 A "
           " LEFT OUTER JOIN build_file..tbExecPackageCode B On A.PackageId = B.PackageID "
           " Where A.idnum = " +
           db::SqlQuote(idNum);
}

std::string SeniorCitizenQuery(const std::string& idNum) {
    return "Station..sp_Nurse_Check_Patient_IsSeniorCitizen " + db::SqlQuote(vb::Trim(idNum));
}

std::string VisitPackageQuery(const std::string& idNum) {
    return "Select A.*,Isnull(B.Package,'') AS Package from Patient_data..tbOutPatient A Left Outer Join "
           "Build_file..tbCoADmPackage B On A.PackageID = B.PackageID Where A.IDnum =" +
           db::SqlQuote(vb::Trim(idNum));
}

void DeclareHeader(ScriptedServer& server, const std::string& idNum, const std::string& hospNum,
                   const HeaderAnswers& answers) {
    server.On(DietQuery(idNum)).Returns({"Diet", "DietID"}, answers.diet);
    server.On(MembershipQuery(idNum)).Returns({"Membership", "ADMType"}, answers.membership);
    server.On(PhilhealthQuery(hospNum)).Returns({"Philhealth"}, answers.philhealth);
    server.On(PackageInfoQuery(idNum))
        .Returns({"transplantID", "dialysisID", "Package", "VIP"}, {{"0", "0", "", std::int32_t{answers.vip ? 1 : 0}}});
    server.On(SeniorCitizenQuery(idNum)).Returns({"IdNum"}, {});
    server.On(VisitPackageQuery(idNum)).Returns({"IDNum", "Package"}, {{idNum, ""}});
}

void DeclareChartSetUp(ScriptedServer& server, const SettingChanges& hospitalChanges) {
    DeclareSettings(server, hospitalChanges);
    server.On(ReportListQuery).Returns(ReportListColumns, ReportListRows());
    for (const ExamCatalogue& catalogue : ExamCatalogues())
        server.On(catalogue.table).Returns(catalogue.columns, catalogue.rows);
}

void DeclareEmptyChartSetUp(ScriptedServer& server, const SettingChanges& hospitalChanges) {
    DeclareSettings(server, hospitalChanges);
    server.On(ReportListQuery).Returns(ReportListColumns, {});
    for (const ExamCatalogue& catalogue : ExamCatalogues())
        server.On(catalogue.table).Returns(catalogue.columns, {});
}

ward::frmFinal& LoadChart(TestApp& test) { return test.app.Forms.Get<ward::frmFinal>(); }

ward::frmFinal& LoadEmptyChart(TestApp& test, const SettingChanges& hospitalChanges) {
    DeclareEmptyChartSetUp(test.server, hospitalChanges);
    test.server.On(AdmissionPackageQuery(test.app.CurIdNum)).Returns({"Package"}, {});
    return LoadChart(test);
}

ward::frmFinal& OpenChart(TestApp& test, const std::string& idNum, const std::string& hospNum,
                          const SettingChanges& hospitalChanges, const HeaderAnswers& header) {
    DeclareChartSetUp(test.server, hospitalChanges);
    test.server.On(AdmissionPackageQuery(idNum)).Returns({"IDNum", "Package"}, {{idNum, ""}});
    DeclareHeader(test.server, idNum, hospNum, header);
    test.app.CurIdNum = idNum;
    test.app.CurHospNum = hospNum;
    ward::frmFinal& chart = LoadChart(test);
    chart.txtPno.SetText(hospNum);
    chart.txtId.SetText(idNum);
    chart.Show();
    return chart;
}

} // namespace testkit::ward_fixture
