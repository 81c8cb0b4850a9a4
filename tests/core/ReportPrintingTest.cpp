#include "core/ReportPrinting.h"
#include "core/frmReportMedicationsheet.h"
#include "core/frmReportViewer.h"
#include "platform/reports/ReportError.h"
#include "platform/reports/TemplateReportEngine.h"
#include "testkit/TestApp.h"
#include "testkit/UserActions.h"

#include <gtest/gtest.h>

using namespace testkit;
using Output = RecordedReport::Output;

namespace {

// A template the program ships with three parameter fields (admission, note number, address).
const std::string NursesNotes = ".\\Reports\\NursesNotes.rpt";

struct ShownViewer {
    std::string window;
    std::string caption;
    bool displayGroupTree = false;
    bool enableGroupTree = false;
    bool printButton = false;
    int zoom = 0;
    int views = 0;
};

// Answers the next viewer window of class T: notes what it shows, then the nurse closes it.
template <class T> void CloseNextViewer(TestApp& test, ShownViewer& shown) {
    test.host.OnModal<T>([&test, &shown](T& window) {
        shown = {forms::ClassNameOf(typeid(T)),        window.Caption(),
                 window.CRViewer1.DisplayGroupTree(),  window.CRViewer1.EnableGroupTree(),
                 window.CRViewer1.EnablePrintButton(), window.CRViewer1.ZoomLevel(),
                 window.CRViewer1.ViewCount()};
        EXPECT_TRUE(test.app.CurrentReport) << "the viewer shows CurrentReport while it is open";
        EXPECT_TRUE(CloseWindow(window));
    });
}

TEST(OpenReport, HandsTheReportTheHospitalNameTheLogOnAndTheValuesInOrder) {
    TestApp test;
    test.app.HospitalName = "TESSUN GENERAL HOSPITAL";
    ward::OpenReport(test.app, NursesNotes, {"2026001234", std::int32_t(7), "Cebu City"});

    const RecordedReport& report = test.reportEngine.Last();
    EXPECT_EQ(report.path, NursesNotes);
    EXPECT_EQ(report.hospitalName, "TESSUN GENERAL HOSPITAL");
    EXPECT_EQ(report.logOn, (reports::LogOnInfo{"HOSPSRV01", "PATIENT_DATA", "sa", "secret"}));
    EXPECT_EQ(report.values, (std::vector<vb::Variant>{"2026001234", std::int32_t(7), "Cebu City"}));
    EXPECT_TRUE(test.app.CurrentReport);
}

TEST(OpenReport, AThreeFieldTemplateTakesAsManyValuesAsItHasFields) {
    const struct {
        const char* name;
        std::vector<vb::Variant> given;
        std::vector<vb::Variant> received;
    } cases[] = {
        {"five values", {"A1", std::int32_t(2), "Addr", "extra", "more"}, {"A1", std::int32_t(2), "Addr"}},
        {"two values", {"A1", std::int32_t(2)}, {"A1", std::int32_t(2)}},
        {"none", {}, {}},
    };
    for (const auto& c : cases) {
        TestApp test;
        ward::OpenReport(test.app, NursesNotes, c.given);
        EXPECT_EQ(test.reportEngine.Last().values, c.received) << c.name;
    }
}

TEST(OpenReport, AMissingTemplateReachesTheCaller) {
    TestApp test;
    try {
        ward::OpenReport(test.app, ".\\Reports\\NoSuchReport.rpt", {"x"});
        FAIL() << "no error";
    } catch (const reports::ReportError& error) {
        EXPECT_EQ(error.Number(), reports::rptErrTemplateMissing);
        EXPECT_NE(error.Description().find("NoSuchReport.rpt"), std::string::npos);
    }
}

TEST(OpenSubreport, LogsTheSubreportOnAndGivesItItsValuesButNoHospitalName) {
    TestApp test;
    auto engine = std::make_shared<RecordingReportEngine>(); // takes any sub-report
    test.app.ReportEngine = engine;
    ward::OpenReport(test.app, ".\\Reports\\Statement.RPT", {"a"});
    ward::OpenSubreport(test.app, "HospitalBill", {"2026001234", "SU"});

    const RecordedReport& report = engine->Last();
    ASSERT_EQ(report.subreports.size(), 1u);
    EXPECT_EQ(report.subreports[0].name, "HospitalBill");
    EXPECT_EQ(report.subreports[0].values, (std::vector<vb::Variant>{"2026001234", "SU"}));
    ASSERT_EQ(report.subreports[0].logOns.size(), 1u);
    EXPECT_EQ(report.subreports[0].logOns[0].second.UserID, "sa");
    EXPECT_EQ(report.values, (std::vector<vb::Variant>{"a"}));
}

TEST(OpenSubreport, ASubreportTheTemplateLacksReachesTheCaller) {
    TestApp test;
    ward::OpenReport(test.app, NursesNotes, {});
    EXPECT_THROW(ward::OpenSubreport(test.app, "MedicalFee", {"x"}), reports::ReportError);
}

TEST(ShowReport, ADirectPrintPrintsAtOnceShowsNoWindowEvenWhenTheMedicationSheetViewerIsAsked) {
    TestApp test;
    ward::OpenReport(test.app, NursesNotes, {"2026001234", std::int32_t(7), ""});
    ward::ShowReport(test.app, true, "Nurses Notes", true, true);

    EXPECT_EQ(test.reportEngine.Last().output, Output::Printed);
    EXPECT_EQ(test.reportEngine.Last().timesShown, 1);
    EXPECT_TRUE(test.host.ModalShows().empty());
    EXPECT_FALSE(test.app.CurrentReport) << "a direct print releases the report";
}

TEST(ShowReport, APrinterFailureReachesTheCallerAndShowsNoWindow) {
    TestApp test;
    test.reportEngine.SetNoPrinter();
    ward::OpenReport(test.app, NursesNotes, {});
    EXPECT_THROW(ward::ShowReport(test.app, false, "", true, false), reports::ReportError);
    EXPECT_TRUE(test.host.ModalShows().empty());
}

TEST(ShowReport, EachViewerShowsWithItsZoomTitleAndPrintButton) {
    const struct {
        bool medicationSheet;
        bool allowPrint;
        ShownViewer expected;
        bool allowAfter;
    } cases[] = {
        {false, true, {"frmReportViewer", "Nurses Notes", false, false, true, 125, 1}, true},
        {false, false, {"frmReportViewer", "Nurses Notes", false, false, false, 125, 1}, true},
        {true, false, {"frmReportMedicationsheet", "Nurses Notes", false, false, true, 100, 1}, false},
        {true, true, {"frmReportMedicationsheet", "Nurses Notes", false, false, true, 100, 1}, true},
    };
    for (const auto& c : cases) {
        TestApp test;
        ShownViewer shown;
        if (c.medicationSheet)
            CloseNextViewer<ward::frmReportMedicationsheet>(test, shown);
        else
            CloseNextViewer<ward::frmReportViewer>(test, shown);
        test.app.AllowReportPrint = c.allowPrint;
        ward::OpenReport(test.app, NursesNotes, {});
        ward::ShowReport(test.app, false, "Nurses Notes", false, c.medicationSheet);

        const std::string name = c.expected.window + (c.allowPrint ? " allowed" : " withheld");
        EXPECT_EQ(shown.window, c.expected.window) << name;
        EXPECT_EQ(shown.caption, c.expected.caption) << name;
        EXPECT_EQ(shown.printButton, c.expected.printButton) << name;
        EXPECT_EQ(shown.zoom, c.expected.zoom) << name;
        EXPECT_EQ(shown.views, 1) << name;
        EXPECT_EQ(test.app.AllowReportPrint, c.allowAfter) << name;
        EXPECT_FALSE(test.app.CurrentReport) << name << ": closing the viewer releases the report";
        EXPECT_EQ(test.reportEngine.Last().output, Output::Viewed) << name;
        EXPECT_EQ(test.reportEngine.Last().viewer,
                  (reports::ViewerSettings{"Nurses Notes", false, c.expected.printButton, c.expected.zoom}))
            << name;
    }
}

TEST(ShowReport, AWithheldPrintButtonComesBackForTheNextReport) {
    TestApp test;
    ShownViewer first, second;
    CloseNextViewer<ward::frmReportViewer>(test, first);
    CloseNextViewer<ward::frmReportViewer>(test, second);
    test.app.AllowReportPrint = false;
    ward::OpenReport(test.app, NursesNotes, {});
    ward::ShowReport(test.app, false, "Xray Result", false, false);
    EXPECT_TRUE(test.app.AllowReportPrint);
    ward::OpenReport(test.app, NursesNotes, {});
    ward::ShowReport(test.app, false, "Xray Result", false, false);

    EXPECT_FALSE(first.printButton);
    EXPECT_TRUE(second.printButton);
    EXPECT_EQ(test.host.ModalShows(), (std::vector<std::string>{"frmReportViewer", "frmReportViewer"}));
    EXPECT_FALSE(test.app.Forms.IsLoaded<ward::frmReportViewer>()) << "the default instance is never used";
    EXPECT_EQ(test.app.Forms.Count(), 0) << "each viewer is let go when it closes";
}

TEST(ShowReport, TheGroupTreeIsShownAndEnabledOnlyWhenAsked) {
    for (const bool groupTree : {true, false}) {
        for (const bool medicationSheet : {false, true}) {
            TestApp test;
            ShownViewer shown;
            if (medicationSheet)
                CloseNextViewer<ward::frmReportMedicationsheet>(test, shown);
            else
                CloseNextViewer<ward::frmReportViewer>(test, shown);
            ward::OpenReport(test.app, NursesNotes, {});
            ward::ShowReport(test.app, groupTree, "", false, medicationSheet);
            EXPECT_EQ(shown.displayGroupTree, groupTree) << shown.window;
            EXPECT_EQ(shown.enableGroupTree, groupTree) << shown.window;
            EXPECT_EQ(test.reportEngine.Last().viewer.ShowGroupTree, groupTree) << shown.window;
        }
    }
}

TEST(ShowReport, AViewerOpenedWithNoReportShowsAnEmptyOne) {
    TestApp test;
    ShownViewer shown;
    CloseNextViewer<ward::frmReportViewer>(test, shown);
    ward::ShowReport(test.app, false, "", false, false);

    ASSERT_EQ(test.reportEngine.Reports().size(), 1u);
    EXPECT_TRUE(test.reportEngine.Last().empty);
    EXPECT_EQ(test.reportEngine.Last().output, Output::Viewed);
    EXPECT_EQ(shown.views, 1);
}

// The program's own engine on the scripted server: the viewer receives the laid-out pages.
struct RealEngine {
    TestApp test;
    std::shared_ptr<const reports::Document> shown;

