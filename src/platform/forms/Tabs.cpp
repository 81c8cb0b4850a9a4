#include "platform/forms/Tabs.h"

#include "platform/forms/Form.h"
#include "platform/vb/VbError.h"

#include <algorithm>

namespace forms {

namespace {

[[noreturn]] void RaiseInvalidValue() { throw vb::VbError(380, "Invalid property value"); }

} // namespace

SSTab::SSTab(Form& form, std::string name) : Control(form, std::move(name), ControlKind::TabControl) {
    pages.resize(3);
}

void SSTab::RequirePage(int index) const {
    if (index < 0 || index >= Tabs())
        RaiseInvalidValue();
}

void SSTab::SetTabs(int value) {
    if (value < 1)
        RaiseInvalidValue();
    if (value == Tabs())
        return;
    pages.resize(static_cast<std::size_t>(value));
    Notify("Tabs");
    if (current >= value)
        SetTab(value - 1);
}

void SSTab::SetTab(int value) {
    RequirePage(value);
    if (value == current)
        return;
    int PreviousTab = current;
    current = value;
    Notify("Tab");
    KeepFocusVisible();
    Raise(Click, PreviousTab);
}

void SSTab::KeepFocusVisible() {
    Control* focused = Parent().ActiveControl();
    if (focused == nullptr || focused == this || focused->IsEffectivelyVisible())
        return;
    if (!Parent().MoveFocus(*this))
        Parent().MoveToNextControl();
}

const std::string& SSTab::TabCaption(int index) const {
    RequirePage(index);
    return pages[static_cast<std::size_t>(index)].Caption;
}

void SSTab::SetTabCaption(int index, std::string value) {
    RequirePage(index);
    Update(pages[static_cast<std::size_t>(index)].Caption, std::move(value), "TabCaption");
}

bool SSTab::TabVisible(int index) const {
    RequirePage(index);
    return pages[static_cast<std::size_t>(index)].Visible;
}

void SSTab::SetTabVisible(int index, bool value) {
    RequirePage(index);
    if (!Update(pages[static_cast<std::size_t>(index)].Visible, value, "TabVisible"))
        return;
    if (value || index != current) {
        KeepFocusVisible();
        return;
    }
    for (int step = 1; step < Tabs(); ++step) {
        int next = (current + step) % Tabs();
        if (pages[static_cast<std::size_t>(next)].Visible) {
            SetTab(next);
            return;
        }
    }
    KeepFocusVisible();
}

bool SSTab::TabEnabled(int index) const {
    RequirePage(index);
    return pages[static_cast<std::size_t>(index)].Enabled;
}

void SSTab::SetTabEnabled(int index, bool value) {
    RequirePage(index);
    Update(pages[static_cast<std::size_t>(index)].Enabled, value, "TabEnabled");
}

void SSTab::SetTabsPerRow(int value) {
    if (value < 1)
        RaiseInvalidValue();
    Update(props.TabsPerRow, value, "TabsPerRow");
}

void SSTab::SetTabHeight(int value) {
    if (value < 0)
        RaiseInvalidValue();
    Update(props.TabHeight, value, "TabHeight");
}

void SSTab::SetFont(const forms::Font& value) { Update(props.Font, value, "Font"); }

bool SSTab::IsPageVisible(int page) const {
    return page < 0 || (page == current && pages[static_cast<std::size_t>(page)].Visible);
}

bool SSTab::IsPageEnabled(int page) const {
    return page < 0 || page >= Tabs() || pages[static_cast<std::size_t>(page)].Enabled;
}

bool SSTab::UserChooseTab(int index) {
    RequirePage(index);
    const Page& page = pages[static_cast<std::size_t>(index)];
    if (!page.Visible || !page.Enabled)
        return false;
    SetTab(index);
    return true;
}

bool SSTab::UserAccessKey(int KeyCode) {
    for (int index = 0; index < Tabs(); ++index) {
        if (AccessKeyOf(pages[static_cast<std::size_t>(index)].Caption) != KeyCode)
            continue;
        if (UserChooseTab(index))
            Parent().MoveFocus(*this);
        return true;
    }
    return false;
}

void SSTab::UserKeyDown(int KeyCode, int Shift) {
    if ((Shift & vbCtrlMask) == 0 && KeyCode != vbKeyLeft && KeyCode != vbKeyRight)
        return;
    if ((Shift & vbCtrlMask) != 0 && KeyCode != vbKeyTab && KeyCode != vbKeyPageDown && KeyCode != vbKeyPageUp)
        return;
    bool back = KeyCode == vbKeyLeft || KeyCode == vbKeyPageUp || (KeyCode == vbKeyTab && (Shift & vbShiftMask));
    for (int step = 1; step < Tabs(); ++step) {
        int next = (current + (back ? Tabs() - step : step)) % Tabs();
        if (UserChooseTab(next))
            return;
    }
}

void SSTab::ResetProperties() {
    pages.assign(3, Page{});
    current = 0;
    props = Props{};
    Control::ResetProperties();
}

} // namespace forms
