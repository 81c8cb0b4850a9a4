#include "platform/vb/DateTime.h"
#include "platform/vb/Strings.h"
#include "sampleward/SampleWard.h"

namespace sampleward {

namespace {

std::string FullName(const components::PatientData& patient) {
    return patient.Lastname + ", " + patient.FirstName + " " + patient.MiddleName;
}

// The in-patient billed yesterday, the cash-basis patient, and the out-patient visit billed this morning.
bool IsBilled(const std::string& idNum) { return idNum == InPatientIdNum || idNum == OutPatientIdNum; }

// Values: last name, hospital number, admission number; an empty text matches every patient.
Answer ReceivablePatients(const std::vector<std::string>& values, bool outPatients) {
    std::vector<Row> rows;
    for (const SampleAdmission& sample : SampleAdmissions()) {
        const std::string& idNum = sample.admission.IdNumber;
        const bool outPatient = vb::Right(idNum, 1) == "B";
        if (outPatient != outPatients || !(IsBilled(idNum) || idNum == SuppliesCashBasisIdNum))
            continue;
        if ((!values[0].empty() && vb::InStr(sample.patient.Lastname, values[0]) != 1) ||
            (!values[1].empty() && sample.patient.HospitalNumber != values[1]) ||
            (!values[2].empty() && idNum != values[2]))
            continue;
        const vb::Variant billed = IsBilled(idNum) ? vb::Variant(vb::DateAdd("d", -1, vb::Variant(Now()))) : vb::Variant();
        rows.push_back({sample.patient.HospitalNumber, idNum, FullName(sample.patient), sample.admission.AdmissionDate,
                        sample.admission.DischargeDate, billed});
    }
    return Answer().Returns(
        {"Hospital #", "Admission #", "Patient Name", "Admission Date", "Discharged Date", "Billing Date"}, rows);
}

} // namespace

void DeclareReceivables(SampleServer& server) {
    server.OnRule("STATION.. sp_Get_Recievable_SNCUPatient  'A','{?}','{?}','{?}'",
                  [](const std::vector<std::string>& values) { return ReceivablePatients(values, false); });
    server.OnRule("STATION.. sp_Get_Recievable_SNCUPatient  'O','{?}','{?}','{?}'",
                  [](const std::vector<std::string>& values) { return ReceivablePatients(values, true); });
    server.OnRule("Station..sp_Nurse_Check_Patient_If_CashBasis '{?}','{?}'", [](const std::vector<std::string>& values) {
        const bool cashBasis = values[0] == SuppliesCashBasisIdNum;
        return Answer().Returns({"IDNum"}, cashBasis ? std::vector<Row>{{values[0]}} : std::vector<Row>{});
    });
    server.OnRule("PATIENT_DATA..sp_Check_Patient_For_ReceivableUpdate '{?}'",
                  [](const std::vector<std::string>&) { return Answer().Returns({"IsReceivableUpdate"}, {{true}}); });
}

} // namespace sampleward
