// Menu 13 (the main window's menu bar) and menu 103 (the notification area's menu).
#include "resources/Pictures.h"

namespace nuro {
namespace {

using K = MenuItemKind;

constexpr MenuItemTemplate kMainMenu[] = {
    {K::Popup, "&Options", 0, false},
    {K::Command, "&Config", 11844, false},
    {K::Command, "&Expert", 11846, false},
    {K::Command, "&Summer Time", 11847, false},
    {K::Command, "S&ounds", 11848, false},
    {K::Separator, "", 0, false},
    {K::Command, "&Exit", 11843, false},
    {K::EndPopup, "", 0, false},
    {K::Popup, "&Lang", 0, false},
    {K::Command, "&Arabic", 11842, false},
    {K::Command, "&English", 11845, false},
    {K::EndPopup, "", 0, false},
    // Stands on the bar itself: the same command as the face button.
    {K::Command, "&?", 102, false},
};

// Exit carries 11842 like "&Arabic": this menu's commands go to the tray host, not the main window.
constexpr MenuItemTemplate kTrayMenu[] = {
    {K::Popup, "&Tray", 0, false},   {K::Command, "&Show", 40006, true}, {K::Command, "&Hide", 40003, false},
    {K::Command, "?", 40005, false}, {K::Separator, "", 0, false},       {K::Command, "E&xit", 11842, false},
    {K::EndPopup, "", 0, false},
};

constexpr MenuTemplate kMenus[] = {
    {13, kMainMenu},
    {103, kTrayMenu},
};

} // namespace

const MenuTemplate* FindMenu(int id)
{
    for (const MenuTemplate& menu : kMenus)
        if (menu.id == id)
            return &menu;
    return nullptr;
}

} // namespace nuro
