#include "sampleward/SampleWard.h"

#include "platform/vb/DateSerialNumber.h"
#include "platform/vb/DateTime.h"
#include "platform/vb/Strings.h"

namespace sampleward {

namespace {

Answer Rows(std::vector<std::string> columns, std::vector<Row> rows) {
    Answer answer;
    answer.Returns(std::move(columns), std::move(rows));
    return answer;
}

std::string PatientName(const SampleAdmission& sample) {
    return sample.patient.Lastname + ", " + sample.patient.FirstName + " " + sample.patient.MiddleName;
}

void DeclareStation(SampleServer& server) {
    server.On("Select StationID,Station From Build_file..tbCoStation Where StationID='SIC'")
        .Returns({"StationID", "Station"}, {{StationID, StationName}});
    server.OnRule("select GETDATE() AS Tdate", [](const auto&) { return Rows({"Tdate"}, {{Now()}}); });
    server.On("Select * from STATION..tbSCNChargeSlip").Returns({"ChargeSlip"}, {{"0004521"}});
}

void DeclareHospitalSettings(SampleServer& server) {
    server.On("Select * from PATIENT_DATA..tbHospitalInfo")
        .Returns(HospitalInfoColumns(), {{"TESSUN SAMPLE HOSPITAL",
                                          "1 SAMPLE AVENUE, ZENTARI CITY",
                                          false,
                                          "SAMPLE",
                                          true,
                                          "(02) 555-0199",
                                          "TESSUN",
                                          true,
                                          true,
                                          false,
                                          false,
                                          false,
                                          true,
                                          true,
                                          false,
                                          vb::MakeDate({1899, 12, 30, 17, 0, 0}),
                                          true,
                                          false,
                                          false,
                                          true,
                                          true,
                                          std::int16_t{1},
                                          true,
                                          true,
                                          true,
                                          false,
                                          true,
                                          false,
                                          false,
                                          false,
                                          true}});
    server
        .On("Select PHICOneDay,NurseResultDispositionOnly,NoRequestingAfterFinalNotice,ValidateUnusedMedClearance,"
            "PrintPHCSRequest,AppendDrugDescCharge From STATION..tbNursing_Settings")
        .Returns({"PHICOneDay", "NurseResultDispositionOnly", "NoRequestingAfterFinalNotice",
                  "ValidateUnusedMedClearance", "PrintPHCSRequest", "AppendDrugDescCharge"},
                 {{false, false, false, false, true, false}});
    server.On("select * from STATION..tbNurseSetup where status = '1'")
        .Returns({"Field", "value"}, {{"ZODEShowCF4", "1"},
                                      {"ZODEAllowInternationalRate", "1"},
                                      {"CSlipFormat", "0000000"},
                                      {"DefaultDosage", "OD"},
                                      {"ZODEAllowOpenCloseTank", "1"},
                                      {"SICUOXTankItemCode", "OX-TANK"}});
}

// One notice waiting in each poll: the in-patient cleared for discharge two hours ago, a claim slip, discharge
// instructions to write, and the out-patient's transfer from the emergency room.
void DeclareNotices(SampleServer& server) {
    const std::vector<SampleAdmission> admissions = SampleAdmissions();
    const SampleAdmission& inPatient = admissions[0];
    const SampleAdmission& outPatient = admissions[1];
    server.OnRule("Station..sp_Nurse_Get_Patient_ForDischarge 'SIC'", [inPatient](const auto&) {
        const vb::Date goodUpTo = vb::DateAdd("h", -2, Now());
        return Rows({"IdNum", "HospNum", "PatientName", "Good Up To"},
                    {{InPatientIdNum, InPatientHospNum, PatientName(inPatient), goodUpTo}});
    });
    server.On("Station..sp_Nurse_Get_Patient_ClaimSlip 'SIC'")
        .Returns({"IdNum", "HospNum", "PatientName", "ClaimSlip"},
                 {{InPatientIdNum, InPatientHospNum, PatientName(inPatient), "CL-000318"}});
    server.On("Station..sp_Nurse_Get_Patient_ForDischargeInstructions_MedicationSheet 'ZODE'")
        .Returns({"IdNum", "HospNum", "PatientName"}, {{InPatientIdNum, InPatientHospNum, PatientName(inPatient)}});
    server.On("STATION..sp_Nurse_Process_Pending_NotificationOfRoomTransfer 'SIC'")
        .Returns({"IdNum", "HospNum", "PatientName", "FromStation", "RoomID"},
                 {{OutPatientIdNum, OutPatientHospNum, PatientName(outPatient), "ER", "SIC-04"}});
}

// The server's own check: a row only for a sample employee whose enciphered access code matches.
Answer CheckUser(const std::vector<std::string>& values) {
    const SampleEmployee* employee = FindEmployee(values[0]);
    std::vector<Row> rows;
    if (employee && employee->enciphered == values[1])
        rows.push_back({employee->lastname, employee->firstName, employee->middleName});
    return Rows({"Lastname", "FirstName", "MiddleName"}, rows);
}

Answer RightsOf(const std::vector<std::string>& values) {
    const SampleEmployee* employee = FindEmployee(values[0]);
    std::vector<Row> rows;
    if (employee)
        rows.push_back({employee->code, employee->rights});
    return Rows({"EmployeeID", "EmployeeRights"}, rows);
}

// The station's employees whose code or last name starts with the typed text.
Answer SearchUsers(const std::vector<std::string>& values) {
    const std::string typed = vb::UCase(vb::Trim(values[0]));
    std::vector<Row> rows;
    for (const SampleEmployee& employee : SampleEmployees()) {
        if (employee.code.starts_with(typed) || employee.lastname.starts_with(typed))
            rows.push_back({employee.code, employee.lastname + ", " + employee.firstName + " " + employee.middleName,
                            employee.position});
    }
    return Rows({"EmployeeID", "EmployeeName", "Position"}, rows);
}

void DeclareEmployees(SampleServer& server) {
    server.OnRule("Station..sp_Check_User_Department_Access '{?}','{?}','{?}'", CheckUser);
    server.OnRule("STATION..sp_Check_User_Department_Access '{?}','{?}','{?}'", CheckUser);
    server.OnRule("SELECT * FROM STATION..tbNurseUserRights WHERE EmployeeID = '{?}'", RightsOf);
    server.OnRule("SELECT EmployeeRights FROM STATION..tbNurseUserRights WHERE EmployeeID = '{?}'", RightsOf);
    server.OnRule("STATION..spNurse_SearchNurseUsers 'SIC','{?}'", SearchUsers);
    server.OnPattern("STATION..spNurse_SaveUserRights '{?}','{?}','{?}'").Affects(1);
    server.On("Select Description,ItemID From  STATION..tbNurseUserSettings Where Status = 'A'")
        .Returns({"Description", "ItemID"}, {{"Request Exams, Medicines and Supplies", "1"},
                                             {"Cancel Requested Exams", "2"},
                                             {"Post Charges", "3"},
                                             {"Discharge Patients", "4"},
                                             {"Transfer Room of Patients", "5"},
                                             {"Post Diet and Discharge Orders", "6"},
                                             {"Assessment Entry", "9"},
                                             {"View Results", "10"},
                                             {"Update Patient Profile", "11"},
                                             {"Schedule Operation", "12"},
                                             {"Receivable Entry", "13"},
                                             {"Print Results", "16"},
                                             {"Print Statement of Account", "17"},
                                             {"Detailed Income Report", "18"},
                                             {"View Statement of Account", "19"},
                                             {"Charge Slip Setting", "20"},
                                             {"Summary Income Report", "21"},
                                             {"Cancel Charges", "22"},
                                             {"Supervisor", "29"}});
}

void DeclarePickers(SampleServer& server) {
    server.On("STATION..sp_Nurse_Get_CMRemarks 11")
        .Returns({"ID", "Remarks"}, {{"01", "WRONG ITEM CHARGED"}, {"02", "PATIENT DISCHARGED"}, {"03", "NOT USED"}});
}

// Nothing has been billed to the sample patients yet, and no CDF is on record.
void DeclareBills(SampleServer& server) {
    const std::vector<std::string> billColumns = {"RevenueID", "LocationID", "hemorequest", "ItemID",
                                                  "DrCr",      "LGRP",       "Amount"};
    server.OnPattern("BILLING..sp_billing_search_for_patient_transactions_Kidney '{?}', ''").Returns(billColumns, {});
    server.OnPattern("BILLING..sp_billing_search_for_patient_transactions_Kidney_Consolidated '', '{?}'")
        .Returns(billColumns, {});
    server.OnPattern("Select Amount from BILLING..tbParsCDFTransaction where hospnum = '{?}'").Returns({"Amount"}, {});
    server.OnPattern("BILLING..sp_Pars_Get_UtilizedCDF '{?}'").Returns({"Amount"}, {});
}

} // namespace

const std::vector<std::string>& HospitalInfoColumns() {
    static const std::vector<std::string> columns = {"Company",
                                                     "Address1",
                                                     "Bygeneric",
                                                     "MTSServerName",
                                                     "IsNursePrint",
                                                     "PhoneNum",
                                                     "ClientName",
                                                     "IsLBDirectCharging",
                                                     "IsXRDirectCharging",
                                                     "IsUSDirectCharging",
                                                     "IsCTDirectCharging",
                                                     "IsHSDirectCharging",
                                                     "IsShowAmount",
                                                     "IsPrintChargeSlip",
                                                     "IsCutoffClearance",
                                                     "CutoffClearanceTime",
                                                     "IsValidateRoomTransfer",
                                                     "IsAllowRoomTransferWithPendingRequest",
                                                     "IsAllowClinicalAssessmentWithoutValidation",
                                                     "IsAllowEntryOfReasonForCancellation",
                                                     "IsAllowByPassClinicalDepartmentCashBasis",
                                                     "PSIOxygenComputationType",
                                                     "isStat",
                                                     "IsAllowPostReturnZODE",
                                                     "IsAllowSupervisorCodeForCancellationOfCharges",
                                                     "AutoBillingDate",
                                                     "IsAllowNurseToDischarge",
                                                     "AllowZeroOnHand",
                                                     "PHQtyBaseFrequency",
                                                     "IsCompanyPrice",
                                                     "HighAlert"};
    return columns;
}

void DeclareSampleWard(SampleServer& server) {
    DeclareStation(server);
    DeclareHospitalSettings(server);
    DeclareNotices(server);
    DeclareEmployees(server);
    DeclarePickers(server);
    DeclareBills(server);
    DeclarePatientRecords(server);
    DeclareCatalogues(server);
    DeclareLabResults(server);
    DeclareDrugs(server);
    DeclareNurseActivity(server);
    DeclareChart(server);
    DeclareChartHeader(server);
    DeclareChartReports(server);
    DeclareChartGates(server);
    DeclareRequestEntry(server);
    DeclareCharges(server);
    DeclareReceivables(server);
    DeclareChartNursing(server);
    DeclareRequestCart(server);
    DeclareLabFormReprint(server);
    DeclareResultsPages(server);
    DeclareChartProfile(server);
    DeclareHeartStation(server);
    DeclareVerifiedResults(server);
    DeclarePatientList(server);
    DeclareHospitals(server);
    DeclareStationReports(server);
    DeclareORSchedule(server);
    DeclareSlipCounter(server);
}

std::unique_ptr<SampleServer> OpenSampleWard() {
    auto server = std::make_unique<SampleServer>();
    DeclareSampleWard(*server);
    return server;
}

} // namespace sampleward
