#include "shell/App.h"
#include "core/ZoneRules.h"

#include "core/SettingsStore.h"
#include "dialogs/Dialogs.h"
#include "places/Places.h"
#include "platform/os/Autostart.h"
#include "platform/MessageBox.h"
#include "platform/os/Profile.h"
#include "platform/TFrameWindow.h"
#include "platform/Translation.h"
#include "platform/os/UiThread.h"
#include "resources/UiTexts.h"
#include "resources/Pictures.h"
#include "schedule/Notice.h"
#include "shell/ExitSignals.h"
#include "shell/MainDialog.h"
#include "shell/PrayerGlance.h"
#include "shell/SingleInstance.h"
#include "shell/StartupRules.h"
#include "shell/TrayHost.h"
#include "shell/TrayStartup.h"

#include <QApplication>
#include <QCoreApplication>
#include <QSessionManager>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>
#include <string>

namespace nuro {
namespace {

constexpr const char* kDeafInstance =
    QT_TRANSLATE_NOOP("Message", "Later starts of NURO cannot reach this one: they will not show its window.");

void ExitThroughMainDialog()
{
    if (TDial* dial = MainDialog())
        dial->ExitProgram();
}

void AnswerLaterStart(const std::string& request)
{
    if (request == kInstanceShow && ProcessTrayHost())
        ProcessTrayHost()->ShowMainFrame();
}

bool DisplayNamed()
{
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"})
        if (const char* value = std::getenv(name); value && *value)
            return true;
    // A platform chosen on purpose (offscreen, vnc, ...) needs no display of ours.
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    return platform && *platform;
}

QtMessageHandler previousHandler = nullptr;

// Qt ends the process with abort() (and a core dump) when the display cannot be opened; while the
// application object is being made, that becomes one line and a plain exit.
void DisplayOpenGuard(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        if (previousHandler)
            previousHandler(type, context, message);
        return;
    }
    const char* display = std::getenv("DISPLAY");
    std::fprintf(stderr, "nuro: cannot open the display%s%s: %s\n", display ? " " : "", display ? display : "",
                 message.toLocal8Bit().constData());
    std::fflush(stderr);
    std::_Exit(kExitCannotStart);
}

// Says why the start cannot go on, on stderr always and in a message box when there is a display.
int CannotStart(int& argc, char** argv, const std::string& why)
{
    std::fprintf(stderr, "nuro: cannot start: %s\n", why.c_str());
    std::fflush(stderr);
    if (!DisplayNamed())
        return kExitCannotStart;
    previousHandler = qInstallMessageHandler(DisplayOpenGuard);
    QApplication app(argc, argv);
    qInstallMessageHandler(previousHandler);
    MessageBox(nullptr, "NURO cannot start: " + why, kCannotStartCaption, MB_OK | MB_ICONERROR);
    return kExitCannotStart;
}

} // namespace

void TApp::CreateMainWindow()
{
    auto* dial = new TDial();
    SetMainDialog(dial);
    auto* frame = new TFrameWindow(nullptr, kMainFrameTitle, dial, true);
    frame->SetIcon(LoadAppIcon(kMainIconId));
    frame->SetDialogFrameWithoutTitle(true);
    const ScreenPoint at = ScreenPlacement();
    frame->MoveTo(at.x, at.y);
    SetMainWindow(frame);

    frame->AssignMenu(kMainMenuId);
}

int AppMain(int argc, char** argv)
{
    // Before anything reads a path or makes the application object.
    std::string why;
    if (!PrepareSessionEnvironment(why))
        return CannotStart(argc, argv, why);
    StartedAtLogon = 0;
    // Asked before the first read, which puts the installed default in place.
    const bool firstStart = access(ResolveSettingsPath(kSettingsFile).c_str(), F_OK) != 0;
    const std::int32_t startup = LoadStartupSwitch(Profile());
    SettingsRecord().Change([startup](AppSettings& s) { s.STARTUP = startup; });
    // The user's log-in entry follows the switch at every start, so a change made while the program
    // could not write it (or by hand in nuro.ini) is caught up.
    UpdateAutostartEntry(startup == 0);
    const StartMode mode = DecideStart(argc, argv, startup);
    if (mode == StartMode::Refused)
        return kExitRefusedStart;
    if (mode == StartMode::AtLogon)
        StartedAtLogon = 1;

    if (!DisplayNamed()) {
        std::fprintf(stderr, "nuro: no display: neither DISPLAY nor WAYLAND_DISPLAY is set (NURO needs a "
                             "desktop session; nuro-times prints the times without one)\n");
        return kExitCannotStart;
    }

    StartClaim claim = StartClaim::Failed;
    {
        QCoreApplication bare(argc, argv); // the hand-over's socket needs an application object
        claim = ClaimOrHandOver(InstanceRequest(mode), why);
    }
    if (claim == StartClaim::HandedOver)
        return kExitRefusedStart;
    if (claim == StartClaim::Failed)
        return CannotStart(argc, argv, why);
    // Temporaries of a save that a kill or a crash cut short; a save under way elsewhere keeps its own.
    RemoveStaleTemporaries(kSettingsFile);

    previousHandler = qInstallMessageHandler(DisplayOpenGuard);
    TApp app(argc, argv);
    qInstallMessageHandler(previousHandler);
    // Every way out saves the settings: signals, the end of the session, a quit from anywhere.
    RouteExitSignals(ExitThroughMainDialog);
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, qApp,
                     [](QSessionManager&) { ExitThroughMainDialog(); });
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, qApp, ExitThroughMainDialog);
    // Qt calls exit() itself when the display connection breaks (the X server or the compositor
    // ending with the session); the settings are saved on that way out too.
    std::atexit(ExitThroughMainDialog);
    // Last: a later start that finds the socket finds a program that saves on every way out.
    if (std::string deaf; !ListenForLaterStarts(AnswerLaterStart, &deaf)) {
        std::fprintf(stderr, "nuro: later starts cannot reach this one: %s\n", deaf.c_str());
        PostToUiThread([deaf] {
            MessageBox(nullptr,
                       TranslateData(TextLanguage::Interface, kMessageContext, kDeafInstance).toStdString() + "\n" +
                           deaf,
                       "NURO", MB_OK | MB_ICONWARNING);
        });
    }
    // A first start runs on the shipped default place until the user chooses one, which the Config
    // dialog offers once the main window is up (and the settings read), and again at every start
    // until the user has chosen.
    QTimer::singleShot(0, qApp, [firstStart] {
        if (firstStart)
            places::MarkPlaceNotChosen();
        if (!places::PlaceNotChosen())
            return;
        UpdateGlanceSoon(); // the tip says so at once
        OpenConfigDialogToChoosePlace(SystemZoneRules().SystemZone());
    });
    return app.Run();
}

} // namespace nuro
