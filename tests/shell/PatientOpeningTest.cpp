#include "chart/frmFinal.h"
#include "platform/vb/DateSerialNumber.h"
#include "requestentry/frmAudio.h"
#include "requestentry/frmNeuRoExams.h"
#include "requestentry/frmPTFile.h"
#include "shell/frmSearch.h"
#include "shell/frmTransaction_UserValidation.h"
#include "shell/mdiOrMenu.h"
#include "testkit/FixtureChart.h"
#include "testkit/FixturePatientList.h"
#include "testkit/UserActions.h"

#include <gtest/gtest.h>

using namespace testkit;
namespace fixture = testkit::ward_fixture;

namespace {

const std::string OtherHospNum = "100880";
const std::string OtherIdNum = "2026001300";

std::string MaintainedRoomQuery(const std::string& idNum) {
    return "STATION..sp_Nurse_Check_Maintained_Room '" + idNum + "'";
}

std::string TransferQuery(const std::string& idNum) {
    return "Select Isnull(RecordStatus,'') As Status,OriginalRoomID As OldRoomID,DestinationRoomID As NewRoomID,"
           "TransNum from Patient_data..tbRoom_Transfer_Communication Where IDNum ='" +
           idNum + "' and Isnull(RecordStatus,'')=''";
}

std::string TransferUpdate(int action) {
    return "STATION..sp_Nurse_Update_NotificationForRoomTransfer '100234','2026001234','N0002','SIC-03','SIC-05',77," +
           std::to_string(action);
}

const std::vector<std::string> TransferColumns = {"Status", "OldRoomID", "NewRoomID", "TransNum"};
const std::vector<Row> PendingTransfer = {{"", " SIC-03 ", "SIC-05 ", " 77 "}};

const std::string TransferQuestion =
    "Record(s) indicate that this Patient was transfered from Room:SIC-03 To:SIC-05\n\rPlease confirm first the "
    "transfer before doing any transactions.\n\rDo you want to confirm the Room Transfer?";

// The list of the fixture's in-patient and a second patient, whom the patient search also knows.
struct OpeningWorld {
    TestApp test;
    ward::frmSearch& list;

    // transfer: the pending notice of the in-patient's admission, if any.
    explicit OpeningWorld(std::vector<Row> transfer = {}) : list(Open(test, transfer)) {}

    static ward::frmSearch& Open(TestApp& test, const std::vector<Row>& transfer) {
        fixture::AddPeople(test);
        components::PatientData other;
        other.HospitalNumber = OtherHospNum;
        other.Lastname = " REYES ";
        other.FirstName = "ANA ";
        other.MiddleName = " LUZ";
        other.Address.CompleteAddress = "9 LUNA STREET";
        components::AdmissionData admission = fixture_admission();
        test.patientSearch.patientMaster.patients[OtherHospNum] = other;
        test.patientSearch.admissions[OtherIdNum] = {admission, other};
        test.server.On(MaintainedRoomQuery(fixture::InPatientIdNum)).Returns({"IDNum"}, {});
        test.server.On(MaintainedRoomQuery(OtherIdNum)).Returns({"IDNum"}, {{OtherIdNum}});
        test.server.On(TransferQuery(fixture::InPatientIdNum)).Returns(TransferColumns, transfer);
        test.server.On(TransferQuery(OtherIdNum)).Returns(TransferColumns, {});
        for (const std::string& idNum : {std::string(fixture::InPatientIdNum), OtherIdNum})
            test.server.On(fixture::AdmissionPackageQuery(idNum)).Returns({"Package"}, {{""}});
        fixture::DeclareChartSetUp(test.server);
        return fixture::OpenPatientList(
            test, {fixture::InPatientListRow(), fixture::PatientListRow(OtherHospNum, OtherIdNum, "REYES, ANA LUZ")});
    }

    static components::AdmissionData fixture_admission() {
        components::AdmissionData admission;
        admission.IdNumber = OtherIdNum;
        admission.HospitalNumber = OtherHospNum;
        admission.AdmissionDate = vb::MakeDate({2026, 12, 9, 14, 0, 0});
        admission.DischargeDate = vb::MakeDate({2026, 12, 11, 10, 0, 0});
        admission.Account = {" 500120 ", "ZENTARI HEALTH PLAN"};
        admission.Room = {"SIC-05", "D", 5250.5, {"ICU BED"}, {"SIC", "SURGICAL ICU"}};
        return admission;
    }

