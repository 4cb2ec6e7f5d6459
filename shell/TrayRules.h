// The tray's rules that need no window: which mouse events act, and the four commands of menu 103.
#pragma once

namespace nuro {

enum TrayCommand : int {
    kTrayExit = 11842,
    kTrayHide = 40003,
    kTrayAbout = 40005,
    kTrayShow = 40006,
    kTrayStopSound = 40007, // offered only while a sound plays
};

inline constexpr const char* kStopSoundText = "Stop sound";

inline constexpr int kTrayMenuId = 103;
inline constexpr int kTrayIconResource = 110;
inline constexpr const char* kTrayTip = "NURO :)!";

enum class TrayMouse { LeftDoubleClick, RightRelease, LeftClick, MiddleClick, Other };
enum class TrayReaction { Ignore, Show, OpenMenu };

// The two kinds of notification area on Linux desktops.
enum class TrayKind {
    XEmbed, // the icon is our own window docked in the tray: we see its mouse events
    StatusNotifier, // the host draws the item: a left click comes as Activate, a right click shows
    // the exported menu, or comes as ContextMenu from a host without menu support
};

// The state a tray mouse event is judged in.
struct TrayState {
    bool menuBusy = false;
    TrayKind kind = TrayKind::XEmbed;
    bool hostLacksMenu = false; // a StatusNotifier host asked us to show the menu ourselves
};

// While the menu is tracked every event is ignored, so a second right click never opens a second menu.
// On an XEmbed tray only the double click shows and the right click opens the menu. A StatusNotifier
// host has no double click: its left click (Activate) shows instead, or opens the menu once the host
// has shown it has no menu of its own.
TrayReaction ReactToTrayMouse(TrayMouse event, const TrayState& state);
inline TrayReaction ReactToTrayMouse(TrayMouse event, bool menuBusy)
{
    return ReactToTrayMouse(event, TrayState{menuBusy, TrayKind::XEmbed, false});
}

// What the tray host does for each command.
class TrayActions {
public:
    virtual ~TrayActions() = default;
    virtual void ShowMainFrame() = 0;
    virtual void HideMainFrame() = 0;
    virtual void HideTrayHost() = 0;
    virtual void ShowAboutFromTray() = 0;
    virtual void RemoveTrayIcon() = 0;
    virtual void ExitProgram() = 0;
    virtual void StopSound() {}
};

// True when the command is one of the tray host's; any other is left alone.
bool DispatchTrayCommand(int command, TrayActions& actions);

} // namespace nuro
