// Reading 100,000 rows of 10 columns through a Recordset, against a plain SQLFetch/SQLGetData loop that reads the
// same values with the same C types from the same driver and query.
#include "platform/db/odbc/OdbcConnection.h"

#include <benchmark/benchmark.h>
#include <sql.h>
#include <sqlext.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

constexpr const char* kQuery = "select * from tbBench";
constexpr int kRows = 100000;

std::string ConnectionString() {
    static const std::filesystem::path file = [] {
        std::filesystem::path path =
            std::filesystem::temp_directory_path() / ("ward-bench-" + std::to_string(::getpid()) + ".db");
        std::filesystem::remove(path);
        db::odbc::OdbcConnection connection(std::string("Driver=") + WARD_SQLITE_ODBC_DRIVER +
                                            ";Database=" + path.string() + ";");
        connection.Execute("CREATE TABLE tbBench (ID integer, IdNum varchar(10), ItemID varchar(10), "
                           "Description varchar(60), Quantity float, Amount float, Issued integer, "
                           "TransDate datetime, Station varchar(5), Status smallint)");
        connection.Execute("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
                           std::to_string(kRows) +
                           ") INSERT INTO tbBench SELECT i, printf('%010d', i), printf('IT%06d', i % 5000), "
                           "'PARACETAMOL 500 MG TABLET ' || (i % 97), i * 0.5, i * 1.25, i % 7, "
                           "'2026-02-15 08:05:09', 'SIC', i % 3 FROM n");
        return path;
    }();
    return std::string("Driver=") + WARD_SQLITE_ODBC_DRIVER + ";Database=" + file.string() + ";";
}

void ThroughRecordset(benchmark::State& state) {
    db::odbc::OdbcConnection connection(ConnectionString());
    for (auto _ : state) {
        db::Recordset rs = connection.Open(kQuery, db::CursorType::ForwardOnly, db::LockType::ReadOnly);
        benchmark::DoNotOptimize(rs.RecordCount());
        rs.Close();
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

void PlainFetchLoop(benchmark::State& state) {
    SQLHENV env;
    SQLHDBC dbc;
    SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env);
    SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    SQLAllocHandle(SQL_HANDLE_DBC, env, &dbc);
    std::string text = ConnectionString();
    SQLDriverConnect(dbc, nullptr, reinterpret_cast<SQLCHAR*>(text.data()), SQL_NTS, nullptr, 0, nullptr,
                     SQL_DRIVER_NOPROMPT);
    const SQLSMALLINT types[10] = {SQL_C_SLONG,  SQL_C_CHAR,  SQL_C_CHAR,           SQL_C_CHAR, SQL_C_DOUBLE,
                                   SQL_C_DOUBLE, SQL_C_SLONG, SQL_C_TYPE_TIMESTAMP, SQL_C_CHAR, SQL_C_SSHORT};
    for (auto _ : state) {
        SQLHSTMT stmt;
        SQLAllocHandle(SQL_HANDLE_STMT, dbc, &stmt);
        SQLExecDirect(stmt, reinterpret_cast<SQLCHAR*>(const_cast<char*>(kQuery)), SQL_NTS);
        long rows = 0;
        char buffer[512];
        SQLLEN indicator;
        while (SQL_SUCCEEDED(SQLFetch(stmt))) {
            for (SQLUSMALLINT column = 1; column <= 10; ++column)
                SQLGetData(stmt, column, types[column - 1], buffer, sizeof buffer, &indicator);
            benchmark::DoNotOptimize(buffer);
            ++rows;
        }
        SQLFreeHandle(SQL_HANDLE_STMT, stmt);
        benchmark::DoNotOptimize(rows);
    }
    state.SetItemsProcessed(state.iterations() * kRows);
    SQLDisconnect(dbc);
    SQLFreeHandle(SQL_HANDLE_DBC, dbc);
    SQLFreeHandle(SQL_HANDLE_ENV, env);
}

} // namespace

BENCHMARK(PlainFetchLoop)->Unit(benchmark::kMillisecond);
BENCHMARK(ThroughRecordset)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
