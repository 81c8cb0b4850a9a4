#include "ResultReading.h"

#include "platform/db/SqlText.h"
#include "platform/vb/Decimal.h"

#include <sql.h>
#include <sqlext.h>

#include <cstdlib>
#include <string>

namespace db::odbc {

namespace {

// SQL Server's own type codes that FreeTDS reports for time and datetimeoffset columns.
constexpr int kSqlServerTime = -154;
constexpr int kSqlServerTimestampOffset = -155;
// The digits a Double keeps; wider decimal columns are read as Decimal so that none is lost.
constexpr int kCurrencyPrecision = 15;

} // namespace

ColumnKind KindOfSqlType(int sqlType) {
    switch (sqlType) {
    case SQL_BIT:
        return ColumnKind::Boolean;
    case SQL_TINYINT:
    case SQL_SMALLINT:
        return ColumnKind::Integer;
    case SQL_INTEGER:
        return ColumnKind::Long;
    case SQL_BIGINT:
        return ColumnKind::BigInt;
    case SQL_REAL:
        return ColumnKind::Single;
    case SQL_FLOAT:
    case SQL_DOUBLE:
        return ColumnKind::Double;
    case SQL_DECIMAL:
    case SQL_NUMERIC:
        return ColumnKind::Decimal;
    case SQL_TYPE_DATE:
    case SQL_TYPE_TIMESTAMP:
    case SQL_DATETIME:
    case kSqlServerTimestampOffset:
        return ColumnKind::Timestamp;
    case SQL_TYPE_TIME:
    case kSqlServerTime:
        return ColumnKind::Time;
    case SQL_BINARY:
    case SQL_VARBINARY:
    case SQL_LONGVARBINARY:
        return ColumnKind::Binary;
    default:
        return ColumnKind::Text;
    }
}

bool IsLongSqlType(int sqlType) {
    return sqlType == SQL_LONGVARCHAR || sqlType == SQL_WLONGVARCHAR || sqlType == SQL_LONGVARBINARY;
}

vb::Variant DecimalValue(std::string_view text, const NumericColumn& column) {
    const bool currency = column.money || (column.precision <= kCurrencyPrecision && column.scale <= 4);
    if (currency)
        if (std::optional<vb::Currency> amount = ParseCurrency(text))
            return vb::Variant(*amount);
    if (std::optional<vb::Decimal> number = vb::ReadDecimal(text))
        return vb::Variant(*number);
    return vb::Variant(std::strtod(std::string(text).c_str(), nullptr));
}

std::string CleanMessage(std::string_view message, int native) {
    while (!message.empty() && message.front() == '[') {
        const std::size_t close = message.find(']');
        if (close == std::string_view::npos)
            break;
        message.remove_prefix(close + 1);
    }
    const std::string suffix = " (" + std::to_string(native) + ")";
    if (message.size() > suffix.size() && message.substr(message.size() - suffix.size()) == suffix)
        message.remove_suffix(suffix.size());
    return std::string(message);
}

} // namespace db::odbc
