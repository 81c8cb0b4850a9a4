#include "UserActions.h"

#include "platform/forms/FormsContext.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace testkit {

namespace {

bool WindowReachable(forms::Form& form, const std::string& what) {
    if (!form.IsLoaded() || !form.Visible()) {
        ADD_FAILURE() << "Cannot " << what << ": window " << form.Name() << " is not shown";
        return false;
    }
    forms::Form* modal = form.Context().ModalForm();
    if (modal != nullptr && modal != &form) {
        ADD_FAILURE() << "Cannot " << what << ": window " << form.Name() << " is behind the modal window "
                      << modal->Name();
        return false;
    }
    if (!form.Enabled()) {
        ADD_FAILURE() << "Cannot " << what << ": window " << form.Name() << " is disabled";
        return false;
    }
    return true;
}

bool Reachable(forms::Control& control, const std::string& what) {
    std::string action = what + " " + control.DisplayName();
    if (!WindowReachable(control.Parent(), action))
        return false;
    if (!control.IsEffectivelyVisible()) {
        ADD_FAILURE() << "Cannot " << action << " of " << control.Parent().Name() << ": it is hidden";
        return false;
    }
    if (!control.IsEffectivelyEnabled()) {
        ADD_FAILURE() << "Cannot " << action << " of " << control.Parent().Name() << ": it is disabled";
        return false;
    }
    return true;
}

// The control that receives keys after the user put the focus on control.
forms::Control* KeyTarget(forms::Control& control) {
    forms::Form& form = control.Parent();
    if (control.CanHoldFocus() && !form.MoveFocus(control))
        return nullptr;
    return form.ActiveControl() != nullptr ? form.ActiveControl() : &control;
}

} // namespace

void Click(forms::Control& control) {
    if (Reachable(control, "click"))
        control.Parent().ClickControl(control);
}

void DoubleClick(forms::Control& control) {
    if (Reachable(control, "double-click"))
        control.Parent().DoubleClickControl(control);
}

bool Focus(forms::Control& control) {
    if (!Reachable(control, "focus"))
        return false;
    if (!control.CanHoldFocus()) {
        ADD_FAILURE() << "Cannot focus " << control.DisplayName() << ": it takes no focus";
        return false;
    }
    return control.Parent().MoveFocus(control);
}

void Type(forms::Control& control, const std::string& text) {
    if (!Reachable(control, "type into"))
        return;
    forms::Form& form = control.Parent();
    forms::Control* target = KeyTarget(control);
    if (target == nullptr)
        return;
    // The user clicks after the text, unless a handler selected some of it for replacing.
    if (target == &control && control.Kind() == forms::ControlKind::TextBox) {
        auto& box = static_cast<forms::TextBox&>(control);
        if (box.SelLength() == 0)
            box.SetSelStart(static_cast<int>(box.Text().size()));
    }
    for (char character : text) {
        if (!form.IsLoaded())
            return;
        forms::Control* focused = form.ActiveControl() != nullptr ? form.ActiveControl() : target;
        form.TypeCharacter(*focused, character);
    }
}

void PressKey(forms::Control& control, int KeyCode, int Shift) {
    if (!Reachable(control, "press a key on"))
        return;
    forms::Control* target = KeyTarget(control);
    if (target != nullptr)
        control.Parent().PressKey(*target, KeyCode, Shift);
}

void PressKey(forms::Form& form, int KeyCode, int Shift) {
    if (!WindowReachable(form, "press a key"))
        return;
    if (form.ActiveControl() == nullptr) {
        ADD_FAILURE() << "Cannot press a key in " << form.Name() << ": no control has the focus";
        return;
    }
    form.PressKey(*form.ActiveControl(), KeyCode, Shift);
}

void MouseDown(forms::Control& control, int Button, float X, float Y, int Shift) {
    if (!Reachable(control, "press the mouse on"))
        return;
    // A grid follows the mouse to the cell under it.
    if (control.Kind() == forms::ControlKind::Grid)
        static_cast<forms::MSHFlexGrid&>(control).UserMouseDown(Button, Shift, X, Y);
    else
        control.Raise(control.MouseDown, Button, Shift, X, Y);
}

