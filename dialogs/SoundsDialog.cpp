// The Sounds dialog: each alerted prayer's own sound file, tried with its play button, and the
// reminder's minutes. Created on its first command and only hidden by OK, like the settings dialogs.
#include "dialogs/Dialogs.h"
#include "dialogs/SettingsDialogs.h"
#include "dialogs/SettingsProc.h"

#include "core/AppSettings.h"
#include "core/NumberText.h"
#include "platform/DialogOps.h"
#include "platform/DialogProc.h"
#include "platform/FileChooser.h"
#include "platform/MessageBox.h"
#include "platform/os/Session.h"
#include "platform/os/Sound.h"
#include "platform/Translation.h"
#include "resources/UiTexts.h"
#include "resources/templates/SettingsTemplates.h"
#include "schedule/NextPrayer.h"
#include "schedule/Notice.h"

#include <QStringList>
#include <QWidget>

#include <algorithm>
#include <iostream>
#include <mutex>
#include <system_error>
#include <thread>

namespace nuro {
namespace {

constexpr int kPrayerCount = 5;
constexpr int kFirstFile = 211, kFirstBrowse = 221, kFirstPlay = 231;
constexpr int kRemindField = 241, kLabelChoice = 243, kNotifyBox = 244, kOk = 255;
constexpr int kPathRoom = 4096, kRemindRoom = 5;
constexpr const char* kSoundFilter = "Sounds (*.wav *.ogg *.mp3 *.flac *.opus);;All files (*)";

// TRAY_LABEL's choices, in its order.
constexpr const char* kLabelChoices[] = {"Nothing", "Next prayer and its time", "Time left"};
constexpr const char* kPrayerNames[kPrayerCount] = {"Fajer", "Dhohur", "Aser", "Maghereb", "Isha"};

QWidget*& Window()
{
    static QWidget* dlg = nullptr;
    return dlg;
}

QString DialogText(const char* text)
{
    return TranslateData(TextLanguage::Interface, TemplateContext(kSoundsTemplateId), text);
}

QString FaultText(const SoundFileCheck& check)
{
    switch (check.fault) {
    case SoundFileFault::Missing:
        return DialogText("no such file");
    case SoundFileFault::NotAFile:
        return DialogText("not a file");
    case SoundFileFault::Unreadable:
        return DialogText("it cannot be read");
    case SoundFileFault::Undecodable:
        return check.detail.empty() ? DialogText("it cannot be decoded")
                                    : DialogText("it cannot be decoded (%1)").arg(QString::fromStdString(check.detail));
    case SoundFileFault::None:
        break;
    }
    return {};
}

// Keeps what can be played: a file newly chosen that fails its check is not taken (its field shows
// the setting again) and the user is told which and why; the dialog then stays open. A file chosen
// before is not checked again: one that went missing since still falls back to the chime.
bool ApplySounds(QWidget* dlg)
{
    const AppSettings before = SnapshotSettings();
    std::array<std::string, kPrayerCount> files;
    QStringList faults;
    for (int i = 0; i < kPrayerCount; ++i) {
        files[i] = GetDlgItemText(dlg, kFirstFile + i, kPathRoom);
        if (files[i].empty() || files[i] == before.extra.SOUND[i])
            continue;
        const SoundFileCheck check = CheckChosenSound(files[i]);
        if (check.fault == SoundFileFault::None)
            continue;
        faults << DialogText("%1 sound, %2: %3")
                      .arg(DialogText(kPrayerNames[i]), QString::fromStdString(files[i]), FaultText(check));
        files[i] = before.extra.SOUND[i];
        SetDlgItemText(dlg, kFirstFile + i, files[i]);
    }
    const std::int32_t remind =
        std::clamp(ParseInt(GetDlgItemText(dlg, kRemindField, kRemindRoom)), 0, kMaxRemindMinutes);
    const int label = std::max(0, ListGetCurSel(GetDlgItem(dlg, kLabelChoice)));
    const bool notify = Checked(dlg, kNotifyBox);
    SettingsRecord().Change([&](AppSettings& s) {
        for (int i = 0; i < kPrayerCount; ++i)
            s.extra.SOUND[i] = files[i];
        s.extra.REMIND = remind;
        s.extra.TRAY_LABEL = label;
        // Without the key the session decides; the key is written once the box says otherwise.
        if (s.extra.ALERT_NOTIFY >= 0 || notify != AlertNotificationsOn(s.extra.ALERT_NOTIFY))
            s.extra.ALERT_NOTIFY = notify ? 1 : 0;
    });
    if (faults.isEmpty())
        return true;
    MessageBox(dlg,
               (DialogText("These sound files were not kept:") + QLatin1Char('\n') + faults.join(QLatin1Char('\n')))
                   .toStdString(),
               DialogText("Sounds").toStdString(), MB_OK | MB_ICONWARNING);
    return false;
}

// Played on a thread of its own so the dialog stays alive; a sound already playing is ended first.
void PlayInBackground(const std::string& file)
{
    StopSound();
    try {
        std::thread([file] { PlayChosenSound(file, kNoticeSound, std::cerr); }).detach();
    } catch (const std::system_error&) {
        // No thread: no preview.
    }
}

bool SoundsCommand(QWidget* dlg, int id)
{
    if (ActsAsOk(id, kOk)) {
        if (ApplySounds(dlg))
            ShowWindow(dlg, false);
        return true;
    }
    if (id >= kFirstBrowse && id < kFirstBrowse + kPrayerCount) {
        const int field = kFirstFile + (id - kFirstBrowse);
        const std::string context = TemplateContext(kSoundsTemplateId);
        const std::string chosen =
            ChooseOpenFile(dlg, TranslateData(TextLanguage::Interface, context, "Sound").toStdString(),
                           GetDlgItemText(dlg, field, kPathRoom),
                           TranslateData(TextLanguage::Interface, context, kSoundFilter).toStdString());
        if (!chosen.empty())
            SetDlgItemText(dlg, field, chosen);
        return true;
    }
    if (id >= kFirstPlay && id < kFirstPlay + kPrayerCount) {
        PlayInBackground(GetDlgItemText(dlg, kFirstFile + (id - kFirstPlay), kPathRoom));
        return true;
    }
    return false;
}

bool SoundsProc(QWidget* dlg, DialogMessage msg, int id, unsigned)
{
    Window() = dlg;
    switch (msg) {
    case DialogMessage::InitDialog:
        PlaceOverMainFrame(dlg);
        for (const char* choice : kLabelChoices)
            ListAddString(GetDlgItem(dlg, kLabelChoice), DialogText(choice).toStdString());
        ShowSoundsFields();
        return true;
    case DialogMessage::Command:
        return SoundsCommand(dlg, id & 0xFFFF);
    case DialogMessage::Close:
        return CloseActsAsOk();
    }
    return false;
}

} // namespace

void ShowSoundsFields()
{
    QWidget* dlg = Window();
    if (!dlg)
        return;
    const AppSettings s = SnapshotSettings();
    for (int i = 0; i < kPrayerCount; ++i)
        SetDlgItemText(dlg, kFirstFile + i, s.extra.SOUND[i]);
    SetDlgItemText(dlg, kRemindField, std::to_string(std::clamp(s.extra.REMIND, 0, kMaxRemindMinutes)));
    ListSetCurSel(GetDlgItem(dlg, kLabelChoice), static_cast<int>(TrayLabelModeOf(s.extra.TRAY_LABEL)));
    Check(dlg, kNotifyBox, AlertNotificationsOn(s.extra.ALERT_NOTIFY));
}

void OpenSoundsDialog()
{
    const bool existed = Window() != nullptr;
    OpenSettingsDialog(Window(), SoundsTemplate(), SoundsProc);
    if (existed)
        ShowSoundsFields();
}

QWidget* SoundsDialogWindow()
{
    return Window();
}

void ResetSoundsDialog()
{
    delete Window();
    Window() = nullptr;
}

} // namespace nuro
