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
#include "components/NurseActivityComponents.h"
#include "sampleward/SampleWard.h"

#include <vector>

// Stand-ins for the hospital system's outside components we have no implementation of yet, for the sample ward. The
// key filters work; the others accept every connection offered, find nothing, list nothing and keep nothing.
namespace sampleward {

class SampleKeyFilter : public components::KeyFilterComponent {
public:
    std::int16_t AllUppers(std::int16_t keyAscii) override;
    bool IsNumber(std::int16_t keyAscii) override { return keyAscii >= '0' && keyAscii <= '9'; }
};

// Registers a stand-in under every program identifier the start-up creates, except the log-in component's and
// those our own components serve.
void RegisterSampleComponents(components::ComponentFactory& factory);

} // namespace sampleward
