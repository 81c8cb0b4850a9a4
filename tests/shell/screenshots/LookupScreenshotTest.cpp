#include "core/App.h"
#include "gui/QtHost.h"
#include "gui/Screenshot.h"
#include "gui/main/ScreenshotPath.h"
#include "platform/forms/LayoutCheck.h"
#include "program/Program.h"
#include "sampleward/SampleWard.h"
#include "shell/clsCurrentuser.h"
#include "shell/clsSearcher.h"
#include "shell/frmInfo.h"
#include "shell/frmSearcher.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {

// The sample nurse signed in to the sample ward on the desktop, with the in-patient chosen.
struct SampleDesktop {
    SampleDesktop() {
        program::RegisterComponents(app, program::Options{true});
        app.CurrentUser = app.Factory.Create<components::LoginComponent>("Zentari_User.clsCurrentuser");
        auto& user = dynamic_cast<ward::clsCurrentuser&>(*app.CurrentUser);
        user.UseConnection({});
        EXPECT_TRUE(user.LogIn(sampleward::SampleNurseID, sampleward::SampleNurseAccessCode));
        app.PatientSearch = app.Factory.Create<components::PatientSearchComponent>("Ulvexa.clsPatientSearch");
        app.CurHospNum = sampleward::InPatientHospNum;
        EXPECT_TRUE(app.PatientSearch->ValidateAdmission(sampleward::InPatientIdNum));
    }
    ~SampleDesktop() {
        host.ReleaseWindows();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    gui::QtHost host;
    ward::App app{host};
};

void Save(SampleDesktop& desktop, forms::Form& form, const char* name) {
    EXPECT_TRUE(forms::FindOverlaps(form).empty());
    EXPECT_TRUE(gui::SaveScreenshot(desktop.host, form, guitest::ScreenshotPath(name)));
}

TEST(LookupScreenshots, TheHospitalsLookUpWithEveryHospital) {
    SampleDesktop desktop;
    auto& dialog = desktop.app.Forms.Instance<ward::frmSearcher>();
    ward::SetHospitalLookup(dialog, "");
    dialog.Load();
    EXPECT_EQ(dialog.grdDispWindow.Rows(), 6);
    Save(desktop, dialog, "frmSearcher_hospitals");
    dialog.Unload();
}

TEST(LookupScreenshots, ThePersonalInformationOfTheInPatientOnItsTiledPicture) {
    SampleDesktop desktop;
    auto& info = desktop.app.Forms.Get<ward::frmInfo>();
    EXPECT_EQ(info.lblInfo(1).Caption(), sampleward::InPatientIdNum);
    Save(desktop, info, "frmInfo");
    // The picture was found beside the program and tiled over the window.
    EXPECT_FALSE(info.PaintedPictures().empty());
    info.Unload();
}

} // namespace
