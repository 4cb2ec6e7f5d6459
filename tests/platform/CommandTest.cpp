// Controls deliver (id, notification code) to their dialog; response tables answer own table first.
#include "PlatformTestSupport.h"

#include "platform/DialogOps.h"
#include "platform/DialogWindow.h"
#include "platform/ResponseTable.h"
#include "platform/TDialog.h"
#include "platform/TFrameWindow.h"
#include "platform/TemplateBuilder.h"

#include <gtest/gtest.h>

#include <QListWidget>
#include <QTest>

#include <functional>
#include <memory>
#include <string>

namespace nuro {
namespace {

constexpr ControlTemplate kControls[] = {
    {21, ControlKind::PushButton, "Push", 4, 4, 40, 14, CS_TabStop, ""},
    {22, ControlKind::CheckBox, "Check", 4, 20, 40, 10, CS_TabStop, ""},
    {23, ControlKind::RadioButton, "Radio", 4, 32, 40, 10, CS_Group, ""},
    {24, ControlKind::PictureButton, "", 50, 4, 21, 15, CS_TabStop, "BorBtn"},
    {25, ControlKind::PictureStatic, "", 50, 24, 13, 13, CS_Bitmap, "BorBtn"},
    {26, ControlKind::Edit, "", 4, 44, 60, 12, CS_TabStop | CS_Border, ""},
    {27, ControlKind::ListBox, "", 70, 44, 50, 40, CS_Border, ""},
    {28, ControlKind::Static, "Label", 4, 60, 40, 8, CS_None, ""},
    {29, ControlKind::DefPushButton, "Default", 4, 70, 40, 14, CS_TabStop, ""},
};
constexpr DialogTemplate kTemplate = {910, "Commands", "System", 8, 0, 0, 130, 90, WS_Popup, "", 0, kControls};

class CommandRoutingTest : public ::testing::Test {
public:
    void SetUp() override
    {
        dlg.reset(BuildDialog(kTemplate, nullptr, false));
        log.Attach(dlg.get());
        auto* list = qobject_cast<QListWidget*>(dlg->Control(27));
        list->addItems({"first", "second"});
        dlg->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dlg.get()));
    }
    void Click(int id)
    {
        QWidget* w = dlg->Control(id);
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, w->height() / 2));
    }
    std::unique_ptr<DialogWindow> dlg;
    test::CommandLog log;
};

