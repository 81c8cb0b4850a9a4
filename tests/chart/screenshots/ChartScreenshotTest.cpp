#include "chart/frmFinal.h"
#include "core/App.h"
#include "core/ModuleHelpers.h"
#include "gui/Conversions.h"
#include "gui/QtHost.h"
#include "gui/Screenshot.h"
#include "gui/main/ScreenshotPath.h"
#include "platform/forms/LayoutCheck.h"
#include "sampleward/SampleWard.h"
#include "testkit/FakeComponents.h"

#include <QApplication>
#include <QImage>
#include <gtest/gtest.h>

namespace {

// The chart on the desktop, reading the sample ward; the windows' widgets go before the windows.
struct DesktopChart {
    DesktopChart() {
        app.CurrentUser = std::make_unique<testkit::FakeLogin>(server.get());
        app.StationID = sampleward::StationID;
        app.StationName = sampleward::StationName;
        ward::RefreshServerDate(app);
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

} // namespace
