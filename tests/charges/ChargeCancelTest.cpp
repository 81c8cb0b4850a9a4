#include "ChargeWindow.h"
#include "shell/frmSupervisorAccessCode.h"
#include "shell/frmTransaction_UserValidation.h"
#include "testkit/FixtureChart.h"
#include "testkit/FixtureSignIn.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace testkit;
using namespace charges_test;

namespace {

const std::string Id = fixture::InPatientIdNum;
const std::string Pno = fixture::InPatientHospNum;
const std::string Now = "12/11/2026 09:30:00 AM";
const std::string Nurse = fixture::ActingNurseCode;

std::string Verify(const std::string& item, const std::string& slip, const std::string& dept) {
    return "STATION..sp_VerifySCN_Charges '" + Id + "','" + item + "','" + slip + "','" + dept + "'";
}
std::string UpdateCharging(const std::string& item, const std::string& amount, const std::string& quantity,
                           const std::string& dept, const std::string& slip, const std::string& supervisor = "",
                           const std::string& remark = "") {
    return "STATION..Nurse_UpdateCharging '" + Pno + "','" + Id + "','" + item + "','" + amount + "','" + quantity +
           "','" + Now + "','" + dept + "','" + Nurse + "','I','C','SIC-03','" + slip + "','AR-" + dept + "-2','" +
           supervisor + "','" + remark + "'";
}
std::string BillAdjustment(const std::string& amount, const std::string& quantity) {
    return "Station..sp_Nurse_Append_tbBillAdjustInfo '" + Id + "','PH','AMOX500'," + amount + ",''," + quantity +
           ",'C0001201B',''";
}
const std::string TankClose = "Update Station..tbOpenClosetank Set Status = '0', ClosingTime = getdate(), closeby = '" +
                              Nurse + "' Where IDNum = '" + Id + "' And  Refnum = 'C0001202B' and Status = 1";

enum PostedRow { Service = 1, Medicine = 2, Tank = 3 };

// The window over three posted charges of the in-patient: a dressing, a medicine and an oxygen tank.
struct Cancel : ChargeWindow {
    explicit Cancel(fixture::SettingChanges hospital = {}, const char* medicineQuantity = "3",
                    const char* medicineAmount = "36")
        : ChargeWindow(Posted(hospital, medicineQuantity, medicineAmount)) {
        fixture::AddPeople(test);
        fixture::DeclareStationAndEmployees(test.server);
        fixture::DeclareSignIns(test.server);
        test.server.On(fixture::ServerDateQuery).Returns({"Tdate"}, {{vb::MakeDate({2026, 12, 11, 9, 30, 0})}});
        test.server.On(Verify("SU-DRS", "C0001201B", "SU")).Returns({"Amount"}, {{250.0}});
        test.server.On(Verify("AMOX500", "C0001201B", "PH")).Returns({"Amount"}, {{36.0}});
        test.server.On(Verify("OX-TANK", "C0001202B", "OX")).Returns({"Amount"}, {});
        for (const char* dept : {"SU", "PH", "OX"})
            test.server.On(std::string("STATION..sp_Get_ARCodes '") + dept + "','ICU','2'")
                .Returns({"ARCode"}, {{std::string("AR-") + dept + "-2"}});
        test.server
            .On("Select Isnull(InventoryType,'') As InventoryType From INVENTORY..tbInvLocation Where LocationID ='20'")
            .Returns({"InventoryType"}, {{"P"}});
        test.server.OnPattern(Quoted("STATION..Nurse_UpdateCharging", 15)).Affects(1);
        test.server.OnPattern("Station..sp_Nurse_Append_tbBillAdjustInfo '{?}','{?}','{?}',{?},'{?}',{?},'{?}','{?}'")
            .Affects(1);
        test.server.On(TankClose).Affects(1);
    }
    static fixture::ChargeWindowSetUp Posted(fixture::SettingChanges hospital, const char* quantity,
                                             const char* amount) {
        fixture::ChargeWindowSetUp setUp;
        setUp.hospital = {{"IsAllowEntryOfReasonForCancellation", false},
                          {"IsAllowSupervisorCodeForCancellationOfCharges", false}};
        setUp.hospital.insert(setUp.hospital.end(), hospital.begin(), hospital.end());
        setUp.wardParameters = WardParameters({{"ZODEAllowOpenCloseTank", "1"}});
        setUp.posted = {
            fixture::PostedCharge("SU", "SU-DRS", "WOUND DRESSING", "1", "250", "C0001201B"),
            fixture::PostedCharge("PH", "AMOX500", "AMOXICILLIN 500MG", quantity, amount, "C0001201B", "", "20"),
            fixture::PostedCharge("OX", "OX-TANK", "OXYGEN TANK", "1", "850", "C0001202B")};
        return setUp;
    }

