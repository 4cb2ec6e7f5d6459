// The tray host on the offscreen platform: its four commands, the mouse rule with the busy flag, the
// menu with its default item, and the mended rule for a desktop without a tray.
#include "ShellFixture.h"

#include "platform/os/Sound.h"
#include "shell/TrayHost.h"

#include <QMenu>
#include <QTimer>

#include <atomic>
#include <thread>

using namespace nuro;
using namespace nuro::test;

namespace {

class TrayHostTest : public ::testing::Test {
protected:
    void Make(bool tray, bool statusNotifier = false, std::function<void(QMenu*)> extendMenu = {})
    {
        trayAvailable = tray;
        frame = std::make_unique<QWidget>();
        frame->show();
        TrayHost::Wiring w;
        w.mainFrame = [this] { return frame.get(); };
        w.exitProgram = [this] { rec.log.push_back(host->IconAdded() ? "exit with icon" : "exit without icon"); };
        w.showAbout = [this](QWidget* owner) {
            rec.log.push_back("about");
            aboutOwner = owner;
        };
        w.trayAvailable = [this] { return trayAvailable; };
        w.trayWatchMs = 10;
        w.statusNotifierHost = [statusNotifier] { return statusNotifier; };
        w.isStatusNotifierItem = [statusNotifier] { return statusNotifier; };
        w.extendMenu = std::move(extendMenu);
        host = std::make_unique<TrayHost>(std::move(w));
        host->Open();
    }
    // Runs `pick` on the menu once it is tracked; the menu closes after it.
    void OnMenu(std::function<void(QMenu*)> pick)
    {
        QObject::connect(host.get(), &TrayHost::menuAboutToTrack, host.get(), [this, pick](QMenu* menu) {
            ++menusTracked;
            QTimer::singleShot(0, menu, [menu, pick] {
                pick(menu);
                menu->close();
            });
        });
    }
    static QAction* Item(QMenu* menu, int id)
    {
        for (QAction* a : menu->actions())
            if (!a->isSeparator() && a->data().toInt() == id)
                return a;
        return nullptr;
    }

    bool trayAvailable = true;
    std::unique_ptr<QWidget> frame;
    std::unique_ptr<TrayHost> host;
    Recorder rec;
    QWidget* aboutOwner = nullptr;
    int menusTracked = 0;
};

} // namespace

TEST_F(TrayHostTest, OpensHiddenWithTheIconAndTip)
{
    Make(true);
    ASSERT_NE(host->HostWindow(), nullptr);
    EXPECT_FALSE(host->HostWindow()->isVisible());
    EXPECT_TRUE(host->IconAdded());
    EXPECT_EQ(host->Icon()->toolTip(), "NURO :)!");
    EXPECT_FALSE(host->Icon()->icon().isNull());
    EXPECT_FALSE(host->MenuBusy());
}

TEST_F(TrayHostTest, CommandsShowHideAboutAndExit)
{
    struct Row {
        int command;
        bool frameVisibleBefore;
        bool handled, frameVisibleAfter;
        std::vector<std::string> log;
        bool iconAfter;
    };
    const Row rows[] = {
        {40006, false, true, true, {}, true},
        {40003, true, true, false, {}, true},
        {40005, false, true, false, {"about"}, true}, // About also while the frame is hidden
        {11842, true, true, true, {"exit without icon"}, false},
        {11845, true, false, true, {}, true},
    };
    for (const Row& r : rows) {
        Make(true);
        frame->setVisible(r.frameVisibleBefore);
        EXPECT_EQ(host->HandleCommand(r.command), r.handled) << r.command;
        EXPECT_EQ(frame->isVisible(), r.frameVisibleAfter) << r.command;
        EXPECT_EQ(rec.log, r.log) << r.command;
        EXPECT_EQ(host->IconAdded(), r.iconAfter) << r.command;
        EXPECT_FALSE(host->HostWindow()->isVisible()) << r.command;
        if (r.command == 40005) {
            EXPECT_EQ(aboutOwner, host->HostWindow());
        }
        rec.log.clear();
    }
}

TEST_F(TrayHostTest, OnlyDoubleClickShowsAndOnlyRightClickOpensTheMenu)
{
    struct Row {
        TrayMouse event;
        bool shows, opensMenu;
    };
    const Row rows[] = {
        {TrayMouse::LeftDoubleClick, true, false}, {TrayMouse::RightRelease, false, true},
        {TrayMouse::LeftClick, false, false},      {TrayMouse::MiddleClick, false, false},
        {TrayMouse::Other, false, false},
    };
    for (const Row& r : rows) {
        Make(true);
        menusTracked = 0;
        frame->hide();
        OnMenu([](QMenu*) {});
        host->OnTrayMouse(r.event);
        EXPECT_EQ(frame->isVisible(), r.shows) << static_cast<int>(r.event);
        EXPECT_EQ(menusTracked, r.opensMenu ? 1 : 0) << static_cast<int>(r.event);
    }
}

