#include "components/Drug.h"

#include "components/DrugLists.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/Strings.h"
#include "platform/vb/VbError.h"

#include <array>

namespace components {

namespace {

const std::string kPharmacy = "20";
const char* const kCreditMemoSeries = "CM";
const char* const kAdjustmentSlipSeries = "AS";

std::string Text(const vb::Variant& value) { return value.IsNull() ? std::string() : vb::CStr(value); }

double Number(const vb::Variant& value) { return value.IsNull() ? 0.0 : vb::CDbl(value); }

// The columns of one stock-card line, each with the position of AppendStockCard it keeps and what an omitted
// position stands for. Positions left out (13 always empty, 15, 17, 24 and 26 constants of the callers, 18, 20, 21,
// 23 and 27 never passed) carry nothing the stock card is read for.
struct StockCardColumn {
    std::size_t Position;
    const char* Column;
    vb::Variant Omitted;
};

const std::array<StockCardColumn, 18>& StockCardColumns() {
    static const std::array<StockCardColumn, 18> columns = {{
        {1, "HospNum", vb::Variant::Null()},
        {2, "IdNum", vb::Variant::Null()},
        {3, "ItemID", vb::Variant::Null()},
        {4, "TransDate", vb::Variant::Null()},
        {5, "Refnum", vb::Variant::Null()},
        {6, "Quantity", vb::Variant(0.0)},
        {7, "QuantityIssued", vb::Variant(0.0)},
        {8, "Amount", vb::Variant(0.0)},
        {9, "UserID", vb::Variant::Null()},
        {10, "DosageID", vb::Variant::Null()},
        {11, "DoctorID", vb::Variant::Null()},
        {12, "LocationID", vb::Variant(kPharmacy)},
        {14, "RoomID", vb::Variant::Null()},
        {16, "RevenueID", vb::Variant::Null()},
        {19, "EntryType", vb::Variant("I")},
        {22, "PatientType", vb::Variant("I")},
        {25, "CreditMemoNum", vb::Variant::Null()},
        {28, "ReturnedBy", vb::Variant::Null()},
    }};
    return columns;
}

vb::Variant Position(const StockCardArguments& arguments, const StockCardColumn& column) {
    const std::size_t index = column.Position - 1;
    if (index >= arguments.size() || !arguments[index])
        return column.Omitted;
    return *arguments[index];
}

// A number position given as text (a bound cell) is sent as the number it reads as, never as text.
std::string NumberLiteral(const vb::Variant& value) {
    if (value.IsNull() || value.IsEmpty())
        return "0";
    return db::DoubleText(vb::CDbl(value));
}

std::string ColumnLiteral(const StockCardColumn& column, const vb::Variant& value) {
    const bool number = column.Position == 6 || column.Position == 7 || column.Position == 8;
    if (number)
        return NumberLiteral(value);
    return value.IsNull() ? "NULL" : db::SqlQuote(Text(value));
}

std::string Padded(long number, int width) {
    std::string digits = std::to_string(number);
    if (static_cast<int>(digits.size()) < width)
        digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
    return digits;
}

} // namespace

bool DrugGenerics::Search(const std::string& text) { return search(text); }

void DrugGenerics::Describe(std::string generic, std::string classification) {
    genericName = std::move(generic);
    classificationName = std::move(classification);
}

// Assumes INVENTORY..tbInvSlipSeries (SeriesID, Prefix, Width, LastNumber: the last number given out); to be checked
// against the hospital's database. Inside the caller's transaction the row stays locked until it ends, so two
// postings never take one number and a rolled-back posting consumes none.
DrugSlipSeries::Series DrugSlipSeries::Read(const std::string& series) const {
    db::Connection& db = connection();
    const std::string lock = db.InTransaction() ? " WITH (UPDLOCK, ROWLOCK)" : "";
    db::Recordset rs = db.Execute("SELECT Prefix, Width, LastNumber FROM INVENTORY..tbInvSlipSeries" + lock +
                                  " WHERE SeriesID = " + db::SqlQuote(series));
    if (rs.Eof())
        throw vb::VbError(vb::vbErrInvalidProcedureCall,
                          "The number series " + series + " is missing from the inventory; nothing was posted.");
    return {vb::Trim(Text(rs.Fields("Prefix"))), static_cast<int>(Number(rs.Fields("Width"))),
            static_cast<long>(Number(rs.Fields("LastNumber")))};
}

std::string DrugSlipSeries::CurrentCreditMemo() const {
    const Series s = Read(kCreditMemoSeries);
    return s.Prefix + Padded(s.LastNumber + 1, s.Width);
}

// Optimistic: the number read must still be the last one, or another posting took it; the caller rolls back.
void DrugSlipSeries::UpdateCreditMemo() {
    const Series s = Read(kCreditMemoSeries);
    long changed = 0;
    connection().Execute("UPDATE INVENTORY..tbInvSlipSeries SET LastNumber = LastNumber + 1 WHERE SeriesID = " +
                             db::SqlQuote(kCreditMemoSeries) + " AND LastNumber = " + std::to_string(s.LastNumber),
                         changed);
    if (changed != 1)
        throw vb::VbError(vb::vbErrInvalidProcedureCall,
                          "The credit-memo number was taken by another station; nothing was posted.");
}

std::string DrugSlipSeries::CurrentAdjustmentSlip() const {
    const Series s = Read(kAdjustmentSlipSeries);
    return s.Prefix + Padded(s.LastNumber + 1, s.Width);
}

Drug::Drug(DrugConnection connection)
    : connection(connection), generics([this](const std::string& text) { return SearchGeneric(text); }),
      series(connection) {}

// Assumes INVENTORY..tbInvMaster (ItemID, ItemName, Description, GenericID, ItemClassificationID, Status "A" while
// active), INVENTORY..tbInvGeneric (GenericID, GenericName), INVENTORY..tbInvClassification (ItemClassificationID,
// Classification) and INVENTORY..tbInvLocationStock (ItemID, LocationID, OnHand, SellingPriceIn, SellingPriceOut);
// to be checked against the hospital's database.
bool Drug::SearchDrug(const std::string& code, const std::optional<std::string>& location,
                      const std::optional<std::string>& idNum) {
    const std::string trimmed = vb::Trim(code);
    const std::string at = location ? vb::Trim(*location) : kPharmacy;
    item = Item{};
    if (trimmed.empty())
        return false;
    db::Recordset rs = connection().Execute(
        "SELECT m.ItemID, m.ItemName, m.Description, m.Status, g.GenericName, m.ItemClassificationID, "
        "c.Classification, s.SellingPriceIn, s.SellingPriceOut, s.OnHand FROM INVENTORY..tbInvMaster m "
        "LEFT JOIN INVENTORY..tbInvGeneric g ON g.GenericID = m.GenericID "
        "LEFT JOIN INVENTORY..tbInvClassification c ON c.ItemClassificationID = m.ItemClassificationID "
        "LEFT JOIN INVENTORY..tbInvLocationStock s ON s.ItemID = m.ItemID AND s.LocationID = " +
        db::SqlQuote(at) + " WHERE m.ItemID = " + db::SqlQuote(trimmed));
    if (rs.Eof())
        return false;
    Item found;
    found.Inactive = vb::UCase(vb::Trim(Text(rs.Fields("Status")))) != "A";
    found.Code = vb::Trim(Text(rs.Fields("ItemID")));
    found.Name = vb::Trim(Text(rs.Fields("ItemName")));
    found.Description = vb::Trim(Text(rs.Fields("Description")));
    found.GenericName = vb::Trim(Text(rs.Fields("GenericName")));
    found.Classification = {vb::Trim(Text(rs.Fields("ItemClassificationID"))),
                            vb::Trim(Text(rs.Fields("Classification")))};
    found.Invent = {rs.Fields("SellingPriceIn"), rs.Fields("SellingPriceOut"), Number(rs.Fields("OnHand"))};
    if (idNum) {
        vb::Variant price = RoomClassPrice(found.Code, at, vb::Trim(*idNum));
        if (!price.IsNull())
            found.Invent.SellingPriceIn = price;
    }
    item = std::move(found);
    return true;
}

// Assumes the admission's room in PATIENT_DATA..tbPatient (IDNum, RoomID), its class letter in RoomClassID of
// STATION..sp_Nurse_Get_RoomClassification as the patient search reads it, and INVENTORY..tbInvRoomClassPrice (ItemID,
// LocationID, RoomClass, SellingPrice); to be checked against the hospital's database. Null: the ordinary price.
vb::Variant Drug::RoomClassPrice(const std::string& code, const std::string& location, const std::string& idNum) {
    db::Recordset admission =
        connection().Execute("SELECT RoomID FROM PATIENT_DATA..tbPatient WHERE IDNum = " + db::SqlQuote(idNum));
    if (admission.Eof() || vb::Trim(Text(admission.Fields("RoomID"))).empty())
        return vb::Variant::Null();
    db::Recordset room = connection().Execute("STATION..sp_Nurse_Get_RoomClassification " +
                                              db::SqlQuote(vb::Trim(Text(admission.Fields("RoomID")))));
    if (room.Eof() || vb::Trim(Text(room.Fields("RoomClassID"))).empty())
        return vb::Variant::Null();
    const std::string roomClass = vb::Trim(Text(room.Fields("RoomClassID")));
    db::Recordset price = connection().Execute(
        "SELECT SellingPrice FROM INVENTORY..tbInvRoomClassPrice WHERE ItemID = " + db::SqlQuote(code) +
        " AND LocationID = " + db::SqlQuote(location) + " AND RoomClass = " + db::SqlQuote(roomClass));
    if (price.Eof())
        return vb::Variant::Null();
    return price.Fields("SellingPrice");
}

// The generic becomes the current item: its stock is what its active items hold at the pharmacy; it has no price.
bool Drug::SearchGeneric(const std::string& text) {
    const std::string trimmed = vb::Trim(text);
    if (trimmed.empty())
        return false;
    db::Recordset rs = connection().Execute(
        "SELECT g.GenericID, g.GenericName, c.Classification, (SELECT ISNULL(SUM(s.OnHand), 0) FROM "
        "INVENTORY..tbInvMaster m JOIN INVENTORY..tbInvLocationStock s ON s.ItemID = m.ItemID AND s.LocationID = " +
        db::SqlQuote(kPharmacy) +
        " WHERE m.GenericID = g.GenericID AND m.Status = 'A') AS OnHand FROM INVENTORY..tbInvGeneric g "
        "LEFT JOIN INVENTORY..tbInvClassification c ON c.ItemClassificationID = g.ItemClassificationID "
        "WHERE g.GenericID = " +
        db::SqlQuote(trimmed));
    if (rs.Eof())
        return false;
    Item generic;
    generic.Code = vb::Trim(Text(rs.Fields("GenericID")));
    generic.Name = vb::Trim(Text(rs.Fields("GenericName")));
    generic.GenericName = generic.Name;
    generic.Classification = {"", vb::Trim(Text(rs.Fields("Classification")))};
    generic.Invent = {vb::Variant(0.0), vb::Variant(0.0), Number(rs.Fields("OnHand"))};
    generics.Describe(generic.Name, generic.Classification.Classification);
    item = std::move(generic);
    return true;
}

// Charges count positive, cancellations negated; returns ("C") are not issues.
double Drug::QuantityIssued(const std::string& idNum, const std::string& itemCode) {
    const std::string code = vb::Trim(itemCode);
    if (code.empty())
        return 0;
    db::Recordset rs = connection().Execute(
        "SELECT ISNULL(SUM(Quantity), 0) AS Issued FROM INVENTORY..tbInvStockcard WHERE IdNum = " +
        db::SqlQuote(vb::Trim(idNum)) + " AND ItemID = " + db::SqlQuote(code) + " AND ISNULL(EntryType, '') <> 'C'");
    return rs.Eof() ? 0 : Number(rs.Fields("Issued"));
}

// Outside the caller's transaction the line and its stock move go in one of our own, so neither lands alone.
void Drug::AppendStockCard(const StockCardArguments& arguments) {
    db::Connection& db = connection();
    if (db.InTransaction()) {
        WriteStockCard(arguments);
        return;
    }
    db::TransactionGuard guard(db);
    WriteStockCard(arguments);
    guard.Commit();
}

// Assumes INVENTORY..tbInvStockcard with one column per kept position (StockCardColumns) and Remarks left for the
// return's remark; to be checked against the hospital's database. A charge moves the location's stock out, a return
// ("C") back in; a location without a stock row for the item is an error, never a line without its move.
void Drug::WriteStockCard(const StockCardArguments& arguments) {
    std::string columns;
    std::string values;
    for (const StockCardColumn& column : StockCardColumns()) {
        columns += (columns.empty() ? "" : ", ") + std::string(column.Column);
        values += (values.empty() ? "" : ", ") + ColumnLiteral(column, Position(arguments, column));
    }
    db::Connection& db = connection();
    db.Execute("INSERT INTO INVENTORY..tbInvStockcard (" + columns + ") VALUES (" + values + ")");
    const StockCardColumn& quantityColumn = StockCardColumns()[5];
    const StockCardColumn& locationColumn = StockCardColumns()[11];
    const StockCardColumn& itemColumn = StockCardColumns()[2];
    const StockCardColumn& entryColumn = StockCardColumns()[14];
    const bool isReturn = vb::UCase(vb::Trim(Text(Position(arguments, entryColumn)))) == "C";
    const vb::Variant quantity = Position(arguments, quantityColumn);
    const double delta = quantity.IsNull() || quantity.IsEmpty() ? 0.0 : vb::CDbl(quantity);
    long moved = 0;
    db.Execute("UPDATE INVENTORY..tbInvLocationStock SET OnHand = OnHand + (" +
                   db::DoubleText(isReturn ? delta : -delta) +
                   ") WHERE ItemID = " + db::SqlQuote(vb::Trim(Text(Position(arguments, itemColumn)))) +
                   " AND LocationID = " + db::SqlQuote(vb::Trim(Text(Position(arguments, locationColumn)))),
               moved);
    if (moved != 1)
        throw vb::VbError(vb::vbErrInvalidProcedureCall, "The item has no stock at that location; nothing was posted.");
}

RecordsetResult Drug::ListPostedDrugs(const std::string& idNum, std::int16_t) { return ListPosted(idNum, false); }

RecordsetResult Drug::ListPostedCSR(const std::string& idNum, std::int16_t) { return ListPosted(idNum, true); }

// Assumes INVENTORY..tbInvLocation (LocationID, InventoryType "C" for central supply); to be checked against the
// hospital's database. Fourteen fields: 0 date, 1 reference, 2 code, 3 name, 4 quantity, 5 kind, 6 location,
// 7 amount with thousands commas, 8 user, 9 dosage, 10 doctor, 11 room, 12 charge slip, 13 the tooltip.
RecordsetResult Drug::ListPosted(const std::string& idNum, bool supplies) {
    return connection().Execute(PostedItemsStatement(db::SqlQuote(vb::Trim(idNum)), supplies));
}

std::string PostedItemsStatement(const std::string& idNumLiteral, bool supplies) {
    return "SELECT s.TransDate, CASE WHEN s.EntryType = 'C' THEN s.CreditMemoNum ELSE s.Refnum END AS Reference, "
           "s.ItemID, m.ItemName, s.Quantity, CASE s.EntryType WHEN 'C' THEN 'Returned' WHEN 'D' THEN 'ADJUSTED' "
           "ELSE 'ISSUED' END AS Kind, s.LocationID, CONVERT(varchar(24), CONVERT(money, s.Amount), 1) AS Amount, "
           "s.UserID, s.DosageID, s.DoctorID, s.RoomID, s.Refnum, ISNULL(m.ItemName, s.ItemID) + ' by ' + "
           "ISNULL(s.UserID, '') AS Tooltip FROM INVENTORY..tbInvStockcard s "
           "JOIN INVENTORY..tbInvLocation l ON l.LocationID = s.LocationID "
           "LEFT JOIN INVENTORY..tbInvMaster m ON m.ItemID = s.ItemID WHERE s.IdNum = " +
           idNumLiteral + " AND " + (supplies ? "l.InventoryType = 'C'" : "l.InventoryType <> 'C'") +
           " ORDER BY s.TransDate";
}

const std::vector<std::string>& PostedItemsColumns() {
    static const std::vector<std::string> columns = {"TransDate", "Reference",  "ItemID", "ItemName", "Quantity",
                                                     "Kind",      "LocationID", "Amount", "UserID",   "DosageID",
                                                     "DoctorID",  "RoomID",     "Refnum", "Tooltip"};
    return columns;
}

void RegisterDrugComponent(ComponentFactory& factory, const ComponentServices& services) {
    factory.Register("Tembloc.clsDrug", [services] { return std::make_unique<DrugService>(services.Connection); });
    RegisterDrugLists(factory, services);
}

} // namespace components
