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

// Whether a column of this type is text, ntext or image, which the server cannot compare.
bool IsLongSqlType(int sqlType);

// How a decimal or numeric column was declared.
struct NumericColumn {
    int precision = 0;
    int scale = 0;
    bool money = false;
};

// A decimal column's text: Currency for money and for up to 15 digits with up to 4 decimals, otherwise a Decimal
// with every digit; a Double only for text neither can hold.
vb::Variant DecimalValue(std::string_view text, const NumericColumn& column);

// The message of a diagnostic record without the driver's bracketed prefixes ("[FreeTDS][SQL Server]") and without
// the SQLite driver's " (native)" suffix.
std::string CleanMessage(std::string_view message, int native);

// Walks the results of one batch: counts of the results that carry only a count are kept in order and added up, the
// first result that has columns is read whole, every other result is drained. A Source gives ColumnCount(), RowCount(),
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
            result.counts.push_back(count);
        }
    } while (source.NextResult());
    return result;
}

} // namespace db::odbc
