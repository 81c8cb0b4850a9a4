#include "core/PharmacyRules.h"

#include "core/App.h"
#include "core/ErrorReporting.h"
#include "core/RecordsetChecks.h"
#include "platform/db/SqlText.h"
#include "platform/forms/Constants.h"
#include "platform/vb/Runtime.h"

namespace ward {

namespace {

int ErrorNumber(const std::exception& error) {
    const auto* numbered = dynamic_cast<const vb::VbError*>(&error);
    return numbered ? numbered->Number() : 0;
}

// The licence checks log the error before they show it. The message is shown even when the log cannot be written:
// the nurse must still learn that the check did not run.
bool CountLicenceRows(App& app, const std::string& sql, const std::string& source) {
    try {
        return CountRows(app, sql, db::CursorType::Dynamic, db::LockType::Optimistic) > 0;
    } catch (const std::exception& error) {
        try {
            WriteErrorLog(app, "Tessun Nurse", app.ValidatedUserID, error.what(), source);
        } catch (const std::exception&) {
        }
        ShowErrorMessage(app, error);
        return false;
    }
}

} // namespace

bool CheckNotAdministeredMeds(App& app, const std::string& IdNum, const std::string& Code, std::int16_t Mode) {
    try {
        db::Recordset rs = app.Connection().Open("STATION..Check_NotAdministeredMeds " + db::SqlQuote(IdNum) + "," +
                                                     db::SqlQuote(Code) + "," + db::SqlQuote(std::to_string(Mode)),
                                                 db::CursorType::Dynamic, db::LockType::Optimistic);
        bool unused = false;
        if (!rs.Eof())
            unused = vb::IsTrue(vb::Greater(rs.Fields("Unused"), std::int32_t{0}));
        rs.Close();
        return unused;
    } catch (const std::exception& error) {
        app.Forms.MsgBox(std::string(error.what()) + "  " + std::to_string(ErrorNumber(error)),
                         forms::vbCritical + forms::vbOKOnly, "Warning");
        return false;
    }
}

bool HasFinalDischargeNotice(App& app, const std::string& IdNum) {
    return ReturnsRow(app, "SELECT TOP 1 1 FROM STATION..TBNURSEDISCHARGENOTICE WHERE IDNUM = " +
                               db::SqlQuote(vb::Trim(IdNum)) + " AND (RECORDSTATUS = 'F' OR RECORDSTATUS = 'P') ");
}

double GetTotalPHRequests(App& app, const std::string& IdNum) {
    return AnswerOrShowError(app, 0.0, [&] {
        db::Recordset rs = app.Connection().Open("Station..GetTotalPHCharges_Requests " + db::SqlQuote(IdNum),
                                                 db::CursorType::ForwardOnly, db::LockType::ReadOnly);
        double total = 0;
        if (!rs.Eof())
            total = vb::Val(vb::CStr(rs.Fields("TotalPH")));
        rs.Close();
        return total;
    });
}

bool CheckRegulatedDrug(App& app, const std::string& ItemID) {
    return CountLicenceRows(app,
                            "SELECT TOP 1 1 FROM INVENTORY..TBINVMASTER WHERE ItemID = " + db::SqlQuote(ItemID) +
                                " AND ISNULL(ItemClassificationID,'') <> '' AND ISNULL(ItemClassificationID,'') = " +
                                db::SqlQuote(app.Parameters().RegulatedDrugsClassID()),
                            "CheckRegulatedDrug (fn)");
}

bool CheckS2License(App& app, const std::string& DoctorID) {
    return CountLicenceRows(app,
                            "SELECT TOP 1 1 FROM BUILD_FILE..tbCoDoctor WHERE DoctorID = " + db::SqlQuote(DoctorID) +
                                " AND ISNULL(S2Number,'') <> ''",
                            "CheckS2License (fn)");
}

bool IsValidQuantity(App& app, const std::string& Text) {
    if (app.Parameters().AllowDecimalQty())
        return true;
    for (char c : Text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

} // namespace ward
