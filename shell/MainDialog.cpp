#include "shell/MainDialog.h"
#include "shell/SingleInstance.h"

#include "dialogs/Dialogs.h"
#include "platform/DialogOps.h"
#include "platform/DialogWindow.h"
#include "platform/MessageBox.h"
#include "platform/os/Profile.h"
#include "platform/Translation.h"
#include "platform/os/UiThread.h"
#include "resources/templates/ShellTemplates.h"
#include "resources/UiTexts.h"
#include "schedule/AlarmMonitor.h"
#include "schedule/CalcLibrary.h"
#include "schedule/Methods.h"
#include "schedule/Notice.h"
#include "shell/AppFace.h"
#include "shell/MainWindowRules.h"
#include "shell/PrayerGlance.h"
#include "shell/TrayHost.h"
#include "shell/TrayStartup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QLineEdit>
#include <QRadioButton>

#include <iostream>

namespace nuro {

int StartedAtLogon = 0;

namespace {

TDial* theMainDialog = nullptr;

constexpr int kWholeText = 1 << 12;
constexpr const char* kMessageCaption = "NURO";
constexpr const char* kUnusableSettings =
    QT_TRANSLATE_NOOP("Message", "The settings file cannot be used. NURO runs without it and leaves it as it is:");

// The fixed sentence in the interface's language, then the file's own reason.
std::string UnusableSettingsText(const std::string& problem)
{
    return TranslateData(TextLanguage::Interface, kMessageContext, kUnusableSettings).toStdString() + "\n" + problem;
}

// A soft gold behind the next prayer's time: the text stays readable and the pictures are untouched.
const QColor kNextPrayerColour(255, 226, 120);

} // namespace

TDial* MainDialog()
{
    return theMainDialog;
}
void SetMainDialog(TDial* dial)
{
    theMainDialog = dial;
}

// The exit steps of the running program.
class TDial::Steps : public ExitSteps {
public:
    explicit Steps(TDial& dial) : dial_(dial) {}

