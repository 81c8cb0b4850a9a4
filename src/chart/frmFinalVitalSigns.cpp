#include "chart/frmFinal.h"

#include "core/App.h"
#include "core/ErrorReporting.h"
#include "core/ModuleHelpers.h"
#include "core/ReportPrinting.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"
#include "platform/forms/Layout.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/Format.h"
#include "platform/vb/Strings.h"

#include <limits>

namespace ward {

namespace {

// The monitoring profiles in the list's order; the server takes each as its text and its code.
constexpr const char* kProfiles[] = {"Once Every Shift", "Every Hour",       "Every 2 hours",
                                     "Every 4 hours",    "Every 15 minutes", "Every 30 minutes"};

// The history's columns 1 to 12 and the fields of the request list's rows they show.
constexpr const char* kHistoryFields[] = {"DATE / TIME", "BLOOD PRESSURE",    "Temperature", "RESPIRATORY RATE",
                                          "PULSE RATE",  "Oxygen Saturation", "Encoder",     "ItemID",
                                          "Protocol",    "Remarks",           "Remarks2",    "ScheduleTime"};
// What each column adds to the width of column 0.
constexpr int kHistoryWidths[] = {1900, 1200, 1050, 1250, 950, 450, 1700, 0, 0, 0, 0, 1900};

constexpr double kNoBound = std::numeric_limits<double>::infinity();

bool IsMeasurementKey(int KeyAscii) {
    return KeyAscii == forms::vbKeyBack || KeyAscii == '.' || KeyAscii == '/' || (KeyAscii >= '0' && KeyAscii <= '9');
}

} // namespace

void frmFinal::DesignVitalSignsPage() {
    const char* captions[] = {"Blood Pressure", "/",          "Temperature", "\u00BAC",           "Respiratory Rate",
                              "/ min.",         "Pulse Rate", "/ min.",      "Oxygen Saturation", "Monitoring Profile"};
    for (int i = 0; i < 10; ++i)
        lblVitalSigns.Load(i).SetCaption(captions[i]);
    forms::TextBox& systolic = txtBloodPressure.Load(0);
    forms::TextBox& diastolic = txtBloodPressure.Load(1);
    for (forms::TextBox* box : {&systolic, &diastolic, &txtRespiratoryrate, &txtPulserate})
        box->SetMaxLength(3);
    txtTemperature.SetMaxLength(4);
    // The loaded boxes come first in the tab order, ahead of the boxes that follow them on the panel.
    const int first = txtTemperature.TabIndex();
    systolic.SetTabIndex(first);
    diastolic.SetTabIndex(first + 1);

    fraVitalSigns.SetCaption("Vital Signs Data Entry:");
    fraProfile.SetCaption("Change Monitoring Profile");
    cmbProfile.SetStyle(forms::vbComboDropdownList);
    for (const char* profile : kProfiles)
        cmbProfile.AddItem(profile);
    cmdSaveVitalSign.SetCaption("&Save");
    cmdPrintVitalSigns.SetCaption("Print &Vital Signs");
    cmdPrintVitalSigns.SetEnabled(false);
    cmdVitalExit.SetCaption("&Refresh");

    auto caption = [this](int index, int width) { return forms::Cell{&lblVitalSigns(index), width}; };
    forms::Layout layout(tabSSTab1, {}, 3);
    layout.Group(fraVitalSigns, [&](forms::Layout& inside) {
        inside.Row({caption(0, 1700), {&systolic, 600}, caption(1, 150), {&diastolic, 600}});
        inside.Row({caption(2, 1700), {&txtTemperature, 600}, caption(3, 0)});
        inside.Row({caption(4, 1700), {&txtRespiratoryrate, 600}, caption(5, 0)});
        inside.Row({caption(6, 1700), {&txtPulserate, 600}, caption(7, 0)});
        inside.Row({caption(8, 1700), {&txtO2Sat, 1350}});
    });
    layout.Group(fraProfile, [&](forms::Layout& inside) { inside.Row({caption(9, 1700), {&cmbProfile, 3000}}); });
    layout.Buttons({&cmdSaveVitalSign, &cmdPrintVitalSigns, &cmdVitalExit});
    const int gridHeight = tabSSTab1.Height() - tabSSTab1.TabHeight() - layout.Top() - 240;
    layout.Full(mshflexProcessed.Load(3), gridHeight);
}

void frmFinal::WireVitalSigns() {
    txtBloodPressure.On(&forms::Control::KeyPress,
                        [this](int Index, int& KeyAscii) { txtBloodPressure_KeyPress(Index, KeyAscii); });
    txtTemperature.KeyPress = [this](int& KeyAscii) { txtTemperature_KeyPress(KeyAscii); };
    txtRespiratoryrate.KeyPress = [this](int& KeyAscii) { txtRespiratoryrate_KeyPress(KeyAscii); };
    txtPulserate.KeyPress = [this](int& KeyAscii) { txtPulserate_KeyPress(KeyAscii); };
    cmdSaveVitalSign.Click = [this] { cmdSaveVitalSign_Click(); };
    cmdPrintVitalSigns.Click = [this] { cmdPrintVitalSigns_Click(); };
    cmdVitalExit.Click = [this] { Get_VitalSigns(); };
}

void frmFinal::Get_VitalSigns() {
    cmdPrintVitalSigns.SetEnabled(false);
    for (forms::TextBox* box :
         {&txtBloodPressure(0), &txtBloodPressure(1), &txtTemperature, &txtPulserate, &txtRespiratoryrate})
        box->SetText("");
    FocusIfShown(txtBloodPressure(0));

    forms::MSHFlexGrid& grid = mshflexProcessed(3);
    grid.Clear();
    grid.SetCols(13);
    grid.SetRows(2);
    grid.SetFormatString("  |<Date / Time         |<Blood Pressure        |<Temperature |<R.R |<P.R  |<O.S. "
                         "|<Encoder |< |< |< |< |<ScheduleTime");
    grid.SetColWidth(0, 1);
    for (int col = 1; col <= 12; ++col)
        grid.SetColWidth(col, grid.ColWidth(0) + kHistoryWidths[col - 1]);

    db::Recordset rs = app.RequestObject->GetRequests(app.Connection().ConnectionString(), txtId.Text(), "4");
    for (; !rs.Eof(); rs.MoveNext()) {
        cmdPrintVitalSigns.SetEnabled(true);
        int row = 1;
        if (!grid.TextMatrix(1, 1).empty()) {
            grid.AddItem("");
            row = grid.Rows() - 1;
        }
        for (int col = 1; col <= 12; ++col)
            grid.SetTextMatrix(row, col, forms::GridTextOf(rs.Fields(kHistoryFields[col - 1])));
    }
    rs.Close();
}

void frmFinal::FilterVitalSignKey(int& KeyAscii, const std::function<bool()>& valueAccepted) {
    if (KeyAscii == forms::vbKeyReturn) {
        if (valueAccepted()) {
            KeyAscii = 0;
            MoveToNextControl();
        }
        return;
    }
    if (!IsMeasurementKey(KeyAscii))
        KeyAscii = 0;
}

bool frmFinal::VitalSignAccepted(double value, double low, double high, forms::TextBox& retry) {
    if (value <= high && value >= low)
        return true;
    if (MsgBox("Is this Entry Correct ?", forms::vbYesNo + forms::vbQuestion, "Message") == forms::vbYes)
        return true;
    retry.SetFocus();
    return false;
}

void frmFinal::txtBloodPressure_KeyPress(int Index, int& KeyAscii) {
    FilterVitalSignKey(KeyAscii, [&] {
        if (Index == 1)
            return DiastolicAccepted();
        return VitalSignAccepted(vb::Val(txtBloodPressure(0).Text()), 70, 200, txtBloodPressure(0));
    });
}

// The diastolic value is checked on its own, then against the systolic one, which it may not exceed.
bool frmFinal::DiastolicAccepted() {
    const double diastolic = vb::Val(txtBloodPressure(1).Text());
    if (!VitalSignAccepted(diastolic, 50, 150, txtBloodPressure(0)))
        return false;
    if (vb::Val(txtBloodPressure(0).Text()) < diastolic) {
        MsgBox("INVALID ENTRY.");
        txtBloodPressure(0).SetFocus();
        return false;
    }
    return true;
}

void frmFinal::txtTemperature_KeyPress(int& KeyAscii) {
    FilterVitalSignKey(KeyAscii,
                       [&] { return VitalSignAccepted(vb::Val(txtTemperature.Text()), 37, 42, txtTemperature); });
}

void frmFinal::txtRespiratoryrate_KeyPress(int& KeyAscii) {
    FilterVitalSignKey(KeyAscii, [&] {
        return VitalSignAccepted(vb::Val(txtRespiratoryrate.Text()), -kNoBound, 100, txtRespiratoryrate);
    });
}

void frmFinal::txtPulserate_KeyPress(int& KeyAscii) {
    FilterVitalSignKey(KeyAscii,
                       [&] { return VitalSignAccepted(vb::Val(txtPulserate.Text()), 50, 110, txtPulserate); });
}

void frmFinal::cmdSaveVitalSign_Click() {
    try {
        SaveVitalSigns();
    } catch (const std::exception& error) {
        ShowErrorMessage(app, error);
    }
}

void frmFinal::SaveVitalSigns() {
    std::string profileCode;
    const int chosen = cmbProfile.ListIndex();
    const std::string chosenText = chosen >= 0 ? cmbProfile.List(chosen) : "";
    for (int code = 1; code <= 6; ++code) {
        if (chosenText == kProfiles[code - 1]) {
            profileCode = std::to_string(code);
            LastMonitoringProfile = chosenText;
        }
    }
    if (txtTemperature.Text().empty() || txtBloodPressure(0).Text().empty()) {
        MsgBox("Can't Save Incomplete Vital Signs");
        return;
    }
    RefreshServerDate(app);
    const std::string bloodPressure = vb::Trim(txtBloodPressure(0).Text()) + "/" + vb::Trim(txtBloodPressure(1).Text());
    db::TransactionGuard transaction(app.Connection());
    app.Connection().Execute("STATION..Nurse_UpdateVitalSigns " + db::SqlQuote(txtId.Text()) + "," +
                             db::SqlQuote(vb::Format(app.ServerDate, "MM/DD/YYYY hh:mm:ss AM/PM")) + "," +
                             db::SqlQuote(bloodPressure) + "," + db::SqlQuote(txtTemperature.Text()) + "," +
                             db::SqlQuote(txtPulserate.Text()) + "," + db::SqlQuote(txtRespiratoryrate.Text()) + "," +
                             db::SqlQuote(app.CurrentUser->EmployeeCode()) + "," + db::SqlQuote(txtO2Sat.Text()) + "," +
                             db::SqlQuote(LastMonitoringProfile) + "," + db::SqlQuote(profileCode) + ",'DONE'");
    transaction.Commit();
    for (forms::TextBox* box :
         {&txtBloodPressure(0), &txtBloodPressure(1), &txtTemperature, &txtPulserate, &txtRespiratoryrate, &txtO2Sat})
        box->SetText("");
    FocusIfShown(txtBloodPressure(0));
    Get_VitalSigns();
}

void frmFinal::cmdPrintVitalSigns_Click() {
    try {
        OpenReport(app, app.GetHost().AppPath() + "\\Reports\\Vital Signs.rpt",
                   {txtId.Text(), txtPatient.Text(), txtDateAdmitted.Text(), txtId.Text(), txtPno.Text(),
                    txtRoom.Text(), txtSex.Text(), txtAge.Text()});
        ShowReport(app, false, "Vital Signs", false, false);
    } catch (const std::exception& error) {
        ShowErrorMessage(app, error);
    }
}

} // namespace ward
