#include "core/App.h"
#include "core/ReportPrinting.h"
#include "gui/FigureAnnouncer.h"
#include "gui/QtHost.h"
#include "gui/ReportPainting.h"
#include "program/Program.h"

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
    if (!HasDisplay())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    application.setApplicationName(forms::ProgramTitle);
    gui::QtHost host;
    host.SetTitleMark(program::TitleMark(options));
    gui::DefaultPrinter printer;
    ward::App app(host);
    ward::SetReportPrinter(app, &printer);
    app.Announcer = std::make_shared<gui::FigureAnnouncer>(app.Forms);
    program::RegisterComponents(app, options);
    program::Run(app);
    host.ReleaseWindows();
    return 0;
}
