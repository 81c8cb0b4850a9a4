#include "ChargeWindow.h"
#include "core/frmReportViewer.h"
#include "shell/frmRequestingDoctor.h"
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
const std::string Counter = "Select * from STATION..tbSCNChargeSlip";
const std::string Now = "12/11/2026 09:30:00 AM";
const std::string Nurse = fixture::ActingNurseCode;
// The fixture ward pads slip numbers to seven digits.
const std::string Slip = "C0000124B";

std::string CounterUpdate(int from) {
    return "UPDATE STATION..tbSCNChargeSlip SET ChargeSlip = " + std::to_string(from + 1) +
           " WHERE ChargeSlip = " + std::to_string(from) + " AND IChargeSlip = 7 AND OChargeSlip = 9 AND AssessNum = 3";
}
const std::string PharmacyType =
    "Select Isnull(InventoryType,'') As InventoryType From INVENTORY..tbInvLocation Where LocationID ='20'";
std::string Charging(const std::string& item, const std::string& amount, const std::string& quantity,
                     const std::string& dept, const std::string& description, const std::string& arCode,
                     const std::string& slip = "C0000124B", const std::string& doctor = "",
                     const std::string& doctorName = "") {
    return "STATION..Nurse_AppendCharging '" + Pno + "','" + Id + "','" + item + "','" + amount + "','" + quantity +
           "','" + Now + "','" + dept + "','X','" + fixture::ActingNurseCode + "','" + description +
           "','I','D','SIC-03','SIC','" + doctor + "','" + slip + "','" + arCode + "','" + doctorName + "'";
}

const std::vector<std::string> StockRow = {"PH",   "AMOX500", "AMOXICILLIN 500MG", "2", "12.5", "25", "20", "AR-PH",
                                           "12.5", "12.5"};
const std::vector<std::string> ServiceRow = {"SU",  "SU-DRS", "WOUND DRESSING", "1",   "250",
                                             "250", "",       "AR-SU",          "250", "250"};
const std::vector<std::string> TankRow = {"OX",    "OX-TANK", "OXYGEN TANK", "1", "850",  "850",  "",
                                          "AR-OX", "850",     "850",         "1", "1500", "1250", "7"};

fixture::ChargeWindowSetUp SaveSettings(fixture::SettingChanges hospital = {}) {
    fixture::ChargeWindowSetUp setUp;
    setUp.hospital = {{"IsPrintChargeSlip", false}, {"isStat", false}};
    setUp.hospital.insert(setUp.hospital.end(), hospital.begin(), hospital.end());
    setUp.wardParameters = WardParameters({{"ZODEAllowOpenCloseTank", "1"}});
    return setUp;
}

// The charge window with rows typed, and the server's answers for saving them under C0000124B.
struct Save : ChargeWindow {
    explicit Save(fixture::ChargeWindowSetUp setUp = SaveSettings()) : ChargeWindow(setUp) {
        fixture::DeclareSignIns(test.server);
        test.server.On(fixture::ServerDateQuery).Returns({"Tdate"}, {{vb::MakeDate({2026, 12, 11, 9, 30, 0})}});
        test.server.On(Counter).Returns({"ChargeSlip", "IChargeSlip", "OChargeSlip", "AssessNum"},
                                        {{std::int32_t{124}, std::int32_t{7}, std::int32_t{9}, std::int32_t{3}}});
        test.server.On(CounterUpdate(124)).Affects(1);
        test.server.On(SlipUsed("C0000124B")).Returns({"Refnum"}, {});
        test.server.On("Delete  STATION..tbSCNChargePrint").Affects(2);
        test.server.On(PharmacyType).Returns({"InventoryType"}, {{"P"}});
        test.server.OnPattern(Quoted("STATION..sp_SCN_SaveChargePrint", 5)).Affects(1);
        test.server.OnPattern(Quoted("STATION..Nurse_AppendCharging", 18)).Affects(1);
        test.server.OnPattern("Station..sp_OpenCloseTank '{?}', '{?}', '{?}','{?}','{?}','{?}', '0'").Affects(1);
        test.server
            .OnPattern("Update Station..tbOpenClosetank Set Refnum = '{?}', Quantity = '{?}', Amount = '{?}' "
                       "Where IDNum = '{?}' And Status = 1")
            .Affects(1);
        test.server
            .OnPattern("STATION..sp_Save_Oxygen_Monitoring '{?}','{?}','{?}',{?},{?},'{?}','{?}',{?},'{?}','{?}'")
            .Affects(1);
        test.server
            .OnPattern("STATION..sp_Save_Supervisor_Transaction '{?}','{?}','{?}','{?}','{?}','Editing of Unit "
                       "Price',{?},{?}")
            .Affects(1);
    }

