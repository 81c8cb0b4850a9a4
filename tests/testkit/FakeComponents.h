#pragma once

#include "components/ChargeSlipListComponent.h"
#include "components/CodeSearchComponent.h"
#include "components/ComponentFactory.h"
#include "components/DrugComponent.h"
#include "components/DrugListComponent.h"
#include "components/ICDSearchComponent.h"
#include "components/IssuedItemsComponent.h"
#include "components/KeyFilterComponent.h"
#include "components/LabResultViewerComponent.h"
#include "components/LoginComponent.h"
#include "components/NurseActivityComponents.h"
#include "components/PatientInfoComponent.h"
#include "components/PatientSearchComponent.h"
#include "testkit/ScriptedServer.h"

#include <functional>
#include <map>
#include <vector>

// Fakes of the outside components. A test sets their answers through their public members and reads what they were
// asked in Calls, one line per member call with its arguments, e.g. "ValidateAdmission(ADM-1001)".
namespace testkit {

// The rows a fake component hands back as a recordset.
db::ResultTable MakeTable(std::vector<std::string> columns, const std::vector<Row>& rows);

struct CallLog {
    std::vector<std::string> Calls;
    void Record(const std::string& call) { Calls.push_back(call); }
};

class FakeCF4 : public components::CF4Component, public CallLog {
public:
    std::string IdNum, StationID, Title, HospitalName, HospitalAddress, ReportPath, EmployeeCode;
    bool ShowPrint = true;
    bool requirementsComplete = true;
    std::string showEntryError; // ShowEntry raises it when set

    void SetIdNum(const std::string& value) override;
    void SetStationID(const std::string& value) override;
    void SetTitle(const std::string& value) override;
    void SetShowPrint(bool value) override;
    void SetHospitalName(const std::string& value) override;
    void SetHospitalAddress(const std::string& value) override;
    void SetReportPath(const std::string& value) override;
    void SetEmployeeCode(const std::string& value) override;
    void ShowEntry() override;
    bool ValidateRequirements() override;
};

class FakeClassLibrary : public components::ClassLibrary, public CallLog {
public:
    bool UseClasses = false;
    std::shared_ptr<FakeCF4> cf4 = std::make_shared<FakeCF4>();

    void SetUseClasses(bool value) override;
    void initwithdb() override { Record("initwithdb"); }
    std::shared_ptr<components::CF4Component> clsCF4() override { return cf4; }
};

// The log-in component; the test gives it the connection (normally the scripted server).
class FakeLogin : public components::LoginComponent, public CallLog {
public:
    explicit FakeLogin(db::Connection* connection = nullptr) : connection(connection) {}

    db::Connection* connection;
    bool connected = true;
    bool passwordAccepted = true;
    std::string PasswordDeptCode;
    std::intptr_t hwndParentForm = 0;
    std::string employeeCode = "N0001", employeeName = "SANTOS, MARIA", initial = "MRS", serverName = "HOSPSRV01",
                database = "PATIENT_DATA", serverPassword = "secret", station = "SIC";
    FakeClassLibrary classes;

    void SetPasswordDeptCode(const std::string& value) override;
    void SethwndParentForm(std::intptr_t handle) override { hwndParentForm = handle; }
    void ShowMain() override { Record("ShowMain"); }
    bool Connected() const override { return connected; }
    db::Connection& SQLConnection() override;
    std::string EmployeeCode() const override { return employeeCode; }
    std::string EmployeeName() const override { return employeeName; }
    std::string Initial() const override { return initial; }
    std::string servername() const override { return serverName; }
    std::string Database() const override { return database; }
    std::string ServerPassword() const override { return serverPassword; }
    std::string Station() const override { return station; }
    bool checkusersettings() override;
    components::ClassLibrary& ZENTARIClasses() override { return classes; }
};

class FakePatient : public components::PatientObject, public CallLog {
public:
    // Patient records LoadPatient finds, by hospital number.
    std::map<std::string, components::PatientData> patients;
    bool LoadPatient(const std::string& hospitalNumber) override;
    void Refresh() override { Record("Patient.Refresh"); }
};

class FakeAdmission : public components::AdmissionObject, public CallLog {
public:
    FakePatient patient;
    bool dischargeAnswer = true;
    // Runs on Refresh, so a test can change what billing has done meanwhile.
    std::function<void(components::AdmissionData&)> onRefresh;

