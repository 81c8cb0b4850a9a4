#pragma once

#include "Component.h"
#include "platform/forms/Controls.h"

namespace components {

// Tondrel.clsIssuedMedicines: lists of the items issued to an admission.
class IssuedItemsComponent : public Component {
public:
    virtual bool InitConnection(const std::string& connectionString) = 0;
    // True lists medicines, False supplies.
    virtual void SetDrugsOrCSR(bool value) = 0;
    virtual std::string ListIssuedbyDrugs(const std::string& idNum, const std::string& title) = 0;
    // Lists the items of one charge slip of the admission; patientName is the caption of the caller's name label.
    virtual std::string ShowList(const std::string& idNum, const std::string& chargeSlip,
                                 const std::string& patientName) = 0;
    // The same given the label that shows the patient's name.
    std::string ShowList(const std::string& idNum, const std::string& chargeSlip, const forms::Label& patientLabel) {
        return ShowList(idNum, chargeSlip, patientLabel.Caption());
    }
    virtual std::string ChargeSlip() const = 0;
    virtual double IssuedQuantity() const = 0;
};

} // namespace components
