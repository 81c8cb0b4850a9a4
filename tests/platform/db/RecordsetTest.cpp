#include "DbTest.h"
#include "platform/db/Command.h"
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/vb/Decimal.h"
#include "testkit/ScriptedServer.h"

#include <gtest/gtest.h>

using namespace db;
using testkit::ScriptedServer;

namespace {

class RecordsetTest : public ::testing::Test {
protected:
    ScriptedServer server;
};

} // namespace

TEST_F(RecordsetTest, WalksRowsAndKeepsNullAndTypes) {
    server.On("select * from r")
        .Returns({"ID", "Request Date/Time", "Amount"},
                 {{vb::Variant("A"), vb::Variant(vb::Date{46068.5}), vb::Variant::Null()},
                  {vb::Variant("B"), vb::Variant::Null(), vb::Variant(vb::Currency{5})}});
    Recordset rs = server.Open("select * from r", CursorType::ForwardOnly, LockType::ReadOnly);
    EXPECT_EQ(rs.State(), ObjectState::Open);
    EXPECT_EQ(rs.RecordCount(), 2);
    EXPECT_FALSE(rs.Bof());
    EXPECT_EQ(rs.AbsolutePosition(), 1);
    EXPECT_EQ(rs.Fields("request date/time"), vb::Variant(vb::Date{46068.5}));
    EXPECT_TRUE(rs.Fields("AMOUNT").IsNull());
    EXPECT_EQ(rs.Fields(0), vb::Variant("A"));
    rs.MoveNext();
    EXPECT_EQ(rs.AbsolutePosition(), 2);
    EXPECT_EQ(rs.Fields(2), vb::Variant(vb::Currency{5}));
    rs.MoveNext();
    EXPECT_TRUE(rs.Eof());
    EXPECT_EQ(rs.AbsolutePosition(), adPosEOF);
    rs.MoveFirst();
    EXPECT_EQ(rs.Fields("id"), vb::Variant("A"));
    EXPECT_EQ(rs.FieldNames(), (std::vector<std::string>{"ID", "Request Date/Time", "Amount"}));
}

TEST_F(RecordsetTest, RaisesTheOriginalErrorsWithoutACurrentRowOrField) {
    server.On("select a from empty").Returns({"a"}, {});
    server.On("select a from one").Returns({"a"}, {{vb::Variant(std::int32_t(1))}});
    Recordset empty = server.Open("select a from empty", CursorType::ForwardOnly, LockType::ReadOnly);
    EXPECT_TRUE(empty.Bof());
    EXPECT_TRUE(empty.Eof());
    Recordset one = server.Open("select a from one", CursorType::ForwardOnly, LockType::ReadOnly);
    Recordset closed;

    struct Case {
        const char* name;
        std::function<void()> action;
        int number;
    };
    const Case cases[] = {
        {"field at EOF", [&] { empty.Fields("a"); }, 3021},
        {"MoveNext at EOF", [&] { empty.MoveNext(); }, 3021},
        {"MoveFirst on no rows", [&] { empty.MoveFirst(); }, 3021},
        {"unknown name", [&] { one.Fields("b"); }, 3265},
        {"unknown name at EOF", [&] { empty.Fields("b"); }, 3265},
        {"index out of range", [&] { one.Fields(1); }, 3265},
        {"closed recordset", [&] { closed.Eof(); }, 3704},
        {"open twice", [&] { one.Open("select a from one", server); }, 3705},
        {"assign on read-only", [&] { one.SetField("a", vb::Variant(std::int32_t(2))); }, 3251},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ErrorNumberOf(c.action), c.number) << c.name;

    try {
        empty.Fields("a");
    } catch (const DbError& error) {
        EXPECT_EQ(error.Description(), "Either BOF or EOF is True, or the current record has been deleted. "
                                       "Requested operation requires a current record.");
    }
    try {
        one.Fields("b");
    } catch (const DbError& error) {
        EXPECT_EQ(error.Description(),
                  "Item cannot be found in the collection corresponding to the requested name or ordinal.");
    }
}

