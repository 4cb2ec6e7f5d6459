#include "shell/TrayCompanion.h"

#include "core/HijriDate.h"
#include "platform/DesktopNotification.h"
#include "platform/Sound.h"
#include "platform/Translation.h"
#include "resources/UiTexts.h"
#include "shell/MainDialog.h"
#include "shell/PrayerGlance.h"
#include "shell/TrayHost.h"

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
    const qsizetype at = std::find_if(actions.begin(), actions.end(),
                                      [](QAction* a) { return a->data().toInt() == kTrayStopSound; }) -
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

GlanceWords InterfaceGlanceWords()
{
    GlanceWords words;
    words.ForEachText([](std::string& text) {
        text = TranslateData(TextLanguage::Interface, kGlanceContext, text.c_str()).toStdString();
    });
    return words;
}

void ShowPrayerReminder(TimeSlotIndex slot, const std::string& time, std::int32_t minutesLeft)
{
    const ReminderText text = MakeReminderText(slot, time, minutesLeft, InterfaceGlanceWords());
    const std::string locale = InterfaceLocale();
    ShowDesktopNotification(ReadingDigits(text.title, locale), ReadingDigits(text.body, locale));
}

} // namespace nuro
