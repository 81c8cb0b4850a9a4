#include "components/NurseActivity.h"
#include "OwnComponentsWorld.h"
#include "components/NurseActivityComponents.h"
#include "components/OwnComponents.h"
#include "platform/forms/Form.h"
#include "platform/forms/FormsContext.h"
#include "platform/forms/Grid.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/VbError.h"
#include "sampleward/SampleWard.h"
#include "testkit/ScriptedHost.h"
#include "testkit/ScriptedServer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

namespace statements = components::nurseactivity;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using testkit::Row;
using testkit::ScriptedServer;

const vb::Variant Null = vb::Variant::Null();

// The four objects made as the program makes them, on one connection.
template <class Server> struct Objects : componentstest::OwnComponentsWorld<Server> {
    Objects() {
        auto& factory = this->factory;
        requests = factory.template Create<components::RequestListComponent>("Virselto.clsRequest");
        results = factory.template Create<components::ResultsComponent>("Virselto.clsResults");
        confinements = factory.template Create<components::ConfinementComponent>("Virselto.clsConfinement");
        confinementResults =
            factory.template Create<components::ConfinementResultsComponent>("Virselto.clsConfinementResults");
    }
    std::unique_ptr<components::RequestListComponent> requests;
    std::unique_ptr<components::ResultsComponent> results;
    std::unique_ptr<components::ConfinementComponent> confinements;
    std::unique_ptr<components::ConfinementResultsComponent> confinementResults;
};
using NurseActivity = Objects<ScriptedServer>;

const std::vector<std::string> RequestFields = {"ITEM DESCRIPTION",  "QTY",          "DEPT",
                                                "Request Date/Time", "Code",         "REQUESTED BY",
                                                "PROCESS DATE/TIME", "PROCESSED BY", "RESULT DATE/TIME",
                                                "RESULT BY",         "Remarks"};
const std::vector<std::string> VitalSignFields = {"DATE / TIME", "BLOOD PRESSURE",    "Temperature", "RESPIRATORY RATE",
                                                  "PULSE RATE",  "Oxygen Saturation", "Encoder",     "ItemID",
                                                  "Protocol",    "Remarks",           "Remarks2",    "ScheduleTime"};
const std::vector<std::string> RadiologyFields = {"TRANS. NO",    "EXAM. NAME",    "TRANS. DATE",    "RESULT DATE",
                                                  "DR. LASTNAME", "DR. FIRSTNAME", "Dr. MiddleName", "Interpretation"};
const std::vector<std::string> LabFields = {"RequestNum",  "Resultdate", "LabExamID",   "LabExam",
                                            "SectionName", "Reference",  "NormalValue", "Result"};

std::vector<std::string> With(std::vector<std::string> fields, const std::string& last) {
    fields.push_back(last);
    return fields;
}

// The server answers the statement with these fields; the list hands them back under the same names, in order.
struct ListCase {
    std::string name;
    std::function<db::Recordset(NurseActivity&, const std::string& idNum)> call;
    std::function<std::string(const std::string& idNum)> statement;
    std::vector<std::string> fields;
};

std::vector<ListCase> Lists() {
    using namespace statements;
    std::vector<ListCase> cases;
    for (const char* kind : {"1", "2", "3", "4"})
        cases.push_back(
            {std::string("requests ") + kind,
             [kind](NurseActivity& t, const std::string& id) { return t.requests->GetRequests("DSN=WARD", id, kind); },
             [kind](const std::string& id) { return Requests(id, kind); },
             std::string(kind) == "4"   ? VitalSignFields
             : std::string(kind) == "2" ? With(RequestFields, "Requestnum")
                                        : RequestFields});
    for (const char* kind : {"1", "2", "3"})
        cases.push_back(
            {std::string("results ") + kind,
             [kind](NurseActivity& t, const std::string& id) { return t.results->GetResults("DSN=WARD", id, kind); },
             [kind](const std::string& id) { return RadiologyResults(id, kind); }, RadiologyFields});
    cases.push_back({"confinements",
                     [](NurseActivity& t, const std::string& id) {
                         return t.confinements->GetConfinementPeriod("DSN=WARD", id, Null);
                     },
                     [](const std::string& id) { return Confinements(id, Null); },
                     {"Admision No.", "Admision Date/Time", "Discharged Date/Time", "Room"}});
    for (const char* kind : {"1", "2", "3", "4"})
        cases.push_back({std::string("confinement results ") + kind,
                         [kind](NurseActivity& t, const std::string& id) {
                             return t.confinementResults->GetConfinementResults("DSN=WARD", id, kind);
                         },
                         [kind](const std::string& id) { return ConfinementResults(id, kind); },
                         std::string(kind) == "1"
                             ? std::vector<std::string>{"Transdate", "Drug Name", "Dosage", "Quantity"}
                             : std::vector<std::string>{"Examination", "Exam. Date", "Interpretation"}});
    return cases;
}