TEST_F(RecordsetTest, ARecordsetOpensOnTheConnectionAndKeepsItsCursorLocation) {
    server.On("Select IdNum from INVENTORY..tbInvStockCard Where CreditMemoNum = 'CM1'")
        .Returns({"IdNum"}, {{vb::Variant("A1")}, {vb::Variant("A2")}});
    Recordset rs;
    EXPECT_EQ(rs.State(), ObjectState::Closed);
    rs.SetCursorLocation(CursorLocation::Client);
    rs.Open("Select IdNum from INVENTORY..tbInvStockCard Where CreditMemoNum = 'CM1'", server, CursorType::Dynamic,
            LockType::ReadOnly);
    EXPECT_EQ(rs.CursorLocation(), CursorLocation::Client);
    EXPECT_EQ(rs.Cursor(), CursorType::Dynamic);
    EXPECT_EQ(rs.RecordCount(), 2);
    rs.Close();
    EXPECT_EQ(rs.State(), ObjectState::Closed);
}

TEST_F(RecordsetTest, ExecuteGivesAnOpenResultOnlyForRowsAndTheCountOtherwise) {
    server.On("DELETE STATION..tbX WHERE a = '1'").Affects(3);
    server.On("STATION..sp_Get 'a'").Returns({"n"}, {{vb::Variant(std::int32_t(4))}});
    long affected = 0;
    Recordset written = server.Execute("DELETE STATION..tbX WHERE a = '1'", affected);
    EXPECT_EQ(written.State(), ObjectState::Closed);
    EXPECT_EQ(affected, 3);
    Recordset read = server.Execute("STATION..sp_Get 'a'");
    EXPECT_EQ(read.State(), ObjectState::Open);
    EXPECT_EQ(read.Fields("n"), vb::Variant(std::int32_t(4)));
    EXPECT_EQ(ErrorNumberOf([&] { read.SetField("n", vb::Variant(std::int32_t(5))); }), 3251);
}

TEST_F(RecordsetTest, ABareNameThatIsNoProcedureIsReadAsATable) {
    server.On("STATION..LaboratoryExams").Fails("Could not find stored procedure 'STATION..LaboratoryExams'.", 2812);
    server.On("SELECT * FROM STATION..LaboratoryExams").Returns({"ExamID"}, {{vb::Variant("L1")}});
    Recordset rs = server.Open("STATION..LaboratoryExams", CursorType::Dynamic, LockType::ReadOnly);
    EXPECT_EQ(rs.Fields("ExamID"), vb::Variant("L1"));
    EXPECT_TRUE(server.SentExactly({"STATION..LaboratoryExams", "SELECT * FROM STATION..LaboratoryExams"}));
}

TEST_F(RecordsetTest, OtherErrorsAndStatementsAreNotRetried) {
    server.On("STATION..sp_Check 'a'").Fails("Could not find stored procedure 'STATION..sp_Check'.", 2812);
    server.On("STATION..Broken").Fails("Permission denied.", 229);
    EXPECT_EQ(ErrorNumberOf([&] { server.Open("STATION..sp_Check 'a'", CursorType::ForwardOnly, LockType::ReadOnly); }),
              2812);
    EXPECT_EQ(ErrorNumberOf([&] { server.Open("STATION..Broken", CursorType::ForwardOnly, LockType::ReadOnly); }), 229);
    EXPECT_EQ(server.Mark(), 2u);
}

