#include "platform/vb/Conversions.h"
#include "platform/vb/DateSerialNumber.h"
#include "platform/vb/DateTime.h"
#include "platform/vb/Strings.h"
#include "sampleward/SampleWard.h"

#include <map>

namespace sampleward {

namespace {

vb::Date DaysAgo(double days) { return vb::Date{Now().serial - days}; }

Answer Rows(std::vector<std::string> columns, std::vector<Row> rows) {
    Answer answer;
    answer.Returns(std::move(columns), std::move(rows));
    return answer;
}

std::string NameOf(const SampleAdmission& sample) {
    return sample.patient.Lastname + ", " + sample.patient.FirstName + " " + sample.patient.MiddleName;
}

bool HasDate(const vb::Variant& value) { return value.Type() == vb::VarType::Date; }

// The admissions whose room is at the station, visits left out.
std::vector<SampleAdmission> StationAdmissions() {
    std::vector<SampleAdmission> admissions;
    for (SampleAdmission& sample : SampleAdmissions())
        if (sample.admission.Room.Station.Code == StationID && vb::Right(sample.admission.IdNumber, 1) != "B")
            admissions.push_back(std::move(sample));
    return admissions;
}

// A range of whole days as the report sends it: its first day and the day after its last.
struct SentRange {
    double from, before;
    explicit SentRange(const std::vector<std::string>& values)
        : from(SentDate(values.at(0)).serial), before(SentDate(values.at(1)).serial + 1) {}
    bool Holds(const vb::Variant& date) const {
        const double serial = vb::CDate(date).serial;
        return serial >= from && serial < before;
    }
};

// What the station logged over the last days.
Answer StationLogs(const std::vector<std::string>& values) {
    struct Log {
        double daysAgo;
        const char* idNum;
        const char* remarks;
        const char* userID;
    };
    const Log logs[] = {{2.5, InPatientIdNum, "POSTED CHARGE SLIP 0004518", "N1001"},
                        {2, InPatientIdNum, "POSTED CHARGE SLIP 0004519", "N1001"},
                        {1.8, InPatientIdNum, "REQUESTED CHEST PA", "N1001"},
                        {0.5, InPatientIdNum, "RETURNED PARACETAMOL 500MG TAB UNDER CM000101", "N1002"},
                        {0.2, InPatientIdNum, "REQUESTED COMPLETE BLOOD COUNT", "N1001"}};
    const SentRange range(values);
    std::vector<Row> rows;
    for (const Log& log : logs)
        if (range.Holds(DaysAgo(log.daysAgo)))
            rows.push_back({DaysAgo(log.daysAgo), log.idNum, log.remarks, log.userID, "SIC-WS1", StationID});
    return Rows({"Transdate", "Idnum", "Remarks", "UserID", "Hostname", "StationID"}, rows);
}

// The requests of the period by department, those not yet processed counted as pending.
Answer RequestsByDepartment(const std::vector<std::string>& values) {
    const SentRange range(values);
    std::map<std::string, std::pair<std::int32_t, std::int32_t>> departments;
    for (const SampleAdmission& sample : SampleAdmissions())
        for (const SampleRequest& request : SampleRequests(sample.admission.IdNumber))
            if (range.Holds(request.Requested)) {
                auto& [requests, pending] = departments[request.Department];
                ++requests;
                pending += request.Processed.IsNull() ? 1 : 0;
            }
    std::vector<Row> rows;
    for (const auto& [department, counts] : departments)
        rows.push_back({department, counts.first, counts.second});
    return Rows({"RevenueID", "Requests", "Pending"}, rows);
}

// The station's admitted patients with their diets: the in-patient eats soft food, the others a regular diet.
Answer Diets(const std::vector<std::string>&) {
    std::vector<SampleAdmission> admissions;
    for (SampleAdmission& sample : StationAdmissions())
        if (!HasDate(sample.admission.DischargeDate))
            admissions.push_back(std::move(sample));
    std::sort(admissions.begin(), admissions.end(), [](const SampleAdmission& a, const SampleAdmission& b) {
        const int room = a.admission.Room.RoomID.compare(b.admission.Room.RoomID);
        return room != 0 ? room < 0 : NameOf(a) < NameOf(b);
    });
    std::vector<Row> rows;
    for (const SampleAdmission& sample : admissions)
        rows.push_back({sample.admission.Room.RoomID, sample.admission.IdNumber, NameOf(sample),
                        sample.admission.IdNumber == InPatientIdNum ? "SOFT DIET" : "REGULAR DIET"});
    return Rows({"RoomID", "IdNum", "PatientName", "Diet"}, rows);
}

// What the census procedure leaves for the day: the station's admissions, those sent home today marked so.
Answer Census(const std::vector<std::string>&) {
    std::vector<SampleAdmission> admissions = StationAdmissions();
    std::stable_sort(admissions.begin(), admissions.end(), [](const SampleAdmission& a, const SampleAdmission& b) {
        return a.admission.Room.RoomID < b.admission.Room.RoomID;
    });
    std::vector<Row> rows;
    for (const SampleAdmission& sample : admissions)
        rows.push_back({StationID, sample.admission.Room.RoomID, sample.admission.IdNumber, NameOf(sample),
                        sample.admission.AdmissionDate,
                        HasDate(sample.admission.DischargeDate) ? "DISCHARGED" : "ADMITTED"});
    return Rows({"StationID", "RoomID", "IdNum", "PatientName", "AdmDate", "Status"}, rows);
}

// What the discharge-list procedure leaves for the day: the station's patients discharged today.
Answer DischargesOfTheDay(const std::vector<std::string>&) {
    const double today = vb::DateValue(Now()).serial;
    std::vector<Row> rows;
    for (const SampleAdmission& sample : StationAdmissions()) {
        const vb::Variant& discharged = sample.admission.DischargeDate;
        if (HasDate(discharged) && vb::DateValue(vb::CDate(discharged)).serial == today)
            rows.push_back({sample.admission.Room.RoomID, sample.admission.IdNumber, NameOf(sample), discharged,
                            sample.admission.AttendingDoctor1.CompleteName});
    }
    return Rows({"RoomID", "IdNum", "PatientName", "DcrDate", "Doctor"}, rows);
}

// The station's charges in the period, every one of the in-patient's bill.
std::vector<SampleBillLine> StationCharges(const std::vector<std::string>& values) {
    const SentRange range({values.at(1), values.at(2)});
    std::vector<SampleBillLine> lines;
    if (values.at(0) != StationID)
        return lines;
    for (const SampleBillLine& line : SampleBillLines(InPatientIdNum))
        if (range.Holds(DaysAgo(line.DaysAgo)))
            lines.push_back(line);
    return InBillOrder(lines);
}

Answer IncomeLines(const std::vector<std::string>& values) {
    std::vector<Row> rows;
    for (const SampleBillLine& line : StationCharges(values))
        rows.push_back({line.Department, DaysAgo(line.DaysAgo), line.ChargeSlip, InPatientIdNum, line.Item,
                        line.Description, line.Quantity, line.Amount});
    return Rows({"RevenueID", "Transdate", "RefNum", "IdNum", "ItemID", "Description", "Quantity", "Amount"}, rows);
}

Answer IncomeByDepartment(const std::vector<std::string>& values) {
    return Rows({"RevenueID", "Lines", "Amount"}, DepartmentTotals(StationCharges(values)));
}

// The in-patient's notice went to billing this morning; a listed patient's is still preliminary.
Answer DischargeNotices(const std::vector<std::string>& values) {
    std::vector<Row> rows;
    if (values.at(0) == StationID)
        rows = {{"2026000111", DaysAgo(0.6), vb::Variant::Null(), vb::Variant::Null(), "Preliminary (not final)"},
                {InPatientIdNum, DaysAgo(0.25), DaysAgo(0.3), vb::DateValue(Now()), "Final notice sent to billing"}};
    return Rows({"IDNUM", "Noticedate", "OrderedDate", "BillUpTo", "Status"}, rows);
}

// An admission's requests, by department: processed ones with the status the department wrote.
Answer AdmissionRequests(const std::vector<std::string>& values) {
    std::vector<SampleRequest> requests = SampleRequests(values.at(0));
    std::stable_sort(requests.begin(), requests.end(),
                     [](const SampleRequest& a, const SampleRequest& b) { return a.Department < b.Department; });
    std::vector<Row> rows;
    for (const SampleRequest& request : requests)
        rows.push_back({request.Department, request.RequestNum, request.Code, request.Requested,
                        request.Processed.IsNull() ? "PENDING" : "X"});
    return Rows({"RevenueID", "Requestnum", "ItemID", "Transdate", "Status"}, rows);
}

} // namespace

void DeclareStationReports(SampleServer& server) {
    const std::string range = "Transdate >= '{?}' AND Transdate < DATEADD(day, 1, '{?}')";
    server.OnRule("SELECT Transdate, Idnum, Remarks, UserID, Hostname, StationID FROM STATION..tbStationLogs WHERE " +
                      range + " ORDER BY Transdate",
                  StationLogs);
    server.OnRule("SELECT RevenueID, COUNT(*) AS Requests, SUM(CASE WHEN ISNULL(RecordStatus, '') = '' THEN 1 ELSE 0 "
                  "END) AS Pending FROM STATION..tbNurseCommunicationFile WHERE " +
                      range + " GROUP BY RevenueID ORDER BY RevenueID",
                  RequestsByDepartment);
    server.OnRule("SELECT A.RoomID, A.IdNum, A.PatientName, D.Diet FROM PATIENT_DATA..tbPatient AS A LEFT OUTER JOIN "
                  "PATIENT_DATA..tbPatient2 AS B ON B.IdNum = A.IdNum LEFT OUTER JOIN BUILD_FILE..tbCoDiet AS D ON "
                  "D.DietID = B.DietID WHERE A.StationID = 'SIC' AND A.DcrDate IS NULL ORDER BY A.RoomID, "
                  "A.PatientName",
                  Diets);
    server.OnRule("SELECT StationID, RoomID, IdNum, PatientName, AdmDate, Status FROM PATIENT_DATA..tbCensusByStation "
                  "ORDER BY StationID, RoomID",
                  Census);
    server.OnRule("SELECT RoomID, IdNum, PatientName, DcrDate, Doctor FROM STATION..tbNurseDischargeList ORDER BY "
                  "DcrDate",
                  DischargesOfTheDay);
    server.OnRule("SELECT RevenueID, Transdate, RefNum, IdNum, ItemID, Description, Quantity, Amount FROM "
                  "BILLING..tbBillDailyBill WHERE StationID = '{?}' AND " +
                      range + " ORDER BY RevenueID, Transdate",
                  IncomeLines);
    server.OnRule("SELECT RevenueID, COUNT(*) AS Lines, SUM(Amount) AS Amount FROM BILLING..tbBillDailyBill WHERE "
                  "StationID = '{?}' AND " +
                      range + " GROUP BY RevenueID ORDER BY RevenueID",
                  IncomeByDepartment);
    server.OnRule("SELECT N.IDNUM, N.Noticedate, N.OrderedDate, N.BillUpTo, CASE LTRIM(RTRIM(N.RECORDSTATUS)) WHEN 'F' "
                  "THEN 'Final notice sent to billing' WHEN 'P' THEN 'Processing sheet printed: may go home' WHEN 'R' "
                  "THEN 'Revoked' WHEN 'Y' THEN 'Forwarded to billing' ELSE 'Preliminary (not final)' END AS Status "
                  "FROM STATION..TBNURSEDISCHARGENOTICE AS N WHERE N.StationID = '{?}' ORDER BY N.Noticedate",
                  DischargeNotices);
    server.OnRule("SELECT RevenueID, Requestnum, ItemID, Transdate, CASE WHEN ISNULL(RecordStatus, '') = '' THEN "
                  "'PENDING' ELSE RecordStatus END AS Status FROM STATION..tbNurseCommunicationFile WHERE IDNum = "
                  "'{?}' ORDER BY RevenueID, Transdate",
                  AdmissionRequests);
}

} // namespace sampleward
