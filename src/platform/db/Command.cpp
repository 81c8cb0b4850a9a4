#include "Command.h"

#include "Connection.h"
#include "DbError.h"

#include <cfenv>
#include <cmath>
#include <limits>

namespace db {

namespace {

[[noreturn]] void RaiseWrongType(const std::string &name) {
    throw DbError(dbErrBadParameter, "Parameter " + name + " was given a value of the wrong type.");
}

bool IsNumeric(const vb::Variant &value) {
    switch (value.Type()) {
    case vb::VarType::Boolean:
    case vb::VarType::Integer:
    case vb::VarType::Long:
    case vb::VarType::Single:
    case vb::VarType::Double:
    case vb::VarType::Currency:
        return true;
    default:
        return false;
    }
}

double NumberOf(const vb::Variant &value) {
    switch (value.Type()) {
    case vb::VarType::Boolean:
        return value.AsBoolean() ? -1 : 0;
    case vb::VarType::Integer:
        return value.AsInteger();
    case vb::VarType::Long:
        return value.AsLong();
    case vb::VarType::Single:
        return value.AsSingle();
    case vb::VarType::Currency:
        return static_cast<double>(value.AsCurrency().scaled) / 10000.0;
    default:
        return value.AsDouble();
    }
}

// Rounds half to even, as the runtime's conversions to whole numbers and to currency do.
double RoundEven(double value) {
    const int mode = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    std::fesetround(mode);
    return rounded;
}

std::size_t CharacterCount(const std::string &text) {
    std::size_t count = 0;
    for (unsigned char c : text)
        count += (c & 0xC0) != 0x80;
    return count;
}

template <typename Whole> vb::Variant WholeNumber(const std::string &name, const vb::Variant &value) {
    const double rounded = RoundEven(NumberOf(value));
    if (rounded < std::numeric_limits<Whole>::min() || rounded > std::numeric_limits<Whole>::max())
        throw DbError(dbErrBadParameter, "Parameter " + name + " is out of range for its type.");
    return vb::Variant(static_cast<Whole>(rounded));
}

vb::Variant Converted(const std::string &name, DataType type, int size, const vb::Variant &value) {
    if (value.IsNull() || value.IsEmpty())
        return vb::Variant::Null();
    if (type == DataType::VarChar) {
        if (!value.IsString())
            RaiseWrongType(name);
        if (CharacterCount(value.AsString()) > static_cast<std::size_t>(size))
            throw DbError(dbErrBadParameter,
                          "Parameter " + name + " is longer than its size of " + std::to_string(size) + " characters.");
        return value;
    }
    if (type == DataType::Date) {
        if (!value.IsDate())
            RaiseWrongType(name);
        return value;
    }
    if (!IsNumeric(value))
        RaiseWrongType(name);
    switch (type) {
    case DataType::Double:
        return vb::Variant(NumberOf(value));
    case DataType::Currency: {
        if (value.Type() == vb::VarType::Currency)
            return value;
        const double scaled = RoundEven(NumberOf(value) * 10000.0);
        if (std::fabs(scaled) >= 9.2e18)
            throw DbError(dbErrBadParameter, "Parameter " + name + " is out of range for its type.");
        return vb::Variant(vb::Currency{static_cast<std::int64_t>(scaled)});
    }
    case DataType::Integer:
        return WholeNumber<std::int32_t>(name, value);
    case DataType::SmallInt:
        return WholeNumber<std::int16_t>(name, value);
    default:
        return vb::Variant(NumberOf(value) != 0);
    }
}

} // namespace

Command::Command(Connection &ActiveConnection, std::string CommandText, CommandType type)
    : connection(ActiveConnection), text(std::move(CommandText)), type(type) {}

void Command::AppendParameter(std::string name, DataType dataType, int size, const vb::Variant &value) {
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
    return Recordset(connection.Send(StatementText(), parameters), CursorType::ForwardOnly, LockType::ReadOnly);
}

} // namespace db