TEST_F(RecordsetTest, UpdateSendsKeyAndAssignedOriginalsInItsWhere) {
    server.On("Select * from STATION..tbSCNChargeSlip ")
        .Returns({"ID", "ChargeSlip", "Remark", "AssessNum"},
                 {{vb::Variant(std::int32_t(1)), vb::Variant(std::int32_t(123)), vb::Variant::Null(),
                   vb::Variant(std::int32_t(9))}});
    server.SetPrimaryKey("STATION..tbSCNChargeSlip", {"ID"});
    server
        .On("UPDATE STATION..tbSCNChargeSlip SET ChargeSlip = 124, Remark = 'it''s' "
            "WHERE ID = 1 AND ChargeSlip = 123 AND Remark IS NULL")
        .Affects(1);
    Recordset rs = server.Open("Select * from STATION..tbSCNChargeSlip ", CursorType::Dynamic, LockType::Optimistic);
    rs.SetField("ChargeSlip", vb::Variant(std::int32_t(200)));
    rs.SetField("ChargeSlip", vb::Variant(std::int32_t(124)));
    rs.SetField("Remark", vb::Variant("it's"));
    EXPECT_EQ(rs.Fields("ChargeSlip"), vb::Variant(std::int32_t(124)));
    rs.Update();
    rs.Update(); // nothing assigned since: nothing sent
    rs.Close();
    EXPECT_EQ(server.Mark(), 2u);
}

TEST_F(RecordsetTest, AnUpdateThatChangesNoRowFailsAndKeepsTheValuesRead) {
    server.On("Select * from STATION..tbSCNChargeSlip").Returns({"ChargeSlip"}, {{vb::Variant(std::int32_t(123))}});
    server.On("UPDATE STATION..tbSCNChargeSlip SET ChargeSlip = 124 WHERE ChargeSlip = 123").Affects(0);
    Recordset rs = server.Open("Select * from STATION..tbSCNChargeSlip", CursorType::Dynamic, LockType::Optimistic);
    rs.SetField("ChargeSlip", vb::Variant(std::int32_t(124)));
    EXPECT_EQ(ErrorNumberOf([&] { rs.Update(); }), dbErrRowNotFoundForUpdate);
    EXPECT_EQ(rs.Fields("ChargeSlip"), vb::Variant(std::int32_t(123)));
    rs.Close();
}

TEST_F(RecordsetTest, UpdateNeedsASingleTableAndPendingChangesBlockClose) {
    server.On("STATION..Check_NotAdministeredMeds 'a','b','2'").Returns({"Unused"}, {{vb::Variant(std::int32_t(0))}});
    server.On("Select * from t").Returns({"a"}, {{vb::Variant(std::int32_t(1))}});
    server.On("UPDATE t SET a = 2 WHERE a = 1").Affects(1);
    Recordset proc =
        server.Open("STATION..Check_NotAdministeredMeds 'a','b','2'", CursorType::Dynamic, LockType::Optimistic);
    proc.SetField("Unused", vb::Variant(std::int32_t(1)));
    EXPECT_EQ(ErrorNumberOf([&] { proc.Update(); }), dbErrNoBaseTable);

    Recordset rs = server.Open("Select * from t", CursorType::Dynamic, LockType::Optimistic);
    rs.SetField("a", vb::Variant(std::int32_t(2)));
    EXPECT_EQ(ErrorNumberOf([&] { rs.Close(); }), 3219);
    rs.MoveNext(); // moving off the row writes it, as Update would
    EXPECT_TRUE(server.SentExactly(
        {"STATION..Check_NotAdministeredMeds 'a','b','2'", "Select * from t", "UPDATE t SET a = 2 WHERE a = 1"}));
}

TEST_F(RecordsetTest, TheGuardRollsBackWhenTheSaveFailsAndCommitsOtherwise) {
    server.On("INSERT a").Affects(1);
    server.On("INSERT b").Fails("Violation of PRIMARY KEY constraint.", 2627);
    auto save = [this](const char* second) {
        TransactionGuard transaction(server);
        server.Execute("INSERT a");
        server.Execute(second);
        transaction.Commit();
    };
    EXPECT_THROW(save("INSERT b"), DbError);
    EXPECT_FALSE(server.InTransaction());
    save("INSERT a");
    EXPECT_EQ(server.Transcript(),
              (std::vector<std::string>{"BEGIN TRANSACTION", "  INSERT a", "  INSERT b  -- failed", "ROLLBACK",
                                        "BEGIN TRANSACTION", "  INSERT a", "  INSERT a", "COMMIT"}));
}

