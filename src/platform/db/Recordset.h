#pragma once

#include "ResultTable.h"

#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace db {

class Connection;

enum class CursorType { ForwardOnly = 0, Keyset = 1, Dynamic = 2, Static = 3 };
enum class LockType { ReadOnly = 1, Pessimistic = 2, Optimistic = 3, BatchOptimistic = 4 };
enum class ObjectState { Closed = 0, Open = 1 };
// Every result is read whole into memory, so the location changes nothing; it is kept as the caller set it.
enum class CursorLocation { Server = 2, Client = 3 };

// Positions AbsolutePosition answers when there is no current row.
inline constexpr long adPosBOF = -2;
inline constexpr long adPosEOF = -3;

// The rows of one result, held in memory, with a current row. Reading a field needs a current row; names are found
// without regard to case. On an updatable recordset, assigned fields are written back by Update in one UPDATE.
class Recordset {
public:
    Recordset() = default;
    Recordset(ResultTable table, CursorType cursor, LockType lock);

    // Runs the source on the connection and holds its rows; the recordset must be closed.
    void Open(std::string_view source, Connection& connection, CursorType cursor = CursorType::ForwardOnly,
              LockType lock = LockType::ReadOnly);
    void Close();
    ObjectState State() const { return open ? ObjectState::Open : ObjectState::Closed; }

    bool Eof() const;
    bool Bof() const;
    long RecordCount() const;
    // 1 for the first row; adPosBOF or adPosEOF off the rows.
    long AbsolutePosition() const;
    void MoveNext();
    void MovePrevious();
    void MoveFirst();
    void MoveLast();

    int FieldCount() const;
    const std::vector<std::string>& FieldNames() const;
    const vb::Variant& Fields(std::string_view name) const;
    const vb::Variant& Fields(int index) const;

    db::CursorLocation CursorLocation() const { return location; }
    void SetCursorLocation(db::CursorLocation value) { location = value; }
    CursorType Cursor() const { return cursor; }
    LockType Lock() const { return lock; }

    // Assigns a field of the current row; Update sends the change, CancelUpdate restores the values read. Update
    // changes exactly one row or raises: a table whose key was not read, or an UPDATE that changed no row or several,
    // is refused, and the values read are restored.
    void SetField(std::string_view name, vb::Variant value);
    void Update();
    void CancelUpdate();

private:
    friend class Connection;
    void Attach(Connection& connection, std::string source);
    int IndexOf(std::string_view name) const;
    void RequireOpen() const;
    void RequireCurrentRow() const;
    vb::Variant& Cell(int column);
    const vb::Variant& Cell(int column) const;
    std::vector<int> RowCriteria(const std::vector<std::string>& keys) const;
    std::string Where(const std::vector<int>& criteria, bool assigned, std::vector<Parameter>& parameters) const;
    void WriteRow(const std::string& table, const std::vector<int>& criteria);
    long RowsHoldingAssigned(const std::string& table, const std::vector<int>& criteria);

    ResultTable table;
    bool open = false;
    long position = 0; // 0-based row; -1 before the first, RecordCount() after the last
    CursorType cursor = CursorType::ForwardOnly;
    LockType lock = LockType::ReadOnly;
    db::CursorLocation location = db::CursorLocation::Server;
    Connection* connection = nullptr;
    std::string source;
    std::map<int, vb::Variant> originals; // column -> value as read, for the fields assigned since the last Update
};

} // namespace db