TEST_F(TrayHostTest, MenuHasShowBoldAsDefaultAndItsChoiceIsCarriedOut)
{
    struct Row {
        int choice;
        bool frameVisible;
        std::vector<std::string> log;
    };
    const Row rows[] = {
        {40006, true, {}}, {40003, false, {}}, {40005, false, {"about"}}, {11842, false, {"exit without icon"}},
        {0, false, {}}, // closed without a choice
    };
    for (const Row& r : rows) {
        Make(true);
        frame->hide();
        std::vector<std::string> texts;
        bool showBold = false, showDefault = false, busyWhileOpen = false;
        OnMenu([&](QMenu* menu) {
            for (QAction* a : menu->actions())
                texts.push_back(a->isSeparator() ? "-" : a->text().toStdString());
            showBold = Item(menu, 40006)->font().bold();
            showDefault = menu->defaultAction() == Item(menu, 40006);
            busyWhileOpen = host->MenuBusy();
            if (r.choice)
                Item(menu, r.choice)->trigger();
        });
        host->OnTrayMouse(TrayMouse::RightRelease);
        EXPECT_EQ(texts, (std::vector<std::string>{"&Show", "&Hide", "?", "-", "E&xit"}));
        EXPECT_TRUE(showBold);
        EXPECT_TRUE(showDefault);
        EXPECT_TRUE(busyWhileOpen);
        EXPECT_FALSE(host->MenuBusy()) << "cleared when tracking ends";
        EXPECT_EQ(frame->isVisible(), r.frameVisible) << r.choice;
        EXPECT_EQ(rec.log, r.log) << r.choice;
        rec.log.clear();
    }
}

TEST_F(TrayHostTest, EventsWhileTheMenuIsOpenAreIgnored)
{
    Make(true);
    frame->hide();
    OnMenu([this](QMenu*) {
        host->OnTrayMouse(TrayMouse::RightRelease);
        host->OnTrayMouse(TrayMouse::LeftDoubleClick);
    });
    host->OnTrayMouse(TrayMouse::RightRelease);
    EXPECT_EQ(menusTracked, 1);
    EXPECT_FALSE(frame->isVisible());
    host->OnTrayMouse(TrayMouse::LeftDoubleClick); // once the menu is gone it acts again
    EXPECT_TRUE(frame->isVisible());
}

TEST_F(TrayHostTest, WithoutATrayHidingMinimizesAndTheIconComesWithTheTray)
{
    Make(false);
    EXPECT_FALSE(host->IconAdded());
    EXPECT_EQ(host->Icon(), nullptr) << "the icon is made once there is a tray to show it";
    host->HideMainFrame();
    EXPECT_TRUE(frame->isVisible());
    EXPECT_TRUE(frame->isMinimized());
    trayAvailable = true;
    EXPECT_TRUE(WaitFor([this] { return host->IconAdded(); }));
    ASSERT_NE(host->Icon(), nullptr);
    EXPECT_EQ(host->Icon()->toolTip(), "NURO :)!");
    EXPECT_FALSE(host->Icon()->icon().isNull());
    frame->showNormal();
    host->HideMainFrame();
    EXPECT_FALSE(frame->isVisible());
}

TEST_F(TrayHostTest, HideAndTheOkButtonMinimizeOnceTheTrayHasGone)
{
    struct Row {
        bool trayAtOpen, trayAtHide;
        bool visible, minimized;
    };
    const Row rows[] = {
        {true, true, false, false},
        {true, false, true, true}, // the panel ended: a hidden frame could not come back
        {false, false, true, true},
    };
    for (const Row& r : rows) {
        Make(r.trayAtOpen);
        trayAvailable = r.trayAtHide;
        EXPECT_TRUE(host->HandleCommand(kTrayHide));
        EXPECT_EQ(frame->isVisible(), r.visible) << r.trayAtOpen << r.trayAtHide;
        EXPECT_EQ(frame->isMinimized(), r.minimized) << r.trayAtOpen << r.trayAtHide;
        EXPECT_FALSE(host->HostWindow()->isVisible());
        // Show brings a minimized frame back as it was.
        EXPECT_TRUE(host->HandleCommand(kTrayShow));
        EXPECT_TRUE(frame->isVisible());
        EXPECT_FALSE(frame->isMinimized());
    }
}

