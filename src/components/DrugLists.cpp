#include "components/DrugLists.h"

#include "components/CodeSearch.h"
#include "components/frmPickList.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/Strings.h"

namespace components {

namespace {

std::string Text(const vb::Variant& value) { return value.IsNull() ? std::string() : vb::CStr(value); }

// The condition on the code or name starting with the text, after the given conditions; "" when there is none.
std::string Where(std::string conditions, const std::string& code, const std::string& name, const std::string& text) {
    if (!text.empty()) {
        const std::string pattern = db::SqlQuote(LikeLiteral(text) + "%");
        conditions += (conditions.empty() ? "" : " AND ") + std::string("(") + code + " LIKE " + pattern + " OR " +
                      name + " LIKE " + pattern + ")";
    }
    return conditions.empty() ? "" : " WHERE " + conditions;
}

std::vector<PickedRow> Rows(db::Recordset rs) {
    std::vector<PickedRow> rows;
    for (; !rs.Eof(); rs.MoveNext())
        rows.push_back({vb::Trim(Text(rs.Fields(0))), vb::Trim(Text(rs.Fields(1)))});
    return rows;
}

std::string Chosen(const ComponentServices& services, const std::string& caption, const std::string& text,
                   const std::function<std::vector<PickedRow>(const std::string&)>& rows) {
    std::optional<PickedRow> choice = ShowPickList(services.Forms, caption, vb::Trim(text),
                                                   [&rows](const std::string& typed) { return rows(vb::Trim(typed)); });
    return choice ? choice->Code : std::string();
}

} // namespace

// Only active items with a stock row at the location are offered; the tables are the drug component's.
std::string DrugList::ShowList(const std::string& text, bool, const std::optional<std::string>& location) {
    const std::string at = location && !vb::Trim(*location).empty() ? vb::Trim(*location) : "20";
    return Chosen(services, at == "20" ? "Medicines" : "Supplies", text, [&](const std::string& typed) {
        return Rows(services.Connection().Execute(
            "SELECT m.ItemID, m.ItemName FROM INVENTORY..tbInvMaster m JOIN INVENTORY..tbInvLocationStock s ON "
            "s.ItemID = m.ItemID AND s.LocationID = " +
            db::SqlQuote(at) + Where("m.Status = 'A'", "m.ItemID", "m.ItemName", typed) + " ORDER BY m.ItemName"));
    });
}

std::string GenericList::ShowList(const std::string& text, bool, const std::optional<std::string>&) {
    return Chosen(services, "Generics", text, [&](const std::string& typed) {
        return Rows(services.Connection().Execute("SELECT GenericID, GenericName FROM INVENTORY..tbInvGeneric" +
                                                  Where("", "GenericID", "GenericName", typed) +
                                                  " ORDER BY GenericName"));
    });
}

void RegisterDrugLists(ComponentFactory& factory, const ComponentServices& services) {
    factory.Register("Yarrowin.clsListDrugs", [services] { return std::make_unique<DrugList>(services); });
    factory.Register("Selkarn.clsListGeneric", [services] { return std::make_unique<GenericList>(services); });
}

} // namespace components
