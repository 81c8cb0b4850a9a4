#include "testkit/FixtureORSchedule.h"

#include "platform/db/SqlText.h"
#include "platform/vb/DateTime.h"
#include "platform/vb/Format.h"
#include "testkit/FakeComponents.h"
#include "testkit/FixtureChart.h"
#include "testkit/FixtureRequestCart.h"
#include "testkit/TestApp.h"

namespace testkit::ward_fixture {

std::vector<Row> ORRoomRows() { return {{"OR 1"}, {"OR 2"}, {"OR 3"}}; }

std::vector<Row> ORSettingsRows() { return {{vb::Variant(vb::TimeSerial(7, 0, 0)), 720, 30}}; }

std::vector<Row> BookingRows() {
    const vb::Variant null = vb::Variant::Null();
    return {
        {"OR 1", vb::Variant(vb::TimeSerial(8, 0, 0)), 120, "CHOLECYSTECTOMY - DELA CRUZ, JUAN", "Elective"},
        {"OR 2", vb::Variant(vb::TimeSerial(10, 30, 0)), 90, "APPENDECTOMY - GARCIA, ANA", null},
        {"OR 3", vb::Variant(vb::TimeSerial(13, 0, 0)), 60, "", "Blocked"},
    };
}

std::string BookingsQuery(const std::string& dayText) { return "SCHEDULE..sp_Get_ORSCHEDULE " + db::SqlQuote(dayText); }

void DeclareORSchedule(ScriptedServer& server, const std::string& dayText) {
    server.On(RoomListQuery).Returns({"Room Name"}, ORRoomRows());
    server.On(ORSettingsQuery).Returns(ORSettingsColumns, ORSettingsRows());
    server.On(BookingsQuery(dayText)).Returns(BookingColumns, BookingRows());
}

std::string RequestListQuery(const std::string& stationID) {
    return "SCHEDULE..sp_ListORSchedule_Request " + db::SqlQuote(stationID);
}

std::vector<Row> RequestRows() {
    return {
        {"DELA CRUZ, JUAN", "CHOLECYSTECTOMY", "REYES ,MARIO", "SANTOS ,LUZ", "12/14/2026 8:00:00 AM", "R-101", "1",
         "Confirmed", ""},
        {"GARCIA, ANA", "APPENDECTOMY", "REYES ,MARIO", "", "12/15/2026 10:00:00 AM", "R-102", "2", " Revoked ", ""},
        {"O'NEIL, ROSE", "HERNIORRHAPHY", "REYES ,MARIO", "SANTOS ,LUZ", "12/16/2026 1:00:00 PM", "R-103", "O'1",
         "Pending", "NPO after midnight"},
    };
}

std::string RevokeStatement(const std::string& requestID, const std::string& orNum, const std::string& employeeCode) {
    return "SCHEDULE..sp_Revoke_ORSchedule_Request " + db::SqlQuote(requestID) + "," + db::SqlQuote(orNum) + "," +
           db::SqlQuote(employeeCode);
}

void AddORLookups(FakeCodeSearch& codeSearch) {
    codeSearch.answers[{1, "REYES"}] = [](FakeCodeSearch& search) {
        search.doctor = {SurgeonCode, " REYES ", "MARIO ", "", false};
    };
    codeSearch.answers[{1, "SANTOS"}] = [](FakeCodeSearch& search) {
        search.doctor = {AnesthesiologistCode, "SANTOS", " LUZ", "", false};
    };
    codeSearch.answers[{21, "CHOLE"}] = [](FakeCodeSearch& search) {
        search.otherRevenue.ResultCode = ProcedureCode;
        search.otherRevenue.OtherRevenue = ProcedureName;
    };
}

std::string ScheduleDayText(vb::Date day) { return vb::Format(vb::Variant(day), "mm/dd/yyyy "); }

ward::frmFinal& OpenScheduleChart(TestApp& test, vb::Date now) {
    AddPeople(test);
    test.app.ServerDate = now;
    test.app.ReloadORSchedule = true;
    ward::frmFinal& chart = OpenChart(test);
    test.server.On(RightsQuery(NurseCode)).Returns({"EmployeeID", "EmployeeRights"}, {{NurseCode, "|12|"}});
    test.server.On(ClearedCheck(InPatientIdNum, "OR")).Returns({"ClearDate"}, {});
    test.app.StationID = StationID;
    DeclareORSchedule(test.server, ScheduleDayText(now));
    AddORLookups(test.codeSearch);
    return chart;
}

} // namespace testkit::ward_fixture
