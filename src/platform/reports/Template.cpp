#include "Template.h"

#include "ReportError.h"
#include "platform/db/SqlText.h"
#include "platform/vb/Utf8.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <set>
#include <sstream>

namespace reports {

namespace {

// Every character that separates words (as the words of a line are read), so that no line is blank to one reading
// and holds a word to another.
constexpr std::string_view kBlanks = " \t\r\n\f\v";

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(kBlanks);
    return std::string(text.substr(first, last - first + 1));
}

std::vector<std::string> Words(std::string_view text) {
    std::vector<std::string> words;
    std::istringstream stream{std::string(text)};
    for (std::string word; stream >> word;)
        words.push_back(word);
    return words;
}

std::optional<double> NumberOf(std::string_view word) {
    double value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size() || value < 0)
        return std::nullopt;
    return value;
}

bool IsName(std::string_view name) {
    if (name.empty())
        return false;
    if (name.size() > 1 && name[0] == '#') // a column by its position
        return name.size() <= 4 &&
               std::all_of(name.begin() + 1, name.end(), [](char c) { return c >= '0' && c <= '9'; });
    return std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '.';
    });
}

const std::set<std::string> kBuiltIns = {"hospitalname", "title", "page", "pages"};

class Parser {
public:
    Parser(std::string_view text, std::string source) : source(std::move(source)) {
        std::string line;
        for (char c : text) {
            if (c == '\n') {
                lines.push_back(std::move(line));
                line.clear();
            } else {
                line += c;
            }
        }
        lines.push_back(std::move(line));
    }

    Template Parse() {
        Template main;
        Template* current = &main;
        for (lineNumber = 1; lineNumber <= static_cast<int>(lines.size()); ++lineNumber) {
            const std::string line = Trimmed(lines[static_cast<std::size_t>(lineNumber - 1)]);
            if (line.empty() || line[0] == '#')
                continue;
            if (line.front() == '[') {
                if (line.back() != ']')
                    Fail("a section heading ends with \"]\"");
                const std::vector<std::string> words = Words(std::string_view(line).substr(1, line.size() - 2));
                if (words.empty())
                    Fail("the section has no name");
                if (vb::AsciiLower(words[0]) == "subreport") {
                    if (words.size() != 2)
                        Fail("a sub-report has one name: [subreport Name]");
                    main.subreports.emplace_back().name = words[1];
                    current = &main.subreports.back();
                    section = Section::None;
                    continue;
                }
                StartSection(*current, words);
                continue;
            }
            ReadLine(*current, line);
        }
        Check(main);
        for (const Template& subreport : main.subreports)
            Check(subreport);
        return main;
    }

private:
    enum class Section { None, Report, Parameters, Query, Header, Footer, Fields, Text, Table };

    // Mistakes found after the whole file was read name what is wrong but no line.
    [[noreturn]] void Fail(const std::string& what) const {
        const std::string where = lineNumber > 0 ? " (line " + std::to_string(lineNumber) + ")" : "";
        throw ReportError(rptErrTemplateInvalid,
                          "The report template " + source + " is not valid" + where + ": " + what + ".");
    }

    void StartSection(Template& report, const std::vector<std::string>& words) {
        const std::string kind = vb::AsciiLower(words[0]);
        const std::size_t arguments = words.size() - 1;
        if (kind == "report" && arguments == 0) {
            section = Section::Report;
        } else if (kind == "parameters" && arguments <= 1) {
            section = Section::Parameters;
            parameterList = &report.parameters;
            if (arguments == 1) {
                const std::optional<double> count = NumberOf(words[1]);
                // A count is checked for range before it is made an int: a huge number has no int to compare with.
                if (!count || *count < 1 || *count > 1000 || *count != std::trunc(*count))
                    Fail("[parameters N] takes a count of values");
                parameterList = &report.parametersByCount[static_cast<int>(*count)];
            }
        } else if (kind == "query" && arguments == 1) {
            if (!IsName(words[1]) || words[1].find_first_of(".#") != std::string::npos)
                Fail("a query's name is letters, digits and \"_\"");
            if (report.FindQuery(words[1]))
                Fail("the query " + words[1] + " is declared twice");
            section = Section::Query;
            report.queries.push_back(Query{words[1], {}});
        } else if (kind == "header" && arguments == 0) {
            section = Section::Header;
        } else if (kind == "footer" && arguments == 0) {
            section = Section::Footer;
            report.footer.emplace();
        } else if (kind == "fields" && arguments == 0) {
            section = Section::Fields;
            report.body.emplace_back(FieldsBlock{});
        } else if (kind == "text" && arguments == 0) {
            section = Section::Text;
            report.body.emplace_back(TextBlock{});
        } else if (kind == "table" && arguments == 1) {
            section = Section::Table;
            TableBlock table;
            table.query = words[1];
            report.body.emplace_back(std::move(table));
        } else {
            Fail("unknown section [" + words[0] + "] or wrong number of names after it");
        }
    }

