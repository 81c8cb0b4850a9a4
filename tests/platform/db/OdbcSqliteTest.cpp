// The ODBC connection against a real driver: the SQLite ODBC driver on a database file made for each test.
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

#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>

using namespace db;
using db::odbc::OdbcConnection;

namespace {

class OdbcSqliteTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        file = std::filesystem::temp_directory_path() /
               ("ward-odbc-" + std::to_string(::getpid()) + "-" + test->name() + ".db");
        std::filesystem::remove(file);
        connection = Connect();
        connection->Execute("CREATE TABLE tbCounter (ID integer PRIMARY KEY, ChargeSlip integer, Remark varchar(20))");
        connection->Execute("INSERT INTO tbCounter VALUES (1, 123, NULL)");
    }
    void TearDown() override {
        connection.reset();
        std::filesystem::remove(file);
    }
    std::unique_ptr<OdbcConnection> Connect() const {
        return std::make_unique<OdbcConnection>(std::string("Driver=") + WARD_SQLITE_ODBC_DRIVER +
                                                ";Database=" + file.string() + ";Timeout=2000;");
    }
    long Count(const std::string& from) {
        Recordset rs =
            connection->Open("select count(*) AS n from " + from, CursorType::ForwardOnly, LockType::ReadOnly);
        return rs.Fields("n").AsLong();
    }

    std::filesystem::path file;
    std::unique_ptr<OdbcConnection> connection;
};

} // namespace

TEST_F(OdbcSqliteTest, ReadsTextNumbersNullsAndDatesAsTheirTypes) {
    connection->Execute("CREATE TABLE tbPatient (Name varchar(40), Age smallint, Visits integer, Weight float, "
                        "Admitted datetime, Born date, Active bit, Note text)");
    connection->Execute("INSERT INTO tbPatient VALUES (" + SqlQuote("O'Brien, Ann") +
                        ", 41, 70000, 61.5, '2026-02-15 20:05:09', '1985-06-01', 1, NULL)");
    Recordset rs = connection->Open("select * from tbPatient", CursorType::ForwardOnly, LockType::ReadOnly);
    EXPECT_EQ(rs.Fields("NAME"), vb::Variant("O'Brien, Ann"));
    EXPECT_EQ(rs.Fields("Age"), vb::Variant(std::int16_t(41)));
    EXPECT_EQ(rs.Fields("Visits"), vb::Variant(std::int32_t(70000)));
    EXPECT_EQ(rs.Fields("Weight"), vb::Variant(61.5));
    EXPECT_EQ(rs.Fields("Admitted"), vb::Variant(vb::MakeDate({2026, 2, 15, 20, 5, 9})));
    EXPECT_EQ(rs.Fields("Born"), vb::Variant(vb::MakeDate({1985, 6, 1})));
    EXPECT_EQ(rs.Fields("Active"), vb::Variant(true));
    EXPECT_TRUE(rs.Fields("Note").IsNull());
    EXPECT_EQ(rs.RecordCount(), 1);
}

TEST_F(OdbcSqliteTest, ReadsLongTextWhole) {
    const std::string note(5000, 'x');
    connection->Execute("CREATE TABLE tbNote (Note text)");
    connection->Execute("INSERT INTO tbNote VALUES (" + SqlQuote(note + "'end") + ")");
    Recordset rs = connection->Execute("select Note from tbNote");
    EXPECT_EQ(rs.Fields(0), vb::Variant(note + "'end"));
}

TEST_F(OdbcSqliteTest, ExecuteGivesRowsWhenThereAreAndTheCountOtherwise) {
    long affected = -1;
    Recordset written = connection->Execute("UPDATE tbCounter SET Remark = 'x'", affected);
    EXPECT_EQ(written.State(), ObjectState::Closed);
    EXPECT_EQ(affected, 1);
    connection->Execute("UPDATE tbCounter SET Remark = 'y' WHERE ID = 99", affected);
    EXPECT_EQ(affected, 0);
    Recordset read = connection->Execute("select ChargeSlip, Remark from tbCounter");
    EXPECT_EQ(read.State(), ObjectState::Open);
    EXPECT_EQ(read.Fields("Remark"), vb::Variant("x"));
}

