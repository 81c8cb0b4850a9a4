#include "core/PhilHealthRules.h"

#include "core/App.h"
#include "core/RecordsetChecks.h"
#include "platform/db/SqlText.h"
#include "platform/forms/Constants.h"
#include "platform/vb/Runtime.h"

#include <optional>

namespace ward {

namespace {

// The first row's column as text (Null as an empty text), or nothing when no row comes back.
std::optional<std::string> FirstRowText(App& app, const std::string& sql, const std::string& column) {
    db::Recordset rs = app.Connection().Open(sql, db::CursorType::ForwardOnly, db::LockType::ReadOnly);
    std::optional<std::string> text;
    if (!rs.Eof())
        text = vb::ConcatText(rs.Fields(column));
    rs.Close();
    return text;
}

bool ReturnsRowOrShowError(App& app, const std::string& sql) {
    return AnswerOrShowError(app, false, [&] { return ReturnsRow(app, sql); });
}

} // namespace

bool HasStayedOneDay(App& app, const std::string& IdNum) {
    if (ReturnsRow(app, "STATION..CheckIfStayedOneDay " + db::SqlQuote(IdNum)))
        return true;
    app.Forms.MsgBox("PhilHealth requires a 24 hour hospital stay: you may not proceed until the time has expired.",
                     forms::vbInformation + forms::vbOKOnly, "Notification");
    return false;
}

bool IsValidPHICPatient(App& app, const std::string& IdNum) {
    return ReturnsRowOrShowError(app, "STATION..CheckIfValidPHICPatient " + db::SqlQuote(IdNum));
}

bool IsCF4Required(App& app, const std::string& IdNum) {
    return AnswerOrShowError(app, false, [&] {
        const std::string start = app.Parameters().RequireCF4Start();
        bool onOrAfterStart = true;
        if (!vb::Trim(start).empty()) {
            db::Recordset rs =
                app.Connection().Execute("SELECT 1 FROM Patient_Data.." +
                                         std::string(vb::Right(IdNum, 1) == "B" ? "tbOutPatient " : "tbPatient ") +
                                         "WHERE IDNum = " + db::SqlQuote(IdNum) +
                                         " AND CONVERT(varchar(10),AdmDate,121) >= " + db::SqlQuote(start));
            onOrAfterStart = rs.State() == db::ObjectState::Open && !rs.Eof();
            if (rs.State() == db::ObjectState::Open)
                rs.Close();
        }
        return onOrAfterStart && IsValidPHICPatient(app, IdNum);
    });
}

bool IsPNFItem(App& app, const std::string& ItemID) {
    return ReturnsRowOrShowError(app, "Station..CheckIfPNF " + db::SqlQuote(ItemID));
}

bool IsZPackageItem(App& app, const std::string& ItemID) {
    return ReturnsRowOrShowError(
        app, "select 1 from capd..tbcapdware_Invent where EntryType = 'ZPACKAGE AND CASERATE' and ItemID = " +
                 db::SqlQuote(ItemID));
}

bool CheckZFirstPackage(App& app, const std::string& IdNum) {
    return AnswerOrShowError(app, false, [&] {
        app.LastPDTransaction.clear();
        std::optional<std::string> last =
            FirstRowText(app, "Station..CheckZFirstPackagePx " + db::SqlQuote(IdNum), "LastPDTransaction");
        if (!last)
            return false;
        app.LastPDTransaction = *last;
        return true;
    });
}

bool IsPHRevenue(App& app, const std::string& RevenueID) {
    return ReturnsRowOrShowError(app, "SELECT 1 FROM BUILD_FILE..tbCoRevenueCode WHERE RevenueID = " +
                                          db::SqlQuote(RevenueID) + " AND StockCardRevenueID = 'PH'");
}

bool IsHMOPatient(App& app, const std::string& IdNum) {
    return AnswerOrShowError(app, false, [&] {
        return FirstRowText(app, "RADIOLOGY..Radiology_CheckIfHMO " + db::SqlQuote(vb::Trim(IdNum)), "Class") ==
               std::optional<std::string>("P");
    });
}

bool IsInternationalPatient(App& app, const std::string& IdNum) {
    return AnswerOrShowError(app, false, [&] {
        return FirstRowText(app, "STATION..CheckIfInternational " + db::SqlQuote(IdNum), "isInternational") ==
               std::optional<std::string>("Y");
    });
}

bool IsCompanyAccount(App& app, const std::string& IdNum) {
    db::Recordset rs;
    rs.SetCursorLocation(db::CursorLocation::Client);
    rs.Open("Select isnull(HospNum,'') as HospNum,isnull(AccountNum,'') as AccountNum  From PATIENT_DATA..tbpatient "
            " Where Idnum = " +
                db::SqlQuote(IdNum),
            app.Connection());
    const bool company =
        rs.RecordCount() >= 1 && vb::ConcatText(rs.Fields("AccountNum")) != vb::ConcatText(rs.Fields("HospNum"));
    rs.Close();
    return company;
}

} // namespace ward
