#include "platform/forms/ControlArray.h"

#include "platform/vb/VbError.h"

namespace forms {

ControlArrayBase::ControlArrayBase(Form& form, std::string name) : form(form), name(std::move(name)) {
    form.Register(*this);
}

void ControlArrayBase::Announce(Control& element, int index) {
    element.index = index;
    form.NotifyAdded(element);
}

void ControlArrayBase::Withdraw(Control& element) {
    form.NotifyRemoved(element);
    form.Unregister(element);
}

void ControlArrayBase::RaiseMissingElement(int index) {
    throw vb::VbError(340, "Control array element '" + std::to_string(index) + "' doesn't exist");
}

void ControlArrayBase::RaiseAlreadyLoaded() { throw vb::VbError(360, "Object already loaded"); }

void ControlArrayBase::RaiseUnloadInOwnEvent() { throw vb::VbError(365, "Unable to unload within this context"); }

} // namespace forms
