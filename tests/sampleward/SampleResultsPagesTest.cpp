#include "SampleWardApp.h"
#include "chart/frmFinal.h"
#include "results/frmAutoPrint.h"
#include "core/frmReportViewer.h"
#include "platform/reports/TemplateReportEngine.h"
#include "testkit/RecordingReportEngine.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using samplewardtest::SampleWardApp;
using testing::HasSubstr;
using testing::IsEmpty;

// The sample in-patient's chart as the patient list opens it, its header loaded.
struct SampleResults {
    SampleWardApp ward;
    ward::frmFinal& chart;

    SampleResults() : chart(ward.app.Forms.Get<ward::frmFinal>()) {
        ward.host.SetAppPath(testkit::RecordingReportEngine::ShippedTemplates().parent_path().string());
        ward.app.ReportEngine = std::make_shared<reports::TemplateReportEngine>(*ward.server);
        for (bool* flag : {&ward.app.ReloadXrayResults, &ward.app.ReloadUltrasoundResults, &ward.app.ReloadCTResults,
                           &ward.app.ReloadLabResults, &ward.app.ReloadHeartResults})
            *flag = true;
        chart.txtPno.SetText(sampleward::InPatientHospNum);
        chart.txtId.SetText(sampleward::InPatientIdNum);
        chart.Show();
        ward.host.FireTimer(chart.Timer1);
    }
    // Reads the report the next viewer shows, then closes it.
    void ReadTheViewer() {
        ward.host.OnModal<ward::frmReportViewer>([this](ward::frmReportViewer& viewer) {
            printed = viewer.CRViewer1.ReportSource<const reports::Document>()->PlainText();
            EXPECT_TRUE(testkit::CloseWindow(viewer));
        });
    }
    std::string printed;
};

TEST(SampleResultsPages, EveryPageOpensWithTheInPatientsResults) {
    SampleResults s;
    testkit::ChooseTab(s.chart.tabSSTab1, 2);
    for (int page : {1, 2, 3, 4, 0})
        testkit::ChooseTab(s.chart.tabSSTab2, page);
    EXPECT_EQ(s.chart.mshflexXray.TextMatrix(1, 1), "XR-0000212");
    EXPECT_GT(s.chart.mshflexLab.Rows(), 2);
    EXPECT_TRUE(s.chart.cmdTabular.Enabled());
    EXPECT_EQ(s.chart.mshflexLabTabular.TextMatrix(1, 0), "HEMATOLOGY");
    EXPECT_EQ(s.chart.mshflexHeart.TextMatrix(1, 1), "HS-0000301");
    EXPECT_THAT(s.ward.server->Unanswered(), IsEmpty());
}

TEST(SampleResultsPages, TheHeartStationPrintsAResultAndEachExamOfThePackage) {
    SampleResults s;
    testkit::ChooseTab(s.chart.tabSSTab1, 2);
    testkit::ChooseTab(s.chart.tabSSTab2, 4);
    forms::MSHFlexGrid& grid = s.chart.mshflexHeart;
    ASSERT_EQ(grid.Rows(), 4);
    std::vector<std::string> printed;
    auto readViewers = [&](int count) {
        for (int i = 0; i < count; ++i)
            s.ward.host.OnModal<ward::frmReportViewer>([&printed](ward::frmReportViewer& viewer) {
                printed.push_back(viewer.CRViewer1.ReportSource<const reports::Document>()->PlainText());
                EXPECT_TRUE(testkit::CloseWindow(viewer));
            });
    };
    testkit::ClickCell(grid, 1, 2);
    readViewers(1);
    testkit::Click(s.chart.cmdExitResultE(2));
    testkit::ClickCell(grid, 3, 2);
    EXPECT_EQ(grid.TextMatrix(3, 5), "");
    readViewers(3);
    testkit::Click(s.chart.cmdExitResultE(2));
    ASSERT_EQ(printed.size(), 4u);
    const char* expected[][2] = {{"Echocardiographic Report", "2D ECHO WITH DOPPLER (ADULT)"},
                                 {"Carotid Examination", "CAROTID DUPLEX SCAN"},
                                 {"Carotid Examination", "CAROTID DUPLEX SCAN"},
                                 {"Venous Upper Examination", "VENOUS DUPLEX SCAN"}};
    for (std::size_t i = 0; i < printed.size(); ++i) {
        EXPECT_THAT(printed[i], HasSubstr(expected[i][0]));
        EXPECT_THAT(printed[i], HasSubstr(expected[i][1]));
        EXPECT_THAT(printed[i], HasSubstr("VILLANUEVA"));
        EXPECT_THAT(printed[i], HasSubstr("not kept in this program's data"));
    }
    EXPECT_THAT(printed[0], HasSubstr("17 BONIFACIO STREET"));
    EXPECT_THAT(printed[0], HasSubstr("NAVARRO, TERESA LOPEZ"));
    EXPECT_THAT(s.ward.server->Unanswered(), IsEmpty());
}

