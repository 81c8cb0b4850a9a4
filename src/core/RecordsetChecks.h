#pragma once

#include "core/App.h"
#include "core/ErrorReporting.h"
#include "platform/db/Connection.h"

#include <exception>
#include <string>

namespace ward {

// Whether the statement gives at least one row; the recordset is closed before the answer.
bool ReturnsRow(App& app, const std::string& sql, db::CursorType cursor = db::CursorType::ForwardOnly,
                db::LockType lock = db::LockType::ReadOnly);

// The rows of the statement, read on a client-side cursor so that the count is known.
long CountRows(App& app, const std::string& sql, db::CursorType cursor, db::LockType lock);

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

// The answer of a check that traps its errors: any error is shown with the one error message and gives the
// neutral answer.
template <class Check, class Answer> Answer AnswerOrShowError(App& app, Answer neutral, Check check) {
    try {
        return check();
    } catch (const std::exception& error) {
        ShowErrorMessage(app, error);
        return neutral;
    }
}

} // namespace ward
