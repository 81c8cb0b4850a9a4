#include "gui/MenuItems.h"

#include "gui/Conversions.h"
#include "platform/forms/Controls.h"

#include <QMenu>
#include <QMenuBar>

namespace gui {

namespace {

QAction* AddItem(QMenuBar* bar, QMenu* menu, forms::Menu& item, MenuActions& actions, const MenuClicked& clicked) {
    std::vector<forms::Menu*> subItems = item.Items();
    QWidget* owner = bar != nullptr ? static_cast<QWidget*>(bar) : static_cast<QWidget*>(menu);
    QAction* action = nullptr;
    if (!subItems.empty()) {
        auto* sub = new QMenu(owner);
        action = sub->menuAction();
        QObject::connect(sub, &QMenu::aboutToShow, sub, [&item, clicked] { clicked(item); });
        AddMenuItems(nullptr, sub, subItems, actions, clicked);
    } else {
        action = new QAction(owner);
        action->setCheckable(true);
        QObject::connect(action, &QAction::triggered, action, [&item, action, clicked] {
            QPointer<QAction> still(action);
            // Qt flips the check mark on its own; the model decides it.
            if (clicked(item) && still)
                still->setChecked(item.Checked());
        });
    }
    if (bar != nullptr)
        bar->addAction(action);
    else
        menu->addAction(action);
    actions[&item] = action;
    ShowMenuItem(*action, item);
    return action;
}

} // namespace

void AddMenuItems(QMenuBar* bar, QMenu* menu, const std::vector<forms::Menu*>& items, MenuActions& actions,
                  const MenuClicked& clicked) {
    for (forms::Menu* item : items)
        AddItem(bar, menu, *item, actions, clicked);
}

void ShowMenuItem(QAction& action, const forms::Menu& item) {
    action.setSeparator(item.IsSeparator());
    action.setText(ToQString(item.Caption()));
    if (action.menu() != nullptr)
        action.menu()->setTitle(ToQString(item.Caption()));
    action.setVisible(item.Visible());
    action.setEnabled(item.Enabled());
    if (action.isCheckable())
        action.setChecked(item.Checked());
}

} // namespace gui
