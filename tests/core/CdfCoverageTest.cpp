#include "core/frmCdfViewing.h"
#include "core/modCDF.h"
#include "platform/forms/LayoutCheck.h"
#include "testkit/FixtureWard.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace testkit;
namespace fixture = testkit::ward_fixture;
using ward::CdfBucket;

namespace {

const std::string Notice = "\n\nPlease notify your IT department.";
const std::vector<std::string> BillColumns = {"RevenueID", "LocationID", "hemorequest", "ItemID",
                                              "DrCr",      "LGRP",       "Amount"};
const std::string InPatientBill = "BILLING..sp_billing_search_for_patient_transactions_Kidney '2026001234', ''";
const std::string CdfRows = "Select Amount from BILLING..tbParsCDFTransaction where hospnum = '100234'";
const std::string CdfSum = "Select sum(amount) as amount from Billing..tbParsCDFTransaction where hospnum = '100234'";
const std::string UsedCdf = "BILLING..sp_Pars_Get_UtilizedCDF '100234'";

Row Line(const char* code, vb::Variant amount, const char* location = "", const char* itemId = "",
         const char* drCr = "", const char* lgrp = "", vb::Variant hemo = std::int16_t{0}) {
    return {code, location, hemo, itemId, drCr, lgrp, amount};
}

ward::BillLine Bill(const char* code, const char* location = "", bool hemo = false, const char* itemId = "",
                    const char* drCr = "", const char* lgrp = "") {
    return {code, location, hemo, itemId, drCr, lgrp};
}

// The five boxes as the window shows them, top to bottom.
std::vector<std::string> ShownFigures(TestApp& test) {
    std::vector<std::string> shown;
    test.host.OnModal<ward::frmCdfViewing>([&](ward::frmCdfViewing& window) {
        shown = {window.txtHospBill.Text(), window.txtTotalCDF.Text(), window.txtPaidCDF.Text(),
                 window.txtCDFBalance.Text(), window.txtNetHospBill.Text()};
        Click(window.cmdClose);
    });
    test.app.Forms.Instance<ward::frmCdfViewing>().ShowModal();
    return shown;
}

TEST(BucketOf, RoutesEachLineByItsCodeAndThenByItsOtherColumns) {
    const struct {
        const char* name;
        ward::BillLine line;
        std::optional<CdfBucket> bucket;
    } cases[] = {
        {"own code", Bill("X5"), CdfBucket::X5},
        {"operating room", Bill("OR"), CdfBucket::X4},
        {"laboratory", Bill("LB"), CdfBucket::Y1},
        {"pharmacy anywhere else", Bill("PH", "12"), CdfBucket::X2},
        {"pharmacy at 114", Bill("PC", "114"), CdfBucket::Remainder},
        {"pharmacy at 93", Bill("PH", "93"), CdfBucket::X8},
        {"pharmacy at 110", Bill("X2", "110"), CdfBucket::X8},
        {"pharmacy at 113", Bill("PH", "113"), CdfBucket::Y5},
        {"pharmacy at 103", Bill("PH", "103"), CdfBucket::X4},
        {"pharmacy at 093 is not 93", Bill("PH", "093"), CdfBucket::X2},
        {"supplies anywhere else", Bill("CS", "12"), CdfBucket::X3},
        {"supplies for hemodialysis", Bill("CS", "22", true), CdfBucket::X7},
        {"supplies at 22", Bill("NS", "22"), CdfBucket::Remainder},
        {"supplies at 100", Bill("CC", "100"), CdfBucket::X4},
        {"supplies at 43", Bill("X3", "43"), CdfBucket::X8},
        {"supplies at 41", Bill("CS", "41"), CdfBucket::X7},
        {"supplies at 31", Bill("CS", "31"), CdfBucket::Y5},
        {"supplies at 36", Bill("CS", "36"), CdfBucket::X4},
        {"senior discount SS3", Bill("SS", "", false, "SS3"), CdfBucket::Z3},
        {"SS of another item", Bill("SS", "", false, "SS9"), std::nullopt},
        {"other code with SS2 and DrCr P", Bill("ZZ", "", false, "SS2", "P", "D"), CdfBucket::Z2},
        {"other code with DrCr P and LGRP D", Bill("ZZ", "", false, "", "P", "D"), CdfBucket::MD},
        {"other code with LGRP D", Bill("ZZ", "", false, "", "C", "D"), CdfBucket::Z6},
        {"other code", Bill("ZZ"), CdfBucket::Remainder},
        {"empty code", Bill(""), CdfBucket::Remainder},
        {"own code beats DrCr", Bill("PY", "", false, "", "P"), CdfBucket::Z5},
        {"cash payment", Bill("CP"), CdfBucket::CP},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ward::BucketOf(c.line), c.bucket);
    }
}

