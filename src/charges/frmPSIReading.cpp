#include "charges/frmPSIReading.h"

#include "charges/PictureButtons.h"
#include "core/App.h"
#include "core/ErrorReporting.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"
#include "platform/forms/Layout.h"
#include "platform/vb/Runtime.h"

namespace ward {

namespace {

constexpr const char* kRefusal = "Notification";
constexpr int kRefusalButtons = forms::vbOKOnly + forms::vbCritical;

// Only what a reading is written with reaches a box.
bool IsReadingKey(int KeyAscii) {
    return (KeyAscii >= '0' && KeyAscii <= '9') || KeyAscii == '.' || KeyAscii == '/' ||
           KeyAscii == forms::vbKeyBack;
}

// Enter is taken for the box's action (true); of the other keys only those of a reading reach the box.
bool TakeEnter(int& KeyAscii) {
    if (KeyAscii == forms::vbKeyReturn) {
        KeyAscii = 0;
        return true;
    }
    if (!IsReadingKey(KeyAscii))
        KeyAscii = 0;
    return false;
}

} // namespace

frmPSIReading::frmPSIReading(App& app) : Form(app.Forms), app(app) {
    txtTank.KeyPress = [this](int& KeyAscii) { txtTank_KeyPress(KeyAscii); };
    txtInitialReading.KeyPress = [this](int& KeyAscii) { txtInitialReading_KeyPress(KeyAscii); };
    txtLastReading.KeyPress = [this](int& KeyAscii) { txtLastReading_KeyPress(KeyAscii); };
    lblExit.On(&forms::Control::Click, [this](int Index) { lblExit_Click(Index); });
    lblExit.On(&forms::Control::MouseMove,
               [this](int Index, int, int, float, float) { lblExit_MouseMove(Index); });
    imgLegend.Click = [this] { imgLegend_Click(); };
}

void frmPSIReading::Design() {
    SetCaption("PSI Reading");
    SetBorderStyle(3);
    SetKeyPreview(true);
    SetInnerSize(5400, 3600);
    LoadButtonPictures(app, ImageList1, imgLegend);
    lblPSI.SetCaption("PSI READING");
    forms::Font heading = lblPSI.Font();
    heading.Bold = true;
    lblPSI.SetFont(heading);
    const char* captions[] = {"Code", "Description", "Tank #", "Initial Reading", "Last Reading", "Qty. Consumed"};
    for (int i = 0; i < 6; ++i)
        lblCaption.Load(i).SetCaption(captions[i]);
    forms::Layout layout(*this, forms::LayoutMetrics{.LabelWidth = 1500});
    layout.Row({{&lblPSI}, {&imgLegend, 360}});
    layout.Row(lblCaption(0), lblCode);
    layout.Row(lblCaption(1), lblDescription);
    layout.Row(lblCaption(2), txtTank, 1800);
    layout.Row(lblCaption(3), txtInitialReading, 1800);
    layout.Row(lblCaption(4), txtLastReading, 1800);
    layout.Row(lblCaption(5), lblConsumed, 1800);
    DesignPictureButtons(layout, imgOption, lblExit, "Exit", "Save");
    ShowButtonPictures(ImageList1, imgOption, -1);
}

void frmPSIReading::Form_Load() {
    lblCode.SetCaption(" " + Code);
    lblDescription.SetCaption(" " + Description);
    lblConsumed.SetCaption("");
    for (forms::TextBox* reading : {&txtInitialReading, &txtLastReading}) {
        reading->SetText("");
        reading->SetLocked(true);
    }
    txtTank.SetLocked(false);
    txtTank.SetText("");
}

void frmPSIReading::Form_KeyPress(int& KeyAscii) {
    if (KeyAscii == '\'')
        KeyAscii = 0;
}

void frmPSIReading::Form_QueryUnload(int& Cancel, int UnloadMode) {
    (void)Cancel;
    if (UnloadMode == forms::vbFormControlMenu)
        ClearReadings();
}

void frmPSIReading::txtTank_KeyPress(int& KeyAscii) {
    if (!TakeEnter(KeyAscii))
        return;
    try {
        LoadLastTankReading();
    } catch (const std::exception& error) {
        ShowErrorMessage(app, error);
    }
}

void frmPSIReading::txtInitialReading_KeyPress(int& KeyAscii) {
    if (!TakeEnter(KeyAscii))
        return;
    if (Initial() <= 0) {
        MsgBox("INVALID Initial Reading. It should be > 0", kRefusalButtons, kRefusal);
        txtInitialReading.SetFocus();
    } else if (Last() > Initial()) {
        MsgBox("INVALID Initial Reading. It should be > Last Reading", kRefusalButtons, kRefusal);
        SelectForCorrection(txtInitialReading);
    } else {
        MoveToNextControl();
    }
}

void frmPSIReading::txtLastReading_KeyPress(int& KeyAscii) {
    if (!TakeEnter(KeyAscii))
        return;
    if (Last() < 0) {
        MsgBox("INVALID Last Reading. It should be >= 0", kRefusalButtons, kRefusal);
        txtLastReading.SetFocus();
    } else if (Initial() <= Last()) {
        MsgBox("INVALID Last Reading. It should be < Initial Reading", kRefusalButtons, kRefusal);
        SelectForCorrection(txtLastReading);
    } else {
        lblConsumed.SetCaption(vb::CStr(Initial() - Last()));
        MoveToNextControl();
    }
}

// The tank's newest record: while it still has pressure left its last reading is where this use starts.
void frmPSIReading::LoadLastTankReading() {
    db::Recordset rs = app.Connection().Open(
        "SELECT top 1 * From INVENTORY..tbCSROxygen Where ItemID = " + db::SqlQuote(vb::Trim(Code)) +
            " and TankNum = " + db::SqlQuote(vb::Trim(txtTank.Text())) + " ORDER BY ItemID, TransDate DESC",
        db::CursorType::ForwardOnly, db::LockType::ReadOnly);
    const bool inUse = !rs.Eof() && vb::Val(vb::CStr(rs.Fields("LastR"))) > 0 &&
                       vb::Val(vb::CStr(rs.Fields("InitialR"))) - vb::Val(vb::CStr(rs.Fields("LastR"))) > 0;
    if (!inUse) {
        for (forms::TextBox* reading : {&txtInitialReading, &txtLastReading}) {
            reading->SetEnabled(true);
            reading->SetLocked(false);
        }
        txtInitialReading.SetFocus();
    } else {
        txtInitialReading.SetText(vb::CStr(rs.Fields("LastR")));
        txtInitialReading.SetLocked(true);
        txtInitialReading.SetEnabled(false);
        txtTank.SetText(vb::CStr(rs.Fields("TankNum")));
        txtLastReading.SetEnabled(true);
        txtLastReading.SetLocked(false);
        txtLastReading.SetFocus();
    }
    rs.Close();
}

bool frmPSIReading::ValidateInitialReading() {
    if (Initial() <= 0) {
        MsgBox("INVALID Initial Reading. It should be greater than zero(0)", kRefusalButtons, kRefusal);
        return false;
    }
    if (Last() > Initial()) {
        MsgBox("INVALID Initial Reading. It should be greater than the Last Reading", kRefusalButtons, kRefusal);
        return false;
    }
    return true;
}

bool frmPSIReading::ValidateLastReading() {
    if (Last() < 0 || vb::Trim(txtLastReading.Text()).empty()) {
        MsgBox("INVALID Last Reading. It should be zero(0) or greater than zero(0).", kRefusalButtons, kRefusal);
        return false;
    }
    if (Initial() <= Last()) {
        MsgBox("INVALID Last Reading. It should be less than the Initial Reading", kRefusalButtons, kRefusal);
        return false;
    }
    lblConsumed.SetCaption(vb::CStr(Initial() - Last()));
    return true;
}

void frmPSIReading::lblExit_Click(int Index) {
    if (Index == 1) {
        Save();
        return;
    }
    ClearReadings();
    Unload();
}

void frmPSIReading::Save() {
    if (!ValidateInitialReading())
        return SelectForCorrection(txtInitialReading);
    if (!ValidateLastReading())
        return SelectForCorrection(txtLastReading);
    // The consumption goes back in a 16-bit reading: a larger one would not arrive as typed.
    const double consumed = vb::Val(vb::Trim(lblConsumed.Caption()));
    if (consumed >= 32767.5) {
        MsgBox("INVALID Reading. Qty. Consumed should not be greater than 32767", kRefusalButtons, kRefusal);
        return SelectForCorrection(txtInitialReading);
    }
    Grid->SetTextMatrix(SelectedRow, 12, txtInitialReading.Text());
    Grid->SetTextMatrix(SelectedRow, 13, txtLastReading.Text());
    Grid->SetTextMatrix(SelectedRow, 14, txtTank.Text());
    app.PSIReading = vb::CInt(vb::Variant(vb::Trim(lblConsumed.Caption())));
    Unload();
}

// The close picture leaves the row as Exit does: a row flagged for PSI without readings would post empty readings.
void frmPSIReading::imgLegend_Click() {
    ClearReadings();
    Unload();
}

void frmPSIReading::ClearReadings() {
    app.PSIReading = 0;
    if (!Grid)
        return;
    Grid->SetTextMatrix(SelectedRow, 11, "0");
    for (int col = 12; col <= 14; ++col)
        Grid->SetTextMatrix(SelectedRow, col, "");
}

void frmPSIReading::lblExit_MouseMove(int Index) { ShowButtonPictures(ImageList1, imgOption, Index); }

double frmPSIReading::Initial() const { return vb::Val(txtInitialReading.Text()); }

double frmPSIReading::Last() const { return vb::Val(txtLastReading.Text()); }

void frmPSIReading::SelectForCorrection(forms::TextBox& box) {
    box.SetSelStart(0);
    box.SetSelLength(static_cast<int>(box.Text().size()));
    box.SetFocus();
}

} // namespace ward
