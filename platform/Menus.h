// Menus built from menu templates; a chosen item reports its command id.
#pragma once

#include "resources/DialogTemplate.h"

#include <functional>

class QMenu;
class QMenuBar;
class QWidget;

namespace nuro {

using MenuCommand = std::function<void(int id)>;

// The whole template as a menu bar: each Popup becomes a menu, a Command outside any pop-up an
// item on the bar itself.
QMenuBar* BuildMenuBar(const MenuTemplate& menu, QWidget* parent, MenuCommand onCommand);

// The template's pop-up number `index` (0 is the first) as a menu of its own; nullptr when absent.
QMenu* BuildPopupMenu(const MenuTemplate& menu, int index, QWidget* parent, MenuCommand onCommand);

// Makes the item with this command id the menu's default (drawn bold); false when there is none.
bool SetMenuDefaultItem(QMenu* menu, int id);

} // namespace nuro
