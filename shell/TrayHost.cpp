#include "shell/TrayHost.h"

#include "dialogs/Dialogs.h"
#include "platform/DialogOps.h"
#include "platform/Menus.h"
#include "platform/Process.h"
#include "platform/Sound.h"
#include "platform/TemplateBuilder.h"
#include "platform/UiThread.h"
#include "resources/Pictures.h"
#include "schedule/AlarmMonitor.h"
#include "schedule/Notice.h"
#include "shell/AppFace.h"
#include "shell/MainDialog.h"
#include "shell/TrayCompanion.h"
#include "shell/ShellTemplates.h"
#include "shell/SingleInstance.h"

#include <QCursor>
#include <QMenu>
#include <QWidget>

#include <memory>

namespace nuro {
namespace {

TrayMouse FromReason(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::DoubleClick:
        return TrayMouse::LeftDoubleClick;
    case QSystemTrayIcon::Context: // the tray reports the right button's click as a whole
        return TrayMouse::RightRelease;
    case QSystemTrayIcon::Trigger:
        return TrayMouse::LeftClick;
    case QSystemTrayIcon::MiddleClick:
        return TrayMouse::MiddleClick;
    default:
        return TrayMouse::Other;
    }
}

} // namespace

bool TrayAvailable()
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

TrayHost::TrayHost(Wiring wiring) : w_(std::move(wiring))
{
    trayWatch_.setInterval(w_.trayWatchMs);
    connect(&trayWatch_, &QTimer::timeout, this, &TrayHost::WatchForTray);
}

TrayHost::~TrayHost()
{
    delete icon_;
    delete host_.data();
}

void TrayHost::Open()
{
    if (host_)
        return;
    host_ = BuildDialog(kTrayHostTemplate, nullptr, false);
    host_->setEnabled(false);
    host_->setAttribute(Qt::WA_DontShowOnScreen);
    host_->hide();
    if (w_.trayAvailable())
        AddTrayIcon();
    else
        trayWatch_.start(); // a tray that starts after log-in is common: add the icon then
}

void TrayHost::AddTrayIcon()
{
    trayWatch_.stop();
    // Made only now: Qt picks the icon's backend (StatusNotifierItem or XEmbed) when the icon is made,
    // and an icon made before a late tray came up would keep talking to a tray that is not there.
    if (!icon_) {
        icon_ = new QSystemTrayIcon(LoadAppIcon(kTrayIconResource), this);
        icon_->setToolTip(QString::fromStdString(tip_.PlainText()));
        connect(icon_, &QSystemTrayIcon::activated, this,
                [this](QSystemTrayIcon::ActivationReason reason) { OnTrayMouse(FromReason(reason)); });
    }
    icon_->show();
    iconAdded_ = true;
}

void TrayHost::WatchForTray()
{
    if (!iconAdded_ && w_.trayAvailable())
        AddTrayIcon();
}

void TrayHost::RemoveTrayIcon()
{
    trayWatch_.stop();
    if (icon_)
        icon_->hide();
    iconAdded_ = false;
}

void TrayHost::OnTrayMouse(TrayMouse event)
{
    switch (ReactToTrayMouse(event, menuBusy_)) {
    case TrayReaction::Show:
        HandleCommand(kTrayShow);
        break;
    case TrayReaction::OpenMenu:
        OpenTrayMenu();
        break;
    case TrayReaction::Ignore:
        break;
    }
}

void TrayHost::OpenTrayMenu()
{
    const MenuTemplate* menu = FindMenu(kTrayMenuId);
    int chosen = 0;
    std::unique_ptr<QMenu> popup(menu ? BuildPopupMenu(*menu, 0, nullptr, [&chosen](int id) { chosen = id; })
                                      : nullptr);
    if (!popup)
        return;
    menuBusy_ = true;
    const QPoint at = QCursor::pos();
    SetMenuDefaultItem(popup.get(), kTrayShow);
    AddStopSoundItem(popup.get(), [&chosen] { chosen = kTrayStopSound; });
    emit menuAboutToTrack(popup.get());
    popup->exec(at);
    menuBusy_ = false;
    popup.reset();
    if (chosen)
        HandleCommand(chosen);
}

bool TrayHost::HandleCommand(int id)
{
    return DispatchTrayCommand(id, *this);
}

void TrayHost::ShowMainFrame()
{
    QWidget* frame = w_.mainFrame();
    if (!frame)
        return;
    if (frame->isMinimized())
        frame->showNormal();
    frame->show();
    frame->raise();
    frame->activateWindow();
}

void TrayHost::HideMainFrame()
{
    QWidget* frame = w_.mainFrame();
    if (!frame)
        return;
    // A tray that has gone away (its panel ended) could not bring a hidden frame back either.
    if (iconAdded_ && w_.trayAvailable())
        frame->hide();
    else
        frame->showMinimized();
}

void TrayHost::HideTrayHost()
{
    if (host_)
        host_->hide();
}

void TrayHost::ShowAboutFromTray()
{
    w_.showAbout(host_);
}

void TrayHost::ExitProgram()
{
    w_.exitProgram();
}

void TrayHost::StopSound()
{
    nuro::StopSound();
}

void TrayHost::SetTip(const TrayTip& tip)
{
    tip_ = tip;
    if (icon_)
        icon_->setToolTip(QString::fromStdString(tip_.PlainText()));
}

namespace {

bool firstSetup = true;
bool trayHostPending = true;
TrayHost* theTrayHost = nullptr;

// The monitor's view of the running program; every call comes on the monitor thread. The notices
// are NoticeMonitorHost's own.
class ShellMonitorHost : public NoticeMonitorHost {
public:
    void SetMainFrameTitle(const std::string& title) override
    {
        RunOnUiThread([&] {
            if (TDial* dial = MainDialog(); dial && dial->MainFrame())
                SetWindowText(dial->MainFrame(), title);
        });
    }
    void HideTrayHost() override
    {
        PostToUiThread([] {
            if (theTrayHost)
                theTrayHost->HideTrayHost();
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
};

} // namespace


TrayHost* ProcessTrayHost() { return theTrayHost; }

void HideToTray()
{
    if (firstSetup) {
        if (AppFace().SkinStart)
            AppFace().SkinStart(kSkinFile, 0, 0, 0, 0);
        firstSetup = false;
        static ShellMonitorHost monitorHost;
        StartAlarmMonitor(monitorHost);
    }
    if (trayHostPending) {
        trayHostPending = false;
        TrayHost::Wiring wiring;
        wiring.mainFrame = [] { return MainDialog() ? MainDialog()->MainFrame() : nullptr; };
        wiring.exitProgram = [] {
            if (MainDialog())
                MainDialog()->ExitProgram();
        };
        wiring.showAbout = [](QWidget* owner) { ShowAbout(owner); };
        wiring.trayAvailable = TrayAvailable;
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
    ExitProcessNow(code);
}

} // namespace nuro
