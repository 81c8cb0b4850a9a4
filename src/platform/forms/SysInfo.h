#pragma once

#include "platform/forms/Control.h"

namespace forms {

// What the system tells of the display: the work area, read from the host at each call, and DisplayChanged,
// raised when the host reports a change (a screen added or removed, the task bar moved). Never shown.
class SysInfo : public Control {
public:
    SysInfo(Form& form, std::string name);

    int WorkAreaLeft() const;
    int WorkAreaTop() const;
    int WorkAreaWidth() const;
    int WorkAreaHeight() const;

    bool HasGeometry() const override { return false; }

    Event<> DisplayChanged;
};

} // namespace forms
