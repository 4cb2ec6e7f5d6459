// The real notice window under the offscreen platform, opened from a monitor thread as the program does.
#include "SimulatedClock.h"

#include "platform/DialogOps.h"
#include "platform/DialogWindow.h"
#include "platform/Screen.h"
#include "platform/os/Sound.h"
#include "platform/os/UiThread.h"
#include "resources/templates/NoticeTemplates.h"
#include "schedule/Notice.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>
#include <mutex>
#include <thread>

namespace nuro {
namespace {

// Serves the user-interface thread until `ready` holds; the deadline only keeps a broken run from hanging.
template <typename Ready> bool ServeUntil(Ready ready)
{
    QDeadlineTimer deadline(20000);
    while (!ready()) {
        if (deadline.hasExpired())
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

DialogWindow* ShownNotice()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* dlg = qobject_cast<DialogWindow*>(w);
        if (dlg && dlg->isVisible() && FindNoticeTemplate(dlg->Template().id))
            return dlg;
    }
    return nullptr;
}

// Records what the sound service was asked to play, and whether a notice was on screen meanwhile.
class RecordingSound : public SoundBackend {
public:
    SoundResult PlayFile(const std::string& path) override { return Record(path); }
    SoundResult PlayDefault() override { return Record("default"); }
    std::vector<std::string> Events()
    {
        std::lock_guard<std::mutex> guard(lock_);
        return events_;
    }
    void Add(const std::string& event)
    {
        std::lock_guard<std::mutex> guard(lock_);
        events_.push_back(event);
    }

private:
    SoundResult Record(const std::string& what)
    {
        const bool noticeUp = CallOnUiThread([] { return ShownNotice() != nullptr; });
        Add((noticeUp ? "sound during notice: " : "sound: ") + what.substr(what.rfind('/') + 1));
        return SoundResult::Played;
    }
    std::mutex lock_;
    std::vector<std::string> events_;
};

// A notice opened on its own thread, as the monitor opens it.
class NoticeRun {
public:
    NoticeRun(int templateId, bool soundOn, std::function<bool()> endNow = {})
        : thread_([this, templateId, soundOn, endNow] {
              OpenNotice(
                  templateId, [soundOn] { return soundOn; }, endNow);
              done_ = true;
          })
    {
    }
    ~NoticeRun()
    {
        if (thread_.joinable()) {
            // Never leave a thread waiting in a notice behind a failed test.
            ServeUntil([this] {
                if (DialogWindow* dlg = ShownNotice())
                    dlg->SendCommand(kNoticeCloseId, 0);
                return done_.load();
            });
            thread_.join();
        }
    }
    bool Done() const { return done_.load(); }

private:
    std::atomic<bool> done_{false};
    std::thread thread_;
};

class NoticeTest : public ::testing::Test {
protected:
    void SetUp() override { SetSoundBackend(&sound); }
    void TearDown() override
    {
        SetSoundBackend(nullptr);
        SetNoticeOwner(nullptr);
    }
    RecordingSound sound;
};

TEST(NoticeTemplatesTest, FiveTemplatesWithPictureAndCloseButton)
{
    const struct {
        int id, pictureId, x, y, cx, cy, px, py;
        int closeX, closeY, closeCx, closeCy;
        bool sizeBorder;
    } rows[] = {
        {800, 700, 5, 17, 221, 158, 1, 0, 172, 124, 43, 25, false},
        {801, 701, 6, 15, 221, 153, -2, -2, 173, 124, 37, 25, true},
        {803, 702, -69, -32, 219, 159, -1, 0, 174, 127, 37, 25, false},
        {804, 703, -69, -62, 220, 155, 0, -2, 175, 111, 43, 25, false},
        {805, 704, 6, 15, 219, 157, -1, -1, 175, 126, 37, 25, false},
    };
    ASSERT_EQ(NoticeTemplates().size(), 5u);
    EXPECT_EQ(FindNoticeTemplate(802), nullptr);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.id);
        const DialogTemplate* t = FindNoticeTemplate(row.id);
        ASSERT_NE(t, nullptr);
        EXPECT_STREQ(t->caption, "INFO");
        EXPECT_STREQ(t->className, "BorDlg_Gray");
        EXPECT_STREQ(t->fontName, "MS Sans Serif");
        EXPECT_EQ(t->fontPoints, 8);
        EXPECT_EQ(std::vector<int>({t->x, t->y, t->cx, t->cy}), std::vector<int>({row.x, row.y, row.cx, row.cy}));
        EXPECT_TRUE((t->style & WS_Popup) && (t->style & WS_Caption));
        EXPECT_FALSE(t->style & WS_SysMenu); // no close box
        EXPECT_EQ(bool(t->style & WS_SizeBorder), row.sizeBorder);
        ASSERT_EQ(t->controls.size(), 2u);
        const ControlTemplate& picture = t->controls[0];
        const ControlTemplate& close = t->controls[1];
        EXPECT_EQ(picture.id, row.pictureId);
        EXPECT_STREQ(picture.text, "Button");
        EXPECT_EQ(std::vector<int>({picture.x, picture.y, picture.cx, picture.cy}),
                  std::vector<int>({row.px, row.py, 255, 158}));
        EXPECT_EQ(picture.style, std::uint32_t(CS_Bitmap | CS_TabStop));
        EXPECT_EQ(close.id, 1);
        EXPECT_EQ(std::vector<int>({close.x, close.y, close.cx, close.cy}),
                  std::vector<int>({row.closeX, row.closeY, row.closeCx, row.closeCy}));
        for (const ControlTemplate& c : t->controls)
            EXPECT_STREQ(c.className, "BorBtn");
    }
}

