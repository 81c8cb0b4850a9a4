#pragma once

#include "gui/Conversions.h"
#include "gui/FormWindow.h"

#include <algorithm>
#include <string>

namespace gui {

// Hands a selection the user made in a text widget (anchor and caret in the widget's positions) to the control's
// SelStart and SelLength, counted in bytes of text; nothing is raised when the model already has that selection.
template <class TextControl>
void TakeUserSelection(FormWindow& window, TextControl& control, const std::string& text, int anchor, int position) {
    int start = BytePosition(text, std::min(anchor, position));
    int length = BytePosition(text, std::max(anchor, position)) - start;
    if (start == control.SelStart() && length == control.SelLength())
        return;
    window.Guard([&] {
        control.SetSelStart(start);
        control.SetSelLength(length);
    });
}

} // namespace gui
