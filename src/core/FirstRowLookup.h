#pragma once

#include "core/App.h"
#include "platform/db/Connection.h"

#include <string>

namespace ward {

// The answer of a rule check that reads one row: the statement runs on a new read-only recordset, read gives the
// answer from its first row, none stands when no row comes back; the recordset is closed before the answer.
template <class Answer, class Read>
Answer FirstRowOr(App& app, const std::string& sql, Answer none, Read read,
                  db::CursorType cursor = db::CursorType::ForwardOnly) {
    db::Recordset rs = app.Connection().Open(sql, cursor, db::LockType::ReadOnly);
    Answer answer = rs.Eof() ? std::move(none) : Answer(read(rs));
    rs.Close();
    return answer;
}

// Whether the statement gives any row.
inline bool AnyRow(App& app, const std::string& sql, db::CursorType cursor = db::CursorType::ForwardOnly) {
    return FirstRowOr(
        app, sql, false, [](const db::Recordset&) { return true; }, cursor);
}

} // namespace ward