    void Refresh() override;
    bool DischargePatient(const std::string& idNum, const std::string& dischargeDate, const std::string& resultCode,
                          const std::string& dispositionCode, const std::string& userID, const std::string& roomID,
                          const std::string& doctorCode) override;
    components::PatientObject& Patient() override { return patient; }
};

class FakeOutPatient : public components::OutPatientObject, public CallLog {
public:
    FakePatient patient;
    // Visits OpenOutPatient finds, by admission number.
    std::map<std::string, components::OutPatientData> visits;

    bool OpenOutPatient(const std::string& idNum, const std::string& hospitalNumber) override;
    void Refresh() override { Record("OutPatient.Refresh"); }
    components::PatientObject& Patient() override { return patient; }
};

class FakePatientClass : public components::PatientClassObject {
public:
    FakeOutPatient outPatient;
    components::OutPatientObject& clsOutPatient() override { return outPatient; }
};

// One admission the fake patient search knows: the admission and its patient.
struct FakeAdmissionRecord {
    components::AdmissionData admission;
    components::PatientData patient;
};

class FakePatientSearch : public components::PatientSearchComponent, public CallLog {
public:
    bool acceptConnection = true;
    db::Connection* connection = nullptr;
    std::map<std::string, FakeAdmissionRecord> admissions; // by admission number
    std::map<std::string, components::RoomInfo> rooms;     // by room text
    FakePatient patientMaster;                             // its patients map answers ValidatePatient too
    FakeAdmission admission;
    FakePatientClass patientClass;
    components::RoomInfo room;

    bool InitConnection(db::Connection& connection, const std::string& mtsServerName) override;
    bool ValidatePatient(const std::string& hospitalNumber) override;
    bool ValidateAdmission(const std::string& idNum) override;
    bool ValidateRoom(const std::string& roomText) override;
    components::PatientObject& PatientMaster() override { return patientMaster; }
    components::AdmissionObject& Admission() override { return admission; }
    components::PatientClassObject& PatientClass() override { return patientClass; }
    const components::RoomInfo& Room() const override { return room; }

private:
    bool ValidateVisit(const std::string& idNum);
};

class FakeCodeSearch : public components::CodeSearchComponent, public CallLog {
public:
    // What SearchListing finds, by list kind and search text as passed: the answer fills the kind's record (the nurse
    // picked it). Any other search finds nothing.
    std::map<std::pair<int, std::string>, std::function<void(FakeCodeSearch&)>> answers;
    std::string MTS_Server, CompanyName, OtherSectionID;
    bool SearchMode = false;
    db::Connection* connection = nullptr;

    components::DoctorRecordInfo doctor;
    components::DietRecordInfo diet;
    components::StationRecordInfo station;
    components::DosageRecordInfo dosage;
    components::OtherRevenueRecordInfo otherRevenue;
    components::LabExamRecordInfo labExam;
    components::XrayExamRecordInfo xrayExam;
    components::UltrasoundRecordInfo ultrasound;
    components::CTExamRecordInfo ctExam;
    components::HSExamRecordInfo hsExam;
    components::NuclearExamRecordInfo nuclearExam;
    components::PTExamRecordInfo ptExam;
    components::RTSExamRecordInfo rtsExam;

    void SetMTS_Server(const std::string& value) override;
    void SetSearchMode(bool value) override;
    void Initialize_Classes() override { Record("Initialize_Classes"); }
    void SetConnection(db::Connection& connection) override;
    void SetCompanyName(const std::string& value) override;
    void SetOtherSectionID(const std::string& value) override;
    bool SearchListing(const std::string& text, int kind) override;

