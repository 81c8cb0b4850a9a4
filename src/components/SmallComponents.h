#pragma once

#include "components/OwnComponents.h"

namespace components {

// Registers the key filter, the ICD code search and the charge-slip list.
void RegisterSmallComponents(ComponentFactory& factory, const ComponentServices& services);

} // namespace components
