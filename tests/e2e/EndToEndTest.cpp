// The installed program under Xvfb, driven as a user would: the window shows, a faked clock a few
// seconds before Dhohur brings the "INFO" notice in its second, a click closes it, a close request
// ends the program with 1 and every key saved; "S" with STARTUP 1 ends with 0; a second start ends
// with 0 and leaves the first one running; a place chosen in Config changes the times shown and is
// what exit saves. Skipped when there is no Xvfb.
#include "calc/nuro_api.h"
#include "tests/shell/SettingsText.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QThread>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <dlfcn.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;
using nuro::test::ReadWholeFile;
using nuro::test::SettingsKeys;

namespace {

constexpr int kWaitMs = 20000;
constexpr int kLeadSeconds = 6;  // the faked clock starts this long before Dhohur
const char* const kDate = "2024-03-15";

// Every key of the settings, Tunis on the default values; Sound off so that no chime delays the notice.
std::string Settings(const std::string& startup)
{
    return "[SETUP]\nSound=0\nRadio_inc=0\nINC_DEC=0\nCOUNTRY=Tunis, Tunisia\nASER=STANDARD\nD1=10\nM1=10\n"
           "S1=53.000\nCARD1=E\nD2=36\nM2=48\nS2=23.000\nCARD2=N\nP=1010.000\nT=10.000\nH=4.000\n"
           "T_ZONE=1.000\nLANG=ARABIC\np_faj=0\np_shu=0\np_dho=7\np_ase=0\np_mag=2\np_ich=0\na_faj=108\n"
           "a_ich=108\nSTARTUP=" + startup + "\nSUMMER=0\nmonth1=4\nday1=1\nmonth2=10\nday2=1\nval1=401\n"
           "val2=1001\nPRECISION=0\nt1=Tunis, Tunisia*Sfax, Tunisia*\n";
}

// Dhohur of the test's date and place, from the installed library with the same arguments.
std::string DhohurTime(const fs::path& library)
{
    void* lib = dlopen(library.c_str(), RTLD_NOW);
    if (!lib)
        return {};
    auto trtFn = reinterpret_cast<nuro_trt_fn>(dlsym(lib, "trt"));
    if (!trtFn)
        return {};
    std::string times = trtFn(2024, 3, 15, 10, 10, 53.f, 'E', 36, 48, 23.f, 'N', 1, 1010.f, 10.f, 4.f, 1,
                              0, 0, 7, 0, 2, 0, 108, 108, 0);
    std::istringstream fields(times);
    std::string field;
    for (int i = 0; i < 3; ++i)
        std::getline(fields, field, '*');
    return field;
}

std::string SecondsBefore(const std::string& time, int seconds)
{
    int h = std::stoi(time.substr(0, 2)), m = std::stoi(time.substr(3, 2)), s = std::stoi(time.substr(6, 2));
    int t = h * 3600 + m * 60 + s - seconds;
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", t / 3600, t / 60 % 60, t % 60);
    return text;
}

class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable("Xvfb").isEmpty())
            GTEST_SKIP() << "no Xvfb";
        for (const char* tool : {"xdotool", "faketime"})
            ASSERT_FALSE(QStandardPaths::findExecutable(tool).isEmpty()) << tool;
        top = fs::temp_directory_path() / ("nuro-e2e-" + std::to_string(getpid()));
        fs::remove_all(top);
        fs::create_directories(top / "config" / "nuro");
        fs::create_directories(top / "runtime");
        fs::permissions(top / "runtime", fs::perms::owner_all);
        Install();
        StartDisplay();
    }
    void TearDown() override
    {
        for (auto& p : programs)
            if (p->state() != QProcess::NotRunning) {
                p->kill();
                p->waitForFinished(kWaitMs);
            }
        if (display)
            XCloseDisplay(display);
        if (xvfb.state() != QProcess::NotRunning) {
            xvfb.terminate();
            xvfb.waitForFinished(kWaitMs);
        }
        if (!top.empty())
            fs::remove_all(top);
    }

    void Install()
    {
        QProcess install;
        install.start("cmake", {"--install", NURO_BUILD_DIR, "--prefix", QString::fromStdString((top / "usr").string())});
        ASSERT_TRUE(install.waitForFinished(120000));
        ASSERT_EQ(install.exitCode(), 0) << install.readAllStandardError().toStdString();
        program = top / "usr" / "bin" / "nuro";
        ASSERT_TRUE(fs::exists(program));
    }
    void StartDisplay()
    {
        xvfb.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
        ASSERT_TRUE(xvfb.waitForStarted(kWaitMs));
        QByteArray number;
        QElapsedTimer t;
        t.start();
        while (!number.contains('\n') && t.elapsed() < kWaitMs) {
            xvfb.waitForReadyRead(200);
            number += xvfb.readAllStandardOutput();
        }
        ASSERT_TRUE(number.contains('\n')) << "Xvfb gave no display number";
        displayName = ":" + number.trimmed().toStdString();
        display = XOpenDisplay(displayName.c_str());
        ASSERT_NE(display, nullptr);
    }
    QProcessEnvironment Env() const
    {
        auto env = QProcessEnvironment::systemEnvironment();
        env.remove("QT_QPA_PLATFORM");
        env.remove("WAYLAND_DISPLAY");
        env.insert("DISPLAY", QString::fromStdString(displayName));
        env.insert("XDG_CONFIG_HOME", QString::fromStdString((top / "config").string()));
        env.insert("XDG_RUNTIME_DIR", QString::fromStdString((top / "runtime").string()));
        return env;
    }
    // The program, optionally under a clock that starts at `fakedStart` on the test's date.
    QProcess* Run(QStringList args, const std::string& fakedStart = {})
    {
        programs.push_back(std::make_unique<QProcess>());
        QProcess* p = programs.back().get();
        p->setProcessEnvironment(Env());
        QString exe = QString::fromStdString(program.string());
        if (fakedStart.empty()) {
            p->start(exe, args);
        } else {
            // The multi-threaded variant: the monitor reads the clock on its own thread. A sanitizer
            // build must accept the clock library loaded ahead of its runtime.
            auto env = p->processEnvironment();
            env.insert("ASAN_OPTIONS", env.value("ASAN_OPTIONS") + ":verify_asan_link_order=0");
            p->setProcessEnvironment(env);
            args.prepend(exe);
            args = QStringList{"-m", "-f", QString::fromStdString("@" + std::string(kDate) + " " + fakedStart)} + args;
            p->start("faketime", args);
        }
        EXPECT_TRUE(p->waitForStarted(kWaitMs));
        return p;
    }
    int Finish(QProcess* p)
    {
        EXPECT_TRUE(p->waitForFinished(kWaitMs));
        return p->exitStatus() == QProcess::NormalExit ? p->exitCode() : -1;
    }
    // First viewable top-level window with exactly this name, or 0.
    Window FindWindow(const std::string& name)
    {
        QProcess search;
        search.setProcessEnvironment(Env());
        search.start("xdotool", {"search", "--onlyvisible", "--name", QString::fromStdString("^" + name + "$")});
        search.waitForFinished(kWaitMs);
        auto lines = search.readAllStandardOutput().split('\n');
        for (const QByteArray& line : lines)
            if (!line.trimmed().isEmpty())
                return static_cast<Window>(line.trimmed().toULong());
        return 0;
    }
    // Asks `done` every 50 ms until it holds, for at most `ms`.
    template <typename Done>
    static bool WaitUntil(Done done, int ms = kWaitMs)
    {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < ms) {
            if (done())
                return true;
            QThread::msleep(50);
        }
        return false;
    }
    Window WaitForWindow(const std::string& name, int ms = kWaitMs)
    {
        Window w = 0;
        WaitUntil([&] { return (w = FindWindow(name)) != 0; }, ms);
        return w;
    }
    bool WaitUntilGone(const std::string& name)
    {
        return WaitUntil([&] { return FindWindow(name) == 0; });
    }
    void Xdotool(QStringList args)
    {
        QProcess x;
        x.setProcessEnvironment(Env());
        x.start("xdotool", args);
        x.waitForFinished(kWaitMs);
    }
    // What a window manager's close button sends.
    void RequestClose(Window w)
    {
        XEvent ev = {};
        ev.xclient.type = ClientMessage;
        ev.xclient.window = w;
        ev.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
        ev.xclient.format = 32;
        ev.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
        ev.xclient.data.l[1] = CurrentTime;
        XSendEvent(display, w, False, NoEventMask, &ev);
        XFlush(display);
    }
    // Takes the notification area's selection as a tray starting after log-in does; it never docks
    // anything, which is all the program needs to know that hidden windows can come back.
    void StartTray()
    {
        Window root = DefaultRootWindow(display);
        trayOwner = XCreateSimpleWindow(display, root, 0, 0, 1, 1, 0, 0, 0);
        Atom selection = XInternAtom(display, "_NET_SYSTEM_TRAY_S0", False);
        XSetSelectionOwner(display, selection, trayOwner, CurrentTime);
        XEvent ev = {};
        ev.xclient.type = ClientMessage;
        ev.xclient.window = root;
        ev.xclient.message_type = XInternAtom(display, "MANAGER", False);
        ev.xclient.format = 32;
        ev.xclient.data.l[0] = CurrentTime;
        ev.xclient.data.l[1] = static_cast<long>(selection);
        ev.xclient.data.l[2] = static_cast<long>(trayOwner);
        XSendEvent(display, root, False, StructureNotifyMask, &ev);
        XFlush(display);
    }
    // The OK picture at the bottom middle of the main window.
    // The Hijri date's strip below the pictures: 10 dialog units.
    static constexpr int kHijriStrip = 20;
    void ClickOk(Window frame)
    {
        XWindowAttributes a = {};
        XGetWindowAttributes(display, frame, &a);
        ClickAt(frame, a.width / 2, a.height - 26 - kHijriStrip);
    }
    // The pixels of the six time boxes: they sit in the main dialog's 250 x 250 client under the
    // menu bar, 13..88 by 16..88 dialog units at two pixels a unit.
    std::vector<unsigned long> TimeBoxPixels(Window frame)
    {
        XWindowAttributes a = {};
        if (!XGetWindowAttributes(display, frame, &a) || a.height < 250 || a.width < 180)
            return {};
        const int top = a.height - 250 - kHijriStrip;
        XImage* image = XGetImage(display, frame, 26, top + 32, 150, 144, AllPlanes, ZPixmap);
        if (!image)
            return {};
        std::vector<unsigned long> pixels;
        for (int y = 0; y < image->height; ++y)
            for (int x = 0; x < image->width; ++x)
                pixels.push_back(XGetPixel(image, x, y));
        XDestroyImage(image);
        return pixels;
    }
    // A click at a point given relative to a window's top-left corner.
    void ClickAt(Window w, int dx, int dy, int repeat = 1)
    {
        XWindowAttributes a = {};
        XGetWindowAttributes(display, w, &a);
        Window child = 0;
        int x = 0, y = 0;
        XTranslateCoordinates(display, w, a.root, 0, 0, &x, &y, &child);
        Xdotool({"mousemove", QString::number(x + dx), QString::number(y + dy), "click", "--repeat",
                 QString::number(repeat), "--delay", "80", "1"});
    }
    fs::path SettingsPath() const { return top / "config" / "nuro" / "nuro.ini"; }
    void WriteSettings(const std::string& text) const { std::ofstream(SettingsPath(), std::ios::binary) << text; }
    bool WaitUntilListening() const
    {
        return WaitUntil([this] { return fs::exists(top / "runtime" / "nuro.socket"); });
    }

    fs::path top, program;
    QProcess xvfb;
    std::string displayName;
    Display* display = nullptr;
    Window trayOwner = 0;
    std::vector<std::unique_ptr<QProcess>> programs;
};

} // namespace

