#pragma once

#include <functional>
#include <string>

namespace vb {
class Variant;
}

namespace db {
class Connection;
}

namespace ward {

class App;

// Reads the table's one row with select and writes its counter field to what next makes of the value read, guarded by
// the read value: when another station changed it in between, the row is read again, up to five times more. Raises
// when the table has no row or the other station keeps winning.
void StoreCounter(db::Connection& connection, const std::string& select, const std::string& table,
                  const std::string& field, const std::function<vb::Variant(const vb::Variant&)>& next);

// Writes the counter one higher than read (as StoreCounter) and answers the value read, trimmed.
std::string AdvanceCounter(db::Connection& connection, const std::string& table, const std::string& field);

// Which number forms a window may take, and how it empties the print staging table.
enum class ChargeSlipSeries {
    ChargeWindow, // "C" numbers, or the fifteen-character "SI1"/"SI2" numbers when the ward asks for them
    Receivable,   // "C" numbers only
};

// The counter field a number of the admission is taken from, and the number built from a counter value.
std::string ChargeSlipCounterField(App& app, ChargeSlipSeries series, const std::string& IdNum);
std::string ChargeSlipNumber(App& app, ChargeSlipSeries series, const std::string& IdNum, const std::string& value);

// The save's one charge-slip number: the held one once this save has taken it, else the next unused number of the
// counter (used ones are passed over, the counter left past each), after which the print staging table is emptied.
std::string TakeChargeSlipNumber(App& app, ChargeSlipSeries series, const std::string& IdNum, std::string& held);

} // namespace ward