TEST_F(OdbcSqliteTest, TransactionsCommitAndRollBack) {
    {
        TransactionGuard transaction(*connection);
        connection->Execute("INSERT INTO tbCounter VALUES (2, 1, 'kept')");
        transaction.Commit();
    }
    try {
        TransactionGuard transaction(*connection);
        connection->Execute("INSERT INTO tbCounter VALUES (3, 1, 'lost')");
        connection->Execute("INSERT INTO tbCounter VALUES (2, 1, 'duplicate key')");
        transaction.Commit();
        FAIL() << "the duplicate key was accepted";
    } catch (const DbError&) {
    }
    EXPECT_FALSE(connection->InTransaction());
    EXPECT_EQ(Count("tbCounter"), 2);
    connection->BeginTrans();
    connection->Execute("DELETE FROM tbCounter");
    connection->RollbackTrans();
    EXPECT_EQ(Count("tbCounter"), 2);
}

TEST_F(OdbcSqliteTest, AnOptimisticUpdateWinsOnceAndLosesToAnotherStation) {
    EXPECT_EQ(connection->PrimaryKeyColumns("tbCounter"), std::vector<std::string>{"ID"});
    Recordset mine = connection->Open("Select * from tbCounter ", CursorType::Dynamic, LockType::Optimistic);
    std::unique_ptr<OdbcConnection> other = Connect();
    Recordset theirs = other->Open("Select * from tbCounter ", CursorType::Dynamic, LockType::Optimistic);

    theirs.SetField("ChargeSlip", vb::Variant(std::int32_t(124)));
    theirs.Update();
    mine.SetField("ChargeSlip", vb::Variant(std::int32_t(124)));
    try {
        mine.Update();
        FAIL() << "both stations took the same number";
    } catch (const DbError& error) {
        EXPECT_EQ(error.Number(), dbErrRowNotFoundForUpdate);
    }
    EXPECT_EQ(mine.Fields("ChargeSlip"), vb::Variant(std::int32_t(123)));
    mine.Close();
    Recordset now = connection->Execute("select ChargeSlip from tbCounter");
    EXPECT_EQ(now.Fields(0), vb::Variant(std::int32_t(124)));
}

TEST_F(OdbcSqliteTest, AnUpdateMatchesANullOriginal) {
    Recordset rs = connection->Open("select * from tbCounter where ID = 1", CursorType::Dynamic, LockType::Optimistic);
    rs.SetField("Remark", vb::Variant("first"));
    rs.Update();
    rs.Close();
    EXPECT_EQ(connection->Execute("select Remark from tbCounter").Fields(0), vb::Variant("first"));
}

TEST_F(OdbcSqliteTest, ACommandBindsEachTypeByPosition) {
    connection->Execute("CREATE TABLE tbLine (Description varchar(90), Quantity float, Amount decimal(19,4), "
                        "Issued integer, Posted datetime, Remark varchar(10))");
    Command command(*connection, "INSERT INTO tbLine VALUES (?,?,?,?,?,?)", CommandType::Text);
    command.AppendParameter("@strDescription", DataType::VarChar, 90, vb::Variant("CHILDREN'S SYRUP"));
    command.AppendParameter("@intQuantity", DataType::Double, 0, vb::Variant(2.5));
    command.AppendParameter("@monQuantity", DataType::Currency, 0, vb::Variant(vb::Currency{-1234500}));
    command.AppendParameter("@intQtyIssued", DataType::Integer, 0, vb::Variant(std::int16_t(7)));
    command.AppendParameter("@dtmPosted", DataType::Date, 0, vb::Variant(vb::MakeDate({2026, 2, 15, 8, 5, 9})));
    command.AppendParameter("@strRemark", DataType::VarChar, 10, vb::Variant::Null());
    command.Execute();
    Recordset rs = connection->Execute("select * from tbLine");
    EXPECT_EQ(rs.Fields("Description"), vb::Variant("CHILDREN'S SYRUP"));
    EXPECT_EQ(rs.Fields("Quantity"), vb::Variant(2.5));
    EXPECT_EQ(rs.Fields("Amount"), vb::Variant("-123.45")); // this driver reports decimal columns as text
    EXPECT_EQ(rs.Fields("Issued"), vb::Variant(std::int32_t(7)));
    EXPECT_EQ(rs.Fields("Posted"), vb::Variant(vb::MakeDate({2026, 2, 15, 8, 5, 9})));
    EXPECT_TRUE(rs.Fields("Remark").IsNull());
}

TEST_F(OdbcSqliteTest, ReportsTheServersMessageWithoutTheDriverPrefix) {
    try {
        connection->Execute("selec 1");
        FAIL();
    } catch (const DbError& error) {
        EXPECT_EQ(error.Description(), "near \"selec\": syntax error");
        EXPECT_EQ(error.Number(), 1);
    }
    EXPECT_EQ(Count("tbCounter"), 1); // the connection stays usable
}

