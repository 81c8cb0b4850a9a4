#include "components/NurseActivity.h"

#include "components/NurseActivityComponents.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/Strings.h"
#include "platform/vb/VbError.h"

#include <cmath>
#include <functional>
#include <map>
#include <tuple>

namespace components {

using ConnectionSource = std::function<db::Connection&()>;

namespace nurseactivity {

namespace {

const char* const kRequestFields =
    "ISNULL(NULLIF(LTRIM(C.Description), ''), C.ItemID) AS [ITEM DESCRIPTION], C.Quantity AS [QTY], "
    "C.RevenueID AS [DEPT], C.Transdate AS [Request Date/Time], C.ItemID AS [Code], C.UserID AS [REQUESTED BY], "
    "C.ProcessDate AS [PROCESS DATE/TIME], C.ProcessBy AS [PROCESSED BY], C.ResultDate AS [RESULT DATE/TIME], "
    "C.ResultBy AS [RESULT BY], C.Remarks AS [Remarks]";

// A request has a released result once one of the radiology result tables holds a row of its number.
const char* const kHasResult = "(EXISTS (SELECT 1 FROM Radiology..tbXRResult R WHERE R.Requestnum = C.Requestnum) OR "
                               "EXISTS (SELECT 1 FROM Radiology..tbUlResult R WHERE R.Requestnum = C.Requestnum) OR "
                               "EXISTS (SELECT 1 FROM Radiology..tbCTResult R WHERE R.Requestnum = C.Requestnum))";

struct Radiology {
    const char* results;
    const char* exams;
};

// The result table and the exam catalogue of x-ray, ultrasound and CT.
const Radiology kXray{"Radiology..tbXRResult", "BUILD_FILE..tbCoXrayExam"};
const Radiology kUltrasound{"Radiology..tbUlResult", "BUILD_FILE..tbCoultraExam"};
const Radiology kCT{"Radiology..tbCTResult", "STATION..CTExams"};

std::string Quoted(const std::string& text) { return db::SqlQuote(vb::Trim(text)); }

} // namespace

// Assumes STATION..tbNurseCommunicationFile holds one line per request (IDNum, RevenueID, ItemID, Requestnum,
// Transdate, RecordStatus empty while the department has not processed it, as the shipped templates read it) and
// keeps Description, Quantity, UserID, ProcessDate, ProcessBy, ResultDate, ResultBy and Remarks; to be checked
// against the hospital's database. Kind "4" assumes STATION..tbNurseVitalSigns (IdNum, Transdate, BloodPressure,
// Temperature, RespiratoryRate, PulseRate, O2Sat, Encoder as the vital-signs sheet reads them) keeps ItemID,
// Protocol, Remarks, Remarks2 and ScheduleTime too.
std::string Requests(const std::string& idNum, const std::string& kind) {
    const std::string id = Quoted(idNum);
    const std::string pending = "ISNULL(C.RecordStatus, '') = ''";
    if (kind == "1")
        return std::string("SELECT ") + kRequestFields +
               " FROM STATION..tbNurseCommunicationFile C WHERE C.IDNum = " + id + " AND NOT " + pending +
               " ORDER BY C.Transdate, C.Requestnum";
    if (kind == "2")
        return std::string("SELECT ") + kRequestFields +
               ", C.Requestnum AS [Requestnum] FROM STATION..tbNurseCommunicationFile C WHERE C.IDNum = " + id +
               " AND " + pending + " ORDER BY C.Transdate, C.Requestnum";
    if (kind == "3")
        return std::string("SELECT ") + kRequestFields +
               " FROM STATION..tbNurseCommunicationFile C WHERE C.IDNum = " + id + " AND NOT " + pending + " AND " +
               kHasResult + " ORDER BY C.Transdate, C.Requestnum";
    if (kind == "4")
        return "SELECT Transdate AS [DATE / TIME], BloodPressure AS [BLOOD PRESSURE], Temperature AS [Temperature], "
               "RespiratoryRate AS [RESPIRATORY RATE], PulseRate AS [PULSE RATE], O2Sat AS [Oxygen Saturation], "
               "Encoder AS [Encoder], ItemID AS [ItemID], Protocol AS [Protocol], Remarks AS [Remarks], "
               "Remarks2 AS [Remarks2], ScheduleTime AS [ScheduleTime] FROM STATION..tbNurseVitalSigns WHERE IdNum = " +
               id + " ORDER BY Transdate";
    return "";
}

namespace {

const Radiology* ResultsKind(const std::string& kind) {
    static const std::map<std::string, const Radiology*> kinds = {{"1", &kXray}, {"2", &kUltrasound}, {"3", &kCT}};
    auto found = kinds.find(kind);
    return found == kinds.end() ? nullptr : found->second;
}

const Radiology* ConfinementKind(const std::string& kind) {
    static const std::map<std::string, const Radiology*> kinds = {{"2", &kXray}, {"3", &kUltrasound}, {"4", &kCT}};
    auto found = kinds.find(kind);
    return found == kinds.end() ? nullptr : found->second;
}

// Joins a result table to the admission's request lines (the result tables are keyed by request alone) and to the
// catalogue that names its exams.
std::string ResultSource(const Radiology& radiology, const std::string& idNum) {
    return std::string(" FROM STATION..tbNurseCommunicationFile C INNER JOIN ") + radiology.results +
           " R ON R.Requestnum = C.Requestnum LEFT OUTER JOIN " + radiology.exams +
           " E ON E.Code = R.ItemCode WHERE C.IDNum = " + Quoted(idNum);
}

} // namespace

// Assumes the result tables hold Requestnum, ItemCode, Interpretation, ResultDate and the reading doctor's DoctorID,
// and the catalogues Code and Description; to be checked against the hospital's database.
std::string RadiologyResults(const std::string& idNum, const std::string& kind) {
    const Radiology* radiology = ResultsKind(kind);
    if (!radiology)
        return "";
    return "SELECT R.Requestnum AS [TRANS. NO], ISNULL(E.Description, R.ItemCode) AS [EXAM. NAME], "
           "C.Transdate AS [TRANS. DATE], R.ResultDate AS [RESULT DATE], D.Lastname AS [DR. LASTNAME], "
           "D.Firstname AS [DR. FIRSTNAME], D.Middlename AS [Dr. MiddleName], R.Interpretation AS [Interpretation]" +
           ResultSource(*radiology, idNum) + " ORDER BY R.ResultDate, R.Requestnum";
}

std::string LabResults(const std::string& idNum) {
    return "STATION..sp_Nurse_GetPatient_LabResult_NormalValues " + Quoted(idNum);
}

// Assumes STATION..tbNurseLogBook carries the request number (RequestNum) of the line it charged, beside IDNum,
// RevenueID, ItemID and ReferenceNum (the charge slip); to be checked against the hospital's database.
std::string LabRequests(const std::string& idNum) {
    return "SELECT C.ItemID, C.Requestnum, C.Transdate, L.ReferenceNum FROM STATION..tbNurseCommunicationFile C "
           "LEFT OUTER JOIN STATION..tbNurseLogBook L ON L.IDNum = C.IDNum AND L.RevenueID = C.RevenueID AND "
           "L.ItemID = C.ItemID AND L.RequestNum = C.Requestnum WHERE C.IDNum = " +
           Quoted(idNum) + " AND C.RevenueID = 'LB' ORDER BY C.Transdate, C.Requestnum";
}

// The admissions of PATIENT_DATA..tbPatient and the visits of Patient_Data..tbOutPatient (a visit has no room) by
// HospNum, as the patient search reads them.
std::string Confinements(const std::string& hospitalNumber, const vb::Variant& upTo) {
    const std::string patient = Quoted(hospitalNumber);
    std::string limit;
    if (vb::IsDate(upTo))
        limit = " AND AdmDate <= " + db::SqlLiteral(vb::CDate(upTo));
    return "SELECT IDNum AS [Admision No.], AdmDate AS [Admision Date/Time], DcrDate AS [Discharged Date/Time], "
           "RoomID AS [Room] FROM PATIENT_DATA..tbPatient WHERE HospNum = " +
           patient + limit +
           " UNION ALL SELECT IDNum, AdmDate, DcrDate, NULL FROM Patient_Data..tbOutPatient WHERE HospNum = " +
           patient + limit + " ORDER BY [Admision Date/Time] DESC";
}

// Kind "1" assumes INVENTORY..tbInvStockcard keeps IdNum, ItemID, LocationID, Transdate, Quantity and DosageID per
// line, INVENTORY..tbInvLocation marks central supply "C" in InventoryType (every other location dispenses
// medicines), INVENTORY..tbInvMaster names the item in ItemName and BUILD_FILE..tbCoDosage names the dosage; to be
// checked against the hospital's database.
std::string ConfinementResults(const std::string& idNum, const std::string& kind) {
    if (kind == "1")
        return "SELECT S.Transdate AS [Transdate], ISNULL(M.ItemName, S.ItemID) AS [Drug Name], "
               "D.Dosage AS [Dosage], S.Quantity AS [Quantity] FROM INVENTORY..tbInvStockcard S "
               "INNER JOIN INVENTORY..tbInvLocation L ON L.LocationID = S.LocationID "
               "LEFT OUTER JOIN INVENTORY..tbInvMaster M ON M.ItemID = S.ItemID "
               "LEFT OUTER JOIN BUILD_FILE..tbCoDosage D ON D.DosageID = S.DosageID WHERE S.IdNum = " +
               Quoted(idNum) + " AND ISNULL(L.InventoryType, '') <> 'C' ORDER BY S.Transdate";
    const Radiology* radiology = ConfinementKind(kind);
    if (!radiology)
        return "";
    return "SELECT ISNULL(E.Description, R.ItemCode) AS [Examination], C.Transdate AS [Exam. Date], "
           "R.Interpretation AS [Interpretation]" +
           ResultSource(*radiology, idNum) + " ORDER BY C.Transdate, R.Requestnum";
}

} // namespace nurseactivity

namespace {

using namespace nurseactivity;

[[noreturn]] void RaiseUnknownKind(const std::string& list, const std::string& kind) {
    throw vb::VbError(5, "The " + list + " has no kind \"" + kind + "\".");
}

// Every list comes whole, on its first row, so the caller can count it and show progress.
db::Recordset OpenList(db::Connection& connection, const std::string& sql) {
    return connection.Open(sql, db::CursorType::Static, db::LockType::ReadOnly);
}

// Every list reads the shared connection at each call and holds nothing to release.
template <class Interface> class OnConnection : public Interface {
public:
    explicit OnConnection(ConnectionSource connection) : connection(std::move(connection)) {}
    void Class_Terminate() override {}

protected:
    ConnectionSource connection;
};

class RequestList : public OnConnection<RequestListComponent> {
public:
    using OnConnection::OnConnection;
    // The connection string holds the password; the shared connection is used instead.
    RecordsetResult GetRequests(const std::string&, const std::string& idNum, const std::string& kind) override {
        const std::string sql = Requests(idNum, kind);
        if (sql.empty())
            RaiseUnknownKind("request list", kind);
        return OpenList(connection(), sql);
    }
};

// One laboratory result row per exam and result day, the day's results joined as the result table shows them.
struct LabRow {
    vb::Variant section, exam, normalValue, examID, resultDate;
    std::string results;
};

struct LabRequest {
    vb::Variant requestNum, reference;
    double requested = 0;
};

double Day(const vb::Variant& value) { return vb::IsDate(value) ? std::floor(vb::CDate(value).serial) : 0; }

std::string Text(const vb::Variant& value) { return vb::IsNull(value) ? std::string() : vb::CStr(value); }

std::vector<LabRow> ReadLabRows(db::Connection& connection, const std::string& idNum) {
    std::vector<LabRow> rows;
    std::map<std::pair<std::string, double>, std::size_t> seen;
    db::Recordset rs = connection.Open(LabResults(idNum), db::CursorType::ForwardOnly, db::LockType::ReadOnly);
    for (; !rs.Eof(); rs.MoveNext()) {
        const std::string examID = vb::Trim(Text(rs.Fields("LabExamID")));
        const std::string result = vb::Trim(Text(rs.Fields("Result")));
        auto key = std::make_pair(examID, Day(rs.Fields("Resultdate")));
        auto found = seen.find(key);
        if (found != seen.end()) {
            std::string& cell = rows[found->second].results;
            cell = cell.empty() ? result : result.empty() ? cell : cell + ", " + result;
            continue;
        }
        seen.emplace(key, rows.size());
        rows.push_back({rs.Fields("Section"), rs.Fields("Exam"), rs.Fields("NormalValue"), rs.Fields("LabExamID"),
                        rs.Fields("Resultdate"), result});
    }
    rs.Close();
    return rows;
}

std::multimap<std::string, LabRequest> ReadLabRequests(db::Connection& connection, const std::string& idNum) {
    std::multimap<std::string, LabRequest> requests;
    db::Recordset rs = connection.Open(LabRequests(idNum), db::CursorType::ForwardOnly, db::LockType::ReadOnly);
    for (; !rs.Eof(); rs.MoveNext())
        requests.emplace(vb::Trim(Text(rs.Fields("ItemID"))),
                         LabRequest{rs.Fields("Requestnum"), rs.Fields("ReferenceNum"), Day(rs.Fields("Transdate"))});
    rs.Close();
    return requests;
}

// The request a result answers: the exam's latest request made on or before the result's day, else its first.
const LabRequest* RequestOf(const std::multimap<std::string, LabRequest>& requests, const LabRow& row) {
    const LabRequest* chosen = nullptr;
    const double resultDay = Day(row.resultDate);
    auto [first, last] = requests.equal_range(vb::Trim(Text(row.examID)));
    for (auto it = first; it != last; ++it)
        if (!chosen || it->second.requested <= resultDay)
            chosen = &it->second;
    return chosen;
}

db::Recordset LabResultList(db::Connection& connection, const std::string& idNum) {
    const std::vector<LabRow> rows = ReadLabRows(connection, idNum);
    const std::multimap<std::string, LabRequest> requests = ReadLabRequests(connection, idNum);
    db::ResultTable table;
    table.hasColumns = true;
    table.columns = {"RequestNum",  "Resultdate", "LabExamID",   "LabExam",
                     "SectionName", "Reference",  "NormalValue", "Result"};
    for (const LabRow& row : rows) {
        const LabRequest* request = RequestOf(requests, row);
        const vb::Variant none = vb::Variant::Null();
        for (const vb::Variant& value :
             {request ? request->requestNum : none, row.resultDate, row.examID, row.exam, row.section,
              request ? request->reference : none, row.normalValue, vb::Variant(row.results)})
            table.values.push_back(value);
    }
    return db::Recordset(std::move(table), db::CursorType::Static, db::LockType::ReadOnly);
}

class Results : public OnConnection<ResultsComponent> {
public:
    using OnConnection::OnConnection;
    RecordsetResult GetResults(const std::string&, const std::string& idNum, const std::string& kind) override {
        if (kind == "4")
            return LabResultList(connection(), idNum);
        const std::string sql = RadiologyResults(idNum, kind);
        if (sql.empty())
            RaiseUnknownKind("result list", kind);
        return OpenList(connection(), sql);
    }
};

class ConfinementList : public OnConnection<ConfinementComponent> {
public:
    using OnConnection::OnConnection;
    RecordsetResult GetConfinementPeriod(const std::string&, const std::string& hospitalNumber,
                                         const vb::Variant& admissionDate) override {
        return OpenList(connection(), Confinements(hospitalNumber, admissionDate));
    }
};

class ConfinementResultList : public OnConnection<ConfinementResultsComponent> {
public:
    using OnConnection::OnConnection;
    RecordsetResult GetConfinementResults(const std::string&, const std::string& idNum,
                                          const std::string& kind) override {
        const std::string sql = ConfinementResults(idNum, kind);
        if (sql.empty())
            RaiseUnknownKind("confinement result list", kind);
        return OpenList(connection(), sql);
    }
};

} // namespace

void RegisterNurseActivity(ComponentFactory& factory, const ComponentServices& services) {
    ConnectionSource connection = services.Connection;
    factory.Register("Virselto.clsRequest", [connection] { return std::make_unique<RequestList>(connection); });
    factory.Register("Virselto.clsResults", [connection] { return std::make_unique<Results>(connection); });
    factory.Register("Virselto.clsConfinement", [connection] { return std::make_unique<ConfinementList>(connection); });
    factory.Register("Virselto.clsConfinementResults",
                     [connection] { return std::make_unique<ConfinementResultList>(connection); });
}

} // namespace components
