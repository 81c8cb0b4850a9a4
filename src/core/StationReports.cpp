#include "core/StationReports.h"

#include "core/App.h"
#include "core/ModuleHelpers.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"
#include "platform/vb/Format.h"
#include "platform/vb/Strings.h"

namespace ward {

void PrepareCensusReport(App& app) {
    RefreshServerDate(app);
    app.Connection().Execute("PATIENT_DATA..sp_Adm_CensusByStation " +
                             db::SqlQuote(vb::Format(app.ServerDate, "yyyy/mm/dd")) + "," +
                             db::SqlQuote(vb::Trim(app.StationID)));
}

void PrepareDischargeListReport(App& app) {
    RefreshServerDate(app);
    app.Connection().Execute("STATION..Nurse_dischargeList " + db::SqlQuote(vb::Trim(app.StationID)) + "," +
                             db::SqlQuote(vb::Format(app.ServerDate, "MM/DD/YYYY")));
}

} // namespace ward
