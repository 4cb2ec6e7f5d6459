#include "shell/TrayHost.h"

#include "platform/DialogOps.h"
#include "platform/Menus.h"
#include "platform/TemplateBuilder.h"
#include "platform/os/Session.h"
#include "platform/os/Sound.h"
#include "platform/os/StatusNotifierToolTip.h"
#include "resources/Pictures.h"
#include "resources/templates/ShellTemplates.h"
#include "shell/TrayCompanion.h"

#include <QCursor>
#include <QDBusConnection>
#include <QDBusInterface>
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

bool StatusNotifierHostPresent()
{
    // Asked once, the way Qt asks once for the whole process when it picks the icon's backend, so
    // that both come to the same answer (a watcher whose properties Qt cannot read counts as none).
    static const bool present = [] {
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected())
            return false;
        QDBusInterface watcher(QStringLiteral("org.kde.StatusNotifierWatcher"),
                               QStringLiteral("/StatusNotifierWatcher"),
                               QStringLiteral("org.kde.StatusNotifierWatcher"), bus);
        return watcher.isValid() && watcher.property("IsStatusNotifierHostRegistered").toBool();
    }();
    return present;
}

TrayHost::TrayHost(Wiring wiring) : w_(std::move(wiring))
{
    trayWatch_.setInterval(w_.trayWatchMs);
    exportedMenuOpen_.setSingleShot(true);
    exportedMenuOpen_.setInterval(kExportedMenuBusyMs);
    connect(&exportedMenuOpen_, &QTimer::timeout, this, [this] { menuBusy_ = false; });
    connect(&trayWatch_, &QTimer::timeout, this, &TrayHost::WatchForTray);
}

TrayHost::~TrayHost()
{
    delete icon_;
    delete exported_;
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
        kind_ = w_.statusNotifierHost && w_.statusNotifierHost() ? TrayKind::StatusNotifier : TrayKind::XEmbed;
        icon_ = new QSystemTrayIcon(LoadAppIcon(kTrayIconResource), this);
        UpdateTip();
        connect(icon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
            // A StatusNotifier host that sends ContextMenu draws no menu of its own.
            if (kind_ == TrayKind::StatusNotifier && reason == QSystemTrayIcon::Context)
                hostLacksMenu_ = true;
            // A host that hands over an activation token right before Activate (GNOME's AppIndicator
            // extension on a double click) activates on purpose, even with its menu still open.
            if (reason == QSystemTrayIcon::Trigger && tokenAge_.isValid() && tokenAge_.elapsed() < kTokenFreshMs) {
                tokenAge_.invalidate();
                menuBusy_ = false;
            }
            OnTrayMouse(FromReason(reason));
        });
        icon_->show();
        // Qt may still have docked the icon the XEmbed way.
        if (kind_ == TrayKind::StatusNotifier && w_.isStatusNotifierItem && !w_.isStatusNotifierItem())
            kind_ = TrayKind::XEmbed;
        // Only the StatusNotifier item is given the menu (exported once the item is registered; a
        // host asks for it only after this turn of the event loop): on an XEmbed tray Qt would pop
        // it up itself on a right click, past the busy rule.
        if (kind_ == TrayKind::StatusNotifier)
            RebuildMenu();
    }
    icon_->show();
    // Qt registers its item anew each time the icon is shown: serve the tooltip's body again.
    if (kind_ == TrayKind::StatusNotifier) {
        if (!richTip_) {
            richTip_ = new StatusNotifierToolTip(this);
            connect(richTip_, &StatusNotifierToolTip::activationTokenProvided, this, [this](const QString& token) {
                tokenAge_.start();
                UseActivationToken(token);
            });
        }
        if (richTip_->Attach())
            UpdateTip();
    }
    iconAdded_ = true;
}

QMenu* TrayHost::BuildTrayMenu(const std::function<void(int)>& onCommand)
{
    const MenuTemplate* menu = FindMenu(kTrayMenuId);
    QMenu* popup = menu ? BuildPopupMenu(*menu, 0, nullptr, onCommand) : nullptr;
    if (!popup)
        return nullptr;
    SetMenuDefaultItem(popup, kTrayShow);
    if (w_.extendMenu)
        w_.extendMenu(popup);
    // "Stop sound" only while a sound plays: looked at again each time a host shows the menu.
    auto stopSound = [onCommand] { onCommand(kTrayStopSound); };
    SyncStopSoundItem(popup, stopSound);
    connect(popup, &QMenu::aboutToShow, popup, [popup, stopSound] { SyncStopSoundItem(popup, stopSound); });
    return popup;
}

void TrayHost::RebuildMenu()
{
    if (kind_ != TrayKind::StatusNotifier || !icon_)
        return;
    // The host opens and closes the exported menu; while it is open the busy rule holds, and a
    // chosen item is carried out once the host's click has been answered, as after a tracked menu.
    QMenu* menu = BuildTrayMenu([this](int id) {
        menuBusy_ = false; // a chosen item closes the host's menu
        QTimer::singleShot(0, this, [this, id] { HandleCommand(id); });
    });
    if (!menu)
        return;
    connect(menu, &QMenu::aboutToShow, this, [this] {
        menuBusy_ = true;
        // Not every host says when its menu closes: the busy rule must not hold for ever.
        exportedMenuOpen_.start();
    });
    connect(menu, &QMenu::aboutToHide, this, [this] { menuBusy_ = false; });
    icon_->setContextMenu(menu);
    delete exported_;
    exported_ = menu;
}

void TrayHost::SetTipBody(const QString& body)
{
    tip_.nextLine = body.toStdString();
    UpdateTip();
}

void TrayHost::UpdateTip()
{
    if (!icon_)
        return;
    // A StatusNotifier host is given title and body apart (and told once); other trays one text.
    if (richTip_) {
        richTip_->SetToolTip(QString::fromStdString(tip_.title), QString::fromStdString(tip_.body));
        richTip_->SetLabel(QString::fromStdString(tip_.label.text), QString::fromStdString(tip_.label.guide));
    }
    if (!richTip_ || !richTip_->Attached())
        icon_->setToolTip(QString::fromStdString(tip_.PlainText()));
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
    switch (ReactToTrayMouse(event, TrayState{menuBusy_, kind_, hostLacksMenu_})) {
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
    int chosen = 0;
    std::unique_ptr<QMenu> popup(BuildTrayMenu([&chosen](int id) { chosen = id; }));
    if (!popup)
        return;
    menuBusy_ = true;
    const QPoint at = QCursor::pos();
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
    // The table is refreshed every few seconds; a host told of a tooltip that did not change would
    // fetch it again each time.
    if (tip == tip_)
        return;
    tip_ = tip;
    UpdateTip();
}

} // namespace nuro
