#pragma once

#include "platform/forms/Grid.h"
#include "platform/vb/Variant.h"

#include <initializer_list>
#include <string>

namespace ward {

// The results pages' grids: each load clears the grid to its header and one blank row, with the format string's
// columns, column 0 one twip wide and every other column as wide as column 0 reports plus its amount, in order.
void LayOutResultGrid(forms::MSHFlexGrid& grid, int cols, const std::string& format,
                      std::initializer_list<int> amounts);

// The row the next record goes into: row 1 while its column 1 is empty, else a row appended at the end.
int NextResultRow(forms::MSHFlexGrid& grid);

// A field as a cell shows it; Null is the empty text.
std::string CellText(const vb::Variant& value);

} // namespace ward
