#include "Layout.h"

#include "ReportError.h"
#include "platform/db/SqlText.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/Format.h"
#include "platform/vb/Utf8.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

namespace reports {

namespace {

// Advance widths of Helvetica for the characters 32 to 126, in thousandths of the size.
constexpr std::array<int, 95> kWidths = {
    278, 278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333,  278, 278, 556, 556, 556,
    556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556, 1015, 667, 667, 722, 722, 667,
    611, 778, 722, 278, 500, 667, 556, 833, 722, 778, 667, 778, 722, 667,  611, 722, 667, 944, 667,
    667, 611, 278, 278, 278, 469, 556, 333, 556, 556, 500, 556, 556, 278,  556, 556, 222, 222, 500,
    222, 833, 556, 556, 556, 556, 333, 500, 278, 556, 500, 722, 500, 500,  500, 334, 260, 334, 584};
constexpr double kBoldFactor = 1.08;
constexpr double kCellPadding = 3;
constexpr double kBlockGap = 8;

std::string Lower(std::string_view text) { return vb::AsciiLower(text); }

const QueryRows* RowsOf(const BoundReport& report, std::string_view query) {
    const auto found = report.rows.find(Lower(query));
    return found == report.rows.end() ? nullptr : &found->second;
}

int ColumnIndex(const QueryRows& rows, std::string_view column) {
    for (std::size_t i = 0; i < rows.columns.size(); ++i)
        if (db::SameName(rows.columns[i], column))
            return static_cast<int>(i);
    return -1;
}

// Where the fields of a text find their values.
struct Scope {
    const BoundReport& report;
    const QueryRows* rows = nullptr; // the table being printed
    const std::vector<vb::Variant>* row = nullptr;
    const std::string* tableQuery = nullptr;
    int page = 0;
    int pages = 0;
};

vb::Variant ColumnOfFirstRow(const BoundReport& report, std::string_view query, std::string_view column) {
    const QueryRows* rows = RowsOf(report, query);
    if (!rows)
        return {};
    const int index = ColumnIndex(*rows, column);
    if (index < 0 && !rows->columns.empty())
        throw ReportError(rptErrQueryResult, "The query " + std::string(query) + " of the report gave no column " +
                                                 std::string(column) + ".");
    if (index < 0 || rows->rows.empty())
        return {};
    return rows->rows.front()[static_cast<std::size_t>(index)];
}

vb::Variant ValueOf(const Scope& scope, const std::string& name) {
    const auto dot = name.find('.');
    if (dot != std::string::npos)
        return ColumnOfFirstRow(scope.report, name.substr(0, dot), name.substr(dot + 1));
    if (scope.row && name[0] == '#') {
        const auto position = static_cast<std::size_t>(std::stoi(name.substr(1)));
        if (position < 1 || position > scope.row->size())
            throw ReportError(rptErrQueryResult, "The query " + *scope.tableQuery + " of the report gave no column " +
                                                     name.substr(1) + ".");
        return (*scope.row)[position - 1];
    }
    if (scope.row) {
        const int index = ColumnIndex(*scope.rows, name);
        if (index >= 0)
            return (*scope.row)[static_cast<std::size_t>(index)];
    }
    const std::string lower = Lower(name);
    if (lower == "hospitalname")
        return scope.report.hospitalName;
    if (lower == "title")
        return scope.report.layout->title;
    if (lower == "page")
        return std::int32_t(scope.page);
    if (lower == "pages")
        return std::int32_t(scope.pages);
    if (scope.report.layout->HasParameter(name))
        return scope.report.Parameter(name);
    if (scope.row)
        throw ReportError(rptErrQueryResult,
                          "The query " + *scope.tableQuery + " of the report gave no column " + name + ".");
    return {};
}

std::string Evaluate(const Scope& scope, const TextTemplate& text) {
    std::string result;
    for (const TextPiece& piece : text)
        result += piece.name.empty() ? piece.literal : DisplayText(ValueOf(scope, piece.name), piece.pattern);
    return result;
}

bool Shown(const BoundReport& report, const std::string& when) {
    return when.empty() || IsTrue(report.Parameter(when));
}

struct Geometry {
    double width = 612;
    double height = 792;
    double left = 36;
    double right = 576;
    double top = 36;
    double bottom = 756;
    double footerTop = 756;
};

Geometry GeometryOf(const Template& layout) {
    Geometry page;
    if (layout.landscape)
        std::swap(page.width, page.height);
    page.left = layout.margin;
    page.right = page.width - layout.margin;
    page.footerTop = page.height - layout.margin - layout.footerHeight;
    page.bottom = page.footerTop - 4;
    if (layout.headerHeight >= 0) {
        page.top = layout.headerHeight;
    } else {
        page.top = layout.margin;
        for (const PlacedItem& item : layout.header) {
            const double size = item.style.size > 0 ? item.style.size : layout.size;
            page.top = std::max(page.top, std::max(item.y, item.y2) + (item.isRule ? 0 : LineHeight(size)) + 10);
        }
    }
    return page;
}

// Lays the bodies out page after page; headers and footers are added once the number of pages is known.
class Composer {
public:
    Composer(const Template& main, Document& document) : main(main), document(document), page(GeometryOf(main)) {
        document.title = main.title;
        document.width = page.width;
        document.height = page.height;
        NewPage();
    }

