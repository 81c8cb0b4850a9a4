#include "chart/frmCheckData.h"
#include "chart/frmFinal.h"
#include "components/NurseActivityComponents.h"
#include "chart/frmScheduleRequestStatus.h"
#include "components/OwnComponents.h"
#include "core/App.h"
#include "core/HospitalSettings.h"
#include "core/ModuleHelpers.h"
#include "gui/Conversions.h"
#include "gui/QtHost.h"
#include "gui/Screenshot.h"
#include "gui/main/SampleComponents.h"
#include "gui/main/ScreenshotPath.h"
#include "platform/forms/LayoutCheck.h"
#include "platform/vb/DateTime.h"
#include "sampleward/SampleWard.h"
#include "testkit/FakeComponents.h"
#include "testkit/UserActions.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <gtest/gtest.h>

namespace {

// The chart on the desktop, reading the sample ward through our own components; the windows' widgets go before the
// windows.
struct DesktopChart {
    DesktopChart() {
        guitest::ConnectSampleWard(app, *server);
    }

    // The chart as the patient list opens it on the sample in-patient, its header loaded by the timer's tick.
    ward::frmFinal& OpenInPatientsChart() {
        app.CurIdNum = sampleward::InPatientIdNum;
        app.CurHospNum = sampleward::InPatientHospNum;
        ward::frmFinal& chart = app.Forms.Get<ward::frmFinal>();
        chart.txtPno.SetText(sampleward::InPatientHospNum);
        chart.txtId.SetText(sampleward::InPatientIdNum);
        chart.Show();
        QElapsedTimer waited;
        waited.start();
        while (chart.txtPatient.Text().empty() && waited.elapsed() < 5000)
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        return chart;
    }

    ~DesktopChart() {
        host.ReleaseWindows();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    gui::QtHost host;
    std::unique_ptr<sampleward::SampleServer> server = sampleward::OpenSampleWard();
    ward::App app{host};
};

TEST(ChartScreenshots, TheSendRequestsPageWithTheSampleLists) {
    DesktopChart desktop;
    desktop.app.CurIdNum = sampleward::InPatientIdNum;
    desktop.app.CurHospNum = sampleward::InPatientHospNum;
    ward::frmFinal& chart = desktop.app.Forms.Get<ward::frmFinal>();
    ASSERT_TRUE(chart.IsLoaded());
    chart.txtPno.SetText(sampleward::InPatientHospNum);
    chart.txtId.SetText(sampleward::InPatientIdNum);
    EXPECT_TRUE(forms::FindOverlaps(chart).empty());
    const std::string path = guitest::ScreenshotPath("frmFinal_send_requests");
    ASSERT_TRUE(gui::SaveScreenshot(desktop.host, chart, path));
    QImage image(QString::fromStdString(path));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), gui::TwipsToPixels(chart.ScaleWidth()));
    EXPECT_GT(chart.lstListLaboratory.ListCount(), 3);
    EXPECT_TRUE(desktop.server->Unanswered().empty());
    chart.Unload();
}

TEST(ChartScreenshots, TheHeaderOfTheSampleInPatient) {
    DesktopChart desktop;
    ward::frmFinal& chart = desktop.OpenInPatientsChart();
    EXPECT_EQ(chart.txtPatient.Text(), "VILLANUEVA ,ROBERTO SALAZAR");
    EXPECT_EQ(chart.lblPhilhealth(1).Caption(), " MEMBER-EMPLOYED");
    EXPECT_TRUE(forms::FindOverlaps(chart).empty());
    ASSERT_TRUE(gui::SaveScreenshot(desktop.host, chart, guitest::ScreenshotPath("frmFinal_header")));
    EXPECT_TRUE(desktop.server->Unanswered().empty());
    chart.Unload();
}

TEST(ChartScreenshots, TheMissingInformationEditorOverTheSampleInPatient) {
    DesktopChart desktop;
    ward::frmFinal& chart = desktop.OpenInPatientsChart();
    ward::frmCheckData& window = desktop.app.Forms.Get<ward::frmCheckData>();
    ASSERT_TRUE(window.IsLoaded());
    EXPECT_EQ(window.txtDiet(0).Text(), "SOFT DIET");
    EXPECT_TRUE(forms::FindOverlaps(window).empty());
    ASSERT_TRUE(gui::SaveScreenshot(desktop.host, window, guitest::ScreenshotPath("frmCheckData")));
    EXPECT_TRUE(desktop.server->Unanswered().empty());
    window.Unload();
    chart.Unload();
}

// The results pages of the sample in-patient, as the sample nurse sees them.
struct DesktopResults : DesktopChart {
    DesktopResults() {
        static_cast<testkit::FakeLogin&>(*app.CurrentUser).employeeCode = sampleward::SampleNurseID;
        app.ResultsObject = app.Factory.Create<components::ResultsComponent>("Virselto.clsResults");
        for (bool* flag : {&app.ReloadXrayResults, &app.ReloadUltrasoundResults, &app.ReloadCTResults,
                           &app.ReloadLabResults, &app.ReloadHeartResults})
            *flag = true;
    }
    ward::frmFinal& OpenResults(int page) {
        ward::frmFinal& chart = OpenInPatientsChart();
        testkit::ChooseTab(chart.tabSSTab1, 2);
        testkit::ChooseTab(chart.tabSSTab2, page);
        return chart;
    }
};

