#include "shell/TrayCompanion.h"

#include "platform/DesktopNotification.h"
#include "platform/Sound.h"
#include "shell/MainDialog.h"
#include "shell/PrayerGlance.h"
#include "shell/TrayHost.h"

#include <QAction>
#include <QMenu>

namespace nuro {

void AddStopSoundItem(QMenu* menu, const std::function<void()>& chosen)
{
    if (!menu || !SoundPlaying())
        return;
    QAction* first = menu->actions().isEmpty() ? nullptr : menu->actions().first();
    auto* stop = new QAction(QString::fromUtf8(kStopSoundText), menu);
    stop->setData(kTrayStopSound);
    QObject::connect(stop, &QAction::triggered, menu, chosen);
    menu->insertAction(first, stop);
    menu->insertSeparator(first);
}

void StartPrayerGlance(TrayHost* host)
{
    auto* glance = new PrayerGlance(ProgramGlanceWiring(
        [host](const TrayTip& tip) { host->SetTip(tip); },
        [](int boxId) {
            if (MainDialog())
                MainDialog()->MarkTimeBox(boxId);
        },
        [](const std::string& text) {
            if (MainDialog())
                MainDialog()->SetHijriText(text);
        }));
    glance->setParent(host);
    SetProcessGlance(glance);
    glance->Start();
}

void ShowPrayerReminder(TimeSlotIndex slot, const std::string& time, std::int32_t minutesLeft)
{
    const std::string name = kPrayerNames[slot];
    ShowDesktopNotification(name + " in " + std::to_string(minutesLeft) + " min", name + " " + time);
}

} // namespace nuro
