#pragma once

#include "platform/forms/Bars.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include "platform/forms/ImageList.h"
#include "platform/forms/SysInfo.h"
#include "platform/forms/Toolbar.h"
#include "platform/vb/Variant.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace db {
class Recordset;
}

namespace ward {

class App;

// The ward's main window and the program's start-up object: loading it signs the nurse in and creates the outside
// components, its timers poll the server for notices, and unloading it is the program's shutdown. Every work window
// opens inside it.
class mdiOrMenu : public forms::Form {
public:
    explicit mdiOrMenu(App& app);

    forms::StatusBar StbEr{*this, "StbEr"};
    forms::PictureBox Picture2{*this, "Picture2"};
    // 0 "Next Charge Slip #", 1 the number.
    forms::ControlArray<forms::Label> lblCS{*this, "lblCS"};
    forms::ImageList ImageList1{*this, "ImageList1"};
    forms::Timer Timer1{*this, "Timer1"};
    forms::SysInfo SysInfo1{*this, "SysInfo1"};
    forms::ProgressBar ProgressBar1{*this, "ProgressBar1"};

    // Notice buttons and their polls.
    forms::CommandButton cmdDischarge{*this, "cmdDischarge"};
    forms::CommandButton cmdClaimSlip{*this, "cmdClaimSlip"};
    forms::CommandButton cmdDCRInstructionsMedicationSheet{*this, "cmdDCRInstructionsMedicationSheet"};
    forms::CommandButton cmdRoomTransferNotification{*this, "cmdRoomTransferNotification"};
    forms::Timer tmrChkDischarge{*this, "tmrChkDischarge"};
    forms::Timer tmrDischarge{*this, "tmrDischarge"};
    forms::Timer tmrChkClaimSlip{*this, "tmrChkClaimSlip"};
    forms::Timer tmrClaimSlip{*this, "tmrClaimSlip"};
    forms::Timer tmrDCRInstructions{*this, "tmrDCRInstructions"};
    forms::Timer tmrDCRInsMeds{*this, "tmrDCRInsMeds"};
    forms::Timer tmrRoomTransfer{*this, "tmrRoomTransfer"};
    forms::Timer tmrButton{*this, "tmrButton"};
    // The verified-results button and its check; nothing starts the check.
    forms::CommandButton cmdCommunication{*this, "cmdCommunication"};
    forms::Timer tmrComm{*this, "tmrComm"};

    // "Patient List", "View Reports" (a drop-down of the station's reports) and "Exit App.".
    forms::Toolbar Toolbar1{*this, "Toolbar1"};

    // Menus, with their captions and design states.
    forms::Menu mnuFile{*this, "mnuFile"};
    forms::Menu mnuOpen{mnuFile, "mnuOpen"};
    forms::Menu mnuChargeSlip{mnuFile, "mnuChargeSlip"};
    forms::Menu mnuUser{mnuFile, "mnuUser"};
    forms::Menu mnuReports{*this, "mnuReports"};
    forms::Menu mnuDetailed{mnuReports, "mnuDetailed"};
    forms::Menu mnuSummary{mnuReports, "mnuSummary"};
    forms::Menu mnuLedger{mnuReports, "mnuLedger"};
    forms::Menu mnuInquiry{*this, "mnuInquiry"};
    forms::Menu mnuCF4{mnuInquiry, "mnuCF4"};
    forms::Menu mnuDischargeNoticeStatus{mnuInquiry, "mnuDischargeNoticeStatus"};
    forms::Menu mnuFluidIO{mnuInquiry, "mnuFluidIO"};
    forms::Menu mnuInfo{mnuInquiry, "mnuInfo"};
    forms::Menu mnuRS{mnuInquiry, "mnuRS"};
    forms::Menu mnuRecvbles{*this, "mnuRecvbles"};
    forms::Menu mnuAssessment{*this, "mnuAssessment"};
    forms::Menu mnuMaintained{*this, "mnuMaintained"};
    forms::Menu mnuChange{mnuMaintained, "mnuChange"};
    forms::Menu mnuCancel{mnuMaintained, "mnuCancel"};
    forms::Menu mnuWindow{*this, "mnuWindow"};
    forms::Menu mnuExit{*this, "mnuExit"};
    forms::Menu mnuExitApps{mnuExit, "mnuExitApps"};

