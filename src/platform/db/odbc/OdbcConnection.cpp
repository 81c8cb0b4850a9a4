#include "OdbcConnection.h"

#include "platform/vb/Conversions.h"

#include "ResultReading.h"
#include "platform/db/DbError.h"
#include "platform/db/SqlText.h"
#include "platform/vb/DateSerialNumber.h"
#include "platform/vb/Decimal.h"
#include "platform/vb/Utf8.h"

#include <sql.h>
#include <sqlext.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace db::odbc {

namespace {

constexpr const char* kFreeTdsDriver = WARD_FREETDS_ODBC_DRIVER;
constexpr long long kEpochOffset = 25569; // days from 12/30/1899 to 1/1/1970
constexpr long long kMillisecondsPerDay = 86400000;

// The first error of a handle's diagnostics (warnings skipped), as a DbError.
DbError ErrorOf(SQLSMALLINT handleType, SQLHANDLE handle, const char* fallback) {
    SQLCHAR state[6] = {};
    SQLCHAR message[2048];
    SQLINTEGER native = 0;
    SQLSMALLINT length = 0;
    std::string firstMessage;
    for (SQLSMALLINT record = 1;; ++record) {
        SQLRETURN r = SQLGetDiagRec(handleType, handle, record, state, &native, message, sizeof message, &length);
        if (!SQL_SUCCEEDED(r))
            break;
        const std::string text = CleanMessage(reinterpret_cast<const char*>(message), native);
        const std::string sqlState(reinterpret_cast<const char*>(state));
        if (sqlState.rfind("01", 0) != 0)
            return DbError(native, text, sqlState);
        if (firstMessage.empty())
            firstMessage = text;
    }
    return DbError(0, firstMessage.empty() ? fallback : firstMessage);
}

void Check(SQLRETURN r, SQLSMALLINT handleType, SQLHANDLE handle, const char* what) {
    if (r == SQL_ERROR || r == SQL_INVALID_HANDLE)
        throw ErrorOf(handleType, handle, what);
}

vb::Date DateOf(const SQL_TIMESTAMP_STRUCT& ts) {
    vb::DateParts parts{ts.year, ts.month, ts.day, ts.hour, ts.minute, ts.second};
    vb::Date date = vb::MakeDate(parts);
    const double fraction = ts.fraction / 1e9 / 86400.0;
    date.serial += date.serial < 0 ? -fraction : fraction;
    return date;
}

SQL_TIMESTAMP_STRUCT TimestampOf(vb::Date date) {
    const double whole = std::trunc(date.serial);
    long long milliseconds = std::llround(std::fabs(date.serial - whole) * kMillisecondsPerDay);
    long long days = static_cast<long long>(whole);
    if (milliseconds >= kMillisecondsPerDay) {
        milliseconds -= kMillisecondsPerDay;
        days += date.serial < 0 ? -1 : 1;
    }
    int year = 0, month = 0, day = 0;
    vb::CivilFromDays(days - kEpochOffset, year, month, day);
    SQL_TIMESTAMP_STRUCT ts{};
    ts.year = static_cast<SQLSMALLINT>(year);
    ts.month = static_cast<SQLUSMALLINT>(month);
    ts.day = static_cast<SQLUSMALLINT>(day);
    ts.hour = static_cast<SQLUSMALLINT>(milliseconds / 3600000);
    ts.minute = static_cast<SQLUSMALLINT>(milliseconds / 60000 % 60);
    ts.second = static_cast<SQLUSMALLINT>(milliseconds / 1000 % 60);
    ts.fraction = static_cast<SQLUINTEGER>(milliseconds % 1000 * 1000000);
    return ts;
}

// A statement handle that is freed, with whatever results it still holds, when it leaves scope.
class Statement {
public:
    explicit Statement(SQLHDBC connection) {
        Check(SQLAllocHandle(SQL_HANDLE_STMT, connection, &handle), SQL_HANDLE_DBC, connection,
              "The statement could not be prepared.");
    }
    ~Statement() { SQLFreeHandle(SQL_HANDLE_STMT, handle); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    SQLHSTMT handle = SQL_NULL_HSTMT;
};

// The storage a bound parameter points to while the statement runs.
struct BoundValue {
    std::string text;
    SQLLEN indicator = 0;
    union {
        double number;
        SQLINTEGER whole;
        SQLSMALLINT small;
        SQLCHAR bit;
        SQL_TIMESTAMP_STRUCT timestamp;
    };
};

// Every value goes through the runtime's conversion to the declared type, so a field read as one type (a Single, a
// Decimal) binds as the column's.
void Bind(SQLHSTMT statement, SQLUSMALLINT position, const Parameter& parameter, BoundValue& bound) {
    SQLSMALLINT cType = SQL_C_CHAR;
    SQLSMALLINT sqlType = SQL_VARCHAR;
    SQLULEN size = 0;
    SQLSMALLINT digits = 0;
    SQLPOINTER data = nullptr;
    SQLLEN capacity = 0;
    const vb::Variant& value = parameter.value;
    const bool isNull = value.IsNull() || value.IsEmpty();
    switch (parameter.type) {
    case DataType::VarChar:
        bound.text = isNull ? std::string() : vb::CStr(value);
        size = static_cast<SQLULEN>(std::max<std::size_t>({1, bound.text.size(), std::size_t(parameter.size)}));
        sqlType = size > 8000 ? SQL_LONGVARCHAR : SQL_VARCHAR;
        break;
    case DataType::Currency:
        bound.text = isNull ? std::string() : vb::CurrencyText(vb::CCur(value));
        sqlType = SQL_DECIMAL;
        size = 19;
        digits = 4;
        break;
    case DataType::Decimal: {
        const vb::Decimal number = isNull ? vb::Decimal{} : vb::CDec(value);
        bound.text = vb::DecimalText(number);
        sqlType = SQL_DECIMAL;
        size = vb::kDecimalDigits;
        digits = static_cast<SQLSMALLINT>(number.scale);
        break;
    }
    case DataType::Double:
        bound.number = isNull ? 0 : vb::CDbl(value);
        cType = SQL_C_DOUBLE;
        sqlType = SQL_DOUBLE;
        size = 15;
        data = &bound.number;
        break;
    case DataType::Integer:
        bound.whole = isNull ? 0 : vb::CLng(value);
        cType = SQL_C_SLONG;
        sqlType = SQL_INTEGER;
        size = 10;
        data = &bound.whole;
        break;
    case DataType::SmallInt:
        bound.small = isNull ? 0 : vb::CInt(value);
        cType = SQL_C_SSHORT;
        sqlType = SQL_SMALLINT;
        size = 5;
        data = &bound.small;
        break;
    case DataType::Boolean:
        bound.bit = !isNull && vb::CBool(value) ? 1 : 0;
        cType = SQL_C_BIT;
        sqlType = SQL_BIT;
        size = 1;
        data = &bound.bit;
        break;
    case DataType::Date:
        bound.timestamp = isNull ? SQL_TIMESTAMP_STRUCT{} : TimestampOf(vb::CDate(value));
        cType = SQL_C_TYPE_TIMESTAMP;
        sqlType = SQL_TYPE_TIMESTAMP;
        // Whole seconds go without a fraction, so a driver that keeps dates as text compares them as it wrote them.
        digits = bound.timestamp.fraction == 0 ? 0 : 3;
        size = digits == 0 ? 19 : 23;
        data = &bound.timestamp;
        break;
    }
    if (cType == SQL_C_CHAR) {
        data = bound.text.data();
        capacity = static_cast<SQLLEN>(bound.text.size());
        bound.indicator = capacity;
    }
    if (isNull)
        bound.indicator = SQL_NULL_DATA;
    Check(SQLBindParameter(statement, position, SQL_PARAM_INPUT, cType, sqlType, size, digits, data, capacity,
                           &bound.indicator),
          SQL_HANDLE_STMT, statement, "A parameter could not be bound.");
}

// The results of one executed statement, read as ReadBatch expects. A statement that changed nothing answers "no
// data" instead of a result; it counts as a result of 0 rows.
class StatementResults {
public:
    StatementResults(SQLHSTMT statement, bool noData) : statement(statement), noData(noData) {}

