#pragma once

#include "chart/frmFinal.h"
#include "core/frmReportViewer.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/DateSerialNumber.h"
#include "testkit/FixtureChart.h"
#include "testkit/UserActions.h"

#include <string>
#include <vector>

// The chart of the fixture's in-patient on its results pages.
namespace resultstest {

using namespace testkit;
namespace fixture = testkit::ward_fixture;

inline const std::string RightsQuery = "SELECT * FROM STATION..tbNurseUserRights WHERE EmployeeID = 'N0001'";

inline const std::vector<std::string> RadiologyColumns = {"TRANS. NO",      "EXAM. NAME",    "TRANS. DATE",
                                                          "RESULT DATE",    "DR. LASTNAME",  "DR. FIRSTNAME",
                                                          "Dr. MiddleName", "Interpretation"};
inline const std::vector<std::string> LabColumns = {"RequestNum", "Resultdate",  "LabExamID",
                                                    "LabExam",    "SectionName", "Reference"};
inline const std::vector<std::string> MaxColColumns = {"maxcol", "StartDate"};
inline const std::vector<std::string> NormalValuesColumns = {"Section",   "Exam",       "NormalValue",
                                                             "LabExamID", "Resultdate", "Result"};

inline const std::vector<std::string> HeartColumns = {"Request No.", "EXAMINATION NAME", "TRANS. DATE", "RESULT DATE",
                                                    "Form",        "ATTN. DOCTOR",     "CARDIOLOGIST"};

inline std::string HeartQuery(const std::string& idNum) { return "STATION..Nurse_GetHrt '" + idNum + "'"; }

inline std::string MaxColQuery(const std::string& idNum) {
    return "STATION..sp_Nurse_GetPatient_LabResult_MaxCol '" + idNum + "'";
}
inline std::string NormalValuesQuery(const std::string& idNum) {
    return "STATION..sp_Nurse_GetPatient_LabResult_NormalValues '" + idNum + "'";
}

// The chart as the patient list opens it, every results page still to load, for a nurse holding these rights.
struct ResultsChart {
    TestApp test;
    ward::frmFinal& chart;

    explicit ResultsChart(const std::string& rights = "|10|16|", bool nursePrint = true)
        : chart(Open(test, nursePrint)) {
        test.server.On(RightsQuery).Returns({"EmployeeID", "EmployeeRights"}, {{"N0001", rights}});
        MarkForReload();
    }

    static ward::frmFinal& Open(TestApp& test, bool nursePrint) {
        fixture::AddPeople(test);
        test.app.ServerDate = vb::MakeDate({2026, 12, 11, 9, 0, 0});
        return fixture::OpenChart(test, fixture::InPatientIdNum, fixture::InPatientHospNum,
                                  {{"IsNursePrint", nursePrint}});
    }

    // What the patient list does on opening a chart.
    void MarkForReload() {
        for (bool* flag : {&test.app.ReloadXrayResults, &test.app.ReloadUltrasoundResults, &test.app.ReloadCTResults,
                           &test.app.ReloadLabResults, &test.app.ReloadHeartResults})
            *flag = true;
    }

    // The results component's rows of this admission and kind.
    void Results(const std::string& kind, const std::vector<Row>& rows,
                 const std::string& idNum = fixture::InPatientIdNum) {
        test.resultsObject.results[{idNum, kind}] = MakeTable(kind == "4" ? LabColumns : RadiologyColumns, rows);
    }

    // The laboratory table's two procedures for the admission.
    void LabTable(const std::vector<Row>& maxcol, const std::vector<Row>& rows,
                  const std::string& idNum = fixture::InPatientIdNum) {
        test.server.On(MaxColQuery(idNum)).Returns(MaxColColumns, maxcol);
        test.server.On(NormalValuesQuery(idNum)).Returns(NormalValuesColumns, rows);
    }

    // The heart-station results of the admission, as the station's procedure lists them.
    void HeartResults(const std::vector<Row>& rows, const std::string& idNum = fixture::InPatientIdNum) {
        test.server.On(HeartQuery(idNum)).Returns(HeartColumns, rows);
    }

    void OpenViewResults() { ChooseTab(chart.tabSSTab1, 2); }

    std::vector<std::string> ResultCalls() const { return test.resultsObject.Calls; }
};

} // namespace resultstest
