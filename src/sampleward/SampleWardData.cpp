#include "platform/vb/DateSerialNumber.h"
#include "platform/vb/DateTime.h"
#include "platform/vb/Strings.h"
#include "sampleward/SampleWard.h"

#include <ctime>

namespace sampleward {

namespace {

// A time of day on a day counted from today (0 today, -3 three days ago).
vb::Date DayAt(int daysFromToday, int hour, int minute) {
    const vb::Date today = vb::DateValue(Now());
    return vb::Date{today.serial + daysFromToday + vb::TimeSerial(hour, minute, 0).serial};
}

components::PatientData InPatient() {
    components::PatientData patient;
    patient.HospitalNumber = InPatientHospNum;
    patient.Lastname = "VILLANUEVA";
    patient.FirstName = "ROBERTO";
    patient.MiddleName = "SALAZAR";
    patient.Sex = "M";
    patient.BirthDate = vb::MakeDate({1958, 3, 21});
    patient.Age = "68";
    patient.BloodType = "A+";
    patient.CivilStatus.Description = "MARRIED";
    patient.Address.CompleteAddress = "17 BONIFACIO STREET, ZENTARI CITY";
    patient.Account = {InPatientHospNum, ""};
    patient.BirthPlace = "ZENTARI CITY";
    patient.Nationality.Description = "FILIPINO";
    patient.Religion.Description = "ROMAN CATHOLIC";
    return patient;
}

components::AdmissionData InPatientAdmission() {
    components::AdmissionData admission;
    admission.IdNumber = InPatientIdNum;
    admission.HospitalNumber = InPatientHospNum;
    admission.BillingDate = std::int32_t{0};
    admission.AdmissionDate = DayAt(-3, 9, 30);
    admission.DischargeDate = std::int32_t{0};
    admission.Age = "68";
    admission.RoomRate = 4500;
    for (components::NullableFlag* flag : {&admission.OkeyLab, &admission.OkeyXray, &admission.OkeyUltra,
                                           &admission.OkeyPH, &admission.OkeyCS, &admission.OkeyCT, &admission.OkeyPT,
                                           &admission.OkeyHS, &admission.OkeyRTS, &admission.OkeyNU, &admission.OkeyAU})
        *flag = true;
    admission.HowAdmitted.Description = "EMERGENCY";
    admission.Account = {InPatientHospNum, ""};
    admission.AttendingDoctor1 = {"D0301", "NAVARRO, TERESA LOPEZ"};
    admission.AdmittingDoctor = {"D0301", "NAVARRO, TERESA LOPEZ"};
    admission.History.AdmittingDiagnosis = "PERFORATED PEPTIC ULCER";
    admission.History.ChiefComplaint = "SEVERE EPIGASTRIC PAIN";
    admission.History.Height = "168 CM";
    admission.History.Weight = "70 KG";
    admission.Room = {"SIC-02", "C", 4500, {"ICU BED"}, {StationID, StationName}};
    return admission;
}

components::PatientData OutPatient() {
    components::PatientData patient;
    patient.HospitalNumber = OutPatientHospNum;
    patient.Lastname = "MERCADO";
    patient.FirstName = "ISABEL";
    patient.MiddleName = "RAMOS";
    patient.Sex = "F";
    patient.BirthDate = vb::MakeDate({1987, 11, 5});
    patient.Age = "38";
    patient.CivilStatus.Description = "SINGLE";
    patient.Address.CompleteAddress = "4 MABINI STREET, ZENTARI CITY";
    patient.Account = {OutPatientHospNum, ""};
    return patient;
}

components::AdmissionData OutPatientVisit() {
    components::AdmissionData visit;
    visit.IdNumber = OutPatientIdNum;
    visit.HospitalNumber = OutPatientHospNum;
    visit.BillingDate = std::int32_t{0};
    visit.AdmissionDate = DayAt(0, 8, 15);
    visit.DischargeDate = std::int32_t{0};
    visit.Age = "38";
    visit.Account = {OutPatientHospNum, ""};
    visit.AttendingDoctor1 = {"D0302", "SORIANO, MIGUEL CRUZ"};
    visit.History.ChiefComplaint = "POST-OPERATIVE WOUND CHECK";
    visit.Room = {"OPD", "A", 0, {"OUT-PATIENT"}, {StationID, StationName}};
    return visit;
}

} // namespace

vb::Date Now() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return vb::MakeDate(
        {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec});
}

const std::vector<SampleEmployee>& SampleEmployees() {
    // Access codes: N1001 "WARD1", N1002 "WARD2", S1001 "HEAD1". N1002 lacks the receivable update, the income
    // reports and the charge-slip setting (rights 13, 18, 20 and 21), so the main menu refuses them.
    static const std::vector<SampleEmployee> employees = {
        {SampleNurseID, "DIAZ", "CLARA", "MENDOZA", "STAFF NURSE", "5BF57B8485E6",
         "|1|2|3|4|5|6|9|10|11|12|13|16|17|18|19|20|21|22"},
        {"N1002", "FLORES", "PAOLO", "AQUINO", "STAFF NURSE", "5BF57B8485E7", "|1|3|22"},
        {"S1001", "BAUTISTA", "LORNA", "CASTRO", "HEAD NURSE", "5BE466EE7EFF",
         "|1|2|3|4|5|6|9|10|11|12|13|16|17|18|19|20|21|22|29"},
    };
    return employees;
}

const SampleEmployee* FindEmployee(const std::string& code) {
    for (const SampleEmployee& employee : SampleEmployees())
        if (vb::UCase(employee.code) == vb::UCase(code))
            return &employee;
    return nullptr;
}

std::vector<SampleAdmission> SampleAdmissions() {
    std::vector<SampleAdmission> admissions = {{InPatientAdmission(), InPatient()}, {OutPatientVisit(), OutPatient()}};
    for (SampleAdmission& listed : ListedSampleAdmissions())
        admissions.push_back(std::move(listed));
    return admissions;
}

std::vector<SampleAdmission> EarlierSampleAdmissions() {
    components::AdmissionData earlier = InPatientAdmission();
    earlier.IdNumber = EarlierInPatientIdNum;
    earlier.AdmissionDate = DayAt(-290, 14, 10);
    earlier.DischargeDate = DayAt(-283, 10, 0);
    earlier.Age = "67";
    earlier.AttendingDoctor1 = {"D0302", "SORIANO, MIGUEL CRUZ"};
    earlier.AdmittingDoctor = {"D0302", "SORIANO, MIGUEL CRUZ"};
    earlier.History.AdmittingDiagnosis = "COMMUNITY-ACQUIRED PNEUMONIA";
    earlier.History.ChiefComplaint = "FEVER AND PRODUCTIVE COUGH";
    earlier.History.FinalDiagnosis = "PNEUMONIA, RIGHT LOWER LOBE";
    earlier.Room.RoomID = "SIC-05";
    return {{earlier, InPatient()}};
}

} // namespace sampleward
