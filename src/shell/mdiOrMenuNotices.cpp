#include "shell/mdiOrMenu.h"

#include "core/App.h"
#include "core/ErrorReporting.h"
#include "core/ModuleHelpers.h"
#include "core/RecordsetChecks.h"
#include "discharge/frmClaimBillSLip.h"
#include "discharge/frmDCRInstructionMedicationSheet.h"
#include "discharge/frmDischargeComm.h"
#include "discharge/frmProcessNotification.h"
#include "results/frmAutoPrint.h"
#include "platform/agent/Announcer.h"
#include "platform/db/SqlText.h"
#include "platform/vb/DateTime.h"
#include "platform/vb/Strings.h"
#include "shell/UserRights.h"

#include <array>

namespace ward {

namespace {

using Colours = std::array<forms::Color, 12>;
constexpr Colours DischargeColours = {0xC0C0FF, 0x8080FF, 0xFF, 0xC0, 0x80,     0x40,
                                      0x40,     0x80,     0xC0, 0xFF, 0x8080FF, 0xC0C0FF};
constexpr Colours ClaimSlipColours = {0x4000,   0x8000,   0xC000, 0xFF00, 0x80FF80, 0xC0FFC0,
                                      0xC0FFC0, 0x80FF80, 0xFF00, 0xC000, 0x8000,   0x4000};
constexpr Colours RoomTransferColours = {0xC0FFFF, 0x80FFFF, 0xFFFF, 0xC0C0, 0x8080,   0x4040,
                                         0x4040,   0x8080,   0xC0C0, 0xFFFF, 0x80FFFF, 0xC0FFFF};
constexpr forms::Color InstructionsColour = 0xFFFFC0;

// Paints the button with the colour of the step, then moves to the next step.
void Blink(forms::CommandButton& button, int& step, const Colours& colours) {
    button.SetBackColor(colours[static_cast<std::size_t>(step)]);
    step = (step + 1) % static_cast<int>(colours.size());
}

void ShowNotice(forms::CommandButton& button, forms::Timer& blink, bool waiting) {
    button.SetVisible(waiting);
    blink.SetTimerEnabled(waiting);
}

} // namespace

void mdiOrMenu::DesignNoticeButtons() {
    struct Notice {
        forms::CommandButton& button;
        const char* toolTip;
        forms::Color colour;
        const char* picture; // the room-transfer button takes its picture at start-up
    };
    Notice notices[] = {
        {cmdDischarge, "There are available Patient(s) ready to be Discharge!", 0x40, "discharge.png"},
        {cmdClaimSlip, "There are available Bill Claim Slip(s) ready for printing!", 0x40, "claimslip.png"},
        {cmdDCRInstructionsMedicationSheet, "Discharge Instructions and Medications Sheet Entry", forms::vbButtonFace,
         "instructions.png"},
        {cmdRoomTransferNotification, "There are pending notification of room transfer from other stations......",
         0x4040, nullptr},
        {cmdCommunication, "There are available verified result(s) for printing! Click to view the results....",
         forms::vbButtonFace, nullptr},
    };
    int left = 120;
    for (Notice& notice : notices) {
        notice.button.SetStyle(1);
        notice.button.SetToolTipText(notice.toolTip);
        notice.button.SetBackColor(notice.colour);
        notice.button.SetVisible(false);
        if (notice.picture != nullptr)
            notice.button.SetPicture(PictureFile(notice.picture));
        notice.button.Move(left, 120, 600, 600);
        left += 720;
    }
    cmdDCRInstructionsMedicationSheet.SetEnabled(false);
}

void mdiOrMenu::DesignTimers() {
    struct Interval {
        forms::Timer& timer;
        int milliseconds;
    };
    Interval intervals[] = {
        {tmrChkDischarge, 10000},    {tmrDischarge, 50},   {tmrChkClaimSlip, 10000}, {tmrClaimSlip, 50},
        {tmrDCRInstructions, 10000}, {tmrDCRInsMeds, 500}, {tmrRoomTransfer, 5000},  {tmrButton, 50},
        {tmrComm, 10000}};
    for (Interval& interval : intervals) {
        interval.timer.SetInterval(interval.milliseconds);
        interval.timer.SetTimerEnabled(false);
    }
}

template <class Poll> void mdiOrMenu::RunPoll(PollState& state, Poll poll) {
    if (state.reporting)
        return;
    try {
        poll();
        state.failing = false;
    } catch (const std::exception& error) {
        if (state.failing)
            return;
        state.failing = true;
        state.reporting = true;
        ShowErrorMessage(app, error);
        state.reporting = false;
    }
}

void mdiOrMenu::tmrChkDischarge_Timer() {
    RunPoll(dischargePoll, [this] {
        db::Recordset rs =
            app.Connection().Open("Station..sp_Nurse_Get_Patient_ForDischarge " + db::SqlQuote(app.StationID),
                                  db::CursorType::ForwardOnly, db::LockType::ReadOnly);
        if (rs.Bof() || rs.Eof()) {
            ShowNotice(cmdDischarge, tmrDischarge, false);
            HideAgent();
        } else {
            ShowNotice(cmdDischarge, tmrDischarge, true);
            RefreshServerDate(app);
            vb::Variant goodUpTo = rs.Fields("Good Up To");
            if (!goodUpTo.IsNull() && vb::DateDiff("n", goodUpTo, app.ServerDate) >= 20)
                AnnounceDischarges();
        }
        rs.Close();
    });
}

void mdiOrMenu::tmrChkClaimSlip_Timer() {
    RunPoll(claimSlipPoll, [this] {
        bool waiting = ReturnsRow(app, "Station..sp_Nurse_Get_Patient_ClaimSlip " + db::SqlQuote(app.StationID));
        ShowNotice(cmdClaimSlip, tmrClaimSlip, waiting);
    });
}

void mdiOrMenu::tmrDCRInstructions_Timer() {
    RunPoll(instructionsPoll, [this] {
        bool waiting = ReturnsRow(app, "Station..sp_Nurse_Get_Patient_ForDischargeInstructions_MedicationSheet 'ZODE'");
        ShowNotice(cmdDCRInstructionsMedicationSheet, tmrDCRInsMeds, waiting);
        cmdDCRInstructionsMedicationSheet.SetEnabled(waiting);
    });
}

void mdiOrMenu::tmrRoomTransfer_Timer() {
    RunPoll(roomTransferPoll, [this] {
        bool waiting = ReturnsRow(
            app, "STATION..sp_Nurse_Process_Pending_NotificationOfRoomTransfer " + db::SqlQuote(app.StationID),
            db::CursorType::ForwardOnly, db::LockType::Optimistic);
        ShowNotice(cmdRoomTransferNotification, tmrButton, waiting);
    });
}

void mdiOrMenu::tmrDischarge_Timer() { Blink(cmdDischarge, intDischarge, DischargeColours); }

void mdiOrMenu::tmrClaimSlip_Timer() { Blink(cmdClaimSlip, intClaimSlip, ClaimSlipColours); }

void mdiOrMenu::tmrButton_Timer() {
    if (cmdRoomTransferNotification.Visible())
        cmdRoomTransferNotification.SetBackColor(RoomTransferColours[static_cast<std::size_t>(intRoomTransfer)]);
    intRoomTransfer = (intRoomTransfer + 1) % static_cast<int>(RoomTransferColours.size());
}

void mdiOrMenu::tmrDCRInsMeds_Timer() {
    forms::CommandButton& button = cmdDCRInstructionsMedicationSheet;
    if (button.BackColor() == forms::vbButtonFace)
        button.SetBackColor(InstructionsColour);
    else if (button.BackColor() == InstructionsColour)
        button.SetBackColor(forms::vbButtonFace);
}

void mdiOrMenu::AnnounceDischarges() {
    if (!app.AgentLoaded)
        return;
    agent::Character& genie = app.Announcer->Characters("genie");
    genie.Show();
    genie.SetBalloonStyle(1);
    if (SysInfo1.WorkAreaWidth() == 12000)
        genie.MoveTo(650, 450);
    else
        genie.MoveTo(900, 600);
    genie.SetLanguageID(1033);
    genie.Play("announce");
    genie.Speak("There are available patients ready to be discharge.");
    genie.Speak(" Double click me to view the list.");
    genie.SetBalloonVisible(false);
    genie.Play("idle1_1");
}

void mdiOrMenu::HideAgent() {
    if (!app.AgentLoaded)
        return;
    agent::Character& genie = app.Announcer->Characters("genie");
    genie.Stop();
    genie.Hide();
}

// After a discharge window the current admission may have changed on the server: it is read again.
bool mdiOrMenu::RefreshCurrentAdmission() {
    std::string idNum = vb::Trim(app.CurIdNum);
    if (idNum.empty() || !app.PatientSearch->ValidateAdmission(idNum))
        return false;
    app.PatientSearch->Admission().Refresh();
    return true;
}

void mdiOrMenu::cmdDischarge_Click() {
    if (!HasUserRight(app, "4")) {
        app.Forms.MsgBox("You have no user rights to Discharge Patients.", forms::vbInformation, "Message");
        return;
    }
    app.Forms.Get<frmDischargeComm>().ShowModal();
    RefreshCurrentAdmission();
}

void mdiOrMenu::cmdClaimSlip_Click() {
    app.Forms.Get<frmClaimBillSLip>().ShowModal();
    RefreshCurrentAdmission();
}

void mdiOrMenu::cmdDCRInstructionsMedicationSheet_Click() {
    tmrDCRInsMeds.SetTimerEnabled(false);
    app.Forms.Get<frmDCRInstructionMedicationSheet>().ShowModal();
    tmrDCRInstructions_Timer();
}

void mdiOrMenu::cmdRoomTransferNotification_Click() {
    tmrRoomTransfer.SetTimerEnabled(false);
    frmProcessNotification& notices = app.Forms.Instance<frmProcessNotification>();
    notices.ShowType = 1;
    notices.ShowModal();
    tmrRoomTransfer.SetTimerEnabled(true);
}

// The verified-results check never runs by itself: the button that would show its result stays hidden.
void mdiOrMenu::cmdCommunication_Click() {
    tmrButton.SetTimerEnabled(false);
    tmrComm.SetTimerEnabled(false);
    app.Forms.Instance<frmAutoPrint>().ShowModal();
    tmrComm_Timer();
}

void mdiOrMenu::tmrComm_Timer() {
    db::Recordset rs = app.Connection().Open("Station..sp_Nurse_Get_ResultsAutoPrint " + db::SqlQuote(app.StationID),
                                             db::CursorType::ForwardOnly, db::LockType::ReadOnly);
    ShowNotice(cmdCommunication, tmrButton, !rs.Eof());
    rs.Close();
}

void mdiOrMenu::Agent1_DblClick(const std::string& CharacterID) {
    if (CharacterID != "genie")
        return;
    if (!HasUserRight(app, "4")) {
        app.Forms.MsgBox("You have no user rights to discharge patients.", forms::vbInformation, "Message");
        return;
    }
    HideAgent();
    tmrChkDischarge.SetTimerEnabled(false);
    app.Forms.Get<frmDischargeComm>().ShowModal();
    if (RefreshCurrentAdmission())
        tmrChkDischarge_Timer();
    tmrChkDischarge.SetTimerEnabled(true);
    tmrChkDischarge_Timer();
}

} // namespace ward
