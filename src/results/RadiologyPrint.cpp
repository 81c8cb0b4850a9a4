#include "results/RadiologyPrint.h"

#include "core/App.h"
#include "core/ReportPrinting.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"
#include "platform/vb/Strings.h"

namespace ward {

std::string RadiologyStagingCall(const RadiologyStagingValues& values) {
    std::string sql = "RADIOLOGY..SPRADIO_ResultPrint ";
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i == 20) {
            sql += ", '', ";
            continue;
        }
        if (i > 0 && i != 21)
            sql += ",";
        sql += db::SqlQuote(values[i]);
    }
    return sql;
}

bool PrintRadiologyResult(App& app, const RadiologyPrintout& printout) {
    db::Recordset result =
        app.Connection().Open("STATION..sp_Nurse_Get_RadiologyResults " + db::SqlQuote(printout.requestNum) + "," +
                                  std::to_string(static_cast<int>(printout.kind)),
                              db::CursorType::ForwardOnly, db::LockType::ReadOnly);
    if (result.Eof()) {
        result.Close();
        return false;
    }
    const std::string employeeCode = app.CurrentUser->EmployeeCode();
    app.Connection().Execute("DELETE RADIOLOGY..tbRadioResult WHERE UserID = " + db::SqlQuote(employeeCode) +
                             " and AdmNum = " + db::SqlQuote(printout.admission) + ";");
    app.Connection().Execute(RadiologyStagingCall(printout.values(result)));
    result.Close();
    OpenReport(app, app.GetHost().AppPath() + "\\Reports\\RadioResult.Rpt",
               {printout.section, vb::Trim(printout.hospitalNumber), vb::Trim(app.HospitalAddress),
                vb::Trim(employeeCode), vb::Trim(printout.admission)});
    ShowReport(app, false, printout.caption, printout.directPrint, false);
    return true;
}

} // namespace ward
