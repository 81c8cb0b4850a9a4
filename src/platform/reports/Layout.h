#pragma once

#include "Page.h"
#include "Template.h"
#include "platform/vb/Variant.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace reports {

// The rows one query gave.
struct QueryRows {
    std::vector<std::string> columns;
    std::vector<std::vector<vb::Variant>> rows;
};

// A report or sub-report with everything its layout reads.
struct BoundReport {
    const Template* layout = nullptr;
    std::string hospitalName;
    std::vector<std::optional<vb::Variant>> values; // by parameter field; nothing where no value was given
    std::map<std::string, QueryRows> rows;          // by query name in lower case

    int ValuesGiven() const;
    // A parameter's value by name under the list that applies to the values given; Empty when it got none.
    vb::Variant Parameter(std::string_view name) const;
};

// Lays the report out into pages: the body of the main report, then the body of each sub-report, under the main
// report's running header and footer.
Document LayOut(const BoundReport& main, const std::vector<BoundReport>& subreports);

// The width of a text in points in the sans-serif face a painter uses (Helvetica metrics; Arial and Liberation Sans
// share them).
double TextWidth(std::string_view text, double size, bool bold);

// The text broken into lines no wider than width, at blanks where it can; line ends in the text are kept.
std::vector<std::string> WrapText(std::string_view text, double width, double size, bool bold);

// A value as a report shows it: Null and Empty as "", otherwise through the runtime's Format.
std::string DisplayText(const vb::Variant& value, const std::string& pattern);

// True for True, a non-zero number and the texts "True", "Yes", "1", "-1" (any case).
bool IsTrue(const vb::Variant& value);

} // namespace reports
