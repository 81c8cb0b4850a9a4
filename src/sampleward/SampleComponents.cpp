#include "sampleward/SampleComponents.h"

#include "platform/vb/Strings.h"

#include <memory>

namespace sampleward {

namespace {

// A recordset with the named fields and no row: the list has nothing in it yet.
db::Recordset EmptyList(std::vector<std::string> fields) {
    db::ResultTable table;
    table.hasColumns = true;
    table.columns = std::move(fields);
    return db::Recordset(std::move(table), db::CursorType::Static, db::LockType::ReadOnly);
}

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

void RegisterSampleComponents(components::ComponentFactory& factory) {
    factory.Register("Virselto.clsRequest", Make<NoRequests>);
    factory.Register("Virselto.clsResults", Make<NoResults>);
    factory.Register("Virselto.clsConfinement", Make<NoConfinements>);
    factory.Register("Virselto.clsConfinementResults", Make<NoConfinementResults>);
    factory.Register("Tondrel.clsIssuedMedicines", Make<NothingIssued>);
}

} // namespace sampleward