    void ReadLine(Template& report, const std::string& line) {
        switch (section) {
        case Section::None:
            Fail("text outside a section");
        case Section::Report:
            return ReadReportSetting(report, line);
        case Section::Parameters:
            return ReadParameter(line);
        case Section::Query: {
            if (line.find("--") != std::string::npos)
                Fail("a query line cannot hold \"--\": its lines are joined into one, so a comment would end it");
            // A comment would hide quotes from the check that keeps fields out of quoted literals.
            if (line.find("/*") != std::string::npos)
                Fail("a query line cannot hold \"/*\": a comment could hide where a quoted literal starts or ends");
            std::string& text = report.queries.back().text;
            text += (text.empty() ? "" : " ") + line;
            return;
        }
        case Section::Header:
            report.header.push_back(ReadPlacedItem(line));
            return;
        case Section::Footer:
            report.footer->push_back(ReadPlacedItem(line));
            return;
        case Section::Fields:
            return ReadField(std::get<FieldsBlock>(report.body.back()), line);
        case Section::Text:
            return ReadTextLine(std::get<TextBlock>(report.body.back()), line);
        case Section::Table:
            return ReadTableLine(std::get<TableBlock>(report.body.back()), line);
        }
    }

    std::pair<std::string, std::string> Setting(const std::string& line) const {
        const auto equals = line.find('=');
        if (equals == std::string::npos)
            Fail("expected \"name = value\"");
        return {vb::AsciiLower(Trimmed(std::string_view(line).substr(0, equals))),
                Trimmed(std::string_view(line).substr(equals + 1))};
    }

    double Number(const std::string& word) const {
        const std::optional<double> value = NumberOf(word);
        if (!value)
            Fail("\"" + word + "\" is not a number of points");
        return *value;
    }

    void ReadReportSetting(Template& report, const std::string& line) {
        const auto [key, value] = Setting(line);
        if (key == "title") {
            report.title = value;
        } else if (key == "orientation") {
            const std::string orientation = vb::AsciiLower(value);
            if (orientation != "portrait" && orientation != "landscape")
                Fail("orientation is portrait or landscape");
            report.landscape = orientation == "landscape";
        } else if (key == "margin") {
            report.margin = Number(value);
        } else if (key == "header") {
            report.headerHeight = Number(value);
        } else if (key == "footer") {
            report.footerHeight = Number(value);
        } else if (key == "size") {
            report.size = Number(value);
        } else {
            Fail("unknown setting " + key);
        }
    }

    void ReadParameter(const std::string& line) {
        const std::vector<std::string> words = Words(line);
        if (words.size() > 2 || !IsName(words[0]) || words[0].find_first_of(".#") != std::string::npos)
            Fail("a parameter line is a name and, optionally, text, number or boolean");
        if (kBuiltIns.count(vb::AsciiLower(words[0])))
            Fail(words[0] + " is a built-in field, not a parameter name");
        ParameterField field{words[0], ParameterType::Text};
        if (words.size() == 2) {
            const std::string type = vb::AsciiLower(words[1]);
            if (type == "number")
                field.type = ParameterType::Number;
            else if (type == "boolean")
                field.type = ParameterType::Boolean;
            else if (type != "text")
                Fail("a parameter's type is text, number or boolean");
        }
        for (const ParameterField& other : *parameterList)
            if (vb::AsciiLower(other.name) == vb::AsciiLower(field.name))
                Fail("the parameter " + field.name + " is listed twice");
        parameterList->push_back(field);
    }

    // "options | text": the options before the first "|", the text after it.
    std::pair<std::vector<std::string>, std::string> Split(const std::string& line) const {
        const auto bar = line.find('|');
        if (bar == std::string::npos)
            return {Words(line), {}};
        return {Words(std::string_view(line).substr(0, bar)), Trimmed(std::string_view(line).substr(bar + 1))};
    }