    ward::mdiOrMenu& Main() { return test.app.Forms.Instance<ward::mdiOrMenu>(); }
    ward::frmFinal& Chart() { return test.app.Forms.Instance<ward::frmFinal>(); }
    bool ChartShown() { return test.app.Forms.IsLoaded<ward::frmFinal>() && Chart().Visible(); }

    std::vector<bool> ReloadFlags() {
        ward::App& a = test.app;
        return {a.ReloadXrayResults,       a.ReloadVitalSigns,     a.ReloadClinicalSummary, a.ReloadORSchedule,
                a.ReloadUltrasoundResults, a.ReloadCTResults,      a.ReloadLabResults,      a.ReloadHeartResults,
                a.ReloadPTResults,         a.ReloadNuclearResults, a.ReloadPulmoResults,    a.ReloadNeuroExams};
    }
    void ClearReloadFlags() {
        ward::App& a = test.app;
        for (bool* flag : {&a.ReloadXrayResults, &a.ReloadVitalSigns, &a.ReloadClinicalSummary, &a.ReloadORSchedule,
                           &a.ReloadUltrasoundResults, &a.ReloadCTResults, &a.ReloadLabResults, &a.ReloadHeartResults,
                           &a.ReloadPTResults, &a.ReloadNuclearResults, &a.ReloadPulmoResults, &a.ReloadNeuroExams})
            *flag = false;
    }

