#include "components/OwnComponents.h"
#include "core/App.h"
#include "core/ModuleHelpers.h"
#include "gui/Conversions.h"
#include "gui/QtHost.h"
#include "gui/Screenshot.h"
#include "gui/main/ScreenshotPath.h"
#include "platform/forms/LayoutCheck.h"
#include "sampleward/SampleWard.h"
#include "shell/frmSearch.h"
#include "testkit/FakeComponents.h"

#include <QApplication>
#include <QImage>
#include <gtest/gtest.h>

namespace {

// The patient list on the desktop, reading the sample ward through our own patient search and key filter.
struct DesktopList {
    DesktopList() {
        app.CurrentUser = std::make_unique<testkit::FakeLogin>(server.get());
        components::RegisterOwnComponents(app.Factory,
                                          {app.Forms, [this]() -> db::Connection& { return app.Connection(); }});
        app.PatientSearch = app.Factory.Create<components::PatientSearchComponent>("Ulvexa.clsPatientSearch");
        app.KeyFilter = app.Factory.Create<components::KeyFilterComponent>("Kappoch.KeyPress");
        app.StationID = sampleward::StationID;
        app.StationName = sampleward::StationName;
        ward::RefreshServerDate(app);
    }
    ~DesktopList() {
        host.ReleaseWindows();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    gui::QtHost host;
    std::unique_ptr<sampleward::SampleServer> server = sampleward::OpenSampleWard();
    ward::App app{host};
};

// The station's sample patients in their colours, the cash-basis patient's row entered so that its text shows.
TEST(PatientListScreenshots, TheSampleWardsPatientsWithTheCashBasisLegend) {
    DesktopList desktop;
    ward::frmSearch& list = desktop.app.Forms.Get<ward::frmSearch>();
    forms::MSHFlexGrid& grid = list.mshflexList;
    int cashBasisRow = 0;
    for (int row = 1; row < grid.Rows(); ++row)
        if (grid.TextMatrix(row, 2) == "2026000105")
            cashBasisRow = row;
    ASSERT_GT(cashBasisRow, 0);
    grid.SetRow(cashBasisRow);
    EXPECT_TRUE(list.lblLegend(1).Visible());
    EXPECT_TRUE(forms::FindOverlaps(list).empty());
    const std::string path = guitest::ScreenshotPath("frmSearch_sample_ward");
    ASSERT_TRUE(gui::SaveScreenshot(desktop.host, list, path));
    QImage image(QString::fromStdString(path));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), gui::TwipsToPixels(list.ScaleWidth()));
    EXPECT_TRUE(desktop.server->Unanswered().empty());
    list.Unload();
}

} // namespace
