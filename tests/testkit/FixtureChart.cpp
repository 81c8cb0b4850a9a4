#include "testkit/FixtureChart.h"

#include "chart/frmFinal.h"
#include "platform/db/SqlText.h"

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
                          const SettingChanges& hospitalChanges) {
    DeclareChartSetUp(test.server, hospitalChanges);
    test.server.On(AdmissionPackageQuery(idNum)).Returns({"IDNum", "Package"}, {{idNum, ""}});
    test.app.CurIdNum = idNum;
    test.app.CurHospNum = hospNum;
    ward::frmFinal& chart = LoadChart(test);
    chart.txtPno.SetText(hospNum);
    chart.txtId.SetText(idNum);
    chart.Show();
    return chart;
}

} // namespace testkit::ward_fixture
