#include "results/ResultGrid.h"

#include "platform/vb/Conversions.h"

namespace ward {

void LayOutResultGrid(forms::MSHFlexGrid& grid, int cols, const std::string& format,
                      std::initializer_list<int> amounts) {
    grid.Clear();
    grid.SetCols(cols);
    grid.SetRows(2);
    grid.SetFormatString(format);
    grid.SetColWidth(0, 1);
    int col = 1;
    for (int amount : amounts)
        grid.SetColWidth(col++, grid.ColWidth(0) + amount);
}

int NextResultRow(forms::MSHFlexGrid& grid) {
    if (grid.TextMatrix(1, 1).empty())
        return 1;
    grid.AddItem("");
    return grid.Rows() - 1;
}

std::string CellText(const vb::Variant& value) { return value.IsNull() ? std::string() : vb::CStr(value); }

} // namespace ward
