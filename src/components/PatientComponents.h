#pragma once

#include "components/OwnComponents.h"

namespace components {

// The patient search (Ulvexa.clsPatientSearch) and the patient-information object (Quosset.Patient).
void RegisterPatientComponents(ComponentFactory& factory, const ComponentServices& services);

} // namespace components
