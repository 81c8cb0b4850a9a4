#include "chart/frmFinal.h"

#include "core/App.h"
#include "core/ErrorReporting.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"
#include "platform/forms/Layout.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/Strings.h"
#include "results/RadiologyPrint.h"
#include "results/ResultGrid.h"
#include "shell/UserRights.h"

namespace ward {

namespace {

// What tells the x-ray (0), ultrasound (1) and CT (2) pages apart.
struct RadiologyPage {
    forms::MSHFlexGrid& grid;
    forms::TextBox& interpretation;
    forms::Frame& frame;
    forms::ControlArray<forms::CommandButton>& buttons;
    const char* componentKind;
    // lblXrayInfo of transaction number, transaction date, result date, examination, films, reading doctor.
    int captions[6];
    int values[6];
    const char* doctorCaption;
    int interpretationHead;
    RadiologyLookUpKind lookUpKind;
    const char* section;
    const char* viewerCaption;
};

RadiologyPage PageOf(frmFinal& chart, int page) {
    switch (page) {
    case 0:
        return {chart.mshflexXray,
                chart.txtXrayInterp,
                chart.fraXray,
                chart.cmdResultX,
                "1",
                {0, 1, 2, 3, 4, 5},
                {6, 7, 8, 9, 10, 11},
                "Radiologist",
                0,
                RadiologyLookUpKind::Xray,
                "X-RAY SECTION",
                "Xray Result"};
    case 1:
        return {chart.mshflexUltra,
                chart.txtUltraInterp,
                chart.fraUltra,
                chart.cmdResultU,
                "2",
                {23, 22, 21, 20, 19, 18},
                {17, 16, 15, 14, 13, 12},
                "Sonologist",
                2,
                RadiologyLookUpKind::Ultrasound,
                "ULTRASOUND SECTION",
                "ULTRASOUND Result"};
    default:
        return {chart.mshflexCT,
                chart.txtCTInterp,
                chart.fraCT,
                chart.cmdCTExit,
                "3",
                {35, 34, 33, 32, 31, 30},
                {29, 28, 27, 26, 25, 24},
                "Radiologist",
                4,
                RadiologyLookUpKind::CT,
                "C.T. SCAN SECTION",
                "CTSCAN Result"};
    }
}

// The grid columns each detail is read from, in the order of the labels; the films stay blank.
constexpr int kDetailColumns[] = {1, 3, 4, 2};

std::string RowViewQuery(int page, const std::string& requestNum) {
    switch (page) {
    case 0:
        return "Select * From Radiology..tbXRResult Where Requestnum =" + db::SqlQuote(requestNum);
    case 1:
        return "Select Isnull(E.FormType,'') As FormType,U.* From Radiology..tbUlResult U "
               " Inner Join Build_File..tbcoUltraExam E On U.ItemCode = E.UltraExamID "
               " Where U.Requestnum =" +
               db::SqlQuote(requestNum);
    default:
        return "Select * From Radiology..tbCTResult Where Requestnum =" + db::SqlQuote(requestNum);
    }
}

std::string FieldText(const db::Recordset& rs, const char* name) { return CellText(rs.Fields(name)); }

} // namespace

// The results by department, one page each; the last four are switched off by the load.
void frmFinal::DesignResultsPage() {
    const char* captions[] = {"&X-ray",          "&Ultrasound", "CT-Scan",   "&Laboratory", "Heart Station",
                              "Rehab. Medicine", "Nuclear",     "Pulmonary", "Neurology"};
    tabSSTab2.SetTabs(9);
    tabSSTab2.SetTabsPerRow(9);
    for (int page = 0; page < 9; ++page)
        tabSSTab2.SetTabCaption(page, captions[page]);
    forms::Layout(tabSSTab1, {}, 2).Full(tabSSTab2, tabSSTab1.Height() - tabSSTab1.TabHeight() - 240);
    for (int page = 0; page < 3; ++page)
        DesignRadiologyPage(page);
    DesignLaboratoryPage();
    DesignHeartPage();
}

void frmFinal::DesignRadiologyPage(int page) {
    const RadiologyPage p = PageOf(*this, page);
    const char* detailCaptions[] = {"Trans. No.", "Trans.Date",   "Result Date",
                                    "Exam. Name", "No. of Films", p.doctorCaption};
    for (int detail = 0; detail < 6; ++detail) {
        lblXrayInfo.Load(p.captions[detail]).SetCaption(detailCaptions[detail]);
        lblXrayInfo.Load(p.values[detail]).SetCaption("");
    }
    lblHead.Load(p.interpretationHead).SetCaption("Interpretation");
    lblHead.Load(p.interpretationHead + 1).SetCaption("List of Examinations");
    p.buttons.Load(0).SetCaption("Refresh");
    if (page != 0)
        p.buttons.Load(1).SetCaption(page == 1 ? "Exit" : "&Exit");
    p.buttons.Load(2).SetCaption("View");
    p.buttons(2).SetEnabled(false);
    p.interpretation.SetMultiLine(true);
    p.interpretation.SetLocked(true);
    p.frame.SetCaption("");

    auto label = [this](int index) { return forms::Cell{&lblXrayInfo(index), 1300}; };
    auto value = [this](int index) { return forms::Cell{&lblXrayInfo(index), 0}; };
    forms::Layout layout(tabSSTab2, {}, page);
    layout.Full(lblHead(p.interpretationHead + 1)).Full(p.grid, 2400);
    for (int first : {0, 3})
        layout.Row({label(p.captions[first]), value(p.values[first]), label(p.captions[first + 1]),
                    value(p.values[first + 1]), label(p.captions[first + 2]), value(p.values[first + 2])});
    layout.Full(lblHead(p.interpretationHead));
    const int buttonRow = 375 + 2 * 120;
    const int frameHeight = tabSSTab2.Height() - tabSSTab2.TabHeight() - layout.Top() - buttonRow - 120;
    layout.Group(p.frame, [&](forms::Layout& inside) { inside.Full(p.interpretation, frameHeight - 240 - 2 * 120); });
    if (page == 0)
        layout.Buttons({&p.buttons(0), &p.buttons(2)});
    else
        layout.Buttons({&p.buttons(0), &p.buttons(1), &p.buttons(2)});
}

void frmFinal::ConnectResultsPages() {
    tabSSTab2.Click = [this](int PreviousTab) { tabSSTab2_Click(PreviousTab); };
    mshflexXray.Click = [this] { mshflexXray_Click(); };
    mshflexUltra.Click = [this] { mshflexUltra_Click(); };
    mshflexCT.Click = [this] { mshflexCT_Click(); };
    cmdResultX.On(&forms::Control::Click, [this](int Index) { cmdResultX_Click(Index); });
    cmdResultU.On(&forms::Control::Click, [this](int Index) { cmdResultU_Click(Index); });
    cmdCTExit.On(&forms::Control::Click, [this](int Index) { cmdCTExit_Click(Index); });
    mshflexLab.Click = [this] { mshflexLab_Click(); };
    mshflexLabTabular.Click = [this] { mshflexLabTabular_Click(); };
    cmdLabView.On(&forms::Control::Click, [this](int Index) { cmdLabView_Click(Index); });
    cmdExitResultL.On(&forms::Control::Click, [this](int Index) { cmdExitResultL_Click(Index); });
    cmdTabular.Click = [this] { cmdTabular_Click(); };
    mshflexHeart.Click = [this] { mshflexHeart_Click(); };
    cmdExitResultE.On(&forms::Control::Click, [this](int Index) { cmdExitResultE_Click(Index); });
}

// Each page loads once per patient; the x-ray page loads with the View Results tab itself.
void frmFinal::tabSSTab2_Click(int PreviousTab) {
    (void)PreviousTab;
    if (tabSSTab2.Tab() == 1 && app.ReloadUltrasoundResults) {
        LoadUltrasoundResults();
        app.ReloadUltrasoundResults = false;
    }
    if (tabSSTab2.Tab() == 2 && app.ReloadCTResults) {
        LoadCTResults();
        app.ReloadCTResults = false;
    }
    if (tabSSTab2.Tab() == 3 && app.ReloadLabResults) {
        LoadLabResults();
        app.ReloadLabResults = false;
    }
    if (tabSSTab2.Tab() == 4 && app.ReloadHeartResults) {
        Get_HeartResults();
        app.ReloadHeartResults = false;
    }
}

void frmFinal::LoadXrayResults() {
    for (int index = 6; index <= 17; ++index)
        lblXrayInfo(index).SetCaption("");
    for (int index = 24; index <= 29; ++index)
        lblXrayInfo(index).SetCaption("");
    txtXrayInterp.SetText("");
    LoadRadiologyResults(0);
}

void frmFinal::LoadUltrasoundResults() { LoadRadiologyResults(1); }

void frmFinal::LoadCTResults() { LoadRadiologyResults(2); }

void frmFinal::LoadRadiologyResults(int page) {
    const RadiologyPage p = PageOf(*this, page);
    LayOutResultGrid(p.grid, 9,
                     " |<Trans. No |<Exam. Name               |<Trans. Date        |<Result Date       |<DR. Lastname "
                     "|<DR. Firstname |<DR. Middlename |<Interpretation",
                     {1000, 3000, 2000, 2000, 1500, 1500, 1500, 1500});
    if (page != 0)
        p.interpretation.SetText("");
    const char* fields[] = {"TRANS. NO",    "EXAM. NAME",    "TRANS. DATE",    "RESULT DATE",
                            "DR. LASTNAME", "DR. FIRSTNAME", "Dr. MiddleName", "Interpretation"};
    db::Recordset rs =
        app.ResultsObject->GetResults(app.Connection().ConnectionString(), txtId.Text(), p.componentKind);
    for (; !rs.Eof(); rs.MoveNext()) {
        const int row = NextResultRow(p.grid);
        for (int col = 1; col <= 8; ++col)
            p.grid.SetTextMatrix(row, col, CellText(rs.Fields(fields[col - 1])));
    }
    rs.Close();
}

void frmFinal::mshflexXray_Click() { ShowRadiologyRow(0); }

void frmFinal::mshflexUltra_Click() { ShowRadiologyRow(1); }

void frmFinal::mshflexCT_Click() { ShowRadiologyRow(2); }

// Shows the clicked result with its interpretation, read fresh from the department's result table.
void frmFinal::ShowRadiologyRow(int page) {
    const RadiologyPage p = PageOf(*this, page);
    for (int detail : {0, 1, 2, 3, 5})
        lblXrayInfo(p.values[detail]).SetCaption("");
    p.interpretation.SetText("");
    forms::MSHFlexGrid& grid = p.grid;
    const int row = grid.Row();
    if (grid.TextMatrix(row, 1).empty() && grid.Rows() == 2) {
        p.buttons(2).SetEnabled(false);
        return;
    }
    for (int detail = 0; detail < 4; ++detail)
        lblXrayInfo(p.values[detail]).SetCaption(grid.TextMatrix(row, kDetailColumns[detail]));
    lblXrayInfo(p.values[5])
        .SetCaption(grid.TextMatrix(row, 5) + " , " + grid.TextMatrix(row, 6) + " " + grid.TextMatrix(row, 7));
    db::Recordset rs = app.Connection().Open(RowViewQuery(page, vb::Trim(grid.TextMatrix(row, 1))),
                                             db::CursorType::ForwardOnly, db::LockType::ReadOnly);
    if (!rs.Eof())
        p.interpretation.SetText(FieldText(rs, "Interpretation"));
    rs.Close();
    p.buttons(2).SetEnabled(true);
}

void frmFinal::cmdResultX_Click(int Index) { RunRadiologyButton(0, Index == 0 ? 0 : 2); }

void frmFinal::cmdResultU_Click(int Index) { RunRadiologyButton(1, Index); }

void frmFinal::cmdCTExit_Click(int Index) { RunRadiologyButton(2, Index); }

void frmFinal::RunRadiologyButton(int page, int Index) {
    try {
        app.AllowReportPrint = HasUserRight(app, "16");
        switch (Index) {
        case 0:
            if (page == 0)
                LoadXrayResults();
            else
                LoadRadiologyResults(page);
            break;
        case 1:
            cmdExit_Click();
            break;
        case 2:
            ViewRadiologyResult(page);
            break;
        default:
            break;
        }
    } catch (const std::exception& error) {
        ShowErrorMessage(app, error);
    }
}

// Stages the current row's result on the server and shows it as the radiology result report.
void frmFinal::ViewRadiologyResult(int page) {
    const RadiologyPage p = PageOf(*this, page);
    forms::MSHFlexGrid& grid = p.grid;
    const int row = grid.Row();
    RadiologyPrintout printout;
    printout.requestNum = vb::Trim(grid.TextMatrix(row, 1));
    printout.kind = p.lookUpKind;
    printout.admission = vb::Trim(txtId.Text());
    // The chart's own patient, not the one last clicked in the patient list, which may have changed since.
    printout.hospitalNumber = vb::Trim(txtPno.Text());
    printout.section = p.section;
    printout.caption = p.viewerCaption;
    printout.values = [this, &grid, row](const db::Recordset& rs) -> RadiologyStagingValues {
        return {txtPatient.Text(), txtPno.Text(), txtDoctor2.Text(), grid.TextMatrix(row, 2), txtStatus.Text(),
                txtAge.Text(), txtSex.Text(), txtId.Text(), FieldText(rs, "XrayNum"), txtRoom.Text(),
                grid.TextMatrix(row, 3), FieldText(rs, "Interpretation"),
                grid.TextMatrix(row, 5) + ", " + grid.TextMatrix(row, 6) + " " + grid.TextMatrix(row, 7),
                app.HeaderAddress, FieldText(rs, "TelNum"), FieldText(rs, "XrayNum"), FieldText(rs, "ControlNum"),
                app.CurrentUser->EmployeeCode(), FieldText(rs, "Radiologist2"), FieldText(rs, "Remarks"), "",
                // A result without its radiologist's code cannot be printed: Null raises here.
                vb::Trim(vb::CStr(rs.Fields("RadCode"))), FieldText(rs, "Radiologist3"), FieldText(rs, "Radiologist4")};
    };
    PrintRadiologyResult(app, printout);
    p.buttons(2).SetEnabled(false);
}

} // namespace ward
