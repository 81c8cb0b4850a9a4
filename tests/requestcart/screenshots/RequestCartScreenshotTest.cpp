#include "chart/frmFinal.h"
#include "core/frmReportViewer.h"
#include "components/NurseActivityComponents.h"
#include "components/OwnComponents.h"
#include "core/App.h"
#include "core/HospitalSettings.h"
#include "core/ModuleHelpers.h"
#include "gui/FormWindow.h"
#include "gui/QtHost.h"
#include "gui/Screenshot.h"
#include "gui/main/SampleComponents.h"
#include "gui/main/ScreenshotPath.h"
#include "platform/forms/LayoutCheck.h"
#include "platform/vb/Strings.h"
#include "requestcart/frmRemarks.h"
#include "shell/frmRequestingDoctor.h"
#include "shell/frmTransaction_UserValidation.h"
#include "sampleward/SampleWard.h"
#include "testkit/FakeComponents.h"
#include "testkit/UserActions.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QTimer>
#include <QElapsedTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

// The desktop host, but a modal show runs the test's hand instead of waiting for one.
class PickingHost : public gui::QtHost {
public:
    void RunModal(forms::Form& form) override {
        if (onModal)
            onModal(form);
        else
            gui::QtHost::RunModal(form);
    }
    // The program's folder as the build lays it out (src/gui), with the report templates and pictures.
    std::string AppPath() override {
        return QDir(QCoreApplication::applicationDirPath() + "/../../../src/gui").absolutePath().toStdString();
    }
    std::function<void(forms::Form&)> onModal;
};

