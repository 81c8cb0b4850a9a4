#pragma once

#include "platform/forms/ControlArray.h"
#include "platform/forms/Controls.h"

namespace ward {

class App;

// The patient search windows' boxes: entering one empties the others, as a search reads one box at a time.
void EmptyOtherSearchBoxes(forms::ControlArray<forms::TextBox>& boxes, int Index);

// The name box (index 0) takes no digits and writes letters in capitals; the other boxes take any key.
void FilterSearchKey(App& app, int Index, int& KeyAscii);

} // namespace ward
