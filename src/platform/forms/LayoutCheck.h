#pragma once

#include <string>
#include <vector>

namespace forms {

class Form;

// Every pair of visible controls of one container (and tab page) whose rectangles overlap, as
// "txtName overlaps lblName", and every control on a tab page that reaches up into the strip of tabs, as
// "txtName covers the tabs of sstChart"; controls marked as overlays, timers and menus are left out. Reaching past
// the form's edge is allowed: some windows are sized to clip a control.
std::vector<std::string> FindOverlaps(const Form& form);

} // namespace forms