    void ExpectConfirmation() {
        test.host
            .ExpectMsgBox("Please verify that the item(s) entered are true and correct. Especially the "
                          "Department Code and the Item Code of the Procedure/Item.\n\rDo you want to proceed "
                          "in saving this charge(s)?")
            .Title("Important Message")
            .Buttons(forms::vbYesNo + forms::vbInformation)
            .Answer(forms::vbYes);
    }
    // Save clicked, the confirmation answered Yes and the acting nurse signed in.
    void ClickSave() {
        ExpectConfirmation();
        fixture::SignInAsActingUser(test, fixture::ActingNurseCode);
        Click(charge.Command1(0));
    }
    // The statements from the date to the commit.
    std::vector<std::string> SaveTranscript() {
        std::vector<std::string> lines = test.server.Transcript();
        auto first = std::find(lines.begin(), lines.end(), fixture::ServerDateQuery);
        auto commit = std::find(first, lines.end(), "COMMIT");
        return {first, commit == lines.end() ? lines.end() : commit + 1};
    }
};

TEST(ChargeSave, AStockItemAServiceAndATankPostInOneTransactionUnderOneSlip) {
    Save s;
    s.Fill(1, StockRow);
    s.grid().SetTextMatrix(1, 18, "TID");
    s.Fill(2, ServiceRow);
    s.Fill(3, TankRow);
    s.ExpectConfirmation();
    fixture::SignInAsActingUser(s.test, fixture::ActingNurseCode);
    s.test.host.ExpectMsgBox("Oxygen tank successfully opened.")
        .Title("Notification")
        .Buttons(forms::vbOKOnly + forms::vbInformation)
        .WhileOpen([&] { EXPECT_FALSE(s.test.app.Connection().InTransaction()); });
    Click(s.charge.Command1(0));
    EXPECT_EQ(
        s.SaveTranscript(),
        (std::vector<std::string>{
            fixture::ServerDateQuery,
            "BEGIN TRANSACTION",
            "  " + Counter,
            "  " + CounterUpdate(124),
            "  " + SlipUsed("C0000124B"),
            "  Delete  STATION..tbSCNChargePrint",
            "  " + PharmacyType,
            "  STATION..sp_SCN_SaveChargePrint 'AMOX500','25','2','PH','AMOXICILLIN 500MG'",
            "  " + Charging("SU-DRS", "250", "1", "SU", "WOUND DRESSING", "AR-SU"),
            "  " + Charging("OX-TANK", "850", "1", "OX", "OXYGEN TANK", "AR-OX"),
            "  Station..sp_OpenCloseTank 'SIC', '" + Pno + "', '" + Id + "','OX-TANK','" + Now + "','" +
                fixture::ActingNurseCode + "', '0'",
            "  Update Station..tbOpenClosetank Set Refnum = 'C0000124B', Quantity = '1', Amount = '850' Where IDNum "
            "= '" +
                Id + "' And Status = 1",
            "  STATION..sp_Save_Oxygen_Monitoring '" + Id + "','C0000124B','OX-TANK',1500,1250,'1','850',7,'" +
                fixture::ActingNurseCode + "','SIC'",
            "COMMIT",
        }));
    ASSERT_EQ(s.test.drugObject.drug.stockCards.size(), 1u);
    EXPECT_EQ(s.test.drugObject.drug.stockCardsInTransaction, std::vector<bool>{true});
    const components::StockCardArguments& card = s.test.drugObject.drug.stockCards[0];
    ASSERT_EQ(card.size(), 26u);
    const std::vector<std::pair<int, vb::Variant>> positions = {{1, Pno},
                                                                {2, Id},
                                                                {3, "AMOX500"},
                                                                {4, Now},
                                                                {5, "C0000124B"},
                                                                {6, 2.0},
                                                                {7, std::int16_t{0}},
                                                                {8, 25.0},
                                                                {9, fixture::ActingNurseCode},
                                                                {10, "TID"},
                                                                {11, ""},
                                                                {12, "20"},
                                                                {13, ""},
                                                                {14, "SIC-03"},
                                                                {15, std::int16_t{1}},
                                                                {16, "PH"},
                                                                {17, "PH"},
                                                                {22, "I"},
                                                                {26, std::int16_t{0}}};
    for (const auto& [position, value] : positions) {
        SCOPED_TRACE(position);
        ASSERT_TRUE(card[position - 1].has_value());
        EXPECT_EQ(*card[position - 1], value);
    }
    for (int omitted : {18, 19, 20, 21, 23, 24, 25})
        EXPECT_FALSE(card[omitted - 1].has_value()) << omitted;
    // The window is set up again for the next charges, and the main window shows the next number.
    EXPECT_EQ(s.grid().Rows(), 2);
    EXPECT_EQ(s.grid().TextMatrix(1, 2), "");
    EXPECT_TRUE(s.charge.Command1(0).Enabled());
    EXPECT_FALSE(s.test.app.ChargeSlipAllocated);
    EXPECT_EQ(s.test.server.Statements().back(), Counter);
    s.test.host.VerifyAllUsed();
}

