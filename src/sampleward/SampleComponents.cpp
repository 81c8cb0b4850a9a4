#include "sampleward/SampleComponents.h"

#include "platform/vb/Strings.h"

#include <memory>

namespace sampleward {

namespace {

std::optional<SampleAdmission> FindAdmission(const std::string& idNum) {
    for (SampleAdmission& sample : SampleAdmissions())
        if (sample.admission.IdNumber == vb::Trim(idNum))
            return sample;
    return std::nullopt;
}

std::optional<components::PatientData> FindPatient(const std::string& hospitalNumber) {
    for (SampleAdmission& sample : SampleAdmissions())
        if (sample.patient.HospitalNumber == vb::Trim(hospitalNumber))
            return sample.patient;
    return std::nullopt;
}

bool IsOutPatientVisit(const std::string& idNum) { return vb::Right(vb::Trim(idNum), 1) == "B"; }

// A recordset with the named fields and no row: the list has nothing in it yet.
db::Recordset EmptyList(std::vector<std::string> fields) {
    db::ResultTable table;
    table.hasColumns = true;
    table.columns = std::move(fields);
    return db::Recordset(std::move(table), db::CursorType::Static, db::LockType::ReadOnly);
}

class NoGenerics : public components::GenericLookup {
public:
    bool Search(const std::string&) override { return false; }
    std::string GenericName() const override { return ""; }
    std::string ClassificationName() const override { return ""; }
};

class SampleSlipSeries : public components::SlipSeries {
public:
    std::string CurrentCreditMemo() const override { return "CM" + std::to_string(creditMemo); }
    void UpdateCreditMemo() override { ++creditMemo; }
    std::string CurrentAdjustmentSlip() const override { return "ADJ000001"; }

private:
    long creditMemo = 100001;
};

// Knows no item, so every look-up finds nothing; a stock-card line is forgotten like every other write.
class NoItems : public components::DrugObject {
public:
    using components::DrugObject::SearchDrug;
    bool SearchDrug(const std::string&, const std::optional<std::string>& = {},
                    const std::optional<std::string>& = {}) override {
        return false;
    }
    bool Status() const override { return false; }
    std::string DrugCode() const override { return ""; }
    std::string DrugName() const override { return ""; }
    std::string Description() const override { return ""; }
    std::string GenericName() const override { return ""; }
    const components::ClassificationInfo& Classification() const override { return classification; }
    const components::InventInfo& Invent() const override { return invent; }
    components::GenericLookup& Generic() override { return generics; }
    double QuantityIssued(const std::string&, const std::string&) override { return 0; }
    components::SlipSeries& ChargeSlip() override { return slips; }
    void AppendStockCard(const components::StockCardArguments&) override {}
    components::RecordsetResult ListPostedDrugs(const std::string&, std::int16_t) override { return PostedItems(); }
    components::RecordsetResult ListPostedCSR(const std::string&, std::int16_t) override { return PostedItems(); }

private:
    static db::Recordset PostedItems() {
        return EmptyList({"Transdate", "Reference", "ItemID", "Description", "Quantity", "Kind", "UnitPrice", "Amount",
                          "Dosage", "Location", "Doctor", "DosageID", "Encoder", "Remarks"});
    }
    components::ClassificationInfo classification;
    components::InventInfo invent;
    NoGenerics generics;
    SampleSlipSeries slips;
};

class SampleDrug : public components::DrugComponent {
public:
    bool InitConnect(const std::string&) override { return true; }
    components::DrugObject& Drug() override { return drug; }

private:
    NoItems drug;
};

class EmptyDrugList : public components::DrugListComponent {
public:
    bool InitConnection(const std::string&) override { return true; }
    void SetDrugsOrCSR(bool) override {}
    using components::DrugListComponent::ShowList;
    std::string ShowList(const std::string&, bool, const std::optional<std::string>& = {}) override { return ""; }
};

class NothingIssued : public components::IssuedItemsComponent {
public:
    bool InitConnection(const std::string&) override { return true; }
    void SetDrugsOrCSR(bool) override {}
    std::string ListIssuedbyDrugs(const std::string&, const std::string&) override { return ""; }
    using components::IssuedItemsComponent::ShowList;
    std::string ShowList(const std::string&, const std::string&, const std::string&) override { return ""; }
    std::string ChargeSlip() const override { return ""; }
    double IssuedQuantity() const override { return 0; }
};

class SampleChargeSlipList : public components::ChargeSlipListComponent {
public:
    bool InitConnection(const std::string&) override { return true; }
};

class SampleICDSearch : public components::ICDSearchComponent {
public:
    void SetActiveConnection(db::Connection&) override {}
    void ValidateICDCode() override {}
};

class NoLabResults : public components::LabResultViewerComponent {
public:
    void SetCSNumber(const std::string&) override {}
    void SetRequestNum(const std::string&) override {}
    void SetAutoPrint(bool) override {}
    void SetViewMode(std::int16_t) override {}
    void SetSQLConnection(db::Connection&) override {}
    void SetHospitalNumber(const std::string&) override {}
    void SetIdNumber(const std::string&) override {}
    void SetRoomNumber(const std::string&) override {}
    void SetPatientName(const std::string&) override {}
    void SetAge(const std::string&) override {}
    void SetSex(const std::string&) override {}
    void SetStatus(const std::string&) override {}
    void SetUserID(const std::string&) override {}
    void SetStationID(const std::string&) override {}
    void Show_Results() override {}
};

class NoRequests : public components::RequestListComponent {
public:
    components::RecordsetResult GetRequests(const std::string&, const std::string&, const std::string& kind) override {
        if (kind == "4")
            return EmptyList({"DATE / TIME", "BLOOD PRESSURE", "Temperature", "RESPIRATORY RATE", "PULSE RATE",
                              "Oxygen Saturation", "Encoder", "ItemID", "Protocol", "Remarks", "Remarks2",
                              "ScheduleTime"});
        return EmptyList({"ITEM DESCRIPTION", "QTY", "DEPT", "Request Date/Time", "Code", "REQUESTED BY",
                          "PROCESS DATE/TIME", "PROCESSED BY", "RESULT DATE/TIME", "RESULT BY", "Remarks"});
    }
    void Class_Terminate() override {}
};

class NoResults : public components::ResultsComponent {
public:
    components::RecordsetResult GetResults(const std::string&, const std::string&, const std::string& kind) override {
        if (kind == "4")
            return EmptyList({"RequestNum", "Resultdate", "LabExamID", "LabExam", "SectionName", "Reference"});
        return EmptyList({"TRANS. NO", "EXAM. NAME", "TRANS. DATE", "RESULT DATE", "DR. LASTNAME", "DR. FIRSTNAME",
                          "Dr. MiddleName", "Interpretation"});
    }
    void Class_Terminate() override {}
};

class NoConfinements : public components::ConfinementComponent {
public:
    components::RecordsetResult GetConfinementPeriod(const std::string&, const std::string&,
                                                     const vb::Variant&) override {
        return EmptyList({"Admision No.", "Admision Date/Time", "Discharged Date/Time", "Room"});
    }
    void Class_Terminate() override {}
};

class NoConfinementResults : public components::ConfinementResultsComponent {
public:
    components::RecordsetResult GetConfinementResults(const std::string&, const std::string&,
                                                      const std::string& kind) override {
        if (kind == "1")
            return EmptyList({"Transdate", "Drug Name", "Dosage", "Quantity"});
        return EmptyList({"Examination", "Exam. Date", "Interpretation"});
    }
    void Class_Terminate() override {}
};

template <class T> std::unique_ptr<components::Component> Make() { return std::make_unique<T>(); }

} // namespace

bool SamplePatient::LoadPatient(const std::string& hospitalNumber) {
    std::optional<components::PatientData> found = FindPatient(hospitalNumber);
    if (!found)
        return false;
    static_cast<components::PatientData&>(*this) = *found;
    return true;
}

bool SampleOutPatient::OpenOutPatient(const std::string& idNum, const std::string&) {
    std::optional<SampleAdmission> found = FindAdmission(idNum);
    if (!found || !IsOutPatientVisit(idNum))
        return false;
    const components::AdmissionData& visit = found->admission;
    IdNumber = visit.IdNumber;
    HospitalNumber = visit.HospitalNumber;
    AdmissionDate = visit.AdmissionDate;
    DischargeDate = visit.DischargeDate;
    BillingDate = visit.BillingDate;
    Account = visit.Account;
    Doctor1 = visit.AttendingDoctor1;
    OPDHistory.ChiefComplaint = visit.History.ChiefComplaint;
    static_cast<components::PatientData&>(patient) = found->patient;
    return true;
}

bool SamplePatientSearch::ValidatePatient(const std::string& hospitalNumber) {
    return patientMaster.LoadPatient(hospitalNumber);
}

bool SamplePatientSearch::ValidateAdmission(const std::string& idNum) {
    std::optional<SampleAdmission> found = FindAdmission(idNum);
    if (!found)
        return false;
    static_cast<components::AdmissionData&>(admission) = found->admission;
    static_cast<components::PatientData&>(admission.patient) = found->patient;
    return true;
}

// The station's six beds.
bool SamplePatientSearch::ValidateRoom(const std::string& roomText) {
    const std::string roomID = vb::UCase(vb::Trim(roomText));
    for (int bed = 1; bed <= 6; ++bed) {
        if (roomID == "SIC-0" + std::to_string(bed)) {
            room = {roomID, "C", 4500, {"ICU BED"}, {StationID, StationName}};
            return true;
        }
    }
    return false;
}

std::int16_t SampleKeyFilter::AllUppers(std::int16_t keyAscii) {
    if (keyAscii <= 0 || keyAscii > 255)
        return keyAscii;
    return static_cast<std::int16_t>(vb::Asc(vb::UCase(vb::Chr(keyAscii))));
}

bool SamplePatientInfo::LoadInfo(const std::string& idNum) {
    std::optional<SampleAdmission> found = FindAdmission(idNum);
    if (!found)
        return false;
    current = *found;
    return true;
}

std::string SamplePatientInfo::PatientName() const {
    return current.patient.Lastname + ", " + current.patient.FirstName + " " + current.patient.MiddleName;
}

void RegisterSampleComponents(components::ComponentFactory& factory) {
    factory.Register("Ulvexa.clsPatientSearch", Make<SamplePatientSearch>);
    factory.Register("Kappoch.KeyPress", Make<SampleKeyFilter>);
    factory.Register("Tembloc.clsDrug", Make<SampleDrug>);
    factory.Register("Yarrowin.clsListDrugs", Make<EmptyDrugList>);
    factory.Register("Selkarn.clsListGeneric", Make<EmptyDrugList>);
    factory.Register("Ostenay.Labresultviewer", Make<NoLabResults>);
    factory.Register("Gorvath.ICDCodeSearch", Make<SampleICDSearch>);
    factory.Register("Virselto.clsRequest", Make<NoRequests>);
    factory.Register("Virselto.clsResults", Make<NoResults>);
    factory.Register("Virselto.clsConfinement", Make<NoConfinements>);
    factory.Register("Virselto.clsConfinementResults", Make<NoConfinementResults>);
    factory.Register("Mibrault.clsChargeSlip", Make<SampleChargeSlipList>);
    factory.Register("Tondrel.clsIssuedMedicines", Make<NothingIssued>);
    factory.Register("Quosset.Patient", Make<SamplePatientInfo>);
}

} // namespace sampleward
