#include "charges/frmChargeSlipVerification.h"

#include "charges/ChargeSlipNumbers.h"
#include "core/AccountChecks.h"
#include "charges/PictureButtons.h"
#include "core/App.h"
#include "core/ErrorReporting.h"
#include "platform/db/Connection.h"
#include "platform/forms/Layout.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/Strings.h"
#include "platform/vb/VbError.h"

#include <cmath>

namespace ward {

namespace {

// Only what a number is written with reaches the box.
bool IsNumberKey(int KeyAscii) {
    return (KeyAscii >= '0' && KeyAscii <= '9') || KeyAscii == '.' || KeyAscii == '/' ||
           KeyAscii == forms::vbKeyBack;
}

vb::VbError MissingCounterRow() {
    return vb::VbError(vb::vbErrInvalidProcedureCall, "The charge slip counter STATION..tbSCNChargeSlip has no row.");
}

} // namespace

frmChargeSlipVerification::frmChargeSlipVerification(App& app) : Form(app.Forms), app(app) {
    txtChargeSlip.KeyPress = [this](int& KeyAscii) { txtChargeSlip_KeyPress(KeyAscii); };
    imgSearch.Click = [this] { imgSearch_Click(); };
    lblExit.On(&forms::Control::Click, [this](int Index) { lblExit_Click(Index); });
    lblExit.On(&forms::Control::MouseMove,
               [this](int Index, int, int, float, float) { lblExit_MouseMove(Index); });
    imgLegend.Click = [this] { imgLegend_Click(); };
}

void frmChargeSlipVerification::Design() {
    SetCaption("Charge Slip Sequence Number");
    SetBorderStyle(3);
    SetKeyPreview(true);
    SetInnerSize(6600, 2200);
    LoadButtonPictures(app, ImageList1, imgLegend);
    imgSearch.SetPicture(forms::Picture{app.GetHost().AppPath() + "/Pictures/search.png"});
    lblheading.SetCaption("Charge Slip Sequence Number");
    forms::Font heading = lblheading.Font();
    heading.Bold = true;
    lblheading.SetFont(heading);
    lblCaption.Load(0).SetCaption("Charge Slip #");
    lblCaption.Load(1).SetCaption("Nurse Station");
    lblStation.Load(0);
    lblStation.Load(1);
    forms::Layout layout(*this, forms::LayoutMetrics{.LabelWidth = 1300});
    layout.Row({{&lblheading}, {&imgLegend, 360}});
    layout.Row(lblCaption(0), txtChargeSlip, 1800);
    layout.Row({{&lblCaption(1), 1300}, {&lblStation(0), 700}, {&lblStation(1)}, {&imgSearch, 315}});
    DesignPictureButtons(layout, imgOption, lblExit, "Close", "Save");
    ShowButtonPictures(ImageList1, imgOption, -1);
}

void frmChargeSlipVerification::Form_Activate() {
    try {
        ReadChargeSlip();
        ShowStation();
    } catch (const std::exception& error) {
        ShowErrorMessage(app, error);
    }
}

void frmChargeSlipVerification::Form_KeyPress(int& KeyAscii) {
    if (KeyAscii == '\'')
        KeyAscii = 0;
}

// Any key that does not write a number stores the number shown; the window stays open.
void frmChargeSlipVerification::txtChargeSlip_KeyPress(int& KeyAscii) {
    if (KeyAscii == 0 || IsNumberKey(KeyAscii))
        return;
    KeyAscii = 0;
    SaveChargeSlipNumber();
}

// The station is only shown: there is one counter whatever station is chosen.
void frmChargeSlipVerification::imgSearch_Click() {
    try {
        if (!app.CodeSearch->SearchListing("", 10))
            return;
        lblStation(0).SetCaption(app.CodeSearch->StationRecord().ResultCode);
        lblStation(1).SetCaption(app.CodeSearch->StationRecord().Station);
        ReadChargeSlip();
    } catch (const std::exception& error) {
        ShowErrorMessage(app, error);
        return;
    }
    SaveChargeSlipNumber();
}

// A refused or failed number leaves the window open, the nurse's number still in the box.
void frmChargeSlipVerification::lblExit_Click(int Index) {
    if (Index == 1 && !SaveChargeSlipNumber())
        return;
    Unload();
}

void frmChargeSlipVerification::imgLegend_Click() { Unload(); }

void frmChargeSlipVerification::ReadChargeSlip() {
    db::Recordset rs = app.Connection().Open("Select ChargeSlip from STATION..tbSCNChargeSlip ",
                                             db::CursorType::Dynamic, db::LockType::Optimistic);
    if (!rs.Eof())
        txtChargeSlip.SetText(vb::Trim(vb::CStr(rs.Fields("ChargeSlip"))));
    rs.Close();
}

void frmChargeSlipVerification::ShowStation() {
    lblStation(0).SetCaption(app.StationID);
    lblStation(1).SetCaption(app.StationName);
    imgSearch.SetEnabled(app.CurrentUser->Station() == "ALL");
}

// The number is checked in the form the charge saves give their slips, and that same number is stored.
bool frmChargeSlipVerification::SaveChargeSlipNumber() {
    const double number = vb::Val(txtChargeSlip.Text());
    if (number < 1 || number != std::floor(number)) {
        MsgBox("Please enter a valid Charge Slip Number.", forms::vbInformation, "Message");
        return false;
    }
    try {
        WalkPastUsedNumbers(number);
    } catch (const std::exception& error) {
        ShowErrorMessage(app, error);
        return false;
    }
    MsgBox("Available Charge Slip Number : " + vb::Trim(txtChargeSlip.Text()), forms::vbInformation, "Message");
    return true;
}

// Each used number moves the counter one past it before the next is checked, so what is stored stays stored when a
// later step fails.
void frmChargeSlipVerification::WalkPastUsedNumbers(double number) {
    while (ChargeSlipExists(app, ChargeSlipNumber(app, ChargeSlipSeries::Receivable, "", vb::CStr(number)))) {
        number += 1;
        StoreCounter(app.Connection(), "Select * from STATION..tbSCNChargeSlip ", "STATION..tbSCNChargeSlip",
                     "ChargeSlip", [number](const vb::Variant&) { return vb::Variant(number); });
        txtChargeSlip.SetText(vb::CStr(number));
    }
    long affected = 0;
    app.Connection().Execute("Update Station..tbSCNChargeSlip Set ChargeSlip =" + vb::CStr(number) + ";", affected);
    if (affected == 0)
        throw MissingCounterRow();
    txtChargeSlip.SetText(vb::CStr(number));
}

void frmChargeSlipVerification::lblExit_MouseMove(int Index) { ShowButtonPictures(ImageList1, imgOption, Index); }

} // namespace ward
