#include "charges/ChargePosting.h"
#include "charges/frmCharge.h"

#include "core/App.h"
#include "core/ErrorReporting.h"
#include "core/HospitalSettings.h"
#include "core/ModuleHelpers.h"
#include "core/Rates.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"
#include "platform/vb/Runtime.h"
#include "shell/UserRights.h"
#include "shell/frmSupervisorAccessCode.h"
#include "shell/frmTransaction_UserValidation.h"

namespace ward {

namespace {

const char* const kCancelRetryQuestion =
    "Selected charge(s) will not be cancelled! \r\nAre you sure you want to Cancel this Charge(s)?";

} // namespace

void frmCharge::mshflexList_DblClick() { CancelPostedCharge(); }

void frmCharge::cmdOption_Click(int Index) {
    try {
        if (Index == 0)
            ReprintChargeSlip();
        else
            CancelPostedCharge();
    } catch (const std::exception& error) {
        ShowErrorMessage(app, error);
    }
}

// Every gate first; then the reversal and its records in one transaction, and the list loaded again.
void frmCharge::CancelPostedCharge() {
    const int row = mshflexList.Row();
    cmdOption(0).SetEnabled(false);
    cmdOption(1).SetEnabled(true);
    if (!MayCancel(row))
        return;
    try {
        RefreshServerDate(app);
        const std::string arCode = GetARCode(app, mshflexList.TextMatrix(row, 1), "ICU", "2");
        db::TransactionGuard transaction(app.Connection());
        if (!vb::Trim(mshflexList.TextMatrix(row, 9)).empty())
            ReverseStockItem(row);
        else
            UpdateCancelledCharge(row, arCode);
        transaction.Commit();
    } catch (const std::exception& error) {
        ShowErrorMessage(app, error);
        return;
    }
    ListPostedCharges();
}

bool frmCharge::MayCancel(int row) {
    auto cell = [this, row](int col) { return mshflexList.TextMatrix(row, col); };
    if (row < mshflexList.FixedRows() || vb::Trim(cell(2)).empty() || vb::Trim(cell(6)).empty()) {
        MsgBox("Please select a charge from the list of charges entered.", forms::vbInformation, "Message");
        return false;
    }
    db::Recordset rs =
        app.Connection().Open("STATION..sp_VerifySCN_Charges " + db::SqlQuote(txtId.Text()) + "," +
                                  db::SqlQuote(cell(2)) + "," + db::SqlQuote(cell(6)) + "," + db::SqlQuote(cell(1)),
                              db::CursorType::ForwardOnly, db::LockType::ReadOnly);
    const bool nothingStanding = !rs.Eof() && vb::CDbl(rs.Fields("Amount")) <= 0;
    rs.Close();
    if (nothingStanding) {
        MsgBox("Can't Cancel this Charges. The Total Amount is already Zero.", forms::vbCritical, "Message");
        return false;
    }
    if (MsgBox("Are you sure you want to Cancel this Charge?", forms::vbYesNo + forms::vbQuestion) == forms::vbNo)
        return false;
    for (;;) {
        frmTransaction_UserValidation& validation = app.Forms.Get<frmTransaction_UserValidation>();
        validation.PostOrCancel = 1;
        validation.ShowModal();
        if (!app.ValidatedUserID.empty())
            break;
        if (MsgBox(kCancelRetryQuestion, forms::vbYesNo + forms::vbInformation, "Message") == forms::vbNo)
            return false;
    }
    if (!HasUserRight(app, "22", app.ValidatedUserID)) {
        MsgBox("Sorry you don't have access right to Cancel Charge(s).", forms::vbInformation, "Message");
        return false;
    }
    for (;;) {
        LoadHospitalSettings(app);
        if (!app.IsAllowSupervisorCodeForCancellationOfCharges) {
            app.SupervisorID = "";
            break;
        }
        app.Forms.Get<frmSupervisorAccessCode>().ShowModal();
        if (!vb::Trim(app.SupervisorID).empty())
            break;
        if (MsgBox(kCancelRetryQuestion, forms::vbYesNo + forms::vbInformation, "Message") == forms::vbNo)
            return false;
    }
    // The room sent with a cancelled service is the admission's; the patient search may hold another one.
    if (vb::Trim(cell(9)).empty() && !app.PatientSearch->ValidateAdmission(vb::Trim(txtId.Text()))) {
        MsgBox("No records found.", forms::vbInformation, "Message");
        return false;
    }
    return true;
}

void frmCharge::ReverseStockItem(int row) {
    auto cell = [this, row](int col) { return mshflexList.TextMatrix(row, col); };
    const std::string revenue = StockRevenueCode(app, cell(9));
    StockCardLine line;
    line.HospNum = txtPno.Text();
    line.IdNum = txtId.Text();
    line.ItemID = cell(2);
    line.Date = app.ServerDate;
    line.RefNum = cell(6);
    line.Quantity = -vb::Val(cell(4));
    line.Amount = -vb::Val(cell(5));
    line.UserID = app.ValidatedUserID;
    line.DosageID = mshflexList.Cols() > 11 ? cell(11) : "";
    line.LocationID = cell(9);
    line.RoomID = txtRoom.Text();
    line.RevenueID = revenue;
    line.EntryType = "D";
    app.DrugObject->Drug().AppendStockCard(StockCardArguments(line));
    BillAdjustment adjustment;
    adjustment.IdNum = vb::Trim(txtId.Text());
    adjustment.RevenueID = revenue;
    adjustment.ItemID = vb::Trim(cell(2));
    adjustment.Amount = -vb::Val(cell(5));
    adjustment.SupervisorID = vb::Trim(app.SupervisorID);
    adjustment.Quantity = -vb::Val(cell(4));
    adjustment.RefNum = cell(6);
    adjustment.Remark = vb::Trim(app.ApprovalRemark);
    app.Connection().Execute(BillAdjustmentStatement(adjustment));
}

void frmCharge::UpdateCancelledCharge(int row, const std::string& arCode) {
    auto cell = [this, row](int col) { return mshflexList.TextMatrix(row, col); };
    db::Connection& connection = app.Connection();
    connection.Execute(
        UpdateChargingStatement({txtPno.Text(), txtId.Text(), cell(2), cell(5), cell(4),
                                 vb::Format(app.ServerDate, "MM/DD/YYYY hh:mm:ss AM/PM"), cell(1), app.ValidatedUserID,
                                 "I", "C", app.PatientSearch->Admission().Room.RoomID, cell(6), arCode,
                                 vb::Trim(app.SupervisorID), vb::Trim(app.ApprovalRemark)}));
    if (vb::Trim(cell(1)) == "OX" && app.Parameters().AllowOpenCloseTank() &&
        vb::Trim(cell(2)) == app.Parameters().OXTankItemCode())
        connection.Execute("Update Station..tbOpenClosetank Set Status = '0', ClosingTime = getdate(), closeby = " +
                           db::SqlQuote(app.ValidatedUserID) + " Where IDNum = " + db::SqlQuote(txtId.Text()) +
                           " And  Refnum = " + db::SqlQuote(cell(6)) + " and Status = 1");
}

} // namespace ward
