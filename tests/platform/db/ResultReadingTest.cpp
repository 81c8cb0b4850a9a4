// How results are read, for the cases the SQLite driver cannot produce: several results in one batch, counts before
// the rows, an error in a later result, and money columns.
#include "platform/db/odbc/ResultReading.h"
#include "platform/db/DbError.h"
#include "platform/vb/Decimal.h"

#include <gtest/gtest.h>

using namespace db;
using namespace db::odbc;

namespace {

// A batch as a list of results: a count, or columns with rows, or an error raised when it is reached.
struct FakeResult {
    long count = -1;
    std::vector<std::string> columns;
    std::vector<vb::Variant> values;
    bool fails = false;
};

class FakeSource {
public:
    explicit FakeSource(std::vector<FakeResult> results) : results(std::move(results)) {}
    int ColumnCount() const { return static_cast<int>(results[current].columns.size()); }
    long RowCount() const { return results[current].count; }
    void ReadRows(ResultTable& table) {
        table.columns = results[current].columns;
        for (const vb::Variant& value : results[current].values)
            table.values.push_back(value);
    }
    bool NextResult() {
        if (++current >= results.size())
            return false;
        if (results[current].fails)
            throw DbError(547, "The INSERT statement conflicted with the FOREIGN KEY constraint.");
        return true;
    }
    std::size_t current = 0;

private:
    std::vector<FakeResult> results;
};

} // namespace

TEST(ReadBatch, KeepsTheFirstRowsAndAddsUpTheCounts) {
    FakeSource source({{2, {}, {}},
                       {1, {}, {}},
                       {-1, {"Tdate"}, {vb::Variant("a"), vb::Variant("b")}},
                       {-1, {"Other"}, {vb::Variant("c")}},
                       {4, {}, {}}});
    const ResultTable table = ReadBatch(source);
    EXPECT_TRUE(table.hasColumns);
    EXPECT_EQ(table.columns, std::vector<std::string>{"Tdate"});
    EXPECT_EQ(table.RowCount(), 2u);
    EXPECT_EQ(table.rowsAffected, 7);
    EXPECT_EQ(table.counts, (std::vector<long>{2, 1, 4}));
    EXPECT_EQ(source.current, 5u); // drained to the end
}

TEST(ReadBatch, AnUpdatesOwnCountIsNotHiddenByItsTriggers) {
    // An UPDATE that found no row, on a table whose update trigger writes an audit row without SET NOCOUNT ON: the
    // trigger's count comes first, the statement's own last.
    FakeSource lost({{1, {}, {}}, {0, {}, {}}});
    const ResultTable table = ReadBatch(lost);
    EXPECT_EQ(table.rowsAffected, 1);
    EXPECT_EQ(table.LastCount(), 0);

    FakeSource silent(std::vector<FakeResult>{FakeResult{}});
    EXPECT_EQ(ReadBatch(silent).LastCount(), -1);
}

TEST(ReadBatch, ACountOnlyBatchHasNoColumns) {
    FakeSource source(std::vector<FakeResult>{FakeResult{}});
    const ResultTable table = ReadBatch(source);
    EXPECT_FALSE(table.hasColumns);
    EXPECT_EQ(table.rowsAffected, -1);
}

TEST(ReadBatch, AnErrorInALaterResultIsRaised) {
    FakeSource source({{-1, {"a"}, {vb::Variant("x")}}, {0, {}, {}, true}});
    EXPECT_THROW(ReadBatch(source), DbError);
}

TEST(DecimalValue, NarrowColumnsAndMoneyAreCurrencyWiderOnesDecimal) {
    struct Case {
        const char* text;
        NumericColumn column;
        vb::Variant expected;
    };
    const Case cases[] = {
        {"1234.5600", {19, 4, true}, vb::Variant(vb::Currency{12345600})},             // money
        {"922337203685477.5807", {19, 4, true}, vb::Variant(vb::Currency{INT64_MAX})}, // money at its widest
        {"-0.0100", {10, 2, false}, vb::Variant(vb::Currency{-100})},
        {"999999999999999", {15, 0, false}, vb::Variant(*vb::ReadDecimal("999999999999999"))}, // past Currency
        {"0.123456", {12, 6, false}, vb::Variant(*vb::ReadDecimal("0.123456"))},
        {"1234.5600", {19, 4, false}, vb::Variant(*vb::ReadDecimal("1234.56"))},
        {"12345678901234567890", {20, 0, false}, vb::Variant(*vb::ReadDecimal("12345678901234567890"))},
        {"1E+3", {18, 2, false}, vb::Variant(1000.0)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DecimalValue(c.text, c.column), c.expected) << c.text;
}

TEST(CleanMessage, DropsDriverPrefixesAndTheSqliteSuffix) {
    EXPECT_EQ(CleanMessage("[FreeTDS][SQL Server]Invalid object name 'x'.", 208), "Invalid object name 'x'.");
    EXPECT_EQ(CleanMessage("[SQLite]no such table: t (1)", 1), "no such table: t");
    EXPECT_EQ(CleanMessage("Login failed (18456)", 1), "Login failed (18456)");
    EXPECT_EQ(CleanMessage("[unterminated", 0), "[unterminated");
}
