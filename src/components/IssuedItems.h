#pragma once

#include "components/IssuedItemsComponent.h"
#include "components/OwnComponents.h"

#include <string>
#include <vector>

namespace components {

// Registers the list of the items issued to an admission, from which a return line is picked.
void RegisterIssuedItems(ComponentFactory& factory, const ComponentServices& services);

namespace issueditems {

// One charge slip's line of an item, with the quantity that can still be returned from it.
struct IssuedLine {
    std::string ChargeSlip;
    std::string ItemID;
    std::string ItemName;
    double Returnable = 0;
};

// The admission's medicines (or supplies) still returnable, by charge slip and item; of one charge slip when one is
// given. Values trimmed and quoted.
std::string IssuedLines(const std::string& idNum, bool medicines, const std::string& chargeSlip = "");

} // namespace issueditems

} // namespace components
