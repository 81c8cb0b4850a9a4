#include "chart/frmFinal.h"

#include "core/App.h"
#include "core/ErrorReporting.h"
#include "core/ReportPrinting.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"
#include "platform/forms/Layout.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/Strings.h"
#include "results/ResultGrid.h"
#include "shell/UserRights.h"

namespace ward {

namespace {

// The values a heart-station report takes besides the request number.
enum class HeartValues { RequestNumber, Echocardiography, Hemodynamic };

struct HeartReport {
    const char* file;
    const char* caption;
};

// A result's form letter chooses its report, or a pair whose second opens when the first viewer closes.
struct HeartForm {
    const char* letter;
    HeartReport first;
    HeartReport second;
    HeartValues values = HeartValues::RequestNumber;
};

const HeartForm kHeartForms[] = {
    {"A", {"Exam_2DEcho_Adult.rpt", "Echocardiographic Report"}, {}, HeartValues::Echocardiography},
    {"B", {"AbdominalAorta2.rpt", "Abdominal Aorta Examination"}, {}},
    {"C", {"Carotid.rpt", "Carotid Examination"}, {"Carotid2.rpt", "Carotid Examination"}},
    {"D", {"ArterialLower.rpt", "Arterial Lower Evaluation"}, {"ArterialLower2.rpt", "Arterial Duplex Scan"}},
    {"E", {"ArterialUpper.rpt", "Arterial Evaluation"}, {"ArterialUpper2.rpt", "Arterial Duplex Scan"}},
    {"F", {"Carotid.rpt", "Carotid Examination"}, {"Carotid2.rpt", "Carotid Examination"}},
    {"G", {"RenalArtery.rpt", "Renal Artery Duplex Scan"}, {}},
    {"H", {"Transcranial.rpt", "Transcranial Ultrasonography"}, {}},
    {"I", {"ResultECG.rpt", "ECG Examination"}, {}},
    {"J", {"Exam_Hemodynamic.rpt", "Hemodynamic Cardiovascular Laboratory"}, {}, HeartValues::Hemodynamic},
    {"K", {"VenousUpper.rpt", "Venous Upper Examination"}, {}},
    {"L", {"VenousLower.rpt", "VenousLower"}, {}},
    {"M", {"Transcranial.rpt", "Transcranial Ultrasonography"}, {}},
};

// Letters count exactly as they stand, case and blanks included.
const HeartForm* HeartFormOf(const std::string& letter) {
    for (const HeartForm& form : kHeartForms)
        if (letter == form.letter)
            return &form;
    return nullptr;
}

} // namespace

void frmFinal::DesignHeartPage() {
    lblHead.Load(8).SetCaption("List of Examinations");
    const char* captions[] = {"Request No.", "Exam. Date", "Result Date", "Exam. Name", "Attending Doctor",
                              "Cardiologist"};
    for (int index = 0; index < 6; ++index) {
        lblHEart.Load(index).SetCaption(captions[index]);
        lblHEart.Load(index + 6).SetCaption("");
    }
    cmdExitResultE.Load(0).SetCaption("Exit");
    cmdExitResultE.Load(1).SetCaption("Refresh");
    cmdExitResultE.Load(2).SetCaption("View");
    cmdExitResultE(2).SetEnabled(false);
    fraHeart.SetCaption("");

    forms::Layout layout(tabSSTab2, {}, 4);
    layout.Full(lblHead(8));
    const int detailRows = 3 * (315 + 60) + 240 + 120;
    const int buttonRow = 375 + 2 * 120;
    layout.Full(mshflexHeart,
                tabSSTab2.Height() - tabSSTab2.TabHeight() - layout.Top() - detailRows - buttonRow - 2 * 120);
    layout.Group(fraHeart, [this](forms::Layout& inside) {
        for (int row = 0; row < 3; ++row)
            inside.Row({{&lblHEart(row), 1300},
                        {&lblHEart(row + 6), 3000},
                        {&lblHEart(row + 3), 1500},
                        {&lblHEart(row + 9), 0}});
    });
    layout.Buttons({&cmdExitResultE(1), &cmdExitResultE(2), &cmdExitResultE(0)});
}

void frmFinal::Get_HeartResults() {
    forms::MSHFlexGrid& grid = mshflexHeart;
    // The closing separator brings an untitled ninth column that nothing fills.
    LayOutResultGrid(grid, 8,
                     " |<Trans. No |<Exam. Name               |<Trans. Date        |<Result Date       |<FORM "
                     "|<ATTN. DOCTOR             |<CARDIOLOGIST             |",
                     {1000, 3000, 2000, 2000, 1000, 4000, 4000});
    for (int index = 6; index <= 11; ++index)
        lblHEart(index).SetCaption("");
    db::Recordset rs = app.Connection().Open("STATION..Nurse_GetHrt " + db::SqlQuote(txtId.Text()),
                                             db::CursorType::ForwardOnly, db::LockType::ReadOnly);
    if (rs.Eof()) {
        grid.SetEnabled(false);
        grid.SetRows(2);
        rs.Close();
        return;
    }
    grid.SetEnabled(true);
    const char* fields[] = {"Request No.", "EXAMINATION NAME", "TRANS. DATE", "RESULT DATE",
                            "Form",        "ATTN. DOCTOR",     "CARDIOLOGIST"};
    for (; !rs.Eof(); rs.MoveNext()) {
        const int row = NextResultRow(grid);
        for (int col = 1; col <= 7; ++col)
            grid.SetTextMatrix(row, col, CellText(rs.Fields(fields[col - 1])));
    }
    rs.Close();
}

void frmFinal::mshflexHeart_Click() {
    for (int index = 6; index <= 11; ++index)
        lblHEart(index).SetCaption("");
    forms::MSHFlexGrid& grid = mshflexHeart;
    const int row = grid.Row();
    // Request number, request date, result date, examination, attending doctor, cardiologist.
    const int columns[] = {1, 3, 4, 2, 6, 7};
    for (int value = 0; value < 6; ++value)
        lblHEart(value + 6).SetCaption(grid.TextMatrix(row, columns[value]));
    cmdExitResultE(2).SetEnabled(true);
}

// 0 back to the patient list, 1 reload the list, 2 print the row clicked last.
void frmFinal::cmdExitResultE_Click(int Index) {
    try {
        switch (Index) {
        case 0:
            cmdExit_Click();
            break;
        case 1:
            Get_HeartResults();
            cmdExitResultE(2).SetEnabled(false);
            break;
        default:
            ViewHeartResult();
            cmdExitResultE(2).SetEnabled(false);
            break;
        }
    } catch (const std::exception& error) {
        ShowErrorMessage(app, error);
    }
}

// A row without a form letter stands for a package of exams, each printed by its own letter.
void frmFinal::ViewHeartResult() {
    HeartViewMayPrint.reset();
    forms::MSHFlexGrid& grid = mshflexHeart;
    const int row = grid.Row();
    const std::string letter = grid.TextMatrix(row, 5);
    if (letter.empty())
        PrintHeartPackageResults(txtId.Text(), vb::Trim(grid.TextMatrix(row, 1)));
    else
        PrintHeartForm(letter, vb::Trim(grid.TextMatrix(row, 1)), HeartPrint::View);
}

void frmFinal::PrintHeartPackageResults(const std::string& admission, const std::string& requestNum) {
    try {
        db::Recordset rs =
            app.Connection().Open("STATION..sp_Nurse_HS_Result_PackageExams " + db::SqlQuote(vb::Trim(admission)) +
                                      "," + db::SqlQuote(vb::Trim(requestNum)),
                                  db::CursorType::ForwardOnly, db::LockType::ReadOnly);
        for (; !rs.Eof(); rs.MoveNext()) {
            // A Null letter or number cannot be printed: it raises here and ends the package.
            const std::string letter = vb::Trim(vb::CStr(rs.Fields("FormType")));
            const std::string examRequestNum = vb::Trim(vb::CStr(rs.Fields("RequestNum")));
            PrintHeartForm(letter, examRequestNum, HeartPrint::Package);
        }
        rs.Close();
    } catch (const std::exception& error) {
        ShowErrorMessage(app, error);
    }
}

// Every report of one View is printed with the header boxes and the labels of the row clicked last.
void frmFinal::PrintHeartForm(const std::string& letter, const std::string& requestNum, HeartPrint print) {
    const HeartForm* form = HeartFormOf(letter);
    if (!form)
        return;
    const std::string attendingDoctor = lblHEart(10).Caption();
    const std::string cardiologist = lblHEart(11).Caption();
    std::vector<vb::Variant> values;
    switch (form->values) {
    case HeartValues::RequestNumber:
        values = {requestNum};
        break;
    case HeartValues::Hemodynamic:
        values = {requestNum, txtPatient.Text(), attendingDoctor, cardiologist};
        break;
    case HeartValues::Echocardiography:
        if (print == HeartPrint::View)
            values = {app.HospitalAddress, requestNum, txtPatient.Text(), app.HeaderAddress, txtAge.Text(),
                      txtSex.Text(), attendingDoctor, "", "", "", "", txtRoom.Text(), "", "", requestNum};
        else
            values = {requestNum,    txtPatient.Text(), app.HeaderAddress, txtAge.Text(), txtSex.Text(), txtRoom.Text(),
                      attendingDoctor, "",              "",                cardiologist,  requestNum};
        break;
    }
    for (const HeartReport& report : {form->first, form->second}) {
        if (!report.file)
            continue;
        // Each viewer follows the nurse's own right; a closing viewer would otherwise let the next one print.
        if (!HeartViewMayPrint)
            HeartViewMayPrint = HasUserRight(app, "16");
        app.AllowReportPrint = *HeartViewMayPrint;
        OpenReport(app, app.GetHost().AppPath() + "\\Reports\\" + report.file, values);
        ShowReport(app, false, report.caption, false, false);
    }
}

} // namespace ward
