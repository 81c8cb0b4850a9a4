#pragma once

#include "Recordset.h"
#include "ResultTable.h"

#include <string>
#include <vector>

namespace db {

class Connection;

enum class CommandType { Text = 1, StoredProcedure = 4 };

// A statement with typed input parameters, bound by position in the order appended. A stored procedure is called
// through the ODBC call escape ("{call name(?,?)}"), which the driver turns into a procedure call.
class Command {
public:
    Command(Connection& ActiveConnection, std::string CommandText, CommandType type = CommandType::StoredProcedure);

    // The value is converted to the declared type; text longer than the size raises instead of being cut.
    void AppendParameter(std::string name, DataType type, int size, const vb::Variant& value);
    const std::vector<Parameter>& Parameters() const { return parameters; }
    std::string StatementText() const;
    Recordset Execute();

private:
    Connection& connection;
    std::string text;
    CommandType type;
    std::vector<Parameter> parameters;
};

} // namespace db
