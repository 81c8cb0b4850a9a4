#include "FuzzInput.h"
#include "platform/reports/Layout.h"
#include "platform/reports/TemplateReportEngine.h"

namespace {

// A value that closes every kind of quoting SQL has, around a mark no template text holds.
const std::string kHostileValue = "'\"]\x01--";

reports::BoundReport Bound(const reports::Template& layout) {
    reports::BoundReport bound;
    bound.layout = &layout;
    bound.hospitalName = "Ward";
    bound.values.assign(static_cast<std::size_t>(layout.ParameterFieldCount()), vb::Variant(kHostileValue));
    return bound;
}

// Whether every mark in the statement lies inside a string literal, as the server reads quotes and brackets.
bool MarksStayInLiterals(const std::string& statement) {
    char closing = 0;
    for (std::size_t i = 0; i < statement.size(); ++i) {
        const char c = statement[i];
        if (c == '\x01' && closing != '\'')
            return false;
        if (closing == 0)
            closing = c == '\'' ? '\'' : c == '"' ? '"' : c == '[' ? ']' : 0;
        else if (c == closing && i + 1 < statement.size() && statement[i + 1] == closing)
            ++i;
        else if (c == closing)
            closing = 0;
    }
    return true;
}

void CheckQueries(const reports::Template& layout) {
    const reports::BoundReport bound = Bound(layout);
    for (const reports::Query& query : layout.queries) {
        layout.ColumnsUsed(query.name);
        if (query.text.find('\x01') != std::string::npos)
            continue;
        Expecting([&] {
            if (!MarksStayInLiterals(reports::QueryStatement(query, bound)))
                __builtin_trap();
        });
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Expecting([&] {
        const reports::Template layout = reports::ParseTemplate(FuzzInput(data, size).Rest(), "Fuzz.rpt");
        CheckQueries(layout);
        std::vector<reports::BoundReport> subreports;
        for (const reports::Template& subreport : layout.subreports) {
            CheckQueries(subreport);
            subreports.push_back(Bound(subreport));
        }
        Expecting([&] { reports::LayOut(Bound(layout), subreports); });
    });
    return 0;
}
