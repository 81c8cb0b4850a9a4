#pragma once

#include "platform/forms/Controls.h"
#include "platform/forms/DatePicker.h"
#include "platform/forms/DaySchedule.h"
#include "platform/forms/Form.h"
#include "platform/forms/Grid.h"
#include "platform/forms/ListView.h"
#include "platform/forms/Lists.h"
#include "platform/forms/MonthView.h"
#include "platform/forms/Tabs.h"
#include "platform/forms/Toolbar.h"

#include <string>

namespace testkit {

// What a nurse does with the mouse and keyboard, through the same paths the display uses. An action on a control
// the user could not reach (its window not shown, behind a modal window, the control hidden or disabled) fails the
// test and does nothing.

// Clicks: the focus moves first (Validate may cancel it, and then the click does not happen).
void Click(forms::Control& control);
void DoubleClick(forms::Control& control);
// Moves the focus with the mouse; false when Validate kept it where it was.
bool Focus(forms::Control& control);
// Types text into a control (into a text box after what it holds, or over its selection): for each character
// KeyDown, KeyPress, the change, KeyUp. A character whose handler moves the focus sends the rest to the control that
// has it then.
void Type(forms::Control& control, const std::string& text);
// One key pressed on a control (it gets the focus first): vbKeyReturn, vbKeyEscape, vbKeyTab, vbKeyF3 ...
void PressKey(forms::Control& control, int KeyCode, int Shift = 0);
// One key pressed where the focus is in the window.
void PressKey(forms::Form& form, int KeyCode, int Shift = 0);
// Mouse buttons pressed and released, or the mouse moved, over a control at (X, Y) twips: MouseDown, MouseUp
// or MouseMove with the button (vbLeftButton, vbRightButton) and Shift state. No click follows. Over a grid, MouseRow
// and MouseCol follow the mouse, and a left press on a cell makes it the current one.
void MouseDown(forms::Control& control, int Button, float X = 0, float Y = 0, int Shift = 0);
void MouseUp(forms::Control& control, int Button, float X = 0, float Y = 0, int Shift = 0);
void MouseMove(forms::Control& control, float X, float Y, int Button = 0, int Shift = 0);
// Chooses a menu item of the window's menu bar.
void ChooseMenu(forms::Menu& item);
// Chooses a child window from a window-list menu; a window the list does not offer fails the test.
void ChooseWindow(forms::Menu& windowList, forms::Form& window);
// Clicks the face of a toolbar button, or chooses an item of a drop-down button's list, both by key. A key the bar
// does not have, or a disabled button, fails the test.
void ClickToolbarButton(forms::Toolbar& bar, const std::string& buttonKey);
void ChooseToolbarItem(forms::Toolbar& bar, const std::string& buttonKey, const std::string& itemKey);
// The window's close box; false when QueryUnload or Unload kept it open.
bool CloseWindow(forms::Form& form);

// Clicks a cell of a grid: the focus moves to the grid, MouseDown, the current cell moves there (LeaveCell,
// EnterCell) unless the cell is fixed, MouseUp, Click. A row scrolled out of view is scrolled in first; a hidden
// column or a cell outside the grid fails the test.
void ClickCell(forms::MSHFlexGrid& grid, int row, int col);
void DoubleClickCell(forms::MSHFlexGrid& grid, int row, int col);
// Clicks a line of a list box (index from 0): in a check-box list this ticks or unticks it.
void ClickListLine(forms::ListBox& list, int index);
void DoubleClickListLine(forms::ListBox& list, int index);
// Picks a line of a combo box's drop-down (index from 0), or the line with that text.
void ChooseComboLine(forms::ComboBox& combo, int index);
void ChooseComboLine(forms::ComboBox& combo, const std::string& text);
// Clicks a line of a list view (index from 1, as its collection counts).
void ClickListItem(forms::ListView& view, int index);
void DoubleClickListItem(forms::ListView& view, int index);
// Clicks a tab of a tab control; a hidden or disabled tab fails the test.
void ChooseTab(forms::SSTab& tab, int index);
// Picks a date in a date picker's calendar; false (and no change) when the calendar does not offer that day.
bool PickDate(forms::DTPicker& picker, vb::Date date);
// Clicks a day of a month calendar: the day becomes its value and DateClick follows.
void ClickDay(forms::MonthView& calendar, vb::Date day);
// Clicks a room's column of a day schedule at a time of day.
void ClickSchedule(forms::DaySchedule& schedule, const std::string& room, vb::Date time);

} // namespace testkit
