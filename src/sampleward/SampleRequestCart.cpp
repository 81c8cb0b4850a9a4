#include "platform/vb/DateTime.h"
#include "platform/vb/Format.h"
#include "sampleward/SampleWard.h"

#include <map>

namespace sampleward {

namespace {

// The specimens a laboratory exam is taken in: none for the blood sugar, one for the blood count, a choice of two for
// the serum chemistry.
const std::map<std::string, std::vector<Row>>& Specimens() {
    static const std::map<std::string, std::vector<Row>> specimens = {
        {"101", {{"WB", "WHOLE BLOOD"}}},
        {"120", {{"CIT", "CITRATED BLOOD"}}},
        {"401", {{"URI", "RANDOM URINE"}}},
        {"12", {{"SER", "SERUM"}, {"PLA", "PLASMA"}}},
        {"330", {{"SER", "SERUM"}, {"PLA", "PLASMA"}}},
        {"331", {{"SER", "SERUM"}, {"PLA", "PLASMA"}}},
        {"335", {{"SER", "SERUM"}, {"PLA", "PLASMA"}, {"HEP", "HEPARINIZED BLOOD"}}}};
    return specimens;
}

// The electrolytes profile stands for the sodium and potassium.
std::vector<Row> ProfileMembers(const std::string& code) {
    if (code != "335")
        return {};
    return {{"330", "SERUM SODIUM", "335", "ELECTROLYTES"}, {"331", "SERUM POTASSIUM", "335", "ELECTROLYTES"}};
}

// The catalogue's priority of an exam: the blood count is always STAT, the urinalysis always routine; the others
// follow the workstation's clock.
Answer Priority(const std::vector<std::string>& values) {
    const std::string& code = values.at(0);
    const vb::Date now = Now();
    const std::string stat = code == "101" ? "Y" : code == "401" ? "N" : "";
    const std::string after5 = vb::Hour(now) >= 17 ? "T" : "F";
    return Rows({"Stat", "DayofWeek", "AFter5"}, {{stat, std::int32_t{vb::Weekday(now)}, after5}});
}

// The patient list's Maria Santos came from abroad: her exams are charged at the international rate.
inline constexpr const char* InternationalIdNum = "2026000103";

// The laboratory finds the in-patient's blood count in a save of the cart, whatever the cart held (the workstation
// keeps nothing), and its print row is what the form prints for the user.
void DeclareLabRequestForm(SampleServer& server) {
    const std::vector<std::string> requestColumns = {"SectionID", "Stat", "ExamID", "SpecimenID", "RequestNum"};
    server.OnRule("STATION..sp_Nurse__GetLabStatRequest_RequestNumber '{?}','{?}','{?}'",
                  [requestColumns](const std::vector<std::string>& values) {
                      std::vector<Row> rows;
                      if (values.at(0) == InPatientIdNum)
                          rows = {{"HEM", "Y", "101", "WB", "LB-0000452"}};
                      return Rows(requestColumns, rows);
                  });
    server.OnPattern("LABORATORY..Lab_CleanUp_tbLabRequestForm '{?}'").Affects(1);
    server.OnPattern("LABORATORY..Lab_SaveRequestForm 'NS','{?}', '{?}', '{?}', '{?}', '{?}', '{?}','{?}','{?}','{?}',"
                     "'{?}','{?}'")
        .Affects(1);
    server.OnPattern("SELECT RequestNum, SectionID, ExamID, SpecimenID, Stat, RequestDate FROM "
                     "LABORATORY..tbLabRequestForm WHERE UserID = '{?}' ORDER BY SectionID, RequestNum")
        .Returns({"RequestNum", "SectionID", "ExamID", "SpecimenID", "Stat", "RequestDate"},
                 {{"LB-0000452", "HEM", "101 COMPLETE BLOOD COUNT", "WB", "Y", vb::Format(Now(), "mm/dd/yyyy hh:mm:ss AM/PM")}});
}

// The save of a cart: the patient is still in the room, each line is accepted and numbered.
void DeclareCartSave(SampleServer& server) {
    server.OnPattern("STATION..Nurse_CheckPatientRoom '{?}','{?}','{?}'").Returns({"RoomID", "StationID"}, {});
    std::string logBook =
        "STATION..Nurse_AppendNurseLogBook '{?}','{?}','I','{?}','{?}','{?}',' ','{?}','{?}','{?}','{?}',"
        "' ','{?}','{?}','{?}','{?}','{?}','0','{?}','{?}','{?}',{?},'{?}',{?}";
    server.OnPattern(logBook).Affects(1);
    server.OnPattern("STATION..sp_Nurse_SaveStatRequest '{?}','{?}','{?}','{?}','{?}','{?}','{?}'").Affects(1);
    server.OnRule("Select Isnull(Requestnum,'') Requestnum From STATION..tbNurseCommunicationFile Where IDNum ='{?}' "
                  "and RevenueID ='{?}' and ItemID = '{?}' and Isnull(RecordStatus,'') = ''",
                  [](const std::vector<std::string>& values) {
                      return Rows({"Requestnum"}, {{values.at(1) + "-" + values.at(2)}});
                  });
    server.OnPattern("Station..sp_Nurse_Append_tbBillAdjustInfo '{?}','{?}','{?}',{?},'{?}',1,'{?}','{?}'").Affects(1);
    server.OnPattern("STATION..sp_Nurse_Get_RequestNum_ReferenceNum '{?}','{?}','{?}','{?}'")
        .Returns({"RequestNum", "ReferenceNum"}, {});
    server.OnPattern("STATION..spNurse_PrintToWard '{?}','{?}'").Returns({"Printed"}, {});
    server.OnPattern("LABORATORY..Lab_NurseCharging2 '{?}'").Affects(1);
    for (const char* dept : {"XR", "US", "CT", "HS"})
        server.OnPattern(std::string("STATION..sp_Nurse_Save_") + dept + "Charging '{?}','{?}'").Affects(1);
    DeclareLabRequestForm(server);
}

// The clinical assessments of the in-patient: an ECG assessed and billed; the out-patient has none.
void DeclareAssessments(SampleServer& server) {
    server.On(std::string("STATION..sp_Nurse_Clinical_AssessmentStatus '") + InPatientIdNum + "'")
        .Returns(AssessmentStatusColumns(), {{std::int32_t{7001}, InPatientIdNum, "HS", "HS010", 350.0, SampleNurseID,
                                              StationID, "ELECTROCARDIOGRAM (12 LEADS)", "ASSESSED",
                                              vb::Variant::Null(), vb::DateAdd("h", -5, Now())}});
    server.OnPattern("STATION..sp_Nurse_Clinical_AssessmentStatus '{?}'").Returns(AssessmentStatusColumns(), {});
}

// The in-patient's pending blood count may be cancelled from this station; the printout of the pending requests
// lists it under the station.
void DeclarePendingRequests(SampleServer& server) {
    const std::vector<std::string> lineColumns = {"StationID", "RecordStatus", "RevokeBy",
                                                  "ProcessBy", "RevokeDate",   "ProcessDate"};
    const vb::Variant Null = vb::Variant::Null();
    std::vector<Row> printed;
    for (const SampleRequest& request : SampleRequests(InPatientIdNum)) {
        if (!request.Processed.IsNull())
            continue;
        server.On("STATION..sp_Nurse_Check_Request '" + request.RequestNum + "'")
            .Returns(lineColumns, {{StationID, "", Null, Null, Null, Null}});
        printed.push_back({StationID, InPatientIdNum, "VILLANUEVA, ROBERTO SALAZAR", request.Department,
                           request.RequestNum, request.Requested, request.Description, request.Quantity,
                           request.RequestedBy});
    }
    server.OnPattern("STATION..sp_Nurse_Revoke_Request '{?}','{?}'").Affects(1);
    const std::vector<std::string> printColumns = {"StationID",   "IDNum",     "PatientName", "RevenueID", "Requestnum",
                                                   "Transdate",   "Description", "Quantity",  "UserID"};
    server.OnRule(PendingRequestsPrintout("'{?}'"), [printColumns, printed](const std::vector<std::string>& values) {
        const bool listed = values.at(0).empty() || values.at(0) == StationID;
        return Rows(printColumns, listed ? printed : std::vector<Row>{});
    });
}

} // namespace

const std::vector<std::string>& AssessmentStatusColumns() {
    static const std::vector<std::string> columns = {"TransNum", "IDNum",      "RevenueID", "ItemID",
                                                     "Amount",   "UserID",     "StationID", "Assessment",
                                                     "Status",   "ReferenceNum", "TransDate"};
    return columns;
}

std::string PendingRequestsPrintout(const std::string& station) {
    return std::string("SELECT L.StationID, C.IDNum, ISNULL(M.LastName + ', ' + M.FirstName + ISNULL(' ' + M.MiddleName, '')"
        ", '') AS PatientName, C.RevenueID, C.Requestnum, C.Transdate, ISNULL(NULLIF(LTRIM(C.Description), ''"
        "), C.ItemID) AS Description, C.Quantity, C.UserID FROM STATION..tbNurseCommunicationFile AS C JOIN ("
        "SELECT DISTINCT IDNum, RevenueID, ItemID, StationID FROM STATION..tbNurseLogBook) AS L ON L.IDNum = "
        "C.IDNum AND L.RevenueID = C.RevenueID AND L.ItemID = C.ItemID LEFT OUTER JOIN (SELECT IDNum, HospNum"
        " FROM PATIENT_DATA..tbPatient UNION ALL SELECT IDNum, HospNum FROM Patient_Data..tbOutPatient) AS A "
        "ON A.IDNum = C.IDNum LEFT OUTER JOIN PATIENT_DATA..tbMaster AS M ON M.HospNum = A.HospNum WHERE ISNU"
        "LL(C.RecordStatus, '') = '' AND (") +
           station + " = '' OR L.StationID = " + station + ") ORDER BY L.StationID, PatientName, C.IDNum, C.Transdate, C.Requestnum";
}

namespace {

void DeclareRequestLists(SampleServer& server) {
    DeclareAssessments(server);
    DeclarePendingRequests(server);
}

} // namespace

void DeclareRequestCart(SampleServer& server) {
    server.OnPattern("STATION..Nurse_CheckExamStatus '{?}','{?}','{?}'").Returns({"Requestdate"}, {});
    server.OnPattern("STATION..Nurse_CheckExam_Posted '{?}','{?}','{?}'").Returns({"ProcessDate"}, {});
    server.OnRule("STATION..sp_Nurse_Get_ProfileList '{?}'", [](const std::vector<std::string>& values) {
        return Rows({"ExamID", "ExamName", "ProfileID", "ProfileName"}, ProfileMembers(values.at(0)));
    });
    server.OnRule("STATION..sp_Nurse_GetLabExam_Specimen '{?}'", [](const std::vector<std::string>& values) {
        auto found = Specimens().find(values.at(0));
        return Rows({"Code", "Description"}, found == Specimens().end() ? std::vector<Row>{} : found->second);
    });
    server.OnRule("Select isnull(stat,'') AS Stat, datepart(dw,GETDATE()) as DayofWeek, case When "
                  "convert(varchar(10),getdate(),101) +' 17:00:00' >= GEtDATE() then 'F' When "
                  "convert(varchar(10),getdate(),101) +' 17:00:00' < GEtDATE() then 'T' END AS 'AFter5' from "
                  "BUILD_FILE..tbcoLabExam Where LabexamID ='{?}'",
                  Priority);
    server.OnPattern("STATION..sp_Nurse_Update_OtherInfo '{?}','{?}','{?}','I'").Affects(1);
    server.On(std::string("STATION..CheckIfInternational '") + InternationalIdNum + "'")
        .Returns({"isInternational"}, {{"Y"}});
    server.OnPattern("STATION..CheckIfInternational '{?}'").Returns({"isInternational"}, {{"N"}});
    DeclareCartSave(server);
    DeclareRequestLists(server);
}

} // namespace sampleward
