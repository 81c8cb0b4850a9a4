#pragma once

#include "components/DrugComponent.h"
#include "components/OwnComponents.h"

#include <functional>
#include <vector>

namespace components {

using DrugConnection = std::function<db::Connection&()>;

// The generic codes, read on the shared connection; a True search also makes the generic the drug's current item.
class DrugGenerics : public GenericLookup {
public:
    explicit DrugGenerics(std::function<bool(const std::string&)> search) : search(std::move(search)) {}
    bool Search(const std::string& text) override;
    std::string GenericName() const override { return genericName; }
    std::string ClassificationName() const override { return classificationName; }
    void Describe(std::string generic, std::string classification);

private:
    std::function<bool(const std::string&)> search;
    std::string genericName;
    std::string classificationName;
};

// The credit-memo and adjustment-slip series (INVENTORY..tbInvSlipSeries).
class DrugSlipSeries : public SlipSeries {
public:
    explicit DrugSlipSeries(DrugConnection connection) : connection(std::move(connection)) {}
    std::string CurrentCreditMemo() const override;
    void UpdateCreditMemo() override;
    std::string CurrentAdjustmentSlip() const override;

private:
    struct Series {
        std::string Prefix;
        int Width = 0;
        long LastNumber = 0;
    };
    Series Read(const std::string& series) const;
    DrugConnection connection;
};

class Drug : public DrugObject {
public:
    explicit Drug(DrugConnection connection);
    Drug(const Drug&) = delete;
    Drug& operator=(const Drug&) = delete;
    using DrugObject::SearchDrug;
    bool SearchDrug(const std::string& code, const std::optional<std::string>& location = {},
                    const std::optional<std::string>& idNum = {}) override;
    bool Status() const override { return item.Inactive; }
    std::string DrugCode() const override { return item.Code; }
    std::string DrugName() const override { return item.Name; }
    std::string Description() const override { return item.Description; }
    std::string GenericName() const override { return item.GenericName; }
    const ClassificationInfo& Classification() const override { return item.Classification; }
    const InventInfo& Invent() const override { return item.Invent; }
    GenericLookup& Generic() override { return generics; }
    double QuantityIssued(const std::string& idNum, const std::string& itemCode) override;
    SlipSeries& ChargeSlip() override { return series; }
    void AppendStockCard(const StockCardArguments& arguments) override;
    RecordsetResult ListPostedDrugs(const std::string& idNum, std::int16_t mode) override;
    RecordsetResult ListPostedCSR(const std::string& idNum, std::int16_t mode) override;

private:
    struct Item {
        bool Inactive = false;
        std::string Code;
        std::string Name;
        std::string Description;
        std::string GenericName;
        ClassificationInfo Classification;
        InventInfo Invent;
    };
    bool SearchGeneric(const std::string& text);
    vb::Variant RoomClassPrice(const std::string& code, const std::string& location, const std::string& idNum);
    void WriteStockCard(const StockCardArguments& arguments);
    RecordsetResult ListPosted(const std::string& idNum, bool supplies);

    DrugConnection connection;
    Item item;
    DrugGenerics generics;
    DrugSlipSeries series;
};

class DrugService : public DrugComponent {
public:
    explicit DrugService(DrugConnection connection) : drug(std::move(connection)) {}
    bool InitConnect(const std::string&) override { return true; }
    DrugObject& Drug() override { return drug; }

private:
    components::Drug drug;
};

// The statement of the posted-items lists for an admission number already written as an SQL literal, and its fields.
std::string PostedItemsStatement(const std::string& idNumLiteral, bool supplies);
const std::vector<std::string>& PostedItemsColumns();

void RegisterDrugComponent(ComponentFactory& factory, const ComponentServices& services);

} // namespace components
