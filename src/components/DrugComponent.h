#pragma once

#include "Component.h"
#include "platform/forms/Controls.h"

#include <vector>

namespace components {

struct ClassificationInfo {
    std::string ClassificationCode;
    std::string Classification;
};

struct InventInfo {
    vb::Variant SellingPriceIn;  // in-patient unit price, read as text
    vb::Variant SellingPriceOut; // out-patient unit price, read as text
    double StockOnHand = 0;      // at the location of the look-up
};

// Generic codes of the drug component.
class GenericLookup {
public:
    virtual ~GenericLookup() = default;
    // True when the text is a generic code; GenericName and ClassificationName then describe it.
    virtual bool Search(const std::string& text) = 0;
    virtual std::string GenericName() const = 0;
    virtual std::string ClassificationName() const = 0;
};

// The credit-memo and adjustment-slip number series.
class SlipSeries {
public:
    virtual ~SlipSeries() = default;
    virtual std::string CurrentCreditMemo() const = 0;
    // Advances the credit-memo series by one.
    virtual void UpdateCreditMemo() = 0;
    virtual std::string CurrentAdjustmentSlip() const = 0;
};

// The positional arguments of one stock-card line, position 1 first; an empty position is an argument not passed,

// so the component's own default applies. Charges pass 26 positions, returns 28.
using StockCardArguments = std::vector<std::optional<vb::Variant>>;

// The Drug object of the drug component. It keeps one current item: after a look-up the item members describe the item

// looked up last, until the next look-up.
class DrugObject {
public:
    virtual ~DrugObject() = default;
    // Looks an item up by its code (untrimmed), optionally at an inventory location ("20" pharmacy, "21" central
    // supply) and, when priced by room class, for an admission. True = found.
    virtual bool SearchDrug(const std::string& code, const std::optional<std::string>& location = {},
                            const std::optional<std::string>& idNum = {}) = 0;
    // The same for the cell editor itself: the component reads its text.
    bool SearchDrug(const forms::TextBox& entry, const std::optional<std::string>& location = {},
                    const std::optional<std::string>& idNum = {}) {
        return SearchDrug(entry.Text(), location, idNum);
    }
    virtual bool Status() const = 0; // True = the item is inactive
    virtual std::string DrugCode() const = 0;
    virtual std::string DrugName() const = 0;
    virtual std::string Description() const = 0;
    virtual std::string GenericName() const = 0; // non-empty marks a generic item
    virtual const ClassificationInfo& Classification() const = 0;
    virtual const InventInfo& Invent() const = 0;
    virtual GenericLookup& Generic() = 0;
    // Quantity of the item issued to the admission; 0 when none or for an empty code.
    virtual double QuantityIssued(const std::string& idNum, const std::string& itemCode) = 0;
    virtual SlipSeries& ChargeSlip() = 0;
    // Writes one stock-card line into the inventory's stock card.
    virtual void AppendStockCard(const StockCardArguments& arguments) = 0;
    // The medicines or supplies posted to the admission: at least 14 columns, 1 the reference number, 5 the kind,
    // 7 the amount as text, 13 a tooltip.
    virtual RecordsetResult ListPostedDrugs(const std::string& idNum, std::int16_t mode) = 0;
    virtual RecordsetResult ListPostedCSR(const std::string& idNum, std::int16_t mode) = 0;
};

// Tembloc.clsDrug: item look-up, stock, stock cards, credit-memo numbers and posted items.
class DrugComponent : public Component {
public:
    virtual bool InitConnect(const std::string& connectionString) = 0;
    virtual DrugObject& Drug() = 0;
};

} // namespace components
