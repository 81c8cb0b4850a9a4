#pragma once

#include "platform/vb/Variant.h"

#include <string>
#include <vector>

namespace db {

// The declared type of a command parameter.
enum class DataType { VarChar, Double, Currency, Integer, SmallInt, Boolean, Date };

// One input parameter: bound by position, with its declared type and, for text, its size in characters.
struct Parameter {
    std::string name;
    DataType type = DataType::VarChar;
    int size = 0;
    vb::Variant value;
};

// What one statement gave back: the first result that has columns, its rows in memory (row after row), and the
// rows affected by the results that only carried a count (-1 when none did).
struct ResultTable {
    bool hasColumns = false;
    std::vector<std::string> columns;
    std::vector<vb::Variant> values;
    long rowsAffected = -1;

    std::size_t RowCount() const { return columns.empty() ? 0 : values.size() / columns.size(); }
};

} // namespace db
