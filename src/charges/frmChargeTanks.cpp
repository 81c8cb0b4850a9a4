#include "charges/OxygenTanks.h"
#include "charges/frmCharge.h"
#include "core/App.h"
#include "core/ErrorReporting.h"
#include "core/ModuleHelpers.h"
#include "core/RecordsetChecks.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"
#include "platform/vb/Runtime.h"
#include "shell/frmTransaction_UserValidation.h"

namespace ward {

namespace {

constexpr forms::Color kOpenTank = 8454016;
constexpr forms::Color kClosedTank = 255;

std::string TankRow(const std::string& RefNum, const std::string& IdNum) {
    return "WHERE IDNUM = " + db::SqlQuote(IdNum) + " and Refnum = " + db::SqlQuote(RefNum);
}

} // namespace

// A failed query is shown and answers False: the tank then counts as open.
bool frmCharge::IsTankClosed(const std::string& RefNum, const std::string& IdNum, bool quiet) {
    return AnswerOrShowError(app, false, [&] {
        if (ReturnsRow(app, "Select 1 from STATION..tbOpenClosetank " + TankRow(RefNum, IdNum) + " and Status = 1"))
            return false;
        if (!quiet)
            MsgBox("Sorry, this tank is already closed.", forms::vbOKOnly + forms::vbCritical, "Warning");
        return true;
    });
}

bool frmCharge::TankRecordExists(const std::string& RefNum, const std::string& IdNum) {
    try {
        return ReturnsRow(app, "Select 1 from STATION..tbOpenClosetank " + TankRow(RefNum, IdNum));
    } catch (const std::exception&) {
        return false;
    }
}

bool frmCharge::IsTankPosting(int row) {
    const clsParameters& parameters = app.Parameters();
    return vb::Trim(mshflexList.TextMatrix(row, 1)) == "OX" &&
           vb::Trim(mshflexList.TextMatrix(row, 2)) == parameters.OXTankItemCode() &&
           vb::Trim(mshflexList.TextMatrix(row, 8)) != "AUTO" && vb::Val(mshflexList.TextMatrix(row, 4)) > 0;
}

void frmCharge::SelectListRow(int row) {
    mshflexList.SetRow(row);
    mshflexList.SetCol(mshflexList.FixedCols());
    mshflexList.SetRowSel(row);
    mshflexList.SetColSel(mshflexList.Cols() - 1);
}

void frmCharge::MarkOxygenTanks() {
    if (mshflexList.Cols() <= 8)
        return;
    for (int row = mshflexList.FixedRows(); row < mshflexList.Rows(); ++row) {
        if (!IsTankPosting(row))
            continue;
        const std::string slip = mshflexList.TextMatrix(row, 6);
        if (!TankRecordExists(slip, txtId.Text()))
            continue;
        SelectListRow(row);
        mshflexList.SetFillStyle(forms::flexFillRepeat);
        mshflexList.SetCellBackColor(IsTankClosed(slip, txtId.Text(), true) ? kClosedTank : kOpenTank);
        mshflexList.SetFillStyle(forms::flexFillSingle);
    }
    mshflexList.SetRow(mshflexList.FixedRows());
    mshflexList.SetCol(mshflexList.FixedCols());
}

void frmCharge::cmdCloseTank_Click() {
    try {
        CloseTank();
    } catch (const std::exception& error) {
        ShowErrorMessage(app, error);
    }
}

void frmCharge::CloseTank() {
    const int row = mshflexList.Row();
    if (vb::Trim(mshflexList.TextMatrix(row, 1)) != "OX" ||
        app.Parameters().OXTankItemCode() != vb::Trim(mshflexList.TextMatrix(row, 2))) {
        MsgBox("Please select oxygen tank to close.", forms::vbOKOnly + forms::vbInformation, "Notification");
        return;
    }
    const std::string slip = mshflexList.TextMatrix(row, 6), idNum = txtId.Text();
    if (IsTankClosed(slip, idNum, false))
        return;
    if (MsgBox("Are you sure you want to close this tank?",
               forms::vbYesNo + forms::vbInformation + forms::vbDefaultButton2, "Confirmation") != forms::vbYes)
        return;
    app.Forms.Get<frmTransaction_UserValidation>().ShowModal();
    if (app.ValidatedUserID.empty())
        return;
    {
        // The piped oxygen is computed once per closing: both writes stand or fall together.
        db::TransactionGuard transaction(app.Connection());
        app.Connection().Execute("Station..Nurse_ComputePipeOxygen " + db::SqlQuote(idNum));
        RefreshServerDate(app);
        app.Connection().Execute(
            "Update Station..tbOpenCloseTank Set CloseBy = " + db::SqlQuote(app.ValidatedUserID) +
            ", Status = '0', ClosingTime = " +
            db::SqlQuote(vb::Format(vb::Variant(app.ServerDate), "MM/DD/YYYY hh:mm:ss AM/PM")) +
            " Where IDNum = " + db::SqlQuote(idNum) + " and RefNum = " + db::SqlQuote(slip) + " And Status = 1");
        transaction.Commit();
    }
    MsgBox("Tank successfully closed.", forms::vbOKOnly + forms::vbInformation, "Notification");
    cmdCloseTank.SetEnabled(false);
    ListPostedCharges();
}

} // namespace ward