TEST(NurseActivity, EveryListSendsOneStatementAndHandsItsRowsBackWholeOnTheFirstRow) {
    for (const ListCase& list : Lists()) {
        SCOPED_TRACE(list.name);
        NurseActivity test;
        Row first(list.fields.size(), Null);
        first[0] = "first";
        Row second(list.fields.size(), "x");
        test.server.On(list.statement("2026000101")).Returns(list.fields, {first, second});
        db::Recordset rs = list.call(test, " 2026000101 ");
        EXPECT_THAT(test.server.Statements(), ElementsAre(list.statement("2026000101")));
        EXPECT_THAT(rs.FieldNames(), ElementsAreArray(list.fields));
        EXPECT_EQ(rs.RecordCount(), 2);
        EXPECT_EQ(rs.AbsolutePosition(), 1);
        EXPECT_EQ(vb::CStr(rs.Fields(0)), "first");
        EXPECT_TRUE(vb::IsNull(rs.Fields(list.fields.back())));
        rs.MoveNext();
        rs.MoveNext();
        EXPECT_TRUE(rs.Eof());
        rs.Close();
    }
}

TEST(NurseActivity, AnEmptyListIsAtItsEndAtOnce) {
    for (const ListCase& list : Lists()) {
        SCOPED_TRACE(list.name);
        NurseActivity test;
        test.server.On(list.statement("2026000101")).Returns(list.fields, {});
        db::Recordset rs = list.call(test, "2026000101");
        EXPECT_TRUE(rs.Eof());
        EXPECT_EQ(rs.RecordCount(), 0);
        rs.Close();
    }
}

TEST(NurseActivity, TypedTextStaysAValue) {
    for (const char* kind : {"1", "2", "3", "4"}) {
        EXPECT_THAT(statements::Requests("O'BRIEN%", kind), ::testing::HasSubstr("= 'O''BRIEN%'")) << kind;
        EXPECT_THAT(statements::ConfinementResults("O'BRIEN", kind), ::testing::HasSubstr("= 'O''BRIEN'")) << kind;
    }
    EXPECT_THAT(statements::RadiologyResults("O'BRIEN", "1"), ::testing::HasSubstr("C.IDNum = 'O''BRIEN'"));
    EXPECT_THAT(statements::Confinements("3'01", Null), ::testing::HasSubstr("HospNum = '3''01'"));
    EXPECT_EQ(statements::LabResults("O'BRIEN"), "STATION..sp_Nurse_GetPatient_LabResult_NormalValues 'O''BRIEN'");
}

TEST(NurseActivity, PendingRequestsAreTheLinesNoDepartmentProcessedYetKeyLast) {
    EXPECT_EQ(statements::Requests(" 2026000101 ", "2"),
              "SELECT ISNULL(NULLIF(LTRIM(C.Description), ''), C.ItemID) AS [ITEM DESCRIPTION], C.Quantity AS [QTY], "
              "C.RevenueID AS [DEPT], C.Transdate AS [Request Date/Time], C.ItemID AS [Code], "
              "C.UserID AS [REQUESTED BY], C.ProcessDate AS [PROCESS DATE/TIME], C.ProcessBy AS [PROCESSED BY], "
              "C.ResultDate AS [RESULT DATE/TIME], C.ResultBy AS [RESULT BY], C.Remarks AS [Remarks], "
              "C.Requestnum AS [Requestnum] FROM STATION..tbNurseCommunicationFile C WHERE C.IDNum = '2026000101' "
              "AND ISNULL(C.RecordStatus, '') = '' ORDER BY C.Transdate, C.Requestnum");
    EXPECT_THAT(statements::Requests("1", "1"), ::testing::HasSubstr("AND NOT ISNULL(C.RecordStatus, '') = ''"));
    EXPECT_THAT(statements::Requests("1", "3"), ::testing::HasSubstr("Radiology..tbCTResult R WHERE"));
}

