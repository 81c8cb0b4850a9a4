#include "testkit/FixtureChart.h"

#include "chart/frmFinal.h"
#include "platform/db/SqlText.h"
#include "platform/vb/DateSerialNumber.h"
#include "platform/vb/Strings.h"
#include "sampleward/SampleWard.h"

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
    // The request lists' reloads find no clinical assessment unless a test declares one.
    server.OnPattern("STATION..sp_Nurse_Clinical_AssessmentStatus '{?}'")
        .Returns(sampleward::AssessmentStatusColumns(), {});
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

std::vector<FixtureNote> Notes(const std::string& idNum) {
    if (idNum == InPatientIdNum)
        return {
            {"101", vb::MakeDate({2026, 12, 8, 7, 15, 0}), "6AM-2PM", NurseCode, "SANTOS, MARIA",
             "Patient rested well. Vital signs stable."},
            {"102", vb::MakeDate({2026, 12, 9, 15, 40, 0}), "2PM-10PM", ActingNurseCode, "REYES, ANA",
             "Complained of pain at the incision site; doctor informed."},
            {"103", vb::MakeDate({2026, 12, 10, 23, 20, 0}), "10PM-6AM", NurseCode, "SANTOS, MARIA",
             "Slept through the night; patient`s IV line patent."},
        };
    if (idNum == OutPatientIdNum)
        return {{"201", vb::MakeDate({2026, 12, 10, 9, 5, 0}), "6AM-2PM", ActingNurseCode, "REYES, ANA",
                 "Wound dressing changed; no discharge."}};
    return {};
}

std::string NotesQuery(const std::string& idNum) { return "STATION..Nurse_GetNotes '" + idNum + "'"; }

std::string NoteQuery(const std::string& number) {
    return "Select * from station..tbNurseNotes where transnum = " + number;
}

Row NoteRow(const FixtureNote& note, const std::string& idNum) {
    return {std::int32_t{std::stoi(note.number)}, idNum, note.written, note.shift, note.text, note.userID, StationID};
}

void DeclareNotes(ScriptedServer& server, const std::string& idNum) {
    server.On(ServerDateQuery).Returns({"Tdate"}, {{vb::MakeDate({2026, 12, 11, 8, 30, 0})}});
    std::vector<Row> list;
    for (const FixtureNote& note : Notes(idNum)) {
        list.push_back({note.written, note.shift, note.writer, note.userID, std::int32_t{std::stoi(note.number)}});
        server.On(NoteQuery(note.number)).Returns(NoteColumns, {NoteRow(note, idNum)});
    }
    server.On(NotesQuery(idNum)).Returns(NotesListColumns, list);
}

std::vector<Row> VitalSigns(const std::string& idNum) {
    const vb::Variant Null = vb::Variant::Null();
    if (idNum == InPatientIdNum)
        return {{vb::MakeDate({2026, 12, 8, 8, 0, 0}), "120/80", "37.2", "18", "76", "98", NurseCode, Null, Null, Null,
                 Null, Null},
                {vb::MakeDate({2026, 12, 9, 16, 0, 0}), "130/85", "37.9", "20", "88", "97", ActingNurseCode, "V1", "Q4",
                 "FEVERISH", Null, vb::MakeDate({2026, 12, 9, 20, 0, 0})}};
    if (idNum == OutPatientIdNum)
        return {{vb::MakeDate({2026, 12, 10, 8, 30, 0}), "110/70", "36.8", "16", "72", Null, ActingNurseCode, Null,
                 Null, Null, Null, Null},
                {vb::MakeDate({2026, 12, 10, 10, 30, 0}), "115/75", "37.0", "16", "70", "99", ActingNurseCode, Null,
                 Null, Null, Null, Null},
                {vb::MakeDate({2026, 12, 10, 12, 30, 0}), "118/76", "37.1", "17", "74", "99", NurseCode, Null, Null,
                 Null, Null, Null}};
    return {};
}

void DeclareVitalSigns(TestApp& test, const std::string& idNum) {
    test.requestObject.results[{idNum, "4"}] = MakeTable(VitalSignsColumns, VitalSigns(idNum));
}

} // namespace testkit::ward_fixture

