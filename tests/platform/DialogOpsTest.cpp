// Operations on a dialog's controls by id: text with length limits, check state, show, enable.
#include "PlatformTestSupport.h"

#include "platform/DialogOps.h"
#include "platform/DialogWindow.h"
#include "platform/TControls.h"
#include "platform/TDialog.h"
#include "platform/TemplateBuilder.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include <memory>
#include <string>

namespace nuro {
namespace {

constexpr ControlTemplate kControls[] = {
    {41, ControlKind::Edit, "initial", 4, 4, 60, 12, CS_TabStop | CS_Border, ""},
    {42, ControlKind::Static, "Label", 4, 20, 60, 8, CS_None, ""},
    {43, ControlKind::PushButton, "Button", 4, 30, 40, 14, CS_TabStop, ""},
    {44, ControlKind::GroupBox, "Group", 70, 4, 60, 60, CS_None, ""},
    {45, ControlKind::CheckBox, "Check", 74, 14, 50, 10, CS_TabStop, ""},
    {46, ControlKind::RadioButton, "A", 74, 26, 50, 10, CS_Group, ""},
    {47, ControlKind::RadioButton, "B", 74, 38, 50, 10, CS_None, ""},
    {48, ControlKind::BitmapButton, "Bitmap", 4, 48, 40, 14, CS_TabStop, ""},
    {49, ControlKind::Edit, "", 4, 66, 60, 12, CS_Hidden | CS_Disabled, ""},
    {50, ControlKind::RadioButton, "C", 74, 50, 50, 10, CS_Group, ""},
    {51, ControlKind::RadioButton, "D", 74, 62, 50, 10, CS_None, ""},
};
constexpr DialogTemplate kTemplate = {930, "Ops", "System", 8, 0, 0, 140, 90, WS_Popup, "", 0, kControls};

class DialogOpsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dlg.reset(BuildDialog(kTemplate, nullptr, false));
        log.Attach(dlg.get());
    }
    std::unique_ptr<DialogWindow> dlg;
    test::CommandLog log;
};

TEST_F(DialogOpsTest, TextRoundTripsWithinTheBufferLength)
{
    const std::string arabic = "\xd8\xa7\xd9\x84\xd9\x81\xd8\xac\xd8\xb1"; // five Arabic letters
    const struct {
        int id;
        std::string text;
        int maxChars;
        std::string expected;
    } rows[] = {
        {41, "12:34", 64, "12:34"},
        {41, "1234567890123", 11, "1234567890"}, // a buffer of 11 holds ten characters
        {41, "abc", 1, ""},
        {41, "abc", 0, ""},
        {41, arabic, 3, "\xd8\xa7\xd9\x84"}, // characters, not bytes
        {41, "a\xf0\x9f\x98\x80z", 3, "a"}, // a cut never splits a surrogate pair
        {42, "Static", 64, "Static"},
        {43, "&Press", 4, "&Pr"},
        {44, "Frame", 64, "Frame"},
        {45, "Box", 64, "Box"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.id) + " " + row.text + " " + std::to_string(row.maxChars));
        EXPECT_TRUE(SetDlgItemText(dlg.get(), row.id, row.text));
        EXPECT_EQ(GetDlgItemText(dlg.get(), row.id, row.maxChars), row.expected);
        EXPECT_EQ(GetDlgItemText(dlg.get(), row.id, 256), row.text);
    }
    EXPECT_FALSE(SetDlgItemText(dlg.get(), 999, "x"));
    EXPECT_EQ(GetDlgItemText(dlg.get(), 999, 64), "");
    EXPECT_EQ(GetDlgItemText(nullptr, 41, 64), "");
}

TEST_F(DialogOpsTest, ABitmapButtonKeepsItsCaptionUnderThePicture)
{
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(Qt::red);
    SetButtonImage(dlg.get(), 48, picture);
    auto* b = qobject_cast<QPushButton*>(GetDlgItem(dlg.get(), 48));
    EXPECT_TRUE(b->text().isEmpty());
    EXPECT_FALSE(b->icon().isNull());
    EXPECT_EQ(GetDlgItemText(dlg.get(), 48, 64), "Bitmap");
    SetDlgItemText(dlg.get(), 48, "Other");
    EXPECT_EQ(GetDlgItemText(dlg.get(), 48, 64), "Other");
    EXPECT_TRUE(b->text().isEmpty()) << "the picture stays in place of the caption";
}

TEST_F(DialogOpsTest, CheckStateIsSetWithoutACommand)
{
    const struct {
        int id, state, expected45, expected46, expected47;
    } rows[] = {
        {45, BST_CHECKED, 1, 0, 0},   {46, BST_CHECKED, 1, 1, 0},
        {47, BST_CHECKED, 1, 1, 1}, // by code a radio changes alone, as BM_SETCHECK
        {46, BST_UNCHECKED, 1, 0, 1}, {45, BST_UNCHECKED, 0, 0, 1},
        {43, BST_CHECKED, 0, 0, 1}, // a push button has no check state
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.id) + "=" + std::to_string(row.state));
        CheckDlgButton(dlg.get(), row.id, row.state);
        EXPECT_EQ(IsDlgButtonChecked(dlg.get(), 45), row.expected45);
        EXPECT_EQ(IsDlgButtonChecked(dlg.get(), 46), row.expected46);
        EXPECT_EQ(IsDlgButtonChecked(dlg.get(), 47), row.expected47);
    }
    EXPECT_EQ(IsDlgButtonChecked(dlg.get(), 43), BST_UNCHECKED);
    EXPECT_EQ(IsDlgButtonChecked(dlg.get(), 999), BST_UNCHECKED);
    EXPECT_TRUE(log.Take().empty());
}

