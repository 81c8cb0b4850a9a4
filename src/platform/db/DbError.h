#pragma once

#include "platform/vb/VbError.h"

#include <string>

namespace db {

// Error numbers of the recordset's own errors; the windows show them as the original did.
enum DbErrorNumber {
    dbErrNoCurrentRecord = 3021,
    dbErrNotUpdatable = 3251,
    dbErrItemNotFound = 3265,
    dbErrObjectClosed = 3704,
    dbErrObjectOpen = 3705,
    dbErrRowNotFoundForUpdate = -2147217864,
    dbErrNoBaseTable = -2147467259,
    dbErrKeyInformation = -2147467259,
    dbErrConnectionLost = 3709,
    dbErrBadArgument = 3001,
    dbErrBadParameter = 3708,
    dbErrNotInThisContext = 3219,
    dbErrNoTransaction = -2147168242,
    dbErrTransactionOpen = -2147168237,
};

// One type for every database error: the server's message text (no driver prefixes) and its native number; the
// SQL state when the driver gave one.
class DbError : public vb::VbError {
public:
    DbError(int number, const std::string& description, std::string sqlState = {})
        : vb::VbError(number, description), sqlState(std::move(sqlState)) {}
    const std::string& SqlState() const { return sqlState; }

private:
    std::string sqlState;
};

[[noreturn]] void RaiseNoCurrentRecord();
[[noreturn]] void RaiseItemNotFound();
[[noreturn]] void RaiseObjectClosed();
[[noreturn]] void RaiseObjectOpen();
[[noreturn]] void RaiseNotUpdatable();
[[noreturn]] void RaiseConnectionLost();

} // namespace db
