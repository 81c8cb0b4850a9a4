#include "core/CreditMemos.h"
#include "platform/vb/VbError.h"
#include "testkit/FixtureWard.h"

#include <gtest/gtest.h>

using namespace testkit;
namespace fixture = testkit::ward_fixture;

namespace {

struct ExpectedParameter {
    const char* name;
    db::DataType type;
    int size;
    vb::Variant value;
};

void ExpectParameters(const SentStatement& sent, const std::vector<ExpectedParameter>& expected) {
    ASSERT_EQ(sent.parameters.size(), expected.size()) << sent.text;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(sent.parameters[i].name, expected[i].name);
        EXPECT_EQ(sent.parameters[i].type, expected[i].type);
        EXPECT_EQ(sent.parameters[i].size, expected[i].size);
        EXPECT_EQ(sent.parameters[i].value, expected[i].value);
    }
}

TEST(EraseCreditMemo, CallsTheProcedureWithThreeTextParametersInOrder) {
    TestApp test;
    const std::string call = "{call Inventory.dbo.Pharma_EraseCM('N0001','2026001234','CM0042')}";
    test.server.On(call).Affects(3);

    ward::EraseCreditMemo(test.app, fixture::NurseCode, fixture::InPatientIdNum, "CM0042");

    ASSERT_TRUE(test.server.SentExactly({call}));
    ExpectParameters(test.server.Sent()[0], {{"@strID", db::DataType::VarChar, 10, "N0001"},
                                             {"@strIdNum", db::DataType::VarChar, 10, "2026001234"},
                                             {"@strRefNum", db::DataType::VarChar, 10, "CM0042"}});
}

TEST(EraseCreditMemo, AServerErrorReachesTheCallerAndNothingIsShown) {
    TestApp test;
    test.server.On("{call Inventory.dbo.Pharma_EraseCM('N0001','2026001234','CM0042')}")
        .Fails("Could not find stored procedure 'Inventory.dbo.Pharma_EraseCM'.", 2812);

    try {
        ward::EraseCreditMemo(test.app, fixture::NurseCode, fixture::InPatientIdNum, "CM0042");
        FAIL() << "the error was swallowed";
    } catch (const vb::VbError& error) {
        EXPECT_EQ(error.Number(), 2812);
    }
    EXPECT_TRUE(test.host.MessageBoxes().empty());
}

TEST(AppendCreditMemo, SendsEightTypedParametersInOrder) {
    TestApp test;
    const std::string call = "{call Inventory.dbo.Pharma_AppendCM('N0001','CM0042','CEFUROXIME 750MG "
                             "VIAL',2.5,1234.5678,'CS10077',-3,'2026001234')}";
    test.server.On(call).Affects(1);

    ward::AppendCreditMemo(test.app, fixture::NurseCode, "CM0042", "CEFUROXIME 750MG VIAL", 2.5, 1234.5678, "CS10077",
                           std::int16_t{-3}, fixture::InPatientIdNum);

    ASSERT_TRUE(test.server.SentExactly({call}));
    ExpectParameters(test.server.Sent()[0],
                     {{"@strUserID", db::DataType::VarChar, 10, "N0001"},
                      {"@strRefNum", db::DataType::VarChar, 10, "CM0042"},
                      {"@strDescription", db::DataType::VarChar, 90, "CEFUROXIME 750MG VIAL"},
                      {"@intQuantity", db::DataType::Double, 0, 2.5},
                      {"@monQuantity", db::DataType::Currency, 0, vb::Currency::FromScaled(12345678)},
                      {"@strChargeSlip", db::DataType::VarChar, 10, "CS10077"},
                      {"@intQtyIssued", db::DataType::Integer, 0, std::int32_t{-3}},
                      {"@strIdNum", db::DataType::VarChar, 10, "2026001234"}});
}

TEST(AppendCreditMemo, SendsOnlyTheFirstNinetyCharactersOfTheDescription) {
    const std::string ninety = std::string(89, 'A') + "\xC3\x91"; // the 90th character takes two bytes
    const struct {
        const char* name;
        std::string description;
        std::string sent;
    } cases[] = {
        {"one hundred and twenty characters", ninety + std::string(30, 'B'), ninety},
        {"exactly ninety", ninety, ninety},
        {"short", "GAUZE 4X4", "GAUZE 4X4"},
        {"empty", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp test;
        test.server.On("{call Inventory.dbo.Pharma_AppendCM('N0001','CM1','" + c.sent + "',1,10,'CS1',1,'ID1')}")
            .Affects(1);

        ward::AppendCreditMemo(test.app, fixture::NurseCode, "CM1", c.description, 1, 10, "CS1", 1, "ID1");

        ASSERT_EQ(test.server.Sent().size(), 1u);
        EXPECT_EQ(test.server.Sent()[0].parameters[2].value, vb::Variant(c.sent));
    }
}

TEST(AppendCreditMemo, ATextLongerThanItsParameterIsRefusedBeforeAnythingIsSent) {
    TestApp test;

    EXPECT_THROW(ward::AppendCreditMemo(test.app, fixture::NurseCode, "CM0042", "GAUZE", 1, 10, "CS-0000000077", 1,
                                        fixture::InPatientIdNum),
                 vb::VbError);
    EXPECT_TRUE(test.server.Sent().empty()) << "a cut charge-slip number would print on someone else's memo";
}

TEST(CreditMemoExists, AsksForTheTrimmedNumberAndAnswersWhetherAStockCardHasIt) {
    const struct {
        const char* name;
        std::string number;
        std::string asked;
        std::vector<Row> rows;
        bool exists;
    } cases[] = {
        {"no stock card", "CM0042", "CM0042", {}, false},
        {"one stock card", "CM0042", "CM0042", {{"2026001234"}}, true},
        {"several stock cards", "CM0042", "CM0042", {{"2026001234"}, {"2026000900"}, {"2026000901"}}, true},
        {"blanks around the number", "  CM0042 ", "CM0042", {{"2026001234"}}, true},
        {"an empty number", "", "", {}, false},
        {"a quote in the number", "CM'1", "CM''1", {}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp test;
        const std::string query = "Select IdNum from INVENTORY..tbInvStockCard Where CreditMemoNum = '" + c.asked + "'";
        test.server.On(query).Returns({"IdNum"}, c.rows);

        EXPECT_EQ(ward::CreditMemoExists(test.app, c.number), c.exists);
        EXPECT_TRUE(test.server.SentExactly({query}));
    }
}

TEST(CreditMemoExists, AServerErrorReachesTheCaller) {
    TestApp test;
    test.server.On("Select IdNum from INVENTORY..tbInvStockCard Where CreditMemoNum = 'CM0042'")
        .Fails("Timeout expired", -2147217871);

    EXPECT_THROW(ward::CreditMemoExists(test.app, "CM0042"), vb::VbError);
    EXPECT_TRUE(test.host.MessageBoxes().empty());
}

} // namespace
