#include "charges/frmCharge.h"
#include "charges/frmDoctorsFee.h"
#include "charges/frmPSIReading.h"
#include "chart/frmFinal.h"
#include "components/OwnComponents.h"
#include "components/frmPickList.h"
#include "core/App.h"
#include "core/ModuleHelpers.h"
#include "core/ReportPrinting.h"
#include "core/frmReportViewer.h"
#include "gui/Conversions.h"
#include "gui/QtHost.h"
#include "gui/Screenshot.h"
#include "gui/main/BuiltTemplates.h"
#include "gui/main/SampleComponents.h"
#include "gui/main/ScreenshotPath.h"
#include "platform/forms/LayoutCheck.h"
#include "platform/reports/TemplatePath.h"
#include "platform/reports/TemplateReportEngine.h"
#include "sampleward/SampleWard.h"
#include "testkit/FakeComponents.h"
#include "testkit/UserActions.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

// The first line of the next medicine list is taken as soon as the desktop shows the list.
void PickFirstLineWhenShown(ward::App& app) {
    QTimer::singleShot(50, [&app] {
        for (forms::Form* form : app.Forms.LoadedForms())
            if (auto* list = dynamic_cast<components::frmPickList*>(form); list && list->Visible()) {
                testkit::ClickListItem(list->lvwList, 1);
                testkit::Click(list->cmdOK);
                return;
            }
        PickFirstLineWhenShown(app);
    });
}

// The sample in-patient's chart on the desktop, its header loaded, reading the sample ward through our components.
struct DesktopCharges {
    DesktopCharges() {
        guitest::ConnectSampleWard(app, *server);
        app.CurIdNum = sampleward::InPatientIdNum;
        app.CurHospNum = sampleward::InPatientHospNum;
        ward::frmFinal& chart = Chart();
        chart.txtPno.SetText(sampleward::InPatientHospNum);
        chart.txtId.SetText(sampleward::InPatientIdNum);
        chart.Show();
        QElapsedTimer waited;
        waited.start();
        while (chart.txtPatient.Text().empty() && waited.elapsed() < 5000)
            QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    ~DesktopCharges() {
        host.ReleaseWindows();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The department and the item typed on the last row; a name is chosen from the medicine list.
    void Enter(const std::string& dept, const std::string& item, bool fromList = false) {
        ward::frmCharge& charge = Charge();
        forms::MSHFlexGrid& grid = charge.mshflexEntry;
        const int row = grid.Rows() - 1;
        testkit::ClickCell(grid, row, 1);
        testkit::Type(charge.txtEntry, dept);
        testkit::PressKey(charge.txtEntry, forms::vbKeyReturn);
        testkit::Type(charge.txtEntry, item);
        if (fromList)
            PickFirstLineWhenShown(app);
        testkit::PressKey(charge.txtEntry, forms::vbKeyReturn);
        // Leaving the complete row appends the next one.
        testkit::ClickCell(grid, row, 1);
    }

    gui::QtHost host;
    std::unique_ptr<sampleward::SampleServer> server = sampleward::OpenSampleWard();
    ward::App app{host};
    ward::frmFinal& Chart() { return app.Forms.Get<ward::frmFinal>(); }
    ward::frmCharge& Charge() { return app.Forms.Get<ward::frmCharge>(); }
};

TEST(ChargeScreenshots, TheChargeWindowWithThreeRowsAndThePostedList) {
    DesktopCharges desktop;
    testkit::Click(desktop.Chart().cmdNextPatient(5));
    ward::frmCharge& charge = desktop.Charge();
    ASSERT_TRUE(charge.Visible());
    desktop.Enter("SU", "SU-DRS");
    desktop.Enter("SU", "SU-NEB");
    desktop.Enter("PH", "amox", true);
    ASSERT_EQ(charge.mshflexEntry.TextMatrix(3, 2), "AMOX500");
    testkit::ClickCell(charge.mshflexEntry, 4, 1);
    // The in-patient's open tank (row 4) and closed one (row 5).
    ASSERT_EQ(charge.mshflexList.Rows(), 6);
    EXPECT_EQ(charge.mshflexList.FormatOf(4, 3).BackColor, 8454016);
    EXPECT_EQ(charge.mshflexList.FormatOf(5, 3).BackColor, 255);
    EXPECT_TRUE(forms::FindOverlaps(charge).empty());
    const std::string path = guitest::ScreenshotPath("frmCharge");
    ASSERT_TRUE(gui::SaveScreenshot(desktop.host, charge, path));
    QImage image(QString::fromStdString(path));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), gui::TwipsToPixels(charge.ScaleWidth()));
    EXPECT_TRUE(desktop.server->Unanswered().empty());
}