TEST(SampleResultsPages, TheXrayResultPrintsWhatWasStaged) {
    SampleResults s;
    testkit::ChooseTab(s.chart.tabSSTab1, 2);
    testkit::ClickCell(s.chart.mshflexXray, 1, 2);
    EXPECT_EQ(s.chart.txtXrayInterp.Text(), "No active lung infiltrates. Heart is not enlarged.");
    s.ReadTheViewer();
    testkit::Click(s.chart.cmdResultX(2));
    EXPECT_FALSE(s.chart.cmdResultX(2).Enabled());
    EXPECT_THAT(s.printed, HasSubstr("X-RAY SECTION"));
    EXPECT_THAT(s.printed, HasSubstr("CHEST PA"));
    EXPECT_THAT(s.printed, HasSubstr("No active lung infiltrates."));
    EXPECT_THAT(s.printed, HasSubstr("17 BONIFACIO STREET"));
    EXPECT_THAT(s.printed, HasSubstr("DR. LOURDES TAN"));
    EXPECT_THAT(s.ward.server->Unanswered(), IsEmpty());
}

TEST(SampleResultsPages, TheLaboratoryTableOffersTheGraphOfAnExamination) {
    SampleResults s;
    testkit::ChooseTab(s.chart.tabSSTab1, 2);
    testkit::ChooseTab(s.chart.tabSSTab2, 3);
    testkit::ClickCell(s.chart.mshflexLab, 1, 4);
    testkit::Click(s.chart.cmdTabular);
    s.ward.host.ExpectMsgBox("View Graph?").Answer(forms::vbYes);
    s.ReadTheViewer();
    forms::MSHFlexGrid& table = s.chart.mshflexLabTabular;
    int day = 2;
    while (day < table.Cols() - 1 && table.ColWidth(day) == 0)
        ++day;
    ASSERT_EQ(table.TextMatrix(2, 0), " HEMOGLOBIN");
    testkit::ClickCell(table, 2, day);
    EXPECT_THAT(s.printed, HasSubstr("HEMOGLOBIN"));
    EXPECT_THAT(s.printed, HasSubstr("135"));
    EXPECT_THAT(s.ward.server->Unanswered(), IsEmpty());
}

TEST(SampleResultsPages, TheVerifiedResultsListOpensAndPrintsTheXrayResult) {
    SampleResults s;
    s.ward.app.ReportEngine = std::make_shared<testkit::RecordingReportEngine>();
    ward::frmAutoPrint& list = s.ward.app.Forms.Get<ward::frmAutoPrint>();
    list.Show();
    EXPECT_EQ(list.grdResults.Rows(), 3);
    EXPECT_EQ(list.mshflexRadiology(0).TextMatrix(1, 5), "XR-0000212");
    EXPECT_TRUE(list.tabViewResults.TabEnabled(1));
    EXPECT_FALSE(list.tabViewResults.TabEnabled(2));
    testkit::ChooseTab(list.tabViewResults, 1);
    testkit::ClickCell(list.mshflexRadiology(0), 1, 1);
    testkit::Click(list.cmdPrintTag);
    EXPECT_THAT(s.ward.server->Unanswered(), IsEmpty());
    list.Unload();
}

} // namespace