    void Body(const BoundReport& report) {
        for (const Block& block : report.layout->body) {
            if (const auto* fields = std::get_if<FieldsBlock>(&block))
                Fields(report, *fields);
            else if (const auto* text = std::get_if<TextBlock>(&block))
                Text(report, *text);
            else
                Table(report, std::get<TableBlock>(block));
        }
    }

private:
    double SizeOr(double size) const { return size > 0 ? size : main.size; }
    double Width() const { return page.right - page.left; }
    Page& Current() { return document.pages.back(); }

    void NewPage() {
        document.pages.emplace_back();
        document.pages.back().number = static_cast<int>(document.pages.size());
        y = page.top;
    }

    // Starts a new page unless `height` still fits or the page is empty.
    bool Fit(double height) {
        if (y + height <= page.bottom || y == page.top)
            return false;
        NewPage();
        return true;
    }

    void Run(double x, double width, const std::string& text, double size, bool bold, Align align) {
        Current().texts.push_back(TextRun{x, y, width, text, size, bold, align});
    }

    struct Cell {
        double x = 0;
        double width = 0;
        std::vector<std::string> lines;
        bool bold = false;
        Align align = Align::Left;
    };

    // Places the cells side by side, line after line. A row that does not fit below what the page holds starts on
    // the next page; a row taller than a whole page continues on the next pages, so no line is lost. onNewPage
    // repeats what a continued block needs at the top of a page (a table's column headings).
    void PlaceRow(const std::vector<Cell>& row, double size, const std::function<void()>& onNewPage) {
        std::size_t lines = 1;
        for (const Cell& cell : row)
            lines = std::max(lines, cell.lines.size());
        if (Fit(static_cast<double>(lines) * LineHeight(size)))
            onNewPage();
        for (std::size_t line = 0; line < lines; ++line) {
            if (line > 0 && y + LineHeight(size) > page.bottom) {
                NewPage();
                onNewPage();
            }
            for (const Cell& cell : row)
                if (line < cell.lines.size())
                    Run(cell.x, cell.width, cell.lines[line], size, cell.bold, cell.align);
            y += LineHeight(size);
        }
    }

    void Fields(const BoundReport& report, const FieldsBlock& block) {
        const double size = SizeOr(block.size);
        const double columnWidth = Width() / block.columns;
        const double valueWidth = std::max(20.0, columnWidth - block.labelWidth - kCellPadding * 2);
        const Scope scope{report};
        for (std::size_t first = 0; first < block.fields.size(); first += static_cast<std::size_t>(block.columns)) {
            std::vector<Cell> row;
            for (std::size_t i = first; i < std::min(block.fields.size(), first + block.columns); ++i) {
                const double x = page.left + columnWidth * static_cast<double>(i - first);
                row.push_back(Cell{x, block.labelWidth, {Evaluate(scope, block.fields[i].first)}, true, Align::Left});
                row.push_back(Cell{x + block.labelWidth + kCellPadding, valueWidth,
                                   WrapText(Evaluate(scope, block.fields[i].second), valueWidth, size, false), false,
                                   Align::Left});
            }
            PlaceRow(row, size, [] {});
        }
        y += kBlockGap;
    }