namespace testkit::ward_fixture {

std::string AllergiesQuery(const std::string& hospNum) {
    return "Select * from PATIENT_DATA..tbMasterAllergies Where Hospnum ='" + hospNum + "'";
}

std::string NurseProfileQuery(const std::string& hospNum, const std::string& idNum) {
    return "Select * from STATION..tbNurseProfile where Hospnum = '" + hospNum + "' and IDNum = '" + idNum + "'";
}

std::string PatientHistoryQuery(const std::string& idNum) {
    return " Select Isnull(BriefHistory,'') As BriefHistory,  Isnull(PhysicalExamination,'') As PhysicalExamination "
           " From PATIENT_DATA..tbPatientHistory Where IDNum = '" +
           idNum + "';";
}

const std::vector<std::string> AllergyColumns = sampleward::MasterAllergyColumns();
const std::vector<std::string> NurseProfileColumns = sampleward::NurseProfileColumns();
const std::vector<std::string> PatientHistoryColumns = {"BriefHistory", "PhysicalExamination"};

ProfileRows InPatientProfile() {
    return {{{InPatientHospNum, "F1", "M1", "O2", "", "", "SEAFOOD RASH"}},
            {{InPatientHospNum,
              InPatientIdNum,
              "1",
              "12",
              "",
              "",
              "1",
              "5",
              "",
              "",
              "1",
              "",
              "",
              "PAIN SINCE MORNING",
              "WARM, DRY",
              "NO MASS",
              "CLEAR BREATH SOUNDS",
              "TENDER RLQ",
              "NO EDEMA",
              "NOT PALPABLE",
              "NORMAL",
              "DEFERRED",
              "GCS 15",
              "NURSE'S NOTE OF EXAM",
              "MOTHER'S ASTHMA"}},
            {{"ONSET 2 DAYS AGO, VOMITING", "McBURNEY POINT TENDERNESS"}}};
}

ProfileRows OutPatientProfile() {
    return {{{OutPatientHospNum, "F2", "", "", "", "", ""}},
            {{OutPatientHospNum,  OutPatientIdNum,  "3", "", "", "", "", "", "", "", "", "", "",
              "CUT ON LEFT HAND", "LACERATION 2CM", "",  "", "", "", "", "", "", "", "", ""}},
            {}};
}

void DeclareProfile(ScriptedServer& server, const std::string& idNum, const std::string& hospNum,
                    const ProfileRows& rows) {
    server.On(AllergiesQuery(hospNum)).Returns(AllergyColumns, rows.allergies);
    server.On(NurseProfileQuery(hospNum, idNum)).Returns(NurseProfileColumns, rows.profile);
    if (vb::Right(vb::Trim(idNum), 1) != "B")
        server.On(PatientHistoryQuery(vb::Trim(idNum))).Returns(PatientHistoryColumns, rows.history);
}

const std::vector<std::string> ConfinementColumns = {"Admision No.", "Admision Date/Time", "Discharged Date/Time",
                                                     "Room"};
const std::vector<std::string> MedicineColumns = {"Transdate", "Drug Name", "Dosage", "Quantity"};
const std::vector<std::string> ExaminationColumns = {"Examination", "Exam. Date", "Interpretation"};

namespace {

components::AdmissionData EarlierAdmission(const components::AdmissionData& current) {
    components::AdmissionData earlier = current;
    earlier.IdNumber = EarlierIdNum;
    earlier.AdmissionDate = vb::MakeDate({2025, 3, 2, 14, 10, 0});
    earlier.DischargeDate = vb::MakeDate({2025, 3, 9, 10, 0, 0});
    earlier.Age = "63";
    earlier.AttendingDoctor1 = {"D0103", "DR. PEDRO GO"};
    earlier.AdmittingDoctor = {"D0104", "DR. LILIA ONG"};
    earlier.History = {"PNEUMONIA", "FEVER AND COUGH", "COMMUNITY-ACQUIRED PNEUMONIA", "", "", "", ""};
    earlier.Room.RoomID = "SIC-01";
    return earlier;
}

void Listing(FakeListings& component, const std::string& key, const std::string& kind,
             const std::vector<std::string>& columns, const std::vector<Row>& rows) {
    component.results[{key, kind}] = MakeTable(columns, rows);
}

} // namespace

void AddConfinements(TestApp& test) {
    const vb::Variant Null = vb::Variant::Null();
    FakeAdmissionRecord current = test.patientSearch.admissions.at(InPatientIdNum);
    test.patientSearch.admissions[EarlierIdNum] = {EarlierAdmission(current.admission), current.patient};
    test.patientSearch.admissions[EarlierIdNum].patient.Age = "63";
    Listing(test.confinementObject, InPatientHospNum, "", ConfinementColumns,
            {{InPatientIdNum, vb::MakeDate({2026, 12, 7, 9, 30, 0}), Null, "SIC-03"},
             {EarlierIdNum, vb::MakeDate({2025, 3, 2, 14, 10, 0}), vb::MakeDate({2025, 3, 9, 10, 0, 0}), "SIC-01"}});
    Listing(test.confinementObject, OutPatientHospNum, "", ConfinementColumns,
            {{OutPatientIdNum, vb::MakeDate({2026, 12, 10, 8, 15, 0}), Null, Null}});

    FakeConfinementResults& results = test.confinementResultsObject;
    Listing(results, EarlierIdNum, "1", MedicineColumns,
            {{vb::MakeDate({2025, 3, 3}), "CEFUROXIME 750MG VIAL", "1 VIAL EVERY 8 HOURS", 9},
             {vb::MakeDate({2025, 3, 4}), "SALBUTAMOL NEBULE", "1 NEB EVERY 6 HOURS", 12}});
    Listing(results, EarlierIdNum, "2", ExaminationColumns,
            {{"CHEST PA", vb::MakeDate({2025, 3, 2}), "Right lower lobe pneumonia."}});
    Listing(results, EarlierIdNum, "3", ExaminationColumns,
            {{"WHOLE ABDOMEN", vb::MakeDate({2025, 3, 5}), "Normal liver and gallbladder."}});
    Listing(results, EarlierIdNum, "4", ExaminationColumns,
            {{"CT CHEST PLAIN", vb::MakeDate({2025, 3, 6}), "Consolidation, right lower lobe."}});
    Listing(results, InPatientIdNum, "1", MedicineColumns,
            {{vb::MakeDate({2026, 12, 8}), "PARACETAMOL 500MG TAB", "1 TAB EVERY 4 HOURS", 6}});
    Listing(results, OutPatientIdNum, "2", ExaminationColumns,
            {{"LEFT HAND AP/OBLIQUE", vb::MakeDate({2026, 12, 10}), "No fracture."}});
}

} // namespace testkit::ward_fixture
