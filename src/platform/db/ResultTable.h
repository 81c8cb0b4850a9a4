#pragma once

#include "platform/vb/Variant.h"

#include <cstddef>
#include <string>
#include <vector>

namespace db {

// The declared type of a command parameter.
enum class DataType { VarChar, Double, Currency, Integer, SmallInt, Boolean, Date, Decimal };

// One input parameter: bound by position, with its declared type and, for text, its size in characters.
struct Parameter {
    std::string name;
    DataType type = DataType::VarChar;
    int size = 0;
    vb::Variant value;
};

// The values of a result, row after row, in fixed blocks: a large result grows without moving what it holds and
// without asking the system for one huge block.
class ValueStore {
public:
    void push_back(vb::Variant value) {
        if (count % kBlock == 0) {
            blocks.emplace_back();
            blocks.back().reserve(kBlock);
        }
        blocks.back().push_back(std::move(value));
        ++count;
    }
    std::size_t size() const { return count; }
    vb::Variant& operator[](std::size_t index) { return blocks[index / kBlock][index % kBlock]; }
    const vb::Variant& operator[](std::size_t index) const { return blocks[index / kBlock][index % kBlock]; }

private:
    static constexpr std::size_t kBlock = 2048;
    std::vector<std::vector<vb::Variant>> blocks;
    std::size_t count = 0;
};

// What one statement gave back: the first result that has columns, its rows in memory (row after row), and the
// rows affected by the results that only carried a count (-1 when none did).
struct ResultTable {
    bool hasColumns = false;
    std::vector<std::string> columns;
    // Per column, whether it is text, ntext or image, which the server refuses to compare; empty when none is.
    std::vector<bool> longColumns;
    ValueStore values;
    // The counts added up, as a batch of several writes reports them.
    long rowsAffected = -1;
    // Each count on its own, in the order they came; empty when the connection gave only the total.
    std::vector<long> counts;

    std::size_t RowCount() const { return columns.empty() ? 0 : values.size() / columns.size(); }
    bool IsLongColumn(std::size_t column) const { return column < longColumns.size() && longColumns[column]; }
    // The count of the batch's last statement: the counts of the triggers it fired arrive before its own. -1 when the
    // server gave none.
    long LastCount() const { return counts.empty() ? rowsAffected : counts.back(); }
};

} // namespace db
