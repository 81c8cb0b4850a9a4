#include "chart/frmFinal.h"

#include "core/App.h"
#include "core/ErrorReporting.h"
#include "core/HospitalSettings.h"
#include "core/ModuleHelpers.h"
#include "core/ReportPrinting.h"
#include "core/StationReports.h"
#include "core/frmReport.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"
#include "platform/vb/Format.h"
#include "platform/vb/Strings.h"
#include "shell/UserRights.h"

#include <cstdio>

namespace ward {

namespace {

constexpr int kReportIcons = 11;

// What one type code of the report list prints.
struct ChartReport {
    std::string file; // under the program's folder
    std::vector<vb::Variant> values;
    std::string caption;
    bool groupTree = false;
};

bool IsEmptyDate(const std::string& date) { return vb::Trim(date).empty(); }

} // namespace

void frmFinal::DesignReportIcons() {
    for (int number = 1; number <= kReportIcons; ++number) {
        char name[32];
        std::snprintf(name, sizeof name, "/Pictures/reports/report%02d.png", number);
        imgListReports.Add(forms::Picture{app.GetHost().AppPath() + name});
    }
}

// Every row 280 high with its icon in column 2, by the row's position: rows 3 and 4 show two pictures laid over.
void frmFinal::InitReportsList() {
    forms::MSHFlexGrid& grid = mshflexReports;
    for (int row = 1; row < grid.Rows(); ++row) {
        try {
            grid.SetRow(row);
            grid.SetCol(2);
            grid.SetRowHeight(row, 280);
            if (row == 3 || row == 4) {
                imgListReports.SetMaskColor(0xFFFFFF);
                grid.SetCellPicture(row == 3 ? imgListReports.Overlay(3, 4) : imgListReports.Overlay(6, 5));
            } else {
                grid.SetCellPicture(imgListReports.ListImage(row <= 5 ? row : row + 1));
            }
        } catch (const std::exception&) {
            // A missing picture leaves the row without an icon.
        }
    }
}

void frmFinal::mshflexReports_DblClick() {
    try {
        PrintReportOfRow();
    } catch (const std::exception& error) {
        ShowErrorMessage(app, error);
    }
}

void frmFinal::PrintReportOfRow() {
    LoadHospitalSettings(app);
    const std::string code = vb::Trim(mshflexReports.TextMatrix(mshflexReports.Row(), 1));
    ChartReport report;
    if (code == "0") {
        report = {"\\Reports\\Diet_List.Rpt",
                  {app.StationID, vb::Trim(app.HospitalName), vb::Trim(app.HospitalAddress),
                   vb::Trim(app.StationName) + " - Diet List"},
                  "Diet List"};
    } else if (code == "1") {
        PrepareCensusReport(app);
        report = {"\\Reports\\CensusByStation_PSH.rpt",
                  {vb::Format(app.ServerDate, "mm/dd/yyyy")},
                  "Census Report by Station"};
    } else if (code == "2") {
        PrepareDischargeListReport(app);
        report = {"\\Reports\\NurseDischargeReport.rpt",
                  {vb::Trim(app.StationName), vb::Trim(app.HospitalName), vb::Trim(app.HospitalAddress)},
                  "Discharged List"};
    } else if (code == "3") {
        app.Forms.Get<frmReport>().ShowModal();
        if (IsEmptyDate(app.ReportDateFrom) || IsEmptyDate(app.ReportDateTo))
            return;
        report = {"\\Reports\\List_Of_Proccess_Request_AllPatient.rpt",
                  {app.ReportDateFrom, app.ReportDateTo, app.StationID, app.StationName},
                  "List of Request and Orders",
                  true};
    } else if (code == "4") {
        report = {"\\Reports\\Posted Medicines.RPT", {txtId.Text(), app.IsShowAmount}, ""};
    } else if (code == "5") {
        report = {"\\Reports\\Posted Supplies.RPT", {txtId.Text(), app.IsShowAmount}, ""};
    } else if (code == "6") {
        report = {
            "\\Reports\\List_Of_Proccess_Request_New.rpt", {txtId.Text(), app.StationID}, "List of Processed Request"};
    } else if (code == "7") {
        report = {"\\Reports\\PatientDischargeNoticeStatus.RPT", {app.StationID}, "Patient Discharge Notice Status"};
    } else if (code == "8" || code == "9") {
        const bool detailed = code == "8";
        if (!AskRight(detailed ? "18" : "21", detailed
                                                  ? "Sorry you don't have access right to view Detailed Income Report."
                                                  : "Sorry you don't have access right to view Summary Income Report."))
            return;
        frmReport& dates = app.Forms.Get<frmReport>();
        dates.SetCaption("Enter Report Date for Income Report");
        dates.ShowModal();
        if (IsEmptyDate(app.ReportDateFrom) && IsEmptyDate(app.ReportDateTo))
            return;
        report = {detailed ? "\\Reports\\Nurse_Station_Income_Detailed.RPT"
                           : "\\Reports\\Nurse_Station_Income_Summary.RPT",
                  {app.ReportDateFrom, app.ReportDateTo, app.StationID, app.IsShowAmount},
                  detailed ? "Income Report (Detailed)" : "Income Report (Summary)"};
    } else {
        return;
    }
    OpenReport(app, app.GetHost().AppPath() + report.file, report.values);
    ShowReport(app, report.groupTree, report.caption, false, false);
}

// The statement of account of the chart's admission. The patient search holds whatever was validated last, so the
// chart's own patient is loaded first; the viewer offers printing by right 17 and always gives it back afterwards.
void frmFinal::ShowStatementOfAccount() {
    if (!AskRight("19", "Sorry you don't have access right to View Statement Of Account."))
        return;
    app.AllowReportPrint = HasUserRight(app, "17");
    try {
        components::PatientObject& master = app.PatientSearch->PatientMaster();
        const bool loaded = master.LoadPatient(txtPno.Text());
        const std::string address = loaded ? vb::Trim(master.Address.CompleteAddress) : "";
        const std::string account = loaded ? vb::Trim(master.Account.AccountNumber) : "";
        std::string guarantor;
        if (loaded)
            guarantor = account == vb::Trim(txtPno.Text()) ? "PERSONAL" : vb::Trim(master.Account.Company);
        const std::vector<vb::Variant> values = {txtId.Text(),
                                                 app.HospitalAddress,
                                                 txtPatient.Text(),
                                                 address,
                                                 account,
                                                 guarantor,
                                                 txtPno.Text(),
                                                 vb::Format(txtDateAdmitted.Text(), "mm/dd/yyyy"),
                                                 vb::Format(txtDateDischarged.Text(), "mm/dd/yyyy"),
                                                 txtRoom.Text(),
                                                 app.CurRoomRate,
                                                 vb::Format(txtDateAdmitted.Text(), "hh:mm:ss AM/PM"),
                                                 vb::Format(txtDateDischarged.Text(), "hh:mm:ss AM/PM"),
                                                 std::string(),
                                                 std::string(),
                                                 app.CurrentUser->EmployeeName(),
                                                 txtDoctor2.Text()};
        OpenReport(app, app.GetHost().AppPath() + "\\Reports\\StatementOfAccountPatientsLedgerByDepartment.RPT",
                   values);
        OpenSubreport(app, "HospitalBill", {txtId.Text()});
        OpenSubreport(app, "MedicalFee", {txtId.Text()});
        ShowReport(app, false, "Statement Of Accounts", false, false);
    } catch (...) {
        app.AllowReportPrint = true;
        throw;
    }
    app.AllowReportPrint = true;
}

} // namespace ward
