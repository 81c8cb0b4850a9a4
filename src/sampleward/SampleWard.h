#pragma once

#include "components/PatientSearchComponent.h"
#include "sampleward/SampleServer.h"

#include <memory>
#include <string>
#include <vector>

// The sample ward: the surgical ICU "SIC" with its settings, a few employees, two patients and a notice waiting in
// each of the station's polls, all on the workstation's clock. It lets the program be tried, shown and tested
// without the hospital's server; nothing done on it is kept.
namespace sampleward {

inline constexpr const char* StationID = "SIC";
inline constexpr const char* StationName = "SURGICAL INTENSIVE CARE UNIT";

// The nurse who signs in to the sample ward. Both are shown to whoever starts it, as sample data.
inline constexpr const char* SampleNurseID = "N1001";
inline constexpr const char* SampleNurseAccessCode = "WARD1";

struct SampleEmployee {
    std::string code;
    std::string lastname, firstName, middleName;
    std::string position;
    std::string enciphered; // the access code as the user table keeps it
    std::string rights;     // as stored: each right number preceded by "|"
};
const std::vector<SampleEmployee>& SampleEmployees();
// The employee of that code, compared without case as the server's collation does; nullptr when none.
const SampleEmployee* FindEmployee(const std::string& code);

// One patient of the ward with the admission the patient search finds. An out-patient visit's number ends in "B".
struct SampleAdmission {
    components::AdmissionData admission;
    components::PatientData patient;
};
// Admitted a few days before now (the in-patient) and this morning (the out-patient visit), then the other
// patients the station's list shows.
std::vector<SampleAdmission> SampleAdmissions();
// The patients of the list beyond the first two: every colour and legend of the list, and two of other stations.
std::vector<SampleAdmission> ListedSampleAdmissions();
// Of the listed patients, the pharmacy has cleared one, and billing has placed another's supplies (with every other
// department and the ward's own charges) under cash basis.
inline constexpr const char* PharmacyClearedIdNum = "2026000106";
inline constexpr const char* SuppliesCashBasisIdNum = "2026000107";
inline constexpr const char* InPatientIdNum = "2026000101";
inline constexpr const char* InPatientHospNum = "300101";
// The oxygen tank whose last use left pressure in it; any other tank number has no history.
inline constexpr const char* SampleTankWithHistory = "17";
inline constexpr const char* OutPatientIdNum = "2026000102B";
inline constexpr const char* OutPatientHospNum = "300102";

// One request line of a sample patient as the request lists and the request reports read it: Null where the
// department has not processed or resulted it yet.
struct SampleRequest {
    std::string Description;
    std::int32_t Quantity = 0;
    std::string Department;
    vb::Variant Requested;
    std::string Code;
    std::string RequestedBy;
    vb::Variant Processed, ProcessedBy, Resulted, ResultBy, Remarks;
    std::string RequestNum;
};
// The in-patient's chest x-ray, processed and resulted, and blood count, still pending; the out-patient has none.
std::vector<SampleRequest> SampleRequests(const std::string& idNum);

// One set of vital signs of a sample patient, as the request list (kind "4") and the vital-signs sheet read it.
struct SampleVitalSign {
    vb::Date taken;
    std::string bloodPressure;
    double temperature = 0;
    std::int32_t respiratoryRate = 0, pulseRate = 0;
    std::string saturation, encoder;
};
// Several sets for each of the two admissions, oldest first.
std::vector<SampleVitalSign> SampleVitalSigns(const std::string& idNum);

// The workstation's local date and time.
vb::Date Now();

// The columns of PATIENT_DATA..tbHospitalInfo that the hospital settings are read from.
const std::vector<std::string>& HospitalInfoColumns();

// The catalogues the code search lists: doctors, diets, stations, dosages, revenue items, examinations and their
// amounts.
void DeclareCatalogues(SampleServer& server);
// The pharmacy's and central supply's items and generics, the number series and the (empty) stock cards.
void DeclareDrugs(SampleServer& server);
// Declares the hospitals a patient may be transferred to, as the hospital search and its look-up list them.
void DeclareHospitals(SampleServer& server);
// Declares on the server every statement the sample ward answers.
void DeclareSampleWard(SampleServer& server);
// Declares the requests, vital signs, results and confinements of the patients as the nurse-activity lists read them.
void DeclareNurseActivity(SampleServer& server);
// Declares the patients' admissions, visits, doctors and rooms as the patient search reads them.
void DeclarePatientRecords(SampleServer& server);
// Declares the in-patient's released laboratory results with their requests and slips, as the result viewer reads them.
void DeclareLabResults(SampleServer& server);
// Declares the chart's exam catalogues, its report list and the admissions' packages.
void DeclareChart(SampleServer& server);
// Declares what the chart's header reads of each sample admission: diet, PhilHealth membership and package notes.
void DeclareChartHeader(SampleServer& server);
// One charge of an admission's bill.
struct SampleBillLine {
    const char* Department;
    double DaysAgo;
    const char* ChargeSlip;
    const char* Item; // the doctor's code on a doctor's fee
    const char* Description;
    double Quantity;
    double Amount;
};
// The in-patient's charges, all posted by the station: the ward's monitor, the chest x-ray, the laboratory's three
// results, the medicines and supplies of its stock cards with the return credited, and the attending doctor's
// admission fee. The out-patient has not been charged yet.
std::vector<SampleBillLine> SampleBillLines(const std::string& idNum);
// The lines by department, each department's oldest first.
std::vector<SampleBillLine> InBillOrder(std::vector<SampleBillLine> lines);
// One row per department: RevenueID, the number of lines and their amount, in department order.
std::vector<Row> DepartmentTotals(const std::vector<SampleBillLine>& lines);
// A date a report sent as 'yyyymmdd hh:nn:ss'.
vb::Date SentDate(const std::string& text);
// Declares the statement of account, the processed-request lists and the posted medicines and supplies of the
// patients as the chart's report templates read them.
void DeclareChartReports(SampleServer& server);
// Declares the station's patient list, the maintained room and the room transfer waiting for confirmation.
void DeclarePatientList(SampleServer& server);
// Declares what the chart's results pages read besides the results component: the radiology row views, the
// radiology printout's look-up, staging and report, and the laboratory table's day range and graph.
void DeclareResultsPages(SampleServer& server);
// Declares the nurses notes of both admissions (two nurses across the shifts), each note's own row, the saves of notes
// and vital signs, and what the notes and vital-signs printouts read.
void DeclareChartNursing(SampleServer& server);
// Declares the in-patient's heart-station results, the exams of its package and what their reports read.
void DeclareHeartStation(SampleServer& server);
// Declares the station's verified results waiting to be printed and the marks of those printed.
void DeclareVerifiedResults(SampleServer& server);
// Declares what the chart's action bar asks before it opens a window: clearances, patient's medicine, the ward's
// cash basis, remote-control charges and the departments to charge or assess.
void DeclareChartGates(SampleServer& server);
// Declares what the request dialog asks of the exams the code search finds for the in-patient: earlier requests,
// profiles, specimens, priorities and maximum quantities, and the transplant and dialysis save of the remarks.
void DeclareRequestEntry(SampleServer& server);
// The charge window's answers: the posted charges, the stock locations of the charging codes, the oxygen tanks, the
// room class and AR codes that price a row.
void DeclareCharges(SampleServer& server);
// The receivable update's billed and cash-basis patients, in and out, and the checks of their pick.
void DeclareReceivables(SampleServer& server);
// The request cart's picks: the exam checks, profiles, specimens and priorities of the quick lists' exams, and the
// international admission.
void DeclareRequestCart(SampleServer& server);
// Declares the in-patient's laboratory exams posted on two charge slips, as the request form's reprint lists them.
void DeclareLabFormReprint(SampleServer& server);
// The columns of STATION..sp_Nurse_Clinical_AssessmentStatus as the chart's assessment list shows them: 3 the
// department, 5 the amount, 8 the assessment, 9 its status, 11 its date; the others are hidden.
const std::vector<std::string>& AssessmentStatusColumns();
// The query of the pending requests' printout, with the station literal (or a pattern standing for it).
std::string PendingRequestsPrintout(const std::string& station);
// Declares the profile of each sample admission (allergies, nursing profile, the doctors' history of in-patients)
// and what the clinical summary and its template read besides the confinement lists.
void DeclareChartProfile(SampleServer& server);
// The columns of PATIENT_DATA..tbMasterAllergies and STATION..tbNurseProfile as the profile reads them.
const std::vector<std::string>& MasterAllergyColumns();
const std::vector<std::string>& NurseProfileColumns();
// The in-patient's earlier confinement, which the clinical summary lists beside the present one; the patient search
// finds it like any admission.
inline constexpr const char* EarlierInPatientIdNum = "2025000433";
std::vector<SampleAdmission> EarlierSampleAdmissions();
// Declares what the station's reports of the main menu read: the logs, the requests, the diets, the census and the
// discharges of the day, the station's income, the discharge notices and an admission's requests.
void DeclareStationReports(SampleServer& server);
// Declares the operating rooms, their day settings, the bookings of each day, the scheduling clock and the
// station's requests, with the saving and revoking of a request.
void DeclareORSchedule(SampleServer& server);
// Declares the charge-slip counter as the slip setting reads and moves it (4521, the next number the charge saves
// take) and the slips just below it that are used already.
void DeclareSlipCounter(SampleServer& server);
// A server holding the sample ward.
std::unique_ptr<SampleServer> OpenSampleWard();

} // namespace sampleward