TEST_F(RecordsetTest, TransactionsCannotNestOrEndTwice) {
    server.BeginTrans();
    EXPECT_EQ(ErrorNumberOf([&] { server.BeginTrans(); }), dbErrTransactionOpen);
    server.CommitTrans();
    EXPECT_EQ(ErrorNumberOf([&] { server.CommitTrans(); }), dbErrNoTransaction);
    EXPECT_EQ(ErrorNumberOf([&] { server.RollbackTrans(); }), dbErrNoTransaction);
}

TEST_F(RecordsetTest, ConnectionSettingsAreKept) {
    EXPECT_EQ(server.CommandTimeout(), 30);
    server.SetCommandTimeout(120);
    server.SetCursorLocation(CursorLocation::Client);
    EXPECT_EQ(server.CommandTimeout(), 120);
    EXPECT_EQ(server.CursorLocation(), CursorLocation::Client);
    EXPECT_EQ(ErrorNumberOf([&] { server.SetCommandTimeout(-1); }), dbErrBadArgument);
}

TEST_F(RecordsetTest, ACommandCallsTheProcedureWithTypedParametersInOrder) {
    server.On("{call Inventory.dbo.Pharma_AppendCM('U1','CM1','PARACETAMOL',1.5,-12.0312,'C1',0,'A1')}").Affects(1);
    Command command(server, "Inventory.dbo.Pharma_AppendCM");
    command.AppendParameter("@strUserID", DataType::VarChar, 10, vb::Variant("U1"));
    command.AppendParameter("@strRefNum", DataType::VarChar, 10, vb::Variant("CM1"));
    command.AppendParameter("@strDescription", DataType::VarChar, 90, vb::Variant("PARACETAMOL"));
    command.AppendParameter("@intQuantity", DataType::Double, 0, vb::Variant(1.5));
    command.AppendParameter("@monQuantity", DataType::Currency, 0, vb::Variant(-12.03125));
    command.AppendParameter("@strChargeSlip", DataType::VarChar, 10, vb::Variant("C1"));
    command.AppendParameter("@intQtyIssued", DataType::Integer, 0, vb::Variant(std::int16_t(0)));
    command.AppendParameter("@strIdNum", DataType::VarChar, 10, vb::Variant("A1"));
    command.Execute();
    const testkit::SentStatement& sent = server.Sent().back();
    ASSERT_EQ(sent.parameters.size(), 8u);
    EXPECT_EQ(sent.parameters[4].value, vb::Variant(vb::Currency{-120312}));
    EXPECT_EQ(sent.parameters[6].value, vb::Variant(std::int32_t(0)));
    EXPECT_EQ(sent.parameters[2].size, 90);
}

TEST_F(RecordsetTest, ACommandRefusesValuesItCannotSendWhole) {
    Command command(server, "Inventory.dbo.Pharma_EraseCM");
    EXPECT_EQ(
        ErrorNumberOf([&] { command.AppendParameter("@strID", DataType::VarChar, 10, vb::Variant("12345678901")); }),
        dbErrBadParameter);
    command.AppendParameter("@strID", DataType::VarChar, 10, vb::Variant("ÑIÑO-ÑIÑO1")); // ten characters
    EXPECT_EQ(ErrorNumberOf([&] { command.AppendParameter("@n", DataType::Integer, 0, vb::Variant(3e9)); }),
              dbErrBadParameter);
    EXPECT_EQ(ErrorNumberOf([&] { command.AppendParameter("@n", DataType::Double, 0, vb::Variant("1A")); }),
              dbErrBadParameter);
    EXPECT_EQ(command.Parameters().size(), 1u);
    command.AppendParameter("@amount", DataType::Currency, 0, vb::Variant("1,234.50"));
    EXPECT_EQ(command.Parameters().back().value, vb::Variant(vb::Currency{12345000}));
    EXPECT_EQ(command.StatementText(), "{call Inventory.dbo.Pharma_EraseCM(?,?)}");
}

