#include "core/App.h"
#include "core/ReportPrinting.h"
#include "gui/QtHost.h"
#include "gui/ReportPainting.h"

#include <QApplication>

#include <cstdlib>
#include <iostream>

namespace {

bool HasDisplay() {
    return std::getenv("QT_QPA_PLATFORM") != nullptr || std::getenv("DISPLAY") != nullptr ||
           std::getenv("WAYLAND_DISPLAY") != nullptr;
}

} // namespace

int main(int argc, char* argv[]) {
    // Without a desktop there is nothing to show; the program still starts far enough to say why it stops.
    if (!HasDisplay())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    application.setApplicationName(forms::ProgramTitle);
    gui::QtHost host;
    gui::DefaultPrinter printer;
    ward::App app(host);
    ward::ApplyStartupValues(app);
    ward::SetReportPrinter(app, &printer);

    const char* notice = "This version of Tessun Nurse has no main window yet, so there is nothing to open.";
    std::cerr << notice << '\n';
    QString platform = QApplication::platformName();
    if (platform != "offscreen" && platform != "minimal")
        app.Forms.MsgBox(notice, forms::vbInformation);
    host.ReleaseWindows();
    return 0;
}