TEST(UpperTrim, UpperCasesAndTrims) {
    EXPECT_EQ(ward::UpperTrim("  ph "), "PH");
    EXPECT_EQ(ward::UpperTrim(""), "");
}

// A bill with lines in several buckets, one in none, deductions and the CP bucket, and two CDF rows.
TEST(CheckCDFCoverage, TotalsTheBillAndLeavesTheFiveFiguresOnTheWindow) {
    TestApp test;
    test.server.On(InPatientBill)
        .Returns(BillColumns, {
                                  Line("LB", 1500.0),                                   // Y1
                                  Line(" ph ", 2000.0, " 93 "),                         // X8: upper-trimmed
                                  Line("PH", 300.0, "093"),                             // X2
                                  Line("CS", 700.0, "22", "", "", "", std::int32_t{1}), // X7: hemodialysis
                                  Line("or", 5000.0),                                   // X4
                                  Line("MX", 250.0, "", "", "P", "D"),                  // MD
                                  Line("RM", vb::Variant::Null()),                      // counts as 0
                                  Line("SS", 999.0, "", "SS9"),                         // nowhere
                                  Line("ZZ", -400.0, "", "SS2", "P"),                   // Z2
                                  Line("PY", -400.0),                                   // Z5
                                  Line("CP", -1000.0),                                  // CP
                              });
    test.server.On(CdfRows).Returns({"Amount"}, {{15000.0}, {5000.0}});
    test.server.On(CdfSum).Returns({"amount"}, {{20000.0}});
    test.server.On(UsedCdf).Returns({"Amount"}, {{300.0}});

    EXPECT_TRUE(ward::CheckCDFCoverage(test.app, fixture::InPatientIdNum, fixture::InPatientHospNum));

    EXPECT_TRUE(test.server.SentExactly({InPatientBill, CdfRows, CdfSum, UsedCdf}));
    // Charges 9,750 less deductions 1,800; used CDF is the CP lines' -1,000 widened by the 300 used.
    EXPECT_THAT(ShownFigures(test),
                testing::ElementsAre("7,950.00", "20,000.00", "(1,300.00)", "21,300.00", "(10,750.00)"));
}

struct CoverageCase {
    const char* name;
    std::vector<Row> bill;
    std::vector<Row> cdf; // one row at most, so no sum is asked
    std::vector<Row> used;
    bool enabled;
    std::vector<std::string> figures;
};

