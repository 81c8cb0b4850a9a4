#include "components/CodeSearchComponent.h"
#include "components/DrugListComponent.h"
#include "components/OwnComponents.h"
#include "components/PatientSearchComponent.h"
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

// Our components on the desktop, reading the sample ward.
struct SampleDesktop {
    ~SampleDesktop() {
        host.ReleaseWindows();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    gui::QtHost host;
    ward::App app{host};
    std::unique_ptr<sampleward::SampleServer> server = sampleward::OpenSampleWard();
    components::ComponentFactory factory;

    SampleDesktop() {
        components::RegisterOwnComponents(factory, {app.Forms, [this]() -> db::Connection& { return *server; }});
    }

    // Once the pick list is up: its picture, then the nurse closes it without a choice. The rows it showed.
    void PictureTheListThenClose(const char* name, int& rows) {
        QTimer::singleShot(100, [this, name, &rows] {
            for (forms::Form* form : app.Forms.LoadedForms())
                if (auto* list = dynamic_cast<components::frmPickList*>(form)) {
                    rows = list->lvwList.ListItemCount();
                    EXPECT_TRUE(gui::SaveScreenshot(host, *list, guitest::ScreenshotPath(name)));
                    list->cmdCancel.UserClick();
                }
        });
    }
};

TEST(PickListScreenshots, TheDoctorsListWithTheSampleWardsDoctors) {
    SampleDesktop desktop;
    auto codeSearch = desktop.factory.Create<components::CodeSearchComponent>("Bramwit.clsCodeSearch");
    int rows = 0;
    desktop.PictureTheListThenClose("frmPickList_doctors", rows);
    EXPECT_FALSE(codeSearch->SearchListing("", 1));
    EXPECT_GT(rows, 1);
    EXPECT_TRUE(desktop.server->Unanswered().empty());
}

TEST(PickListScreenshots, TheRoomListWithTheSampleWardsBeds) {
    SampleDesktop desktop;
    auto patientSearch = desktop.factory.Create<components::PatientSearchComponent>("Ulvexa.clsPatientSearch");
    int rows = 0;
    desktop.PictureTheListThenClose("frmPickList_rooms", rows);
    EXPECT_FALSE(patientSearch->ValidateRoom(""));
    EXPECT_GT(rows, 1);
    EXPECT_TRUE(desktop.server->Unanswered().empty());
}

TEST(PickListScreenshots, TheDrugListWithThePharmacysItems) {
    SampleDesktop desktop;
    auto drugs = desktop.factory.Create<components::DrugListComponent>("Yarrowin.clsListDrugs");
    int rows = 0;
    desktop.PictureTheListThenClose("frmPickList_drugs", rows);
    EXPECT_EQ(drugs->ShowList("", false), "");
    EXPECT_GT(rows, 1);
    EXPECT_TRUE(desktop.server->Unanswered().empty());
}

} // namespace