    int ColumnCount() const {
        if (noData)
            return 0;
        SQLSMALLINT count = 0;
        Check(SQLNumResultCols(statement, &count), SQL_HANDLE_STMT, statement, "The result could not be read.");
        return count;
    }

    long RowCount() const {
        if (noData)
            return 0;
        SQLLEN count = -1;
        if (!SQL_SUCCEEDED(SQLRowCount(statement, &count)))
            return -1;
        return static_cast<long>(count);
    }

    bool NextResult() {
        noData = false;
        const SQLRETURN r = SQLMoreResults(statement);
        if (r == SQL_NO_DATA)
            return false;
        Check(r, SQL_HANDLE_STMT, statement, "The next result could not be read.");
        return true;
    }

    void ReadRows(ResultTable& result) {
        const int count = ColumnCount();
        std::vector<ColumnKind> kinds;
        std::vector<NumericColumn> numerics;
        for (SQLUSMALLINT column = 1; column <= count; ++column) {
            SQLCHAR name[256];
            SQLSMALLINT nameLength = 0, sqlType = 0, scale = 0, nullable = 0;
            SQLULEN size = 0;
            Check(SQLDescribeCol(statement, column, name, sizeof name, &nameLength, &sqlType, &size, &scale, &nullable),
                  SQL_HANDLE_STMT, statement, "The result could not be read.");
            result.columns.emplace_back(reinterpret_cast<const char*>(name));
            result.longColumns.push_back(IsLongSqlType(sqlType));
            kinds.push_back(KindOfSqlType(sqlType));
            numerics.push_back({static_cast<int>(size), scale, kinds.back() == ColumnKind::Decimal && IsMoney(column)});
        }
        for (;;) {
            const SQLRETURN r = SQLFetch(statement);
            if (r == SQL_NO_DATA)
                break;
            Check(r, SQL_HANDLE_STMT, statement, "A row could not be read.");
            for (int column = 0; column < count; ++column)
                result.values.push_back(Value(static_cast<SQLUSMALLINT>(column + 1), kinds[column], numerics[column]));
        }
    }

private:
    // SQL Server's money types arrive as decimal columns of 19 (10) digits; only their type name tells them apart.
    bool IsMoney(SQLUSMALLINT column) const {
        SQLCHAR typeName[64] = {};
        SQLSMALLINT length = 0;
        if (!SQL_SUCCEEDED(
                SQLColAttribute(statement, column, SQL_DESC_TYPE_NAME, typeName, sizeof typeName, &length, nullptr)))
            return false;
        return vb::AsciiLower(reinterpret_cast<const char*>(typeName)).find("money") != std::string::npos;
    }

