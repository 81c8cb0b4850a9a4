#include "results/frmAutoPrint.h"

#include "core/App.h"
#include "core/ErrorReporting.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"
#include "platform/forms/Layout.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/Format.h"
#include "platform/vb/Strings.h"
#include "results/RadiologyPrint.h"
#include "results/ResultGrid.h"

namespace ward {

namespace {

constexpr const char* ResultDateFormat = "mm/dd/yyyy hh:mm:ss AM/PM";

// What tells the x-ray (0), CT (1) and ultrasound (2) prints apart.
struct RadiologyKind {
    RadiologyLookUpKind lookUp;
    const char* section;
    const char* caption;
    const char* department;
};

constexpr RadiologyKind kRadiologyKinds[] = {
    {RadiologyLookUpKind::Xray, "X-RAY SECTION", "Xray Result", "XR"},
    {RadiologyLookUpKind::CT, "CT-SCAN SECTION", "CT Result", "CT"},
    {RadiologyLookUpKind::Ultrasound, "ULTRASOUND SECTION", "Ultrasound Result", "US"},
};

// A field of the look-up, trimmed; Null is the empty text.
std::string Trimmed(const db::Recordset& rs, const char* name) { return vb::Trim(CellText(rs.Fields(name))); }

} // namespace

frmAutoPrint::frmAutoPrint(App& app) : Form(app.Forms), app(app) {
    grdResults.Click = [this] { cmdPrint.SetEnabled(true); };
    mshflexRadiology.On(&forms::Control::Click, [this](int Index) {
        forms::CommandButton* tagged[] = {&cmdPrintTag, &cmdPrintCT, &cmdPrintUltra};
        tagged[Index]->SetEnabled(true);
    });
}

frmAutoPrint::ResultTab frmAutoPrint::TabOf(int tab) {
    switch (tab) {
    case 0:
        return {0,       grdResults, lblStatus, pbarPrint, cmdAll, cmdPrint, cmdClose, 1, &frmAutoPrint::PrintLabResult,
                &frmAutoPrint::LoadAutoPrintLists, "  Printing : "};
    case 1:
        return {1,           mshflexRadiology(0), lblXray, pbarXray, cmdXrayPrintAll, cmdPrintTag, cmdXrayExit, 0,
                &frmAutoPrint::PrintXrayResult, &frmAutoPrint::LoadXrayList, "Printing : "};
    case 2:
        return {2,         mshflexRadiology(1), lblCT, pbarCT, cmdPrintAllCT, cmdPrintCT, cmdCTExit, 2,
                &frmAutoPrint::PrintCTResult, &frmAutoPrint::LoadCTList, "Printing : "};
    default:
        return {3,
                mshflexRadiology(2),
                lblUltra,
                pbarUltra,
                cmdPrintAllUltra,
                cmdPrintUltra,
                cmdUltraExit,
                3,
                &frmAutoPrint::PrintUltrasoundResult,
                &frmAutoPrint::LoadUltrasoundList,
                "Printing : "};
    }
}

void frmAutoPrint::Design() {
    SetCaption("LIST Of VERIFIED RESULTS");
    SetInnerSize(13200, 7200);
    tabViewResults.SetTabs(4);
    tabViewResults.SetTabsPerRow(4);
    const char* captions[] = {"Laboratory", "Xray", "CT-Scan", "Ultrasound"};
    for (int tab = 0; tab < 4; ++tab)
        tabViewResults.SetTabCaption(tab, captions[tab]);
    forms::Layout(*this).Full(tabViewResults, 6960);
    for (int index = 0; index < 4; ++index)
        Frame1.Load(index).SetCaption("List of Patients With Results");
    for (int index = 0; index < 3; ++index)
        mshflexRadiology.Load(index);
    for (int tab = 0; tab < 4; ++tab)
        DesignTab(tab);
}

void frmAutoPrint::DesignTab(int tab) {
    ResultTab t = TabOf(tab);
    t.printTagged.Click = [this, tab] { PrintTagged(tab); };
    t.printAll.Click = [this, tab] { PrintAll(tab); };
    t.close.Click = [this] { Unload(); };
    t.printAll.SetCaption("Print &All");
    t.printTagged.SetCaption("&Print Tagged");
    t.close.SetCaption("&Close");
    t.printTagged.SetEnabled(false);
    t.status.SetVisible(false);
    t.bar.SetVisible(false);
    t.grid.SetFixedRows(1);
    t.grid.SetFixedCols(1);
    forms::Layout layout(tabViewResults, {}, tab);
    const int frameHeight = tabViewResults.Height() - tabViewResults.TabHeight() - 375 - 4 * 120;
    layout.Group(Frame1(t.frame), [&](forms::Layout& inside) {
        inside.Full(t.grid, frameHeight - 240 - 2 * 315 - 4 * 120);
        inside.Full(t.status);
        inside.Full(t.bar, 255);
    });
    layout.Buttons({&t.printAll, &t.printTagged, &t.close});
}

void frmAutoPrint::Form_Load() {
    LabListHasRows = XrayListHasRows = CTListHasRows = UltrasoundListHasRows = false;
    LoadAutoPrintLists();
}

void frmAutoPrint::LoadAutoPrintLists() {
    LoadLabList();
    LoadXrayList();
    LoadCTList();
    LoadUltrasoundList();
    if (ListRecordset.State() == db::ObjectState::Open)
        ListRecordset.Close();
    ListRecordset = db::Recordset();
    SetResultTabs();
}

void frmAutoPrint::LoadLabList() {
    LoadList("Station..sp_Nurse_Get_LabAutoPrint " + db::SqlQuote(app.StationID), grdResults, 0, LabListHasRows);
}

void frmAutoPrint::LoadXrayList() {
    LoadList("Station..sp_Nurse_Get_RadiologyAutoPrint " + db::SqlQuote(app.StationID) + ",1", mshflexRadiology(0), 1,
             XrayListHasRows);
}

void frmAutoPrint::LoadCTList() {
    LoadList("Station..sp_Nurse_Get_RadiologyAutoPrint " + db::SqlQuote(app.StationID) + ",2", mshflexRadiology(1), 2,
             CTListHasRows);
}

void frmAutoPrint::LoadUltrasoundList() {
    LoadList("Station..sp_Nurse_Get_RadiologyAutoPrint " + db::SqlQuote(app.StationID) + ",3", mshflexRadiology(2), 3,
             UltrasoundListHasRows);
}

void frmAutoPrint::LoadList(const std::string& sql, forms::MSHFlexGrid& grid, int tab, bool& hasRows) {
    if (ListRecordset.State() == db::ObjectState::Open)
        ListRecordset.Close();
    ListRecordset.SetCursorLocation(db::CursorLocation::Client);
    ListRecordset.Open(sql, app.Connection(), db::CursorType::Dynamic, db::LockType::ReadOnly);
    grid.Clear();
    // An emptied list keeps its rows, blank: the prints pass them over.
    hasRows = ListRecordset.RecordCount() >= 1;
    if (hasRows)
        grid.SetDataSource(ListRecordset);
    FormatResultGrids();
    tabViewResults.SetTabEnabled(tab, hasRows);
    RewriteResultDates(grid, ListRecordset);
}

// Column 3 as "mm/dd/yyyy hh:mm:ss AM/PM": a date from its value, a text from its first 19 characters (a longer text
// carries fractions of a second the format cannot read).
void frmAutoPrint::RewriteResultDates(forms::MSHFlexGrid& grid, db::Recordset& rs) {
    // A grid never bound to a list has no date column yet.
    if (grid.Cols() <= 3)
        return;
    const long records = rs.RecordCount();
    if (records > 0)
        rs.MoveFirst();
    for (int row = 1; row < grid.Rows(); ++row) {
        if (row <= records && rs.FieldCount() >= 3 && rs.Fields(2).IsDate()) {
            grid.SetTextMatrix(row, 3, vb::Format(rs.Fields(2), ResultDateFormat));
        } else {
            grid.SetTextMatrix(row, 3, vb::Format(vb::Left(grid.TextMatrix(row, 3), 19), ResultDateFormat));
        }
        if (row <= records)
            rs.MoveNext();
    }
}

void frmAutoPrint::FormatResultGrids() {
    for (forms::MSHFlexGrid* grid : {&grdResults, &mshflexRadiology(0), &mshflexRadiology(1), &mshflexRadiology(2)}) {
        const int widths[] = {300, 3000, 4000, 2000};
        for (int col = 0; col < grid->Cols() && col <= 10; ++col)
            grid->SetColWidth(col, col < 4 ? widths[col] : 1000);
    }
}

void frmAutoPrint::SetResultTabs() {
    for (int tab = 0; tab < 4; ++tab)
        tabViewResults.SetTabEnabled(tab, false);
    const bool flags[] = {LabListHasRows, XrayListHasRows, CTListHasRows, UltrasoundListHasRows};
    if (!flags[0] && !flags[1] && !flags[2] && !flags[3]) {
        MsgBox("No Results are available for printing.", forms::vbInformation + forms::vbOKOnly, "Message");
        Unload();
        return;
    }
    for (int tab = 0; tab < 4; ++tab)
        tabViewResults.SetTabEnabled(tab, flags[tab]);
    for (int tab = 0; tab < 4; ++tab)
        if (flags[tab]) {
            tabViewResults.SetTab(tab);
            break;
        }
}

void frmAutoPrint::PrintTagged(int tab) {
    ResultTab t = TabOf(tab);
    SetMousePointer(forms::vbHourglass);
    (this->*t.print)();
    SetMousePointer(forms::vbDefault);
    t.printTagged.SetEnabled(false);
    (this->*t.reloadAfterTagged)();
}

void frmAutoPrint::PrintAll(int tab) {
    ResultTab t = TabOf(tab);
    forms::MSHFlexGrid& grid = t.grid;
    SetMousePointer(forms::vbHourglass);
    t.status.SetVisible(true);
    t.bar.SetVisible(true);
    t.bar.SetMin(0);
    t.bar.SetMax(grid.Rows() - 1);
    t.bar.SetValue(0);
    const int rows = grid.Rows();
    for (int row = 1; row < rows; ++row) {
        grid.SetRow(row);
        t.status.SetCaption(std::string(t.progressPrefix) + " " + grid.TextMatrix(row, 1) + "'s " +
                            grid.TextMatrix(row, 2) + " result.");
        t.bar.SetValue(t.bar.Value() + 1);
        (this->*t.print)();
    }
    t.status.SetVisible(false);
    t.bar.SetVisible(false);
    SetMousePointer(forms::vbDefault);
    LoadAutoPrintLists();
}

// The result viewer prints the laboratory result before it returns; only then is the result marked printed.
void frmAutoPrint::PrintLabResult() {
    forms::MSHFlexGrid& grid = grdResults;
    const int row = grid.Row();
    const std::string requestNum = vb::Trim(grid.TextMatrix(row, 5));
    if (requestNum.empty())
        return;
    try {
        components::LabResultViewerComponent& viewer = *app.LabResultViewerObject;
        // The viewer keeps the patient the chart showed last; a verified print carries none.
        viewer.SetHospitalNumber("");
        viewer.SetRoomNumber("");
        viewer.SetPatientName("");
        viewer.SetAge("");
        viewer.SetSex("");
        viewer.SetSQLConnection(app.Connection());
        viewer.SetRequestNum(requestNum);
        viewer.SetIdNumber(grid.TextMatrix(row, 6));
        viewer.SetUserID(app.CurrentUser->EmployeeCode());
        viewer.SetCSNumber(grid.TextMatrix(row, 4));
        viewer.SetAutoPrint(true);
        viewer.SetViewMode(1);
        viewer.Show_Results();
        SetMousePointer(forms::vbDefault);
        app.Connection().Execute("STATION..sp_Comm_UpdateMasterFile " + db::SqlQuote(requestNum) + ",'LB'");
    } catch (const std::exception& error) {
        ShowErrorMessage(app, error);
    }
}

void frmAutoPrint::PrintXrayResult() { PrintRadiology(0); }

void frmAutoPrint::PrintCTResult() { PrintRadiology(1); }

void frmAutoPrint::PrintUltrasoundResult() { PrintRadiology(2); }

// Stages the row's result, prints it at once and marks it printed. A result the look-up does not find is not
// marked: it stays on the list for the next print.
void frmAutoPrint::PrintRadiology(int gridIndex) {
    const RadiologyKind& kind = kRadiologyKinds[gridIndex];
    forms::MSHFlexGrid& grid = mshflexRadiology(gridIndex);
    const int row = grid.Row();
    auto column = [&grid, row](int col) { return vb::Trim(grid.TextMatrix(row, col)); };
    const std::string requestNum = column(5);
    if (requestNum.empty())
        return;
    try {
        RadiologyPrintout printout;
        printout.requestNum = requestNum;
        printout.kind = kind.lookUp;
        printout.admission = column(6);
        printout.hospitalNumber = column(7);
        printout.section = kind.section;
        printout.caption = kind.caption;
        printout.directPrint = true;
        const std::string employeeCode = app.CurrentUser->EmployeeCode();
        printout.values = [&column, &employeeCode](const db::Recordset& rs) -> RadiologyStagingValues {
            return {column(1),
                    column(7),
                    column(13),
                    column(2),
                    column(12),
                    column(10),
                    column(9),
                    column(6),
                    Trimmed(rs, "XrayNum"),
                    column(8),
                    vb::Trim(vb::Format(column(3), ResultDateFormat)),
                    CellText(rs.Fields("Interpretation")),
                    column(14),
                    column(11),
                    Trimmed(rs, "TelNum"),
                    CellText(rs.Fields("XrayNum")),
                    CellText(rs.Fields("ControlNum")),
                    employeeCode,
                    Trimmed(rs, "Radiologist2"),
                    Trimmed(rs, "Remarks"),
                    "",
                    // A result without its radiologist's code cannot be printed: Null raises here.
                    vb::Trim(vb::CStr(rs.Fields("RadCode"))),
                    Trimmed(rs, "Radiologist3"),
                    Trimmed(rs, "Radiologist4")};
        };
        const bool printed = PrintRadiologyResult(app, printout);
        SetMousePointer(forms::vbDefault);
        if (!printed) {
            MsgBox("The result of " + column(1) + "'s " + column(2) + " was not found. It was not printed.",
                   forms::vbInformation, "Message");
            return;
        }
        app.Connection().Execute("STATION..sp_Comm_UpdateMasterFile " + db::SqlQuote(requestNum) + ",'" +
                                 kind.department + "'");
    } catch (const std::exception& error) {
        ShowErrorMessage(app, error);
    }
}

} // namespace ward
