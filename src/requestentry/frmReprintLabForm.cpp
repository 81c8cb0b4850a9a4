#include "requestentry/frmReprintLabForm.h"

#include "chart/frmFinal.h"
#include "core/App.h"
#include "core/ErrorReporting.h"
#include "platform/db/Connection.h"
#include "platform/forms/Layout.h"
#include "platform/vb/Strings.h"
#include "requestentry/frmPrintRequestForm.h"

namespace ward {

namespace {

constexpr int ChargeSlipCol = 3;

constexpr const char* kListFormat =
    " |<CODE |<DESCRIPTION                 |<CHARGE SLIP|<CHARGE DATE/TIME    |<SECTION"
    "|<TYPE   |<SPECIMEN|<DIALYSIS|<TRANSPLANT|<REQUESTNUM|<NURSE                    |<CNURSE";
constexpr int kListWidths[] = {0, 800, 3000, 800, 2500, 800, 800, 800, 800, 800, 800, 2500, 800};

} // namespace

frmReprintLabForm::frmReprintLabForm(App& app) : Form(app.Forms), app(app) {
    cmdOption.On(&forms::Control::Click, [this](int Index) { cmdOption_Click(Index); });
    mshflexLabList.Click = [this] { cmdOption(0).SetEnabled(true); };
}

void frmReprintLabForm::Design() {
    SetCaption("List of Posted Laboratory Exams");
    SetBorderStyle(3);
    SetInnerSize(11400, 5000);
    cmdOption.Load(0).SetCaption("Re-print Request Form");
    cmdOption.Load(1).SetCaption("Exit");
    cmdOption(0).SetEnabled(false);
    forms::LayoutMetrics metrics;
    metrics.ButtonWidth = 2000;
    forms::Layout(*this, metrics).Full(mshflexLabList, 4200).Buttons({&cmdOption(0), &cmdOption(1)}).FitFormHeight();
}

void frmReprintLabForm::Form_Load() {
    mshflexLabList.SetCols(13);
    mshflexLabList.SetRows(2);
    mshflexLabList.SetFormatString(kListFormat);
    for (int col = 0; col < 13; ++col)
        mshflexLabList.SetColWidth(col, kListWidths[col]);
    LoadExamList();
}

// A list that cannot be read is shown, after the error, as an empty one.
void frmReprintLabForm::LoadExamList() {
    bool listed = false;
    try {
        db::Recordset rs = app.Connection().Open(
            PostedLabExamsQuery(app.Forms.Instance<frmFinal>().txtId.Text(), app.StationID, "", "0"),
            db::CursorType::ForwardOnly, db::LockType::ReadOnly);
        mshflexLabList.SetDataSource(rs);
        listed = mshflexLabList.Rows() > 1;
        rs.Close();
    } catch (const std::exception& error) {
        ShowErrorMessage(app, error);
    }
    if (!listed)
        mshflexLabList.SetRows(2);
    mshflexLabList.SetEnabled(listed);
}

void frmReprintLabForm::cmdOption_Click(int Index) {
    if (Index == 0)
        ReprintLabRequestForm();
    else
        Unload();
}

void frmReprintLabForm::ReprintLabRequestForm() {
    const std::string chargeSlip = vb::Trim(mshflexLabList.TextMatrix(mshflexLabList.Row(), ChargeSlipCol));
    const std::string account = vb::Trim(app.PatientSearch->PatientMaster().Account.AccountNumber);
    if (const auto print = StagePostedLabExams(app, chargeSlip, PriorityText::AsPosted, account))
        PrintLabRequestFormReprint(print->Type, print->Section, chargeSlip);
}

void frmReprintLabForm::PrintLabRequestFormReprint(const std::string& Stat, const std::string& Section,
                                                   const std::string& ChargeSlip) {
    PrintPostedExamsForm(app, "LabRequestForm_Reprint.RPT", "RE-PRINT LABORATORY REQUEST FORM", Stat, Section,
                         ChargeSlip);
}

} // namespace ward
