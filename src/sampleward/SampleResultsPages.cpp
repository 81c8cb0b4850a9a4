#include "platform/vb/DateTime.h"
#include "sampleward/SampleLabResults.h"
#include "sampleward/SampleWard.h"

#include <cmath>
#include <map>
#include <memory>

namespace sampleward {

namespace {

// The released radiology results of the sample ward by request number: the interpretation and what the station's
// look-up adds for the printout.
struct SampleRadiologyResult {
    std::string interpretation;
    std::string resultNum, telNum, controlNum, radiologist2, remarks, radCode, radiologist3, radiologist4;
};

const std::map<std::string, SampleRadiologyResult>& RadiologyResults() {
    static const std::map<std::string, SampleRadiologyResult> results = {
        {"XR-0000212",
         {"No active lung infiltrates. Heart is not enlarged.", "XN-26-0412", "(032) 255-1400", "CN-0000871",
          "DR. LOURDES TAN", "Compared with no previous study.", "RAD-07", "", ""}}};
    return results;
}

Answer RowView(const std::vector<std::string>& values) {
    std::vector<Row> rows;
    auto found = RadiologyResults().find(values.at(0));
    if (found != RadiologyResults().end())
        rows.push_back({values.at(0), found->second.interpretation});
    return Rows({"Requestnum", "Interpretation"}, rows);
}

Answer LookUp(const std::vector<std::string>& values) {
    std::vector<Row> rows;
    auto found = RadiologyResults().find(values.at(0));
    if (found != RadiologyResults().end()) {
        const SampleRadiologyResult& r = found->second;
        rows.push_back({r.resultNum, r.interpretation, r.telNum, r.controlNum, r.radiologist2, r.remarks, r.radCode,
                        r.radiologist3, r.radiologist4});
    }
    return Rows({"XrayNum", "Interpretation", "TelNum", "ControlNum", "Radiologist2", "Remarks", "RadCode",
                 "Radiologist3", "Radiologist4"},
                rows);
}

// The columns the radiology report reads of the staged row, by the staging call's places (value 21 is not kept).
const std::vector<std::string> kStagedColumns = {
    "PatientName",   "HospNum", "AttendingDoctor", "ExamName",     "CivilStatus", "Age",
    "Sex",           "AdmNum",  "XrayNum",         "RoomID",       "TransDate",   "Interpretation",
    "ReadingDoctor", "Address", "TelNum",          "ResultNum",    "ControlNum",  "UserID",
    "Radiologist2",  "Remarks", "RadCode",         "Radiologist3", "Radiologist4"};

std::string StagingPattern() {
    std::string pattern = "RADIOLOGY..SPRADIO_ResultPrint '{?}'";
    for (int value = 2; value <= 24; ++value) {
        if (value == 21)
            pattern += ", '', ";
        else
            pattern += value == 22 ? "'{?}'" : ",'{?}'";
    }
    return pattern;
}

const char* kRadioResultQuery =
    "SELECT PatientName, HospNum, AttendingDoctor, ExamName, CivilStatus, Age, Sex, AdmNum, XrayNum, RoomID, "
    "TransDate, "
    "Interpretation, ReadingDoctor, Address, TelNum, ControlNum, Radiologist2, Remarks, RadCode, Radiologist3, "
    "Radiologist4 FROM RADIOLOGY..tbRadioResult WHERE UserID = '{?}' AND LTRIM(RTRIM(AdmNum)) = '{?}'";

const char* kGraphQuery =
    "SET NOCOUNT ON; DECLARE @Results TABLE (Section varchar(100), Exam varchar(255), NormalValue varchar(1000), "
    "LabExamID varchar(50), Resultdate datetime, Result varchar(1000)); INSERT INTO @Results EXEC "
    "STATION..sp_Nurse_GetPatient_LabResult_NormalValues '{?}'; SELECT R.Section, R.Exam, R.NormalValue, "
    "R.Resultdate, R.Result FROM @Results R WHERE LTRIM(RTRIM(R.LabExamID)) = '{?}' ORDER BY R.Resultdate";

// The in-patient's laboratory table spans the days from the admission to today.
Answer DayRange(const std::vector<std::string>& values) {
    std::vector<Row> rows;
    if (values.at(0) == InPatientIdNum) {
        const double today = std::floor(Now().serial);
        rows.push_back({std::int16_t(4), vb::Date{today - 3}});
    }
    return Rows({"maxcol", "StartDate"}, rows);
}

Answer GraphRows(const std::vector<std::string>& values) {
    std::vector<Row> rows;
    for (const components::LabResultLine& line : SampleLabLines(values.at(0)))
        if (line.LabExamID == values.at(1))
            rows.push_back({line.Section, line.Exam, line.NormalValue, line.Resultdate, line.Result});
    return Rows({"Section", "Exam", "NormalValue", "Resultdate", "Result"}, rows);
}

} // namespace

void DeclareResultsPages(SampleServer& server) {
    server.OnRule("Select * From Radiology..tbXRResult Where Requestnum ='{?}'", RowView);
    server.OnRule("Select * From Radiology..tbCTResult Where Requestnum ='{?}'", RowView);
    server.OnRule("Select Isnull(E.FormType,'') As FormType,U.* From Radiology..tbUlResult U  Inner Join "
                  "Build_File..tbcoUltraExam E On U.ItemCode = E.UltraExamID  Where U.Requestnum ='{?}'",
                  RowView);
    for (const char* kind : {"1", "2", "3"})
        server.OnRule(std::string("STATION..sp_Nurse_Get_RadiologyResults '{?}',") + kind, LookUp);
    // What was staged last is what the report reads back: the sample ward keeps that one row.
    auto staged = std::make_shared<std::vector<Row>>();
    server.OnRule(StagingPattern(), [staged](const std::vector<std::string>& values) {
        Row row(values.begin(), values.end());
        staged->assign(1, row);
        Answer answer;
        answer.Affects(1);
        return answer;
    });
    server.OnRule(kRadioResultQuery,
                  [staged](const std::vector<std::string>&) { return Rows(kStagedColumns, *staged); });
    server.OnRule("STATION..sp_Nurse_GetPatient_LabResult_MaxCol '{?}'", DayRange);
    server.OnRule(kGraphQuery, GraphRows);
}

} // namespace sampleward
