#include "components/NurseActivity.h"
#include "platform/vb/DateTime.h"
#include "platform/vb/Strings.h"
#include "sampleward/SampleWard.h"

namespace sampleward {

namespace {

// The in-patient is allergic to penicillin and shrimps and smokes; the out-patient to eggs; the other patients of
// the list have a profile with no ticks.
Answer Allergies(const std::vector<std::string>& values) {
    const std::string hospNum = values.at(0);
    if (hospNum == InPatientHospNum)
        return Rows(MasterAllergyColumns(), {{hospNum, "F3", "M1", "", "", "", "IODINE CONTRAST"}});
    if (hospNum == OutPatientHospNum)
        return Rows(MasterAllergyColumns(), {{hospNum, "F2", "", "", "", "", ""}});
    return Rows(MasterAllergyColumns(), {});
}

Answer NurseProfile(const std::vector<std::string>& values) {
    const std::string idNum = values.at(1);
    if (idNum == InPatientIdNum)
        return Rows(NurseProfileColumns(), {{values.at(0),
                                             idNum,
                                             "12",
                                             "14",
                                             "",
                                             "",
                                             "3",
                                             "5",
                                             "",
                                             "",
                                             "1",
                                             "2",
                                             "",
                                             "EPIGASTRIC PAIN FOR 2 DAYS",
                                             "PALE, DIAPHORETIC",
                                             "NO NECK VEIN ENGORGEMENT",
                                             "CLEAR BREATH SOUNDS",
                                             "BOARD-LIKE RIGIDITY",
                                             "NO EDEMA",
                                             "NOT PALPABLE",
                                             "NOT EXAMINED",
                                             "DEFERRED",
                                             "AWAKE, GCS 15",
                                             "",
                                             "FATHER HYPERTENSIVE"}});
    if (idNum == OutPatientIdNum)
        return Rows(NurseProfileColumns(), {{values.at(0),
                                             idNum,
                                             "4",
                                             "",
                                             "",
                                             "",
                                             "",
                                             "",
                                             "",
                                             "",
                                             "",
                                             "",
                                             "",
                                             "FOR WOUND CHECK",
                                             "HEALING INCISION",
                                             "",
                                             "",
                                             "CLEAN, DRY DRESSING",
                                             "",
                                             "",
                                             "",
                                             "",
                                             "",
                                             "",
                                             ""}});
    return Rows(NurseProfileColumns(), {});
}

Answer PatientHistory(const std::vector<std::string>& values) {
    if (values.at(0) == InPatientIdNum)
        return Rows({"BriefHistory", "PhysicalExamination"},
                    {{"EPIGASTRIC PAIN FOR 2 DAYS, SUDDEN WORSENING", "GUARDING, REBOUND TENDERNESS"}});
    return Rows({"BriefHistory", "PhysicalExamination"}, {});
}

vb::Date DaysAgo(double days) { return vb::Date{Now().serial - days}; }

// What a confinement was given and had examined; the component's lists and the template's queries both read these.
struct SampleMedicine {
    double daysAgo;
    const char* drug;
    const char* dosage;
    int quantity;
};
struct SampleExam {
    const char* kind; // the confinement component's
    const char* resultTable;
    const char* name;
    double daysAgo;
    const char* interpretation;
};

std::vector<SampleMedicine> Medicines(const std::string& idNum) {
    if (idNum == EarlierInPatientIdNum)
        return {{289, "CEFUROXIME 750MG VIAL", "1 VIAL EVERY 8 HOURS", 12},
                {288, "SALBUTAMOL NEBULE", "1 NEB EVERY 6 HOURS", 16},
                {284, "CEFUROXIME 500MG TAB", "1 TAB TWICE A DAY", 14}};
    if (idNum == InPatientIdNum)
        return {{1, "PARACETAMOL 500MG TAB", "1 TAB EVERY 4 HOURS", 6}};
    return {};
}

std::vector<SampleExam> Exams(const std::string& idNum) {
    if (idNum == EarlierInPatientIdNum)
        return {{"2", "tbXRResult", "CHEST PA", 290, "Right lower lobe pneumonia."},
                {"2", "tbXRResult", "CHEST PA", 284, "Resolving right lower lobe pneumonia."},
                {"3", "tbUlResult", "WHOLE ABDOMEN", 288, "Normal liver, gallbladder and kidneys."},
                {"4", "tbCTResult", "CT CHEST WITH CONTRAST", 287, "Consolidation of the right lower lobe."}};
    if (idNum == InPatientIdNum)
        return {{"2", "tbXRResult", "CHEST PA", 2, "No active lung infiltrates. Heart is not enlarged."}};
    return {};
}

Answer PostedMedicines(const std::vector<std::string>& values) {
    std::vector<Row> rows;
    for (const SampleMedicine& medicine : Medicines(values.at(0)))
        rows.push_back({DaysAgo(medicine.daysAgo), medicine.drug, medicine.dosage, medicine.quantity});
    return Rows({"Transdate", "Drug Name", "Dosage", "Quantity"}, rows);
}

// The earlier confinement as the confinement component lists it; the present one is the nurse-activity sample's.
void DeclareEarlierConfinementResults(SampleServer& server) {
    namespace statements = components::nurseactivity;
    const std::string idNum = EarlierInPatientIdNum;
    server.On(statements::ConfinementResults(idNum, "1")) = PostedMedicines({idNum});
    for (const char* kind : {"2", "3", "4"}) {
        std::vector<Row> rows;
        for (const SampleExam& exam : Exams(idNum))
            if (std::string(exam.kind) == kind)
                rows.push_back({exam.name, DaysAgo(exam.daysAgo), exam.interpretation});
        server.On(statements::ConfinementResults(idNum, kind))
            .Returns({"Examination", "Exam. Date", "Interpretation"}, rows);
    }
}

// The clinical summary template's own reads, of whichever confinement it prints.
Answer TemplateHistory(const std::vector<std::string>& values) {
    std::vector<SampleAdmission> samples = SampleAdmissions();
    for (SampleAdmission& earlier : EarlierSampleAdmissions())
        samples.push_back(std::move(earlier));
    std::vector<Row> rows;
    for (const SampleAdmission& sample : samples)
        if (sample.admission.IdNumber == values.at(0))
            rows.push_back(
                {sample.admission.History.AdmittingDiagnosis, sample.admission.History.ChiefComplaint, "", ""});
    return Rows({"ADMDiagnosis", "ChiefComplaint", "BriefHistory", "PhysicalExamination"}, rows);
}

void DeclareTemplateExams(SampleServer& server) {
    for (const char* table : {"tbXRResult", "tbUlResult", "tbCTResult"})
        server.OnRule(
            std::string("SELECT C.ItemID, C.Transdate, R.Interpretation FROM STATION..tbNurseCommunicationFile "
                        "AS C INNER JOIN Radiology..") +
                table + " AS R ON R.Requestnum = C.Requestnum WHERE C.IDNum = '{?}' ORDER BY C.Transdate",
            [table](const std::vector<std::string>& values) {
                std::vector<Row> rows;
                for (const SampleExam& exam : Exams(values.at(0)))
                    if (std::string(exam.resultTable) == table)
                        rows.push_back({exam.name, DaysAgo(exam.daysAgo), exam.interpretation});
                return Rows({"ItemID", "Transdate", "Interpretation"}, rows);
            });
}

} // namespace

const std::vector<std::string>& MasterAllergyColumns() {
    static const std::vector<std::string> columns = {"HospNum",    "AllergyID1", "AllergyID2", "AllergyID3",
                                                     "AllergyID4", "AllergyID5", "Others"};
    return columns;
}

const std::vector<std::string>& NurseProfileColumns() {
    static const std::vector<std::string> columns = {"HospNum",
                                                     "IDNum",
                                                     "PH1",
                                                     "PH2",
                                                     "PH3",
                                                     "PH4",
                                                     "FH1",
                                                     "FH2",
                                                     "FH3",
                                                     "FH4",
                                                     "PSH1",
                                                     "PSH2",
                                                     "PSH3",
                                                     "BriefHistory",
                                                     "PEskin",
                                                     "PEheadneck",
                                                     "PEthorax",
                                                     "PEabdomen",
                                                     "PEextremeties",
                                                     "PElympnodes",
                                                     "PEgenitalia",
                                                     "PErectal",
                                                     "PEneurological",
                                                     "PEOthers",
                                                     "Others"};
    return columns;
}

void DeclareChartProfile(SampleServer& server) {
    server.OnRule("Select * from PATIENT_DATA..tbMasterAllergies Where Hospnum ='{?}'", Allergies);
    server.OnRule("Select * from STATION..tbNurseProfile where Hospnum = '{?}' and IDNum = '{?}'", NurseProfile);
    server.OnRule(" Select Isnull(BriefHistory,'') As BriefHistory,  Isnull(PhysicalExamination,'') As "
                  "PhysicalExamination  From PATIENT_DATA..tbPatientHistory Where IDNum = '{?}';",
                  PatientHistory);
    server.OnRule("STATION..Nurse_GetPostedMedicines '{?}'", PostedMedicines);
    server.OnRule("SELECT ADMDiagnosis, ChiefComplaint, BriefHistory, PhysicalExamination FROM "
                  "PATIENT_DATA..tbPatientHistory WHERE IDNum = '{?}'",
                  TemplateHistory);
    DeclareTemplateExams(server);
    DeclareEarlierConfinementResults(server);
}

} // namespace sampleward
