#pragma once

#include "components/DrugComponent.h"
#include "platform/vb/DateTime.h"

#include <optional>
#include <string>
#include <vector>

namespace ward {

class App;

// A number written bare into SQL text: the leading number of the text in plain decimal, 0 when there is none, and
// never "-0".
std::string BareNumber(const std::string& text);
std::string BareNumber(double value);

// How a save and a cancellation stamp their statements with the server's date.
std::string PostingDateTime(const vb::Date& date);

// "CS" for a stock item of a central-supply location, else "PH".
std::string StockRevenueCode(App& app, const std::string& LocationID);

// One stock-card line of a charged item, or of its reversal (negative quantity and amount, entry type "D").
struct StockCardLine {
    std::string HospNum;
    std::string IdNum;
    std::string ItemID;
    vb::Date Date;
    std::string RefNum; // the charge slip
    double Quantity = 0;
    double Amount = 0;
    std::string UserID;
    std::string DosageID;
    std::string LocationID;
    std::string RoomID;
    std::string RevenueID;
    std::string EntryType;         // empty for a charge, which leaves the position out
    std::string PatientType = "I"; // "I" in-patient, "O" out-patient
};
// The 26 positions AppendStockCard takes for the line; omitted ones are empty.
components::StockCardArguments StockCardArguments(const StockCardLine& line);

// One charge that is not a stock item, as STATION..Nurse_AppendCharging takes it; every value is sent as it stands.
struct ChargingLine {
    std::string HospNum;
    std::string IdNum;
    std::string ItemID;
    std::string Amount;
    std::string Quantity;
    vb::Date Date;
    std::string RevenueID;
    std::string UserID;
    std::string Description;
    std::string PatientType; // "I" or "O"
    std::string RoomID;
    std::string StationID;
    std::string DoctorCode;
    std::string ChargeSlip;
    std::string ARCode;
    // The requesting doctor's name goes as an eighteenth value only where the window sends one.
    std::optional<std::string> DoctorName;
};
std::string AppendChargingStatement(const ChargingLine& line);

// The cancellation of a posted service, doctor's fee or oxygen charge: the fifteen values of
// STATION..Nurse_UpdateCharging in order, each sent as it stands.
std::string UpdateChargingStatement(const std::vector<std::string>& values);

// One stock item of the slip into the print staging table; the cells as typed.
std::string SaveChargePrintStatement(const std::string& ItemID, const std::string& Amount, const std::string& Quantity,
                                     const std::string& RevenueID, const std::string& Description);

// A bill adjustment of a charge, as its cancellation records it.
struct BillAdjustment {
    std::string IdNum;
    std::string RevenueID;
    std::string ItemID;
    double Amount = 0;
    std::string SupervisorID;
    double Quantity = 0;
    std::string RefNum;
    std::string Remark;
};
std::string BillAdjustmentStatement(const BillAdjustment& adjustment);

} // namespace ward