    template <typename T> bool Get(SQLUSMALLINT column, SQLSMALLINT cType, T& value) {
        SQLLEN indicator = 0;
        Check(SQLGetData(statement, column, cType, &value, sizeof value, &indicator), SQL_HANDLE_STMT, statement,
              "A value could not be read.");
        return indicator != SQL_NULL_DATA;
    }

    // Reads text or bytes in chunks until the driver has given all of it; false for Null.
    bool GetText(SQLUSMALLINT column, SQLSMALLINT cType, std::string& text) {
        const SQLLEN terminator = cType == SQL_C_CHAR ? 1 : 0;
        char chunk[512];
        for (;;) {
            SQLLEN indicator = 0;
            const SQLRETURN r = SQLGetData(statement, column, cType, chunk, sizeof chunk, &indicator);
            if (r == SQL_NO_DATA)
                return true;
            Check(r, SQL_HANDLE_STMT, statement, "A value could not be read.");
            if (indicator == SQL_NULL_DATA)
                return false;
            const SQLLEN available = static_cast<SQLLEN>(sizeof chunk) - terminator;
            const bool truncated = indicator == SQL_NO_TOTAL || indicator > available;
            text.append(chunk, static_cast<std::size_t>(truncated ? available : indicator));
            if (!truncated)
                return true;
        }
    }

    vb::Variant Value(SQLUSMALLINT column, ColumnKind kind, const NumericColumn& numeric) {
        switch (kind) {
        case ColumnKind::Boolean: {
            SQLCHAR bit = 0;
            return Get(column, SQL_C_BIT, bit) ? vb::Variant(bit != 0) : vb::Variant::Null();
        }
        case ColumnKind::Integer: {
            SQLSMALLINT value = 0;
            return Get(column, SQL_C_SSHORT, value) ? vb::Variant(std::int16_t(value)) : vb::Variant::Null();
        }
        case ColumnKind::Long: {
            SQLINTEGER value = 0;
            return Get(column, SQL_C_SLONG, value) ? vb::Variant(std::int32_t(value)) : vb::Variant::Null();
        }
        case ColumnKind::BigInt: {
            SQLBIGINT value = 0;
            return Get(column, SQL_C_SBIGINT, value) ? vb::Variant(vb::MakeDecimal(value, 0)) : vb::Variant::Null();
        }
        case ColumnKind::Single: {
            SQLREAL value = 0;
            return Get(column, SQL_C_FLOAT, value) ? vb::Variant(float(value)) : vb::Variant::Null();
        }
        case ColumnKind::Double: {
            SQLDOUBLE value = 0;
            return Get(column, SQL_C_DOUBLE, value) ? vb::Variant(double(value)) : vb::Variant::Null();
        }
        case ColumnKind::Timestamp: {
            SQL_TIMESTAMP_STRUCT value{};
            return Get(column, SQL_C_TYPE_TIMESTAMP, value) ? vb::Variant(DateOf(value)) : vb::Variant::Null();
        }
        case ColumnKind::Time: {
            SQL_TIME_STRUCT value{};
            if (!Get(column, SQL_C_TYPE_TIME, value))
                return vb::Variant::Null();
            return vb::Variant(vb::Date{(value.hour * 3600.0 + value.minute * 60.0 + value.second) / 86400.0});
        }
        case ColumnKind::Decimal: {
            std::string text;
            return GetText(column, SQL_C_CHAR, text) ? DecimalValue(text, numeric) : vb::Variant::Null();
        }
        case ColumnKind::Binary:
        case ColumnKind::Text:
            break;
        }
        std::string text;
        if (!GetText(column, kind == ColumnKind::Binary ? SQL_C_BINARY : SQL_C_CHAR, text))
            return vb::Variant::Null();
        return vb::Variant(std::move(text));
    }

