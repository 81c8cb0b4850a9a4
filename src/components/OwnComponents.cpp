#include "components/OwnComponents.h"

#include "components/CodeSearch.h"
#include "components/Drug.h"
#include "components/IssuedItems.h"
#include "components/LabResultViewer.h"
#include "components/NurseActivity.h"
#include "components/PatientComponents.h"
#include "components/SmallComponents.h"

namespace components {

void RegisterOwnComponents(ComponentFactory& factory, const ComponentServices& services) {
    RegisterSmallComponents(factory, services);
    RegisterPatientComponents(factory, services);
    RegisterCodeSearch(factory, services);
    RegisterLabResultViewer(factory, services);
    RegisterDrugComponent(factory, services);
    RegisterNurseActivity(factory, services);
    RegisterIssuedItems(factory, services);
}

} // namespace components
