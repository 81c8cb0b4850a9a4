#include "components/OwnComponents.h"

#include "components/CodeSearch.h"

namespace components {

void RegisterOwnComponents(ComponentFactory& factory, const ComponentServices& services) {
    RegisterCodeSearch(factory, services);
}

} // namespace components
