#pragma once

#include "Page.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace reports {

// A report template as read from its file (the format is described in Reports/FORMAT.md).

// Text with fields: "Admission {IdNum}", "{Transdate:mm/dd/yyyy}". A field names a parameter, a built-in
// (HospitalName, Title, Page, Pages), a column of the current row of a table, or "query.column" (the first row of
// that query); after ":" comes a display pattern.
struct TextPiece {
    std::string literal; // when name is empty
    std::string name;
    std::string pattern;
};
using TextTemplate = std::vector<TextPiece>;

enum class ParameterType { Text, Number, Boolean };

struct ParameterField {
    std::string name;
    ParameterType type = ParameterType::Text;
};

struct Query {
    std::string name;
    std::string text; // lines joined with one blank; fields are written in through the quoting helper
};

struct Style {
    double size = 0; // 0: the report's size
    bool bold = false;
    Align align = Align::Left;
    std::string when; // a parameter: shown only when its value is True
    double spaceBefore = 0;
};

// A text or a line at a fixed place of every page (the running header) or of the page's footer area.
struct PlacedItem {
    bool isRule = false;
    double x = 0, y = 0, x2 = 0, y2 = 0; // x2, y2: the end of a rule
    double width = 0;                    // 0: to the right margin (left) or none
    Style style;
    TextTemplate text;
};

struct FieldsBlock {
    double labelWidth = 110;
    int columns = 1;
    double size = 0;
    std::vector<std::pair<TextTemplate, TextTemplate>> fields; // label, value
};

struct TextBlock {
    std::vector<std::pair<Style, TextTemplate>> lines;
};

struct Column {
    std::string heading;
    double width = 0; // 0: what the other columns leave
    Align align = Align::Left;
    bool sum = false;
    std::string when;
    TextTemplate content;
};

struct TableBlock {
    std::string query;
    std::string heading;
    std::string empty;
    TextTemplate group;
    double size = 0;
    std::vector<Column> columns;
};

using Block = std::variant<FieldsBlock, TextBlock, TableBlock>;

struct Template {
    std::string name; // the sub-report's name; empty for the main report
    std::string title;
    bool landscape = false;
    double margin = 36;
    double headerHeight = -1; // where the body starts; -1: below the last header item
    double footerHeight = 30;
    double size = 9;
    std::vector<ParameterField> parameters;
    std::map<int, std::vector<ParameterField>> parametersByCount; // used when exactly that many values were given
    std::vector<Query> queries;
    std::vector<PlacedItem> header;
    std::optional<std::vector<PlacedItem>> footer; // none: "Page n of m" centred
    std::vector<Block> body;
    std::vector<Template> subreports;

    int ParameterFieldCount() const;
    bool HasParameter(std::string_view parameterName) const;
    // The parameter list that applies when `given` values were set.
    const std::vector<ParameterField>& ParametersFor(int given) const;
    const Query* FindQuery(std::string_view queryName) const;
    const Template* FindSubreport(std::string_view subreportName) const;
    // The columns the layout reads from a query's rows.
    std::vector<std::string> ColumnsUsed(std::string_view queryName) const;
};

// Raises ReportError (rptErrTemplateInvalid) naming the source and the line of the first mistake.
Template ParseTemplate(std::string_view text, const std::string& source);
Template ReadTemplate(const std::filesystem::path& file);

// The fields of a text ("{IdNum}" ...), parsed; "{{" and "}}" stand for braces.
TextTemplate ParseText(std::string_view text);

// The name of the first field of a query that stands inside a quoted literal ('...'), a quoted name ("...") or a
// bracketed name ([...]); nothing when every field stands outside them. Such a field would be written as a literal
// with quotes of its own, which end the surrounding one and let the value be read as SQL.
std::optional<std::string> FieldInsideQuotes(const TextTemplate& query);

} // namespace reports
