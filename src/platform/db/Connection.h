#pragma once

#include "Recordset.h"
#include "ResultTable.h"

#include <string>
#include <string_view>
#include <vector>

namespace db {

// The one connection of the program. A driver implements Send and the transaction primitives; everything the
// windows call is built on them here, so the scripted server and the ODBC connection behave alike.
class Connection {
public:
    virtual ~Connection() = default;
    Connection() = default;
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Runs a statement; the recordset is open (read-only) when the statement gave rows, closed otherwise.
    Recordset Execute(std::string_view sql);
    Recordset Execute(std::string_view sql, long& RecordsAffected);
    // A bare catalogue name that the server does not know as a procedure is read with "SELECT * FROM " + the name.
    Recordset Open(std::string_view source, CursorType cursor, LockType lock);

    void BeginTrans();
    // A commit that fails is rolled back before the error is raised, so nothing of the transaction stays pending.
    void CommitTrans();
    void RollbackTrans();
    bool InTransaction() const { return inTransaction; }

    // Set when ending a transaction failed half-way: what the server holds is then unknown, so every later use
    // raises "The connection to the server was lost; nothing was saved." until the program connects again.
    bool Broken() const { return broken; }
    void RequireUsable() const;

    int CommandTimeout() const { return commandTimeout; }
    void SetCommandTimeout(int seconds);
    db::CursorLocation CursorLocation() const { return cursorLocation; }
    void SetCursorLocation(db::CursorLocation location) { cursorLocation = location; }
    virtual std::string ConnectionString() const = 0;

    // Sends one batch as it stands; each "?" outside string literals takes the next parameter.
    virtual ResultTable Send(const std::string& sql, const std::vector<Parameter>& parameters) = 0;
    // The primary-key columns of a table, in key order; empty when it has none.
    virtual std::vector<std::string> PrimaryKeyColumns(const std::string& table) = 0;

protected:
    // Leaves autocommit for manual commit.
    virtual void StartTransaction() = 0;
    // Commits or rolls back, staying in manual commit; RestoreAutoCommit follows once the transaction is over.
    virtual void EndTransaction(bool commit) = 0;
    virtual void RestoreAutoCommit() {}
    virtual void ApplyCommandTimeout(int /*seconds*/) {}

private:
    void RollBackAndRestore();
    void GiveUp();

    bool inTransaction = false;
    bool broken = false;
    int commandTimeout = 30;
    db::CursorLocation cursorLocation = db::CursorLocation::Server;
};

// Rolls back when it leaves scope without Commit, so no error path leaves a transaction open on the shared
// connection. A rollback that fails there is swallowed: the original error is the one to report.
class TransactionGuard {
public:
    explicit TransactionGuard(Connection& connection);
    ~TransactionGuard();
    TransactionGuard(const TransactionGuard&) = delete;
    TransactionGuard& operator=(const TransactionGuard&) = delete;

    void Commit();

private:
    Connection& connection;
    bool done = false;
};

} // namespace db
