#include "Recordset.h"

#include "Connection.h"
#include "DbError.h"
#include "SqlText.h"

#include <cctype>

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
    case vb::VarType::String:
        p.size = static_cast<int>(value.AsString().size());
        break;
    default:
        break;
    }
    return p;
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

std::string Recordset::UpdateStatement(const std::string& tableName, const std::vector<std::string>& keys,
                                       std::vector<Parameter>& parameters) const {
    std::string sets;
    for (const auto& [column, original] : originals) {
        sets += (sets.empty() ? "" : ", ") + SqlColumnName(table.columns[column]) + " = ?";
        parameters.push_back(ParameterFor(Cell(column)));
    }
    std::vector<int> criteria;
    for (const std::string& key : keys)
        for (std::size_t i = 0; i < table.columns.size(); ++i)
            if (SameName(table.columns[i], key) && !originals.count(static_cast<int>(i)))
                criteria.push_back(static_cast<int>(i));
    for (const auto& entry : originals)
        criteria.push_back(entry.first);
    std::string where;
    for (int column : criteria) {
        auto assigned = originals.find(column);
        const vb::Variant& original = assigned != originals.end() ? assigned->second : Cell(column);
        where += (where.empty() ? "" : " AND ") + SqlColumnName(table.columns[column]);
        if (original.IsNull() || original.IsEmpty()) {
            where += " IS NULL";
        } else {
            where += " = ?";
            parameters.push_back(ParameterFor(original));
        }
    }
    return "UPDATE " + tableName + " SET " + sets + " WHERE " + where;
}

void Recordset::Update() {
    RequireOpen();
    if (lock == LockType::ReadOnly || connection == nullptr)
        RaiseNotUpdatable();
    if (originals.empty())
        return;
    const std::optional<std::string> tableName = SingleTableOf(source);
    if (!tableName) {
        CancelUpdate();
        throw DbError(dbErrNoBaseTable, "Insufficient base table information for updating or refreshing.");
    }
    std::vector<Parameter> parameters;
    std::string sql;
    long changed = 0;
    try {
        sql = UpdateStatement(*tableName, connection->PrimaryKeyColumns(*tableName), parameters);
        changed = connection->Send(sql, parameters).rowsAffected;
    } catch (...) {
        CancelUpdate();
        throw;
    }
    if (changed <= 0) {
        CancelUpdate();
        throw DbError(dbErrRowNotFoundForUpdate,
                      "Row cannot be located for updating. Some values may have been changed since it was last read.");
    }
    originals.clear();
}

} // namespace db
