#include "components/OwnComponents.h"

#include "components/PatientComponents.h"

namespace components {

void RegisterOwnComponents(ComponentFactory& factory, const ComponentServices& services) {
    RegisterPatientComponents(factory, services);
}

} // namespace components
