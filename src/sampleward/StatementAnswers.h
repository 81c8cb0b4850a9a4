#pragma once

#include "platform/db/ResultTable.h"

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <regex>
#include <string>
#include <vector>

namespace sampleward {

using Row = std::vector<vb::Variant>;

// How a declared statement answers: rows, a count of rows affected (a write), or an error.
class Answer {
public:
    Answer& Returns(std::vector<std::string> columns, std::vector<Row> rows);
    Answer& Affects(long rows);
    Answer& Fails(std::string message, int number);

    bool IsError() const { return kind == Kind::Error; }
    bool IsCount() const { return kind == Kind::Count; }
    const db::ResultTable& Result() const { return result; }
    // Throws the declared error as the server would.
    [[noreturn]] void Raise() const;

private:
    enum class Kind { Rows, Count, Error };
    Kind kind = Kind::Count;
    db::ResultTable result;
    std::string message;
    int number = 0;
};

// An answer of these rows under these column names.
Answer Rows(std::vector<std::string> columns, std::vector<Row> rows);

// Builds the answer from the texts that stood for the pattern's "{?}", in order.
using Rule = std::function<Answer(const std::vector<std::string>& values)>;

// The answers a fake server gives, by statement text. An exact text wins over a pattern; patterns and rules are
// tried in the order they were declared. "{?}" in a pattern stands for any text without a quote, so a value can
// never carry a second statement past it.
//
// Declaring the same text or pattern again queues a further answer: each statement takes the next one and the last
// one repeats.
class StatementAnswers {
public:
    Answer& On(const std::string& sql);
    // The only answer of that text from now on: answers declared for it before are dropped.
    Answer& Instead(const std::string& sql);
    Answer& OnPattern(const std::string& pattern);
    void OnRule(const std::string& pattern, Rule rule);

    std::optional<Answer> Find(const std::string& text);

private:
    struct Pattern {
        std::string text;
        std::regex expression;
        std::deque<Answer> answers;
        Rule rule;
    };
    static Answer TakeInTurn(std::deque<Answer>& answers);
    Pattern& AddPattern(const std::string& pattern);

    std::map<std::string, std::deque<Answer>> exact;
    std::deque<Pattern> patterns;
};

} // namespace sampleward
