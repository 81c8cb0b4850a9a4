#include "TemplateReportEngine.h"

#include "ReportError.h"
#include "TemplatePath.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/DateText.h"
#include "platform/vb/Format.h"
#include "platform/vb/Strings.h"
#include "platform/vb/Utf8.h"

namespace reports {

namespace {

std::string QuotedText(const vb::Variant& value) {
    return value.IsNull() || value.IsEmpty() ? std::string() : vb::CStr(value);
}

bool TakesValue(ParameterType type, const vb::Variant& value) {
    switch (type) {
    case ParameterType::Text:
        return true;
    case ParameterType::Number:
        return vb::IsNumeric(value);
    case ParameterType::Boolean: {
        if (value.Type() == vb::VarType::Boolean || (!value.IsString() && vb::IsNumeric(value)))
            return true;
        const std::string text = vb::AsciiLower(QuotedText(value));
        return text == "true" || text == "false";
    }
    }
    return false;
}

std::string DateLiteral(const vb::Variant& value, const std::string& field) {
    if (value.IsDate())
        return db::SqlQuote(vb::FormatDate(value.AsDate(), "yyyymmdd hh:nn:ss"));
    const std::string text = vb::Trim(QuotedText(value));
    const std::optional<vb::Date> date = vb::ReadDateText(text);
    if (!date)
        throw ReportError(rptErrBadParameterValue,
                          "The report needs a date for " + field + " but was given \"" + text + "\".");
    return db::SqlQuote(vb::FormatDate(*date, "yyyymmdd hh:nn:ss"));
}

void CheckValue(const std::string& path, const std::vector<ParameterField>& fields, int field,
                const vb::Variant& value) {
    const auto index = static_cast<std::size_t>(field);
    if (index < fields.size() && !TakesValue(fields[index].type, value))
        throw ReportError(rptErrBadParameterValue, "The report " + FileNameOf(path) + " cannot take \"" +
                                                       QuotedText(value) + "\" for its field " + fields[index].name +
                                                       ".");
}

void CheckValues(const std::string& path, const BoundReport& report) {
    const std::vector<ParameterField>& fields = report.layout->ParametersFor(report.ValuesGiven());
    for (std::size_t i = 0; i < report.values.size(); ++i)
        if (report.values[i])
            CheckValue(path, fields, static_cast<int>(i), *report.values[i]);
}

// An empty template: one blank page.
const std::shared_ptr<const Template>& EmptyTemplate() {
    static const std::shared_ptr<const Template> empty = std::make_shared<const Template>();
    return empty;
}

} // namespace

TemplateReport::TemplateReport(std::string path, std::shared_ptr<const Template> file, const Template& layout)
    : path(std::move(path)), file(std::move(file)), layout(layout),
      values(static_cast<std::size_t>(layout.ParameterFieldCount())) {}

void TemplateReport::LogOnTables(const LogOnInfo& logOn) {
    tableLogOns.clear();
    for (const Query& query : layout.queries)
        tableLogOns.emplace_back(query.name, logOn);
}

void TemplateReport::SetParameterValue(int field, const vb::Variant& value) {
    if (field < 0 || field >= ParameterFieldCount())
        throw ReportError(rptErrBadParameterValue, "The report " + FileNameOf(path) + " has no parameter field " +
                                                       std::to_string(field + 1) + ".");
    // With lists for different numbers of values, the types are checked once the list is known (CheckValues).
    if (layout.parametersByCount.empty())
        CheckValue(path, layout.parameters, field, value);
    values[static_cast<std::size_t>(field)] = value;
}

Report& TemplateReport::OpenSubreport(const std::string& name) {
    const Template* subreport = layout.FindSubreport(name);
    if (!subreport)
        throw ReportError(rptErrNoSuchSubreport,
                          "The report " + FileNameOf(path) + " has no sub-report named \"" + name + "\".");
    auto& opened = subreports[vb::AsciiLower(subreport->name)];
    opened = std::make_unique<TemplateReport>(path, file, *subreport);
    return *opened;
}

const TemplateReport* TemplateReport::OpenedSubreport(const std::string& name) const {
    const auto found = subreports.find(vb::AsciiLower(name));
    return found == subreports.end() ? nullptr : found->second.get();
}

std::string QueryStatement(const Query& query, const BoundReport& report) {
    const TextTemplate pieces = ParseText(query.text);
    // Templates read from files were refused already; this guards a layout built any other way.
    if (const std::optional<std::string> quoted = FieldInsideQuotes(pieces))
        throw ReportError(rptErrTemplateInvalid, "The query " + query.name + " has {" + *quoted +
                                                     "} inside quotes; the report cannot be run.");
    std::string statement;
    for (const TextPiece& piece : pieces) {
        if (piece.name.empty()) {
            statement += piece.literal;
            continue;
        }
        const vb::Variant value = report.Parameter(piece.name);
        if (piece.pattern == "date")
            statement += DateLiteral(value, piece.name);
        else if (piece.pattern == "text")
            statement += db::SqlQuote(QuotedText(value));
        else
            statement += db::SqlLiteral(value);
    }
    return statement;
}

TemplateReportEngine::TemplateReportEngine(ConnectionSource connection, Printer* printer)
    : connection(std::move(connection)), printer(printer) {}

TemplateReportEngine::TemplateReportEngine(db::Connection& connection, Printer* printer)
    : TemplateReportEngine([&connection]() -> db::Connection& { return connection; }, printer) {}

std::unique_ptr<Report> TemplateReportEngine::OpenReport(const std::string& path) {
    const std::optional<std::filesystem::path> file = ResolveTemplatePath(path);
    if (!file)
        throw ReportError(rptErrTemplateMissing,
                          "The report template " + FileNameOf(path) + " was not found (looked for " + path + ").");
    auto layout = std::make_shared<const Template>(ReadTemplate(*file));
    const Template& main = *layout;
    return std::make_unique<TemplateReport>(path, std::move(layout), main);
}

std::unique_ptr<Report> TemplateReportEngine::EmptyReport() {
    return std::make_unique<TemplateReport>(std::string(), EmptyTemplate(), *EmptyTemplate());
}

BoundReport TemplateReportEngine::Bind(const TemplateReport& report) {
    BoundReport bound;
    bound.layout = &report.Layout();
    bound.hospitalName = report.HospitalName();
    bound.values = report.Values();
    CheckValues(report.Path(), bound);
    for (const Query& query : report.Layout().queries) {
        db::Recordset rows = connection().Execute(QueryStatement(query, bound));
        QueryRows& result = bound.rows[vb::AsciiLower(query.name)];
        if (rows.State() != db::ObjectState::Open)
            continue;
        result.columns = rows.FieldNames();
        for (; !rows.Eof(); rows.MoveNext()) {
            std::vector<vb::Variant>& row = result.rows.emplace_back();
            for (int i = 0; i < rows.FieldCount(); ++i)
                row.push_back(rows.Fields(i));
        }
        rows.Close();
    }
    return bound;
}

Document TemplateReportEngine::LayOutReport(Report& report) {
    auto* opened = dynamic_cast<TemplateReport*>(&report);
    if (!opened)
        throw ReportError(rptErrTemplateInvalid, "This report was not opened by the report engine.");
    const BoundReport main = Bind(*opened);
    std::vector<BoundReport> subreports;
    for (const Template& layout : opened->Layout().subreports) {
        const TemplateReport* subreport = opened->OpenedSubreport(layout.name);
        subreports.push_back(subreport ? Bind(*subreport) : Bind(TemplateReport(opened->Path(), nullptr, layout)));
    }
    return LayOut(main, subreports);
}

Document TemplateReportEngine::Display(Report& report, const ViewerSettings& /*settings*/) {
    return LayOutReport(report);
}

void TemplateReportEngine::PrintOut(Report& report) {
    if (!printer)
        throw ReportError(rptErrNoPrinter, "No printer is installed: the report cannot be printed.");
    printer->Print(LayOutReport(report));
}

} // namespace reports
