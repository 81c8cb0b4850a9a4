#pragma once

#include "Page.h"
#include "platform/vb/Variant.h"

#include <memory>
#include <string>
#include <vector>

namespace reports {

// Which server, database and user a report reads. The password stays in this object in memory: nothing of the
// engine writes it to a file, a log or an error text.
struct LogOnInfo {
    std::string ServerName;
    std::string DatabaseName;
    std::string UserID;
    std::string Password;

    friend bool operator==(const LogOnInfo&, const LogOnInfo&) = default;
};

// "server/database as user", for transcripts and messages; never the password.
std::string Describe(const LogOnInfo& logOn);

// What a viewer window shows a report with.
struct ViewerSettings {
    std::string Caption;
    bool ShowGroupTree = false;
    bool PrintButton = true;
    int Zoom = 100; // percent

    friend bool operator==(const ViewerSettings&, const ViewerSettings&) = default;
};

// One opened report (or sub-report): a template with the values given to it.
class Report {
public:
    virtual ~Report() = default;

    // The path the report was opened with; empty for an empty report.
    virtual std::string Path() const = 0;
    // The report-level text every template can show as {HospitalName}.
    virtual void SetHospitalName(const std::string& name) = 0;
    // Logs every table (query) of the report on with these credentials, in the template's order.
    virtual void LogOnTables(const LogOnInfo& logOn) = 0;
    // The parameter fields, in the template's order.
    virtual int ParameterFieldCount() const = 0;
    // Gives field `field` its current value; a value the field cannot take raises.
    virtual void SetParameterValue(int field, const vb::Variant& value) = 0;
    // A named sub-report of this report (found without regard to case); raises when the template has none.
    virtual Report& OpenSubreport(const std::string& name) = 0;
};

// Gives the report's parameter fields the values in order: field i gets values[i]. Extra values are not used;
// fields beyond the last value get nothing.
void SetParameterValues(Report& report, const std::vector<vb::Variant>& values);

// The report engine the program's report calls use. The real one reads the templates of the Reports folder and
// runs their queries on the program's connection; the test kit records the calls.
//
// Opening a report for the program takes four steps: OpenReport(path), SetHospitalName, LogOnTables with the
// user's server credentials, SetParameterValues. A sub-report: OpenSubreport(name), LogOnTables,
// SetParameterValues. Then PrintOut, or a viewer window asks Display for the pages it shows.
class ReportEngine {
public:
    virtual ~ReportEngine() = default;

    // Opens a template. The path may use "\" or "/" and any case of letters; a missing template raises.
    virtual std::unique_ptr<Report> OpenReport(const std::string& path) = 0;
    // The report used where none was opened: it shows one empty page.
    virtual std::unique_ptr<Report> EmptyReport() = 0;
    // The pages a viewer window shows, with the settings it shows them with.
    virtual Document Display(Report& report, const ViewerSettings& settings) = 0;
    // Prints every page at once on the default printer, with no dialog; raises when there is no printer.
    virtual void PrintOut(Report& report) = 0;
};

// Where a printed report goes: the front end's default printer.
class Printer {
public:
    virtual ~Printer() = default;
    // Raises when the printer is missing or refuses the job.
    virtual void Print(const Document& document) = 0;
};

} // namespace reports
