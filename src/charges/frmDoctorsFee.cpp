#include "charges/frmDoctorsFee.h"

#include "core/App.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"
#include "platform/vb/Strings.h"

namespace ward {

bool frmDoctorsFee::SearchRecord() {
    db::Recordset rs;
    rs.SetCursorLocation(db::CursorLocation::Client);
    rs.Open("Select TOP 1 1 from BUILD_FILE..tbCoDoctorBill Where DoctorID =" + db::SqlQuote(vb::Trim(DoctorCode)) +
                " and Status = 1 and Amount >0",
            app.Connection(), db::CursorType::ForwardOnly, db::LockType::ReadOnly);
    const bool found = !rs.Eof();
    rs.Close();
    return found;
}

} // namespace ward