TEST(NoticeTemplatesTest, ScreenPlacementTruncatesTowardZeroAndNeverClamps)
{
    const struct {
        int w, h;
        ScreenPoint at;
    } rows[] = {
        {640, 480, {162, 59}},   {800, 600, {242, 119}},  {1024, 768, {354, 203}}, {1280, 1024, {482, 331}},
        {157, 133, {-79, -114}}, {156, 132, {-80, -115}}, {0, 0, {-158, -181}},    {158, 134, {-79, -114}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ScreenPlacement(row.w, row.h), row.at) << row.w << "x" << row.h;
}

TEST_F(NoticeTest, PictureCloseButtonAndCloseRequestCloseWhileOtherCommandsAndEscapeDoNot)
{
    constexpr int kCloseRequest = -1; // what alt+F4 or a title bar's close sends
    const struct {
        int templateId;
        int closing; // the command that finally closes it
    } rows[] = {{800, 700}, {801, 704}, {803, 1}, {804, 0x10000 | 702}, {805, 701}, {801, kCloseRequest}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.templateId);
        NoticeRun run(row.templateId, false);
        ASSERT_TRUE(ServeUntil([] { return ShownNotice() != nullptr; }));
        DialogWindow* dlg = ShownNotice();
        EXPECT_EQ(dlg->Template().id, row.templateId);
        for (int command : {699, 705, 2, 0, 801, 0x10000 | 699})
            dlg->SendCommand(command, 0);
        QTest::keyClick(dlg, Qt::Key_Escape);
        QApplication::processEvents();
        EXPECT_EQ(ShownNotice(), dlg);
        EXPECT_FALSE(run.Done());

        if (row.closing == kCloseRequest)
            dlg->close();
        else
            dlg->SendCommand(row.closing, 0);
        EXPECT_TRUE(ServeUntil([&] { return run.Done(); }));
        EXPECT_EQ(ShownNotice(), nullptr);
    }
}

TEST_F(NoticeTest, AMinimizedNoticeComesBackAndOffersOnlyClose)
{
    NoticeRun run(803, false);
    ASSERT_TRUE(ServeUntil([] { return ShownNotice() != nullptr; }));
    DialogWindow* dlg = ShownNotice();
    const Qt::WindowFlags flags = dlg->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    dlg->setWindowState(Qt::WindowMinimized);
    EXPECT_TRUE(ServeUntil([&] { return !(dlg->windowState() & Qt::WindowMinimized) && dlg->isVisible(); }));
    EXPECT_FALSE(run.Done());
}