TEST(ChargeSave, AtKelbaAnApprovedPriceEditIsLoggedWithItsSupervisorButAnOxygenReadingIsNot) {
    Save s(SaveSettings({{"ClientName", "KELBA"}}));
    std::vector<std::string> edited = ServiceRow;
    edited[4] = "300";
    edited[5] = "300";
    edited.push_back(fixture::SupervisorCode);
    s.Fill(1, edited);
    std::vector<std::string> reading = TankRow;
    reading[1] = "OX-PSI";
    s.Fill(2, reading);
    s.test.server.On("STATION..sp_Nurse_Get_RoomClassification 'SIC-03'").Returns({"RoomClassID"}, {{"C"}});
    s.ClickSave();
    std::vector<std::string> sent = s.SaveTranscript();
    EXPECT_THAT(sent, testing::Contains("  STATION..sp_Save_Supervisor_Transaction '" + Id + "','SU','SU-DRS','" +
                                        std::string(fixture::SupervisorCode) +
                                        "','C0000124B','Editing of Unit Price',250,300"));
    EXPECT_EQ(std::count_if(sent.begin(), sent.end(),
                            [](const std::string& line) { return line.find("Supervisor_Transaction") != line.npos; }),
              1);
    // An oxygen item other than the tank opens none but keeps its readings.
    EXPECT_THAT(sent, testing::Not(testing::Contains(testing::HasSubstr("sp_OpenCloseTank"))));
    EXPECT_THAT(sent, testing::Contains(testing::HasSubstr("sp_Save_Oxygen_Monitoring")));
}

TEST(ChargeSave, RefusalsComeBeforeAnyQuestion) {
    struct Case {
        const char* name;
        std::function<void(Save&)> arrange;
        const char* message;
        const char* title;
        int buttons;
    };
    const std::vector<Case> cases = {
        {"one entry row", [](Save& s) { s.Fill(1, ServiceRow); }, "Can't save a blank charge. Enter a charge first.",
         forms::ProgramTitle, forms::vbOKOnly + forms::vbExclamation},
        {"no admission",
         [](Save& s) {
             s.Fill(2, ServiceRow);
             s.charge.txtId.SetText("  ");
         },
         "No patient is selected. The charge(s) will not be saved.", "Message", forms::vbOKOnly + forms::vbExclamation},
        {"no complete row",
         [](Save& s) {
             s.Fill(1, {"SU", "SU-DRS"});
             s.Fill(2, {});
         },
         "Can't save a blank charge. Enter a charge first.", forms::ProgramTitle,
         forms::vbOKOnly + forms::vbExclamation},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Save s;
        c.arrange(s);
        s.test.host.ExpectMsgBox(c.message).Title(c.title).Buttons(c.buttons);
        const std::size_t mark = s.test.server.Mark();
        Click(s.charge.Command1(0));
        EXPECT_EQ(s.SentSince(mark), std::vector<std::string>{});
        EXPECT_EQ(s.test.host.ModalShows(), std::vector<std::string>{});
        s.test.host.VerifyAllUsed();
    }
}

