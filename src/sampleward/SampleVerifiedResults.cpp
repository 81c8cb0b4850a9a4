#include "sampleward/SampleWard.h"

namespace sampleward {

namespace {

Answer Rows(std::vector<std::string> columns, std::vector<Row> rows) {
    Answer answer;
    answer.Returns(std::move(columns), std::move(rows));
    return answer;
}

vb::Date HoursAgo(double hours) { return vb::Date{Now().serial - hours / 24}; }

const char* kPatient = "VILLANUEVA, ROBERTO SALAZAR";

// The in-patient's results verified and not printed yet: two laboratory results of one slip and the chest x-ray.
Answer LabList(const std::vector<std::string>& values) {
    std::vector<Row> rows;
    if (values.at(0) == StationID)
        rows = {{kPatient, "HEMOGLOBIN", HoursAgo(20), "CS-1001", "LR-0001", InPatientIdNum},
                {kPatient, "WBC COUNT", HoursAgo(20), "CS-1001", "LR-0002", InPatientIdNum}};
    return Rows({"Patient Name", "Examination", "Result Date", "Charge Slip", "Request No.", "Adm. No."}, rows);
}

Answer RadiologyList(const std::vector<std::string>& values, int kind) {
    std::vector<Row> rows;
    if (values.at(0) == StationID && kind == 1)
        rows = {{kPatient, "CHEST PA", HoursAgo(30), "X0001", "XR-0000212", InPatientIdNum, InPatientHospNum,
                 "SIC-02", "M", "68", "17 BONIFACIO STREET, ZENTARI CITY", "MARRIED", "NAVARRO, TERESA LOPEZ",
                 "SANTOS, MIGUEL REYES"}};
    return Rows({"Patient Name", "Examination", "Result Date", "Exam Code", "Request No.", "Adm. No.", "Hosp. No.",
                 "Room", "Sex", "Age", "Address", "Civil Status", "Attending Doctor", "Reading Doctor"},
                rows);
}

Answer Done(const std::vector<std::string>&) {
    Answer answer;
    answer.Affects(1);
    return answer;
}

} // namespace

void DeclareVerifiedResults(SampleServer& server) {
    server.OnRule("Station..sp_Nurse_Get_ResultsAutoPrint '{?}'", LabList);
    server.OnRule("Station..sp_Nurse_Get_LabAutoPrint '{?}'", LabList);
    for (int kind = 1; kind <= 3; ++kind)
        server.OnRule("Station..sp_Nurse_Get_RadiologyAutoPrint '{?}'," + std::to_string(kind),
                      [kind](const std::vector<std::string>& values) { return RadiologyList(values, kind); });
    server.OnRule("STATION..sp_Comm_UpdateMasterFile '{?}','{?}'", Done);
}

} // namespace sampleward
