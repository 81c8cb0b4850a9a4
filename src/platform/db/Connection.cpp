#include "Connection.h"

#include "DbError.h"
#include "SqlText.h"

namespace db {

namespace {

constexpr int kNoSuchProcedure = 2812;

} // namespace

Recordset Connection::Execute(std::string_view sql) {
    long ignored = 0;
    return Execute(sql, ignored);
}

void Connection::RequireUsable() const {
    if (broken)
        RaiseConnectionLost();
}

Recordset Connection::Execute(std::string_view sql, long& RecordsAffected) {
    RequireUsable();
    ResultTable result = Send(std::string(sql), {});
    RecordsAffected = result.rowsAffected;
    return Recordset(std::move(result), CursorType::ForwardOnly, LockType::ReadOnly);
}

Recordset Connection::Open(std::string_view source, CursorType cursor, LockType lock) {
    RequireUsable();
    std::string sent(source);
    ResultTable result;
    try {
        result = Send(sent, {});
    } catch (const DbError& error) {
        if (error.Number() != kNoSuchProcedure || !IsBareObjectName(source))
            throw;
        sent = "SELECT * FROM " + sent;
        result = Send(sent, {});
    }
    Recordset recordset(std::move(result), cursor, lock);
    recordset.Attach(*this, std::move(sent));
    recordset.SetCursorLocation(cursorLocation);
    return recordset;
}

void Connection::BeginTrans() {
    RequireUsable();
    if (inTransaction)
        throw DbError(dbErrTransactionOpen, "Only one transaction can be active on this session.");
    StartTransaction();
    inTransaction = true;
}

void Connection::CommitTrans() {
    RequireUsable();
    if (!inTransaction)
        throw DbError(dbErrNoTransaction, "No transaction is active.");
    try {
        EndTransaction(true);
    } catch (...) {
        RollBackAndRestore();
        throw;
    }
    inTransaction = false;
    try {
        RestoreAutoCommit();
    } catch (...) {
        // The rows are committed: this save stands, and only what follows is refused.
        broken = true;
    }
}

void Connection::RollbackTrans() {
    RequireUsable();
    if (!inTransaction)
        throw DbError(dbErrNoTransaction, "No transaction is active.");
    RollBackAndRestore();
}

// The rollback comes first, while the connection is still in manual commit: switching autocommit on with the
// transaction open would commit it, or on some drivers leave it open to swallow every later write.
void Connection::RollBackAndRestore() {
    inTransaction = false;
    try {
        EndTransaction(false);
    } catch (...) {
        GiveUp();
    }
    try {
        RestoreAutoCommit();
    } catch (...) {
        GiveUp();
    }
}

void Connection::GiveUp() {
    broken = true;
    RaiseConnectionLost();
}

void Connection::SetCommandTimeout(int seconds) {
    if (seconds < 0)
        throw DbError(dbErrBadArgument, "Arguments are of the wrong type, are out of acceptable range, or are in "
                                        "conflict with one another.");
    ApplyCommandTimeout(seconds);
    commandTimeout = seconds;
}

TransactionGuard::TransactionGuard(Connection& connection) : connection(connection) { connection.BeginTrans(); }

TransactionGuard::~TransactionGuard() {
    if (done || !connection.InTransaction())
        return;
    try {
        connection.RollbackTrans();
    } catch (...) {
    }
}

void TransactionGuard::Commit() {
    done = true;
    connection.CommitTrans();
}

} // namespace db