    void Text(const BoundReport& report, const TextBlock& block) {
        const Scope scope{report};
        for (const auto& [style, text] : block.lines) {
            if (!Shown(report, style.when))
                continue;
            const double size = SizeOr(style.size);
            y += style.spaceBefore;
            const std::vector<std::string> lines = WrapText(Evaluate(scope, text), Width(), size, style.bold);
            if (lines.empty()) {
                y += LineHeight(size);
                continue;
            }
            for (const std::string& line : lines) {
                Fit(LineHeight(size));
                Run(page.left, Width(), line, size, style.bold, style.align);
                y += LineHeight(size);
            }
        }
        y += kBlockGap;
    }

    std::vector<double> ColumnWidths(const TableBlock& table) const {
        double fixed = 0;
        int flexible = 0;
        for (const Column& column : table.columns) {
            fixed += column.width;
            flexible += column.width == 0 ? 1 : 0;
        }
        const double scale = fixed > Width() ? Width() / fixed : 1.0;
        const double rest = flexible > 0 ? std::max(0.0, Width() - fixed * scale) / flexible : 0;
        std::vector<double> widths;
        for (const Column& column : table.columns)
            widths.push_back(column.width == 0 ? rest : column.width * scale);
        return widths;
    }

    // A table row: its cells side by side in the columns.
    void Cells(
        const std::vector<std::vector<std::string>>& cells, const TableBlock& table, const std::vector<double>& widths,
        double size, bool bold, const std::function<void()>& onNewPage = [] {}) {
        std::vector<Cell> row;
        double x = page.left;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            row.push_back(Cell{x, widths[i] - kCellPadding, cells[i], bold, table.columns[i].align});
            x += widths[i];
        }
        PlaceRow(row, size, onNewPage);
    }

    std::vector<std::vector<std::string>> Wrapped(const std::vector<std::string>& texts,
                                                  const std::vector<double>& widths, double size, bool bold) const {
        std::vector<std::vector<std::string>> cells;
        for (std::size_t i = 0; i < texts.size(); ++i)
            cells.push_back(WrapText(texts[i], widths[i] - kCellPadding, size, bold));
        return cells;
    }

    void ColumnHeadings(const BoundReport& report, const TableBlock& table, const std::vector<double>& widths,
                        double size) {
        std::vector<std::string> headings;
        for (const Column& column : table.columns)
            headings.push_back(Shown(report, column.when) ? column.heading : "");
        Cells(Wrapped(headings, widths, size, true), table, widths, size, true);
        Current().rules.push_back(Rule{page.left, y + 1, page.right, y + 1, 0.5});
        y += 3;
    }