TEST_F(TrayHostTest, StatusNotifierItemExportsTheMenuWithItsExtensionsAndActivateShowsUnlessTheMenuIsOpen)
{
    constexpr int kExtraCommand = 40100;
    Make(true, true, [](QMenu* menu) { menu->addAction("Extra")->setData(kExtraCommand); });
    ASSERT_EQ(host->Kind(), TrayKind::StatusNotifier);
    QMenu* menu = host->ExportedMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(host->Icon()->contextMenu(), menu) << "given to Qt, which exports it over D-Bus";
    std::vector<std::string> labels;
    for (QAction* a : menu->actions())
        labels.push_back(a->isSeparator() ? "-" : a->text().toStdString());
    EXPECT_EQ(labels, (std::vector<std::string>{"&Show", "&Hide", "?", "-", "E&xit", "Extra"}));
    EXPECT_TRUE(Item(menu, kTrayShow)->font().bold()) << "Show is the default";

    frame->hide();
    emit menu->aboutToShow(); // the host shows the menu
    host->OnTrayMouse(TrayMouse::LeftClick);
    EXPECT_FALSE(frame->isVisible()) << "busy while the host's menu is open";
    emit menu->aboutToHide();
    host->OnTrayMouse(TrayMouse::LeftClick);
    EXPECT_TRUE(frame->isVisible()) << "Activate shows the main frame";

    // A chosen item is carried out after the host's click has been answered, through the commands.
    Item(menu, kTrayExit)->trigger();
    EXPECT_TRUE(rec.log.empty());
    QCoreApplication::processEvents();
    EXPECT_EQ(rec.log, (std::vector<std::string>{"exit without icon"}));
}

TEST_F(TrayHostTest, XEmbedIconGetsNoContextMenuOfQtsAndIgnoresASingleClick)
{
    Make(true, false, [](QMenu* menu) { menu->addAction("Extra"); });
    EXPECT_EQ(host->Kind(), TrayKind::XEmbed);
    EXPECT_EQ(host->ExportedMenu(), nullptr);
    EXPECT_EQ(host->Icon()->contextMenu(), nullptr);
    frame->hide();
    host->OnTrayMouse(TrayMouse::LeftClick);
    EXPECT_FALSE(frame->isVisible());
}

namespace {

// Plays until stopped, like a long adhan.
class EndlessSound : public SoundBackend {
public:
    SoundResult PlayFile(const std::string&) override { return Wait(); }
    SoundResult PlayDefault() override { return Wait(); }
    void Stop() override
    {
        stops++;
        stopped = true;
        stopped.notify_all();
    }
    SoundResult Wait()
    {
        stopped.wait(false);
        return SoundResult::Played;
    }
    std::atomic<bool> stopped{false};
    std::atomic<int> stops{0};
};

} // namespace

TEST_F(TrayHostTest, StopSoundIsOfferedFirstWhileASoundPlaysAndEndsIt)
{
    EndlessSound sound;
    SetSoundBackend(&sound);
    Make(true);
    std::thread player([] { PlaySoundSync("no-such-file-so-the-default.wav"); });
    if (!WaitFor([] { return SoundPlaying(); })) {
        sound.Stop();
        player.join();
        SetSoundBackend(nullptr);
        FAIL() << "the sound never began";
    }
    std::vector<std::string> texts;
    OnMenu([&](QMenu* menu) {
        for (QAction* a : menu->actions())
            texts.push_back(a->isSeparator() ? "-" : a->text().toStdString());
        Item(menu, kTrayStopSound)->trigger();
    });
    host->OnTrayMouse(TrayMouse::RightRelease);
    player.join();
    SetSoundBackend(nullptr);
    EXPECT_EQ(texts, (std::vector<std::string>{"Stop sound", "-", "&Show", "&Hide", "?", "-", "E&xit"}));
    EXPECT_EQ(sound.stops, 1);
    EXPECT_FALSE(SoundPlaying());
    EXPECT_TRUE(frame->isVisible()) << "nothing else was done";
}

TEST_F(TrayHostTest, TheTipKeepsItsTitleOverTheNextPrayer)
{
    Make(true);
    host->SetTip({"NURO :)!", "Aser 14:45 \u00b7 in 1 h 12 min", "body"});
    EXPECT_EQ(host->Icon()->toolTip(), QString::fromUtf8("NURO :)!\nAser 14:45 \u00b7 in 1 h 12 min"));
    EXPECT_EQ(host->Tip().body, "body");
}
