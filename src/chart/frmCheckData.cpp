#include "chart/frmCheckData.h"

#include "chart/frmFinal.h"
#include "core/App.h"
#include "core/ErrorReporting.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"
#include "platform/forms/Layout.h"

namespace ward {

namespace {

constexpr int kDietListKind = 6;

} // namespace

frmCheckData::frmCheckData(App& app) : Form(app.Forms), app(app) {
    txtDiet.On(&forms::Control::KeyPress, [this](int Index, int& KeyAscii) { txtDiet_KeyPress(Index, KeyAscii); });
    cmdDiet.Click = [this] { cmdDiet_Click(); };
    cmdOption.On(&forms::Control::Click, [this](int Index) { cmdOption_Click(Index); });
}

void frmCheckData::Design() {
    SetCaption("Please Enter the Missing Information");
    SetBorderStyle(3);
    SetInnerSize(6000, 4200);
    SetKeyPreview(true);
    fraDiet.SetCaption("Diet Name");
    txtDiet.Load(0);
    txtDiet.Load(1).SetLocked(true);
    cmdDiet.SetCaption("...");
    const char* entries[] = {"Admitting Diagnosis", "Chief Complaints"};
    for (int i = 0; i < 2; ++i) {
        fraEntry.Load(i).SetCaption(entries[i]);
        txtEntry.Load(i).SetMultiLine(true);
    }
    cmdOption.Load(0).SetCaption("&Save");
    cmdOption.Load(1).SetCaption("&Close");
    forms::Layout layout(*this);
    layout.Group(fraDiet, [this](forms::Layout& inside) {
        inside.Row({{&txtDiet(0)}, {&cmdDiet, 375}, {&txtDiet(1), 900}});
    });
    for (int i = 0; i < 2; ++i)
        layout.Group(fraEntry(i), [this, i](forms::Layout& inside) { inside.Full(txtEntry(i), 720); });
    layout.Buttons({&cmdOption(0), &cmdOption(1)}).FitFormHeight();
}

// The patient search holds whichever admission was validated last; the chart's own is made current first.
void frmCheckData::Form_Load() {
    const frmFinal& chart = app.Forms.Instance<frmFinal>();
    if (!app.PatientSearch->ValidateAdmission(chart.txtId.Text())) {
        MsgBox("No records found.", forms::vbInformation + forms::vbOKOnly, "Notification");
        Unload();
        return;
    }
    components::AdmissionObject& admission = app.PatientSearch->Admission();
    admission.Refresh();
    txtEntry(0).SetText(admission.History.AdmittingDiagnosis);
    txtEntry(1).SetText(admission.History.ChiefComplaint);
    txtDiet(0).SetText(chart.txtAdiet.Text());
}

void frmCheckData::Form_KeyPress(int& KeyAscii) {
    if (KeyAscii == 39)
        KeyAscii = 0;
}

void frmCheckData::txtDiet_KeyPress(int Index, int& KeyAscii) {
    if (Index != 0)
        return;
    if (KeyAscii == forms::vbKeyReturn)
        SearchDiet();
    else
        KeyAscii = app.KeyFilter->AllUppers(static_cast<std::int16_t>(KeyAscii));
}

void frmCheckData::cmdDiet_Click() { SearchDiet(); }

void frmCheckData::SearchDiet() {
    if (!app.CodeSearch->SearchListing(txtDiet(0).Text(), kDietListKind))
        return;
    txtDiet(0).SetText(app.CodeSearch->DietRecord().Diet);
    txtDiet(1).SetText(app.CodeSearch->DietRecord().ResultCode);
}

void frmCheckData::cmdOption_Click(int Index) {
    if (Index == 0)
        Save();
    else
        Unload();
}

// A failed save keeps the window as typed and the chart as it was, so the nurse can try again.
void frmCheckData::Save() {
    if (txtDiet(0).Text().empty()) {
        MsgBox("Can't Save a Blank Diet.", forms::vbExclamation + forms::vbOKOnly, "Message");
        return;
    }
    if (!SavePatientHistory())
        return;
    WriteBackIntoChart();
    Unload();
}

bool frmCheckData::SavePatientHistory() {
    const std::string& idNum = app.Forms.Instance<frmFinal>().txtId.Text();
    try {
        db::TransactionGuard transaction(app.Connection());
        app.Connection().Execute("STATION..Nurse_UpdatePatientHistory " + db::SqlQuote(idNum) + "," +
                                 db::SqlQuote(txtDiet(1).Text()) + "," + db::SqlQuote(txtEntry(0).Text()) + "," +
                                 db::SqlQuote(txtEntry(1).Text()));
        transaction.Commit();
    } catch (const std::exception& error) {
        ShowErrorMessage(app, error);
        return false;
    }
    return true;
}

void frmCheckData::WriteBackIntoChart() {
    frmFinal& chart = app.Forms.Instance<frmFinal>();
    chart.txtADMDiagnosis.SetText(txtEntry(0).Text());
    chart.txtDiagnosis.SetText(txtEntry(0).Text());
    chart.txtChiefComplaints.SetText(txtEntry(1).Text());
    chart.txtAdiet.SetText(txtDiet(0).Text());
}

} // namespace ward