TEST(ChartScreenshots, TheXrayPageWithTheSampleResultViewed) {
    DesktopResults desktop;
    ward::frmFinal& chart = desktop.OpenResults(0);
    testkit::ClickCell(chart.mshflexXray, 1, 2);
    EXPECT_EQ(chart.lblXrayInfo(9).Caption(), "CHEST PA");
    EXPECT_FALSE(chart.txtXrayInterp.Text().empty());
    EXPECT_TRUE(forms::FindOverlaps(chart).empty());
    ASSERT_TRUE(gui::SaveScreenshot(desktop.host, chart, guitest::ScreenshotPath("frmFinal_xray_results")));
    EXPECT_TRUE(desktop.server->Unanswered().empty());
    chart.Unload();
}

TEST(ChartScreenshots, TheLaboratoryPageAsListAndAsTable) {
    DesktopResults desktop;
    ward::frmFinal& chart = desktop.OpenResults(3);
    EXPECT_EQ(chart.mshflexLab.TextMatrix(1, 5), "HEMATOLOGY");
    EXPECT_TRUE(forms::FindOverlaps(chart).empty());
    ASSERT_TRUE(gui::SaveScreenshot(desktop.host, chart, guitest::ScreenshotPath("frmFinal_laboratory_list")));
    testkit::Click(chart.cmdTabular);
    EXPECT_TRUE(chart.mshflexLabTabular.Visible());
    ASSERT_TRUE(gui::SaveScreenshot(desktop.host, chart, guitest::ScreenshotPath("frmFinal_laboratory_table")));
    EXPECT_TRUE(desktop.server->Unanswered().empty());
    chart.Unload();
}

// The profile and the clinical summary of the sample in-patient, as the sample nurse sees them.
struct DesktopProfile : DesktopChart {
    DesktopProfile() {
        static_cast<testkit::FakeLogin&>(*app.CurrentUser).employeeCode = sampleward::SampleNurseID;
        app.ConfinementObject = app.Factory.Create<components::ConfinementComponent>("Virselto.clsConfinement");
        app.ConfinementResultsObject =
            app.Factory.Create<components::ConfinementResultsComponent>("Virselto.clsConfinementResults");
        app.ReloadClinicalSummary = true;
        ward::LoadHospitalSettings(app);
    }
};

TEST(ChartScreenshots, BothPagesOfTheSampleInPatientsProfile) {
    DesktopProfile desktop;
    ward::frmFinal& chart = desktop.OpenInPatientsChart();
    testkit::ChooseTab(chart.tabSSTab1, 5);
    EXPECT_EQ(chart.chkAllergy(7).Value(), forms::vbChecked);
    EXPECT_TRUE(forms::FindOverlaps(chart).empty());
    ASSERT_TRUE(gui::SaveScreenshot(desktop.host, chart, guitest::ScreenshotPath("frmFinal_profile_admitting")));
    testkit::ChooseTab(chart.tabPatientProfile, 1);
    EXPECT_EQ(chart.txtSkin.Text(), "PALE, DIAPHORETIC");
    ASSERT_TRUE(gui::SaveScreenshot(desktop.host, chart, guitest::ScreenshotPath("frmFinal_profile_examination")));
    EXPECT_TRUE(desktop.server->Unanswered().empty());
    chart.Unload();
}

// The Schedule Operation page of the sample in-patient on a day with bookings, one of them picked.
TEST(ChartScreenshots, TheOperatingRoomScheduleWithABookingPicked) {
    DesktopChart desktop;
    static_cast<testkit::FakeLogin&>(*desktop.app.CurrentUser).employeeCode = sampleward::SampleNurseID;
    desktop.app.ReloadORSchedule = true;
    ward::frmFinal& chart = desktop.OpenInPatientsChart();
    testkit::ChooseTab(chart.tabSSTab1, 7);
    ASSERT_EQ(chart.tabSSTab1.Tab(), 7);
    // Every fourth day of the sample ward's month has no booking: the day before it has.
    const vb::Date today = vb::DateValue(vb::Variant(desktop.app.ServerDate));
    const vb::Date booked = vb::Day(vb::Variant(today)) % 4 == 3 ? vb::Date{today.serial - 1} : today;
    testkit::ClickDay(chart.MonthView1, booked);
    ASSERT_FALSE(chart.Schedule1.Bookings().empty());
    const forms::ScheduleBooking first = chart.Schedule1.Bookings().front();
    testkit::ClickSchedule(chart.Schedule1, first.Room, first.Start);
    EXPECT_TRUE(chart.pictSchedule.Visible());
    chart.txtSurgeon(1).SetText("REYES ,JOSE");
    chart.txtSurgeon(0).SetText("1034");
    EXPECT_TRUE(forms::FindOverlaps(chart).empty());
    ASSERT_TRUE(gui::SaveScreenshot(desktop.host, chart, guitest::ScreenshotPath("frmFinal_or_schedule")));
    EXPECT_TRUE(desktop.server->Unanswered().empty());
    chart.Unload();
}

