#include "charges/frmCharge.h"

#include "core/App.h"
#include "core/HospitalSettings.h"
#include "core/frmCdfViewing.h"
#include "core/modCDF.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"
#include "platform/forms/Layout.h"
#include "platform/vb/Runtime.h"

#include <cmath>

namespace ward {

frmCharge::frmCharge(App& app)
    : ChargeEntryWindow(app, "Post Charges"),
      entry(app, mshflexEntry, txtEntry, lblMessage, ChargeEntryGrid(lvwDepartments)),
      itemEntry(app, *this, entry, txtId, txtRoom) {
    txtEntry.KeyDown = [this](int& KeyCode, int Shift) { txtEntry_KeyDown(KeyCode, Shift); };
    cmdCDF.Click = [this] { cmdCDF_Click(); };
    mshflexList.Click = [this] { mshflexList_Click(); };
    cmdCloseTank.Click = [this] { cmdCloseTank_Click(); };
    mshflexList.DblClick = [this] { mshflexList_DblClick(); };
    Command1.On(&forms::Control::Click, [this](int Index) { Command1_Click(Index); });
    cmdOption.On(&forms::Control::Click, [this](int Index) { cmdOption_Click(Index); });
}

void frmCharge::Design() {
    SetCaption("Post Charges");
    SetMDIChild(true);
    SetKeyPreview(true);
    SetInnerSize(12000, 9000);
    lblNotice.SetVisible(false);
    cmdClose.SetVisible(false);
    forms::Layout layout(*this);
    DesignHeader(layout, lblHeader);

    fraDepartments.SetCaption("Department Codes");
    fraMessage.SetCaption("Message");
    lvwDepartments.AddColumnHeader(0, "", "Code", 900);
    lvwDepartments.AddColumnHeader(0, "", "Department", 2400);
    lblDeptCode.SetVisible(true);
    layout.Row({{&fraDepartments, 3900}, {&fraMessage}, {&lblDeptCode, 900}}, 1500);
    forms::Layout(fraDepartments).Full(lvwDepartments, 1080);
    lblMessage.SetWordWrap(true);
    forms::Layout(fraMessage).Full(lblMessage, 900);

    mshflexEntry.SetRows(2);
    mshflexEntry.SetCols(19);
    layout.Full(mshflexEntry, 2400);
    txtEntry.SetVisible(false);

    lblNote.SetCaption(
        "NOTE:  To cancel charges, click on the list of charges entered. Use the arrow keys to choose and "
        "then press the Enter key or double-click the item.");
    lblNote.SetWordWrap(true);
    frOxLegend.SetCaption("Oxygen Tank  Status");
    lblLegend.Load(0).SetCaption("OPEN");
    lblLegend(0).SetBackColor(8454016);
    lblLegend.Load(1).SetCaption("CLOSED");
    lblLegend(1).SetBackColor(255);
    cmdCDF.SetCaption("CDF");
    cmdCDF.SetEnabled(false);
    layout.Row({{&lblNote}, {&frOxLegend, 2400}, {&cmdCDF, 900}}, 600);
    forms::Layout(frOxLegend).Row({{&lblLegend(0)}, {&lblLegend(1)}});

    fraList.SetCaption("List of Charges Entered");
    layout.Group(fraList, [&](forms::Layout& inside) { inside.Full(mshflexList, 1800); });
    txtMessage.SetText("No Charges Entered");
    txtMessage.SetLocked(true);
    txtMessage.SetOverlay(true);
    txtMessage.Move(mshflexList.Left() + 600, mshflexList.Top() + 600, 3000, 315);

    const char* captions[] = {"&Save", "&Ignore", "E&xit", "&Refresh", "&Delete"};
    for (int i = 0; i < 5; ++i)
        Command1.Load(i).SetCaption(captions[i]);
    cmdOption.Load(0).SetCaption("Reprint");
    cmdOption(0).SetEnabled(false);
    cmdOption.Load(1).SetCaption("Revoke");
    cmdOption(1).SetEnabled(false);
    cmdCloseTank.SetCaption("Close Tank");
    layout
        .Buttons({&cmdOption(0), &cmdOption(1), &cmdCloseTank, &Command1(0), &Command1(1), &Command1(2), &Command1(3),
                  &Command1(4)})
        .FitFormHeight();
}

void frmCharge::Form_Load() {
    app.ChargeSlipAllocated = false;
    entry.SetUp();
    mshflexList.SetEnabled(false);
    cmdOption(0).SetEnabled(false);
    cmdOption(1).SetEnabled(false);
    cmdCDF.SetEnabled(CheckCDFCoverage(app, app.CurIdNum, app.CurHospNum));
    const bool tanks = app.Parameters().AllowOpenCloseTank();
    lblNote.SetVisible(!tanks);
    frOxLegend.SetVisible(tanks);
    cmdCloseTank.SetVisible(tanks);
}

void frmCharge::Form_Activate() { ListPostedCharges(); }

void frmCharge::Form_KeyDown(int& KeyCode, int Shift) {
    (void)Shift;
    entry.FormKeyDown(KeyCode);
}

void frmCharge::Form_KeyPress(int& KeyAscii) { EntryGrid::FormKeyPress(KeyAscii); }

void frmCharge::txtEntry_KeyDown(int& KeyCode, int Shift) {
    (void)Shift;
    itemEntry.txtEntry_KeyDown(KeyCode);
}

void frmCharge::cmdCDF_Click() { app.Forms.Instance<frmCdfViewing>().ShowModal(); }

void frmCharge::ListPostedCharges() {
    mshflexList.Clear();
    mshflexList.SetRedraw(false);
    mshflexList.SetRows(2);
    mshflexList.SetFormatString("  |<Dept. |<Item. #|< Item   Description    |<QTY|<Amount |<ChargeSlip #");
    mshflexList.SetCols(8);
    const int W = mshflexList.Width();
    mshflexList.SetColWidth(0, 1);
    mshflexList.SetColWidth(1, W / 15);
    mshflexList.SetColWidth(2, W / 13);
    mshflexList.SetColWidth(3, vb::CLng(mshflexList.ColWidth(1) * 7.5));
    mshflexList.SetColWidth(4, W / 20);
    mshflexList.SetColWidth(5, app.IsShowAmount ? mshflexList.ColWidth(1) * 2 + 60 : 0);
    mshflexList.SetColWidth(6, mshflexList.ColWidth(1) * 2 + 160);
    mshflexList.SetColWidth(7, 2000);

    app.Connection().SetCursorLocation(db::CursorLocation::Client);
    db::Recordset rs = app.Connection().Open("STATION..List_All_SUCharges " + db::SqlQuote(txtPno.Text()) + "," +
                                                 db::SqlQuote(txtId.Text()) + "," + db::SqlQuote(app.StationID),
                                             db::CursorType::Static, db::LockType::ReadOnly);
    const bool listed = !rs.Eof();
    if (!listed) {
        mshflexList.SetEnabled(false);
        txtMessage.SetVisible(true);
        mshflexList.SetRows(2);
    } else {
        mshflexList.SetDataSource(rs);
        txtMessage.SetVisible(false);
        mshflexList.SetEnabled(true);
    }
    mshflexList.SetRedraw(true);
    rs.Close();
    MarkCancelledCharges();
    if (listed && app.Parameters().AllowOpenCloseTank())
        MarkOxygenTanks();
}

void frmCharge::MarkCancelledCharges() {
    mshflexList.SetVisible(false);
    for (int row = mshflexList.FixedRows(); row < mshflexList.Rows(); ++row) {
        if (vb::Left(mshflexList.TextMatrix(row, 4), 1) != "-")
            continue;
        SelectListRow(row);
        mshflexList.SetFillStyle(forms::flexFillRepeat);
        mshflexList.SetCellForeColor(255);
        mshflexList.SetFillStyle(forms::flexFillSingle);
    }
    mshflexList.SetRow(mshflexList.FixedRows());
    mshflexList.SetCol(mshflexList.FixedCols());
    mshflexList.SetVisible(true);
}

void frmCharge::mshflexList_Click() {
    const int row = mshflexList.Row();
    const clsParameters& parameters = app.Parameters();
    const bool tankPosting = mshflexList.Cols() > 8 && vb::Trim(mshflexList.TextMatrix(row, 1)) == "OX" &&
                             parameters.AllowOpenCloseTank() &&
                             parameters.OXTankItemCode() == vb::Trim(mshflexList.TextMatrix(row, 2));
    cmdCloseTank.SetEnabled(tankPosting && mshflexList.TextMatrix(row, 8) != "AUTO");
    cmdOption(0).SetEnabled(app.IsPrintChargeSlip);
    cmdOption(1).SetEnabled(true);
    cmdOption(1).SetVisible(true);
}

} // namespace ward
