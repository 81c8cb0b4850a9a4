#include "chart/ChartHandOver.h"

#include "platform/vb/Operators.h"

namespace ward {

void ListDepartments(db::Recordset& rs, forms::ListView& lvwDepartments) {
    lvwDepartments.ClearListItems();
    for (; !rs.Eof(); rs.MoveNext()) {
        forms::ListItem& item = lvwDepartments.AddListItem(0, "", vb::ConcatText(rs.Fields("RevenueID")));
        item.SetSubItems(1, vb::ConcatText(rs.Fields("ItemName")));
    }
}

void CopyHeaderBoxes(const HeaderBoxes& from, const HeaderBoxes& to) {
    for (std::size_t i = 0; i < from.size(); ++i)
        to[i]->SetText(from[i]->Text());
}

} // namespace ward
