#pragma once

#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/Operators.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

// The number of the database error an action raises, or 0 when it raises none.
inline int ErrorNumberOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const db::DbError& error) {
        return error.Number();
    }
    return 0;
}

// The text of the database error an action raises, or "" when it raises none.
inline std::string DescriptionOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const db::DbError& error) {
        return error.Description();
    }
    return "";
}

struct ColumnUpdate {
    const char* column;
    vb::Variant assigned;
};

// Each column assigned on its own through an optimistic recordset on the table's one row, updated, and read back.
inline void ExpectEachColumnUpdated(db::Connection& connection, const std::string& table,
                                    const std::vector<ColumnUpdate>& updates) {
    for (const ColumnUpdate& update : updates) {
        SCOPED_TRACE(update.column);
        db::Recordset rs = connection.Open("select * from " + table, db::CursorType::Dynamic, db::LockType::Optimistic);
        rs.SetField(update.column, update.assigned);
        EXPECT_NO_THROW(rs.Update());
        rs.Close();
        db::Recordset now = connection.Execute(std::string("select ") + update.column + " from " + table);
        EXPECT_EQ(vb::Compare(now.Fields(0), update.assigned), 0) << vb::CStr(now.Fields(0));
    }
}