namespace {

// A server whose update trigger writes an audit row without SET NOCOUNT ON: the trigger's count arrives before the
// UPDATE's own.
class ServerWithAuditTrigger : public ScriptedServer {
public:
    ResultTable Send(const std::string& sql, const std::vector<Parameter>& parameters) override {
        ResultTable result = ScriptedServer::Send(sql, parameters);
        if (sql.rfind("UPDATE ", 0) == 0) {
            result.counts = {1, result.rowsAffected};
            result.rowsAffected += 1;
        }
        return result;
    }
};

// A server whose rows of one table carry a text column.
class ServerWithNoteColumn : public ScriptedServer {
public:
    ResultTable Send(const std::string& sql, const std::vector<Parameter>& parameters) override {
        ResultTable result = ScriptedServer::Send(sql, parameters);
        if (result.hasColumns)
            for (const std::string& column : result.columns)
                result.longColumns.push_back(column == "Note");
        return result;
    }
};

// A driver that cannot switch back to autocommit once a transaction is over.
class ServerStuckInManualCommit : public ScriptedServer {
protected:
    void RestoreAutoCommit() override { throw DbError(0, "Communication link failure"); }
};

} // namespace

TEST_F(RecordsetTest, AKeylessTableIsUpdatedByEveryValueInATransactionOfItsOwn) {
    server.On("select * from STATION..tbSCNChargeSlip")
        .Returns({"ChargeSlip", "Remark", "Amount"},
                 {{vb::Variant(std::int32_t(123)), vb::Variant::Null(), vb::Variant(vb::Currency{15000})}});
    server
        .On("UPDATE STATION..tbSCNChargeSlip SET ChargeSlip = 124 WHERE ChargeSlip = 123 AND Remark IS NULL AND "
            "Amount = 1.5")
        .Affects(1);
    Recordset rs = server.Open("select * from STATION..tbSCNChargeSlip", CursorType::Dynamic, LockType::Optimistic);
    rs.SetField("ChargeSlip", vb::Variant(std::int32_t(124)));
    rs.Update();
    EXPECT_EQ(server.Transcript(),
              (std::vector<std::string>{"select * from STATION..tbSCNChargeSlip", "BEGIN TRANSACTION",
                                        "  UPDATE STATION..tbSCNChargeSlip SET ChargeSlip = 124 WHERE ChargeSlip = "
                                        "123 AND Remark IS NULL AND Amount = 1.5",
                                        "COMMIT"}));
}

TEST_F(RecordsetTest, AKeyedTableWhoseKeyWasNotReadIsRefusedBeforeAnythingIsSent) {
    server.SetPrimaryKey("tbOrder", {"ID"});
    server.On("select Status from tbOrder where ID = 2").Returns({"Status"}, {{vb::Variant("open")}});
    Recordset rs = server.Open("select Status from tbOrder where ID = 2", CursorType::Dynamic, LockType::Optimistic);
    rs.SetField("Status", vb::Variant("closed"));
    EXPECT_EQ(DescriptionOf([&] { rs.Update(); }), "Insufficient key column information for updating or refreshing.");
    EXPECT_EQ(rs.Fields("Status"), vb::Variant("open"));
    EXPECT_EQ(server.Mark(), 1u);
}

TEST_F(RecordsetTest, TextColumnsAreLeftOutOfTheWhere) {
    ServerWithNoteColumn notes;
    notes.On("select * from tbNote").Returns({"Slip", "Note"}, {{vb::Variant(std::int32_t(7)), vb::Variant("long")}});
    notes.On("UPDATE tbNote SET Slip = 8 WHERE Slip = 7").Affects(1);
    notes.On("UPDATE tbNote SET Note = 'longer' WHERE Slip = 8").Affects(1);
    Recordset rs = notes.Open("select * from tbNote", CursorType::Dynamic, LockType::Optimistic);
    rs.SetField("Slip", vb::Variant(std::int32_t(8)));
    rs.Update();
    rs.SetField("Note", vb::Variant("longer"));
    EXPECT_EQ(DescriptionOf([&] { rs.Update(); }), "");
    EXPECT_TRUE(notes.SentExactly({"select * from tbNote", "UPDATE tbNote SET Slip = 8 WHERE Slip = 7",
                                   "UPDATE tbNote SET Note = 'longer' WHERE Slip = 8"}));
}

