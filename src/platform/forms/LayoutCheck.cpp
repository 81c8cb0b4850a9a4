#include "platform/forms/LayoutCheck.h"

#include "platform/forms/Form.h"
#include "platform/forms/Tabs.h"

namespace forms {

namespace {

bool TakesPart(const Control& control) { return control.HasGeometry() && control.Visible() && !control.IsOverlay(); }

bool SameContainer(const Control& a, const Control& b) {
    return a.Container() == b.Container() && a.ContainerPage() == b.ContainerPage();
}

// A control on a page of a tab control that reaches up into the strip of tabs hides their captions.
bool CoversTabs(const Control& control) {
    const Control* container = control.Container();
    if (container == nullptr || container->Kind() != ControlKind::TabControl || !TakesPart(control))
        return false;
    return control.Top() < static_cast<const SSTab*>(container)->TabHeight() && control.Height() > 0;
}

} // namespace

std::vector<std::string> FindOverlaps(const Form& form) {
    std::vector<std::string> overlaps;
    const std::vector<Control*>& controls = form.Controls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (!TakesPart(*controls[i]))
            continue;
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            const Control& a = *controls[i];
            const Control& b = *controls[j];
            if (TakesPart(b) && SameContainer(a, b) && a.Geometry().Intersects(b.Geometry()))
                overlaps.push_back(a.DisplayName() + " overlaps " + b.DisplayName());
        }
        if (CoversTabs(*controls[i]))
            overlaps.push_back(controls[i]->DisplayName() + " covers the tabs of " +
                               controls[i]->Container()->DisplayName());
    }
    return overlaps;
}

} // namespace forms
