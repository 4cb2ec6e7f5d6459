#include "shell/TrayStartup.h"

#include "dialogs/Dialogs.h"
#include "platform/os/DesktopNotification.h"
#include "platform/os/Process.h"
#include "platform/os/StatusNotifierToolTip.h"
#include "schedule/AlarmMonitor.h"
#include "schedule/Notice.h"
#include "shell/AppFace.h"
#include "shell/MainDialog.h"
#include "shell/ShellMonitorHost.h"
#include "shell/SingleInstance.h"
#include "shell/TrayCompanion.h"
#include "shell/TrayHost.h"

namespace nuro {
namespace {

bool firstSetup = true;
bool trayHostPending = true;
TrayHost* theTrayHost = nullptr;

} // namespace

TrayHost* ProcessTrayHost()
{
    return theTrayHost;
}

void HideToTray()
{
    if (firstSetup) {
        if (AppFace().SkinStart)
            AppFace().SkinStart(kSkinFile, 0, 0, 0, 0);
        firstSetup = false;
        StartAlarmMonitor(ProgramMonitorHost());
    }
    if (trayHostPending) {
        trayHostPending = false;
        TrayHost::Wiring wiring;
        wiring.mainFrame = [] { return MainDialog() ? MainDialog()->MainFrame() : nullptr; };
        wiring.exitProgram = [] {
            if (MainDialog())
                MainDialog()->ExitProgram(ExitOrigin::Menu);
        };
        wiring.showAbout = [](QWidget* owner) { ShowAbout(owner); };
        wiring.trayAvailable = TrayAvailable;
        wiring.statusNotifierHost = StatusNotifierHostPresent;
        wiring.isStatusNotifierItem = StatusNotifierItemRegistered;
        theTrayHost = new TrayHost(std::move(wiring));
        theTrayHost->Open();
        StartPrayerGlance(theTrayHost);
        return;
    }
    theTrayHost->HideMainFrame();
}

void EndProgramProcess(int code)
{
    ReleaseSingleInstance();
    WithdrawAllNotifications();
    ExitProcessNow(code);
}

} // namespace nuro
