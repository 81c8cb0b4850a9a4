#include "chart/frmFinal.h"

#include "chart/ExamLines.h"
#include "core/App.h"
#include "core/ErrorReporting.h"
#include "core/HospitalSettings.h"
#include "core/Rates.h"
#include "discharge/frmDischargeMenu.h"
#include "discharge/frmHBPS.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"
#include "platform/forms/Layout.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/Format.h"
#include "platform/vb/Strings.h"
#include "requestentry/frmAudio.h"
#include "requestentry/frmCTfile.h"
#include "requestentry/frmHeart.h"
#include "requestentry/frmNeuRoExams.h"
#include "requestentry/frmNuclear.h"
#include "requestentry/frmPTFile.h"
#include "requestentry/frmRTfile.h"
#include "shell/UserRights.h"

namespace ward {

namespace {

constexpr int kChartWidth = 15360;
constexpr int kChartHeight = 10440;

// The picker whose list a catalogue fills, created loaded and hidden when it is not loaded yet.
template <class Picker> forms::ListBox& PickerList(App& app) {
    Picker& picker = app.Forms.Instance<Picker>();
    if (!picker.IsLoaded())
        picker.Load();
    return picker.ExamList();
}

// One exam catalogue: the table the chart opens by name, and how its rows become lines of which list.
struct Catalogue {
    const char* table;
    enum Kind { Laboratory, Common, Picker, Others } kind;
    const char* departmentCode;
    forms::ListBox& list;
};

// Where a catalogue's columns are, found once by name (a missing one reads as Null).
struct CatalogueColumns {
    explicit CatalogueColumns(const db::Recordset& rs) : names(rs.FieldNames()) {}
    int operator()(std::string_view name) const {
        for (std::size_t i = 0; i < names.size(); ++i)
            if (db::SameName(names[i], name))
                return static_cast<int>(i);
        return -1;
    }
    const std::vector<std::string>& names;
};

const vb::Variant& Field(const db::Recordset& rs, int index) {
    static const vb::Variant Null = vb::Variant::Null();
    return index < 0 ? Null : rs.Fields(index);
}

bool Is(const vb::Variant& value, const char* text) {
    if (value.IsString())
        return value.AsString() == text;
    return !value.IsNull() && vb::CStr(value) == text;
}

// The catalogue's lines, added to the list at once so a long list is sorted once.
void FillList(db::Recordset& rs, const Catalogue& catalogue) {
    const CatalogueColumns column(rs);
    const int status = column("Status"), description = column("Description"), code = column("Code"),
              section = column("sectioncode"), common = column("Common"), revenue = column("RevenueID"),
              itemName = column("ItemName");
    std::vector<std::string> lines;
    for (; !rs.Eof(); rs.MoveNext()) {
        if (catalogue.kind == Catalogue::Others) {
            // A department without a code could never be charged: it is left out of the list.
            if (!Field(rs, revenue).IsNull())
                lines.push_back(examlines::OtherDepartmentLine(Field(rs, itemName), Field(rs, revenue)));
            continue;
        }
        if (!Is(Field(rs, status), "A"))
            continue;
        if (catalogue.kind != Catalogue::Picker && !Is(Field(rs, common), "Y"))
            continue;
        lines.push_back(
            catalogue.kind == Catalogue::Laboratory
                ? examlines::LaboratoryLine(Field(rs, description), Field(rs, section), Field(rs, code))
                : examlines::DepartmentLine(Field(rs, description), catalogue.departmentCode, Field(rs, code)));
    }
    catalogue.list.AddItems(std::move(lines));
}

// The rows under the header, column 1 on, and the query's column names as the header, as a bound grid shows them.
void CopyRows(db::Recordset& rs, forms::MSHFlexGrid& grid) {
    const int fields = rs.FieldCount();
    for (int field = 0; field < fields; ++field)
        grid.SetTextMatrix(0, field + 1, rs.FieldNames()[field]);
    int row = 1;
    for (; !rs.Eof(); rs.MoveNext(), ++row) {
        grid.SetRows(row + 1);
        for (int field = 0; field < fields; ++field) {
            const vb::Variant& value = rs.Fields(field);
            grid.SetTextMatrix(row, field + 1, value.IsNull() ? "" : vb::CStr(value));
        }
    }
}

} // namespace

frmFinal::frmFinal(App& app) : Form(app.Forms), app(app) {
    Timer1.TimerEvent = [this] { Timer1_Timer(); };
    cmdNextPatient.On(&forms::Control::Click, [this](int Index) { cmdNextPatient_Click(Index); });
    tabSSTab1.Click = [this](int PreviousTab) { tabSSTab1_Click(PreviousTab); };
    ConnectResultsPages();
    mshflexReports.DblClick = [this] { mshflexReports_DblClick(); };
    cmdExit.Click = [this] { cmdExit_Click(); };
    txtPatient.KeyPress = [this](int& KeyAscii) { txtPatient_KeyPress(KeyAscii); };
    WireRequestCart();
    WireRequestEntry();
    WireVitalSigns();
    WireNotes();
    WireProfilePage();
    WireClinicalSummaryPage();
    WireORSchedule();
}

void frmFinal::Design() {
    SetCaption("Clinical Procedures");
    SetInnerSize(kChartWidth, kChartHeight);
    SetKeyPreview(true);
    Timer1.SetInterval(1);
    Timer1.SetTimerEnabled(false);
    DesignHeader();
    DesignActionBar();
    DesignTabs();
    DesignLoadingPanel();
    DesignReportIcons();
}

void frmFinal::DesignTabs() {
    const char* captions[] = {"&Send Requests", "Nurses Activity Request", "&View  Results",    "Vita&L Signs",
                              "&Nurses Notes",  "Patient Pro&File",        "&Clinical Summary", "Schedule Operation"};
    tabSSTab1.SetTabs(8);
    tabSSTab1.SetTabsPerRow(8);
    for (int page = 0; page < 8; ++page)
        tabSSTab1.SetTabCaption(page, captions[page]);
    const int top = fraHeader.Top() + fraHeader.Height() + 60;
    tabSSTab1.Move(fraHeader.Left(), top, fraHeader.Width(), ScaleHeight() - top - 120);
    DesignSendRequestsPage();
    DesignRequestListsPage();
    DesignResultsPage();
    DesignVitalSignsPage();
    DesignNotesPage();
    DesignProfilePage();
    DesignClinicalSummaryPage();
    DesignORSchedulePage();
    tabSSTab1.SetTab(0);
}

// The set-up: the report list, the request cart and profile grid, and every exam list from its catalogue. It runs
// when the window is made and again at each load; each run clears what it fills.
void frmFinal::SetUpChart() {
    LoadReportList();
    app.SpecimenCode = "0";
    app.TransplantID = "0";
    app.DialysisID = "0";
    // The settings are fresh from here on: the cart's AMOUNT column and the load's View buttons read them.
    LoadHospitalSettings(app);
    LayOutRequestCart();
    StatBypassApprovals.clear();
    LayOutProfileList();
    LoadPickers();
    ClearExamLists();
    app.MsgExamRequestedPrefix = "The same exam had been requested at...";
    app.MsgExamPendingSuffix = "   and it is Pending...";
    LoadExamCatalogues();
}

void frmFinal::LayOutRequestCart() {
    forms::MSHFlexGrid& grid = mshflexOrders;
    const int narrow = vb::CLng(grid.Width() / 13.0 + 500);
    grid.Clear();
    grid.SetRedraw(false);
    grid.SetRows(2);
    grid.SetCols(17);
    grid.SetFormatString(" |<DEPT|<CODE|<DESCRIPTION" + vb::Space(38) +
                         "|QTY|<AMOUNT|<SECTION|STAT|<REMARKS|LIST|STRING|INDEX|SPECIMEN|TRANSPLANT|DIALYSIS");
    // The format string names 15 columns; the last two have no heading.
    grid.SetCols(17);
    grid.SetColWidth(0, 1);
    grid.SetColWidth(3, grid.ColWidth(0) + 4000);
    for (int col : {1, 2, 4, 6, 7})
        grid.SetColWidth(col, narrow);
    grid.SetColWidth(5, app.IsShowAmount ? narrow : 0);
    grid.SetColWidth(8, vb::CLng(grid.Width() / 13.0 + 3000));
    for (int col = 9; col <= 16; ++col)
        grid.SetColWidth(col, 0);
    grid.SetRedraw(true);
}

void frmFinal::LayOutProfileList() {
    forms::MSHFlexGrid& grid = mshflexProfileList;
    grid.Clear();
    grid.SetRows(2);
    grid.SetCols(5);
    grid.SetFormatString(" |<ExamID|<ExamName" + vb::Space(25) + "|<ProfileID|<ProfileName" + vb::Space(22));
    const int widths[] = {1, 700, 2000, 700, 2000};
    for (int col = 0; col < 5; ++col)
        grid.SetColWidth(col, widths[col]);
}

void frmFinal::LoadReportList() {
    forms::MSHFlexGrid& grid = mshflexReports;
    grid.Clear();
    grid.SetCols(4);
    grid.SetRows(2);
    grid.SetTextMatrix(0, 1, "");
    grid.SetTextMatrix(0, 2, "Report Name");
    const int widths[] = {0, 0, 350, 4800};
    for (int col = 0; col < 4; ++col)
        grid.SetColWidth(col, widths[col]);
    db::Recordset rs = app.Connection().Open(
        "Select ReportType,'',ReportName [Report Name] From STATION..tbNurse_ReportList Where RecordStatus=1 "
        "Order By ReportName",
        db::CursorType::ForwardOnly, db::LockType::ReadOnly);
    const bool hasRows = !rs.Eof();
    if (hasRows)
        CopyRows(rs, grid);
    grid.SetEnabled(hasRows);
    rs.Close();
    InitReportsList();
}

void frmFinal::LoadPickers() {
    PickerList<frmAudio>(app);
    PickerList<frmHeart>(app);
    PickerList<frmNuclear>(app);
    PickerList<frmPTFile>(app);
    PickerList<frmRTfile>(app);
    PickerList<frmCTfile>(app);
    PickerList<frmNeuRoExams>(app);
}

void frmFinal::ClearExamLists() {
    for (forms::ListBox* list :
         {&PickerList<frmAudio>(app), &PickerList<frmHeart>(app), &PickerList<frmNuclear>(app),
          &PickerList<frmPTFile>(app), &PickerList<frmRTfile>(app), &PickerList<frmCTfile>(app),
          &PickerList<frmNeuRoExams>(app), &lstListLaboratory, &lstListXray, &lstListUltra, &lstListOthers})
        list->Clear();
}

void frmFinal::LoadExamCatalogues() {
    const Catalogue catalogues[] = {
        {"STATION..LaboratoryExams", Catalogue::Laboratory, "LB", lstListLaboratory},
        {"STATION..XrayExams", Catalogue::Common, "XR ", lstListXray},
        {"STATION..UltraExams", Catalogue::Common, "US ", lstListUltra},
        {"STATION..OtherExams", Catalogue::Others, "", lstListOthers},
        {"STATION..PTExams", Catalogue::Picker, "PT ", PickerList<frmPTFile>(app)},
        {"STATION..CTExams", Catalogue::Picker, "CT ", PickerList<frmCTfile>(app)},
        {"STATION..RTSExams", Catalogue::Picker, "PA ", PickerList<frmRTfile>(app)},
        {"STATION..AudioExams", Catalogue::Picker, "AU ", PickerList<frmAudio>(app)},
        {"STATION..HSExams", Catalogue::Picker, "HS ", PickerList<frmHeart>(app)},
        {"STATION..NuclearExams", Catalogue::Picker, "NU ", PickerList<frmNuclear>(app)},
        {"STATION..NeuroExams", Catalogue::Picker, "NE ", PickerList<frmNeuRoExams>(app)},
    };
    for (const Catalogue& catalogue : catalogues) {
        db::Recordset rs = app.Connection().Open(catalogue.table, db::CursorType::Dynamic, db::LockType::ReadOnly);
        FillList(rs, catalogue);
        rs.Close();
    }
}

void frmFinal::Form_Initialize() {
    // The load runs the set-up again and reports its failure; a failure here would only be shown twice.
    try {
        SetUpChart();
    } catch (const std::exception&) {
    }
}

void frmFinal::Form_Load() {
    Refresh();
    try {
        SetUpChart();
    } catch (const std::exception& error) {
        ShowErrorMessage(app, error);
        Unload();
        return;
    }
    for (int page = 5; page <= 8; ++page)
        tabSSTab2.SetTabEnabled(page, false);
    SelectedLabReference.clear();
    MonthView1.SetValue(app.ServerDate);
    Timer1.SetTimerEnabled(true);
    for (auto* buttons : {&cmdResultX, &cmdResultU, &cmdCTExit})
        (*buttons)(2).SetVisible(app.IsNursePrint);
    const std::string package = GetAdmissionPackage(app, app.CurIdNum, "I");
    SetCaption(vb::Trim(package).empty() ? "Clinical Procedure" : "Package Type : " + package);
    captionOfLoad = Caption();
}

void frmFinal::Timer1_Timer() {
    Timer1.SetTimerEnabled(false);
    LoadPatientHeader();
    tabSSTab2.SetTab(0);
}

void frmFinal::tabSSTab1_Click(int PreviousTab) {
    (void)PreviousTab;
    switch (tabSSTab1.Tab()) {
    case 2:
        if (!HasUserRight(app, "10"))
            return RefusePage("Sorry you don't have access right to View Results.");
        app.AllowReportPrint = HasUserRight(app, "16");
        if (app.ReloadXrayResults) {
            LoadXrayResults();
            app.ReloadXrayResults = false;
        }
        break;
    case 3:
        if (app.ReloadVitalSigns) {
            Get_VitalSigns();
            app.ReloadVitalSigns = false;
        }
        break;
    case 4:
        LoadNurseNotes();
        break;
    case 5:
        if (!HasUserRight(app, "11"))
            return RefusePage("Sorry you don't have access right to Update Patient Profile.");
        LoadPatientProfile();
        break;
    case 6:
        if (app.ReloadClinicalSummary) {
            LoadClinicalSummary();
            app.ReloadClinicalSummary = false;
        }
        break;
    case 7:
        if (!HasUserRight(app, "12"))
            return RefusePage("Sorry you don't have access right to Schedule Operation.");
        if (app.ReloadORSchedule) {
            InitORScheduler();
            ResetScheduleRequest();
            app.ReloadORSchedule = false;
        }
        break;
    default:
        break;
    }
}

void frmFinal::RefusePage(const std::string& message) {
    MsgBox(message, forms::vbInformation + forms::vbOKOnly, "Message");
    tabSSTab1.SetTab(0);
}

void frmFinal::Form_KeyDown(int& KeyCode, int Shift) {
    (void)Shift;
    // Only the function keys are taken from the focused control; every other key goes on editing.
    if (KeyCode < forms::vbKeyF5 || KeyCode > forms::vbKeyF11)
        return;
    const int key = KeyCode;
    KeyCode = 0;
    try {
        RunFunctionKey(key);
    } catch (const std::exception& error) {
        ShowErrorMessage(app, error);
    }
}

void frmFinal::RunFunctionKey(int KeyCode) {
    switch (KeyCode) {
    case forms::vbKeyF5:
        Timer1.SetTimerEnabled(true);
        break;
    case forms::vbKeyF6:
        if (AskRight("1", "Sorry you don't have access right to Request Medicines."))
            OpenPharmacyEntry();
        break;
    case forms::vbKeyF7:
        if (AskRight("1", "Sorry you don't have access right to Request Central Supplies."))
            CSR();
        break;
    case forms::vbKeyF8:
        OpenDischargeMenu();
        break;
    case forms::vbKeyF9:
        if (AskRight("6", "Sorry you don't have access right to Send Clearance/Discharge Order."))
            app.Forms.Get<frmHBPS>().ShowModal();
        break;
    case forms::vbKeyF10:
        app.ICDSearch->ValidateICDCode();
        break;
    case forms::vbKeyF11:
        ShowStatementOfAccount();
        break;
    default:
        break;
    }
}

bool frmFinal::AskRight(const std::string& right, const std::string& refusal) {
    if (HasUserRight(app, right))
        return true;
    MsgBox(refusal, forms::vbInformation + forms::vbOKOnly, "Message");
    return false;
}

// The admission's date and time go to the discharge and room-transfer window. The patient search holds whatever
// was validated last, so the chart's own admission is validated first.
void frmFinal::OpenDischargeMenu() {
    if (!MayDischargeOrTransfer())
        return;
    if (!app.PatientSearch->ValidateAdmission(txtId.Text())) {
        MsgBox("No records found.", forms::vbInformation + forms::vbOKOnly, "Notification");
        return;
    }
    const vb::Variant admitted = app.PatientSearch->Admission().AdmissionDate;
    frmDischargeMenu& menu = app.Forms.Get<frmDischargeMenu>();
    menu.txtADMDate.SetText(vb::Format(admitted, "MM/DD/YYYY"));
    menu.txtADMTime.SetText(vb::Format(admitted, "hh:mm:ss AM/PM"));
    menu.ShowModal();
}

void frmFinal::Form_KeyPress(int& KeyAscii) {
    if (KeyAscii == 39)
        KeyAscii = 0;
}

void frmFinal::Form_Unload(int& Cancel) {
    (void)Cancel;
    UnloadDepartmentPickers();
}

void frmFinal::UnloadDepartmentPickers() {
    app.Forms.Instance<frmPTFile>().Unload();
    app.Forms.Instance<frmCTfile>().Unload();
    app.Forms.Instance<frmRTfile>().Unload();
    app.Forms.Instance<frmAudio>().Unload();
    app.Forms.Instance<frmHeart>().Unload();
    app.Forms.Instance<frmNuclear>().Unload();
}

} // namespace ward
