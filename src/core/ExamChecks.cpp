#include "core/ExamChecks.h"

#include "core/App.h"
#include "core/HospitalSettings.h"
#include "core/RecordsetChecks.h"
#include "platform/db/SqlText.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/Format.h"
#include "platform/vb/Operators.h"
#include "platform/vb/Strings.h"

#include <optional>

namespace ward {

namespace {

std::string ExamArguments(const std::string& IdNum, const std::string& ItemCode, const std::string& DeptCode) {
    return db::SqlQuote(vb::Trim(IdNum)) + "," + db::SqlQuote(vb::Trim(ItemCode)) + "," +
           db::SqlQuote(vb::Trim(DeptCode));
}

// The time the item was processed or posted today, or nothing.
std::optional<std::string> ProcessedToday(App& app, const std::string& IdNum, const std::string& ItemCode,
                                          const std::string& DeptCode) {
    return FirstRowOr(
        app, "STATION..Nurse_CheckExam_Posted " + ExamArguments(IdNum, ItemCode, DeptCode),
        std::optional<std::string>(),
        [](const db::Recordset& rs) { return vb::Trim(vb::ConcatText(rs.Fields("ProcessDate"))); },
        db::CursorType::Dynamic);
}

// True when the nurse answers No to repeating it.
bool DeclinesRepeat(App& app, const std::string& prompt) {
    return app.Forms.MsgBox(prompt, forms::vbYesNo + forms::vbCritical + forms::vbDefaultButton1, "Message ") ==
           forms::vbNo;
}

double MaxQty(App& app, const std::string& tableAndKey, const std::string& ExamID) {
    return FirstRowOr(app,
                      "Select Case "
                      "           When IsNull(Isprocedure,0) = 1 and IsNull(Openquantity,0) = 1 then MaxQty "
                      "           Else 1 "
                      "       End As MaxQty " +
                          tableAndKey + db::SqlQuote(vb::Trim(ExamID)) + ";",
                      1.0, [](const db::Recordset& rs) {
                          // An open-quantity procedure without a maximum may still be ordered once.
                          const vb::Variant& value = rs.Fields("MaxQty");
                          return value.IsNull() ? 1.0 : vb::CDbl(value);
                      });
}

struct RequestLine {
    std::string StationID, RecordStatus, RevokeBy, ProcessBy;
    vb::Variant RevokeDate, ProcessDate;
};

// A Null name or date shows as nothing.
std::string WhoAndWhen(const std::string& by, const vb::Variant& when) {
    return by + " at " + vb::Format(when, "mm/dd/yyyy hh:mm:ss AM/PM");
}

} // namespace

bool CheckExamStatus(App& app, const std::string& IdNum, const std::string& ItemCode, const std::string& DeptCode) {
    std::optional<std::string> requested = FirstRowOr(
        app, "STATION..Nurse_CheckExamStatus " + ExamArguments(IdNum, ItemCode, DeptCode), std::optional<std::string>(),
        [](const db::Recordset& rs) { return vb::Trim(vb::ConcatText(rs.Fields("Requestdate"))); },
        db::CursorType::Dynamic);
    if (!requested)
        return false;
    app.Forms.MsgBox(app.MsgExamRequestedPrefix + *requested + app.MsgExamPendingSuffix, forms::vbOKOnly, "Message ");
    return true;
}

bool ConfirmRepeatRequest(App& app, const std::string& IdNum, const std::string& ItemCode,
                          const std::string& DeptCode) {
    std::optional<std::string> processed = ProcessedToday(app, IdNum, ItemCode, DeptCode);
    return processed && DeclinesRepeat(app, "This Request has been PROCCESSED TODAY AT " + *processed +
                                                "! Do you wish to REPEAT it ?");
}

bool ConfirmRepeatCharge(App& app, const std::string& IdNum, const std::string& ItemCode, const std::string& DeptCode) {
    std::optional<std::string> posted = ProcessedToday(app, IdNum, ItemCode, DeptCode);
    return posted &&
           DeclinesRepeat(app, "This Item has been POSTED TODAY AT " + *posted + "! Do you wish to REPEAT it ?");
}

std::string GetLabExamSpecimen(App& app, const std::string& ExamID, std::string& SpecimenOut) {
    db::Recordset rs = app.Connection().Open("STATION..sp_Nurse_GetLabExam_Specimen " + db::SqlQuote(vb::Trim(ExamID)),
                                             db::CursorType::ForwardOnly, db::LockType::ReadOnly);
    const long rows = rs.RecordCount();
    app.HasSeveralSpecimens = rows > 1;
    std::string description;
    if (rows > 1) {
        app.SpecimenCode = "";
    } else if (rows == 0) {
        app.SpecimenCode = "0";
        description = "None";
    } else {
        app.SpecimenCode = vb::ConcatText(rs.Fields("Code"));
        description = vb::ConcatText(rs.Fields("Description"));
    }
    rs.Close();
    SpecimenOut = app.SpecimenCode;
    return description;
}

void SetLabPriorityOptions(App& app, const std::string& ExamID, forms::ControlArray<forms::OptionButton>& Option1) {
    struct Rule {
        std::string stat;
        bool weekendOrEvening;
    };
    std::optional<Rule> rule =
        FirstRowOr(app,
                   "Select isnull(stat,'') AS Stat, datepart(dw,GETDATE()) as DayofWeek, "
                   "case "
                   "When convert(varchar(10),getdate(),101) +' 17:00:00' >= GEtDATE() then 'F' "
                   "When convert(varchar(10),getdate(),101) +' 17:00:00' < GEtDATE() then 'T' "
                   "END AS 'AFter5' from BUILD_FILE..tbcoLabExam Where LabexamID =" +
                       db::SqlQuote(ExamID),
                   std::optional<Rule>(), [](const db::Recordset& rs) {
                       return Rule{vb::ConcatText(rs.Fields("Stat")),
                                   vb::IsTrue(vb::Equal(rs.Fields("DayofWeek"), std::int16_t{7})) ||
                                       vb::ConcatText(rs.Fields("AFter5")) == "T"};
                   });
    if (!rule)
        return;
    if (rule->stat == "Y") {
        Option1(1).SetValue(true);
        Option1(0).SetEnabled(false);
        Option1(1).SetEnabled(true);
    } else if (rule->stat == "N") {
        Option1(0).SetValue(true);
        Option1(1).SetEnabled(false);
        Option1(0).SetEnabled(true);
    } else {
        Option1(0).SetEnabled(true);
        Option1(1).SetEnabled(true);
        Option1(rule->weekendOrEvening ? 1 : 0).SetValue(true);
    }
}

double GetLabExamMaxQty(App& app, const std::string& ExamID) {
    return MaxQty(app, "From BUILD_FILE..tbCoLabExam Where LabexamID = ", ExamID);
}

double GetXrayExamMaxQty(App& app, const std::string& ExamID) {
    return MaxQty(app, "From BUILD_FILE..tbCoXrayExam Where XrayexamID = ", ExamID);
}

double GetUltrasoundExamMaxQty(App& app, const std::string& ExamID) {
    return MaxQty(app, "From BUILD_FILE..tbCoultraExam Where UltraexamID = ", ExamID);
}

bool IsRequestLocked(App& app, const std::string& RequestRef) {
    std::optional<RequestLine> line =
        FirstRowOr(app, "STATION..sp_Nurse_Check_Request " + db::SqlQuote(vb::Trim(RequestRef)),
                   std::optional<RequestLine>(), [](const db::Recordset& rs) {
                       return RequestLine{vb::ConcatText(rs.Fields("StationID")),
                                          vb::ConcatText(rs.Fields("RecordStatus")),
                                          vb::ConcatText(rs.Fields("RevokeBy")),
                                          vb::ConcatText(rs.Fields("ProcessBy")),
                                          rs.Fields("RevokeDate"),
                                          rs.Fields("ProcessDate")};
                   });
    if (!line)
        return false;
    if (vb::Trim(line->StationID) != vb::Trim(app.StationID)) {
        LoadHospitalSettings(app);
        if (app.IsAllowRoomTransferWithPendingRequest)
            return false;
        app.Forms.MsgBox("You can't revoked item(s)/exam(s) requested from station: " + line->StationID,
                         forms::vbOKOnly + forms::vbInformation, "Message");
        return true;
    }
    if (line->RecordStatus == "R") {
        app.Forms.MsgBox("Item(s)/exam(s) requested has been revoked By: " +
                             WhoAndWhen(line->RevokeBy, line->RevokeDate),
                         forms::vbInformation, "Message");
        return true;
    }
    if (line->RecordStatus == "X") {
        app.Forms.MsgBox("Item(s)/exam(s) requested has been processed By: " +
                             WhoAndWhen(line->ProcessBy, line->ProcessDate),
                         forms::vbInformation, "Message");
        return true;
    }
    return false;
}

} // namespace ward
