#include "charges/ChargePosting.h"
#include "charges/ChargeSlipNumbers.h"
#include "charges/frmCharge.h"

#include "core/AccountChecks.h"
#include "core/App.h"
#include "core/ErrorReporting.h"
#include "core/ModuleHelpers.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"
#include "platform/vb/Runtime.h"
#include "shell/frmRequestingDoctor.h"
#include "shell/frmTransaction_UserValidation.h"
#include "shell/mdiOrMenu.h"

namespace ward {

void frmCharge::Command1_Click(int Index) {
    switch (Index) {
    case 0:
        SaveCharges();
        break;
    case 1:
        entry.IgnoreRows();
        break;
    case 2:
        Unload();
        break;
    case 3:
        ListPostedCharges();
        break;
    case 4:
        entry.DeleteCurrentRow(*this);
        break;
    }
}

void frmCharge::SaveCharges() {
    if (!MaySave())
        return;
    if (MsgBox("Please verify that the item(s) entered are true and correct. Especially the Department Code and the "
               "Item Code of the Procedure/Item.\n\rDo you want to proceed in saving this charge(s)?",
               forms::vbYesNo + forms::vbInformation, "Important Message") == forms::vbNo)
        return;
    if (!ValidateActingNurse("Selected charge(s) will not be saved. \r\nAre you sure you want to save this Charge(s)?"))
        return;
    Command1(0).SetEnabled(false);
    const bool doctorAsked = HasICRow(mshflexEntry);
    if (doctorAsked)
        app.Forms.Get<frmRequestingDoctor>().ShowModal();
    std::string slip;
    int tanksOpened = 0;
    try {
        RefreshServerDate(app);
        db::TransactionGuard transaction(app.Connection());
        slip = PostCompleteRows(doctorAsked, tanksOpened);
        transaction.Commit();
    } catch (const std::exception& error) {
        app.ChargeSlipAllocated = false;
        Command1(0).SetEnabled(true);
        ShowErrorMessage(app, error);
        return;
    }
    for (int tank = 0; tank < tanksOpened; ++tank)
        MsgBox("Oxygen tank successfully opened.", forms::vbInformation, "Notification");
    mshflexEntry.Clear();
    Form_Load();
    if (txtEntry.Visible())
        txtEntry.SetFocus();
    Command1(0).SetEnabled(true);
    if (app.IsPrintChargeSlip) {
        try {
            PrintSavedChargeSlip(slip);
        } catch (const std::exception& error) {
            ShowErrorMessage(app, error);
        }
    }
    ListPostedCharges();
    ShowNextChargeSlipOnMainWindow();
}

// Refusals before any question: nothing to save, no patient, no complete row; rows left incomplete are named.
bool frmCharge::MaySave() {
    const int rows = mshflexEntry.Rows();
    std::string incomplete;
    bool anyComplete = false;
    for (int row = 1; row < rows; ++row) {
        if (entry.IsRowComplete(row))
            anyComplete = true;
        else if (entry.RowHasEntries(row))
            incomplete += (incomplete.empty() ? "" : ", ") + mshflexEntry.TextMatrix(row, 0);
    }
    if (rows == 2) {
        MsgBox("Can't save a blank charge. Enter a charge first.", forms::vbExclamation);
        mshflexEntry.SetFocus();
        return false;
    }
    if (vb::Trim(txtId.Text()).empty()) {
        MsgBox("No patient is selected. The charge(s) will not be saved.", forms::vbExclamation, "Message");
        return false;
    }
    if (!anyComplete) {
        MsgBox("Can't save a blank charge. Enter a charge first.", forms::vbExclamation);
        mshflexEntry.SetFocus();
        return false;
    }
    if (!incomplete.empty() &&
        MsgBox("Row(s) " + incomplete + " are incomplete and will not be saved.\r\nDo you want to proceed?",
               forms::vbYesNo + forms::vbExclamation, "Message") == forms::vbNo)
        return false;
    return true;
}

bool frmCharge::ValidateActingNurse(const std::string& retryQuestion) {
    for (;;) {
        app.Forms.Get<frmTransaction_UserValidation>().ShowModal();
        if (!app.ValidatedUserID.empty())
            return true;
        if (MsgBox(retryQuestion, forms::vbYesNo + forms::vbInformation, "Message") == forms::vbNo)
            return false;
    }
}

std::string frmCharge::PostCompleteRows(bool doctorAsked, int& tanksOpened) {
    std::string slip;
    const int rows = mshflexEntry.Rows();
    for (int row = 1; row < rows; ++row)
        if (entry.IsRowComplete(row))
            PostRow(row, slip, doctorAsked, tanksOpened);
    return slip;
}

void frmCharge::PostRow(int row, std::string& slip, bool doctorAsked, int& tanksOpened) {
    auto cell = [this, row](int col) { return mshflexEntry.TextMatrix(row, col); };
    db::Connection& connection = app.Connection();
    TakeChargeSlipNumber(app, ChargeSlipSeries::ChargeWindow, txtId.Text(), slip);
    const std::string dept = vb::Trim(cell(1));
    if (!vb::Trim(cell(7)).empty()) {
        StockCardLine line;
        line.HospNum = txtPno.Text();
        line.IdNum = txtId.Text();
        line.ItemID = cell(2);
        line.Date = app.ServerDate;
        line.RefNum = slip;
        line.Quantity = vb::Val(cell(4));
        line.Amount = vb::Val(cell(6));
        line.UserID = app.ValidatedUserID;
        line.DosageID = cell(18);
        line.LocationID = cell(7);
        line.RoomID = txtRoom.Text();
        line.RevenueID = StockRevenueCode(app, cell(7));
        app.DrugObject->Drug().AppendStockCard(StockCardArguments(line));
        connection.Execute(SaveChargePrintStatement(cell(2), cell(6), cell(4), cell(1), cell(3)));
    } else {
        ChargingLine line;
        line.HospNum = txtPno.Text();
        line.IdNum = txtId.Text();
        line.ItemID = cell(2);
        line.Amount = cell(6);
        line.Quantity = cell(4);
        line.Date = app.ServerDate;
        line.RevenueID = cell(1);
        line.UserID = app.ValidatedUserID;
        line.Description = cell(3);
        line.PatientType = "I";
        line.RoomID = txtRoom.Text();
        line.StationID = lblDeptCode.Caption();
        line.DoctorCode = doctorAsked ? app.RequestingDoctorCode : "";
        line.ChargeSlip = slip;
        line.ARCode = cell(8);
        line.DoctorName = doctorAsked ? app.RequestingDoctorName : "";
        connection.Execute(AppendChargingStatement(line));
        if (dept == "OX" && app.Parameters().AllowOpenCloseTank() &&
            vb::Trim(cell(2)) == app.Parameters().OXTankItemCode()) {
            OpenOxygenTank(row, slip);
            ++tanksOpened;
        }
    }
    if (dept == "OX" && vb::Val(vb::Trim(cell(11))) > 0)
        connection.Execute("STATION..sp_Save_Oxygen_Monitoring " + db::SqlQuote(vb::Trim(txtId.Text())) + "," +
                           db::SqlQuote(slip) + "," + db::SqlQuote(vb::Trim(cell(2))) + "," +
                           BareNumber(vb::Trim(cell(12))) + "," + BareNumber(vb::Trim(cell(13))) + "," +
                           db::SqlQuote(vb::Trim(cell(4))) + "," + db::SqlQuote(vb::Trim(cell(6))) + "," +
                           BareNumber(vb::Trim(cell(14))) + "," + db::SqlQuote(app.ValidatedUserID) + "," +
                           db::SqlQuote(app.StationID));
    // Cell 11 of an oxygen row is its reading flag; elsewhere it names the supervisor who approved a price edit.
    if (app.ClientName == "KELBA" && dept != "OX" && !vb::Trim(cell(11)).empty())
        connection.Execute("STATION..sp_Save_Supervisor_Transaction " + db::SqlQuote(txtId.Text()) + "," +
                           db::SqlQuote(cell(1)) + "," + db::SqlQuote(cell(2)) + "," + db::SqlQuote(cell(11)) + "," +
                           db::SqlQuote(slip) + "," + db::SqlQuote("Editing of Unit Price") + "," +
                           BareNumber(cell(10)) + "," + BareNumber(cell(5)));
}

void frmCharge::OpenOxygenTank(int row, const std::string& slip) {
    auto cell = [this, row](int col) { return mshflexEntry.TextMatrix(row, col); };
    db::Connection& connection = app.Connection();
    const std::string idNum = db::SqlQuote(txtId.Text());
    connection.Execute("Station..sp_OpenCloseTank " + db::SqlQuote(app.StationID) + ", " + db::SqlQuote(txtPno.Text()) +
                       ", " + idNum + "," + db::SqlQuote(cell(2)) + "," +
                       db::SqlQuote(PostingDateTime(app.ServerDate)) + "," +
                       db::SqlQuote(vb::Trim(app.ValidatedUserID)) + ", '0'");
    connection.Execute("Update Station..tbOpenClosetank Set Refnum = " + db::SqlQuote(slip) +
                       ", Quantity = " + db::SqlQuote(cell(4)) + ", Amount = " + db::SqlQuote(cell(5)) +
                       " Where IDNum = " + idNum + " And Status = 1");
    if (!app.Parameters().PipeOXNoInitialCharge())
        return;
    connection.Execute("Update Station..tbNurseLogBook Set Amount = 0 Where IDNum = " + idNum +
                       " And ReferenceNum = " + db::SqlQuote(slip) + " and ItemID = " + db::SqlQuote(cell(2)));
    connection.Execute("Update Billing..tbBillDailyBill Set Amount = 0 Where IDNum = " + idNum +
                       " And RefNum = " + db::SqlQuote(slip) + " and ItemID = " + db::SqlQuote(cell(2)));
}

void frmCharge::ShowNextChargeSlipOnMainWindow() { ShowNextChargeSlip(app, app.Forms.Instance<mdiOrMenu>().lblCS); }

} // namespace ward
