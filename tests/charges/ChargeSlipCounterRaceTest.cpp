// The charge-slip counter shared by two stations, on a real ODBC driver: the SQLite driver on a database file, and
// SQL Server when WARD_TEST_SQLSERVER holds a connection string (see the README).
#include "charges/ChargeSlipNumbers.h"
#include "platform/db/DbError.h"
#include "platform/db/odbc/OdbcConnection.h"
#include "platform/vb/Conversions.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <unistd.h>

namespace {

using db::odbc::OdbcConnection;

// One station's connection; before each UPDATE it sends, the other station may act.
class Station : public db::Connection {
public:
    explicit Station(std::unique_ptr<OdbcConnection> inner) : inner(std::move(inner)) {}
    std::function<void()> beforeUpdate;

    std::string ConnectionString() const override { return inner->ConnectionString(); }
    db::ResultTable Send(const std::string& sql, const std::vector<db::Parameter>& parameters) override {
        if (beforeUpdate && sql.rfind("UPDATE ", 0) == 0)
            beforeUpdate();
        return inner->Send(sql, parameters);
    }
    std::vector<std::string> PrimaryKeyColumns(const std::string& table) override {
        return inner->PrimaryKeyColumns(table);
    }

protected:
    void StartTransaction() override { inner->BeginTrans(); }
    void EndTransaction(bool commit) override {
        if (commit)
            inner->CommitTrans();
        else
            inner->RollbackTrans();
    }

private:
    std::unique_ptr<OdbcConnection> inner;
};

class ChargeSlipCounterRace : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        file = std::filesystem::temp_directory_path() /
               ("ward-counter-" + std::to_string(::getpid()) + "-" + test->name() + ".db");
        std::filesystem::remove(file);
        other = Connect();
        other->Execute("CREATE TABLE tbSCNChargeSlip (ChargeSlip integer, IChargeSlip integer, OChargeSlip integer, "
                       "AssessNum integer)");
        other->Execute("INSERT INTO tbSCNChargeSlip VALUES (124, 7, 9, 3)");
        first = std::make_unique<Station>(Connect());
    }
    void TearDown() override {
        first.reset();
        other.reset();
        std::filesystem::remove(file);
    }
    std::unique_ptr<OdbcConnection> Connect() const {
        return std::make_unique<OdbcConnection>(std::string("Driver=") + WARD_SQLITE_ODBC_DRIVER +
                                                ";Database=" + file.string() + ";Timeout=2000;");
    }
    long Counter() {
        db::Recordset rs =
            other->Open("Select ChargeSlip from tbSCNChargeSlip", db::CursorType::ForwardOnly, db::LockType::ReadOnly);
        return vb::CLng(rs.Fields("ChargeSlip"));
    }

    std::filesystem::path file;
    std::unique_ptr<OdbcConnection> other;
    std::unique_ptr<Station> first;
};

TEST_F(ChargeSlipCounterRace, AStationThatLostTheRaceReadsAgainAndTakesTheNextNumber) {
    std::vector<std::string> taken;
    first->beforeUpdate = [&] {
        first->beforeUpdate = nullptr;
        taken.push_back(ward::AdvanceCounter(*other, "tbSCNChargeSlip", "ChargeSlip"));
    };
    taken.push_back(ward::AdvanceCounter(*first, "tbSCNChargeSlip", "ChargeSlip"));
    EXPECT_EQ(taken, (std::vector<std::string>{"124", "125"}));
    EXPECT_EQ(Counter(), 126);
}

TEST_F(ChargeSlipCounterRace, AStationThatAlwaysWinsStopsTheOtherAfterFiveRetries) {
    int advances = 0;
    first->beforeUpdate = [&] {
        ward::AdvanceCounter(*other, "tbSCNChargeSlip", "ChargeSlip");
        ++advances;
    };
    try {
        ward::AdvanceCounter(*first, "tbSCNChargeSlip", "ChargeSlip");
        ADD_FAILURE() << "no error";
    } catch (const db::DbError& error) {
        EXPECT_EQ(error.Number(), db::dbErrRowNotFoundForUpdate);
        EXPECT_STREQ(error.what(),
                     "Another station is taking charge slip numbers. Nothing was saved; please save again.");
    }
    EXPECT_EQ(advances, 6);
    EXPECT_EQ(Counter(), 124 + 6);
}

// On SQL Server the first station takes its number inside the save's transaction, as the charge window does; the
// counter is a global temporary table both connections see, dropped at the end.
class ChargeSlipCounterRaceOnSqlServer : public ::testing::Test {
protected:
    void SetUp() override {
        const char* text = std::getenv("WARD_TEST_SQLSERVER");
        if (text == nullptr || *text == '\0')
            GTEST_SKIP() << "WARD_TEST_SQLSERVER is not set";
        other = std::make_unique<OdbcConnection>(text);
        other->Execute("CREATE TABLE " + table +
                       " (ChargeSlip int, IChargeSlip int, OChargeSlip int, AssessNum int)");
        other->Execute("INSERT INTO " + table + " VALUES (124, 7, 9, 3)");
        first = std::make_unique<Station>(std::make_unique<OdbcConnection>(text));
    }
    void TearDown() override {
        first.reset();
        if (other)
            other->Execute("DROP TABLE " + table);
    }
    long Counter() {
        db::Recordset rs =
            other->Open("Select ChargeSlip from " + table, db::CursorType::ForwardOnly, db::LockType::ReadOnly);
        return vb::CLng(rs.Fields("ChargeSlip"));
    }

    const std::string table = "##ward_counter_" + std::to_string(::getpid());
    std::unique_ptr<OdbcConnection> other;
    std::unique_ptr<Station> first;
};

TEST_F(ChargeSlipCounterRaceOnSqlServer, AStationThatLostTheRaceInsideItsTransactionReadsAgain) {
    std::vector<std::string> taken;
    first->beforeUpdate = [&] {
        first->beforeUpdate = nullptr;
        taken.push_back(ward::AdvanceCounter(*other, table, "ChargeSlip"));
    };
    first->BeginTrans();
    taken.push_back(ward::AdvanceCounter(*first, table, "ChargeSlip"));
    first->CommitTrans();
    EXPECT_EQ(taken, (std::vector<std::string>{"124", "125"}));
    EXPECT_EQ(Counter(), 126);
}

TEST_F(ChargeSlipCounterRaceOnSqlServer, AStationThatAlwaysWinsStopsTheOtherAfterFiveRetries) {
    first->beforeUpdate = [&] { ward::AdvanceCounter(*other, table, "ChargeSlip"); };
    first->BeginTrans();
    EXPECT_THROW(ward::AdvanceCounter(*first, table, "ChargeSlip"), db::DbError);
    first->RollbackTrans();
    EXPECT_EQ(Counter(), 124 + 6);
}

} // namespace