TEST(CheckCDFCoverage, AnswersFromTheCdfRecordAndTheBalance) {
    const CoverageCase cases[] = {
        {"no bill, no CDF", {}, {}, {{0.0}}, false, {"0.00", "0.00", "0.00", "0.00", "0.00"}},
        {"a large bill without CDF",
         {Line("OR", 90000.0)},
         {},
         {{0.0}},
         false,
         {"90,000.00", "0.00", "0.00", "0.00", "90,000.00"}},
        {"one CDF row", {}, {{5000.0}}, {{1250.5}}, true, {"0.00", "5,000.00", "1,250.50", "3,749.50", "(6,250.50)"}},
        {"a balance of exactly zero",
         {},
         {{5000.0}},
         {{5000.0}},
         false,
         {"0.00", "5,000.00", "5,000.00", "0.00", "(10,000.00)"}},
        {"a negative balance",
         {},
         {{1000.0}},
         {{3000.0}},
         true,
         {"0.00", "1,000.00", "3,000.00", "(2,000.00)", "(4,000.00)"}},
        {"a used amount below zero changes nothing",
         {},
         {{1000.0}},
         {{-50.0}},
         true,
         {"0.00", "1,000.00", "0.00", "1,000.00", "(1,000.00)"}},
        {"a Null used amount",
         {},
         {{1000.0}},
         {{vb::Variant::Null()}},
         true,
         {"0.00", "1,000.00", "0.00", "1,000.00", "(1,000.00)"}},
        {"no used-CDF row", {}, {{1000.0}}, {}, true, {"0.00", "1,000.00", "0.00", "1,000.00", "(1,000.00)"}},
        {"a Null CDF amount", {}, {{vb::Variant::Null()}}, {{0.0}}, false, {"0.00", "0.00", "0.00", "0.00", "0.00"}},
        {"a deduction of -800",
         {Line("X1", 2000.0), Line("Z7", -800.0)},
         {},
         {{0.0}},
         false,
         {"1,200.00", "0.00", "0.00", "0.00", "1,200.00"}},
        {"a deduction of +800",
         {Line("X1", 2000.0), Line("Z7", 800.0)},
         {},
         {{0.0}},
         false,
         {"1,200.00", "0.00", "0.00", "0.00", "1,200.00"}},
        {"CP lines with a positive sum",
         {Line("CP", 400.0)},
         {{1000.0}},
         {{100.0}},
         true,
         {"(400.00)", "1,000.00", "500.00", "500.00", "(1,900.00)"}},
    };
    for (const CoverageCase& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp test;
        test.server.On(InPatientBill).Returns(BillColumns, c.bill);
        test.server.On(CdfRows).Returns({"Amount"}, c.cdf);
        test.server.On(UsedCdf).Returns({"Amount"}, c.used);

        EXPECT_EQ(ward::CheckCDFCoverage(test.app, fixture::InPatientIdNum, fixture::InPatientHospNum), c.enabled);
        EXPECT_TRUE(test.server.SentExactly({InPatientBill, CdfRows, UsedCdf}));
        EXPECT_EQ(ShownFigures(test), c.figures);
    }
}

TEST(CheckCDFCoverage, ReadsABillOfMoreThan32767LinesToTheEnd) {
    TestApp test;
    std::vector<Row> bill(40000, Line("LB", 1.0));
    test.server.On(InPatientBill).Returns(BillColumns, bill);
    test.server.On(CdfRows).Returns({"Amount"}, {{50000.0}});
    test.server.On(UsedCdf).Returns({"Amount"}, {{0.0}});

    EXPECT_TRUE(ward::CheckCDFCoverage(test.app, fixture::InPatientIdNum, fixture::InPatientHospNum));
    EXPECT_EQ(ShownFigures(test).front(), "40,000.00");
}

