#include "gui/QtHost.h"
#include "platform/forms/FormsContext.h"

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
    forms::FormsContext windows(host);

    const char* notice = "This version of Tessun Nurse has no main window yet, so there is nothing to open.";
    std::cerr << notice << '\n';
    QString platform = QApplication::platformName();
    if (platform != "offscreen" && platform != "minimal")
        windows.MsgBox(notice, forms::vbInformation);
    return 0;
}