// The sample ward on the desktop, read through our own components; the windows' widgets go before the windows.
struct DesktopCart {
    DesktopCart() {
        guitest::ConnectSampleWard(app, *server);
        ward::LoadHospitalSettings(app);
        app.CurIdNum = sampleward::InPatientIdNum;
        app.CurHospNum = sampleward::InPatientHospNum;
    }
    ~DesktopCart() {
        host.ReleaseWindows();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The chart of the in-patient once its header has loaded.
    ward::frmFinal& OpenInPatientsChart() {
        ward::frmFinal& chart = app.Forms.Get<ward::frmFinal>();
        chart.txtPno.SetText(sampleward::InPatientHospNum);
        chart.txtId.SetText(sampleward::InPatientIdNum);
        chart.Show();
        QElapsedTimer waited;
        waited.start();
        while (chart.txtPatient.Text().empty() && waited.elapsed() < 5000)
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        return chart;
    }

    void Save(forms::Form& form, const char* name) {
        EXPECT_TRUE(forms::FindOverlaps(form).empty());
        ASSERT_TRUE(gui::SaveScreenshot(host, form, guitest::ScreenshotPath(name)));
        EXPECT_TRUE(server->Unanswered().empty());
    }

    PickingHost host;
    std::unique_ptr<sampleward::SampleServer> server = sampleward::OpenSampleWard();
    ward::App app{host};
};

TEST(RequestCartScreenshots, RemarksOfALaboratoryExamWithItsSpecimensListed) {
    DesktopCart desktop;
    ward::frmRemarks& remarks = desktop.app.Forms.Instance<ward::frmRemarks>();
    remarks.ExamID = "335";
    remarks.DeptID = "LB";
    remarks.Load();
    ASSERT_TRUE(remarks.Picture1.Visible());
    EXPECT_EQ(remarks.mshflexSpecimen.TextMatrix(3, 2), "HEPARINIZED BLOOD");
    remarks.txtRemarks.SetText("PATIENT ON HEPARIN DRIP");
    desktop.Save(remarks, "frmRemarks_laboratory");
    remarks.Unload();
}

TEST(RequestCartScreenshots, RemarksOfAnXrayExamWithThePortableMachine) {
    DesktopCart desktop;
    ward::frmRemarks& remarks = desktop.app.Forms.Get<ward::frmRemarks>();
    remarks.lblSpecimen(1).SetEnabled(false);
    remarks.cmdSpecimen.SetEnabled(false);
    remarks.DeptID = "XR";
    remarks.chkPortable.SetVisible(true);
    remarks.chkPortable.SetValue(forms::vbChecked);
    remarks.txtRemarks.SetText("PATIENT ON MECHANICAL VENTILATOR");
    desktop.Save(remarks, "frmRemarks_xray");
    remarks.Unload();
}

int LineOf(const forms::ListBox& list, const std::string& code) {
    for (int i = 0; i < list.ListCount(); ++i)
        if (vb::Trim(vb::Right(list.List(i), 4)) == code)
            return i;
    return -1;
}

TEST(RequestCartScreenshots, TheSendRequestsPageWithThreeCartRows) {
    DesktopCart desktop;
    ward::frmFinal& chart = desktop.OpenInPatientsChart();
    desktop.host.onModal = [](forms::Form& form) {
        auto& remarks = dynamic_cast<ward::frmRemarks&>(form);
        if (remarks.Picture1.Visible())
            testkit::ClickCell(remarks.mshflexSpecimen, 1, 2);
        testkit::Click(remarks.Command1);
    };
    testkit::ClickListLine(chart.lstListLaboratory, LineOf(chart.lstListLaboratory, "101"));
    testkit::ClickListLine(chart.lstListXray, LineOf(chart.lstListXray, "12"));
    testkit::ClickListLine(chart.lstListUltra, LineOf(chart.lstListUltra, "210"));
    desktop.host.onModal = nullptr;
    ASSERT_EQ(chart.mshflexOrders.Rows(), 4);
    EXPECT_EQ(chart.mshflexOrders.TextMatrix(3, 1), "US");
    desktop.Save(chart, "frmFinal_request_cart");
    chart.Unload();
}

// A blood count sent from the cart: the nurse signs, names the doctor, and the laboratory request form opens in the
// viewer; then the lists page shows the in-patient's requests and assessment.
TEST(RequestCartScreenshots, TheLaboratoryRequestFormOfASentCartAndTheRequestListsPage) {
    DesktopCart desktop;
    ward::frmFinal& chart = desktop.OpenInPatientsChart();
    bool pictured = false;
    desktop.host.onModal = [&](forms::Form& form) {
        if (auto* remarks = dynamic_cast<ward::frmRemarks*>(&form)) {
            testkit::Click(remarks->Command1);
        } else if (auto* validation = dynamic_cast<ward::frmTransaction_UserValidation*>(&form)) {
            desktop.app.ValidatedUserID = sampleward::SampleNurseID;
            validation->Unload();
        } else if (auto* doctor = dynamic_cast<ward::frmRequestingDoctor*>(&form)) {
            desktop.app.RequestingDoctorCode = "D-0101";
            desktop.app.RequestingDoctorName = "SANTOS, MIGUEL";
            doctor->Hide();
        } else if (auto* viewer = dynamic_cast<ward::frmReportViewer*>(&form)) {
            QTimer::singleShot(0, [&desktop, &pictured, viewer] {
                gui::FormWindow* window = desktop.host.WindowOf(*viewer);
                if (window != nullptr)
                    pictured = gui::SaveScreenshot(*window->TopLevel(),
                                                   guitest::ScreenshotPath("frmReportViewer_lab_request_form"));
                viewer->CloseByUser();
            });
            desktop.host.QtHost::RunModal(form);
        }
    };
    testkit::ClickListLine(chart.lstListLaboratory, LineOf(chart.lstListLaboratory, "101"));
    testkit::Click(chart.cmdSave);
    desktop.host.onModal = nullptr;
    EXPECT_TRUE(pictured);
    EXPECT_TRUE(chart.mshflexOrders.TextMatrix(1, 1).empty());

    chart.tabSSTab1.SetTab(1);
    EXPECT_EQ(chart.mshflexProcessed(1).TextMatrix(1, 1), "COMPLETE BLOOD COUNT");
    EXPECT_FALSE(chart.txtMessage.Visible());
    desktop.Save(chart, "frmFinal_request_lists");
    chart.Unload();
}

} // namespace
