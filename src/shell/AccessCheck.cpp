#include "shell/AccessCheck.h"

#include "core/App.h"
#include "platform/db/Connection.h"
#include "platform/vb/Operators.h"
#include "platform/vb/Strings.h"
#include "shell/modEncryption.h"

namespace ward {

std::string EncipheredAccessCode(const std::string& typedCode) {
    return vb::Trim(CipherText("E", AccessCodeKey, vb::Trim(typedCode)));
}

std::optional<std::string> AcceptedUserName(App& app, const std::string& sql) {
    return AcceptedUserName(app.Connection(), sql);
}

std::optional<std::string> AcceptedUserName(db::Connection& connection, const std::string& sql) {
    db::Recordset rs = connection.Open(sql, db::CursorType::ForwardOnly, db::LockType::ReadOnly);
    std::optional<std::string> name;
    if (!rs.Eof())
        name = vb::Concat(rs.Fields("Lastname"), ", ", rs.Fields("FirstName"), " ", rs.Fields("MiddleName"));
    rs.Close();
    return name;
}

} // namespace ward
