#pragma once

#include "platform/vb/DateSerialNumber.h"
#include "testkit/FixtureWard.h"

#include <string>
#include <vector>

namespace ward {
class frmFinal;
} // namespace ward

// The chart of the fixture ward: its report list, its exam catalogues, and one-line ways to open it.
namespace testkit::ward_fixture {

inline constexpr const char* ReportListQuery =
    "Select ReportType,'',ReportName [Report Name] From STATION..tbNurse_ReportList Where RecordStatus=1 Order By "
    "ReportName";
inline const std::vector<std::string> ReportListColumns = {"ReportType", "", "Report Name"};

// The ten report types, in report-name order.
std::vector<Row> ReportListRows();

// One exam catalogue as the chart opens it by name.
struct ExamCatalogue {
    std::string table;
    std::vector<std::string> columns;
    std::vector<Row> rows;
};
// The eleven catalogues in the order the chart reads them, a few exams each.
const std::vector<ExamCatalogue>& ExamCatalogues();

std::string AdmissionPackageQuery(const std::string& idNum);

// The statements of the chart's header load, by the admission's or patient's number as the chart's box holds it.
std::string DietQuery(const std::string& idNum);
std::string MembershipQuery(const std::string& idNum);
std::string PhilhealthQuery(const std::string& hospNum);
std::string PackageInfoQuery(const std::string& idNum);
std::string SeniorCitizenQuery(const std::string& idNum);
std::string VisitPackageQuery(const std::string& idNum);

// What the server answers to the header load of one admission.
struct HeaderAnswers {
    std::vector<Row> diet = {{"SOFT DIET", "D01"}};            // Diet, DietID
    std::vector<Row> membership = {{"MEMBER", "PHIC-MEMBER"}}; // Membership, ADMType
    std::vector<Row> philhealth = {{"1"}};                     // PATIENT_DATA..tbMaster2, read for out-patients
    bool vip = false;
};
// Declares the answers of the header load: the diet, the membership, the out-patient's PhilHealth, and the package
// information (no package, not a senior citizen).
void DeclareHeader(ScriptedServer& server, const std::string& idNum, const std::string& hospNum,
                   const HeaderAnswers& answers = {});

// The settings, the report list and the catalogues that every making and loading of the chart reads.
void DeclareChartSetUp(ScriptedServer& server, const SettingChanges& hospitalChanges = {});
// The same with no report and no exam.
void DeclareEmptyChartSetUp(ScriptedServer& server, const SettingChanges& hospitalChanges = {});

// The chart made and loaded with nobody's admission (the caller declares the set-up).
ward::frmFinal& LoadChart(TestApp& test);
// The chart loaded with no report, no exam and nobody's admission, for tests of its grids and helpers.
ward::frmFinal& LoadEmptyChart(TestApp& test, const SettingChanges& hospitalChanges = {});
// The chart as the patient list opens it on the fixture's admission: set-up, package and header declared, numbers
// written, shown. The header loads when the test fires Timer1.
ward::frmFinal& OpenChart(TestApp& test, const std::string& idNum = InPatientIdNum,
                          const std::string& hospNum = InPatientHospNum, const SettingChanges& hospitalChanges = {},
                          const HeaderAnswers& header = {});

// The nurses notes of the fixture's admissions: the in-patient's three notes by two nurses across the shifts (the
// last one stored with a back-quote where an apostrophe was typed), the out-patient's one.
struct FixtureNote {
    std::string number; // TransNum
    vb::Date written;
    std::string shift;
    std::string userID;
    std::string writer; // as the list names the nurse
    std::string text;
};
std::vector<FixtureNote> Notes(const std::string& idNum);
// What the list and the note's own row are read by.
std::string NotesQuery(const std::string& idNum);
std::string NoteQuery(const std::string& number);
inline const std::vector<std::string> NotesListColumns = {"TransDate", "DayShift", "EnteredBy", "UserID", "TransNum"};
inline const std::vector<std::string> NoteColumns = {"TransNum", "IDNum",  "Transdate", "Dayshift",
                                                     "Notes",    "UserID", "StationID"};
Row NoteRow(const FixtureNote& note, const std::string& idNum);
// The server's date and time the notes page is loaded at unless a test declares another: 12/11/2026 08:30 AM.
inline constexpr const char* ServerDateQuery = "select GETDATE() AS Tdate";
// Declares the admission's notes list and each note's row, and the server's date.
void DeclareNotes(ScriptedServer& server, const std::string& idNum);

// The vital signs the request component lists for an admission (kind "4"): two sets for the in-patient, three for
// the out-patient, oldest first.
inline const std::vector<std::string> VitalSignsColumns = {
    "DATE / TIME", "BLOOD PRESSURE", "Temperature", "RESPIRATORY RATE", "PULSE RATE", "Oxygen Saturation",
    "Encoder",     "ItemID",         "Protocol",    "Remarks",          "Remarks2",   "ScheduleTime"};
std::vector<Row> VitalSigns(const std::string& idNum);
void DeclareVitalSigns(TestApp& test, const std::string& idNum);
// The profile page's three reads, by the numbers as the chart's boxes hold them.
std::string AllergiesQuery(const std::string& hospNum);
std::string NurseProfileQuery(const std::string& hospNum, const std::string& idNum);
std::string PatientHistoryQuery(const std::string& idNum);
extern const std::vector<std::string> AllergyColumns;      // HospNum, AllergyID1 to AllergyID5, Others
extern const std::vector<std::string> NurseProfileColumns; // HospNum, IDNum, PH1-4, FH1-4, PSH1-3, texts
extern const std::vector<std::string> PatientHistoryColumns;

// What the server holds of one admission's profile; an empty list is no row.
struct ProfileRows {
    std::vector<Row> allergies, profile, history;
};
// The in-patient's profile: fish, penicillin and dust; measles and asthma; cancer and diabetes; smoking; the
// nurse's brief history and examination; the doctors' brief history and examination, which an in-patient shows.
ProfileRows InPatientProfile();
// The out-patient's: eggs, one past illness, no family or social history, and no history of the doctors.
ProfileRows OutPatientProfile();
// Declares the profile's reads of one admission (the history only for an in-patient).
void DeclareProfile(ScriptedServer& server, const std::string& idNum, const std::string& hospNum,
                    const ProfileRows& rows);

// The in-patient's confinements as the confinement list gives them: this admission and an earlier one, and the
// out-patient's visit; with the medicines and the x-ray, ultrasound and CT results of each.
inline constexpr const char* EarlierIdNum = "2025000877";
void AddConfinements(TestApp& test);
extern const std::vector<std::string> ConfinementColumns;
extern const std::vector<std::string> MedicineColumns;
extern const std::vector<std::string> ExaminationColumns;

} // namespace testkit::ward_fixture
