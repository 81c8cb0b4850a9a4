#include "ChargeWindow.h"
#include "charges/ChargeSlipNumbers.h"
#include "core/App.h"
#include "core/HospitalSettings.h"
#include "platform/db/DbError.h"
#include "testkit/FixtureWard.h"
#include "testkit/TestApp.h"

#include <gtest/gtest.h>

using namespace testkit;
using namespace charges_test;
using ward::ChargeSlipSeries;

namespace {

const std::string Counter = "Select * from STATION..tbSCNChargeSlip";

// The counter row (C 124, in-patient 7, out-patient 9) and the ward's number settings.
struct Numbers {
    explicit Numbers(std::vector<Row> parameters) {
        fixture::DeclareSettings(test.server, false, parameters);
        ward::LoadHospitalSettings(test.app);
        test.server.On(Counter).Returns({"ChargeSlip", "IChargeSlip", "OChargeSlip", "AssessNum"},
                                        {{std::int32_t{124}, std::int32_t{7}, std::int32_t{9}, std::int32_t{3}}});
    }
    std::string Update(const std::string& field, int from) {
        std::string where;
        for (const auto& [name, value] : std::vector<std::pair<std::string, int>>{
                 {"ChargeSlip", 124}, {"IChargeSlip", 7}, {"OChargeSlip", 9}, {"AssessNum", 3}})
            where += (where.empty() ? "" : " AND ") + name + " = " + std::to_string(name == field ? from : value);
        return "UPDATE STATION..tbSCNChargeSlip SET " + field + " = " + std::to_string(from + 1) + " WHERE " + where;
    }
    std::string Take(ChargeSlipSeries series, const std::string& idNum) {
        std::string held;
        return ward::TakeChargeSlipNumber(test.app, series, idNum, held);
    }
    TestApp test;
};

TEST(ChargeSlipNumbers, TheNumberFormsByWardSettingsAndPatient) {
    struct Case {
        const char* name;
        std::vector<Row> parameters;
        ChargeSlipSeries series;
        std::string idNum;
        std::string field;
        int value;
        std::string slip;
    };
    const std::vector<Row> fifteen = {
        {"CSlipFormat", "0000000"}, {"FifteenCSlipFormat", "1"}, {"BirCSlipFormat", "000000000000"}};
    const std::vector<Case> cases = {
        {"no format",
         {{"FifteenCSlipFormat", "1"}},
         ChargeSlipSeries::ChargeWindow,
         "2026001234",
         "ChargeSlip",
         124,
         "C124B"},
        {"zero padded",
         {{"CSlipFormat", "0000000"}},
         ChargeSlipSeries::ChargeWindow,
         "2026001234",
         "ChargeSlip",
         124,
         "C0000124B"},
        {"fifteen, in-patient", fifteen, ChargeSlipSeries::ChargeWindow, "2026001234", "IChargeSlip", 7,
         "SI2000000000007"},
        {"fifteen, out-patient", fifteen, ChargeSlipSeries::ChargeWindow, "OPD000123B", "OChargeSlip", 9,
         "SI1000000000009"},
        {"fifteen, receivable", fifteen, ChargeSlipSeries::Receivable, "2026001234", "ChargeSlip", 124, "C0000124B"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Numbers n(c.parameters);
        // The used-number check also searches the cash assessments while the ward takes fifteen-character numbers.
        const bool fifteenOn = std::any_of(c.parameters.begin(), c.parameters.end(),
                                           [](const Row& row) { return row[0] == vb::Variant("FifteenCSlipFormat"); });
        n.test.server.On(n.Update(c.field, c.value)).Affects(1);
        n.test.server.On(fifteenOn ? SlipUsedFifteen(c.slip) : SlipUsed(c.slip)).Returns({"Refnum"}, {});
        const std::string staging = c.series == ChargeSlipSeries::ChargeWindow ? "Delete  STATION..tbSCNChargePrint"
                                                                               : "Delete STATION..tbSCNChargePrint";
        n.test.server.On(staging).Affects(0);
        const std::size_t mark = n.test.server.Mark();
        EXPECT_EQ(n.Take(c.series, c.idNum), c.slip);
        EXPECT_EQ(n.test.server.Statements(mark).back(), staging);
        EXPECT_TRUE(n.test.app.ChargeSlipAllocated);
    }
}

TEST(ChargeSlipNumbers, UsedNumbersArePassedOverAndTheCounterLeftPastEach) {
    Numbers n({});
    n.test.server.On(n.Update("ChargeSlip", 124)).Affects(1);
    n.test.server.On(SlipUsed("C124B")).Returns({"Refnum"}, {{"C124B"}});
    n.test.server.On(Counter).Returns({"ChargeSlip", "IChargeSlip", "OChargeSlip", "AssessNum"},
                                      {{std::int32_t{125}, std::int32_t{7}, std::int32_t{9}, std::int32_t{3}}});
    n.test.server.On(n.Update("ChargeSlip", 125)).Affects(1);
    n.test.server.On(SlipUsed("C125B")).Returns({"Refnum"}, {});
    n.test.server.On("Delete  STATION..tbSCNChargePrint").Affects(0);
    const std::size_t mark = n.test.server.Mark();
    EXPECT_EQ(n.Take(ChargeSlipSeries::ChargeWindow, "2026001234"), "C125B");
    EXPECT_TRUE(
        n.test.server.SentExactly({Counter, n.Update("ChargeSlip", 124), SlipUsed("C124B"), Counter,
                                   n.Update("ChargeSlip", 125), SlipUsed("C125B"), "Delete  STATION..tbSCNChargePrint"},
                                  mark));
}

TEST(ChargeSlipNumbers, ALostUpdateIsReadAgainAndAStationThatKeepsWinningStopsTheSave) {
    for (int lost : {1, 6}) {
        SCOPED_TRACE(lost);
        Numbers n({});
        for (int i = 0; i < lost; ++i)
            n.test.server.On(n.Update("ChargeSlip", 124)).Affects(0);
        n.test.server.On(n.Update("ChargeSlip", 124)).Affects(1);
        n.test.server.On(SlipUsed("C124B")).Returns({"Refnum"}, {});
        n.test.server.On("Delete  STATION..tbSCNChargePrint").Affects(0);
        if (lost < 6) {
            EXPECT_EQ(n.Take(ChargeSlipSeries::ChargeWindow, "2026001234"), "C124B");
            continue;
        }
        try {
            n.Take(ChargeSlipSeries::ChargeWindow, "2026001234");
            ADD_FAILURE() << "no error";
        } catch (const db::DbError& error) {
            EXPECT_STREQ(error.what(),
                         "Another station is taking charge slip numbers. Nothing was saved; please save again.");
        }
        EXPECT_EQ(n.test.server.Statements().size() - 3, 12u) << "six reads and six updates";
        EXPECT_FALSE(n.test.app.ChargeSlipAllocated);
    }
}

TEST(ChargeSlipNumbers, ACounterWithoutItsRowStopsTheSave) {
    Numbers n({});
    n.test.server.Instead(Counter).Returns({"ChargeSlip"}, {});
    try {
        n.Take(ChargeSlipSeries::ChargeWindow, "2026001234");
        ADD_FAILURE() << "no error";
    } catch (const std::exception& error) {
        EXPECT_STREQ(error.what(), "The charge slip counter STATION..tbSCNChargeSlip has no row.");
    }
}

} // namespace
