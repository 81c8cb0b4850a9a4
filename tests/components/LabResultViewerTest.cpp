#include "components/LabResultViewer.h"
#include "PatientColumns.h"
#include "components/OwnComponents.h"
#include "components/frmLabResultViewer.h"
#include "platform/forms/FormsContext.h"
#include "platform/reports/TemplateReportEngine.h"
#include "platform/vb/VbError.h"
#include "sampleward/SampleWard.h"
#include "testkit/RecordingReportEngine.h"
#include "testkit/ScriptedHost.h"
#include "testkit/ScriptedServer.h"

#include <gtest/gtest.h>

namespace {

using patientcolumns::AdmissionColumns;
using patientcolumns::PatientColumns;
using testkit::RecordedReport;
using testkit::ScriptedServer;

const vb::Variant Null = vb::Variant::Null();
const char* kAdmission = "2026000101";
const std::string kResults = "STATION..sp_Nurse_GetPatient_LabResult_NormalValues '2026000101'";
const std::string kRequestLines =
    "SELECT C.ItemID, C.Requestnum, L.ReferenceNum FROM STATION..tbNurseCommunicationFile C LEFT OUTER JOIN "
    "STATION..tbNurseLogBook L ON L.IDNum = C.IDNum AND L.RevenueID = C.RevenueID AND L.ItemID = C.ItemID WHERE "
    "C.IDNum = '2026000101' AND C.RevenueID = 'LB'";

// Made as the program makes it, on the scripted server, with the recording engine and the shipped templates.
template <class Engine> struct Viewer {
    template <class... Args> explicit Viewer(Args&&... args) : forms(host), engine(std::forward<Args>(args)...) {
        host.SetAppPath("C:\\Ward");
        components::RegisterOwnComponents(factory, {forms, [this]() -> db::Connection& { return server; },
                                                    [this]() -> reports::ReportEngine& { return engine; }});
        viewer = factory.Create<components::LabResultViewerComponent>("Ostenay.Labresultviewer");
        viewer->SetSQLConnection(server);
    }
    // As the chart sets it for the patient it shows.
    void FromChart(const std::string& requestNum, const std::string& csNumber) {
        viewer->SetCSNumber(csNumber);
        viewer->SetRequestNum(requestNum);
        viewer->SetAutoPrint(!requestNum.empty());
        viewer->SetViewMode(0);
        viewer->SetHospitalNumber("999999");
        viewer->SetIdNumber(kAdmission);
        viewer->SetRoomNumber("ER-01");
        viewer->SetPatientName("SOMEONE ELSE, ANNA");
        viewer->SetAge("70");
        viewer->SetSex("F");
        viewer->SetStatus("");
        viewer->SetUserID("N1001");
        viewer->SetStationID("ER");
    }
    // As the verified results are printed: only these members are set again.
    void ForPrint(const std::string& requestNum, const std::string& csNumber) {
        viewer->SetRequestNum(requestNum);
        viewer->SetIdNumber(kAdmission);
        viewer->SetUserID("N1001");
        viewer->SetCSNumber(csNumber);
        viewer->SetAutoPrint(true);
        viewer->SetViewMode(1);
    }

    ScriptedServer server;
    testkit::ScriptedHost host;
    forms::FormsContext forms;
    Engine engine;
    components::ComponentFactory factory;
    std::unique_ptr<components::LabResultViewerComponent> viewer;
};

using RecordingViewer = Viewer<testkit::RecordingReportEngine>;

void DeclarePatient(ScriptedServer& server) {
    testkit::Row row(AdmissionColumns.size(), Null);
    row[0] = kAdmission;
    row[1] = "300101";
    row[7] = "54";
    row[9] = "SIC-02";
    server.OnPattern(std::string("SELECT A.IDNum, {?} WHERE A.IDNum = '") + kAdmission + "'")
        .Returns(AdmissionColumns, {row});
    testkit::Row patient = {"300101", "VILLANUEVA ", "ROBERTO", Null, "M"};
    patient.resize(PatientColumns.size(), Null);
    server.OnPattern("SELECT HospNum, {?} WHERE HospNum = '300101'").Returns(PatientColumns, {patient});
    server.OnPattern("SELECT R.RoomID, R.RoomRate, {?} WHERE UPPER(R.RoomID) = 'SIC-02'")
        .Returns({"RoomID", "RoomRate", "Accomodation", "StationID", "Station"},
                 {{"SIC-02", 4500.0, "ICU BED", "SIC", Null}});
    server.On("STATION..sp_Nurse_Get_RoomClassification 'SIC-02'").Returns({"RoomClassID"}, {{"C"}});
}

// A blood count on one slip and a creatinine on another; a urinalysis released without a request line.
void DeclareResults(ScriptedServer& server) {
    server.On(kResults).Returns({"Section", "Exam", "NormalValue", "LabExamID", "Resultdate", "Result"},
                                {{"HEMATOLOGY", "HEMOGLOBIN", "120 - 160", "L001 ", "03/02/2026 08:00:00 AM", "135"},
                                 {"HEMATOLOGY", "WBC COUNT", Null, "L002", "03/02/2026 08:00:00 AM", "7.2"},
                                 {"BLOOD CHEMISTRY", "CREATININE", "53 - 115", "L010", Null, Null},
                                 {"CLINICAL MICROSCOPY", "URINALYSIS", Null, "L020", Null, "NORMAL"}});
    server.On(kRequestLines)
        .Returns({"ItemID", "Requestnum", "ReferenceNum"},
                 {{"L001", "LR-0001", "CS-1001"}, {"L002", "LR-0002", "CS-1001 "}, {"L010", "LR-0003", Null}});
}

const std::vector<vb::Variant> kPatient = {"300101", "VILLANUEVA, ROBERTO", "SIC-02", "54", "M"};

std::vector<vb::Variant> Values(const std::string& requestNum, const std::string& csNumber) {
    std::vector<vb::Variant> values = {kAdmission, requestNum, csNumber};
    values.insert(values.end(), kPatient.begin(), kPatient.end());
    return values;
}

TEST(LabResultLines, EachResultTakesTheRequestAndSlipOfItsExamination) {
    ScriptedServer server;
    DeclareResults(server);
    const auto lines = components::ReadLabResultLines(server, " 2026000101 ");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].RequestNum, "LR-0001");
    EXPECT_EQ(lines[1].Reference, "CS-1001");
    EXPECT_EQ(lines[1].NormalValue, "");
    EXPECT_EQ(lines[2].Reference, "");
    EXPECT_TRUE(lines[2].Resultdate.IsNull());
    EXPECT_EQ(lines[3].RequestNum, "");
    EXPECT_TRUE(server.SentExactly({kResults, kRequestLines}));
}