TEST_F(NoticeTest, ANoticeLeftOpenEndsWhenTheNextPrayerIsDue)
{
    std::atomic<bool> nextDue{false};
    std::atomic<int> asked{0};
    NoticeRun run(804, false, [&] {
        ++asked;
        return nextDue.load();
    });
    ASSERT_TRUE(ServeUntil([] { return ShownNotice() != nullptr; }));
    ASSERT_TRUE(ServeUntil([&] { return asked >= 3; })) << "the notice asks again and again";
    EXPECT_FALSE(run.Done()) << "open until the next prayer";
    nextDue = true;
    EXPECT_TRUE(ServeUntil([&] { return run.Done(); }));
    EXPECT_EQ(ShownNotice(), nullptr);
}

TEST_F(NoticeTest, ClickingThePictureOrTheCloseButtonCloses)
{
    for (int clicked : {701, 1}) {
        NoticeRun run(801, false);
        ASSERT_TRUE(ServeUntil([] { return ShownNotice() != nullptr; }));
        QWidget* control = GetDlgItem(ShownNotice(), clicked);
        ASSERT_NE(control, nullptr);
        QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_TRUE(ServeUntil([&] { return run.Done(); })) << "clicked " << clicked;
    }
}

TEST_F(NoticeTest, StandsAtScreenPlacementOnTopModalToTheMainFrameAndClosingDoesNotQuit)
{
    QWidget frame;
    frame.setWindowTitle("main frame");
    frame.show();
    SetNoticeOwner(&frame);
    QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
    frame.hide(); // the program lives in the tray: the notice is then the only window
    NoticeRun run(805, false);
    ASSERT_TRUE(ServeUntil([] { return ShownNotice() != nullptr; }));
    DialogWindow* dlg = ShownNotice();
    const ScreenPoint at = ScreenPlacement(GetDeviceCaps(HORZRES), GetDeviceCaps(VERTRES));
    EXPECT_EQ(GetWindowRect(dlg).topLeft(), QPoint(at.x, at.y));
    EXPECT_TRUE(dlg->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(dlg->parentWidget(), &frame);
    EXPECT_EQ(dlg->windowModality(), Qt::WindowModal);
    dlg->SendCommand(704, 0);
    ASSERT_TRUE(ServeUntil([&] { return run.Done(); }));
    QApplication::processEvents();
    EXPECT_EQ(lastClosed.count(), 0);
}

TEST_F(NoticeTest, SoundPlaysToItsEndBeforeTheNoticeShowsAndOnlyWhenTheBoxIsOn)
{
    const struct {
        bool soundOn;
        std::vector<std::string> events;
    } rows[] = {
        {true, {"sound: um.wav", "notice shown"}},
        {false, {"notice shown"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.soundOn);
        RecordingSound recorder;
        SetSoundBackend(&recorder);
        NoticeRun run(800, row.soundOn);
        ASSERT_TRUE(ServeUntil([] { return ShownNotice() != nullptr; }));
        recorder.Add("notice shown");
        ShownNotice()->SendCommand(700, 0);
        ASSERT_TRUE(ServeUntil([&] { return run.Done(); }));
        EXPECT_EQ(recorder.Events(), row.events);
        SetSoundBackend(&sound);
    }
}

TEST_F(NoticeTest, EachPrayerPlaysItsOwnSoundAndAMissingOneFallsBackToUmWav)
{
    QTemporaryDir dir;
    const std::string aser = (dir.path() + "/aser.ogg").toStdString();
    QFile file(QString::fromStdString(aser));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    {
        std::lock_guard<std::mutex> guard(SettingsLock());
        Settings().extra.SOUND = {"", "", aser, "", "/no/such/isha.mp3"};
    }
    const struct {
        int templateId;
        const char* sound;
    } rows[] = {{800, "um.wav"}, {801, "um.wav"}, {803, "aser.ogg"}, {804, "um.wav"}, {805, "um.wav"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.templateId);
        RecordingSound recorder;
        SetSoundBackend(&recorder);
        NoticeRun run(row.templateId, true);
        ASSERT_TRUE(ServeUntil([] { return ShownNotice() != nullptr; }));
        ShownNotice()->SendCommand(700, 0);
        ASSERT_TRUE(ServeUntil([&] { return run.Done(); }));
        EXPECT_EQ(recorder.Events(), std::vector<std::string>{std::string("sound: ") + row.sound});
        SetSoundBackend(&sound);
    }
    std::lock_guard<std::mutex> guard(SettingsLock());
    Settings().extra.SOUND = {};
}

// The real library computes the day; the monitor, on its own thread with a simulated clock, reaches
// Dhohur and opens the real notice 801, which a click on its picture closes.
class RealHost : public NoticeMonitorHost {
public:
    explicit RealHost(bool soundOn) : soundOn_(soundOn) {}
    void HideTrayHost() override {}
    void RepaintMainFrame() override {}
    bool SoundBoxOn() override { return soundOn_; }
    void ShowNotice(int templateId) override
    {
        shown.push_back(templateId);
        NoticeMonitorHost::ShowNotice(templateId);
    }
    std::vector<int> shown; // monitor thread only until it is joined

private:
    bool soundOn_;
};

TEST_F(NoticeTest, RealLibraryDhohurOpensTemplate801AndAClickOnThePictureClosesIt)
{
    AppSettings tunis;
    tunis.D1 = 10;
    tunis.M1 = 10;
    tunis.S1 = 53;
    tunis.CARD1 = 'E';
    tunis.D2 = 36;
    tunis.M2 = 48;
    tunis.S2 = 23;
    tunis.CARD2 = 'N';
    tunis.T_ZONE = 1;
    tunis.P = 1013;
    tunis.T = 20;
    tunis.H = 4;
    tunis.ASER = 1;
    tunis.corrections = {0, 0, 7, 0, 2, 0, 18, 17};
    Scheduler schedule(
        Calc(),
        [] {
            return LocalDate{2025, 21, 6};
        },
        [tunis] { return tunis; });
    ASSERT_TRUE(schedule.Refresh(nullptr)) << "libnuro.so was not found";
    const std::string dhohur = SlotText(schedule.Table()[kDhohur]);
    ASSERT_EQ(dhohur.size(), 8u) << dhohur;
    const std::int64_t dhohurAt =
        test::At(std::stoi(dhohur.substr(0, 2)), std::stoi(dhohur.substr(3, 2)), std::stoi(dhohur.substr(6, 2)));

    for (bool soundOn : {true, false}) {
        SCOPED_TRACE(soundOn);
        RecordingSound recorder;
        SetSoundBackend(&recorder);
        std::atomic<bool> stop{false};
        std::atomic<std::int32_t> offset{0};
        test::SimulatedClock clock(dhohurAt - 3 * test::kSecond, dhohurAt + 10 * test::kSecond, stop);
        RealHost host(soundOn);
        AlarmMonitor monitor({host, clock, schedule, [&] { schedule.Refresh(nullptr); }, offset, stop});
        std::atomic<bool> ended{false};
        std::thread thread([&] {
            monitor.Run();
            ended = true;
        });
        ASSERT_TRUE(ServeUntil([] { return ShownNotice() != nullptr; }));
        recorder.Add("notice shown");
        DialogWindow* dlg = ShownNotice();
        EXPECT_EQ(dlg->Template().id, 801);
        QTest::mouseClick(GetDlgItem(dlg, 701), Qt::LeftButton, {}, QPoint(20, 20));
        EXPECT_TRUE(ServeUntil([&] { return ended.load(); }));
        thread.join();
        EXPECT_EQ(host.shown, std::vector<int>{801});
        const std::vector<std::string> expected = soundOn ? std::vector<std::string>{"sound: um.wav", "notice shown"}
                                                          : std::vector<std::string>{"notice shown"};
        EXPECT_EQ(recorder.Events(), expected);
        SetSoundBackend(&sound);
    }
}

} // namespace
} // namespace nuro

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The sound is looked up in the user's data folder too: keep the machine's own files out.
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(true); // as strict as it gets: a notice must not quit
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
