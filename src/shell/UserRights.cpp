#include "shell/UserRights.h"

#include "core/App.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"
#include "platform/vb/Operators.h"
#include "platform/vb/Strings.h"

namespace ward {

std::string ReadRightsText(App& app, const std::string& sql) {
    db::Recordset rs;
    rs.SetCursorLocation(db::CursorLocation::Client);
    rs.Open(sql, app.Connection(), db::CursorType::Static, db::LockType::ReadOnly);
    std::string text = rs.Eof() ? "" : vb::ConcatText(rs.Fields("EmployeeRights"));
    rs.Close();
    return text;
}

std::vector<std::string> GrantedElements(const std::string& rightsText) {
    if (vb::Len(rightsText) < 2)
        return {};
    std::vector<std::string> elements = vb::Split(rightsText, "|");
    elements.erase(elements.begin());
    return elements;
}

bool HasUserRight(App& app, const std::string& RightID, const std::string& EmployeeID) {
    std::string employee = vb::Trim(EmployeeID);
    if (employee.empty())
        employee = vb::Trim(app.CurrentUser->EmployeeCode());
    const std::string rights =
        ReadRightsText(app, "SELECT * FROM STATION..tbNurseUserRights WHERE EmployeeID = " + db::SqlQuote(employee));
    const std::string wanted = vb::Trim(RightID);
    for (const std::string& element : GrantedElements(rights)) {
        if (vb::Trim(element) == wanted)
            return true;
    }
    return false;
}

} // namespace ward