TEST_F(RecordsetTest, AnUpdateMustChangeExactlyOneRow) {
    struct Case {
        const char* name;
        long changed;
        bool callersTransaction;
        std::vector<std::string> transcript;
        const char* error;
    };
    const std::string update = "UPDATE t SET a = 2 WHERE a = 1";
    const Case cases[] = {
        {"one row", 1, false, {"BEGIN TRANSACTION", "  " + update, "COMMIT"}, ""},
        {"no row",
         0,
         false,
         {"BEGIN TRANSACTION", "  " + update, "ROLLBACK"},
         "Row cannot be located for updating. Some values may have been changed since it was last read."},
        {"three rows, alone",
         3,
         false,
         {"BEGIN TRANSACTION", "  " + update, "ROLLBACK"},
         "Key column information is insufficient or incorrect. Too many rows were affected by update."},
        // The caller's guard rolls back; Update only raises.
        {"three rows, in a save",
         3,
         true,
         {"BEGIN TRANSACTION", "  " + update},
         "Key column information is insufficient or incorrect. Too many rows were affected by update."},
    };
    for (const Case& c : cases) {
        ScriptedServer db;
        db.On("select * from t").Returns({"a"}, {{vb::Variant(std::int32_t(1))}});
        db.On(update).Affects(c.changed);
        Recordset rs = db.Open("select * from t", CursorType::Dynamic, LockType::Optimistic);
        const std::size_t mark = db.Transcript().size();
        if (c.callersTransaction)
            db.BeginTrans();
        rs.SetField("a", vb::Variant(std::int32_t(2)));
        EXPECT_EQ(DescriptionOf([&] { rs.Update(); }), c.error) << c.name;
        EXPECT_EQ(rs.Fields("a"), vb::Variant(std::int32_t(c.error[0] ? 1 : 2))) << c.name;
        const std::vector<std::string> transcript = db.Transcript();
        EXPECT_EQ(std::vector<std::string>(transcript.begin() + static_cast<long>(mark), transcript.end()),
                  c.transcript)
            << c.name;
        EXPECT_EQ(db.InTransaction(), c.callersTransaction) << c.name;
    }
}

TEST_F(RecordsetTest, ATriggersCountDoesNotHideALostUpdate) {
    ServerWithAuditTrigger audited;
    audited.SetPrimaryKey("tbCounter", {"ID"});
    audited.On("select * from tbCounter")
        .Returns({"ID", "ChargeSlip"}, {{vb::Variant(std::int32_t(1)), vb::Variant(std::int32_t(123))}});
    audited.On("UPDATE tbCounter SET ChargeSlip = 124 WHERE ID = 1 AND ChargeSlip = 123").Affects(0);
    Recordset rs = audited.Open("select * from tbCounter", CursorType::Dynamic, LockType::Optimistic);
    rs.SetField("ChargeSlip", vb::Variant(std::int32_t(124)));
    EXPECT_EQ(ErrorNumberOf([&] { rs.Update(); }), dbErrRowNotFoundForUpdate);
    EXPECT_TRUE(audited.NothingCommitted());
}

TEST_F(RecordsetTest, WithoutACountTheRowIsReadBackToDecide) {
    for (const long holding : {1L, 0L}) {
        ScriptedServer db;
        db.SetPrimaryKey("tbCounter", {"ID"});
        db.On("select * from tbCounter")
            .Returns({"ID", "ChargeSlip"}, {{vb::Variant(std::int32_t(1)), vb::Variant(std::int32_t(123))}});
        db.On("UPDATE tbCounter SET ChargeSlip = 124 WHERE ID = 1 AND ChargeSlip = 123").Affects(-1);
        db.On("SELECT COUNT(*) FROM tbCounter WHERE ID = 1 AND ChargeSlip = 124")
            .Returns({""}, {{vb::Variant(std::int32_t(holding))}});
        Recordset rs = db.Open("select * from tbCounter", CursorType::Dynamic, LockType::Optimistic);
        rs.SetField("ChargeSlip", vb::Variant(std::int32_t(124)));
        EXPECT_EQ(ErrorNumberOf([&] { rs.Update(); }), holding == 1 ? 0 : dbErrRowNotFoundForUpdate);
        // What the server holds is what the recordset shows.
        EXPECT_EQ(rs.Fields("ChargeSlip"), vb::Variant(std::int32_t(holding == 1 ? 124 : 123)));
        EXPECT_EQ(db.CommittedWrites().size(), holding == 1 ? 1u : 0u);
    }
}

