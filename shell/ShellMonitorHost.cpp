#include "shell/ShellMonitorHost.h"

#include "platform/DialogOps.h"
#include "platform/Translation.h"
#include "platform/os/UiThread.h"
#include "schedule/CalcLibrary.h"
#include "schedule/Notice.h"
#include "shell/MainDialog.h"
#include "shell/TrayCompanion.h"
#include "shell/TrayHost.h"
#include "shell/TrayStartup.h"

namespace nuro {
namespace {

class ShellMonitorHost : public NoticeMonitorHost {
public:
    void SetMainFrameTitle(const std::string& title) override
    {
        // The place as the reader's language writes it; the settings keep the database's name.
        const std::string shown = PlaceNameIn(Calc(), title, InterfaceLanguage());
        RunOnUiThread([&] {
            if (TDial* dial = MainDialog(); dial && dial->MainFrame())
                SetWindowText(dial->MainFrame(), shown);
        });
    }
    void HideTrayHost() override
    {
        PostToUiThread([] {
            if (TrayHost* host = ProcessTrayHost())
                host->HideTrayHost();
        });
    }
    void RepaintMainFrame() override
    {
        PostToUiThread([] {
            if (TDial* dial = MainDialog(); dial && dial->MainFrame())
                dial->MainFrame()->update();
        });
    }
    bool SoundBoxOn() override
    {
        return CallOnUiThread([] { return MainDialog() && MainDialog()->SoundOn(); });
    }
    void RemindPrayer(TimeSlotIndex slot, const std::string& time, std::int32_t minutesLeft) override
    {
        ShowPrayerReminder(slot, time, minutesLeft);
    }

protected:
    void AlertBegins(int templateId, bool sound) override { alert_ = RaisePrayerAlert(templateId, sound); }
    void AlertSoundEnded() override { PrayerAlertSoundEnded(alert_); }
    void AlertEnded() override
    {
        PrayerAlertEnded(alert_);
        alert_ = 0;
    }

private:
    NotificationHandle alert_ = 0; // the monitor thread's own
};

} // namespace

NoticeMonitorHost& ProgramMonitorHost()
{
    static ShellMonitorHost host;
    return host;
}

} // namespace nuro
