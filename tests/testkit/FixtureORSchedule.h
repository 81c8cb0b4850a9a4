#pragma once

#include "testkit/FixtureWard.h"

#include <string>
#include <vector>

namespace ward {
class frmFinal;
} // namespace ward

// The operating rooms of the fixture ward: their day settings, a day of bookings, the station's requests, and the
// surgeon, anesthesiologist and procedure the code search finds.
namespace testkit::ward_fixture {

inline constexpr const char* RoomListQuery = "SCHEDULE..sp_List_ORRooms ";
inline constexpr const char* ORSettingsQuery = "Select * from SCHEDULE..tbORApplication";
inline constexpr const char* ScheduleClockQuery = "SCHEDULE..sp_Get_TransactionDate";
inline const std::vector<std::string> ORSettingsColumns = {"StartTime", "DayLength", "ScheduleIncrement"};
inline const std::vector<std::string> BookingColumns = {"RoomName", "StartTime", "Length", "Description",
                                                        "CategoryName"};
inline const std::vector<std::string> RequestColumns = {
    "Patient", "Procedure", "Surgeon", "Anesthesiologist", "Schedule", "RequestID", "ORNum", "Status", "Remarks"};

// "OR 1", "OR 2" and "OR 3".
std::vector<Row> ORRoomRows();
// From 7:00 AM for 720 minutes in steps of 30.
std::vector<Row> ORSettingsRows();
// Three bookings: OR 1 at 8:00 for 120 (cholecystectomy), OR 2 at 10:30 for 90 (appendectomy, no category), OR 3 at
// 1:00 PM for 60 with an empty description.
std::vector<Row> BookingRows();
// The bookings of a day as the chart asks for them: the day as "mm/dd/yyyy " (its trailing blank inside the quotes).
std::string BookingsQuery(const std::string& dayText);
// Rooms, settings and the bookings of that day.
void DeclareORSchedule(ScriptedServer& server, const std::string& dayText);

std::string RequestListQuery(const std::string& stationID = StationID);
// A confirmed, a revoked and an open request of the station.
std::vector<Row> RequestRows();
std::string RevokeStatement(const std::string& requestID, const std::string& orNum,
                            const std::string& employeeCode = NurseCode);

// The doctors the code search finds by their last names "REYES" (surgeon, D0201) and "SANTOS" (anesthesiologist,
// D0305), and the operating-room procedure "CHOLE" (OR-0107, LAPAROSCOPIC CHOLECYSTECTOMY).
inline constexpr const char* SurgeonCode = "D0201";
inline constexpr const char* AnesthesiologistCode = "D0305";
inline constexpr const char* ProcedureCode = "OR-0107";
inline constexpr const char* ProcedureName = "LAPAROSCOPIC CHOLECYSTECTOMY";
void AddORLookups(FakeCodeSearch& codeSearch);

// The day as the chart asks for its bookings: "mm/dd/yyyy ".
std::string ScheduleDayText(vb::Date day);
// The chart of the fixture's in-patient opened with the server's clock at now, for a nurse who may schedule
// operations, on an admission the operating room has not cleared: the rooms and the bookings of now's day declared,
// the look-ups above added. The Schedule Operation page is not opened yet.
ward::frmFinal& OpenScheduleChart(TestApp& test, vb::Date now);

} // namespace testkit::ward_fixture
