#include "requestentry/frmPrintRequestForm.h"

#include "chart/frmFinal.h"
#include "core/App.h"
#include "core/ErrorReporting.h"
#include "core/Rates.h"
#include "core/ReportPrinting.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"
#include "platform/forms/Layout.h"
#include "platform/vb/Format.h"
#include "platform/vb/Operators.h"
#include "platform/vb/Strings.h"
#include "requestcart/LabRequestForm.h"

#include <vector>

namespace ward {

namespace {

std::string Text(const db::Recordset& rs, const char* field) { return vb::ConcatText(rs.Fields(field)); }

frmFinal& Chart(App& app) { return app.Forms.Instance<frmFinal>(); }

} // namespace

std::string PostedLabExamsQuery(const std::string& admission, const std::string& station, const std::string& reference,
                                const std::string& which) {
    return "STATION..sp_Nurse_Get_LaboratoryExamPosted " + db::SqlQuote(admission) + "," + db::SqlQuote(station) + "," +
           db::SqlQuote(reference) + "," + db::SqlQuote(which);
}

// The exams are all read before the print rows are written, so that the writes form one transaction.
std::optional<PostedExamsPrint> StagePostedLabExams(App& app, const std::string& reference, PriorityText priority,
                                                    const std::string& account) {
    db::Recordset rs =
        app.Connection().Open(PostedLabExamsQuery(Chart(app).txtId.Text(), app.StationID, reference, "1"),
                              db::CursorType::ForwardOnly, db::LockType::ReadOnly);
    if (rs.Eof()) {
        rs.Close();
        return std::nullopt;
    }
    const std::string user = app.CurrentUser->EmployeeCode();
    PostedExamsPrint print{Text(rs, "Type"), Text(rs, "Section")};
    SetTransplantAndDialysisTexts(app, Text(rs, "TRANSPLANT"), Text(rs, "DIALYSIS"));
    std::string stat = print.Type;
    if (priority == PriorityText::StatOrRoutine)
        stat = print.Type == "Y" ? "STAT" : "ROUTINE";
    const std::string doctor = app.PatientSearch->Admission().AttendingDoctor1.Code;
    std::vector<LabRequestFormRow> rows;
    for (; !rs.Eof(); rs.MoveNext()) {
        print.Section = Text(rs, "Section");
        rows.push_back({Text(rs, "Code"), Text(rs, "Specimen"), print.Section, Text(rs, "NURSE"), stat, account,
                        Text(rs, "RequestNum"), doctor,
                        vb::Format(rs.Fields("CHARGE DATE"), "mm/dd/yyyy hh:mm:ss AM/PM")});
    }
    rs.Close();
    ReplaceRequestFormRows(app.Connection(), user, rows);
    return print;
}

void PrintPostedExamsForm(App& app, const std::string& file, const std::string& caption, const std::string& Stat,
                          const std::string& Section, const std::string& reference) {
    try {
        const frmFinal& chart = Chart(app);
        const std::vector<vb::Variant> values =
            RequestFormValues(app, chart, reference, Stat, chart.txtDoctor2.Text(), Section);
        OpenReport(app, app.GetHost().AppPath() + "\\Reports\\" + file, values);
        ShowReport(app, false, caption, true, false);
    } catch (const std::exception& error) {
        ShowErrorMessage(app, error);
    }
}

frmPrintRequestForm::frmPrintRequestForm(App& app) : Form(app.Forms), app(app) {
    cmdOption.On(&forms::Control::Click, [this](int Index) { cmdOption_Click(Index); });
}

void frmPrintRequestForm::Design() {
    SetCaption("Printing of Request Form");
    SetBorderStyle(3);
    SetInnerSize(7200, 2600);
    const char* messages[] = {
        "Printing of request form is now being sent to the printer. Depending on the speed of your printer, it may "
        "take a minute or two before the request form is printed.",
        "If the request form is printed, click OK.", "If the request form did not print, click REPRINT.",
        "Make sure that the printer is properly connected to the computer and is turned-on before you click the "
        "REPRINT button."};
    for (int index = 0; index < 4; ++index) {
        forms::Label& label = lblMessage.Load(index);
        label.SetCaption(messages[index]);
        label.SetWordWrap(true);
    }
    Image1.SetPicture(forms::Picture{app.GetHost().AppPath() + "/Pictures/reports/report03.png"});
    cmdOption.Load(1).SetCaption("REPRINT");
    cmdOption.Load(0).SetCaption("OK");
    forms::Layout layout(*this);
    layout.Row({{&Image1, 480}, {&lblMessage(0)}}, 720)
        .Row({{&lblMessage(1)}})
        .Row({{&lblMessage(2)}})
        .Row({{&lblMessage(3)}}, 500)
        .Buttons({&cmdOption(1), &cmdOption(0)})
        .FitFormHeight();
}

// A failure of the reprint escapes to the event's handler, which shows it; the window stays for another try.
void frmPrintRequestForm::cmdOption_Click(int Index) {
    if (Index == 1)
        SaveLabRequestForms();
    Unload();
}

void frmPrintRequestForm::SaveLabRequestForms() {
    const std::string reference = vb::Trim(app.LabReferenceNum);
    const std::string account = vb::Trim(app.PatientSearch->Admission().Account.AccountNumber);
    if (const auto print = StagePostedLabExams(app, reference, PriorityText::StatOrRoutine, account))
        PrintLabRequestForm(print->Type, print->Section, reference);
}

void frmPrintRequestForm::PrintLabRequestForm(const std::string& Stat, const std::string& Section,
                                              const std::string& ReferenceNum) {
    PrintPostedExamsForm(app, "LabRequestForm.RPT", "REPRINT LABORATORY REQUEST FORM", Stat, Section, ReferenceNum);
}

} // namespace ward
