#include "components/IssuedItems.h"

#include "components/frmPickList.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/Strings.h"

#include <functional>

namespace components {

namespace issueditems {

// Assumes INVENTORY..tbInvStockcard keeps per line IdNum, ItemID, LocationID, Refnum (the charge slip), Quantity
// (negative on a cancellation) and EntryType ("C" on a return, "D" on a cancellation), INVENTORY..tbInvLocation marks
// central supply "C" in InventoryType and INVENTORY..tbInvMaster names the item in ItemName; to be checked against the
// hospital's database. A return is booked on the slip it returns from, so charged less cancelled less returned is
// the sum of the quantities with the returns counted out.
std::string IssuedLines(const std::string& idNum, bool medicines, const std::string& chargeSlip) {
    const std::string returnable = "SUM(CASE WHEN ISNULL(S.EntryType, '') = 'C' THEN -S.Quantity ELSE S.Quantity END)";
    std::string sql = "SELECT S.Refnum, S.ItemID, MAX(ISNULL(M.ItemName, S.ItemID)) AS ItemName, " + returnable +
                      " AS Returnable FROM INVENTORY..tbInvStockcard S "
                      "INNER JOIN INVENTORY..tbInvLocation L ON L.LocationID = S.LocationID "
                      "LEFT OUTER JOIN INVENTORY..tbInvMaster M ON M.ItemID = S.ItemID WHERE S.IdNum = " +
                      db::SqlQuote(vb::Trim(idNum)) + " AND ISNULL(L.InventoryType, '') " +
                      (medicines ? "<> 'C'" : "= 'C'");
    if (!vb::Trim(chargeSlip).empty())
        sql += " AND S.Refnum = " + db::SqlQuote(vb::Trim(chargeSlip));
    return sql + " GROUP BY S.Refnum, S.ItemID HAVING " + returnable + " > 0 ORDER BY S.Refnum, S.ItemID";
}

} // namespace issueditems

namespace {

using issueditems::IssuedLine;

std::string Text(const vb::Variant& value) { return vb::IsNull(value) ? std::string() : vb::Trim(vb::CStr(value)); }

std::vector<IssuedLine> ReadLines(db::Connection& connection, const std::string& sql) {
    std::vector<IssuedLine> lines;
    db::Recordset rs = connection.Execute(sql);
    for (; !rs.Eof(); rs.MoveNext())
        lines.push_back({Text(rs.Fields("Refnum")), Text(rs.Fields("ItemID")), Text(rs.Fields("ItemName")),
                         vb::IsNull(rs.Fields("Returnable")) ? 0.0 : vb::CDbl(rs.Fields("Returnable"))});
    rs.Close();
    return lines;
}

// What the nurse reads of a line: the slip it was charged on and how much can go back first, as the name may be long.
PickedRow RowOf(const IssuedLine& line) {
    return {line.ItemID, line.ChargeSlip + "  " + db::DoubleText(line.Returnable) + "  " + line.ItemName};
}

bool StartsWith(const std::string& text, const std::string& start) {
    return vb::UCase(text).rfind(vb::UCase(start), 0) == 0;
}

class IssuedItems : public IssuedItemsComponent {
public:
    IssuedItems(const ComponentServices& services) : forms(&services.Forms), connection(services.Connection) {}

    // The connection string holds the password; the shared connection is used instead.
    bool InitConnection(const std::string&) override { return true; }
    void SetDrugsOrCSR(bool value) override { medicines = value; }

    std::string ListIssuedbyDrugs(const std::string& idNum, const std::string& title) override {
        return Pick(title, issueditems::IssuedLines(idNum, medicines));
    }
    using IssuedItemsComponent::ShowList;
    std::string ShowList(const std::string& idNum, const std::string& chargeSlip,
                         const std::string& patientName) override {
        const std::string caption = "Charge Slip " + vb::Trim(chargeSlip) + " - " + vb::Trim(patientName);
        return Pick(caption, issueditems::IssuedLines(idNum, medicines, chargeSlip));
    }
    std::string ChargeSlip() const override { return chosen.ChargeSlip; }
    double IssuedQuantity() const override { return chosen.Returnable; }

private:
    // A list closed without a choice leaves nothing chosen, so a return line is never priced from an earlier pick.
    std::string Pick(const std::string& caption, const std::string& sql) {
        chosen = {};
        const std::vector<IssuedLine> lines = ReadLines(connection(), sql);
        std::optional<PickedRow> picked = ShowPickList(*forms, caption, "", [&lines](const std::string& text) {
            std::vector<PickedRow> rows;
            for (const IssuedLine& line : lines)
                if (StartsWith(line.ItemID, text) || StartsWith(line.ItemName, text))
                    rows.push_back(RowOf(line));
            return rows;
        });
        if (!picked)
            return "";
        for (const IssuedLine& line : lines)
            if (RowOf(line) == *picked)
                chosen = line;
        return chosen.ItemID;
    }

    forms::FormsContext* forms;
    std::function<db::Connection&()> connection;
    bool medicines = true;
    IssuedLine chosen;
};

} // namespace

void RegisterIssuedItems(ComponentFactory& factory, const ComponentServices& services) {
    factory.Register("Tondrel.clsIssuedMedicines", [services] { return std::make_unique<IssuedItems>(services); });
}

} // namespace components
