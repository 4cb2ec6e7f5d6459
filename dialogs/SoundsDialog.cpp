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
#include "platform/Sound.h"
#include "platform/Translation.h"
#include "resources/UiTexts.h"
#include "resources/templates/SettingsTemplates.h"
#include "schedule/NextPrayer.h"
#include "schedule/Notice.h"

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
constexpr int kRemindField = 241, kOk = 255;
constexpr int kPathRoom = 4096, kRemindRoom = 5;
constexpr const char* kSoundFilter = "Sounds (*.wav *.ogg *.mp3 *.flac *.opus);;All files (*)";

QWidget*& Window()
{
    static QWidget* dlg = nullptr;
    return dlg;
}

void ApplySounds(QWidget* dlg)
{
    std::array<std::string, kPrayerCount> files;
    for (int i = 0; i < kPrayerCount; ++i)
        files[i] = GetDlgItemText(dlg, kFirstFile + i, kPathRoom);
    const std::int32_t remind = std::clamp(ParseInt(GetDlgItemText(dlg, kRemindField, kRemindRoom)), 0, kMaxRemindMinutes);
    std::lock_guard<std::mutex> guard(SettingsLock());
    AppSettings& s = Settings();
    for (int i = 0; i < kPrayerCount; ++i)
        s.extra.SOUND[i] = files[i];
    s.extra.REMIND = remind;
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
    if (id == kOk || IsNoticeCommand(id)) {
        ApplySounds(dlg);
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
        ShowSoundsFields();
        return true;
    case DialogMessage::Command:
        return SoundsCommand(dlg, id & 0xFFFF);
    case DialogMessage::Close:
        return IgnoreCloseRequest();
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
}

void OpenSoundsDialog()
{
    const bool existed = Window() != nullptr;
    OpenSettingsDialog(Window(), SoundsTemplate(), SoundsProc);
    if (existed)
        ShowSoundsFields();
}

QWidget* SoundsDialogWindow() { return Window(); }

void ResetSoundsDialog()
{
    delete Window();
    Window() = nullptr;
}

} // namespace nuro
