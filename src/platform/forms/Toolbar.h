#pragma once

#include "platform/forms/Control.h"

#include <memory>
#include <string>
#include <vector>

namespace forms {

// Toolbar button styles: a plain button, and one whose arrow opens a list of items.
inline constexpr int tbrDefault = 0;
inline constexpr int tbrDropdown = 5;

class Toolbar;
class ToolbarButton;

// One item of a drop-down button's list.
class ButtonMenu {
public:
    ButtonMenu(ToolbarButton& button, std::string key, std::string text);

    ToolbarButton& Parent() const { return button; }
    const std::string& Key() const { return key; }
    const std::string& Text() const { return text; }
    // Counts from 1 within its button.
    int Index() const;

private:
    ToolbarButton& button;
    std::string key;
    std::string text;
};

// One button of a toolbar, with its caption, key, tool tip and (for a drop-down button) its items.
class ToolbarButton {
public:
    ToolbarButton(Toolbar& bar, std::string key, std::string caption, int style);

    Toolbar& Parent() const { return bar; }
    const std::string& Key() const { return key; }
    const std::string& Caption() const { return caption; }
    int Style() const { return style; }
    const std::string& ToolTipText() const { return toolTipText; }
    void SetToolTipText(std::string value);
    bool Enabled() const { return enabled; }
    void SetEnabled(bool value);
    // Counts from 1 within its bar.
    int Index() const;

    int ButtonMenuCount() const { return static_cast<int>(menus.size()); }
    // Counts from 1; an index or key it does not have raises "Index out of bounds" or "Element not found".
    ButtonMenu& ButtonMenus(int index) const;
    ButtonMenu& ButtonMenus(const std::string& key) const;
    // Only a drop-down button takes items.
    ButtonMenu& AddButtonMenu(const std::string& key, const std::string& text);

private:
    Toolbar& bar;
    std::string key;
    std::string caption;
    int style;
    std::string toolTipText;
    bool enabled = true;
    std::vector<std::unique_ptr<ButtonMenu>> menus;
};

// A bar of buttons along the top edge of its window; the window's frame places it, so it takes no room among the
// window's other controls. Clicking a button's face raises ButtonClick with that button; choosing an item of a
// drop-down button raises ButtonMenuClick with that item. Observers hear "Buttons" for any change of a button.
class Toolbar : public Control {
public:
    Toolbar(Form& form, std::string name);

    int ButtonCount() const { return static_cast<int>(buttons.size()); }
    ToolbarButton& Buttons(int index) const;
    ToolbarButton& Buttons(const std::string& key) const;
    ToolbarButton& AddButton(const std::string& key, const std::string& caption, int style = tbrDefault);

    bool HasGeometry() const override { return false; }
    // What the mouse does: a click on a button's face, a choice from a drop-down button's list. Nothing happens for
    // a hidden or disabled bar or a disabled button.
    void UserClickButton(ToolbarButton& button);
    void UserChooseButtonMenu(ButtonMenu& item);
    void ResetProperties() override;

    Event<ToolbarButton&> ButtonClick;
    Event<ButtonMenu&> ButtonMenuClick;

private:
    friend class ToolbarButton;
    void ButtonChanged() { Notify("Buttons"); }
    bool Usable(const ToolbarButton& button) const;

    std::vector<std::unique_ptr<ToolbarButton>> buttons;
};

} // namespace forms