TEST_F(EndToEnd, NoticeInItsSecondClickClosesItCloseRequestSavesAndEndsWithOne)
{
    const std::string dhohur = DhohurTime(top / "usr" / "lib" / "libnuro.so");
    ASSERT_EQ(dhohur.size(), 8u) << "no Dhohur time from the library";
    // Never across midnight or an hour change of the faked clock itself: Dhohur is mid-day.
    WriteSettings(Settings("0"));
    QElapsedTimer sinceStart;
    QProcess* p = Run({}, SecondsBefore(dhohur, kLeadSeconds));
    sinceStart.start();

    Window frame = WaitForWindow("Tunis, Tunisia");
    ASSERT_NE(frame, 0u) << "the main frame, titled with the place";
    EXPECT_EQ(FindWindow("INFO"), 0u) << "no notice before its time";

    Window notice = WaitForWindow("INFO", (kLeadSeconds + 10) * 1000);
    const double seconds = sinceStart.elapsed() / 1000.0;
    ASSERT_NE(notice, 0u) << "the Dhohur notice never came";
    // The faked clock reaches Dhohur kLeadSeconds after the start; a second either way is the
    // clock's own second and the search's step.
    EXPECT_GE(seconds, kLeadSeconds - 1.0) << "the notice came early";
    EXPECT_LE(seconds, kLeadSeconds + 2.0) << "the notice came late";

    XWindowAttributes a = {};
    ASSERT_TRUE(XGetWindowAttributes(display, notice, &a));
    // The picture covers the notice: a click in its upper middle is on it, clear of the close button.
    ClickAt(notice, a.width / 2, a.height / 3);
    EXPECT_TRUE(WaitUntilGone("INFO")) << "a click on the picture closes the notice";
    EXPECT_EQ(p->state(), QProcess::Running);

    RequestClose(frame);
    EXPECT_EQ(Finish(p), 1);
    auto keys = SettingsKeys(ReadWholeFile(SettingsPath()));
    EXPECT_EQ(keys.size(), 36u) << "35 keys and the place list";
    EXPECT_EQ(keys["t1"], "Tunis, Tunisia*Sfax, Tunisia*");
    EXPECT_EQ(keys["COUNTRY"], "Tunis, Tunisia");
    EXPECT_EQ(keys["p_dho"], "7");
}