TEST(ChargeSave, IncompleteRowsAreNamedAndNoStopsTheSave) {
    for (int answer : {forms::vbNo, forms::vbYes}) {
        Save s;
        s.Fill(1, ServiceRow);
        s.Fill(2, {"PH", "AMOX500"});
        s.Fill(3, {});
        s.grid().SetTextMatrix(1, 0, "1");
        s.grid().SetTextMatrix(2, 0, "2");
        s.test.host.ExpectMsgBox("Row(s) 2 are incomplete and will not be saved.\r\nDo you want to proceed?")
            .Title("Message")
            .Buttons(forms::vbYesNo + forms::vbExclamation)
            .Answer(answer);
        const std::size_t mark = s.test.server.Mark();
        if (answer == forms::vbNo) {
            Click(s.charge.Command1(0));
            EXPECT_EQ(s.SentSince(mark), std::vector<std::string>{});
        } else {
            s.ClickSave();
            const std::vector<std::string> sent = s.SentSince(mark);
            EXPECT_EQ(std::count_if(sent.begin(), sent.end(),
                                    [](const std::string& t) { return t.find("AppendCharging") != t.npos; }),
                      1);
        }
    }
}

TEST(ChargeSave, AbandonedValidationSavesNothing) {
    Save s;
    s.Fill(1, ServiceRow);
    s.Fill(2, {});
    s.ExpectConfirmation();
    s.test.host.OnModal<ward::frmTransaction_UserValidation>(
        [](ward::frmTransaction_UserValidation& dialog) { dialog.Hide(); });
    s.test.host.ExpectMsgBox("Selected charge(s) will not be saved. \r\nAre you sure you want to save this Charge(s)?")
        .Title("Message")
        .Buttons(forms::vbYesNo + forms::vbInformation)
        .Answer(forms::vbNo);
    const std::size_t mark = s.test.server.Mark();
    Click(s.charge.Command1(0));
    // Closing the dialog activates the window again, which lists the posted charges anew.
    EXPECT_EQ(s.SentSince(mark), std::vector<std::string>{fixture::PostedChargesQuery()});
    EXPECT_TRUE(s.charge.Command1(0).Enabled());
}

// The rows of a save with every kind of posting, typed into a fresh window.
std::unique_ptr<Save> ThreeKindsOfRows() {
    auto s = std::make_unique<Save>();
    s->Fill(1, StockRow);
    s->Fill(2, ServiceRow);
    s->Fill(3, TankRow);
    return s;
}

const std::vector<std::string> ThreeKindsWrites = {
    CounterUpdate(124),
    "Delete  STATION..tbSCNChargePrint",
    "STATION..sp_SCN_SaveChargePrint 'AMOX500','25','2','PH','AMOXICILLIN 500MG'",
    Charging("SU-DRS", "250", "1", "SU", "WOUND DRESSING", "AR-SU"),
    Charging("OX-TANK", "850", "1", "OX", "OXYGEN TANK", "AR-OX"),
    "Station..sp_OpenCloseTank 'SIC', '" + Pno + "', '" + Id + "','OX-TANK','" + Now + "','" +
        fixture::ActingNurseCode + "', '0'",
    "Update Station..tbOpenClosetank Set Refnum = '" + Slip + "', Quantity = '1', Amount = '850' Where IDNum = '" + Id +
        "' And Status = 1",
    "STATION..sp_Save_Oxygen_Monitoring '" + Id + "','" + Slip + "','OX-TANK',1500,1250,'1','850',7,'" +
        fixture::ActingNurseCode + "','SIC'",
};

TEST(ChargeSaveFailures, EachFailureCommitsNothingKeepsTheRowsAndLeavesSaveEnabled) {
    std::unique_ptr<Save> world;
    int run = 0;
    auto fresh = [&]() -> ScriptedServer& {
        world = ThreeKindsOfRows();
        world->ExpectConfirmation();
        fixture::SignInAsActingUser(world->test, fixture::ActingNurseCode);
        if (run == 0)
            world->test.host.ExpectMsgBox("Oxygen tank successfully opened.");
        else
            world->test.host
                .ExpectMsgBox(std::string(run <= 11 ? "Scripted failure" : "Scripted commit failure") +
                              "\n\nPlease notify your IT department.")
                .Title("Notification");
        return world->test.server;
    };
    auto save = [&] {
        Click(world->charge.Command1(0));
        if (run > 0) {
            EXPECT_EQ(world->grid().Rows(), 4) << run;
            EXPECT_EQ(world->Column(2), (std::vector<std::string>{"AMOX500", "SU-DRS", "OX-TANK"})) << run;
            EXPECT_TRUE(world->charge.Command1(0).Enabled()) << run;
            EXPECT_FALSE(world->test.app.ChargeSlipAllocated) << run;
            EXPECT_THAT(world->test.host.ModalShows(), testing::Not(testing::Contains("frmReportViewer")));
        }
        ++run;
    };
    EXPECT_TRUE(EachFailureCommitsNothing(fresh, save, FailureScope::InsideTransactions));
    EXPECT_EQ(run, 13) << "one save, eleven failing statements, one failing commit";
}

