#pragma once

#include "platform/db/Connection.h"
#include "sampleward/StatementAnswers.h"

#include <map>
#include <string>
#include <vector>

namespace sampleward {

// A server in the program's own process, for a workstation without one: it answers the statements declared on it
// with sample rows. A write is answered with one row affected and forgotten, so nothing a nurse does is kept.
// A statement nobody declared gets an empty result and a line on standard error, and is kept in Unanswered(), so
// that a window whose statements the sample ward does not know yet shows empty rather than failing.
class SampleServer : public db::Connection {
public:
    Answer& On(const std::string& sql) { return answers.On(sql); }
    Answer& Instead(const std::string& sql) { return answers.Instead(sql); }
    Answer& OnPattern(const std::string& pattern) { return answers.OnPattern(pattern); }
    void OnRule(const std::string& pattern, Rule rule) { answers.OnRule(pattern, std::move(rule)); }
    void SetPrimaryKey(const std::string& table, std::vector<std::string> columns);

    const std::vector<std::string>& Unanswered() const { return unanswered; }

    std::string ConnectionString() const override { return "SAMPLE WARD"; }
    db::ResultTable Send(const std::string& sql, const std::vector<db::Parameter>& parameters) override;
    std::vector<std::string> PrimaryKeyColumns(const std::string& table) override;

protected:
    // Nothing is kept, so there is nothing to commit or undo.
    void StartTransaction() override {}
    void EndTransaction(bool) override {}

private:
    StatementAnswers answers;
    std::map<std::string, std::vector<std::string>> primaryKeys;
    std::vector<std::string> unanswered;
};

// True for a statement that changes rows by its first word (INSERT, UPDATE, DELETE, MERGE, TRUNCATE). A stored
// procedure can read or write, so it counts as neither: the sample ward declares the ones it knows.
bool IsWriteStatement(const std::string& sql);

} // namespace sampleward