TEST(ChartScreenshots, TheSampleInPatientsEarlierConfinementComposed) {
    DesktopProfile desktop;
    ward::frmFinal& chart = desktop.OpenInPatientsChart();
    testkit::ChooseTab(chart.tabSSTab1, 6);
    testkit::ClickCell(chart.mshflexClin, 2, 1);
    testkit::Click(chart.cmdClinical);
    EXPECT_NE(chart.rtbClinical.Text().find("PNEUMONIA, RIGHT LOWER LOBE"), std::string::npos);
    EXPECT_TRUE(forms::FindOverlaps(chart).empty());
    ASSERT_TRUE(gui::SaveScreenshot(desktop.host, chart, guitest::ScreenshotPath("frmFinal_clinical_summary")));
    EXPECT_TRUE(desktop.server->Unanswered().empty());
    chart.Unload();
}

TEST(ChartScreenshots, TheHeartStationPageWithARowClicked) {
    DesktopResults desktop;
    ward::frmFinal& chart = desktop.OpenResults(4);
    testkit::ClickCell(chart.mshflexHeart, 1, 2);
    EXPECT_EQ(chart.lblHEart(6).Caption(), "HS-0000301");
    EXPECT_TRUE(chart.cmdExitResultE(2).Enabled());
    EXPECT_TRUE(forms::FindOverlaps(chart).empty());
    ASSERT_TRUE(gui::SaveScreenshot(desktop.host, chart, guitest::ScreenshotPath("frmFinal_heart_station")));
    EXPECT_TRUE(desktop.server->Unanswered().empty());
    chart.Unload();
}

TEST(ChartScreenshots, TheListOfRequestsEntered) {
    DesktopChart desktop;
    static_cast<testkit::FakeLogin&>(*desktop.app.CurrentUser).employeeCode = sampleward::SampleNurseID;
    auto& list = desktop.app.Forms.Get<ward::frmScheduleRequestStatus>();
    list.Show();
    testkit::ClickCell(list.mshflexPending, 3, 1);
    EXPECT_TRUE(list.cmdPending(1).Enabled());
    EXPECT_TRUE(forms::FindOverlaps(list).empty());
    ASSERT_TRUE(gui::SaveScreenshot(desktop.host, list, guitest::ScreenshotPath("frmScheduleRequestStatus")));
    EXPECT_TRUE(desktop.server->Unanswered().empty());
    list.Unload();
}

} // namespace

// The sample in-patient's vital signs and nurses notes.
struct DesktopNursing : DesktopChart {
    DesktopNursing() {
        app.ReloadVitalSigns = true;
    }
};

TEST(ChartScreenshots, TheVitalSignsPageWithTheSampleSets) {
    DesktopNursing desktop;
    ward::frmFinal& chart = desktop.OpenInPatientsChart();
    testkit::ChooseTab(chart.tabSSTab1, 3);
    EXPECT_EQ(chart.mshflexProcessed(3).TextMatrix(2, 2), "130/85");
    testkit::Type(chart.txtBloodPressure(0), "118");
    EXPECT_TRUE(forms::FindOverlaps(chart).empty());
    ASSERT_TRUE(gui::SaveScreenshot(desktop.host, chart, guitest::ScreenshotPath("frmFinal_vital_signs")));
    EXPECT_TRUE(desktop.server->Unanswered().empty());
    chart.Unload();
}

TEST(ChartScreenshots, TheNotesEntryAndPastNotesPages) {
    DesktopNursing desktop;
    ward::frmFinal& chart = desktop.OpenInPatientsChart();
    testkit::ChooseTab(chart.tabSSTab1, 4);
    testkit::Type(chart.txtNotesEntry, "Ambulated in the hallway with assistance.");
    EXPECT_TRUE(forms::FindOverlaps(chart).empty());
    ASSERT_TRUE(gui::SaveScreenshot(desktop.host, chart, guitest::ScreenshotPath("frmFinal_notes_entry")));
    testkit::ChooseTab(chart.SSNotebookNotes, 1);
    testkit::ClickCell(chart.mshflexPrevNotes, 2, 1);
    EXPECT_FALSE(chart.txtPrevNotes.Text().empty());
    EXPECT_TRUE(forms::FindOverlaps(chart).empty());
    ASSERT_TRUE(gui::SaveScreenshot(desktop.host, chart, guitest::ScreenshotPath("frmFinal_past_notes")));
    EXPECT_TRUE(desktop.server->Unanswered().empty());
    chart.Unload();
}