    const components::DoctorRecordInfo& DoctorRecord() const override { return doctor; }
    const components::DietRecordInfo& DietRecord() const override { return diet; }
    const components::StationRecordInfo& StationRecord() const override { return station; }
    const components::DosageRecordInfo& DosageRecord() const override { return dosage; }
    const components::OtherRevenueRecordInfo& OtherRevenueRecord() const override { return otherRevenue; }
    const components::LabExamRecordInfo& LabExamRecord() const override { return labExam; }
    const components::XrayExamRecordInfo& XrayExamRecord() const override { return xrayExam; }
    const components::UltrasoundRecordInfo& UltrasoundRecord() const override { return ultrasound; }
    const components::CTExamRecordInfo& CTExamRecord() const override { return ctExam; }
    const components::HSExamRecordInfo& HSExamRecord() const override { return hsExam; }
    const components::NuclearExamRecordInfo& NuclearExamRecord() const override { return nuclearExam; }
    const components::PTExamRecordInfo& PTExamRecord() const override { return ptExam; }
    const components::RTSExamRecordInfo& RTSExamRecord() const override { return rtsExam; }
};

// Upper-cases letters and tells digits, as the real filter does.
class FakeKeyFilter : public components::KeyFilterComponent, public CallLog {
public:
    std::int16_t AllUppers(std::int16_t keyAscii) override;
    bool IsNumber(std::int16_t keyAscii) override;
};

// Members of a fake asked to fail, by member path ("AppendStockCard", "ChargeSlip.UpdateCreditMemo"): the member
// raises a component error with the message, after letting the given number of calls through.
class FakeFailures {
public:
    void Fail(const std::string& member, std::string message = "Scripted component failure", int succeedFirst = 0);
    void Clear(const std::string& member) { failing.erase(member); }
    // Raises when the member is to fail at this call.
    void Check(const std::string& member) const;

private:
    struct Failure {
        std::string message;
        int succeedFirst = 0;
        mutable int calls = 0;
    };
    std::map<std::string, Failure> failing;
};

class FakeGenericLookup : public components::GenericLookup {
public:
    const FakeFailures* failures = nullptr;
    struct Generic {
        std::string GenericName, ClassificationName;
    };
    std::map<std::string, Generic> generics; // by generic code
    Generic current;

    bool Search(const std::string& text) override;
    std::string GenericName() const override { return current.GenericName; }
    std::string ClassificationName() const override { return current.ClassificationName; }
};

class FakeSlipSeries : public components::SlipSeries {
public:
    long creditMemo = 1;
    std::string adjustmentSlip = "ADJ-0001";
    const FakeFailures* failures = nullptr;
    std::string CurrentCreditMemo() const override;
    void UpdateCreditMemo() override;
    std::string CurrentAdjustmentSlip() const override;
};

// One item of the fake inventory.
struct FakeItem {
    bool inactive = false;
    std::string DrugCode, DrugName, Description, GenericName;
    components::ClassificationInfo Classification;
    components::InventInfo Invent;
};

class FakeDrugObject : public components::DrugObject, public CallLog {
public:
    FakeDrugObject() {
        generic.failures = &failures;
        slips.failures = &failures;
    }
    FakeDrugObject(const FakeDrugObject&) = delete;
    FakeDrugObject& operator=(const FakeDrugObject&) = delete;

    // Any member by its path below Drug: "SearchDrug", "Generic.Search", "QuantityIssued", "AppendStockCard",
    // "ListPostedDrugs", "ListPostedCSR", "ChargeSlip.CurrentCreditMemo", "ChargeSlip.UpdateCreditMemo",
    // "ChargeSlip.CurrentAdjustmentSlip". A failing AppendStockCard keeps no line, a failing UpdateCreditMemo no
    // advance.
    FakeFailures failures;
    std::map<std::string, FakeItem> items; // by code as passed (untrimmed)
    FakeItem current;
    FakeGenericLookup generic;
    FakeSlipSeries slips;
    std::map<std::pair<std::string, std::string>, double> issued; // (admission, item) -> quantity
    std::vector<components::StockCardArguments> stockCards;
    db::ResultTable postedDrugs, postedSupplies;

