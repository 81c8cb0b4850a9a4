#include "gui/Desktop.h"

#include "core/App.h"
#include "core/ReportPrinting.h"
#include "gui/FigureAnnouncer.h"
#include "gui/QtHost.h"
#include "gui/ReportPainting.h"

namespace gui {

void RunWardClient(const program::Options& options, const std::function<void(QtHost&, ward::App&)>& started) {
    QtHost host;
    host.SetTitleMark(program::TitleMark(options));
    DefaultPrinter printer;
    ward::App app(host);
    ward::SetReportPrinter(app, &printer);
    app.Announcer = std::make_shared<FigureAnnouncer>(app.Forms);
    program::RegisterComponents(app, options);
    if (started)
        started(host, app);
    program::Run(app);
    host.ReleaseWindows();
}

} // namespace gui