    // Runs one poll at once, as its timer would.
    void tmrChkDischarge_Timer();
    void tmrChkClaimSlip_Timer();
    void tmrDCRInstructions_Timer();
    void tmrRoomTransfer_Timer();
    void tmrComm_Timer();

private:
    void Design() override;
    void DesignMenus();
    void DesignNoticeButtons();
    void DesignTimers();
    forms::Picture PictureFile(const std::string& name) const;
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(int& Cancel) override;

    // Start-up.
    bool SignIn();
    void StartWork();
    void ReadStationName();
    void LoadFramePicture();
    void FillStatusBar();
    std::string ServerPart() const;
    void CreateOutsideComponents();
    void SetUpCodeSearch();
    void OfferConnection();
    template <class T> std::unique_ptr<T> CreateOutsideObject(const std::string& progId);

    void Timer1_Timer();
    void SysInfo1_DisplayChanged();
    void ShowNextChargeSlipNumber();
    void KeepChargeSlipBoxRight();
    void ReleaseOutsideComponents();

    // Menus and toolbar.
    void DesignToolbar();
    void WireMenus();
    void mnuOpen_Click();
    void mnuChargeSlip_Click();
    void mnuUser_Click();
    void mnuDetailed_Click();
    void mnuSummary_Click();
    void mnuLedger_Click();
    void mnuCF4_Click();
    void mnuDischargeNoticeStatus_Click();
    void mnuFluidIO_Click();
    void mnuInfo_Click();
    void mnuRS_Click();
    void mnuRecvbles_Click();
    void mnuChange_Click();
    void mnuCancel_Click();
    void mnuExitApps_Click();
    void Toolbar1_ButtonClick(forms::ToolbarButton& Button);
    void Toolbar1_ButtonMenuClick(forms::ButtonMenu& ButtonMenu);

    // The station's reports.
    struct MenuReport {
        std::string file; // in the Reports folder
        std::vector<vb::Variant> values;
        std::string caption;
        bool groupTree = false;
    };
    // Prints what prepare gives (nothing when it gives none); any error is shown and ends the action.
    template <class Prepare> void PrintReport(Prepare prepare);
    bool HasRightOrSay(const std::string& right, const std::string& refusal);
    // Asks for the report's dates; false when the nurse gave up.
    bool AskReportDates(const std::string& caption);
    std::optional<MenuReport> AuditReport();
    std::optional<MenuReport> MonthlyReport();
    std::optional<MenuReport> DietList();
    std::optional<MenuReport> CensusReport();
    std::optional<MenuReport> DischargesForTheDay();
    std::optional<MenuReport> IncomeReport(bool detailed);
    std::optional<MenuReport> PatientLedger();
    void ShowCF4Entry();

    // Notices.
    void tmrDischarge_Timer();
    void tmrClaimSlip_Timer();
    void tmrButton_Timer();
    void tmrDCRInsMeds_Timer();
    void cmdDischarge_Click();
    void cmdClaimSlip_Click();
    void cmdDCRInstructionsMedicationSheet_Click();
    void cmdRoomTransferNotification_Click();
    void cmdCommunication_Click();
    void Agent1_DblClick(const std::string& CharacterID);
    bool RefreshCurrentAdmission();
    void AnnounceDischarges();
    void HideAgent();

    // A poll that fails says so once, and again only after it has worked in between; it does not run while its
    // own message is open, so an outage never stacks messages every few seconds.
    struct PollState {
        bool failing = false;
        bool reporting = false;
    };
    template <class Poll> void RunPoll(PollState& state, Poll poll);
    PollState dischargePoll, claimSlipPoll, instructionsPoll, roomTransferPoll;

    int intDischarge = 0;
    int intClaimSlip = 0;
    int intRoomTransfer = 0;

    App& app;
};

} // namespace ward