    SQLHSTMT statement;
    bool noData;
};

std::string Unbracketed(std::string part) {
    if (part.size() >= 2 && part.front() == '[' && part.back() == ']')
        part = part.substr(1, part.size() - 2);
    return part;
}

} // namespace

std::string ConnectionStringValue(const std::string& value) {
    if (value.find_first_of(";{}=") == std::string::npos && (value.empty() || value.front() != ' '))
        return value;
    return Enclosed(value, '{', '}');
}

std::string FreeTdsConnectionString(const FreeTdsSettings& s) {
    return std::string("Driver=") + kFreeTdsDriver + ";Server=" + ConnectionStringValue(s.server) +
           ";Port=" + std::to_string(s.port) + ";Database=" + ConnectionStringValue(s.database) +
           ";UID=" + ConnectionStringValue(s.user) + ";PWD=" + ConnectionStringValue(s.password) +
           ";TDS_Version=7.4;ClientCharset=UTF-8;";
}

OdbcConnection::OdbcConnection(std::string text) : connectionString(std::move(text)) {
    SQLHENV env = SQL_NULL_HENV;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env)))
        throw DbError(0, "The ODBC driver manager could not be started.");
    environment = env;
    SQLHDBC dbc = SQL_NULL_HDBC;
    SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_DBC, env, &dbc))) {
        SQLFreeHandle(SQL_HANDLE_ENV, env);
        throw DbError(0, "The ODBC driver manager could not open a connection.");
    }
    SQLSetConnectAttr(dbc, SQL_ATTR_LOGIN_TIMEOUT, reinterpret_cast<SQLPOINTER>(15), 0);
    const SQLRETURN r =
        SQLDriverConnect(dbc, nullptr, reinterpret_cast<SQLCHAR*>(connectionString.data()),
                         static_cast<SQLSMALLINT>(connectionString.size()), nullptr, 0, nullptr, SQL_DRIVER_NOPROMPT);
    if (!SQL_SUCCEEDED(r)) {
        DbError error = ErrorOf(SQL_HANDLE_DBC, dbc, "The connection was refused.");
        SQLFreeHandle(SQL_HANDLE_DBC, dbc);
        SQLFreeHandle(SQL_HANDLE_ENV, env);
        throw error;
    }
    connection = dbc;
}

OdbcConnection::~OdbcConnection() {
    if (InTransaction())
        SQLEndTran(SQL_HANDLE_DBC, connection, SQL_ROLLBACK);
    SQLDisconnect(connection);
    SQLFreeHandle(SQL_HANDLE_DBC, connection);
    SQLFreeHandle(SQL_HANDLE_ENV, environment);
}

ResultTable OdbcConnection::Send(const std::string& sql, const std::vector<Parameter>& parameters) {
    Statement statement(connection);
    SQLSetStmtAttr(statement.handle, SQL_ATTR_QUERY_TIMEOUT,
                   reinterpret_cast<SQLPOINTER>(static_cast<SQLULEN>(CommandTimeout())), 0);
    std::vector<BoundValue> bound(parameters.size());
    for (std::size_t i = 0; i < parameters.size(); ++i)
        Bind(statement.handle, static_cast<SQLUSMALLINT>(i + 1), parameters[i], bound[i]);
    const SQLRETURN r = SQLExecDirect(statement.handle, reinterpret_cast<SQLCHAR*>(const_cast<char*>(sql.data())),
                                      static_cast<SQLINTEGER>(sql.size()));
    if (r != SQL_NO_DATA)
        Check(r, SQL_HANDLE_STMT, statement.handle, "The statement failed.");
    StatementResults results(statement.handle, r == SQL_NO_DATA);
    return ReadBatch(results);
}

