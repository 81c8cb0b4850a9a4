#include "components/OwnComponents.h"
#include "core/App.h"
#include "gui/QtHost.h"
#include "gui/Screenshot.h"
#include "gui/main/ScreenshotPath.h"
#include "platform/forms/LayoutCheck.h"
#include "results/frmAutoPrint.h"
#include "sampleward/SampleWard.h"
#include "testkit/FakeComponents.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {

TEST(ResultsScreenshots, TheVerifiedResultsOfTheSampleWard) {
    gui::QtHost host;
    std::unique_ptr<sampleward::SampleServer> server = sampleward::OpenSampleWard();
    {
        ward::App app{host};
        app.CurrentUser = std::make_unique<testkit::FakeLogin>(server.get());
        app.StationID = sampleward::StationID;
        ward::frmAutoPrint& list = app.Forms.Get<ward::frmAutoPrint>();
        list.Show();
        EXPECT_EQ(list.tabViewResults.Tab(), 0);
        EXPECT_EQ(list.grdResults.Rows(), 3);
        EXPECT_TRUE(forms::FindOverlaps(list).empty());
        ASSERT_TRUE(gui::SaveScreenshot(host, list, guitest::ScreenshotPath("frmAutoPrint")));
        EXPECT_TRUE(server->Unanswered().empty());
        list.Unload();
        host.ReleaseWindows();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

} // namespace
