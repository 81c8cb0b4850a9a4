#include "Recordset.h"

#include "Connection.h"
#include "DbError.h"
#include "SqlText.h"

#include "platform/vb/Conversions.h"

#include <cctype>
#include <optional>

namespace db {

namespace {

Parameter ParameterFor(const vb::Variant& value) {
    Parameter p;
    p.value = value.IsEmpty() ? vb::Variant::Null() : value;
    switch (value.Type()) {
    case vb::VarType::Boolean:
        p.type = DataType::Boolean;
        break;
    case vb::VarType::Integer:
        p.type = DataType::SmallInt;
        break;
    case vb::VarType::Long:
        p.type = DataType::Integer;
        break;
    case vb::VarType::Single:
    case vb::VarType::Double:
        p.type = DataType::Double;
        break;
    case vb::VarType::Currency:
        p.type = DataType::Currency;
        break;
    case vb::VarType::Date:
        p.type = DataType::Date;
        break;
    case vb::VarType::Decimal:
        p.type = DataType::Decimal;
        break;
    case vb::VarType::String:
        p.size = static_cast<int>(value.AsString().size());
        break;
    default:
        break;
    }
    return p;
}

[[noreturn]] void RaiseNoKey() {
    throw DbError(dbErrKeyInformation, "Insufficient key column information for updating or refreshing.");
}

[[noreturn]] void RaiseRowNotFound() {
    throw DbError(dbErrRowNotFoundForUpdate,
                  "Row cannot be located for updating. Some values may have been changed since it was last read.");
}

[[noreturn]] void RaiseTooManyRows() {
    throw DbError(dbErrKeyInformation,
                  "Key column information is insufficient or incorrect. Too many rows were affected by update.");
}

} // namespace

Recordset::Recordset(ResultTable result, CursorType cursor, LockType lock)
    : table(std::move(result)), open(table.hasColumns), cursor(cursor), lock(lock) {}

void Recordset::Open(std::string_view sql, Connection& on, CursorType cursorType, LockType lockType) {
    if (open)
        RaiseObjectOpen();
    const db::CursorLocation chosen = location;
    *this = on.Open(sql, cursorType, lockType);
    location = chosen;
}

void Recordset::Attach(Connection& on, std::string sql) {
    connection = &on;
    source = std::move(sql);
}

void Recordset::Close() {
    RequireOpen();
    if (!originals.empty())
        throw DbError(dbErrNotInThisContext, "Operation is not allowed in this context.");
    open = false;
    table = ResultTable{};
    position = 0;
}

void Recordset::RequireOpen() const {
    if (!open)
        RaiseObjectClosed();
}

void Recordset::RequireCurrentRow() const {
    if (Bof() || Eof())
        RaiseNoCurrentRecord();
}

bool Recordset::Eof() const {
    RequireOpen();
    return position >= static_cast<long>(table.RowCount());
}

bool Recordset::Bof() const {
    RequireOpen();
    return position < 0 || table.RowCount() == 0;
}

long Recordset::RecordCount() const {
    RequireOpen();
    return static_cast<long>(table.RowCount());
}

long Recordset::AbsolutePosition() const {
    if (Bof())
        return adPosBOF;
    if (Eof())
        return adPosEOF;
    return position + 1;
}

void Recordset::MoveNext() {
    if (Eof())
        RaiseNoCurrentRecord();
    if (!originals.empty())
        Update();
    ++position;
}

void Recordset::MovePrevious() {
    if (Bof())
        RaiseNoCurrentRecord();
    if (!originals.empty())
        Update();
    --position;
}

void Recordset::MoveFirst() {
    if (RecordCount() == 0)
        RaiseNoCurrentRecord();
    if (!originals.empty())
        Update();
    position = 0;
}

void Recordset::MoveLast() {
    if (RecordCount() == 0)
        RaiseNoCurrentRecord();
    if (!originals.empty())
        Update();
    position = RecordCount() - 1;
}

int Recordset::FieldCount() const {
    RequireOpen();
    return static_cast<int>(table.columns.size());
}

const std::vector<std::string>& Recordset::FieldNames() const {
    RequireOpen();
    return table.columns;
}

int Recordset::IndexOf(std::string_view name) const {
    for (std::size_t i = 0; i < table.columns.size(); ++i)
        if (SameName(table.columns[i], name))
            return static_cast<int>(i);
    RaiseItemNotFound();
}

const vb::Variant& Recordset::Cell(int column) const {
    return table.values[static_cast<std::size_t>(position) * table.columns.size() + static_cast<std::size_t>(column)];
}

vb::Variant& Recordset::Cell(int column) {
    return table.values[static_cast<std::size_t>(position) * table.columns.size() + static_cast<std::size_t>(column)];
}

const vb::Variant& Recordset::Fields(std::string_view name) const {
    RequireOpen();
    const int column = IndexOf(name);
    RequireCurrentRow();
    return Cell(column);
}

const vb::Variant& Recordset::Fields(int index) const {
    RequireOpen();
    if (index < 0 || index >= static_cast<int>(table.columns.size()))
        RaiseItemNotFound();
    RequireCurrentRow();
    return Cell(index);
}

void Recordset::SetField(std::string_view name, vb::Variant value) {
    RequireOpen();
    if (lock == LockType::ReadOnly || connection == nullptr)
        RaiseNotUpdatable();
    const int column = IndexOf(name);
    RequireCurrentRow();
    originals.try_emplace(column, Cell(column));
    Cell(column) = std::move(value);
}

void Recordset::CancelUpdate() {
    RequireOpen();
    for (auto& [column, original] : originals)
        Cell(column) = original;
    originals.clear();
}

// The columns whose values find the row: its whole key and the assigned columns, or on a table without a key every
// column. A column the server cannot compare is left out.
std::vector<int> Recordset::RowCriteria(const std::vector<std::string>& keys) const {
    std::vector<int> criteria;
    for (const std::string& key : keys) {
        int found = -1;
        for (std::size_t i = 0; i < table.columns.size(); ++i)
            if (SameName(table.columns[i], key))
                found = static_cast<int>(i);
        if (found < 0)
            RaiseNoKey();
        if (!originals.count(found))
            criteria.push_back(found);
    }
    for (std::size_t i = 0; i < table.columns.size(); ++i) {
        const bool compared = keys.empty() || originals.count(static_cast<int>(i));
        if (compared && !table.IsLongColumn(i))
            criteria.push_back(static_cast<int>(i));
    }
    if (criteria.empty())
        RaiseNoKey();
    return criteria;
}

// The criteria on the values as read, or on the values as assigned when asking whether the row now holds them.
std::string Recordset::Where(const std::vector<int>& criteria, bool assigned,
                             std::vector<Parameter>& parameters) const {
    std::string where;
    for (int column : criteria) {
        auto original = originals.find(column);
        const vb::Variant& value = assigned || original == originals.end() ? Cell(column) : original->second;
        where += (where.empty() ? "" : " AND ") + SqlColumnName(table.columns[column]);
        if (value.IsNull() || value.IsEmpty()) {
            where += " IS NULL";
        } else {
            where += " = ?";
            parameters.push_back(ParameterFor(value));
        }
    }
    return where;
}

// Outside a caller's transaction the UPDATE runs in one of its own, so that one which changed several rows is undone
// and the row can be read back before anything is kept.
void Recordset::WriteRow(const std::string& tableName, const std::vector<int>& criteria) {
    std::optional<TransactionGuard> own;
    if (!connection->InTransaction())
        own.emplace(*connection);
    std::vector<Parameter> parameters;
    std::string sets;
    for (const auto& entry : originals) {
        sets += (sets.empty() ? "" : ", ") + SqlColumnName(table.columns[entry.first]) + " = ?";
        parameters.push_back(ParameterFor(Cell(entry.first)));
    }
    const std::string where = Where(criteria, false, parameters);
    long changed = connection->Send("UPDATE " + tableName + " SET " + sets + " WHERE " + where, parameters).LastCount();
    if (changed < 0)
        changed = RowsHoldingAssigned(tableName, criteria);
    if (changed == 0)
        RaiseRowNotFound();
    if (changed > 1)
        RaiseTooManyRows();
    if (own)
        own->Commit();
}

// Without a count from the server, whether the UPDATE took is read from the table: by the key, or on a table without
// one by every other value, the rows that now hold the assigned values.
long Recordset::RowsHoldingAssigned(const std::string& tableName, const std::vector<int>& criteria) {
    std::vector<Parameter> parameters;
    const std::string where = Where(criteria, true, parameters);
    const ResultTable result = connection->Send("SELECT COUNT(*) FROM " + tableName + " WHERE " + where, parameters);
    return result.RowCount() == 0 ? 0 : vb::CLng(result.values[0]);
}

void Recordset::Update() {
    RequireOpen();
    if (lock == LockType::ReadOnly || connection == nullptr)
        RaiseNotUpdatable();
    if (originals.empty())
        return;
    try {
        const std::optional<std::string> tableName = SingleTableOf(source);
        if (!tableName)
            throw DbError(dbErrNoBaseTable, "Insufficient base table information for updating or refreshing.");
        connection->RequireUsable();
        WriteRow(*tableName, RowCriteria(connection->PrimaryKeyColumns(*tableName)));
    } catch (...) {
        CancelUpdate();
        throw;
    }
    originals.clear();
}

} // namespace db
