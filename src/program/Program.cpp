#include "program/Program.h"

#include "components/OwnComponents.h"
#include "core/App.h"
#include "platform/reports/ReportError.h"
#include "sampleward/SampleWard.h"
#include "shell/Connector.h"
#include "shell/clsCurrentuser.h"
#include "shell/mdiOrMenu.h"

#include <stdexcept>

namespace program {

namespace {

// The sample ward's server, made anew at each log-in.
class SampleWardConnector : public ward::Connector {
public:
    std::unique_ptr<db::Connection> Connect(const ward::ConnectionSettings&) override {
        return sampleward::OpenSampleWard();
    }
    std::string ServerName(const ward::ConnectionSettings&) const override { return "SAMPLE WARD"; }
    bool IsSampleWard() const override { return true; }
};

} // namespace

Options ReadArguments(const std::vector<std::string>& arguments) {
    Options options;
    for (const std::string& argument : arguments) {
        if (argument == "--sample-ward")
            options.SampleWard = true;
        else
            throw std::invalid_argument("Unknown option: " + argument + " (the only option is --sample-ward)");
    }
    return options;
}

void RegisterComponents(ward::App& app, const Options& options) {
    std::shared_ptr<ward::Connector> connector;
    if (options.SampleWard)
        connector = std::make_shared<SampleWardConnector>();
    else
        connector = std::make_shared<ward::OdbcConnector>();
    ward::RegisterLoginComponent(app.Factory, app, connector);
    components::RegisterOwnComponents(app.Factory,
                                      {app.Forms, [&app]() -> db::Connection& { return app.Connection(); },
                                       [&app]() -> reports::ReportEngine& {
                                           if (!app.ReportEngine)
                                               throw reports::ReportError(reports::rptErrTemplateInvalid,
                                                                          "No report engine is available.");
                                           return *app.ReportEngine;
                                       }});
}

std::string TitleMark(const Options& options) { return options.SampleWard ? " - SAMPLE WARD: nothing is saved" : ""; }

void Run(ward::App& app) {
    ward::mdiOrMenu& main = app.Forms.Instance<ward::mdiOrMenu>();
    main.Show();
    if (main.IsLoaded())
        app.GetHost().RunUntilUnloaded(main);
}

} // namespace program