TEST_F(EndToEnd, LogonStartRefusedByTheSwitchEndsWithZeroAndWritesNothing)
{
    const std::string text = Settings("1");
    WriteSettings(text);
    QProcess* p = Run({"S"});
    EXPECT_EQ(Finish(p), 0);
    EXPECT_EQ(ReadWholeFile(SettingsPath()), text);
    EXPECT_EQ(FindWindow("Tunis, Tunisia"), 0u);
}

TEST_F(EndToEnd, SecondStartShowsTheFirstAndEndsWithZero)
{
    WriteSettings(Settings("0"));
    QProcess* first = Run({});
    Window frame = WaitForWindow("Tunis, Tunisia");
    ASSERT_NE(frame, 0u);
    ASSERT_TRUE(WaitUntilListening());
    // The tray comes after the program; once the icon is in it the OK picture really hides.
    StartTray();
    QThread::msleep(3000);
    ClickOk(frame);
    ASSERT_TRUE(WaitUntilGone("Tunis, Tunisia")) << "OK hides the main frame";

    QProcess* second = Run({});
    EXPECT_EQ(Finish(second), 0);
    EXPECT_NE(WaitForWindow("Tunis, Tunisia"), 0u) << "the first instance's main frame is shown again";
    EXPECT_EQ(first->state(), QProcess::Running);

    RequestClose(frame);
    EXPECT_EQ(Finish(first), 1);
}

