// Menus built from flat templates: pop-ups nest until their end mark, items report their ids.
#include "platform/Menus.h"

#include <gtest/gtest.h>

#include <QMenu>
#include <QMenuBar>

#include <memory>
#include <string>
#include <vector>

namespace nuro {
namespace {

constexpr MenuItemTemplate kItems[] = {
    {MenuItemKind::Popup, "&File", 0, false},      {MenuItemKind::Command, "&Open", 101, false},
    {MenuItemKind::Separator, "", 0, false},       {MenuItemKind::Popup, "&Recent", 0, false},
    {MenuItemKind::Command, "One", 111, false},    {MenuItemKind::EndPopup, "", 0, false},
    {MenuItemKind::Command, "E&xit", 102, true},   {MenuItemKind::EndPopup, "", 0, false},
    {MenuItemKind::Command, "&Help", 103, false},  {MenuItemKind::Popup, "&Lang", 0, false},
    {MenuItemKind::Command, "Arabic", 201, false}, {MenuItemKind::EndPopup, "", 0, false},
};
constexpr MenuTemplate kMenu = {50, kItems};

// A menu's items as text: "-" for a separator, "text>" for a sub-menu, "*" marks the default.
std::vector<std::string> Shape(QWidget* menu)
{
    std::vector<std::string> out;
    auto* asMenu = qobject_cast<QMenu*>(menu);
    for (QAction* a : menu->actions()) {
        if (a->isSeparator())
            out.push_back("-");
        else
            out.push_back(a->text().toStdString() + (a->menu() ? ">" : "") +
                          (asMenu && asMenu->defaultAction() == a ? "*" : ""));
    }
    return out;
}

QMenu* SubMenu(QWidget* menu, int index)
{
    return menu->actions().value(index) ? menu->actions().value(index)->menu() : nullptr;
}

TEST(MenuTest, BarHoldsPopupsAndItsOwnCommands)
{
    std::vector<int> chosen;
    QWidget host;
    QMenuBar* bar = BuildMenuBar(kMenu, &host, [&](int id) { chosen.push_back(id); });
    EXPECT_FALSE(bar->isNativeMenuBar());
    EXPECT_EQ(Shape(bar), (std::vector<std::string>{"&File>", "&Help", "&Lang>"}));
    QMenu* file = SubMenu(bar, 0);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(Shape(file), (std::vector<std::string>{"&Open", "-", "&Recent>", "E&xit*"}));
    EXPECT_TRUE(file->actions()[3]->font().bold());
    ASSERT_NE(SubMenu(file, 2), nullptr);
    EXPECT_EQ(Shape(SubMenu(file, 2)), (std::vector<std::string>{"One"}));
    EXPECT_EQ(Shape(SubMenu(bar, 2)), (std::vector<std::string>{"Arabic"}));

    file->actions()[3]->trigger();
    SubMenu(file, 2)->actions()[0]->trigger();
    bar->actions()[1]->trigger();
    SubMenu(bar, 2)->actions()[0]->trigger();
    EXPECT_EQ(chosen, (std::vector<int>{102, 111, 103, 201}));
}

TEST(MenuTest, PopupByIndexSkipsNestedOnes)
{
    const struct {
        int index;
        std::vector<std::string> shape; // empty: none
    } rows[] = {
        {0, {"&Open", "-", "&Recent>", "E&xit*"}},
        {1, {"Arabic"}}, // the nested "Recent" is not counted
        {2, {}},
        {-1, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.index);
        int chosen = 0;
        std::unique_ptr<QMenu> menu(BuildPopupMenu(kMenu, row.index, nullptr, [&](int id) { chosen = id; }));
        if (row.shape.empty()) {
            EXPECT_EQ(menu, nullptr);
            continue;
        }
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(Shape(menu.get()), row.shape);
        menu->actions().back()->trigger();
        EXPECT_EQ(chosen, row.index == 0 ? 102 : 201);
    }
}

TEST(MenuTest, DefaultItemByCommandId)
{
    std::unique_ptr<QMenu> menu(BuildPopupMenu(kMenu, 0, nullptr, {}));
    EXPECT_TRUE(SetMenuDefaultItem(menu.get(), 101));
    EXPECT_EQ(menu->defaultAction(), menu->actions()[0]);
    EXPECT_TRUE(menu->actions()[0]->font().bold());
    EXPECT_FALSE(menu->actions()[3]->font().bold()) << "the template's default is drawn plain again";
    EXPECT_FALSE(SetMenuDefaultItem(menu.get(), 111)) << "an item of a sub-menu is not this menu's";
    EXPECT_FALSE(SetMenuDefaultItem(menu.get(), 0)) << "a separator or sub-menu has no command";
    EXPECT_FALSE(SetMenuDefaultItem(nullptr, 101));
    EXPECT_EQ(menu->defaultAction(), menu->actions()[0]);
    // Without a handler a chosen item does nothing.
    menu->actions()[0]->trigger();
}

} // namespace
} // namespace nuro