TEST(ChargeSaveFailures, AFailingStockCardCommitsNothingAndTheRetryPostsEachRowOnce) {
    std::unique_ptr<Save> s = ThreeKindsOfRows();
    s->test.drugObject.drug.failures.Fail("AppendStockCard", "The stock card could not be written.");
    s->ExpectConfirmation();
    fixture::SignInAsActingUser(s->test, fixture::ActingNurseCode);
    s->test.host.ExpectMsgBox("The stock card could not be written.\n\nPlease notify your IT department.")
        .Title("Notification");
    const std::size_t first = s->test.server.Mark();
    Click(s->charge.Command1(0));
    EXPECT_TRUE(s->test.server.NothingCommitted(first));
    EXPECT_EQ(s->Column(2), (std::vector<std::string>{"AMOX500", "SU-DRS", "OX-TANK"}));

    s->test.drugObject.drug.failures.Clear("AppendStockCard");
    s->ExpectConfirmation();
    fixture::SignInAsActingUser(s->test, fixture::ActingNurseCode);
    s->test.host.ExpectMsgBox("Oxygen tank successfully opened.");
    const std::size_t retry = s->test.server.Mark();
    Click(s->charge.Command1(0));
    EXPECT_EQ(s->test.server.CommittedWrites(retry), ThreeKindsWrites);
    EXPECT_EQ(s->test.drugObject.drug.stockCards.size(), 1u);
    EXPECT_EQ(s->grid().Rows(), 2);
}

TEST(ChargeSave, TheRequestingDoctorGoesOnlyWithTheSaveThatAskedForHim) {
    Save s;
    s.Fill(1, {"IC", "IC-01", "INTENSIVE CARE", "1", "500", "500", "", "AR-IC", "500", "500"});
    s.Fill(2, {});
    s.ExpectConfirmation();
    fixture::SignInAsActingUser(s.test, fixture::ActingNurseCode);
    s.test.host.OnModal<ward::frmRequestingDoctor>([&](ward::frmRequestingDoctor& dialog) {
        s.test.app.RequestingDoctorCode = "D001";
        s.test.app.RequestingDoctorName = "REYES, ANA";
        dialog.Hide();
    });
    std::size_t mark = s.test.server.Mark();
    Click(s.charge.Command1(0));
    EXPECT_THAT(s.SentSince(mark), testing::Contains(Charging("IC-01", "500", "1", "IC", "INTENSIVE CARE", "AR-IC",
                                                              Slip, "D001", "REYES, ANA")));

    s.test.server.Instead(Counter).Returns({"ChargeSlip", "IChargeSlip", "OChargeSlip", "AssessNum"},
                                           {{std::int32_t{125}, std::int32_t{7}, std::int32_t{9}, std::int32_t{3}}});
    s.test.server.On(CounterUpdate(125)).Affects(1);
    s.test.server.On(SlipUsed("C0000125B")).Returns({"Refnum"}, {});
    s.Fill(1, ServiceRow);
    s.Fill(2, {});
    s.ClickSave();
    EXPECT_THAT(s.test.server.Statements(mark),
                testing::Contains(Charging("SU-DRS", "250", "1", "SU", "WOUND DRESSING", "AR-SU", "C0000125B")));
    EXPECT_THAT(s.test.host.ModalShows(), testing::Contains("frmRequestingDoctor"));
}

TEST(ChargeSave, ACounterAdvancedByAnotherStationIsReadAgainInsideTheSavesTransaction) {
    Save s;
    s.Fill(1, ServiceRow);
    s.Fill(2, {});
    s.test.server.Instead(CounterUpdate(124)).Affects(0);
    s.test.server.On(CounterUpdate(124)).Affects(1);
    s.ClickSave();
    const std::vector<std::string> lines = s.SaveTranscript();
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 1, lines.begin() + 6),
              (std::vector<std::string>{"BEGIN TRANSACTION", "  " + Counter, "  " + CounterUpdate(124), "  " + Counter,
                                        "  " + CounterUpdate(124)}));
    EXPECT_EQ(lines.back(), "COMMIT");
}