TEST_F(CommandRoutingTest, EachControlSendsItsIdAndCode)
{
    const struct {
        const char* what;
        std::function<void(CommandRoutingTest&)> act;
        test::Commands expected;
    } rows[] = {
        {"push button", [](auto& t) { t.Click(21); }, {{21, BN_CLICKED}}},
        {"check box", [](auto& t) { t.Click(22); }, {{22, BN_CLICKED}}},
        {"radio button", [](auto& t) { t.Click(23); }, {{23, BN_CLICKED}}},
        {"picture button", [](auto& t) { t.Click(24); }, {{24, BN_CLICKED}}},
        {"picture static", [](auto& t) { t.Click(25); }, {{25, BN_CLICKED}}},
        {"typing in an edit",
         [](auto& t) { QTest::keyClicks(t.dlg->Control(26), "ab"); },
         {{26, EN_CHANGE}, {26, EN_CHANGE}}},
        {"edit text set by code", [](auto& t) { SetDlgItemText(t.dlg.get(), 26, "x"); }, {{26, EN_CHANGE}}},
        {"list double click",
         [](auto& t) {
             auto* list = qobject_cast<QListWidget*>(t.dlg->Control(27));
             const QPoint at = list->visualItemRect(list->item(1)).center();
             QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
             QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
         },
         {{27, LBN_DBLCLK}}},
        {"a static label", [](auto& t) { t.Click(28); }, {}},
        {"a disabled button",
         [](auto& t) {
             EnableDlgItem(t.dlg.get(), 21, false);
             t.Click(21);
             EnableDlgItem(t.dlg.get(), 21, true);
         },
         {}},
        {"Escape", [](auto& t) { QTest::keyClick(t.dlg.get(), Qt::Key_Escape); }, {{IDCANCEL, BN_CLICKED}}},
        {"Enter presses the default button",
         [](auto& t) {
             t.dlg->Control(26)->setFocus();
             QTest::keyClick(t.dlg.get(), Qt::Key_Return);
         },
         {{29, BN_CLICKED}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        log.Take();
        row.act(*this);
        EXPECT_EQ(log.Take(), row.expected);
    }
}

TEST_F(CommandRoutingTest, CheckBoxAndRadioToggleOnClick)
{
    Click(22);
    EXPECT_EQ(IsDlgButtonChecked(dlg.get(), 22), BST_CHECKED);
    Click(22);
    EXPECT_EQ(IsDlgButtonChecked(dlg.get(), 22), BST_UNCHECKED);
    Click(23);
    Click(23);
    EXPECT_EQ(IsDlgButtonChecked(dlg.get(), 23), BST_CHECKED) << "a radio stays checked when clicked again";
    EXPECT_EQ(log.Take(), (test::Commands{{22, 0}, {22, 0}, {23, 0}, {23, 0}}));
}

TEST_F(CommandRoutingTest, EnterPressesTheFocusedPushButtonFirst)
{
    const struct {
        int focus;
        bool defaultEnabled;
        int sent;
    } rows[] = {
        {21, true, 21}, // a focused push button
        {24, true, 24}, // a focused picture button
        {26, true, 29}, // the edit: the default button
        {22, true, 29}, // a check box is no push button
        {27, true, 29}, // nor a list
        {26, false, IDOK}, // no usable default button
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.focus);
        EnableDlgItem(dlg.get(), 29, row.defaultEnabled);
        QWidget* focus = dlg->Control(row.focus);
        focus->setFocus();
        // The key goes to the focused control first, which leaves Enter to its dialog.
        QTest::keyClick(focus, Qt::Key_Return);
        EXPECT_EQ(log.Take(), (test::Commands{{row.sent, BN_CLICKED}}));
        QTest::keyClick(focus, Qt::Key_Escape);
        EXPECT_EQ(log.Take(), (test::Commands{{IDCANCEL, BN_CLICKED}}));
    }
}

TEST_F(CommandRoutingTest, EnterWithoutDefaultButtonSendsOk)
{
    dlg->Control(26)->setFocus();
    EnableDlgItem(dlg.get(), 29, false);
    QTest::keyClick(dlg.get(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(log.Take(), (test::Commands{{IDOK, BN_CLICKED}}));
}

// A base dialog and a derived one whose tables overlap: the derived entry wins, the base answers the rest.
class TBaseDlg : public TDialog {
public:
    TBaseDlg(TWindow* parent, std::string* trail) : TDialog(parent, kTemplate), trail_(trail) {}
    bool DispatchCommand(int id, unsigned code) override;

protected:
    std::string* trail_;

private:
    void Base21() { *trail_ += "base21 "; }
    void Base22() { *trail_ += "base22 "; }
    void BaseOk() { *trail_ += "baseOk "; }
    static const TResponseEntry<TBaseDlg> kResponses[];
};
const TResponseEntry<TBaseDlg> TBaseDlg::kResponses[] = {
    {BN_CLICKED, 21, &TBaseDlg::Base21},
    {BN_CLICKED, 22, &TBaseDlg::Base22},
    {EN_CHANGE, 26, &TBaseDlg::BaseOk},
};
bool TBaseDlg::DispatchCommand(int id, unsigned code)
{
    return Respond(*this, kResponses, id, code) || TDialog::DispatchCommand(id, code);
}

class TDerivedDlg : public TBaseDlg {
public:
    using TBaseDlg::TBaseDlg;
    bool DispatchCommand(int id, unsigned code) override;

private:
    void Derived21() { *trail_ += "derived21 "; }
    void Derived22Change() { *trail_ += "derived22change "; }
    void DerivedDbl() { *trail_ += "derivedDbl "; }
    static const TResponseEntry<TDerivedDlg> kResponses[];
};
const TResponseEntry<TDerivedDlg> TDerivedDlg::kResponses[] = {
    {BN_CLICKED, 21, &TDerivedDlg::Derived21},
    {EN_CHANGE, 22, &TDerivedDlg::Derived22Change},
    {LBN_DBLCLK, 27, &TDerivedDlg::DerivedDbl},
};
bool TDerivedDlg::DispatchCommand(int id, unsigned code)
{
    return Respond(*this, kResponses, id, code) || TBaseDlg::DispatchCommand(id, code);
}

TEST(ResponseTableTest, OwnTableFirstThenTheBase)
{
    const struct {
        int id;
        unsigned code;
        bool answered;
        const char* trail;
    } rows[] = {
        {21, BN_CLICKED, true, "derived21 "}, // both tables: the derived one only
        {22, BN_CLICKED, true, "base22 "}, // only the base has this code for 22
        {22, EN_CHANGE, true, "derived22change "}, // the code is part of the key
        {26, EN_CHANGE, true, "baseOk "},
        {27, LBN_DBLCLK, true, "derivedDbl "},
        {27, BN_CLICKED, false, ""},
        {99, BN_CLICKED, false, ""},
        {IDCANCEL, BN_CLICKED, true, ""}, // TDialog's own table answers last
    };
    std::string trail;
    TDerivedDlg dlg(nullptr, &trail);
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.id) + "/" + std::to_string(row.code));
        trail.clear();
        EXPECT_EQ(dlg.DispatchCommand(row.id, row.code), row.answered);
        EXPECT_EQ(trail, row.trail);
    }
}

TEST(ResponseTableTest, ControlsReachTheTablesThroughTheWindow)
{
    std::string trail;
    TDerivedDlg dlg(nullptr, &trail);
    dlg.Create();
    ASSERT_NE(dlg.Window(), nullptr);
    dlg.Window()->show();
    QWidget* button = GetDlgItem(dlg.Window(), 21);
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    QWidget* check = GetDlgItem(dlg.Window(), 22);
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(5, check->height() / 2));
    EXPECT_EQ(trail, "derived21 base22 ");
}

// A frame hands menu commands to its client's tables first.
TEST(ResponseTableTest, FrameAsksItsClient)
{
    std::string trail;
    TFrameWindow frame(nullptr, "Frame", new TDerivedDlg(nullptr, &trail), true);
    frame.Create();
    EXPECT_TRUE(frame.DispatchCommand(21, BN_CLICKED));
    EXPECT_FALSE(frame.DispatchCommand(99, BN_CLICKED));
    EXPECT_EQ(trail, "derived21 ");
    // The client's own OK does not close a frame's client.
    EXPECT_TRUE(frame.DispatchCommand(IDOK, BN_CLICKED));
    EXPECT_NE(frame.GetClient()->Window(), nullptr);
}

} // namespace
} // namespace nuro