    void Table(const BoundReport& report, const TableBlock& table) {
        const double size = SizeOr(table.size);
        const std::vector<double> widths = ColumnWidths(table);
        const QueryRows* rows = RowsOf(report, table.query);
        if (!table.heading.empty()) {
            Fit(LineHeight(size + 1) * 3);
            Run(page.left, Width(), table.heading, size + 1, true, Align::Left);
            y += LineHeight(size + 1) + 2;
        }
        Fit(LineHeight(size) * 3);
        ColumnHeadings(report, table, widths, size);
        std::vector<double> sums(table.columns.size(), 0.0);
        std::string group;
        bool firstRow = true;
        for (const std::vector<vb::Variant>& row : rows ? rows->rows : std::vector<std::vector<vb::Variant>>{}) {
            const Scope scope{report, rows, &row, &table.query};
            if (!table.group.empty()) {
                const std::string value = Evaluate(scope, table.group);
                if (firstRow || value != group) {
                    group = value;
                    if (Fit(LineHeight(size) * 2))
                        ColumnHeadings(report, table, widths, size);
                    y += 2;
                    Run(page.left, Width(), value, size, true, Align::Left);
                    document.groups.push_back(GroupEntry{value, Current().number});
                    y += LineHeight(size);
                }
            }
            firstRow = false;
            std::vector<std::string> texts;
            for (std::size_t i = 0; i < table.columns.size(); ++i) {
                const Column& column = table.columns[i];
                const bool shown = Shown(report, column.when);
                texts.push_back(shown ? Evaluate(scope, column.content) : "");
                if (column.sum && shown)
                    sums[i] += SumValue(scope, column.content);
            }
            const auto cells = Wrapped(texts, widths, size, false);
            Cells(cells, table, widths, size, false, [&] { ColumnHeadings(report, table, widths, size); });
        }
        if (!rows || rows->rows.empty()) {
            if (!table.empty.empty()) {
                Run(page.left, Width(), table.empty, size, false, Align::Left);
                y += LineHeight(size);
            }
        } else if (std::any_of(table.columns.begin(), table.columns.end(), [](const Column& c) { return c.sum; })) {
            Totals(report, table, widths, sums, size);
        }
        y += kBlockGap;
    }

    static double SumValue(const Scope& scope, const TextTemplate& content) {
        for (const TextPiece& piece : content) {
            if (piece.name.empty())
                continue;
            const vb::Variant value = ValueOf(scope, piece.name);
            return vb::IsNumeric(value) ? vb::CDbl(value) : 0.0;
        }
        return 0.0;
    }

    static std::string PatternOf(const TextTemplate& content) {
        for (const TextPiece& piece : content)
            if (!piece.name.empty())
                return piece.pattern;
        return {};
    }

    void Totals(const BoundReport& report, const TableBlock& table, const std::vector<double>& widths,
                const std::vector<double>& sums, double size) {
        std::vector<std::string> texts;
        for (std::size_t i = 0; i < table.columns.size(); ++i) {
            const Column& column = table.columns[i];
            if (column.sum && Shown(report, column.when))
                texts.push_back(DisplayText(sums[i], PatternOf(column.content)));
            else
                texts.push_back(i == 0 ? "Total" : "");
        }
        Fit(LineHeight(size) + 4);
        Current().rules.push_back(Rule{page.left, y + 1, page.right, y + 1, 0.5});
        y += 3;
        Cells(Wrapped(texts, widths, size, true), table, widths, size, true);
    }

    const Template& main;
    Document& document;
    Geometry page;
    double y = 0;
};

void Place(Page& page, const Geometry& geometry, const std::vector<PlacedItem>& items, double originY,
           const Scope& scope) {
    const Template& layout = *scope.report.layout;
    for (const PlacedItem& item : items) {
        if (!Shown(scope.report, item.style.when))
            continue;
        if (item.isRule) {
            const bool across = item.x < 0;
            page.rules.push_back(Rule{across ? geometry.left : item.x, originY + item.y,
                                      across ? geometry.right : item.x2, originY + (across ? item.y : item.y2),
                                      item.style.bold ? 1.0 : 0.5});
            continue;
        }
        const double size = item.style.size > 0 ? item.style.size : layout.size;
        const std::string text = Evaluate(scope, item.text);
        double x = item.x;
        double width = item.width;
        if (item.style.align == Align::Center) {
            x = width > 0 ? item.x - width / 2 : geometry.left;
            width = width > 0 ? width : geometry.right - geometry.left;
        } else if (item.style.align == Align::Right) {
            width = width > 0 ? width : item.x - geometry.left;
            x = item.x - width;
        } else if (width == 0) {
            width = std::max(0.0, geometry.width - item.x);
        }
        double y = originY + item.y;
        for (const std::string& line : WrapText(text, width, size, item.style.bold)) {
            page.texts.push_back(TextRun{x, y, width, line, size, item.style.bold, item.style.align});
            y += LineHeight(size);
        }
    }
}

const std::vector<PlacedItem>& DefaultFooter() {
    static const std::vector<PlacedItem> footer = [] {
        PlacedItem rule;
        rule.isRule = true;
        rule.x = -1;
        PlacedItem numbers;
        numbers.y = 6;
        numbers.style.align = Align::Center;
        numbers.style.size = 8;
        numbers.text = ParseText("Page {Page} of {Pages}");
        return std::vector<PlacedItem>{rule, numbers};
    }();
    return footer;
}

} // namespace