TEST_F(OdbcSqliteTest, ARefusedConnectionIsAnError) {
    const std::string missingFolder = "/nonexistent-ward-folder/x.db";
    EXPECT_THROW(OdbcConnection(std::string("Driver=") + WARD_SQLITE_ODBC_DRIVER + ";Database=" + missingFolder + ";"),
                 DbError);
    try {
        OdbcConnection("Driver=/nonexistent/libnothing.so;Server=x;");
        FAIL();
    } catch (const DbError& error) {
        EXPECT_FALSE(error.Description().empty());
    }
}

TEST_F(OdbcSqliteTest, AnUpdateMatchesADateOriginal) {
    connection->Execute("CREATE TABLE tbShift (ID integer PRIMARY KEY, Started datetime)");
    // This driver keeps dates as text and writes bound ones with milliseconds; the row is written the same way so
    // that the comparison in the WHERE is about the value, not the driver's text form.
    Command insert(*connection, "INSERT INTO tbShift VALUES (1, ?)", CommandType::Text);
    insert.AppendParameter("@dtmStarted", DataType::Date, 0, vb::Variant(vb::MakeDate({2026, 2, 15, 8, 0, 0})));
    insert.Execute();
    Recordset rs = connection->Open("select * from tbShift", CursorType::Dynamic, LockType::Optimistic);
    rs.SetField("Started", vb::Variant(vb::MakeDate({2026, 2, 15, 20, 0, 0})));
    rs.Update();
    rs.Close();
    EXPECT_EQ(connection->Execute("select Started from tbShift").Fields(0),
              vb::Variant(vb::MakeDate({2026, 2, 15, 20, 0, 0})));
}

TEST_F(OdbcSqliteTest, AnUpdateWithoutTheKeyIsRefusedBeforeAnythingIsSent) {
    connection->Execute("CREATE TABLE tbOrder (ID integer PRIMARY KEY, Status varchar(10))");
    connection->Execute("INSERT INTO tbOrder VALUES (1, 'open'), (2, 'open'), (3, 'open')");
    Recordset rs =
        connection->Open("select Status from tbOrder where ID = 2", CursorType::Dynamic, LockType::Optimistic);
    rs.SetField("Status", vb::Variant("closed"));
    try {
        rs.Update();
        FAIL() << "updated without knowing the row's key";
    } catch (const DbError& error) {
        EXPECT_EQ(error.Number(), dbErrKeyInformation);
        EXPECT_EQ(error.Description(), "Insufficient key column information for updating or refreshing.");
    }
    EXPECT_EQ(rs.Fields("Status"), vb::Variant("open"));
    rs.Close();
    EXPECT_EQ(Count("tbOrder where Status = 'open'"), 3);
}

TEST_F(OdbcSqliteTest, AnUpdateOnATableWithoutAKeyFindsTheRowByEveryValue) {
    connection->Execute("CREATE TABLE tbSlip (Status varchar(10), Slip integer, Note text)");
    connection->Execute("INSERT INTO tbSlip VALUES ('open', 1, 'a'), ('open', 2, 'b'), ('open', 3, 'c')");
    Recordset rs = connection->Open("select * from tbSlip where Slip = 2", CursorType::Dynamic, LockType::Optimistic);
    rs.SetField("Status", vb::Variant("closed"));
    rs.Update();
    rs.Close();
    EXPECT_EQ(Count("tbSlip where Status = 'open'"), 2);
    EXPECT_EQ(Count("tbSlip where Status = 'closed' and Slip = 2"), 1);
}

TEST_F(OdbcSqliteTest, AnUpdateThatWouldChangeSeveralRowsChangesNone) {
    connection->Execute("CREATE TABLE tbSlip (Status varchar(10), Slip integer)");
    connection->Execute("INSERT INTO tbSlip VALUES ('open', 1), ('open', 1), ('open', 1)");
    // On its own, the UPDATE runs in a transaction of its own and is rolled back.
    Recordset alone = connection->Open("select * from tbSlip", CursorType::Dynamic, LockType::Optimistic);
    alone.SetField("Status", vb::Variant("closed"));
    EXPECT_EQ(ErrorNumberOf([&] { alone.Update(); }), dbErrKeyInformation);
    EXPECT_EQ(alone.Fields("Status"), vb::Variant("open"));
    alone.Close();
    EXPECT_FALSE(connection->InTransaction());
    EXPECT_EQ(Count("tbSlip where Status = 'open'"), 3);

    // Inside a save's transaction it raises, and the save's guard rolls back.
    try {
        TransactionGuard transaction(*connection);
        Recordset rs = connection->Open("select * from tbSlip", CursorType::Dynamic, LockType::Optimistic);
        rs.SetField("Slip", vb::Variant(std::int32_t(2)));
        rs.Update();
        transaction.Commit();
        FAIL() << "three rows changed";
    } catch (const DbError& error) {
        EXPECT_EQ(error.Description(),
                  "Key column information is insufficient or incorrect. Too many rows were affected by update.");
    }
    EXPECT_EQ(Count("tbSlip where Slip = 1"), 3);
}

