#include "gui/ControlKinds.h"
#include "gui/Conversions.h"
#include "gui/FormWindow.h"
#include "platform/forms/Toolbar.h"

#include <QMenu>
#include <QToolBar>
#include <QToolButton>

namespace gui {

namespace {

// The bar's buttons as tool buttons; a drop-down button opens its items from its arrow, and its face is a click of
// its own. Built anew whenever a button changes.
class ToolbarView : public ControlView {
public:
    ToolbarView(forms::Toolbar& bar, FormWindow& window) : ControlView(bar, window), bar(bar) {
        shown = new QToolBar;
        shown->setMovable(false);
        shown->setFloatable(false);
        shown->setToolButtonStyle(Qt::ToolButtonTextOnly);
        SetWidget(shown);
    }

    // The buttons report their own clicks.
    bool ClicksOnRelease() const override { return false; }

protected:
    void Show(std::string_view property) override {
        if (!Is(property, "Buttons"))
            return;
        shown->clear();
        for (int index = 1; index <= bar.ButtonCount(); ++index)
            shown->addWidget(NewButton(bar.Buttons(index)));
    }

private:
    QToolButton* NewButton(forms::ToolbarButton& button) {
        auto* tool = new QToolButton;
        tool->setText(ToQString(button.Caption()));
        tool->setToolTip(ToQString(button.ToolTipText()));
        tool->setEnabled(button.Enabled());
        QObject::connect(tool, &QToolButton::clicked, tool,
                         [this, &button] { Window().Guard([this, &button] { bar.UserClickButton(button); }); });
        if (button.Style() == forms::tbrDropdown) {
            auto* items = new QMenu(tool);
            for (int index = 1; index <= button.ButtonMenuCount(); ++index) {
                forms::ButtonMenu& item = button.ButtonMenus(index);
                QAction* action = items->addAction(ToQString(item.Text()));
                QObject::connect(action, &QAction::triggered, action,
                                 [this, &item] { Window().Guard([this, &item] { bar.UserChooseButtonMenu(item); }); });
            }
            tool->setMenu(items);
            tool->setPopupMode(QToolButton::MenuButtonPopup);
        }
        return tool;
    }

    forms::Toolbar& bar;
    QToolBar* shown;
};

} // namespace

std::unique_ptr<ControlView> MakeToolbarView(forms::Control& control, FormWindow& window) {
    return std::make_unique<ToolbarView>(static_cast<forms::Toolbar&>(control), window);
}

} // namespace gui
