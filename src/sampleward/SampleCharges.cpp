#include "platform/vb/Conversions.h"
#include "platform/vb/DateTime.h"
#include "platform/vb/Format.h"
#include "platform/vb/Strings.h"
#include "sampleward/SampleWard.h"

namespace sampleward {

namespace {

// The in-patient's oxygen tanks: the one posted yesterday was closed this morning, today's is still open.
constexpr const char* ClosedTankSlip = "C0001196B";
constexpr const char* OpenTankSlip = "C0001202B";

// The in-patient has a dressing, a medicine cancelled again and an oxygen tank posted today, and a tank posted
// yesterday.
std::vector<Row> PostedLines(const std::string& idNum) {
    if (idNum != InPatientIdNum)
        return {};
    const std::string today = vb::Format(Now(), "mm/dd/yyyy") + " 08:30:00 AM";
    const std::string yesterday = vb::Format(vb::DateAdd("d", -1, Now()), "mm/dd/yyyy") + " 09:15:00 PM";
    return {{"SU", "SU-DRS", "WOUND DRESSING", "1", "250", "C0001201B", today, "", "", "N1001", ""},
            {"PH", "AMOX500", "AMOXICILLIN 500MG", "3", "36", "C0001201B", today, "", "20", "N1001", "TID"},
            {"PH", "AMOX500", "AMOXICILLIN 500MG", "-3", "-36", "C0001201B", today, "", "20", "N1001", "TID"},
            {"OX", "OX-TANK", "OXYGEN TANK", "1", "850", OpenTankSlip, today, "", "", "N1001", ""},
            {"OX", "OX-TANK", "OXYGEN TANK", "1", "850", ClosedTankSlip, yesterday, "", "", "N1001", ""}};
}

// Values: admission, slip. Both of the in-patient's tanks are on record.
bool IsTankOnRecord(const std::vector<std::string>& values) {
    return values[0] == InPatientIdNum && (values[1] == ClosedTankSlip || values[1] == OpenTankSlip);
}

void DeclareTanks(SampleServer& server) {
    const std::string tankRow = "Select 1 from STATION..tbOpenClosetank WHERE IDNUM = '{?}' and Refnum = '{?}'";
    server.OnRule(tankRow, [](const std::vector<std::string>& values) {
        return Answer().Returns({""}, IsTankOnRecord(values) ? std::vector<Row>{{1}} : std::vector<Row>{});
    });
    server.OnRule(tankRow + " and Status = 1", [](const std::vector<std::string>& values) {
        const bool open = IsTankOnRecord(values) && values[1] == OpenTankSlip;
        return Answer().Returns({""}, open ? std::vector<Row>{{1}} : std::vector<Row>{});
    });
    server.OnRule("Select 1 from STATION..tbOpenClosetank WHERE IDNUM = '{?}' AND STATUS = 1",
                  [](const std::vector<std::string>& values) {
                      const bool open = values[0] == InPatientIdNum;
                      return Answer().Returns({"1"}, open ? std::vector<Row>{{1}} : std::vector<Row>{});
                  });
    // Tank 17 of the oxygen by PSI still has pressure left from its last use; every other tank starts afresh.
    server.OnRule("SELECT top 1 * From INVENTORY..tbCSROxygen Where ItemID = '{?}' and TankNum = '{?}' ORDER BY "
                  "ItemID, TransDate DESC",
                  [](const std::vector<std::string>& values) {
                      std::vector<Row> rows;
                      if (values[0] == "OX-PSI" && values[1] == SampleTankWithHistory)
                          rows.push_back({"OX-PSI", SampleTankWithHistory, vb::DateAdd("d", -2, Now()), 2000, 1500});
                      return Answer().Returns({"ItemID", "TankNum", "TransDate", "InitialR", "LastR"}, rows);
                  });
}

// Values: hospital number, admission, station.
Answer PostedCharges(const std::vector<std::string>& values) {
    const std::vector<Row> rows = PostedLines(values[1]);
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

// Values: admission, item, slip, department. What is left of the charge: its lines net of their cancellations.
Answer StandingAmount(const std::vector<std::string>& values) {
    double amount = 0;
    bool found = false;
    for (const Row& line : PostedLines(values[0]))
        if (vb::CStr(line[1]) == values[1] && vb::CStr(line[5]) == values[2] && vb::CStr(line[0]) == values[3]) {
            amount += vb::CDbl(line[4]);
            found = true;
        }
    return Answer().Returns({"Amount"}, found ? std::vector<Row>{{amount}} : std::vector<Row>{});
}

Answer InventoryType(const std::vector<std::string>& values) {
    return Answer().Returns({"InventoryType"}, {{values[0] == "21" ? "C" : "P"}});
}

// A procedure called with that many quoted values.
std::string Quoted(const std::string& procedure, int values) {
    std::string pattern = procedure + " ";
    for (int i = 0; i < values; ++i)
        pattern += std::string(i ? "," : "") + "'{?}'";
    return pattern;
}

Answer RoomClass(const std::vector<std::string>&) { return Answer().Returns({"RoomClassID"}, {{"C"}}); }

Answer ARCode(const std::vector<std::string>& values) {
    return Answer().Returns({"ARCode"}, {{"AR-" + values[0] + "-" + values[2]}});
}

// Values: slip, admission (twice each). The lines the charge slip prints: what the sample lists under that slip.
Answer SlipLines(const std::vector<std::string>& values) {
    std::vector<Row> rows;
    for (const Row& line : PostedLines(values[1]))
        if (vb::CStr(line[5]) == values[0])
            rows.push_back({line[1], line[2], vb::CStr(line[8]).empty() ? vb::Variant::Null() : line[3], line[4]});
    return Answer().Returns({"ItemID", "Description", "Quantity", "Amount"}, rows);
}

// Nothing a save or a cancellation writes is kept, so every slip number is unused.
void DeclarePostings(SampleServer& server) {
    server.OnRule("Select Isnull(InventoryType,'') As InventoryType From INVENTORY..tbInvLocation Where LocationID "
                  "='{?}'",
                  InventoryType);
    for (const char* cash : {"", " Union All  Select Refnum From BILLING..tbCashAssessment Where Refnum = '{?}'"})
        server
            .OnPattern(std::string("Select Refnum From BILLING..tbBillDailyBill Where Refnum = '{?}' Union All  "
                                   "Select Refnum From BILLING..tbBillOPDailyOut Where Refnum = '{?}'") +
                       cash +
                       " Union All  Select Refnum From BILLING..tbBillOPDailyOut Where ChargeSlip = '{?}' Union All "
                       " Select Refnum From INVENTORY..tbInvStockcard Where Refnum = '{?}'")
            .Returns({"Refnum"}, {});
    server.OnPattern(Quoted("STATION..sp_SCN_SaveChargePrint", 5)).Affects(1);
    server.OnPattern(Quoted("STATION..Nurse_AppendCharging", 18)).Affects(1);
    server.OnPattern("Station..sp_OpenCloseTank '{?}', '{?}', '{?}','{?}','{?}','{?}', '0'").Affects(1);
    server.OnPattern("STATION..sp_Save_Oxygen_Monitoring '{?}','{?}','{?}',{?},{?},'{?}','{?}',{?},'{?}','{?}'")
        .Affects(1);
    server
        .OnPattern("STATION..sp_Save_Supervisor_Transaction '{?}','{?}','{?}','{?}','{?}','Editing of Unit "
                   "Price',{?},{?}")
        .Affects(1);
    server.OnRule("STATION..sp_VerifySCN_Charges '{?}','{?}','{?}','{?}'", StandingAmount);
    server.OnPattern(Quoted("STATION..Nurse_UpdateCharging", 15)).Affects(1);
    server.OnPattern("Station..sp_Nurse_Append_tbBillAdjustInfo '{?}','{?}','{?}',{?},'{?}',{?},'{?}','{?}'")
        .Affects(1);
    server.OnPattern("STATION..sp_SCN_ReprintChargeSlip '{?}'").Affects(0);
    server.OnRule("SELECT B.ItemID, ISNULL(O.OtherRevenue, B.ItemID) AS Description, NULL AS Quantity, B.Amount FROM "
                  "BILLING..tbBillDailyBill AS B LEFT OUTER JOIN BUILD_FILE..tbCoOtherRevenue AS O ON "
                  "O.OtherRevenueID = B.ItemID WHERE B.RefNum = '{?}' AND B.IDNum = '{?}' UNION ALL SELECT S.ItemID, "
                  "ISNULL(M.ItemName, S.ItemID) AS Description, S.Quantity, S.Amount FROM INVENTORY..tbInvStockcard "
                  "AS S LEFT OUTER JOIN INVENTORY..tbInvMaster AS M ON M.ItemID = S.ItemID WHERE S.Refnum = '{?}' AND "
                  "S.IdNum = '{?}'",
                  SlipLines);
}

// Dr. Santos bills from a list of professional fees; the other doctors have none. Values: the doctor.
std::vector<Row> FeesOf(const std::vector<std::string>& values) {
    if (values[0] != "1021")
        return {};
    return {{"1021", "CONSULTATION", 500.0, 1}, {"1021", "ICU DAILY VISIT", 1200.0, 1}};
}

void DeclareDoctorsFees(SampleServer& server) {
    const std::string active = "from BUILD_FILE..tbCoDoctorBill Where DoctorID ='{?}' and Status = 1 and Amount >0";
    server.OnRule("Select * " + active, [](const std::vector<std::string>& values) {
        return Answer().Returns({"DoctorID", "Description", "Amount", "Status"}, FeesOf(values));
    });
    server.OnRule("Select TOP 1 1 " + active, [](const std::vector<std::string>& values) {
        return Answer().Returns({"1"}, FeesOf(values).empty() ? std::vector<Row>{} : std::vector<Row>{{1}});
    });
    server.OnRule("Select Description,Amount " + active + " Order By Description",
                  [](const std::vector<std::string>& values) {
                      std::vector<Row> rows;
                      for (const Row& fee : FeesOf(values))
                          rows.push_back({fee[1], fee[2]});
                      return Answer().Returns({"Description", "Amount"}, rows);
                  });
}

} // namespace

void DeclareCharges(SampleServer& server) {
    server.OnRule("STATION..List_All_SUCharges '{?}','{?}','{?}'", PostedCharges);
    server.OnRule("Select isnull(locationid,'') AS LocationID from BUILD_FILE..tbCoRevenueCode where revenueid = '{?}'",
                  RevenueLocation);
    DeclareTanks(server);
    server.OnRule("STATION..sp_Nurse_Get_RoomClassification '{?}'", RoomClass);
    server.OnRule("STATION..sp_Get_ARCodes '{?}','{?}','{?}'", ARCode);
    server.OnPattern("STATION..Nurse_CheckExam_Posted '{?}','{?}','{?}'").Returns({"ProcessDate"}, {});
    server.OnPattern("STATION..CheckIfInternational '{?}'").Returns({"isInternational"}, {{"N"}});
    DeclareDoctorsFees(server);
    DeclarePostings(server);
}

} // namespace sampleward
