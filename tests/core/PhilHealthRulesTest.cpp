#include "core/PhilHealthRules.h"
#include "platform/vb/VbError.h"
#include "testkit/FixtureWardParameters.h"

#include <gtest/gtest.h>

#include <functional>

using namespace testkit;
namespace fixture = testkit::ward_fixture;

namespace {

const std::string Notice = "\n\nPlease notify your IT department.";
const std::string StayMessage =
    "PhilHealth requires a 24 hour hospital stay: you may not proceed until the time has expired.";

using Check = std::function<bool(ward::App&, const std::string&)>;

// A check whose answer is whether a row comes back (or the value of one column of it).
struct RowCheck {
    const char* name;
    Check check;
    std::string argument;
    std::string sql;
    std::vector<std::string> columns;
    Row trueRow;
    bool trapsErrors;
};

std::vector<RowCheck> AllRowChecks() {
    return {
        {"IsValidPHICPatient",
         ward::IsValidPHICPatient,
         "2026001234",
         "STATION..CheckIfValidPHICPatient '2026001234'",
         {"IDNum"},
         {"2026001234"},
         true},
        {"IsValidPHICPatientSendsBlanksAsPassed",
         ward::IsValidPHICPatient,
         " 2026001234 ",
         "STATION..CheckIfValidPHICPatient ' 2026001234 '",
         {"IDNum"},
         {"2026001234"},
         true},
        {"IsPNFItem", ward::IsPNFItem, "PARA500", "Station..CheckIfPNF 'PARA500'", {"ItemID"}, {"PARA500"}, true},
        {"IsPNFItemDoublesAQuote",
         ward::IsPNFItem,
         "D5'LR",
         "Station..CheckIfPNF 'D5''LR'",
         {"ItemID"},
         {"D5'LR"},
         true},
        {"IsZPackageItem",
         ward::IsZPackageItem,
         "ZP-001",
         "select 1 from capd..tbcapdware_Invent where EntryType = 'ZPACKAGE AND CASERATE' and ItemID = 'ZP-001'",
         {""},
         {std::int32_t{1}},
         true},
        {"CheckZFirstPackage",
         ward::CheckZFirstPackage,
         "2026001234",
         "Station..CheckZFirstPackagePx '2026001234'",
         {"LastPDTransaction"},
         {"PD-0007"},
         true},
        {"IsPHRevenue",
         ward::IsPHRevenue,
         "PH",
         "SELECT 1 FROM BUILD_FILE..tbCoRevenueCode WHERE RevenueID = 'PH' AND StockCardRevenueID = 'PH'",
         {""},
         {std::int32_t{1}},
         true},
        {"IsHMOPatient",
         ward::IsHMOPatient,
         "2026001234",
         "RADIOLOGY..Radiology_CheckIfHMO '2026001234'",
         {"Class"},
         {"P"},
         true},
        {"IsHMOPatientTrimsTheAdmission",
         ward::IsHMOPatient,
         "  2026001234 ",
         "RADIOLOGY..Radiology_CheckIfHMO '2026001234'",
         {"Class"},
         {"P"},
         true},
        {"IsInternationalPatient",
         ward::IsInternationalPatient,
         "2026001234",
         "STATION..CheckIfInternational '2026001234'",
         {"isInternational"},
         {"Y"},
         true},
        {"IsCompanyAccount",
         ward::IsCompanyAccount,
         "2026001234",
         "Select isnull(HospNum,'') as HospNum,isnull(AccountNum,'') as AccountNum  From PATIENT_DATA..tbpatient  "
         "Where Idnum = '2026001234'",
         {"HospNum", "AccountNum"},
         {"100234", "C-0099"},
         false},
        {"HasStayedOneDay",
         ward::HasStayedOneDay,
         "2026001234",
         "STATION..CheckIfStayedOneDay '2026001234'",
         {"IDNum"},
         {"2026001234"},
         false},
    };
}

class RowChecks : public ::testing::TestWithParam<RowCheck> {};

TEST_P(RowChecks, SendTheirTextAndAnswerTrueOnTheRow) {
    const RowCheck& c = GetParam();
    TestApp test;
    test.server.On(c.sql).Returns(c.columns, {c.trueRow});

    EXPECT_TRUE(c.check(test.app, c.argument));
    EXPECT_TRUE(test.server.SentExactly({c.sql}));
    EXPECT_TRUE(test.host.MessageBoxes().empty());
}

TEST_P(RowChecks, AnswerFalseWithoutARow) {
    const RowCheck& c = GetParam();
    TestApp test;
    test.server.On(c.sql).Returns(c.columns, {});
    if (std::string(c.name) == "HasStayedOneDay")
        test.host.ExpectMsgBox(StayMessage).Title("Notification").Buttons(forms::vbInformation + forms::vbOKOnly);

    EXPECT_FALSE(c.check(test.app, c.argument));
    EXPECT_TRUE(test.server.SentExactly({c.sql}));
}

TEST_P(RowChecks, OnAnErrorShowTheErrorMessageAndAnswerFalseOrLeaveItToTheCaller) {
    const RowCheck& c = GetParam();
    TestApp test;
    test.server.On(c.sql).Fails("Could not find stored procedure.", 2812);
    if (c.trapsErrors) {
        test.host.ExpectMsgBox("Could not find stored procedure." + Notice)
            .Title("Notification")
            .Buttons(forms::vbInformation + forms::vbOKOnly);
        EXPECT_FALSE(c.check(test.app, c.argument));
    } else {
        EXPECT_THROW(c.check(test.app, c.argument), vb::VbError);
        EXPECT_TRUE(test.host.MessageBoxes().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Checks, RowChecks, ::testing::ValuesIn(AllRowChecks()),
                         [](const auto& info) { return std::string(info.param.name); });

// Checks that read one column of the first row: which values answer True.
TEST(ColumnChecks, CompareTheColumnExactly) {
    const struct {
        const char* name;
        Check check;
        std::string sql;
        std::string column;
        vb::Variant value;
        bool answer;
    } cases[] = {
        {"HMO class P", ward::IsHMOPatient, "RADIOLOGY..Radiology_CheckIfHMO '2026001234'", "Class", "P", true},
        {"HMO class C", ward::IsHMOPatient, "RADIOLOGY..Radiology_CheckIfHMO '2026001234'", "Class", "C", false},
        {"HMO class Null", ward::IsHMOPatient, "RADIOLOGY..Radiology_CheckIfHMO '2026001234'", "Class",
         vb::Variant::Null(), false},
        {"international Y", ward::IsInternationalPatient, "STATION..CheckIfInternational '2026001234'",
         "isInternational", "Y", true},
        {"international lower-case y", ward::IsInternationalPatient, "STATION..CheckIfInternational '2026001234'",
         "isInternational", "y", false},
        {"international Y and a blank", ward::IsInternationalPatient, "STATION..CheckIfInternational '2026001234'",
         "isInternational", "Y ", false},
        {"international N", ward::IsInternationalPatient, "STATION..CheckIfInternational '2026001234'",
         "isInternational", "N", false},
        {"international Null", ward::IsInternationalPatient, "STATION..CheckIfInternational '2026001234'",
         "isInternational", vb::Variant::Null(), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp test;
        test.server.On(c.sql).Returns({c.column}, {{c.value}});
        EXPECT_EQ(c.check(test.app, fixture::InPatientIdNum), c.answer);
        EXPECT_TRUE(test.host.MessageBoxes().empty());
    }
}

TEST(IsCompanyAccount, AnswersWhetherTheAccountDiffersFromTheHospitalNumber) {
    const std::string query = "Select isnull(HospNum,'') as HospNum,isnull(AccountNum,'') as AccountNum  From "
                              "PATIENT_DATA..tbpatient  Where Idnum = '2026004410B'";
    const struct {
        const char* name;
        std::vector<Row> rows;
        bool company;
    } cases[] = {
        {"not an in-patient", {}, false},
        {"own account", {{"100577", "100577"}}, false},
        {"company account", {{"100577", "C-0012"}}, true},
        {"empty account number", {{"100577", ""}}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp test;
        test.server.On(query).Returns({"HospNum", "AccountNum"}, c.rows);
        EXPECT_EQ(ward::IsCompanyAccount(test.app, fixture::OutPatientIdNum), c.company);
    }
}

TEST(CheckZFirstPackage, KeepsTheLastPDTransactionOfTheRowAndEmptiesItWithoutOne) {
    const std::string query = "Station..CheckZFirstPackagePx '2026001234'";
    const struct {
        const char* name;
        std::vector<Row> rows;
        bool answer;
        std::string last;
    } cases[] = {
        {"a row", {{"PD-0007"}}, true, "PD-0007"},
        {"a row with Null", {{vb::Variant::Null()}}, true, ""},
        {"no row", {}, false, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp test;
        test.app.LastPDTransaction = "PD-0001"; // left by an earlier call
        test.server.On(query).Returns({"LastPDTransaction"}, c.rows);
        EXPECT_EQ(ward::CheckZFirstPackage(test.app, fixture::InPatientIdNum), c.answer);
        EXPECT_EQ(test.app.LastPDTransaction, c.last);
    }
}

TEST(CheckZFirstPackage, AFailedQueryStillEmptiesTheLastPDTransaction) {
    TestApp test;
    test.app.LastPDTransaction = "PD-0001";
    test.server.On("Station..CheckZFirstPackagePx '2026001234'").Fails("Timeout expired", -2147217871);
    test.host.ExpectMsgBox("Timeout expired" + Notice);

    EXPECT_FALSE(ward::CheckZFirstPackage(test.app, fixture::InPatientIdNum));
    EXPECT_EQ(test.app.LastPDTransaction, "");
}

const std::string PhicQuery = "STATION..CheckIfValidPHICPatient '2026001234'";

std::string AdmissionDateQuery(const std::string& table, const std::string& idNum) {
    return "SELECT 1 FROM Patient_Data.." + table + "WHERE IDNum = '" + idNum +
           "' AND CONVERT(varchar(10),AdmDate,121) >= '2026-12-01'";
}

TEST(IsCF4Required, WithoutAStartDateAnswersWhatThePhilHealthCheckAnswers) {
    for (bool valid : {true, false}) {
        SCOPED_TRACE(valid);
        TestApp test;
        fixture::LoadParametersWith(test, {{"CF4RequireStart", "  "}});
        const std::size_t mark = test.server.Mark();
        test.server.On(PhicQuery).Returns({"IDNum"}, valid ? std::vector<Row>{{"2026001234"}} : std::vector<Row>{});

        EXPECT_EQ(ward::IsCF4Required(test.app, fixture::InPatientIdNum), valid);
        EXPECT_TRUE(test.server.SentExactly({PhicQuery}, mark));
    }
}

TEST(IsCF4Required, ComparesTheAdmissionDateInTheTableOfThePatientsKind) {
    const struct {
        const char* name;
        std::string idNum;
        std::string table;
        bool onOrAfterStart;
        std::vector<std::string> sent;
        bool required;
    } cases[] = {
        {"in-patient after the start", "2026001234", "tbPatient ", true, {PhicQuery}, true},
        {"in-patient before the start", "2026001234", "tbPatient ", false, {}, false},
        {"out-patient", "2026004410B", "tbOutPatient ", true, {"STATION..CheckIfValidPHICPatient '2026004410B'"}, true},
        {"a blank after the B", "2026004410B ", "tbPatient ", false, {}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp test;
        fixture::LoadParametersWith(test, {{"CF4RequireStart", "2026-12-01"}});
        const std::size_t mark = test.server.Mark();
        const std::string dateQuery = AdmissionDateQuery(c.table, c.idNum);
        test.server.On(dateQuery).Returns({""},
                                          c.onOrAfterStart ? std::vector<Row>{{std::int32_t{1}}} : std::vector<Row>{});
        for (const std::string& phic : c.sent)
            test.server.On(phic).Returns({"IDNum"}, {{c.idNum}});

        EXPECT_EQ(ward::IsCF4Required(test.app, c.idNum), c.required);
        std::vector<std::string> expected{dateQuery};
        expected.insert(expected.end(), c.sent.begin(), c.sent.end());
        EXPECT_TRUE(test.server.SentExactly(expected, mark));
    }
}

TEST(IsCF4Required, AnErrorInEitherQueryIsShownOnceAndAnswersFalse) {
    for (int failing : {0, 1}) {
        SCOPED_TRACE(failing);
        TestApp test;
        fixture::LoadParametersWith(test, {{"CF4RequireStart", "2026-12-01"}});
        const std::string dateQuery = AdmissionDateQuery("tbPatient ", "2026001234");
        if (failing == 0) {
            test.server.On(dateQuery).Fails("Invalid column name 'AdmDate'.", 207);
        } else {
            test.server.On(dateQuery).Returns({""}, {{std::int32_t{1}}});
            test.server.On(PhicQuery).Fails("Invalid column name 'AdmDate'.", 207);
        }
        test.host.ExpectMsgBox("Invalid column name 'AdmDate'." + Notice).Title("Notification");

        EXPECT_FALSE(ward::IsCF4Required(test.app, fixture::InPatientIdNum));
        EXPECT_EQ(test.host.MessageBoxes().size(), 1u);
    }
}

} // namespace
