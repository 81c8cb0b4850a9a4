#include "components/LabResultViewerComponent.h"
#include "components/OwnComponents.h"
#include "components/frmLabResultViewer.h"
#include "core/App.h"
#include "gui/QtHost.h"
#include "gui/Screenshot.h"
#include "gui/main/BuiltTemplates.h"
#include "gui/main/ScreenshotPath.h"
#include "platform/reports/TemplatePath.h"
#include "platform/reports/TemplateReportEngine.h"
#include "sampleward/SampleWard.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

TEST(LabResultViewerScreenshots, TheViewerWithTheSampleInPatientsSlip) {
    gui::QtHost host;
    ward::App app{host};
    std::unique_ptr<sampleward::SampleServer> server = sampleward::OpenSampleWard();
    guitest::BuiltTemplates engine(*server);
    components::ComponentFactory factory;
    components::RegisterOwnComponents(factory, {app.Forms, [&]() -> db::Connection& { return *server; },
                                                [&]() -> reports::ReportEngine& { return engine; }});
    auto viewer = factory.Create<components::LabResultViewerComponent>("Ostenay.Labresultviewer");
    viewer->SetSQLConnection(*server);
    viewer->SetIdNumber(sampleward::InPatientIdNum);
    viewer->SetRequestNum("");
    viewer->SetCSNumber("CS-1001");
    viewer->SetViewMode(0);
    bool pictured = false;
    QTimer::singleShot(100, [&] {
        for (forms::Form* form : app.Forms.LoadedForms())
            if (auto* window = dynamic_cast<components::frmLabResultViewer*>(form)) {
                pictured = gui::SaveScreenshot(host, *window, guitest::ScreenshotPath("frmLabResultViewer"));
                window->Unload();
            }
    });
    viewer->Show_Results();
    EXPECT_TRUE(pictured);
    EXPECT_TRUE(server->Unanswered().empty());
    host.ReleaseWindows();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace
