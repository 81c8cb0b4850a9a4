#include "shell/EmployeeSearch.h"

#include "core/App.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"
#include "platform/forms/Grid.h"
#include "platform/vb/Strings.h"

namespace ward {

void SetUserGridHeader(forms::MSHFlexGrid& grid) {
    grid.Clear();
    grid.SetRows(2);
    grid.SetFormatString(" | Employee Code | Employee Name | Position ");
    const int widths[] = {80, 1200, 3000, 1900};
    for (int col = 0; col < 4; ++col)
        grid.SetColWidth(col, widths[col]);
}

bool SearchNurseUsers(App& app, forms::MSHFlexGrid& grid, const std::string& searchText) {
    db::Recordset rs;
    rs.SetCursorLocation(db::CursorLocation::Client);
    rs.Open("STATION..spNurse_SearchNurseUsers " + db::SqlQuote(vb::Trim(app.StationID)) + "," +
                db::SqlQuote(searchText),
            app.Connection(), db::CursorType::Static, db::LockType::ReadOnly);
    SetUserGridHeader(grid);
    const bool found = !rs.Eof();
    if (found)
        grid.SetDataSource(rs);
    grid.SetEnabled(found);
    rs.Close();
    return found;
}

} // namespace ward
