#include "charges/OxygenTanks.h"

#include "core/App.h"
#include "core/ErrorReporting.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"

namespace ward {

bool HasOpenTank(App& app, const std::string& IdNum) {
    try {
        db::Recordset rs = app.Connection().Open(
            "Select 1 from STATION..tbOpenClosetank WHERE IDNUM = " + db::SqlQuote(IdNum) + " AND STATUS = 1",
            db::CursorType::ForwardOnly, db::LockType::ReadOnly);
        const bool open = !rs.Eof();
        rs.Close();
        return open;
    } catch (const std::exception& error) {
        ShowErrorMessage(app, error);
        return false;
    }
}

} // namespace ward
