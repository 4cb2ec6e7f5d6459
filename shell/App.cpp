#include "shell/App.h"

#include "core/SettingsStore.h"
#include "platform/Autostart.h"
#include "platform/Profile.h"
#include "platform/TFrameWindow.h"
#include "resources/Pictures.h"
#include "schedule/Notice.h"
#include "shell/ExitSignals.h"
#include "shell/MainDialog.h"
#include "shell/SingleInstance.h"
#include "shell/StartupRules.h"
#include "shell/TrayHost.h"

#include <QApplication>
#include <QCoreApplication>
#include <QSessionManager>

#include <cstdlib>

namespace nuro {
namespace {

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
    StartedAtLogon = 0;
    const std::int32_t startup = LoadStartupSwitch(Profile());
    {
        std::lock_guard<std::mutex> guard(SettingsLock());
        Settings().STARTUP = startup;
    }
    // The user's log-in entry follows the switch at every start, so a change made while the program
    // could not write it (or by hand in nuro.ini) is caught up.
    UpdateAutostartEntry(startup == 0);
    const StartMode mode = DecideStart(argc, argv, startup);
    if (mode == StartMode::Refused)
        return kExitRefusedStart;
    if (mode == StartMode::AtLogon)
        StartedAtLogon = 1;

    if (!ClaimSingleInstance()) {
        QCoreApplication bare(argc, argv);
        NotifyRunningInstance(InstanceRequest(mode));
        return kExitRefusedStart;
    }

    TApp app(argc, argv);
    // Every way out saves the settings: signals, the end of the session, a quit from anywhere.
    RouteExitSignals(ExitThroughMainDialog);
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, qApp,
                     [](QSessionManager&) { ExitThroughMainDialog(); });
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, qApp, ExitThroughMainDialog);
    // Qt calls exit() itself when the display connection breaks (the X server or the compositor
    // ending with the session); the settings are saved on that way out too.
    std::atexit(ExitThroughMainDialog);
    // Last: a later start that finds the socket finds a program that saves on every way out.
    ListenForLaterStarts(AnswerLaterStart);
    return app.Run();
}

} // namespace nuro
