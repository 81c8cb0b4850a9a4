#include "components/IssuedItems.h"
#include "components/NurseActivity.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/DateTime.h"
#include "sampleward/SampleLabResults.h"
#include "sampleward/SampleWard.h"

namespace sampleward {

namespace {

namespace statements = components::nurseactivity;

const vb::Variant Null = vb::Variant::Null();

vb::Date DaysAgo(double days) { return vb::Date{Now().serial - days}; }

const std::vector<std::string> RequestFields = {"ITEM DESCRIPTION",  "QTY",          "DEPT",
                                                "Request Date/Time", "Code",         "REQUESTED BY",
                                                "PROCESS DATE/TIME", "PROCESSED BY", "RESULT DATE/TIME",
                                                "RESULT BY",         "Remarks"};

Row RequestRow(const SampleRequest& request) {
    return {request.Description, request.Quantity,    request.Department, request.Requested,
            request.Code,        request.RequestedBy, request.Processed,  request.ProcessedBy,
            request.Resulted,    request.ResultBy,    request.Remarks};
}

void DeclareRequests(SampleServer& server, const std::string& idNum) {
    std::vector<Row> processed, pending, resulted;
    for (const SampleRequest& request : SampleRequests(idNum)) {
        if (request.Processed.IsNull()) {
            pending.push_back(RequestRow(request));
            pending.back().push_back(request.RequestNum);
            continue;
        }
        processed.push_back(RequestRow(request));
        if (!request.Resulted.IsNull())
            resulted.push_back(RequestRow(request));
    }
    std::vector<std::string> pendingFields = RequestFields;
    pendingFields.push_back("Requestnum");
    server.On(statements::Requests(idNum, "1")).Returns(RequestFields, processed);
    server.On(statements::Requests(idNum, "2")).Returns(pendingFields, pending);
    server.On(statements::Requests(idNum, "3")).Returns(RequestFields, resulted);
    std::vector<Row> vitals;
    for (const SampleVitalSign& set : SampleVitalSigns(idNum))
        vitals.push_back({set.taken, set.bloodPressure, set.temperature, set.respiratoryRate, set.pulseRate,
                          set.saturation, set.encoder, Null, Null, Null, Null, Null});
    server.On(statements::Requests(idNum, "4"))
        .Returns({"DATE / TIME", "BLOOD PRESSURE", "Temperature", "RESPIRATORY RATE", "PULSE RATE", "Oxygen Saturation",
                  "Encoder", "ItemID", "Protocol", "Remarks", "Remarks2", "ScheduleTime"},
                 vitals);
}

void DeclareResults(SampleServer& server, const std::string& idNum, bool withRows) {
    const std::vector<std::string> fields = {"TRANS. NO",    "EXAM. NAME",    "TRANS. DATE",    "RESULT DATE",
                                             "DR. LASTNAME", "DR. FIRSTNAME", "Dr. MiddleName", "Interpretation"};
    for (const char* kind : {"1", "2", "3"}) {
        std::vector<Row> rows;
        if (withRows && std::string(kind) == "1")
            rows = {{"XR-0000212", "CHEST PA", DaysAgo(2), DaysAgo(1.5), "SANTOS", "MIGUEL", "REYES",
                     "No active lung infiltrates. Heart is not enlarged."}};
        server.On(statements::RadiologyResults(idNum, kind)).Returns(fields, rows);
    }
    // The laboratory results themselves are the result viewer's sample (the same procedure answers both); their
    // request lines are read here as the results list reads them.
    std::vector<Row> requests;
    for (const components::LabResultLine& line : SampleLabLines(idNum))
        requests.push_back({line.LabExamID, line.RequestNum, vb::DateAdd("h", -2, line.Resultdate), line.Reference});
    server.On(statements::LabRequests(idNum)).Returns({"ItemID", "Requestnum", "Transdate", "ReferenceNum"}, requests);
}

void DeclareConfinementResults(SampleServer& server, const std::string& idNum, bool withRows) {
    std::vector<Row> medicines;
    if (withRows)
        medicines = {{DaysAgo(1), "PARACETAMOL 500MG TAB", "1 TAB EVERY 4 HOURS", 6}};
    server.On(statements::ConfinementResults(idNum, "1"))
        .Returns({"Transdate", "Drug Name", "Dosage", "Quantity"}, medicines);
    for (const char* kind : {"2", "3", "4"}) {
        std::vector<Row> rows;
        if (withRows && std::string(kind) == "2")
            rows = {{"CHEST PA", DaysAgo(2), "No active lung infiltrates. Heart is not enlarged."}};
        server.On(statements::ConfinementResults(idNum, kind))
            .Returns({"Examination", "Exam. Date", "Interpretation"}, rows);
    }
}

// The confinement list is asked up to the admission's date, whatever it is on the workstation's clock.
void DeclareConfinements(SampleServer& server, const std::string& hospitalNumber,
                         const std::vector<Row>& confinements) {
    const std::string dated = statements::Confinements(hospitalNumber, vb::Date{0});
    const std::string marker = "{ts '";
    std::string pattern;
    for (std::size_t at = 0;;) {
        std::size_t found = dated.find(marker, at);
        if (found == std::string::npos) {
            pattern += dated.substr(at);
            break;
        }
        pattern += dated.substr(at, found - at) + marker + "{?}'}";
        at = dated.find("'}", found + marker.size()) + 2;
    }
    const std::vector<std::string> fields = {"Admision No.", "Admision Date/Time", "Discharged Date/Time", "Room"};
    server.OnPattern(pattern).Returns(fields, confinements);
    server.On(statements::Confinements(hospitalNumber, Null)).Returns(fields, confinements);
}

// The in-patient's medicines and supplies, as the return window lists them; a slip of its own is asked by pattern.
void DeclareIssuedItems(SampleServer& server, const std::string& idNum, bool withRows) {
    const std::vector<std::string> fields = {"Refnum", "ItemID", "ItemName", "Returnable"};
    for (bool medicines : {true, false}) {
        std::vector<Row> rows;
        if (withRows && medicines)
            rows = {{"CS-0001188", "PARA500", "PARACETAMOL 500MG TAB", 4.0},
                    {"CS-0001201", "CEFU750", "CEFUROXIME 750MG VIAL", 2.0}};
        if (withRows && !medicines)
            rows = {{"CS-0001190", "SYR05", "SYRINGE 5ML", 3.0}};
        server.On(components::issueditems::IssuedLines(idNum, medicines)).Returns(fields, rows);
        const std::string slip = components::issueditems::IssuedLines(idNum, medicines, "SLIP");
        const std::string pattern =
            slip.substr(0, slip.find("'SLIP'")) + "'{?}'" + slip.substr(slip.find("'SLIP'") + 6);
        server.OnRule(pattern, [fields, rows](const std::vector<std::string>& values) {
            std::vector<Row> found;
            for (const Row& row : rows)
                if (vb::CStr(row[0]) == values.front())
                    found.push_back(row);
            Answer answer;
            answer.Returns(fields, found);
            return answer;
        });
    }
}

// The other admissions of the station's list have no requests.
void DeclareNoRequests(SampleServer& server) {
    std::vector<std::string> pendingFields = RequestFields;
    pendingFields.push_back("Requestnum");
    for (const char* kind : {"1", "2", "3"})
        server.OnPattern(statements::Requests("{?}", kind))
            .Returns(std::string(kind) == "2" ? pendingFields : RequestFields, {});
}

} // namespace

std::vector<SampleRequest> SampleRequests(const std::string& idNum) {
    if (idNum != InPatientIdNum)
        return {};
    return {
        {"CHEST PA", 1, "XR", DaysAgo(2), "XR001", "N1001", DaysAgo(1.9), "RADTECH1", DaysAgo(1.5), "DR. SANTOS", Null,
         "XR-0000212"},
        {"COMPLETE BLOOD COUNT", 1, "LB", DaysAgo(0.2), "LB001", "N1001", Null, Null, Null, Null, Null, "LB-0000451"}};
}

void DeclareNurseActivity(SampleServer& server) {
    DeclareNoRequests(server);
    DeclareRequests(server, InPatientIdNum);
    DeclareRequests(server, OutPatientIdNum);
    DeclareResults(server, InPatientIdNum, true);
    DeclareResults(server, OutPatientIdNum, false);
    DeclareConfinementResults(server, InPatientIdNum, true);
    DeclareConfinementResults(server, OutPatientIdNum, false);
    DeclareConfinements(
        server, InPatientHospNum,
        {{InPatientIdNum, DaysAgo(3), Null, "SIC-02"}, {EarlierInPatientIdNum, DaysAgo(290), DaysAgo(283), "SIC-05"}});
    DeclareIssuedItems(server, InPatientIdNum, true);
    DeclareIssuedItems(server, OutPatientIdNum, false);
    DeclareConfinements(server, OutPatientHospNum, {{OutPatientIdNum, DaysAgo(0.1), Null, Null}});
}

} // namespace sampleward