// A click checks its radio and clears the others of its group only; groups start at CS_Group.
TEST_F(DialogOpsTest, ClickedRadiosClearTheirGroup)
{
    dlg->show();
    const struct {
        int click;
        bool c46, c47, c50, c51;
    } rows[] = {
        {46, true, false, false, false}, {50, true, false, true, false}, {47, false, true, true, false},
        {51, false, true, false, true},  {51, false, true, false, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.click);
        QWidget* b = GetDlgItem(dlg.get(), row.click);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(4, b->height() / 2));
        EXPECT_EQ(IsDlgButtonChecked(dlg.get(), 46), row.c46);
        EXPECT_EQ(IsDlgButtonChecked(dlg.get(), 47), row.c47);
        EXPECT_EQ(IsDlgButtonChecked(dlg.get(), 50), row.c50);
        EXPECT_EQ(IsDlgButtonChecked(dlg.get(), 51), row.c51);
        EXPECT_EQ(log.Take(), (test::Commands{{row.click, BN_CLICKED}}));
    }
}

// The control wrappers act on their dialog's control by id, and do nothing before it exists.
TEST(ControlWrapperTest, BoundByIdOnceTheWindowExists)
{
    TDialog d(nullptr, kTemplate);
    TEdit edit(&d, 41);
    TCheckBox check(&d, 45);
    TRadioButton radio(&d, 46);
    TButton missing(&d, 999);
    EXPECT_EQ(edit.Widget(), nullptr);
    edit.SetText("early");
    check.Check();
    EXPECT_EQ(edit.GetText(64), "");
    EXPECT_EQ(check.GetCheck(), BST_UNCHECKED);

    d.Create();
    EXPECT_EQ(edit.Widget(), GetDlgItem(d.Window(), 41));
    EXPECT_EQ(edit.GetText(64), "initial");
    edit.SetText("12:30");
    EXPECT_EQ(edit.GetText(3), "12");
    EXPECT_EQ(GetDlgItemText(d.Window(), 41, 64), "12:30");
    check.Check();
    radio.Check();
    EXPECT_EQ(IsDlgButtonChecked(d.Window(), 45), BST_CHECKED);
    EXPECT_EQ(radio.GetCheck(), BST_CHECKED);
    check.Uncheck();
    EXPECT_EQ(check.GetCheck(), BST_UNCHECKED);
    edit.Show(false);
    EXPECT_FALSE(edit.IsVisible());
    EXPECT_FALSE(IsDlgItemVisible(d.Window(), 41));
    edit.Enable(false);
    EXPECT_FALSE(IsDlgItemEnabled(d.Window(), 41));
    EXPECT_EQ(missing.Widget(), nullptr);
    EXPECT_EQ(missing.GetText(64), "");
    EXPECT_EQ(missing.GetId(), 999);
}

TEST_F(DialogOpsTest, ShowHideAndEnableById)
{
    // The control's own flag counts, whether or not its dialog is on screen.
    EXPECT_FALSE(IsDlgItemVisible(dlg.get(), 49));
    EXPECT_FALSE(IsDlgItemEnabled(dlg.get(), 49));
    EXPECT_TRUE(IsDlgItemVisible(dlg.get(), 41));
    const struct {
        int id;
        bool show, enable;
    } rows[] = {{49, true, true}, {49, false, true}, {41, false, false}, {41, true, false}, {41, true, true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.id);
        ShowDlgItem(dlg.get(), row.id, row.show);
        EnableDlgItem(dlg.get(), row.id, row.enable);
        EXPECT_EQ(IsDlgItemVisible(dlg.get(), row.id), row.show);
        EXPECT_EQ(IsDlgItemEnabled(dlg.get(), row.id), row.enable);
    }
    ShowDlgItem(dlg.get(), 999, true); // no such control: nothing happens
    EXPECT_FALSE(IsDlgItemVisible(dlg.get(), 999));
    EXPECT_FALSE(IsDlgItemEnabled(dlg.get(), 999));
}

TEST_F(DialogOpsTest, WholeWindowTitleAndPlace)
{
    SetWindowText(dlg.get(), "Title \xd9\x81");
    EXPECT_EQ(GetWindowText(dlg.get()), "Title \xd9\x81");
    // A control's title is its window's.
    EXPECT_EQ(GetWindowText(GetDlgItem(dlg.get(), 41)), "Title \xd9\x81");
    ShowWindow(dlg.get(), true);
    EXPECT_TRUE(IsWindowVisible(dlg.get()));
    MoveWindow(dlg.get(), 40, 30, false);
    EXPECT_EQ(dlg->pos(), QPoint(40, 30));
    EXPECT_EQ(dlg->size(), QSize(280, 180));
    ShowWindow(dlg.get(), false);
    EXPECT_FALSE(IsWindowVisible(dlg.get()));
}

} // namespace
} // namespace nuro
