#include "platform/forms/LayoutCheck.h"

#include "platform/forms/Form.h"

namespace forms {

namespace {

bool TakesPart(const Control &control) { return control.HasGeometry() && control.Visible() && !control.IsOverlay(); }

bool SameContainer(const Control &a, const Control &b) {
    return a.Container() == b.Container() && a.ContainerPage() == b.ContainerPage();
}

} // namespace

std::vector<std::string> FindOverlaps(const Form &form) {
    std::vector<std::string> overlaps;
    const std::vector<Control *> &controls = form.Controls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (!TakesPart(*controls[i]))
            continue;
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            const Control &a = *controls[i];
            const Control &b = *controls[j];
            if (TakesPart(b) && SameContainer(a, b) && a.Geometry().Intersects(b.Geometry()))
                overlaps.push_back(a.DisplayName() + " overlaps " + b.DisplayName());
        }
    }
    return overlaps;
}

} // namespace forms
