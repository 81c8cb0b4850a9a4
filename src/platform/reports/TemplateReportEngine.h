#pragma once

#include "Layout.h"
#include "ReportEngine.h"
#include "Template.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace db {
class Connection;
}

namespace reports {

// A report opened from a template file.
class TemplateReport : public Report {
public:
    TemplateReport(std::string path, std::shared_ptr<const Template> file, const Template& layout);

    std::string Path() const override { return path; }
    void SetHospitalName(const std::string& name) override { hospitalName = name; }
    void LogOnTables(const LogOnInfo& logOn) override;
    int ParameterFieldCount() const override { return layout.ParameterFieldCount(); }
    void SetParameterValue(int field, const vb::Variant& value) override;
    Report& OpenSubreport(const std::string& name) override;

    const Template& Layout() const { return layout; }
    const std::string& HospitalName() const { return hospitalName; }
    // The credentials each table was logged on with, in the template's order of queries.
    const std::vector<std::pair<std::string, LogOnInfo>>& TableLogOns() const { return tableLogOns; }
    const std::vector<std::optional<vb::Variant>>& Values() const { return values; }
    // The sub-report of that name when it was opened.
    const TemplateReport* OpenedSubreport(const std::string& name) const;

private:
    std::string path;
    std::shared_ptr<const Template> file; // keeps the layout alive
    const Template& layout;
    std::string hospitalName;
    std::vector<std::pair<std::string, LogOnInfo>> tableLogOns;
    std::vector<std::optional<vb::Variant>> values;
    std::map<std::string, std::unique_ptr<TemplateReport>> subreports; // by name in lower case
};

// The statement a query sends: each field of its text becomes the value as an SQL literal (text through the
// quoting helper, Boolean as 1 or 0, nothing given as NULL); ":date" reads a text as a date, ":text" quotes the
// value as text.
std::string QueryStatement(const Query& query, const BoundReport& report);

// The engine of the program: reads our templates, runs their queries on the program's connection and lays them
// out into pages.
class TemplateReportEngine : public ReportEngine {
public:
    using ConnectionSource = std::function<db::Connection&()>;

    explicit TemplateReportEngine(ConnectionSource connection, Printer* printer = nullptr);
    explicit TemplateReportEngine(db::Connection& connection, Printer* printer = nullptr);

    std::unique_ptr<Report> OpenReport(const std::string& path) override;
    std::unique_ptr<Report> EmptyReport() override;
    Document Display(Report& report, const ViewerSettings& settings) override;
    void PrintOut(Report& report) override;

    void SetPrinter(Printer* value) { printer = value; }
    // Runs the report's queries and lays it out.
    Document LayOutReport(Report& report);

private:
    BoundReport Bind(const TemplateReport& report);

    ConnectionSource connection;
    Printer* printer;
};

} // namespace reports
