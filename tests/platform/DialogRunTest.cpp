// Modal runs end when the dialog ends; modeless dialogs are made once and shown or hidden;
// the message box answers through its seam or a real click.
#include "PlatformTestSupport.h"

#include "platform/DialogOps.h"
#include "platform/DialogProc.h"
#include "platform/DialogWindow.h"
#include "platform/MessageBox.h"
#include "platform/TDialog.h"
#include "platform/os/UiThread.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace nuro {
namespace {

constexpr ControlTemplate kControls[] = {
    {IDOK, ControlKind::DefPushButton, "OK", 4, 4, 40, 14, CS_TabStop, ""},
    {IDCANCEL, ControlKind::PushButton, "Cancel", 50, 4, 40, 14, CS_TabStop, ""},
    {51, ControlKind::PushButton, "Other", 4, 20, 40, 14, CS_TabStop, ""},
};
constexpr DialogTemplate kModal = {940, "Modal", "System", 8, 0, 0, 100, 40, WS_Popup | WS_Caption, "", 0, kControls};
constexpr DialogTemplate kModeless = {941, "Modeless", "System", 8, 0, 0, 100, 40, WS_Popup | WS_Visible,
                                      "",  0,          kControls};
constexpr DialogTemplate kHidden = {942, "Hidden", "System", 8, 0, 0, 100, 40, WS_Popup, "", 0, kControls};

DialogWindow* ShownDialog(int templateId)
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* d = qobject_cast<DialogWindow*>(w);
        if (d && d->isVisible() && d->Template().id == templateId)
            return d;
    }
    return nullptr;
}

void ClickLater(int templateId, int id)
{
    QTimer::singleShot(0, [templateId, id] {
        if (DialogWindow* d = ShownDialog(templateId)) {
            QWidget* b = d->Control(id);
            QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
        }
    });
}

// Ends with the id clicked plus 100, except that Cancel and the close request only take notes.
struct Proc {
    std::vector<std::string> seen;
    bool wasVisibleInRun = false;
    DialogProc Fn()
    {
        return [this](QWidget* dlg, DialogMessage msg, int id, unsigned) {
            switch (msg) {
            case DialogMessage::InitDialog:
                seen.push_back("init param " + std::to_string(DialogParam(dlg)) +
                               (dlg->isVisible() ? " visible" : " hidden"));
                return true;
            case DialogMessage::Close:
                seen.push_back("close");
                return false;
            case DialogMessage::Command:
                seen.push_back("command " + std::to_string(id));
                wasVisibleInRun = dlg->isVisible();
                if (id != IDCANCEL)
                    EndDialog(dlg, id + 100);
                return true;
            }
            return false;
        };
    }
};

TEST(DialogBoxTest, ModalRunReturnsWhenTheProcedureEndsIt)
{
    Proc proc;
    QTimer::singleShot(0, [] {
        // Escape and the close request do not end the run on their own.
        DialogWindow* d = ShownDialog(940);
        ASSERT_NE(d, nullptr);
        QTest::keyClick(d, Qt::Key_Escape);
        d->close();
        EXPECT_TRUE(d->isVisible());
        ClickLater(940, 51);
    });
    EXPECT_EQ(DialogBoxParam(kModal, nullptr, proc.Fn(), 77), 151);
    EXPECT_TRUE(proc.wasVisibleInRun);
    EXPECT_EQ(proc.seen,
              (std::vector<std::string>{"init param 77 hidden", "command 2", "close", "command 2", "command 51"}));
    EXPECT_EQ(ShownDialog(940), nullptr);
}

TEST(DialogBoxTest, EndedDuringInitReturnsWithoutShowing)
{
    bool shown = false;
    const int r = DialogBoxParam(kModal, nullptr, [&](QWidget* dlg, DialogMessage msg, int, unsigned) {
        if (msg == DialogMessage::InitDialog)
            EndDialog(dlg, 9);
        shown = shown || dlg->isVisible();
        return true;
    });
    EXPECT_EQ(r, 9);
    EXPECT_FALSE(shown);
}

