#include "gui/ReportPainting.h"
#include "core/App.h"
#include "core/ReportPrinting.h"
#include "core/frmReportViewer.h"
#include "gui/FormWindow.h"
#include "gui/QtHost.h"
#include "gui/main/PdfText.h"
#include "platform/reports/ReportError.h"
#include "platform/reports/TemplateReportEngine.h"
#include "sampleward/SampleWard.h"
#include "testkit/FakeComponents.h"
#include "testkit/ScriptedServer.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QPrinterInfo>
#include <QScrollArea>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

// The program's folder as the report calls see it: its Reports folder holds the shipped templates.
std::string ProgramFolder() {
    if (const char* source = std::getenv("WARD_SOURCE_DIR"))
        return source;
    // The build copies the templates beside the program (src/gui); the tests run from tests/gui of the same tree.
    return QDir(QCoreApplication::applicationDirPath() + "/../../src/gui").absolutePath().toStdString();
}

const std::string NoteQuery = "SELECT Transdate, Dayshift, UserID, Notes FROM STATION..tbNurseNotes WHERE IDNum = "
                              "'2026001234' AND TransNum = 7";

void AnswerTheNote(testkit::ScriptedServer& server) {
    server.On(NoteQuery).Returns({"Transdate", "Dayshift", "UserID", "Notes"},
                                 {{"03/01/2026 08:00:00 AM", "AM", "N0001", "Slept well, no complaints."}});
}

const std::vector<vb::Variant> NoteValues = {"2026001234", std::int32_t(7), "Mabini St., Cebu City"};

