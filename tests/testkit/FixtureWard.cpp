#include "testkit/FixtureWard.h"

#include "platform/vb/DateSerialNumber.h"
#include "sampleward/SampleWard.h"

#include <algorithm>
#include <stdexcept>

namespace testkit::ward_fixture {

const std::vector<Employee>& Employees() {
    static const std::vector<Employee> employees = {
        {NurseCode, "SANTOS, MARIA", "|1|2|3|4|5|6|7|8|9|10|12|15|20|22"},
        {ActingNurseCode, "REYES, ANA", "|3|20|22"},
        {SupervisorCode, "CRUZ, ELENA", "|1|3|20|22|29"},
    };
    return employees;
}

std::vector<Row> NurseSetupRows() {
    return {
        {"ZODEShowCF4", "1"},      {"ZODEShowFluidIO", "1"},          {"CSlipFormat", "0000000"},
        {"PHCreditLimit", "5000"}, {"ZODEUsePHCreditLimit", "1"},     {"RadioPortableAmount", "150"},
        {"DefaultDosage", "OD"},   {"SICUOXTankItemCode", "OX-TANK"},
    };
}

void DeclareSettings(ScriptedServer& server) { DeclareSettings(server, false, NurseSetupRows()); }

namespace {

Row HospitalInfoRow(bool byGeneric) {
    return {HospitalName, HospitalAddress,
            byGeneric,    MTSServerName,
            true,         "(02) 555-0100",
            "TESSUN",     true,
            true,         false,
            false,        false,
            true,         true,
            false,        vb::MakeDate({1899, 12, 30, 17, 0, 0}),
            true,         false,
            false,        true,
            true,         std::int16_t{1},
            true,         true,
            false,        false,
            true,         false,
            false,        false,
            true};
}

void DeclareSettingsRows(ScriptedServer& server, const Row& hospitalInfo, const std::vector<Row>& nurseSetupRows) {
    server.On(HospitalInfoQuery).Returns(sampleward::HospitalInfoColumns(), {hospitalInfo});
    server.On(NursingSettingsQuery)
        .Returns({"PHICOneDay", "NurseResultDispositionOnly", "NoRequestingAfterFinalNotice",
                  "ValidateUnusedMedClearance", "PrintPHCSRequest", "AppendDrugDescCharge"},
                 {{true, false, true, false, true, false}});
    server.On(NurseSetupQuery).Returns({"Field", "value"}, nurseSetupRows);
}

} // namespace

void DeclareSettings(ScriptedServer& server, bool byGeneric, const std::vector<Row>& nurseSetupRows) {
    DeclareSettingsRows(server, HospitalInfoRow(byGeneric), nurseSetupRows);
}

void DeclareSettings(ScriptedServer& server, const SettingChanges& hospitalChanges) {
    DeclareSettings(server, hospitalChanges, NurseSetupRows());
}

void DeclareSettings(ScriptedServer& server, const SettingChanges& hospitalChanges,
                     const std::vector<Row>& nurseSetupRows) {
    Row hospitalInfo = HospitalInfoRow(false);
    const std::vector<std::string>& columns = sampleward::HospitalInfoColumns();
    for (const auto& [column, value] : hospitalChanges) {
        const auto found = std::find(columns.begin(), columns.end(), column);
        if (found == columns.end())
            throw std::invalid_argument("No hospital setting " + column);
        hospitalInfo[found - columns.begin()] = value;
    }
    DeclareSettingsRows(server, hospitalInfo, nurseSetupRows);
}

void DeclareStationAndEmployees(ScriptedServer& server) {
    server.On("Select StationID,Station From Build_file..tbCoStation Where StationID='SIC'")
        .Returns({"StationID", "Station"}, {{StationID, StationName}});
    for (const Employee& employee : Employees()) {
        server.On("SELECT * FROM STATION..tbNurseUserRights WHERE EmployeeID = '" + employee.code + "'")
            .Returns({"EmployeeID", "EmployeeRights"}, {{employee.code, employee.rights}});
    }
}

namespace {

components::PatientData InPatient() {
    components::PatientData patient;
    patient.HospitalNumber = InPatientHospNum;
    patient.Lastname = "DELA CRUZ";
    patient.FirstName = "JUAN";
    patient.MiddleName = "PEREZ";
    patient.Sex = "M";
    patient.BirthDate = vb::MakeDate({1961, 4, 12});
    patient.Age = "65";
    patient.BloodType = "O+";
    patient.CivilStatus.Description = "MARRIED";
    patient.Address.CompleteAddress = "45 RIZAL AVENUE, ZENTARI CITY";
    patient.Account = {InPatientHospNum, ""};
    return patient;
}

components::AdmissionData InPatientAdmission() {
    components::AdmissionData admission;
    admission.IdNumber = InPatientIdNum;
    admission.HospitalNumber = InPatientHospNum;
    admission.BillingDate = std::int32_t{0};
    admission.AdmissionDate = vb::MakeDate({2026, 12, 7, 9, 30, 0});
    admission.DischargeDate = std::int32_t{0};
    admission.Age = "65";
    admission.RoomRate = 4500;
    for (components::NullableFlag* flag : {&admission.OkeyLab, &admission.OkeyXray, &admission.OkeyUltra,
                                           &admission.OkeyPH, &admission.OkeyCS, &admission.OkeyCT, &admission.OkeyPT,
                                           &admission.OkeyHS, &admission.OkeyRTS, &admission.OkeyNU, &admission.OkeyAU})
        *flag = true;
    admission.HowAdmitted.Description = "EMERGENCY";
    admission.Account = {InPatientHospNum, ""};
    admission.AttendingDoctor1 = {"D0101", "DR. RAMON LIM"};
    admission.AttendingDoctor2 = {"D0102", "DR. SOFIA TAN"};
    admission.AdmittingDoctor = {"D0101", "DR. RAMON LIM"};
    admission.History.AdmittingDiagnosis = "ACUTE APPENDICITIS";
    admission.History.ChiefComplaint = "ABDOMINAL PAIN";
    admission.History.AdmittingImpression = "RUPTURED APPENDIX";
    admission.History.Height = "170";
    admission.History.Weight = "68";
    admission.Room = {"SIC-03", "C", 4500, {"ICU BED"}, {StationID, StationName}};
    return admission;
}

components::PatientData OutPatient() {
    components::PatientData patient;
    patient.HospitalNumber = OutPatientHospNum;
    patient.Lastname = "GARCIA";
    patient.FirstName = "LUISA";
    patient.MiddleName = "TAN";
    patient.Sex = "F";
    patient.BirthDate = vb::MakeDate({1990, 8, 1});
    patient.Age = "36";
    patient.Address.CompleteAddress = "8 LUNA STREET, ZENTARI CITY";
    patient.Account = {OutPatientHospNum, ""};
    return patient;
}

components::OutPatientData OutPatientVisit() {
    components::OutPatientData visit;
    visit.IdNumber = OutPatientIdNum;
    visit.HospitalNumber = OutPatientHospNum;
    visit.AdmissionDate = vb::MakeDate({2026, 12, 10, 8, 15, 0});
    visit.DischargeDate = std::int32_t{0};
    visit.BillingDate = std::int32_t{0};
    visit.Account = {OutPatientHospNum, ""};
    visit.Doctor1 = {"D0205", "DR. CARMEN YU"};
    visit.OPDHistory.ChiefComplaint = "WOUND DRESSING";
    return visit;
}

} // namespace

void AddPeople(TestApp& test) {
    test.currentUser.employeeCode = NurseCode;
    test.currentUser.employeeName = Employees()[0].name;
    test.currentUser.station = StationID;

    test.patientSearch.patientMaster.patients[InPatientHospNum] = InPatient();
    test.patientSearch.patientMaster.patients[OutPatientHospNum] = OutPatient();
    test.patientSearch.admissions[InPatientIdNum] = {InPatientAdmission(), InPatient()};
    test.patientSearch.patientClass.outPatient.visits[OutPatientIdNum] = OutPatientVisit();
    test.patientSearch.patientClass.outPatient.patient.patients[OutPatientHospNum] = OutPatient();

    test.patientObject.admissions[InPatientIdNum] = {
        InPatientIdNum,  InPatientHospNum, StationID, StationName, "DELA CRUZ, JUAN PEREZ",
        "DR. RAMON LIM", "SIC-03",         "ICU BED", "M",         vb::Variant("65")};
}

void Install(TestApp& test) {
    DeclareSettings(test.server);
    DeclareStationAndEmployees(test.server);
    AddPeople(test);
}

void PrepareStartUp(TestApp& test) {
    DeclareStationAndEmployees(test.server);
    test.server.On("select GETDATE() AS Tdate").Returns({"Tdate"}, {{vb::MakeDate({2026, 12, 11, 8, 30, 0})}});
    DeclareSettings(test.server);
    test.LetStartUpCreateTheFakes();
}

} // namespace testkit::ward_fixture