TEST(DialogBoxTest, ModalToItsOwner)
{
    QWidget owner;
    owner.show();
    QTimer::singleShot(0, [&owner] {
        DialogWindow* d = ShownDialog(940);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->windowModality(), Qt::WindowModal);
        EXPECT_EQ(d->parentWidget(), &owner);
        EndDialog(d, 3);
    });
    EXPECT_EQ(DialogBoxParam(kModal, &owner, nullptr), 3);
}

TEST(DialogBoxTest, RunFromAnotherThreadWhileTheUiThreadServes)
{
    Proc proc;
    std::atomic<int> result{-100};
    std::thread runner([&] { result = DialogBoxParam(kModal, nullptr, proc.Fn(), 5); });
    ASSERT_TRUE(test::ServeUntil([] { return ShownDialog(940) != nullptr; }));
    EXPECT_EQ(result.load(), -100) << "the caller waits while the dialog is up";
    ClickLater(940, IDOK);
    const bool ended = test::ServeUntil([&] { return result.load() != -100; });
    if (!ended)
        if (DialogWindow* d = ShownDialog(940))
            d->End(0);
    runner.join();
    EXPECT_TRUE(ended);
    EXPECT_EQ(result.load(), 101);
}

TEST(CreateDialogTest, ModelessDialogsShowAsTheirTemplateSays)
{
    Proc proc;
    QWidget* visible = CreateDialogParam(kModeless, nullptr, proc.Fn(), 4);
    QWidget* hidden = CreateDialogParam(kHidden, nullptr, proc.Fn(), 6);
    EXPECT_TRUE(IsWindowVisible(visible));
    EXPECT_FALSE(IsWindowVisible(hidden));
    EXPECT_EQ(DialogParam(hidden), 6);
    ShowWindow(hidden, true);
    EXPECT_TRUE(IsWindowVisible(hidden));
    // Ending a modeless dialog hides it; it lives on for the next showing.
    QWidget* b = GetDlgItem(visible, 51);
    QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
    EXPECT_FALSE(IsWindowVisible(visible));
    ShowWindow(visible, true);
    EXPECT_TRUE(IsWindowVisible(visible));
    EXPECT_EQ(proc.seen, (std::vector<std::string>{"init param 4 hidden", "init param 6 hidden", "command 51"}));
    delete visible;
    delete hidden;

    // An owner does not make a modeless dialog block it.
    QWidget owner;
    owner.show();
    QWidget* owned = CreateDialogParam(kModeless, &owner, proc.Fn(), 8);
    EXPECT_EQ(owned->windowModality(), Qt::NonModal);
    delete owned;
}

class CountingDialog : public TDialog {
public:
    explicit CountingDialog(const DialogTemplate& t) : TDialog(nullptr, t) {}
    int setups = 0;
    bool mayClose = true;

protected:
    void SetupWindow() override { ++setups; }
    bool CanClose() override { return mayClose; }
};

TEST(TDialogTest, CreateOnceThenShowAndHide)
{
    CountingDialog d(kHidden);
    d.Create();
    QPointer<QWidget> first = d.Window();
    ASSERT_NE(first, nullptr);
    EXPECT_FALSE(first->isVisible());
    d.Create();
    EXPECT_EQ(d.Window(), first.data());
    EXPECT_EQ(d.setups, 1);
    EXPECT_FALSE(d.IsModal());
    d.Show();
    EXPECT_TRUE(first->isVisible());
    d.CloseWindow(IDOK); // modeless: hidden, not destroyed
    EXPECT_FALSE(first->isVisible());
    EXPECT_EQ(d.Window(), first.data());
    d.Show();
    d.Hide();
    EXPECT_FALSE(first->isVisible());
}

