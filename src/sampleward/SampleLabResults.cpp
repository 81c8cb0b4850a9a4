#include "sampleward/SampleLabResults.h"
#include "platform/vb/DateTime.h"
#include "sampleward/SampleWard.h"

namespace sampleward {

// The in-patient's results of yesterday morning: a blood count on one slip, a creatinine on another.
std::vector<components::LabResultLine> SampleLabLines(const std::string& idNum) {
    if (idNum != InPatientIdNum)
        return {};
    const vb::Variant taken = vb::DateAdd("h", -20, Now());
    return {{"HEMATOLOGY", "HEMOGLOBIN", "120 - 160 g/L", "L001", taken, "135", "LR-0001", "CS-1001"},
            {"HEMATOLOGY", "WBC COUNT", "5.0 - 10.0 x10^9/L", "L002", taken, "7.2", "LR-0002", "CS-1001"},
            {"BLOOD CHEMISTRY", "CREATININE", "53 - 115 umol/L", "L010", taken, "88", "LR-0003", "CS-1002"}};
}

namespace {

namespace statements = components::labstatements;

// The viewer's template sends its own statement: the laboratory's results chosen on the server by request or slip.
// Its values stand, in order, for the admission (twice), the request (twice), the slip and the request again.
const char* kTemplateQuery =
    "SET NOCOUNT ON; DECLARE @Results TABLE (Section varchar(100), Exam varchar(255), NormalValue varchar(1000), "
    "LabExamID varchar(50), Resultdate datetime, Result varchar(1000)); INSERT INTO @Results EXEC "
    "STATION..sp_Nurse_GetPatient_LabResult_NormalValues '{?}'; SELECT R.Section, R.Exam, R.Result, R.NormalValue, "
    "R.Resultdate FROM @Results R WHERE EXISTS (SELECT 1 FROM STATION..tbNurseCommunicationFile C LEFT OUTER JOIN "
    "STATION..tbNurseLogBook L ON L.IDNum = C.IDNum AND L.RevenueID = C.RevenueID AND L.ItemID = C.ItemID WHERE "
    "C.IDNum = '{?}' AND C.RevenueID = 'LB' AND LTRIM(RTRIM(C.ItemID)) = LTRIM(RTRIM(R.LabExamID)) AND "
    "((C.Requestnum = '{?}' AND '{?}' <> '') OR (L.ReferenceNum = '{?}' AND '{?}' = ''))) ORDER BY R.Section, "
    "R.Exam, R.Resultdate";

Answer NormalValues(const std::vector<std::string>& values) {
    std::vector<Row> rows;
    for (const components::LabResultLine& line : SampleLabLines(values.at(0)))
        rows.push_back({line.Section, line.Exam, line.NormalValue, line.LabExamID, line.Resultdate, line.Result});
    return Rows({"Section", "Exam", "NormalValue", "LabExamID", "Resultdate", "Result"}, rows);
}

Answer RequestLines(const std::vector<std::string>& values) {
    std::vector<Row> rows;
    for (const components::LabResultLine& line : SampleLabLines(values.at(0)))
        rows.push_back({line.LabExamID, line.RequestNum, line.Reference});
    return Rows({"ItemID", "Requestnum", "ReferenceNum"}, rows);
}

Answer ChosenResults(const std::vector<std::string>& values) {
    std::vector<Row> rows;
    for (const components::LabResultLine& line :
         components::ChooseLabResults(SampleLabLines(values.at(0)), values.at(2), values.at(4)))
        rows.push_back({line.Section, line.Exam, line.Result, line.NormalValue, line.Resultdate});
    return Rows({"Section", "Exam", "Result", "NormalValue", "Resultdate"}, rows);
}

} // namespace

void DeclareLabResults(SampleServer& server) {
    server.OnRule(statements::NormalValues("{?}"), NormalValues);
    server.OnRule(statements::RequestLines("{?}"), RequestLines);
    server.OnRule(kTemplateQuery, ChosenResults);
}

} // namespace sampleward
