#pragma once

#include <cstdint>
#include <exception>
#include <string>

namespace db {
class Recordset;
}

namespace ward {

class App;

// The one error message: the caught error's description, a blank line and "Please notify your IT department.".
// Some callers pass two more texts; they are not shown.
void ShowErrorMessage(App& app, const std::exception& error, const std::string& unused1 = {},
                      const std::string& unused2 = {});

// A row of the server's error log STATION..tbNurseErrLog. A failure reaches the caller.
void WriteErrorLog(App& app, const std::string& ModuleName, const std::string& UserID, const std::string& ErrMessage,
                   const std::string& ErrSource);

// An audit row of STATION..tbStationLogs. A failure reaches the caller, so a change and its audit row can share one
// transaction.
void InsertStationLog(App& app, const std::string& IdNum, const std::string& Remarks, const std::string& UserID,
                      const std::string& StationID);

// The same row where the audit row is a courtesy: one that cannot be written is dropped silently.
void WriteStationLog(App& app, const std::string& IdNum, const std::string& Remarks, const std::string& UserID,
                     const std::string& StationID);

// How many parameters a stored procedure of that database takes; 0 when it has none, does not exist, or the probe
// failed (the failure is shown). The connection stays in that database.
std::int16_t GetProcParamCount(App& app, const std::string& Database, const std::string& ProcName);

// True when the stored procedure does not exist in that database or the probe failed (the failure is shown).
bool ProcedureMissing(App& app, const std::string& Database, const std::string& ProcName);
inline bool IsProcedureMissing(App& app, const std::string& Database, const std::string& ProcName) {
    return ProcedureMissing(app, Database, ProcName);
}

// Whether the recordset has a column of that name, letter case ignored, blanks counted. A closed recordset raises.
bool FieldExists(const db::Recordset& rs, const std::string& FieldName);

} // namespace ward
