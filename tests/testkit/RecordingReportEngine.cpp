#include "RecordingReportEngine.h"

#include "platform/reports/ReportError.h"
#include "platform/reports/Template.h"
#include "platform/reports/TemplatePath.h"
#include "platform/vb/Conversions.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>

namespace testkit {

namespace {

int FieldCountOf(const std::optional<reports::Template>& layout) {
    return layout ? layout->ParameterFieldCount() : INT_MAX;
}

// Records into its own entry of the report it belongs to.
class RecordingSubreport : public reports::Report {
public:
    RecordingSubreport(RecordedReport& owner, std::string name, std::optional<reports::Template> layout)
        : owner(owner), index(owner.subreports.size()), layout(std::move(layout)) {
        owner.subreports.push_back(RecordedSubreport{std::move(name), {}, {}});
    }
    std::string Path() const override { return owner.path; }
    void SetHospitalName(const std::string&) override { ADD_FAILURE() << "a sub-report gets no hospital name"; }
    void LogOnTables(const reports::LogOnInfo& logOn) override { Entry().logOns.emplace_back(Entry().name, logOn); }
    int ParameterFieldCount() const override { return FieldCountOf(layout); }
    void SetParameterValue(int field, const vb::Variant& value) override {
        EXPECT_EQ(field, static_cast<int>(Entry().values.size())) << "parameter fields are given in order";
        Entry().values.push_back(value);
    }
    reports::Report& OpenSubreport(const std::string&) override {
        throw reports::ReportError(reports::rptErrNoSuchSubreport, "A sub-report has no sub-reports.");
    }

private:
    RecordedSubreport& Entry() const { return owner.subreports[index]; }
    RecordedReport& owner;
    std::size_t index;
    std::optional<reports::Template> layout;
};

class RecordingReport : public reports::Report {
public:
    RecordingReport(std::shared_ptr<RecordedReport> record, std::optional<reports::Template> layout)
        : record(std::move(record)), layout(std::move(layout)) {}

    std::string Path() const override { return record->path; }
    void SetHospitalName(const std::string& name) override { record->hospitalName = name; }
    void LogOnTables(const reports::LogOnInfo& logOn) override { record->logOn = logOn; }
    int ParameterFieldCount() const override { return FieldCountOf(layout); }
    void SetParameterValue(int field, const vb::Variant& value) override {
        EXPECT_EQ(field, static_cast<int>(record->values.size())) << "parameter fields are given in order";
        record->values.push_back(value);
    }
    reports::Report& OpenSubreport(const std::string& name) override {
        std::optional<reports::Template> sublayout;
        if (layout) {
            const reports::Template* found = layout->FindSubreport(name);
            if (!found)
                throw reports::ReportError(reports::rptErrNoSuchSubreport,
                                           "The report " + reports::FileNameOf(record->path) +
                                               " has no sub-report named \"" + name + "\".");
            sublayout = *found;
        }
        subreports.push_back(std::make_unique<RecordingSubreport>(*record, name, std::move(sublayout)));
        return *subreports.back();
    }
    RecordedReport& Record() { return *record; }

private:
    std::shared_ptr<RecordedReport> record;
    std::optional<reports::Template> layout;
    std::vector<std::unique_ptr<RecordingSubreport>> subreports;
};

RecordedReport& RecordOf(reports::Report& report) {
    auto* recording = dynamic_cast<RecordingReport*>(&report);
    if (!recording)
        throw std::logic_error("the report was not opened by the recording engine");
    return recording->Record();
}

} // namespace

RecordingReportEngine::RecordingReportEngine(std::filesystem::path folder) : templatesFolder(std::move(folder)) {}

std::filesystem::path RecordingReportEngine::ShippedTemplates() {
    const char* source = std::getenv("WARD_SOURCE_DIR");
    return std::filesystem::path(source ? source : ".") / "Reports";
}

std::unique_ptr<reports::Report> RecordingReportEngine::OpenReport(const std::string& path) {
    auto record = std::make_shared<RecordedReport>();
    record->path = path;
    if (nextOpenFailure) {
        const std::string message = *nextOpenFailure;
        nextOpenFailure.reset();
        throw reports::ReportError(reports::rptErrTemplateMissing, message);
    }
    std::optional<reports::Template> layout;
    if (templatesFolder) {
        const std::string name = reports::FileNameOf(path);
        const auto file = reports::ResolveTemplatePath(templatesFolder->string() + "/" + name);
        if (!file)
            throw reports::ReportError(reports::rptErrTemplateMissing,
                                       "The report template " + name + " was not found (looked for " + path + ").");
        layout = reports::ReadTemplate(*file);
    }
    reports.push_back(record);
    return std::make_unique<RecordingReport>(std::move(record), std::move(layout));
}

std::unique_ptr<reports::Report> RecordingReportEngine::EmptyReport() {
    auto record = std::make_shared<RecordedReport>();
    record->empty = true;
    reports.push_back(record);
    return std::make_unique<RecordingReport>(std::move(record), std::nullopt);
}

reports::Document RecordingReportEngine::Display(reports::Report& report, const reports::ViewerSettings& settings) {
    RecordedReport& record = RecordOf(report);
    record.output = RecordedReport::Output::Viewed;
    record.viewer = settings;
    ++record.timesShown;
    reports::Document document;
    document.title = reports::FileNameOf(record.path);
    document.pages.emplace_back();
    return document;
}

void RecordingReportEngine::PrintOut(reports::Report& report) {
    RecordedReport& record = RecordOf(report);
    if (noPrinter)
        throw reports::ReportError(reports::rptErrNoPrinter, "No printer is installed: the report cannot be printed.");
    record.output = RecordedReport::Output::Printed;
    ++record.timesShown;
}

const RecordedReport& RecordingReportEngine::Last() const {
    if (reports.empty()) {
        ADD_FAILURE() << "no report was opened";
        static const RecordedReport none;
        return none;
    }
    return *reports.back();
}

int RecordingReportEngine::PrintedCount() const {
    int count = 0;
    for (const auto& report : reports)
        count += report->output == RecordedReport::Output::Printed ? 1 : 0;
    return count;
}

int RecordingReportEngine::ViewedCount() const {
    int count = 0;
    for (const auto& report : reports)
        count += report->output == RecordedReport::Output::Viewed ? 1 : 0;
    return count;
}

void RecordingReportEngine::FailNextOpen(std::string message) { nextOpenFailure = std::move(message); }

std::vector<std::string> ShownValues(const std::vector<vb::Variant>& values) {
    std::vector<std::string> shown;
    for (const vb::Variant& value : values) {
        if (value.Type() == vb::VarType::Boolean)
            shown.push_back(value.AsBoolean() ? "True (Boolean)" : "False (Boolean)");
        else
            shown.push_back(vb::CStr(value));
    }
    return shown;
}

} // namespace testkit
