#include "charges/frmChargeSlipVerification.h"
#include "core/App.h"
#include "gui/QtHost.h"
#include "gui/Screenshot.h"
#include "gui/main/SampleComponents.h"
#include "gui/main/ScreenshotPath.h"
#include "platform/forms/LayoutCheck.h"
#include "sampleward/SampleWard.h"

#include <QApplication>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

TEST(ChargeSlipSettingScreenshots, TheCounterOfTheSampleStation) {
    gui::QtHost host;
    std::unique_ptr<sampleward::SampleServer> server = sampleward::OpenSampleWard();
    ward::App app{host};
    guitest::ConnectSampleWard(app, *server);
    app.StationID = sampleward::StationID;
    app.StationName = "SURGICAL INTENSIVE CARE UNIT";
    bool pictured = false;
    QTimer::singleShot(100, [&] {
        ward::frmChargeSlipVerification& window = app.Forms.Get<ward::frmChargeSlipVerification>();
        EXPECT_EQ(window.txtChargeSlip.Text(), "4521");
        EXPECT_TRUE(forms::FindOverlaps(window).empty());
        pictured = gui::SaveScreenshot(host, window, guitest::ScreenshotPath("frmChargeSlipVerification"));
        window.Unload();
    });
    app.Forms.Get<ward::frmChargeSlipVerification>().ShowModal();
    EXPECT_TRUE(pictured);
    EXPECT_TRUE(server->Unanswered().empty());
    host.ReleaseWindows();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace
