#include "core/PharmacyRules.h"
#include "platform/vb/VbError.h"
#include "testkit/FixtureWardParameters.h"

#include <gtest/gtest.h>

using namespace testkit;
namespace fixture = testkit::ward_fixture;

namespace {

const std::string Notice = "\n\nPlease notify your IT department.";
const std::string ErrorLogInsert =
    "Insert Into STATION..tbNurseErrLog(ModuleName,HostName,UserID,ErrMessage,Transdate,ErrSource) ";

const std::string NotAdministeredQuery = "STATION..Check_NotAdministeredMeds '2026001234','CEF750','2'";

TEST(CheckNotAdministeredMeds, AnswersWhetherTheUnusedCountIsAboveZero) {
    const struct {
        const char* name;
        std::vector<Row> rows;
        bool answer;
    } cases[] = {
        {"one unused", {{std::int32_t{1}}}, true},        {"several unused", {{std::int32_t{4}}}, true},
        {"none unused", {{std::int32_t{0}}}, false},      {"a negative count", {{std::int32_t{-1}}}, false},
        {"a Null count", {{vb::Variant::Null()}}, false}, {"no row", {}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp test;
        test.server.On(NotAdministeredQuery).Returns({"Unused"}, c.rows);

        EXPECT_EQ(ward::CheckNotAdministeredMeds(test.app, fixture::InPatientIdNum, "CEF750", 2), c.answer);
        EXPECT_TRUE(test.server.SentExactly({NotAdministeredQuery}));
    }
}

TEST(CheckNotAdministeredMeds, QuotesEachArgument) {
    TestApp test;
    const std::string query = "STATION..Check_NotAdministeredMeds '2026001234 ','D5''LR','-1'";
    test.server.On(query).Returns({"Unused"}, {});

    EXPECT_FALSE(ward::CheckNotAdministeredMeds(test.app, "2026001234 ", "D5'LR", -1));
    EXPECT_TRUE(test.server.SentExactly({query}));
}

TEST(CheckNotAdministeredMeds, AnErrorShowsItsDescriptionAndNumberAsAWarning) {
    TestApp test;
    test.server.On(NotAdministeredQuery)
        .Fails("Could not find stored procedure 'STATION..Check_NotAdministeredMeds'.", 2812);
    test.host.ExpectMsgBox("Could not find stored procedure 'STATION..Check_NotAdministeredMeds'.  2812")
        .Title("Warning")
        .Buttons(forms::vbCritical + forms::vbOKOnly);

    EXPECT_FALSE(ward::CheckNotAdministeredMeds(test.app, fixture::InPatientIdNum, "CEF750", 2));
}

TEST(HasFinalDischargeNotice, AsksForANoticeWithStatusFOrPForTheTrimmedAdmission) {
    const std::string query = "SELECT TOP 1 1 FROM STATION..TBNURSEDISCHARGENOTICE WHERE IDNUM = '2026001234' AND "
                              "(RECORDSTATUS = 'F' OR RECORDSTATUS = 'P') ";
    for (bool found : {true, false}) {
        SCOPED_TRACE(found);
        TestApp test;
        test.server.On(query).Returns({""}, found ? std::vector<Row>{{std::int32_t{1}}} : std::vector<Row>{});

        EXPECT_EQ(ward::HasFinalDischargeNotice(test.app, " 2026001234  "), found);
        EXPECT_TRUE(test.server.SentExactly({query}));
    }
}

TEST(HasFinalDischargeNotice, AnErrorReachesTheCaller) {
    TestApp test;
    test.server
        .On("SELECT TOP 1 1 FROM STATION..TBNURSEDISCHARGENOTICE WHERE IDNUM = '2026001234' AND (RECORDSTATUS "
            "= 'F' OR RECORDSTATUS = 'P') ")
        .Fails("Timeout expired", -2147217871);

    EXPECT_THROW(ward::HasFinalDischargeNotice(test.app, fixture::InPatientIdNum), vb::VbError);
    EXPECT_TRUE(test.host.MessageBoxes().empty());
}

TEST(GetTotalPHRequests, ReadsTheTotalAsANumber) {
    const std::string query = "Station..GetTotalPHCharges_Requests '2026001234'";
    const struct {
        const char* name;
        std::vector<Row> rows;
        double total;
    } cases[] = {
        {"a total", {{4875.25}}, 4875.25},
        {"a currency total", {{vb::Currency::FromScaled(123456789)}}, 12345.6789},
        {"a total as text", {{"  1500.5"}}, 1500.5},
        {"zero", {{std::int32_t{0}}}, 0},
        {"no row", {}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp test;
        test.server.On(query).Returns({"TotalPH"}, c.rows);

        EXPECT_DOUBLE_EQ(ward::GetTotalPHRequests(test.app, fixture::InPatientIdNum), c.total);
        EXPECT_TRUE(test.server.SentExactly({query}));
    }
}

TEST(GetTotalPHRequests, AFailedQueryOrANullTotalIsShownAndCountsZero) {
    const std::string query = "Station..GetTotalPHCharges_Requests '2026001234'";
    for (bool nullTotal : {false, true}) {
        SCOPED_TRACE(nullTotal);
        TestApp test;
        if (nullTotal) {
            test.server.On(query).Returns({"TotalPH"}, {{vb::Variant::Null()}});
            test.host.ExpectMsgBox("Invalid use of Null" + Notice).Title("Notification");
        } else {
            test.server.On(query).Fails("Timeout expired", -2147217871);
            test.host.ExpectMsgBox("Timeout expired" + Notice).Title("Notification");
        }
        EXPECT_EQ(ward::GetTotalPHRequests(test.app, fixture::InPatientIdNum), 0);
    }
}

std::string RegulatedDrugQuery(const std::string& item, const std::string& classId) {
    return "SELECT TOP 1 1 FROM INVENTORY..TBINVMASTER WHERE ItemID = '" + item +
           "' AND ISNULL(ItemClassificationID,'') <> '' AND ISNULL(ItemClassificationID,'') = '" + classId + "'";
}

std::string S2Query(const std::string& doctor) {
    return "SELECT TOP 1 1 FROM BUILD_FILE..tbCoDoctor WHERE DoctorID = '" + doctor + "' AND ISNULL(S2Number,'') <> ''";
}

TEST(LicenceChecks, AnswerWhetherTheServerFindsARow) {
    const struct {
        const char* name;
        bool regulated;
        std::string argument;
        std::string sql;
        std::vector<Row> rows;
        bool answer;
    } cases[] = {
        {"a regulated drug", true, "MORPH10", RegulatedDrugQuery("MORPH10", "REG"), {{std::int32_t{1}}}, true},
        {"any other item", true, "PARA500", RegulatedDrugQuery("PARA500", "REG"), {}, false},
        {"an item code with a quote", true, "D5'LR", RegulatedDrugQuery("D5''LR", "REG"), {}, false},
        {"a doctor with an S2 number", false, "D0101", S2Query("D0101"), {{std::int32_t{1}}}, true},
        {"an unknown doctor or one without", false, "D9999", S2Query("D9999"), {}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp test;
        fixture::LoadParametersWith(test, {{"RegulatedDrugsClassID", "REG"}});
        const std::size_t mark = test.server.Mark();
        test.server.On(c.sql).Returns({""}, c.rows);

        EXPECT_EQ(c.regulated ? ward::CheckRegulatedDrug(test.app, c.argument)
                              : ward::CheckS2License(test.app, c.argument),
                  c.answer);
        EXPECT_TRUE(test.server.SentExactly({c.sql}, mark));
    }
}

TEST(CheckRegulatedDrug, WithoutAClassificationAsksForAnEmptyOneWhichNeverMatches) {
    TestApp test;
    const std::string query = RegulatedDrugQuery("MORPH10", "");
    test.server.On(query).Returns({""}, {});

    EXPECT_FALSE(ward::CheckRegulatedDrug(test.app, "MORPH10"));
    EXPECT_TRUE(test.server.SentExactly({query}));
}

TEST(LicenceChecks, AnErrorIsLoggedThenShownAndAnswersFalseEvenWhenTheLogFails) {
    const struct {
        const char* name;
        bool regulated;
        std::string sql;
        std::string source;
        bool logFails;
    } cases[] = {
        {"regulated drug", true, RegulatedDrugQuery("MORPH10", ""), "CheckRegulatedDrug (fn)", false},
        {"S2 licence", false, S2Query("D0101"), "CheckS2License (fn)", false},
        {"regulated drug, log down", true, RegulatedDrugQuery("MORPH10", ""), "CheckRegulatedDrug (fn)", true},
        {"S2 licence, log down", false, S2Query("D0101"), "CheckS2License (fn)", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp test;
        test.app.ValidatedUserID = fixture::ActingNurseCode;
        test.server.On(c.sql).Fails("Invalid object name 'TBINVMASTER'.", 208);
        const std::string insert = ErrorLogInsert +
                                   "Values('Tessun Nurse',Host_Name(), 'N0002','Invalid object name "
                                   "''TBINVMASTER''.',getdate(),'" +
                                   c.source + "')";
        if (c.logFails)
            test.server.On(insert).Fails("Communication link failure", 11);
        else
            test.server.On(insert).Affects(1);
        test.host.ExpectMsgBox("Invalid object name 'TBINVMASTER'." + Notice)
            .Title("Notification")
            .Buttons(forms::vbInformation + forms::vbOKOnly);

        EXPECT_FALSE(c.regulated ? ward::CheckRegulatedDrug(test.app, "MORPH10")
                                 : ward::CheckS2License(test.app, "D0101"));
        EXPECT_TRUE(test.server.SentExactly({c.sql, insert}));
    }
}

TEST(IsValidQuantity, TakesDigitsOnlyUnlessDecimalQuantitiesAreAllowed) {
    const struct {
        const char* text;
        bool whole;
    } cases[] = {
        {"12", true},   {"0", true},   {"", true},     {"1.5", false},          {" 12", false},
        {"12 ", false}, {"-3", false}, {"1e3", false}, {"\xEF\xBC\x91", false}, // a full-width digit one
    };
    for (bool allowDecimal : {false, true}) {
        TestApp test;
        if (allowDecimal)
            fixture::LoadParametersWith(test, {{"NurseAllowDecimalQty", "1"}});
        const std::size_t mark = test.server.Mark();
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.text) + (allowDecimal ? " with decimals allowed" : ""));
            EXPECT_EQ(ward::IsValidQuantity(test.app, c.text), allowDecimal || c.whole);
        }
        EXPECT_EQ(test.server.Mark(), mark) << "no query";
    }
}

} // namespace
