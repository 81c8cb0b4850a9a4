#include "shell/StartupWorld.h"

#include "discharge/frmClaimBillSLip.h"
#include "discharge/frmDCRInstructionMedicationSheet.h"
#include "discharge/frmDischargeComm.h"
#include "discharge/frmProcessNotification.h"
#include "results/frmAutoPrint.h"
#include "platform/vb/DateSerialNumber.h"

#include <gtest/gtest.h>

namespace {

using shelltest::StartupWorld;
using testkit::Row;

const char* DischargePoll = "Station..sp_Nurse_Get_Patient_ForDischarge 'SIC'";
const char* ClaimSlipPoll = "Station..sp_Nurse_Get_Patient_ClaimSlip 'SIC'";
const char* InstructionsPoll = "Station..sp_Nurse_Get_Patient_ForDischargeInstructions_MedicationSheet 'ZODE'";
const char* RoomTransferPoll = "STATION..sp_Nurse_Process_Pending_NotificationOfRoomTransfer 'SIC'";
const char* ServerDateQuery = "select GETDATE() AS Tdate";

// The main window running after its start-up and timer tick, with nothing sent yet.
struct RunningWorld {
    explicit RunningWorld(vb::Variant serverNow = vb::MakeDate({2026, 12, 11, 8, 30, 0}))
        : world(serverNow), main(world.StartAndTick()), mark(world.server.Mark()) {}
    StartupWorld world;
    ward::mdiOrMenu& main;
    std::size_t mark;

    std::vector<std::string> Sent() const { return world.server.Statements(mark); }
    void Waiting(const char* poll, bool waiting) {
        world.server.On(poll).Returns({"IdNum"}, waiting ? std::vector<Row>{{"2026001234"}} : std::vector<Row>{});
    }
    // A discharge waiting since goodUpTo; the server's clock stands where the world was made with.
    void DischargeWaiting(const vb::Variant& goodUpTo) {
        world.server.On(DischargePoll).Returns({"IdNum", "Good Up To"}, {{"2026001234", goodUpTo}});
    }
    std::vector<std::string> Announcements() {
        std::vector<std::string> lines = world.announcer.Calls();
        lines.erase(lines.begin()); // the load
        return lines;
    }
};

vb::Variant At(int hour, int minute, int second) { return vb::MakeDate({2026, 12, 11, hour, minute, second}); }

TEST(NoticePolls, EachPollShowsItsButtonAndBlinksWhileSomethingWaitsAndHidesItOtherwise) {
    struct Case {
        const char* poll;
        forms::CommandButton ward::mdiOrMenu::*button;
        forms::Timer ward::mdiOrMenu::*pollTimer;
        forms::Timer ward::mdiOrMenu::*blinkTimer;
    };
    const Case cases[] = {
        {ClaimSlipPoll, &ward::mdiOrMenu::cmdClaimSlip, &ward::mdiOrMenu::tmrChkClaimSlip,
         &ward::mdiOrMenu::tmrClaimSlip},
        {InstructionsPoll, &ward::mdiOrMenu::cmdDCRInstructionsMedicationSheet, &ward::mdiOrMenu::tmrDCRInstructions,
         &ward::mdiOrMenu::tmrDCRInsMeds},
        {RoomTransferPoll, &ward::mdiOrMenu::cmdRoomTransferNotification, &ward::mdiOrMenu::tmrRoomTransfer,
         &ward::mdiOrMenu::tmrButton},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.poll);
        RunningWorld w;
        w.Waiting(c.poll, true);
        w.Waiting(c.poll, false);
        forms::CommandButton& button = w.main.*c.button;
        w.world.host.FireTimer(w.main.*c.pollTimer);
        EXPECT_TRUE(button.Visible());
        EXPECT_TRUE(w.world.host.IsRunning(w.main.*c.blinkTimer));
        w.world.host.FireTimer(w.main.*c.pollTimer);
        EXPECT_FALSE(button.Visible());
        EXPECT_FALSE(w.world.host.IsRunning(w.main.*c.blinkTimer));
        EXPECT_TRUE(w.world.host.IsRunning(w.main.*c.pollTimer)) << "the poll keeps running";
        EXPECT_EQ(w.Sent(), (std::vector<std::string>{c.poll, c.poll}));
    }
}

