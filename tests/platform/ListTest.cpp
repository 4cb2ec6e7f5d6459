// Combo and list boxes: adding (sorted or not), the select-string search, selection and entry text.
#include "platform/DialogOps.h"
#include "platform/DialogWindow.h"
#include "platform/TemplateBuilder.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>

#include <memory>
#include <string>
#include <vector>

namespace nuro {
namespace {

constexpr ControlTemplate kControls[] = {
    {31, ControlKind::ComboBox, "", 4, 4, 80, 80, CS_None, ""},
    {32, ControlKind::ComboBox, "", 4, 20, 80, 80, CS_Sorted, ""},
    {33, ControlKind::ListBox, "", 90, 4, 60, 60, CS_Border, ""},
    {34, ControlKind::ListBox, "", 90, 70, 60, 60, CS_Sorted | CS_Border, ""},
};
constexpr DialogTemplate kTemplate = {920, "Lists", "System", 8, 0, 0, 160, 140, WS_Popup, "", 0, kControls};

class ListBoxTest : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override { dlg.reset(BuildDialog(kTemplate, nullptr, false)); }
    QWidget* Box(int id) const { return GetDlgItem(dlg.get(), id); }
    std::vector<std::string> Texts(QWidget* box) const
    {
        std::vector<std::string> out;
        for (int i = 0; i < ListGetCount(box); ++i)
            out.push_back(ListGetText(box, i));
        return out;
    }
    std::unique_ptr<DialogWindow> dlg;
};

// Run for an unsorted combo (31) and an unsorted list (33), then their sorted kin (32, 34).
TEST_P(ListBoxTest, AddKeepsOrderOrSortsCaseInsensitively)
{
    const int id = GetParam();
    const bool sorted = id == 32 || id == 34;
    QWidget* box = Box(id);
    ASSERT_NE(box, nullptr);
    const struct {
        const char* text;
        int unsortedAt, sortedAt;
    } rows[] = {
        {"Mecca", 0, 0}, {"berlin", 1, 0},
        {"Cairo", 2, 1}, {"cairo", 3, 2}, // equal ignoring case: after the one already there
        {"Aden", 4, 0},  {"zz", 5, 5},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(ListAddString(box, row.text), sorted ? row.sortedAt : row.unsortedAt);
    }
    const std::vector<std::string> expected =
        sorted ? std::vector<std::string>{"Aden", "berlin", "Cairo", "cairo", "Mecca", "zz"}
               : std::vector<std::string>{"Mecca", "berlin", "Cairo", "cairo", "Aden", "zz"};
    EXPECT_EQ(Texts(box), expected);
    EXPECT_EQ(ListGetCurSel(box), -1) << "adding selects nothing";
    EXPECT_EQ(ListGetText(box, 6), "");
    EXPECT_EQ(ListGetText(box, -1), "");
}

TEST_P(ListBoxTest, SelectStringIsACaseInsensitivePrefixSearchAfterStartWrappingAround)
{
    QWidget* box = Box(GetParam());
    // Numbered entries as the place lists hold them; sorted boxes keep this order too.
    for (const char* text : {"1 Aden", "10 Cairo", "2 Mecca", "2 medina", "3 Riyadh"})
        ListAddString(box, text);
    const struct {
        int start;
        const char* prefix;
        int found;
    } rows[] = {
        {-1, "1 ", 0},  {0, "1 ", 0}, // from after 0 round to 0 itself
        {-1, "10 ", 1}, {-1, "2 m", 2},    {2, "2 M", 3}, // after 2, so the next one; case does not matter
        {3, "2 m", 2}, // after the last match, wrapping round
        {4, "1", 0}, // from the end round to the top
        {0, "1", 1}, // "1" begins both "1 Aden" and "10 Cairo": the one after start
        {-1, "", 0}, // an empty prefix matches the first searched
        {1, "", 2},     {-1, "Cairo", -1}, // a prefix, not a substring
        {-1, "4 ", -1}, {99, "3", 4}, // a start beyond the end searches from the top
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.start) + " '" + row.prefix + "'");
        ListSetCurSel(box, 2);
        EXPECT_EQ(ListSelectString(box, row.start, row.prefix), row.found);
        // A miss leaves the selection as it was.
        EXPECT_EQ(ListGetCurSel(box), row.found >= 0 ? row.found : 2);
    }
}

TEST_P(ListBoxTest, SelectionAndEmptyBoxes)
{
    QWidget* box = Box(GetParam());
    EXPECT_EQ(ListSelectString(box, -1, ""), -1);
    EXPECT_EQ(ListGetCount(box), 0);
    ListAddString(box, "one");
    ListAddString(box, "two");
    const struct {
        int set, expected;
    } rows[] = {{1, 1}, {0, 0}, {-1, -1}, {1, 1}, {2, -1}, {0, 0}, {-5, -1}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.set);
        ListSetCurSel(box, row.set);
        EXPECT_EQ(ListGetCurSel(box), row.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(ComboAndList, ListBoxTest, ::testing::Values(31, 33, 32, 34));

TEST(ComboBoxTest, ItemTextIsTheSelectedEntry)
{
    std::unique_ptr<DialogWindow> dlg(BuildDialog(kTemplate, nullptr, false));
    QWidget* box = GetDlgItem(dlg.get(), 32);
    ListAddString(box, "Medina");
    ListAddString(box, "Amman");
    EXPECT_EQ(GetDlgItemText(dlg.get(), 32, 64), "") << "no selection, no text";
    ListSetCurSel(box, 1);
    EXPECT_EQ(GetDlgItemText(dlg.get(), 32, 64), "Medina");
    EXPECT_EQ(GetDlgItemText(dlg.get(), 32, 4), "Med");
    ListSelectString(box, -1, "am");
    EXPECT_EQ(GetDlgItemText(dlg.get(), 32, 64), "Amman");
}

TEST(ListBoxCreateTest, AListMadeAfterTheFactJoinsTheDialog)
{
    std::unique_ptr<DialogWindow> dlg(BuildDialog(kTemplate, nullptr, false));
    // Same id as a template control: the template's control still answers by id.
    QWidget* extra = CreateListBox(dlg.get(), 31, QRect(5, 6, 70, 80), CS_Sorted | CS_Border);
    ASSERT_NE(qobject_cast<QListWidget*>(extra), nullptr);
    EXPECT_EQ(extra->geometry(), QRect(5, 6, 70, 80));
    EXPECT_EQ(GetDlgCtrlID(extra), 31);
    EXPECT_NE(GetDlgItem(dlg.get(), 31), extra);
    ListAddString(extra, "b");
    EXPECT_EQ(ListAddString(extra, "A"), 0);
    QWidget* fresh = CreateListBox(dlg.get(), 77, QRect(0, 0, 10, 10), CS_None);
    EXPECT_EQ(GetDlgItem(dlg.get(), 77), fresh);
    EXPECT_EQ(CreateListBox(nullptr, 78, QRect(), CS_None), nullptr);
}

} // namespace
} // namespace nuro
