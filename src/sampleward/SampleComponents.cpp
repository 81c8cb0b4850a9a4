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

template <class T> std::unique_ptr<components::Component> Make() { return std::make_unique<T>(); }

} // namespace

void RegisterSampleComponents(components::ComponentFactory& factory) {
    factory.Register("Tembloc.clsDrug", Make<SampleDrug>);
    factory.Register("Yarrowin.clsListDrugs", Make<EmptyDrugList>);
    factory.Register("Selkarn.clsListGeneric", Make<EmptyDrugList>);
    factory.Register("Ostenay.Labresultviewer", Make<NoLabResults>);
}

} // namespace sampleward
