#include "gui/Desktop.h"
#include "platform/forms/Host.h"

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
    program::Options options;
    try {
        options = program::ReadArguments(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return 2;
    }
    // Without a desktop there is nothing to show; the program still starts far enough to say why it stops.
    if (!HasDisplay())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    application.setApplicationName(forms::ProgramTitle);
    gui::RunWardClient(options);
    return 0;
}
