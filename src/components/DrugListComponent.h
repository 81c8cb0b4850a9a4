#pragma once

#include "Component.h"
#include "platform/forms/Controls.h"

namespace components {

// Yarrowin.clsListDrugs and Selkarn.clsListGeneric: drug and supply pick lists.
class DrugListComponent : public Component {
public:
    virtual bool InitConnection(const std::string& connectionString) = 0;
    virtual void SetDrugsOrCSR(bool value) = 0;
    // Shows the pick list for the typed text (at a location when given) and returns the chosen code, "" when the
    // nurse closes it without a choice. Callers that hold the cell editor pass its text.
    virtual std::string ShowList(const std::string& text, bool option,
                                 const std::optional<std::string>& location = {}) = 0;
    // The same for the cell editor itself: the list reads its text.
    std::string ShowList(const forms::TextBox& entry, bool option, const std::optional<std::string>& location = {}) {
        return ShowList(entry.Text(), option, location);
    }
};

} // namespace components
