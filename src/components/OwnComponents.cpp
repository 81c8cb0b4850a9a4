#include "components/OwnComponents.h"

#include "components/SmallComponents.h"

namespace components {

void RegisterOwnComponents(ComponentFactory& factory, const ComponentServices& services) {
    RegisterSmallComponents(factory, services);
}

} // namespace components