TEST(ReportPainting, AShippedTemplateWrittenToPdfReadsBackWithItsNameTitleAndValues) {
    testkit::ScriptedServer server;
    reports::TemplateReportEngine engine(server);
    AnswerTheNote(server);
    auto report = engine.OpenReport(ProgramFolder() + "\\Reports\\NursesNotes.rpt");
    report->SetHospitalName("TESSUN GENERAL HOSPITAL");
    reports::SetParameterValues(*report, NoteValues);
    const std::string text = guitest::PdfText(engine.LayOutReport(*report));
    for (const char* expected : {"TESSUN GENERAL HOSPITAL", "Nurses Notes", "Mabini St., Cebu City", "2026001234",
                                 "Slept well, no complaints.", "Page 1 of 1"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << " in\n" << text;
}

TEST(ReportPainting, TheLaboratoryResultWrittenToPdfReadsBackWithThePatientAndTheSlipsResults) {
    std::unique_ptr<sampleward::SampleServer> ward = sampleward::OpenSampleWard();
    reports::TemplateReportEngine engine(*ward);
    auto report = engine.OpenReport(ProgramFolder() + "\\Reports\\LabResult.rpt");
    report->SetHospitalName("TESSUN GENERAL HOSPITAL");
    reports::SetParameterValues(
        *report, {sampleward::InPatientIdNum, "", "CS-1001", "300101", "VILLANUEVA, ROBERTO", "SIC-02", "54", "M"});
    const std::string text = guitest::PdfText(engine.LayOutReport(*report));
    for (const char* expected : {"Laboratory Result", "VILLANUEVA, ROBERTO", "CS-1001", "HEMATOLOGY", "HEMOGLOBIN",
                                 "120 - 160 g/L", "WBC COUNT", "7.2"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << " in\n" << text;
    EXPECT_EQ(text.find("CREATININE"), std::string::npos) << text;
    EXPECT_TRUE(ward->Unanswered().empty());
}

TEST(ReportPainting, TheLaboratoryGraphWrittenToPdfReadsBackWithTheExaminationsResultsByDay) {
    std::unique_ptr<sampleward::SampleServer> ward = sampleward::OpenSampleWard();
    reports::TemplateReportEngine engine(*ward);
    auto report = engine.OpenReport(ProgramFolder() + "\\Reports\\LaboratoryResult_InTabularFormat_Graph.rpt");
    report->SetHospitalName("TESSUN GENERAL HOSPITAL");
    reports::SetParameterValues(*report, {sampleward::InPatientIdNum, "L001"});
    const std::string text = guitest::PdfText(engine.LayOutReport(*report));
    for (const char* expected : {"Laboratory Result Trend", sampleward::InPatientIdNum, "L001", "HEMOGLOBIN",
                                 "120 - 160 g/L", "HEMATOLOGY", "135"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << " in\n" << text;
    EXPECT_EQ(text.find("WBC COUNT"), std::string::npos) << text;
    EXPECT_TRUE(ward->Unanswered().empty());
}

TEST(ReportPainting, TheHeartStationReportsWrittenToPdfReadBackWithTheRequestsPatientAndExamination) {
    struct HeartReport {
        const char* file;
        const char* title;
        std::vector<vb::Variant> values;
    };
    const std::vector<HeartReport> heartReports = {
        {"Exam_2DEcho_Adult.rpt",
         "Echocardiographic Report",
         {"1 MABINI STREET", "HS-0000301", "VILLANUEVA ,ROBERTO SALAZAR", "17 BONIFACIO STREET", "68", "M",
          "NAVARRO, TERESA LOPEZ", "", "", "", "", "SIC-02", "", "", "HS-0000301"}},
        {"Exam_2DEcho_Adult.rpt",
         "Echocardiographic Report",
         {"HS-0000301", "VILLANUEVA ,ROBERTO SALAZAR", "17 BONIFACIO STREET", "68", "M", "SIC-02",
          "NAVARRO, TERESA LOPEZ", "", "", "FERRER, MIGUEL ANTONIO", "HS-0000301"}},
        {"Exam_Hemodynamic.rpt",
         "Hemodynamic Cardiovascular Laboratory",
         {"HS-0000301", "VILLANUEVA ,ROBERTO SALAZAR", "NAVARRO, TERESA LOPEZ", "FERRER, MIGUEL ANTONIO"}},
        {"AbdominalAorta2.rpt", "Abdominal Aorta Examination", {"HS-0000301"}},
        {"Carotid.rpt", "Carotid Examination", {"HS-0000301"}},
        {"Carotid2.rpt", "Carotid Examination", {"HS-0000301"}},
        {"ArterialLower.rpt", "Arterial Lower Evaluation", {"HS-0000301"}},
        {"ArterialLower2.rpt", "Arterial Duplex Scan", {"HS-0000301"}},
        {"ArterialUpper.rpt", "Arterial Evaluation", {"HS-0000301"}},
        {"ArterialUpper2.rpt", "Arterial Duplex Scan", {"HS-0000301"}},
        {"RenalArtery.rpt", "Renal Artery Duplex Scan", {"HS-0000301"}},
        {"Transcranial.rpt", "Transcranial Ultrasonography", {"HS-0000301"}},
        {"ResultECG.rpt", "ECG Examination", {"HS-0000301"}},
        {"VenousUpper.rpt", "Venous Upper Examination", {"HS-0000301"}},
        {"VenousLower.rpt", "VenousLower", {"HS-0000301"}},
    };
    std::unique_ptr<sampleward::SampleServer> ward = sampleward::OpenSampleWard();
    reports::TemplateReportEngine engine(*ward);
    for (const HeartReport& heart : heartReports) {
        SCOPED_TRACE(std::string(heart.file) + " with " + std::to_string(heart.values.size()) + " values");
        auto report = engine.OpenReport(ProgramFolder() + "\\Reports\\" + heart.file);
        report->SetHospitalName("TESSUN GENERAL HOSPITAL");
        reports::SetParameterValues(*report, heart.values);
        const std::string text = guitest::PdfText(engine.LayOutReport(*report));
        for (const char* expected : {"TESSUN GENERAL HOSPITAL", heart.title, "HS-0000301", "VILLANUEVA", "300101",
                                     "2D ECHO WITH DOPPLER", "SIC-02", "not kept in this program's data"})
            EXPECT_NE(text.find(expected), std::string::npos) << expected << " in\n" << text;
        if (heart.values.size() != 1) {
            EXPECT_NE(text.find("NAVARRO, TERESA LOPEZ"), std::string::npos) << text;
        }
        if (heart.values.size() == 11 || heart.values.size() == 4) {
            EXPECT_NE(text.find("FERRER, MIGUEL ANTONIO"), std::string::npos) << text;
        }
        if (heart.values.size() == 15) {
            EXPECT_NE(text.find("1 MABINI STREET"), std::string::npos) << text;
        }
    }
    EXPECT_TRUE(ward->Unanswered().empty());
}

TEST(ReportPainting, TheStatementOfAccountWrittenToPdfReadsBackWithItsDepartmentsBillAndFees) {
    std::unique_ptr<sampleward::SampleServer> ward = sampleward::OpenSampleWard();
    reports::TemplateReportEngine engine(*ward);
    auto report = engine.OpenReport(ProgramFolder() + "\\Reports\\StatementOfAccountPatientsLedgerByDepartment.RPT");
    report->SetHospitalName("TESSUN SAMPLE HOSPITAL");
    reports::SetParameterValues(*report, {sampleward::InPatientIdNum, "1 SAMPLE AVENUE, ZENTARI CITY",
                                          "VILLANUEVA ,ROBERTO SALAZAR", "17 BONIFACIO STREET, ZENTARI CITY", "300101",
                                          "PERSONAL", "300101", "12/08/2026", "", "SIC-02", "4500", "09:30:00 AM", "",
                                          "", "", "DIAZ, CLARA MENDOZA", "NAVARRO, TERESA LOPEZ"});
    for (const char* subreport : {"HospitalBill", "MedicalFee"})
        reports::SetParameterValues(report->OpenSubreport(subreport), {sampleward::InPatientIdNum});
    const std::string text = guitest::PdfText(engine.LayOutReport(*report));
    for (const char* expected : {"TESSUN SAMPLE HOSPITAL", "STATEMENT OF ACCOUNT", "VILLANUEVA ,ROBERTO SALAZAR",
                                 "Charges by Department", "4,381.00", "Hospital Bill", "CARDIAC MONITOR (PER DAY)",
                                 "Medical Fees", "NAVARRO, TERESA LOPEZ", "1,500.00"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << " in\n" << text;
    EXPECT_TRUE(ward->Unanswered().empty());
}

TEST(ReportPainting, TheVitalSignsSheetWrittenToPdfReadsBackWithTheAdmissionsReadings) {
    std::unique_ptr<sampleward::SampleServer> ward = sampleward::OpenSampleWard();
    reports::TemplateReportEngine engine(*ward);
    auto report = engine.OpenReport(ProgramFolder() + "\\Reports\\Vital Signs.rpt");
    report->SetHospitalName("TESSUN SAMPLE HOSPITAL");
    reports::SetParameterValues(*report,
                                {sampleward::InPatientIdNum, "VILLANUEVA ,ROBERTO SALAZAR", "12/08/2026",
                                 sampleward::InPatientIdNum, sampleward::InPatientHospNum, "SIC-02", "MALE", "54"});
    const std::string text = guitest::PdfText(engine.LayOutReport(*report));
    for (const char* expected :
         {"TESSUN SAMPLE HOSPITAL", "VILLANUEVA ,ROBERTO SALAZAR", "SIC-02", "120/80", "130/85", "125/80"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << " in\n" << text;
    EXPECT_EQ(text.find("110/70"), std::string::npos) << text;
    EXPECT_TRUE(ward->Unanswered().empty());
}

TEST(ReportPainting, TheLaboratoryRequestFormWrittenToPdfReadsBackWithThePatientAndTheUsersPrintRows) {
    std::unique_ptr<sampleward::SampleServer> ward = sampleward::OpenSampleWard();
    reports::TemplateReportEngine engine(*ward);
    auto report = engine.OpenReport(ProgramFolder() + "\\Reports\\LabRequestForm.RPT");
    report->SetHospitalName("TESSUN SAMPLE HOSPITAL");
    reports::SetParameterValues(*report, {"1 SAMPLE AVENUE, ZENTARI CITY", "(02) 555-0100", "300101",
                                          sampleward::InPatientIdNum, "VILLANUEVA ,ROBERTO SALAZAR", "54", "M",
                                          "SIC-02", "PRIVATE", "REF-0091", "", "STAT", "Non_Transplant", "None",
                                          "SANTOS, MIGUEL", "In-Patient", sampleward::SampleNurseID, "HEM"});
    const std::string text = guitest::PdfText(engine.LayOutReport(*report));
    for (const char* expected : {"LABORATORY REQUEST FORM", "STAT", "VILLANUEVA ,ROBERTO SALAZAR", "REF-0091",
                                 "SANTOS, MIGUEL", "Section HEM", "LB-0000452", "101 COMPLETE BLOOD COUNT", "WB"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << " in\n" << text;
    EXPECT_TRUE(ward->Unanswered().empty());
}

TEST(ReportPainting, ThePendingRequestsWrittenToPdfReadBackByStationOrForAll) {
    for (const char* station : {"SIC", ""}) {
        SCOPED_TRACE(station);
        std::unique_ptr<sampleward::SampleServer> ward = sampleward::OpenSampleWard();
        reports::TemplateReportEngine engine(*ward);
        auto report = engine.OpenReport(ProgramFolder() + "\\Reports\\List_Of_All_PendingRequest_ByAll_Station.Rpt");
        report->SetHospitalName("TESSUN SAMPLE HOSPITAL");
        reports::SetParameterValues(*report, {std::string(station)});
        const std::string text = guitest::PdfText(engine.LayOutReport(*report));
        for (const char* expected : {"List of All Pending Requests", "Station SIC", "VILLANUEVA, ROBERTO",
                                     "COMPLETE BLOOD COUNT", "LB-0000451"})
            EXPECT_NE(text.find(expected), std::string::npos) << expected << " in\n" << text;
        EXPECT_EQ(text.find("CHEST PA"), std::string::npos) << text;
        EXPECT_TRUE(ward->Unanswered().empty());
    }
}

TEST(ReportPainting, BothChargeSlipsWrittenToPdfReadBackWithTheirNumberPatientAndThatSlipsLinesOnly) {
    for (const char* file : {"Charge_Slip_New.RPT", "Charge_Slip_BlankForm.RPT"}) {
        SCOPED_TRACE(file);
        std::unique_ptr<sampleward::SampleServer> ward = sampleward::OpenSampleWard();
        reports::TemplateReportEngine engine(*ward);
        auto report = engine.OpenReport(ProgramFolder() + "\\Reports\\" + file);
        report->SetHospitalName("TESSUN SAMPLE HOSPITAL");
        reports::SetParameterValues(*report,
                                    {"C0001201B", "VILLANUEVA ,ROBERTO SALAZAR", sampleward::InPatientHospNum, "68 / M",
                                     "MEMBER", "PERSONAL", "SIC-02", sampleward::InPatientIdNum,
                                     "12/11/2026 08:30:00 AM", "12/11/2026 08:30:00 AM", "NAVARRO, TERESA", "REGULAR",
                                     "SANTOS, MARIA", "(N1001) SANTOS, MARIA", "SANTOS, MARIA", "ORIGINAL COPY"});
        const std::string text = guitest::PdfText(engine.LayOutReport(*report));
        for (const char* expected :
             {"C0001201B", "VILLANUEVA ,ROBERTO SALAZAR", "WOUND DRESSING", "AMOXICILLIN 500MG", "ORIGINAL COPY"})
            EXPECT_NE(text.find(expected), std::string::npos) << expected << " in\n" << text;
        EXPECT_EQ(text.find("OXYGEN TANK"), std::string::npos) << "a line of another slip in\n" << text;
        EXPECT_TRUE(ward->Unanswered().empty());
    }
}

TEST(ReportPainting, APdfThatCannotBeWrittenRaisesAReportError) {
    reports::Document document;
    document.pages.emplace_back();
    EXPECT_THROW(gui::WritePdf(document, QStringLiteral("/nonexistent-folder/x.pdf")), reports::ReportError);
}

// The program's application on the desktop host with its own engine on the scripted server.
struct ViewerApp {
    ViewerApp() {
        app.CurrentUser = std::make_unique<testkit::FakeLogin>(&server);
        ward::ApplyStartupValues(app);
        app.ReportEngine = std::make_shared<reports::TemplateReportEngine>(server);
        app.HospitalName = "TESSUN GENERAL HOSPITAL";
        app.Forms.SetErrorReporter([this](const std::exception& error) { errors.push_back(error.what()); });
    }
    ~ViewerApp() {
        host.ReleaseWindows();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // Runs `look` on the viewer window once it is open, then closes it.
    void WhenViewerOpens(std::function<void(QWidget&)> look) {
        QTimer::singleShot(0, [this, look] {
            for (forms::Form* form : app.Forms.LoadedForms())
                if (auto* viewer = dynamic_cast<ward::frmReportViewer*>(form)) {
                    gui::FormWindow* window = host.WindowOf(*viewer);
                    if (window != nullptr)
                        look(*window->TopLevel());
                    viewer->CloseByUser();
                }
        });
    }

    gui::QtHost host;
    testkit::ScriptedServer server;
    ward::App app{host};
    std::vector<std::string> errors;
};

TEST(ReportPainting, TheViewerShowsThePagesWithThePrintButtonAndGroupTreeAsAsked) {
    ViewerApp fixture;
    AnswerTheNote(fixture.server);
    fixture.app.AllowReportPrint = false;
    bool looked = false;
    fixture.WhenViewerOpens([&](QWidget& window) {
        looked = true;
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Nurses Notes"));
        auto* toolBar = window.findChild<QToolBar*>();
        ASSERT_NE(toolBar, nullptr);
        EXPECT_FALSE(toolBar->actions().front()->isEnabled()) << "printing is withheld";
        auto* tree = window.findChild<QTreeWidget*>();
        ASSERT_NE(tree, nullptr);
        EXPECT_FALSE(tree->isVisibleTo(&window));
        auto* scroller = window.findChild<QScrollArea*>();
        ASSERT_NE(scroller, nullptr);
        // One letter page at 125 percent, with the gaps around it.
        const double expectedWidth = 612 * scroller->widget()->logicalDpiX() / 72.0 * 1.25;
        EXPECT_NEAR(scroller->widget()->width(), expectedWidth + 24, 2);
        if (const char* folder = std::getenv("WARD_SCREENSHOT_DIR")) {
            QDir().mkpath(QString::fromLocal8Bit(folder));
            window.grab().save(QString::fromLocal8Bit(folder) + "/report-viewer.png");
        }
    });
    ward::OpenReport(fixture.app, ProgramFolder() + "\\Reports\\NursesNotes.rpt", NoteValues);
    ward::ShowReport(fixture.app, false, "Nurses Notes", false, false);

    EXPECT_TRUE(looked);
    EXPECT_TRUE(fixture.errors.empty()) << fixture.errors.front();
    EXPECT_TRUE(fixture.app.AllowReportPrint);
    EXPECT_FALSE(fixture.app.CurrentReport);
}

TEST(ReportPainting, PrintingWithNoPrinterInstalledIsReportedByTheViewer) {
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this workstation has a printer";
    ViewerApp fixture;
    AnswerTheNote(fixture.server);
    fixture.WhenViewerOpens([&](QWidget& window) {
        auto* toolBar = window.findChild<QToolBar*>();
        ASSERT_NE(toolBar, nullptr);
        toolBar->actions().front()->trigger();
    });
    ward::OpenReport(fixture.app, ProgramFolder() + "\\Reports\\NursesNotes.rpt", NoteValues);
    ward::ShowReport(fixture.app, false, "Nurses Notes", false, false);

    ASSERT_EQ(fixture.errors.size(), 1u);
    EXPECT_EQ(fixture.errors[0], "No printer is installed: the report cannot be printed.");
}

} // namespace
