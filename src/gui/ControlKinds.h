#pragma once

#include "gui/ControlView.h"

#include <memory>

namespace gui {

// Views of the kinds that show data: grids, lists, tab controls, pickers, calendars and bars; each takes a control of
// its own kind.
std::unique_ptr<ControlView> MakeGridView(forms::Control& control, FormWindow& window);
std::unique_ptr<ControlView> MakeListBoxView(forms::Control& control, FormWindow& window);
std::unique_ptr<ControlView> MakeComboBoxView(forms::Control& control, FormWindow& window);
std::unique_ptr<ControlView> MakeListViewView(forms::Control& control, FormWindow& window);
std::unique_ptr<ControlView> MakeTabView(forms::Control& control, FormWindow& window);
std::unique_ptr<ControlView> MakeDatePickerView(forms::Control& control, FormWindow& window);
std::unique_ptr<ControlView> MakeMonthViewView(forms::Control& control, FormWindow& window);
std::unique_ptr<ControlView> MakeRichTextView(forms::Control& control, FormWindow& window);
std::unique_ptr<ControlView> MakeProgressBarView(forms::Control& control, FormWindow& window);
std::unique_ptr<ControlView> MakeStatusBarView(forms::Control& control, FormWindow& window);
std::unique_ptr<ControlView> MakeToolbarView(forms::Control& control, FormWindow& window);
std::unique_ptr<ControlView> MakeDayScheduleView(forms::Control& control, FormWindow& window);

} // namespace gui
