#include "sampleward/SampleWard.h"

namespace sampleward {

namespace {

const std::vector<std::string> ExamColumns = {"Status", "Description", "Code"};
const std::vector<std::string> CommonExamColumns = {"Status", "Description", "Code", "Common"};

void DeclareExamCatalogues(SampleServer& server) {
    server.On("STATION..LaboratoryExams")
        .Returns({"Status", "Description", "Code", "sectioncode", "Common"},
                 {{"A", "COMPLETE BLOOD COUNT", "101", "HEM", "Y"},
                  {"A", "FASTING BLOOD SUGAR", "1024", "CHE", "Y"},
                  {"A", "SERUM POTASSIUM", "331", "CHE", "Y"},
                  {"A", "SERUM SODIUM", "330", "CHE", "Y"},
                  {"A", "PROTHROMBIN TIME", "120", "HEM", "Y"},
                  {"A", "URINALYSIS", "401", "CM", "Y"},
                  {"A", "ALBUMIN", "12", "CHE", "Y"},
                  {"A", "ELECTROLYTES", "335", "CHE", "Y"},
                  {"A", "BLOOD TYPING", "150", "BB", "N"}});
    server.On("STATION..XrayExams")
        .Returns(CommonExamColumns, {{"A", "CHEST PA", "12", "Y"},
                                     {"A", "CHEST PORTABLE", "13", "Y"},
                                     {"A", "ABDOMEN SUPINE", "21", "Y"},
                                     {"A", "SKULL APL", "15", "N"}});
    server.On("STATION..UltraExams")
        .Returns(CommonExamColumns,
                 {{"A", "WHOLE ABDOMEN", "210", "Y"}, {"A", "KUB", "214", "Y"}, {"A", "PELVIC", "220", "N"}});
    server.On("STATION..OtherExams")
        .Returns({"RevenueID", "ItemName"}, {{"CT", "CT SCAN"},
                                             {"PT", "PHYSICAL THERAPY"},
                                             {"PA", "PULMONARY"},
                                             {"AU", "AUDIOMETRY"},
                                             {"HS", "HEART STATION"},
                                             {"NU", "NUCLEAR MEDICINE"},
                                             {"NE", "NEUROLOGY"},
                                             {"MI", "MAGNETIC RESONANCE IMAGING"},
                                             {"WC", "CENTRE FOR WOMEN"},
                                             {"DL", "DIALYSIS"}});
    server.On("STATION..PTExams")
        .Returns(ExamColumns, {{"A", "ULTRASOUND THERAPY", "501"}, {"A", "CHEST PHYSIOTHERAPY", "502"}});
    server.On("STATION..CTExams")
        .Returns(ExamColumns, {{"A", "CT BRAIN PLAIN", "601"}, {"A", "CT CHEST WITH CONTRAST", "605"}});
    server.On("STATION..RTSExams").Returns(ExamColumns, {{"A", "NEBULIZATION", "701"}, {"A", "SPIROMETRY", "705"}});
    server.On("STATION..AudioExams").Returns(ExamColumns, {{"A", "PURE TONE AUDIOMETRY", "801"}});
    server.On("STATION..HSExams").Returns(ExamColumns, {{"A", "ECG 12 LEADS", "901"}, {"A", "2D ECHO", "905"}});
    server.On("STATION..NuclearExams").Returns(ExamColumns, {{"A", "THYROID SCAN", "951"}});
    server.On("STATION..NeuroExams").Returns(ExamColumns, {{"A", "EEG", "971"}, {"A", "EMG-NCV", "975"}});
}

void DeclareReportList(SampleServer& server) {
    server
        .On("Select ReportType,'',ReportName [Report Name] From STATION..tbNurse_ReportList Where RecordStatus=1 "
            "Order By ReportName")
        .Returns({"ReportType", "", "Report Name"}, {{"1", "", "Census by Station"},
                                                     {"4", "", "Charged Medicines"},
                                                     {"5", "", "Charged Supplies"},
                                                     {"0", "", "Diet List"},
                                                     {"2", "", "Discharged Patients"},
                                                     {"8", "", "Income Report (Detailed)"},
                                                     {"9", "", "Income Report (Summary)"},
                                                     {"3", "", "List of Requests and Orders"},
                                                     {"7", "", "Patient Discharge Notice Status"},
                                                     {"6", "", "Processed Requests of the Patient"}});
    // The census and the discharge list are prepared on the server before they print.
    server.OnPattern("PATIENT_DATA..sp_Adm_CensusByStation '{?}','SIC'").Affects(0);
    server.OnPattern("STATION..Nurse_dischargeList 'SIC','{?}'").Affects(0);
}

// The in-patient came with a package; the out-patient and anyone else without one.
void DeclarePackages(SampleServer& server) {
    const std::string query = "Select A.*,Isnull(B.Package,'') AS Package from Patient_data..tbPatient2 A Left Outer "
                              "Join Build_file..tbCoADmPackage B On A.PackageID = B.PackageID Where A.IDnum =";
    server.On(query + "'" + InPatientIdNum + "'")
        .Returns({"IDNum", "PackageID", "Package"}, {{InPatientIdNum, "PK02", "SURGICAL PACKAGE B"}});
    server.OnPattern(query + "'{?}'").Returns({"IDNum", "PackageID", "Package"}, {});
}

} // namespace

void DeclareChart(SampleServer& server) {
    DeclareExamCatalogues(server);
    DeclareReportList(server);
    DeclarePackages(server);
}

} // namespace sampleward
