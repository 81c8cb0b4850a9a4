#include "core/HospitalSettings.h"
#include "platform/vb/DateSerialNumber.h"
#include "testkit/FixtureWard.h"

#include <gtest/gtest.h>

#include <functional>

using namespace testkit;
namespace fixture = testkit::ward_fixture;

namespace {

const std::string ServerDown = "[Microsoft][ODBC SQL Server Driver]Communication link failure";

TEST(LoadHospitalSettings, ReadsTheFixtureWardWithThreeQueriesInOrder) {
    TestApp test;
    fixture::DeclareSettings(test.server);

    ward::LoadHospitalSettings(test.app);

    EXPECT_TRUE(
        test.server.SentExactly({fixture::HospitalInfoQuery, fixture::NursingSettingsQuery, fixture::NurseSetupQuery}));
    const ward::App& app = test.app;
    EXPECT_EQ(app.HospitalName, fixture::HospitalName);
    EXPECT_EQ(app.HospitalAddress, fixture::HospitalAddress);
    EXPECT_EQ(app.MTSServerName, fixture::MTSServerName);
    EXPECT_EQ(app.HospitalPhone, "(02) 555-0100");
    EXPECT_EQ(app.ClientName, "TESSUN");
    EXPECT_FALSE(app.ByGeneric);
    EXPECT_TRUE(app.IsNursePrint);
    EXPECT_TRUE(app.IsLBDirectCharging);
    EXPECT_FALSE(app.IsUSDirectCharging);
    EXPECT_TRUE(app.IsShowAmount);
    EXPECT_TRUE(app.IsPrintChargeSlip);
    EXPECT_EQ(app.CutoffClearanceTime, vb::MakeDate({1899, 12, 30, 17, 0, 0}));
    EXPECT_EQ(app.PSIOxygenComputationType, 1);
    EXPECT_TRUE(app.IsStat);
    EXPECT_TRUE(app.IsAllowNurseToDischarge);
    EXPECT_FALSE(app.AllowZeroOnHand);
    EXPECT_TRUE(app.HighAlert);
    // The nursing settings: PHICOneDay set, AppendDrugDescCharge not.
    EXPECT_TRUE(app.PHICOneDay);
    EXPECT_TRUE(app.NoRequestingAfterFinalNotice);
    EXPECT_FALSE(app.AppendDrugDescCharge);
    // And the ward parameters after them.
    EXPECT_TRUE(test.app.Parameters().ShowCF4());
    EXPECT_EQ(test.app.Parameters().NewCSlipFormat(), "0000000");
    EXPECT_EQ(test.app.Parameters().PHCreditLimit(), 5000);
    EXPECT_EQ(test.app.Parameters().PortableAmount(), 150);
}

TEST(LoadHospitalSettings, AnUnreachableServerClearsTheFlagsAndKeepsTheTexts) {
    TestApp test;
    fixture::DeclareSettings(test.server); // the first load reads these, the second finds the server gone
    test.server.On(fixture::HospitalInfoQuery).Fails(ServerDown, 11);
    test.server.On(fixture::NursingSettingsQuery).Fails(ServerDown, 11);
    test.server.On(fixture::NurseSetupQuery).Fails(ServerDown, 11);
    ward::LoadHospitalSettings(test.app);

    ward::LoadHospitalSettings(test.app); // and no message: the caller goes on

    const ward::App& app = test.app;
    for (bool flag : {app.IsNursePrint, app.IsLBDirectCharging, app.IsShowAmount, app.IsPrintChargeSlip, app.IsStat,
                      app.IsAllowNurseToDischarge, app.HighAlert, app.PHICOneDay, app.NoRequestingAfterFinalNotice,
                      app.PrintPHCSRequest})
        EXPECT_FALSE(flag);
    EXPECT_EQ(app.PSIOxygenComputationType, 0);
    EXPECT_EQ(app.HospitalName, fixture::HospitalName);
    EXPECT_EQ(app.MTSServerName, fixture::MTSServerName);
    EXPECT_EQ(app.CutoffClearanceTime, vb::MakeDate({1899, 12, 30, 17, 0, 0}));
    EXPECT_FALSE(test.app.Parameters().ShowCF4());
    EXPECT_EQ(test.app.Parameters().PortableAmount(), 100);
    EXPECT_TRUE(test.host.MessageBoxes().empty());
}

TEST(LoadHospitalSettings, ANullColumnClearsItsFlagButKeepsItsText) {
    TestApp test;
    fixture::DeclareSettings(test.server); // the first load reads these, the second the answers below
    test.server.On(fixture::HospitalInfoQuery)
        .Returns({"Company", "IsShowAmount", "IsStat"}, {{vb::Variant::Null(), vb::Variant::Null(), true}});
    test.server.On(fixture::NursingSettingsQuery).Returns({"PHICOneDay"}, {});
    ward::LoadHospitalSettings(test.app);
    ASSERT_TRUE(test.app.IsShowAmount);

    ward::LoadHospitalSettings(test.app);

    EXPECT_EQ(test.app.HospitalName, fixture::HospitalName);
    EXPECT_FALSE(test.app.IsShowAmount);
    EXPECT_TRUE(test.app.IsStat);
    EXPECT_FALSE(test.app.PHICOneDay); // no nursing-settings row
}

TEST(LoadHospitalSettings, TheWardParameterOverridesTheHospitalsZeroOnHand) {
    TestApp test;
    test.server.On(fixture::HospitalInfoQuery).Returns({"AllowZeroOnHand"}, {{true}});
    test.server.On(fixture::NursingSettingsQuery).Returns({"PHICOneDay"}, {});
    test.server.On(fixture::NurseSetupQuery).Returns({"Field", "value"}, {{"ZODEAllowZeroOnHand", "0"}});

    ward::LoadHospitalSettings(test.app);

    EXPECT_FALSE(test.app.AllowZeroOnHand);
}

// The ward parameters: each case declares the active rows and checks what they give.
struct ParameterCase {
    const char* name;
    std::vector<Row> rows;
    std::function<void(ward::App&)> check;
};

void PrintTo(const ParameterCase& c, std::ostream* os) { *os << c.name; }

class WardParameters : public ::testing::TestWithParam<ParameterCase> {};

TEST_P(WardParameters, LoadParameters) {
    TestApp test;
    test.app.AllowZeroOnHand = true; // as the hospital settings left it
    test.server.On(fixture::NurseSetupQuery).Returns({"Field", "value"}, GetParam().rows);

    test.app.Parameters().LoadParameters(test.app);

    EXPECT_TRUE(test.server.SentExactly({fixture::NurseSetupQuery}));
    GetParam().check(test.app);
}

const vb::Variant Null = vb::Variant::Null();

INSTANTIATE_TEST_SUITE_P(
    Rows, WardParameters,
    ::testing::Values(
        ParameterCase{"NoRowsGiveTheDefaults",
                      {},
                      [](ward::App& app) {
                          auto& p = app.Parameters();
                          EXPECT_FALSE(p.ShowCF4());
                          EXPECT_FALSE(p.AllowInternationalRate());
                          EXPECT_EQ(p.NewCSlipFormat(), "");
                          EXPECT_EQ(p.PHCreditLimit(), 0);
                          EXPECT_EQ(p.PortableAmount(), 100);
                          EXPECT_TRUE(app.AllowZeroOnHand);
                      }},
        ParameterCase{"OneWithATrailingBlankIsNotOne",
                      {{"ZODEShowCF4", "1 "}, {"ZODEShowFluidIO", "1"}},
                      [](ward::App& app) {
                          auto& p = app.Parameters();
                          EXPECT_FALSE(p.ShowCF4());
                          EXPECT_TRUE(p.ShowFluidIO());
                      }},
        ParameterCase{"KeysMatchOnlyInTheirOwnLetterCase",
                      {{"zodeshowcf4", "1"}, {"cslipformat", "999"}},
                      [](ward::App& app) {
                          auto& p = app.Parameters();
                          EXPECT_FALSE(p.ShowCF4());
                          EXPECT_EQ(p.NewCSlipFormat(), "");
                      }},
        ParameterCase{"TheLastNonEmptyTextWins",
                      {{"CSlipFormat", "0000"}, {"CSlipFormat", ""}, {"BirCSlipFormat", "A"}, {"BirCSlipFormat", "B"}},
                      [](ward::App& app) {
                          auto& p = app.Parameters();
                          EXPECT_EQ(p.NewCSlipFormat(), "0000");
                          EXPECT_EQ(p.BirCSlipFormat(), "B");
                      }},
        ParameterCase{"AFlagStaysTrueOnceAnyRowSaysOne",
                      {{"CheckPNF", "1"}, {"CheckPNF", "0"}},
                      [](ward::App& app) { EXPECT_TRUE(app.Parameters().CheckPNF()); }},
        ParameterCase{"ANullRowIsIgnored",
                      {{Null, "1"}, {"ZODEShowZPackage", Null}, {"ZODEShowZPackage", "1"}},
                      [](ward::App& app) { EXPECT_TRUE(app.Parameters().ShowZPackage()); }},
        ParameterCase{"ABadNumberIsSkippedAndLaterRowsStillApply",
                      {{"PHCreditLimit", "300"},
                       {"PHCreditLimit", "ABC"},
                       {"RadioPortableAmount", "99999999999"},
                       {"ZODEShowCF4", "1"},
                       {"ZODEUsePHCreditLimit", "1"}},
                      [](ward::App& app) {
                          auto& p = app.Parameters();
                          EXPECT_EQ(p.PHCreditLimit(), 300);
                          EXPECT_EQ(p.PortableAmount(), 100);
                          EXPECT_TRUE(p.ShowCF4());
                          EXPECT_TRUE(p.UsePHCreditLimit());
                      }},
        ParameterCase{"ZeroOnHandZeroOverridesTheHospital",
                      {{"ZODEAllowZeroOnHand", "0"}},
                      [](ward::App& app) { EXPECT_FALSE(app.AllowZeroOnHand); }},
        ParameterCase{"ZeroOnHandTwoLeavesTheHospitalSetting",
                      {{"ZODEAllowZeroOnHand", "2"}},
                      [](ward::App& app) { EXPECT_TRUE(app.AllowZeroOnHand); }},
        ParameterCase{"ZeroOnHandTakesTheLastOneOrZero",
                      {{"ZODEAllowZeroOnHand", "0"}, {"ZODEAllowZeroOnHand", "x"}, {"ZODEAllowZeroOnHand", "1"}},
                      [](ward::App& app) { EXPECT_TRUE(app.AllowZeroOnHand); }}),
    [](const ::testing::TestParamInfo<ParameterCase>& info) { return std::string(info.param.name); });

TEST(WardParametersAcrossLoads, OpenCloseTankStaysOnWhileEveryOtherParameterFollowsTheServer) {
    TestApp test;
    test.server.On(fixture::NurseSetupQuery)
        .Returns({"Field", "value"}, {{"ZODEAllowOpenCloseTank", "1"}, {"ZODEShowCF4", "1"}});
    test.server.On(fixture::NurseSetupQuery).Returns({"Field", "value"}, {});

    test.app.Parameters().LoadParameters(test.app);
    test.app.Parameters().LoadParameters(test.app);

    EXPECT_TRUE(test.app.Parameters().AllowOpenCloseTank());
    EXPECT_FALSE(test.app.Parameters().ShowCF4());
}

TEST(WardParametersAcrossLoads, AFailedQueryLeavesTheDefaultsAndReachesTheCaller) {
    TestApp test;
    EXPECT_EQ(test.app.Parameters().PortableAmount(), 0); // made on first use, still empty
    test.server.On(fixture::NurseSetupQuery).Fails(ServerDown, 11);

    EXPECT_THROW(test.app.Parameters().LoadParameters(test.app), std::exception);
    EXPECT_EQ(test.app.Parameters().PortableAmount(), 100);
}

} // namespace
