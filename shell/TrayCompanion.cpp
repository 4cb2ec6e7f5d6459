#include "shell/TrayCompanion.h"

#include "core/HijriDate.h"
#include "platform/os/DesktopNotification.h"
#include "platform/os/Session.h"
#include "schedule/AlarmMonitor.h"
#include "schedule/CalcLibrary.h"
#include "schedule/Notice.h"
#include "platform/os/Sound.h"
#include "platform/Translation.h"
#include "resources/UiTexts.h"
#include "shell/MainDialog.h"
#include "shell/PrayerGlance.h"
#include "shell/TrayHost.h"
#include "shell/TrayStartup.h"

#include <QAction>
#include <QMenu>

#include <algorithm>

namespace nuro {

void AddStopSoundItem(QMenu* menu, const std::function<void()>& chosen)
{
    if (!menu || !SoundPlaying())
        return;
    QAction* first = menu->actions().isEmpty() ? nullptr : menu->actions().first();
    // Shown in the tray menu's language, like the items around it.
    auto* stop = new QAction(TranslateData(TextLanguage::Interface, MenuContext(kTrayMenuId), kStopSoundText), menu);
    stop->setData(kTrayStopSound);
    QObject::connect(stop, &QAction::triggered, menu, chosen);
    menu->insertAction(first, stop);
    menu->insertSeparator(first);
}

void SyncStopSoundItem(QMenu* menu, const std::function<void()>& chosen)
{
    if (!menu)
        return;
    const QList<QAction*> actions = menu->actions();
    const qsizetype at =
        std::find_if(actions.begin(), actions.end(), [](QAction* a) { return a->data().toInt() == kTrayStopSound; }) -
        actions.begin();
    const bool shown = at < actions.size();
    if (!shown) {
        AddStopSoundItem(menu, chosen);
    } else if (!SoundPlaying()) {
        if (at + 1 < actions.size() && actions[at + 1]->isSeparator())
            delete actions[at + 1];
        delete actions[at];
    }
}

void StartPrayerGlance(TrayHost* host)
{
    auto* glance = new PrayerGlance(ProgramGlanceWiring([host](const TrayTip& tip) { host->SetTip(tip); },
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

GlanceWords InterfaceGlanceWords()
{
    GlanceWords words;
    words.ForEachText([](std::string& text) {
        text = TranslateData(TextLanguage::Interface, kGlanceContext, text.c_str()).toStdString();
    });
    return words;
}

namespace {

std::vector<NotificationAction> AlertActions(bool sound)
{
    const std::string context = MenuContext(kTrayMenuId);
    std::vector<NotificationAction> actions;
    if (sound)
        actions.push_back({"stop", TranslateData(TextLanguage::Interface, context, kStopSoundText).toStdString()});
    const QString show = TranslateData(TextLanguage::Interface, context, "&Show").remove(QLatin1Char('&'));
    actions.push_back({"show", show.toStdString()});
    actions.push_back({"default", show.toStdString()}); // a click on the notification itself
    return actions;
}

void OnAlertAction(const std::string& key)
{
    if (key == "stop") {
        nuro::StopSound();
    } else if (key == "show" || key == "default") {
        if (TrayHost* host = ProcessTrayHost())
            host->ShowMainFrame();
        RaiseOpenNotice();
    }
}

} // namespace

NotificationHandle RaisePrayerAlert(int templateId, bool sound)
{
    const AppSettings s = SnapshotSettings();
    if (!AlertNotificationsOn(s.extra.ALERT_NOTIFY))
        return 0;
    const auto entry = std::find_if(kNoticeTable.begin(), kNoticeTable.end(),
                                    [templateId](const NoticeEntry& e) { return e.templateId == templateId; });
    if (entry == kNoticeTable.end())
        return 0;
    const std::string time = SlotText(Schedule().Table()[entry->slot]).substr(0, 5);
    const GlanceWords words = InterfaceGlanceWords();
    // Read like the reminder: the place as the reader's language writes it, the time in its digits.
    const std::string locale = InterfaceLocale();
    return RaiseLastingNotification(
        ReadingDigits(FillPattern(words.labelNext, {words.names[entry->slot], time}), locale),
        PlaceNameIn(Calc(), s.PlaceName.data(), InterfaceLanguage()), AlertActions(sound), OnAlertAction);
}

void PrayerAlertSoundEnded(NotificationHandle alert)
{
    SetNotificationActions(alert, AlertActions(false));
}

void PrayerAlertEnded(NotificationHandle alert)
{
    WithdrawNotification(alert);
}

void ShowPrayerReminder(TimeSlotIndex slot, const std::string& time, std::int32_t minutesLeft)
{
    const ReminderText text = MakeReminderText(slot, time, minutesLeft, InterfaceGlanceWords());
    const std::string locale = InterfaceLocale();
    ShowDesktopNotification(ReadingDigits(text.title, locale), ReadingDigits(text.body, locale));
}

} // namespace nuro
