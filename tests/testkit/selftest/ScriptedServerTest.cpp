#include "testkit/ScriptedServer.h"
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

using testkit::ScriptedServer;

TEST(ScriptedServer, AStatementNobodyDeclaredFailsTheTestAndNamesIt) {
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedServer server;
            server.On("select 1").Returns({"x"}, {});
            EXPECT_THROW(server.Execute("select 2"), db::DbError);
        },
        "select 2");
}

TEST(ScriptedServer, RepeatedDeclarationsAnswerInTurnAndTheLastRepeats) {
    ScriptedServer server;
    server.On("select n").Returns({"n"}, {{vb::Variant(std::int32_t(1))}});
    server.On("select n").Returns({"n"}, {{vb::Variant(std::int32_t(2))}});
    EXPECT_EQ(server.Execute("select n").Fields(0), vb::Variant(std::int32_t(1)));
    EXPECT_EQ(server.Execute("select n").Fields(0), vb::Variant(std::int32_t(2)));
    EXPECT_EQ(server.Execute("select n").Fields(0), vb::Variant(std::int32_t(2)));
}

TEST(ScriptedServer, APatternStandsOnlyForTextInsideOneLiteral) {
    ScriptedServer server;
    server.OnPattern("Insert Into t Values('{?}','x')").Affects(1);
    server.Execute("Insert Into t Values('02/15/2026 08:00:00 PM','x')");
    EXPECT_NONFATAL_FAILURE(
        EXPECT_THROW(server.Execute("Insert Into t Values('a','b'); DELETE t; --','x')"), db::DbError), "DELETE t");
    EXPECT_THROW(server.OnPattern("{?}"), std::invalid_argument);
}

TEST(ScriptedServer, RecordsRollbacksAndCountsOnlyCommittedWrites) {
    ScriptedServer server;
    server.On("INSERT a").Affects(1);
    server.On("select a").Returns({"a"}, {});
    server.Execute("select a");
    server.BeginTrans();
    server.Execute("INSERT a");
    server.RollbackTrans();
    EXPECT_TRUE(server.NothingCommitted());
    server.Execute("INSERT a");
    EXPECT_EQ(server.CommittedWrites(), std::vector<std::string>{"INSERT a"});
    EXPECT_EQ(server.Transcript(),
              (std::vector<std::string>{"select a", "BEGIN TRANSACTION", "  INSERT a", "ROLLBACK", "INSERT a"}));
}

TEST(ScriptedServer, SentExactlyShowsADiff) {
    ScriptedServer server;
    server.On("A").Affects(1);
    server.On("C").Affects(1);
    server.Execute("A");
    server.Execute("C");
    const ::testing::AssertionResult result = server.SentExactly({"A", "B", "C"});
    EXPECT_FALSE(result);
    EXPECT_EQ(std::string(result.message()), "the statements sent differ (- expected, + sent):\n"
                                             "      A\n"
                                             "    - B\n"
                                             "      C\n");
}

namespace {

// A save of two rows, with or without a transaction around it.
struct World {
    ScriptedServer server;
    void Save(bool guarded) {
        if (!guarded) {
            server.Execute("INSERT row 1");
            server.Execute("INSERT row 2");
            return;
        }
        db::TransactionGuard transaction(server);
        server.Execute("INSERT row 1");
        server.Execute("INSERT row 2");
        transaction.Commit();
    }
    World() {
        server.On("INSERT row 1").Affects(1);
        server.On("INSERT row 2").Affects(1);
    }
};

} // namespace

TEST(ScriptedServer, EachFailureCommitsNothingTellsAGuardedSaveFromAnUnguardedOne) {
    std::unique_ptr<World> world;
    auto fresh = [&world]() -> ScriptedServer& {
        world = std::make_unique<World>();
        return world->server;
    };
    EXPECT_TRUE(testkit::EachFailureCommitsNothing(fresh, [&world] { world->Save(true); }));
    const ::testing::AssertionResult unguarded =
        testkit::EachFailureCommitsNothing(fresh, [&world] { world->Save(false); });
    EXPECT_FALSE(unguarded);
    EXPECT_NE(std::string(unguarded.message()).find("when statement 2 fails (INSERT row 2)"), std::string::npos);
}

TEST(ScriptedServer, NoneSentAgainFindsRowsResentAfterAFailure) {
    ScriptedServer server;
    server.On("INSERT row 1").Affects(1);
    server.On("INSERT row 2").Fails("Deadlock.", 1205);
    server.On("INSERT row 2").Affects(1);
    EXPECT_THROW(server.Execute("INSERT row 1"); server.Execute("INSERT row 2"), db::DbError);
    const std::size_t retry = server.Mark();
    server.Execute("INSERT row 1");
    server.Execute("INSERT row 2");
    const ::testing::AssertionResult result = server.NoneSentAgain(0, retry);
    EXPECT_FALSE(result);
    EXPECT_NE(std::string(result.message()).find("INSERT row 1"), std::string::npos);
    EXPECT_EQ(std::string(result.message()).find("INSERT row 2"), std::string::npos);
}

TEST(ScriptedServer, EachFailureCommitsNothingAlsoFailsEachCommit) {
    // A save that, when its commit fails, writes the row again without a transaction: only a failing commit shows it.
    std::unique_ptr<World> world;
    auto fresh = [&world]() -> ScriptedServer& {
        world = std::make_unique<World>();
        return world->server;
    };
    auto save = [&world] {
        db::TransactionGuard transaction(world->server);
        world->server.Execute("INSERT row 1");
        try {
            transaction.Commit();
        } catch (const db::DbError&) {
            world->server.Execute("INSERT row 1");
        }
    };
    const ::testing::AssertionResult result = testkit::EachFailureCommitsNothing(fresh, save);
    EXPECT_FALSE(result);
    EXPECT_EQ(std::string(result.message()), "when commit 1 fails, these took effect:\n    INSERT row 1\n");
}

TEST(ScriptedServer, AFailedCommitLeavesTheTransactionOpenUntilItIsRolledBack) {
    // The server's side only: the commit failing does not end the transaction, so a client that does not roll back
    // writes everything after it into a transaction that is never committed.
    struct RawServer : ScriptedServer {
        void Commit() { EndTransaction(true); }
        void Begin() { StartTransaction(); }
    } server;
    server.On("INSERT a").Affects(1);
    server.FailCommit(1, "Deferred constraint failed.", 787);
    server.Begin();
    server.Execute("INSERT a");
    EXPECT_THROW(server.Commit(), db::DbError);
    server.Execute("INSERT a");
    EXPECT_TRUE(server.NothingCommitted());
    EXPECT_EQ(server.Transcript(),
              (std::vector<std::string>{"BEGIN TRANSACTION", "  INSERT a", "COMMIT  -- failed", "  INSERT a"}));
}
