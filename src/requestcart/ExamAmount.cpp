#include "requestcart/ExamAmount.h"

#include "core/App.h"
#include "core/PhilHealthRules.h"
#include "platform/db/SqlText.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/Strings.h"

namespace ward {

namespace {

// The look-up's recordset is made anew for each exam and let go however the look-up ends.
class ExamRecordsetUse {
public:
    explicit ExamRecordsetUse(App& app) : app(app) {}
    ~ExamRecordsetUse() { app.ReleaseExamRecordset(); }
    ExamRecordsetUse(const ExamRecordsetUse&) = delete;
    ExamRecordsetUse& operator=(const ExamRecordsetUse&) = delete;
    db::Recordset& Recordset() { return app.ExamRecordset(); }

private:
    App& app;
};

} // namespace

void LookUpExamAmount(App& app, const std::string& DeptCode, const std::string& ExamCode, const std::string& IdNum) {
    app.ExamAmount = "";
    {
        ExamRecordsetUse use(app);
        db::Recordset& rs = use.Recordset();
        rs.Open("STATION..Nurse_GetExamAmount " + db::SqlQuote(vb::Trim(DeptCode)) + "," +
                    db::SqlQuote(app.CurRoomClassID) + "," + db::SqlQuote(vb::Trim(ExamCode)),
                app.Connection(), db::CursorType::Dynamic, db::LockType::Optimistic);
        if (!rs.Eof() && !rs.Fields("Amount").IsNull())
            app.ExamAmount = vb::Str(rs.Fields("Amount"));
        rs.Close();
    }
    if (app.Parameters().AllowInternationalRate() && IsInternationalPatient(app, IdNum) && !app.ExamAmount.empty())
        app.ExamAmount = vb::CStr(vb::Val(app.ExamAmount) * 1.1);
}

} // namespace ward