    // Reads the style words from `words` starting at `from`.
    Style ReadStyle(const std::vector<std::string>& words, std::size_t from) const {
        Style style;
        for (std::size_t i = from; i < words.size(); ++i) {
            const std::string word = vb::AsciiLower(words[i]);
            const bool hasNext = i + 1 < words.size();
            if (word == "bold")
                style.bold = true;
            else if (word == "center")
                style.align = Align::Center;
            else if (word == "right")
                style.align = Align::Right;
            else if (word == "size" && hasNext)
                style.size = Number(words[++i]);
            else if (word == "space" && hasNext)
                style.spaceBefore = Number(words[++i]);
            else if (word == "when" && hasNext)
                style.when = words[++i];
            else
                Fail("unknown option \"" + words[i] + "\"");
        }
        return style;
    }

    TextTemplate Text(const std::string& text) const {
        try {
            return ParseText(text);
        } catch (const ReportError& error) {
            Fail(error.Description());
        }
    }

    PlacedItem ReadPlacedItem(const std::string& line) {
        // Named apart rather than bound together: the clang of the fuzz build cannot capture a structured binding.
        const auto split = Split(line);
        const std::vector<std::string>& words = split.first;
        const std::string& text = split.second;
        PlacedItem item;
        const std::string kind = words.empty() ? std::string() : vb::AsciiLower(words[0]);
        std::size_t next = 1;
        auto take = [&]() {
            if (next >= words.size())
                Fail("\"" + kind + "\" needs more positions");
            return Number(words[next++]);
        };
        if (kind == "text" || kind == "right") {
            item.x = take();
            item.y = take();
        } else if (kind == "center") {
            item.y = take();
        } else if (kind == "line") {
            item.isRule = true;
            const std::size_t numbers = static_cast<std::size_t>(
                std::find_if(words.begin() + 1, words.end(), [](const std::string& w) { return !NumberOf(w); }) -
                words.begin() - 1);
            if (numbers == 1) { // "line Y": a rule across the page at Y
                item.x = -1;
                item.y = take();
            } else {
                item.x = take();
                item.y = take();
                item.x2 = take();
                item.y2 = take();
            }
        } else {
            Fail("a placed item starts with text, center, right or line");
        }
        if (next < words.size() && vb::AsciiLower(words[next]) == "width") {
            ++next;
            item.width = take();
        }
        item.style = ReadStyle(words, next);
        if (kind == "center")
            item.style.align = Align::Center;
        if (kind == "right")
            item.style.align = Align::Right;
        if (!item.isRule)
            item.text = Text(text);
        return item;
    }

    void ReadField(FieldsBlock& fields, const std::string& line) {
        if (line.find('|') == std::string::npos) {
            const auto [key, value] = Setting(line);
            if (key == "label")
                fields.labelWidth = Number(value);
            else if (key == "columns")
                fields.columns = std::max(1, static_cast<int>(Number(value)));
            else if (key == "size")
                fields.size = Number(value);
            else
                Fail("unknown setting " + key);
            return;
        }
        const auto bar = line.find('|');
        fields.fields.emplace_back(Text(Trimmed(std::string_view(line).substr(0, bar))),
                                   Text(Trimmed(std::string_view(line).substr(bar + 1))));
    }

    void ReadTextLine(TextBlock& block, const std::string& line) {
        if (line.find('|') == std::string::npos) {
            block.lines.emplace_back(Style{}, Text(line));
            return;
        }
        const auto [words, text] = Split(line);
        block.lines.emplace_back(ReadStyle(words, 0), Text(text));
    }

    void ReadTableLine(TableBlock& table, const std::string& line) {
        const std::vector<std::string> words = Words(line);
        if (vb::AsciiLower(words[0]) != "column") {
            const auto [key, value] = Setting(line);
            if (key == "heading")
                table.heading = value;
            else if (key == "empty")
                table.empty = value;
            else if (key == "group")
                table.group = Text(value);
            else if (key == "size")
                table.size = Number(value);
            else
                Fail("unknown setting " + key);
            return;
        }
        // column Heading | width [right] [sum] [when P] | content
        const std::string rest = Trimmed(std::string_view(line).substr(line.find_first_of(kBlanks) + 1));
        const auto first = rest.find('|');
        const auto second = first == std::string::npos ? first : rest.find('|', first + 1);
        if (second == std::string::npos)
            Fail("a column is \"column Heading | width [options] | content\"");
        Column column;
        column.heading = Trimmed(std::string_view(rest).substr(0, first));
        const std::vector<std::string> options = Words(std::string_view(rest).substr(first + 1, second - first - 1));
        if (options.empty())
            Fail("a column needs a width (or *)");
        column.width = options[0] == "*" ? 0 : Number(options[0]);
        for (std::size_t i = 1; i < options.size(); ++i) {
            const std::string option = vb::AsciiLower(options[i]);
            if (option == "right")
                column.align = Align::Right;
            else if (option == "center")
                column.align = Align::Center;
            else if (option == "sum")
                column.sum = true;
            else if (option == "when" && i + 1 < options.size())
                column.when = options[++i];
            else
                Fail("unknown column option \"" + options[i] + "\"");
        }
        column.content = Text(Trimmed(std::string_view(rest).substr(second + 1)));
        table.columns.push_back(std::move(column));
    }

