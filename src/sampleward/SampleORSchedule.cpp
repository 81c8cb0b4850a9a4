#include "platform/vb/Conversions.h"
#include "platform/vb/DateTime.h"
#include "platform/vb/Format.h"
#include "sampleward/SampleWard.h"

namespace sampleward {

namespace {

const vb::Variant Null = vb::Variant::Null();

vb::Variant Time(int hour, int minute) { return vb::Variant(vb::TimeSerial(hour, minute, 0)); }

// The bookings of one day: the days of the month take turns, every fourth day has none.
Answer DayBookings(const std::vector<std::string>& values) {
    const vb::Variant day(values.at(0));
    Answer answer;
    std::vector<Row> rows;
    const int turn = vb::IsDate(day) ? vb::Day(day) % 4 : 3;
    if (turn == 0 || turn == 2)
        rows = {{"OR 1", Time(7, 30), 120, "CHOLECYSTECTOMY - VILLANUEVA, PEDRO / DR. REYES", "Elective"},
                {"OR 2", Time(9, 0), 90, "APPENDECTOMY - BAUTISTA, LIZA / DR. SANTOS", Null},
                {"OR 3", Time(13, 0), 60, "", "Blocked"}};
    if (turn == 1)
        rows = {{"OR 2", Time(8, 0), 180, "TOTAL HIP REPLACEMENT - AQUINO, ROSA / DR. GARCIA", "Elective"},
                {"OR 1", Time(14, 30), 45, "EXCISION BIOPSY - TAN, MARK / DR. REYES", "Minor"},
                {"DR 1", Time(10, 0), 60, "CAESAREAN SECTION - LOPEZ, ANA / DR. MENDOZA", "Emergency"}};
    answer.Returns({"RoomName", "StartTime", "Length", "Description", "CategoryName"}, rows);
    return answer;
}

// A request's start: that many days from today at the hour.
std::string StartText(int daysFromNow, int hour) {
    const vb::Date start{vb::DateValue(vb::Variant(Now())).serial + daysFromNow + vb::TimeSerial(hour, 0, 0).serial};
    return vb::Format(vb::Variant(start), "mm/dd/yyyy h:mm:ss AM/PM");
}

} // namespace

void DeclareORSchedule(SampleServer& server) {
    server.On("SCHEDULE..sp_List_ORRooms ").Returns({"Room Name"}, {{"OR 1"}, {"OR 2"}, {"OR 3"}});
    server.On("Select * from SCHEDULE..tbORApplication")
        .Returns({"StartTime", "DayLength", "ScheduleIncrement"}, {{Time(7, 0), 720, 30}});
    server.OnRule("SCHEDULE..sp_Get_ORSCHEDULE '{?}'", DayBookings);
    server.OnRule("SCHEDULE..sp_Get_TransactionDate", [](const std::vector<std::string>&) {
        Answer answer;
        answer.Returns({"Tdate"}, {{vb::Variant(Now())}});
        return answer;
    });
    server
        .OnPattern("SCHEDULE..sp_Save_RequestORSchedule '{?}','{?}','{?}','{?}','{?}','{?}','{?}','{?}','{?}','{?}',"
                   "'{?}'")
        .Affects(1);
    server.On(std::string("SCHEDULE..sp_ListORSchedule_Request '") + StationID + "'")
        .Returns({"Patient", "Procedure", "Surgeon", "Anesthesiologist", "Schedule", "RequestID", "ORNum", "Status",
                  "Remarks"},
                 {{"DELA ROSA, MARIO", "LAPAROTOMY", "REYES ,JOSE", "SANTOS ,MARIA", StartText(-2, 8), "ORQ-0041", "1",
                   "Confirmed", ""},
                  {"DELA ROSA, MARIO", "SUTURING", "REYES ,JOSE", "", StartText(-1, 13), "ORQ-0042", "3", "Revoked",
                   "Moved to the ward"},
                  {"DELA ROSA, MARIO", "WOUND DEBRIDEMENT", "GARCIA ,ANTONIO", "SANTOS ,MARIA", StartText(2, 10),
                   "ORQ-0043", "2", "", "NPO after midnight"}});
    server.OnPattern("SCHEDULE..sp_Revoke_ORSchedule_Request '{?}','{?}','{?}'").Affects(1);
}

} // namespace sampleward
