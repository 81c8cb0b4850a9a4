#pragma once

#include "chart/frmFinal.h"
#include "core/App.h"
#include "core/HospitalSettings.h"
#include "gui/Conversions.h"
#include "gui/QtHost.h"
#include "gui/Screenshot.h"
#include "gui/main/SampleComponents.h"
#include "gui/main/ScreenshotPath.h"
#include "platform/forms/LayoutCheck.h"
#include "sampleward/SampleWard.h"

#include <QApplication>
#include <QImage>
#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace requestentryshots {

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

} // namespace requestentryshots
