#include "sampleward/StatementAnswers.h"

#include "platform/db/DbError.h"

#include <stdexcept>

namespace sampleward {

namespace {

std::regex PatternExpression(const std::string& pattern) {
    static const std::string metacharacters = R"(\^$.|?*+()[]{})";
    const std::string wildcard = "{?}";
    std::string expression;
    for (std::size_t i = 0; i < pattern.size();) {
        if (pattern.compare(i, wildcard.size(), wildcard) == 0) {
            expression += "([^']*)";
            i += wildcard.size();
            continue;
        }
        if (metacharacters.find(pattern[i]) != std::string::npos)
            expression += '\\';
        expression += pattern[i++];
    }
    return std::regex(expression);
}

} // namespace

Answer Rows(std::vector<std::string> columns, std::vector<Row> rows) {
    Answer answer;
    answer.Returns(std::move(columns), std::move(rows));
    return answer;
}

Answer& Answer::Returns(std::vector<std::string> columns, std::vector<Row> rows) {
    kind = Kind::Rows;
    result = db::ResultTable{};
    result.hasColumns = true;
    for (Row& row : rows) {
        if (row.size() != columns.size())
            throw std::invalid_argument("A declared row has " + std::to_string(row.size()) + " values for " +
                                        std::to_string(columns.size()) + " columns.");
        for (vb::Variant& value : row)
            result.values.push_back(std::move(value));
    }
    result.columns = std::move(columns);
    return *this;
}

Answer& Answer::Affects(long rows) {
    kind = Kind::Count;
    result = db::ResultTable{};
    result.rowsAffected = rows;
    return *this;
}

Answer& Answer::Fails(std::string text, int errorNumber) {
    kind = Kind::Error;
    message = std::move(text);
    number = errorNumber;
    return *this;
}

void Answer::Raise() const { throw db::DbError(number, message); }

Answer& StatementAnswers::On(const std::string& sql) { return exact[sql].emplace_back(); }

Answer& StatementAnswers::Instead(const std::string& sql) {
    std::deque<Answer>& answers = exact[sql];
    answers.clear();
    return answers.emplace_back();
}

StatementAnswers::Pattern& StatementAnswers::AddPattern(const std::string& pattern) {
    if (pattern.find_first_not_of(" {?}") == std::string::npos)
        throw std::invalid_argument("A pattern must name the statement; \"" + pattern + "\" would answer anything.");
    patterns.push_back(Pattern{pattern, PatternExpression(pattern), {}, {}});
    return patterns.back();
}

Answer& StatementAnswers::OnPattern(const std::string& pattern) {
    for (Pattern& known : patterns)
        if (known.text == pattern && !known.rule)
            return known.answers.emplace_back();
    return AddPattern(pattern).answers.emplace_back();
}

void StatementAnswers::OnRule(const std::string& pattern, Rule rule) { AddPattern(pattern).rule = std::move(rule); }

Answer StatementAnswers::TakeInTurn(std::deque<Answer>& answers) {
    Answer answer = answers.front();
    if (answers.size() > 1)
        answers.pop_front();
    return answer;
}

std::optional<Answer> StatementAnswers::Find(const std::string& text) {
    if (auto declared = exact.find(text); declared != exact.end())
        return TakeInTurn(declared->second);
    for (Pattern& pattern : patterns) {
        std::smatch match;
        if (!std::regex_match(text, match, pattern.expression))
            continue;
        if (!pattern.rule)
            return TakeInTurn(pattern.answers);
        std::vector<std::string> values;
        for (std::size_t i = 1; i < match.size(); ++i)
            values.push_back(match[i].str());
        return pattern.rule(values);
    }
    return std::nullopt;
}

} // namespace sampleward
