#include "ScriptedServer.h"

#include "platform/db/DbError.h"
#include "platform/db/SqlText.h"

#include <algorithm>
#include <sstream>
#include <stdexcept>

namespace testkit {

namespace {

std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += "    " + line + "\n";
    return text;
}

// A line diff of two statement lists: "  " both, "- " only expected, "+ " only sent.
std::string Diff(const std::vector<std::string>& expected, const std::vector<std::string>& actual) {
    const std::size_t n = expected.size(), m = actual.size();
    std::vector<std::vector<std::size_t>> common(n + 1, std::vector<std::size_t>(m + 1, 0));
    for (std::size_t i = n; i-- > 0;)
        for (std::size_t j = m; j-- > 0;)
            common[i][j] =
                expected[i] == actual[j] ? common[i + 1][j + 1] + 1 : std::max(common[i + 1][j], common[i][j + 1]);
    std::string text;
    std::size_t i = 0, j = 0;
    while (i < n || j < m) {
        if (i < n && j < m && expected[i] == actual[j]) {
            text += "      " + expected[i++] + "\n";
            ++j;
        } else if (j < m && (i == n || common[i][j + 1] >= common[i + 1][j])) {
            text += "    + " + actual[j++] + "\n";
        } else {
            text += "    - " + expected[i++] + "\n";
        }
    }
    return text;
}

} // namespace

Answer& ScriptedServer::On(const std::string& sql) { return answers.On(sql); }

Answer& ScriptedServer::Instead(const std::string& sql) { return answers.Instead(sql); }

Answer& ScriptedServer::OnPattern(const std::string& pattern) { return answers.OnPattern(pattern); }

void ScriptedServer::SetPrimaryKey(const std::string& table, std::vector<std::string> columns) {
    primaryKeys[table] = std::move(columns);
}

void ScriptedServer::FailStatement(std::size_t index, std::string message, int number) {
    forcedFailures[index].Fails(std::move(message), number);
}

void ScriptedServer::FailCommit(int which, std::string message, int number) {
    failingCommits[commitsAsked + which] = Failure{std::move(message), number};
}

void ScriptedServer::FailRollback(std::string message, int number) {
    failingRollback = Failure{std::move(message), number};
}

db::ResultTable ScriptedServer::Send(const std::string& sql, const std::vector<db::Parameter>& parameters) {
    SentStatement statement;
    statement.text = parameters.empty() ? sql : db::RenderWithParameters(sql, parameters);
    statement.parameters = parameters;
    statement.transaction = transaction;
    statement.outcome = transaction != 0 ? Outcome::Pending : Outcome::NoTransaction;
    const std::size_t index = sent.size();
    sent.push_back(statement);

    std::optional<Answer> answer;
    if (auto forced = forcedFailures.find(index); forced != forcedFailures.end())
        answer = forced->second;
    else
        answer = answers.Find(statement.text);
    if (!answer) {
        sent.back().failed = true;
        ADD_FAILURE() << "Statement nobody declared:\n    " << statement.text << "\nSent so far:\n"
                      << Lines(Transcript());
        throw db::DbError(0, "The scripted server has no answer for: " + statement.text);
    }
    if (answer->IsError()) {
        sent.back().failed = true;
        answer->Raise();
    }
    sent.back().write = answer->IsCount();
    return answer->Result();
}

std::vector<std::string> ScriptedServer::PrimaryKeyColumns(const std::string& table) {
    auto declared = primaryKeys.find(table);
    return declared == primaryKeys.end() ? std::vector<std::string>{} : declared->second;
}

void ScriptedServer::StartTransaction() {
    transaction = ++transactionsStarted;
    boundaries.push_back({sent.size(), "BEGIN TRANSACTION"});
}

void ScriptedServer::FailEnding(const char* boundary, const Failure& failure) {
    boundaries.push_back({sent.size(), std::string(boundary) + "  -- failed"});
    throw db::DbError(failure.number, failure.message);
}

void ScriptedServer::EndTransaction(bool commit) {
    if (commit) {
        if (auto failing = failingCommits.find(++commitsAsked); failing != failingCommits.end())
            FailEnding("COMMIT", failing->second);
    } else if (failingRollback) {
        const Failure failure = *failingRollback;
        failingRollback.reset();
        FailEnding("ROLLBACK", failure);
    }
    for (SentStatement& statement : sent)
        if (statement.transaction == transaction)
            statement.outcome = commit ? Outcome::Committed : Outcome::RolledBack;
    boundaries.push_back({sent.size(), commit ? "COMMIT" : "ROLLBACK"});
    transaction = 0;
}

std::vector<std::string> ScriptedServer::Statements(std::size_t from) const {
    std::vector<std::string> texts;
    for (std::size_t i = from; i < sent.size(); ++i)
        texts.push_back(sent[i].text);
    return texts;
}