    using components::DrugObject::SearchDrug;
    bool SearchDrug(const std::string& code, const std::optional<std::string>& location = {},
                    const std::optional<std::string>& idNum = {}) override;
    bool Status() const override { return current.inactive; }
    std::string DrugCode() const override { return current.DrugCode; }
    std::string DrugName() const override { return current.DrugName; }
    std::string Description() const override { return current.Description; }
    std::string GenericName() const override { return current.GenericName; }
    const components::ClassificationInfo& Classification() const override { return current.Classification; }
    const components::InventInfo& Invent() const override { return current.Invent; }
    components::GenericLookup& Generic() override { return generic; }
    double QuantityIssued(const std::string& idNum, const std::string& itemCode) override;
    components::SlipSeries& ChargeSlip() override { return slips; }
    void AppendStockCard(const components::StockCardArguments& arguments) override;
    components::RecordsetResult ListPostedDrugs(const std::string& idNum, std::int16_t mode) override;
    components::RecordsetResult ListPostedCSR(const std::string& idNum, std::int16_t mode) override;
};

class FakeDrug : public components::DrugComponent, public CallLog {
public:
    bool acceptConnection = true;
    FakeDrugObject drug;
    bool InitConnect(const std::string& connectionString) override;
    components::DrugObject& Drug() override { return drug; }
};

class FakeDrugList : public components::DrugListComponent, public CallLog {
public:
    bool acceptConnection = true;
    std::optional<bool> DrugsOrCSR;
    // The codes ShowList returns, in order; "" (closed without a choice) once they are used up.
    std::vector<std::string> choices;

    bool InitConnection(const std::string& connectionString) override;
    void SetDrugsOrCSR(bool value) override;
    std::string ShowList(const std::string& text, bool option,
                         const std::optional<std::string>& location = {}) override;
};

class FakeIssuedItems : public components::IssuedItemsComponent, public CallLog {
public:
    bool acceptConnection = true;
    std::optional<bool> DrugsOrCSR;
    std::vector<std::string> choices; // codes the lists return, in order
    std::string chargeSlip;
    double issuedQuantity = 0;

    bool InitConnection(const std::string& connectionString) override;
    void SetDrugsOrCSR(bool value) override;
    std::string ListIssuedbyDrugs(const std::string& idNum, const std::string& title) override;
    using components::IssuedItemsComponent::ShowList;
    std::string ShowList(const std::string& idNum, const std::string& chargeSlip,
                         const std::string& patientName) override;
    std::string ChargeSlip() const override { return chargeSlip; }
    double IssuedQuantity() const override { return issuedQuantity; }
};

class FakeChargeSlipList : public components::ChargeSlipListComponent, public CallLog {
public:
    bool acceptConnection = true;
    bool InitConnection(const std::string& connectionString) override;
};

class FakePatientInfo : public components::PatientInfoComponent, public CallLog {
public:
    struct Info {
        std::string AdmissionNumber, HospitalNumber, StationID, Station, PatientName, Doctor, RoomNumber, Room, Sex;
        vb::Variant Age;
    };
    bool acceptConnection = true;
    std::map<std::string, Info> admissions; // by admission number
    Info current;

