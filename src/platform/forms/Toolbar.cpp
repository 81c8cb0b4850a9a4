#include "platform/forms/Toolbar.h"

#include "platform/forms/Bars.h"
#include "platform/vb/VbError.h"

#include <algorithm>

namespace forms {

namespace {

[[noreturn]] void RaiseElementNotFound() { throw vb::VbError(35601, "Element not found"); }

template <class T> int PositionOf(const std::vector<std::unique_ptr<T>>& items, const T* item) {
    auto found = std::find_if(items.begin(), items.end(), [item](const auto& each) { return each.get() == item; });
    return static_cast<int>(found - items.begin()) + 1;
}

template <class T> T& ByIndex(const std::vector<std::unique_ptr<T>>& items, int index) {
    if (index < 1 || index > static_cast<int>(items.size()))
        RaiseIndexOutOfBounds();
    return *items[static_cast<std::size_t>(index - 1)];
}

template <class T> T& ByKey(const std::vector<std::unique_ptr<T>>& items, const std::string& key) {
    for (const auto& item : items)
        if (!key.empty() && item->Key() == key)
            return *item;
    RaiseElementNotFound();
}

template <class T> void RequireUniqueKey(const std::vector<std::unique_ptr<T>>& items, const std::string& key) {
    if (key.empty())
        return;
    for (const auto& item : items)
        if (item->Key() == key)
            throw vb::VbError(35602, "Key is not unique in collection");
}

} // namespace

// ButtonMenu

ButtonMenu::ButtonMenu(ToolbarButton& button, std::string key, std::string text)
    : button(button), key(std::move(key)), text(std::move(text)) {}

int ButtonMenu::Index() const {
    for (int index = 1; index <= button.ButtonMenuCount(); ++index)
        if (&button.ButtonMenus(index) == this)
            return index;
    return 0;
}

// ToolbarButton

ToolbarButton::ToolbarButton(Toolbar& bar, std::string key, std::string caption, int style)
    : bar(bar), key(std::move(key)), caption(std::move(caption)), style(style) {}

void ToolbarButton::SetToolTipText(std::string value) {
    toolTipText = std::move(value);
    bar.ButtonChanged();
}

void ToolbarButton::SetEnabled(bool value) {
    enabled = value;
    bar.ButtonChanged();
}

int ToolbarButton::Index() const { return PositionOf(bar.buttons, this); }

ButtonMenu& ToolbarButton::ButtonMenus(int index) const { return ByIndex(menus, index); }
ButtonMenu& ToolbarButton::ButtonMenus(const std::string& key) const { return ByKey(menus, key); }

ButtonMenu& ToolbarButton::AddButtonMenu(const std::string& key, const std::string& text) {
    if (style != tbrDropdown)
        throw vb::VbError(380, "Invalid property value");
    RequireUniqueKey(menus, key);
    menus.push_back(std::make_unique<ButtonMenu>(*this, key, text));
    bar.ButtonChanged();
    return *menus.back();
}

// Toolbar

Toolbar::Toolbar(Form& form, std::string name) : Control(form, std::move(name), ControlKind::Toolbar) {}

ToolbarButton& Toolbar::Buttons(int index) const { return ByIndex(buttons, index); }
ToolbarButton& Toolbar::Buttons(const std::string& key) const { return ByKey(buttons, key); }

ToolbarButton& Toolbar::AddButton(const std::string& key, const std::string& caption, int style) {
    RequireUniqueKey(buttons, key);
    buttons.push_back(std::make_unique<ToolbarButton>(*this, key, caption, style));
    Notify("Buttons");
    return *buttons.back();
}

bool Toolbar::Usable(const ToolbarButton& button) const {
    return &button.Parent() == this && IsEffectivelyVisible() && IsEffectivelyEnabled() && button.Enabled();
}

void Toolbar::UserClickButton(ToolbarButton& button) {
    if (Usable(button))
        Raise(ButtonClick, button);
}

void Toolbar::UserChooseButtonMenu(ButtonMenu& item) {
    if (Usable(item.Parent()))
        Raise(ButtonMenuClick, item);
}

void Toolbar::ResetProperties() {
    buttons.clear();
    Control::ResetProperties();
}

} // namespace forms
