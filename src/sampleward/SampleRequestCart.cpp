#include "platform/vb/DateTime.h"
#include "sampleward/SampleWard.h"

#include <map>

namespace sampleward {

namespace {

Answer Rows(std::vector<std::string> columns, std::vector<Row> rows) {
    Answer answer;
    answer.Returns(std::move(columns), std::move(rows));
    return answer;
}

// The specimens a laboratory exam is taken in: none for the blood sugar, one for the blood count, a choice of two for
// the serum chemistry.
const std::map<std::string, std::vector<Row>>& Specimens() {
    static const std::map<std::string, std::vector<Row>> specimens = {
        {"101", {{"WB", "WHOLE BLOOD"}}},
        {"120", {{"CIT", "CITRATED BLOOD"}}},
        {"401", {{"URI", "RANDOM URINE"}}},
        {"12", {{"SER", "SERUM"}, {"PLA", "PLASMA"}}},
        {"330", {{"SER", "SERUM"}, {"PLA", "PLASMA"}}},
        {"331", {{"SER", "SERUM"}, {"PLA", "PLASMA"}}},
        {"335", {{"SER", "SERUM"}, {"PLA", "PLASMA"}, {"HEP", "HEPARINIZED BLOOD"}}}};
    return specimens;
}

// The electrolytes profile stands for the sodium and potassium.
std::vector<Row> ProfileMembers(const std::string& code) {
    if (code != "335")
        return {};
    return {{"330", "SERUM SODIUM", "335", "ELECTROLYTES"}, {"331", "SERUM POTASSIUM", "335", "ELECTROLYTES"}};
}

// The catalogue's priority of an exam: the blood count is always STAT, the urinalysis always routine; the others
// follow the workstation's clock.
Answer Priority(const std::vector<std::string>& values) {
    const std::string& code = values.at(0);
    const vb::Date now = Now();
    const std::string stat = code == "101" ? "Y" : code == "401" ? "N" : "";
    const std::string after5 = vb::Hour(now) >= 17 ? "T" : "F";
    return Rows({"Stat", "DayofWeek", "AFter5"}, {{stat, std::int32_t{vb::Weekday(now)}, after5}});
}

// The patient list's Maria Santos came from abroad: her exams are charged at the international rate.
inline constexpr const char* InternationalIdNum = "2026000103";

} // namespace

void DeclareRequestCart(SampleServer& server) {
    server.OnPattern("STATION..Nurse_CheckExamStatus '{?}','{?}','{?}'").Returns({"Requestdate"}, {});
    server.OnPattern("STATION..Nurse_CheckExam_Posted '{?}','{?}','{?}'").Returns({"ProcessDate"}, {});
    server.OnRule("STATION..sp_Nurse_Get_ProfileList '{?}'", [](const std::vector<std::string>& values) {
        return Rows({"ExamID", "ExamName", "ProfileID", "ProfileName"}, ProfileMembers(values.at(0)));
    });
    server.OnRule("STATION..sp_Nurse_GetLabExam_Specimen '{?}'", [](const std::vector<std::string>& values) {
        auto found = Specimens().find(values.at(0));
        return Rows({"Code", "Description"}, found == Specimens().end() ? std::vector<Row>{} : found->second);
    });
    server.OnRule("Select isnull(stat,'') AS Stat, datepart(dw,GETDATE()) as DayofWeek, case When "
                  "convert(varchar(10),getdate(),101) +' 17:00:00' >= GEtDATE() then 'F' When "
                  "convert(varchar(10),getdate(),101) +' 17:00:00' < GEtDATE() then 'T' END AS 'AFter5' from "
                  "BUILD_FILE..tbcoLabExam Where LabexamID ='{?}'",
                  Priority);
    server.OnPattern("STATION..sp_Nurse_Update_OtherInfo '{?}','{?}','{?}','I'").Affects(1);
    server.On(std::string("STATION..CheckIfInternational '") + InternationalIdNum + "'")
        .Returns({"isInternational"}, {{"Y"}});
    server.OnPattern("STATION..CheckIfInternational '{?}'").Returns({"isInternational"}, {{"N"}});
}

} // namespace sampleward
