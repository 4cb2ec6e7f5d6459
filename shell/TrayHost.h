// The tray host: owns the notification-area icon and its menu, and answers the menu's commands.
#pragma once

#include "schedule/NextPrayer.h"
#include "shell/TrayRules.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

#include <functional>

class QMenu;

namespace nuro {

class StatusNotifierToolTip;

// The longest a StatusNotifier host's menu counts as open when the host never says it closed.
inline constexpr int kExportedMenuBusyMs = 15000;
// How long after a host's activation token its Activate counts as the same click.
inline constexpr int kTokenFreshMs = 2000;

class TrayHost : public QObject, public TrayActions {
    Q_OBJECT
public:
    struct Wiring {
        std::function<QWidget*()> mainFrame;
        std::function<void()> exitProgram;
        std::function<void(QWidget*)> showAbout;
        std::function<bool()> trayAvailable; // asked again while the icon waits for a tray
        // Whether the icon will be a StatusNotifier item (asked when the icon is made); none: XEmbed.
        std::function<bool()> statusNotifierHost;
        // Asked once the icon is shown: whether it did become a StatusNotifier item.
        std::function<bool()> isStatusNotifierItem;
        // Adds items of other features to menu 103 after its own; their commands come to
        // HandleCommand like the tray's own.
        std::function<void(QMenu*)> extendMenu;
        int trayWatchMs = 2000;
    };
    explicit TrayHost(Wiring wiring);
    ~TrayHost() override;

    // Builds the hidden host window (template 1) and adds the icon, now or once a tray appears.
    void Open();
    QWidget* HostWindow() const { return host_; }
    // Null until a tray has been found.
    QSystemTrayIcon* Icon() const { return icon_; }
    bool IconAdded() const { return iconAdded_; }
    bool MenuBusy() const { return menuBusy_; }
    TrayKind Kind() const { return kind_; }
    // The menu the StatusNotifier item exports (null on an XEmbed tray).
    QMenu* ExportedMenu() const { return exported_; }
    // Builds the exported menu again, for items that come and go (an XEmbed menu is built per click).
    void RebuildMenu();
    // The tip's text under its title "NURO :)!" (empty: the title alone).
    void SetTipBody(const QString& body);

    // The icon's mouse events.
    void OnTrayMouse(TrayMouse event);
    // A command of menu 103; false for any other id.
    bool HandleCommand(int id);

    // Hides the main frame, or minimizes it while no tray could bring it back.
    void HideMainFrame() override;
    void ShowMainFrame() override;
    void HideTrayHost() override;
    void ShowAboutFromTray() override;
    void RemoveTrayIcon() override;
    void ExitProgram() override;
    void StopSound() override;

    // The tooltip: title and next prayer as the icon's one text; the body is kept for trays that show
    // one (StatusNotifier).
    void SetTip(const TrayTip& tip);
    const TrayTip& Tip() const { return tip_; }

signals:
    // The tray menu, just before it is tracked (tests look at it and choose an item).
    void menuAboutToTrack(QMenu* menu);

private:
    void AddTrayIcon();
    void OpenTrayMenu();
    void WatchForTray();
    // Menu 103 with Show as its default, plus the extensions; a choice calls onCommand.
    QMenu* BuildTrayMenu(const std::function<void(int)>& onCommand);
    void UpdateTip();

    Wiring w_;
    QPointer<QWidget> host_;
    QSystemTrayIcon* icon_ = nullptr;
    QTimer trayWatch_;
    QTimer exportedMenuOpen_;
    bool iconAdded_ = false;
    bool menuBusy_ = false;
    TrayKind kind_ = TrayKind::XEmbed;
    bool hostLacksMenu_ = false;
    QMenu* exported_ = nullptr;
    StatusNotifierToolTip* richTip_ = nullptr; // the tooltip with a body, on a StatusNotifier host
    QElapsedTimer tokenAge_; // since the host's last activation token
    TrayTip tip_{kTrayTip, "", "", {}};
};

// Whether the session bus has a StatusNotifier host, so that Qt makes the icon a StatusNotifier item.
bool StatusNotifierHostPresent();

// Whether the desktop offers a notification area now.
bool TrayAvailable();

} // namespace nuro