void MouseUp(forms::Control& control, int Button, float X, float Y, int Shift) {
    if (Reachable(control, "release the mouse on"))
        control.Raise(control.MouseUp, Button, Shift, X, Y);
}

void MouseMove(forms::Control& control, float X, float Y, int Button, int Shift) {
    if (!Reachable(control, "move the mouse over"))
        return;
    if (control.Kind() == forms::ControlKind::Grid)
        static_cast<forms::MSHFlexGrid&>(control).UserMouseMove(Button, Shift, X, Y);
    else
        control.Raise(control.MouseMove, Button, Shift, X, Y);
}

void ChooseMenu(forms::Menu& item) {
    if (Reachable(item, "choose the menu item"))
        item.UserClick();
}

void ChooseWindow(forms::Menu& windowList, forms::Form& window) {
    if (!Reachable(windowList, "choose a window from"))
        return;
    std::vector<forms::Form*> listed = windowList.ListedWindows();
    if (std::find(listed.begin(), listed.end(), &window) == listed.end()) {
        ADD_FAILURE() << "Cannot choose " << window.Name() << " from " << windowList.DisplayName()
                      << ": it is not listed";
        return;
    }
    windowList.UserChooseWindow(window);
}

namespace {

forms::ToolbarButton* ReachableButton(forms::Toolbar& bar, const std::string& buttonKey, const std::string& what) {
    if (!Reachable(bar, what))
        return nullptr;
    for (int index = 1; index <= bar.ButtonCount(); ++index) {
        forms::ToolbarButton& button = bar.Buttons(index);
        if (button.Key() != buttonKey)
            continue;
        if (!button.Enabled()) {
            ADD_FAILURE() << "Cannot " << what << ": its button " << buttonKey << " is disabled";
            return nullptr;
        }
        return &button;
    }
    ADD_FAILURE() << "Cannot " << what << ": it has no button " << buttonKey;
    return nullptr;
}

} // namespace

void ClickToolbarButton(forms::Toolbar& bar, const std::string& buttonKey) {
    if (forms::ToolbarButton* button = ReachableButton(bar, buttonKey, "click a button of"))
        bar.UserClickButton(*button);
}

void ChooseToolbarItem(forms::Toolbar& bar, const std::string& buttonKey, const std::string& itemKey) {
    forms::ToolbarButton* button = ReachableButton(bar, buttonKey, "choose an item of");
    if (button == nullptr)
        return;
    for (int index = 1; index <= button->ButtonMenuCount(); ++index)
        if (button->ButtonMenus(index).Key() == itemKey) {
            bar.UserChooseButtonMenu(button->ButtonMenus(index));
            return;
        }
    ADD_FAILURE() << "Cannot choose " << itemKey << ": button " << buttonKey << " has no such item";
}

bool CloseWindow(forms::Form& form) {
    if (!WindowReachable(form, "close the window"))
        return false;
    if (!form.ControlBox()) {
        ADD_FAILURE() << "Cannot close " << form.Name() << " by its close box: it has none";
        return false;
    }
    return form.CloseByUser();
}

namespace {

// Puts the focus on a control with the mouse before working it; false when the user cannot reach it or Validate
// kept the focus where it was.
bool FocusForWork(forms::Control& control, const std::string& what) {
    if (!Reachable(control, what))
        return false;
    return control.Parent().MoveFocus(control);
}

} // namespace

