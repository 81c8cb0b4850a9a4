#pragma once

#include "platform/db/ResultTable.h"

#include <string>
#include <string_view>

// How the ODBC connection turns what a driver answers into our values, kept apart from the driver calls so that the
// cases a given driver cannot produce can still be tried.
namespace db::odbc {

// The value kinds a column is read as.
enum class ColumnKind { Text, Binary, Boolean, Integer, Long, BigInt, Single, Double, Decimal, Timestamp, Time };

// The kind a column of this ODBC SQL type code is read as.
ColumnKind KindOfSqlType(int sqlType);

// A decimal column's text: Currency when its scale is at most 4 and it fits, otherwise Double.
vb::Variant DecimalValue(std::string_view text, int scale);

// The message of a diagnostic record without the driver's bracketed prefixes ("[FreeTDS][SQL Server]") and without
// the SQLite driver's " (native)" suffix.
std::string CleanMessage(std::string_view message, int native);

// Walks the results of one batch: counts of the results that carry only a count are added up, the first result that
// has columns is read whole, every other result is drained. A Source gives ColumnCount(), RowCount(),
// ReadRows(ResultTable&) and NextResult() (false after the last result; raises on an error found there).
template <typename Source> ResultTable ReadBatch(Source& source) {
    ResultTable result;
    do {
        if (source.ColumnCount() > 0) {
            if (!result.hasColumns) {
                source.ReadRows(result);
                result.hasColumns = true;
            }
        } else if (const long count = source.RowCount(); count >= 0) {
            result.rowsAffected = (result.rowsAffected < 0 ? 0 : result.rowsAffected) + count;
        }
    } while (source.NextResult());
    return result;
}

} // namespace db::odbc
