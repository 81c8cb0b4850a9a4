#include "charges/frmDoctorsFee.h"

#include "core/App.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"
#include "platform/forms/Layout.h"
#include "platform/vb/Runtime.h"

namespace ward {

namespace {

// The doctor's fee items that count: active and above zero.
std::string ActiveFees(const std::string& doctorCode) {
    return "BUILD_FILE..tbCoDoctorBill Where DoctorID =" + db::SqlQuote(vb::Trim(doctorCode)) +
           " and Status = 1 and Amount >0";
}

} // namespace

frmDoctorsFee::frmDoctorsFee(App& app) : Form(app.Forms), app(app) {
    mshFlexDoctorsFee.DblClick = [this] { mshFlexDoctorsFee_DblClick(); };
    mshFlexDoctorsFee.KeyPress = [this](int& KeyAscii) { mshFlexDoctorsFee_KeyPress(KeyAscii); };
}

void frmDoctorsFee::Design() {
    SetCaption("Professional Fees");
    SetBorderStyle(3);
    SetKeyPreview(true);
    SetInnerSize(5700, 4200);
    fraMessage.SetCaption("Important Message");
    lblMsg.SetCaption("Double click the list to select the professional fee of the doctor or Use the arrow keys "
                      "Up/Down to choose then press Enter Key.....");
    lblMsg.SetWordWrap(true);
    forms::Font heading = lblDoctor.Font();
    heading.Bold = true;
    lblDoctor.SetFont(heading);
    forms::Layout(*this)
        .Full(lblPatient)
        .Full(lblDoctor)
        .Full(mshFlexDoctorsFee, 2400)
        .Group(fraMessage, [this](forms::Layout& inside) { inside.Full(lblMsg, 720); })
        .FitFormHeight();
}

bool frmDoctorsFee::SearchRecord() {
    db::Recordset rs;
    rs.SetCursorLocation(db::CursorLocation::Client);
    rs.Open("Select TOP 1 1 from " + ActiveFees(DoctorCode), app.Connection(), db::CursorType::ForwardOnly,
            db::LockType::ReadOnly);
    const bool found = !rs.Eof();
    rs.Close();
    return found;
}

void frmDoctorsFee::Form_Load() {
    SelectedDoctorFee = 0;
    LoadFees();
}

void frmDoctorsFee::LoadFees() {
    mshFlexDoctorsFee.Clear();
    mshFlexDoctorsFee.SetCols(3);
    mshFlexDoctorsFee.SetRows(2);
    mshFlexDoctorsFee.SetColWidth(0, 0);
    mshFlexDoctorsFee.SetColWidth(1, 4000);
    mshFlexDoctorsFee.SetColWidth(2, 1000);
    db::Recordset rs;
    rs.SetCursorLocation(db::CursorLocation::Client);
    rs.Open("Select Description,Amount from " + ActiveFees(DoctorCode) + " Order By Description", app.Connection(),
            db::CursorType::ForwardOnly, db::LockType::ReadOnly);
    if (rs.Eof()) {
        mshFlexDoctorsFee.SetEnabled(false);
    } else {
        mshFlexDoctorsFee.SetDataSource(rs);
        mshFlexDoctorsFee.SetEnabled(true);
    }
    rs.Close();
    lblDoctor.SetCaption("List of Professional Fees of " + DoctorName);
}

void frmDoctorsFee::Form_KeyDown(int& KeyCode, int Shift) {
    (void)Shift;
    if (KeyCode != forms::vbKeyEscape)
        return;
    KeyCode = 0;
    Unload();
}

void frmDoctorsFee::mshFlexDoctorsFee_DblClick() { ChooseCurrentFee(); }

void frmDoctorsFee::mshFlexDoctorsFee_KeyPress(int& KeyAscii) {
    if (KeyAscii == forms::vbKeyReturn)
        ChooseCurrentFee();
}

void frmDoctorsFee::ChooseCurrentFee() {
    SelectedDoctorFee = vb::Val(mshFlexDoctorsFee.TextMatrix(mshFlexDoctorsFee.Row(), 2));
    Unload();
}

} // namespace ward
