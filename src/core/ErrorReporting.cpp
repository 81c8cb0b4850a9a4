#include "core/ErrorReporting.h"

#include "core/App.h"
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/SqlText.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/Strings.h"

namespace ward {

void ShowErrorMessage(App& app, const std::exception& error, const std::string&, const std::string&) {
    app.Forms.MsgBox(std::string(error.what()) + "\n\nPlease notify your IT department.",
                     forms::vbInformation + forms::vbOKOnly, "Notification");
}

void WriteErrorLog(App& app, const std::string& ModuleName, const std::string& UserID, const std::string& ErrMessage,
                   const std::string& ErrSource) {
    app.Connection().Execute("Insert Into STATION..tbNurseErrLog(ModuleName,HostName,UserID,ErrMessage,Transdate,"
                             "ErrSource) Values(" +
                             db::SqlQuote(ModuleName) + ",Host_Name(), " + db::SqlQuote(UserID) + "," +
                             db::SqlQuote(ErrMessage) + ",getdate()," + db::SqlQuote(ErrSource) + ")");
}

void InsertStationLog(App& app, const std::string& IdNum, const std::string& Remarks, const std::string& UserID,
                      const std::string& StationID) {
    app.Connection().Execute(
        "Insert Into STATION..tbStationLogs(Idnum,Transdate,Remarks,UserID,Hostname,StationID) Values(" +
        db::SqlQuote(IdNum) + ",GetDate(), " + db::SqlQuote(Remarks) + "," + db::SqlQuote(UserID) + ",Host_Name()," +
        db::SqlQuote(StationID) + ")");
}

void WriteStationLog(App& app, const std::string& IdNum, const std::string& Remarks, const std::string& UserID,
                     const std::string& StationID) {
    try {
        InsertStationLog(app, IdNum, Remarks, UserID, StationID);
    } catch (const std::exception&) {
    }
}

std::int16_t GetProcParamCount(App& app, const std::string& Database, const std::string& ProcName) {
    std::int16_t count = 0;
    try {
        app.Connection().Execute("USE " + db::SqlIdentifier(Database));
        db::Recordset rs = app.Connection().Open(
            "select COUNT(1) as ParamCount from information_schema.parameters where specific_name=" +
                db::SqlQuote(ProcName),
            db::CursorType::ForwardOnly, db::LockType::ReadOnly);
        if (!rs.Eof())
            count = vb::CInt(vb::CStr(rs.Fields("ParamCount")));
        rs.Close();
    } catch (const std::exception& error) {
        ShowErrorMessage(app, error);
    }
    return count;
}

bool ProcedureMissing(App& app, const std::string& Database, const std::string& ProcName) {
    bool missing = true;
    try {
        app.Connection().Execute("USE " + db::SqlIdentifier(Database));
        db::Recordset rs = app.Connection().Open("select 1 from sys.procedures where name=" + db::SqlQuote(ProcName),
                                                 db::CursorType::ForwardOnly, db::LockType::ReadOnly);
        if (!rs.Eof())
            missing = false;
        rs.Close();
    } catch (const std::exception& error) {
        ShowErrorMessage(app, error);
    }
    return missing;
}

bool FieldExists(const db::Recordset& rs, const std::string& FieldName) {
    if (rs.State() != db::ObjectState::Open)
        db::RaiseObjectClosed();
    const std::string wanted = vb::UCase(FieldName);
    for (const std::string& name : rs.FieldNames()) {
        if (vb::UCase(name) == wanted)
            return true;
    }
    return false;
}

} // namespace ward
