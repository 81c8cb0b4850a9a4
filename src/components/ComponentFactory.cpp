#include "ComponentFactory.h"

#include "platform/vb/VbError.h"

namespace components {

void ComponentFactory::Register(const std::string& progId, Creator creator) { creators[progId] = std::move(creator); }

bool ComponentFactory::IsRegistered(const std::string& progId) const { return creators.count(progId) != 0; }

std::unique_ptr<Component> ComponentFactory::CreateObject(const std::string& progId) const {
    auto found = creators.find(progId);
    if (found == creators.end())
        RaiseCannotCreate();
    std::unique_ptr<Component> object = found->second();
    if (!object)
        RaiseCannotCreate();
    return object;
}

void ComponentFactory::RaiseCannotCreate() { throw vb::VbError(429, "ActiveX component can't create object"); }

} // namespace components
