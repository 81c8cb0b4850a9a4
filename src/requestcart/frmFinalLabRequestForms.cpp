#include "chart/frmFinal.h"

#include "core/App.h"
#include "core/ErrorReporting.h"
#include "core/Rates.h"
#include "core/ReportPrinting.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/Format.h"
#include "platform/vb/Operators.h"
#include "platform/vb/Strings.h"
#include "requestcart/LabRequestForm.h"

#include <vector>

namespace ward {

namespace {

std::string Text(const db::Recordset& rs, const char* field) { return vb::ConcatText(rs.Fields(field)); }

} // namespace

void SaveLabRequestForms(App& app, frmFinal& chart) {
    SetTransplantAndDialysisTexts(app);
    const std::string user = app.CurrentUser->EmployeeCode();
    std::vector<LabRequestFormRow> rows;
    db::Recordset rs = app.Connection().Open(
        "STATION..sp_Nurse__GetLabStatRequest_RequestNumber " + db::SqlQuote(vb::Trim(chart.txtId.Text())) + "," +
            db::SqlQuote(vb::Trim(user)) + "," + db::SqlQuote(vb::Trim(app.LabReferenceNum)),
        db::CursorType::ForwardOnly, db::LockType::ReadOnly);
    const std::string account = vb::Trim(app.PatientSearch->PatientMaster().Account.AccountNumber);
    const std::string stamp = vb::Format(app.ServerDate, "mm/dd/yyyy hh:mm:ss AM/PM");
    for (; !rs.Eof(); rs.MoveNext())
        rows.push_back({Text(rs, "ExamID"), Text(rs, "SpecimenID"), Text(rs, "SectionID"), user, Text(rs, "Stat"),
                        account, Text(rs, "RequestNum"), app.RequestingDoctorCode, stamp});
    rs.Close();
    if (rows.empty())
        return;
    ReplaceRequestFormRows(app.Connection(), user, rows);
    PrintLabRequestForm(app, chart, rows.back().Stat, rows.back().SectionID);
}

void PrintLabRequestForm(App& app, frmFinal& chart, const std::string& Stat, const std::string& Section) {
    try {
        const std::vector<vb::Variant> values =
            RequestFormValues(app, chart, app.LabReferenceNum, Stat, app.RequestingDoctorName, Section);
        OpenReport(app, app.GetHost().AppPath() + "\\Reports\\LabRequestForm.RPT", values);
        ShowReport(app, false, "LABORATORY REQUEST FORM", false, false);
    } catch (const std::exception& error) {
        ShowErrorMessage(app, error);
    }
}

} // namespace ward
