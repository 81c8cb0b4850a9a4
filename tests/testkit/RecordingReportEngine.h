#pragma once

#include "platform/reports/ReportEngine.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace testkit {

// What one report (or sub-report) was given.
struct RecordedSubreport {
    std::string name;
    std::vector<std::pair<std::string, reports::LogOnInfo>> logOns;
    std::vector<vb::Variant> values; // in the order the fields received them
};

struct RecordedReport {
    enum class Output { None, Printed, Viewed };

    std::string path;
    std::string hospitalName;
    std::optional<reports::LogOnInfo> logOn;
    std::vector<vb::Variant> values;
    std::vector<RecordedSubreport> subreports;
    Output output = Output::None;
    reports::ViewerSettings viewer; // when viewed
    int timesShown = 0;
    bool empty = false; // made where no report had been opened
};

// A report engine that records every call instead of printing. Each report opened is one entry of Reports(), in
// the order opened; printing and viewing are noted on the report they concern.
//
// Given the folder of the shipped templates, it also checks that the file a path names exists there (its name
// compared without regard to case, as the real engine does) and raises the real engine's error when it does not;
// it then takes as many values as the template has fields. Without a folder it takes every value.
class RecordingReportEngine : public reports::ReportEngine {
public:
    RecordingReportEngine() = default;
    explicit RecordingReportEngine(std::filesystem::path templatesFolder);

    std::unique_ptr<reports::Report> OpenReport(const std::string& path) override;
    std::unique_ptr<reports::Report> EmptyReport() override;
    reports::Document Display(reports::Report& report, const reports::ViewerSettings& settings) override;
    void PrintOut(reports::Report& report) override;

    const std::vector<std::shared_ptr<RecordedReport>>& Reports() const { return reports; }
    // The last report opened; the test fails when there is none.
    const RecordedReport& Last() const;
    // Reports printed at once, and reports shown in a viewer.
    int PrintedCount() const;
    int ViewedCount() const;

    // The next OpenReport raises this error (as a missing template would).
    void FailNextOpen(std::string message);
    // PrintOut raises as it does with no printer installed.
    void SetNoPrinter(bool value = true) { noPrinter = value; }

    // The folder of the templates the program ships, from the source tree the tests were built from.
    static std::filesystem::path ShippedTemplates();

private:
    std::optional<std::filesystem::path> templatesFolder;
    std::vector<std::shared_ptr<RecordedReport>> reports;
    std::optional<std::string> nextOpenFailure;
    bool noPrinter = false;
};

// Values as a report received them, Booleans marked "True (Boolean)" or "False (Boolean)" so that a Boolean is
// told from its text.
std::vector<std::string> ShownValues(const std::vector<vb::Variant>& values);

} // namespace testkit