    void ExpectQuestion(int answer = forms::vbYes) {
        test.host.ExpectMsgBox("Are you sure you want to Cancel this Charge?")
            .Title(forms::ProgramTitle)
            .Buttons(forms::vbYesNo + forms::vbQuestion)
            .Answer(answer);
    }
    void ExpectRetryQuestion(int answer) {
        test.host
            .ExpectMsgBox(
                "Selected charge(s) will not be cancelled! \r\nAre you sure you want to Cancel this Charge(s)?")
            .Title("Message")
            .Buttons(forms::vbYesNo + forms::vbInformation)
            .Answer(answer);
    }
    void Revoke(int row) {
        ClickCell(charge.mshflexList, row, 2);
        Click(charge.cmdOption(1));
    }
};

TEST(ChargeCancel, EachGateStopsBeforeAnythingIsWritten) {
    struct Case {
        const char* name;
        fixture::SettingChanges hospital;
        std::function<void(Cancel&)> arrange;
    };
    const std::vector<Case> cases = {
        {"nothing left standing",
         {},
         [](Cancel& c) {
             c.test.server.Instead(Verify("SU-DRS", "C0001201B", "SU")).Returns({"Amount"}, {{0.0}});
             c.test.host.ExpectMsgBox("Can't Cancel this Charges. The Total Amount is already Zero.")
                 .Title("Message")
                 .Buttons(forms::vbOKOnly + forms::vbCritical);
         }},
        {"the question answered No", {}, [](Cancel& c) { c.ExpectQuestion(forms::vbNo); }},
        {"the validation given up",
         {},
         [](Cancel& c) {
             c.ExpectQuestion();
             c.test.host.OnModal<ward::frmTransaction_UserValidation>(
                 [](ward::frmTransaction_UserValidation& dialog) { dialog.Hide(); });
             c.ExpectRetryQuestion(forms::vbNo);
         }},
        {"the validated nurse without the right",
         {},
         [](Cancel& c) {
             c.ExpectQuestion();
             fixture::SignInAsActingUser(c.test, Nurse);
             c.test.server.Instead("SELECT * FROM STATION..tbNurseUserRights WHERE EmployeeID = '" + Nurse + "'")
                 .Returns({"EmployeeID", "EmployeeRights"}, {{Nurse, "|3|20"}});
             c.test.host.ExpectMsgBox("Sorry you don't have access right to Cancel Charge(s).")
                 .Title("Message")
                 .Buttons(forms::vbOKOnly + forms::vbInformation);
         }},
        {"the supervisor refusing",
         {{"IsAllowSupervisorCodeForCancellationOfCharges", true}},
         [](Cancel& c) {
             c.ExpectQuestion();
             fixture::SignInAsActingUser(c.test, Nurse);
             c.test.host.OnModal<ward::frmSupervisorAccessCode>(
                 [](ward::frmSupervisorAccessCode& dialog) { dialog.Hide(); });
             c.ExpectRetryQuestion(forms::vbNo);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Cancel cancel(c.hospital);
        c.arrange(cancel);
        const std::size_t mark = cancel.test.server.Mark();
        cancel.Revoke(Service);
        EXPECT_TRUE(cancel.test.server.NothingCommitted(mark));
        EXPECT_FALSE(cancel.charge.cmdOption(0).Enabled());
        EXPECT_TRUE(cancel.charge.cmdOption(1).Enabled());
        cancel.test.host.VerifyAllUsed();
    }
}

TEST(ChargeCancel, EachKindOfChargeIsReversedInOneTransactionAndTheListLoadedAgain) {
    struct Case {
        const char* name;
        PostedRow row;
        std::vector<std::string> writes;
        std::size_t stockCards;
    };
    const std::vector<Case> cases = {
        {"service", Service, {UpdateCharging("SU-DRS", "250", "1", "SU", "C0001201B")}, 0},
        {"oxygen tank", Tank, {UpdateCharging("OX-TANK", "850", "1", "OX", "C0001202B"), TankClose}, 0},
        {"medicine", Medicine, {BillAdjustment("-36", "-3")}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Cancel cancel;
        cancel.ExpectQuestion();
        fixture::SignInAsActingUser(cancel.test, Nurse);
        const std::size_t mark = cancel.test.server.Mark();
        cancel.Revoke(c.row);
        EXPECT_EQ(cancel.test.server.CommittedWrites(mark), c.writes);
        EXPECT_EQ(cancel.test.drugObject.drug.stockCards.size(), c.stockCards);
        EXPECT_THAT(cancel.SentSince(mark), testing::Contains(fixture::PostedChargesQuery()));
    }
}

TEST(ChargeCancel, AMedicinesReversalIsItsPostingNegated) {
    Cancel cancel;
    cancel.ExpectQuestion();
    fixture::SignInAsActingUser(cancel.test, Nurse);
    cancel.Revoke(Medicine);
    ASSERT_EQ(cancel.test.drugObject.drug.stockCards.size(), 1u);
    EXPECT_EQ(cancel.test.drugObject.drug.stockCardsInTransaction, std::vector<bool>{true});
    const components::StockCardArguments& card = cancel.test.drugObject.drug.stockCards[0];
    const std::vector<std::pair<int, vb::Variant>> positions = {
        {1, Pno}, {2, Id},    {3, "AMOX500"}, {4, Now},   {5, "C0001201B"}, {6, -3.0}, {8, -36.0}, {9, Nurse},
        {10, ""}, {12, "20"}, {14, "SIC-03"}, {16, "PH"}, {17, "PH"},       {19, "D"}, {22, "I"}};
    for (const auto& [position, value] : positions) {
        SCOPED_TRACE(position);
        ASSERT_TRUE(card[position - 1].has_value());
        EXPECT_EQ(*card[position - 1], value);
    }
}

TEST(ChargeCancel, TheBillAdjustmentWritesItsNumbersNegatedAndPlain) {
    struct Case {
        const char* quantity;
        const char* amount;
        const char* sentQuantity;
        const char* sentAmount;
    };
    for (const Case& c : std::vector<Case>{{"2", "300.00", "-2", "-300"},
                                           {"0.5", "12.5", "-0.5", "-12.5"},
                                           {"0", "0", "0", "0"},
                                           {"", "abc", "0", "0"}}) {
        SCOPED_TRACE(c.amount);
        Cancel cancel({}, c.quantity, c.amount);
        cancel.ExpectQuestion();
        fixture::SignInAsActingUser(cancel.test, Nurse);
        const std::size_t mark = cancel.test.server.Mark();
        cancel.Revoke(Medicine);
        EXPECT_THAT(cancel.SentSince(mark), testing::Contains(BillAdjustment(c.sentAmount, c.sentQuantity)));
    }
}

TEST(ChargeCancel, ASupervisorsApprovalGoesWithTheRecord) {
    Cancel cancel({{"IsAllowSupervisorCodeForCancellationOfCharges", true}});
    cancel.ExpectQuestion();
    fixture::SignInAsActingUser(cancel.test, Nurse);
    fixture::SignInAsSupervisor(cancel.test, fixture::SupervisorCode);
    const std::size_t mark = cancel.test.server.Mark();
    cancel.Revoke(Service);
    EXPECT_EQ(cancel.test.server.CommittedWrites(mark),
              std::vector<std::string>{
                  UpdateCharging("SU-DRS", "250", "1", "SU", "C0001201B", fixture::SupervisorCode, "Allowed")});
}

TEST(ChargeCancel, AFailingStockCardReversesNothing) {
    Cancel cancel;
    cancel.test.drugObject.drug.failures.Fail("AppendStockCard", "The stock card could not be written.");
    cancel.ExpectQuestion();
    fixture::SignInAsActingUser(cancel.test, Nurse);
    cancel.test.host.ExpectMsgBox("The stock card could not be written.\n\nPlease notify your IT department.");
    const std::size_t mark = cancel.test.server.Mark();
    cancel.Revoke(Medicine);
    EXPECT_TRUE(cancel.test.server.NothingCommitted(mark));
    EXPECT_THAT(cancel.SentSince(mark), testing::Not(testing::Contains(testing::HasSubstr("tbBillAdjustInfo"))));
}

TEST(ChargeCancel, AnotherPatientInThePatientSearchIsNotTakenForTheRoom) {
    Cancel cancel;
    cancel.test.patientSearch.admissions.clear();
    cancel.ExpectQuestion();
    fixture::SignInAsActingUser(cancel.test, Nurse);
    cancel.test.host.ExpectMsgBox("No records found.");
    const std::size_t mark = cancel.test.server.Mark();
    cancel.Revoke(Service);
    EXPECT_TRUE(cancel.test.server.NothingCommitted(mark));
}

TEST(ChargeCancel, EachFailureCommitsNothing) {
    struct Case {
        PostedRow row;
        int statements; // sent inside the transaction
    };
    for (const auto& [row, statements] : std::vector<Case>{{Service, 1}, {Medicine, 2}, {Tank, 2}}) {
        SCOPED_TRACE(row);
        std::unique_ptr<Cancel> world;
        int run = 0;
        auto fresh = [&]() -> ScriptedServer& {
            world = std::make_unique<Cancel>();
            world->ExpectQuestion();
            fixture::SignInAsActingUser(world->test, Nurse);
            if (run > 0)
                world->test.host
                    .ExpectMsgBox(std::string(run <= statements ? "Scripted failure" : "Scripted commit failure") +
                                  "\n\nPlease notify your IT department.")
                    .Title("Notification");
            return world->test.server;
        };
        auto cancel = [&, row = row] {
            world->Revoke(row);
            ++run;
        };
        EXPECT_TRUE(EachFailureCommitsNothing(fresh, cancel, FailureScope::InsideTransactions));
        EXPECT_EQ(run, statements + 2);
    }
}

} // namespace