// The chart binds the pending list whole: one fixed column, then the fields; the cancellation reads the last one.
class frmChart : public forms::Form {
public:
    using forms::Form::Form;
    forms::MSHFlexGrid mshflexProcessed{*this, "mshflexProcessed"};
};

TEST(NurseActivity, PendingRequestsBoundToAGridPutTheKeyInTheLastColumn) {
    NurseActivity test;
    Row line = {"CBC", 1, "LB", Null, "LB001", "N1001", Null, Null, Null, Null, Null, "LB-000123"};
    test.server.On(statements::Requests("2026000101", "2")).Returns(With(RequestFields, "Requestnum"), {line});
    frmChart chart(test.forms);
    db::Recordset rs = test.requests->GetRequests("DSN=WARD", "2026000101", "2");
    chart.mshflexProcessed.SetDataSource(rs);
    rs.Close();
    const forms::MSHFlexGrid& grid = chart.mshflexProcessed;
    EXPECT_EQ(grid.Cols(), 13);
    EXPECT_EQ(grid.TextMatrix(1, 1), "CBC");
    EXPECT_EQ(grid.TextMatrix(1, grid.Cols() - 1), "LB-000123");
}

TEST(NurseActivity, AnUnknownKindRaisesInsteadOfListingSomethingElse) {
    NurseActivity test;
    EXPECT_THROW(test.requests->GetRequests("", "2026000101", "5"), vb::VbError);
    EXPECT_THROW(test.results->GetResults("", "2026000101", ""), vb::VbError);
    EXPECT_THROW(test.confinementResults->GetConfinementResults("", "2026000101", "5"), vb::VbError);
    EXPECT_TRUE(test.server.Statements().empty());
}

TEST(NurseActivity, ConfinementsAreTheAdmissionsAndVisitsUpToTheDateNewestFirst) {
    EXPECT_EQ(statements::Confinements("300101 ", vb::Date{46000.5}),
              "SELECT IDNum AS [Admision No.], AdmDate AS [Admision Date/Time], DcrDate AS [Discharged Date/Time], "
              "RoomID AS [Room] FROM PATIENT_DATA..tbPatient WHERE HospNum = '300101' AND AdmDate <= "
              "{ts '2025-12-09 12:00:00'} UNION ALL SELECT IDNum, AdmDate, DcrDate, NULL FROM "
              "Patient_Data..tbOutPatient WHERE HospNum = '300101' AND AdmDate <= {ts '2025-12-09 12:00:00'} "
              "ORDER BY [Admision Date/Time] DESC");
    EXPECT_THAT(statements::Confinements("300101", Null), ::testing::Not(::testing::HasSubstr("AdmDate <=")));
}

