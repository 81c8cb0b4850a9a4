#include "core/ReportPrinting.h"

#include "core/App.h"
#include "core/frmReportMedicationsheet.h"
#include "core/frmReportViewer.h"
#include "platform/reports/ReportError.h"
#include "platform/reports/TemplateReportEngine.h"

namespace ward {

namespace {

reports::ReportEngine& Engine(App& app) {
    if (!app.ReportEngine)
        throw reports::ReportError(reports::rptErrTemplateInvalid, "No report engine is available.");
    return *app.ReportEngine;
}

void LogOnAndGiveValues(App& app, reports::Report& report, const std::vector<vb::Variant>& Params) {
    report.LogOnTables(ReportLogOn(app));
    reports::SetParameterValues(report, Params);
}

template <class Viewer> void ShowInNewViewer(App& app, bool ShowGroupTree, const std::string& Caption) {
    std::shared_ptr<Viewer> viewer = app.Forms.New<Viewer>();
    viewer->ShowGroupTree = ShowGroupTree;
    viewer->SetCaption(Caption);
    viewer->ShowModal();
    if (viewer->LoadError())
        std::rethrow_exception(viewer->LoadError());
}

} // namespace

reports::LogOnInfo ReportLogOn(App& app) {
    if (!app.CurrentUser)
        throw vb::VbError(91, "Object variable or With block variable not set");
    const components::LoginComponent& user = *app.CurrentUser;
    return reports::LogOnInfo{user.servername(), user.Database(), "sa", user.ServerPassword()};
}

reports::Report& CurrentReportObject(App& app) {
    if (!app.CurrentReport)
        app.CurrentReport = Engine(app).EmptyReport();
    return *app.CurrentReport;
}

reports::Document ReportPages(App& app, const reports::ViewerSettings& settings) {
    return Engine(app).Display(CurrentReportObject(app), settings);
}

void OpenReport(App& app, const std::string& ReportPath, const std::vector<vb::Variant>& Params) {
    app.CurrentReport = Engine(app).OpenReport(ReportPath);
    reports::Report& report = *app.CurrentReport;
    report.SetHospitalName(app.HospitalName);
    LogOnAndGiveValues(app, report, Params);
}

void OpenSubreport(App& app, const std::string& SubreportName, const std::vector<vb::Variant>& Params) {
    LogOnAndGiveValues(app, CurrentReportObject(app).OpenSubreport(SubreportName), Params);
}

void ShowReport(App& app, bool ShowGroupTree, const std::string& Caption, bool DirectPrint, bool UseMedSheetViewer) {
    if (DirectPrint) {
        Engine(app).PrintOut(CurrentReportObject(app));
        app.CurrentReport.reset();
    } else if (UseMedSheetViewer) {
        ShowInNewViewer<frmReportMedicationsheet>(app, ShowGroupTree, Caption);
    } else {
        ShowInNewViewer<frmReportViewer>(app, ShowGroupTree, Caption);
    }
}

void SetReportPrinter(App& app, reports::Printer* printer) {
    if (auto* engine = dynamic_cast<reports::TemplateReportEngine*>(app.ReportEngine.get()))
        engine->SetPrinter(printer);
}

} // namespace ward
