#include "charges/ChargePosting.h"

#include "core/App.h"
#include "core/Rates.h"
#include "platform/db/SqlText.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/Format.h"
#include "platform/vb/Strings.h"

namespace ward {

namespace {

std::string QuotedValues(const std::vector<std::string>& values) {
    std::string arguments;
    for (const std::string& value : values)
        arguments += (arguments.empty() ? "" : ",") + db::SqlQuote(value);
    return arguments;
}

} // namespace

std::string BareNumber(double value) {
    if (value == 0)
        value = 0; // a negated zero
    return vb::CStr(value);
}

std::string BareNumber(const std::string& text) { return BareNumber(vb::Val(text)); }

std::string PostingDateTime(const vb::Date& date) { return vb::Format(date, "mm/dd/yyyy hh:mm:ss AM/PM"); }

std::string StockRevenueCode(App& app, const std::string& LocationID) {
    return GetInventoryType(app, LocationID) == "C" ? "CS" : "PH";
}

components::StockCardArguments StockCardArguments(const StockCardLine& line) {
    components::StockCardArguments arguments(26);
    auto put = [&arguments](std::size_t position, vb::Variant value) { arguments[position - 1] = std::move(value); };
    put(1, line.HospNum);
    put(2, line.IdNum);
    put(3, line.ItemID);
    put(4, PostingDateTime(line.Date));
    put(5, line.RefNum);
    put(6, line.Quantity);
    put(7, std::int16_t{0});
    put(8, line.Amount);
    put(9, line.UserID);
    put(10, line.DosageID);
    put(11, std::string());
    put(12, line.LocationID);
    put(13, std::string());
    put(14, line.RoomID);
    put(15, std::int16_t{1});
    put(16, line.RevenueID);
    put(17, line.RevenueID);
    if (!line.EntryType.empty())
        put(19, line.EntryType);
    put(22, line.PatientType);
    put(26, std::int16_t{0});
    return arguments;
}

std::string AppendChargingStatement(const ChargingLine& line) {
    std::vector<std::string> values = {line.HospNum,         line.IdNum,
                                       line.ItemID,          line.Amount,
                                       line.Quantity,        vb::Format(line.Date, "MM/DD/YYYY hh:mm:ss AM/PM"),
                                       line.RevenueID,       "X",
                                       line.UserID,          line.Description,
                                       line.PatientType,     "D",
                                       line.RoomID,          line.StationID,
                                       line.DoctorCode,      vb::Trim(line.ChargeSlip),
                                       vb::Trim(line.ARCode)};
    if (line.DoctorName)
        values.push_back(*line.DoctorName);
    return "STATION..Nurse_AppendCharging " + QuotedValues(values);
}

std::string UpdateChargingStatement(const std::vector<std::string>& values) {
    return "STATION..Nurse_UpdateCharging " + QuotedValues(values);
}

std::string SaveChargePrintStatement(const std::string& ItemID, const std::string& Amount, const std::string& Quantity,
                                     const std::string& RevenueID, const std::string& Description) {
    return "STATION..sp_SCN_SaveChargePrint " + db::SqlQuote(ItemID) + "," + db::SqlQuote(Amount) + "," +
           db::SqlQuote(Quantity) + "," + db::SqlQuote(RevenueID) + "," + db::SqlQuote(Description);
}

std::string BillAdjustmentStatement(const BillAdjustment& adjustment) {
    return "Station..sp_Nurse_Append_tbBillAdjustInfo " + db::SqlQuote(adjustment.IdNum) + "," +
           db::SqlQuote(adjustment.RevenueID) + "," + db::SqlQuote(adjustment.ItemID) + "," +
           BareNumber(adjustment.Amount) + "," + db::SqlQuote(adjustment.SupervisorID) + "," +
           BareNumber(adjustment.Quantity) + "," + db::SqlQuote(adjustment.RefNum) + "," +
           db::SqlQuote(adjustment.Remark);
}

} // namespace ward
