#include "components/OwnComponents.h"

namespace components {

void RegisterOwnComponents(ComponentFactory& factory, const ComponentServices& services) {
    (void)factory;
    (void)services;
}

} // namespace components
