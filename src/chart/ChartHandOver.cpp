#include "chart/ChartHandOver.h"

#include "platform/vb/Conversions.h"

namespace ward {

namespace {

std::string TextOf(const vb::Variant& value) { return value.IsNull() ? "" : vb::CStr(value); }

} // namespace

void ListDepartments(db::Recordset& rs, forms::ListView& lvwDepartments) {
    lvwDepartments.ClearListItems();
    for (; !rs.Eof(); rs.MoveNext()) {
        forms::ListItem& item = lvwDepartments.AddListItem(0, "", TextOf(rs.Fields("RevenueID")));
        item.SetSubItems(1, TextOf(rs.Fields("ItemName")));
    }
}

void CopyHeaderBoxes(const HeaderBoxes& from, const HeaderBoxes& to) {
    for (std::size_t i = 0; i < from.size(); ++i)
        to[i]->SetText(from[i]->Text());
}

} // namespace ward
