#pragma once

#include <QPointer>

#include <functional>
#include <map>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;

namespace forms {
class Menu;
}

namespace gui {

using MenuActions = std::map<const forms::Menu*, QPointer<QAction>>;
// Runs the item's Click; false when the window went away meanwhile.
using MenuClicked = std::function<bool(forms::Menu&)>;

// Adds the model's menu items to a menu bar or a menu: an item with items of its own becomes a sub-menu, whose
// opening is the item's Click as the platform raised it. Every action is recorded in actions.
void AddMenuItems(QMenuBar* bar, QMenu* menu, const std::vector<forms::Menu*>& items, MenuActions& actions,
                  const MenuClicked& clicked);
// Shows an item's caption, separator, visibility, enabling and check mark.
void ShowMenuItem(QAction& action, const forms::Menu& item);

} // namespace gui
