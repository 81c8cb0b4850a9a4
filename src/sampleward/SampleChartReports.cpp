#include "platform/vb/Conversions.h"
#include "platform/vb/DateSerialNumber.h"
#include "platform/vb/DateTime.h"
#include "sampleward/SampleWard.h"

#include <algorithm>

namespace sampleward {

namespace {

const vb::Variant Null = vb::Variant::Null();

vb::Date DaysAgo(double days) { return vb::Date{Now().serial - days}; }

// The doctors' names as the sample's catalogue of doctors gives them.
const char* DoctorName(const std::string& code) { return code == "D0301" ? "NAVARRO, TERESA LOPEZ" : ""; }

// Both values stand for the admission, once for each bill table.
Answer Departments(const std::vector<std::string>& values) {
    return Rows({"RevenueID", "Lines", "Amount"}, DepartmentTotals(SampleBillLines(values.at(0))));
}

Answer HospitalBill(const std::vector<std::string>& values) {
    std::vector<Row> rows;
    for (const SampleBillLine& line : InBillOrder(SampleBillLines(values.at(0))))
        if (std::string(line.Department) != "MD")
            rows.push_back({line.Department, DaysAgo(line.DaysAgo), line.ChargeSlip, line.Item, line.Description,
                            line.Quantity, line.Amount});
    return Rows({"RevenueID", "Transdate", "RefNum", "ItemID", "Description", "Quantity", "Amount"}, rows);
}

Answer MedicalFees(const std::vector<std::string>& values) {
    std::vector<Row> rows;
    for (const SampleBillLine& line : InBillOrder(SampleBillLines(values.at(0))))
        if (std::string(line.Department) == "MD")
            rows.push_back(
                {DaysAgo(line.DaysAgo), line.ChargeSlip, line.Description, line.Amount, DoctorName(line.Item)});
    return Rows({"Transdate", "RefNum", "Description", "Amount", "Doctor"}, rows);
}

// The charges of both bill tables as each statement-of-account query reads them.
std::string BillSource(const std::string& columns) {
    return "(SELECT " + columns + " FROM BILLING..tbBillDailyBill WHERE IdNum = '{?}' UNION ALL SELECT " + columns +
           " FROM BILLING..tbBillOPDailyOut WHERE IdNum = '{?}') AS B";
}

void DeclareStatementOfAccount(SampleServer& server) {
    server.OnRule("SELECT RevenueID, COUNT(*) AS Lines, SUM(Amount) AS Amount FROM " + BillSource("RevenueID, Amount") +
                      " GROUP BY RevenueID ORDER BY RevenueID",
                  Departments);
    const std::string bill = "RevenueID, Transdate, RefNum, ItemID, Description, Quantity, Amount";
    server.OnRule("SELECT " + bill + " FROM " + BillSource(bill) +
                      " WHERE ISNULL(RevenueID, '') <> 'MD' ORDER BY RevenueID, Transdate",
                  HospitalBill);
    server.OnRule("SELECT B.Transdate, B.RefNum, B.Description, B.Amount, ISNULL(D.LastName + ', ' + D.FirstName + "
                  "ISNULL(' ' + D.MiddleName, ''), B.ItemID) AS Doctor FROM " +
                      BillSource("RevenueID, Transdate, RefNum, ItemID, Description, Amount") +
                      " LEFT OUTER JOIN BUILD_FILE..tbCoDoctor AS D ON D.DoctorID = B.ItemID WHERE B.RevenueID = "
                      "'MD' ORDER BY B.Transdate",
                  MedicalFees);
}

const char* const PatientNameColumn =
    "ISNULL(M.LastName + ', ' + M.FirstName + ISNULL(' ' + M.MiddleName, ''), '') AS PatientName";

std::string NameOf(const SampleAdmission& sample) {
    return sample.patient.Lastname + ", " + sample.patient.FirstName + " " + sample.patient.MiddleName;
}

Answer Patient(const std::vector<std::string>& values) {
    std::vector<Row> rows;
    for (const SampleAdmission& sample : SampleAdmissions())
        if (sample.admission.IdNumber == values.at(0))
            rows.push_back({sample.patient.HospitalNumber,
                            sample.admission.Room.RoomID == "OPD" ? Null : vb::Variant(sample.admission.Room.RoomID),
                            NameOf(sample)});
    return Rows({"HospNum", "RoomID", "PatientName"}, rows);
}

// Values: the first and last day of the range, then the station. Every sample request is the ward's own.
Answer StationRequests(const std::vector<std::string>& values) {
    const double from = SentDate(values.at(0)).serial;
    const double before = SentDate(values.at(1)).serial + 1;
    std::vector<SampleAdmission> admissions = SampleAdmissions();
    std::sort(admissions.begin(), admissions.end(),
              [](const SampleAdmission& a, const SampleAdmission& b) { return NameOf(a) < NameOf(b); });
    std::vector<Row> rows;
    for (const SampleAdmission& sample : admissions) {
        for (const SampleRequest& request : SampleRequests(sample.admission.IdNumber)) {
            const double requested = vb::CDate(request.Requested).serial;
            if (values.at(2) != StationID || request.Processed.IsNull() || requested < from || requested >= before)
                continue;
            rows.push_back({sample.admission.IdNumber, NameOf(sample), request.Department, request.Requested,
                            request.Description, request.Quantity, request.RequestedBy, request.Processed,
                            request.ProcessedBy});
        }
    }
    return Rows({"IDNum", "PatientName", "RevenueID", "Transdate", "Description", "Quantity", "UserID", "ProcessDate",
                 "ProcessBy"},
                rows);
}

// Values: the admission, then the station.
Answer AdmissionRequests(const std::vector<std::string>& values) {
    std::vector<Row> rows;
    for (const SampleRequest& request : SampleRequests(values.at(0)))
        if (values.at(1) == StationID && !request.Processed.IsNull())
            rows.push_back({request.Requested, request.Department, request.Description, request.Quantity,
                            request.RequestedBy, request.Processed, request.ProcessedBy, request.Resulted,
                            request.ResultBy});
    return Rows({"Transdate", "RevenueID", "Description", "Quantity", "UserID", "ProcessDate", "ProcessBy",
                 "ResultDate", "ResultBy"},
                rows);
}

void DeclareRequestLists(SampleServer& server) {
    const std::string stationOnly = "EXISTS (SELECT 1 FROM STATION..tbNurseLogBook AS L WHERE L.IDNum = C.IDNum AND "
                                    "L.RevenueID = C.RevenueID AND L.ItemID = C.ItemID AND L.StationID = '{?}')";
    const std::string description = "ISNULL(NULLIF(LTRIM(C.Description), ''), C.ItemID) AS Description";
    server.OnRule(std::string("SELECT C.IDNum, ") + PatientNameColumn + ", C.RevenueID, C.Transdate, " + description +
                      ", C.Quantity, C.UserID, C.ProcessDate, C.ProcessBy FROM STATION..tbNurseCommunicationFile AS "
                      "C LEFT OUTER JOIN (SELECT IDNum, HospNum FROM PATIENT_DATA..tbPatient UNION ALL SELECT IDNum, "
                      "HospNum FROM Patient_Data..tbOutPatient) AS A ON A.IDNum = C.IDNum LEFT OUTER JOIN "
                      "PATIENT_DATA..tbMaster AS M ON M.HospNum = A.HospNum WHERE ISNULL(C.RecordStatus, '') <> '' "
                      "AND C.Transdate >= '{?}' AND C.Transdate < DATEADD(day, 1, '{?}') AND " +
                      stationOnly + " ORDER BY PatientName, C.IDNum, C.Transdate, C.Requestnum",
                  StationRequests);
    server.OnRule("SELECT C.Transdate, C.RevenueID, " + description +
                      ", C.Quantity, C.UserID, C.ProcessDate, C.ProcessBy, C.ResultDate, C.ResultBy FROM "
                      "STATION..tbNurseCommunicationFile AS C WHERE C.IDNum = '{?}' AND ISNULL(C.RecordStatus, '') "
                      "<> '' AND " +
                      stationOnly + " ORDER BY C.Transdate, C.Requestnum",
                  AdmissionRequests);
}

// One line of a stock card: a charge ("I"), a cancellation ("D", booked negative) or a return ("C", booked
// positive on the slip it returns from, under its credit memo).
struct StockLine {
    double DaysAgo;
    const char* ChargeSlip;
    const char* CreditMemo;
    const char* ItemName;
    const char* EntryType;
    double Quantity;
    double Amount;
    bool Supply;
};

// The in-patient's medicines and supplies as the return window lists them: of the six paracetamol tablets two came
// back, so four can still be returned.
std::vector<StockLine> StockLines(const std::string& idNum) {
    if (idNum != InPatientIdNum)
        return {};
    return {{2, "CS-0001188", "", "PARACETAMOL 500MG TAB", "I", 6, 30, false},
            {1.8, "CS-0001190", "", "SYRINGE 5ML", "I", 3, 21, true},
            {1, "CS-0001201", "", "CEFUROXIME 750MG VIAL", "I", 2, 770, false},
            {0.5, "CS-0001188", "CM000101", "PARACETAMOL 500MG TAB", "C", 2, 10, false}};
}

Answer PostedItems(const std::string& idNum, bool supplies) {
    std::vector<Row> rows;
    for (const StockLine& line : StockLines(idNum)) {
        if (line.Supply != supplies)
            continue;
        const std::string entry = line.EntryType;
        const double sign = entry == "C" ? -1 : 1;
        rows.push_back({DaysAgo(line.DaysAgo), entry == "C" ? line.CreditMemo : line.ChargeSlip, line.ItemName,
                        entry == "C"   ? "Returned"
                        : entry == "D" ? "Cancelled"
                                       : "Issued",
                        sign * line.Quantity, sign * line.Amount, SampleNurseID});
    }
    return Rows({"TransDate", "Reference", "ItemName", "Kind", "Quantity", "Amount", "UserID"}, rows);
}

void DeclarePostedItems(SampleServer& server) {
    server.OnRule(std::string("SELECT A.HospNum, A.RoomID, ") + PatientNameColumn +
                      " FROM (SELECT IDNum, HospNum, RoomID FROM PATIENT_DATA..tbPatient UNION ALL SELECT IDNum, "
                      "HospNum, NULL FROM Patient_Data..tbOutPatient) AS A LEFT OUTER JOIN PATIENT_DATA..tbMaster AS "
                      "M ON M.HospNum = A.HospNum WHERE A.IDNum = '{?}'",
                  Patient);
    for (bool supplies : {false, true})
        server.OnRule(
            "SELECT S.TransDate, CASE WHEN S.EntryType = 'C' THEN S.CreditMemoNum ELSE S.Refnum END AS Reference, "
            "ISNULL(M.ItemName, S.ItemID) AS ItemName, CASE S.EntryType WHEN 'C' THEN 'Returned' WHEN 'D' THEN "
            "'Cancelled' ELSE 'Issued' END AS Kind, CASE WHEN S.EntryType = 'C' THEN -S.Quantity ELSE S.Quantity END "
            "AS Quantity, CASE WHEN S.EntryType = 'C' THEN -S.Amount ELSE S.Amount END AS Amount, S.UserID FROM "
            "INVENTORY..tbInvStockcard AS S INNER JOIN INVENTORY..tbInvLocation AS L ON L.LocationID = S.LocationID "
            "LEFT OUTER JOIN INVENTORY..tbInvMaster AS M ON M.ItemID = S.ItemID WHERE S.IdNum = '{?}' AND "
            "ISNULL(L.InventoryType, '') " +
                std::string(supplies ? "=" : "<>") + " 'C' ORDER BY S.TransDate",
            [supplies](const std::vector<std::string>& values) { return PostedItems(values.at(0), supplies); });
}

} // namespace

std::vector<SampleBillLine> SampleBillLines(const std::string& idNum) {
    if (idNum != InPatientIdNum)
        return {};
    return {{"MD", 2.5, "0004518", "D0301", "ADMISSION FEE", 1, 1500},
            {"SU", 2, "0004519", "SU010", "CARDIAC MONITOR (PER DAY)", 2, 1000},
            {"XR", 2, "CS-0001150", "XR001", "CHEST PA", 1, 600},
            {"PH", 2, "CS-0001188", "PARA500", "PARACETAMOL 500MG TAB", 6, 30},
            {"CS", 1.8, "CS-0001190", "SYR05", "SYRINGE 5ML", 3, 21},
            {"LB", 0.9, "CS-1001", "L001", "HEMOGLOBIN", 1, 120},
            {"LB", 0.9, "CS-1001", "L002", "WBC COUNT", 1, 150},
            {"LB", 0.9, "CS-1002", "L010", "CREATININE", 1, 200},
            {"PH", 1, "CS-0001201", "CEFU750", "CEFUROXIME 750MG VIAL", 2, 770},
            {"PH", 0.5, "CM000101", "PARA500", "PARACETAMOL 500MG TAB (RETURNED)", -2, -10}};
}

std::vector<SampleBillLine> InBillOrder(std::vector<SampleBillLine> lines) {
    std::stable_sort(lines.begin(), lines.end(), [](const SampleBillLine& a, const SampleBillLine& b) {
        const int department = std::string(a.Department).compare(b.Department);
        return department != 0 ? department < 0 : a.DaysAgo > b.DaysAgo;
    });
    return lines;
}

std::vector<Row> DepartmentTotals(const std::vector<SampleBillLine>& lines) {
    std::vector<Row> rows;
    for (const SampleBillLine& line : InBillOrder(lines)) {
        if (rows.empty() || vb::CStr(rows.back()[0]) != line.Department) {
            rows.push_back({line.Department, std::int32_t{1}, line.Amount});
            continue;
        }
        rows.back()[1] = vb::CLng(rows.back()[1]) + 1;
        rows.back()[2] = vb::CDbl(rows.back()[2]) + line.Amount;
    }
    return rows;
}

vb::Date SentDate(const std::string& text) {
    return vb::MakeDate({std::stoi(text.substr(0, 4)), std::stoi(text.substr(4, 2)), std::stoi(text.substr(6, 2))});
}

void DeclareChartReports(SampleServer& server) {
    DeclareStatementOfAccount(server);
    DeclareRequestLists(server);
    DeclarePostedItems(server);
}

} // namespace sampleward