// Once a dialog of this kind is showing: work fills it, then it is pictured and work's close ends it.
template <class Dialog>
void PictureWhenShown(DesktopCharges& desktop, const std::string& name, std::function<void(Dialog&)> fill,
                      std::function<void(Dialog&)> close, bool& pictured) {
    QTimer::singleShot(50, [&desktop, name, fill, close, &pictured] {
        for (forms::Form* form : desktop.app.Forms.LoadedForms())
            if (auto* dialog = dynamic_cast<Dialog*>(form); dialog && dialog->Visible()) {
                fill(*dialog);
                EXPECT_TRUE(forms::FindOverlaps(*dialog).empty()) << name;
                pictured = gui::SaveScreenshot(desktop.host, *dialog, guitest::ScreenshotPath(name));
                close(*dialog);
                return;
            }
        PictureWhenShown(desktop, name, fill, close, pictured);
    });
}

TEST(ChargeScreenshots, ThePSIReadingOfATankWithHistory) {
    DesktopCharges desktop;
    testkit::Click(desktop.Chart().cmdNextPatient(5));
    ward::frmCharge& charge = desktop.Charge();
    ward::frmPSIReading& dialog = desktop.app.Forms.Instance<ward::frmPSIReading>();
    dialog.Code = "OX-PSI";
    dialog.Description = "OXYGEN BY PSI";
    dialog.Grid = &charge.mshflexEntry;
    dialog.SelectedRow = 1;
    bool pictured = false;
    PictureWhenShown<ward::frmPSIReading>(
        desktop, "frmPSIReading",
        [](ward::frmPSIReading& shown) {
            testkit::Type(shown.txtTank, sampleward::SampleTankWithHistory);
            testkit::PressKey(shown.txtTank, forms::vbKeyReturn);
            testkit::Type(shown.txtLastReading, "1200");
            testkit::PressKey(shown.txtLastReading, forms::vbKeyReturn);
            EXPECT_EQ(shown.lblConsumed.Caption(), "300");
        },
        [](ward::frmPSIReading& shown) { testkit::Click(shown.lblExit(1)); }, pictured);
    dialog.ShowModal();
    EXPECT_TRUE(pictured);
    EXPECT_EQ(desktop.app.PSIReading, 300);
    EXPECT_TRUE(desktop.server->Unanswered().empty());
}

TEST(ChargeScreenshots, DrSantossProfessionalFees) {
    DesktopCharges desktop;
    ward::frmDoctorsFee& picker = desktop.app.Forms.Instance<ward::frmDoctorsFee>();
    picker.DoctorCode = "1021";
    picker.DoctorName = "SANTOS ,MARIA";
    bool pictured = false;
    PictureWhenShown<ward::frmDoctorsFee>(
        desktop, "frmDoctorsFee",
        [](ward::frmDoctorsFee& shown) { testkit::ClickCell(shown.mshFlexDoctorsFee, 2, 1); },
        [](ward::frmDoctorsFee& shown) { testkit::PressKey(shown.mshFlexDoctorsFee, forms::vbKeyReturn); }, pictured);
    picker.ShowModal();
    EXPECT_TRUE(pictured);
    EXPECT_EQ(picker.SelectedDoctorFee, 1200);
    EXPECT_TRUE(desktop.server->Unanswered().empty());
}

TEST(ChargeScreenshots, TheInPatientsChargeSlipInTheReportViewer) {
    gui::QtHost host;
    std::unique_ptr<sampleward::SampleServer> server = sampleward::OpenSampleWard();
    ward::App app{host};
    app.CurrentUser = std::make_unique<testkit::FakeLogin>(server.get());
    app.ReportEngine = std::make_shared<guitest::BuiltTemplates>(*server);
    app.HospitalName = "TESSUN SAMPLE HOSPITAL";
    bool pictured = false;
    QTimer::singleShot(100, [&] {
        for (forms::Form* form : app.Forms.LoadedForms())
            if (auto* viewer = dynamic_cast<ward::frmReportViewer*>(form)) {
                pictured = gui::SaveScreenshot(host, *viewer, guitest::ScreenshotPath("frmReportViewer_charge_slip"));
                viewer->Unload();
            }
    });
    ward::OpenReport(app, app.GetHost().AppPath() + "\\Reports\\Charge_Slip_BlankForm.RPT",
                     {"C0001201B", "VILLANUEVA ,ROBERTO SALAZAR", sampleward::InPatientHospNum, "68 / M", "MEMBER",
                      "PERSONAL", "SIC-02", sampleward::InPatientIdNum, "12/11/2026 08:30:00 AM",
                      "12/11/2026 08:30:00 AM", "NAVARRO, TERESA", "REGULAR", "SANTOS, MARIA", "(N1001) SANTOS, MARIA",
                      "SANTOS, MARIA", "REPRINTED COPY"});
    ward::ShowReport(app, false, "Reprint ChargeSlip", false, false);
    EXPECT_TRUE(pictured);
    EXPECT_TRUE(server->Unanswered().empty());
    host.ReleaseWindows();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace
