#pragma once

#include <QPointer>

#include <functional>
#include <map>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;

namespace forms {
class Form;
class Menu;
} // namespace forms

namespace gui {

using MenuActions = std::map<const forms::Menu*, QPointer<QAction>>;
// Runs the item's Click; false when the window went away meanwhile.
using MenuClicked = std::function<bool(forms::Menu&)>;
// Chooses a window from a window-list menu.
using WindowChosen = std::function<void(forms::Menu&, forms::Form&)>;

// Adds the model's menu items to a menu bar or a menu: an item with items of its own becomes a sub-menu, whose
// opening is the item's Click as the platform raised it. A window-list item becomes a sub-menu too, which lists the
// open child windows below its own items each time it opens. Every action is recorded in actions.
void AddMenuItems(QMenuBar* bar, QMenu* menu, const std::vector<forms::Menu*>& items, MenuActions& actions,
                  const MenuClicked& clicked, const WindowChosen& chosen = {});
// Shows an item's caption, separator, visibility, enabling and check mark.
void ShowMenuItem(QAction& action, const forms::Menu& item);

} // namespace gui
