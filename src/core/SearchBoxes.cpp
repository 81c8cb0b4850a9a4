#include "core/SearchBoxes.h"

#include "core/App.h"

#include <cstdint>

namespace ward {

void EmptyOtherSearchBoxes(forms::ControlArray<forms::TextBox>& boxes, int Index) {
    for (forms::TextBox* box : boxes.Elements())
        if (box->Index() != Index)
            box->SetText("");
}

void FilterSearchKey(App& app, int Index, int& KeyAscii) {
    if (Index != 0)
        return;
    if (app.KeyFilter->IsNumber(static_cast<std::int16_t>(KeyAscii)))
        KeyAscii = 0;
    else
        KeyAscii = app.KeyFilter->AllUppers(static_cast<std::int16_t>(KeyAscii));
}

} // namespace ward
