#pragma once

#include "platform/db/Connection.h"
#include "sampleward/StatementAnswers.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace testkit {

using Row = sampleward::Row;
using Answer = sampleward::Answer;

enum class Outcome { NoTransaction, Pending, Committed, RolledBack };

struct SentStatement {
    std::string text; // parameters written in as literals
    std::vector<db::Parameter> parameters;
    bool failed = false;
    bool write = false; // answered with a count
    int transaction = 0;
    Outcome outcome = Outcome::NoTransaction;
};

// A connection whose answers the test declares. Every statement is recorded in order with the transaction it ran in
// and what became of that transaction. Strict: a statement nobody declared fails the test, names the text, and
// raises so the code under test stops there.
//
// Declaring the same text again queues a further answer: each call takes the next one and the last one repeats.
class ScriptedServer : public db::Connection {
public:
    Answer& On(const std::string& sql);
    // The only answer of that text from now on, whatever was declared for it before.
    Answer& Instead(const std::string& sql);
    // For values that cannot be known in advance: "{?}" in the pattern stands for any text without a quote.
    Answer& OnPattern(const std::string& pattern);
    void SetPrimaryKey(const std::string& table, std::vector<std::string> columns);
    void SetConnectionString(std::string text) { connectionString = std::move(text); }
    // The statement at this position of Sent() fails, whatever was declared for it.
    void FailStatement(std::size_t index, std::string message = "Scripted failure", int number = 50000);
    // The commit at this place among those asked for from now on fails (1: the next one). As on a real server, the
    // transaction then stays open, holding its rows uncommitted, until it is rolled back.
    void FailCommit(int which = 1, std::string message = "Scripted commit failure", int number = 50000);
    // The next rollback fails: the server's state is then unknown.
    void FailRollback(std::string message = "Scripted rollback failure", int number = 50000);
    int CommitsAsked() const { return commitsAsked; }

    const std::vector<SentStatement>& Sent() const { return sent; }
    std::size_t Mark() const { return sent.size(); }
    std::vector<std::string> Statements(std::size_t from = 0) const;
    // Statements with the transaction boundaries ("BEGIN TRANSACTION", "COMMIT", "ROLLBACK") and failures marked.
    std::vector<std::string> Transcript() const;
    // Writes among Sent()[from, to) that took effect: outside a transaction, or inside one that was committed.
    std::vector<std::string> CommittedWrites(std::size_t from = 0, std::size_t to = SIZE_MAX) const;

    ::testing::AssertionResult SentExactly(const std::vector<std::string>& expected, std::size_t from = 0) const;
    ::testing::AssertionResult NothingCommitted(std::size_t from = 0) const;
    // No write that took effect in the first run is sent again by the second (which starts at secondRun).
    ::testing::AssertionResult NoneSentAgain(std::size_t firstRun, std::size_t secondRun) const;

    std::string ConnectionString() const override { return connectionString; }
    db::ResultTable Send(const std::string& sql, const std::vector<db::Parameter>& parameters) override;
    std::vector<std::string> PrimaryKeyColumns(const std::string& table) override;

protected:
    void StartTransaction() override;
    void EndTransaction(bool commit) override;

private:
    struct Boundary {
        std::size_t before; // statements sent before it
        std::string text;
    };
    sampleward::StatementAnswers answers;
    struct Failure {
        std::string message;
        int number = 0;
    };
    void FailEnding(const char* boundary, const Failure& failure);
    std::map<std::string, std::vector<std::string>> primaryKeys;
    std::map<std::size_t, Answer> forcedFailures;
    std::map<int, Failure> failingCommits; // by the commit's number, counted from the first
    std::optional<Failure> failingRollback;
    int commitsAsked = 0;
    std::vector<SentStatement> sent;
    std::vector<Boundary> boundaries;
    std::string connectionString = "Scripted";
    int transaction = 0;
    int transactionsStarted = 0;
};

// Which statements EachFailureCommitsNothing fails in turn: every one, only those the first run sent inside a
// transaction (for an action that reads before its transaction and reloads after its commit), or those up to the
// first commit and that commit (for a save whose later steps, a printout of their own, cannot undo it).
enum class FailureScope { EveryStatement, InsideTransactions, UpToTheFirstCommit };

// Runs the save once to learn the statements and commits it sends, then, on a fresh world each time, once per
// statement with that statement failing and once per commit with that commit failing, and checks that nothing was
// committed by any of those runs. freshWorld builds everything the save needs and returns its server.
::testing::AssertionResult EachFailureCommitsNothing(const std::function<ScriptedServer&()>& freshWorld,
                                                     const std::function<void()>& save,
                                                     FailureScope scope = FailureScope::EveryStatement);

} // namespace testkit