TEST_F(EndToEnd, PlaceChosenInConfigChangesTheTimesAndIsSavedAtExit)
{
    WriteSettings(Settings("0"));
    QProcess* p = Run({});
    Window frame = WaitForWindow("Tunis, Tunisia");
    ASSERT_NE(frame, 0u);
    QThread::msleep(1000);  // the first refresh has filled the time boxes
    const auto tunis = TimeBoxPixels(frame);
    ASSERT_FALSE(tunis.empty());

    // "&Options" is the first entry of the menu bar; "&Config" its first item.
    ClickAt(frame, 20, 10);
    QThread::msleep(500);
    Xdotool({"key", "Down", "Return"});
    Window config = WaitForWindow("       Config");
    ASSERT_NE(config, 0u) << "Options / Config opens the Config dialog";

    // The place list, sorted: "Sfax, Tunisia" is its first entry. A double-click takes it.
    ClickAt(config, 310 + 60, 10 + 8, 2);
    EXPECT_NE(WaitForWindow("Sfax, Tunisia"), 0u) << "the main frame is titled with the chosen place";
    // OK, the check-mark button at (183, 125) dialog units of the System font, two pixels a unit.
    ClickAt(config, 2 * 183 + 28, 2 * 125 + 16);
    EXPECT_TRUE(WaitUntilGone("       Config")) << "OK hides the dialog";

    QElapsedTimer t;
    t.start();
    auto sfax = TimeBoxPixels(frame);
    while (sfax == tunis && t.elapsed() < kWaitMs) {
        QThread::msleep(100);
        sfax = TimeBoxPixels(frame);
    }
    EXPECT_NE(sfax, tunis) << "the time boxes show other times for the other place";

    RequestClose(frame);
    EXPECT_EQ(Finish(p), 1);
    auto keys = SettingsKeys(ReadWholeFile(SettingsPath()));
    // Sfax's row of the installed database, with the Tunisian additions.
    const std::map<std::string, std::string> expected = {
        {"COUNTRY", "Sfax, Tunisia"}, {"D1", "10"}, {"M1", "45"}, {"S1", "37.000"}, {"CARD1", "E"},
        {"D2", "34"}, {"M2", "44"}, {"S2", "26.000"}, {"CARD2", "N"}, {"H", "13.000"}, {"T_ZONE", "1.000"},
        {"p_dho", "7"}, {"p_mag", "2"}, {"t1", "Tunis, Tunisia*Sfax, Tunisia*"}};
    for (const auto& [key, value] : expected)
        EXPECT_EQ(keys[key], value) << key;
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