TEST(LabResultLines, ARequestChoosesItsExaminationAndASlipEveryExaminationOnIt) {
    ScriptedServer server;
    DeclareResults(server);
    const auto lines = components::ReadLabResultLines(server, kAdmission);
    struct Case {
        std::string requestNum, csNumber;
        std::vector<std::string> exams;
    };
    const Case cases[] = {
        {"LR-0002", "CS-1001", {"WBC COUNT"}},
        {" LR-0003 ", "", {"CREATININE"}},
        {"", "CS-1001 ", {"HEMOGLOBIN", "WBC COUNT"}},
        {"", "", {}},
        {"LR-9999", "CS-1001", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.requestNum + "/" + c.csNumber);
        std::vector<std::string> exams;
        for (const auto& line : components::ChooseLabResults(lines, c.requestNum, c.csNumber))
            exams.push_back(line.Exam);
        EXPECT_EQ(exams, c.exams);
    }
}

TEST(LabResultLines, AnApostropheInTheAdmissionIsQuoted) {
    EXPECT_EQ(components::labstatements::NormalValues("20'26"),
              "STATION..sp_Nurse_GetPatient_LabResult_NormalValues '20''26'");
    EXPECT_NE(components::labstatements::RequestLines("20'26").find("C.IDNum = '20''26'"), std::string::npos);
}

TEST(LabResultViewer, PerRequestAndPerSlipShowTheResultsInItsOwnWindowWithThePatientOfTheAdmission) {
    for (const bool perSlip : {false, true}) {
        SCOPED_TRACE(perSlip);
        RecordingViewer test(testkit::RecordingReportEngine::ShippedTemplates());
        DeclarePatient(test.server);
        const std::string requestNum = perSlip ? "" : " LR-0001";
        test.FromChart(requestNum, "CS-1001");
        bool shown = false;
        test.host.OnModal<components::frmLabResultViewer>([&](components::frmLabResultViewer& window) {
            shown = true;
            EXPECT_EQ(window.Caption(), "Laboratory Result");
            EXPECT_TRUE(window.CRViewer1.HasReportSource());
            EXPECT_EQ(window.CRViewer1.ViewCount(), 1);
            EXPECT_TRUE(window.CRViewer1.EnablePrintButton());
            window.Unload();
        });
        test.viewer->Show_Results();
        EXPECT_TRUE(shown);
        const RecordedReport& report = test.engine.Last();
        EXPECT_EQ(report.path, "C:\\Ward\\Reports\\LabResult.rpt");
        EXPECT_EQ(report.values, Values(perSlip ? "" : "LR-0001", "CS-1001"));
        EXPECT_EQ(report.output, RecordedReport::Output::Viewed);
        EXPECT_EQ(test.engine.PrintedCount(), 0);
    }
}

TEST(LabResultViewer, PrintModePrintsAtOnceWithoutAWindowAndNeverTheChartsEarlierPatient) {
    RecordingViewer test(testkit::RecordingReportEngine::ShippedTemplates());
    DeclarePatient(test.server);
    DeclareResults(test.server);
    test.FromChart("LR-0003", "CS-0000");
    test.ForPrint("LR-0003", "CS-1002 ");
    test.viewer->Show_Results();
    const RecordedReport& report = test.engine.Last();
    EXPECT_EQ(report.output, RecordedReport::Output::Printed);
    EXPECT_EQ(report.values, Values("LR-0003", "CS-1002"));
    for (const vb::Variant& value : report.values)
        for (const char* chartValue : {"SOMEONE ELSE, ANNA", "999999", "ER-01", "70", "F", "ER"})
            EXPECT_NE(value, vb::Variant(chartValue));
}

