#include "platform/vb/DateTime.h"
#include "sampleward/SampleWard.h"

namespace sampleward {

namespace {

vb::Date HoursAgo(double hours) { return vb::Date{Now().serial - hours / 24}; }

struct SampleNote {
    std::int32_t number;
    vb::Date written;
    std::string shift, userID, writer, text;
};

std::vector<SampleNote> SampleNotes(const std::string& idNum) {
    if (idNum == InPatientIdNum)
        return {{1001, HoursAgo(50), "6AM-2PM", "N1001", "DIAZ, CLARA",
                 "Received from the recovery room, awake and oriented. Incision site dry and intact."},
                {1002, HoursAgo(41), "2PM-10PM", "N1002", "FLORES, PAOLO",
                 "Complained of pain at the incision site, 6/10; analgesic given as ordered."},
                {1003, HoursAgo(30), "10PM-6AM", "N1001", "DIAZ, CLARA",
                 "Slept through the night. Patient`s IV line patent, infusing well."}};
    if (idNum == OutPatientIdNum)
        return {{2001, HoursAgo(4), "6AM-2PM", "N1002", "FLORES, PAOLO", "Wound dressing changed; no discharge noted."},
                {2002, HoursAgo(1), "6AM-2PM", "N1001", "DIAZ, CLARA",
                 "Vital signs stable; for home after the doctor`s rounds."}};
    return {};
}

const std::string NoteFields = "SELECT Transdate, Dayshift, UserID, Notes FROM STATION..tbNurseNotes WHERE IDNum = '";

void DeclareNotes(SampleServer& server, const std::string& idNum) {
    std::vector<Row> list, all;
    for (const SampleNote& note : SampleNotes(idNum)) {
        list.push_back({note.written, note.shift, note.writer, note.userID, note.number});
        const Row stored = {note.written, note.shift, note.userID, note.text};
        all.push_back(stored);
        server.On("Select * from station..tbNurseNotes where transnum = " + std::to_string(note.number))
            .Returns({"TransNum", "IDNum", "Transdate", "Dayshift", "Notes", "UserID", "StationID"},
                     {{note.number, idNum, note.written, note.shift, note.text, note.userID, StationID}});
        server.On(NoteFields + idNum + "' AND TransNum = " + std::to_string(note.number))
            .Returns({"Transdate", "Dayshift", "UserID", "Notes"}, {stored});
    }
    server.On("STATION..Nurse_GetNotes '" + idNum + "'")
        .Returns({"Transdate", "Dayshift", "EnteredBy", "UserID", "TransNum"}, list);
    server.On(NoteFields + idNum + "' ORDER BY Transdate").Returns({"Transdate", "Dayshift", "UserID", "Notes"}, all);
}

void DeclareVitalSignsSheet(SampleServer& server, const std::string& idNum) {
    std::vector<Row> rows;
    for (const SampleVitalSign& set : SampleVitalSigns(idNum))
        rows.push_back({set.taken, set.bloodPressure, set.temperature, set.pulseRate, set.respiratoryRate,
                        set.saturation, set.encoder});
    server
        .On("SELECT Transdate, BloodPressure, Temperature, PulseRate, RespiratoryRate, O2Sat, Encoder FROM "
            "STATION..tbNurseVitalSigns WHERE IdNum = '" +
            idNum + "' ORDER BY Transdate")
        .Returns({"Transdate", "BloodPressure", "Temperature", "PulseRate", "RespiratoryRate", "O2Sat", "Encoder"},
                 rows);
}

} // namespace

std::vector<SampleVitalSign> SampleVitalSigns(const std::string& idNum) {
    if (idNum == InPatientIdNum)
        return {{HoursAgo(24), "120/80", 37.2, 18, 76, "98", "N1001"},
                {HoursAgo(16), "130/85", 37.8, 20, 88, "97", "N1002"},
                {HoursAgo(12), "125/80", 37.4, 18, 80, "98", "N1001"}};
    if (idNum == OutPatientIdNum)
        return {{HoursAgo(5), "110/70", 36.8, 16, 72, "99", "N1002"},
                {HoursAgo(2), "115/75", 37.0, 16, 70, "99", "N1001"}};
    return {};
}

void DeclareChartNursing(SampleServer& server) {
    for (const char* idNum : {InPatientIdNum, OutPatientIdNum}) {
        DeclareNotes(server, idNum);
        DeclareVitalSignsSheet(server, idNum);
    }
    server.OnPattern("STATION..Nurse_SaveNursingNotes '{?}','{?}','{?}','{?}','{?}','{?}'").Affects(1);
    server.OnPattern("STATION..sp_Nurse_Update_NurseNotes_New '{?}','{?}','{?}',{?}").Affects(1);
    server
        .OnPattern("STATION..Nurse_UpdateVitalSigns '{?}','{?}','{?}','{?}','{?}','{?}','{?}','{?}','{?}','{?}','DONE'")
        .Affects(1);
}

} // namespace sampleward
