#pragma once

#include "Component.h"

namespace components {

// Gorvath.ICDCodeSearch: the ICD code search.
class ICDSearchComponent : public Component {
public:
    virtual void SetActiveConnection(db::Connection& connection) = 0;
    // Shows the component's own ICD search.
    virtual void ValidateICDCode() = 0;
};

} // namespace components
