// What the tray and the monitor offer beyond the fixed tip and menu: the "Stop sound" item, the
// minute-by-minute glance (tooltip, marked box, Hijri strip) and the reminder's notification. Kept
// apart from TrayHost so a tray of another kind can call the same pieces.
#pragma once

#include "schedule/NextPrayer.h"
#include "schedule/Schedule.h"

#include "platform/os/DesktopNotification.h"

#include <cstdint>
#include <functional>
#include <string>

class QMenu;

namespace nuro {

class TrayHost;

// Puts "Stop sound" (then a separator) at the top of the tray menu while a sound plays; `chosen` runs
// when it is picked. Nothing while no sound plays.
void AddStopSoundItem(QMenu* menu, const std::function<void()>& chosen);
// Adds "Stop sound" while a sound plays and takes it away once none does.
void SyncStopSoundItem(QMenu* menu, const std::function<void()>& chosen);

// Starts the process's glance over `host` (its tooltip) and the main dialog (mark, Hijri strip).
void StartPrayerGlance(TrayHost* host);

// The tooltip's and the reminder's words in the interface language, the tray menu's; from any thread.
GlanceWords InterfaceGlanceWords();

// The reminder's silent desktop notification: "Aser in 10 min" over "Aser 14:45", in the interface
// language. Returns at once.
void ShowPrayerReminder(TimeSlotIndex slot, const std::string& time, std::int32_t minutesLeft);

// The alert's lasting notification, where ALERT_NOTIFY (or the session) asks for one: "Dhohur 12:25"
// over the place, urgency critical, with "Stop sound" while `sound` plays and "Show". From the monitor
// thread; none of them waits. 0: no notification.
NotificationHandle RaisePrayerAlert(int templateId, bool sound);
void PrayerAlertSoundEnded(NotificationHandle alert);
void PrayerAlertEnded(NotificationHandle alert);

} // namespace nuro
