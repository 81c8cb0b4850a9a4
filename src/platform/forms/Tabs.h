#pragma once

#include "platform/forms/Controls.h"

#include <string>
#include <vector>

namespace forms {

// A tab control: pages side by side, one shown at a time; each page holds the controls placed on it
// (SetContainer(&tab, page)), which show and take the focus only while their page is the current one. Changing Tab,
// by the user or by code, raises Click(PreviousTab) at once, even from inside a Click handler.
class SSTab : public Control {
public:
    SSTab(Form& form, std::string name);

    int Tabs() const { return static_cast<int>(pages.size()); }
    // Adds or drops pages at the end; the current page stays inside.
    void SetTabs(int value);
    int Tab() const { return current; }
    void SetTab(int value);
    const std::string& TabCaption(int index) const;
    void SetTabCaption(int index, std::string value);
    bool TabVisible(int index) const;
    // Hiding the current page moves to the next page that is shown.
    void SetTabVisible(int index, bool value);
    bool TabEnabled(int index) const;
    void SetTabEnabled(int index, bool value);
    // The current page's caption.
    const std::string& Caption() const { return TabCaption(current); }
    void SetCaption(std::string value) { SetTabCaption(current, std::move(value)); }
    const forms::Font& Font() const { return props.Font; }
    void SetFont(const forms::Font& value);
    int TabsPerRow() const { return props.TabsPerRow; }
    void SetTabsPerRow(int value);
    // The height of the strip of tabs above the pages, in twips.
    int TabHeight() const { return props.TabHeight; }
    void SetTabHeight(int value);

    bool IsPageVisible(int page) const override;
    bool IsPageEnabled(int page) const override;
    bool CanHoldFocus() const override { return true; }
    // The user clicks a tab: a hidden or disabled one does nothing.
    bool UserChooseTab(int index);
    // Alt with the access key of a tab's caption chooses that tab.
    bool UserAccessKey(int KeyCode) override;
    // A click on the control's body is no tab change and raises nothing.
    void UserClick() override {}
    void UserKeyDown(int KeyCode, int Shift) override;
    void ResetProperties() override;

    // Click(PreviousTab); it stands in for the Click every control has, which a tab control never raises.
    Event<int> Click;

private:
    struct Page {
        std::string Caption;
        bool Visible = true;
        bool Enabled = true;
    };
    struct Props {
        int TabsPerRow = 3;
        int TabHeight = 300;
        forms::Font Font;
    };
    void RequirePage(int index) const;
    // When the control with the focus went out of sight with its page, the tab control takes the focus.
    void KeepFocusVisible();

    std::vector<Page> pages;
    int current = 0;
    Props props;
};

using SSNotebook = SSTab;

} // namespace forms
