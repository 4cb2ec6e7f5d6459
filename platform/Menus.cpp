#include "platform/Menus.h"

#include <QMenu>
#include <QMenuBar>

#include <span>

namespace nuro {
namespace {

QString Text(const char* s)
{
    return QString::fromUtf8(s ? s : "");
}

void MarkDefault(QMenu* menu, QAction* action)
{
    // One default per menu: the one it replaces is drawn plain again.
    if (QAction* old = menu->defaultAction(); old && old != action) {
        QFont plain = old->font();
        plain.setBold(false);
        old->setFont(plain);
    }
    QFont f = action->font();
    f.setBold(true);
    action->setFont(f);
    menu->setDefaultAction(action);
}

QAction* AddCommand(QWidget* menu, const MenuItemTemplate& item, const MenuCommand& onCommand)
{
    auto* action = new QAction(Text(item.text), menu);
    action->setData(item.id);
    const int id = item.id;
    QObject::connect(action, &QAction::triggered, menu, [onCommand, id] {
        if (onCommand)
            onCommand(id);
    });
    menu->addAction(action);
    return action;
}

// Fills menu from items[pos] up to the EndPopup that closes it; returns the position after it.
std::size_t FillPopup(QMenu* menu, std::span<const MenuItemTemplate> items, std::size_t pos,
                      const MenuCommand& onCommand)
{
    while (pos < items.size()) {
        const MenuItemTemplate& item = items[pos++];
        switch (item.kind) {
        case MenuItemKind::EndPopup:
            return pos;
        case MenuItemKind::Separator:
            menu->addSeparator();
            break;
        case MenuItemKind::Popup:
            pos = FillPopup(menu->addMenu(Text(item.text)), items, pos, onCommand);
            break;
        case MenuItemKind::Command:
            if (QAction* a = AddCommand(menu, item, onCommand); item.isDefault)
                MarkDefault(menu, a);
            break;
        }
    }
    return pos;
}

} // namespace

QMenuBar* BuildMenuBar(const MenuTemplate& menu, QWidget* parent, MenuCommand onCommand)
{
    auto* bar = new QMenuBar(parent);
    // Workaround: a native (global) menu bar would take the menu out of the window.
    bar->setNativeMenuBar(false);
    std::size_t pos = 0;
    while (pos < menu.items.size()) {
        const MenuItemTemplate& item = menu.items[pos++];
        if (item.kind == MenuItemKind::Popup)
            pos = FillPopup(bar->addMenu(Text(item.text)), menu.items, pos, onCommand);
        else if (item.kind == MenuItemKind::Command)
            AddCommand(bar, item, onCommand);
        else if (item.kind == MenuItemKind::Separator)
            bar->addSeparator();
    }
    return bar;
}

QMenu* BuildPopupMenu(const MenuTemplate& menu, int index, QWidget* parent, MenuCommand onCommand)
{
    int seen = 0;
    for (std::size_t pos = 0; pos < menu.items.size(); ++pos) {
        const MenuItemTemplate& item = menu.items[pos];
        if (item.kind != MenuItemKind::Popup)
            continue;
        if (seen++ == index) {
            auto* popup = new QMenu(Text(item.text), parent);
            FillPopup(popup, menu.items, pos + 1, onCommand);
            return popup;
        }
        // Skip this pop-up with its nested ones.
        int depth = 1;
        while (depth > 0 && ++pos < menu.items.size()) {
            if (menu.items[pos].kind == MenuItemKind::Popup)
                ++depth;
            else if (menu.items[pos].kind == MenuItemKind::EndPopup)
                --depth;
        }
    }
    return nullptr;
}

bool SetMenuDefaultItem(QMenu* menu, int id)
{
    if (!menu)
        return false;
    for (QAction* a : menu->actions()) {
        if (!a->isSeparator() && !a->menu() && a->data().toInt() == id) {
            MarkDefault(menu, a);
            return true;
        }
    }
    return false;
}

} // namespace nuro
