#pragma once

#include "platform/reports/ReportEngine.h"
#include "platform/vb/Variant.h"

#include <string>
#include <vector>

namespace ward {

class App;

// The report calls every window that prints makes, in this order: OpenReport with the template's full path (the
// program's folder, "\Reports\", the file name) and the values in the template's order, optionally OpenSubreport,
// then ShowReport. None of them reports an error itself: a missing template, a value the template cannot take or a
// printer failure reaches the calling window, which shows it.

// Opens the template into CurrentReport, hands it the hospital's name, logs its tables on with the user's server
// credentials and gives its parameter fields the values in order (extra values unused, missing ones left empty).
void OpenReport(App& app, const std::string& ReportPath, const std::vector<vb::Variant>& Params);
// The same log-on and values for one named sub-report of CurrentReport; the sub-report gets no hospital name.
void OpenSubreport(App& app, const std::string& SubreportName, const std::vector<vb::Variant>& Params);
// Prints CurrentReport at once with no dialog and releases it, or shows it modally in a new viewer window (the
// medication-sheet viewer when asked) and returns when the nurse has closed it.
void ShowReport(App& app, bool ShowGroupTree, const std::string& Caption, bool DirectPrint, bool UseMedSheetViewer);

// CurrentReport, made as an empty report when none is open.
reports::Report& CurrentReportObject(App& app);
// CurrentReport laid out into pages for a viewer window.
reports::Document ReportPages(App& app, const reports::ViewerSettings& settings);
// The server, database and user every report reads as (user "sa", the user's server password).
reports::LogOnInfo ReportLogOn(App& app);
// The printer a direct print goes to; the front end hands over its default printer.
void SetReportPrinter(App& app, reports::Printer* printer);

} // namespace ward
