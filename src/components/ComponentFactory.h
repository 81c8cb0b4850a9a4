#pragma once

#include "Component.h"

#include <functional>
#include <map>

namespace components {

// Creates outside components from their program identifiers ("Ulvexa.clsPatientSearch"). The start-up creates every
// component through it; an identifier nobody registered, or one that makes a component of another kind, raises the
// runtime's error 429, which the start-up reports.
class ComponentFactory {
public:
    using Creator = std::function<std::unique_ptr<Component>()>;

    void Register(const std::string& progId, Creator creator);
    bool IsRegistered(const std::string& progId) const;
    std::unique_ptr<Component> CreateObject(const std::string& progId) const;

    template <class T> std::unique_ptr<T> Create(const std::string& progId) const {
        std::unique_ptr<Component> object = CreateObject(progId);
        if (auto* typed = dynamic_cast<T*>(object.get())) {
            object.release();
            return std::unique_ptr<T>(typed);
        }
        RaiseCannotCreate();
    }

private:
    [[noreturn]] static void RaiseCannotCreate();
    std::map<std::string, Creator> creators;
};

} // namespace components