int BoundReport::ValuesGiven() const {
    int given = 0;
    for (std::size_t i = 0; i < values.size(); ++i)
        if (values[i])
            given = static_cast<int>(i) + 1;
    return given;
}

vb::Variant BoundReport::Parameter(std::string_view name) const {
    const std::vector<ParameterField>& fields = layout->ParametersFor(ValuesGiven());
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (db::SameName(fields[i].name, name))
            return i < values.size() && values[i] ? *values[i] : vb::Variant();
    return {};
}

Document LayOut(const BoundReport& main, const std::vector<BoundReport>& subreports) {
    Document document;
    Composer composer(*main.layout, document);
    composer.Body(main);
    for (const BoundReport& subreport : subreports)
        composer.Body(subreport);
    const Geometry geometry = GeometryOf(*main.layout);
    const int pages = static_cast<int>(document.pages.size());
    for (Page& page : document.pages) {
        Scope scope{main};
        scope.page = page.number;
        scope.pages = pages;
        Place(page, geometry, main.layout->header, 0, scope);
        Place(page, geometry, main.layout->footer ? *main.layout->footer : DefaultFooter(), geometry.footerTop, scope);
    }
    return document;
}

double TextWidth(std::string_view text, double size, bool bold) {
    double thousandths = 0;
    for (std::size_t offset = 0; offset < text.size();) {
        const vb::Utf8Char c = vb::DecodeUtf8(text, offset);
        offset += c.length;
        thousandths += c.codePoint >= 32 && c.codePoint <= 126 ? kWidths[c.codePoint - 32] : 556;
    }
    return thousandths * size / 1000.0 * (bold ? kBoldFactor : 1.0);
}

namespace {

// One line of text (no line ends) broken to the width.
void WrapLine(std::string_view text, double width, double size, bool bold, std::vector<std::string>& lines) {
    std::string line;
    std::size_t lastBlank = std::string::npos; // in line
    for (std::size_t offset = 0; offset < text.size();) {
        const vb::Utf8Char c = vb::DecodeUtf8(text, offset);
        const std::string_view character = text.substr(offset, c.length);
        offset += c.length;
        if (!line.empty() && TextWidth(std::string(line).append(character), size, bold) > width) {
            if (character == " ") {
                lines.push_back(line);
                line.clear();
                lastBlank = std::string::npos;
                continue;
            }
            if (lastBlank != std::string::npos) {
                lines.push_back(line.substr(0, lastBlank));
                line = line.substr(lastBlank + 1);
            } else {
                lines.push_back(line);
                line.clear();
            }
            lastBlank = std::string::npos;
        }
        if (character == " ")
            lastBlank = line.size();
        line += character;
    }
    lines.push_back(line);
}

} // namespace

std::vector<std::string> WrapText(std::string_view text, double width, double size, bool bold) {
    std::vector<std::string> lines;
    if (text.empty())
        return lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        WrapLine(line, width, size, bold, lines);
        start = end + 1;
    }
    return lines;
}

std::string DisplayText(const vb::Variant& value, const std::string& pattern) {
    if (value.IsNull() || value.IsEmpty())
        return {};
    return pattern.empty() ? vb::CStr(value) : vb::Format(value, pattern);
}

bool IsTrue(const vb::Variant& value) {
    if (value.Type() == vb::VarType::Boolean)
        return value.AsBoolean();
    if (value.IsString()) {
        const std::string text = Lower(vb::CStr(value));
        return text == "true" || text == "yes" || text == "1" || text == "-1";
    }
    if (value.IsNull() || value.IsEmpty())
        return false;
    return vb::IsNumeric(value) && vb::CDbl(value) != 0;
}

} // namespace reports
