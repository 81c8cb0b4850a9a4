#include "core/AccountChecks.h"
#include "platform/vb/DateSerialNumber.h"
#include "shell/mdiOrMenu.h"
#include "testkit/FixtureWard.h"

#include <gtest/gtest.h>

#include <functional>

using namespace testkit;
namespace fixture = testkit::ward_fixture;

namespace {

const vb::Variant Null = vb::Variant::Null();

struct CheckCase {
    const char* name;
    std::function<bool(ward::App&)> check;
    std::string statement;
    std::vector<std::string> columns;
    std::vector<Row> rows;
    bool expected;
};

class AdmissionChecks : public ::testing::TestWithParam<CheckCase> {};

TEST_P(AdmissionChecks, SendTheirStatementAndAnswerFromTheFirstRow) {
    const CheckCase& c = GetParam();
    TestApp test;
    test.server.On(c.statement).Returns(c.columns, c.rows);

    EXPECT_EQ(c.check(test.app), c.expected);
    EXPECT_TRUE(test.server.SentExactly({c.statement}));
}

bool Cleared(ward::App& app) { return ward::IsDepartmentCleared(app, " 2026001234 ", "SU "); }
bool CashBasis(ward::App& app) { return ward::IsCashBasisSU(app, "2026001234 "); }
bool OkeySU(ward::App& app) { return ward::IsOkeySU(app, "2026001234"); }
bool PatientsMed(ward::App& app) { return ward::IsPatientsMed(app, " 2026001234"); }
bool MaintainedRoom(ward::App& app) { return ward::IsMaintainedRoom(app, "2026001234"); }
bool Senior(ward::App& app) { return ward::IsSeniorCitizen(app, "2026001234"); }
bool ReceivableUpdate(ward::App& app) { return ward::IsReceivableUpdate(app, " 2026001234"); }

const std::string ClearedCheck = "STATION..sp_Nurse_Check_ClearedDepartment '2026001234','SU'";
const std::string CashBasisCheck =
    "SELECT Isnull(OkeySU,0) as OKeySU FROM Patient_data..tbPatient2 WHERE IDNum ='2026001234'";
const std::string PatientsMedCheck =
    "Select Isnull(PatientsMed,0) as PatientsMed from Patient_data..tbPatient2 where IDNum ='2026001234'";
const std::string MaintainedRoomCheck = "STATION..sp_Nurse_Check_Maintained_Room '2026001234'";
const std::string SeniorCheck = "Station..sp_Nurse_Check_Patient_IsSeniorCitizen '2026001234'";
const std::string ReceivableCheck = "PATIENT_DATA..sp_Check_Patient_For_ReceivableUpdate '2026001234'";

INSTANTIATE_TEST_SUITE_P(
    Members, AdmissionChecks,
    ::testing::Values(
        CheckCase{"ClearedWithADate", Cleared, ClearedCheck, {"ClearDate"}, {{vb::MakeDate({2026, 12, 9})}}, true},
        CheckCase{"ClearedWithNullDate", Cleared, ClearedCheck, {"ClearDate"}, {{Null}}, false},
        CheckCase{"ClearedWithEmptyDate", Cleared, ClearedCheck, {"ClearDate"}, {{""}}, false},
        CheckCase{"NotCleared", Cleared, ClearedCheck, {"ClearDate"}, {}, false},
        CheckCase{"CashBasisWhenOkeySUIsOff", CashBasis, CashBasisCheck, {"OKeySU"}, {{false}}, true},
        CheckCase{"CashBasisWhenOkeySUIsZero", CashBasis, CashBasisCheck, {"OKeySU"}, {{std::int32_t{0}}}, true},
        CheckCase{"CashBasisWhenOkeySUIsNull", CashBasis, CashBasisCheck, {"OKeySU"}, {{Null}}, true},
        CheckCase{"NoCashBasisWhenOkeySUIsOn", CashBasis, CashBasisCheck, {"OKeySU"}, {{true}}, false},
        CheckCase{"NoCashBasisWithoutAdmission", CashBasis, CashBasisCheck, {"OKeySU"}, {}, false},
        CheckCase{"OkeySUIsTheSameCheck", OkeySU, CashBasisCheck, {"OKeySU"}, {{std::int16_t{0}}}, true},
        CheckCase{"PatientsMed", PatientsMed, PatientsMedCheck, {"PatientsMed"}, {{std::int32_t{1}}}, true},
        CheckCase{"NotPatientsMed", PatientsMed, PatientsMedCheck, {"PatientsMed"}, {{std::int32_t{0}}}, false},
        CheckCase{"PatientsMedNoRow", PatientsMed, PatientsMedCheck, {"PatientsMed"}, {}, false},
        CheckCase{"MaintainedRoom", MaintainedRoom, MaintainedRoomCheck, {"RoomID"}, {{"SIC-03"}}, true},
        CheckCase{"NoMaintainedRoom", MaintainedRoom, MaintainedRoomCheck, {"RoomID"}, {}, false},
        CheckCase{"Senior", Senior, SeniorCheck, {"IDNum"}, {{"2026001234"}}, true},
        CheckCase{"NotSenior", Senior, SeniorCheck, {"IDNum"}, {}, false},
        CheckCase{"ReceivableUpdate", ReceivableUpdate, ReceivableCheck, {"IsReceivableUpdate"}, {{true}}, true},
        CheckCase{"NoReceivableUpdate", ReceivableUpdate, ReceivableCheck, {"IsReceivableUpdate"}, {{false}}, false},
        CheckCase{"ReceivableUpdateNull", ReceivableUpdate, ReceivableCheck, {"IsReceivableUpdate"}, {{Null}}, false},
        CheckCase{"ReceivableUpdateNoRow", ReceivableUpdate, ReceivableCheck, {"IsReceivableUpdate"}, {}, false}),
    [](const auto& info) { return std::string(info.param.name); });

struct BillingCase {
    const char* name;
    vb::Variant billingDate;
    bool closed;
};

class AccountClosed : public ::testing::TestWithParam<BillingCase> {};

TEST_P(AccountClosed, RefreshesTheAdmissionAndTellsTheNurseWhenBillingClosedIt) {
    const BillingCase& c = GetParam();
    TestApp test;
    test.patientSearch.admission.BillingDate = vb::Variant::Null();
    // Billing closes the account while the nurse works: only the refreshed admission knows it.
    test.patientSearch.admission.onRefresh = [&](components::AdmissionData& admission) {
        admission.BillingDate = c.billingDate;
    };
    if (c.closed)
        test.host
            .ExpectMsgBox("The patient's account has already been closed. \r\n\r\nIf you have transaction to make, "
                          "please notify the Billing staff immediately for further instructions.")
            .Title("Notification")
            .Buttons(forms::vbOKOnly + forms::vbExclamation);

    EXPECT_EQ(ward::IsAccountClosed(test.app), c.closed);
    EXPECT_EQ(test.patientSearch.admission.Calls, std::vector<std::string>{"Admission.Refresh"});
    EXPECT_TRUE(test.server.Sent().empty());
}

INSTANTIATE_TEST_SUITE_P(BillingDates, AccountClosed,
                         ::testing::Values(BillingCase{"Date", vb::MakeDate({2026, 12, 10, 16, 0, 0}), true},
                                           BillingCase{"DateText", "12/10/2026", true},
                                           BillingCase{"Zero", std::int32_t{0}, false},
                                           BillingCase{"Null", vb::Variant::Null(), false},
                                           BillingCase{"Empty", vb::Variant(), false},
                                           BillingCase{"BlankText", " ", false}),
                         [](const auto& info) { return std::string(info.param.name); });

// A charge window's entry grid, department code in column 1.
class frmEntry : public forms::Form {
public:
    explicit frmEntry(ward::App& app) : Form(app.Forms) {}
    forms::MSHFlexGrid mshflexEntry{*this, "mshflexEntry"};

protected:
    void Design() override { mshflexEntry.SetCols(9); }
};

struct ICCase {
    const char* name;
    std::vector<std::string> departments; // column 1 of the data rows; none leaves only the header row
    bool expected;
};

class ICRows : public ::testing::TestWithParam<ICCase> {};

TEST_P(ICRows, LookForTheDepartmentCodeICInEveryDataRow) {
    const ICCase& c = GetParam();
    TestApp test;
    forms::MSHFlexGrid& grid = test.app.Forms.Get<frmEntry>().mshflexEntry;
    grid.SetRows(static_cast<int>(c.departments.size()) + 1);
    for (std::size_t i = 0; i < c.departments.size(); ++i)
        grid.SetTextMatrix(static_cast<int>(i) + 1, 1, c.departments[i]);

    EXPECT_EQ(ward::HasICRow(grid), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Grids, ICRows,
                         ::testing::Values(ICCase{"HeaderOnly", {}, false}, ICCase{"LowerCase", {"SU", "ic"}, false},
                                           ICCase{"BetweenBlanks", {"SU", " IC ", "PH"}, true},
                                           ICCase{"LastRow", {"SU", "PH", "IC"}, true},
                                           ICCase{"None", {"SU", ""}, false}),
                         [](const auto& info) { return std::string(info.param.name); });

const std::string SlipInCharges = "Select Refnum From BILLING..tbBillDailyBill Where Refnum = 'C0000812B'";
const std::string SlipInOutPatientCharges = " Select Refnum From BILLING..tbBillOPDailyOut Where Refnum = 'C0000812B'";
const std::string SlipInCashAssessments = " Select Refnum From BILLING..tbCashAssessment Where Refnum = 'C0000812B'";
const std::string SlipOfOutPatientCharges =
    " Select Refnum From BILLING..tbBillOPDailyOut Where ChargeSlip = 'C0000812B'";
const std::string SlipInStockCards = " Select Refnum From INVENTORY..tbInvStockcard Where Refnum = 'C0000812B'";
const std::string UnionAll = " Union All ";

void UseFifteenCharacterSlips(TestApp& test) {
    test.server.On(fixture::NurseSetupQuery).Returns({"Field", "value"}, {{"FifteenCSlipFormat", "1"}});
    test.app.Parameters().LoadParameters(test.app);
}

struct SlipCase {
    const char* name;
    bool fifteenCharacters;
    std::vector<Row> rows;
    bool used;
};

class ChargeSlipNumbers : public ::testing::TestWithParam<SlipCase> {};

TEST_P(ChargeSlipNumbers, SearchEveryTableThatTakesSlipNumbers) {
    const SlipCase& c = GetParam();
    TestApp test;
    if (c.fifteenCharacters)
        UseFifteenCharacterSlips(test);
    const std::string statement = c.fifteenCharacters ? SlipInCharges + UnionAll + SlipInOutPatientCharges + UnionAll +
                                                            SlipInCashAssessments + UnionAll + SlipOfOutPatientCharges +
                                                            UnionAll + SlipInStockCards
                                                      : SlipInCharges + UnionAll + SlipInOutPatientCharges + UnionAll +
                                                            SlipOfOutPatientCharges + UnionAll + SlipInStockCards;
    test.server.On(statement).Returns({"Refnum"}, c.rows);
    const std::size_t mark = test.server.Mark();

    EXPECT_EQ(ward::ChargeSlipExists(test.app, " C0000812B "), c.used);
    EXPECT_TRUE(test.server.SentExactly({statement}, mark));
}

// The scripted server answers by statement: a number found only in the cash assessments is found only by the union
// that includes them.
INSTANTIATE_TEST_SUITE_P(Formats, ChargeSlipNumbers,
                         ::testing::Values(SlipCase{"FreeNumber", false, {}, false},
                                           SlipCase{"UsedNumber", false, {{"C0000812B"}}, true},
                                           SlipCase{"FreeNumberFifteen", true, {}, false},
                                           SlipCase{"UsedInCashAssessmentsFifteen", true, {{"C0000812B"}}, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ChargeSlipExists, AQuoteInTheNumberIsDoubled) {
    TestApp test;
    test.server
        .On("Select Refnum From BILLING..tbBillDailyBill Where Refnum = 'C1''B' Union All  Select Refnum From "
            "BILLING..tbBillOPDailyOut Where Refnum = 'C1''B' Union All  Select Refnum From BILLING..tbBillOPDailyOut "
            "Where ChargeSlip = 'C1''B' Union All  Select Refnum From INVENTORY..tbInvStockcard Where Refnum = "
            "'C1''B'")
        .Returns({"Refnum"}, {});

    EXPECT_FALSE(ward::ChargeSlipExists(test.app, "C1'B"));
}

TEST(ShowNextChargeSlip, ShowsTheCounterOnTheMainWindowAndKeepsItWhenTheSeriesIsEmpty) {
    TestApp test;
    ward::mdiOrMenu& main = test.app.Forms.Instance<ward::mdiOrMenu>();
    test.server.On("Select * from STATION..tbSCNChargeSlip").Returns({"ChargeSlip"}, {{std::int32_t{812}}});
    test.server.On("Select * from STATION..tbSCNChargeSlip").Returns({"ChargeSlip"}, {});

    ward::ShowNextChargeSlip(test.app, main.lblCS);
    EXPECT_EQ(main.lblCS(1).Caption(), "812");
    EXPECT_EQ(main.lblCS(0).Caption(), "Next Charge Slip #");

    ward::ShowNextChargeSlip(test.app, main.lblCS);
    EXPECT_EQ(main.lblCS(1).Caption(), "812");
    EXPECT_EQ(test.server.Sent().size(), 2U);
}

} // namespace