TEST(ChargeButtons, IgnoreAndDeleteLeaveTheRowsNumberedInOrder) {
    struct Case {
        const char* name;
        int rows;                         // filled entry rows
        int current;                      // the row the nurse is on
        int button;                       // 1 Ignore, 4 Delete
        int answer;                       // to the delete question; 0 when none is asked
        std::vector<std::string> items;   // column 2 of the rows left
        std::vector<std::string> numbers; // not checked when empty
    };
    const std::vector<Case> cases = {
        {"ignore", 3, 2, 1, 0, {""}, {"1"}},
        {"delete the middle row", 3, 2, 4, forms::vbYes, {"A1", "A3", ""}, {"1", "2", "3"}},
        {"delete answered No", 3, 2, 4, forms::vbNo, {"A1", "A2", "A3", ""}, {}},
        {"delete the only row", 1, 1, 4, forms::vbYes, {""}, {"1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Save s;
        for (int row = 1; row <= c.rows; ++row) {
            s.Fill(row, {"SU", "A" + std::to_string(row), "ITEM", "1", "10", "10"});
            s.grid().SetTextMatrix(row, 0, std::to_string(row));
        }
        // Leaving the complete first row appends an empty one after the filled rows.
        s.grid().SetRow(c.current);
        if (c.answer != 0)
            s.test.host.ExpectMsgBox("Are you sure to delete the request?")
                .Title("MESSAGE")
                .Buttons(forms::vbYesNo + forms::vbQuestion)
                .Answer(c.answer);
        Click(s.charge.Command1(c.button));
        EXPECT_EQ(s.Column(2), c.items);
        if (!c.numbers.empty()) {
            EXPECT_EQ(s.Column(0), c.numbers);
        }
        s.test.host.VerifyAllUsed();
    }
}

TEST(ChargeButtons, ARowWithoutEntriesCannotBeDeleted) {
    Save s;
    s.test.host.ExpectMsgBox("Row cannot be deleted because there are no entries yet.")
        .Title("MESSAGE")
        .Buttons(forms::vbOKOnly + forms::vbInformation);
    Click(s.charge.Command1(4));
    EXPECT_EQ(s.grid().Rows(), 2);
}

// A save's slip, as the recording engine saw it.
struct PrintedSave : Save {
    PrintedSave() : Save(SaveSettings({{"IsPrintChargeSlip", true}})) {
        Fill(1, ServiceRow);
        Fill(2, {});
        charge.txtAge.SetText(" 65 ");
        charge.txtSex.SetText("M");
        charge.txtDoctor2.SetText("DR. RAMON LIM");
        test.app.PhicMembership = "MEMBER";
        test.app.CurGuarantor = "PERSONAL";
        test.app.AdmType = "REGULAR";
    }
    void CloseTheViewerWhenShown() {
        test.host.OnModal<ward::frmReportViewer>([](ward::frmReportViewer& viewer) { viewer.Unload(); });
    }
    void ExpectFormQuestion(int answer) {
        test.host.ExpectMsgBox("Print Charge Slip! [YES] Pre-printed Form [NO] Blank Paper")
            .Title("Message")
            .Buttons(forms::vbYesNo + forms::vbInformation + forms::vbDefaultButton2)
            .Answer(answer);
    }
};

TEST(ChargeSlipPrint, TheSavedSlipInTheLayoutTheNurseChoosesWithItsSixteenValues) {
    for (int answer : {forms::vbYes, forms::vbNo}) {
        PrintedSave s;
        s.ExpectConfirmation();
        fixture::SignInAsActingUser(s.test, Nurse);
        s.ExpectFormQuestion(answer);
        s.CloseTheViewerWhenShown();
        Click(s.charge.Command1(0));
        const RecordedReport& slip = s.test.reportEngine.Last();
        EXPECT_THAT(slip.path, testing::EndsWith(answer == forms::vbYes ? "\\Reports\\Charge_Slip_New.RPT"
                                                                        : "\\Reports\\Charge_Slip_BlankForm.RPT"));
        const std::string name = s.test.app.ValidatedUserName;
        EXPECT_EQ(slip.values, (std::vector<vb::Variant>{Slip, "DELA CRUZ, JUAN", Pno, "65 / M", "MEMBER", "PERSONAL",
                                                         "SIC-03", Id, Now, Now, "DR. RAMON LIM", "REGULAR", name,
                                                         "(" + Nurse + ") " + name, name, "ORIGINAL COPY"}));
        EXPECT_EQ(slip.viewer.Caption, "Print ChargeSlip");
        EXPECT_EQ(s.test.server.Statements().back(), Counter) << "the next number shown after the slip";
    }
}

TEST(ChargeSlipPrint, ASlipThatCannotBePrintedIsShownAndTheListsAreStillRefreshed) {
    PrintedSave s;
    s.ExpectConfirmation();
    fixture::SignInAsActingUser(s.test, Nurse);
    s.ExpectFormQuestion(forms::vbNo);
    s.test.reportEngine.FailNextOpen("The printer is out of paper.");
    s.test.host.ExpectMsgBox("The printer is out of paper.\n\nPlease notify your IT department.");
    const std::size_t mark = s.test.server.Mark();
    Click(s.charge.Command1(0));
    const std::vector<std::string> sent = s.SentSince(mark);
    EXPECT_EQ(sent.back(), Counter);
    EXPECT_EQ(sent[sent.size() - 2], fixture::PostedChargesQuery());
    s.test.host.VerifyAllUsed();
}

TEST(ChargeSlipPrint, AReprintNamesTheNurseSignedInNowAndTheListedSlip) {
    fixture::ChargeWindowSetUp setUp = SaveSettings({{"IsPrintChargeSlip", true}});
    setUp.posted = {fixture::PostedCharge("SU", "SU-DRS", "WOUND DRESSING", "1", "250", "C0001201B")};
    Save s(setUp);
    fixture::AddPeople(s.test);
    s.test.server.On("STATION..sp_SCN_ReprintChargeSlip 'C0001201B'").Affects(0);
    s.test.host.OnModal<ward::frmReportViewer>([](ward::frmReportViewer& viewer) { viewer.Unload(); });
    s.test.host.ExpectMsgBox("Re-print Charge Slip! [YES] Pre-printed Form [NO] Blank Paper")
        .Title("Message")
        .Buttons(forms::vbYesNo + forms::vbInformation + forms::vbDefaultButton2)
        .Answer(forms::vbYes);
    ClickCell(s.charge.mshflexList, 1, 2);
    const std::size_t mark = s.test.server.Mark();
    Click(s.charge.cmdOption(0));
    // The server hears of the reprint before the nurse chooses the form; closing the viewer lists the charges anew.
    const std::vector<std::string> sent = s.SentSince(mark);
    ASSERT_GE(sent.size(), 2u);
    EXPECT_EQ(sent[sent.size() - 2], "STATION..sp_SCN_ReprintChargeSlip 'C0001201B'");
    EXPECT_EQ(sent.back(), fixture::PostedChargesQuery());
    const RecordedReport& slip = s.test.reportEngine.Last();
    EXPECT_THAT(slip.path, testing::EndsWith("\\Reports\\Charge_Slip_New.RPT"));
    const std::string name = s.test.currentUser.employeeName;
    ASSERT_EQ(slip.values.size(), 16u);
    EXPECT_EQ(slip.values[0], vb::Variant("C0001201B"));
    EXPECT_EQ(slip.values[8], vb::Variant("12/11/2026 09:15:00 AM"));
    EXPECT_EQ(slip.values[12], vb::Variant(name));
    EXPECT_EQ(slip.values[13], vb::Variant("(" + std::string(fixture::NurseCode) + ") " + name));
    EXPECT_EQ(slip.values[15], vb::Variant("REPRINTED COPY"));
    EXPECT_EQ(slip.viewer.Caption, "Reprint ChargeSlip");
}

TEST(ChargeSlipPrint, WithSlipPrintingOffNothingIsAskedOrSent) {
    fixture::ChargeWindowSetUp setUp = SaveSettings();
    setUp.posted = {fixture::PostedCharge("SU", "SU-DRS", "WOUND DRESSING", "1", "250", "C0001201B")};
    Save s(setUp);
    ClickCell(s.charge.mshflexList, 1, 2);
    EXPECT_FALSE(s.charge.cmdOption(0).Enabled());
    s.ExpectConfirmation();
    fixture::SignInAsActingUser(s.test, Nurse);
    s.Fill(1, ServiceRow);
    s.Fill(2, {});
    Click(s.charge.Command1(0));
    EXPECT_TRUE(s.test.reportEngine.Reports().empty());
}

} // namespace