TEST(TDialogTest, ExecuteAsksCanCloseBeforeOk)
{
    CountingDialog d(kModal);
    QTimer::singleShot(0, [&d] {
        EXPECT_TRUE(d.IsModal());
        d.mayClose = false;
        ClickLater(940, IDOK);
        QTimer::singleShot(0, [&d] {
            EXPECT_NE(ShownDialog(940), nullptr) << "CanClose said no";
            d.mayClose = true;
            ClickLater(940, IDOK);
        });
    });
    EXPECT_EQ(d.Execute(), IDOK);
    EXPECT_EQ(d.setups, 1);
    EXPECT_FALSE(d.IsModal());
    EXPECT_EQ(d.Window(), nullptr) << "the window goes after the run";

    QTimer::singleShot(0, [] {
        if (DialogWindow* w = ShownDialog(940))
            w->close(); // the window manager's close request cancels
    });
    EXPECT_EQ(d.Execute(), IDCANCEL);
    EXPECT_EQ(d.setups, 2);
}

// Acts on the message box once it is open: it opens inside a call that runs its own event loop.
void WhenMessageBoxOpens(std::function<void(QMessageBox*)> act, int delayMs = 0)
{
    QTimer::singleShot(delayMs, [act] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            act(box);
        else
            WhenMessageBoxOpens(act, 10);
    });
}

class MessageBoxTest : public ::testing::Test {
protected:
    void SetUp() override { ClearAskedMessages(); }
    void TearDown() override { ClearAskedMessages(); }
};

TEST_F(MessageBoxTest, TheSeamAnswersOnceAndRecordsTheQuestion)
{
    QWidget owner;
    SetNextMessageBoxAnswer(IDNO);
    EXPECT_EQ(MessageBox(&owner, "Play the sound?", "NURO", MB_YESNO | MB_ICONQUESTION), IDNO);
    const std::optional<AskedMessage> asked = LastAskedMessage();
    ASSERT_TRUE(asked.has_value());
    EXPECT_EQ(asked->owner, &owner);
    EXPECT_EQ(asked->text, "Play the sound?");
    EXPECT_EQ(asked->caption, "NURO");
    EXPECT_EQ(asked->flags, MB_YESNO | MB_ICONQUESTION);
    ClearAskedMessages();
    EXPECT_FALSE(LastAskedMessage().has_value());
}

TEST_F(MessageBoxTest, WithoutTheSeamTheRealBoxAnswersWithTheButtonPressed)
{
    const struct {
        unsigned flags;
        QMessageBox::StandardButton press;
        int answer;
    } rows[] = {
        {MB_YESNO | MB_ICONQUESTION, QMessageBox::Yes, IDYES},
        {MB_YESNO, QMessageBox::No, IDNO},
        {MB_OKCANCEL | MB_ICONWARNING, QMessageBox::Cancel, IDCANCEL},
        {MB_OK | MB_ICONERROR, QMessageBox::Ok, IDOK},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.flags);
        bool pressed = false;
        WhenMessageBoxOpens([&](QMessageBox* box) {
            EXPECT_EQ(box->text(), "Text");
            if (QAbstractButton* b = box->button(row.press)) {
                pressed = true;
                b->click();
            } else {
                box->reject();
            }
        });
        EXPECT_EQ(MessageBox(nullptr, "Text", "Caption", row.flags), row.answer);
        EXPECT_TRUE(pressed);
    }
    // Asked from another thread, the box still opens on the user-interface thread (inside the
    // bridge's call, so only a timer gets to press it).
    std::atomic<int> answer{0};
    bool onUi = false;
    WhenMessageBoxOpens([&](QMessageBox* box) {
        onUi = box->thread() == QApplication::instance()->thread();
        box->button(QMessageBox::Ok)->click();
    });
    std::thread asker([&] { answer = MessageBox(nullptr, "Text", "Caption", MB_OK); });
    EXPECT_TRUE(test::ServeUntil([&] { return answer.load() != 0; }));
    asker.join();
    EXPECT_TRUE(onUi);
    EXPECT_EQ(answer.load(), IDOK);
}

} // namespace
} // namespace nuro