    bool SaveSettings(std::string& error) override
    {
        ProfileService& profile = dial_.SettingsProfile();
        // The controls are read on this thread; the record under its lock, as the monitor reads it.
        if (SaveAllSettings(profile, dial_, SnapshotSettings()))
            return true;
        if (auto* ini = dynamic_cast<IniProfile*>(&profile))
            error = ini->LastError();
        return false;
    }
    void TellUnsaved(const std::string& reason, ExitOrigin origin) override
    {
        if (origin == ExitOrigin::Menu) {
            MessageBox(dial_.mainFrame_, UnsavedAtExitText(reason), kMessageCaption, MB_OK | MB_ICONERROR);
            return;
        }
        if (!dial_.SettingsProfile().KeepUnsavedNote(reason, kSettingsFile))
            std::cerr << "nuro: the failed save could not be noted for the next start either\n";
    }
    void StopMonitor() override { MonitorStop = true; }
    // The library stays loaded: a refresh on the monitor thread may be inside it right now, and the
    // process ends a moment later anyway.
    void UnloadLibrary() override {}
    void RemoveSkin() override
    {
        if (AppFace().SkinRemove)
            AppFace().SkinRemove();
    }
    void EndProcess(int code) override { dial_.hooks_.endProcess(code); }

private:
    TDial& dial_;
};

MainDialogHooks ProgramHooks()
{
    MainDialogHooks h;
    h.loadCalcLibrary = [] { Calc().Load(); };
    h.hideToTray = [] { HideToTray(); };
    h.trayAvailable = [] { return TrayAvailable(); };
    h.openConfig = [] { OpenConfigDialog(); };
    h.openExpert = [] { OpenExpertDialog(); };
    h.openSummerTime = [] { OpenSummerTimeDialog(); };
    h.openSounds = [] { OpenSoundsDialog(); };
    h.showAbout = [](QWidget* owner) { ShowAbout(owner); };
    h.endProcess = [](int code) { EndProgramProcess(code); };
    return h;
}

const TResponseEntry<TDial> TDial::kResponses[] = {
    {BN_CLICKED, kIdOk, &TDial::CmHideToTray},
    {BN_CLICKED, kIdAbout, &TDial::CmAbout},
    {BN_CLICKED, kIdSoundBox, &TDial::UpdateSoundPicture},
    {BN_CLICKED, kIdAfterRadio, &TDial::UpdateNoticeOffset},
    {BN_CLICKED, kIdBeforeRadio, &TDial::UpdateNoticeOffset},
    {EN_CHANGE, kIdOffsetBox, &TDial::UpdateNoticeOffset},
    {BN_CLICKED, kCmdConfig, &TDial::CmConfig},
    {BN_CLICKED, kCmdExpert, &TDial::CmExpert},
    {BN_CLICKED, kCmdSummerTime, &TDial::CmSummerTime},
    {BN_CLICKED, kCmdSounds, &TDial::CmSounds},
    {BN_CLICKED, kCmdExit, &TDial::CmExit},
    {BN_CLICKED, kCmdArabic, &TDial::SetArabicLayout},
    {BN_CLICKED, kCmdEnglish, &TDial::SetEnglishLayout},
};

TDial::TDial(MainDialogHooks hooks)
    : TDialog(nullptr, kMainTemplate),
      hooks_(std::move(hooks)),
      brush_(kMainRed, kMainGreen, kMainBlue),
      offsetBox_(this, kIdOffsetBox),
      soundBox_(this, kIdSoundBox),
      soundPicture_(this, kIdSoundOn),
      afterRadio_(this, kIdAfterRadio),
      beforeRadio_(this, kIdBeforeRadio),
      exitSteps_(std::make_unique<Steps>(*this))
{
    for (std::size_t i = 0; i < kTimeBoxIds.size(); ++i)
        timeBoxes_[i] = std::make_unique<TEdit>(this, kTimeBoxIds[i]);
    SetBkgndColor(brush_);
}

TDial::~TDial()
{
    if (RegisteredTimeDisplay() == this)
        SetTimeDisplay(nullptr);
}

bool TDial::DispatchCommand(int id, unsigned code)
{
    return Respond(*this, kResponses, id, code) || TDialog::DispatchCommand(id, code);
}

void TDial::SetupMainWindow()
{
    hooks_.loadCalcLibrary();
    ApplyColourRule();
    mainFrame_ = Window()->window();
    SetDialogsMainFrame(mainFrame_);
    SetNoticeOwner(mainFrame_);
    SetTimeDisplay(this);
    // Loaded aside and put in place whole, before anything listens: a refresh never reads half a file.
    AppSettings settings = SnapshotSettings();
    const LoadReport loaded = LoadAllSettings(SettingsProfile(), *this, settings);
    // Once here, not at every refresh: AUTO becomes the place's country's method.
    ResolvePlaceMethod(Calc(), settings);
    SettingsRecord().Replace(settings);
    RefreshOnSettingsChanges();
    if (!StartedAtLogon)
        ShowWindow(mainFrame_, true);
    else if (!hooks_.trayAvailable())
        mainFrame_->showMinimized(); // without a tray a hidden window could never come back
    hooks_.hideToTray();
    TellUnsavedLastTime();
    TellLoadReport(loaded);
}

void TDial::TellLoadReport(const LoadReport& loaded)
{
    for (const std::string& note : loaded.notes)
        std::cerr << "nuro: " << note << '\n';
    if (loaded.fileProblem.empty())
        return;
    std::cerr << "nuro: the settings file cannot be used: " << loaded.fileProblem
              << "; NURO runs without it and leaves it as it is\n";
    PostToUiThread([this, text = UnusableSettingsText(loaded.fileProblem)] {
        MessageBox(mainFrame_, text, kMessageCaption, MB_OK | MB_ICONWARNING);
    });
}

ProfileService& TDial::SettingsProfile() const
{
    return hooks_.profile ? *hooks_.profile : Profile();
}

void TDial::TellUnsavedLastTime()
{
    auto reason = SettingsProfile().TakeUnsavedNote(kSettingsFile);
    if (!reason)
        return;
    std::cerr << "nuro: settings were not saved when NURO last ended: " << *reason << '\n';
    // Once the start is over: the monitor and the tray are already running while the message waits.
    PostToUiThread([this, text = UnsavedLastTimeText(*reason)] {
        MessageBox(mainFrame_, text, kMessageCaption, MB_OK | MB_ICONWARNING);
    });
}

void TDial::ApplyColourRule()
{
    QWidget* dlg = Window();
    // Statics, the check box, the radios and the read-only boxes keep the desktop's own field colour
    // with their text drawn straight onto it; picture controls let what is beneath show through.
    const QPalette app = QApplication::palette();
    // Explicitly set roles survive the dialog's blue, which its children would otherwise inherit.
    auto keepPlain = [&app](QWidget* w, std::initializer_list<QPalette::ColorRole> roles) {
        QPalette pal = w->palette();
        for (QPalette::ColorRole role : roles)
            pal.setColor(role, app.color(role));
        w->setPalette(pal);
    };
    for (QWidget* w : DialogOf(dlg)->Controls()) {
        auto* edit = qobject_cast<QLineEdit*>(w);
        const bool staticKind = qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w) ||
                                qobject_cast<QFrame*>(w) || (edit && edit->isReadOnly());
        if (staticKind) {
            keepPlain(w, {QPalette::Window, QPalette::Button});
            if (edit) {
                edit->setTextMargins(0, 0, 0, 0); // a whole time text fits the narrow box
                QPalette pal = w->palette();
                pal.setColor(QPalette::Base, app.color(QPalette::Window));
                w->setPalette(pal);
            }
            w->setAutoFillBackground(true);
        } else if (qobject_cast<QAbstractButton*>(w)) {
            w->setAutoFillBackground(false);
        } else if (edit) {
            keepPlain(w, {QPalette::Window, QPalette::Base}); // the editable offset box: an ordinary field
        }
    }
}

