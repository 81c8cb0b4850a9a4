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
#include "requestcart/frmRemarks.h"
#include "requestentry/frmRequest.h"
#include "sampleward/SampleWard.h"
#include "testkit/FakeComponents.h"
#include "testkit/UserActions.h"

#include <QApplication>
#include <QImage>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// The remarks dialog of the next look-up is answered as soon as the desktop shows it: the first specimen of a list,
// then Enter.
void AnswerRemarksWhenShown(ward::App& app) {
    QTimer::singleShot(50, [&app] {
        ward::frmRemarks& remarks = app.Forms.Instance<ward::frmRemarks>();
        if (!remarks.IsLoaded() || !remarks.Visible()) {
            AnswerRemarksWhenShown(app);
            return;
        }
        if (remarks.Picture1.Visible())
            testkit::ClickCell(remarks.mshflexSpecimen, 1, 2);
        testkit::Click(remarks.Command1);
    });
}

TEST(RequestDialogScreenshots, TheLaboratoryDialogWithThreeLookedUpRows) {
    gui::QtHost host;
    std::unique_ptr<sampleward::SampleServer> server = sampleward::OpenSampleWard();
    ward::App app{host};
    guitest::ConnectSampleWard(app, *server);
    ward::LoadHospitalSettings(app);
    app.CurIdNum = sampleward::InPatientIdNum;
    app.CurHospNum = sampleward::InPatientHospNum;
    ASSERT_TRUE(app.PatientSearch->ValidateAdmission(app.CurIdNum));
    app.CurRoomClassID = app.PatientSearch->Admission().Room.RoomClassID;
    ward::frmFinal& chart = app.Forms.Get<ward::frmFinal>();
    chart.txtPno.SetText(sampleward::InPatientHospNum);
    chart.txtId.SetText(sampleward::InPatientIdNum);

    ward::frmRequest& dialog = app.Forms.Get<ward::frmRequest>();
    dialog.SetCaption("Laboratory Request Entry");
    dialog.txtDept.SetText("LB");
    dialog.SetDepartment("LB");
    dialog.Show();
    for (const char* code : {"CBC", "FBS", "LIPID"}) {
        testkit::ClickCell(dialog.mshflexEntry, dialog.mshflexEntry.Rows() - 1, 1);
        testkit::Type(dialog.txtEntry, code);
        AnswerRemarksWhenShown(app);
        testkit::PressKey(dialog.txtEntry, forms::vbKeyReturn);
    }
    ASSERT_EQ(dialog.mshflexEntry.TextMatrix(3, 1), "LIPID");
    testkit::ClickCell(dialog.mshflexEntry, 4, 1);
    EXPECT_TRUE(forms::FindOverlaps(dialog).empty());
    const std::string path = guitest::ScreenshotPath("frmRequest_laboratory");
    ASSERT_TRUE(gui::SaveScreenshot(host, dialog, path));
    QImage image(QString::fromStdString(path));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), gui::TwipsToPixels(dialog.ScaleWidth()));
    EXPECT_TRUE(server->Unanswered().empty());
    dialog.Unload();
    chart.Unload();
    host.ReleaseWindows();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace
