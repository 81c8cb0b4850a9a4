#include "platform/vb/DateTime.h"
#include "platform/vb/Strings.h"
#include "sampleward/SampleWard.h"

namespace sampleward {

namespace {

// The in-patient admission of that number; visits have no tbPatient2 row.
const SampleAdmission* FindInPatient(const std::vector<SampleAdmission>& samples, const std::string& idNum) {
    for (const SampleAdmission& sample : samples)
        if (sample.admission.IdNumber == idNum && vb::Right(idNum, 1) != "B")
            return &sample;
    return nullptr;
}

// Values: the admission, then the department.
Answer Cleared(const std::vector<std::string>& values) {
    std::vector<Row> rows;
    if (values[0] == PharmacyClearedIdNum && values[1] == "PH")
        rows.push_back({values[0], vb::Date{vb::DateValue(Now()).serial + vb::TimeSerial(7, 30, 0).serial}});
    return Answer().Returns({"IDNum", "ClearDate"}, rows);
}

Answer PatientsMed(const std::vector<std::string>& values) {
    const std::vector<SampleAdmission> samples = SampleAdmissions();
    std::vector<Row> rows;
    if (FindInPatient(samples, values[0]))
        rows.push_back({0});
    return Answer().Returns({"PatientsMed"}, rows);
}

// The ward's own charges are under cash basis where billing put supplies under it.
Answer WardCashBasis(const std::vector<std::string>& values) {
    const std::vector<SampleAdmission> samples = SampleAdmissions();
    std::vector<Row> rows;
    if (const SampleAdmission* found = FindInPatient(samples, values[0]))
        rows.push_back({found->admission.OkeyCS.value_or(false) ? 1 : 0});
    return Answer().Returns({"OKeySU"}, rows);
}

// A remote control was charged to the in-patient and credited again.
Answer RemoteControl(const std::vector<std::string>& values) {
    std::vector<Row> rows;
    if (values[0] == InPatientIdNum)
        rows.push_back({0.0});
    return Answer().Returns({"Amount"}, rows);
}

} // namespace

void DeclareChartGates(SampleServer& server) {
    server.OnRule("STATION..sp_Nurse_Check_ClearedDepartment '{?}','{?}'", Cleared);
    server.OnRule("Select Isnull(PatientsMed,0) as PatientsMed from Patient_data..tbPatient2 where IDNum ='{?}'",
                  PatientsMed);
    server.OnRule("SELECT Isnull(OkeySU,0) as OKeySU FROM Patient_data..tbPatient2 WHERE IDNum ='{?}'", WardCashBasis);
    server.OnRule("Station..sp_Check_RemoteControl_Charges '{?}'", RemoteControl);
    server.On("STATION..sp_SNCU_ChargingCodes")
        .Returns({"RevenueID", "ItemName"}, {{"SU", "NURSING SERVICES"},
                                             {"PH", "PHARMACY"},
                                             {"CS", "CENTRAL SUPPLY"},
                                             {"MD", "DOCTOR'S FEE"},
                                             {"OX", "OXYGEN"}});
    server.OnPattern("STATION..sp_Nurse_Get_Assess_ClinicalDeparment '{?}',{?}")
        .Returns({"RevenueID", "ItemName"},
                 {{"LB", "LABORATORY"}, {"XR", "X-RAY"}, {"US", "ULTRASOUND"}, {"HS", "HEART STATION"}});
}

} // namespace sampleward
