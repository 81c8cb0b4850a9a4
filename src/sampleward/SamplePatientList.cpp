#include "platform/vb/DateSerialNumber.h"
#include "platform/vb/DateTime.h"
#include "platform/vb/Strings.h"
#include "sampleward/SampleWard.h"

namespace sampleward {

namespace {

// A time of day on a day counted from today (0 today, -3 three days ago).
vb::Date DayAt(int daysFromToday, int hour, int minute) {
    const vb::Date today = vb::DateValue(Now());
    return vb::Date{today.serial + daysFromToday + vb::TimeSerial(hour, minute, 0).serial};
}

// One listed patient beyond the two the rest of the sample ward works with: how the list shows the row, and the
// admission the patient search finds for it.
struct ListedPatient {
    const char* hospNum;
    const char* idNum;
    const char* lastname;
    const char* firstName;
    const char* middleName;
    const char* station; // the station of the room; only "SIC" is listed for the station's own search
    const char* roomID;
    int admittedDaysAgo;
    int dischargedDaysAgo; // -1 while in the hospital
    bool billed;
    const char* flag;          // the cash-basis flag as the procedure gives it
    const char* cashBasisText; // ends in one character the list drops
    const char* accountNumber; // empty: the hospital number stands for it
    const char* company;
};

// Every colour and legend case of the list: billed, billed though flagged, cash basis with its text, a flag
// without a text, a flag that is not a number, plain rows; accounts of the patient, of a company and none.
constexpr ListedPatient Listed[] = {
    {"300103", "2026000103", "SANTOS", "MARIA", "LOPEZ", "SIC", "SIC-01", 6, -1, true, "0", "", "", ""},
    {"300104", "2026000104", "GARCIA", "JOSE", "RIZAL", "SIC", "SIC-03", 9, -1, true, "1", "LABORATORY ONLY.", "", ""},
    {"300105", "2026000105", "REYES", "ANA", "LUZ", "SIC", "SIC-04", 2, -1, false, "1",
     "CASH BASIS: LABORATORY AND PHARMACY.", "C-0042", "ZENTARI HEALTH PLAN"},
    {"300106", "2026000106", "CRUZ", "PEDRO", "DIAZ", "SIC", "SIC-05", 1, -1, false, "0", "", "300106", ""},
    {"300107", "2026000107", "BAUTISTA", "ELENA", "MARQUEZ", "SIC", "SIC-06", 4, -1, false, "1", "", "", ""},
    {"300108", "2026000108", "TORRES", "RAMON", "VILLA", "SIC", "SIC-01", 12, 0, true, "0", "", "C-0017",
     "TESSUN EMPLOYEES"},
    {"300109", "2026000109", "AQUINO", "LIZA", "SORIANO", "SIC", "SIC-02", 3, -1, false, "X", "NOT A NUMBER.", "", ""},
    {"300110", "2026000110", "DELOS SANTOS", "MARK", "LIM", "SIC", "SIC-03", 5, -1, false, "1", "X-RAY.", "", ""},
    {"300111", "2026000111", "NAVARRO", "ROSA", "TAN", "SIC", "SIC-04", 7, -1, false, "0", "", "", ""},
    {"300112", "2026000112", "MENDOZA", "CARLO", "YAP", "SIC", "SIC-05", 0, -1, false, "0", "", "", ""},
    {"300113", "2026000113", "VILLAR", "NINA", "CHUA", "SIC", "SIC-06", 2, -1, false, "0", "", "", ""},
    {"300201", "2026000201", "FLORES", "DIANA", "SY", "MED", "MED-12", 2, -1, false, "0", "", "", ""},
    {"300202", "2026000202", "RAMOS", "VICTOR", "GO", "PED", "PED-03", 1, -1, true, "0", "", "", ""},
};

const ListedPatient* FindListed(const std::string& idNum) {
    for (const ListedPatient& listed : Listed)
        if (idNum == listed.idNum)
            return &listed;
    return nullptr;
}

SampleAdmission MakeAdmission(const ListedPatient& p) {
    SampleAdmission sample;
    components::PatientData& patient = sample.patient;
    patient.HospitalNumber = p.hospNum;
    patient.Lastname = p.lastname;
    patient.FirstName = p.firstName;
    patient.MiddleName = p.middleName;
    patient.Sex = "F";
    patient.BirthDate = vb::MakeDate({1970, 1, 15});
    patient.Age = "56";
    patient.Address.CompleteAddress = "SAMPLE ADDRESS, ZENTARI CITY";
    patient.Account = {p.accountNumber, p.company};
    components::AdmissionData& admission = sample.admission;
    admission.IdNumber = p.idNum;
    admission.HospitalNumber = p.hospNum;
    admission.AdmissionDate = DayAt(-p.admittedDaysAgo, 10, 0);
    admission.DischargeDate =
        p.dischargedDaysAgo < 0 ? vb::Variant(std::int32_t{0}) : vb::Variant(DayAt(-p.dischargedDaysAgo, 8, 0));
    admission.BillingDate = p.billed ? vb::Variant(DayAt(0, 7, 0)) : vb::Variant(std::int32_t{0});
    admission.Age = "56";
    admission.RoomRate = 4500;
    for (components::NullableFlag* flag : {&admission.OkeyLab, &admission.OkeyXray, &admission.OkeyUltra,
                                           &admission.OkeyPH, &admission.OkeyCS, &admission.OkeyCT, &admission.OkeyPT,
                                           &admission.OkeyHS, &admission.OkeyRTS, &admission.OkeyNU, &admission.OkeyAU})
        *flag = vb::Trim(p.flag) != "1";
    admission.HowAdmitted.Description = "OUT-PATIENT DEPARTMENT";
    admission.Account = {p.accountNumber, p.company};
    admission.AttendingDoctor1 = {"D0302", "SORIANO, MIGUEL CRUZ"};
    admission.AdmittingDoctor = {"D0302", "SORIANO, MIGUEL CRUZ"};
    admission.History.AdmittingDiagnosis = "FOR OBSERVATION";
    admission.Room = {p.roomID, "C", 4500, {"ICU BED"}, {p.station, StationName}};
    return sample;
}

// A date of the list, Null where the admission has none (0).
vb::Variant ListDate(const vb::Variant& date) { return date.Type() == vb::VarType::Date ? date : vb::Variant::Null(); }

Row ListRow(const SampleAdmission& sample, const std::string& flag, const std::string& cashBasisText) {
    const components::PatientData& p = sample.patient;
    const components::AdmissionData& a = sample.admission;
    return {p.HospitalNumber,
            a.IdNumber,
            p.Lastname + ", " + p.FirstName + " " + p.MiddleName,
            ListDate(a.AdmissionDate),
            ListDate(a.DischargeDate),
            ListDate(a.BillingDate),
            flag,
            cashBasisText};
}

bool Matches(const std::string& text, const std::string& typed) {
    return typed.empty() || vb::UCase(text).starts_with(vb::UCase(typed));
}

// The in-patients of the station ('C') or of every ward ('A'), whose last name, hospital number and admission number
// begin with what was typed.
Answer PatientList(const std::vector<std::string>& values) {
    const bool allPatients = values[0] == "A";
    std::vector<Row> rows;
    for (const SampleAdmission& sample : SampleAdmissions()) {
        if (vb::Right(sample.admission.IdNumber, 1) == "B")
            continue;
        const ListedPatient* listed = FindListed(sample.admission.IdNumber);
        const bool ofStation = !listed || std::string(listed->station) == StationID;
        if (!allPatients && !ofStation)
            continue;
        if (!Matches(sample.patient.Lastname, values[1]) || !Matches(sample.patient.HospitalNumber, values[2]) ||
            !Matches(sample.admission.IdNumber, values[3]))
            continue;
        rows.push_back(ListRow(sample, listed ? listed->flag : "0", listed ? listed->cashBasisText : ""));
    }
    Answer answer;
    // The list's titles come from the result's column names.
    answer.Returns({"Hospital #", "ADM. Num.", "Patient Name", "Admission Date", "Discharged Date", "Billing Date",
                    "CashBasis", "Remarks"},
                   rows);
    return answer;
}

// The first listed patient keeps a maintained room.
Answer MaintainedRoom(const std::vector<std::string>& values) {
    Answer answer;
    std::vector<Row> rows;
    if (values[0] == Listed[0].idNum)
        rows.push_back({values[0]});
    answer.Returns({"IDNum"}, rows);
    return answer;
}

// A transfer from SIC-04 to SIC-06 waits for the cash-basis patient's confirmation; the sample ward forgets the
// answer, so it asks again.
Answer PendingTransfer(const std::vector<std::string>& values) {
    Answer answer;
    std::vector<Row> rows;
    if (values[0] == Listed[2].idNum)
        rows.push_back({"", "SIC-04", "SIC-06", std::int32_t{31}});
    answer.Returns({"Status", "OldRoomID", "NewRoomID", "TransNum"}, rows);
    return answer;
}

} // namespace

std::vector<SampleAdmission> ListedSampleAdmissions() {
    std::vector<SampleAdmission> admissions;
    for (const ListedPatient& listed : Listed)
        admissions.push_back(MakeAdmission(listed));
    return admissions;
}

void DeclarePatientList(SampleServer& server) {
    server.OnRule("STATION..sp_Get_SNCU_PatientList '{?}','{?}','{?}','{?}'", PatientList);
    server.OnRule("STATION..sp_Nurse_Check_Maintained_Room '{?}'", MaintainedRoom);
    server.OnRule("Select Isnull(RecordStatus,'') As Status,OriginalRoomID As OldRoomID,DestinationRoomID As "
                  "NewRoomID,TransNum from Patient_data..tbRoom_Transfer_Communication Where IDNum ='{?}' and "
                  "Isnull(RecordStatus,'')=''",
                  PendingTransfer);
    server.OnPattern("STATION..sp_Nurse_Update_NotificationForRoomTransfer '{?}','{?}','{?}','{?}','{?}',{?},{?}")
        .Affects(1);
}

} // namespace sampleward
