#include "chart/frmFinal.h"
#include "components/OwnComponents.h"
#include "core/App.h"
#include "core/HospitalSettings.h"
#include "core/ModuleHelpers.h"
#include "gui/QtHost.h"
#include "gui/Screenshot.h"
#include "gui/main/ScreenshotPath.h"
#include "platform/forms/LayoutCheck.h"
#include "platform/vb/Strings.h"
#include "requestcart/frmRemarks.h"
#include "sampleward/SampleWard.h"
#include "testkit/FakeComponents.h"
#include "testkit/UserActions.h"

#include <QApplication>
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
    std::function<void(forms::Form&)> onModal;
};

// The sample ward on the desktop, read through our own components; the windows' widgets go before the windows.
struct DesktopCart {
    DesktopCart() {
        app.CurrentUser = std::make_unique<testkit::FakeLogin>(server.get());
        static_cast<testkit::FakeLogin&>(*app.CurrentUser).employeeCode = sampleward::SampleNurseID;
        components::RegisterOwnComponents(app.Factory,
                                          {app.Forms, [this]() -> db::Connection& { return app.Connection(); }});
        app.PatientSearch = app.Factory.Create<components::PatientSearchComponent>("Ulvexa.clsPatientSearch");
        app.CodeSearch = app.Factory.Create<components::CodeSearchComponent>("Bramwit.clsCodeSearch");
        app.KeyFilter = app.Factory.Create<components::KeyFilterComponent>("Kappoch.KeyPress");
        app.StationID = sampleward::StationID;
        app.StationName = sampleward::StationName;
        ward::RefreshServerDate(app);
        ward::LoadHospitalSettings(app);
        app.CurIdNum = sampleward::InPatientIdNum;
        app.CurHospNum = sampleward::InPatientHospNum;
    }
    ~DesktopCart() {
        host.ReleaseWindows();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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
    ward::frmFinal& chart = desktop.app.Forms.Get<ward::frmFinal>();
    chart.txtPno.SetText(sampleward::InPatientHospNum);
    chart.txtId.SetText(sampleward::InPatientIdNum);
    chart.Show();
    QElapsedTimer waited;
    waited.start();
    while (chart.txtPatient.Text().empty() && waited.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
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

} // namespace