TEST_F(OdbcSqliteTest, AFailedCommitIsRolledBackAndLaterWritesAreKept) {
    connection->Execute("PRAGMA foreign_keys = ON");
    connection->Execute("CREATE TABLE tbWard (ID integer PRIMARY KEY)");
    connection->Execute("CREATE TABLE tbBed (ID integer, Ward integer REFERENCES tbWard(ID) DEFERRABLE INITIALLY "
                        "DEFERRED)");
    try {
        TransactionGuard transaction(*connection);
        connection->Execute("INSERT INTO tbBed VALUES (1, 99)"); // no ward 99: refused only at the commit
        transaction.Commit();
        FAIL() << "the orphan row was committed";
    } catch (const DbError&) {
    }
    EXPECT_FALSE(connection->InTransaction());
    EXPECT_FALSE(connection->Broken());
    long affected = 0;
    connection->Execute("INSERT INTO tbCounter VALUES (2, 1, 'after')", affected);
    EXPECT_EQ(affected, 1);
    connection = Connect();
    EXPECT_EQ(Count("tbCounter"), 2);
    EXPECT_EQ(Count("tbBed"), 0);
}

TEST_F(OdbcSqliteTest, EveryColumnTypeReadCanBeUpdated) {
    connection->Execute("CREATE TABLE tbTypes (ID integer PRIMARY KEY, R real, F float, I int, S smallint, B bit, "
                        "M money, D decimal(10,2), T datetime, V varchar(20), G bigint)");
    connection->Execute("INSERT INTO tbTypes VALUES (1, 1.5, 2.25, 70000, 12, 1, 12.34, 5.5, NULL, 'before', "
                        "123456789012345678)");
    // Dates written as this driver writes bound ones, which it then compares as text.
    Command setDate(*connection, "UPDATE tbTypes SET T = ?", CommandType::Text);
    setDate.AppendParameter("@dtm", DataType::Date, 0, vb::Variant(vb::MakeDate({2026, 2, 15, 8, 0, 0})));
    setDate.Execute();
    // Values a Single holds exactly: this driver keeps a real as a double, so 0.1f would not read back equal.
    ExpectEachColumnUpdated(*connection, "tbTypes",
                            {
                                {"R", vb::Variant(2.5f)},
                                {"F", vb::Variant(0.1)},
                                {"I", vb::Variant(std::int32_t(-70001))},
                                {"S", vb::Variant(std::int16_t(-3))},
                                {"B", vb::Variant(false)},
                                {"M", vb::Variant("99.99")},
                                {"D", vb::Variant("-7.25")},
                                {"T", vb::Variant(vb::MakeDate({2026, 2, 16, 20, 30, 0}))},
                                {"V", vb::Variant("O'Brien")},
                                {"G", vb::Variant(*vb::ReadDecimal("-123456789012345679"))},
                            });
}

TEST_F(OdbcSqliteTest, ABigintKeepsEveryDigit) {
    connection->Execute("CREATE TABLE tbBig (Serial bigint)");
    connection->Execute("INSERT INTO tbBig VALUES (123456789012345678)");
    Recordset rs = connection->Open("select Serial from tbBig", CursorType::Dynamic, LockType::Optimistic);
    EXPECT_EQ(rs.Fields(0).Type(), vb::VarType::Decimal);
    EXPECT_EQ(vb::CStr(rs.Fields(0)), "123456789012345678");
    EXPECT_EQ(SqlLiteral(rs.Fields(0)), "123456789012345678");
    rs.SetField("Serial", vb::Variant(*vb::ReadDecimal("123456789012345679")));
    rs.Update(); // found by its original, every digit of it
    rs.Close();
    EXPECT_EQ(vb::CStr(connection->Execute("select Serial from tbBig").Fields(0)), "123456789012345679");
}
