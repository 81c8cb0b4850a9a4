#include "core/App.h"
#include "gui/Conversions.h"
#include "gui/QtHost.h"
#include "gui/Screenshot.h"
#include "gui/main/ScreenshotPath.h"
#include "platform/forms/LayoutCheck.h"
#include "shell/clsCurrentuser.h"
#include "shell/frmLogIn.h"
#include "shell/frmSupervisorAccessCode.h"
#include "shell/frmTransaction_UserValidation.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// The program's context on the desktop host; the windows' widgets go before the windows.
struct DesktopApp {
    ~DesktopApp() {
        host.ReleaseWindows();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    gui::QtHost host;
    ward::App app{host};
};

using guitest::ScreenshotPath;

void Save(DesktopApp& desktop, forms::Form& form, const char* name) {
    EXPECT_TRUE(forms::FindOverlaps(form).empty());
    const std::string path = ScreenshotPath(name);
    ASSERT_TRUE(gui::SaveScreenshot(desktop.host, form, path));
    QImage image(QString::fromStdString(path));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), gui::TwipsToPixels(form.ScaleWidth()));
}

TEST(SignInScreenshots, ActingUserInBothLayouts) {
    DesktopApp desktop;
    auto& posting = desktop.app.Forms.Get<ward::frmTransaction_UserValidation>();
    posting.txtUserID.SetText("N0002");
    posting.txtAccessCode.SetText("ANA2026");
    Save(desktop, posting, "frmTransaction_UserValidation_posting");
    posting.Unload();

    auto& cancellation = desktop.app.Forms.Instance<ward::frmTransaction_UserValidation>();
    cancellation.PostOrCancel = 1;
    cancellation.Load();
    cancellation.txtUserID.SetText("N0002");
    cancellation.txtAccessCode.SetText("ANA2026");
    cancellation.txtRemarks.SetText("WRONG ITEM, PATIENT REFUSED");
    Save(desktop, cancellation, "frmTransaction_UserValidation_cancellation");
    cancellation.Unload();
}

TEST(SignInScreenshots, Supervisor) {
    DesktopApp desktop;
    auto& dialog = desktop.app.Forms.Get<ward::frmSupervisorAccessCode>();
    dialog.txtUserID.SetText("S0001");
    dialog.txtAccessCode.SetText("BOSS99");
    Save(desktop, dialog, "frmSupervisorAccessCode");
    dialog.Unload();
}

// Names a server and never reaches one: the picture needs only what the dialog shows.
class PictureConnector : public ward::Connector {
public:
    explicit PictureConnector(bool sampleWard) : sampleWard(sampleWard) {}
    std::unique_ptr<db::Connection> Connect(const ward::ConnectionSettings&) override { return nullptr; }
    std::string ServerName(const ward::ConnectionSettings& settings) const override {
        return sampleWard ? "SAMPLE WARD" : settings.Server;
    }
    bool IsSampleWard() const override { return sampleWard; }

private:
    bool sampleWard;
};

TEST(SignInScreenshots, LogInOnTheHospitalServerAndOnTheSampleWard) {
    for (bool sampleWard : {false, true}) {
        DesktopApp desktop;
        ward::clsCurrentuser user(desktop.app, std::make_shared<PictureConnector>(sampleWard), "connection");
        user.UseConnection({"HOSPSRV01", 1433, "PATIENT_DATA", "ward", "s3cret"});
        auto& dialog = desktop.app.Forms.Instance<ward::frmLogIn>();
        dialog.User = &user;
        dialog.Load();
        dialog.txtUserID.SetText("N0001");
        dialog.txtAccessCode.SetText("NURSE01");
        Save(desktop, dialog, sampleWard ? "frmLogIn_sample_ward" : "frmLogIn");
        dialog.Unload();
        dialog.User = nullptr;
    }
}

} // namespace