std::vector<std::string> ScriptedServer::Transcript() const {
    std::vector<std::string> lines;
    std::size_t next = 0;
    for (std::size_t i = 0; i <= sent.size(); ++i) {
        for (; next < boundaries.size() && boundaries[next].before == i; ++next)
            lines.push_back(boundaries[next].text);
        if (i < sent.size())
            lines.push_back((sent[i].transaction != 0 ? "  " : "") + sent[i].text +
                            (sent[i].failed ? "  -- failed" : ""));
    }
    return lines;
}

std::vector<std::string> ScriptedServer::CommittedWrites(std::size_t from, std::size_t to) const {
    std::vector<std::string> texts;
    for (std::size_t i = from; i < std::min(to, sent.size()); ++i) {
        const SentStatement& s = sent[i];
        const bool tookEffect = s.outcome == Outcome::Committed || s.outcome == Outcome::NoTransaction;
        if (s.write && !s.failed && tookEffect)
            texts.push_back(s.text);
    }
    return texts;
}

::testing::AssertionResult ScriptedServer::SentExactly(const std::vector<std::string>& expected,
                                                       std::size_t from) const {
    const std::vector<std::string> actual = Statements(from);
    if (actual == expected)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the statements sent differ (- expected, + sent):\n"
                                         << Diff(expected, actual);
}

::testing::AssertionResult ScriptedServer::NothingCommitted(std::size_t from) const {
    const std::vector<std::string> committed = CommittedWrites(from);
    if (committed.empty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "these writes took effect:\n"
                                         << Lines(committed) << "transcript:\n"
                                         << Lines(Transcript());
}

::testing::AssertionResult ScriptedServer::NoneSentAgain(std::size_t firstRun, std::size_t secondRun) const {
    const std::vector<std::string> firstWrites = CommittedWrites(firstRun, secondRun);
    std::vector<std::string> repeated;
    for (std::size_t i = secondRun; i < sent.size(); ++i) {
        const bool earlier = std::find(firstWrites.begin(), firstWrites.end(), sent[i].text) != firstWrites.end();
        const bool listed = std::find(repeated.begin(), repeated.end(), sent[i].text) != repeated.end();
        if (earlier && !listed)
            repeated.push_back(sent[i].text);
    }
    if (repeated.empty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "these writes had already taken effect and were sent again:\n"
                                         << Lines(repeated);
}

namespace {

// How many statements from the position on were sent up to the last one of the first committed transaction; all of
// them when none was committed.
std::size_t StatementsUpToTheFirstCommit(const std::vector<SentStatement>& sent, std::size_t from) {
    int committed = 0;
    std::size_t count = sent.size() - from;
    for (std::size_t i = from; i < sent.size(); ++i) {
        if (committed == 0 && sent[i].outcome == Outcome::Committed)
            committed = sent[i].transaction;
        if (committed != 0 && sent[i].transaction == committed)
            count = i + 1 - from;
    }
    return count;
}

} // namespace

::testing::AssertionResult EachFailureCommitsNothing(const std::function<ScriptedServer&()>& freshWorld,
                                                     const std::function<void()>& save, FailureScope scope) {
    auto runQuietly = [&save] {
        try {
            save();
        } catch (const std::exception&) {
        }
    };
    ScriptedServer& first = freshWorld();
    const std::size_t start = first.Mark();
    const int commitsBefore = first.CommitsAsked();
    runQuietly();
    std::vector<std::string> statements = first.Statements(start);
    int commits = first.CommitsAsked() - commitsBefore;
    std::vector<bool> inTransaction;
    for (std::size_t i = start; i < first.Sent().size(); ++i)
        inTransaction.push_back(first.Sent()[i].transaction != 0);
    if (scope == FailureScope::UpToTheFirstCommit) {
        statements.resize(StatementsUpToTheFirstCommit(first.Sent(), start));
        commits = std::min(commits, 1);
    }

    std::ostringstream failures;
    for (std::size_t k = 0; k < statements.size(); ++k) {
        if (scope == FailureScope::InsideTransactions && !inTransaction[k])
            continue;
        ScriptedServer& server = freshWorld();
        const std::size_t mark = server.Mark();
        server.FailStatement(mark + k);
        runQuietly();
        const std::vector<std::string> committed = server.CommittedWrites(mark);
        if (!committed.empty())
            failures << "when statement " << k + 1 << " fails (" << statements[k] << "), these took effect:\n"
                     << Lines(committed);
    }
    for (int k = 1; k <= commits; ++k) {
        ScriptedServer& server = freshWorld();
        const std::size_t mark = server.Mark();
        server.FailCommit(k);
        runQuietly();
        const std::vector<std::string> committed = server.CommittedWrites(mark);
        if (!committed.empty())
            failures << "when commit " << k << " fails, these took effect:\n" << Lines(committed);
    }
    if (failures.str().empty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << failures.str();
}

} // namespace testkit