    RealEngine() {
        test.app.ReportEngine = std::make_shared<reports::TemplateReportEngine>(test.server);
        test.host.SetAppPath(RecordingReportEngine::ShippedTemplates().parent_path().string());
        test.app.HospitalName = "TESSUN GENERAL HOSPITAL";
    }
    std::string NotesPath() { return test.host.AppPath() + "\\Reports\\NURSESNOTES.RPT"; }
};

const std::string NoteQuery = "SELECT Transdate, Dayshift, UserID, Notes FROM STATION..tbNurseNotes WHERE IDNum = "
                              "'2026001234' AND TransNum = 7";

TEST(ShowReport, TheViewerShowsThePagesOfTheTemplateWithItsValuesAndRows) {
    RealEngine fixture;
    TestApp& test = fixture.test;
    test.server.On(NoteQuery).Returns({"Transdate", "Dayshift", "UserID", "Notes"},
                                      {{"03/01/2026 08:00:00 AM", "AM", "N0001", "Slept well."}});
    test.host.OnModal<ward::frmReportViewer>([&](ward::frmReportViewer& window) {
        fixture.shown = window.CRViewer1.ReportSource<const reports::Document>();
        CloseWindow(window);
    });
    ward::OpenReport(test.app, fixture.NotesPath(), {"2026001234", std::int32_t(7), "Cebu City"});
    ward::ShowReport(test.app, false, "Nurses Notes", false, false);

    ASSERT_TRUE(fixture.shown);
    const std::string text = fixture.shown->PlainText();
    for (const char* expected : {"TESSUN GENERAL HOSPITAL", "Nurses Notes", "Cebu City", "2026001234", "Slept well."})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << " in\n" << text;
}

TEST(ShowReport, AReportThatCannotBeLaidOutReachesTheCallerAndLeavesNoWindow) {
    RealEngine fixture;
    TestApp& test = fixture.test;
    test.server.On(NoteQuery).Fails("Invalid object name 'STATION..tbNurseNotes'.", 208);
    ward::OpenReport(test.app, fixture.NotesPath(), {"2026001234", std::int32_t(7), ""});
    EXPECT_THROW(ward::ShowReport(test.app, false, "Nurses Notes", false, false), vb::VbError);
    EXPECT_TRUE(test.host.ModalShows().empty());
    EXPECT_EQ(test.app.Forms.Count(), 0);
    EXPECT_FALSE(test.app.CurrentReport);
}

} // namespace