TEST(LabResultViewer, APrintThatCannotBeMadeRaisesSoTheResultIsNotMarkedPrinted) {
    struct Case {
        const char* name;
        std::string requestNum;
        bool noPrinter;
    };
    for (const Case& c : {Case{"no released result", "LR-0009", false}, Case{"result without request", "", false},
                          Case{"no printer", "LR-0001", true}}) {
        SCOPED_TRACE(c.name);
        RecordingViewer test(testkit::RecordingReportEngine::ShippedTemplates());
        DeclarePatient(test.server);
        DeclareResults(test.server);
        test.engine.SetNoPrinter(c.noPrinter);
        test.ForPrint(c.requestNum, "");
        EXPECT_THROW(test.viewer->Show_Results(), vb::VbError);
        EXPECT_EQ(test.engine.PrintedCount(), 0);
    }
}

TEST(LabResultViewer, AnAdmissionNotFoundShowsNothing) {
    RecordingViewer test(testkit::RecordingReportEngine::ShippedTemplates());
    test.server.OnPattern(std::string("SELECT A.IDNum, {?} WHERE A.IDNum = '") + kAdmission + "'")
        .Returns(AdmissionColumns, {});
    test.server.OnPattern(std::string("SELECT IDNum, HospNum, {?} WHERE IDNum = '") + kAdmission + "'")
        .Returns({"IDNum"}, {});
    test.FromChart("LR-0001", "CS-1001");
    EXPECT_THROW(test.viewer->Show_Results(), vb::VbError);
    EXPECT_TRUE(test.engine.Reports().empty());
}

TEST(LabResultViewer, WithoutAConnectionOrAReportEngineItRaises) {
    testkit::ScriptedHost host;
    forms::FormsContext forms(host);
    ScriptedServer server;
    components::ComponentFactory factory;
    components::RegisterOwnComponents(factory, {forms, [&]() -> db::Connection& { return server; }});
    auto viewer = factory.Create<components::LabResultViewerComponent>("Ostenay.Labresultviewer");
    EXPECT_THROW(viewer->Show_Results(), vb::VbError);
    DeclarePatient(server);
    viewer->SetSQLConnection(server);
    viewer->SetIdNumber(kAdmission);
    EXPECT_THROW(viewer->Show_Results(), vb::VbError);
}

// The whole way on the sample ward: the real engine lays the template out from the sample's own rows.
TEST(LabResultViewer, OnTheSampleWardBothModesAnswerEveryStatementAndPrintTheResults) {
    std::unique_ptr<sampleward::SampleServer> ward = sampleward::OpenSampleWard();
    struct PrintedPages : reports::Printer {
        void Print(const reports::Document& document) override { text += document.PlainText(); }
        std::string text;
    } printer;
    testkit::ScriptedHost host;
    forms::FormsContext forms(host);
    reports::TemplateReportEngine engine(*ward, &printer);
    host.SetAppPath(testkit::RecordingReportEngine::ShippedTemplates().parent_path().string());
    components::ComponentFactory factory;
    components::RegisterOwnComponents(factory, {forms, [&]() -> db::Connection& { return *ward; },
                                                [&]() -> reports::ReportEngine& { return engine; }});
    auto viewer = factory.Create<components::LabResultViewerComponent>("Ostenay.Labresultviewer");
    viewer->SetSQLConnection(*ward);
    viewer->SetIdNumber(sampleward::InPatientIdNum);
    viewer->SetRequestNum("");
    viewer->SetCSNumber("CS-1001");
    viewer->SetViewMode(0);
    host.OnModal<components::frmLabResultViewer>([](components::frmLabResultViewer& window) {
        auto pages = window.CRViewer1.ReportSource<const reports::Document>();
        ASSERT_NE(pages, nullptr);
        const std::string text = pages->PlainText();
        EXPECT_NE(text.find("WBC COUNT"), std::string::npos) << text;
        EXPECT_EQ(text.find("CREATININE"), std::string::npos) << text;
        window.Unload();
    });
    viewer->Show_Results();
    viewer->SetRequestNum("LR-0003");
    viewer->SetViewMode(1);
    viewer->Show_Results();
    EXPECT_NE(printer.text.find("CREATININE"), std::string::npos) << printer.text;
    EXPECT_NE(printer.text.find("53 - 115 umol/L"), std::string::npos) << printer.text;
    EXPECT_EQ(printer.text.find("HEMOGLOBIN"), std::string::npos) << printer.text;
    EXPECT_TRUE(ward->Unanswered().empty()) << ward->Unanswered().front();
}

} // namespace
