#include "chart/frmFinal.h"
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
#include "requestentry/frmCTfile.h"
#include "requestentry/frmPTRequestEntry.h"
#include "sampleward/SampleWard.h"
#include "testkit/FakeComponents.h"
#include "testkit/UserActions.h"

#include <QApplication>
#include <QImage>
#include <gtest/gtest.h>

namespace {

// The program on the sample ward with the in-patient's chart loaded, as the desktop shows it.
struct SampleDesktop {
    gui::QtHost host;
    std::unique_ptr<sampleward::SampleServer> server = sampleward::OpenSampleWard();
    ward::App app{host};

    SampleDesktop() {
        guitest::ConnectSampleWard(app, *server);
        ward::LoadHospitalSettings(app);
        app.CurIdNum = sampleward::InPatientIdNum;
        app.CurHospNum = sampleward::InPatientHospNum;
        EXPECT_TRUE(app.PatientSearch->ValidateAdmission(app.CurIdNum));
        app.CurRoomClassID = app.PatientSearch->Admission().Room.RoomClassID;
        ward::frmFinal& chart = app.Forms.Get<ward::frmFinal>();
        chart.txtPno.SetText(sampleward::InPatientHospNum);
        chart.txtId.SetText(sampleward::InPatientIdNum);
    }
    ~SampleDesktop() {
        app.Forms.Instance<ward::frmFinal>().Unload();
        host.ReleaseWindows();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void Save(forms::Form& window, const std::string& name) {
        EXPECT_TRUE(forms::FindOverlaps(window).empty());
        const std::string path = guitest::ScreenshotPath(name);
        ASSERT_TRUE(gui::SaveScreenshot(host, window, path));
        QImage image(QString::fromStdString(path));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.width(), gui::TwipsToPixels(window.ScaleWidth()));
        EXPECT_TRUE(server->Unanswered().empty());
    }
};

TEST(PickerScreenshots, TheCTPickerWithItsExamsInTheirColumns) {
    SampleDesktop desktop;
    ward::frmCTfile& picker = desktop.app.Forms.Get<ward::frmCTfile>();
    picker.Show();
    picker.lstListCT.SetSelected(0, false);
    desktop.Save(picker, "frmCTfile");
    picker.Hide();
}

TEST(RehabilitationScreenshots, TheEntryWithRequestsOfEachStatusInTheirColours) {
    SampleDesktop desktop;
    ward::frmFinal& chart = desktop.app.Forms.Instance<ward::frmFinal>();
    ward::frmPTRequestEntry& entry = desktop.app.Forms.Instance<ward::frmPTRequestEntry>();
    entry.PName = "DELA CRUZ, JUAN SANTOS";
    entry.AdmMD = "REYES, ANA";
    entry.AtnMD = "CRUZ, JOSE";
    entry.ID = chart.txtId.Text();
    entry.Hosp = chart.txtPno.Text();
    entry.Room = "SIC-04";
    entry.AdmDate = "12/05/2026";
    entry.Bdate = "03/14/1958";
    entry.Age = "68";
    entry.Sex = "M";
    entry.Show();
    ASSERT_EQ(entry.mshflexList.Rows(), 4);
    entry.txtRequestingDoctor(1).SetText("0");
    entry.txtRequestingDoctor(0).SetText("DR. SANTOS");
    entry.txtRemarks.SetText("CHEST PHYSIOTHERAPY TWICE A DAY");
    desktop.Save(entry, "frmPTRequestEntry");
    entry.Unload();
}

} // namespace
