#include "core/RecordsetChecks.h"

namespace ward {

bool ReturnsRow(App& app, const std::string& sql, db::CursorType cursor, db::LockType lock) {
    db::Recordset rs = app.Connection().Open(sql, cursor, lock);
    const bool found = !rs.Eof();
    rs.Close();
    return found;
}

long CountRows(App& app, const std::string& sql, db::CursorType cursor, db::LockType lock) {
    db::Recordset rs;
    rs.SetCursorLocation(db::CursorLocation::Client);
    rs.Open(sql, app.Connection(), cursor, lock);
    const long count = rs.RecordCount();
    rs.Close();
    return count;
}

} // namespace ward
