#pragma once

#include "components/CodeSearchComponent.h"
#include "components/ComponentFactory.h"
#include "components/DrugComponent.h"
#include "components/DrugListComponent.h"
#include "components/LabResultViewerComponent.h"
#include "sampleward/SampleWard.h"

#include <vector>

// Stand-ins for the hospital system's outside components we have no implementation of yet, for the sample ward: they
// accept every connection offered, find nothing, list nothing and keep nothing.
namespace sampleward {

// Registers a stand-in under every program identifier the start-up creates, except the log-in component's and
// those our own components serve.
void RegisterSampleComponents(components::ComponentFactory& factory);

} // namespace sampleward
