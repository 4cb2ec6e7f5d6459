#include "platform/Menus.h"

#include "platform/Translation.h"
#include "resources/UiTexts.h"

#include <QMenu>
#include <QMenuBar>

#include <span>

namespace nuro {
namespace {

// A menu's texts are data: shown through the interface language, in the menu's own context.
QString Text(const std::string& context, const char* s)
{
    return TranslateData(TextLanguage::Interface, context, s);
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

QAction* AddCommand(QWidget* menu, const std::string& context, const MenuItemTemplate& item,
                    const MenuCommand& onCommand)
{
    auto* action = new QAction(Text(context, item.text), menu);
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
std::size_t FillPopup(QMenu* menu, const std::string& context, std::span<const MenuItemTemplate> items, std::size_t pos,
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
            pos = FillPopup(menu->addMenu(Text(context, item.text)), context, items, pos, onCommand);
            break;
        case MenuItemKind::Command:
            if (QAction* a = AddCommand(menu, context, item, onCommand); item.isDefault)
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
    const std::string context = MenuContext(menu.id);
    // Workaround: a native (global) menu bar would take the menu out of the window.
    bar->setNativeMenuBar(false);
    std::size_t pos = 0;
    while (pos < menu.items.size()) {
        const MenuItemTemplate& item = menu.items[pos++];
        if (item.kind == MenuItemKind::Popup)
            pos = FillPopup(bar->addMenu(Text(context, item.text)), context, menu.items, pos, onCommand);
        else if (item.kind == MenuItemKind::Command)
            AddCommand(bar, context, item, onCommand);
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
            const std::string context = MenuContext(menu.id);
            auto* popup = new QMenu(Text(context, item.text), parent);
            FillPopup(popup, context, menu.items, pos + 1, onCommand);
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