void ClickCell(forms::MSHFlexGrid& grid, int row, int col) {
    if (row < 0 || row >= grid.Rows() || col < 0 || col >= grid.Cols()) {
        ADD_FAILURE() << "Cannot click cell (" << row << ", " << col << ") of " << grid.DisplayName() << ": it has "
                      << grid.Rows() << " rows and " << grid.Cols() << " columns";
        return;
    }
    if (grid.ColWidth(col) == 0 || grid.RowHeight(row) == 0) {
        ADD_FAILURE() << "Cannot click cell (" << row << ", " << col << ") of " << grid.DisplayName()
                      << ": its column or row is hidden";
        return;
    }
    if (!FocusForWork(grid, "click a cell of"))
        return;
    if (!grid.RowIsVisible(row))
        grid.SetTopRow(row);
    float x = static_cast<float>(grid.ColPos(col) + grid.ColWidth(col) / 2);
    float y = static_cast<float>(grid.RowPos(row) + grid.RowHeight(row) / 2);
    forms::Form& form = grid.Parent();
    grid.UserMouseDown(forms::vbLeftButton, 0, x, y);
    if (!form.IsLoaded())
        return;
    grid.Raise(grid.MouseUp, forms::vbLeftButton, 0, x, y);
    if (form.IsLoaded())
        form.ClickControl(grid);
}

void DoubleClickCell(forms::MSHFlexGrid& grid, int row, int col) {
    ClickCell(grid, row, col);
    if (grid.Parent().IsLoaded() && grid.HasFocus())
        grid.Raise(grid.DblClick);
}

void ClickListLine(forms::ListBox& list, int index) {
    if (index < 0 || index >= list.ListCount()) {
        ADD_FAILURE() << "Cannot click line " << index << " of " << list.DisplayName() << ": it has "
                      << list.ListCount() << " lines";
        return;
    }
    if (FocusForWork(list, "click a line of"))
        list.UserClickLine(index);
}

void DoubleClickListLine(forms::ListBox& list, int index) {
    ClickListLine(list, index);
    if (list.Parent().IsLoaded() && list.HasFocus())
        list.Raise(list.DblClick);
}

void ChooseComboLine(forms::ComboBox& combo, int index) {
    if (index < 0 || index >= combo.ListCount()) {
        ADD_FAILURE() << "Cannot choose line " << index << " of " << combo.DisplayName() << ": it has "
                      << combo.ListCount() << " lines";
        return;
    }
    if (FocusForWork(combo, "choose a line of"))
        combo.UserChoose(index);
}

void ChooseComboLine(forms::ComboBox& combo, const std::string& text) {
    for (int index = 0; index < combo.ListCount(); ++index)
        if (combo.List(index) == text) {
            ChooseComboLine(combo, index);
            return;
        }
    ADD_FAILURE() << "Cannot choose \"" << text << "\" in " << combo.DisplayName() << ": no line reads so";
}

void ClickListItem(forms::ListView& view, int index) {
    if (index < 1 || index > view.ListItemCount()) {
        ADD_FAILURE() << "Cannot click item " << index << " of " << view.DisplayName() << ": it has "
                      << view.ListItemCount() << " items";
        return;
    }
    if (FocusForWork(view, "click an item of"))
        view.UserClickItem(index);
}

void DoubleClickListItem(forms::ListView& view, int index) {
    ClickListItem(view, index);
    if (view.Parent().IsLoaded() && view.HasFocus())
        view.Raise(view.DblClick);
}

void ChooseTab(forms::SSTab& tab, int index) {
    if (index < 0 || index >= tab.Tabs()) {
        ADD_FAILURE() << "Cannot choose tab " << index << " of " << tab.DisplayName() << ": it has " << tab.Tabs()
                      << " tabs";
        return;
    }
    if (!tab.TabVisible(index) || !tab.TabEnabled(index)) {
        ADD_FAILURE() << "Cannot choose tab " << index << " of " << tab.DisplayName() << ": it is "
                      << (tab.TabVisible(index) ? "disabled" : "hidden");
        return;
    }
    if (FocusForWork(tab, "choose a tab of"))
        tab.UserChooseTab(index);
}

bool PickDate(forms::DTPicker& picker, vb::Date date) {
    if (!FocusForWork(picker, "pick a date in"))
        return false;
    return picker.UserPick(date);
}

void ClickDay(forms::MonthView& calendar, vb::Date day) {
    if (FocusForWork(calendar, "click a day of"))
        calendar.UserClickDay(day);
}

void ClickSchedule(forms::DaySchedule& schedule, const std::string& room, vb::Date time) {
    if (FocusForWork(schedule, "click"))
        schedule.UserPick(room, time);
}

} // namespace testkit
