#pragma once

#include "charges/EntryGrid.h"
#include "platform/forms/Form.h"

#include <functional>
#include <string>

namespace ward {

class App;

// How the receivable window's item entry differs from the charge window's.
struct ItemEntryOptions {
    // With UnitPriceInEntry, every key first locks Item Description and Amount again.
    bool LockAtEveryKey = true;
    // The closing column of a row while amounts are shown and the unit price is entered.
    int ClosingColWithAmounts = 5;
    bool AskRepeatCharge = true;
    bool RefuseSecondTank = true;
    bool AskStatHoliday = true;
    bool SupervisorRule = true;
    // Closing the drug list without a choice ends the key; otherwise the empty code is looked up.
    bool EmptyDrugListStops = true;
    std::string ARMode = "1";
    // Whether a medicine is priced at the in-patient price; unset: always.
    std::function<bool()> InPatientPrice;
    // The rate class of a service; unset: "A" for the room "ER/OPD", else the room's class from the server.
    std::function<std::string()> ServiceRateClass;
    std::string QuantityRefusal = "Quantity should be greater than zero(0).";
    std::string AmountRefusal = "Total Amount should be greater than or equal to QTY * Unit Price.";
    // The unit-price refusal as a notification with the information icon, or under the program's title without one.
    bool UnitPriceRefusalNotifies = false;
};

ItemEntryOptions ReceivableItemEntry(std::function<bool()> inPatientPrice, std::function<std::string()> rateClass);

// The cell editor's key handler of a charge-entry grid: Home, End, Up and Down move it, and Enter accepts the column:
// the charging code, the item looked up and priced (medicine or supply, doctor's fee, other service), the quantity
// (oxygen by its readings, the STAT surcharge), the unit price (with a supervisor's approval at one site) and the
// amount. What the hospital's rules forbid is refused with a message and the editor stays on its cell.
class ItemEntry {
public:
    ItemEntry(App& app, forms::Form& window, EntryGrid& entry, forms::TextBox& txtId, forms::TextBox& txtRoom,
              ItemEntryOptions options = {});

    void txtEntry_KeyDown(int KeyCode);

private:
    void DepartmentCode(int row);
    void ItemCode(int row);
    bool PickStockItem(int row);
    bool PickDoctorsFee(int row);
    bool PickService(int row);
    void ZeroPriceTest(int row);
    void Quantity(int row);
    void UnitPrice(int row);
    void Amount(int row);
    void Advance(int acceptedCol);

    // Empties the hidden columns a pick fills, keeping the dosage of the same item picked again.
    void ClearPickColumns(int row, const std::string& pickedCode);
    void ClearColumns(int row, int from, int to);
    void RefuseNoStock(int row, const std::string& drugName);
    // Back to column 1 of the row, the editor empty.
    void RestartRow(int row);
    double StockOfRowItem(int row);
    std::string Cell(int row, int col) const;
    void SetCell(int row, int col, const std::string& text);
    int Notify(const std::string& text, int icon, const std::string& title = "Notification");

    App& app;
    forms::Form& window;
    EntryGrid& entry;
    forms::MSHFlexGrid& grid;
    forms::TextBox& editor;
    forms::TextBox& txtId;
    forms::TextBox& txtRoom;
    ItemEntryOptions options;
};

} // namespace ward
