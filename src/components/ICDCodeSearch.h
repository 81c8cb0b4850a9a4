#pragma once

#include "components/ICDSearchComponent.h"

namespace forms {
class FormsContext;
}

namespace components {

// Gorvath.ICDCodeSearch. The hospital system names no ICD catalogue to search, so the search says so to the nurse
// instead of closing in silence.
class ICDCodeSearch : public ICDSearchComponent {
public:
    explicit ICDCodeSearch(forms::FormsContext& windows) : windows(windows) {}

    // Nothing is searched, so the connection is not needed.
    void SetActiveConnection(db::Connection&) override {}
    void ValidateICDCode() override;

private:
    forms::FormsContext& windows;
};

} // namespace components
