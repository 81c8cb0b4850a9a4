#include "components/LabResultViewer.h"

#include "components/PatientRecords.h"
#include "components/frmLabResultViewer.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"
#include "platform/forms/FormsContext.h"
#include "platform/reports/ReportEngine.h"
#include "platform/reports/ReportError.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/Strings.h"
#include "platform/vb/VbError.h"

namespace components {

namespace labstatements {

// Assumes the laboratory's procedure answers Section, Exam, NormalValue, LabExamID, Resultdate and Result, one row per
// released result, sections and examinations together; to be checked against the hospital's database.
std::string NormalValues(const std::string& idNum) {
    return "STATION..sp_Nurse_GetPatient_LabResult_NormalValues " + db::SqlQuote(vb::Trim(idNum));
}

// Assumes STATION..tbNurseCommunicationFile holds the laboratory request lines under RevenueID "LB" (IDNum, ItemID,
// Requestnum) and STATION..tbNurseLogBook the charged lines (IDNum, RevenueID, ItemID, ReferenceNum, the charge
// slip); to be checked against the hospital's database.
std::string RequestLines(const std::string& idNum) {
    return "SELECT C.ItemID, C.Requestnum, L.ReferenceNum FROM STATION..tbNurseCommunicationFile C "
           "LEFT OUTER JOIN STATION..tbNurseLogBook L ON L.IDNum = C.IDNum AND L.RevenueID = C.RevenueID "
           "AND L.ItemID = C.ItemID WHERE C.IDNum = " +
           db::SqlQuote(vb::Trim(idNum)) + " AND C.RevenueID = 'LB'";
}

} // namespace labstatements

namespace {

constexpr int labErrNoResult = 20600;
constexpr int labErrNoPatient = 20601;
const char* kTemplate = "\\Reports\\LabResult.rpt";
const char* kCaption = "Laboratory Result";

std::string Text(const db::Recordset& rs, std::string_view column) {
    const vb::Variant& value = rs.Fields(column);
    return value.IsNull() || value.IsEmpty() ? std::string() : vb::CStr(value);
}

std::string Text(const vb::Variant& value) {
    return value.IsNull() || value.IsEmpty() ? std::string() : vb::CStr(value);
}

struct RequestLine {
    std::string ItemID, Requestnum, ReferenceNum;
};

std::vector<LabResultLine> ReadResults(db::Connection& connection, const std::string& idNum) {
    std::vector<LabResultLine> results;
    db::Recordset rs = connection.Execute(labstatements::NormalValues(idNum));
    if (rs.State() != db::ObjectState::Open)
        return results;
    for (; !rs.Eof(); rs.MoveNext()) {
        const vb::Variant& date = rs.Fields("Resultdate");
        results.push_back({Text(rs, "Section"), Text(rs, "Exam"), Text(rs, "NormalValue"), Text(rs, "LabExamID"),
                           date.IsEmpty() ? vb::Variant::Null() : date, Text(rs, "Result"), "", ""});
    }
    return results;
}

std::vector<RequestLine> ReadRequestLines(db::Connection& connection, const std::string& idNum) {
    std::vector<RequestLine> lines;
    db::Recordset rs = connection.Execute(labstatements::RequestLines(idNum));
    if (rs.State() != db::ObjectState::Open)
        return lines;
    for (; !rs.Eof(); rs.MoveNext())
        lines.push_back(
            {vb::Trim(Text(rs, "ItemID")), vb::Trim(Text(rs, "Requestnum")), vb::Trim(Text(rs, "ReferenceNum"))});
    return lines;
}

std::string CompleteName(const PatientData& patient) {
    return vb::Trim(vb::Trim(patient.Lastname) + ", " + vb::Trim(patient.FirstName) + " " +
                    vb::Trim(patient.MiddleName));
}

} // namespace

// A result names its examination, not its request: an examination requested twice in one admission shows its results
// under both requests, which is what the nurse needs to see rather than a guess at one of them.
std::vector<LabResultLine> ReadLabResultLines(db::Connection& connection, const std::string& idNum) {
    const std::vector<LabResultLine> results = ReadResults(connection, idNum);
    const std::vector<RequestLine> requests = ReadRequestLines(connection, idNum);
    std::vector<LabResultLine> lines;
    for (const LabResultLine& result : results) {
        bool requested = false;
        for (const RequestLine& request : requests) {
            if (request.ItemID != vb::Trim(result.LabExamID))
                continue;
            LabResultLine line = result;
            line.RequestNum = request.Requestnum;
            line.Reference = request.ReferenceNum;
            lines.push_back(std::move(line));
            requested = true;
        }
        if (!requested)
            lines.push_back(result);
    }
    return lines;
}

// An empty charge slip chooses nothing, so a request without a slip never shows every unlogged result.
std::vector<LabResultLine> ChooseLabResults(const std::vector<LabResultLine>& lines, const std::string& requestNum,
                                            const std::string& csNumber) {
    const std::string request = vb::Trim(requestNum);
    const std::string slip = vb::Trim(csNumber);
    std::vector<LabResultLine> chosen;
    for (const LabResultLine& line : lines) {
        const bool wanted = request.empty() ? !slip.empty() && line.Reference == slip : line.RequestNum == request;
        if (wanted)
            chosen.push_back(line);
    }
    return chosen;
}

Labresultviewer::Labresultviewer(const ComponentServices& services) : services(services) {}

db::Connection& Labresultviewer::Connection() const {
    if (SQLConnection == nullptr)
        throw vb::VbError(91, "Object variable or With block variable not set");
    return *SQLConnection;
}

// The template's values: the admission, what to choose, then the patient as the records give it.
std::vector<vb::Variant> Labresultviewer::ReportValues() {
    db::Connection& connection = Connection();
    const std::string idNum = vb::Trim(IdNumber);
    std::vector<vb::Variant> values = {idNum, vb::Trim(RequestNum), vb::Trim(CSNumber)};
    if (auto admission = records::ReadAdmission(connection, idNum)) {
        values.insert(values.end(),
                      {admission->patient.HospitalNumber, CompleteName(admission->patient),
                       admission->admission.Room.RoomID, Text(admission->admission.Age), admission->patient.Sex});
    } else if (auto visit = records::ReadVisit(connection, idNum)) {
        values.insert(values.end(), {visit->patient.HospitalNumber, CompleteName(visit->patient), std::string(),
                                     Text(visit->patient.Age), visit->patient.Sex});
    } else {
        throw vb::VbError(labErrNoPatient, "Admission " + idNum + " was not found; its results are not shown.");
    }
    return values;
}

void Labresultviewer::Show_Results() {
    const bool print = ViewMode == 1;
    if (print && ChooseLabResults(ReadLabResultLines(Connection(), IdNumber), RequestNum, CSNumber).empty()) {
        const std::string what =
            vb::Trim(RequestNum).empty() ? "charge slip " + vb::Trim(CSNumber) : "request " + vb::Trim(RequestNum);
        throw vb::VbError(labErrNoResult, "No released laboratory result for " + what + "; nothing was printed.");
    }
    const std::vector<vb::Variant> values = ReportValues();
    if (!services.Reports)
        throw reports::ReportError(reports::rptErrTemplateInvalid, "No report engine is available.");
    reports::ReportEngine& engine = services.Reports();
    std::unique_ptr<reports::Report> report = engine.OpenReport(services.Forms.GetHost().AppPath() + kTemplate);
    reports::SetParameterValues(*report, values);
    if (print) {
        engine.PrintOut(*report);
        return;
    }
    auto pages = std::make_shared<const reports::Document>(engine.Display(*report, {kCaption, false, true, 100}));
    auto window = std::make_shared<frmLabResultViewer>(services.Forms);
    window->Create();
    window->Prepare(kCaption, pages);
    window->ShowModal();
    if (window->IsLoaded())
        window->Unload();
}

void RegisterLabResultViewer(ComponentFactory& factory, const ComponentServices& services) {
    factory.Register("Ostenay.Labresultviewer", [services] { return std::make_unique<Labresultviewer>(services); });
}

} // namespace components