    bool IsParameter(const Template& report, const std::string& name) const { return report.HasParameter(name); }

    // Every field of a text outside a table names something the report knows.
    void CheckText(const Template& report, const TextTemplate& text, bool pageFields) const {
        for (const TextPiece& piece : text) {
            if (piece.name.empty())
                continue;
            const std::string lower = vb::AsciiLower(piece.name);
            if (piece.name[0] == '#')
                Fail("{" + piece.name + "} (a column by position) can be used only in a table");
            const auto dot = piece.name.find('.');
            if (dot != std::string::npos) {
                if (!report.FindQuery(piece.name.substr(0, dot)))
                    Fail("{" + piece.name + "} names no query of this report");
                continue;
            }
            if ((lower == "page" || lower == "pages") && !pageFields)
                Fail("{" + piece.name + "} can be used only in the header and the footer");
            if (!kBuiltIns.count(lower) && !IsParameter(report, piece.name))
                Fail("{" + piece.name + "} is neither a parameter nor a built-in field");
        }
    }

    void CheckWhen(const Template& report, const std::string& when) const {
        if (!when.empty() && !IsParameter(report, when))
            Fail("\"when " + when + "\" names no parameter");
    }

    void Check(const Template& report) {
        lineNumber = 0;
        for (const Query& query : report.queries) {
            if (query.text.empty())
                Fail("the query " + query.name + " has no text");
            const TextTemplate pieces = ParseText(query.text);
            if (const std::optional<std::string> quoted = FieldInsideQuotes(pieces))
                Fail("the query " + query.name + " has {" + *quoted +
                     "} inside quotes: a field becomes a quoted literal of its own, so write it outside them "
                     "(LIKE '%' + {" +
                     *quoted + "} + '%')");
            for (const TextPiece& piece : pieces) {
                if (!piece.name.empty() && !IsParameter(report, piece.name))
                    Fail("the query " + query.name + " uses {" + piece.name + "}, which is no parameter");
                if (!piece.name.empty() && piece.pattern != "" && piece.pattern != "date" && piece.pattern != "text")
                    Fail("a field of a query takes no pattern, :date or :text");
            }
        }
        for (const PlacedItem& item : report.header) {
            CheckText(report, item.text, true);
            CheckWhen(report, item.style.when);
        }
        if (report.footer)
            for (const PlacedItem& item : *report.footer) {
                CheckText(report, item.text, true);
                CheckWhen(report, item.style.when);
            }
        for (const Block& block : report.body) {
            if (const auto* fields = std::get_if<FieldsBlock>(&block)) {
                for (const auto& [label, value] : fields->fields) {
                    CheckText(report, label, false);
                    CheckText(report, value, false);
                }
            } else if (const auto* text = std::get_if<TextBlock>(&block)) {
                for (const auto& [style, line] : text->lines) {
                    CheckText(report, line, false);
                    CheckWhen(report, style.when);
                }
            } else {
                const auto& table = std::get<TableBlock>(block);
                if (!report.FindQuery(table.query))
                    Fail("the table reads the query " + table.query + ", which is not declared");
                if (table.columns.empty())
                    Fail("the table of " + table.query + " has no columns");
                for (const Column& column : table.columns)
                    CheckWhen(report, column.when);
            }
        }
    }

    std::string source;
    std::vector<std::string> lines;
    int lineNumber = 0;
    Section section = Section::None;
    std::vector<ParameterField>* parameterList = nullptr;
};

} // namespace

TextTemplate ParseText(std::string_view text) {
    TextTemplate pieces;
    std::string literal;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if ((c == '{' || c == '}') && i + 1 < text.size() && text[i + 1] == c) {
            literal += c;
            ++i;
            continue;
        }
        if (c == '}')
            throw ReportError(rptErrTemplateInvalid, "a \"}\" closes no field (write \"}}\" for a brace)");
        if (c != '{') {
            literal += c;
            continue;
        }
        const auto close = text.find('}', i);
        if (close == std::string_view::npos)
            throw ReportError(rptErrTemplateInvalid, "a field is not closed with \"}\"");
        const std::string_view inside = text.substr(i + 1, close - i - 1);
        const auto colon = inside.find(':');
        TextPiece field;
        field.name = Trimmed(inside.substr(0, colon));
        if (colon != std::string_view::npos)
            field.pattern = std::string(inside.substr(colon + 1));
        if (!IsName(field.name))
            throw ReportError(rptErrTemplateInvalid, "\"{" + std::string(inside) + "}\" is not a field name");
        if (!literal.empty())
            pieces.push_back(TextPiece{std::move(literal), {}, {}});
        literal.clear();
        pieces.push_back(std::move(field));
        i = close;
    }
    if (!literal.empty())
        pieces.push_back(TextPiece{std::move(literal), {}, {}});
    return pieces;
}

