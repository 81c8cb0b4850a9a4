#include "shell/mdiOrMenu.h"

#include "charges/frmChargeSlipVerification.h"
#include "charges/frmRecievable.h"
#include "core/App.h"
#include "core/ErrorReporting.h"
#include "core/HospitalSettings.h"
#include "core/ReportPrinting.h"
#include "core/StationReports.h"
#include "core/frmReport.h"
#include "discharge/frmCancelMaintainedRoom.h"
#include "discharge/frmMaintainedRoom.h"
#include "platform/vb/Format.h"
#include "platform/vb/Strings.h"
#include "shell/UserRights.h"
#include "shell/frmInfo.h"
#include "shell/frmSearch.h"
#include "shell/frmTransaction_UserValidation.h"
#include "shell/frmUserRights.h"

namespace ward {

void mdiOrMenu::DesignToolbar() {
    Toolbar1.AddButton("Open", "Patient List").SetToolTipText("Patient List");
    forms::ToolbarButton& reports = Toolbar1.AddButton("Report", "View Reports", forms::tbrDropdown);
    reports.SetToolTipText("Reports");
    reports.AddButtonMenu("Audit", "Audit Report");
    reports.AddButtonMenu("Month", "Monthly Report");
    reports.AddButtonMenu("Diet", "Diet List");
    reports.AddButtonMenu("Census", "Census Report");
    reports.AddButtonMenu("Discharge", "Discharges For the Day");
    forms::ToolbarButton& exit = Toolbar1.AddButton("Exit", "Exit App.", forms::tbrDropdown);
    exit.SetToolTipText("Exit Application");
    exit.AddButtonMenu("Exit", "Exit Application");
}

void mdiOrMenu::WireMenus() {
    mnuOpen.Click = [this] { mnuOpen_Click(); };
    mnuChargeSlip.Click = [this] { mnuChargeSlip_Click(); };
    mnuUser.Click = [this] { mnuUser_Click(); };
    mnuDetailed.Click = [this] { mnuDetailed_Click(); };
    mnuSummary.Click = [this] { mnuSummary_Click(); };
    mnuLedger.Click = [this] { mnuLedger_Click(); };
    mnuCF4.Click = [this] { mnuCF4_Click(); };
    mnuDischargeNoticeStatus.Click = [this] { mnuDischargeNoticeStatus_Click(); };
    mnuFluidIO.Click = [this] { mnuFluidIO_Click(); };
    mnuInfo.Click = [this] { mnuInfo_Click(); };
    mnuRS.Click = [this] { mnuRS_Click(); };
    mnuRecvbles.Click = [this] { mnuRecvbles_Click(); };
    mnuChange.Click = [this] { mnuChange_Click(); };
    mnuCancel.Click = [this] { mnuCancel_Click(); };
    mnuExitApps.Click = [this] { mnuExitApps_Click(); };
    Toolbar1.ButtonClick = [this](forms::ToolbarButton& Button) { Toolbar1_ButtonClick(Button); };
    Toolbar1.ButtonMenuClick = [this](forms::ButtonMenu& ButtonMenu) { Toolbar1_ButtonMenuClick(ButtonMenu); };
}

// Only the patient list's face acts; the other two buttons act through their lists.
void mdiOrMenu::Toolbar1_ButtonClick(forms::ToolbarButton& Button) {
    if (Button.Key() == "Open")
        mnuOpen_Click();
}

void mdiOrMenu::Toolbar1_ButtonMenuClick(forms::ButtonMenu& ButtonMenu) {
    const std::string& key = ButtonMenu.Key();
    if (key == "Audit")
        PrintReport([this] { return AuditReport(); });
    else if (key == "Month")
        PrintReport([this] { return MonthlyReport(); });
    else if (key == "Diet")
        PrintReport([this] { return DietList(); });
    else if (key == "Census")
        PrintReport([this] { return CensusReport(); });
    else if (key == "Discharge")
        PrintReport([this] { return DischargesForTheDay(); });
    else if (key == "Exit")
        mnuExitApps_Click();
}

void mdiOrMenu::mnuOpen_Click() { app.Forms.Get<frmSearch>().Show(); }

// The number is the acting nurse's to change: one who is not validated goes no further, whoever is logged in.
void mdiOrMenu::mnuChargeSlip_Click() {
    app.Forms.Get<frmTransaction_UserValidation>().ShowModal();
    if (app.ValidatedUserID.empty())
        return;
    if (!HasUserRight(app, "20", app.ValidatedUserID)) {
        app.Forms.MsgBox("Sorry you don't have access right for Charge Slip Setting.", forms::vbInformation, "Message");
        return;
    }
    app.Forms.Get<frmChargeSlipVerification>().ShowModal();
}

void mdiOrMenu::mnuUser_Click() {
    if (app.CurrentUser->checkusersettings()) {
        app.Forms.Get<frmUserRights>().ShowModal();
        return;
    }
    app.Forms.MsgBox("Invalid Password", forms::vbCritical);
    app.CurrentUser->checkusersettings();
}

void mdiOrMenu::mnuDetailed_Click() {
    PrintReport([this] { return IncomeReport(true); });
}

void mdiOrMenu::mnuSummary_Click() {
    PrintReport([this] { return IncomeReport(false); });
}

void mdiOrMenu::mnuLedger_Click() {
    PrintReport([this] { return PatientLedger(); });
}

void mdiOrMenu::mnuCF4_Click() {
    try {
        ShowCF4Entry();
    } catch (const std::exception& error) {
        ShowErrorMessage(app, error);
    }
}

void mdiOrMenu::ShowCF4Entry() {
    std::shared_ptr<components::CF4Component> cf4 = app.CurrentUser->ZENTARIClasses().clsCF4();
    cf4->SetIdNum(app.CurIdNum);
    cf4->SetStationID(app.StationID);
    cf4->SetTitle(std::string("PhilHealth CF4 Entries ") + " - " + app.CurPatientName + " ( " + app.CurIdNum + " )");
    cf4->SetShowPrint(false);
    cf4->SetHospitalName(app.HospitalName);
    cf4->SetHospitalAddress(app.HospitalAddress);
    cf4->SetReportPath(app.GetHost().AppPath() + "\\Reports");
    cf4->SetEmployeeCode(app.CurrentUser->EmployeeCode());
    cf4->ShowEntry();
}

void mdiOrMenu::mnuDischargeNoticeStatus_Click() {
    PrintReport([this] {
        return std::optional<MenuReport>{
            {"PatientDischargeNoticeStatus.RPT", {app.StationID}, "Patient Discharge Notice Status"}};
    });
}

void mdiOrMenu::mnuFluidIO_Click() {}

void mdiOrMenu::mnuInfo_Click() { app.Forms.Get<frmInfo>().ShowModal(); }

void mdiOrMenu::mnuRS_Click() {
    PrintReport([this] {
        return std::optional<MenuReport>{{"List_of_RequestOrders.Rpt", {vb::Trim(app.CurIdNum)}, "", true}};
    });
}

// The receivable update picks its own patient: the items of the list's patient wait until the list is used again.
void mdiOrMenu::mnuRecvbles_Click() {
    if (!HasUserRight(app, "13")) {
        app.Forms.MsgBox("Sorry you don't have access right for Receivable Entry.", forms::vbInformation, "Message");
        return;
    }
    mnuInfo.SetEnabled(false);
    mnuLedger.SetEnabled(false);
    mnuRS.SetEnabled(false);
    app.Forms.Get<frmRecievable>().Show();
}

void mdiOrMenu::mnuChange_Click() { app.Forms.Get<frmMaintainedRoom>().ShowModal(); }

void mdiOrMenu::mnuCancel_Click() { app.Forms.Get<frmCancelMaintainedRoom>().ShowModal(); }

void mdiOrMenu::mnuExitApps_Click() { Unload(); }

// Reports

template <class Prepare> void mdiOrMenu::PrintReport(Prepare prepare) {
    try {
        std::optional<MenuReport> report = prepare();
        if (!report)
            return;
        OpenReport(app, app.GetHost().AppPath() + "\\Reports\\" + report->file, report->values);
        ShowReport(app, report->groupTree, report->caption, false, false);
    } catch (const std::exception& error) {
        ShowErrorMessage(app, error);
    }
}

bool mdiOrMenu::HasRightOrSay(const std::string& right, const std::string& refusal) {
    if (HasUserRight(app, right))
        return true;
    app.Forms.MsgBox(refusal, forms::vbInformation, "Message");
    return false;
}

bool mdiOrMenu::AskReportDates(const std::string& caption) {
    frmReport& dates = app.Forms.Get<frmReport>();
    dates.SetCaption(caption);
    dates.ShowModal();
    return !(vb::Trim(app.ReportDateFrom).empty() && vb::Trim(app.ReportDateTo).empty());
}

std::optional<mdiOrMenu::MenuReport> mdiOrMenu::AuditReport() {
    if (!AskReportDates("Enter Report Date for Audit Report"))
        return std::nullopt;
    return MenuReport{"Audit_report.RPT",
                      {app.ReportDateFrom, app.ReportDateTo, app.HospitalName, app.HospitalAddress, "SCN AUDIT REPORT"},
                      ""};
}

std::optional<mdiOrMenu::MenuReport> mdiOrMenu::MonthlyReport() {
    if (!AskReportDates("Enter Report Date for Monthly Report"))
        return std::nullopt;
    return MenuReport{
        "Monthly_Report.RPT",
        {app.HospitalName, app.HospitalAddress, "MONTHLY SCN REPORT", app.ReportDateFrom, app.ReportDateTo},
        ""};
}

std::optional<mdiOrMenu::MenuReport> mdiOrMenu::DietList() {
    return MenuReport{"Diet_List.Rpt",
                      {app.StationID, vb::Trim(app.HospitalName), vb::Trim(app.HospitalAddress),
                       vb::Trim(app.StationName) + " - Diet List"},
                      "Diet List"};
}

std::optional<mdiOrMenu::MenuReport> mdiOrMenu::CensusReport() {
    PrepareCensusReport(app);
    return MenuReport{
        "CensusByStation_PSH.rpt", {vb::Format(app.ServerDate, "mm/dd/yyyy")}, "Census Report by Station"};
}

std::optional<mdiOrMenu::MenuReport> mdiOrMenu::DischargesForTheDay() {
    PrepareDischargeListReport(app);
    return MenuReport{"NurseDischargeReport.rpt",
                      {vb::Trim(app.StationName), vb::Trim(app.HospitalName), vb::Trim(app.HospitalAddress)},
                      "Discharged List"};
}

// The detailed report shows amounts as the settings were last read; the summary reads them afresh.
std::optional<mdiOrMenu::MenuReport> mdiOrMenu::IncomeReport(bool detailed) {
    if (detailed) {
        if (!HasRightOrSay("18", "Sorry you don't have access right to view Detailed Income Report."))
            return std::nullopt;
    } else {
        if (!HasRightOrSay("21", "Sorry you don't have access right to view Summary Income Report."))
            return std::nullopt;
        LoadHospitalSettings(app);
    }
    if (!AskReportDates("Enter Report Date for Income Report"))
        return std::nullopt;
    return MenuReport{detailed ? "Nurse_Station_Income_Detailed.RPT" : "Nurse_Station_Income_Summary.RPT",
                      {app.ReportDateFrom, app.ReportDateTo, app.StationID, app.IsShowAmount},
                      detailed ? "Income Report (Detailed)" : "Income Report (Summary)"};
}

std::optional<mdiOrMenu::MenuReport> mdiOrMenu::PatientLedger() {
    return MenuReport{"Patient_Ledger.RPT",
                      {app.HospitalName, app.HospitalAddress, "", "PATIENT'S SCN LEDGER", app.CurPatientName,
                       app.CurPatientAddress, app.CurAccountNum, app.CurGuarantor, vb::Trim(app.CurIdNum),
                       vb::Trim(app.CurHospNum), app.CurAdmissionDate, app.CurDischargeDate, app.CurRoomID,
                       vb::Trim(app.CurHospNum), vb::Trim(app.CurIdNum), "SU"},
                      ""};
}

} // namespace ward
