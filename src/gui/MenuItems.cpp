#include "gui/MenuItems.h"

#include "gui/Conversions.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

#include <QMenu>
#include <QMenuBar>

namespace gui {

namespace {

// The windows the list offers, numbered as the platform numbered them, after the item's own items.
void ListWindows(QMenu& sub, forms::Menu& item, const WindowChosen& chosen) {
    for (QAction* old : sub.actions())
        if (old->property("windowListEntry").toBool()) {
            sub.removeAction(old);
            old->deleteLater();
        }
    std::vector<forms::Form*> windows = item.ListedWindows();
    if (windows.empty() || !chosen)
        return;
    if (!sub.actions().isEmpty())
        sub.addSeparator()->setProperty("windowListEntry", true);
    int number = 0;
    for (forms::Form* window : windows) {
        QAction* entry = sub.addAction(QString("&%1 %2").arg(++number).arg(ToQString(window->Caption())));
        entry->setProperty("windowListEntry", true);
        QObject::connect(entry, &QAction::triggered, entry, [&item, window, chosen] { chosen(item, *window); });
    }
}

QAction* AddItem(QMenuBar* bar, QMenu* menu, forms::Menu& item, MenuActions& actions, const MenuClicked& clicked,
                 const WindowChosen& chosen) {
    std::vector<forms::Menu*> subItems = item.Items();
    QWidget* owner = bar != nullptr ? static_cast<QWidget*>(bar) : static_cast<QWidget*>(menu);
    QAction* action = nullptr;
    if (!subItems.empty() || item.WindowList()) {
        auto* sub = new QMenu(owner);
        action = sub->menuAction();
        QObject::connect(sub, &QMenu::aboutToShow, sub, [&item, clicked, chosen, sub] {
            if (clicked(item) && item.WindowList())
                ListWindows(*sub, item, chosen);
        });
        AddMenuItems(nullptr, sub, subItems, actions, clicked, chosen);
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
                  const MenuClicked& clicked, const WindowChosen& chosen) {
    for (forms::Menu* item : items)
        AddItem(bar, menu, *item, actions, clicked, chosen);
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