// Laboratory results: one row per exam and result day, with the request and charge slip of the exam's line.
TEST(NurseActivity, LaboratoryResultsCarryTheirRequestAndChargeSlip) {
    NurseActivity test;
    const vb::Date day1{46000.25}, day1Later{46000.75}, day2{46001.4};
    test.server.On(statements::LabResults("2026000101"))
        .Returns({"Section", "Exam", "NormalValue", "LabExamID", "Resultdate", "Result"},
                 {{"HEMATOLOGY", "HEMOGLOBIN", "120-160 g/L", "HGB", day1, "131 "},
                  {"HEMATOLOGY", "HEMOGLOBIN", "120-160 g/L", "HGB", day1Later, " 128"},
                  {"HEMATOLOGY", "HEMOGLOBIN", "120-160 g/L", "HGB", day2, "125"},
                  {"CHEMISTRY", "SODIUM", Null, "NA", day1, Null},
                  {"CHEMISTRY", "POTASSIUM", "3.5-5.0", "K", day1, "4.1"}});
    test.server.On(statements::LabRequests("2026000101"))
        .Returns({"ItemID", "Requestnum", "Transdate", "ReferenceNum"}, {{"HGB", "LB-1", vb::Date{45999.5}, "CS-100"},
                                                                         {"HGB", "LB-2", vb::Date{46001.1}, "CS-101"},
                                                                         {"NA", "LB-3", vb::Date{46002.0}, Null}});
    db::Recordset rs = test.results->GetResults("DSN=WARD", "2026000101", "4");
    EXPECT_THAT(rs.FieldNames(), ElementsAreArray(LabFields));
    std::vector<std::string> rows;
    for (; !rs.Eof(); rs.MoveNext()) {
        std::string text;
        for (int i = 0; i < rs.FieldCount(); ++i)
            text += (i ? "|" : "") + (i == 1                     ? std::string()
                                      : vb::IsNull(rs.Fields(i)) ? "Null"
                                                                 : vb::CStr(rs.Fields(i)));
        rows.push_back(text);
    }
    rs.Close();
    EXPECT_THAT(rows,
                ElementsAre("LB-1||HGB|HEMOGLOBIN|HEMATOLOGY|CS-100|120-160 g/L|131, 128",
                            "LB-2||HGB|HEMOGLOBIN|HEMATOLOGY|CS-101|120-160 g/L|125",
                            "LB-3||NA|SODIUM|CHEMISTRY|Null|Null|", "Null||K|POTASSIUM|CHEMISTRY|Null|3.5-5.0|4.1"));
}

TEST(NurseActivity, NoLaboratoryResultIsAnEmptyList) {
    NurseActivity test;
    test.server.On(statements::LabResults("2026000101"))
        .Returns({"Section", "Exam", "NormalValue", "LabExamID", "Resultdate", "Result"}, {});
    test.server.On(statements::LabRequests("2026000101"))
        .Returns({"ItemID", "Requestnum", "Transdate", "ReferenceNum"}, {});
    db::Recordset rs = test.results->GetResults("DSN=WARD", "2026000101", "4");
    EXPECT_TRUE(rs.Eof());
    EXPECT_EQ(rs.RecordCount(), 0);
    EXPECT_THAT(rs.FieldNames(), ElementsAreArray(LabFields));
}

// Every list of both sample patients, on the sample ward's server, finds its answers there.
TEST(NurseActivityOnTheSampleWard, EveryListIsAnswered) {
    Objects<sampleward::SampleServer> test;
    sampleward::DeclareSampleWard(test.server);
    for (const char* idNum : {sampleward::InPatientIdNum, sampleward::OutPatientIdNum}) {
        for (const char* kind : {"1", "2", "3", "4"}) {
            test.requests->GetRequests("", idNum, kind).Close();
            test.results->GetResults("", idNum, kind).Close();
            test.confinementResults->GetConfinementResults("", idNum, kind).Close();
        }
    }
    db::Recordset confinements =
        test.confinements->GetConfinementPeriod("", sampleward::InPatientHospNum, sampleward::Now());
    EXPECT_EQ(vb::CStr(confinements.Fields("Admision No.")), sampleward::InPatientIdNum);
    test.confinements->GetConfinementPeriod("", sampleward::OutPatientHospNum, Null).Close();
    EXPECT_EQ(test.requests->GetRequests("", sampleward::InPatientIdNum, "4").RecordCount(),
              static_cast<long>(sampleward::SampleVitalSigns(sampleward::InPatientIdNum).size()));
    db::Recordset lab = test.results->GetResults("", sampleward::InPatientIdNum, "4");
    EXPECT_EQ(vb::CStr(lab.Fields("Reference")), "CS-1001") << "the slip of the result viewer's sample";
    EXPECT_THAT(test.server.Unanswered(), ::testing::IsEmpty());
}

} // namespace
