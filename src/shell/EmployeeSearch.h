#pragma once

#include <string>

namespace forms {
class MSHFlexGrid;
}

namespace ward {

class App;

// The employee grid's layout: empty, with its header and column widths. Column 1 is the employee code, column 2 the
// name.
void SetUserGridHeader(forms::MSHFlexGrid& grid);

// Searches the station's employees for the text as typed and shows them in the grid: with rows the grid is bound to
// them and enabled, without it is left empty and disabled. Whether rows came back. A server error reaches the caller.
bool SearchNurseUsers(App& app, forms::MSHFlexGrid& grid, const std::string& searchText);

} // namespace ward
