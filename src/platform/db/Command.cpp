#include "Command.h"

#include "Connection.h"
#include "DbError.h"

#include "platform/vb/Conversions.h"

namespace db {

namespace {

std::size_t CharacterCount(const std::string& text) {
    std::size_t count = 0;
    for (unsigned char c : text)
        count += (c & 0xC0) != 0x80;
    return count;
}

// The value as the declared type, by the runtime's own conversions (halves to even for whole numbers and currency).
vb::Variant ConvertedValue(DataType type, const vb::Variant& value) {
    switch (type) {
    case DataType::VarChar:
        return vb::CStr(value);
    case DataType::Date:
        return vb::CDate(value);
    case DataType::Double:
        return vb::CDbl(value);
    case DataType::Currency:
        return vb::CCur(value);
    case DataType::Integer:
        return vb::CLng(value);
    case DataType::SmallInt:
        return vb::CInt(value);
    case DataType::Decimal:
        return vb::CDec(value);
    case DataType::Boolean:
        break;
    }
    return vb::CBool(value);
}

vb::Variant Converted(const std::string& name, DataType type, int size, const vb::Variant& value) {
    if (value.IsNull() || value.IsEmpty())
        return vb::Variant::Null();
    vb::Variant converted;
    try {
        converted = ConvertedValue(type, value);
    } catch (const vb::VbError& error) {
        throw DbError(dbErrBadParameter, "Parameter " + name + ": " + error.Description());
    }
    if (type == DataType::VarChar && CharacterCount(converted.AsString()) > static_cast<std::size_t>(size))
        throw DbError(dbErrBadParameter,
                      "Parameter " + name + " is longer than its size of " + std::to_string(size) + " characters.");
    return converted;
}

} // namespace

Command::Command(Connection& ActiveConnection, std::string CommandText, CommandType type)
    : connection(ActiveConnection), text(std::move(CommandText)), type(type) {}

void Command::AppendParameter(std::string name, DataType dataType, int size, const vb::Variant& value) {
    vb::Variant converted = Converted(name, dataType, size, value);
    parameters.push_back(Parameter{std::move(name), dataType, size, std::move(converted)});
}

std::string Command::StatementText() const {
    if (type == CommandType::Text)
        return text;
    std::string markers;
    for (std::size_t i = 0; i < parameters.size(); ++i)
        markers += i == 0 ? "?" : ",?";
    return "{call " + text + (parameters.empty() ? "" : "(" + markers + ")") + "}";
}

Recordset Command::Execute() {
    connection.RequireUsable();
    return Recordset(connection.Send(StatementText(), parameters), CursorType::ForwardOnly, LockType::ReadOnly);
}

} // namespace db