    // The acting nurse signs in at the validation's showing, or leaves it without a user.
    void Validation(bool signsIn) {
        test.host.OnModal<ward::frmTransaction_UserValidation>([this, signsIn](ward::frmTransaction_UserValidation& v) {
            if (signsIn)
                test.app.ValidatedUserID = "N0002";
            v.Unload();
        });
    }
};

const std::vector<bool> AllTwelve(12, true);

TEST(ChoosingAPatient, AClickMakesTheRowsPatientAndAdmissionCurrentAndEnablesTheMenus) {
    OpeningWorld w;
    ClickCell(w.list.mshflexList, 2, 3);
    ward::App& a = w.test.app;
    EXPECT_EQ(a.CurHospNum, OtherHospNum);
    EXPECT_EQ(a.CurIdNum, OtherIdNum);
    EXPECT_EQ(a.SearchRow, 2);
    EXPECT_EQ(a.SearchRow2, 2);
    EXPECT_EQ(a.CurPatientName, "REYES ,ANA LUZ");
    EXPECT_EQ(a.CurPatientAddress, "9 LUNA STREET");
    EXPECT_EQ(a.CurRoomClassID, "D");
    EXPECT_EQ(a.CurRoomID, "SIC-05");
    EXPECT_EQ(a.CurRoomRate, "5250.5");
    EXPECT_EQ(a.CurAdmissionDate, "12/9/2026 2:00:00 PM");
    EXPECT_EQ(a.CurDischargeDate, "12/11/2026 10:00:00 AM");
    EXPECT_EQ(a.CurAccountNum, "500120");
    EXPECT_EQ(a.CurGuarantor, "ZENTARI HEALTH PLAN");
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(w.list.lblProcedures(i).Enabled());
    ward::mdiOrMenu& main = w.Main();
    for (forms::Menu* menu : {&main.mnuInquiry, &main.mnuRS, &main.mnuInfo, &main.mnuLedger, &main.mnuMaintained})
        EXPECT_TRUE(menu->Enabled()) << menu->Name();

    ClickCell(w.list.mshflexList, 1, 1);
    EXPECT_FALSE(main.mnuMaintained.Enabled()) << "the in-patient's room is not maintained";
    EXPECT_EQ(a.CurDischargeDate, "") << "a discharge date of 0";
    EXPECT_EQ(a.CurPatientName, "DELA CRUZ ,JUAN PEREZ");
}

TEST(ChoosingAPatient, TheAccountNumberFallsBackToTheHospitalNumberAndThenThePatientIsThePayer) {
    struct Case {
        const char* name;
        std::string account;
        std::string expectedAccount;
        std::string expectedGuarantor;
    };
    const Case cases[] = {
        {"the hospital number", "100234", "100234", "PERSONAL"},
        {"empty", "  ", "100234", "PERSONAL"},
        {"a company's", "C-0042", "C-0042", "ACME CORP"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OpeningWorld w;
        w.test.patientSearch.admissions[fixture::InPatientIdNum].admission.Account = {c.account, "ACME CORP"};
        ClickCell(w.list.mshflexList, 1, 1);
        EXPECT_EQ(w.test.app.CurAccountNum, c.expectedAccount);
        EXPECT_EQ(w.test.app.CurGuarantor, c.expectedGuarantor);
    }
}

TEST(ChoosingAPatient, APatientNotFoundEmptiesTheNameAndAnAdmissionNotFoundStopsWithAMessage) {
    OpeningWorld w;
    ClickCell(w.list.mshflexList, 2, 1);
    w.test.patientSearch.patientMaster.patients.erase(fixture::InPatientHospNum);
    ClickCell(w.list.mshflexList, 1, 1);
    EXPECT_EQ(w.test.app.CurPatientName, "");
    EXPECT_EQ(w.test.app.CurPatientAddress, "");
    EXPECT_EQ(w.test.app.CurRoomID, "SIC-03") << "the admission was still taken";

    OpeningWorld missing;
    ward::mdiOrMenu& main = missing.Main();
    missing.test.patientSearch.admissions.erase(OtherIdNum);
    missing.test.host.ExpectMsgBox("No records found.")
        .Title("Notification")
        .Buttons(forms::vbInformation + forms::vbOKOnly);
    ClickCell(missing.list.mshflexList, 2, 1);
    EXPECT_EQ(missing.test.app.CurIdNum, OtherIdNum);
    EXPECT_EQ(missing.test.app.CurRoomID, "");
    EXPECT_FALSE(main.mnuInquiry.Enabled());
    EXPECT_TRUE(missing.list.lblProcedures(0).Enabled());
}

TEST(OpeningAPatient, ADoubleClickOpensTheChartOnTheFirstPageWithTheRowsNumbers) {
    OpeningWorld w;
    w.ClearReloadFlags();
    DoubleClickCell(w.list.mshflexList, 2, 1);
    ASSERT_TRUE(w.ChartShown());
    EXPECT_EQ(w.Chart().txtPno.Text(), OtherHospNum);
    EXPECT_EQ(w.Chart().txtId.Text(), OtherIdNum);
    EXPECT_EQ(w.Chart().tabSSTab1.Tab(), 0);
    EXPECT_EQ(w.ReloadFlags(), AllTwelve);
    EXPECT_EQ(w.test.host.ModelessShows().back(), "frmFinal");
    EXPECT_EQ(w.test.app.CurIdNum, OtherIdNum) << "the list is not searched again";
}

TEST(OpeningAPatient, EnterOnTheListChoosesThenOpensEvenWhenTheAdmissionIsNotFound) {
    OpeningWorld w;
    PressKey(w.list.mshflexList, forms::vbKeyDown);
    w.test.patientSearch.admissions.erase(OtherIdNum);
    w.test.host.ExpectMsgBox("No records found.");
    PressKey(w.list.mshflexList, forms::vbKeyReturn);
    ASSERT_TRUE(w.ChartShown());
    EXPECT_EQ(w.Chart().txtId.Text(), OtherIdNum);
}

TEST(OpeningAPatient, EachLinkOpensItsPageSearchesAgainAndKeepsTheOpenedAdmissionCurrent) {
    const int pages[] = {0, 2, 6};
    for (int link = 0; link < 3; ++link) {
        SCOPED_TRACE(link);
        OpeningWorld w;
        w.test.server.On("SELECT * FROM STATION..tbNurseUserRights WHERE EmployeeID = 'N0001'")
            .Returns({"EmployeeID", "EmployeeRights"}, {{"N0001", "|10|16|"}});
        ClickCell(w.list.mshflexList, 2, 1);
        w.ClearReloadFlags();
        std::size_t mark = w.test.server.Mark();
        Click(w.list.lblProcedures(link));
        ASSERT_TRUE(w.ChartShown());
        EXPECT_EQ(w.Chart().tabSSTab1.Tab(), pages[link]);
        EXPECT_EQ(w.Chart().txtId.Text(), OtherIdNum);
        EXPECT_EQ(w.test.server.Statements(mark).back(), fixture::PatientListQuery());
        EXPECT_EQ(w.list.mshflexList.Row(), 2);
        EXPECT_EQ(w.test.app.CurIdNum, OtherIdNum);
        EXPECT_EQ(w.test.app.SearchRow, 2);
        EXPECT_FALSE(w.Main().mnuInquiry.Enabled());
        EXPECT_FALSE(w.Main().mnuRS.Enabled());
        if (link != 2)
            continue;
        // The reload flags go to true before the page opens: the summary's loader ran and cleared its own.
        std::vector<bool> expected = AllTwelve;
        expected[2] = false;
        EXPECT_EQ(w.ReloadFlags(), expected);
    }
}

TEST(OpeningAPatient, ALinkAfterAKeyMoveChoosesTheRowFirst) {
    OpeningWorld w;
    ClickCell(w.list.mshflexList, 1, 1);
    PressKey(w.list.mshflexList, forms::vbKeyDown);
    Click(w.list.lblProcedures(0));
    ASSERT_TRUE(w.ChartShown());
    EXPECT_EQ(w.Chart().txtId.Text(), OtherIdNum);
    EXPECT_EQ(w.test.app.CurPatientName, "REYES ,ANA LUZ");
    EXPECT_EQ(w.test.app.CurRoomID, "SIC-05");
    EXPECT_EQ(w.test.app.CurIdNum, OtherIdNum);
    EXPECT_TRUE(w.Main().mnuMaintained.Enabled());
}

TEST(OpeningAPatient, AnAdmissionTheNewListNoLongerHoldsStaysCurrentByItsNumbers) {
    OpeningWorld w;
    // The refresh takes the list as it was; the link's search finds only the in-patient.
    w.test.server.On(fixture::PatientListQuery()).Returns(fixture::PatientListColumns(), {fixture::InPatientListRow()});
    Click(w.list.Command2);
    ClickCell(w.list.mshflexList, 2, 1);
    Click(w.list.lblProcedures(0));
    EXPECT_EQ(w.list.mshflexList.Rows(), 2);
    EXPECT_EQ(w.list.mshflexList.Row(), 1);
    EXPECT_EQ(w.test.app.CurHospNum, OtherHospNum);
    EXPECT_EQ(w.test.app.CurIdNum, OtherIdNum);
}

TEST(OpeningAPatient, AChartThatFailsToSetUpIsNeitherWrittenNorShown) {
    TestApp test;
    fixture::AddPeople(test);
    test.server.On(TransferQuery(fixture::InPatientIdNum))
        .Returns({"Status", "OldRoomID", "NewRoomID", "TransNum"}, {});
    test.server.On(MaintainedRoomQuery(fixture::InPatientIdNum)).Returns({"IDNum"}, {});
    test.server.On(fixture::ReportListQuery).Fails("Login timeout expired", 0);
    ward::frmSearch& list = fixture::OpenPatientList(test, {fixture::InPatientListRow()});
    test.host.ExpectMsgBox("Login timeout expired\n\nPlease notify your IT department.");
    DoubleClickCell(list.mshflexList, 1, 1);
    EXPECT_FALSE(test.app.Forms.IsLoaded<ward::frmFinal>());
    EXPECT_EQ(test.app.Forms.Instance<ward::frmFinal>().txtId.Text(), "");
    for (const std::string& shown : test.host.ModelessShows())
        EXPECT_NE(shown, "frmFinal");
}

TEST(OpeningAPatient, TheSameAdmissionTwiceShowsTheOpenChartWithoutAsking) {
    OpeningWorld w;
    DoubleClickCell(w.list.mshflexList, 1, 1);
    ASSERT_TRUE(w.ChartShown());
    w.Chart().tabSSTab1.SetTab(3);
    DoubleClickCell(w.list.mshflexList, 1, 1);
    EXPECT_TRUE(w.ChartShown());
    EXPECT_EQ(w.Chart().tabSSTab1.Tab(), 0);
    EXPECT_TRUE(w.test.host.MessageBoxes().empty());
}

TEST(OpeningAPatient, AnotherAdmissionClosesTheOpenChartFirstOrLeavesItWhenTheNurseSaysNo) {
    for (bool leave : {true, false}) {
        SCOPED_TRACE(leave ? "Yes" : "No");
        OpeningWorld w;
        DoubleClickCell(w.list.mshflexList, 1, 1);
        ASSERT_TRUE(w.ChartShown());
        w.test.host.ExpectMsgBox("Do you want to Exit?").Answer(leave ? forms::vbYes : forms::vbNo);
        DoubleClickCell(w.list.mshflexList, 2, 1);
        ASSERT_TRUE(w.ChartShown());
        EXPECT_EQ(w.Chart().txtId.Text(), leave ? OtherIdNum : fixture::InPatientIdNum);
        EXPECT_EQ(w.Chart().txtPno.Text(), leave ? OtherHospNum : fixture::InPatientHospNum);
    }
}

TEST(RoomTransferCheck, ConfirmingValidatesAsksOnceMoreWritesAndOpensTheChart) {
    OpeningWorld w(PendingTransfer);
    w.test.server.On("select GETDATE() AS Tdate").Returns({"Tdate"}, {{vb::MakeDate({2026, 12, 11, 9, 0, 0})}});
    w.test.server.On(TransferUpdate(1)).Affects(1);
    w.test.host.ExpectMsgBox(TransferQuestion)
        .Title("Message")
        .Buttons(forms::vbYesNo + forms::vbCritical)
        .Answer(forms::vbYes);
    w.Validation(true);
    w.test.host.ExpectMsgBox("Are you sure you want to Confirm this transfer?")
        .Title("MESSAGE")
        .Buttons(forms::vbYesNo + forms::vbQuestion)
        .Answer(forms::vbYes);
    w.test.host.ExpectMsgBox("Room Transfer successfully confirmed.")
        .Title("Message")
        .Buttons(forms::vbInformation + forms::vbOKOnly);
    const std::size_t mark = w.test.server.Mark();
    DoubleClickCell(w.list.mshflexList, 1, 1);
    const std::vector<std::string> sent = w.test.server.Statements(mark);
    const std::vector<std::string> head(sent.begin(), sent.begin() + 4);
    EXPECT_EQ(head, (std::vector<std::string>{MaintainedRoomQuery(fixture::InPatientIdNum),
                                              TransferQuery(fixture::InPatientIdNum), "select GETDATE() AS Tdate",
                                              TransferUpdate(1)}));
    EXPECT_TRUE(w.ChartShown());
    EXPECT_EQ(w.test.host.ModalShows(), std::vector<std::string>{"frmTransaction_UserValidation"});
}

TEST(RoomTransferCheck, RevokingOrLeavingTheTransferReloadsTheListInsteadOfOpeningTheChart) {
    struct Case {
        const char* name;
        std::vector<std::pair<std::string, int>> answers; // message and answer, in order
        std::vector<bool> validations;
        bool writes;
    };
    const Case cases[] = {
        {"revoked",
         {{TransferQuestion, forms::vbNo},
          {"Do you want to revoke/cancel the Room Transfer request?", forms::vbYes},
          {"Room Transfer successfully revoked.", forms::vbOK}},
         {true},
         true},
        {"left",
         {{TransferQuestion, forms::vbNo}, {"Do you want to revoke/cancel the Room Transfer request?", forms::vbNo}},
         {},
         false},
        {"confirmation refused",
         {{TransferQuestion, forms::vbYes}, {"Are you sure you want to Confirm this transfer?", forms::vbNo}},
         {true},
         false},
        {"validation abandoned",
         {{TransferQuestion, forms::vbYes},
          {"Transaction will not be save. \r\nDo you want to save and confirm the room transfer?", forms::vbNo}},
         {false},
         false},
        {"revocation's validation abandoned",
         {{TransferQuestion, forms::vbNo},
          {"Do you want to revoke/cancel the Room Transfer request?", forms::vbYes},
          {"Transaction will not be saved. \r\nDo you want to revoke/cancel the room transfer?", forms::vbNo}},
         {false},
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OpeningWorld w(PendingTransfer);
        w.test.server.On(TransferUpdate(2)).Affects(1);
        for (const auto& [message, answer] : c.answers)
            w.test.host.ExpectMsgBox(message).Answer(answer);
        for (bool signsIn : c.validations)
            w.Validation(signsIn);
        const std::size_t mark = w.test.server.Mark();
        DoubleClickCell(w.list.mshflexList, 1, 1);
        EXPECT_FALSE(w.test.app.Forms.IsLoaded<ward::frmFinal>());
        const std::vector<std::string> sent = w.test.server.Statements(mark);
        EXPECT_EQ(sent.back(), fixture::PatientListQuery()) << "the list was loaded again";
        const bool wrote = std::find(sent.begin(), sent.end(), TransferUpdate(2)) != sent.end();
        EXPECT_EQ(wrote, c.writes);
        EXPECT_EQ(w.test.app.SearchRow, 1);
    }
}

TEST(RoomTransferCheck, ValidationAbandonedTwiceThenGivenShowsTheDialogThreeTimes) {
    OpeningWorld w(PendingTransfer);
    w.test.server.On("select GETDATE() AS Tdate").Returns({"Tdate"}, {{vb::MakeDate({2026, 12, 11, 9, 0, 0})}});
    w.test.server.On(TransferUpdate(1)).Affects(1);
    w.test.host.ExpectMsgBox(TransferQuestion).Answer(forms::vbYes);
    for (int i = 0; i < 2; ++i) {
        w.Validation(false);
        w.test.host.ExpectMsgBox("Transaction will not be save. \r\nDo you want to save and confirm the room transfer?")
            .Title("Message")
            .Buttons(forms::vbYesNo + forms::vbInformation)
            .Answer(forms::vbYes);
    }
    w.Validation(true);
    w.test.host.ExpectMsgBox("Are you sure you want to Confirm this transfer?").Answer(forms::vbYes);
    w.test.host.ExpectMsgBox("Room Transfer successfully confirmed.");
    DoubleClickCell(w.list.mshflexList, 1, 1);
    EXPECT_EQ(w.test.host.ModalShows().size(), 3u);
    EXPECT_TRUE(w.ChartShown());
}

TEST(RoomTransferCheck, ANoticeAlreadySettledOrATransferNumberThatIsNotANumberWritesNothing) {
    OpeningWorld settled({{"C", "SIC-03", "SIC-05", "77"}});
    DoubleClickCell(settled.list.mshflexList, 1, 1);
    EXPECT_TRUE(settled.ChartShown());

    OpeningWorld odd({{"", "SIC-03", "SIC-05", "7,1;"}});
    odd.test.server.On("select GETDATE() AS Tdate").Returns({"Tdate"}, {{vb::MakeDate({2026, 12, 11, 9, 0, 0})}});
    odd.test.host
        .ExpectMsgBox("Record(s) indicate that this Patient was transfered from Room:SIC-03 To:SIC-05\n\rPlease "
                      "confirm first the transfer before doing any transactions.\n\rDo you want to confirm the Room "
                      "Transfer?")
        .Answer(forms::vbYes);
    odd.Validation(true);
    odd.test.host.ExpectMsgBox("Are you sure you want to Confirm this transfer?").Answer(forms::vbYes);
    odd.test.host.ExpectMsgBox("Type mismatch\n\nPlease notify your IT department.");
    const std::size_t mark = odd.test.server.Mark();
    DoubleClickCell(odd.list.mshflexList, 1, 1);
    for (const std::string& sent : odd.test.server.Statements(mark))
        EXPECT_EQ(sent.find("sp_Nurse_Update_NotificationForRoomTransfer"), std::string::npos);
    EXPECT_FALSE(odd.test.app.Forms.IsLoaded<ward::frmFinal>());
}

TEST(BackToPatientList, NoKeepsTheChartYesClosesItWithItsPickersAndFocusesTheList) {
    OpeningWorld w;
    ClickCell(w.list.mshflexList, 1, 1);
    DoubleClickCell(w.list.mshflexList, 1, 1);
    ASSERT_TRUE(w.ChartShown());
    w.test.host.ExpectMsgBox("Do you want to Exit?")
        .Title("Message")
        .Buttons(forms::vbYesNo + forms::vbQuestion)
        .Answer(forms::vbNo);
    Click(w.Chart().cmdExit);
    EXPECT_TRUE(w.ChartShown());
    EXPECT_TRUE(w.list.lblProcedures(0).Enabled());

    w.test.host.ExpectMsgBox("Do you want to Exit?").Answer(forms::vbYes);
    Click(w.Chart().cmdExit);
    EXPECT_FALSE(w.test.app.Forms.IsLoaded<ward::frmFinal>());
    EXPECT_FALSE(w.test.app.Forms.IsLoaded<ward::frmPTFile>());
    EXPECT_FALSE(w.test.app.Forms.IsLoaded<ward::frmAudio>());
    EXPECT_FALSE(w.test.app.Forms.IsLoaded<ward::frmNeuRoExams>());
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(w.list.lblProcedures(i).Enabled());
    EXPECT_EQ(w.list.ActiveControl(), &w.list.mshflexList);
}

TEST(BackToPatientList, AListTheNurseHasClosedStaysClosed) {
    OpeningWorld w;
    DoubleClickCell(w.list.mshflexList, 1, 1);
    ASSERT_TRUE(w.ChartShown());
    w.list.Unload();
    const std::size_t mark = w.test.server.Mark();
    w.test.host.ExpectMsgBox("Do you want to Exit?").Answer(forms::vbYes);
    Click(w.Chart().cmdExit);
    EXPECT_FALSE(w.test.app.Forms.IsLoaded<ward::frmFinal>());
    EXPECT_FALSE(w.test.app.Forms.IsLoaded<ward::frmSearch>());
    EXPECT_TRUE(w.test.server.Statements(mark).empty()) << "the list did not search";
}

} // namespace