TEST(NoticePolls, TheInstructionsButtonIsEnabledOnlyWhileShown) {
    RunningWorld w;
    EXPECT_FALSE(w.main.cmdDCRInstructionsMedicationSheet.Enabled());
    w.Waiting(InstructionsPoll, true);
    w.Waiting(InstructionsPoll, false);
    w.world.host.FireTimer(w.main.tmrDCRInstructions);
    EXPECT_TRUE(w.main.cmdDCRInstructionsMedicationSheet.Enabled());
    w.world.host.FireTimer(w.main.tmrDCRInstructions);
    EXPECT_FALSE(w.main.cmdDCRInstructionsMedicationSheet.Enabled());
}

TEST(NoticePolls, NothingForDischargeStopsAndHidesTheAnnouncerEveryTime) {
    RunningWorld w;
    w.Waiting(DischargePoll, false);
    w.world.host.FireTimer(w.main.tmrChkDischarge);
    w.world.host.FireTimer(w.main.tmrChkDischarge);
    EXPECT_FALSE(w.main.cmdDischarge.Visible());
    EXPECT_FALSE(w.world.host.IsRunning(w.main.tmrDischarge));
    EXPECT_EQ(w.Announcements(),
              (std::vector<std::string>{"genie: Stop", "genie: Hide", "genie: Stop", "genie: Hide"}));
    EXPECT_EQ(w.Sent(), (std::vector<std::string>{DischargePoll, DischargePoll}));
}