std::vector<std::string> OdbcConnection::PrimaryKeyColumns(const std::string& table) {
    if (auto known = primaryKeys.find(table); known != primaryKeys.end())
        return known->second;
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t dot; (dot = table.find('.', start)) != std::string::npos; start = dot + 1)
        parts.push_back(Unbracketed(table.substr(start, dot - start)));
    parts.push_back(Unbracketed(table.substr(start)));
    TableName name{parts.size() >= 3 ? parts[parts.size() - 3] : std::string(),
                   parts.size() >= 2 ? parts[parts.size() - 2] : std::string(), parts.back()};
    std::vector<std::string> keys;
    try {
        keys = CatalogPrimaryKeys(name);
    } catch (const DbError&) {
        // SQL Server's catalogue procedure answers only for the current database; the others are asked directly.
        if (name.catalog.empty())
            throw;
        keys = SchemaViewPrimaryKeys(name);
    }
    primaryKeys[table] = keys;
    return keys;
}

std::vector<std::string> OdbcConnection::CatalogPrimaryKeys(TableName name) {
    auto text = [](std::string& s) { return s.empty() ? nullptr : reinterpret_cast<SQLCHAR*>(s.data()); };
    auto length = [](const std::string& s) { return static_cast<SQLSMALLINT>(s.size()); };
    Statement statement(connection);
    Check(SQLPrimaryKeys(statement.handle, text(name.catalog), length(name.catalog), text(name.schema),
                         length(name.schema), text(name.table), length(name.table)),
          SQL_HANDLE_STMT, statement.handle, "The primary key could not be read.");
    std::vector<std::pair<int, std::string>> keyed;
    for (SQLRETURN r; (r = SQLFetch(statement.handle)) != SQL_NO_DATA;) {
        Check(r, SQL_HANDLE_STMT, statement.handle, "The primary key could not be read.");
        SQLCHAR column[256] = {};
        SQLSMALLINT sequence = 0;
        SQLLEN indicator = 0;
        SQLGetData(statement.handle, 4, SQL_C_CHAR, column, sizeof column, &indicator);
        SQLGetData(statement.handle, 5, SQL_C_SSHORT, &sequence, sizeof sequence, &indicator);
        keyed.emplace_back(sequence, reinterpret_cast<const char*>(column));
    }
    std::sort(keyed.begin(), keyed.end());
    std::vector<std::string> keys;
    for (auto& entry : keyed)
        keys.push_back(std::move(entry.second));
    return keys;
}

std::vector<std::string> OdbcConnection::SchemaViewPrimaryKeys(const TableName& name) {
    const std::string catalog = SqlIdentifier(name.catalog);
    const ResultTable result =
        Send("SELECT k.COLUMN_NAME FROM " + catalog + ".INFORMATION_SCHEMA.TABLE_CONSTRAINTS AS t JOIN " + catalog +
                 ".INFORMATION_SCHEMA.KEY_COLUMN_USAGE AS k ON k.CONSTRAINT_NAME = t.CONSTRAINT_NAME AND "
                 "k.TABLE_SCHEMA = t.TABLE_SCHEMA WHERE t.CONSTRAINT_TYPE = 'PRIMARY KEY' AND t.TABLE_NAME = " +
                 SqlQuote(name.table) + (name.schema.empty() ? "" : " AND t.TABLE_SCHEMA = " + SqlQuote(name.schema)) +
                 " ORDER BY k.ORDINAL_POSITION",
             {});
    std::vector<std::string> keys;
    for (std::size_t i = 0; i < result.values.size(); ++i)
        keys.push_back(result.values[i].AsString());
    return keys;
}

void OdbcConnection::StartTransaction() {
    Check(SQLSetConnectAttr(connection, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_OFF), 0),
          SQL_HANDLE_DBC, connection, "The transaction could not be started.");
}

void OdbcConnection::EndTransaction(bool commit) {
    Check(SQLEndTran(SQL_HANDLE_DBC, connection, commit ? SQL_COMMIT : SQL_ROLLBACK), SQL_HANDLE_DBC, connection,
          "The transaction could not be ended.");
}

void OdbcConnection::RestoreAutoCommit() {
    Check(SQLSetConnectAttr(connection, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_ON), 0),
          SQL_HANDLE_DBC, connection, "The connection could not return to autocommit.");
}

} // namespace db::odbc
