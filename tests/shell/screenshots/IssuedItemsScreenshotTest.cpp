#include "components/IssuedItemsComponent.h"
#include "components/OwnComponents.h"
#include "components/frmPickList.h"
#include "core/App.h"
#include "gui/QtHost.h"
#include "gui/Screenshot.h"
#include "gui/main/ScreenshotPath.h"
#include "sampleward/SampleWard.h"

#include <QApplication>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// The return window's list of the in-patient's medicines, on the desktop, read from the sample ward.
TEST(IssuedItemsScreenshots, TheInPatientsIssuedMedicines) {
    gui::QtHost host;
    ward::App app{host};
    std::unique_ptr<sampleward::SampleServer> server = sampleward::OpenSampleWard();
    components::ComponentFactory factory;
    components::RegisterOwnComponents(factory, {app.Forms, [&server]() -> db::Connection& { return *server; }});
    auto issued = factory.Create<components::IssuedItemsComponent>("Tondrel.clsIssuedMedicines");
    int rows = 0;
    QTimer::singleShot(100, [&app, &host, &rows] {
        for (forms::Form* form : app.Forms.LoadedForms())
            if (auto* list = dynamic_cast<components::frmPickList*>(form)) {
                rows = list->lvwList.ListItemCount();
                EXPECT_TRUE(gui::SaveScreenshot(host, *list, guitest::ScreenshotPath("frmPickList_issued_medicines")));
                list->cmdCancel.UserClick();
            }
    });
    issued->SetDrugsOrCSR(true);
    EXPECT_EQ(issued->ListIssuedbyDrugs(sampleward::InPatientIdNum, "List of Issued Medicines"), "");
    EXPECT_GT(rows, 1);
    EXPECT_TRUE(server->Unanswered().empty());
    host.ReleaseWindows();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace
