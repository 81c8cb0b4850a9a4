// The ODBC connection against a real SQL Server through FreeTDS. These run only when WARD_TEST_SQLSERVER holds an
// ODBC connection string (see the README); they use temporary objects and tables of tempdb that they drop.
#include "DbTest.h"
#include "platform/db/Command.h"
#include "platform/db/DbError.h"
#include "platform/db/SqlText.h"
#include "platform/db/odbc/OdbcConnection.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/DateSerialNumber.h"
#include "platform/vb/Decimal.h"
#include "platform/vb/Operators.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <unistd.h>

using namespace db;
using db::odbc::OdbcConnection;

namespace {

class SqlServerTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* text = std::getenv("WARD_TEST_SQLSERVER");
        if (text == nullptr || *text == '\0')
            GTEST_SKIP() << "WARD_TEST_SQLSERVER is not set";
        connectionString = text;
        connection = std::make_unique<OdbcConnection>(connectionString);
    }

    std::string connectionString;
    std::unique_ptr<OdbcConnection> connection;
};

} // namespace

TEST_F(SqlServerTest, ValuesArriveAsTheirOwnTypes) {
    Recordset rs = connection->Execute(
        "SELECT CAST(12.3456 AS money) AS m, CAST(1.5 AS decimal(10,2)) AS d2, CAST(0.1234567 AS decimal(12,7)) AS d7, "
        "CAST(1 AS bit) AS b, CAST('2026-02-15T20:05:09' AS datetime) AS dt, CAST('2026-02-15' AS date) AS d, "
        "CAST(5 AS tinyint) AS ti, CAST(70000 AS int) AS i, CAST(NULL AS varchar(10)) AS n, N'Niño' AS u, "
        "'O''Brien' AS q");
    EXPECT_EQ(rs.Fields("m"), vb::Variant(vb::Currency{123456}));
    EXPECT_EQ(rs.Fields("d2"), vb::Variant(vb::Currency{15000}));
    EXPECT_EQ(rs.Fields("d7"), vb::Variant(*vb::ReadDecimal("0.1234567")));
    EXPECT_EQ(rs.Fields("b"), vb::Variant(true));
    EXPECT_EQ(rs.Fields("dt"), vb::Variant(vb::MakeDate({2026, 2, 15, 20, 5, 9})));
    EXPECT_EQ(rs.Fields("d"), vb::Variant(vb::MakeDate({2026, 2, 15})));
    EXPECT_EQ(rs.Fields("ti"), vb::Variant(std::int16_t(5)));
    EXPECT_EQ(rs.Fields("i"), vb::Variant(std::int32_t(70000)));
    EXPECT_TRUE(rs.Fields("n").IsNull());
    EXPECT_EQ(rs.Fields("u"), vb::Variant("Niño"));
    EXPECT_EQ(rs.Fields("q"), vb::Variant("O'Brien"));
}

TEST_F(SqlServerTest, CountsBeforeTheRowsAreSkippedAndAUseIsNoError) {
    Recordset rs = connection->Execute("SET NOCOUNT OFF; CREATE TABLE #c (a int); INSERT INTO #c VALUES (1), (2); "
                                       "SELECT a FROM #c ORDER BY a; DROP TABLE #c");
    ASSERT_EQ(rs.State(), ObjectState::Open);
    EXPECT_EQ(rs.RecordCount(), 2);
    EXPECT_NO_THROW(connection->Execute("USE tempdb"));
}

TEST_F(SqlServerTest, ReportsTheServersMessageAndNumber) {
    try {
        connection->Execute("SELECT * FROM ward_no_such_table");
        FAIL();
    } catch (const DbError& error) {
        EXPECT_EQ(error.Number(), 208);
        EXPECT_EQ(error.Description(), "Invalid object name 'ward_no_such_table'.");
    }
    try {
        connection->Execute("SELECT 1; RAISERROR('Second statement failed.', 16, 1)");
        FAIL() << "an error after the rows was lost";
    } catch (const DbError& error) {
        EXPECT_EQ(error.Description(), "Second statement failed.");
    }
}

TEST_F(SqlServerTest, QuotedTextsAreStoredAsTyped) {
    const std::string texts[] = {"C:\\Notes\\\nnext", "C:\\Notes\\\r\nnext", "a\\\\\nb", "O'Brien\\", "line\nbreak"};
    connection->Execute("CREATE TABLE #WardNotes (ID int, Note varchar(100))");
    for (std::size_t i = 0; i < std::size(texts); ++i)
        connection->Execute("INSERT INTO #WardNotes VALUES (" + std::to_string(i) + ", " + SqlQuote(texts[i]) + ")");
    Recordset rs = connection->Execute("SELECT Note FROM #WardNotes ORDER BY ID");
    for (const std::string& text : texts) {
        ASSERT_FALSE(rs.Eof());
        EXPECT_EQ(rs.Fields("Note"), vb::Variant(text));
        rs.MoveNext();
    }
}

TEST_F(SqlServerTest, ABareTableNameIsReadWithASelect) {
    connection->Execute("CREATE TABLE #WardExams (ExamID varchar(5)); INSERT INTO #WardExams VALUES ('L1')");
    Recordset rs = connection->Open("#WardExams", CursorType::Dynamic, LockType::ReadOnly);
    EXPECT_EQ(rs.Fields("ExamID"), vb::Variant("L1"));
}

TEST_F(SqlServerTest, ACommandCallsAProcedureWithTypedParameters) {
    connection->Execute("CREATE PROCEDURE #WardEcho @s varchar(10), @f float, @m money, @i int, @d datetime AS "
                        "SELECT @s AS s, @f AS f, @m AS m, @i AS i, @d AS d");
    Command command(*connection, "#WardEcho");
    command.AppendParameter("@s", DataType::VarChar, 10, vb::Variant("A'B"));
    command.AppendParameter("@f", DataType::Double, 0, vb::Variant(1.5));
    command.AppendParameter("@m", DataType::Currency, 0, vb::Variant(vb::Currency{-123450}));
    command.AppendParameter("@i", DataType::Integer, 0, vb::Variant(std::int32_t(7)));
    command.AppendParameter("@d", DataType::Date, 0, vb::Variant(vb::MakeDate({2026, 2, 15, 8, 5, 9})));
    Recordset rs = command.Execute();
    EXPECT_EQ(rs.Fields("s"), vb::Variant("A'B"));
    EXPECT_EQ(rs.Fields("f"), vb::Variant(1.5));
    EXPECT_EQ(rs.Fields("m"), vb::Variant(vb::Currency{-123450}));
    EXPECT_EQ(rs.Fields("i"), vb::Variant(std::int32_t(7)));
    EXPECT_EQ(rs.Fields("d"), vb::Variant(vb::MakeDate({2026, 2, 15, 8, 5, 9})));
}

TEST_F(SqlServerTest, ARolledBackTransactionLeavesNothing) {
    connection->Execute("CREATE TABLE #t (a int)");
    {
        TransactionGuard transaction(*connection);
        connection->Execute("INSERT INTO #t VALUES (1)");
    }
    EXPECT_EQ(connection->Execute("SELECT COUNT(*) AS n FROM #t").Fields("n"), vb::Variant(std::int32_t(0)));
}

TEST_F(SqlServerTest, AnOptimisticUpdateLosesToAnotherStation) {
    const std::string table = "##WardCounter" + std::to_string(::getpid());
    connection->Execute("CREATE TABLE " + table + " (ID int PRIMARY KEY, ChargeSlip int); INSERT INTO " + table +
                        " VALUES (1, 123)");
    OdbcConnection other(connectionString);
    Recordset mine = connection->Open("Select * from " + table, CursorType::Dynamic, LockType::Optimistic);
    Recordset theirs = other.Open("Select * from " + table, CursorType::Dynamic, LockType::Optimistic);
    theirs.SetField("ChargeSlip", vb::Variant(std::int32_t(124)));
    theirs.Update();
    mine.SetField("ChargeSlip", vb::Variant(std::int32_t(124)));
    EXPECT_THROW(mine.Update(), DbError);
    connection->Execute("USE master");
    EXPECT_EQ(connection->PrimaryKeyColumns("tempdb.." + table), std::vector<std::string>{"ID"});
    connection->Execute("DROP TABLE " + table);
}

TEST_F(SqlServerTest, WideNumbersKeepEveryDigitAndMoneyStaysCurrency) {
    Recordset rs = connection->Execute(
        "SELECT CAST(123456789012345678 AS bigint) AS big, CAST(12345678901234567.89 AS decimal(19,2)) AS wide, "
        "CAST(-922337203685477.5808 AS money) AS lowest, CAST(12.5 AS smallmoney) AS small, "
        "CAST(1234.5 AS numeric(15,4)) AS narrow");
    EXPECT_EQ(vb::CStr(rs.Fields("big")), "123456789012345678");
    EXPECT_EQ(vb::CStr(rs.Fields("wide")), "12345678901234567.89");
    EXPECT_EQ(rs.Fields("lowest"), vb::Variant(vb::Currency{INT64_MIN}));
    EXPECT_EQ(rs.Fields("small"), vb::Variant(vb::Currency{125000}));
    EXPECT_EQ(rs.Fields("narrow"), vb::Variant(vb::Currency{12345000}));
}

TEST_F(SqlServerTest, EveryColumnTypeReadCanBeUpdated) {
    const std::string table = "##WardTypes" + std::to_string(::getpid());
    connection->Execute("CREATE TABLE " + table +
                        " (ID int PRIMARY KEY, R real, F float, I int, S smallint, B bit, M money, D decimal(10,2), "
                        "T datetime, V varchar(20), G bigint, W decimal(20,6)); INSERT INTO " +
                        table +
                        " VALUES (1, 1.1, 2.2, 70000, 12, 1, 12.34, 5.5, '2026-02-15T08:00:00', 'before', "
                        "123456789012345678, 12345678901234.123456)");
    ExpectEachColumnUpdated(*connection, table,
                            {
                                {"R", vb::Variant(0.3f)},
                                {"F", vb::Variant(0.1)},
                                {"I", vb::Variant(std::int32_t(-70001))},
                                {"S", vb::Variant(std::int16_t(-3))},
                                {"B", vb::Variant(false)},
                                {"M", vb::Variant(vb::Currency{999999})},
                                {"D", vb::Variant(vb::Currency{-72500})},
                                {"T", vb::Variant(vb::MakeDate({2026, 2, 16, 20, 30, 0}))},
                                {"V", vb::Variant("O'Brien")},
                                {"G", vb::Variant(*vb::ReadDecimal("-123456789012345679"))},
                                {"W", vb::Variant(*vb::ReadDecimal("-98765432109876.654321"))},
                            });
    connection->Execute("DROP TABLE " + table);
}

TEST_F(SqlServerTest, AKeylessTableWithATextColumnIsUpdatedByItsOtherValues) {
    const std::string table = "##WardSlip" + std::to_string(::getpid());
    connection->Execute("CREATE TABLE " + table + " (Status varchar(10), Slip int, Note text); INSERT INTO " + table +
                        " VALUES ('open', 1, 'a'), ('open', 2, 'b'), ('open', 3, 'c')");
    Recordset rs =
        connection->Open("select * from " + table + " where Slip = 2", CursorType::Dynamic, LockType::Optimistic);
    rs.SetField("Status", vb::Variant("closed"));
    rs.Update();
    rs.Close();
    EXPECT_EQ(connection->Execute("SELECT COUNT(*) AS n FROM " + table + " WHERE Status = 'open'").Fields("n"),
              vb::Variant(std::int32_t(2)));
    connection->Execute("DROP TABLE " + table);
}

TEST_F(SqlServerTest, AnAuditTriggersCountDoesNotHideALostUpdate) {
    // Triggers cannot sit on temporary tables: a table of tempdb's own, dropped at the end.
    const std::string name = "WardAudited" + std::to_string(::getpid());
    connection->Execute("USE tempdb");
    connection->Execute("CREATE TABLE dbo." + name + " (ID int PRIMARY KEY, ChargeSlip int); CREATE TABLE dbo." + name +
                        "Log (ID int); INSERT INTO dbo." + name + " VALUES (1, 123)");
    connection->Execute("CREATE TRIGGER dbo." + name + "Audit ON dbo." + name + " AFTER UPDATE AS INSERT INTO dbo." +
                        name + "Log SELECT ID FROM inserted");
    OdbcConnection other(connectionString);
    other.Execute("USE tempdb");
    Recordset mine = connection->Open("Select * from dbo." + name, CursorType::Dynamic, LockType::Optimistic);
    Recordset theirs = other.Open("Select * from dbo." + name, CursorType::Dynamic, LockType::Optimistic);
    theirs.SetField("ChargeSlip", vb::Variant(std::int32_t(124)));
    theirs.Update();
    mine.SetField("ChargeSlip", vb::Variant(std::int32_t(124)));
    try {
        mine.Update();
        ADD_FAILURE() << "both stations took the same number";
    } catch (const DbError& error) {
        EXPECT_EQ(error.Number(), dbErrRowNotFoundForUpdate);
    }
    mine.Close();
    connection->Execute("DROP TABLE dbo." + name + "; DROP TABLE dbo." + name + "Log");
}

TEST(FreeTds, TheConnectionStringNamesTheDriverFileProtocolAndCharset) {
    EXPECT_EQ(odbc::FreeTdsConnectionString({"10.0.0.5", 1433, "STATION", "nurse", "p;w}d"}),
              "Driver=/usr/lib/x86_64-linux-gnu/odbc/libtdsodbc.so;Server=10.0.0.5;Port=1433;Database=STATION;"
              "UID=nurse;PWD={p;w}}d};TDS_Version=7.4;ClientCharset=UTF-8;");
}

TEST(FreeTds, AServerThatDoesNotAnswerIsAnErrorWithTheDriversText) {
    try {
        OdbcConnection refused(odbc::FreeTdsConnectionString({"127.0.0.1", 1, "STATION", "nurse", "x"}));
        FAIL();
    } catch (const DbError& error) {
        EXPECT_EQ(error.Description(), "Unable to connect: Adaptive Server is unavailable or does not exist");
    }
}
