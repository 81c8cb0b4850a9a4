#include "DbError.h"

namespace db {

void RaiseNoCurrentRecord() {
    throw DbError(dbErrNoCurrentRecord, "Either BOF or EOF is True, or the current record has been deleted. "
                                        "Requested operation requires a current record.");
}

void RaiseItemNotFound() {
    throw DbError(dbErrItemNotFound, "Item cannot be found in the collection corresponding to the requested name or "
                                     "ordinal.");
}

void RaiseObjectClosed() { throw DbError(dbErrObjectClosed, "Operation is not allowed when the object is closed."); }

void RaiseObjectOpen() { throw DbError(dbErrObjectOpen, "Operation is not allowed when the object is open."); }

void RaiseNotUpdatable() {
    throw DbError(dbErrNotUpdatable, "Current Recordset does not support updating. This may be a limitation of the "
                                     "provider, or of the selected locktype.");
}

void RaiseConnectionLost() {
    throw DbError(dbErrConnectionLost, "The connection to the server was lost; nothing was saved.");
}

} // namespace db