TEST_F(RecordsetTest, ADecimalIsWrittenWithEveryDigit) {
    server.On("select Serial from tbBig").Returns({"Serial"}, {{vb::Variant(*vb::ReadDecimal("123456789012345678"))}});
    server.On("UPDATE tbBig SET Serial = 123456789012345679 WHERE Serial = 123456789012345678").Affects(1);
    Recordset rs = server.Open("select Serial from tbBig", CursorType::Dynamic, LockType::Optimistic);
    rs.SetField("Serial", vb::Variant(*vb::ReadDecimal("123456789012345679")));
    rs.Update();
    EXPECT_EQ(server.Sent().back().parameters[0].type, DataType::Decimal);
}

TEST_F(RecordsetTest, AFailedCommitIsRolledBackAndTheConnectionGoesOn) {
    server.On("INSERT a").Affects(1);
    server.On("INSERT b").Affects(1);
    server.FailCommit(1, "The transaction ended in the trigger.", 3609);
    {
        TransactionGuard transaction(server);
        server.Execute("INSERT a");
        EXPECT_EQ(DescriptionOf([&] { transaction.Commit(); }), "The transaction ended in the trigger.");
    }
    EXPECT_FALSE(server.InTransaction());
    EXPECT_FALSE(server.Broken());
    server.Execute("INSERT b");
    EXPECT_EQ(server.CommittedWrites(), std::vector<std::string>{"INSERT b"});
    EXPECT_EQ(server.Transcript(), (std::vector<std::string>{"BEGIN TRANSACTION", "  INSERT a", "COMMIT  -- failed",
                                                             "ROLLBACK", "INSERT b"}));
}

TEST_F(RecordsetTest, AConnectionLeftInAnUnknownStateRefusesEveryLaterUse) {
    const std::string lost = "The connection to the server was lost; nothing was saved.";
    server.On("INSERT a").Affects(1);
    server.On("select a from t").Returns({"a"}, {{vb::Variant(std::int32_t(1))}});
    Recordset rs = server.Open("select a from t", CursorType::Dynamic, LockType::Optimistic);
    server.FailCommit();
    server.FailRollback();
    server.BeginTrans();
    server.Execute("INSERT a");
    EXPECT_EQ(DescriptionOf([&] { server.CommitTrans(); }), lost);
    EXPECT_TRUE(server.Broken());
    const std::size_t sent = server.Mark();

    Command command(server, "STATION..sp_Save");
    const std::function<void()> uses[] = {
        [&] { server.Execute("INSERT a"); },
        [&] { server.Open("select a from t", CursorType::ForwardOnly, LockType::ReadOnly); },
        [&] { server.BeginTrans(); },
        [&] {
            rs.SetField("a", vb::Variant(std::int32_t(2)));
            rs.Update();
        },
        [&] { command.Execute(); },
    };
    for (const auto& use : uses)
        EXPECT_EQ(DescriptionOf(use), lost);
    EXPECT_EQ(server.Mark(), sent);
    EXPECT_TRUE(server.NothingCommitted());

    ServerStuckInManualCommit stuck;
    stuck.On("INSERT a").Affects(1);
    stuck.BeginTrans();
    stuck.Execute("INSERT a");
    stuck.CommitTrans(); // committed: this save stands
    EXPECT_EQ(stuck.CommittedWrites(), std::vector<std::string>{"INSERT a"});
    EXPECT_EQ(DescriptionOf([&] { stuck.Execute("INSERT a"); }), lost);
}
