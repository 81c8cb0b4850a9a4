#include "chart/frmFinal.h"

#include "core/App.h"
#include "core/ErrorReporting.h"
#include "core/ReportPrinting.h"
#include "platform/db/Connection.h"
#include "platform/forms/Layout.h"
#include "platform/vb/Strings.h"
#include "results/ResultGrid.h"
#include "results/clsLaboratoryTabularFormat.h"
#include "shell/UserRights.h"

#include <memory>

namespace ward {

namespace {

struct SectionColour {
    const char* section;
    forms::Color colour;
};

// "MICBIOLOGY" is the laboratory's own spelling of the section.
constexpr SectionColour kSectionColours[] = {
    {"BLOOD CHEMISTRY", 12632319}, {"HEMATOLOGY", 8421631},  {"SEROLOGY", 33023},    {"HISTOPATHOLOGY", 8454143},
    {"MICBIOLOGY", 8454016},       {"BLOOD BANK", 16777088}, {"VIROLOGY", 16744576}, {"CLINICAL MICROSCOPY", 16744703},
};

const SectionColour* ColourOf(const std::string& section) {
    for (const SectionColour& entry : kSectionColours)
        if (vb::Trim(section) == entry.section)
            return &entry;
    return nullptr;
}

class RedrawOff {
public:
    explicit RedrawOff(forms::MSHFlexGrid& grid) : grid(grid) { grid.SetRedraw(false); }
    ~RedrawOff() { grid.SetRedraw(true); }
    RedrawOff(const RedrawOff&) = delete;
    RedrawOff& operator=(const RedrawOff&) = delete;

private:
    forms::MSHFlexGrid& grid;
};

} // namespace

void frmFinal::DesignLaboratoryPage() {
    lblHead.Load(6).SetCaption("List of Examinations");
    cmdLabView.Load(0).SetCaption("View Result Per Exam");
    cmdLabView.Load(1).SetCaption("View Result Per ChargeSlip");
    cmdTabular.SetCaption("View Tabular Format");
    cmdExitResultL.Load(0).SetCaption("Exit");
    cmdExitResultL.Load(1).SetCaption("Refresh");
    for (forms::CommandButton* button : {&cmdLabView(0), &cmdLabView(1), &cmdTabular})
        button->SetEnabled(false);
    forms::Layout layout(tabSSTab2, {}, 3);
    layout.Full(lblHead(6));
    const int gridHeight = tabSSTab2.Height() - tabSSTab2.TabHeight() - layout.Top() - 375 - 3 * 120;
    layout.Full(mshflexLab, gridHeight);
    layout.Row({{&cmdLabView(0), 2400},
                {&cmdLabView(1), 2600},
                {&cmdTabular, 2400},
                {&cmdExitResultL(1), 1215},
                {&cmdExitResultL(0), 1215}},
               375);
    mshflexLabTabular.SetContainer(&tabSSTab2, 3);
    mshflexLabTabular.Move(mshflexLab.Left(), mshflexLab.Top(), mshflexLab.Width(), mshflexLab.Height());
    mshflexLabTabular.SetVisible(false);
}

// The list tinted by section, then the same results as a table by day.
void frmFinal::LoadLabResults() {
    cmdLabView(0).SetEnabled(false);
    cmdLabView(1).SetEnabled(false);
    forms::MSHFlexGrid& grid = mshflexLab;
    LayOutResultGrid(grid, 7,
                     " |<Request No.|<Result Date/Time  |<Exam. Code  |<Exam. Name               |<Section Name        "
                     "     |<Reference",
                     {1000, 2000, 1000, 4000, 2000, 1000});
    {
        // The list is drawn once, filled and tinted; a failing component must not leave it undrawn.
        RedrawOff whileFilling(grid);
        db::Recordset rs = app.ResultsObject->GetResults(app.Connection().ConnectionString(), txtId.Text(), "4");
        grid.SetEnabled(!rs.Eof());
        const char* fields[] = {"RequestNum", "Resultdate", "LabExamID", "LabExam", "SectionName", "Reference"};
        for (; !rs.Eof(); rs.MoveNext()) {
            const int row = NextResultRow(grid);
            for (int col = 1; col <= 6; ++col)
                grid.SetTextMatrix(row, col, CellText(rs.Fields(fields[col - 1])));
        }
        rs.Close();
        TintLabSections();
    }
    if (!app.LabTabular)
        app.LabTabular = std::make_shared<clsLaboratoryTabularFormat>(app);
    app.LabTabular->AdmissionNumber = txtId.Text();
    app.LabTabular->Load_Results(mshflexLabTabular);
    // Row 2 holds the first examination under its section's heading.
    cmdTabular.SetEnabled(mshflexLabTabular.Rows() > 2 && !mshflexLabTabular.TextMatrix(2, 0).empty());
}

void frmFinal::TintLabSections() {
    forms::MSHFlexGrid& grid = mshflexLab;
    for (int row = 1; row < grid.Rows(); ++row) {
        const SectionColour* colour = ColourOf(grid.TextMatrix(row, 5));
        for (int col = 1; col < grid.Cols(); ++col) {
            grid.SetRow(row);
            grid.SetCol(col);
            if (colour)
                grid.SetCellBackColor(colour->colour);
        }
    }
}

void frmFinal::mshflexLab_Click() {
    SelectedLabReference.clear();
    SelectedLabReference = vb::Trim(mshflexLab.TextMatrix(mshflexLab.Row(), 6));
    cmdLabView(0).SetEnabled(true);
    cmdLabView(1).SetEnabled(true);
}

// 0 the examination of the current row, 1 every result of its charge slip.
void frmFinal::cmdLabView_Click(int Index) {
    components::LabResultViewerComponent& viewer = *app.LabResultViewerObject;
    viewer.SetCSNumber(SelectedLabReference);
    viewer.SetRequestNum(Index == 0 ? vb::Trim(mshflexLab.TextMatrix(mshflexLab.Row(), 1)) : "");
    viewer.SetAutoPrint(Index == 0);
    viewer.SetViewMode(0);
    viewer.SetSQLConnection(app.Connection());
    viewer.SetHospitalNumber(vb::Trim(txtPno.Text()));
    viewer.SetIdNumber(vb::Trim(txtId.Text()));
    viewer.SetRoomNumber(vb::Trim(txtRoom.Text()));
    viewer.SetPatientName(txtPatient.Text());
    viewer.SetAge(txtAge.Text());
    viewer.SetSex(txtSex.Text());
    viewer.SetStatus("");
    viewer.SetUserID(app.CurrentUser->EmployeeCode());
    viewer.SetStationID("ER");
    viewer.Show_Results();
}

void frmFinal::cmdExitResultL_Click(int Index) {
    if (Index == 0)
        cmdExit_Click();
    else
        LoadLabResults();
}

void frmFinal::cmdTabular_Click() {
    const bool showTable = !mshflexLabTabular.Visible();
    mshflexLabTabular.SetVisible(showTable);
    mshflexLab.SetVisible(!showTable);
    cmdTabular.SetCaption(showTable ? "View Complete List" : "View Tabular Format");
    cmdLabView(0).SetEnabled(!showTable);
    cmdLabView(1).SetEnabled(!showTable);
}

// Offers the graph of the clicked examination; headings and examinations without normal values offer nothing.
void frmFinal::mshflexLabTabular_Click() {
    try {
        forms::MSHFlexGrid& table = mshflexLabTabular;
        const int row = table.Row();
        if (vb::Trim(table.TextMatrix(row, 1)).empty())
            return;
        if (MsgBox("View Graph?", forms::vbYesNo, "Message") != forms::vbYes)
            return;
        // The viewer's print button follows the nurse's own right, as for the radiology results.
        app.AllowReportPrint = HasUserRight(app, "16");
        OpenReport(app, app.GetHost().AppPath() + "\\Reports\\LaboratoryResult_InTabularFormat_Graph.rpt",
                   {vb::Trim(txtId.Text()), vb::Trim(table.TextMatrix(row, table.Cols() - 1))});
        ShowReport(app, false, "", false, false);
    } catch (const std::exception& error) {
        ShowErrorMessage(app, error);
    }
}

} // namespace ward
