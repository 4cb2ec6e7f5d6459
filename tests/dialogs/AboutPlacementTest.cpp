// The About box and the rule that centres every dialog over the main frame window.
#include "DialogTestEnv.h"

#include "dialogs/Dialogs.h"
#include "dialogs/Placement.h"
#include "dialogs/SettingsDialogs.h"
#include "platform/DialogOps.h"
#include "platform/DialogWindow.h"
#include "platform/Screen.h"

#include <QApplication>
#include <QTimer>

#include <functional>

using namespace nuro;
using namespace nuro::test;

namespace {

class PlacementTest : public DialogTest {};

// The dialog as placed, against the rule computed from its size, the frame and the screen. A dialog is
// placed while it initialises, before its first showing, when its size is still that of its client area.
void ExpectPlaced(QWidget* dlg, const QRect& frame)
{
    const QRect got = GetWindowRect(dlg);
    const QSize size = dlg->size();
    const ScreenPoint want =
        CentredOver(size.width(), size.height(), {frame.x(), frame.y(), frame.width(), frame.height()},
                    GetDeviceCaps(HORZRES), GetDeviceCaps(VERTRES));
    EXPECT_EQ(got.x(), want.x) << frame.x() << "," << frame.y();
    EXPECT_EQ(got.y(), want.y) << frame.x() << "," << frame.y();
}

TEST_F(PlacementTest, EverySettingsDialogOpensCentredOverTheFrameAndOnTheScreen)
{
    const int W = GetDeviceCaps(HORZRES), H = GetDeviceCaps(VERTRES);
    ASSERT_GT(W, 0);
    struct Opener {
        const char* name;
        std::function<void()> open;
        std::function<QWidget*()> window;
    };
    const Opener openers[] = {
        {"Config", OpenConfigDialog, ConfigDialogWindow},
        {"Expert", OpenExpertDialog, ExpertDialogWindow},
        {"Summer", OpenSummerTimeDialog, SummerTimeDialogWindow},
    };
    const QRect frames[] = {
        {100, 50, 300, 400},
        {-500, 10, 300, 200},
        {W - 100, H - 100, 300, 200},
        {0, -400, 50, 50},
    };
    for (const QRect& frame : frames) {
        for (const Opener& o : openers) {
            SCOPED_TRACE(o.name);
            ResetSettingsDialogs();
            mainFrame.setGeometry(frame);
            const QRect frameRect = GetWindowRect(&mainFrame);
            o.open();
            QWidget* dlg = o.window();
            ASSERT_NE(dlg, nullptr);
            ExpectPlaced(dlg, frameRect);
            const QRect got(GetWindowRect(dlg).topLeft(), dlg->size());
            EXPECT_GE(got.x(), 0);
            EXPECT_GE(got.y(), 0);
            EXPECT_LE(got.right() + 1, W);
            EXPECT_LE(got.bottom() + 1, H);
        }
    }
}

TEST_F(PlacementTest, HiddenFrameStillCounts)
{
    mainFrame.setGeometry(120, 80, 300, 400);
    mainFrame.hide();
    OpenExpertDialog();
    ExpectPlaced(ExpertDialogWindow(), QRect(120, 80, 300, 400));
}

class AboutTest : public DialogTest {};

TEST_F(AboutTest, RunsModallyPlacedOverTheFrameAndEndsOnOkEscapeOrANoticePicture)
{
    mainFrame.setGeometry(100, 50, 300, 400);
    mainFrame.show();
    struct Row {
        std::vector<int> commands;
        int closedAfter;
    };
    // 104 (the picture) does nothing; 1, Cancel (Escape, a close request) and 700 to 704 end the box.
    const Row rows[] = {{{104, IDCANCEL}, 2}, {{700}, 1}, {{104, 704}, 2}, {{1}, 1}};
    for (const Row& r : rows) {
        int sent = 0;
        bool checked = false;
        std::function<void()> step = [&] {
            QWidget* about = nullptr;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->isVisible() && w->windowTitle() == "       About")
                    about = w;
            if (!about) {
                QTimer::singleShot(10, step);
                return;
            }
            if (!checked) {
                checked = true;
                EXPECT_EQ(GetDlgItemText(about, 101, 20), "NURO V2.0");
                EXPECT_FALSE(about->windowFlags() & Qt::WindowCloseButtonHint);
                ExpectPlaced(about, GetWindowRect(&mainFrame));
                EXPECT_EQ(about->parentWidget(), &mainFrame);
            }
            Command(about, r.commands[sent++]);
            if (sent < static_cast<int>(r.commands.size()))
                QTimer::singleShot(10, step);
        };
        QTimer::singleShot(0, step);
        ShowAbout(&mainFrame);
        EXPECT_EQ(sent, r.closedAfter);
    }
}

} // namespace