TEST(CheckCDFCoverage, AVisitEndingInBUsesTheConsolidatedBillWithTheNumberAsPassed) {
    const struct {
        const char* name;
        std::string idNum;
        std::string bill;
    } cases[] = {
        {"out-patient", "2026004410B",
         "BILLING..sp_billing_search_for_patient_transactions_Kidney_Consolidated '', "
         "'2026004410B'"},
        {"blanks after the B", "2026004410B  ",
         "BILLING..sp_billing_search_for_patient_transactions_Kidney_Consolidated '', '2026004410B  '"},
        {"a quote in the number", "20'26B",
         "BILLING..sp_billing_search_for_patient_transactions_Kidney_Consolidated '', '20''26B'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp test;
        test.server.On(c.bill).Returns(BillColumns, {Line("LB", 100.0)});
        test.server.On("Select Amount from BILLING..tbParsCDFTransaction where hospnum = '100577'")
            .Returns({"Amount"}, {});
        test.server.On("BILLING..sp_Pars_Get_UtilizedCDF '100577'").Returns({"Amount"}, {{0.0}});

        EXPECT_FALSE(ward::CheckCDFCoverage(test.app, c.idNum, fixture::OutPatientHospNum));
        EXPECT_EQ(test.server.Sent().at(0).text, c.bill);
    }
}

TEST(CheckCDFCoverage, AnErrorIsShownOnceAndKeepsTheFiguresOfTheLastCompletedCheck) {
    for (std::size_t failing = 0; failing < 4; ++failing) {
        SCOPED_TRACE(failing);
        TestApp test;
        test.server.On(InPatientBill).Returns(BillColumns, {Line("LB", 1000.0)});
        test.server.On(CdfRows).Returns({"Amount"}, {{400.0}, {100.0}});
        test.server.On(CdfSum).Returns({"amount"}, {{500.0}});
        test.server.On(UsedCdf).Returns({"Amount"}, {{200.0}});
        ASSERT_TRUE(ward::CheckCDFCoverage(test.app, fixture::InPatientIdNum, fixture::InPatientHospNum));

        test.server.FailStatement(test.server.Mark() + failing, "Timeout expired", -2147217871);
        test.host.ExpectMsgBox("Timeout expired" + Notice).Title("Notification");
        EXPECT_FALSE(ward::CheckCDFCoverage(test.app, fixture::InPatientIdNum, fixture::InPatientHospNum));
        EXPECT_EQ(test.host.MessageBoxes().size(), 1u);
        EXPECT_THAT(ShownFigures(test), testing::ElementsAre("1,000.00", "500.00", "200.00", "300.00", "300.00"));
    }
}

TEST(frmCdfViewing, ShowsItsFiguresGroupedWithNegativesInParenthesesAndKeepsThemAfterClosing) {
    TestApp test;
    ward::frmCdfViewing& window = test.app.Forms.Instance<ward::frmCdfViewing>();
    window.SetHospBill(12345.6);
    window.SetTotalCDF(-250);
    window.SetPaidCDF(0.5);
    window.SetCDFBalance(0);
    window.SetNetHospBill(-1234567.891);

    const std::vector<std::string> expected = {"12,345.60", "(250.00)", "0.50", "0.00", "(1,234,567.89)"};
    EXPECT_EQ(ShownFigures(test), expected);
    EXPECT_FALSE(window.IsLoaded()) << "Close unloads the window";
    EXPECT_EQ(ShownFigures(test), expected);
}

TEST(frmCdfViewing, LaysOutItsCaptionsInOrderWithoutOverlaps) {
    TestApp test;
    ward::frmCdfViewing& window = test.app.Forms.Get<ward::frmCdfViewing>();
    EXPECT_EQ(window.Caption(), "CDF");
    EXPECT_EQ(window.lblTitle.Caption(), "CDF Details");
    EXPECT_EQ(window.cmdClose.Caption(), "&Close");
    const std::pair<forms::Label*, const char*> rows[] = {
        {&window.lblHospBill, "Hospital Bill :"},
        {&window.lblTotalCDF, "Total CDF :"},
        {&window.lblPaidCDF, "Utilized CDF :"},
        {&window.lblCDFBalance, "CDF Balance :"},
        {&window.lblNetHospBill, "Net Hosp. Bill After CDF :"},
    };
    int top = window.lblTitle.Top();
    for (const auto& [label, caption] : rows) {
        EXPECT_EQ(label->Caption(), caption);
        EXPECT_GT(label->Top(), top);
        top = label->Top();
    }
    EXPECT_GT(window.cmdClose.Top(), window.txtNetHospBill.Top());
    EXPECT_THAT(forms::FindOverlaps(window), testing::IsEmpty());
}

} // namespace
