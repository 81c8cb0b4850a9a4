#include "core/App.h"

#include "core/ErrorReporting.h"
#include "platform/reports/TemplateReportEngine.h"
#include "platform/vb/VbError.h"

namespace ward {

App::App(forms::Host& host) : Forms(*this, host) {
    // Template queries run on the program's one connection; the front end hands the engine its printer.
    ReportEngine =
        std::make_shared<reports::TemplateReportEngine>([this]() -> db::Connection& { return Connection(); });
    Forms.SetErrorReporter([this](const std::exception& error) { ShowErrorMessage(*this, error); });
}

App::~App() = default;

db::Connection& App::Connection() const {
    if (!CurrentUser)
        throw vb::VbError(91, "Object variable or With block variable not set");
    return CurrentUser->SQLConnection();
}

clsParameters& App::Parameters() {
    if (!parameters)
        parameters = std::make_unique<clsParameters>();
    return *parameters;
}

db::Recordset& App::ExamRecordset() {
    if (!examRecordset)
        examRecordset = std::make_unique<db::Recordset>();
    return *examRecordset;
}

void ApplyStartupValues(App& app) {
    app.UnitPriceInEntry = true;
    app.AllowReportPrint = true;
    app.ObjectsCreated = false;
    app.AgentLoaded = false;
    app.StationID = "SIC";
    app.StationName = "Tessun Zentari -  SURGICAL INTENSIVE CARE UNIT";
}

} // namespace ward
