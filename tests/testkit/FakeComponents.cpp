#include "testkit/FakeComponents.h"

#include "components/PatientRecords.h"
#include "platform/vb/VbError.h"

#include <cstdio>
#include <stdexcept>

namespace testkit {

namespace {

std::string Flag(bool value) { return value ? "True" : "False"; }

// The next answer a test queued for a pick list; "" (closed without a choice) once they are used up.
std::string TakeNext(std::vector<std::string>& choices) {
    if (choices.empty())
        return "";
    std::string choice = choices.front();
    choices.erase(choices.begin());
    return choice;
}

template <class T> std::unique_ptr<components::Component> Make() { return std::make_unique<T>(); }

} // namespace

db::ResultTable MakeTable(std::vector<std::string> columns, const std::vector<Row>& rows) {
    db::ResultTable table;
    table.hasColumns = true;
    table.columns = std::move(columns);
    for (const Row& row : rows)
        for (const vb::Variant& value : row)
            table.values.push_back(value);
    return table;
}

void FakeCF4::SetIdNum(const std::string& value) {
    Record("IdNum=" + value);
    IdNum = value;
}
void FakeCF4::SetStationID(const std::string& value) {
    Record("StationID=" + value);
    StationID = value;
}
void FakeCF4::SetTitle(const std::string& value) {
    Record("Title=" + value);
    Title = value;
}
void FakeCF4::SetShowPrint(bool value) {
    Record(std::string("ShowPrint=") + (value ? "True" : "False"));
    ShowPrint = value;
}

void FakeCF4::ShowEntry() {
    Record("ShowEntry");
    if (!showEntryError.empty())
        throw std::runtime_error(showEntryError);
}
void FakeCF4::SetHospitalName(const std::string& value) {
    Record("HospitalName=" + value);
    HospitalName = value;
}
void FakeCF4::SetHospitalAddress(const std::string& value) {
    Record("HospitalAddress=" + value);
    HospitalAddress = value;
}
void FakeCF4::SetReportPath(const std::string& value) {
    Record("ReportPath=" + value);
    ReportPath = value;
}
void FakeCF4::SetEmployeeCode(const std::string& value) {
    Record("EmployeeCode=" + value);
    EmployeeCode = value;
}

bool FakeCF4::ValidateRequirements() {
    Record("ValidateRequirements(" + IdNum + ")");
    return requirementsComplete;
}

void FakeClassLibrary::SetUseClasses(bool value) {
    UseClasses = value;
    Record("UseClasses=" + Flag(value));
}

void FakeLogin::SetPasswordDeptCode(const std::string& value) {
    PasswordDeptCode = value;
    Record("PasswordDeptCode=" + value);
}

db::Connection& FakeLogin::SQLConnection() {
    if (!connection)
        throw vb::VbError(91, "Object variable or With block variable not set");
    return *connection;
}

bool FakeLogin::checkusersettings() {
    Record("checkusersettings");
    return passwordAccepted;
}

bool FakePatient::LoadPatient(const std::string& hospitalNumber) {
    Record("LoadPatient(" + hospitalNumber + ")");
    auto found = patients.find(hospitalNumber);
    if (found == patients.end())
        return false;
    static_cast<components::PatientData&>(*this) = found->second;
    return true;
}

void FakeAdmission::Refresh() {
    Record("Admission.Refresh");
    if (onRefresh)
        onRefresh(*this);
}

bool FakeAdmission::DischargePatient(const std::string& idNum, const std::string& dischargeDate,
                                     const std::string& resultCode, const std::string& dispositionCode,
                                     const std::string& userID, const std::string& roomID,
                                     const std::string& doctorCode) {
    Record("DischargePatient(" + idNum + "," + dischargeDate + "," + resultCode + "," + dispositionCode + "," + userID +
           "," + roomID + "," + doctorCode + ")");
    return dischargeAnswer;
}

bool FakeOutPatient::OpenOutPatient(const std::string& idNum, const std::string& hospitalNumber) {
    Record("OpenOutPatient(" + idNum + "," + hospitalNumber + ")");
    auto found = visits.find(idNum);
    if (found == visits.end())
        return false;
    static_cast<components::OutPatientData&>(*this) = found->second;
    // The visit's patient comes with it, as our patient search gives it.
    auto person = patient.patients.find(found->second.HospitalNumber);
    static_cast<components::PatientData&>(patient) =
        person == patient.patients.end() ? components::PatientData{} : person->second;
    return true;
}

bool FakePatientSearch::InitConnection(db::Connection& value, const std::string& mtsServerName) {
    Record("InitConnection(connection," + mtsServerName + ")");
    connection = &value;
    return acceptConnection;
}

bool FakePatientSearch::ValidatePatient(const std::string& hospitalNumber) {
    Record("ValidatePatient(" + hospitalNumber + ")");
    auto found = patientMaster.patients.find(hospitalNumber);
    if (found == patientMaster.patients.end())
        return false;
    static_cast<components::PatientData&>(patientMaster) = found->second;
    return true;
}

bool FakePatientSearch::ValidateAdmission(const std::string& idNum) {
    Record("ValidateAdmission(" + idNum + ")");
    auto found = admissions.find(idNum);
    if (found == admissions.end())
        return ValidateVisit(idNum);
    static_cast<components::AdmissionData&>(admission) = found->second.admission;
    static_cast<components::PatientData&>(admission.patient) = found->second.patient;
    return true;
}

// An out-patient visit the fake knows becomes the current admission as our patient search makes it.
bool FakePatientSearch::ValidateVisit(const std::string& idNum) {
    auto visit = patientClass.outPatient.visits.find(idNum);
    if (visit == patientClass.outPatient.visits.end())
        return false;
    auto patient = patientClass.outPatient.patient.patients.find(visit->second.HospitalNumber);
    const components::PatientData person =
        patient == patientClass.outPatient.patient.patients.end() ? components::PatientData{} : patient->second;
    static_cast<components::AdmissionData&>(admission) = components::records::AdmissionOfVisit(visit->second, person);
    static_cast<components::PatientData&>(admission.patient) = person;
    return true;
}

bool FakePatientSearch::ValidateRoom(const std::string& roomText) {
    Record("ValidateRoom(" + roomText + ")");
    auto found = rooms.find(roomText);
    if (found == rooms.end())
        return false;
    room = found->second;
    return true;
}

void FakeCodeSearch::SetMTS_Server(const std::string& value) {
    MTS_Server = value;
    Record("MTS_Server=" + value);
}

void FakeCodeSearch::SetSearchMode(bool value) {
    SearchMode = value;
    Record("SearchMode=" + Flag(value));
}

void FakeCodeSearch::SetConnection(db::Connection& value) {
    connection = &value;
    Record("Connection");
}

void FakeCodeSearch::SetCompanyName(const std::string& value) {
    CompanyName = value;
    Record("CompanyName=" + value);
}

void FakeCodeSearch::SetOtherSectionID(const std::string& value) {
    OtherSectionID = value;
    Record("OtherSectionID=" + value);
}

bool FakeCodeSearch::SearchListing(const std::string& text, int kind) {
    Record("SearchListing(" + text + "," + std::to_string(kind) + ")");
    auto found = answers.find({kind, text});
    if (found == answers.end())
        return false;
    found->second(*this);
    return true;
}

std::int16_t FakeKeyFilter::AllUppers(std::int16_t keyAscii) {
    Record("AllUppers(" + std::to_string(keyAscii) + ")");
    if (keyAscii >= 'a' && keyAscii <= 'z')
        return static_cast<std::int16_t>(keyAscii - 'a' + 'A');
    return keyAscii;
}

bool FakeKeyFilter::IsNumber(std::int16_t keyAscii) {
    Record("IsNumber(" + std::to_string(keyAscii) + ")");
    return keyAscii >= '0' && keyAscii <= '9';
}

void FakeFailures::Fail(const std::string& member, std::string message, int succeedFirst) {
    failing[member] = Failure{std::move(message), succeedFirst};
}

void FakeFailures::Check(const std::string& member) const {
    auto found = failing.find(member);
    if (found == failing.end())
        return;
    if (found->second.calls++ < found->second.succeedFirst)
        return;
    throw vb::VbError(vb::vbErrInvalidProcedureCall, found->second.message);
}

namespace {

void CheckFailure(const FakeFailures* failures, const std::string& member) {
    if (failures)
        failures->Check(member);
}

} // namespace

bool FakeGenericLookup::Search(const std::string& text) {
    CheckFailure(failures, "Generic.Search");
    auto found = generics.find(text);
    if (found == generics.end())
        return false;
    current = found->second;
    return true;
}

std::string FakeSlipSeries::CurrentCreditMemo() const {
    CheckFailure(failures, "ChargeSlip.CurrentCreditMemo");
    char text[16];
    std::snprintf(text, sizeof text, "CM%06ld", creditMemo);
    return text;
}

void FakeSlipSeries::UpdateCreditMemo() {
    CheckFailure(failures, "ChargeSlip.UpdateCreditMemo");
    ++creditMemo;
}

std::string FakeSlipSeries::CurrentAdjustmentSlip() const {
    CheckFailure(failures, "ChargeSlip.CurrentAdjustmentSlip");
    return adjustmentSlip;
}

bool FakeDrugObject::SearchDrug(const std::string& code, const std::optional<std::string>& location,
                                const std::optional<std::string>& idNum) {
    Record("SearchDrug(" + code + (location ? "," + *location : "") + (idNum ? ",," + *idNum : "") + ")");
    failures.Check("SearchDrug");
    auto found = items.find(code);
    if (found == items.end())
        return false;
    current = found->second;
    return true;
}

double FakeDrugObject::QuantityIssued(const std::string& idNum, const std::string& itemCode) {
    Record("QuantityIssued(" + idNum + "," + itemCode + ")");
    failures.Check("QuantityIssued");
    auto found = issued.find({idNum, itemCode});
    return found == issued.end() ? 0 : found->second;
}

void FakeDrugObject::AppendStockCard(const components::StockCardArguments& arguments) {
    Record("AppendStockCard");
    failures.Check("AppendStockCard");
    stockCards.push_back(arguments);
}

components::RecordsetResult FakeDrugObject::ListPostedDrugs(const std::string& idNum, std::int16_t mode) {
    Record("ListPostedDrugs(" + idNum + "," + std::to_string(mode) + ")");
    failures.Check("ListPostedDrugs");
    return db::Recordset(postedDrugs, db::CursorType::Static, db::LockType::ReadOnly);
}

components::RecordsetResult FakeDrugObject::ListPostedCSR(const std::string& idNum, std::int16_t mode) {
    Record("ListPostedCSR(" + idNum + "," + std::to_string(mode) + ")");
    failures.Check("ListPostedCSR");
    return db::Recordset(postedSupplies, db::CursorType::Static, db::LockType::ReadOnly);
}

bool FakeDrug::InitConnect(const std::string& connectionString) {
    Record("InitConnect(" + connectionString + ")");
    return acceptConnection;
}

bool FakeDrugList::InitConnection(const std::string& connectionString) {
    Record("InitConnection(" + connectionString + ")");
    return acceptConnection;
}

void FakeDrugList::SetDrugsOrCSR(bool value) {
    DrugsOrCSR = value;
    Record("DrugsOrCSR=" + Flag(value));
}

std::string FakeDrugList::ShowList(const std::string& text, bool option, const std::optional<std::string>& location) {
    Record("ShowList(" + text + "," + Flag(option) + (location ? "," + *location : "") + ")");
    return TakeNext(choices);
}

bool FakeIssuedItems::InitConnection(const std::string& connectionString) {
    Record("InitConnection(" + connectionString + ")");
    return acceptConnection;
}

void FakeIssuedItems::SetDrugsOrCSR(bool value) {
    DrugsOrCSR = value;
    Record("DrugsOrCSR=" + Flag(value));
}

std::string FakeIssuedItems::ListIssuedbyDrugs(const std::string& idNum, const std::string& title) {
    Record("ListIssuedbyDrugs(" + idNum + "," + title + ")");
    return TakeNext(choices);
}

std::string FakeIssuedItems::ShowList(const std::string& idNum, const std::string& slip,
                                      const std::string& patientName) {
    Record("ShowList(" + idNum + "," + slip + "," + patientName + ")");
    return TakeNext(choices);
}

bool FakeChargeSlipList::InitConnection(const std::string& connectionString) {
    Record("InitConnection(" + connectionString + ")");
    return acceptConnection;
}

bool FakePatientInfo::InitConnect(const std::string& connectionString) {
    Record("InitConnect(" + connectionString + ")");
    return acceptConnection;
}

bool FakePatientInfo::LoadInfo(const std::string& idNum) {
    Record("LoadInfo(" + idNum + ")");
    auto found = admissions.find(idNum);
    if (found == admissions.end())
        return false;
    current = found->second;
    return true;
}

void FakeICDSearch::SetActiveConnection(db::Connection& value) {
    connection = &value;
    Record("ActiveConnection");
}

void FakeLabResultViewer::Show_Results() {
    Record("Show_Results");
    failures.Check("Show_Results");
    shows.push_back(properties);
}

components::RecordsetResult FakeListings::Answer(const std::string& call, const std::string& key,
                                                 const std::string& kind) {
    Record(call + "(" + key + "," + kind + ")");
    if (!failure.empty())
        throw vb::VbError(-2147467259, failure);
    auto found = results.find({key, kind});
    db::ResultTable table = found == results.end() ? db::ResultTable{} : found->second;
    table.hasColumns = true;
    return db::Recordset(table, db::CursorType::Static, db::LockType::ReadOnly);
}

components::RecordsetResult FakeRequestList::GetRequests(const std::string&, const std::string& idNum,
                                                         const std::string& kind) {
    return Answer("GetRequests", idNum, kind);
}

components::RecordsetResult FakeResults::GetResults(const std::string&, const std::string& idNum,
                                                    const std::string& kind) {
    return Answer("GetResults", idNum, kind);
}

components::RecordsetResult FakeConfinement::GetConfinementPeriod(const std::string&, const std::string& hospitalNumber,
                                                                  const vb::Variant&) {
    return Answer("GetConfinementPeriod", hospitalNumber, "");
}

components::RecordsetResult FakeConfinementResults::GetConfinementResults(const std::string&, const std::string& idNum,
                                                                          const std::string& kind) {
    return Answer("GetConfinementResults", idNum, kind);
}

void RegisterFakeComponents(components::ComponentFactory& factory) {
    factory.Register("Zentari_User.clsCurrentuser", Make<FakeLogin>);
    factory.Register("Ulvexa.clsPatientSearch", Make<FakePatientSearch>);
    factory.Register("Bramwit.clsCodeSearch", Make<FakeCodeSearch>);
    factory.Register("Kappoch.KeyPress", Make<FakeKeyFilter>);
    factory.Register("Tembloc.clsDrug", Make<FakeDrug>);
    factory.Register("Yarrowin.clsListDrugs", Make<FakeDrugList>);
    factory.Register("Selkarn.clsListGeneric", Make<FakeDrugList>);
    factory.Register("Ostenay.Labresultviewer", Make<FakeLabResultViewer>);
    factory.Register("Gorvath.ICDCodeSearch", Make<FakeICDSearch>);
    factory.Register("Virselto.clsRequest", Make<FakeRequestList>);
    factory.Register("Virselto.clsResults", Make<FakeResults>);
    factory.Register("Virselto.clsConfinement", Make<FakeConfinement>);
    factory.Register("Virselto.clsConfinementResults", Make<FakeConfinementResults>);
    factory.Register("Mibrault.clsChargeSlip", Make<FakeChargeSlipList>);
    factory.Register("Tondrel.clsIssuedMedicines", Make<FakeIssuedItems>);
    factory.Register("Quosset.Patient", Make<FakePatientInfo>);
}

} // namespace testkit
