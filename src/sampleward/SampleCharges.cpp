#include "platform/vb/Format.h"
#include "platform/vb/Strings.h"
#include "sampleward/SampleWard.h"

namespace sampleward {

namespace {

// Values: hospital number, admission, station. The in-patient has a dressing, a medicine cancelled again and an
// oxygen tank posted today.
Answer PostedCharges(const std::vector<std::string>& values) {
    std::vector<Row> rows;
    if (values[1] == InPatientIdNum) {
        const std::string today = vb::Format(Now(), "mm/dd/yyyy") + " 08:30:00 AM";
        rows = {{"SU", "SU-DRS", "WOUND DRESSING", "1", "250", "C0001201B", today, "", "", "N1001", ""},
                {"PH", "AMOX500", "AMOXICILLIN 500MG", "3", "36", "C0001201B", today, "", "20", "N1001", "TID"},
                {"PH", "AMOX500", "AMOXICILLIN 500MG", "-3", "-36", "C0001201B", today, "", "20", "N1001", "TID"},
                {"OX", "OX-TANK", "OXYGEN TANK", "1", "850", "C0001202B", today, "", "", "N1001", ""}};
    }
    return Answer().Returns({"RevenueID", "ItemID", "Description", "Quantity", "Amount", "RefNum", "TransDate",
                             "Remarks", "LocationID", "UserID", "DosageID"},
                            rows);
}

// The pharmacy and central supply keep stock at their locations; every other charging code has none.
Answer RevenueLocation(const std::vector<std::string>& values) {
    const std::string& code = values[0];
    std::string location;
    if (code == "PH")
        location = "20";
    else if (code == "CS")
        location = "21";
    return Answer().Returns({"LocationID"}, {{location}});
}

Answer RoomClass(const std::vector<std::string>&) { return Answer().Returns({"RoomClassID"}, {{"C"}}); }

Answer ARCode(const std::vector<std::string>& values) {
    return Answer().Returns({"ARCode"}, {{"AR-" + values[0] + "-" + values[2]}});
}

} // namespace

void DeclareCharges(SampleServer& server) {
    server.OnRule("STATION..List_All_SUCharges '{?}','{?}','{?}'", PostedCharges);
    server.OnRule("Select isnull(locationid,'') AS LocationID from BUILD_FILE..tbCoRevenueCode where revenueid = '{?}'",
                  RevenueLocation);
    server.OnPattern("Select 1 from STATION..tbOpenClosetank WHERE IDNUM = '{?}' AND STATUS = 1").Returns({"1"}, {});
    server.OnRule("STATION..sp_Nurse_Get_RoomClassification '{?}'", RoomClass);
    server.OnRule("STATION..sp_Get_ARCodes '{?}','{?}','{?}'", ARCode);
    server.OnPattern("STATION..Nurse_CheckExam_Posted '{?}','{?}','{?}'").Returns({"ProcessDate"}, {});
    server.OnPattern("STATION..CheckIfInternational '{?}'").Returns({"isInternational"}, {{"N"}});
}

} // namespace sampleward
