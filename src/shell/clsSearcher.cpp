#include "shell/clsSearcher.h"

#include "core/App.h"
#include "core/ErrorReporting.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"
#include "platform/vb/Operators.h"
#include "shell/frmSearcher.h"

namespace ward {

bool clsSearcher::SearchHospital(const std::string& Key) {
    try {
        return ChooseHospital(Key);
    } catch (const std::exception& error) {
        ShowErrorMessage(app, error);
        return false;
    }
}

bool clsSearcher::ChooseHospital(const std::string& Key) {
    if (!Key.empty()) {
        db::Recordset rs;
        rs.SetCursorLocation(db::CursorLocation::Client);
        rs.Open("SELECT HospitalID,HospitalName FROM BUILD_FILE..tbcoHospital where HospitalName like  " +
                    db::SqlQuote(Key) + " + '%'",
                app.Connection(), db::CursorType::Dynamic, db::LockType::ReadOnly);
        if (rs.RecordCount() == 1) {
            code = vb::ConcatText(rs.Fields("HospitalID"));
            description = vb::ConcatText(rs.Fields("HospitalName"));
            rs.Close();
            return true;
        }
        if (rs.Eof()) {
            rs.Close();
            app.Forms.MsgBox("No record found.", forms::vbCritical | forms::vbOKOnly, "Notification");
            return false;
        }
        rs.Close();
    }
    frmSearcher& dialog = app.Forms.Instance<frmSearcher>();
    SetHospitalLookup(dialog, Key);
    dialog.ShowModal();
    if (!dialog.Valid())
        return false;
    code = dialog.Code();
    description = dialog.Description();
    return true;
}

void SetHospitalLookup(frmSearcher& dialog, const std::string& Key) {
    dialog.SearchCaption = "Hospitals";
    dialog.Criteria = Key;
    dialog.Query = "SELECT HospitalName,HospitalID FROM BUILD_FILE..tbcoHospital WHERE HospitalName like '##' + '%' "
                   "ORDER BY HospitalName";
}

} // namespace ward