std::optional<std::string> FieldInsideQuotes(const TextTemplate& query) {
    char closing = 0; // what ends the quoted literal, quoted name or bracketed name we are in
    for (const TextPiece& piece : query) {
        if (!piece.name.empty()) {
            if (closing != 0)
                return piece.name;
            continue;
        }
        const std::string& text = piece.literal;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const char c = text[i];
            if (closing == 0) {
                closing = c == '\'' ? '\'' : c == '"' ? '"' : c == '[' ? ']' : 0;
            } else if (c == closing) {
                // A doubled closing character stands for itself; a doubled quote reopens at once, so only a bracket
                // needs the look ahead.
                if (closing == ']' && i + 1 < text.size() && text[i + 1] == ']')
                    ++i;
                else
                    closing = 0;
            }
        }
    }
    return std::nullopt;
}

bool Template::HasParameter(std::string_view parameterName) const {
    auto in = [&](const std::vector<ParameterField>& list) {
        return std::any_of(list.begin(), list.end(),
                           [&](const ParameterField& field) { return db::SameName(field.name, parameterName); });
    };
    return in(parameters) || std::any_of(parametersByCount.begin(), parametersByCount.end(),
                                         [&](const auto& entry) { return in(entry.second); });
}

int Template::ParameterFieldCount() const {
    std::size_t count = parameters.size();
    for (const auto& [given, list] : parametersByCount)
        count = std::max(count, list.size());
    return static_cast<int>(count);
}

const std::vector<ParameterField>& Template::ParametersFor(int given) const {
    const auto found = parametersByCount.find(given);
    return found != parametersByCount.end() ? found->second : parameters;
}

const Query* Template::FindQuery(std::string_view queryName) const {
    for (const Query& query : queries)
        if (db::SameName(query.name, queryName))
            return &query;
    return nullptr;
}

const Template* Template::FindSubreport(std::string_view subreportName) const {
    for (const Template& subreport : subreports)
        if (db::SameName(subreport.name, subreportName))
            return &subreport;
    return nullptr;
}

std::vector<std::string> Template::ColumnsUsed(std::string_view queryName) const {
    std::vector<std::string> columns;
    auto add = [&](const std::string& column) {
        for (const std::string& known : columns)
            if (db::SameName(known, column))
                return;
        columns.push_back(column);
    };
    auto addFields = [&](const TextTemplate& text, bool tableRow) {
        for (const TextPiece& piece : text) {
            const auto dot = piece.name.find('.');
            if (dot != std::string::npos && db::SameName(piece.name.substr(0, dot), queryName))
                add(piece.name.substr(dot + 1));
            else if (tableRow && dot == std::string::npos && !piece.name.empty() &&
                     !kBuiltIns.count(vb::AsciiLower(piece.name)) && !HasParameter(piece.name))
                add(piece.name);
        }
    };
    for (const PlacedItem& item : header)
        addFields(item.text, false);
    for (const Block& block : body) {
        if (const auto* fields = std::get_if<FieldsBlock>(&block)) {
            for (const auto& [label, value] : fields->fields) {
                addFields(label, false);
                addFields(value, false);
            }
        } else if (const auto* text = std::get_if<TextBlock>(&block)) {
            for (const auto& line : text->lines)
                addFields(line.second, false);
        } else {
            const auto& table = std::get<TableBlock>(block);
            const bool rows = db::SameName(table.query, queryName);
            addFields(table.group, rows);
            for (const Column& column : table.columns)
                addFields(column.content, rows);
        }
    }
    return columns;
}

Template ParseTemplate(std::string_view text, const std::string& source) { return Parser(text, source).Parse(); }

Template ReadTemplate(const std::filesystem::path& file) {
    std::ifstream stream(file, std::ios::binary);
    if (!stream)
        throw ReportError(rptErrTemplateMissing, "The report template " + file.string() + " cannot be read.");
    std::ostringstream content;
    content << stream.rdbuf();
    return ParseTemplate(content.str(), file.filename().string());
}

} // namespace reports
