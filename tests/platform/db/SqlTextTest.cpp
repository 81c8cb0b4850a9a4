#include "platform/db/SqlText.h"
#include "platform/db/DbError.h"
#include "platform/db/ResultTable.h"

#include <gtest/gtest.h>

using namespace db;

TEST(SqlQuote, KeepsTypedTextOneLiteralThatTheServerStoresUnchanged) {
    struct Case {
        std::string text;
        std::string literal;
    };
    const Case cases[] = {
        {"", "''"},
        {"O'Brien", "'O''Brien'"},
        {"x'; DROP TABLE t; --", "'x''; DROP TABLE t; --'"},
        {"''", "''''''"},
        {"C:\\Notes\\\nnext", "'C:\\Notes\\\\\n\nnext'"},
        {"C:\\Notes\\\r\nnext", "'C:\\Notes\\\\\n\r\nnext'"},
        {"a\\\\\nb", "'a\\\\\\\n\nb'"},
        {"ends with \\", "'ends with \\'"},
        {"\\\r alone", "'\\\r alone'"},
        {"line\nbreak", "'line\nbreak'"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SqlQuote(c.text), c.literal) << c.text;
}

TEST(SqlQuote, RefusesATextHoldingANul) {
    try {
        SqlQuote(std::string("Ann\0'; DROP TABLE t", 20));
        FAIL() << "quoted";
    } catch (const DbError& error) {
        EXPECT_EQ(error.Number(), dbErrBadArgument);
        EXPECT_NE(error.Description().find("NUL"), std::string::npos) << error.Description();
    }
    EXPECT_THROW(SqlLiteral(vb::Variant(std::string(1, '\0'))), DbError);
}

TEST(SqlIdentifier, AcceptsOnlyLettersDigitsAndUnderscore) {
    EXPECT_EQ(SqlIdentifier("STATION"), "STATION");
    EXPECT_EQ(SqlIdentifier("capd_2"), "capd_2");
    for (const char* bad : {"", "STATION;DROP", "a b", "x]", "db.dbo", "x'"})
        EXPECT_THROW(SqlIdentifier(bad), DbError) << bad;
}

TEST(SqlLiteral, WritesEachValueTypeAsTheServerReadsIt) {
    struct Case {
        vb::Variant value;
        const char* literal;
    };
    const Case cases[] = {
        {vb::Variant::Null(), "NULL"},
        {vb::Variant(), "NULL"},
        {vb::Variant(true), "1"},
        {vb::Variant(std::int16_t(-7)), "-7"},
        {vb::Variant(std::int32_t(123456)), "123456"},
        {vb::Variant(0.1), "0.1"},
        {vb::Variant(vb::Currency{125000}), "12.5"},
        {vb::Variant(vb::Currency{-1}), "-0.0001"},
        {vb::Variant(vb::Currency{1240000}), "124"},
        {vb::Variant(vb::Date{46068.75}), "{ts '2026-02-15 18:00:00'}"},
        {vb::Variant("it's"), "'it''s'"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SqlLiteral(c.value), c.literal);
}

TEST(SqlColumnName, BracketsNamesThatAreNotPlainIdentifiers) {
    EXPECT_EQ(SqlColumnName("ChargeSlip"), "ChargeSlip");
    EXPECT_EQ(SqlColumnName("Request Date/Time"), "[Request Date/Time]");
    EXPECT_EQ(SqlColumnName("odd]name"), "[odd]]name]");
}

TEST(RenderWithParameters, FillsMarkersOutsideLiteralsInOrder) {
    std::vector<Parameter> parameters{{"a", DataType::VarChar, 5, vb::Variant("x'y")},
                                      {"b", DataType::Integer, 0, vb::Variant(std::int32_t(3))}};
    EXPECT_EQ(RenderWithParameters("UPDATE t SET a = ? WHERE c = '?' AND b = ?", parameters),
              "UPDATE t SET a = 'x''y' WHERE c = '?' AND b = 3");
}

TEST(ParseCurrency, ReadsDecimalTextExactly) {
    struct Case {
        const char* text;
        std::optional<std::int64_t> scaled;
    };
    const Case cases[] = {
        {"12.34", 123400},
        {"-0.5", -5000},
        {"7", 70000},
        {" 1.0000 ", 10000},
        {"0.00005", 0},
        {"0.00015", 2},
        {"0.000051", 1},
        {".5", 5000},
        {"922337203685477.5807", 9223372036854775807LL},
        {"922337203685478", std::nullopt},
        {"abc", std::nullopt},
        {"", std::nullopt},
        {"1e5", std::nullopt},
        {"1.2.3", std::nullopt},
    };
    for (const Case& c : cases) {
        const std::optional<vb::Currency> parsed = ParseCurrency(c.text);
        ASSERT_EQ(parsed.has_value(), c.scaled.has_value()) << c.text;
        if (parsed) {
            EXPECT_EQ(parsed->scaled, *c.scaled) << c.text;
        }
    }
}

TEST(SingleTableOf, FindsTheTableOnlyOfASingleTableSelect) {
    struct Case {
        const char* sql;
        const char* table; // nullptr: not updatable
    };
    const Case cases[] = {
        {"Select * from STATION..tbSCNChargeSlip", "STATION..tbSCNChargeSlip"},
        {"Select * from STATION..tbSCNChargeSlip ", "STATION..tbSCNChargeSlip"},
        {"select * from STATION..tbNurseSetup where status = '1'", "STATION..tbNurseSetup"},
        {"SELECT top 1 * From INVENTORY..tbCSROxygen Where ItemID = 'a' ORDER BY ItemID", "INVENTORY..tbCSROxygen"},
        {"select a, (select max(b) from other) as m from [my table] where x = 1", "[my table]"},
        {"select a from t1, t2", nullptr},
        {"select a from t1 inner join t2 on t1.k = t2.k", nullptr},
        {"STATION..sp_Nurse_Check_Request 'R1'", nullptr},
        {"update t set a = 1", nullptr},
        {"select getdate()", nullptr},
    };
    for (const Case& c : cases) {
        const std::optional<std::string> table = SingleTableOf(c.sql);
        if (c.table == nullptr)
            EXPECT_FALSE(table) << c.sql;
        else
            EXPECT_EQ(table.value_or("<none>"), c.table) << c.sql;
    }
}

TEST(IsBareObjectName, TellsACatalogueNameFromAStatement) {
    EXPECT_TRUE(IsBareObjectName("STATION..LaboratoryExams"));
    EXPECT_TRUE(IsBareObjectName("BUILD_FILE.dbo.[tbCoStation]"));
    EXPECT_FALSE(IsBareObjectName("STATION..sp_x 'a'"));
    EXPECT_FALSE(IsBareObjectName("select 1"));
    EXPECT_FALSE(IsBareObjectName(""));
}