    bool InitConnect(const std::string& connectionString) override;
    bool LoadInfo(const std::string& idNum) override;
    std::string AdmissionNumber() const override { return current.AdmissionNumber; }
    std::string HospitalNumber() const override { return current.HospitalNumber; }
    std::string StationID() const override { return current.StationID; }
    std::string Station() const override { return current.Station; }
    std::string PatientName() const override { return current.PatientName; }
    std::string Doctor() const override { return current.Doctor; }
    std::string RoomNumber() const override { return current.RoomNumber; }
    std::string Room() const override { return current.Room; }
    vb::Variant Age() const override { return current.Age; }
    std::string Sex() const override { return current.Sex; }
};

class FakeICDSearch : public components::ICDSearchComponent, public CallLog {
public:
    db::Connection* connection = nullptr;
    void SetActiveConnection(db::Connection& connection) override;
    void ValidateICDCode() override { Record("ValidateICDCode"); }
};

// Keeps every property as last set, as the real viewer does; Calls names each member in the order it was set.
class FakeLabResultViewer : public components::LabResultViewerComponent, public CallLog {
public:
    std::map<std::string, std::string> properties;
    db::Connection* connection = nullptr;
    // The properties as they stood at each Show_Results.
    std::vector<std::map<std::string, std::string>> shows;
    // "Show_Results" raises when asked to fail, before anything is shown.
    FakeFailures failures;

    void SetCSNumber(const std::string& value) override { Set("CSNumber", value); }
    void SetRequestNum(const std::string& value) override { Set("RequestNum", value); }
    void SetAutoPrint(bool value) override { Set("AutoPrint", value ? "True" : "False"); }
    void SetViewMode(std::int16_t value) override { Set("ViewMode", std::to_string(value)); }
    void SetSQLConnection(db::Connection& value) override {
        Record("SQLConnection");
        connection = &value;
    }
    void SetHospitalNumber(const std::string& value) override { Set("HospitalNumber", value); }
    void SetIdNumber(const std::string& value) override { Set("IdNumber", value); }
    void SetRoomNumber(const std::string& value) override { Set("RoomNumber", value); }
    void SetPatientName(const std::string& value) override { Set("PatientName", value); }
    void SetAge(const std::string& value) override { Set("Age", value); }
    void SetSex(const std::string& value) override { Set("Sex", value); }
    void SetStatus(const std::string& value) override { Set("Status", value); }
    void SetUserID(const std::string& value) override { Set("UserID", value); }
    void SetStationID(const std::string& value) override { Set("StationID", value); }
    void Show_Results() override;

private:
    void Set(const std::string& member, const std::string& value) {
        Record(member);
        properties[member] = value;
    }
};

// The four nurse-activity objects answer with the rows a test declares per (admission, kind) and record each call.
struct FakeListings : CallLog {
    std::map<std::pair<std::string, std::string>, db::ResultTable> results;
    int terminated = 0;
    // While set, each call is recorded and then raises this error, as a component whose server failed.
    std::string failure;
    components::RecordsetResult Answer(const std::string& call, const std::string& key, const std::string& kind);
};

class FakeRequestList : public components::RequestListComponent, public FakeListings {
public:
    components::RecordsetResult GetRequests(const std::string& connectionString, const std::string& idNum,
                                            const std::string& kind) override;
    void Class_Terminate() override { ++terminated; }
};

class FakeResults : public components::ResultsComponent, public FakeListings {
public:
    components::RecordsetResult GetResults(const std::string& connectionString, const std::string& idNum,
                                           const std::string& kind) override;
    void Class_Terminate() override { ++terminated; }
};

class FakeConfinement : public components::ConfinementComponent, public FakeListings {
public:
    components::RecordsetResult GetConfinementPeriod(const std::string& connectionString,
                                                     const std::string& hospitalNumber,
                                                     const vb::Variant& admissionDate) override;
    void Class_Terminate() override { ++terminated; }
};

class FakeConfinementResults : public components::ConfinementResultsComponent, public FakeListings {
public:
    components::RecordsetResult GetConfinementResults(const std::string& connectionString, const std::string& idNum,
                                                      const std::string& kind) override;
    void Class_Terminate() override { ++terminated; }
};

// Registers a fake for every program identifier the start-up creates; a test reaches the fake the program received
// through the application's member (e.g. dynamic_cast<FakeDrug &>(*app.DrugObject)).
void RegisterFakeComponents(components::ComponentFactory& factory);

} // namespace testkit