void TDial::UpdateNoticeOffset()
{
    std::string text = offsetBox_.GetText(static_cast<int>(kOffsetReadChars) + 1);
    if (auto offset =
            NoticeOffsetFor(text, afterRadio_.GetCheck() == BST_CHECKED, beforeRadio_.GetCheck() == BST_CHECKED))
        NoticeOffset = *offset;
}

void TDial::UpdateSoundPicture()
{
    soundPicture_.Show(soundBox_.GetCheck() == BST_CHECKED);
}

void TDial::SetArabicLayout()
{
    ApplyLanguage(false);
}

void TDial::SetEnglishLayout()
{
    ApplyLanguage(true);
}

bool TDial::ExitProgram(ExitOrigin origin)
{
    // A start from now on waits for this process to end instead of handing its request to it.
    StopListeningForLaterStarts();
    exit_.Run(*exitSteps_, std::cerr, origin);
    return false;
}

void TDial::SetSoundOn(bool on)
{
    soundBox_.SetCheck(on ? BST_CHECKED : BST_UNCHECKED);
    if (!on)
        soundPicture_.Show(false);
}

bool TDial::SoundOn() const
{
    return soundBox_.GetCheck() == BST_CHECKED;
}

void TDial::SetPlusChecked(bool plus)
{
    (plus ? afterRadio_ : beforeRadio_).SetCheck(BST_CHECKED);
}

bool TDial::PlusChecked() const
{
    return afterRadio_.GetCheck() == BST_CHECKED;
}

void TDial::SetOffsetText(const std::string& text)
{
    offsetBox_.SetText(text);
    // Only the first three characters count: the view starts with them, not with the text's end.
    if (auto* box = qobject_cast<QLineEdit*>(offsetBox_.Widget()))
        box->setCursorPosition(0);
}

std::string TDial::OffsetText() const
{
    return offsetBox_.GetText(kWholeText);
}

void TDial::ApplyLanguage(bool english)
{
    for (const LayoutStep& step : LayoutSteps(english))
        ShowDlgItem(Window(), step.id, step.show);
    // A listener hears the window in the language its pictures show.
    ApplyAccessibleTexts(Window(), english ? TextLanguage::English : TextLanguage::Arabic);
    SettingsRecord().Change([english](AppSettings& s) { s.English = english; });
}

bool TDial::English() const
{
    return SettingsRecord().Read([](const AppSettings& s) { return s.English; });
}

static_assert(kTimeBoxIds.size() == kSlotCount);

void TDial::SetTimeText(std::size_t slot, const std::string& text)
{
    if (slot >= kTimeBoxIds.size())
        return;
    const int boxId = kTimeBoxIds[slot];
    // Never waits: the caller may hold the schedule lock that this thread is about to want.
    PostToUiThread([this, alive = std::weak_ptr<bool>(alive_), boxId, text] {
        if (alive.expired())
            return;
        QWidget* dlg = Window();
        if (!dlg)
            return;
        SetDlgItemText(dlg, boxId, text);
        // Where the text is wider than the box its start shows, not its end.
        if (auto* edit = qobject_cast<QLineEdit*>(GetDlgItem(dlg, boxId)))
            edit->setCursorPosition(0);
        // The whole table is in: the tooltip, the mark and the Hijri strip follow at once.
        if (boxId == kTimeBoxIds.back())
            UpdateGlanceSoon();
    });
}

void TDial::MarkTimeBox(int boxId)
{
    QWidget* dlg = Window();
    if (!dlg)
        return;
    const QColor plain = QApplication::palette().color(QPalette::Window);
    for (int id : kTimeBoxIds) {
        QWidget* box = GetDlgItem(dlg, id);
        if (!box)
            continue;
        // Both roles: the read-only boxes fill their background with Window and draw their field in Base.
        QPalette pal = box->palette();
        pal.setColor(QPalette::Base, id == boxId ? kNextPrayerColour : plain);
        pal.setColor(QPalette::Window, id == boxId ? kNextPrayerColour : plain);
        box->setPalette(pal);
    }
}

void TDial::SetHijriText(const std::string& text)
{
    QWidget* dlg = Window();
    if (!dlg)
        return;
    SetDlgItemText(dlg, kIdHijriDate, text);
    // The strip's name says what it is; its description carries the date, so a listener hears it.
    if (QWidget* strip = GetDlgItem(dlg, kIdHijriDate); strip && !text.empty())
        strip->setAccessibleDescription(QString::fromStdString(text));
}

void TDial::CmHideToTray()
{
    hooks_.hideToTray();
}
void TDial::CmAbout()
{
    hooks_.showAbout(Window());
}
void TDial::CmConfig()
{
    hooks_.openConfig();
}
void TDial::CmExpert()
{
    hooks_.openExpert();
}
void TDial::CmSummerTime()
{
    hooks_.openSummerTime();
}
void TDial::CmSounds()
{
    if (hooks_.openSounds)
        hooks_.openSounds();
}
void TDial::CmExit()
{
    ExitProgram(ExitOrigin::Menu);
}

} // namespace nuro
