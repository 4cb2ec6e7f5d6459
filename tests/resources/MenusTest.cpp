// Menus 13 and 103 as the windows build them.
#include "resources/Pictures.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace nuro::test {
namespace {

using K = MenuItemKind;

struct Item {
    K kind;
    std::string text;
    int id;
    bool isDefault;
    bool operator==(const Item&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Item& item)
{
    return out << static_cast<int>(item.kind) << " \"" << item.text << "\" " << item.id
               << (item.isDefault ? " default" : "");
}

std::vector<Item> Items(int menuId)
{
    std::vector<Item> items;
    if (const MenuTemplate* menu = FindMenu(menuId))
        for (const MenuItemTemplate& item : menu->items)
            items.push_back({item.kind, item.text ? item.text : "", item.id, item.isDefault});
    return items;
}

TEST(Menus, ItemsTextsAndIdsInOrder)
{
    const struct {
        int menu;
        std::vector<Item> items;
    } menus[] = {
        {13,
         {{K::Popup, "&Options", 0, false},
          {K::Command, "&Config", 11844, false},
          {K::Command, "&Expert", 11846, false},
          {K::Command, "&Summer Time", 11847, false},
          {K::Command, "S&ounds", 11848, false}, // the chosen adhan per prayer
          {K::Separator, "", 0, false},
          {K::Command, "&Exit", 11843, false},
          {K::EndPopup, "", 0, false},
          {K::Popup, "&Lang", 0, false},
          {K::Command, "&Arabic", 11842, false},
          {K::Command, "&English", 11845, false},
          {K::EndPopup, "", 0, false},
          {K::Command, "&?", 102, false}}},
        {103,
         {{K::Popup, "&Tray", 0, false},
          {K::Command, "&Show", 40006, true},
          {K::Command, "&Hide", 40003, false},
          {K::Command, "?", 40005, false},
          {K::Separator, "", 0, false},
          {K::Command, "E&xit", 11842, false},
          {K::EndPopup, "", 0, false}}},
    };
    for (const auto& m : menus) {
        SCOPED_TRACE("menu " + std::to_string(m.menu));
        ASSERT_NE(FindMenu(m.menu), nullptr);
        EXPECT_EQ(FindMenu(m.menu)->id, m.menu);
        EXPECT_EQ(Items(m.menu), m.items);
    }
}

TEST(Menus, UnknownNumbersHaveNoMenu)
{
    for (int id : {0, 1, 4, 12, 14, 102, 104, 110, 801})
        EXPECT_EQ(FindMenu(id), nullptr) << id;
}

// The builder trusts the nesting: every pop-up is closed, nothing closes twice.
TEST(Menus, PopupsAreBalanced)
{
    for (int id : {13, 103}) {
        int depth = 0, lowest = 0;
        for (const MenuItemTemplate& item : FindMenu(id)->items) {
            depth += item.kind == K::Popup ? 1 : item.kind == K::EndPopup ? -1 : 0;
            lowest = std::min(lowest, depth);
        }
        EXPECT_EQ(depth, 0) << id;
        EXPECT_EQ(lowest, 0) << id;
    }
}

} // namespace
} // namespace nuro::test