TEST(NoticePolls, TheAnnouncementComesWhenTheOldestDischargeWaitedTwentyMinuteBoundaries) {
    const std::vector<std::string> announcement = {
        "genie: Show",
        "genie: BalloonStyle 1",
        "genie: MoveTo 900 600",
        "genie: LanguageID 1033",
        "genie: Play announce",
        "genie: Speak There are available patients ready to be discharge.",
        "genie: Speak  Double click me to view the list.",
        "genie: BalloonVisible False",
        "genie: Play idle1_1",
    };
    struct Case {
        const char* name;
        vb::Variant goodUpTo;
        vb::Variant now;
        bool announced;
    };
    const Case cases[] = {
        {"twenty boundaries in 19 minutes 1 second", At(10, 0, 59), At(10, 20, 0), true},
        {"nineteen boundaries in 19 minutes 59 seconds", At(10, 0, 0), At(10, 19, 59), false},
        {"exactly twenty minutes", At(10, 0, 0), At(10, 20, 0), true},
        {"no time", vb::Variant::Null(), At(10, 20, 0), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RunningWorld w(c.now);
        w.DischargeWaiting(c.goodUpTo);
        w.world.host.FireTimer(w.main.tmrChkDischarge);
        EXPECT_TRUE(w.main.cmdDischarge.Visible());
        EXPECT_TRUE(w.world.host.IsRunning(w.main.tmrDischarge));
        EXPECT_EQ(w.Sent(), (std::vector<std::string>{DischargePoll, ServerDateQuery}));
        EXPECT_EQ(w.Announcements(), c.announced ? announcement : std::vector<std::string>{});
    }
}

TEST(NoticePolls, TheAnnouncerStandsAccordingToTheWorkAreaWidth) {
    for (auto [width, place] : {std::pair{12000, "genie: MoveTo 650 450"}, std::pair{12015, "genie: MoveTo 900 600"}}) {
        RunningWorld w;
        w.world.host.SetWorkArea({0, 0, width, 9000});
        w.DischargeWaiting(At(8, 0, 0));
        w.world.host.FireTimer(w.main.tmrChkDischarge);
        EXPECT_EQ(w.Announcements().at(2), place);
    }
}

TEST(NoticeButtons, EachBlinksThroughItsTwelveColoursWithoutStartingOver) {
    struct Case {
        forms::CommandButton ward::mdiOrMenu::*button;
        forms::Timer ward::mdiOrMenu::*timer;
        std::vector<forms::Color> colours;
        forms::Color design;
    };
    const Case cases[] = {
        {&ward::mdiOrMenu::cmdDischarge,
         &ward::mdiOrMenu::tmrDischarge,
         {0xC0C0FF, 0x8080FF, 0xFF, 0xC0, 0x80, 0x40, 0x40, 0x80, 0xC0, 0xFF, 0x8080FF, 0xC0C0FF},
         0x40},
        {&ward::mdiOrMenu::cmdClaimSlip,
         &ward::mdiOrMenu::tmrClaimSlip,
         {0x4000, 0x8000, 0xC000, 0xFF00, 0x80FF80, 0xC0FFC0, 0xC0FFC0, 0x80FF80, 0xFF00, 0xC000, 0x8000, 0x4000},
         0x40},
        {&ward::mdiOrMenu::cmdRoomTransferNotification,
         &ward::mdiOrMenu::tmrButton,
         {0xC0FFFF, 0x80FFFF, 0xFFFF, 0xC0C0, 0x8080, 0x4040, 0x4040, 0x8080, 0xC0C0, 0xFFFF, 0x80FFFF, 0xC0FFFF},
         0x4040},
    };
    for (const Case& c : cases) {
        RunningWorld w;
        forms::CommandButton& button = w.main.*c.button;
        forms::Timer& timer = w.main.*c.timer;
        EXPECT_EQ(button.BackColor(), c.design);
        button.SetVisible(true);
        timer.SetTimerEnabled(true);
        std::vector<forms::Color> seen;
        for (int tick = 0; tick < 15; ++tick) {
            if (tick == 5) { // stopped and started again: the steps go on where they were
                timer.SetTimerEnabled(false);
                timer.SetTimerEnabled(true);
            }
            w.world.host.FireTimer(timer);
            seen.push_back(button.BackColor());
        }
        std::vector<forms::Color> expected;
        for (int tick = 0; tick < 15; ++tick)
            expected.push_back(c.colours[static_cast<std::size_t>(tick % 12)]);
        EXPECT_EQ(seen, expected);
    }
}

TEST(NoticeButtons, TheRoomTransferBlinkCountsOnWhileTheButtonIsHidden) {
    RunningWorld w;
    forms::CommandButton& button = w.main.cmdRoomTransferNotification;
    w.world.host.FireTimer(w.main.tmrButton);
    w.world.host.FireTimer(w.main.tmrButton);
    EXPECT_EQ(button.BackColor(), 0x4040) << "a hidden button is not painted";
    button.SetVisible(true);
    w.world.host.FireTimer(w.main.tmrButton);
    EXPECT_EQ(button.BackColor(), 0xFFFF) << "the third step";
}

TEST(NoticeButtons, TheInstructionsButtonFlipsBetweenTwoColoursAndLeavesAThirdAlone) {
    RunningWorld w;
    forms::CommandButton& button = w.main.cmdDCRInstructionsMedicationSheet;
    w.main.tmrDCRInsMeds.SetTimerEnabled(true);
    w.world.host.FireTimer(w.main.tmrDCRInsMeds);
    EXPECT_EQ(button.BackColor(), 0xFFFFC0);
    w.world.host.FireTimer(w.main.tmrDCRInsMeds);
    EXPECT_EQ(button.BackColor(), forms::vbButtonFace);
    button.SetBackColor(0xFF);
    w.world.host.FireTimer(w.main.tmrDCRInsMeds);
    EXPECT_EQ(button.BackColor(), 0xFF);
}

// The nurse's admission as the patient list left it.
void ChooseAdmission(RunningWorld& w, bool validates) {
    w.world.app.CurIdNum = " 2026001234 ";
    auto& search = dynamic_cast<testkit::FakePatientSearch&>(*w.world.app.PatientSearch);
    search.Calls.clear();
    if (validates)
        search.admissions["2026001234"] = {};
}

std::vector<std::string> SearchCalls(RunningWorld& w) {
    auto& search = dynamic_cast<testkit::FakePatientSearch&>(*w.world.app.PatientSearch);
    std::vector<std::string> calls = search.Calls;
    for (const std::string& call : search.admission.Calls)
        calls.push_back(call);
    return calls;
}

TEST(NoticeButtons, DischargeNeedsRightFourAndRefreshesTheCurrentAdmissionAfterwards) {
    RunningWorld w;
    ChooseAdmission(w, true);
    w.world.host.OnModal<ward::frmDischargeComm>([](ward::frmDischargeComm& list) { list.cmdClose.UserClick(); });
    w.main.cmdDischarge.UserClick();
    EXPECT_EQ(w.world.host.ModalShows().back(), "frmDischargeComm");
    EXPECT_EQ(SearchCalls(w), (std::vector<std::string>{"ValidateAdmission(2026001234)", "Admission.Refresh"}));
}

TEST(NoticeButtons, WithoutRightFourTheDischargeListStaysClosed) {
    for (bool byAnnouncer : {false, true}) {
        RunningWorld w;
        w.world.Login().employeeCode = "N0002";
        w.world.host
            .ExpectMsgBox(byAnnouncer ? "You have no user rights to discharge patients."
                                      : "You have no user rights to Discharge Patients.")
            .Title("Message")
            .Buttons(forms::vbOKOnly + forms::vbInformation);
        if (byAnnouncer)
            w.world.announcer.DoubleClick("genie");
        else
            w.main.cmdDischarge.UserClick();
        EXPECT_EQ(w.world.host.ModalShows().size(), 1u) << "only the splash";
    }
}

TEST(NoticeButtons, TheClaimSlipListOpensWithoutARightAndRefreshesTheAdmission) {
    RunningWorld w;
    ChooseAdmission(w, false);
    w.world.Login().employeeCode = "N0002";
    w.world.host.OnModal<ward::frmClaimBillSLip>([](ward::frmClaimBillSLip& list) { list.cmdClose.UserClick(); });
    w.main.cmdClaimSlip.UserClick();
    EXPECT_EQ(SearchCalls(w), std::vector<std::string>{"ValidateAdmission(2026001234)"});
}

TEST(NoticeButtons, TheInstructionsButtonStopsBlinkingAndPollsAtOnceAfterItsWindow) {
    RunningWorld w;
    w.Waiting(InstructionsPoll, false);
    w.main.tmrDCRInsMeds.SetTimerEnabled(true);
    w.world.host.OnModal<ward::frmDCRInstructionMedicationSheet>([&](ward::frmDCRInstructionMedicationSheet& sheet) {
        EXPECT_FALSE(w.world.host.IsRunning(w.main.tmrDCRInsMeds));
        sheet.cmdClose.UserClick();
    });
    w.main.cmdDCRInstructionsMedicationSheet.SetEnabled(true);
    w.main.cmdDCRInstructionsMedicationSheet.SetVisible(true);
    w.main.cmdDCRInstructionsMedicationSheet.UserClick();
    EXPECT_EQ(w.Sent(), std::vector<std::string>{InstructionsPoll});
    EXPECT_FALSE(w.main.cmdDCRInstructionsMedicationSheet.Visible());
}

TEST(NoticeButtons, TheRoomTransferPollIsOffWhileItsWindowIsOpenAndTheOthersTick) {
    RunningWorld w;
    w.Waiting(ClaimSlipPoll, false);
    w.world.host.OnModal<ward::frmProcessNotification>([&](ward::frmProcessNotification& notices) {
        EXPECT_EQ(notices.ShowType, 1);
        EXPECT_FALSE(w.world.host.IsRunning(w.main.tmrRoomTransfer));
        w.world.host.FireTimer(w.main.tmrChkClaimSlip);
        notices.cmdClose.UserClick();
    });
    w.main.cmdRoomTransferNotification.SetVisible(true);
    w.main.cmdRoomTransferNotification.UserClick();
    EXPECT_TRUE(w.world.host.IsRunning(w.main.tmrRoomTransfer));
    EXPECT_EQ(w.Sent(), std::vector<std::string>{ClaimSlipPoll}) << "no room-transfer poll at once";
}

TEST(NoticeButtons, ADoubleClickOnTheAnnouncerOpensTheListWithTheDischargePollOff) {
    struct Case {
        const char* name;
        bool validates;
        int polls;
    };
    for (const Case& c : {Case{"admission validates: polled twice", true, 2}, Case{"no admission", false, 1}}) {
        SCOPED_TRACE(c.name);
        RunningWorld w;
        ChooseAdmission(w, c.validates);
        w.Waiting(DischargePoll, false);
        w.world.host.OnModal<ward::frmDischargeComm>([&](ward::frmDischargeComm& list) {
            EXPECT_FALSE(w.world.host.IsRunning(w.main.tmrChkDischarge));
            EXPECT_TRUE(w.world.host.IsRunning(w.main.tmrChkClaimSlip));
            list.cmdClose.UserClick();
        });
        w.world.announcer.DoubleClick("genie");
        EXPECT_TRUE(w.world.host.IsRunning(w.main.tmrChkDischarge));
        std::vector<std::string> expected = {"SELECT * FROM STATION..tbNurseUserRights WHERE EmployeeID = 'N0001'"};
        expected.insert(expected.end(), static_cast<std::size_t>(c.polls), DischargePoll);
        EXPECT_EQ(w.Sent(), expected);
        EXPECT_EQ(w.Announcements().at(0), "genie: Stop");
        EXPECT_EQ(w.Announcements().at(1), "genie: Hide");
    }
}

TEST(NoticeButtons, ADoubleClickOnAnotherCharacterIsIgnored) {
    RunningWorld w;
    w.world.announcer.DoubleClick("Genie");
    EXPECT_EQ(w.world.host.ModalShows().size(), 1u);
    EXPECT_TRUE(w.Sent().empty());
}

TEST(NoticePolls, AFailingPollSaysSoOnceAndAgainOnlyAfterItWorkedInBetween) {
    RunningWorld w;
    w.world.server.On(ClaimSlipPoll).Fails("Communication link failure", 11);
    w.world.server.On(ClaimSlipPoll).Fails("Communication link failure", 11);
    w.world.server.On(ClaimSlipPoll).Returns({"IdNum"}, {});
    w.world.server.On(ClaimSlipPoll).Fails("Communication link failure", 11);
    const char* message = "Communication link failure\n\nPlease notify your IT department.";
    w.world.host.ExpectMsgBox(message).WhileOpen([&] {
        // A tick behind its own message does not poll again.
        w.world.host.FireTimer(w.main.tmrChkClaimSlip);
    });
    w.world.host.ExpectMsgBox(message);
    for (int tick = 0; tick < 4; ++tick)
        w.world.host.FireTimer(w.main.tmrChkClaimSlip);
    EXPECT_EQ(w.Sent().size(), 4u);
    EXPECT_EQ(w.world.host.MessageBoxes().size(), 2u);
}

TEST(VerifiedResultsCheck, TheButtonStaysHiddenAndItsCheckNeverStartsByItself) {
    RunningWorld w;
    EXPECT_FALSE(w.main.cmdCommunication.Visible());
    EXPECT_FALSE(w.world.host.IsRunning(w.main.tmrComm));
    EXPECT_EQ(w.main.cmdCommunication.ToolTipText(),
              "There are available verified result(s) for printing! Click to view the results....");
}

TEST(VerifiedResultsCheck, ShowsTheButtonWhileResultsWaitAndChecksAgainAfterTheList) {
    const char* check = "Station..sp_Nurse_Get_ResultsAutoPrint 'SIC'";
    RunningWorld w;
    w.Waiting(check, true);
    w.Waiting(check, false);
    w.main.tmrComm_Timer();
    EXPECT_TRUE(w.main.cmdCommunication.Visible());
    EXPECT_TRUE(w.world.host.IsRunning(w.main.tmrButton));

    w.world.server.On("Station..sp_Nurse_Get_LabAutoPrint 'SIC'").Returns({"Patient Name"}, {});
    for (const char* kind : {"1", "2", "3"})
        w.world.server.On(std::string("Station..sp_Nurse_Get_RadiologyAutoPrint 'SIC',") + kind)
            .Returns({"Patient Name"}, {});
    w.world.host.ExpectMsgBox("No Results are available for printing.").Title("Message");
    w.main.cmdCommunication.UserClick();
    EXPECT_FALSE(w.world.app.Forms.IsLoaded<ward::frmAutoPrint>());
    EXPECT_FALSE(w.main.cmdCommunication.Visible());
    EXPECT_FALSE(w.world.host.IsRunning(w.main.tmrButton));
    EXPECT_FALSE(w.world.host.IsRunning(w.main.tmrComm));
    EXPECT_EQ(w.Sent().back(), check);
}

} // namespace
